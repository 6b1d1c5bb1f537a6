#include "seitezeichnen.h"

#include "feldbilder.h"
#include "skaliertefeldbilder.h"

#include <QPainter>

void SeiteZeichnen(const TKarte &karte, int seite, QPainter &flaeche, const QRect &bereich,
                   const SeitenAbbildung &abbildung, SkalierteFeldBilder &bilder)
{
    flaeche.fillRect(bereich, Qt::white);
    if (seite < 1 || seite > MaxSeiten || karte.FeldGroesse == 0)
        return;
    // Fields are a screen pixel wider or narrower by rounding; the images
    // have the wider edge and are cut to each field's place.
    const int kante = (karte.FeldGroesse * abbildung.massstab.prozent + 99) / 100;
    const auto &feldBilder = bilder.bilder(karte, kante);
    const std::int32_t felder = std::min(karte.AnzahlFelder, MaxFelder);
    for (std::int32_t i = 1; i <= felder; ++i) {
        const QRect feld = abbildung.flaechenRechteck(FeldRechteck(karte, i));
        if (feld.intersects(bereich))
            FeldBildZeichnen(flaeche, feld, feldBilder[BildNummer(karte.Felder[seite][i])]);
    }
}
