#include "eckengitter.h"
#include "feldformen.h"
#include "kantenfehler.h"
#include "kantenloeser.h"
#include "kantenpinsel.h"

#include "kartendatei.h"
#include "kartendokument.h"

#include <QTest>

#include <memory>
#include <random>

namespace {

// A grid written as text: one letter per lattice point (G Gras, W Wasser,
// S Sand), rows separated by '|'.
Gelaende buchstabe(QChar c)
{
    return c == 'W' ? Gelaende::Wasser : c == 'S' ? Gelaende::Sand : Gelaende::Gras;
}

QChar buchstabe(Gelaende g)
{
    return g == Gelaende::Wasser ? 'W' : g == Gelaende::Sand ? 'S' : 'G';
}

QStringList zeilen(const QString &text)
{
    return text.split('|');
}

void anwenden(TKarte &karte, const FeldEntwurf &entwurf)
{
    for (const FeldCode &feld : entwurf.aenderungen())
        karte.Felder[feld.seite][feld.feld] = feld.code;
}

// The lattice of the window at `links`, read back from the map's fields.
QString fenster(const TKarte &karte, QPoint links, QSize punkte)
{
    const FeldRaster raster(karte);
    const FeldEntwurf entwurf(karte);
    const EckenGitter gitter(raster, entwurf);
    QStringList text;
    for (int y = 0; y < punkte.height(); ++y) {
        QString zeile;
        for (int x = 0; x < punkte.width(); ++x)
            zeile += buchstabe(gitter.gelaende(links + QPoint(x, y)));
        text << zeile;
    }
    return text.join('|');
}

QPoint zelleAus(const QString &text)
{
    const QStringList teile = text.split(',');
    return {teile[0].toInt(), teile[1].toInt()};
}

} // namespace

