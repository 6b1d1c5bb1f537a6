#pragma once

#include "feldaenderungen.h"
#include "karte.h"
#include "massstab.h"
#include "skaliertefeldbilder.h"

#include <QImage>
#include <QWidget>

#include <span>

class KartenDokument;

// The overview: a small tool window with the whole map at a reduced scale and
// the part the main view shows outlined. A click or drag asks for another
// part. It follows the document itself: changed fields are drawn again one
// by one, a new layout rebuilds the picture.
class TUebersicht : public QWidget
{
    Q_OBJECT

public:
    // The document must outlive the window.
    explicit TUebersicht(const KartenDokument &dokument, QWidget *parent = nullptr);

    // The map was laid out anew or replaced: the picture is built again.
    void neuAufbauen();
    // These fields changed: only their spots are drawn again.
    void felderNeuZeichnen(std::span<const FeldOrt> felder);
    // The part of the map that the main view shows, in map pixels.
    void sichtbarSetzen(const QRect &kartenRechteck);

    const Massstab &massstab() const { return m_massstab; }
    const QImage &bild() const { return m_bild; }

signals:
    // The user asks for this map pixel in the middle of the main view.
    void mitteGewaehlt(QPoint kartenPunkt);
    // The window was closed by the user or by the program.
    void versteckt();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void seiteZeichnen(int seite, const QRect &seitenRechteck);

    const TKarte &m_karte;
    Massstab m_massstab;
    SkalierteFeldBilder m_feldBilder;
    QImage m_bild;
    QRect m_sichtbar;
};
