#include "dateiname.h"

#include <QDir>
#include <QFileInfo>

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

QString BildVorschlag(const QString &kartenDatei, const QString &kartenName, const QString &ordner,
                      const QString &endung)
{
    const QFileInfo datei(kartenDatei);
    const QDir ziel = !ordner.isEmpty() ? QDir(ordner) : kartenDatei.isEmpty() ? QDir() : datei.dir();
    if (!kartenDatei.isEmpty())
        return ziel.filePath(datei.completeBaseName() + endung);
    // A name may hold characters a file name cannot.
    QString name = kartenName.trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("Unbenannt");
    return ziel.filePath(name + endung);
}
