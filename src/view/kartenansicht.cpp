#include "kartenansicht.h"

#include "kantenfehlerrahmen.h"

#include "kartendokument.h"
#include "raster.h"
#include "flaechenanordnen.h"
#include "seitezeichnen.h"
#include "ueberlagerung.h"
#include "werkzeugsteuerung.h"

#include <QScrollBar>
#include <QWheelEvent>

KartenAnsicht::KartenAnsicht(KartenDokument &dokument, Werkzeugsteuerung &werkzeuge, const std::uint8_t &feldtyp,
                             QWidget *parent)
    : QScrollArea(parent), m_dokument(dokument), m_werkzeuge(werkzeuge), m_feldtyp(feldtyp)
{
    setObjectName(QStringLiteral("ScrollBox1"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    auto *seiten = new QWidget;
    seiten->setObjectName(QStringLiteral("Seiten"));
    for (int i = 0; i < int(PaintBoxen.size()); ++i) {
        PaintBoxen[i] = new TSeitenFlaeche(i + 1, *this, seiten);
        // Pages appear once they are laid out for a map.
        PaintBoxen[i]->hide();
    }
    setWidget(seiten);

    connect(&dokument, &KartenDokument::anordnungGeaendert, this, &KartenAnsicht::seitenAnordnen);
    connect(&dokument, &KartenDokument::felderGeaendert, this, &KartenAnsicht::felderNeuZeichnen);
    // Another map or size may leave no page where the pointer was.
    connect(&dokument, &KartenDokument::anordnungGeaendert, this, &KartenAnsicht::zeigerVerlassen);
    connect(&werkzeuge, &Werkzeugsteuerung::ueberlagerungGeaendert, this, &KartenAnsicht::kartenBereichNeuZeichnen);
    for (QScrollBar *leiste : {horizontalScrollBar(), verticalScrollBar()}) {
        connect(leiste, &QScrollBar::valueChanged, this, &KartenAnsicht::sichtMelden);
        connect(leiste, &QScrollBar::rangeChanged, this, &KartenAnsicht::sichtMelden);
    }
    if (dokument.karte().AnzahlSeiten > 0)
        seitenAnordnen();
}

void KartenAnsicht::seitenAnordnen()
{
    SeitenAnordnen(m_dokument.karte(), PaintBoxen, *widget(), m_zoom);
    neuZeichnen();
    sichtMelden();
}

// The page surfaces paint every pixel themselves, so Qt leaves them out when
// only their container is invalidated; each is asked to repaint.
void KartenAnsicht::neuZeichnen()
{
    for (TSeitenFlaeche *flaeche : PaintBoxen)
        flaeche->update();
}

void KartenAnsicht::setRaster(bool an)
{
    m_raster = an;
    neuZeichnen();
}

void KartenAnsicht::setKantenFehler(std::vector<FeldOrt> fehler)
{
    if (fehler == m_kantenFehler)
        return;
    m_kantenFehler = std::move(fehler);
    neuZeichnen();
}

void KartenAnsicht::zoomSetzen(int prozent, QPoint anker)
{
    prozent = std::clamp(prozent, ZoomStufen.front(), ZoomStufen.back());
    if (prozent == m_zoom.prozent)
        return;
    const QPoint kartenPunkt = m_zoom.aufKarte(anker - widget()->pos());
    m_zoom.prozent = prozent;
    seitenAnordnen();
    const QPoint neu = m_zoom.aufFlaeche(kartenPunkt) - anker;
    horizontalScrollBar()->setValue(neu.x());
    verticalScrollBar()->setValue(neu.y());
    emit zoomGeaendert(prozent);
}

void KartenAnsicht::vergroessern()
{
    zoomSetzen(NaechsteZoomStufe(m_zoom.prozent, true), viewport()->rect().center());
}

void KartenAnsicht::verkleinern()
{
    zoomSetzen(NaechsteZoomStufe(m_zoom.prozent, false), viewport()->rect().center());
}

void KartenAnsicht::originalgroesse()
{
    zoomSetzen(100, viewport()->rect().center());
}

// Measured without scroll bars: a map that fits needs none.
void KartenAnsicht::ganzeKarte()
{
    zoomSetzen(PassenderZoom(KartenUmfang(m_dokument.karte()), maximumViewportSize()), {});
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

QRect KartenAnsicht::sichtbarerTeil() const
{
    const QPoint versatz(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QRect sicht = viewport()->rect().translated(versatz);
    const QRect karte(QPoint(0, 0), KartenUmfang(m_dokument.karte()));
    // From the first map pixel that begins at or after the visible part's
    // edge to the last that begins inside it.
    const QPoint anfang = m_zoom.aufKarte(sicht.topLeft() - QPoint(1, 1)) + QPoint(1, 1);
    return QRect(anfang, m_zoom.aufKarte(sicht.bottomRight())) & karte;
}

void KartenAnsicht::mitteZeigen(QPoint kartenPunkt)
{
    const QPoint links = m_zoom.aufFlaeche(kartenPunkt) - viewport()->rect().center();
    horizontalScrollBar()->setValue(links.x());
    verticalScrollBar()->setValue(links.y());
}

void KartenAnsicht::sichtMelden()
{
    emit sichtGeaendert(sichtbarerTeil());
}

// Pages scrolled out of sight do not count.
std::optional<KartenAnsicht::Treffer> KartenAnsicht::seiteBei(QPoint sichtPunkt) const
{
    if (!viewport()->rect().contains(sichtPunkt))
        return std::nullopt;
    const QPoint punkt = widget()->mapFrom(viewport(), sichtPunkt);
    auto *unter = qobject_cast<TSeitenFlaeche *>(widget()->childAt(punkt));
    if (!unter)
        return std::nullopt;
    return Treffer{unter->seite(), unter->seitenPunkt(unter->mapFrom(widget(), punkt))};
}

// Ctrl and the wheel zoom about the pointer, a step per notch; the wheel
// alone scrolls as usual. The pages pass their wheel events up to here.
void KartenAnsicht::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QScrollArea::wheelEvent(event);
        return;
    }
    m_zoomRad += event->angleDelta().y();
    while (std::abs(m_zoomRad) >= QWheelEvent::DefaultDeltasPerStep) {
        const bool groesser = m_zoomRad > 0;
        m_zoomRad += groesser ? -QWheelEvent::DefaultDeltasPerStep : QWheelEvent::DefaultDeltasPerStep;
        zoomSetzen(NaechsteZoomStufe(m_zoom.prozent, groesser), event->position().toPoint());
    }
    event->accept();
}

// Scroll bars that come or go after a layout resize the visible part
// without moving either bar.
bool KartenAnsicht::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Resize)
        sichtMelden();
    return QScrollArea::viewportEvent(event);
}

