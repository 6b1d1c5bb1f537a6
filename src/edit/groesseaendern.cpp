#include "groesseaendern.h"

#include "feldkatalog.h"
#include "kartendokument.h"

#include <algorithm>
#include <memory>

namespace {

bool IstWiese(std::uint8_t code)
{
    return BildNummer(code) == BildNummer(1);
}

} // namespace

std::vector<int> SeitenMitGelaende(const TKarte &karte, std::uint8_t seiten)
{
    const int felder = std::clamp(karte.AnzahlFelder, 0, MaxFelder);
    std::vector<int> seitenMitGelaende;
    for (int seite = 1; seite <= std::min<int>(karte.AnzahlSeiten, MaxSeiten); ++seite) {
        const int bleibt = seite <= seiten ? std::min(felder, StandardFelder) : 0;
        const auto &reihe = karte.Felder[seite];
        if (std::any_of(reihe.begin() + 1 + bleibt, reihe.begin() + 1 + felder,
                        [](std::uint8_t code) { return !IstWiese(code); }))
            seitenMitGelaende.push_back(seite);
    }
    return seitenMitGelaende;
}

namespace {

// The resize rules live with the map; they run on a copy.
std::unique_ptr<TKarte> mitStandardGroesse(const TKarte &karte, std::uint8_t seiten)
{
    auto neu = std::make_unique<TKarte>(karte);
    StandardGroesseSetzen(*neu, seiten);
    return neu;
}

} // namespace

GroesseAendern::GroesseAendern(KartenDokument &dokument, std::uint8_t seiten, QUndoCommand *parent)
    : GroesseAendern(dokument, *mitStandardGroesse(dokument.karte(), seiten), QStringLiteral("Größe"), parent)
{
}

GroesseAendern::GroesseAendern(KartenDokument &dokument, const TKarte &neu, const QString &name,
                               QUndoCommand *parent)
    : QUndoCommand(name, parent), m_dokument(dokument), m_alt(masseVon(dokument.karte())), m_neu(masseVon(neu))
{
    const TKarte &karte = dokument.karte();
    for (int seite = 1; seite <= MaxSeiten; ++seite)
        for (int feld = 1; feld <= MaxFelder; ++feld)
            if (neu.Felder[seite][feld] != karte.Felder[seite][feld])
                m_felder.eintragen({std::uint8_t(seite), feld}, karte.Felder[seite][feld], neu.Felder[seite][feld]);
}

GroesseAendern::Masse GroesseAendern::masseVon(const TKarte &karte)
{
    return {karte.AnzahlFelder, karte.AnzahlSeiten, karte.FeldGroesse, karte.SeitenBreite, karte.SeitenHoehe};
}

void GroesseAendern::undo()
{
    setzen(m_alt, true);
}

void GroesseAendern::redo()
{
    setzen(m_neu, false);
}

void GroesseAendern::setzen(const Masse &masse, bool rueckwaerts)
{
    TKarte &karte = m_dokument.karteFuerBefehle();
    m_felder.anwenden(karte, rueckwaerts);
    karte.AnzahlFelder = masse.anzahlFelder;
    karte.AnzahlSeiten = masse.anzahlSeiten;
    karte.FeldGroesse = masse.feldGroesse;
    karte.SeitenBreite = masse.seitenBreite;
    karte.SeitenHoehe = masse.seitenHoehe;
    emit m_dokument.anordnungGeaendert();
}
