#include "feldname.h"

#include "feldkatalog.h"

namespace {

QString ohneKuerzel(const char *caption)
{
    return QString::fromUtf8(caption).remove(QLatin1Char('&'));
}

// The hint where the tile has one, so that the button's tooltip and every
// other text name the tile alike; else the menu caption, after its submenu's
// title unless it names the tile by itself.
QString katalogName(const FeldTyp &typ)
{
    if (typ.hinweis)
        return QString::fromUtf8(typ.hinweis);
    const QString punkt = ohneKuerzel(typ.menuePunkt);
    return punkt.at(0).isUpper() ? punkt : ohneKuerzel(typ.menue) + QLatin1Char(' ') + punkt;
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
