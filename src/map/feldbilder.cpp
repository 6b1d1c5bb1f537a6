#include "feldbilder.h"

#include "apperror.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <array>

namespace {

struct Blatt
{
    const char *datei;
    QSize mindestGroesse;
};

constexpr std::array<Blatt, 3> kBlaetter = {{
    {"Scene1.scn", {164, 204}},
    {"Scene2.scn", {164, 204}},
    {"Scene3.scn", {122, 40}},
}};

constexpr std::array<const char *, 3> kBlattNamen = {kBlaetter[0].datei, kBlaetter[1].datei, kBlaetter[2].datei};

constexpr std::array<Ausschnitt, AnzahlFeldBilder> kAusschnitte = {{
    {0, 0, 0, 40, 40},       {0, 41, 0, 81, 40},     {0, 82, 0, 122, 40},    {0, 123, 0, 163, 40},
    {0, 0, 41, 40, 81},      {0, 0, 82, 40, 122},    {0, 41, 41, 81, 81},    {0, 41, 82, 81, 122},
    {0, 83, 82, 122, 122},   {0, 124, 82, 164, 122}, {0, 0, 123, 40, 163},   {0, 41, 123, 81, 163},
    {0, 82, 123, 122, 163},  {0, 123, 123, 163, 163}, {0, 0, 164, 40, 204},  {0, 41, 164, 81, 204},
    {0, 82, 164, 122, 204},  {1, 0, 0, 40, 40},      {1, 41, 0, 81, 40},     {1, 82, 0, 122, 40},
    {1, 123, 0, 163, 40},    {0, 123, 164, 163, 204}, {1, 0, 41, 40, 81},    {1, 41, 41, 81, 81},
    {1, 82, 41, 122, 81},    {1, 123, 41, 163, 81},  {1, 0, 82, 40, 122},    {1, 41, 82, 81, 122},
    {1, 82, 82, 122, 122},   {1, 123, 82, 163, 122}, {1, 0, 123, 40, 163},   {1, 41, 123, 81, 163},
    {1, 82, 123, 122, 163},  {1, 123, 123, 163, 163}, {1, 0, 164, 40, 204},  {1, 41, 164, 81, 204},
    {1, 82, 164, 122, 204},  {1, 123, 164, 163, 204}, {2, 0, 0, 40, 40},     {2, 41, 0, 81, 40},
    {0, 82, 41, 122, 81},    {2, 82, 0, 122, 40},    {2, 82, 0, 122, 40},    {0, 123, 41, 163, 81},
}};

QString BlattPfad(const char *datei, const QStringList &ordner)
{
    for (const QString &dir : ordner) {
        QString pfad = QDir(dir).filePath(QString::fromLatin1(datei));
        if (QFileInfo(pfad).isFile())
            return pfad;
    }
    return {};
}

QImage BlattLaden(const Blatt &blatt, const QStringList &ordner)
{
    const QString pfad = BlattPfad(blatt.datei, ordner);
    QFile datei(pfad);
    if (pfad.isEmpty() || !datei.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(QString::fromLatin1(blatt.datei)));
    QImage bild;
    // The sheets are BMP files whatever their extension says.
    if (!bild.load(&datei, "BMP") || bild.width() < blatt.mindestGroesse.width()
        || bild.height() < blatt.mindestGroesse.height())
        throw AppError(QStringLiteral("Bitmap ist ungültig"));
    return bild;
}

} // namespace

std::span<const char *const> BlattNamen()
{
    return kBlattNamen;
}

const std::array<Ausschnitt, AnzahlFeldBilder> &BildAusschnitte()
{
    return kAusschnitte;
}

void FeldBilderErzeugen(TKarte &karte, const QStringList &ordner)
{
    for (QImage &bild : karte.FeldBilder)
        bild = QImage();
    std::array<QImage, kBlaetter.size()> blaetter;
    for (std::size_t i = 0; i < kBlaetter.size(); ++i)
        blaetter[i] = BlattLaden(kBlaetter[i], ordner);
    for (std::size_t i = 0; i < kAusschnitte.size(); ++i) {
        const Ausschnitt &a = kAusschnitte[i];
        BildAusschneiden(karte, karte.FeldBilder[i], blaetter[a.blatt], a.links, a.oben, a.rechts, a.unten);
    }
}

void StandardKarteAnlegen(TKarte &karte, const QStringList &blattOrdner)
{
    StandardFelderAnlegen(karte);
    FeldBilderErzeugen(karte, blattOrdner.isEmpty() ? DatenOrdner() : blattOrdner);
}

void BildAusschneiden(const TKarte &karte, QImage &ziel, const QImage &blatt,
                      int links, int oben, int rechts, int unten)
{
    const int kante = karte.FeldGroesse;
    QImage ausschnitt = blatt.copy(links, oben, rechts - links, unten - oben);
    if (ausschnitt.size() != QSize(kante, kante))
        ausschnitt = ausschnitt.scaled(kante, kante, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // The sheet's palette is applied here once; fields are then drawn as plain
    // copies in the screen's own format.
    ziel = ausschnitt.convertToFormat(QImage::Format_RGB32);
}

void FeldZeichnen(const TKarte &karte, std::uint8_t code, QPainter &flaeche,
                  std::int32_t x, std::int32_t y, std::uint16_t kante)
{
    flaeche.drawImage(QPoint(x, y), karte.FeldBilder[BildNummer(code)], QRect(0, 0, kante, kante));
}
