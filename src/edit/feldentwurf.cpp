#include "feldentwurf.h"

FeldEntwurf::FeldEntwurf(const TKarte &karte) : m_karte(karte), m_felder(karte.Felder) {}

void FeldEntwurf::setzen(FeldOrt ort, std::uint8_t code)
{
    m_felder[ort.seite][ort.feld] = code;
    if (!m_beruehrt[ort.seite][ort.feld]) {
        m_beruehrt[ort.seite][ort.feld] = true;
        m_reihenfolge.push_back(ort);
    }
}

std::vector<FeldCode> FeldEntwurf::aenderungen() const
{
    std::vector<FeldCode> liste;
    for (const FeldOrt &ort : m_reihenfolge) {
        const std::uint8_t neu = m_felder[ort.seite][ort.feld];
        if (m_karte.Felder[ort.seite][ort.feld] != neu)
            liste.push_back({ort.seite, ort.feld, neu});
    }
    return liste;
}
