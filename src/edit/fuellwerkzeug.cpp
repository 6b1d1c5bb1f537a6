#include "fuellwerkzeug.h"

#include "feldformen.h"
#include "helpcontexts.h"
#include "kantenpinsel.h"
#include "werkzeugsteuerung.h"

namespace {

// A fill's preview is worked out and drawn on every move of the pointer;
// beyond this many fields (four pages) it is left out.
constexpr std::size_t kVorschauFelder = 704;

} // namespace

WerkzeugInfo FuellWerkzeug::info() const
{
    return {QStringLiteral("Füllen"), QStringLiteral("&Füllen"), 16, QKeySequence(Qt::Key_F), HilfeKontext::Fuellen};
}

bool FuellWerkzeug::druecken(Werkzeugsteuerung &steuerung, QPoint zelle) const
{
    const FeldRaster raster(steuerung.karte());
    FeldEntwurf entwurf(steuerung.karte());
    const std::vector<QPoint> bereich =
        FuellFlaeche(entwurf, raster, zelle, steuerung.feldtyp(), steuerung.kantenAutomatisch());
    if (bereich.empty())
        return false;
    steuerung.flaecheMalen(entwurf, bereich);
    steuerung.schrittMelden(entwurf, QStringLiteral("Füllen"));
    steuerung.gemaltMelden();
    return false;
}

// Every field the fill would change.
std::vector<VorschauFeld> FuellWerkzeug::vorschau(Werkzeugsteuerung &steuerung, QPoint zelle) const
{
    const FeldRaster raster(steuerung.karte());
    FeldEntwurf entwurf(steuerung.karte());
    const std::vector<QPoint> zellen =
        FuellFlaeche(entwurf, raster, zelle, steuerung.feldtyp(), steuerung.kantenAutomatisch());
    if (zellen.size() > kVorschauFelder) {
        steuerung.hinweisMelden(QStringLiteral("Füllen: %1 Felder – zu viele für die Vorschau").arg(zellen.size()));
        return {};
    }
    steuerung.flaecheMalen(entwurf, zellen);
    std::vector<VorschauFeld> felder;
    for (const FeldCode &feld : entwurf.aenderungen())
        felder.push_back({raster.pixel(raster.zelle({feld.seite, feld.feld})), feld.code});
    return felder;
}
