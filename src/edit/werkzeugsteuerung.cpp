#include "werkzeugsteuerung.h"

#include "feldformen.h"
#include "kantenpinsel.h"
#include "kartendokument.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>

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
    : QObject(parent), m_dokument(dokument)
{
}

const TKarte &Werkzeugsteuerung::karte() const
{
    return m_dokument.karte();
}

void Werkzeugsteuerung::setWerkzeug(Werkzeug werkzeug)
{
    if (werkzeug == m_werkzeug)
        return;
    m_gedrueckt = false;
    rahmenSetzen({}, false);
    m_werkzeug = werkzeug;
    emit werkzeugGewechselt(werkzeug);
}

void Werkzeugsteuerung::setKantenAutomatisch(bool an)
{
    m_kanten = an;
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
    m_gedrueckt = true;
    m_anfang = m_letzte = zelle;
    switch (m_werkzeug) {
    case Werkzeug::Pinsel:
        // Press, moves and release are one step of the history.
        m_dokument.strichBeginnen();
        malen({zelle}, KartenDokument::malenText());
        if (raster.ort(zelle))
            emit gemalt();
        break;
    case Werkzeug::Fuellen: {
        m_gedrueckt = false;
        FeldEntwurf entwurf(karte());
        const std::vector<QPoint> bereich = FuellFlaeche(entwurf, raster, zelle, m_feldtyp, m_kanten);
        if (bereich.empty())
            break;
        FlaecheMalen(entwurf, raster, bereich, m_feldtyp, m_kanten);
        schrittMelden(entwurf, QStringLiteral("Füllen"));
        emit gemalt();
        break;
    }
    case Werkzeug::Rechteck:
        rahmenSetzen(ZellRechteck(zelle, zelle), false);
        rechteckVorschau();
        break;
    case Werkzeug::Auswahl:
        rahmenSetzen(ZellRechteck(zelle, zelle), false);
        break;
    }
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
    if (m_werkzeug == Werkzeug::Pinsel) {
        malen(FeldLinie(m_letzte, zelle), KartenDokument::malenText());
    } else {
        rahmenSetzen(ZellRechteck(m_anfang, zelle), false);
        if (m_werkzeug == Werkzeug::Rechteck)
            rechteckVorschau();
    }
    m_letzte = zelle;
}

void Werkzeugsteuerung::loslassen(QPoint kartenPixel)
{
    if (!m_gedrueckt)
        return;
    bewegen(kartenPixel, m_feldtyp);
    m_gedrueckt = false;
    if (m_werkzeug == Werkzeug::Pinsel) {
        m_dokument.strichBeenden();
    } else if (m_werkzeug == Werkzeug::Rechteck) {
        const FeldRaster raster(karte());
        FeldEntwurf entwurf(karte());
        const std::vector<QPoint> zellen = RechteckZellen(raster, m_rahmen);
        rahmenSetzen({}, false);
        vorschauSetzen({});
        FlaecheMalen(entwurf, raster, zellen, m_feldtyp, m_kanten);
        schrittMelden(entwurf, QStringLiteral("Rechteck"));
        if (std::any_of(zellen.begin(), zellen.end(), [&](QPoint z) { return raster.ort(z).has_value(); }))
            emit gemalt();
    } else if (m_werkzeug == Werkzeug::Auswahl) {
        rahmenSetzen(m_rahmen, true);
    }
}

void Werkzeugsteuerung::verlassen()
{
    m_zeiger.reset();
    if (!m_gedrueckt)
        vorschauSetzen({});
}

void Werkzeugsteuerung::pipette(QPoint kartenPixel)
{
    const auto ort = FeldRaster(karte()).ort(FeldRaster(karte()).zelleBei(kartenPixel));
    if (ort)
        emit feldtypGewaehlt(karte().Felder[ort->seite][ort->feld]);
}

void Werkzeugsteuerung::kopieren()
{
    if (!hatAuswahl())
        return;
    const FeldEntwurf entwurf(karte());
    QGuiApplication::clipboard()->setMimeData(StueckAlsMime(StueckKopieren(entwurf, FeldRaster(karte()), auswahl())));
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
    m_stueck = StueckAusMime(QGuiApplication::clipboard()->mimeData());
    if (!m_stueck)
        return false;
    m_gedrueckt = false;
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
        m_gedrueckt = false;
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
    if (m_werkzeug == Werkzeug::Pinsel) {
        m_dokument.strichBeenden();
    } else {
        rahmenSetzen({}, false);
        vorschauSetzen({});
    }
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
    FelderMalen(entwurf, FeldRaster(karte()), zellen, m_feldtyp, m_kanten);
    schrittMelden(entwurf, befehl);
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
    } else if (m_werkzeug != Werkzeug::Auswahl && raster.ort(zelle)) {
        // The painted field shows even where it keeps its code; with the
        // edge brush every field the solver changes shows too.
        FeldEntwurf entwurf(karte());
        std::vector<QPoint> zellen{zelle};
        if (m_werkzeug == Werkzeug::Fuellen) {
            zellen = FuellFlaeche(entwurf, raster, zelle, m_feldtyp, m_kanten);
            if (zellen.size() > kFuellVorschauFelder) {
                vorschauSetzen({});
                emit hinweis(QStringLiteral("Füllen: %1 Felder – zu viele für die Vorschau").arg(zellen.size()));
                return;
            }
            FlaecheMalen(entwurf, raster, zellen, m_feldtyp, m_kanten);
        } else {
            vorschau.push_back({raster.pixel(zelle), m_feldtyp});
            FelderMalen(entwurf, raster, zellen, m_feldtyp, m_kanten);
        }
        for (const FeldCode &feld : entwurf.aenderungen()) {
            const QPoint z = raster.zelle({feld.seite, feld.feld});
            if (m_werkzeug == Werkzeug::Fuellen || z != zelle)
                vorschau.push_back({raster.pixel(z), feld.code});
        }
    }
    vorschauSetzen(std::move(vorschau));
}

void Werkzeugsteuerung::rechteckVorschau()
{
    const FeldRaster raster(karte());
    FeldEntwurf entwurf(karte());
    FlaecheMalen(entwurf, raster, RechteckZellen(raster, m_rahmen), m_feldtyp, m_kanten);
    std::vector<VorschauFeld> vorschau;
    for (const FeldCode &feld : entwurf.aenderungen())
        vorschau.push_back({raster.pixel(raster.zelle({feld.seite, feld.feld})), feld.code});
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
    const bool warAuswahl = m_rahmen.isValid();
    m_rahmen = zellen & QRect(QPoint(0, 0), FeldRaster(karte()).groesse());
    m_auswahlFertig = fertig && m_rahmen.isValid();
    const QRect bereich = vorher | rahmenBereich();
    if (bereich.isValid())
        emit ueberlagerungGeaendert(bereich);
    if (m_werkzeug == Werkzeug::Auswahl && (warAuswahl || m_rahmen.isValid()))
        emit auswahlGroesse(m_rahmen.isValid() ? m_rahmen.size() : QSize());
}
