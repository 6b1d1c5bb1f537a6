#include "kantenfehler.h"

#include "feldecken.h"
#include "feldraster.h"

#include <algorithm>
#include <cstddef>

std::vector<FeldOrt> KantenFehler(const TKarte &karte)
{
    const FeldRaster raster(karte);
    const QSize groesse = raster.groesse();
    std::vector<bool> fehlerhaft(static_cast<std::size_t>(groesse.width()) * groesse.height());
    // Each lattice point is looked at once, with the up to four fields around
    // it; corner i of a field lies at its cell + (i % 2, i / 2).
    for (int y = 0; y <= groesse.height(); ++y)
        for (int x = 0; x <= groesse.width(); ++x) {
            QPoint zellen[4];
            Gelaende gelaende[4];
            int anzahl = 0;
            for (int ecke = 0; ecke < 4; ++ecke) {
                const QPoint zelle(x - ecke % 2, y - ecke / 2);
                const auto ort = raster.ort(zelle);
                if (!ort)
                    continue;
                zellen[anzahl] = zelle;
                gelaende[anzahl] = FeldEcken(karte.Felder[ort->seite][ort->feld]).ecke[ecke];
                ++anzahl;
            }
            if (std::all_of(gelaende, gelaende + anzahl, [&](Gelaende g) { return g == gelaende[0]; }))
                continue;
            for (int i = 0; i < anzahl; ++i)
                fehlerhaft[raster.index(zellen[i])] = true;
        }
    std::vector<FeldOrt> felder;
    for (int y = 0; y < groesse.height(); ++y)
        for (int x = 0; x < groesse.width(); ++x)
            if (fehlerhaft[raster.index({x, y})])
                felder.push_back(*raster.ort({x, y}));
    std::sort(felder.begin(), felder.end(),
              [](FeldOrt a, FeldOrt b) { return a.seite != b.seite ? a.seite < b.seite : a.feld < b.feld; });
    return felder;
}
