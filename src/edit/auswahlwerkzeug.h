#pragma once

#include "rahmenwerkzeug.h"

// Marks a rectangle of fields for cut, copy and delete: dragged open from
// the press, it stays as the selection after the release.
class AuswahlWerkzeug : public RahmenWerkzeug
{
public:
    WerkzeugInfo info() const override;
    void loslassen(Werkzeugsteuerung &steuerung) const override;
    bool markiertAuswahl() const override { return true; }
};
