#include "auswahlwerkzeug.h"

#include "helpcontexts.h"
#include "werkzeugsteuerung.h"

WerkzeugInfo AuswahlWerkzeug::info() const
{
    return {QStringLiteral("Auswahl"), QStringLiteral("&Auswahl"), 18, QKeySequence(Qt::Key_S), HilfeKontext::Auswahl};
}

void AuswahlWerkzeug::loslassen(Werkzeugsteuerung &steuerung) const
{
    steuerung.rahmenSetzen(steuerung.rahmen(), true);
}
