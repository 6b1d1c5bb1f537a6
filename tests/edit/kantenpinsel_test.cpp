#include "feldbilder.h"
#include "feldecken.h"
#include "feldformen.h"
#include "kantenpinsel.h"
#include "random.h"
#include "testblaetter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// A rows x columns block of codes around a cell, row by row.
std::vector<int> block(const TKarte &karte, QPoint links, int breite, int hoehe)
{
    const FeldRaster raster(karte);
    std::vector<int> codes;
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x) {
            const auto ort = raster.ort(links + QPoint(x, y));
            codes.push_back(ort ? karte.Felder[ort->seite][ort->feld] : -1);
        }
    return codes;
}

void malen(TKarte &karte, std::vector<QPoint> zellen, std::uint8_t code, bool kanten = true)
{
    const FeldRaster raster(karte);
    FeldEntwurf entwurf(karte);
    FelderMalen(entwurf, raster, zellen, code, kanten);
    for (const FeldCode &feld : entwurf.aenderungen())
        karte.Felder[feld.seite][feld.feld] = feld.code;
}

std::vector<QPoint> alleZellen(const TKarte &karte)
{
    return RechteckZellen(FeldRaster(karte), QRect(QPoint(0, 0), FeldRaster(karte).groesse()));
}

std::unique_ptr<TKarte> wiese(int seiten)
{
    auto karte = std::make_unique<TKarte>();
    StandardGroesseSetzen(*karte, std::uint8_t(seiten));
    return karte;
}

} // namespace

class KantenpinselTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_blaetter;

