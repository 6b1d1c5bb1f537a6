#include "pngdaten.h"

#include "apperror.h"

#include <libdeflate.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

// Measured on a 16-page map picture: level 1 is the fastest and its file is
// still a third of Qt's 32-bit PNG (see the README).
constexpr int kStufe = 1;

constexpr std::uint8_t kFarbtypRgb = 2;
constexpr std::uint8_t kFarbtypPalette = 3;

void Wort(QByteArray &ziel, std::uint32_t wert)
{
    const char bytes[4] = {char(wert >> 24), char(wert >> 16), char(wert >> 8), char(wert)};
    ziel.append(bytes, 4);
}

void Block(QByteArray &png, const char *typ, const QByteArray &inhalt)
{
    Wort(png, std::uint32_t(inhalt.size()));
    const qsizetype anfang = png.size();
    png.append(typ, 4);
    png.append(inhalt);
    // The checksum covers type and content.
    Wort(png, libdeflate_crc32(0, png.constData() + anfang, std::size_t(png.size() - anfang)));
}

// The rows as PNG stores them before compression: each after a filter byte
// 0 (none), which suits palette pictures best.
std::vector<std::uint8_t> Zeilen(const QImage &bild, int bytesJePixel)
{
    const std::size_t zeilenLaenge = std::size_t(bild.width()) * bytesJePixel + 1;
    std::vector<std::uint8_t> roh(zeilenLaenge * std::size_t(bild.height()));
    for (int y = 0; y < bild.height(); ++y) {
        std::uint8_t *ziel = roh.data() + zeilenLaenge * std::size_t(y);
        ziel[0] = 0;
        if (bytesJePixel == 1) {
            std::memcpy(ziel + 1, bild.constScanLine(y), zeilenLaenge - 1);
            continue;
        }
        const auto *quelle = reinterpret_cast<const QRgb *>(bild.constScanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            ziel[1 + 3 * x] = std::uint8_t(qRed(quelle[x]));
            ziel[2 + 3 * x] = std::uint8_t(qGreen(quelle[x]));
            ziel[3 + 3 * x] = std::uint8_t(qBlue(quelle[x]));
        }
    }
    return roh;
}

QByteArray Komprimiert(const std::vector<std::uint8_t> &roh)
{
    const std::unique_ptr<libdeflate_compressor, decltype(&libdeflate_free_compressor)> packer(
        libdeflate_alloc_compressor(kStufe), libdeflate_free_compressor);
    if (!packer)
        throw AppError(QStringLiteral("Zu wenig Arbeitsspeicher für das Bild"));
    QByteArray gepackt(qsizetype(libdeflate_zlib_compress_bound(packer.get(), roh.size())), Qt::Uninitialized);
    const std::size_t laenge =
        libdeflate_zlib_compress(packer.get(), roh.data(), roh.size(), gepackt.data(), std::size_t(gepackt.size()));
    gepackt.truncate(qsizetype(laenge));
    return gepackt;
}

} // namespace

QByteArray PngDaten(const QImage &bild)
{
    const bool palette = bild.format() == QImage::Format_Indexed8;
    const QImage rgb = palette ? QImage() : bild.convertToFormat(QImage::Format_RGB32);
    const QImage &quelle = palette ? bild : rgb;

    QByteArray kopf;
    Wort(kopf, std::uint32_t(quelle.width()));
    Wort(kopf, std::uint32_t(quelle.height()));
    // Bit depth 8; colour type; compression, filter and interlace methods 0.
    kopf.append(char(8)).append(char(palette ? kFarbtypPalette : kFarbtypRgb)).append(3, char(0));

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    Block(png, "IHDR", kopf);
    if (palette) {
        QByteArray farben;
        for (const QRgb farbe : quelle.colorTable())
            farben.append(char(qRed(farbe))).append(char(qGreen(farbe))).append(char(qBlue(farbe)));
        Block(png, "PLTE", farben);
    }
    Block(png, "IDAT", Komprimiert(Zeilen(quelle, palette ? 1 : 3)));
    Block(png, "IEND", {});
    return png;
}
