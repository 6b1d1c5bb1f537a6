#include "feldecken.h"

#include "feldkatalog.h"

namespace {

constexpr Gelaende G = Gelaende::Gras;
constexpr Gelaende W = Gelaende::Wasser;
constexpr Gelaende S = Gelaende::Sand;

struct BildEcken
{
    Ecken ecken;
    bool gelaende;   // paints a whole terrain
};

// By image, in the corner order links oben, rechts oben, links unten, rechts
// unten; codes sharing an image look alike and so share the pattern.
constexpr std::array<BildEcken, AnzahlFeldBilder> kBildEcken = {{
    {{{G, G, G, G}}, true},    // 0  nur Gras
    {{{G, G, G, G}}, true},    // 1  mit Blumen
    {{{G, G, G, G}}, true},    // 2  Baum
    {{{G, G, G, G}}, true},    // 3  Büsche
    {{{G, G, G, G}}, true},    // 4  Obstbaum
    {{{G, G, G, G}}, true},    // 5  Gebüsch
    {{{G, G, G, G}}, true},    // 6  Gras mit Steinen
    {{{G, G, G, G}}, false},   // 7  See: water only inside the field
    {{{W, W, W, W}}, true},    // 8  Pures Wasser
    {{{G, G, W, W}}, false},   // 9  Ufer oben, Meer unten
    {{{W, W, G, G}}, false},   // 10 Ufer unten, Meer oben
    {{{G, W, G, W}}, false},   // 11 Ufer links, Meer rechts
    {{{W, G, W, G}}, false},   // 12 Ufer rechts, Meer links
    {{{G, W, W, W}}, false},   // 13 Ufer oben links
    {{{W, G, W, W}}, false},   // 14 Ufer oben rechts
    {{{W, W, G, W}}, false},   // 15 Ufer unten links
    {{{W, W, W, G}}, false},   // 16 Ufer unten rechts
    {{{G, G, G, W}}, false},   // 17 Meer unten rechts
    {{{G, G, W, G}}, false},   // 18 Meer unten links
    {{{G, W, G, G}}, false},   // 19 Meer rechts oben
    {{{W, G, G, G}}, false},   // 20 Meer links oben
    {{{W, W, W, W}}, false},   // 21 Insel: land only inside the field
    {{{S, S, S, S}}, true},    // 22 einfaches Sandfeld
    {{{S, S, S, S}}, true},    // 23 trostlos
    {{{S, S, S, S}}, true},    // 24 mit Kaktus
    {{{S, S, S, S}}, true},    // 25 total abgekratzt
    {{{S, S, S, S}}, true},    // 26 mit Steinen
    {{{S, S, S, S}}, true},    // 27 mit Fels
    {{{S, S, G, G}}, false},   // 28 Sand oben, Gras unten
    {{{G, G, S, S}}, false},   // 29 Sand unten, Gras oben
    {{{S, G, S, G}}, false},   // 30 Sand links, Gras rechts
    {{{G, S, G, S}}, false},   // 31 Sand rechts, Gras links
    {{{S, G, G, G}}, false},   // 32 Sand links oben
    {{{G, S, G, G}}, false},   // 33 Sand rechts oben
    {{{G, G, S, G}}, false},   // 34 Sand links unten
    {{{G, G, G, S}}, false},   // 35 Sand rechts unten
    {{{G, S, S, S}}, false},   // 36 Gras links oben
    {{{S, G, S, S}}, false},   // 37 Gras rechts oben
    {{{S, S, G, S}}, false},   // 38 Gras links unten
    {{{S, S, S, G}}, false},   // 39 Gras rechts unten
    {{{G, G, G, G}}, true},    // 40 Gras mit Felsen
    {{{G, G, G, G}}, true},    // 41 Straße
    {{{G, G, G, G}}, true},    // 42 Straße
    {{{G, G, G, G}}, true},    // 43 verschmutzt
}};

// The plain grounds first, so that a tie between a ground and a border
// resolves to the ground.
constexpr std::array<std::uint8_t, 27> kKantenCodes = {
    1,  22, 51, 25, 27, 29, 31, 33, 35, 37, 39, 41, 43, 45,
    47, 63, 65, 67, 69, 71, 73, 75, 77, 79, 81, 83, 85,
};

} // namespace

Ecken FeldEcken(std::uint8_t code)
{
    return kBildEcken[BildNummer(code)].ecken;
}

bool GelaendeFeld(std::uint8_t code)
{
    return kBildEcken[BildNummer(code)].gelaende;
}

std::span<const std::uint8_t> KantenCodes()
{
    return kKantenCodes;
}

std::uint8_t KantenCode(const Ecken &gewuenscht, Gelaende bevorzugt)
{
    std::uint8_t bester = kKantenCodes.front();
    int besteAbweichung = 5;
    int besteMenge = -1;
    for (std::uint8_t code : kKantenCodes) {
        const Ecken ecken = FeldEcken(code);
        int abweichung = 0;
        int menge = 0;
        for (int i = 0; i < 4; ++i) {
            abweichung += ecken.ecke[i] != gewuenscht.ecke[i];
            menge += ecken.ecke[i] == bevorzugt;
        }
        if (abweichung < besteAbweichung || (abweichung == besteAbweichung && menge > besteMenge)) {
            bester = code;
            besteAbweichung = abweichung;
            besteMenge = menge;
        }
    }
    return bester;
}
