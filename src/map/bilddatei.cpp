#include "bilddatei.h"

#include "dateiersetzen.h"
#include "kartenbild.h"
#include "pngdaten.h"

#include <QBuffer>
#include <QFileInfo>

QByteArray BildDaten(const QImage &bild, BildFormat format)
{
    if (bild.isNull())
        throw AppError(QStringLiteral("Die Karte hat kein Bild"));
    if (format == BildFormat::Png)
        return PngDaten(bild);
    // Qt writes an indexed picture as an 8-bit BMP with its palette, like the
    // tile sheets, and any other as 24 bits.
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    if (!bild.save(&puffer, "BMP"))
        throw AppError(QStringLiteral("Das Bild konnte nicht kodiert werden"));
    return daten;
}

void KartenBildSchreiben(const TKarte &karte, const QString &dateiName, double massstab)
{
    const std::optional<BildFormat> format = BildFormatFuerName(dateiName);
    if (!format)
        throw AppError(QStringLiteral("Bilder werden als .png oder .bmp geschrieben, nicht als %1")
                           .arg(QFileInfo(dateiName).fileName()));
    DateiErsetzen(dateiName, BildDaten(KartenBild(karte, massstab), *format));
}
