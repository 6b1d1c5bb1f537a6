#include "feldraster.h"

#include "seitenanordnung.h"

namespace {

// Floor division, so that pixels left of or above the map get cells below 0.
int abgerundet(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

FeldRaster::FeldRaster(const TKarte &karte)
{
    m_feldGroesse = karte.FeldGroesse;
    m_breite = karte.SeitenBreite;
    m_hoehe = karte.SeitenHoehe;
    m_spalten = Spalten(karte);
    m_felder = std::min(karte.AnzahlFelder, MaxFelder);
    const int sichtbar = SichtbareSeiten(karte);
    if (m_spalten <= 0 || m_felder <= 0 || m_hoehe <= 0 || sichtbar <= 0)
        return;
    // A row only partly on the page still shows its fields.
    const int sichtbareZeilen = (m_hoehe + m_feldGroesse - 1) / m_feldGroesse;
    const int belegteZeilen = (m_felder + m_spalten - 1) / m_spalten;
    m_zeilen = std::min(sichtbareZeilen, belegteZeilen);
    m_schrittX = m_spalten + (m_spalten * m_feldGroesse < m_breite ? 1 : 0);
    m_schrittY = m_zeilen + (m_zeilen < sichtbareZeilen ? 1 : 0);
    QPoint ecke;
    for (int seite = 1; seite <= sichtbar; ++seite) {
        const QPoint z = SeitenZelle(seite);
        m_seiteBei[z.y()][z.x()] = std::uint8_t(seite);
        ecke.rx() = std::max(ecke.x(), z.x() + 1);
        ecke.ry() = std::max(ecke.y(), z.y() + 1);
    }
    m_groesse = QSize(ecke.x() * m_schrittX, ecke.y() * m_schrittY);
}

std::optional<FeldOrt> FeldRaster::ort(QPoint zelle) const
{
    if (!imRaster(zelle))
        return std::nullopt;
    const int seite = m_seiteBei[zelle.y() / m_schrittY][zelle.x() / m_schrittX];
    const int spalte = zelle.x() % m_schrittX;
    const int zeile = zelle.y() % m_schrittY;
    if (seite == 0 || spalte >= m_spalten || zeile >= m_zeilen)
        return std::nullopt;
    const int feld = zeile * m_spalten + spalte + 1;
    if (feld > m_felder)
        return std::nullopt;
    return FeldOrt{std::uint8_t(seite), feld};
}

QPoint FeldRaster::zelle(FeldOrt ort) const
{
    const QPoint seite = SeitenZelle(ort.seite);
    const int spalte = (ort.feld - 1) % std::max(m_spalten, 1);
    const int zeile = (ort.feld - 1) / std::max(m_spalten, 1);
    return {seite.x() * m_schrittX + spalte, seite.y() * m_schrittY + zeile};
}

QPoint FeldRaster::zelleBei(QPoint kartenPixel) const
{
    if (m_feldGroesse == 0 || m_breite <= 0 || m_hoehe <= 0)
        return {-1, -1};
    const int seiteX = abgerundet(kartenPixel.x(), m_breite);
    const int seiteY = abgerundet(kartenPixel.y(), m_hoehe);
    // Pixels in the strip right of the last column fall into the gap.
    const int spalte = std::min((kartenPixel.x() - seiteX * m_breite) / m_feldGroesse, m_schrittX - 1);
    const int zeile = std::min((kartenPixel.y() - seiteY * m_hoehe) / m_feldGroesse, m_schrittY - 1);
    return {seiteX * m_schrittX + spalte, seiteY * m_schrittY + zeile};
}

bool FeldRaster::amSeitenrand(QPoint kartenPixel) const
{
    if (m_breite <= 0 || m_hoehe <= 0)
        return false;
    return kartenPixel.x() == abgerundet(kartenPixel.x(), m_breite) * m_breite
           || kartenPixel.y() == abgerundet(kartenPixel.y(), m_hoehe) * m_hoehe;
}

QRect FeldRaster::pixel(QPoint zelle) const
{
    const int seiteX = abgerundet(zelle.x(), m_schrittX);
    const int seiteY = abgerundet(zelle.y(), m_schrittY);
    return QRect(seiteX * m_breite + (zelle.x() - seiteX * m_schrittX) * m_feldGroesse,
                 seiteY * m_hoehe + (zelle.y() - seiteY * m_schrittY) * m_feldGroesse, m_feldGroesse, m_feldGroesse);
}
