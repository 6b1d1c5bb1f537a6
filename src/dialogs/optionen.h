#pragma once

#include <QStringList>

// The editor's switches as a plain value: the options dialog shows and
// edits one; the main window keeps the one in force and the settings store
// it. A new switch is one field here and its box in the dialog.
struct Optionen
{
    bool sound = true;                // "Soundeffekte im Editor"
    bool beimBeendenSpeichern = true; // "Einstellungen beim Beenden speichern"
    bool sicherungskopie = true;      // keep NAME.map~ when saving over a map
    QStringList ressourcen;           // the loaded resources, as listed

    bool operator==(const Optionen &) const = default;
};
