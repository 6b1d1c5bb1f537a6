#pragma once

#include <QByteArray>
#include <QImage>

// A PNG file of a picture: 8-bit with a palette (IHDR, PLTE, IDAT, IEND) for
// an indexed picture, 8-bit RGB for any other, without alpha. Compressed with
// libdeflate, which at an equal ratio takes a fraction of zlib's time.
QByteArray PngDaten(const QImage &bild);
