#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

class QSettings;

// What the editor remembers between runs, as plain values: the window
// collects and applies them, EinstellungenLesen/-Schreiben keep them. A new
// setting is one field here and one line in each of the two functions.
struct Einstellungen
{
    QByteArray fensterGeometrie;
    QByteArray fensterZustand;
    bool standardleiste = true;
    bool werkzeugleiste = true;
    bool statusleiste = true;
    int palette = 0;              // page of the palette strip, 0..2
    std::uint8_t feldtyp = 1;
    bool kantenAutomatisch = true;
    bool zufall = false;
    QString oeffnenOrdner;
    QString speichernOrdner;
    QString bildOrdner;           // of "Als Bild exportieren"
    bool sound = true;
    bool sicherungskopie = true;  // keep NAME.map~ when saving over a map
    std::optional<QStringList> ressourcen; // none: the design list
    int zoom = 100;                    // percent, 25..400
    QByteArray uebersichtGeometrie;    // empty: the overview was never placed
    bool raster = false;
    bool uebersicht = false;           // the overview is open
};

// Read at start. A file that is damaged or written by a newer version gives
// the defaults; a single value of the wrong kind gives its default.
Einstellungen EinstellungenLesen(QSettings &speicher);
void EinstellungenSchreiben(QSettings &speicher, const Einstellungen &werte);

// The switches and lists that are stored the moment they change, whether or
// not the settings are saved at the end.
bool BeimBeendenSpeichernLesen(QSettings &speicher);
void BeimBeendenSpeichernSchreiben(QSettings &speicher, bool an);
QStringList ZuletztLesen(QSettings &speicher);
void ZuletztSchreiben(QSettings &speicher, const QStringList &dateien);
