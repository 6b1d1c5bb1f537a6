#pragma once

#include <array>

// Sheet sizes and the tile edge the art is painted at. Where each image sits
// in the sheets, which image a code draws with and which codes the palettes
// offer come from the map library (BildAusschnitte, BildNummer, FeldKatalog),
// so the art always lands where the program cuts.
namespace art {

constexpr int TileSize = 40;

// Widths are multiples of four: the BMP writer leaves row padding unset.
constexpr std::array<int, 3> SheetWidths{164, 164, 124};
constexpr std::array<int, 3> SheetHeights{204, 204, 40};

} // namespace art
