#pragma once

#include "hauptmenue.h"

class KartenAnsicht;
class KartenDokument;
class TStatusLeiste;
class Werkzeugsteuerung;

// Wires the edge commands: "Kanten automatisch" to the status bar,
// "Kanten reparieren" to the selection (or the whole map) as one step, and
// "Kantenfehler zeigen" to the view's frames and the count in the status bar,
// which follow every change of the map while they are shown.
void KantenBefehleVerbinden(KartenDokument &dokument, const Werkzeugsteuerung &werkzeuge, const HauptMenue &menue,
                            TStatusLeiste &status, KartenAnsicht &ansicht);
