#pragma once

#include "karte.h"
#include "massstab.h"

class QPainter;
class QRect;

// Lines over the tiles of a page surface, on screen only: thin lines between
// fields when the grid is on, and the page's edge always, faint without the
// grid and a little stronger with it, so that the end of a page is never a
// surprise. Draws only within `bereich`.
void RasterZeichnen(const TKarte &karte, const SeitenAbbildung &abbildung, QPainter &flaeche, const QRect &bereich,
                    bool raster);
