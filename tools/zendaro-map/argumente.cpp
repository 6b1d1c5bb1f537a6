#include "argumente.h"

#include "bildformat.h"

Argumente ArgumenteLesen(const QStringList &args, const QStringList &erlaubt)
{
    Argumente a;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &wort = args[i];
        if (wort == QLatin1String("--help") || wort == QLatin1String("-h")) {
            a.hilfe = true;
            continue;
        }
        if (!wort.startsWith(QLatin1Char('-')) || wort == QLatin1String("-")) {
            a.positionen << wort;
            continue;
        }
        if (!erlaubt.contains(wort)) {
            a.fehler = QStringLiteral("unbekannte Option %1").arg(wort);
            return a;
        }
        if (wort == QLatin1String("--kanten")) {
            a.kanten = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            a.fehler = QStringLiteral("Option %1 braucht einen Wert").arg(wort);
            return a;
        }
        const QString &wert = args[++i];
        if (wort == QLatin1String("-o")) {
            a.ausgabe = wert;
        } else if (wort == QLatin1String("--tiles")) {
            a.kacheln = wert;
        } else {
            bool ok = false;
            a.massstab = wert.toDouble(&ok);
            if (!ok || !MassstabGueltig(a.massstab)) {
                a.fehler = QStringLiteral("--scale erwartet eine Zahl von %1 bis %2, nicht %3")
                               .arg(QString::number(MinMassstab), QString::number(MaxMassstab), wert);
                return a;
            }
        }
    }
    return a;
}
