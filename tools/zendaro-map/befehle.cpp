#include "befehle.h"

#include "apperror.h"
#include "bilddatei.h"
#include "feldbilder.h"
#include "ioerror.h"
#include "kantenfehler.h"
#include "kartenbild.h"
#include "kartendatei.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <memory>

#include <unistd.h>

namespace {

// The text with its control and format characters escaped (ESC as \x1b), so
// that a name cannot steer the terminal or hide part of a line.
QString Sichtbar(const QString &text)
{
    QString sichtbar;
    sichtbar.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control && c.category() != QChar::Other_Format)
            sichtbar += c;
        else if (c.unicode() < 0x100)
            sichtbar += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            sichtbar += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return sichtbar;
}

// "1 Seite", "4 Seiten".
QString Anzahl(std::int64_t anzahl, const char *einzahl, const char *mehrzahl)
{
    return QString::number(anzahl) + QLatin1Char(' ') + QLatin1String(anzahl == 1 ? einzahl : mehrzahl);
}

QString KeineKarteText(const QString &datei)
{
    return QStringLiteral("Die Datei %1 ist entweder beschädigt oder enthält keine gültige Spielkarte!")
        .arg(Sichtbar(QFileInfo(datei).fileName()));
}

// Reads FILE into `karte`; reports and returns an exit code unless it is a map.
int Laden(TKarte &karte, const QString &datei, Ausgaben io)
{
    try {
        if (!DateiLesen(karte, datei)) {
            io.err << KeineKarteText(datei) << Qt::endl;
            return Ende::KeineKarte;
        }
    } catch (const AppError &e) {
        io.err << errorBoxText(e.message()) << Qt::endl;
        return Ende::EaFehler;
    }
    return Ende::Ok;
}

int Schreiben(const TKarte &karte, const QString &datei, Ausgaben io)
{
    try {
        DateiSchreiben(karte, datei, karte.KartenName);
    } catch (const AppError &e) {
        io.err << errorBoxText(e.message()) << Qt::endl;
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
    try {
        StandardKarteAnlegen(*karte);
    } catch (const AppError &) {
        // Only the tile images are missing then; the grid is complete.
    }
    if (a.ausgabe.isEmpty()) {
        const QByteArray text = KartenText(*karte, karte->KartenName);
        // Unbuffered, so a full disk or a closed pipe shows at write() and
        // is not lost in a flush at exit.
        QFile ausgabe;
        errno = 0;
        if (!ausgabe.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered)
            || ausgabe.write(text) != text.size()) {
            const int os = errno;
            io.err << errorBoxText(ioErrorText(os != 0 ? ioErrorFromErrno(os, false) : IoFehler::ZuWenigSpeicherplatz))
                   << Qt::endl;
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

int ZeichenBefehl(const Argumente &a, Ausgaben io)
{
    auto karte = std::make_unique<TKarte>();
    // The tile images are cut at the editor's field size before any map is
    // read, as in the editor.
    karte->FeldGroesse = 40;
    try {
        FeldBilderErzeugen(*karte, a.kacheln.isEmpty() ? DatenOrdner() : QStringList{a.kacheln});
    } catch (const AppError &e) {
        io.err << errorBoxText(e.message()) << Qt::endl;
        return Ende::EaFehler;
    }
    if (const int ende = Laden(*karte, a.positionen.first(), io); ende != Ende::Ok)
        return ende;
    try {
        KartenBildSchreiben(*karte, a.ausgabe, a.massstab);
    } catch (const BildZuGross &e) {
        io.err << errorBoxText(e.message()) << Qt::endl;
        return Ende::ZuGross;
    } catch (const AppError &e) {
        io.err << errorBoxText(e.message()) << Qt::endl;
        return Ende::EaFehler;
    }
    return Ende::Ok;
}

QString ZeichenAufrufFehler(const Argumente &a)
{
    if (BildFormatFuerName(a.ausgabe))
        return {};
    return QStringLiteral("%1 hat keine Bildendung: erlaubt sind .png und .bmp").arg(a.ausgabe);
}
