#pragma once

#include "befehle.h"
#include "karte.h"

#include <QString>

// The text with its control and format characters escaped (ESC as \x1b), so
// that a name cannot steer the terminal or hide part of a line.
QString Sichtbar(const QString &text);
// Writes one line of a message to standard error, escaped: every message
// may carry a name.
void Melden(QTextStream &err, const QString &meldung);

// Reads FILE into `karte`; reports and returns an exit code unless it is a map.
int Laden(TKarte &karte, const QString &datei, Ausgaben io);
