#pragma once

#include "tilelayout.h"

#include <cstdint>

// Deterministic noise for the generated art. Everything tiles with a period
// of 40 pixels so that neighbouring tiles of the same ground join seamlessly.
namespace art {

std::uint32_t hash(int x, int y, int seed);

// Uniform in [0, 1) for a lattice point.
double hashUnit(int x, int y, int seed);

// Smooth value noise in [0, 1] with lattice spacing `cell`; repeats every
// TileSize pixels in x and y (TileSize must be a multiple of `cell`).
double tiledNoise(double x, double y, int cell, int seed);

// A few octaves of tiledNoise (cells 20, 10, 5), in [0, 1].
double tiledFbm(double x, double y, int seed);

// Per-pixel grain in [0, 1), tiling with the tile size.
double grain(int x, int y, int seed);

} // namespace art
