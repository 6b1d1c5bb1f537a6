#pragma once

#include <QWidget>

// A panel with the classic two-line 3-D edge: an outer and an inner bevel of
// one pixel each, each raised, lowered or absent. Children are placed inside
// it with setGeometry like on any widget. It is transparent unless given a
// background of its own.
class BevelPanel : public QWidget
{
    Q_OBJECT

public:
    enum class Bevel { Keine, Erhoben, Abgesenkt };

    BevelPanel(Bevel aussen, Bevel innen, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Bevel m_aussen;
    Bevel m_innen;
};
