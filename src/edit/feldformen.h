#pragma once

#include "feldentwurf.h"

#include <QPoint>
#include <QRect>

#include <vector>

// The cells on the straight line between two cells, both included, each
// step to a cell that touches the last (Bresenham): a fast drag leaves no
// holes.
std::vector<QPoint> FeldLinie(QPoint von, QPoint bis);

// The cells of the region of fields holding the same code as the field in
// `start`, joined by their edges, across page borders. Empty when `start`
// names no field.
std::vector<QPoint> FuellBereich(const FeldEntwurf &entwurf, const FeldRaster &raster, QPoint start);

// The cells of a rectangle (as ZellRechteck gives it), cut to the grid.
std::vector<QPoint> RechteckZellen(const FeldRaster &raster, QRect zellen);

// The rectangle spanned by two cells, both included.
QRect ZellRechteck(QPoint a, QPoint b);
