#include "pipettenwerkzeug.h"

#include "helpcontexts.h"
#include "werkzeugsteuerung.h"

WerkzeugInfo PipettenWerkzeug::info() const
{
    return {QStringLiteral("Pipette"), QStringLiteral("P&ipette"), 20, QKeySequence(Qt::Key_I), HilfeKontext::Pipette};
}

bool PipettenWerkzeug::druecken(Werkzeugsteuerung &steuerung, QPoint zelle) const
{
    steuerung.feldAufnehmen(zelle);
    return false;
}
