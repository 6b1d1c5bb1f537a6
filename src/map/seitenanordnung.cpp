#include "seitenanordnung.h"

#include "feldbilder.h"

#include <QPainter>

#include <array>

QPoint SeitenZelle(int seite)
{
    static constexpr std::array<QPoint, 16> kZellen = {{
        {0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 2}, {1, 2}, {2, 2}, {2, 1},
        {2, 0}, {3, 0}, {3, 1}, {3, 2}, {3, 3}, {2, 3}, {1, 3}, {0, 3},
    }};
    if (seite < 1 || seite > static_cast<int>(kZellen.size()))
        return {};
    return kZellen[seite - 1];
}

int SichtbareSeiten(const TKarte &karte)
{
    return std::min<int>(karte.AnzahlSeiten, 16);
}

QImage SeitenBild(const TKarte &karte, int seite)
{
    QImage bild(std::max(karte.SeitenBreite, 0), std::max(karte.SeitenHoehe, 0), QImage::Format_RGB32);
    bild.fill(Qt::white);
    const int c = karte.FeldGroesse;
    if (bild.isNull() || c == 0 || seite < 1 || seite > MaxSeiten)
        return bild;
    QPainter painter(&bild);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    std::int32_t x = 0;
    std::int32_t y = 0;
    const std::int32_t felder = std::min(karte.AnzahlFelder, MaxFelder);
    for (std::int32_t i = 1; i <= felder; ++i) {
        FeldZeichnen(karte, karte.Felder[seite][i], painter, x, y, karte.FeldGroesse);
        x += c;
        if (x > karte.SeitenBreite - c) {
            x = 0;
            y += c;
        }
    }
    return bild;
}
