#include "fensterschrift.h"

#include <QStringList>

QFont fensterSchrift(const QString &familie, int pixelHoehe, bool fett, bool kursiv, QFont::StyleHint hinweis)
{
    QFont schrift;
    const QString ersatz = hinweis == QFont::Serif ? QStringLiteral("DejaVu Serif Condensed")
                                                   : QStringLiteral("DejaVu Sans Condensed");
    schrift.setFamilies({familie, ersatz});
    schrift.setStyleHint(hinweis);
    schrift.setPixelSize(pixelHoehe);
    schrift.setBold(fett);
    schrift.setItalic(kursiv);
    return schrift;
}
