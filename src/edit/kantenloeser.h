#pragma once

#include "eckengitter.h"

#include <QPoint>

#include <cstdint>
#include <vector>

// What a consistent lattice needs besides agreeing corners: the tile art
// draws no diagonal saddle (two corners of one terrain facing two of another
// across the field) and no field with both Wasser and Sand.
struct KantenRegeln
{
    // The terrain that wins: a saddle closes towards it (its two open corners
    // take it), and where Wasser and Sand come too close, the one that is not
    // it gives way to Gras. A saddle between Gras and the other terrain closes
    // to Gras.
    Gelaende vorrang = Gelaende::Wasser;
    // Least distance, in lattice points across or diagonally, between a
    // Wasser and a Sand point: 2 keeps them out of one field (shore and sand
    // border meet on Gras), 3 leaves a field of only Gras corners between.
    int trennung = 2;
};

// Makes a lattice obey the rules around the points it is given, changing as
// few other points as it can: a change is followed only to the points it
// touches, so the region grows only as far as needed. Points set with
// festlegen() are kept. Every rule moves a point towards `vorrang` or towards
// Gras, and no point changes more than twice, so it always ends.
class KantenLoeser
{
public:
    // The lattice must outlive the solver.
    KantenLoeser(EckenGitter &gitter, KantenRegeln regeln);

    // Sets a point and keeps it; its surroundings are looked at.
    void festlegen(QPoint punkt, Gelaende gelaende);
    // Keeps a point as it is without looking at it.
    void festhalten(QPoint punkt);
    // Looks at a point's surroundings although it did not change (repair).
    void pruefen(QPoint punkt);
    // Applies the rules until nothing is left to look at.
    void loesen();

    // Every point whose terrain now differs from before, in the order of
    // first change.
    std::vector<QPoint> geaendert() const;
    bool fest(QPoint punkt) const { return m_status[index(punkt)] & kFest; }

private:
    static constexpr std::uint8_t kFest = 0x80;
    static constexpr std::uint8_t kVorgemerkt = 0x40;
    static constexpr std::uint8_t kErfasst = 0x20;   // its old terrain is in m_vorher
    static constexpr std::uint8_t kWechsel = 0x0F;   // changes made by the rules
    static constexpr int kMaxWechsel = 2;

    int index(QPoint punkt) const { return punkt.y() * m_gitter.groesse().width() + punkt.x(); }
    void vormerken(QPoint punkt);
    void setzen(QPoint punkt, Gelaende gelaende);
    // Sets an unfixed point through a rule; false when it is fixed or has
    // changed as often as it may.
    bool aendern(QPoint punkt, Gelaende gelaende);
    void abstandHalten(QPoint punkt);
    void sattelSchliessen(QPoint zelle);

    EckenGitter &m_gitter;
    KantenRegeln m_regeln;
    std::vector<std::uint8_t> m_status;
    std::vector<QPoint> m_arbeit;
    std::size_t m_naechste = 0;
    struct Vorher
    {
        QPoint punkt;
        Gelaende gelaende;
    };
    std::vector<Vorher> m_vorher;   // first change of each point
};

// Makes a whole lattice obey the rules, for one that was made rather than
// painted (a generated map, a repair): nothing is kept.
void GitterReparieren(EckenGitter &gitter, KantenRegeln regeln);
