#pragma once

#include "karte.h"

#include <QImage>

// All shown pages of a map in their square arrangement, as one picture.
// Cells without a page stay grey, like the editor's empty page area.
QImage KartenBild(const TKarte &karte);
