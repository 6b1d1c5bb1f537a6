#include "raster.h"

#include <QLine>
#include <QPainter>

#include <vector>

void RasterZeichnen(const TKarte &karte, const SeitenAbbildung &abbildung, QPainter &flaeche, const QRect &bereich,
                    bool raster)
{
    const QRect seite = abbildung.flaechenRechteck(QRect(0, 0, karte.SeitenBreite, karte.SeitenHoehe));
    flaeche.save();
    flaeche.setClipRect(bereich, Qt::IntersectClip);
    flaeche.setBrush(Qt::NoBrush);
    const int c = karte.FeldGroesse;
    if (raster && c > 0) {
        std::vector<QLine> linien;
        for (int x = c; x < karte.SeitenBreite; x += c) {
            const int links = abbildung.flaechenRechteck(QRect(x, 0, 1, 1)).left();
            if (links >= bereich.left() && links <= bereich.right())
                linien.emplace_back(links, bereich.top(), links, bereich.bottom());
        }
        for (int y = c; y < karte.SeitenHoehe; y += c) {
            const int oben = abbildung.flaechenRechteck(QRect(0, y, 1, 1)).top();
            if (oben >= bereich.top() && oben <= bereich.bottom())
                linien.emplace_back(bereich.left(), oben, bereich.right(), oben);
        }
        flaeche.setPen(QColor(0, 0, 0, 60));
        flaeche.drawLines(linien.data(), int(linien.size()));
    }
    flaeche.setPen(raster ? QColor(0, 0, 0, 170) : QColor(0, 0, 0, 70));
    flaeche.drawRect(seite.adjusted(0, 0, -1, -1));
    flaeche.restore();
}
