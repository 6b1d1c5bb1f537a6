#include "seitezeichnen.h"

#include "feldbilder.h"
#include "seitenanordnung.h"

#include <QPainter>

void SeiteZeichnen(const TKarte &karte, int seite, QPainter &flaeche, const QRect &bereich)
{
    const QRect seitenRechteck(0, 0, karte.SeitenBreite, karte.SeitenHoehe);
    if (bereich.contains(seitenRechteck) || seite < 1 || seite > MaxSeiten) {
        flaeche.drawImage(0, 0, SeitenBild(karte, seite));
        return;
    }
    flaeche.fillRect(bereich, Qt::white);
    const std::int32_t felder = std::min(karte.AnzahlFelder, MaxFelder);
    for (std::int32_t i = 1; i <= felder; ++i) {
        const QRect feld = FeldRechteck(karte, i);
        if (feld.intersects(bereich))
            FeldZeichnen(karte, karte.Felder[seite][i], flaeche, feld.x(), feld.y(), karte.FeldGroesse);
    }
}
