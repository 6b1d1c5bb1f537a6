#pragma once

#include "feldraster.h"
#include "karte.h"

#include <bitset>
#include <cstdint>
#include <vector>

// One changed field: what it held and what it holds now.
struct FeldAenderung
{
    std::uint8_t seite;
    std::int32_t feld;
    std::uint8_t alt;
    std::uint8_t neu;

    bool operator==(const FeldAenderung &) const = default;
};

using FeldAenderungen = std::vector<FeldAenderung>;

// The fields of a map with changes laid over them, the map itself untouched:
// tools work out a whole step here (later reads see earlier writes) and hand
// the resulting list to the document, which applies it as one undo step.
class FeldEntwurf
{
public:
    explicit FeldEntwurf(const TKarte &karte);

    const TKarte &karte() const { return m_karte; }
    std::uint8_t code(FeldOrt ort) const { return m_felder[ort.seite][ort.feld]; }
    void setzen(FeldOrt ort, std::uint8_t code);

    // Every field that now differs from the map, in the order first touched.
    FeldAenderungen aenderungen() const;

private:
    const TKarte &m_karte;
    decltype(TKarte::Felder) m_felder;
    std::array<std::bitset<MaxFelder + 1>, MaxSeiten + 1> m_beruehrt;
    std::vector<FeldOrt> m_reihenfolge;
};

// Stores the changes' new codes in the map (undo passes them reversed).
void AenderungenAnwenden(TKarte &karte, const FeldAenderungen &aenderungen);
// The same list the other way round: undoes what it did.
FeldAenderungen Umgekehrt(const FeldAenderungen &aenderungen);