class KantenloeserTest : public QObject
{
    Q_OBJECT

private slots:
    // Each row: a 4-page meadow with a start lattice at cell `links`,
    // optional codes laid over it, actions in window cells ("P x,y x,y":
    // one brush stroke; "R x,y,w,h": a rectangle; "F x,y": a fill; "K":
    // repair; several separated by ';'), the painted code, the lattice
    // required afterwards, the most fields one action may change, and codes
    // required in window cells.
    void paintAndSolve_data()
    {
        QTest::addColumn<QPoint>("links");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<QString>("aktionen");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("erwartet");
        QTest::addColumn<int>("hoechstens");
        QTest::addColumn<QString>("codes");

        const QString wiese7 = "GGGGGGG|GGGGGGG|GGGGGGG|GGGGGGG|GGGGGGG|GGGGGGG|GGGGGGG";
        const QString teich = "GGGGGGG|GGGGGGG|GGWWGGG|GGWWGGG|GGGGGGG|GGGGGGG|GGGGGGG";
        const QString verbunden = "GGGGGGG|GWWGGGG|GWWWGGG|GGWWWGG|GGGWWGG|GGGGGGG|GGGGGGG";
        QTest::newRow("diagonal ponds join") << QPoint(4, 4) << wiese7 << "" << "P 1,1;P 3,3" << 22 << verbunden
                                             << 17 << "2,2=22";
        QTest::newRow("repair of a saddle left by hand")
            << QPoint(4, 4) << "GGGGGGG|GWWGGGG|GWWGGGG|GGGWWGG|GGGWWGG|GGGGGGG|GGGGGGG" << "" << "K" << 0
            << verbunden << 8 << "";
        QTest::newRow("water beside sand: the sand gives way")
            << QPoint(3, 3) << "GGGGGGGGGG|GGGGSSSSSG|GGGGSSSSSG|GGGGSSSSSG|GGGGSSSSSG|GGGGGGGGGG" << "" << "P 2,2"
            << 22 << "GGGGGGGGGG|GGGGGSSSSG|GGWWGSSSSG|GGWWGSSSSG|GGGGGSSSSG|GGGGGGGGGG" << 16 << "2,2=22|4,2=69";
        QTest::newRow("sand into water: the water gives way")
            << QPoint(3, 3) << "GGGGGGGGGG|GWWWWWWWWG|GWWWWWWWWG|GWWWWWWWWG|GWWWWWWWWG|GGGGGGGGGG" << ""
            << "P 6,2" << 56 << "GGGGGGGGGG|GWWWWGGGGG|GWWWWGSSGG|GWWWWGSSGG|GWWWWGGGGG|GGGGGGGGGG" << 25
            << "6,2=56|2,2=22";
        QTest::newRow("stroke across a page seam")
            << QPoint(13, 8) << wiese7 << "" << "P 2,2 3,2 3,3" << 22
            << "GGGGGGG|GGGGGGG|GGWWWGG|GGWWWGG|GGGWWGG|GGGGGGG|GGGGGGG" << 15 << "3,3=22";
        QTest::newRow("rectangle 1x1 paints like the brush")
            << QPoint(2, 2) << "GGGG|GGGG|GGGG|GGGG" << "" << "R 1,1,1,1" << 22 << "GGGG|GWWG|GWWG|GGGG" << 9
            << "1,1=22";
        QTest::newRow("rectangle 3x1 paints like the brush")
            << QPoint(2, 2) << "GGGGGG|GGGGGG|GGGGGG|GGGGGG" << "" << "R 1,1,3,1" << 22
            << "GGGGGG|GWWWWG|GWWWWG|GGGGGG" << 15 << "2,1=22";
        QTest::newRow("rectangle 2x2: a pond of four corners")
            << QPoint(2, 2) << "GGGGG|GGGGG|GGGGG|GGGGG|GGGGG" << "" << "R 1,1,2,2" << 22
            << "GGGGG|GGGGG|GGWGG|GGGGG|GGGGG" << 4 << "1,1=41|2,2=47";
        QTest::newRow("rectangle 5x4 keeps its size")
            << QPoint(2, 2) << "GGGGGGGG|GGGGGGGG|GGGGGGGG|GGGGGGGG|GGGGGGGG|GGGGGGGG|GGGGGGGG" << ""
            << "R 1,1,5,4" << 22 << "GGGGGGGG|GGGGGGGG|GGWWWWGG|GGWWWWGG|GGWWWWGG|GGGGGGGG|GGGGGGGG" << 20
            << "1,1=41|2,2=22|4,3=22|5,4=47|0,0=1|6,5=1";
        QTest::newRow("rectangle 6x5 of sand")
            << QPoint(2, 2) << "GGGGGGGGG|GGGGGGGGG|GGGGGGGGG|GGGGGGGGG|GGGGGGGGG|GGGGGGGGG|GGGGGGGGG|GGGGGGGGG"
            << "" << "R 1,1,6,5" << 51
            << "GGGGGGGGG|GGGGGGGGG|GGSSSSSGG|GGSSSSSGG|GGSSSSSGG|GGSSSSSGG|GGGGGGGGG|GGGGGGGGG" << 30
            << "3,3=51|1,1=77";
        QTest::newRow("rectangle over a lake's edge")
            << QPoint(2, 2) << "GGGGGG|GWWWWG|GWWWWG|GWWWWG|GGGGGG" << "" << "R 0,0,4,3" << 1
            << "GGGGGG|GGGGWG|GGGGWG|GWWWWG|GGGGGG" << 12 << "1,1=1";
        QTest::newRow("decoration beside a shore stays")
            << QPoint(4, 4) << teich << "4,1=7|4,4=7" << "P 3,3" << 22
            << "GGGGGGG|GGGGGGG|GGWWGGG|GGWWWGG|GGGWWGG|GGGGGGG|GGGGGGG" << 9 << "4,1=7|4,4=47";
        QTest::newRow("tree on meadow changes one field")
            << QPoint(4, 4) << teich << "" << "P 5,2" << 7 << teich << 1 << "5,2=7";
        QTest::newRow("no-op repaint") << QPoint(4, 4) << teich << "" << "P 2,2;R 2,2,1,1" << 22 << teich << 0 << "";
        QTest::newRow("meadow painted on meadow") << QPoint(4, 4) << teich << "5,5=0|5,4=3" << "P 5,5" << 1 << teich
                                                  << 1 << "5,5=1|5,4=3";
        QTest::newRow("fill of a meadow ringed by sand")
            << QPoint(2, 2) << "SSSSSSS|SSSSSSS|SSGGGSS|SSGGGSS|SSGGGSS|SSSSSSS|SSSSSSS" << "2,2=13" << "F 2,2" << 22
            << "SSSSSSS|SSSSSSS|SSGGGSS|SSGWGSS|SSGGGSS|SSSSSSS|SSSSSSS" << 4 << "2,2=41|1,1=85";
        QTest::newRow("repair of a straight water-sand cut")
            << QPoint(4, 4) << wiese7 << "2,2=22|3,2=51|2,3=22|3,3=51" << "K" << 0
            << "GGGGGGG|GGGGGGG|GGGGGGG|GGGWGGG|GGGGGGG|GGGGGGG|GGGGGGG" << 4 << "2,2=41|3,3=47";
    }

