#include "feldbilder.h"
#include "feldecken.h"
#include "kantenfehler.h"

#include <QRegularExpression>
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

    // The checker names every field that disagrees with a neighbour on a
    // shared corner, across page seams; decorations, the lake and a pond
    // with its full shore join.
    void checkerFindsDisagreeingFields_data()
    {
        QTest::addColumn<QString>("felder");   // "page:field=code" ...
        QTest::addColumn<QString>("fehler");   // "page:field" ...
        QTest::newRow("meadow with decorations") << "1:5=7 1:6=100 1:7=19 1:8=4 2:9=87" << "";
        QTest::newRow("pond with its shore")
            << "1:17=41 1:18=25 1:19=43 1:33=29 1:34=22 1:35=31 1:49=45 1:50=27 1:51=47" << "";
        QTest::newRow("water without a shore") << "1:18=22" << "1:1 1:2 1:3 1:17 1:18 1:19 1:33 1:34 1:35";
        QTest::newRow("across the seam to page 2") << "1:16=22" << "1:15 1:16 1:31 1:32 2:1 2:17";
        QTest::newRow("across the seam to page 4") << "1:176=51" << "1:159 1:160 1:175 1:176 2:145 2:161 3:15 3:16 4:1";
    }

    void checkerFindsDisagreeingFields()
    {
        QFETCH(QString, felder);
        QFETCH(QString, fehler);
        auto karte = std::make_unique<TKarte>();
        StandardGroesseSetzen(*karte, 4);
        for (const QString &feld : felder.split(' ', Qt::SkipEmptyParts)) {
            const QStringList teile = feld.split(QRegularExpression("[:=]"));
            karte->Felder[teile[0].toInt()][teile[1].toInt()] = std::uint8_t(teile[2].toInt());
        }
        QStringList gefunden;
        for (const FeldOrt &ort : KantenFehler(*karte))
            gefunden << QStringLiteral("%1:%2").arg(ort.seite).arg(ort.feld);
        QCOMPARE(gefunden.join(' '), fehler);
    }
};

QTEST_GUILESS_MAIN(FeldEckenTest)
#include "feldecken_test.moc"
