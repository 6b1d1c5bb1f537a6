#include "kantenpinsel.h"

#include "feldecken.h"

#include <vector>

namespace {

// Corner i of a cell lies at lattice point (x + i % 2, y + i / 2); the four
// cells around such a point are the ones that share it.
bool eckeGemalt(const FeldRaster &raster, const std::vector<bool> &gemalt, QPoint zelle, int ecke)
{
    const QPoint punkt = zelle + QPoint(ecke % 2, ecke / 2);
    for (int dy = -1; dy <= 0; ++dy)
        for (int dx = -1; dx <= 0; ++dx) {
            const QPoint nachbar = punkt + QPoint(dx, dy);
            if (raster.imRaster(nachbar) && gemalt[raster.index(nachbar)])
                return true;
        }
    return false;
}

} // namespace

void FelderMalen(FeldEntwurf &entwurf, const FeldRaster &raster, std::span<const QPoint> zellen, std::uint8_t code,
                 bool kanten)
{
    const bool mitKanten = kanten && GelaendeFeld(code);
    std::vector<bool> gemalt(mitKanten ? raster.groesse().width() * raster.groesse().height() : 0);
    for (QPoint zelle : zellen) {
        const auto ort = raster.ort(zelle);
        if (!ort)
            continue;
        entwurf.setzen(*ort, code);
        if (mitKanten)
            gemalt[raster.index(zelle)] = true;
    }
    if (!mitKanten)
        return;
    const Gelaende gelaende = FeldEcken(code).ecke[0];
    for (QPoint zelle : zellen) {
        if (!raster.ort(zelle))
            continue;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint nachbar = zelle + QPoint(dx, dy);
                const auto ort = raster.ort(nachbar);
                if (!ort || gemalt[raster.index(nachbar)])
                    continue;
                const Ecken alt = FeldEcken(entwurf.code(*ort));
                Ecken neu = alt;
                for (int ecke = 0; ecke < 4; ++ecke) {
                    if (eckeGemalt(raster, gemalt, nachbar, ecke))
                        neu.ecke[ecke] = gelaende;
                }
                if (neu != alt)
                    entwurf.setzen(*ort, KantenCode(neu, gelaende));
            }
    }
}
