#pragma once

#include "feldentwurf.h"
#include "kartenstueck.h"
#include "werkzeug.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

class KartenDokument;

// The tool manager: takes the pointer in map pixels (the whole picture of the
// shown pages), without widgets, and hands it as cells to the chosen tool; the
// view draws the preview and outline it asks for. The map changes only
// through the document, one undo step per use of a tool. A piece taken from
// the clipboard follows the pointer until a press lays it down, whatever the
// tool.
class Werkzeugsteuerung : public QObject
{
    Q_OBJECT

public:
    // The document must outlive the tools.
    explicit Werkzeugsteuerung(KartenDokument &dokument, QObject *parent = nullptr);
    ~Werkzeugsteuerung() override;

    // The tools in the order of the menu and the tool bar.
    const std::vector<std::unique_ptr<Werkzeug>> &werkzeuge() const { return m_werkzeuge; }
    const Werkzeug &werkzeug() const { return *m_werkzeug; }
    void setWerkzeug(std::size_t index);
    // The tool of class T, for callers that know the tool they mean.
    template<class T>
    void waehlen()
    {
        for (std::size_t i = 0; i < m_werkzeuge.size(); ++i)
            if (dynamic_cast<const T *>(m_werkzeuge[i].get()))
                setWerkzeug(i);
    }
    template<class T>
    bool ist() const
    {
        return dynamic_cast<const T *>(m_werkzeug) != nullptr;
    }

    void setKantenAutomatisch(bool an);
    // "Zufall": plain meadow, plain sand and trees are painted as a variant
    // of their family, drawn by its weights, field by field.
    void setZufall(bool an);

    // The pointer: a press of the painting button, moves with or without it
    // held, its release, and leaving the pages. `code` is the current tile.
    void druecken(QPoint kartenPixel, std::uint8_t code);
    void bewegen(QPoint kartenPixel, std::uint8_t code);
    void loslassen(QPoint kartenPixel);
    void verlassen();
    // Picks the code under the pointer as the current tile, whatever the tool.
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
    bool rahmenIstAuswahl() const { return m_werkzeug->markiertAuswahl(); }

    // For the tools.
    KartenDokument &dokument() { return m_dokument; }
    const TKarte &karte() const;
    std::uint8_t feldtyp() const { return m_feldtyp; }
    bool kantenAutomatisch() const { return m_kanten; }
    // The cell the press began on.
    QPoint anfang() const { return m_anfang; }
    // Paints the cells with the current tile (with edges when switched on)
    // as a step named `befehl`; a step of a stroke joins the stroke's.
    void malen(const std::vector<QPoint> &zellen, const QString &befehl);
    // The brush's fields, or a whole area (FlaecheMalen), with the current
    // tile, edges and variants as switched. The variants stay the same for
    // a field until the press ends, so the preview shows what it will lay.
    void pinselMalen(FeldEntwurf &entwurf, std::span<const QPoint> zellen) const;
    void flaecheMalen(FeldEntwurf &entwurf, std::span<const QPoint> zellen) const;
    void schrittMelden(const FeldEntwurf &entwurf, const QString &befehl);
    // The outline, in cells; `fertig` marks a finished selection.
    QRect rahmen() const { return m_rahmen; }
    void rahmenSetzen(QRect zellen, bool fertig);
    // A press painted with the current tile: its group sound plays.
    void gemaltMelden() { emit gemalt(); }
    void hinweisMelden(const QString &text) { emit hinweis(text); }
    // Shows tiles over the map (map pixels) until the next call.
    void vorschauSetzen(std::vector<VorschauFeld> vorschau);
    // Takes the code of the field in `zelle` as the current tile.
    void feldAufnehmen(QPoint zelle);

signals:
    void gemalt();
    void feldtypGewaehlt(std::uint8_t code);
    void werkzeugGewechselt(std::size_t index);
    // Size in fields of the selection while it is dragged and after; empty
    // when there is none.
    void auswahlGroesse(QSize felder);
    // This part of the map, in map pixels, must be drawn again.
    void ueberlagerungGeaendert(QRect kartenPixel);
    // A passing word for the status bar, such as why a preview is missing.
    void hinweis(const QString &text);

private:
    void hoverZeigen(QPoint zelle);
    QRect rahmenBereich() const;
    void variantenStreuen(FeldEntwurf &entwurf, std::span<const QPoint> zellen) const;
    void druckZuEnde();

    KartenDokument &m_dokument;
    std::vector<std::unique_ptr<Werkzeug>> m_werkzeuge;
    const Werkzeug *m_werkzeug;
    bool m_kanten = true;
    bool m_zufall = false;
    std::uint64_t m_saat;
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
