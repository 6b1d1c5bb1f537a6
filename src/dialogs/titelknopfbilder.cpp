#include "titelknopfbilder.h"

#include <QPainter>
#include <QPolygon>

namespace {

QPixmap leeresBild(int breite, int hoehe)
{
    QPixmap bild(breite, hoehe);
    bild.fill(Qt::transparent);
    return bild;
}

QPixmap dreieck(const QPolygon &ecken)
{
    QPixmap bild = leeresBild(11, 11);
    QPainter painter(&bild);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    painter.drawPolygon(ecken);
    return bild;
}

} // namespace

QPixmap kreuzBild()
{
    QPixmap bild = leeresBild(10, 9);
    QPainter painter(&bild);
    // Two-pixel strokes, as the classic close glyph has them.
    painter.setPen(Qt::black);
    for (int x = 0; x < 8; ++x) {
        const int y = x * 8 / 7;
        painter.drawLine(x, y, x + 1, y);
        painter.drawLine(8 - x, y, 9 - x, y);
    }
    return bild;
}

QPixmap dreieckHochBild()
{
    return dreieck(QPolygon({QPoint(0, 8), QPoint(10, 8), QPoint(5, 3)}));
}

QPixmap dreieckRunterBild()
{
    return dreieck(QPolygon({QPoint(0, 3), QPoint(10, 3), QPoint(5, 8)}));
}

QPixmap dreieckRechtsBild()
{
    return dreieck(QPolygon({QPoint(3, 0), QPoint(3, 10), QPoint(8, 5)}));
}
