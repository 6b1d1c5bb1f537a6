#include "feldformen.h"

#include "feldecken.h"
#include "feldkatalog.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>

std::vector<QPoint> FeldLinie(QPoint von, QPoint bis)
{
    const int dx = std::abs(bis.x() - von.x());
    const int dy = -std::abs(bis.y() - von.y());
    const int sx = von.x() < bis.x() ? 1 : -1;
    const int sy = von.y() < bis.y() ? 1 : -1;
    std::vector<QPoint> linie;
    linie.reserve(std::max(dx, -dy) + 1);
    int fehler = dx + dy;
    QPoint p = von;
    for (;;) {
        linie.push_back(p);
        if (p == bis)
            break;
        const int doppelt = 2 * fehler;
        if (doppelt >= dy) {
            fehler += dy;
            p.rx() += sx;
        }
        if (doppelt <= dx) {
            fehler += dx;
            p.ry() += sy;
        }
    }
    return linie;
}

namespace {

// The cells joined to `start` by their edges whose fields pass `gehoert`.
template <typename Gehoert>
std::vector<QPoint> bereichVon(const FeldEntwurf &entwurf, const FeldRaster &raster, QPoint start, Gehoert gehoert)
{
    const auto anfang = raster.ort(start);
    if (!anfang)
        return {};
    std::vector<bool> gesehen(static_cast<std::size_t>(raster.groesse().width()) * raster.groesse().height());
    std::vector<QPoint> bereich{start};
    gesehen[raster.index(start)] = true;
    // The region itself is the work list: every cell is looked at once.
    for (std::size_t i = 0; i < bereich.size(); ++i) {
        const QPoint zelle = bereich[i];
        for (QPoint schritt : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint nachbar = zelle + schritt;
            if (!raster.imRaster(nachbar) || gesehen[raster.index(nachbar)])
                continue;
            gesehen[raster.index(nachbar)] = true;
            const auto ort = raster.ort(nachbar);
            if (ort && gehoert(entwurf.code(*ort)))
                bereich.push_back(nachbar);
        }
    }
    return bereich;
}

} // namespace

std::vector<QPoint> FuellBereich(const FeldEntwurf &entwurf, const FeldRaster &raster, QPoint start)
{
    const auto anfang = raster.ort(start);
    if (!anfang)
        return {};
    const int bild = BildNummer(entwurf.code(*anfang));
    return bereichVon(entwurf, raster, start, [bild](std::uint8_t code) { return BildNummer(code) == bild; });
}

std::vector<QPoint> FuellFlaeche(const FeldEntwurf &entwurf, const FeldRaster &raster, QPoint start,
                                 std::uint8_t code, bool kanten)
{
    const auto anfang = raster.ort(start);
    if (!anfang)
        return {};
    const Ecken ecken = FeldEcken(entwurf.code(*anfang));
    const Gelaende gelaende = FeldEcken(code).ecke[0];
    if (!kanten || !GelaendeFeld(code) || !ecken.einheitlich() || ecken.ecke[0] == gelaende)
        return FuellBereich(entwurf, raster, start);
    return bereichVon(entwurf, raster, start, [ecken](std::uint8_t feld) { return FeldEcken(feld) == ecken; });
}

QRect ZellRechteck(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

std::vector<QPoint> RechteckZellen(const FeldRaster &raster, QRect zellen)
{
    const QRect geschnitten = zellen & QRect(QPoint(0, 0), raster.groesse());
    std::vector<QPoint> liste;
    if (geschnitten.isEmpty())
        return liste;
    liste.reserve(static_cast<std::size_t>(geschnitten.width()) * geschnitten.height());
    for (int y = geschnitten.top(); y <= geschnitten.bottom(); ++y)
        for (int x = geschnitten.left(); x <= geschnitten.right(); ++x)
            liste.emplace_back(x, y);
    return liste;
}
