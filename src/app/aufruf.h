#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks for: a map to open, or an answer that ends the
// program before any window opens.
struct Aufruf
{
    QString datei;          // absolute path of the map to open; empty for none
    std::optional<int> ende; // exit code when the program must end at once
    QString ausgabe;        // for standard output
    QString fehler;         // for standard error
};

// Exit code of a wrong call (EX_USAGE).
inline constexpr int AufrufFehler = 64;

// Reads `zendaro [DATEI.map]`, `--help` and `--version`; the first argument
// is the program name. A relative file name is taken from `ordner`.
Aufruf AufrufLesen(const QStringList &argumente, const QString &ordner);
