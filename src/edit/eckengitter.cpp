#include "eckengitter.h"

#include <array>
#include <cstddef>

namespace {

constexpr std::uint8_t kUnbekannt = 0xFF;

QSize punkteFuer(const FeldRaster &raster)
{
    return raster.leer() ? QSize(0, 0) : raster.groesse() + QSize(1, 1);
}

} // namespace

EckenGitter::EckenGitter(const FeldRaster &raster, Gelaende gelaende)
    : m_raster(raster), m_groesse(punkteFuer(raster)),
      m_punkte(static_cast<std::size_t>(m_groesse.width()) * m_groesse.height(), std::uint8_t(gelaende))
{
}

EckenGitter::EckenGitter(const FeldRaster &raster, const FeldEntwurf &felder)
    : m_raster(raster), m_groesse(punkteFuer(raster)), m_felder(&felder),
      m_punkte(static_cast<std::size_t>(m_groesse.width()) * m_groesse.height(), kUnbekannt)
{
}

bool EckenGitter::gehoertZuFeld(QPoint punkt) const
{
    for (int ecke = 0; ecke < 4; ++ecke)
        if (istFeld(punkt - QPoint(ecke % 2, ecke / 2)))
            return true;
    return false;
}

Gelaende EckenGitter::gelaende(QPoint punkt) const
{
    std::uint8_t &wert = m_punkte[index(punkt)];
    if (wert == kUnbekannt)
        wert = std::uint8_t(lesen(punkt));
    return Gelaende(wert);
}

void EckenGitter::setzen(QPoint punkt, Gelaende gelaende)
{
    m_punkte[index(punkt)] = std::uint8_t(gelaende);
}

Ecken EckenGitter::ecken(QPoint zelle) const
{
    Ecken ecken;
    for (int ecke = 0; ecke < 4; ++ecke)
        ecken.ecke[ecke] = gelaende(zelle + QPoint(ecke % 2, ecke / 2));
    return ecken;
}

Gelaende EckenGitter::lesen(QPoint punkt) const
{
    std::array<int, 3> stimmen{};
    for (int ecke = 0; ecke < 4; ++ecke) {
        const auto ort = m_raster.ort(punkt - QPoint(ecke % 2, ecke / 2));
        if (ort)
            ++stimmen[std::size_t(FeldEcken(m_felder->code(*ort)).ecke[ecke])];
    }
    std::size_t beste = 0;
    for (std::size_t g = 1; g < stimmen.size(); ++g)
        if (stimmen[g] > stimmen[beste])
            beste = g;
    return Gelaende(beste);
}

void FelderAnpassen(FeldEntwurf &entwurf, const EckenGitter &gitter, std::span<const QPoint> zellen,
                    Gelaende bevorzugt)
{
    // Work out every new tile before storing one: the lattice may still read
    // points from the draft.
    std::vector<FeldCode> neu;
    for (QPoint zelle : zellen) {
        const auto ort = gitter.raster().ort(zelle);
        if (!ort)
            continue;
        const Ecken ecken = gitter.ecken(zelle);
        if (FeldEcken(entwurf.code(*ort)) != ecken)
            neu.push_back({ort->seite, ort->feld, KantenCode(ecken, bevorzugt)});
    }
    for (const FeldCode &feld : neu)
        entwurf.setzen({feld.seite, feld.feld}, feld.code);
}

void FelderAnpassen(FeldEntwurf &entwurf, const EckenGitter &gitter, Gelaende bevorzugt)
{
    const QSize groesse = gitter.raster().groesse();
    std::vector<QPoint> zellen;
    zellen.reserve(static_cast<std::size_t>(groesse.width()) * groesse.height());
    for (int y = 0; y < groesse.height(); ++y)
        for (int x = 0; x < groesse.width(); ++x)
            zellen.emplace_back(x, y);
    FelderAnpassen(entwurf, gitter, zellen, bevorzugt);
}
