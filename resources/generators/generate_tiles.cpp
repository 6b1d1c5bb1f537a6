// Writes the three tile sheets (tiles/Scene1.scn .. Scene3.scn) and the
// 16-colour palette pictures (palette/<code>.png) into the resources folder
// given as first argument. With a second argument it also writes review
// pictures there: every tile enlarged and test layouts that show the seams.

#include "imagefile.h"
#include "noise.h"
#include "quantize.h"
#include "terrain.h"
#include "tilelayout.h"

#include "feldbilder.h"
#include "feldkatalog.h"

#include <QDir>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr QRgb GridColour = 0xff1e1e1e;

// Paints every tile into its slot. Image 8 is cut from 39 columns and
// stretched by the program, so it is squeezed here to come out right.
QList<QImage> paintSheets()
{
    QList<QImage> sheets;
    for (int s = 0; s < 3; ++s) {
        QImage sheet(art::SheetWidths[s], art::SheetHeights[s], QImage::Format_RGB32);
        sheet.fill(GridColour);
        sheets.append(sheet);
    }
    for (int i = 0; i < AnzahlFeldBilder; ++i) {
        const Ausschnitt &slot = BildAusschnitte()[i];
        const QImage tile = art::paintTile(i);
        QImage &sheet = sheets[slot.blatt];
        const int width = slot.rechts - slot.links;
        for (int sx = 0; sx < width; ++sx) {
            const int tx = width == art::TileSize ? sx : std::min(39, int(std::lround(sx * 40.0 / width)));
            for (int y = 0; y < art::TileSize; ++y)
                sheet.setPixel(slot.links + sx, slot.oben + y, tile.pixel(tx, y));
        }
    }
    return sheets;
}

// The image as the program cuts it from the sheet.
QImage cut(const QList<QImage> &sheets, int image)
{
    const Ausschnitt &slot = BildAusschnitte()[image];
    QImage out(art::TileSize, art::TileSize, QImage::Format_RGB32);
    QPainter p(&out);
    p.drawImage(QRect(0, 0, art::TileSize, art::TileSize), sheets[slot.blatt],
                QRect(slot.links, slot.oben, slot.rechts - slot.links, slot.unten - slot.oben));
    return out;
}

// Restores the crispness that scaling a tile down to 16 x 16 loses.
QImage sharpen(const QImage &image)
{
    QImage out = image.copy();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            auto at = [&](int dx, int dy) {
                return image.pixel(std::clamp(x + dx, 0, image.width() - 1), std::clamp(y + dy, 0, image.height() - 1));
            };
            int c[3];
            for (int ch = 0; ch < 3; ++ch) {
                auto v = [&](QRgb p) { return ch == 0 ? qRed(p) : ch == 1 ? qGreen(p) : qBlue(p); };
                const int around = v(at(-1, 0)) + v(at(1, 0)) + v(at(0, -1)) + v(at(0, 1));
                c[ch] = std::clamp(v(at(0, 0)) + (4 * v(at(0, 0)) - around) * 2 / 5, 0, 255);
            }
            out.setPixel(x, y, qRgb(c[0], c[1], c[2]));
        }
    return out;
}

QImage layout(const QList<QImage> &sheets, const std::vector<std::vector<int>> &codes, int scale)
{
    QImage out(int(codes[0].size()) * art::TileSize, int(codes.size()) * art::TileSize, QImage::Format_RGB32);
    QPainter p(&out);
    for (size_t r = 0; r < codes.size(); ++r)
        for (size_t c = 0; c < codes[r].size(); ++c)
            p.drawImage(int(c) * art::TileSize, int(r) * art::TileSize, cut(sheets, BildNummer(codes[r][c])));
    p.end();
    return out.scaled(out.size() * scale);
}

bool writeReview(const QList<QImage> &sheets, const QString &dir)
{
    QImage contact(11 * 44, 4 * 44, QImage::Format_RGB32);
    contact.fill(Qt::white);
    {
        QPainter p(&contact);
        for (int i = 0; i < 44; ++i)
            p.drawImage((i % 11) * 44 + 2, (i / 11) * 44 + 2, cut(sheets, i));
    }
    const std::vector<std::vector<int>> lake{{41, 25, 25, 25, 43}, {29, 22, 22, 22, 31}, {29, 22, 49, 22, 31},
                                             {29, 22, 22, 22, 31}, {45, 27, 27, 27, 47}};
    const std::vector<std::vector<int>> land{{22, 22, 22, 22, 22}, {22, 39, 27, 37, 22}, {22, 31, 1, 29, 22},
                                             {22, 35, 25, 33, 22}, {22, 22, 22, 22, 22}};
    const std::vector<std::vector<int>> desert{{77, 65, 65, 65, 75}, {69, 51, 56, 51, 67}, {69, 59, 61, 53, 67},
                                               {69, 51, 57, 51, 67}, {73, 63, 63, 63, 71}};
    const std::vector<std::vector<int>> oasis{{51, 51, 51, 51, 51}, {51, 85, 63, 83, 51}, {51, 67, 1, 69, 51},
                                              {51, 81, 65, 79, 51}, {51, 51, 51, 51, 51}};
    const std::vector<std::vector<int>> country{
        {1, 1, 4, 1, 13, 1, 1, 7},   {1, 16, 1, 11, 1, 14, 1, 1},   {100, 100, 100, 100, 100, 100, 100, 100},
        {1, 19, 1, 87, 1, 104, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1}};
    return art::save(contact.scaled(contact.size() * 4), dir + "/tiles-contact.png", "PNG")
        && art::save(layout(sheets, lake, 4), dir + "/layout-lake.png", "PNG")
        && art::save(layout(sheets, land, 4), dir + "/layout-land.png", "PNG")
        && art::save(layout(sheets, desert, 4), dir + "/layout-desert.png", "PNG")
        && art::save(layout(sheets, oasis, 4), dir + "/layout-oasis.png", "PNG")
        && art::save(layout(sheets, country, 3), dir + "/layout-country.png", "PNG");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <resources-dir> [<review-dir>]\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    if (!QDir(root).mkpath("tiles") || !QDir(root).mkpath("palette")) {
        std::fprintf(stderr, "cannot create folders in %s\n", argv[1]);
        return 1;
    }

    const QList<QImage> rgbSheets = paintSheets();
    // One palette for all three sheets, so every tile image carries the same
    // colours whichever sheet it came from.
    const QList<QRgb> palette = art::fitPalette(rgbSheets, 256, {GridColour});
    QList<QImage> sheets;
    for (int s = 0; s < 3; ++s) {
        sheets.append(art::toIndexed(rgbSheets[s], palette));
        if (!art::save(sheets[s], root + "/tiles/" + BlattNamen()[s], "BMP"))
            return 1;
    }

    for (const FeldTyp &typ : FeldKatalog()) {
        const int code = typ.code;
        const QImage small = sharpen(cut(sheets, BildNummer(typ.code))
                                         .scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        const QImage indexed = art::toIndexed(small, art::fitPalette({small}, 16));
        if (!art::save(indexed, QString("%1/palette/%2.png").arg(root).arg(code), "PNG"))
            return 1;
    }

    if (argc > 2 && !writeReview(sheets, QString::fromLocal8Bit(argv[2])))
        return 1;
    return 0;
}
