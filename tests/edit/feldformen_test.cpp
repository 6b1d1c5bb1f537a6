#include "feldformen.h"
#include "kantenpinsel.h"
#include "kartenstueck.h"

#include <QMimeData>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<TKarte> wiese(int seiten)
{
    auto karte = std::make_unique<TKarte>();
    StandardGroesseSetzen(*karte, std::uint8_t(seiten));
    return karte;
}

} // namespace

class FeldformenTest : public QObject
{
    Q_OBJECT

private slots:
    // Every cell of a line touches the one before, and a drag between two
    // reported positions five fields apart paints all six.
    void linesLeaveNoHoles_data()
    {
        QTest::addColumn<QPoint>("von");
        QTest::addColumn<QPoint>("bis");
        QTest::addColumn<int>("laenge");
        QTest::newRow("five across") << QPoint(2, 3) << QPoint(7, 3) << 6;
        QTest::newRow("backwards up") << QPoint(4, 9) << QPoint(4, 1) << 9;
        QTest::newRow("steep") << QPoint(0, 0) << QPoint(3, 10) << 11;
        QTest::newRow("diagonal back") << QPoint(9, 0) << QPoint(0, 9) << 10;
        QTest::newRow("one cell") << QPoint(5, 5) << QPoint(5, 5) << 1;
    }

    void linesLeaveNoHoles()
    {
        QFETCH(QPoint, von);
        QFETCH(QPoint, bis);
        QFETCH(int, laenge);
        const std::vector<QPoint> linie = FeldLinie(von, bis);
        QCOMPARE(int(linie.size()), laenge);
        QCOMPARE(linie.front(), von);
        QCOMPARE(linie.back(), bis);
        for (std::size_t i = 1; i < linie.size(); ++i) {
            const QPoint schritt = linie[i] - linie[i - 1];
            QVERIFY(std::abs(schritt.x()) <= 1 && std::abs(schritt.y()) <= 1 && schritt != QPoint());
        }
    }

    // Map pixels across the arrangement name the fields of the page shown
    // there; the white strip of a page that is not a whole number of fields
    // wide names none and keeps the pages' fields from counting as neighbours.
    void cellsAcrossThePages()
    {
        auto karte = wiese(9);
        const FeldRaster raster(*karte);
        QCOMPARE(raster.groesse(), QSize(48, 33));
        QCOMPARE(raster.ort(raster.zelleBei({645, 5})), (FeldOrt{2, 1}));
        QCOMPARE(raster.ort(raster.zelleBei({1279 + 41, 439})), (FeldOrt{9, 162}));
        QCOMPARE(raster.ort(raster.zelleBei({1290, 900})), (FeldOrt{7, 1}));
        QCOMPARE(raster.pixel(raster.zelle({8, 17})), QRect(1280, 480, 40, 40));
        QVERIFY(!raster.ort(raster.zelleBei({-1, 5})));
        QVERIFY(!raster.ort(raster.zelleBei({1921, 5})));

        karte->SeitenBreite = 650;
        const FeldRaster schmal(*karte);
        QCOMPARE(schmal.groesse(), QSize(51, 33));
        QVERIFY(!schmal.ort(schmal.zelleBei({645, 5})));
        QCOMPARE(schmal.ort(schmal.zelleBei({655, 5})), (FeldOrt{2, 1}));
        // 3 pages: the place below page 2 holds no page.
        karte->AnzahlSeiten = 3;
        QVERIFY(!FeldRaster(*karte).ort(FeldRaster(*karte).zelleBei({700, 500})));
    }

    // A fill spreads over every page its region reaches, and stops at fields
    // of another code.
    void fillAcrossThreePages()
    {
        auto karte = wiese(4);
        const FeldRaster raster(*karte);
        FeldEntwurf vorbereitung(*karte);
        FelderMalen(vorbereitung, raster, RechteckZellen(raster, QRect(16, 11, 16, 11)), 22, false);
        for (const FeldCode &feld : vorbereitung.aenderungen())
            karte->Felder[feld.seite][feld.feld] = feld.code;
        FeldEntwurf entwurf(*karte);
        const std::vector<QPoint> bereich = FuellBereich(entwurf, raster, QPoint(3, 3));
        QCOMPARE(int(bereich.size()), 3 * 176);
        FelderMalen(entwurf, raster, bereich, 51, false);
        const std::vector<FeldCode> aenderungen = entwurf.aenderungen();
        QCOMPARE(int(aenderungen.size()), 3 * 176);
        for (const FeldCode &feld : aenderungen)
            QVERIFY(feld.seite != 4 && feld.code == 51);
        QVERIFY(FuellBereich(entwurf, raster, QPoint(-1, 0)).empty());
    }

