#include "kartenbild.h"

#include "feldbilder.h"
#include "seitenanordnung.h"

#include <QHash>
#include <QPainter>

#include <cmath>
#include <cstring>
#include <optional>

namespace {

const QRgb kGrau = qRgb(0xc0, 0xc0, 0xc0);
const QRgb kWeiss = qRgb(0xff, 0xff, 0xff);

// Columns and rows of the page square that the shown pages occupy.
QSize Zellen(const TKarte &karte)
{
    QSize zellen(0, 0);
    for (int seite = 1; seite <= SichtbareSeiten(karte); ++seite)
        zellen = zellen.expandedTo(QSize(SeitenZelle(seite).x() + 1, SeitenZelle(seite).y() + 1));
    return zellen;
}

QPoint SeitenUrsprung(const TKarte &karte, int seite)
{
    const QPoint zelle = SeitenZelle(seite);
    return {zelle.x() * karte.SeitenBreite, zelle.y() * karte.SeitenHoehe};
}

std::int64_t Skaliert(std::int64_t laenge, double massstab)
{
    // Rounded as QSize * qreal does, but never below one pixel.
    return laenge == 0 ? 0 : std::max<std::int64_t>(1, std::llround(static_cast<double>(laenge) * massstab));
}

// Smoothed below scale 1, pixels repeated above, so that tiles stay sharp.
QImage Skalieren(const QImage &bild, BildMass mass, double massstab)
{
    const Qt::TransformationMode modus = massstab < 1.0 ? Qt::SmoothTransformation : Qt::FastTransformation;
    return bild.scaled(int(mass.breite), int(mass.hoehe), Qt::IgnoreAspectRatio, modus);
}

// The tile images as 8-bit indices into one colour table that also holds the
// white of uncovered page parts and the grey of empty cells.
struct IndexKacheln
{
    QList<QRgb> farben;
    std::array<QImage, AnzahlFeldBilder> bilder;
};

// The tiles are cut from sheets that share one 256-colour palette, so their
// colours fit one table; sheets with more colours give nothing.
std::optional<IndexKacheln> IndexKachelnBauen(const TKarte &karte)
{
    IndexKacheln k;
    QHash<QRgb, uchar> index;
    auto indexVon = [&](QRgb farbe) -> std::optional<uchar> {
        if (const auto it = index.constFind(farbe); it != index.cend())
            return *it;
        if (k.farben.size() == 256)
            return std::nullopt;
        const auto neu = static_cast<uchar>(k.farben.size());
        k.farben.append(farbe);
        index.insert(farbe, neu);
        return neu;
    };
    indexVon(kGrau);
    indexVon(kWeiss);
    for (std::size_t i = 0; i < k.bilder.size(); ++i) {
        if (karte.FeldBilder[i].isNull())
            continue;
        const QImage rgb = karte.FeldBilder[i].convertToFormat(QImage::Format_RGB32);
        QImage &bild = k.bilder[i];
        bild = QImage(rgb.size(), QImage::Format_Indexed8);
        for (int y = 0; y < rgb.height(); ++y) {
            const auto *quelle = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
            uchar *ziel = bild.scanLine(y);
            for (int x = 0; x < rgb.width(); ++x) {
                const std::optional<uchar> i8 = indexVon(quelle[x]);
                if (!i8)
                    return std::nullopt;
                ziel[x] = *i8;
            }
        }
    }
    return k;
}

// Fills a rectangle of an 8-bit picture, clipped to the picture, with one index.
void IndexFuellen(QImage &bild, QRect rechteck, uchar wert)
{
    rechteck &= bild.rect();
    for (int y = rechteck.top(); y <= rechteck.bottom(); ++y)
        std::memset(bild.scanLine(y) + rechteck.left(), wert, std::size_t(rechteck.width()));
}

// Draws one page into an 8-bit picture at `ursprung`, field by field on the
// squares SeitenBild uses: a tile's top-left square of the field size,
// clipped to the page, over white.
void SeiteIndiziertZeichnen(const TKarte &karte, int seite, const IndexKacheln &kacheln, QImage &bild,
                            QPoint ursprung)
{
    const QRect seitenRechteck(ursprung, QSize(std::max(karte.SeitenBreite, 0), std::max(karte.SeitenHoehe, 0)));
    IndexFuellen(bild, seitenRechteck, 1);
    const std::int32_t c = karte.FeldGroesse;
    if (c == 0 || seite < 1 || seite > MaxSeiten)
        return;
    const QRect grenze = seitenRechteck & bild.rect();
    const std::int32_t felder = std::min(karte.AnzahlFelder, MaxFelder);
    for (std::int32_t i = 1; i <= felder; ++i) {
        const QRect quadrat = FeldRechteck(karte, i);
        if (quadrat.isNull() || quadrat.y() >= karte.SeitenHoehe)
            break;
        const QPoint platz = quadrat.topLeft();
        const QImage &kachel = kacheln.bilder[BildNummer(karte.Felder[seite][i])];
        const QRect feld = QRect(ursprung + platz, QSize(std::min(c, kachel.width()), std::min(c, kachel.height())))
                           & grenze;
        for (int zeile = 0; zeile < feld.height(); ++zeile)
            std::memcpy(bild.scanLine(feld.top() + zeile) + feld.left(),
                        kachel.constScanLine(feld.top() - ursprung.y() - platz.y() + zeile)
                            + (feld.left() - ursprung.x() - platz.x()),
                        std::size_t(feld.width()));
    }
}

} // namespace

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

