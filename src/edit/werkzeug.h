#pragma once

#include <QKeySequence>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <vector>

class Werkzeugsteuerung;

// A tile drawn over the map as a preview, in map pixels.
struct VorschauFeld
{
    QRect pixel;
    std::uint8_t code;
};

// What the menu item, the tool button and the status bar show of a tool.
struct WerkzeugInfo
{
    // "Pinsel": the status bar and the button's tooltip.
    QString name;
    // "&Pinsel": the item under "&Karte", with its access letter.
    QString menueText;
    // Number of the tool bar picture (":/toolbar/N").
    int bild = 0;
    QKeySequence taste;
    // The help page of the item (F1 on it).
    quint32 hilfe = 0;
};

// One painting tool. The controller (Werkzeugsteuerung) hands it the pointer
// as cells of the whole map (FeldRaster) and offers what tools share: the
// document, the current tile and the edge switch, painting as one undo step,
// the outline of a rectangle of cells, the picked tile. A tool keeps no state
// of its own (its functions are const): the controller owns the press, the
// outline and the preview.
//
// A new tool is a class like the ones in werkzeugliste.cpp plus one line in
// WerkzeugeAnlegen(); the menu, the tool bar and the status bar follow.
class Werkzeug
{
public:
    virtual ~Werkzeug() = default;

    virtual WerkzeugInfo info() const = 0;

    // The painting button went down on `zelle`. True when a drag follows
    // (ziehen, then loslassen or abbrechen); false when the press did all.
    virtual bool druecken(Werkzeugsteuerung &steuerung, QPoint zelle) const = 0;
    // With the button held the pointer moved from cell `von` to `zu`.
    virtual void ziehen(Werkzeugsteuerung &steuerung, QPoint von, QPoint zu) const;
    // The button came up; the last move has been handed in.
    virtual void loslassen(Werkzeugsteuerung &steuerung) const;
    // The press ends without finishing the tool (undo during a drag, another
    // tool, another map, Esc).
    virtual void abbrechen(Werkzeugsteuerung &steuerung) const;
    // The tiles a press on `zelle` (a field of the map) would lay, shown
    // under the resting pointer. None by default.
    virtual std::vector<VorschauFeld> vorschau(Werkzeugsteuerung &steuerung, QPoint zelle) const;
    // The outline the tool draws marks a selection (dashed), not an area
    // about to be painted.
    virtual bool markiertAuswahl() const { return false; }
};
