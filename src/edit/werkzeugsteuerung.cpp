#include "werkzeugsteuerung.h"

#include "feldformen.h"
#include "feldvarianten.h"
#include "kantenpinsel.h"
#include "kartendokument.h"
#include "werkzeugliste.h"
#include "zwischenablage.h"

#include <QRandomGenerator>

namespace {

QRect umfang(const std::vector<VorschauFeld> &felder)
{
    QRect bereich;
    for (const VorschauFeld &feld : felder)
        bereich |= feld.pixel;
    return bereich;
}

} // namespace

Werkzeugsteuerung::Werkzeugsteuerung(KartenDokument &dokument, QObject *parent)
    : QObject(parent), m_dokument(dokument), m_werkzeuge(WerkzeugeAnlegen()), m_werkzeug(m_werkzeuge.front().get()),
      m_saat(QRandomGenerator::global()->generate64())
{
}

Werkzeugsteuerung::~Werkzeugsteuerung() = default;

const TKarte &Werkzeugsteuerung::karte() const
{
    return m_dokument.karte();
}

void Werkzeugsteuerung::setWerkzeug(std::size_t index)
{
    if (index >= m_werkzeuge.size() || m_werkzeuge[index].get() == m_werkzeug)
        return;
    druckBeenden();
    rahmenSetzen({}, false);
    m_werkzeug = m_werkzeuge[index].get();
    emit werkzeugGewechselt(index);
}

void Werkzeugsteuerung::setKantenAutomatisch(bool an)
{
    m_kanten = an;
}

void Werkzeugsteuerung::setZufall(bool an)
{
    m_zufall = an;
}

void Werkzeugsteuerung::druecken(QPoint kartenPixel, std::uint8_t code)
{
    const FeldRaster raster(karte());
    const QPoint zelle = raster.zelleBei(kartenPixel);
    m_feldtyp = code;
    m_zeiger = kartenPixel;
    vorschauSetzen({});
    if (m_stueck) {
        FeldEntwurf entwurf(karte());
        StueckEinfuegen(entwurf, raster, *m_stueck, zelle);
        m_stueck.reset();
        schrittMelden(entwurf, QStringLiteral("Einfügen"));
        return;
    }
    m_anfang = m_letzte = zelle;
    m_gedrueckt = m_werkzeug->druecken(*this, zelle);
    if (!m_gedrueckt)
        druckZuEnde();
}

// The next press draws other variants.
void Werkzeugsteuerung::druckZuEnde()
{
    m_saat = Zufallsquelle(m_saat).naechste();
}

void Werkzeugsteuerung::bewegen(QPoint kartenPixel, std::uint8_t code)
{
    const FeldRaster raster(karte());
    const QPoint zelle = raster.zelleBei(kartenPixel);
    m_zeiger = kartenPixel;
    if (!m_gedrueckt) {
        m_feldtyp = code;
        if (raster.amSeitenrand(kartenPixel))
            vorschauSetzen({});
        else
            hoverZeigen(zelle);
        return;
    }
    if (raster.amSeitenrand(kartenPixel))
        return;
    if (zelle == m_letzte)
        return;
    m_werkzeug->ziehen(*this, m_letzte, zelle);
    m_letzte = zelle;
}

void Werkzeugsteuerung::loslassen(QPoint kartenPixel)
{
    if (!m_gedrueckt)
        return;
    bewegen(kartenPixel, m_feldtyp);
    m_gedrueckt = false;
    m_werkzeug->loslassen(*this);
    druckZuEnde();
}

void Werkzeugsteuerung::verlassen()
{
    m_zeiger.reset();
    if (!m_gedrueckt)
        vorschauSetzen({});
}

void Werkzeugsteuerung::pipette(QPoint kartenPixel)
{
    feldAufnehmen(FeldRaster(karte()).zelleBei(kartenPixel));
}

void Werkzeugsteuerung::feldAufnehmen(QPoint zelle)
{
    if (const auto ort = FeldRaster(karte()).ort(zelle))
        emit feldtypGewaehlt(karte().Felder[ort->seite][ort->feld]);
}

void Werkzeugsteuerung::kopieren()
{
    if (hatAuswahl())
        Zwischenablage::ablegen(StueckKopieren(FeldEntwurf(karte()), FeldRaster(karte()), auswahl()));
}

void Werkzeugsteuerung::ausschneiden()
{
    if (!hatAuswahl())
        return;
    kopieren();
    const FeldRaster raster(karte());
    FeldEntwurf entwurf(karte());
    FelderMalen(entwurf, raster, RechteckZellen(raster, auswahl()), 1, false);
    schrittMelden(entwurf, QStringLiteral("Ausschneiden"));
}

void Werkzeugsteuerung::loeschen()
{
    if (!hatAuswahl())
        return;
    const FeldRaster raster(karte());
    FeldEntwurf entwurf(karte());
    FelderMalen(entwurf, raster, RechteckZellen(raster, auswahl()), 1, false);
    schrittMelden(entwurf, QStringLiteral("Löschen"));
}

