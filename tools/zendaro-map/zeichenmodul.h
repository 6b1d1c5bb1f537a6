#pragma once

#include "befehle.h"

#include <QtGlobal>

// Render draws with Qt Gui, whose loading (with GL, X11, fontconfig and ICU
// behind it) would otherwise be most of every command's start. So it lives
// in a module that the program loads only when render runs.

// The module's one entry, looked up by this name.
extern "C" Q_DECL_EXPORT int zendaro_map_zeichnen(const Argumente &a, Ausgaben io);

