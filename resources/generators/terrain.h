#pragma once

#include <QImage>

// Paints the 44 terrain tiles. Every ground (meadow, sand, water) comes from
// one texture function evaluated in tile-local coordinates, so an edge of
// meadow matches every other edge of meadow; coast lines and sand borders
// cross the tile edges at the middle so that edge and corner pieces join.
namespace art {

// The tile image with that index (0..43), 40 x 40, RGB32.
QImage paintTile(int image);

} // namespace art
