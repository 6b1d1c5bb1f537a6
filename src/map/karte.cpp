#include "karte.h"

#include "random.h"

#include <algorithm>

namespace {

constexpr std::int32_t kStandardBreite = 640;
constexpr std::int32_t kStandardHoehe = 440;
constexpr std::uint16_t kStandardFeldGroesse = 40;

void StandardmasseSetzen(TKarte &karte)
{
    karte.AnzahlFelder = StandardFelder;
    karte.SeitenBreite = kStandardBreite;
    karte.SeitenHoehe = kStandardHoehe;
    karte.FeldGroesse = kStandardFeldGroesse;
}

} // namespace

void StandardFelderAnlegen(TKarte &karte)
{
    StandardmasseSetzen(karte);
    karte.AnzahlSeiten = 4;
    // One draw per field and page, fields outermost: the sequence is what
    // makes the start-up map the same at every start.
    for (std::int32_t feld = 1; feld <= karte.AnzahlFelder; ++feld) {
        for (int seite = 1; seite <= karte.AnzahlSeiten; ++seite)
            karte.Felder[seite][feld] = static_cast<std::uint8_t>(Zufall::Random(4));
    }
}

bool HatStandardGroesse(const TKarte &karte, std::uint8_t seiten)
{
    return karte.AnzahlFelder == StandardFelder && karte.AnzahlSeiten == seiten
        && karte.FeldGroesse == kStandardFeldGroesse && karte.SeitenBreite == kStandardBreite
        && karte.SeitenHoehe == kStandardHoehe;
}

void StandardGroesseSetzen(TKarte &karte, std::uint8_t seiten)
{
    const std::int32_t alteFelder = karte.AnzahlFelder;
    const int alteSeiten = karte.AnzahlSeiten;
    StandardmasseSetzen(karte);
    karte.AnzahlSeiten = seiten;
    for (int seite = 1; seite <= std::min<int>(seiten, MaxSeiten); ++seite) {
        const std::int32_t erstesNeues = seite <= alteSeiten ? std::max(alteFelder, 0) + 1 : 1;
        for (std::int32_t feld = erstesNeues; feld <= karte.AnzahlFelder; ++feld)
            karte.Felder[seite][feld] = 1;
    }
}

std::int32_t Spalten(const TKarte &karte)
{
    return karte.FeldGroesse == 0 ? 0 : karte.SeitenBreite / karte.FeldGroesse;
}

std::int32_t FeldNummer(const TKarte &karte, std::int32_t x, std::int32_t y)
{
    const std::int32_t spalten = Spalten(karte);
    if (spalten == 0)
        return 0;
    return (y / karte.FeldGroesse) * spalten + (x / karte.FeldGroesse) + 1;
}

QRect FeldRechteck(const TKarte &karte, std::int32_t feldNummer)
{
    const std::int32_t spalten = Spalten(karte);
    if (spalten <= 0 || feldNummer < 1)
        return {};
    const int c = karte.FeldGroesse;
    return QRect(((feldNummer - 1) % spalten) * c, ((feldNummer - 1) / spalten) * c, c, c);
}

bool FeldAnPosition(const TKarte &karte, std::int32_t x, std::int32_t y)
{
    const std::int32_t spalten = Spalten(karte);
    // A last row cut by the page's lower edge is drawn and numbered, so its
    // visible part counts; only the strip right of the last column shows none.
    if (spalten <= 0 || x < 0 || y < 0 || x >= spalten * karte.FeldGroesse || y >= karte.SeitenHoehe)
        return false;
    const std::int32_t feld = FeldNummer(karte, x, y);
    return feld <= karte.AnzahlFelder && feld <= MaxFelder;
}

QRect FeldSetzen(TKarte &karte, std::int32_t feldNummer, std::uint8_t seite, std::uint8_t code)
{
    if (feldNummer < 1 || feldNummer > std::min(karte.AnzahlFelder, MaxFelder) || seite < 1 || seite > MaxSeiten)
        return {};
    karte.Felder[seite][feldNummer] = code;
    return FeldRechteck(karte, feldNummer);
}
