#include "pinselwerkzeug.h"

#include "feldformen.h"
#include "helpcontexts.h"
#include "kartendokument.h"
#include "werkzeugsteuerung.h"

WerkzeugInfo PinselWerkzeug::info() const
{
    return {QStringLiteral("Pinsel"), QStringLiteral("&Pinsel"), 15, QKeySequence(Qt::Key_B), HilfeKontext::Pinsel};
}

bool PinselWerkzeug::druecken(Werkzeugsteuerung &steuerung, QPoint zelle) const
{
    steuerung.dokument().strichBeginnen();
    steuerung.malen({zelle}, KartenDokument::malenText());
    if (FeldRaster(steuerung.karte()).ort(zelle))
        steuerung.gemaltMelden();
    return true;
}

void PinselWerkzeug::ziehen(Werkzeugsteuerung &steuerung, QPoint von, QPoint zu) const
{
    steuerung.malen(FeldLinie(von, zu), KartenDokument::malenText());
}

void PinselWerkzeug::loslassen(Werkzeugsteuerung &steuerung) const
{
    steuerung.dokument().strichBeenden();
}

void PinselWerkzeug::abbrechen(Werkzeugsteuerung &steuerung) const
{
    steuerung.dokument().strichBeenden();
}

// The painted field shows even where it keeps its code; with the edge brush
// every field the solver changes shows too.
std::vector<VorschauFeld> PinselWerkzeug::vorschau(Werkzeugsteuerung &steuerung, QPoint zelle) const
{
    const FeldRaster raster(steuerung.karte());
    FeldEntwurf entwurf(steuerung.karte());
    const QPoint zellen[] = {zelle};
    steuerung.pinselMalen(entwurf, zellen);
    const std::optional<FeldOrt> ort = raster.ort(zelle);
    std::vector<VorschauFeld> felder{{raster.pixel(zelle), ort ? entwurf.code(*ort) : steuerung.feldtyp()}};
    for (const FeldCode &feld : entwurf.aenderungen()) {
        const QPoint z = raster.zelle({feld.seite, feld.feld});
        if (z != zelle)
            felder.push_back({raster.pixel(z), feld.code});
    }
    return felder;
}
