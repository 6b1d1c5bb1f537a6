#pragma once

#include "karte.h"

#include <QStatusBar>

#include <cstdint>

class QLabel;

// What the status bar says about a pixel position of a page: "Seite 3 · Feld 45
// (Zeile 3, Spalte 13) · einfaches Wasser-Feld (22)", or just the page where the
// position lies on no field.
QString FeldOrtText(const TKarte &karte, int seite, QPoint pos);

// "einfaches Wasser-Feld (22)"; a code without a name shows as "Feldtyp 95".
QString FeldtypText(std::uint8_t code);

// The status bar StatusBar1: at the left the field under the pointer and,
// while a selection is being drawn, its size; at the right the current tile
// and tool, then whether "Kanten automatisch" is on and, while the edge
// faults are shown, their number.
class TStatusLeiste : public QStatusBar
{
    Q_OBJECT

public:
    explicit TStatusLeiste(QWidget *parent = nullptr);

    QString ortText() const;
    QString auswahlText() const;
    QString aktuellText() const;
    QString kantenText() const;

public slots:
    void feldZeigen(const TKarte &karte, int seite, QPoint pos);
    // The fields changed under a resting pointer: says what lies there now.
    void feldErneuern(const TKarte &karte);
    // The pointer has left the pages.
    void feldVerlassen();
    void feldtypZeigen(std::uint8_t code);
    void werkzeugZeigen(const QString &werkzeug);
    // Size of the selection being drawn, in fields; 0 x 0 when none is.
    void setAuswahlGroesse(int spalten, int zeilen);
    void kantenAutomatischZeigen(bool an);
    // Fields with edge faults; below 0 while they are not shown.
    void kantenFehlerZeigen(int anzahl);

private:
    void aktuellAktualisieren();
    void kantenAktualisieren();

    QLabel *m_ort;
    QLabel *m_auswahl;
    QLabel *m_aktuell;
    QLabel *m_kanten;
    // The page and page pixel under the pointer; page 0 when it is on none.
    int m_seite = 0;
    QPoint m_pos;
    std::uint8_t m_feldtyp = 0;
    QString m_werkzeug;
    bool m_kantenAutomatisch = true;
    int m_kantenFehler = -1;
};
