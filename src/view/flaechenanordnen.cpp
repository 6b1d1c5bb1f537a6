#include "flaechenanordnen.h"

#include "seitenanordnung.h"
#include "seitenflaeche.h"

#include <QWidget>

QSize KartenUmfang(const TKarte &karte)
{
    QRect umfang;
    for (int seite = 1; seite <= SichtbareSeiten(karte); ++seite)
        umfang |= QRect(SeitenZelle(seite), QSize(1, 1));
    return {umfang.width() * std::max(karte.SeitenBreite, 0), umfang.height() * std::max(karte.SeitenHoehe, 0)};
}

void SeitenAnordnen(const TKarte &karte, std::span<TSeitenFlaeche *const> flaechen, QWidget &inhalt,
                    const Massstab &massstab)
{
    const int w = std::max(karte.SeitenBreite, 0);
    const int h = std::max(karte.SeitenHoehe, 0);
    const int sichtbar = SichtbareSeiten(karte);
    for (TSeitenFlaeche *flaeche : flaechen) {
        const QPoint zelle = SeitenZelle(flaeche->seite());
        const QRect seite(zelle.x() * w, zelle.y() * h, w, h);
        flaeche->setAbbildung({massstab, seite.topLeft()});
        flaeche->setGeometry(massstab.aufFlaeche(seite));
        const bool zeigen = flaeche->seite() <= sichtbar;
        flaeche->setVisible(zeigen);
    }
    // Children placed by hand don't grow a scroll area's widget; its size is
    // what sets the scroll range.
    inhalt.resize(massstab.aufFlaeche(QRect(QPoint(0, 0), KartenUmfang(karte))).size());
}
