#pragma once

#include "karte.h"
#include "massstab.h"

class QPainter;
class QRect;
class SkalierteFeldBilder;

// Draws the part `bereich` of a page's surface from its tile codes: white,
// with every field that touches the part drawn over its place under the
// page's mapping. Only that part is drawn, so a paint costs what is exposed,
// not the whole page.
void SeiteZeichnen(const TKarte &karte, int seite, QPainter &flaeche, const QRect &bereich,
                   const SeitenAbbildung &abbildung, SkalierteFeldBilder &bilder);
