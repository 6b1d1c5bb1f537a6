#pragma once

#include <QDialog>

#include <cstdint>

struct TKarte;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class SpinEdit;

// "Karteneigenschaften": shows the map's properties and edits its name and
// time limit in place. Every showing reloads the map's values; the size
// choice keeps its state when the map has no standard page size.
class TDialog1 : public QDialog
{
    Q_OBJECT

public:
    explicit TDialog1(TKarte &karte, QWidget *parent = nullptr);

signals:
    // The user changed the name or the time limit (already stored in the
    // map). The dialog's own loading does not emit it.
    void karteGeaendert();
    // OK gave the map another standard size; the pages need a new layout.
    void groesseGeaendert();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void seiteAllgemeinAnlegen();
    void seiteRessourcenAnlegen();
    void seiteLumerantAnlegen();
    void FormShow();
    void Edit1Change();
    void ZeitLimitEditChange();
    void BitBtn3Click();
    // Pages of the checked preset, 0 when no preset is checked.
    std::uint8_t gewaehlteSeiten() const;

    TKarte &m_karte;
    // True while FormShow fills the controls, so that filling them does not
    // count as the user's change.
    bool m_laden = false;
    // A preset size was clicked since the dialog was shown.
    bool m_groesseGewaehlt = false;

    QTabWidget *TabbedNotebook1;
    QLineEdit *Edit1;
    QRadioButton *Btn1x176Felder;
    QRadioButton *Btn4x176Felder;
    QRadioButton *Btn9x176Felder;
    QRadioButton *Btn16x176Felder;
    QRadioButton *BtnBenutzerDefiniert;
    SpinEdit *BenutzerAnzahlSeiten;
    SpinEdit *BenutzerAnzahlFelder;
    SpinEdit *ZeitLimitEdit;
    SpinEdit *FeldGroesseEdit;
    QListWidget *ListBox1;
    QComboBox *ComboBox1;
    QPushButton *BitBtn4;
    QPushButton *BitBtn3;
    QPushButton *BitBtn2;
};
