// The render command, built as a module of its own: only it needs Qt Gui and
// the libraries behind it, which the program loads when render runs.

#include "zeichenmodul.h"

#include "apperror.h"
#include "bilddatei.h"
#include "feldbilder.h"
#include "kartenbild.h"
#include "laden.h"

#include <memory>

extern "C" int zendaro_map_zeichnen(const Argumente &a, Ausgaben io)
{
    auto karte = std::make_unique<TKarte>();
    // The tile images are cut at the editor's field size before any map is
    // read, as in the editor.
    karte->FeldGroesse = 40;
    try {
        FeldBilderErzeugen(*karte, a.kacheln.isEmpty() ? DatenOrdner() : QStringList{a.kacheln});
    } catch (const AppError &e) {
        Melden(io.err, errorBoxText(e.message()));
        return Ende::EaFehler;
    }
    if (const int ende = Laden(*karte, a.positionen.first(), io); ende != Ende::Ok)
        return ende;
    try {
        KartenBildSchreiben(*karte, a.ausgabe, a.massstab);
    } catch (const BildZuGross &e) {
        Melden(io.err, errorBoxText(e.message()));
        return Ende::ZuGross;
    } catch (const AppError &e) {
        Melden(io.err, errorBoxText(e.message()));
        return Ende::EaFehler;
    }
    return Ende::Ok;
}
