#pragma once

#include "argumente.h"

#include <QTextStream>

// Exit codes shared by the subcommands.
namespace Ende {
constexpr int Ok = 0;
constexpr int KeineKarte = 1;
constexpr int ZuGross = 1; // the picture would exceed MaxBildPixel
constexpr int KantenFehler = 1; // check --kanten found fields that disagree
constexpr int EaFehler = 2;
constexpr int Aufruf = 64; // usage error, as sysexits' EX_USAGE
} // namespace Ende

struct Ausgaben
{
    QTextStream &out;
    QTextStream &err;
};

int NeuBefehl(const Argumente &a, Ausgaben io);
int PruefBefehl(const Argumente &a, Ausgaben io);
int NormalisierBefehl(const Argumente &a, Ausgaben io);
// Loads the image module (zeichenmodul.h) from the folder ZENDARO_MODUL_ORDNER
// names relative to the program's own and runs render there; a module that
// is missing or cannot be loaded is an input/output error.
int ZeichenBefehl(const Argumente &a, Ausgaben io);
int ZufallBefehl(const Argumente &a, Ausgaben io);

// The usage error of render's arguments beyond their count, or empty.
QString ZeichenAufrufFehler(const Argumente &a);
// The usage error of generate's arguments beyond their count, or empty.
QString ZufallAufrufFehler(const Argumente &a);
