#pragma once

#include <array>
#include <cstdint>
#include <span>

// The terrain at one corner of a field. Neighbouring fields share corners, so
// a coast or desert border joins without a seam when the shared corners agree.
enum class Gelaende : std::uint8_t { Gras, Wasser, Sand };

// The corners of a field: links oben, rechts oben, links unten, rechts unten.
struct Ecken
{
    std::array<Gelaende, 4> ecke;

    bool operator==(const Ecken &) const = default;
    // True when all four corners are of one terrain.
    bool einheitlich() const { return ecke[0] == ecke[1] && ecke[1] == ecke[2] && ecke[2] == ecke[3]; }
};

// The corners a tile code shows: read from its image, so every code 0..255
// has a pattern. Meadow, trees, rocks, street, lake and island show their own
// terrain at all four corners.
Ecken FeldEcken(std::uint8_t code);

// True for the tiles that paint a whole terrain and let the edge brush draw
// the borders round them: plain meadow and everything standing on it, pure
// water, the plain sand tiles. Edge and corner tiles, lake and island are not.
bool GelaendeFeld(std::uint8_t code);

// The edge and corner tiles and the three plain grounds (1, 22, 51), one code
// per corner pattern the tile art draws.
std::span<const std::uint8_t> KantenCodes();

// The tile for a wished corner pattern: the exact one where the art has it,
// otherwise the one with the fewest corners differing, on a tie the one
// showing more of `bevorzugt` (the painted terrain), then the first listed.
std::uint8_t KantenCode(const Ecken &gewuenscht, Gelaende bevorzugt);
