#include "bevelpanel.h"

#include <QPainter>

namespace {

// One bevel line pair around rect: light on the top and left edges for a
// raised bevel, dark there for a lowered one, the other colour opposite.
void bevelZeichnen(QPainter &painter, const QRect &rect, BevelPanel::Bevel bevel, const QPalette &palette)
{
    if (bevel == BevelPanel::Bevel::Keine)
        return;
    const QColor hell = palette.color(QPalette::Light);
    const QColor dunkel = palette.color(QPalette::Dark);
    const bool erhoben = bevel == BevelPanel::Bevel::Erhoben;
    painter.setPen(erhoben ? hell : dunkel);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(erhoben ? dunkel : hell);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

} // namespace

BevelPanel::BevelPanel(Bevel aussen, Bevel innen, QWidget *parent)
    : QWidget(parent), m_aussen(aussen), m_innen(innen)
{
}

void BevelPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect rand = rect();
    bevelZeichnen(painter, rand, m_aussen, palette());
    if (m_aussen != Bevel::Keine)
        rand.adjust(1, 1, -1, -1);
    bevelZeichnen(painter, rand, m_innen, palette());
}
