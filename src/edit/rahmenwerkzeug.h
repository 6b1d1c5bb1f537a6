#pragma once

#include "werkzeug.h"

// A tool that drags an outline of cells open from the press to the pointer:
// the rectangle and the selection, which differ in what the release does.
class RahmenWerkzeug : public Werkzeug
{
public:
    bool druecken(Werkzeugsteuerung &steuerung, QPoint zelle) const override;
    void ziehen(Werkzeugsteuerung &steuerung, QPoint von, QPoint zu) const override;
    void abbrechen(Werkzeugsteuerung &steuerung) const override;
};
