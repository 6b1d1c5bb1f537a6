#pragma once

#include "rahmenwerkzeug.h"

// Paints the rectangle of fields dragged open from the press to the release
// with the current tile, in one step, the border inside it; while dragging,
// the outline and every field that will change show.
class RechteckWerkzeug : public RahmenWerkzeug
{
public:
    WerkzeugInfo info() const override;
    bool druecken(Werkzeugsteuerung &steuerung, QPoint zelle) const override;
    void ziehen(Werkzeugsteuerung &steuerung, QPoint von, QPoint zu) const override;
    void loslassen(Werkzeugsteuerung &steuerung) const override;
    std::vector<VorschauFeld> vorschau(Werkzeugsteuerung &steuerung, QPoint zelle) const override;

private:
    static void flaecheZeigen(Werkzeugsteuerung &steuerung);
};
