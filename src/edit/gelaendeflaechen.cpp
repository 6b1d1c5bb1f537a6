#include "gelaendeflaechen.h"

#include "kantenloeser.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace {

constexpr int kKleinsteFlaeche = 16; // quarter fields: four whole fields

constexpr std::array<QPoint, 4> kNachbarn = {{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};

// The lattice points by index (row by row) with the number of fields each is
// a corner of.
class Punkte
{
public:
    explicit Punkte(const EckenGitter &gitter)
        : m_breite(gitter.groesse().width()), m_felderAn(std::size_t(m_breite) * std::size_t(gitter.groesse().height()))
    {
        for (int i = 0; i < anzahl(); ++i)
            for (int ecke = 0; ecke < 4; ++ecke)
                m_felderAn[std::size_t(i)] += gitter.istFeld(punkt(i) - QPoint(ecke % 2, ecke / 2));
    }

    int anzahl() const { return int(m_felderAn.size()); }
    QPoint punkt(int index) const { return {index % m_breite, index / m_breite}; }
    int index(QPoint punkt) const { return punkt.y() * m_breite + punkt.x(); }
    int felderAn(int index) const { return m_felderAn[std::size_t(index)]; }

private:
    int m_breite;
    std::vector<std::uint8_t> m_felderAn;
};

// True when a field with this point as a corner is all `g`.
bool inGanzemFeld(const EckenGitter &gitter, QPoint p, Gelaende g)
{
    for (int ecke = 0; ecke < 4; ++ecke) {
        const QPoint zelle = p - QPoint(ecke % 2, ecke / 2);
        if (!gitter.istFeld(zelle))
            continue;
        const Ecken e = gitter.ecken(zelle);
        if (e.einheitlich() && e.ecke[0] == g)
            return true;
    }
    return false;
}

// Points of the terrain that are no corner of a whole field of it become
// meadow: no spits of shore without water behind them.
bool oeffnen(EckenGitter &gitter, const Punkte &punkte, Gelaende g)
{
    bool geaendert = false;
    for (int i = 0; i < punkte.anzahl(); ++i) {
        const QPoint p = punkte.punkt(i);
        if (gitter.gelaende(p) == g && !inGanzemFeld(gitter, p, g)) {
            gitter.setzen(p, Gelaende::Gras);
            geaendert = true;
        }
    }
    return geaendert;
}

// The terrain solver's rules over the whole lattice. Water wins saddles, and sand keeps a meadow field away from it.
// Every fault has a point of water or sand at its heart, so the solver
// starts from those only.
void reparieren(EckenGitter &gitter, const Punkte &punkte)
{
    KantenLoeser loeser(gitter, {Gelaende::Wasser, 3});
    for (int i = 0; i < punkte.anzahl(); ++i)
        if (gitter.gelaende(punkte.punkt(i)) != Gelaende::Gras)
            loeser.pruefen(punkte.punkt(i));
    loeser.loesen();
}

// Joined regions of points that are (or are not) of the terrain, each found
// once; `jede` gets the region's points.
template<typename Jede>
void gebiete(const EckenGitter &gitter, const Punkte &punkte, Gelaende g, bool vomGelaende, Jede jede)
{
    std::vector<bool> gesehen(std::size_t(punkte.anzahl()));
    const auto passt = [&](int i) {
        return !gesehen[std::size_t(i)] && punkte.felderAn(i) > 0
               && (gitter.gelaende(punkte.punkt(i)) == g) == vomGelaende;
    };
    std::vector<int> gebiet;
    for (int start = 0; start < punkte.anzahl(); ++start) {
        if (!passt(start))
            continue;
        gebiet.assign(1, start);
        gesehen[std::size_t(start)] = true;
        for (std::size_t k = 0; k < gebiet.size(); ++k)
            for (QPoint d : kNachbarn) {
                const QPoint n = punkte.punkt(gebiet[k]) + d;
                if (!gitter.imGitter(n) || !passt(punkte.index(n)))
                    continue;
                gesehen[std::size_t(punkte.index(n))] = true;
                gebiet.push_back(punkte.index(n));
            }
        jede(gebiet);
    }
}

int viertelVon(const Punkte &punkte, const std::vector<int> &gebiet)
{
    return std::accumulate(gebiet.begin(), gebiet.end(), 0, [&](int s, int i) { return s + punkte.felderAn(i); });
}

// Areas under four fields go; so do meadow holes under four fields that lie
// wholly inside the terrain (an island that small is a speck).
void kleineGebieteEntfernen(EckenGitter &gitter, const Punkte &punkte, Gelaende g, const std::vector<bool> &erlaubt)
{
    gebiete(gitter, punkte, g, true, [&](const std::vector<int> &gebiet) {
        if (viertelVon(punkte, gebiet) < kKleinsteFlaeche)
            for (int i : gebiet)
                gitter.setzen(punkte.punkt(i), Gelaende::Gras);
    });
    gebiete(gitter, punkte, g, false, [&](const std::vector<int> &gebiet) {
        if (viertelVon(punkte, gebiet) >= kKleinsteFlaeche)
            return;
        const bool umschlossen = std::all_of(gebiet.begin(), gebiet.end(), [&](int i) {
            const QPoint p = punkte.punkt(i);
            if (!erlaubt[std::size_t(i)] || gitter.gelaende(p) != Gelaende::Gras || punkte.felderAn(i) < 4)
                return false;
            return std::all_of(kNachbarn.begin(), kNachbarn.end(), [&](QPoint d) {
                return gitter.gelaende(p + d) == g
                       || std::find(gebiet.begin(), gebiet.end(), punkte.index(p + d)) != gebiet.end();
            });
        });
        if (umschlossen)
            for (int i : gebiet)
                gitter.setzen(punkte.punkt(i), g);
    });
}

void bereinigen(EckenGitter &gitter, const Punkte &punkte, Gelaende g, const std::vector<bool> &erlaubt)
{
    // A repaired lattice that opening leaves alone is done; usually the
    // first repair is the only one. The cap is a guard.
    constexpr int kRunden = 16;
    oeffnen(gitter, punkte, g);
    for (int runde = 0; runde < kRunden; ++runde) {
        reparieren(gitter, punkte);
        if (!oeffnen(gitter, punkte, g))
            break;
    }
    kleineGebieteEntfernen(gitter, punkte, g, erlaubt);
}

} // namespace

