#pragma once

#include "feldaenderungen.h"
#include "feldraster.h"
#include "karte.h"

#include <bitset>
#include <cstdint>
#include <vector>

// The fields of a map with changes laid over them, the map itself untouched:
// tools work out a whole step here (later reads see earlier writes) and hand
// the resulting codes to the document, which stores them as one undo step.
class FeldEntwurf
{
public:
    explicit FeldEntwurf(const TKarte &karte);

    const TKarte &karte() const { return m_karte; }
    std::uint8_t code(FeldOrt ort) const { return m_felder[ort.seite][ort.feld]; }
    void setzen(FeldOrt ort, std::uint8_t code);

    // Every field that now differs from the map with its new code, in the
    // order first touched.
    std::vector<FeldCode> aenderungen() const;

private:
    const TKarte &m_karte;
    decltype(TKarte::Felder) m_felder;
    std::array<std::bitset<MaxFelder + 1>, MaxSeiten + 1> m_beruehrt;
    std::vector<FeldOrt> m_reihenfolge;
};
