#include "feldkatalog.h"

#include <array>

namespace {

// Order within a palette or submenu is given by buttonX and by the menu
// layout of the main window; this table follows the tile families.
constexpr std::array<FeldTyp, 43> kKatalog = {{
    {1, "NurGrasButton", nullptr, Palette::Gruenland, 4, "&Wiese", "&nur Gras"},
    {4, "MitBlumenButton", nullptr, Palette::Gruenland, 28, "&Wiese", "&mit Blumen"},
    {16, "GrasMitSteinenButton", "Grasfeld mit Steinen", Palette::Gruenland, 52, "&Wiese", "mit &Steinen"},
    {87, "FelsenButton", "Grasfeld mit Felsen", Palette::Gruenland, 76, "&Wiese", "mit &Fels"},
    {104, nullptr, nullptr, Palette::Keine, -1, "&Wiese", "&verschmutzt"},
    {13, "KleinerBaumButton", "Obstbaum", Palette::Gruenland, 106, "&Bäume", "&klein"},
    {11, "MittlererBaumButton", "Büsche", Palette::Gruenland, 130, "&Bäume", "&mittel"},
    {7, "GrosserBaumButton", "Baum", Palette::Gruenland, 154, "&Bäume", "&groß"},
    {14, "GebueschButton", "Gebüsch", Palette::Gruenland, 178, "&Bäume", "&Gebüsch"},
    {100, "StreetButton", "Straßen-Feld", Palette::Gruenland, 208, nullptr, nullptr},
    {51, "EinfachSandButton", "einfaches Sandfeld", Palette::Wueste, 4, "&Sand", "&einfach"},
    {59, "SandMitSteinenButton", nullptr, Palette::Wueste, 28, "&Sand", "mit &Steinen"},
    {61, "SandFelsenButton", "Sandfeld mit Felsen", Palette::Wueste, 52, "&Sand", "mit Fels"},
    {53, "TrostlosButton", "trostloses Sandfeld", Palette::Wueste, 76, "&Sand", "&trostlos"},
    {57, "TotalAbgekratztButton", "total abgekratztes Sandfeld", Palette::Wueste, 412, "&Sand", "tot&al abgekratzt"},
    {56, "MitKaktusButton", "Sandfeld mit Kaktus", Palette::Wueste, 436, "&Sand", "&mit Kaktus"},
    {63, "SandObenButton", "Sand oben, Gras unten", Palette::Wueste, 106, "&Sand", "Sand oben Gras unten"},
    {65, "SandUntenButton", "Sand unten, Gras oben", Palette::Wueste, 130, "&Sand", "Sand unten Gras oben"},
    {67, "SandLinksButton", "Sand links, Gras rechts", Palette::Wueste, 154, "&Sand", "Sand links Gras rechts"},
    {69, "SandRechtsButton", "Sand rechts, Gras links", Palette::Wueste, 178, "&Sand", "Sand rechts Gras links"},
    {71, "SandLinksObenButton", "Sand links oben", Palette::Wueste, 208, "&Sand", "Sand links oben"},
    {73, "SandRechtsObenButton", "Sand rechts oben", Palette::Wueste, 232, "&Sand", "Sand rechts oben"},
    {75, "SandLinksUntenButton", "Sand links unten", Palette::Wueste, 256, "&Sand", "Sand links unten"},
    {77, "SandRechtsUntenButton", "Sand rechts unten", Palette::Wueste, 280, "&Sand", "Sand rechts unten"},
    {79, "GrasLinksObenButton", "Gras links oben", Palette::Wueste, 310, "&Sand", "Gras links oben"},
    {81, "GrasRechtsObenButton", "Gras rechts oben", Palette::Wueste, 334, "&Sand", "Gras rechts oben"},
    {83, "GrasLinksUntenButton", "Gras links unten", Palette::Wueste, 358, "&Sand", "Gras links unten"},
    {85, "GrasRechtsUntenButton", "Gras rechts unten", Palette::Wueste, 382, "&Sand", "Gras rechts unten"},
    {22, "PuresWasserButton", "einfaches Wasser-Feld", Palette::KuesteMeer, 4, "&Wasser", "&Pures Wasser"},
    {25, "UferObenButton", "Ufer oben, Meer unten", Palette::KuesteMeer, 34, "&Wasser", "Ufer &oben"},
    {27, "UferUntenButton", "Ufer unten, Meer oben", Palette::KuesteMeer, 58, "&Wasser", "Ufer &unten"},
    {29, "UferLinksButton", "Ufer links, Meer rechts", Palette::KuesteMeer, 82, "&Wasser", "Ufer &links"},
    {31, "UferRechtsButton", "Ufer rechts, Meer links", Palette::KuesteMeer, 106, "&Wasser", "Ufer &rechts"},
    {33, "UferObenlinksButton", "Ufer oben links", Palette::KuesteMeer, 136, "&Wasser", "Ufer oben links"},
    {35, "UferObenRechtsButton", "Ufer oben rechts", Palette::KuesteMeer, 160, "&Wasser", "Ufer oben rechts"},
    {37, "UferUntenLinksButton", "Ufer unten links", Palette::KuesteMeer, 184, "&Wasser", "Ufer unten links"},
    {39, "UferUntenRechtsButton", "Ufer unten rechts", Palette::KuesteMeer, 208, "&Wasser", "Ufer unten rechts"},
    {41, "MeerUntenRechtsButton", "Meer unten rechts", Palette::KuesteMeer, 310, "&Wasser", "Meer unten rechts"},
    {43, "MeerUntenLinksButton", "Meer unten links", Palette::KuesteMeer, 286, "&Wasser", "Meer unten links"},
    {45, "MeerObenRechtsButton", "Meer rechts oben", Palette::KuesteMeer, 262, "&Wasser", "Meer oben rechts"},
    {47, "MeerObenLinksButton", "Meer links oben", Palette::KuesteMeer, 238, "&Wasser", "Meer oben links"},
    {19, "SeeButton", "See-Feld", Palette::KuesteMeer, 340, "&Wasser", "&See"},
    {49, "InselButton", "Insel-Feld", Palette::KuesteMeer, 364, "&Wasser", "&Insel"},
}};

} // namespace

std::span<const FeldTyp> FeldKatalog()
{
    return kKatalog;
}

const FeldTyp *FeldTypZuCode(std::uint8_t code)
{
    for (const FeldTyp &typ : kKatalog) {
        if (typ.code == code)
            return &typ;
    }
    return nullptr;
}

std::uint8_t ErsterFeldtyp(Palette palette)
{
    switch (palette) {
    case Palette::Gruenland:
        return 1;
    case Palette::Wueste:
        return 51;
    case Palette::KuesteMeer:
        return 22;
    case Palette::Keine:
        break;
    }
    return 1;
}

int BildNummer(std::uint8_t code)
{
    if (code <= 3)
        return 0;
    if (code >= 25 && code <= 86)
        return 9 + (code - 25) / 2;
    switch (code) {
    case 7: case 10: return 2;
    case 11: case 12: return 3;
    case 13: return 4;
    case 14: case 15: return 5;
    case 16: case 17: case 18: return 6;
    case 19: case 20: case 21: return 7;
    case 22: case 23: case 24: return 8;
    default: break;
    }
    if (code >= 87 && code <= 93)
        return 40;
    if (code >= 94 && code <= 99)
        return 41;
    if (code >= 100 && code <= 102)
        return 42;
    if (code == 103 || code == 104)
        return 43;
    return 1; // 4..6, 8, 9 and 105..255 share the flowered meadow
}
