#pragma once

#include "werkzeug.h"

// Takes the tile of the field under a press as the current tile; the middle
// button and Alt with the left one do the same with any tool.
class PipettenWerkzeug : public Werkzeug
{
public:
    WerkzeugInfo info() const override;
    bool druecken(Werkzeugsteuerung &steuerung, QPoint zelle) const override;
};
