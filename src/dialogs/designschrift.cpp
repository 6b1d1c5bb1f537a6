#include "designschrift.h"

QFont designSchrift(const QString &familie, int pixelHoehe, bool fett, bool kursiv, QFont::StyleHint hinweis)
{
    QFont schrift(familie);
    schrift.setStyleHint(hinweis);
    schrift.setPixelSize(pixelHoehe);
    schrift.setBold(fett);
    schrift.setItalic(kursiv);
    return schrift;
}
