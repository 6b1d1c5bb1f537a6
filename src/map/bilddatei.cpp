#include "bilddatei.h"

#include "ioerror.h"
#include "kartenbild.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

std::optional<BildFormat> BildFormatFuerName(const QString &dateiName)
{
    const QString endung = QFileInfo(dateiName).suffix().toLower();
    if (endung == QLatin1String("png"))
        return BildFormat::Png;
    if (endung == QLatin1String("bmp"))
        return BildFormat::Bmp;
    return std::nullopt;
}

QByteArray BildDaten(const QImage &bild, BildFormat format)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    if (!bild.save(&puffer, format == BildFormat::Png ? "PNG" : "BMP"))
        throw AppError(QStringLiteral("Das Bild konnte nicht kodiert werden"));
    return daten;
}

void KartenBildSchreiben(const TKarte &karte, const QString &dateiName, double massstab)
{
    const std::optional<BildFormat> format = BildFormatFuerName(dateiName);
    if (!format)
        throw AppError(QStringLiteral("Bilder werden als .png oder .bmp geschrieben, nicht als %1")
                           .arg(QFileInfo(dateiName).fileName()));
    const QByteArray daten = BildDaten(KartenBild(karte, massstab), *format);
    QFile datei(dateiName);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(daten) != daten.size())
        throw InOutError(IoFehler::ZugriffVerweigert);
}
