#pragma once

#include <QString>

// The extension of a path: from the last "." after the last folder separator,
// dot included; empty when there is none.
QString DateiErweiterung(const QString &pfad);

// Whether Save As writes under this extension without a warning: ".MAP" and
// ".QKM" after upper-casing the letters a to z.
bool KartenErweiterung(const QString &erweiterung);

// The picture file offered when a map is exported: NAME.png (or the given
// extension) in `ordner`, or beside the map's file when `ordner` is empty.
// NAME is the file's base name; a map without a file takes its name, with "/"
// made "_", or "Unbenannt".
QString BildVorschlag(const QString &kartenDatei, const QString &kartenName, const QString &ordner,
                      const QString &endung);
