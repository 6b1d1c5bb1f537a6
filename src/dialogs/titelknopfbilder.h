#pragma once

#include <QPixmap>

// The black pictures of the landscape box's title buttons, drawn on a
// transparent ground.
QPixmap kreuzBild();          // diagonal cross, 10 x 9
QPixmap dreieckHochBild();    // upward triangle, 11 x 11
QPixmap dreieckRunterBild();  // downward triangle, 11 x 11
QPixmap dreieckRechtsBild();  // right-pointing triangle, 11 x 11
