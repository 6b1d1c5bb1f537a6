#include "rechteckwerkzeug.h"

#include "feldformen.h"
#include "helpcontexts.h"
#include "pinselwerkzeug.h"
#include "werkzeugsteuerung.h"

#include <algorithm>

WerkzeugInfo RechteckWerkzeug::info() const
{
    return {QStringLiteral("Rechteck"), QStringLiteral("&Rechteck"), 17, QKeySequence(Qt::Key_R),
            HilfeKontext::Rechteck};
}

bool RechteckWerkzeug::druecken(Werkzeugsteuerung &steuerung, QPoint zelle) const
{
    RahmenWerkzeug::druecken(steuerung, zelle);
    flaecheZeigen(steuerung);
    return true;
}

void RechteckWerkzeug::ziehen(Werkzeugsteuerung &steuerung, QPoint von, QPoint zu) const
{
    RahmenWerkzeug::ziehen(steuerung, von, zu);
    flaecheZeigen(steuerung);
}

void RechteckWerkzeug::loslassen(Werkzeugsteuerung &steuerung) const
{
    const FeldRaster raster(steuerung.karte());
    FeldEntwurf entwurf(steuerung.karte());
    const std::vector<QPoint> zellen = RechteckZellen(raster, steuerung.rahmen());
    steuerung.rahmenSetzen({}, false);
    steuerung.vorschauSetzen({});
    steuerung.flaecheMalen(entwurf, zellen);
    steuerung.schrittMelden(entwurf, QStringLiteral("Rechteck"));
    if (std::any_of(zellen.begin(), zellen.end(), [&](QPoint z) { return raster.ort(z).has_value(); }))
        steuerung.gemaltMelden();
}

// Before a press: what a click would paint, as the brush shows it.
std::vector<VorschauFeld> RechteckWerkzeug::vorschau(Werkzeugsteuerung &steuerung, QPoint zelle) const
{
    return PinselWerkzeug().vorschau(steuerung, zelle);
}

// What releasing the rectangle being dragged would change.
void RechteckWerkzeug::flaecheZeigen(Werkzeugsteuerung &steuerung)
{
    const FeldRaster raster(steuerung.karte());
    FeldEntwurf entwurf(steuerung.karte());
    steuerung.flaecheMalen(entwurf, RechteckZellen(raster, steuerung.rahmen()));
    std::vector<VorschauFeld> felder;
    for (const FeldCode &feld : entwurf.aenderungen())
        felder.push_back({raster.pixel(raster.zelle({feld.seite, feld.feld})), feld.code});
    steuerung.vorschauSetzen(std::move(felder));
}
