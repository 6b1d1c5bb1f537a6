#pragma once

#include "karte.h"

// The largest page edge a map file may bring. The editor draws only the
// visible part of a page, and whole-map pictures check their own size, but
// the bound keeps every pixel sum of a forged file far from overflow.
constexpr std::int32_t MaxSeitenKante = 16384;

// The largest file the reader takes. The largest valid map, even with blank
// lines and blanks around its values, stays well under 1 MiB; the bound keeps
// a huge or endless file from filling the memory.
constexpr qint64 MaxDateiGroesse = qint64(64) * 1024 * 1024;

// Reads a map file. The document changes only when the file holds a valid map
// (result true); a header mismatch or values the grid cannot hold give false
// and leave it untouched. Throws InOutError for input/output failures and for
// values that are no numbers (106), and AppError for a file that is no regular
// file or larger than MaxDateiGroesse, also leaving the document untouched.
bool DateiLesen(TKarte &karte, const QString &dateiName);

// The file's bytes for the map under the given name line.
QByteArray KartenText(const TKarte &karte, const QString &name);

// Reads a map from the bytes of a file, by the same rules as DateiLesen.
bool KarteAusText(TKarte &karte, const QByteArray &inhalt);

// Writes the map under the given name line through DateiErsetzen: the old
// file is replaced only once the new one is complete. Throws InOutError.
void DateiSchreiben(const TKarte &karte, const QString &dateiName, const QString &name);
