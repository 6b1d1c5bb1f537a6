#pragma once

#include "karte.h"

class QPainter;
class QRect;
class SkalierteFeldBilder;
class TSeitenFlaeche;
class Werkzeugsteuerung;

// Draws over one page what the tools show but the map does not hold yet:
// the translucent preview of the tiles a click would lay, and the outline of
// a rectangle being dragged or of the selection.
void UeberlagerungZeichnen(const TKarte &karte, const Werkzeugsteuerung &werkzeuge, const TSeitenFlaeche &flaeche,
                           QPainter &painter, const QRect &bereich, SkalierteFeldBilder &bilder);
