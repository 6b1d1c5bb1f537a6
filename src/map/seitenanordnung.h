#pragma once

#include "karte.h"

#include <QPoint>

// The map grows as a square: pages 1..4 form 2 x 2, 5..9 add a third row and
// column, 10..16 a fourth. Returns (column, row) of a page 1..16.
QPoint SeitenZelle(int seite);

// Number of pages that are shown: AnzahlSeiten, at most 16.
int SichtbareSeiten(const TKarte &karte);
