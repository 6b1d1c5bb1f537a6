#pragma once

#include "karte.h"

class QPainter;
class QRect;

// Draws a page from its tile codes. A paint of the whole page builds it in an
// off-screen image and copies that in one step; a paint of a smaller part (a
// field painted with the mouse) draws only the fields that part touches.
void SeiteZeichnen(const TKarte &karte, int seite, QPainter &flaeche, const QRect &bereich);
