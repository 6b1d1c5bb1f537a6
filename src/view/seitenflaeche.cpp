#include "seitenflaeche.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TSeitenFlaeche::TSeitenFlaeche(int seite, SeitenEreignisse &ereignisse, QWidget *parent)
    : QWidget(parent), m_seite(seite), m_ereignisse(ereignisse)
{
    setObjectName(QStringLiteral("PaintBox%1").arg(seite));
    // The page paints every pixel itself, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TSeitenFlaeche::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    m_ereignisse.PaintBox1Paint(*this, painter, event->rect());
}

void TSeitenFlaeche::mousePressEvent(QMouseEvent *event)
{
    m_ereignisse.PaintBox1MouseDown(*this, event->button(), event->modifiers(), event->position().toPoint());
}

void TSeitenFlaeche::mouseMoveEvent(QMouseEvent *event)
{
    m_ereignisse.PaintBox1MouseMove(*this, event->position().toPoint());
}

void TSeitenFlaeche::mouseReleaseEvent(QMouseEvent *event)
{
    m_ereignisse.PaintBox1MouseUp(*this, event->button(), event->position().toPoint());
}

void TSeitenFlaeche::leaveEvent(QEvent *)
{
    m_ereignisse.PaintBox1MouseLeave(*this);
}
