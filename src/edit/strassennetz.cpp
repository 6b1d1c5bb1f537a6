#include "strassennetz.h"

#include "wertrauschen.h"

#include <array>
#include <cstdlib>
#include <functional>
#include <limits>
#include <queue>
#include <utility>

namespace {

// Up, right, down, left: the side of the map a missing neighbour lies on.
constexpr std::array<QPoint, 4> kRichtungen = {{{0, -1}, {1, 0}, {0, 1}, {-1, 0}}};

struct Rand
{
    int zelle;
    int seite;
};

// A step onto open land costs a base plus a smooth surcharge, so that roads
// bend round gentle rises instead of running dead straight or zigzagging.
// Going along an existing road is cheaper than open land, so roads meet and
// share a stretch, but not so cheap that every new road hugs the first; a
// new road right beside one costs extra, and so does running along the
// map's edge.
constexpr int kSchritt = 8;
constexpr int kHuegel = 16;
constexpr int kAufStrasse = 5;
constexpr int kNebenStrasse = 24;
constexpr int kAmRand = 16;
constexpr int kVersuche = 32;

class Strassenbau
{
public:
    Strassenbau(const FeldRaster &raster, const std::vector<bool> &befahrbar, Zufallsquelle &zufall)
        : m_raster(raster), m_befahrbar(befahrbar), m_breite(raster.groesse().width()),
          m_huegel(WertRauschen(m_breite, raster.groesse().height(), 6, zufall)), m_strasse(befahrbar.size()),
          m_kosten(befahrbar.size()), m_vorher(befahrbar.size())
    {
    }

    std::vector<bool> &strasse() { return m_strasse; }
    bool offen(QPoint z) const { return m_raster.imRaster(z) && m_befahrbar[std::size_t(m_raster.index(z))]; }
    bool istFeld(QPoint z) const { return m_raster.ort(z).has_value(); }
    QPoint zelle(int index) const { return {index % m_breite, index / m_breite}; }

    // The cheapest way from `start` to a cell `amZiel` accepts, laid as road;
    // false when there is none. `erreicht` collects the cells looked at.
    template<typename AmZiel>
    bool legen(int start, AmZiel amZiel, std::vector<bool> &erreicht)
    {
        using Eintrag = std::pair<int, int>; // cost so far, cell
        std::fill(m_kosten.begin(), m_kosten.end(), std::numeric_limits<int>::max());
        std::priority_queue<Eintrag, std::vector<Eintrag>, std::greater<>> offenListe;
        m_kosten[std::size_t(start)] = 0;
        m_vorher[std::size_t(start)] = -1;
        offenListe.push({0, start});
        while (!offenListe.empty()) {
            const auto [k, index] = offenListe.top();
            offenListe.pop();
            if (k != m_kosten[std::size_t(index)])
                continue;
            erreicht[std::size_t(index)] = true;
            const QPoint z = zelle(index);
            if (amZiel(z)) {
                for (int i = index; i >= 0; i = m_vorher[std::size_t(i)])
                    m_strasse[std::size_t(i)] = true;
                return true;
            }
            for (QPoint d : kRichtungen) {
                const QPoint n = z + d;
                if (!offen(n))
                    continue;
                const int ni = m_raster.index(n);
                const int kosten = k + schritt(n);
                if (kosten < m_kosten[std::size_t(ni)]) {
                    m_kosten[std::size_t(ni)] = kosten;
                    m_vorher[std::size_t(ni)] = index;
                    offenListe.push({kosten, ni});
                }
            }
        }
        return false;
    }

private:
    int schritt(QPoint n) const
    {
        const auto i = std::size_t(m_raster.index(n));
        if (m_strasse[i])
            return kAufStrasse;
        int kosten = kSchritt + int(std::uint64_t(m_huegel[i]) * kHuegel / (std::uint64_t{65536} * 7));
        for (QPoint d : kRichtungen) {
            if (!istFeld(n + d))
                kosten += kAmRand;
            else if (m_strasse[std::size_t(m_raster.index(n + d))])
                kosten += kNebenStrasse;
        }
        return kosten;
    }

    const FeldRaster &m_raster;
    const std::vector<bool> &m_befahrbar;
    int m_breite;
    std::vector<std::uint32_t> m_huegel;
    std::vector<bool> m_strasse;
    std::vector<int> m_kosten;
    std::vector<int> m_vorher;
};

} // namespace

std::vector<bool> StrassenLegen(const FeldRaster &raster, const std::vector<bool> &befahrbar, int anzahl,
                                Zufallsquelle &zufall)
{
    const int breite = raster.groesse().width();
    const int hoehe = raster.groesse().height();
    if (breite <= 0 || hoehe <= 0)
        return std::vector<bool>(befahrbar.size());
    Strassenbau bau(raster, befahrbar, zufall);

    std::vector<Rand> raender;
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            for (int seite = 0; seite < 4; ++seite)
                if (bau.offen({x, y}) && !bau.istFeld(QPoint(x, y) + kRichtungen[std::size_t(seite)]))
                    raender.push_back({raster.index({x, y}), seite});
    // A road to a neighbouring edge must be worth the name, not cut a corner.
    const int kuerzesteAbkuerzung = std::min(breite, hoehe) / 3;

    // Land from which no road found another edge is not tried again.
    std::vector<bool> aussichtslos(befahrbar.size());
    std::vector<bool> erreicht(befahrbar.size());
    for (int r = 0; r < anzahl && !raender.empty(); ++r)
        for (int versuch = 0; versuch < kVersuche; ++versuch) {
            const Rand start = raender[zufall.unter(std::uint32_t(raender.size()))];
            if (aussichtslos[std::size_t(start.zelle)])
                continue;
            const QPoint von = bau.zelle(start.zelle);
            // Across to the opposite edge; where water bars the way, to
            // another edge.
            const auto gegenueber = [&](QPoint z) {
                return !bau.istFeld(z + kRichtungen[std::size_t((start.seite + 2) % 4)]);
            };
            const auto andererRand = [&](QPoint z) {
                if (std::abs(z.x() - von.x()) + std::abs(z.y() - von.y()) < kuerzesteAbkuerzung)
                    return false;
                for (int seite = 0; seite < 4; ++seite)
                    if (seite != start.seite && !bau.istFeld(z + kRichtungen[std::size_t(seite)]))
                        return true;
                return false;
            };
            std::fill(erreicht.begin(), erreicht.end(), false);
            if (bau.legen(start.zelle, gegenueber, erreicht) || bau.legen(start.zelle, andererRand, erreicht))
                break;
            for (std::size_t i = 0; i < erreicht.size(); ++i)
                if (erreicht[i])
                    aussichtslos[i] = true;
        }
    return std::move(bau.strasse());
}