void FlaecheLegen(EckenGitter &gitter, Gelaende gelaende, const std::vector<std::uint32_t> &rauschen,
                  const std::vector<bool> &erlaubt, int viertel)
{
    if (viertel <= 0)
        return;
    const Punkte punkte(gitter);
    std::vector<int> reihe;
    for (int i = 0; i < punkte.anzahl(); ++i)
        if (erlaubt[std::size_t(i)] && punkte.felderAn(i) > 0 && gitter.gelaende(punkte.punkt(i)) == Gelaende::Gras)
            reihe.push_back(i);
    std::sort(reihe.begin(), reihe.end(), [&](int a, int b) {
        return rauschen[std::size_t(a)] != rauschen[std::size_t(b)] ? rauschen[std::size_t(a)] < rauschen[std::size_t(b)]
                                                                   : a < b;
    });
    const auto flaeche = [&](const EckenGitter &probe) {
        int v = 0;
        for (int i = 0; i < punkte.anzahl(); ++i)
            if (probe.gelaende(punkte.punkt(i)) == gelaende)
                v += punkte.felderAn(i);
        return v;
    };
    // The lowest `n` points, tidied; the area grows with `n` all but
    // monotonically, so a bisection finds the `n` nearest the wished area.
    const auto versuch = [&](std::size_t n) {
        EckenGitter probe = gitter;
        for (std::size_t k = 0; k < n; ++k)
            probe.setzen(punkte.punkt(reihe[k]), gelaende);
        bereinigen(probe, punkte, gelaende, erlaubt);
        return probe;
    };
    std::size_t unten = 0;
    std::size_t oben = reihe.size();
    while (unten < oben) {
        const std::size_t mitte = (unten + oben) / 2;
        if (flaeche(versuch(mitte)) < viertel)
            unten = mitte + 1;
        else
            oben = mitte;
    }
    EckenGitter bester = versuch(unten);
    if (unten > 0) {
        EckenGitter kleiner = versuch(unten - 1);
        if (viertel - flaeche(kleiner) < flaeche(bester) - viertel)
            bester = kleiner;
    }
    gitter = bester;
}