    void paintAndSolve()
    {
        QFETCH(QPoint, links);
        QFETCH(QString, start);
        QFETCH(QString, vorher);
        QFETCH(QString, aktionen);
        QFETCH(int, code);
        QFETCH(QString, erwartet);
        QFETCH(int, hoechstens);
        QFETCH(QString, codes);

        auto karte = std::make_unique<TKarte>();
        StandardGroesseSetzen(*karte, 4);
        const FeldRaster raster(*karte);
        const QStringList startZeilen = zeilen(start);
        const QSize punkte(int(startZeilen[0].size()), int(startZeilen.size()));
        {
            EckenGitter gitter(raster);
            for (int y = 0; y < punkte.height(); ++y)
                for (int x = 0; x < punkte.width(); ++x)
                    gitter.setzen(links + QPoint(x, y), buchstabe(startZeilen[y][x]));
            FeldEntwurf entwurf(*karte);
            FelderAnpassen(entwurf, gitter);
            for (const QString &vorgabe : vorher.split('|', Qt::SkipEmptyParts)) {
                const QStringList teile = vorgabe.split('=');
                entwurf.setzen(*raster.ort(links + zelleAus(teile[0])), std::uint8_t(teile[1].toInt()));
            }
            anwenden(*karte, entwurf);
        }
        const auto anfang = std::make_unique<TKarte>(*karte);

        for (const QString &aktion : aktionen.split(';')) {
            FeldEntwurf entwurf(*karte);
            const QStringList teile = aktion.split(' ', Qt::SkipEmptyParts);
            std::vector<QPoint> gemalt;
            for (int i = 1; i < teile.size(); ++i)
                gemalt.push_back(links + zelleAus(teile[i]));
            const auto painted = std::uint8_t(code);
            if (teile[0] == "P") {
                FelderMalen(entwurf, raster, gemalt, painted, true);
            } else if (teile[0] == "R") {
                const QStringList r = teile[1].split(',');
                gemalt = RechteckZellen(raster, QRect(links + QPoint(r[0].toInt(), r[1].toInt()),
                                                      QSize(r[2].toInt(), r[3].toInt())));
                FlaecheMalen(entwurf, raster, gemalt, painted, true);
            } else if (teile[0] == "F") {
                gemalt = FuellFlaeche(entwurf, raster, gemalt.front(), painted, true);
                FlaecheMalen(entwurf, raster, gemalt, painted, true);
            } else {
                KantenReparieren(entwurf, raster);
            }
            QVERIFY2(int(entwurf.aenderungen().size()) <= hoechstens,
                     qPrintable(aktion + ": " + QString::number(entwurf.aenderungen().size()) + " fields changed"));
            anwenden(*karte, entwurf);
            QVERIFY2(KantenFehler(*karte).empty(), qPrintable(aktion));
            // The brush keeps the corners it painted.
            if (teile[0] == "P" && GelaendeFeld(painted))
                for (QPoint zelle : gemalt) {
                    const auto ort = raster.ort(zelle);
                    QCOMPARE(FeldEcken(karte->Felder[ort->seite][ort->feld]).ecke[0], FeldEcken(painted).ecke[0]);
                    QVERIFY(FeldEcken(karte->Felder[ort->seite][ort->feld]).einheitlich());
                }
        }

        QCOMPARE(fenster(*karte, links, punkte), erwartet);
        // Nothing outside the window changed.
        for (int y = 0; y < raster.groesse().height(); ++y)
            for (int x = 0; x < raster.groesse().width(); ++x) {
                const QPoint zelle(x, y);
                if (QRect(links, punkte - QSize(1, 1)).contains(zelle))
                    continue;
                const auto ort = raster.ort(zelle);
                QCOMPARE(karte->Felder[ort->seite][ort->feld], anfang->Felder[ort->seite][ort->feld]);
            }
        for (const QString &vorgabe : codes.split('|', Qt::SkipEmptyParts)) {
            const QStringList teile = vorgabe.split('=');
            const auto ort = raster.ort(links + zelleAus(teile[0]));
            QCOMPARE(int(karte->Felder[ort->seite][ort->feld]), teile[1].toInt());
        }
    }

