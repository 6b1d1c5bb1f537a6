#include "kantenpinsel.h"

#include "eckengitter.h"
#include "feldecken.h"
#include "kantenloeser.h"

#include <cstddef>
#include <vector>

namespace {

constexpr QPoint eckPunkt(int ecke)
{
    return {ecke % 2, ecke / 2};
}

// The border drawn inside an area is one field wide, so water and sand need
// only stay out of each other's fields.
KantenRegeln malRegeln(Gelaende gelaende)
{
    return {gelaende, 2};
}

void einfachSetzen(FeldEntwurf &entwurf, const FeldRaster &raster, std::span<const QPoint> zellen, std::uint8_t code)
{
    for (QPoint zelle : zellen)
        if (const auto ort = raster.ort(zelle))
            entwurf.setzen(*ort, code);
}

// The fields around the changed corners take the tiles that show them; then
// `gemalt` take the painted code.
void ergebnisSetzen(FeldEntwurf &entwurf, const EckenGitter &gitter, const KantenLoeser &loeser,
                    std::span<const QPoint> gemalt, std::uint8_t code, Gelaende gelaende)
{
    std::vector<QPoint> umgebung;
    for (QPoint punkt : loeser.geaendert())
        for (int ecke = 0; ecke < 4; ++ecke)
            umgebung.push_back(punkt - eckPunkt(ecke));
    FelderAnpassen(entwurf, gitter, umgebung, gelaende);
    einfachSetzen(entwurf, gitter.raster(), gemalt, code);
}

// Cell table of the raster, true for the given cells.
std::vector<bool> zellMaske(const FeldRaster &raster, std::span<const QPoint> zellen)
{
    std::vector<bool> maske(static_cast<std::size_t>(raster.groesse().width()) * raster.groesse().height());
    for (QPoint zelle : zellen)
        if (raster.imRaster(zelle))
            maske[raster.index(zelle)] = true;
    return maske;
}

// True when every field around the point lies in the mask.
bool innen(const EckenGitter &gitter, const std::vector<bool> &maske, QPoint punkt)
{
    const FeldRaster &raster = gitter.raster();
    for (int ecke = 0; ecke < 4; ++ecke) {
        const QPoint zelle = punkt - eckPunkt(ecke);
        if (gitter.istFeld(zelle) && !maske[raster.index(zelle)])
            return false;
    }
    return true;
}

} // namespace

void FelderMalen(FeldEntwurf &entwurf, const FeldRaster &raster, std::span<const QPoint> zellen, std::uint8_t code,
                 bool kanten)
{
    if (!kanten || !GelaendeFeld(code)) {
        einfachSetzen(entwurf, raster, zellen, code);
        return;
    }
    const Gelaende gelaende = FeldEcken(code).ecke[0];
    EckenGitter gitter(raster, entwurf);
    KantenLoeser loeser(gitter, malRegeln(gelaende));
    for (QPoint zelle : zellen)
        if (raster.ort(zelle))
            for (int ecke = 0; ecke < 4; ++ecke)
                loeser.festlegen(zelle + eckPunkt(ecke), gelaende);
    loeser.loesen();
    ergebnisSetzen(entwurf, gitter, loeser, zellen, code, gelaende);
}

void FlaecheMalen(FeldEntwurf &entwurf, const FeldRaster &raster, std::span<const QPoint> zellen, std::uint8_t code,
                  bool kanten)
{
    if (!kanten || !GelaendeFeld(code)) {
        einfachSetzen(entwurf, raster, zellen, code);
        return;
    }
    const Gelaende gelaende = FeldEcken(code).ecke[0];
    EckenGitter gitter(raster, entwurf);
    KantenLoeser loeser(gitter, malRegeln(gelaende));
    const std::vector<bool> maske = zellMaske(raster, zellen);
    bool innenPunkt = false;
    for (QPoint zelle : zellen) {
        if (!raster.ort(zelle))
            continue;
        for (int ecke = 0; ecke < 4; ++ecke) {
            const QPoint punkt = zelle + eckPunkt(ecke);
            if (innen(gitter, maske, punkt)) {
                loeser.festlegen(punkt, gelaende);
                innenPunkt = true;
            }
        }
    }
    if (!innenPunkt) {
        FelderMalen(entwurf, raster, zellen, code, kanten);
        return;
    }
    loeser.loesen();
    // The code goes where the area is of its terrain to every corner.
    std::vector<QPoint> gemalt;
    for (QPoint zelle : zellen)
        if (gitter.istFeld(zelle) && gitter.ecken(zelle) == Ecken{{gelaende, gelaende, gelaende, gelaende}})
            gemalt.push_back(zelle);
    ergebnisSetzen(entwurf, gitter, loeser, gemalt, code, gelaende);
}

void KantenReparieren(FeldEntwurf &entwurf, const FeldRaster &raster, QRect zellen)
{
    if (raster.leer())
        return;
    const QRect ganz(QPoint(0, 0), raster.groesse());
    const QRect bereich = zellen.isEmpty() ? ganz : zellen & ganz;
    EckenGitter gitter(raster, entwurf);
    // Water wins a saddle, so two ponds that touch diagonally become one;
    // the least distance suffices, so fields that join stay as they are.
    KantenLoeser loeser(gitter, {Gelaende::Wasser, 2});
    std::vector<QPoint> liste;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            liste.emplace_back(x, y);
    const std::vector<bool> maske = zellMaske(raster, liste);
    for (int y = bereich.top(); y <= bereich.bottom() + 1; ++y)
        for (int x = bereich.left(); x <= bereich.right() + 1; ++x) {
            const QPoint punkt(x, y);
            if (!innen(gitter, maske, punkt))
                loeser.festhalten(punkt);
            loeser.pruefen(punkt);
        }
    loeser.loesen();
    FelderAnpassen(entwurf, gitter, liste);
}
