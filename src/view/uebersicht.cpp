#include "uebersicht.h"

#include "kartendokument.h"
#include "flaechenanordnen.h"
#include "seitenanordnung.h"
#include "seitezeichnen.h"

#include <QHideEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The longer edge of the whole map in the overview, in screen pixels.
constexpr int kKante = 240;

} // namespace

TUebersicht::TUebersicht(const KartenDokument &dokument, QWidget *parent)
    : QWidget(parent, Qt::Tool), m_karte(dokument.karte())
{
    connect(&dokument, &KartenDokument::anordnungGeaendert, this, &TUebersicht::neuAufbauen);
    connect(&dokument, &KartenDokument::felderGeaendert, this,
            [this](const std::vector<FeldOrt> &felder) { felderNeuZeichnen(felder); });
    setWindowTitle(QStringLiteral("Übersicht"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    neuAufbauen();
}

void TUebersicht::neuAufbauen()
{
    const QSize umfang = KartenUmfang(m_karte);
    const int groesste = std::max(umfang.width(), umfang.height());
    m_massstab.prozent = groesste > 0 ? std::clamp(kKante * 100 / groesste, 1, 100) : 100;
    m_bild = QImage(m_massstab.aufFlaeche(QRect(QPoint(0, 0), umfang)).size().expandedTo(QSize(1, 1)),
                    QImage::Format_RGB32);
    m_bild.fill(palette().color(QPalette::Window));
    for (int seite = 1; seite <= SichtbareSeiten(m_karte); ++seite)
        seiteZeichnen(seite, QRect(0, 0, m_karte.SeitenBreite, m_karte.SeitenHoehe));
    setFixedSize(m_bild.size());
    update();
}

// Draws a rectangle of a page (page pixels) into the picture.
void TUebersicht::seiteZeichnen(int seite, const QRect &seitenRechteck)
{
    const QPoint zelle = SeitenZelle(seite);
    const SeitenAbbildung abbildung{m_massstab, QPoint(zelle.x() * m_karte.SeitenBreite,
                                                       zelle.y() * m_karte.SeitenHoehe)};
    const QPoint ursprung = m_massstab.aufFlaeche(abbildung.ursprung);
    const QRect seitenFlaeche = abbildung.flaechenRechteck(QRect(0, 0, m_karte.SeitenBreite, m_karte.SeitenHoehe));
    const QRect bereich = abbildung.flaechenRechteck(seitenRechteck) & seitenFlaeche;
    QPainter painter(&m_bild);
    painter.translate(ursprung);
    painter.setClipRect(bereich);
    SeiteZeichnen(m_karte, seite, painter, bereich, abbildung, m_feldBilder);
    update(bereich.translated(ursprung));
}

void TUebersicht::felderNeuZeichnen(std::span<const FeldOrt> felder)
{
    for (const FeldOrt &ort : felder) {
        if (ort.seite >= 1 && ort.seite <= SichtbareSeiten(m_karte))
            seiteZeichnen(ort.seite, FeldRechteck(m_karte, ort.feld));
    }
}

void TUebersicht::sichtbarSetzen(const QRect &kartenRechteck)
{
    if (kartenRechteck == m_sichtbar)
        return;
    m_sichtbar = kartenRechteck;
    update();
}

void TUebersicht::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_bild);
    const QRect rahmen = m_massstab.aufFlaeche(m_sichtbar) & rect();
    if (rahmen.isEmpty())
        return;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::red, 1));
    painter.drawRect(rahmen.adjusted(0, 0, -1, -1));
}

void TUebersicht::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit mitteGewaehlt(m_massstab.aufKarte(event->position().toPoint()));
}

void TUebersicht::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        emit mitteGewaehlt(m_massstab.aufKarte(event->position().toPoint()));
}

void TUebersicht::hideEvent(QHideEvent *event)
{
    // A spontaneous hide (the main window minimised) is no closing.
    if (!event->spontaneous())
        emit versteckt();
    QWidget::hideEvent(event);
}
