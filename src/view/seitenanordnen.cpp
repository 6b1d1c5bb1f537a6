#include "seitenanordnen.h"

#include "seitenanordnung.h"
#include "seitenflaeche.h"

#include <QWidget>

void SeitenAnordnen(const TKarte &karte, std::span<TSeitenFlaeche *const> flaechen, QWidget &inhalt,
                    const Massstab &massstab)
{
    const int w = std::max(karte.SeitenBreite, 0);
    const int h = std::max(karte.SeitenHoehe, 0);
    const int sichtbar = SichtbareSeiten(karte);
    QRect umfang;
    for (TSeitenFlaeche *flaeche : flaechen) {
        const QPoint zelle = SeitenZelle(flaeche->seite());
        const QRect seite(zelle.x() * w, zelle.y() * h, w, h);
        flaeche->setAbbildung({massstab, seite.topLeft()});
        flaeche->setGeometry(massstab.aufFlaeche(seite));
        const bool zeigen = flaeche->seite() <= sichtbar;
        flaeche->setVisible(zeigen);
        if (zeigen)
            umfang |= flaeche->geometry();
    }
    // Children placed by hand don't grow a scroll area's widget; its size is
    // what sets the scroll range.
    inhalt.resize(umfang.isValid() ? QSize(umfang.right() + 1, umfang.bottom() + 1) : QSize(0, 0));
}
