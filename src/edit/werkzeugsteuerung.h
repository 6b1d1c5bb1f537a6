#pragma once

#include "feldentwurf.h"
#include "kartenstueck.h"

class KartenDokument;

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

enum class Werkzeug : std::uint8_t { Pinsel, Fuellen, Rechteck, Auswahl };

// A tile drawn over the map as a preview, in map pixels.
struct VorschauFeld
{
    QRect pixel;
    std::uint8_t code;
};

// What the painting tools do with the pointer, in map pixels (the whole
// picture of the shown pages), without widgets: the view hands in the
// pointer and draws the preview and outline it asks for; the map changes
// only through the document, one undo step per use of a tool.
class Werkzeugsteuerung : public QObject
{
    Q_OBJECT

public:
    // The document must outlive the tools.
    explicit Werkzeugsteuerung(KartenDokument &dokument, QObject *parent = nullptr);

    Werkzeug werkzeug() const { return m_werkzeug; }
    void setWerkzeug(Werkzeug werkzeug);
    bool kantenAutomatisch() const { return m_kanten; }
    void setKantenAutomatisch(bool an);

    // The pointer: a press of the painting button, moves with or without it
    // held, its release, and leaving the pages. `code` is the current tile.
    void druecken(QPoint kartenPixel, std::uint8_t code);
    void bewegen(QPoint kartenPixel, std::uint8_t code);
    void loslassen(QPoint kartenPixel);
    void verlassen();
    // Picks the code under the pointer as the current tile.
    void pipette(QPoint kartenPixel);

    // The selection in cells; empty when there is none.
    QRect auswahl() const { return m_auswahlFertig ? m_rahmen : QRect(); }
    bool hatAuswahl() const { return auswahl().isValid(); }
    bool fuegtEin() const { return m_stueck.has_value(); }
    void ausschneiden();
    void kopieren();
    void loeschen();
    // Takes a piece from the clipboard; it follows the pointer until a press
    // lays it down. False when the clipboard holds none.
    bool einfuegen();
    // Esc: ends a paste, a selection or a rectangle being dragged.
    bool abbrechen();
    // Ends a press without finishing its tool: a rectangle being dragged is
    // dropped, a stroke ends where it is.
    void druckBeenden();
    // The map was replaced or resized: what pointed into it is gone.
    void zuruecksetzen();

    // What the view draws over the pages.
    const std::vector<VorschauFeld> &vorschau() const { return m_vorschau; }
    // The outline of the rectangle being dragged or of the selection, in map
    // pixels; empty when there is none.
    QRect rahmenPixel() const;
    bool rahmenIstAuswahl() const { return m_werkzeug == Werkzeug::Auswahl; }

signals:
    // A press painted with the current tile (its group sound plays).
    void gemalt();
    void feldtypGewaehlt(std::uint8_t code);
    void werkzeugGewechselt(Werkzeug werkzeug);
    // Size in fields of the selection while it is dragged and after; empty
    // when there is none.
    void auswahlGroesse(QSize felder);
    // This part of the map, in map pixels, must be drawn again.
    void ueberlagerungGeaendert(QRect kartenPixel);
    // A passing word for the status bar, such as why a preview is missing.
    void hinweis(const QString &text);

private:
    // A fill's preview is worked out and drawn on every move of the pointer;
    // beyond this many fields (four pages) it is left out.
    static constexpr std::size_t kFuellVorschauFelder = 704;

    void schrittMelden(const FeldEntwurf &entwurf, const QString &befehl);
    const TKarte &karte() const;
    void malen(const std::vector<QPoint> &zellen, const QString &befehl);
    void vorschauSetzen(std::vector<VorschauFeld> vorschau);
    void rahmenSetzen(QRect zellen, bool fertig);
    void hoverZeigen(QPoint zelle);
    // What releasing the rectangle being dragged would change.
    void rechteckVorschau();
    QRect rahmenBereich() const;

    KartenDokument &m_dokument;
    Werkzeug m_werkzeug = Werkzeug::Pinsel;
    bool m_kanten = true;
    std::uint8_t m_feldtyp = 1;
    bool m_gedrueckt = false;
    QPoint m_anfang;
    QPoint m_letzte;
    QRect m_rahmen;
    bool m_auswahlFertig = false;
    std::optional<KartenStueck> m_stueck;
    std::optional<QPoint> m_zeiger;
    std::vector<VorschauFeld> m_vorschau;
};
