#pragma once

#include "massstab.h"

#include <QWidget>

class TSeitenFlaeche;

// The shared handlers of the sixteen page surfaces: a handler learns the page
// only from the surface that raised the event.
class SeitenEreignisse
{
public:
    virtual ~SeitenEreignisse() = default;
    virtual void PaintBox1Paint(TSeitenFlaeche &sender, QPainter &flaeche, const QRect &bereich) = 0;
    virtual void PaintBox1MouseDown(TSeitenFlaeche &sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                    QPoint pos) = 0;
    virtual void PaintBox1MouseMove(TSeitenFlaeche &sender, QPoint pos) = 0;
    virtual void PaintBox1MouseUp(TSeitenFlaeche &sender, Qt::MouseButton button, QPoint pos) = 0;
    virtual void PaintBox1MouseLeave(TSeitenFlaeche &sender) = 0;
};

// One page surface (PaintBox1..PaintBox16): a plain drawing surface that shows
// one virtual page and hands its events to the shared handlers. Moves arrive
// with no button held too, so the handlers can follow the pointer. The second
// press of a double click arrives as a double-click event, which QWidget hands
// to mousePressEvent, so it paints like any press.
class TSeitenFlaeche : public QWidget
{
    Q_OBJECT

public:
    TSeitenFlaeche(int seite, SeitenEreignisse &ereignisse, QWidget *parent = nullptr);

    int seite() const { return m_seite; }

    // Where the page lies under the current zoom; set by the layout.
    const SeitenAbbildung &abbildung() const { return m_abbildung; }
    void setAbbildung(const SeitenAbbildung &abbildung) { m_abbildung = abbildung; }
    // The page pixel under a position on this surface, and the part of the
    // surface that shows a rectangle of the page.
    QPoint seitenPunkt(QPoint pos) const { return m_abbildung.seitenPunkt(pos); }
    QRect flaechenRechteck(const QRect &seitenRechteck) const { return m_abbildung.flaechenRechteck(seitenRechteck); }
    // The same between positions on this surface and map pixels (the whole
    // picture of the shown pages): the tools and their previews work there.
    QPoint kartenPunkt(QPoint pos) const { return m_abbildung.ursprung + seitenPunkt(pos); }
    QRect flaechenRechteckDerKarte(const QRect &kartenRechteck) const
    {
        return flaechenRechteck(kartenRechteck.translated(-m_abbildung.ursprung));
    }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    int m_seite;
    SeitenAbbildung m_abbildung;
    SeitenEreignisse &m_ereignisse;
};
