#include "bilddatei.h"
#include "feldbilder.h"
#include "kartenbild.h"

#include <QTest>

#include <memory>

namespace {

struct Groesse
{
    int seiten, felder, breite, hoehe, feldGroesse;
};

} // namespace

Q_DECLARE_METATYPE(Groesse)

namespace {

// A map with the shipped tiles cut at 40 pixels, the given sizes, and tile
// codes mixed so that neighbours differ; `alleCodes` numbers the fields
// 0, 1, 2, ... across the pages instead.
std::unique_ptr<TKarte> Karte(Groesse g, bool alleCodes)
{
    auto karte = std::make_unique<TKarte>();
    StandardKarteAnlegen(*karte);
    karte->AnzahlSeiten = std::uint8_t(g.seiten);
    karte->AnzahlFelder = g.felder;
    karte->SeitenBreite = g.breite;
    karte->SeitenHoehe = g.hoehe;
    karte->FeldGroesse = std::uint16_t(g.feldGroesse);
    for (int seite = 1; seite <= g.seiten; ++seite)
        for (int feld = 1; feld <= g.felder; ++feld)
            karte->Felder[seite][feld] = std::uint8_t(alleCodes ? (seite - 1) * g.felder + feld - 1 : seite * 7 + feld * 13);
    return karte;
}

QImage Rgb(const QImage &bild)
{
    return bild.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class KartenBildTest : public QObject
{
    Q_OBJECT

private slots:
    void achtBitGleichtZweiunddreissigBit_data()
    {
        QTest::addColumn<Groesse>("groesse");
        QTest::addColumn<bool>("alleCodes");
        QTest::newRow("Startkarte") << Groesse{4, 176, 640, 440, 40} << false;
        QTest::newRow("alle 256 Codes") << Groesse{4, 64, 320, 320, 40} << true;
        QTest::newRow("1 Seite") << Groesse{1, 176, 640, 440, 40} << false;
        QTest::newRow("3 Seiten, eine Zelle leer") << Groesse{3, 176, 640, 440, 40} << false;
        QTest::newRow("9 Seiten") << Groesse{9, 176, 640, 440, 40} << false;
        QTest::newRow("16 Seiten") << Groesse{16, 176, 640, 440, 40} << false;
        QTest::newRow("20 Seiten, 16 gezeigt") << Groesse{20, 100, 400, 400, 40} << false;
        QTest::newRow("9 Seiten, Streifen und Rest weiß") << Groesse{9, 192, 630, 450, 40} << false;
        QTest::newRow("Feldgröße 30") << Groesse{4, 300, 640, 440, 30} << false;
        QTest::newRow("Feldgröße 50, Kachel kleiner") << Groesse{2, 100, 500, 500, 50} << false;
    }

    // The 8-bit picture, and the PNG and BMP files made from it, show
    // exactly the pixels the page images show.
    void achtBitGleichtZweiunddreissigBit()
    {
        QFETCH(Groesse, groesse);
        QFETCH(bool, alleCodes);
        const auto karte = Karte(groesse, alleCodes);
        const QImage bild = KartenBild(*karte);
        QCOMPARE(bild.format(), QImage::Format_Indexed8);
        const QImage vorbild = KartenBild32(*karte);
        QCOMPARE(bild.size(), vorbild.size());
        QCOMPARE(Rgb(bild), vorbild);
        const QImage png = QImage::fromData(BildDaten(bild, BildFormat::Png), "PNG");
        QCOMPARE(png.format(), QImage::Format_Indexed8);
        QCOMPARE(Rgb(png), vorbild);
        const QImage bmp = QImage::fromData(BildDaten(bild, BildFormat::Bmp), "BMP");
        QCOMPARE(bmp.format(), QImage::Format_Indexed8);
        QCOMPARE(Rgb(bmp), vorbild);
    }

    // Tiles with more colours than a palette holds, and scaled pictures, are
    // drawn in 32 bits; their PNG is RGB.
    void ohnePaletteZweiunddreissigBit()
    {
        auto karte = Karte({4, 176, 640, 440, 40}, false);
        QImage verlauf(40, 40, QImage::Format_RGB32);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                verlauf.setPixel(x, y, qRgb(x * 6, y * 6, 128));
        karte->FeldBilder[1] = verlauf;
        QVERIFY(KartenBildIndiziert(*karte).isNull());
        const QImage bild = KartenBild(*karte);
        QCOMPARE(bild, KartenBild32(*karte));
        QCOMPARE(QImage::fromData(BildDaten(bild, BildFormat::Png), "PNG").convertToFormat(QImage::Format_RGB32), bild);

        const QImage halb = KartenBild(*karte, 0.5);
        QCOMPARE(halb.size(), QSize(640, 440));
        QCOMPARE(Rgb(QImage::fromData(BildDaten(halb, BildFormat::Png), "PNG")), Rgb(halb));
    }

    void formatNachEndung()
    {
        QCOMPARE(BildFormatFuerName("a/karte.png"), BildFormat::Png);
        QCOMPARE(BildFormatFuerName("KARTE.PNG"), BildFormat::Png);
        QCOMPARE(BildFormatFuerName("karte.Bmp"), BildFormat::Bmp);
        for (const char *name : {"karte", "karte.jpg", "karte.png.map", "png", ".png.x"})
            QVERIFY2(!BildFormatFuerName(name), name);
    }
};

QTEST_GUILESS_MAIN(KartenBildTest)
#include "kartenbild_test.moc"
