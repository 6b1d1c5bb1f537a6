#pragma once

#include "karteneigenschaften.h"

#include <QDialog>

#include <cstdint>
#include <optional>

struct TKarte;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class SpinEdit;

// "Karteneigenschaften": shows the map's properties and lets the user edit
// its name, time limit and size (a preset or 1 to 16 pages of 176 fields).
// Every showing reloads the map's values; the size choice keeps its state
// when the map has no standard page size. The dialog leaves the map alone:
// after OK its opener applies Eigenschaften(), so Cancel changes nothing. OK
// asks before a smaller size drops pages with terrain.
class TDialog1 : public QDialog
{
    Q_OBJECT

public:
    explicit TDialog1(const TKarte &karte, QWidget *parent = nullptr);

    // The next showing is for a new map: this name goes into the name field
    // instead of the map's own, and a smaller size needs no question.
    void FuerNeueKarte(const QString &name);
    // What the controls hold: the name, the time limit as the box reads it,
    // and the standard size picked since the showing when the map has
    // another (else 0).
    KartenEigenschaften Eigenschaften() const;

signals:
    // "&Hilfe" was pressed: the opener shows the dialog's help page.
    void hilfeAngefordert();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void seiteAllgemeinAnlegen();
    void seiteRessourcenAnlegen();
    void seiteLumerantAnlegen();
    void FormShow();
    void BtnBenutzerDefiniertToggled(bool an);
    void BitBtn3Click();
    // Pages of the checked size, 0 when none is checked.
    std::uint8_t gewaehlteSeiten() const;

    const TKarte &m_karte;
    std::optional<QString> m_vorgabeName;
    // A size was picked since the dialog was shown.
    bool m_groesseGewaehlt = false;
    // This showing is for a new map, which replaces the old one whole.
    bool m_neueKarte = false;

    QTabWidget *TabbedNotebook1;
    QLineEdit *Edit1;
    QRadioButton *Btn1x176Felder;
    QRadioButton *Btn4x176Felder;
    QRadioButton *Btn9x176Felder;
    QRadioButton *Btn16x176Felder;
    QRadioButton *BtnBenutzerDefiniert;
    SpinEdit *BenutzerAnzahlSeiten;
    QLabel *Label6;
    SpinEdit *BenutzerAnzahlFelder;
    SpinEdit *ZeitLimitEdit;
    SpinEdit *FeldGroesseEdit;
    QListWidget *ListBox1;
    QComboBox *ComboBox1;
    QPushButton *BitBtn4;
    QPushButton *BitBtn3;
    QPushButton *BitBtn2;
};