    // Rectangles and selections are cut at the map's edge and skip cells
    // where no page lies.
    void rectanglesAreCutToTheMap()
    {
        auto karte = wiese(3);
        const FeldRaster raster(*karte);
        QCOMPARE(ZellRechteck({30, 20}, {28, 25}), QRect(28, 20, 3, 6));
        QCOMPARE(int(RechteckZellen(raster, QRect(-5, -5, 8, 7)).size()), 3 * 2);
        FeldEntwurf entwurf(*karte);
        FelderMalen(entwurf, raster, RechteckZellen(raster, ZellRechteck({30, 9}, {40, 30})), 7, true);
        // Page 2's corner 2 x 2 and nothing below it, where no page is.
        QCOMPARE(int(entwurf.aenderungen().size()), 4);
        const KartenStueck stueck = StueckKopieren(entwurf, raster, QRect(30, 9, 5, 5));
        QCOMPARE(stueck.groesse, QSize(2, 5));
        QCOMPARE(stueck.codes, (std::vector<std::int16_t>{7, 7, 7, 7, -1, -1, -1, -1, -1, -1}));
        QCOMPARE(StueckKopieren(entwurf, raster, QRect(60, 0, 3, 3)).groesse, QSize());
    }

    // A piece travels through the clipboard data into another map and lands
    // where it is put; what falls off the map is dropped.
    void pieceRoundTrip()
    {
        auto quelle = wiese(4);
        const FeldRaster raster(*quelle);
        quelle->Felder[1][1] = 22;
        quelle->Felder[1][2] = 100;
        quelle->Felder[1][17] = 255;
        FeldEntwurf lesen(*quelle);
        const KartenStueck stueck = StueckKopieren(lesen, raster, QRect(0, 0, 2, 2));
        const std::unique_ptr<QMimeData> daten(StueckAlsMime(stueck));
        QCOMPARE(daten->text(), QStringLiteral("22\t100\n255\t1\n"));
        const auto zurueck = StueckAusMime(daten.get());
        QVERIFY(zurueck);
        QCOMPARE(*zurueck, stueck);

        auto ziel = wiese(1);
        const FeldRaster zielRaster(*ziel);
        FeldEntwurf entwurf(*ziel);
        StueckEinfuegen(entwurf, zielRaster, *zurueck, QPoint(15, 10));
        const std::vector<FeldCode> aenderungen = entwurf.aenderungen();
        QCOMPARE(aenderungen.size(), std::size_t(1));
        QCOMPARE(int(aenderungen[0].seite), 1);
        QCOMPARE(aenderungen[0].feld, 176);
        QCOMPARE(int(aenderungen[0].code), 22);
    }

    void malformedPiecesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("daten");
        QTest::newRow("no header") << QByteArray("1 1\n5\n");
        QTest::newRow("short row") << QByteArray("Zendaro-Felder 1\n2 1\n5\n");
        QTest::newRow("missing row") << QByteArray("Zendaro-Felder 1\n1 2\n5\n");
        QTest::newRow("code 256") << QByteArray("Zendaro-Felder 1\n1 1\n256\n");
        QTest::newRow("text") << QByteArray("Zendaro-Felder 1\n1 1\nWasser\n");
        QTest::newRow("huge") << QByteArray("Zendaro-Felder 1\n100000 100000\n");
        QTest::newRow("overflow") << QByteArray("Zendaro-Felder 1\n4096 4096\n");
        QTest::newRow("zero") << QByteArray("Zendaro-Felder 1\n0 3\n");
    }

    void malformedPiecesAreRefused()
    {
        QFETCH(QByteArray, daten);
        QVERIFY(!StueckLesen(daten));
    }
};

QTEST_GUILESS_MAIN(FeldformenTest)
#include "feldformen_test.moc"
