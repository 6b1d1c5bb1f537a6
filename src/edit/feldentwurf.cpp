#include "feldentwurf.h"

#include <algorithm>

FeldEntwurf::FeldEntwurf(const TKarte &karte) : m_karte(karte), m_felder(karte.Felder) {}

void FeldEntwurf::setzen(FeldOrt ort, std::uint8_t code)
{
    m_felder[ort.seite][ort.feld] = code;
    if (!m_beruehrt[ort.seite][ort.feld]) {
        m_beruehrt[ort.seite][ort.feld] = true;
        m_reihenfolge.push_back(ort);
    }
}

FeldAenderungen FeldEntwurf::aenderungen() const
{
    FeldAenderungen liste;
    for (const FeldOrt &ort : m_reihenfolge) {
        const std::uint8_t alt = m_karte.Felder[ort.seite][ort.feld];
        const std::uint8_t neu = m_felder[ort.seite][ort.feld];
        if (alt != neu)
            liste.push_back({std::uint8_t(ort.seite), ort.feld, alt, neu});
    }
    return liste;
}

void AenderungenAnwenden(TKarte &karte, const FeldAenderungen &aenderungen)
{
    for (const FeldAenderung &a : aenderungen)
        FeldSetzen(karte, a.feld, a.seite, a.neu);
}

FeldAenderungen Umgekehrt(const FeldAenderungen &aenderungen)
{
    FeldAenderungen liste(aenderungen.rbegin(), aenderungen.rend());
    for (FeldAenderung &a : liste)
        std::swap(a.alt, a.neu);
    return liste;
}
