#include "bildformat.h"

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

bool MassstabGueltig(double massstab)
{
    // Written so that NaN fails too.
    return massstab >= MinMassstab && massstab <= MaxMassstab;
}
