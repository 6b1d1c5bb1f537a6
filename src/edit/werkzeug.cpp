#include "werkzeug.h"

// Tools that finish on the press need nothing more.
void Werkzeug::ziehen(Werkzeugsteuerung &, QPoint, QPoint) const {}

void Werkzeug::loslassen(Werkzeugsteuerung &) const {}

void Werkzeug::abbrechen(Werkzeugsteuerung &) const {}

std::vector<VorschauFeld> Werkzeug::vorschau(Werkzeugsteuerung &, QPoint) const
{
    return {};
}
