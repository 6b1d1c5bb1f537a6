#pragma once

#include "feldort.h"
#include "karte.h"

#include <cstddef>
#include <cstdint>
#include <vector>


// A tile code meant for a field.
struct FeldCode
{
    std::uint8_t seite = 0;
    std::int32_t feld = 0;
    std::uint8_t code = 0;
};

// The fields one edit step changes, each with its code before and after.
// Fields with consecutive numbers and the same two codes share one run, so a
// stroke over whole pages costs a few bytes per page rather than per field.
class FeldAenderungen
{
public:
    // Records that a field goes from `alt` to `neu`. A field recorded before
    // keeps its first old code and takes the new one. Fields outside the
    // grid's room are not recorded.
    void eintragen(FeldOrt ort, std::uint8_t alt, std::uint8_t neu);
    // Records another step's changes as coming after these.
    void anhaengen(const FeldAenderungen &spaetere);
    // Stores the new codes, or the old ones going backwards, and returns the
    // fields stored.
    std::vector<FeldOrt> anwenden(TKarte &karte, bool rueckwaerts) const;

    bool leer() const { return m_laeufe.empty(); }
    std::size_t felder() const;

private:
    struct Lauf
    {
        std::uint16_t start; // page * (MaxFelder + 1) + field
        std::uint16_t laenge;
        std::uint8_t alt;
        std::uint8_t neu;
    };

    void einfuegen(std::size_t vor, std::uint16_t index, std::uint8_t alt, std::uint8_t neu);

    std::vector<Lauf> m_laeufe; // sorted by start, never overlapping
};
