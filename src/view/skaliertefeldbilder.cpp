#include "skaliertefeldbilder.h"

#include <QPainter>

#include <algorithm>

const std::array<QImage, AnzahlFeldBilder> &SkalierteFeldBilder::bilder(const TKarte &karte, int kante)
{
    kante = std::min(kante, MaxKante);
    bool aktuell = kante == m_kante;
    for (std::size_t i = 0; aktuell && i < m_quellen.size(); ++i)
        aktuell = m_quellen[i] == karte.FeldBilder[i].cacheKey();
    if (aktuell)
        return m_bilder;
    m_kante = kante;
    for (std::size_t i = 0; i < m_bilder.size(); ++i) {
        const QImage &quelle = karte.FeldBilder[i];
        m_quellen[i] = quelle.cacheKey();
        if (quelle.isNull() || quelle.size() == QSize(kante, kante) || kante <= 0)
            m_bilder[i] = quelle;
        else
            m_bilder[i] = quelle.scaled(kante, kante, Qt::IgnoreAspectRatio,
                                        kante < quelle.width() ? Qt::SmoothTransformation : Qt::FastTransformation)
                              .convertToFormat(QImage::Format_RGB32);
    }
    return m_bilder;
}

void FeldBildZeichnen(QPainter &painter, const QRect &feld, const QImage &bild)
{
    if (bild.width() >= feld.width() && bild.height() >= feld.height())
        painter.drawImage(feld.topLeft(), bild, QRect(QPoint(0, 0), feld.size()));
    else
        painter.drawImage(feld, bild);
}
