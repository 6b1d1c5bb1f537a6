#pragma once

#include <cstdint>
#include <span>

// Which palette page holds a tile's button.
enum class Palette { Keine, Gruenland, Wueste, KuesteMeer };

// One tile the user interface offers. Texts are UTF-8; null where there is none.
struct FeldTyp
{
    std::uint8_t code;
    const char *button;      // object name of the palette button
    const char *hinweis;     // hint of the palette button
    Palette palette;
    int buttonX;             // x position on the palette page
    const char *menue;       // submenu of "&Karte"
    const char *menuePunkt;  // item caption in that submenu
};

// The 43 tiles the user can choose, each with its palette button and its
// "&Karte" menu item where it has them.
std::span<const FeldTyp> FeldKatalog();

// The tile with that code, or null.
const FeldTyp *FeldTypZuCode(std::uint8_t code);

// First tile of each palette, chosen when the tool bar switches to it.
std::uint8_t ErsterFeldtyp(Palette palette);

constexpr int AnzahlFeldBilder = 44;

// Index of the image a tile code draws with (0..43); every code 0..255 has
// one, so codes the user interface does not offer draw like a tile it does.
int BildNummer(std::uint8_t code);
