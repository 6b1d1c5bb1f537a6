#pragma once

#include "feldentwurf.h"

#include <QPoint>
#include <QRect>

#include <cstdint>

#include <vector>

// The cells on the straight line between two cells, both included, each
// step to a cell that touches the last (Bresenham): a fast drag leaves no
// holes.
std::vector<QPoint> FeldLinie(QPoint von, QPoint bis);

// The cells of the region of fields drawn with the same image as the field
// in `start` (the start-up map's meadow codes 0..3 are one region), joined by
// their edges, across page borders. Empty when `start` names no field.
std::vector<QPoint> FuellBereich(const FeldEntwurf &entwurf, const FeldRaster &raster, QPoint start);

// The region the fill tool fills with `code` from `start`. With `kanten`, a
// tile of another terrain than the start's fills everything of that terrain
// to all four corners (water over a meadow covers its trees too); otherwise,
// as FuellBereich, what is drawn alike.
std::vector<QPoint> FuellFlaeche(const FeldEntwurf &entwurf, const FeldRaster &raster, QPoint start,
                                 std::uint8_t code, bool kanten);

// The cells of a rectangle (as ZellRechteck gives it), cut to the grid.
std::vector<QPoint> RechteckZellen(const FeldRaster &raster, QRect zellen);

// The rectangle spanned by two cells, both included.
QRect ZellRechteck(QPoint a, QPoint b);
