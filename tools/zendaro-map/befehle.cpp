#include "befehle.h"

#include "apperror.h"
#include "bildformat.h"
#include "ioerror.h"
#include "kantenfehler.h"
#include "kartendatei.h"
#include "laden.h"
#include "zufallskarte.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <memory>

#include <unistd.h>

namespace {

// "1 Seite", "4 Seiten".
QString Anzahl(std::int64_t anzahl, const char *einzahl, const char *mehrzahl)
{
    return QString::number(anzahl) + QLatin1Char(' ') + QLatin1String(anzahl == 1 ? einzahl : mehrzahl);
}

int Schreiben(const TKarte &karte, const QString &datei, Ausgaben io)
{
    try {
        DateiSchreiben(karte, datei, karte.KartenName);
    } catch (const AppError &e) {
        Melden(io.err, errorBoxText(e.message()));
        return Ende::EaFehler;
    }
    return Ende::Ok;
}

// Lists the fields whose corners disagree with a neighbour, rows and columns
// counted from 1 like the field numbers; 1 when there are any.
int KantenMelden(const TKarte &karte, Ausgaben io)
{
    const std::vector<FeldOrt> fehler = KantenFehler(karte);
    const int spalten = std::max(Spalten(karte), 1);
    for (const FeldOrt &ort : fehler)
        io.out << QStringLiteral("Seite %1, Feld %2, Zeile %3, Spalte %4")
                      .arg(ort.seite)
                      .arg(ort.feld)
                      .arg((ort.feld - 1) / spalten + 1)
                      .arg((ort.feld - 1) % spalten + 1)
               << Qt::endl;
    if (fehler.empty()) {
        io.out << "Kanten: keine Fehler" << Qt::endl;
        return Ende::Ok;
    }
    io.out << QStringLiteral("Kanten: %1 mit Fehlern").arg(Anzahl(std::int64_t(fehler.size()), "Feld", "Felder"))
           << Qt::endl;
    return Ende::KantenFehler;
}

} // namespace

int NeuBefehl(const Argumente &a, Ausgaben io)
{
    auto karte = std::make_unique<TKarte>();
    if (a.seiten > 0) {
        // From an empty grid, every page is new and so plain grass.
        StandardGroesseSetzen(*karte, std::uint8_t(a.seiten));
    } else {
        StandardFelderAnlegen(*karte);
    }
    karte->KartenName = a.name.value_or(karte->KartenName);
    karte->ZeitLimit = a.zeitLimit.value_or(karte->ZeitLimit);
    if (a.ausgabe.isEmpty()) {
        const QByteArray text = KartenText(*karte, karte->KartenName);
        // Unbuffered, so a full disk or a closed pipe shows at write() and
        // is not lost in a flush at exit.
        QFile ausgabe;
        errno = 0;
        if (!ausgabe.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered)
            || ausgabe.write(text) != text.size()) {
            const int os = errno;
            Melden(io.err, errorBoxText(ioErrorText(os != 0 ? ioErrorFromErrno(os, false) : IoFehler::ZuWenigSpeicherplatz)));
            return Ende::EaFehler;
        }
        return Ende::Ok;
    }
    return Schreiben(*karte, a.ausgabe, io);
}

int PruefBefehl(const Argumente &a, Ausgaben io)
{
    auto karte = std::make_unique<TKarte>();
    if (const int ende = Laden(*karte, a.positionen.first(), io); ende != Ende::Ok)
        return ende;
    const QString &datei = a.positionen.first();
    // One arg() over all values: a "%1" inside a name stays literal text.
    io.out << QStringLiteral("%1: Name \"%2\", Zeitlimit %3, %4 zu %5, Seite %6 × %7 Pixel, Feldgröße %8")
                  .arg(Sichtbar(QFileInfo(datei).fileName()), Sichtbar(karte->KartenName),
                       Anzahl(karte->ZeitLimit, "Runde", "Runden"), Anzahl(karte->AnzahlSeiten, "Seite", "Seiten"),
                       Anzahl(karte->AnzahlFelder, "Feld", "Feldern"), QString::number(karte->SeitenBreite),
                       QString::number(karte->SeitenHoehe), QString::number(karte->FeldGroesse))
           << Qt::endl;
    return a.kanten ? KantenMelden(*karte, io) : Ende::Ok;
}

int NormalisierBefehl(const Argumente &a, Ausgaben io)
{
    auto karte = std::make_unique<TKarte>();
    const QString &datei = a.positionen.first();
    if (const int ende = Laden(*karte, datei, io); ende != Ende::Ok)
        return ende;
    return Schreiben(*karte, a.ausgabe.isEmpty() ? datei : a.ausgabe, io);
}

QString ZeichenAufrufFehler(const Argumente &a)
{
    if (BildFormatFuerName(a.ausgabe))
        return {};
    return QStringLiteral("%1 hat keine Bildendung: erlaubt sind .png und .bmp").arg(a.ausgabe);
}

int ZufallBefehl(const Argumente &a, Ausgaben io)
{
    ZufallskartenEinstellungen e;
    const auto zahl = [&a](const char *option, auto &wert) {
        if (const auto it = a.zahlen.find(QLatin1String(option)); it != a.zahlen.end())
            wert = std::remove_reference_t<decltype(wert)>(it->second);
    };
    e.seiten = a.seiten;
    zahl("--seed", e.saat);
    zahl("--wasser", e.wasser);
    zahl("--sand", e.sand);
    zahl("--wald", e.wald);
    zahl("--strassen", e.strassen);
    zahl("--varianten", e.variantenMischen);
    auto karte = std::make_unique<TKarte>();
    ZufallskarteErzeugen(*karte, e);
    return Schreiben(*karte, a.ausgabe, io);
}

QString ZufallAufrufFehler(const Argumente &a)
{
    if (a.seiten == 0)
        return QStringLiteral("--seiten fehlt");
    if (!a.zahlen.contains(QStringLiteral("--seed")))
        return QStringLiteral("--seed fehlt");
    return {};
}
