#pragma once

#include "feldentwurf.h"

#include <QPoint>

#include <cstdint>
#include <span>

// Paints a code into the fields of the given cells (cells that name no field
// are skipped). With `kanten` and a tile that paints a whole terrain, the
// painted fields' corners take that terrain, and every field around them
// whose corners changed gets the border tile that matches its corners: one
// ring of neighbours, across page borders, no further.
void FelderMalen(FeldEntwurf &entwurf, const FeldRaster &raster, std::span<const QPoint> zellen, std::uint8_t code,
                 bool kanten);
