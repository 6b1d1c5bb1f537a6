#include "kartenbild.h"

#include "seitenanordnung.h"

#include <QPainter>

QImage KartenBild(const TKarte &karte)
{
    const int seiten = SichtbareSeiten(karte);
    int spalten = 0;
    int zeilen = 0;
    for (int seite = 1; seite <= seiten; ++seite) {
        spalten = std::max(spalten, SeitenZelle(seite).x() + 1);
        zeilen = std::max(zeilen, SeitenZelle(seite).y() + 1);
    }
    QImage bild(spalten * karte.SeitenBreite, zeilen * karte.SeitenHoehe, QImage::Format_RGB32);
    bild.fill(QColor(0xc0, 0xc0, 0xc0));
    QPainter painter(&bild);
    for (int seite = 1; seite <= seiten; ++seite) {
        const QPoint zelle = SeitenZelle(seite);
        painter.drawImage(QPoint(zelle.x() * karte.SeitenBreite, zelle.y() * karte.SeitenHoehe), SeitenBild(karte, seite));
    }
    return bild;
}
