#pragma once

#include "feldecken.h"
#include "feldentwurf.h"
#include "feldraster.h"

#include <QPoint>
#include <QSize>

#include <cstdint>
#include <span>
#include <vector>

// The terrain at every lattice point between the fields of a raster: one
// point more across and down than cells, shared by the up to four fields
// around it, across page seams. Corner i of the field in cell c lies at
// point c + (i % 2, i / 2). A field's tile follows from its four points.
class EckenGitter
{
public:
    // Every point of the given terrain.
    explicit EckenGitter(const FeldRaster &raster, Gelaende gelaende = Gelaende::Gras);
    // The lattice the fields of a draft show. A point is read when first
    // asked for, as the terrain most of the fields around it show there
    // (Gras before Wasser before Sand on a tie), so a brush stroke reads only
    // the points near it. The draft must stay unchanged while this reads it.
    EckenGitter(const FeldRaster &raster, const FeldEntwurf &felder);

    const FeldRaster &raster() const { return m_raster; }
    QSize groesse() const { return m_groesse; }
    bool imGitter(QPoint punkt) const
    {
        return punkt.x() >= 0 && punkt.y() >= 0 && punkt.x() < m_groesse.width() && punkt.y() < m_groesse.height();
    }
    // True for cells that hold a field (not a gap, an absent page or outside).
    bool istFeld(QPoint zelle) const { return m_raster.ort(zelle).has_value(); }
    // True for points that are a corner of at least one field.
    bool gehoertZuFeld(QPoint punkt) const;

    Gelaende gelaende(QPoint punkt) const;
    void setzen(QPoint punkt, Gelaende gelaende);
    Ecken ecken(QPoint zelle) const;

private:
    int index(QPoint punkt) const { return punkt.y() * m_groesse.width() + punkt.x(); }
    Gelaende lesen(QPoint punkt) const;

    FeldRaster m_raster;
    QSize m_groesse;
    const FeldEntwurf *m_felder = nullptr;
    mutable std::vector<std::uint8_t> m_punkte;   // a Gelaende, or kUnbekannt until read
};

// Gives every field among `zellen` whose tile does not show its corners in
// the lattice the tile that does; fields whose corners fit keep their tile,
// trees, flowers and street included. Where the lattice asks for a pattern no
// tile draws, the closest one, favouring `bevorzugt`.
void FelderAnpassen(FeldEntwurf &entwurf, const EckenGitter &gitter, std::span<const QPoint> zellen,
                    Gelaende bevorzugt = Gelaende::Wasser);
// The same for every field of the map.
void FelderAnpassen(FeldEntwurf &entwurf, const EckenGitter &gitter, Gelaende bevorzugt = Gelaende::Wasser);
