#include "dateiname.h"

QString DateiErweiterung(const QString &pfad)
{
    const qsizetype trenner = pfad.lastIndexOf(QLatin1Char('/'));
    const qsizetype punkt = pfad.lastIndexOf(QLatin1Char('.'));
    return punkt > trenner ? pfad.mid(punkt) : QString();
}

bool KartenErweiterung(const QString &erweiterung)
{
    QString gross = erweiterung;
    // Only a to z: other letters (ä, ı, ...) must not turn into A to Z.
    for (QChar &c : gross) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return gross == QLatin1String(".MAP") || gross == QLatin1String(".QKM");
}