bool Werkzeugsteuerung::einfuegen()
{
    m_stueck = Zwischenablage::stueck();
    if (!m_stueck)
        return false;
    druckBeenden();
    if (m_zeiger)
        hoverZeigen(FeldRaster(karte()).zelleBei(*m_zeiger));
    return true;
}

bool Werkzeugsteuerung::abbrechen()
{
    if (m_stueck) {
        m_stueck.reset();
        vorschauSetzen({});
        return true;
    }
    if (m_rahmen.isValid()) {
        druckBeenden();
        rahmenSetzen({}, false);
        vorschauSetzen({});
        return true;
    }
    return false;
}

void Werkzeugsteuerung::druckBeenden()
{
    if (!m_gedrueckt)
        return;
    m_gedrueckt = false;
    m_werkzeug->abbrechen(*this);
    druckZuEnde();
}

void Werkzeugsteuerung::zuruecksetzen()
{
    druckBeenden();
    m_stueck.reset();
    m_zeiger.reset();
    vorschauSetzen({});
    rahmenSetzen({}, false);
}

QRect Werkzeugsteuerung::rahmenPixel() const
{
    if (!m_rahmen.isValid())
        return {};
    const FeldRaster raster(karte());
    return raster.pixel(m_rahmen.topLeft()) | raster.pixel(m_rahmen.bottomRight());
}

void Werkzeugsteuerung::schrittMelden(const FeldEntwurf &entwurf, const QString &befehl)
{
    m_dokument.felderSetzen(befehl, entwurf.aenderungen());
}

void Werkzeugsteuerung::malen(const std::vector<QPoint> &zellen, const QString &befehl)
{
    FeldEntwurf entwurf(karte());
    pinselMalen(entwurf, zellen);
    schrittMelden(entwurf, befehl);
}

void Werkzeugsteuerung::pinselMalen(FeldEntwurf &entwurf, std::span<const QPoint> zellen) const
{
    FelderMalen(entwurf, FeldRaster(karte()), zellen, m_feldtyp, m_kanten);
    variantenStreuen(entwurf, zellen);
}

void Werkzeugsteuerung::flaecheMalen(FeldEntwurf &entwurf, std::span<const QPoint> zellen) const
{
    FlaecheMalen(entwurf, FeldRaster(karte()), zellen, m_feldtyp, m_kanten);
    variantenStreuen(entwurf, zellen);
}

// Only the painted fields that show the current tile: the borders the edge
// brush lays around them keep their tiles.
void Werkzeugsteuerung::variantenStreuen(FeldEntwurf &entwurf, std::span<const QPoint> zellen) const
{
    if (!m_zufall)
        return;
    const std::optional<FeldFamilie> familie = FamilieVon(m_feldtyp);
    if (!familie)
        return;
    const FeldRaster raster(karte());
    for (const QPoint zelle : zellen) {
        const std::optional<FeldOrt> ort = raster.ort(zelle);
        if (ort && entwurf.code(*ort) == m_feldtyp)
            entwurf.setzen(*ort, VarianteFuerFeld(*familie, m_saat, ort->seite, ort->feld));
    }
}

void Werkzeugsteuerung::hoverZeigen(QPoint zelle)
{
    const FeldRaster raster(karte());
    std::vector<VorschauFeld> vorschau;
    if (m_stueck) {
        for (int y = 0; y < m_stueck->groesse.height(); ++y)
            for (int x = 0; x < m_stueck->groesse.width(); ++x) {
                const QPoint ziel = zelle + QPoint(x, y);
                const std::int16_t code = m_stueck->code({x, y});
                if (code >= 0 && raster.ort(ziel))
                    vorschau.push_back({raster.pixel(ziel), std::uint8_t(code)});
            }
    } else if (raster.ort(zelle)) {
        vorschau = m_werkzeug->vorschau(*this, zelle);
    }
    vorschauSetzen(std::move(vorschau));
}

void Werkzeugsteuerung::vorschauSetzen(std::vector<VorschauFeld> vorschau)
{
    const QRect bereich = umfang(m_vorschau) | umfang(vorschau);
    m_vorschau = std::move(vorschau);
    if (bereich.isValid())
        emit ueberlagerungGeaendert(bereich);
}

QRect Werkzeugsteuerung::rahmenBereich() const
{
    // The outline's pen reaches a pixel beyond the cells.
    const QRect pixel = rahmenPixel();
    return pixel.isValid() ? pixel.adjusted(-2, -2, 2, 2) : QRect();
}

void Werkzeugsteuerung::rahmenSetzen(QRect zellen, bool fertig)
{
    const QRect vorher = rahmenBereich();
    const bool warDa = m_rahmen.isValid();
    m_rahmen = zellen & QRect(QPoint(0, 0), FeldRaster(karte()).groesse());
    m_auswahlFertig = fertig && m_rahmen.isValid();
    const QRect bereich = vorher | rahmenBereich();
    if (bereich.isValid())
        emit ueberlagerungGeaendert(bereich);
    if (rahmenIstAuswahl() && (warDa || m_rahmen.isValid()))
        emit auswahlGroesse(m_rahmen.isValid() ? m_rahmen.size() : QSize());
}
