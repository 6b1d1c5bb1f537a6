#pragma once

#include "werkzeug.h"

// Paints the current tile on every field the pointer passes with the button
// held; press, moves and release are one step of the history. With the edge
// switch on, the borders round the painted fields follow, and the preview
// shows them too.
class PinselWerkzeug : public Werkzeug
{
public:
    WerkzeugInfo info() const override;
    bool druecken(Werkzeugsteuerung &steuerung, QPoint zelle) const override;
    void ziehen(Werkzeugsteuerung &steuerung, QPoint von, QPoint zu) const override;
    void loslassen(Werkzeugsteuerung &steuerung) const override;
    void abbrechen(Werkzeugsteuerung &steuerung) const override;
    std::vector<VorschauFeld> vorschau(Werkzeugsteuerung &steuerung, QPoint zelle) const override;
};
