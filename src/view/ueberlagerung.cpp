#include "ueberlagerung.h"

#include "feldbilder.h"
#include "seitenflaeche.h"
#include "skaliertefeldbilder.h"
#include "werkzeugsteuerung.h"

#include <QPainter>

void UeberlagerungZeichnen(const TKarte &karte, const Werkzeugsteuerung &werkzeuge, const TSeitenFlaeche &flaeche,
                           QPainter &painter, const QRect &bereich, SkalierteFeldBilder &bilder)
{
    painter.save();
    painter.setClipRect(bereich);
    painter.setOpacity(0.55);
    // The tiles at the zoom's field edge, as the page itself draws them.
    const int kante = (karte.FeldGroesse * flaeche.abbildung().massstab.prozent + 99) / 100;
    const auto &feldBilder = bilder.bilder(karte, kante);
    for (const VorschauFeld &feld : werkzeuge.vorschau()) {
        const QRect ziel = flaeche.flaechenRechteckDerKarte(feld.pixel);
        if (ziel.intersects(bereich))
            FeldBildZeichnen(painter, ziel, feldBilder[BildNummer(feld.code)]);
    }
    painter.setOpacity(1);
    const QRect rahmen = flaeche.flaechenRechteckDerKarte(werkzeuge.rahmenPixel());
    if (rahmen.isValid() && rahmen.adjusted(-2, -2, 2, 2).intersects(bereich)) {
        // Black under white dashes shows on every tile.
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rahmen.adjusted(0, 0, -1, -1));
        QPen striche(Qt::white, 1, werkzeuge.rahmenIstAuswahl() ? Qt::DashLine : Qt::SolidLine);
        painter.setPen(striche);
        painter.drawRect(rahmen.adjusted(1, 1, -2, -2));
    }
    painter.restore();
}
