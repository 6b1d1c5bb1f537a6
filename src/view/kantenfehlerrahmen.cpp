#include "kantenfehlerrahmen.h"

#include "seitenflaeche.h"

#include <QPainter>

#include <algorithm>

void KantenFehlerZeichnen(const TKarte &karte, const TSeitenFlaeche &flaeche, QPainter &painter,
                          const QRect &bereich, std::span<const FeldOrt> fehler)
{
    const auto seite = std::uint8_t(flaeche.seite());
    const auto vor = [](const FeldOrt &a, const FeldOrt &b) { return a.seite < b.seite; };
    const auto [anfang, ende] = std::equal_range(fehler.begin(), fehler.end(), FeldOrt{seite, 0}, vor);
    if (anfang == ende)
        return;
    painter.save();
    painter.setClipRect(bereich);
    painter.setPen(QPen(QColor(230, 0, 0), 2));
    painter.setBrush(Qt::NoBrush);
    for (auto ort = anfang; ort != ende; ++ort) {
        const QRect ziel = flaeche.flaechenRechteck(FeldRechteck(karte, ort->feld));
        if (ziel.adjusted(-1, -1, 1, 1).intersects(bereich))
            painter.drawRect(ziel.adjusted(1, 1, -1, -1));
    }
    painter.restore();
}
