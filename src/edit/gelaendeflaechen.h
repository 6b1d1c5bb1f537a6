#pragma once

#include "eckengitter.h"

#include <cstdint>
#include <vector>

// Turns meadow into `gelaende` where `rauschen` (one value per lattice point,
// row by row) is lowest, among the points `erlaubt` allows, until the terrain
// covers as near `viertel` quarter fields as it can (a point counts a
// quarter for each field it is a corner of). The areas come out calm
// and drawable: every point of the terrain is a corner of a whole field of
// it, the terrain solver has closed or opened every saddle (water wins, so
// lakes that touch at a corner join; deserts give way), and no area or
// enclosed meadow is smaller than four fields.
void FlaecheLegen(EckenGitter &gitter, Gelaende gelaende, const std::vector<std::uint32_t> &rauschen,
                  const std::vector<bool> &erlaubt, int viertel);