    // Random strokes, rectangles and fills of terrain tiles and decorations
    // on a 4-page map whose meadow mixes the start-up codes: the map is
    // consistent after every step, and undoing them all gives back the
    // file's bytes.
    void randomPaintingStaysConsistent()
    {
        KartenDokument dokument;
        dokument.neu({QStringLiteral("Zufall"), 0, 4});
        std::mt19937 zufall(19);
        {
            FeldEntwurf entwurf(dokument.karte());
            const FeldRaster raster(dokument.karte());
            for (QPoint zelle : RechteckZellen(raster, QRect(QPoint(0, 0), raster.groesse())))
                entwurf.setzen(*raster.ort(zelle), std::uint8_t(zufall() % 4));
            dokument.felderSetzen(QStringLiteral("Start"), entwurf.aenderungen());
        }
        const QByteArray vorher = KartenText(dokument.karte(), dokument.karte().KartenName);
        const int schritteVorher = dokument.verlauf().count();
        const std::uint8_t codes[] = {1, 1, 22, 22, 22, 51, 51, 56, 4, 7, 13, 100};
        const FeldRaster raster(dokument.karte());
        const auto zelle = [&] {
            return QPoint(int(zufall() % unsigned(raster.groesse().width())),
                          int(zufall() % unsigned(raster.groesse().height())));
        };
        for (int schritt = 0; schritt < 2000; ++schritt) {
            const std::uint8_t code = codes[zufall() % std::size(codes)];
            FeldEntwurf entwurf(dokument.karte());
            const QPoint a = zelle();
            switch (zufall() % 3) {
            case 0:
                FelderMalen(entwurf, raster, FeldLinie(a, a + QPoint(int(zufall() % 7) - 3, int(zufall() % 7) - 3)),
                            code, true);
                break;
            case 1:
                FlaecheMalen(entwurf, raster,
                             RechteckZellen(raster, QRect(a, QSize(int(zufall() % 6) + 1, int(zufall() % 5) + 1))),
                             code, true);
                break;
            default:
                FlaecheMalen(entwurf, raster, FuellFlaeche(entwurf, raster, a, code, true), code, true);
                break;
            }
            dokument.felderSetzen(QStringLiteral("Malen"), entwurf.aenderungen());
            const std::vector<FeldOrt> fehler = KantenFehler(dokument.karte());
            if (!fehler.empty())
                QFAIL(qPrintable(QStringLiteral("step %1: page %2 field %3 disagrees")
                                     .arg(schritt)
                                     .arg(fehler.front().seite)
                                     .arg(fehler.front().feld)));
        }
        while (dokument.verlauf().index() > schritteVorher)
            dokument.verlauf().undo();
        QCOMPARE(KartenText(dokument.karte(), dokument.karte().KartenName), vorher);
    }

    // A map of random codes, every corner disputed: the repair makes it
    // consistent, and a second repair finds nothing to do.
    void repairOfRandomCodes()
    {
        auto karte = std::make_unique<TKarte>();
        StandardGroesseSetzen(*karte, 9);
        std::mt19937 zufall(22);
        for (int seite = 1; seite <= 9; ++seite)
            for (int feld = 1; feld <= karte->AnzahlFelder; ++feld)
                karte->Felder[seite][feld] = std::uint8_t(zufall() % 256);
        const FeldRaster raster(*karte);
        FeldEntwurf entwurf(*karte);
        KantenReparieren(entwurf, raster);
        QVERIFY(!entwurf.aenderungen().empty());
        anwenden(*karte, entwurf);
        QCOMPARE(KantenFehler(*karte).size(), std::size_t(0));
        FeldEntwurf nochmal(*karte);
        KantenReparieren(nochmal, raster);
        QVERIFY(nochmal.aenderungen().empty());
    }
};

QTEST_GUILESS_MAIN(KantenloeserTest)
#include "kantenloeser_test.moc"
