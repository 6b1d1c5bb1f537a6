#pragma once

#include <QImage>
#include <QList>

// Reduces the RGB art to the colour tables of the shipped bitmaps.
namespace art {

// A palette of at most `count` colours fitted to the images (weighted
// k-means, deterministic); `fixed` colours are kept as they are, first.
QList<QRgb> fitPalette(const QList<QImage> &images, int count, const QList<QRgb> &fixed = {});

// Nearest-colour mapping of an RGB image onto the palette, as Indexed8.
QImage toIndexed(const QImage &image, const QList<QRgb> &palette);

} // namespace art
