#include "feldname.h"

#include "feldkatalog.h"

namespace {

QString ohneKuerzel(const char *caption)
{
    return QString::fromUtf8(caption).remove(QLatin1Char('&'));
}

QString katalogName(const FeldTyp &typ)
{
    if (typ.menuePunkt) {
        QString punkt = ohneKuerzel(typ.menuePunkt);
        if (punkt.at(0).isUpper())
            return punkt;
        if (!typ.hinweis)
            return ohneKuerzel(typ.menue) + QLatin1Char(' ') + punkt;
    }
    return QString::fromUtf8(typ.hinweis);
}

} // namespace

QString FeldName(std::uint8_t code)
{
    if (const FeldTyp *typ = FeldTypZuCode(code))
        return katalogName(*typ);
    const int bild = BildNummer(code);
    for (const FeldTyp &typ : FeldKatalog()) {
        if (BildNummer(typ.code) == bild)
            return katalogName(typ);
    }
    return {};
}

QString FeldHinweis(const FeldTyp &typ)
{
    return typ.hinweis ? QString::fromUtf8(typ.hinweis) : ohneKuerzel(typ.menuePunkt);
}
