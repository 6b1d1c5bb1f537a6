#pragma once

#include "feldkatalog.h"

#include <QString>

#include <cstdint>

// The name a tile goes by on screen (status bar, current tile picture): the
// caption of its "&Karte" item where that names it by itself ("Pures Wasser",
// "Ufer oben links"), else its hint ("Obstbaum"), else the caption read after
// its submenu's title ("Wiese mit Blumen"). Codes the user interface does not
// set take the name of the tile they are drawn like; empty when there is none.
QString FeldName(std::uint8_t code);

// The tooltip of a palette button: the hint, or the menu caption where the
// tile has none.
QString FeldHinweis(const FeldTyp &typ);
