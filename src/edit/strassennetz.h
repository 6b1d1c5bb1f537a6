#pragma once

#include "feldraster.h"
#include "zufallsquelle.h"

#include <cstdint>
#include <vector>

// Lays up to `anzahl` roads over the fields marked `befahrbar` (one flag per
// cell of the raster): each runs from a field on the map's edge to a field on
// the opposite edge, across pages, in gentle curves, and follows a road
// already laid where that is shorter, so roads meet and share stretches.
// Fields join by their edges, so a road never breaks at a diagonal step. A
// road that finds no way across is left out. Returns the road flag per cell.
std::vector<bool> StrassenLegen(const FeldRaster &raster, const std::vector<bool> &befahrbar, int anzahl,
                                Zufallsquelle &zufall);