QImage KartenBild32(const TKarte &karte)
{
    BildGroessePruefen(karte);
    const BildMass mass = KartenBildMass(karte);
    QImage bild(int(mass.breite), int(mass.hoehe), QImage::Format_RGB32);
    bild.fill(kGrau);
    QPainter painter(&bild);
    for (int seite = 1; seite <= SichtbareSeiten(karte); ++seite)
        painter.drawImage(SeitenUrsprung(karte, seite), SeitenBild(karte, seite));
    return bild;
}

QImage KartenBildIndiziert(const TKarte &karte)
{
    BildGroessePruefen(karte);
    const std::optional<IndexKacheln> kacheln = IndexKachelnBauen(karte);
    if (!kacheln)
        return {};
    const BildMass mass = KartenBildMass(karte);
    QImage bild(int(mass.breite), int(mass.hoehe), QImage::Format_Indexed8);
    bild.setColorTable(kacheln->farben);
    bild.fill(0);
    for (int seite = 1; seite <= SichtbareSeiten(karte); ++seite)
        SeiteIndiziertZeichnen(karte, seite, *kacheln, bild, SeitenUrsprung(karte, seite));
    return bild;
}

QImage KartenBild(const TKarte &karte, double massstab)
{
    BildGroessePruefen(karte, massstab);
    if (massstab == 1.0) {
        QImage bild = KartenBildIndiziert(karte);
        return bild.isNull() ? KartenBild32(karte) : bild;
    }
    const BildMass mass = KartenBildMass(karte, massstab);
    return Skalieren(KartenBild32(karte), mass, massstab);
}

QImage SeitenBild(const TKarte &karte, int seite, double massstab)
{
    const BildMass ungeskaliert{std::max(karte.SeitenBreite, 0), std::max(karte.SeitenHoehe, 0)};
    const BildMass geskaliert{Skaliert(ungeskaliert.breite, massstab), Skaliert(ungeskaliert.hoehe, massstab)};
    for (const BildMass &mass : {ungeskaliert, geskaliert}) {
        if (mass.pixel() > MaxBildPixel)
            throw BildZuGross(mass);
    }
    const QImage bild = SeitenBild(karte, seite);
    return massstab == 1.0 ? bild : Skalieren(bild, geskaliert, massstab);
}

QImage SeitenBild(const TKarte &karte, int seite)
{
    QImage bild(std::max(karte.SeitenBreite, 0), std::max(karte.SeitenHoehe, 0), QImage::Format_RGB32);
    bild.fill(Qt::white);
    if (bild.isNull() || karte.FeldGroesse == 0 || seite < 1 || seite > MaxSeiten)
        return bild;
    QPainter painter(&bild);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const std::int32_t felder = std::min(karte.AnzahlFelder, MaxFelder);
    for (std::int32_t i = 1; i <= felder; ++i) {
        const QRect feld = FeldRechteck(karte, i);
        if (feld.isNull())
            break;
        FeldZeichnen(karte, karte.Felder[seite][i], painter, feld.x(), feld.y(), karte.FeldGroesse);
    }
    return bild;
}
