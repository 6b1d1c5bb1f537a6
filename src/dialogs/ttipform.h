#pragma once

#include <QDialog>
#include <QStringList>

#include <cstdint>

class QCheckBox;
class QLabel;
class QPushButton;

// The tip-of-the-day window. TTips builds it for one showing, fills it and
// frees it again.
class TTipForm : public QDialog
{
    Q_OBJECT

public:
    explicit TTipForm(QWidget *parent = nullptr);

    // The index of the tip shown last, in whichever window showed it.
    static std::uint16_t tipNummer();

    QStringList TipListe;
    QLabel *TipHeader;
    QLabel *TipHelp;
    QLabel *TipText;
    QCheckBox *ShowAtStart;
    QPushButton *Next;
    QPushButton *Ok;

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void FormShow();
    void NextClick();
};
