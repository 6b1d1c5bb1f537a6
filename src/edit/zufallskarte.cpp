#include "zufallskarte.h"

#include "eckengitter.h"
#include "feldentwurf.h"
#include "feldraster.h"
#include "feldvarianten.h"
#include "gelaendeflaechen.h"
#include "strassennetz.h"
#include "wertrauschen.h"

#include <algorithm>

namespace {

// Features of lakes and deserts are about a page's height across.
constexpr int kFlaechenSchritt = 12;
constexpr int kWaldSchritt = 8;
// Lattice points at least this far from water may turn to sand, so a whole
// meadow field lies between a shore and a desert's border.
constexpr int kAbstandWasserSand = 3;

std::vector<bool> fernVonWasser(const EckenGitter &gitter)
{
    const int breite = gitter.groesse().width();
    const int hoehe = gitter.groesse().height();
    std::vector<bool> erlaubt(std::size_t(breite) * std::size_t(hoehe), true);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x) {
            if (gitter.gelaende({x, y}) != Gelaende::Wasser)
                continue;
            for (int dy = 1 - kAbstandWasserSand; dy < kAbstandWasserSand; ++dy)
                for (int dx = 1 - kAbstandWasserSand; dx < kAbstandWasserSand; ++dx)
                    if (gitter.imGitter({x + dx, y + dy}))
                        erlaubt[std::size_t(y + dy) * std::size_t(breite) + std::size_t(x + dx)] = false;
        }
    return erlaubt;
}

} // namespace

void ZufallskarteErzeugen(TKarte &karte, const ZufallskartenEinstellungen &e)
{
    StandardGroesseSetzen(karte, std::uint8_t(std::clamp(e.seiten, 1, 16)));
    const FeldRaster raster(karte);
    EckenGitter gitter(raster, Gelaende::Gras);
    const int breite = raster.groesse().width();
    const int felder = breite * raster.groesse().height();
    int anzahlFelder = 0;
    for (int i = 0; i < felder; ++i)
        anzahlFelder += gitter.istFeld({i % breite, i / breite});
    const int punkte = gitter.groesse().width() * gitter.groesse().height();

    // Each part draws from its own stream, so that more roads, say, leave the
    // lakes where they were.
    Zufallsquelle saat(e.saat);
    Zufallsquelle wasserZufall(saat.naechste());
    Zufallsquelle sandZufall(saat.naechste());
    Zufallsquelle strassenZufall(saat.naechste());
    Zufallsquelle waldZufall(saat.naechste());
    Zufallsquelle variantenZufall(saat.naechste());

    const auto anteil = [&](int prozent, int einheiten) {
        return (std::clamp(prozent, 0, 100) * einheiten + 50) / 100;
    };
    const QSize lattice = gitter.groesse();
    FlaecheLegen(gitter, Gelaende::Wasser,
                 WertRauschen(lattice.width(), lattice.height(), kFlaechenSchritt, wasserZufall),
                 std::vector<bool>(std::size_t(punkte), true), anteil(e.wasser, 4 * anzahlFelder));
    FlaecheLegen(gitter, Gelaende::Sand, WertRauschen(lattice.width(), lattice.height(), kFlaechenSchritt, sandZufall),
                 fernVonWasser(gitter), anteil(e.sand, 4 * anzahlFelder));

    // Meadow everywhere, then the solver's tiles for the lattice: shores,
    // sea corners, sand borders, pure water and sand.
    for (int seite = 1; seite <= karte.AnzahlSeiten; ++seite)
        std::fill_n(karte.Felder[std::size_t(seite)].begin() + 1, karte.AnzahlFelder, std::uint8_t(1));
    FeldEntwurf entwurf(karte);
    FelderAnpassen(entwurf, gitter);
    for (const FeldCode &feld : entwurf.aenderungen())
        karte.Felder[feld.seite][std::size_t(feld.feld)] = feld.code;

    std::vector<bool> wiese(static_cast<std::size_t>(felder));
    for (int i = 0; i < felder; ++i) {
        const QPoint zelle(i % breite, i / breite);
        const Ecken ecken = gitter.ecken(zelle);
        wiese[std::size_t(i)] = gitter.istFeld(zelle) && ecken.einheitlich() && ecken.ecke[0] == Gelaende::Gras;
    }
    const std::vector<bool> strasse =
        StrassenLegen(raster, wiese, std::clamp(e.strassen, 0, ZufallskartenEinstellungen::MaxStrassen), strassenZufall);

    // Forest takes the meadow fields where its noise is lowest: whole
    // clusters, as many as the share asks for and the meadow holds.
    const std::vector<std::uint32_t> waldRauschen =
        WertRauschen(raster.groesse().width(), raster.groesse().height(), kWaldSchritt, waldZufall);
    std::vector<int> waldReihe;
    for (int i = 0; i < felder; ++i)
        if (wiese[std::size_t(i)] && !strasse[std::size_t(i)])
            waldReihe.push_back(i);
    std::sort(waldReihe.begin(), waldReihe.end(), [&](int a, int b) {
        return waldRauschen[std::size_t(a)] != waldRauschen[std::size_t(b)]
                   ? waldRauschen[std::size_t(a)] < waldRauschen[std::size_t(b)]
                   : a < b;
    });
    waldReihe.resize(std::min<std::size_t>(waldReihe.size(), std::size_t(anteil(e.wald, anzahlFelder))));
    std::vector<bool> wald(static_cast<std::size_t>(felder));
    for (int i : waldReihe)
        wald[std::size_t(i)] = true;

    for (int i = 0; i < felder; ++i) {
        const QPoint zelle(i % breite, i / breite);
        const auto ort = raster.ort(zelle);
        if (!ort)
            continue;
        const Ecken ecken = gitter.ecken(zelle);
        std::uint8_t &code = karte.Felder[ort->seite][std::size_t(ort->feld)];
        if (strasse[std::size_t(i)])
            code = 100;
        else if (wald[std::size_t(i)])
            code = VarianteWaehlen(FeldFamilie::Baeume, variantenZufall);
        else if (e.variantenMischen && ecken.einheitlich() && ecken.ecke[0] == Gelaende::Gras)
            code = VarianteWaehlen(FeldFamilie::Wiese, variantenZufall);
        else if (e.variantenMischen && ecken.einheitlich() && ecken.ecke[0] == Gelaende::Sand)
            code = VarianteWaehlen(FeldFamilie::Sand, variantenZufall);
    }
}
