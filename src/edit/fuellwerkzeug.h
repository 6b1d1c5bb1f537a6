#pragma once

#include "werkzeug.h"

// Fills the region of fields of the same tile that touch edge to edge,
// across page borders, with the current tile, in one step.
class FuellWerkzeug : public Werkzeug
{
public:
    WerkzeugInfo info() const override;
    bool druecken(Werkzeugsteuerung &steuerung, QPoint zelle) const override;
    std::vector<VorschauFeld> vorschau(Werkzeugsteuerung &steuerung, QPoint zelle) const override;
};