private slots:
    void initTestCase()
    {
        QVERIFY(m_blaetter.isValid());
        TestBlaetterSchreiben(m_blaetter.path());
    }

    // One click of pure water in the middle of page 1 of the start-up map
    // makes a pond; a second click beside it extends it without a seam, and
    // meadow painted back restores meadow all round.
    void pondOnTheStartupMap()
    {
        Zufall::RandSeed() = 0;
        auto karte = std::make_unique<TKarte>();
        StandardKarteAnlegen(*karte, {m_blaetter.path()});
        const QPoint mitte(7, 5);
        malen(*karte, {mitte}, 22);
        QCOMPARE(block(*karte, mitte - QPoint(1, 1), 3, 3), (std::vector<int>{41, 25, 43, 29, 22, 31, 45, 27, 47}));
        QCOMPARE(int(karte->Felder[1][5 * 16 + 8]), 22);

        malen(*karte, {mitte + QPoint(1, 0)}, 22);
        QCOMPARE(block(*karte, mitte - QPoint(1, 1), 4, 3),
                 (std::vector<int>{41, 25, 25, 43, 29, 22, 22, 31, 45, 27, 27, 47}));

        malen(*karte, {mitte + QPoint(1, 0)}, 1);
        malen(*karte, {mitte}, 1);
        QCOMPARE(block(*karte, mitte - QPoint(1, 1), 4, 3), std::vector<int>(12, 1));
        // Beyond the ring the random meadow codes stay as they were.
        QVERIFY(karte->Felder[1][3 * 16 + 6] <= 3);
    }

    // Neighbours that were not touched keep their code; a tree painted into a
    // lake stands on land with shores round it; flowers on meadow stay flowers.
    void whatTheNeighboursBecome_data()
    {
        QTest::addColumn<int>("grund");
        QTest::addColumn<int>("code");
        QTest::addColumn<std::vector<int>>("erwartet");
        QTest::newRow("flowers on meadow") << 1 << 4 << std::vector<int>{1, 1, 1, 1, 4, 1, 1, 1, 1};
        QTest::newRow("tree into a lake") << 22 << 7 << std::vector<int>{39, 27, 37, 31, 7, 29, 35, 25, 33};
        QTest::newRow("sand into meadow") << 1 << 56 << std::vector<int>{77, 65, 75, 69, 56, 67, 73, 63, 71};
        QTest::newRow("meadow into sand") << 51 << 1 << std::vector<int>{85, 63, 83, 67, 1, 69, 81, 65, 79};
        QTest::newRow("cactus into sand") << 59 << 56 << std::vector<int>{59, 59, 59, 59, 56, 59, 59, 59, 59};
        // No tile shows water and sand: the sand gives way to a meadow ring.
        QTest::newRow("water into sand") << 51 << 22 << std::vector<int>{41, 25, 43, 29, 22, 31, 45, 27, 47};
        // Border tiles and the lake paint plainly.
        QTest::newRow("shore tile") << 1 << 25 << std::vector<int>{1, 1, 1, 1, 25, 1, 1, 1, 1};
        QTest::newRow("lake") << 1 << 19 << std::vector<int>{1, 1, 1, 1, 19, 1, 1, 1, 1};
        QTest::newRow("island") << 22 << 49 << std::vector<int>{22, 22, 22, 22, 49, 22, 22, 22, 22};
    }

    void whatTheNeighboursBecome()
    {
        QFETCH(int, grund);
        QFETCH(int, code);
        QFETCH(std::vector<int>, erwartet);
        auto karte = wiese(1);
        malen(*karte, alleZellen(*karte), std::uint8_t(grund), false);
        malen(*karte, {QPoint(5, 5)}, std::uint8_t(code));
        QCOMPARE(block(*karte, QPoint(4, 4), 3, 3), erwartet);
        QCOMPARE(int(karte->Felder[1][2 * 16 + 3]), grund);
    }

    // The pages form one picture: the edge brush draws the shore on the page
    // beside, as the pages lie in the arrangement (2 right of 1, 9 right of 2).
    void edgeBrushAcrossPageSeams_data()
    {
        QTest::addColumn<int>("seiten");
        QTest::addColumn<int>("seite");
        QTest::addColumn<int>("feld");
        QTest::addColumn<int>("nachbarSeite");
        QTest::addColumn<std::vector<int>>("nachbarFelder");
        QTest::addColumn<std::vector<int>>("codes");
        QTest::newRow("page 1 to 2") << 4 << 1 << 48 << 2 << std::vector<int>{17, 33, 49} << std::vector<int>{43, 31, 47};
        QTest::newRow("page 2 to 1") << 4 << 2 << 33 << 1 << std::vector<int>{32, 48, 64} << std::vector<int>{41, 29, 45};
        QTest::newRow("page 2 to 9") << 9 << 2 << 176 << 9 << std::vector<int>{145, 161} << std::vector<int>{43, 31};
        QTest::newRow("page 2 to 4 below") << 4 << 2 << 168 << 4 << std::vector<int>{7, 8, 9} << std::vector<int>{45, 27, 47};
        QTest::newRow("page 1 corner to 4") << 4 << 1 << 176 << 4 << std::vector<int>{1} << std::vector<int>{47};
    }

    void edgeBrushAcrossPageSeams()
    {
        QFETCH(int, seiten);
        QFETCH(int, seite);
        QFETCH(int, feld);
        QFETCH(int, nachbarSeite);
        QFETCH(std::vector<int>, nachbarFelder);
        QFETCH(std::vector<int>, codes);
        auto karte = wiese(seiten);
        malen(*karte, {FeldRaster(*karte).zelle({std::uint8_t(seite), feld})}, 22);
        for (std::size_t i = 0; i < nachbarFelder.size(); ++i)
            QCOMPARE(int(karte->Felder[nachbarSeite][nachbarFelder[i]]), codes[i]);
    }

    // Every border tile is the one the corner table names for its pattern,
    // and a pattern no tile draws takes the closest, favouring the painted
    // terrain.
    void tileForCornerPattern()
    {
        for (std::uint8_t code : KantenCodes())
            QCOMPARE(KantenCode(FeldEcken(code), Gelaende::Sand), code);
        using G = Gelaende;
        // Two water corners on a diagonal: one corner is given up, to land.
        const std::uint8_t diagonal = KantenCode({{G::Wasser, G::Gras, G::Gras, G::Wasser}}, G::Wasser);
        const Ecken ecken = FeldEcken(diagonal);
        QCOMPARE(std::count(ecken.ecke.begin(), ecken.ecke.end(), G::Wasser), 3);
        QCOMPARE(int(KantenCode({{G::Sand, G::Sand, G::Wasser, G::Wasser}}, G::Wasser)), 22);
        QCOMPARE(int(KantenCode({{G::Sand, G::Sand, G::Wasser, G::Wasser}}, G::Sand)), 51);
        QVERIFY(GelaendeFeld(100) && GelaendeFeld(61) && GelaendeFeld(0) && GelaendeFeld(255));
        QVERIFY(!GelaendeFeld(19) && !GelaendeFeld(49) && !GelaendeFeld(33) && !GelaendeFeld(71));
    }
};

QTEST_GUILESS_MAIN(KantenpinselTest)
#include "kantenpinsel_test.moc"
