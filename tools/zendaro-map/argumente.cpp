#include "argumente.h"

#include "bildformat.h"
#include "zufallskarte.h"

#include <array>

namespace {

// A whole number from `von` to `bis`; 0 with the usage error set otherwise.
int GanzeZahl(const QString &option, const QString &wert, int von, int bis, QString &fehler)
{
    bool ok = false;
    const int zahl = wert.toInt(&ok);
    if (ok && zahl >= von && zahl <= bis)
        return zahl;
    fehler = QStringLiteral("%1 erwartet eine ganze Zahl von %2 bis %3, nicht %4").arg(option).arg(von).arg(bis).arg(wert);
    return 0;
}

} // namespace

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
        } else if (wort == QLatin1String("--name")) {
            a.name = wert;
        } else if (wort == QLatin1String("--seiten")) {
            a.seiten = GanzeZahl(wort, wert, 1, 16, a.fehler);
        } else if (wort == QLatin1String("--zeitlimit")) {
            a.zeitLimit = GanzeZahl(wort, wert, 10, 200, a.fehler);
        } else if (const auto bereich = ZahlBereich(wort)) {
            bool ok = false;
            const qint64 zahl = wert.toLongLong(&ok);
            if (!ok || zahl < bereich->von || zahl > bereich->bis) {
                a.fehler = QStringLiteral("%1 erwartet eine ganze Zahl von %2 bis %3, nicht %4")
                               .arg(wort, QString::number(bereich->von), QString::number(bereich->bis), wert);
                return a;
            }
            a.zahlen[wort] = zahl;
        } else {
            bool ok = false;
            a.massstab = wert.toDouble(&ok);
            if (!ok || !MassstabGueltig(a.massstab)) {
                a.fehler = QStringLiteral("--scale erwartet eine Zahl von %1 bis %2, nicht %3")
                               .arg(QString::number(MinMassstab), QString::number(MaxMassstab), wert);
                return a;
            }
        }
        if (!a.fehler.isEmpty())
            return a;
    }
    return a;
}

std::optional<Bereich> ZahlBereich(const QString &option)
{
    using E = ZufallskartenEinstellungen;
    struct Eintrag
    {
        const char *name;
        Bereich bereich;
    };
    static constexpr std::array<Eintrag, 6> kBereiche = {{
        {"--seed", {0, E::MaxSaat}},
        {"--wasser", {0, E::MaxAnteil}},
        {"--sand", {0, E::MaxAnteil}},
        {"--wald", {0, E::MaxAnteil}},
        {"--strassen", {0, E::MaxStrassen}},
        {"--varianten", {0, 1}},
    }};
    for (const Eintrag &e : kBereiche)
        if (option == QLatin1String(e.name))
            return e.bereich;
    return std::nullopt;
}
