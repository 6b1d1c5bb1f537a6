#pragma once

#include <QString>

// The extension of a path: from the last "." after the last folder separator,
// dot included; empty when there is none.
QString DateiErweiterung(const QString &pfad);

// Whether Save As writes under this extension without a warning: ".MAP" and
// ".QKM" after upper-casing the letters a to z.
bool KartenErweiterung(const QString &erweiterung);
