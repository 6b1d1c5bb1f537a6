#include "feldaenderungen.h"

#include <algorithm>

namespace {

constexpr int Zeile = MaxFelder + 1;

} // namespace

void FeldAenderungen::eintragen(FeldOrt ort, std::uint8_t alt, std::uint8_t neu)
{
    if (ort.seite < 1 || ort.seite > MaxSeiten || ort.feld < 1 || ort.feld > MaxFelder)
        return;
    const auto index = std::uint16_t(ort.seite * Zeile + ort.feld);
    auto i = std::size_t(std::upper_bound(m_laeufe.begin(), m_laeufe.end(), index,
                                          [](std::uint16_t wert, const Lauf &lauf) { return wert < lauf.start; })
                         - m_laeufe.begin());
    if (i > 0 && index < m_laeufe[i - 1].start + m_laeufe[i - 1].laenge) {
        // Already recorded: cut the field out of its run and record it anew
        // with its first old code.
        const Lauf lauf = m_laeufe[i - 1];
        if (lauf.neu == neu)
            return;
        alt = lauf.alt;
        --i;
        m_laeufe.erase(m_laeufe.begin() + std::ptrdiff_t(i));
        const int ende = lauf.start + lauf.laenge;
        if (index + 1 < ende)
            m_laeufe.insert(m_laeufe.begin() + std::ptrdiff_t(i),
                            Lauf{std::uint16_t(index + 1), std::uint16_t(ende - index - 1), lauf.alt, lauf.neu});
        if (index > lauf.start) {
            m_laeufe.insert(m_laeufe.begin() + std::ptrdiff_t(i),
                            Lauf{lauf.start, std::uint16_t(index - lauf.start), lauf.alt, lauf.neu});
            ++i;
        }
    }
    einfuegen(i, index, alt, neu);
}

// Inserts a single field before run `vor`, joining it to its neighbours where
// they continue it with the same codes.
void FeldAenderungen::einfuegen(std::size_t vor, std::uint16_t index, std::uint8_t alt, std::uint8_t neu)
{
    const auto gleich = [alt, neu](const Lauf &lauf) { return lauf.alt == alt && lauf.neu == neu; };
    const bool mitVorigem = vor > 0 && m_laeufe[vor - 1].start + m_laeufe[vor - 1].laenge == index
        && gleich(m_laeufe[vor - 1]);
    const bool mitNaechstem = vor < m_laeufe.size() && m_laeufe[vor].start == index + 1 && gleich(m_laeufe[vor]);
    if (mitVorigem && mitNaechstem) {
        m_laeufe[vor - 1].laenge += 1 + m_laeufe[vor].laenge;
        m_laeufe.erase(m_laeufe.begin() + std::ptrdiff_t(vor));
    } else if (mitVorigem) {
        ++m_laeufe[vor - 1].laenge;
    } else if (mitNaechstem) {
        --m_laeufe[vor].start;
        ++m_laeufe[vor].laenge;
    } else {
        m_laeufe.insert(m_laeufe.begin() + std::ptrdiff_t(vor), Lauf{index, 1, alt, neu});
    }
}

void FeldAenderungen::anhaengen(const FeldAenderungen &spaetere)
{
    for (const Lauf &lauf : spaetere.m_laeufe)
        for (int index = lauf.start; index < lauf.start + lauf.laenge; ++index)
            eintragen({std::uint8_t(index / Zeile), index % Zeile}, lauf.alt, lauf.neu);
}

std::vector<FeldOrt> FeldAenderungen::anwenden(TKarte &karte, bool rueckwaerts) const
{
    std::vector<FeldOrt> orte;
    orte.reserve(felder());
    for (const Lauf &lauf : m_laeufe) {
        const std::uint8_t code = rueckwaerts ? lauf.alt : lauf.neu;
        for (int index = lauf.start; index < lauf.start + lauf.laenge; ++index) {
            const FeldOrt ort{std::uint8_t(index / Zeile), index % Zeile};
            karte.Felder[ort.seite][std::size_t(ort.feld)] = code;
            orte.push_back(ort);
        }
    }
    return orte;
}

std::size_t FeldAenderungen::felder() const
{
    std::size_t anzahl = 0;
    for (const Lauf &lauf : m_laeufe)
        anzahl += lauf.laenge;
    return anzahl;
}
