#include "massstab.h"

#include <QSize>

#include <algorithm>
#include <cstdint>

namespace {

// Division that rounds towards minus infinity, so that positions left of or
// above a page map like those inside it.
int abgerundet(std::int64_t zaehler, std::int64_t nenner)
{
    std::int64_t q = zaehler / nenner;
    if ((zaehler % nenner != 0) && ((zaehler < 0) != (nenner < 0)))
        --q;
    return int(q);
}

} // namespace

int Massstab::aufFlaeche(int kartenPixel) const
{
    return abgerundet(std::int64_t(kartenPixel) * prozent, 100);
}

int Massstab::aufKarte(int flaechenPixel) const
{
    // The largest p with aufFlaeche(p) <= flaechenPixel.
    return abgerundet((std::int64_t(flaechenPixel) + 1) * 100 - 1, prozent);
}

QPoint Massstab::aufFlaeche(QPoint kartenPunkt) const
{
    return {aufFlaeche(kartenPunkt.x()), aufFlaeche(kartenPunkt.y())};
}

QPoint Massstab::aufKarte(QPoint flaechenPunkt) const
{
    return {aufKarte(flaechenPunkt.x()), aufKarte(flaechenPunkt.y())};
}

QRect Massstab::aufFlaeche(const QRect &kartenRechteck) const
{
    const QPoint links = aufFlaeche(kartenRechteck.topLeft());
    const QPoint rechts(aufFlaeche(kartenRechteck.x() + kartenRechteck.width()),
                        aufFlaeche(kartenRechteck.y() + kartenRechteck.height()));
    return {links, QSize(rechts.x() - links.x(), rechts.y() - links.y())};
}

QPoint SeitenAbbildung::seitenPunkt(QPoint flaechenPunkt) const
{
    return massstab.aufKarte(flaechenPunkt + massstab.aufFlaeche(ursprung)) - ursprung;
}

QRect SeitenAbbildung::flaechenRechteck(const QRect &seitenRechteck) const
{
    return massstab.aufFlaeche(seitenRechteck.translated(ursprung)).translated(-massstab.aufFlaeche(ursprung));
}

int NaechsteZoomStufe(int prozent, bool groesser)
{
    if (groesser) {
        const auto *stufe = std::upper_bound(ZoomStufen.begin(), ZoomStufen.end(), prozent);
        return stufe == ZoomStufen.end() ? prozent : *stufe;
    }
    const auto *stufe = std::lower_bound(ZoomStufen.begin(), ZoomStufen.end(), prozent);
    return stufe == ZoomStufen.begin() ? prozent : *(stufe - 1);
}

int PassenderZoom(QSize karte, QSize fenster)
{
    if (karte.isEmpty() || fenster.isEmpty())
        return 100;
    const auto passend = std::min(std::int64_t(fenster.width()) * 100 / karte.width(),
                                  std::int64_t(fenster.height()) * 100 / karte.height());
    return int(std::clamp<std::int64_t>(passend, ZoomStufen.front(), ZoomStufen.back()));
}
