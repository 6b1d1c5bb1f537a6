#include "kantenloeser.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr QPoint eckPunkt(int ecke)
{
    return {ecke % 2, ecke / 2};
}

bool gegensatz(Gelaende a, Gelaende b)
{
    return (a == Gelaende::Wasser && b == Gelaende::Sand) || (a == Gelaende::Sand && b == Gelaende::Wasser);
}

} // namespace

KantenLoeser::KantenLoeser(EckenGitter &gitter, KantenRegeln regeln)
    : m_gitter(gitter), m_regeln(regeln),
      m_status(static_cast<std::size_t>(gitter.groesse().width()) * gitter.groesse().height())
{
}

void KantenLoeser::festlegen(QPoint punkt, Gelaende gelaende)
{
    if (!m_gitter.imGitter(punkt))
        return;
    const Gelaende alt = m_gitter.gelaende(punkt);
    m_status[index(punkt)] |= kFest;
    if (alt == gelaende)
        return;
    setzen(punkt, gelaende);
}

void KantenLoeser::festhalten(QPoint punkt)
{
    if (m_gitter.imGitter(punkt))
        m_status[index(punkt)] |= kFest;
}

void KantenLoeser::pruefen(QPoint punkt)
{
    if (m_gitter.imGitter(punkt))
        vormerken(punkt);
}

void KantenLoeser::vormerken(QPoint punkt)
{
    std::uint8_t &status = m_status[index(punkt)];
    if (status & kVorgemerkt)
        return;
    status |= kVorgemerkt;
    m_arbeit.push_back(punkt);
}

void KantenLoeser::loesen()
{
    // First in, first out: the region grows ring by ring from the change.
    while (m_naechste < m_arbeit.size()) {
        const QPoint punkt = m_arbeit[m_naechste++];
        m_status[index(punkt)] &= ~kVorgemerkt;
        abstandHalten(punkt);
        for (int ecke = 0; ecke < 4; ++ecke)
            sattelSchliessen(punkt - eckPunkt(ecke));
        if (m_naechste > 4096 && m_naechste * 2 > m_arbeit.size()) {
            m_arbeit.erase(m_arbeit.begin(), m_arbeit.begin() + std::ptrdiff_t(m_naechste));
            m_naechste = 0;
        }
    }
    m_arbeit.clear();
    m_naechste = 0;
}

std::vector<QPoint> KantenLoeser::geaendert() const
{
    std::vector<QPoint> punkte;
    for (const Vorher &vorher : m_vorher)
        if (m_gitter.gelaende(vorher.punkt) != vorher.gelaende)
            punkte.push_back(vorher.punkt);
    return punkte;
}

bool KantenLoeser::aendern(QPoint punkt, Gelaende gelaende)
{
    std::uint8_t &status = m_status[index(punkt)];
    if ((status & kFest) || (status & kWechsel) >= kMaxWechsel)
        return false;
    const Gelaende alt = m_gitter.gelaende(punkt);
    if (alt == gelaende)
        return true;
    ++status;
    setzen(punkt, gelaende);
    return true;
}

void KantenLoeser::setzen(QPoint punkt, Gelaende gelaende)
{
    std::uint8_t &status = m_status[index(punkt)];
    if (!(status & kErfasst)) {
        status |= kErfasst;
        m_vorher.push_back({punkt, m_gitter.gelaende(punkt)});
    }
    m_gitter.setzen(punkt, gelaende);
    vormerken(punkt);
}

void KantenLoeser::abstandHalten(QPoint punkt)
{
    const Gelaende hier = m_gitter.gelaende(punkt);
    if (hier == Gelaende::Gras)
        return;
    const int r = m_regeln.trennung - 1;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
            const QPoint dort = punkt + QPoint(dx, dy);
            if (!m_gitter.imGitter(dort) || !gegensatz(hier, m_gitter.gelaende(dort)))
                continue;
            // The one that is not the winning terrain gives way; with Gras
            // winning, Sand does. A kept point makes the other give way.
            const Gelaende weicher = m_regeln.vorrang == Gelaende::Wasser || m_regeln.vorrang == Gelaende::Gras
                                         ? Gelaende::Sand
                                         : Gelaende::Wasser;
            QPoint erst = hier == weicher ? punkt : dort;
            QPoint dann = erst == punkt ? dort : punkt;
            if (!aendern(erst, Gelaende::Gras) && !aendern(dann, Gelaende::Gras))
                continue;
            if (m_gitter.gelaende(punkt) == Gelaende::Gras)
                return;
        }
}

void KantenLoeser::sattelSchliessen(QPoint zelle)
{
    if (!m_gitter.istFeld(zelle))
        return;
    const Ecken e = m_gitter.ecken(zelle);
    if (e.ecke[0] != e.ecke[3] || e.ecke[1] != e.ecke[2] || e.ecke[0] == e.ecke[1])
        return;
    // Diagonal 0-3 against 1-2; a saddle of Wasser and Sand is a distance
    // fault and is settled there.
    const Gelaende a = e.ecke[0];
    const Gelaende b = e.ecke[1];
    bool aGewinnt = false;
    if (a == m_regeln.vorrang || b == m_regeln.vorrang)
        aGewinnt = a == m_regeln.vorrang;
    else if (a == Gelaende::Gras || b == Gelaende::Gras)
        aGewinnt = a == Gelaende::Gras;
    else
        return;
    const QPoint diagonaleA[] = {zelle, zelle + QPoint(1, 1)};
    const QPoint diagonaleB[] = {zelle + QPoint(1, 0), zelle + QPoint(0, 1)};
    const auto frei = [&](const QPoint(&paar)[2]) { return !fest(paar[0]) && !fest(paar[1]); };
    // Kept corners on the losing side turn the saddle the other way.
    const bool aFrei = frei(diagonaleA);
    const bool bFrei = frei(diagonaleB);
    if (aGewinnt ? !bFrei && aFrei : !aFrei && bFrei)
        aGewinnt = !aGewinnt;
    const Gelaende sieger = aGewinnt ? a : b;
    for (QPoint punkt : aGewinnt ? diagonaleB : diagonaleA)
        aendern(punkt, sieger);
}

void GitterReparieren(EckenGitter &gitter, KantenRegeln regeln)
{
    KantenLoeser loeser(gitter, regeln);
    for (int y = 0; y < gitter.groesse().height(); ++y)
        for (int x = 0; x < gitter.groesse().width(); ++x)
            loeser.pruefen({x, y});
    loeser.loesen();
}