bool KartenAnsicht::inSeite(QPoint seitenPunkt) const
{
    const TKarte &karte = m_dokument.karte();
    return seitenPunkt.x() > 0 && seitenPunkt.x() < karte.SeitenBreite && seitenPunkt.y() > 0
           && seitenPunkt.y() < karte.SeitenHoehe;
}

void KartenAnsicht::PaintBox1Paint(TSeitenFlaeche &sender, QPainter &flaeche, const QRect &bereich)
{
    AktuelleSeite = sender.seite();
    const TKarte &karte = m_dokument.karte();
    SeiteZeichnen(karte, AktuelleSeite, flaeche, bereich, sender.abbildung(), m_feldBilder);
    UeberlagerungZeichnen(karte, m_werkzeuge, sender, flaeche, bereich, m_feldBilder);
    RasterZeichnen(karte, sender.abbildung(), flaeche, bereich, m_raster);
    KantenFehlerZeichnen(karte, sender, flaeche, bereich, m_kantenFehler);
}

// The handlers get positions on the surface; the page pixel under them is
// what the map sees, whatever the zoom.
void KartenAnsicht::PaintBox1MouseDown(TSeitenFlaeche &sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                       QPoint pos)
{
    AktuelleSeite = sender.seite();
    if (!inSeite(sender.seitenPunkt(pos)))
        return;
    if (button == Qt::RightButton) {
        emit seitenMenueAngefordert(sender.mapToGlobal(pos));
        return;
    }
    if (button == Qt::MiddleButton || (button == Qt::LeftButton && shift.testFlag(Qt::AltModifier))) {
        m_werkzeuge.pipette(sender.kartenPunkt(pos));
        return;
    }
    if (button != Qt::LeftButton)
        return;
    MalenAktiv = true;
    m_werkzeuge.druecken(sender.kartenPunkt(pos), m_feldtyp);
    zeigerZeigen(sender, pos);
}

// The pressed surface keeps the pointer: positions beyond it lie on the
// pages beside, where the stroke goes on.
void KartenAnsicht::PaintBox1MouseMove(TSeitenFlaeche &sender, QPoint pos)
{
    AktuelleSeite = sender.seite();
    m_werkzeuge.bewegen(sender.kartenPunkt(pos), m_feldtyp);
    zeigerZeigen(sender, pos);
}

void KartenAnsicht::PaintBox1MouseUp(TSeitenFlaeche &sender, Qt::MouseButton, QPoint pos)
{
    if (MalenAktiv)
        m_werkzeuge.loslassen(sender.kartenPunkt(pos));
    MalenAktiv = false;
}

void KartenAnsicht::PaintBox1MouseLeave(TSeitenFlaeche &)
{
    emit zeigerVerlassen();
    m_werkzeuge.verlassen();
}

// While a button is held the pressed page keeps the pointer's events wherever
// it goes, so the page under the pointer is looked up, not assumed.
void KartenAnsicht::zeigerZeigen(const TSeitenFlaeche &sender, QPoint pos)
{
    if (const auto treffer = seiteBei(sender.mapTo(viewport(), pos)))
        emit zeigerUeber(treffer->seite, treffer->seitenPunkt);
    else
        emit zeigerVerlassen();
}

// Painting, undo and redo alike repaint just the squares that changed, as
// one rectangle per page: thousands of single squares (a fill) cost Qt more
// to merge than the drawing of the fields they cover.
void KartenAnsicht::felderNeuZeichnen(const std::vector<FeldOrt> &felder)
{
    std::array<QRect, 16> bereiche;
    for (const FeldOrt &ort : felder)
        if (ort.seite >= 1 && ort.seite <= int(bereiche.size()))
            bereiche[ort.seite - 1] |= FeldRechteck(m_dokument.karte(), ort.feld);
    for (std::size_t i = 0; i < bereiche.size(); ++i)
        if (bereiche[i].isValid())
            PaintBoxen[i]->update(PaintBoxen[i]->flaechenRechteck(bereiche[i]));
}

void KartenAnsicht::kartenBereichNeuZeichnen(const QRect &kartenPixel)
{
    for (TSeitenFlaeche *flaeche : PaintBoxen) {
        const QRect teil = flaeche->flaechenRechteckDerKarte(kartenPixel) & flaeche->rect();
        if (flaeche->isVisible() && !teil.isEmpty())
            flaeche->update(teil);
    }
}
