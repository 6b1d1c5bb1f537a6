#pragma once

#include <QWidget>

class QLabel;

// The start-up picture: borderless, above all windows, in the middle of the
// screen. Only a click on the picture hides it.
class TSplash : public QWidget
{
    Q_OBJECT

public:
    TSplash();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Image1Click();

    QLabel *Image1;
};
