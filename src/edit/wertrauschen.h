#pragma once

#include "zufallsquelle.h"

#include <cstdint>
#include <vector>

// Smooth value noise over a grid of `breite` x `hoehe` points, in integers
// only so that every machine gets the same values: random heights on coarse
// grids, blended with a smooth step and summed over a few scales. Features are
// about `schritt` points across. Row by row, each 0..65535 times the sum of
// the scales' weights.
std::vector<std::uint32_t> WertRauschen(int breite, int hoehe, int schritt, Zufallsquelle &zufall);
