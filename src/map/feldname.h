#pragma once

#include <QString>

#include <cstdint>

// The name a tile goes by on screen (status bar, current tile picture,
// palette tooltips): its hint ("See-Feld"), else the caption of its "&Karte"
// item where that names it by itself, else that caption read after its
// submenu's title ("Wiese mit Blumen", "Sand mit Steinen"). Codes the user
// interface does not set take the name of the tile they are drawn like; empty
// when there is none.
QString FeldName(std::uint8_t code);
