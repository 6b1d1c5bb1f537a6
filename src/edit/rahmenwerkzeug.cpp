#include "rahmenwerkzeug.h"

#include "feldformen.h"
#include "werkzeugsteuerung.h"

bool RahmenWerkzeug::druecken(Werkzeugsteuerung &steuerung, QPoint zelle) const
{
    steuerung.rahmenSetzen(ZellRechteck(zelle, zelle), false);
    return true;
}

void RahmenWerkzeug::ziehen(Werkzeugsteuerung &steuerung, QPoint, QPoint zu) const
{
    steuerung.rahmenSetzen(ZellRechteck(steuerung.anfang(), zu), false);
}

void RahmenWerkzeug::abbrechen(Werkzeugsteuerung &steuerung) const
{
    steuerung.rahmenSetzen({}, false);
    steuerung.vorschauSetzen({});
}
