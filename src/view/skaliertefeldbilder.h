#pragma once

#include "karte.h"

#include <QImage>

#include <array>

class QPainter;

// The map's tile images at the field edge of one zoom, scaled once and reused
// for every field and paint until the zoom or the images change: smooth for
// reductions, sharp pixels for enlargements. No edge beyond MaxKante is
// kept, so that large fields at a large zoom cost no more memory than the
// window shows: FeldBildZeichnen stretches those.
class SkalierteFeldBilder
{
public:
    static constexpr int MaxKante = 256;

    // The images at fields of `kante` pixels (at most MaxKante); the map's
    // own images when that is their size.
    const std::array<QImage, AnzahlFeldBilder> &bilder(const TKarte &karte, int kante);

private:
    int m_kante = -1;
    std::array<qint64, AnzahlFeldBilder> m_quellen{};
    std::array<QImage, AnzahlFeldBilder> m_bilder;
};

// Draws a tile image over a field: cut to the field when the image has its
// edge (fields differ by a pixel of rounding), stretched with sharp pixels
// when the field is larger than the images kept.
void FeldBildZeichnen(QPainter &painter, const QRect &feld, const QImage &bild);
