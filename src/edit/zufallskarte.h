#pragma once

#include "karte.h"

#include <cstdint>

// What a random map is made from. The same settings give the same map, byte
// for byte, on every machine.
struct ZufallskartenEinstellungen
{
    static constexpr int MaxAnteil = 60;
    static constexpr int MaxStrassen = 6;
    static constexpr std::uint32_t MaxSaat = 2147483647;

    int seiten = 4;     // 1..16, laid out like every map's pages
    int wasser = 20;    // per cent of the map's area
    int sand = 15;      // per cent of the map's area
    int wald = 15;      // per cent of the fields
    int strassen = 2;   // 0..MaxStrassen
    bool variantenMischen = true;
    std::uint32_t saat = 1;

    friend bool operator==(const ZufallskartenEinstellungen &, const ZufallskartenEinstellungen &) = default;
};

// Gives the map the standard size of `seiten` pages and fills them with a
// random landscape: lakes and deserts as calm areas with their shores and
// borders drawn (water and sand never meet), forests as clusters of trees,
// roads of street fields from edge to edge. Water and sand cover their share
// of the area (a shore field counts by the part of it that is water), forest
// its share of the fields, as far as the meadow left over allows. Name, time
// limit and tile images are left as they are.
void ZufallskarteErzeugen(TKarte &karte, const ZufallskartenEinstellungen &einstellungen);
