#pragma once

#include "karte.h"

#include <QImage>

#include <array>

// The map's tile images at the field edge of one zoom, scaled once and reused
// for every field and paint until the zoom or the images change: smooth for
// reductions, sharp pixels for enlargements.
class SkalierteFeldBilder
{
public:
    // The images at fields of `kante` pixels; the map's own images when that
    // is their size.
    const std::array<QImage, AnzahlFeldBilder> &bilder(const TKarte &karte, int kante);

private:
    int m_kante = -1;
    std::array<qint64, AnzahlFeldBilder> m_quellen{};
    std::array<QImage, AnzahlFeldBilder> m_bilder;
};
