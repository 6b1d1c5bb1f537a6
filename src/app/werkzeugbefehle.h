#pragma once

#include "hauptmenue.h"

class QWidget;
class TStatusLeiste;
class Werkzeugsteuerung;

// Wires the tools and the switches "Kanten automatisch" and "Zufall" to their
// items under "&Karte" (their tool bar buttons mirror the items), to cut,
// copy, paste and delete, and to the status bar:
// the items follow the chosen tool, the selection and the clipboard. Esc in
// `fenster` ends a paste, a selection or a rectangle being dragged.
void WerkzeugBefehleVerbinden(Werkzeugsteuerung &werkzeuge, const HauptMenue &menue, TStatusLeiste &status,
                              QWidget &fenster);
