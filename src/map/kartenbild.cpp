#include "kartenbild.h"

#include "seitenanordnung.h"

#include <QPainter>

#include <cmath>

namespace {

// Columns and rows of the page square that the shown pages occupy.
QSize Zellen(const TKarte &karte)
{
    QSize zellen(0, 0);
    for (int seite = 1; seite <= SichtbareSeiten(karte); ++seite)
        zellen = zellen.expandedTo(QSize(SeitenZelle(seite).x() + 1, SeitenZelle(seite).y() + 1));
    return zellen;
}

std::int64_t Skaliert(std::int64_t laenge, double massstab)
{
    // Rounded as QSize * qreal does, but never below one pixel.
    return laenge == 0 ? 0 : std::max<std::int64_t>(1, std::llround(static_cast<double>(laenge) * massstab));
}

QImage Ungeskaliert(const TKarte &karte)
{
    const QSize zellen = Zellen(karte);
    QImage bild(zellen.width() * karte.SeitenBreite, zellen.height() * karte.SeitenHoehe, QImage::Format_RGB32);
    bild.fill(QColor(0xc0, 0xc0, 0xc0));
    QPainter painter(&bild);
    for (int seite = 1; seite <= SichtbareSeiten(karte); ++seite) {
        const QPoint zelle = SeitenZelle(seite);
        painter.drawImage(QPoint(zelle.x() * karte.SeitenBreite, zelle.y() * karte.SeitenHoehe), SeitenBild(karte, seite));
    }
    return bild;
}

} // namespace

bool MassstabGueltig(double massstab)
{
    // Written so that NaN fails too.
    return massstab >= MinMassstab && massstab <= MaxMassstab;
}

BildMass KartenBildMass(const TKarte &karte, double massstab)
{
    const QSize zellen = Zellen(karte);
    const BildMass ungeskaliert{std::int64_t(zellen.width()) * std::max(karte.SeitenBreite, 0),
                                std::int64_t(zellen.height()) * std::max(karte.SeitenHoehe, 0)};
    if (massstab == 1.0)
        return ungeskaliert;
    return {Skaliert(ungeskaliert.breite, massstab), Skaliert(ungeskaliert.hoehe, massstab)};
}

BildZuGross::BildZuGross(BildMass mass)
    : AppError(QStringLiteral("Das Bild wäre %1 × %2 Pixel groß, das sind mehr als die erlaubten %3 Pixel")
                   .arg(QString::number(mass.breite), QString::number(mass.hoehe), QString::number(MaxBildPixel)))
{
}

void BildGroessePruefen(const TKarte &karte, double massstab)
{
    if (!MassstabGueltig(massstab))
        throw AppError(QStringLiteral("Der Maßstab %1 liegt nicht zwischen %2 und %3")
                           .arg(QString::number(massstab), QString::number(MinMassstab), QString::number(MaxMassstab)));
    const BildMass geskaliert = KartenBildMass(karte, massstab);
    const BildMass ungeskaliert = KartenBildMass(karte);
    const BildMass groesser = geskaliert.pixel() > ungeskaliert.pixel() ? geskaliert : ungeskaliert;
    if (groesser.pixel() > MaxBildPixel)
        throw BildZuGross(groesser);
}

QImage KartenBild(const TKarte &karte, double massstab)
{
    BildGroessePruefen(karte, massstab);
    const QImage bild = Ungeskaliert(karte);
    if (massstab == 1.0)
        return bild;
    const BildMass mass = KartenBildMass(karte, massstab);
    const Qt::TransformationMode modus = massstab < 1.0 ? Qt::SmoothTransformation : Qt::FastTransformation;
    return bild.scaled(int(mass.breite), int(mass.hoehe), Qt::IgnoreAspectRatio, modus);
}
