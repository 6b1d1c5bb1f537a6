#include "feldbilder.h"
#include "feldecken.h"

#include <QTest>

#include <memory>

namespace {

// The terrain a tile's art shows near a corner: the mean colour of a 5 x 5
// patch a few pixels in from it.
Gelaende gelaendeBei(const QImage &bild, int ecke)
{
    const int x0 = ecke % 2 ? 33 : 2;
    const int y0 = ecke / 2 ? 33 : 2;
    int r = 0;
    int g = 0;
    int b = 0;
    for (int y = y0; y < y0 + 5; ++y)
        for (int x = x0; x < x0 + 5; ++x) {
            const QRgb p = bild.pixel(x, y);
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
        }
    if (b > r && b > g)
        return Gelaende::Wasser;
    // Sand is warm; grey cobbles and dry grass count as land.
    return r > g && r - b > 40 * 25 ? Gelaende::Sand : Gelaende::Gras;
}

} // namespace

class FeldEckenTest : public QObject
{
    Q_OBJECT

private slots:
    // The corner table is read from the art: every code's pattern must be
    // what its shipped tile shows at the four corners.
    void cornersMatchTheShippedArt()
    {
        auto karte = std::make_unique<TKarte>();
        karte->FeldGroesse = 40;
        FeldBilderErzeugen(*karte, {QDir::currentPath()});
        for (int code = 0; code <= 255; ++code) {
            const QImage bild = karte->FeldBilder[BildNummer(std::uint8_t(code))].convertToFormat(QImage::Format_RGB32);
            const Ecken ecken = FeldEcken(std::uint8_t(code));
            for (int ecke = 0; ecke < 4; ++ecke)
                QVERIFY2(gelaendeBei(bild, ecke) == ecken.ecke[ecke],
                         qPrintable(QStringLiteral("code %1, corner %2").arg(code).arg(ecke)));
        }
    }
};

QTEST_GUILESS_MAIN(FeldEckenTest)
#include "feldecken_test.moc"
