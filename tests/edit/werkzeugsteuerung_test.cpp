#include "auswahlwerkzeug.h"
#include "fuellwerkzeug.h"
#include "kartendatei.h"
#include "kartendokument.h"
#include "pinselwerkzeug.h"
#include "pipettenwerkzeug.h"
#include "rechteckwerkzeug.h"
#include "werkzeugsteuerung.h"

#include <QFile>
#include <QTemporaryDir>

#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// A document of meadow pages and the tools over it.
struct Werkbank
{
    KartenDokument dokument;
    Werkzeugsteuerung werkzeuge{dokument};

    explicit Werkbank(int seiten) { dokument.neu({QString(), 0, std::uint8_t(seiten)}); }

    TKarte &karte() { return dokument.karteFuerBefehle(); }

    // Centre of a field in map pixels.
    QPoint punkt(int seite, int feld) const
    {
        const FeldRaster raster(dokument.karte());
        return raster.pixel(raster.zelle({std::uint8_t(seite), feld})).center();
    }

    int anzahl(int seite, std::uint8_t code) const
    {
        const auto &felder = dokument.karte().Felder[seite];
        return int(std::count(felder.begin() + 1, felder.begin() + 177, code));
    }

    QStringList schritte()
    {
        QStringList namen;
        for (int i = 0; i < dokument.verlauf().count(); ++i)
            namen << dokument.verlauf().text(i);
        return namen;
    }

    QByteArray datei()
    {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("k.map"));
        DateiSchreiben(dokument.karte(), pfad, dokument.karte().KartenName);
        QFile f(pfad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

// Percent of the fields per tile code.
using Anteile = QMap<int, int>;

} // namespace

class WerkzeugsteuerungTest : public QObject
{
    Q_OBJECT

private slots:
    // Two reported positions five fields apart paint all six fields, and a
    // stroke runs on into the page beside: one step for the whole stroke.
    void strokesPaintTheWholeLine()
    {
        Werkbank w(4);
        w.werkzeuge.setKantenAutomatisch(false);
        w.werkzeuge.druecken(w.punkt(1, 20), 51);
        w.werkzeuge.bewegen(w.punkt(1, 25), 51);
        for (int feld = 20; feld <= 25; ++feld)
            QCOMPARE(int(w.karte().Felder[1][feld]), 51);
        QCOMPARE(w.anzahl(1, 51), 6);
        // On across the seam into page 2, past its first fields.
        w.werkzeuge.bewegen(w.punkt(2, 20), 51);
        w.werkzeuge.loslassen(w.punkt(2, 20));
        QCOMPARE(w.anzahl(1, 51), 13);
        QCOMPARE(w.anzahl(2, 51), 4);
        QCOMPARE(w.schritte(), QStringList{"Malen"});
        // Beyond every page nothing is painted, and moves after the release
        // paint nothing.
        w.werkzeuge.druecken(QPoint(-30, -30), 51);
        w.werkzeuge.loslassen(QPoint(-30, -30));
        w.werkzeuge.bewegen(w.punkt(3, 1), 51);
        QCOMPARE(w.schritte(), QStringList{"Malen"});
    }

    // A press at page pixel X < 1 or Y < 1 paints nothing, so a move there
    // paints nothing either and shows no preview: the line goes on from the
    // last field painted once the pointer is inside again.
    void ersteZeileUndSpalteMalenNichts_data()
    {
        QTest::addColumn<QPoint>("von");   // page pixels of page 1
        QTest::addColumn<QPoint>("nach");
        QTest::addColumn<int>("ungemalt"); // field of page 1 under `nach`
        QTest::newRow("up to the top row") << QPoint(340, 45) << QPoint(340, 0) << 9;
        QTest::newRow("left to the first column") << QPoint(45, 100) << QPoint(0, 100) << 33;
        QTest::newRow("into the corner") << QPoint(45, 45) << QPoint(0, 0) << 1;
    }

    void ersteZeileUndSpalteMalenNichts()
    {
        QFETCH(QPoint, von);
        QFETCH(QPoint, nach);
        QFETCH(int, ungemalt);
        Werkbank w(1);
        w.werkzeuge.setKantenAutomatisch(false);
        w.werkzeuge.bewegen(nach, 51);
        QVERIFY(w.werkzeuge.vorschau().empty());
        w.werkzeuge.bewegen(von, 51);
        QVERIFY(!w.werkzeuge.vorschau().empty());
        w.werkzeuge.bewegen(nach, 51);
        QVERIFY(w.werkzeuge.vorschau().empty());
        w.werkzeuge.druecken(von, 51);
        w.werkzeuge.bewegen(nach, 51);
        w.werkzeuge.loslassen(nach);
        QCOMPARE(int(w.karte().Felder[1][ungemalt]), 1);
        QCOMPARE(w.anzahl(1, 51), 1);
        // One pixel further in, the field is painted.
        w.werkzeuge.druecken(von, 51);
        w.werkzeuge.loslassen(nach + QPoint(nach.x() == 0 ? 1 : 0, nach.y() == 0 ? 1 : 0));
        QCOMPARE(int(w.karte().Felder[1][ungemalt]), 51);
    }

    // Fill and rectangle are one step each; the rectangle outlines while it
    // is dragged and fills only what lies on the map.
    void fillAndRectangle()
    {
        Werkbank w(4);
        w.werkzeuge.waehlen<FuellWerkzeug>();
        w.werkzeuge.druecken(w.punkt(4, 1), 22);
        w.werkzeuge.loslassen(w.punkt(4, 1));
        QCOMPARE(w.anzahl(1, 22) + w.anzahl(2, 22) + w.anzahl(3, 22) + w.anzahl(4, 22), 704);
        QCOMPARE(w.schritte(), QStringList{"Füllen"});

        w.werkzeuge.waehlen<RechteckWerkzeug>();
        QSignalSpy neuZeichnen(&w.werkzeuge, &Werkzeugsteuerung::ueberlagerungGeaendert);
        w.werkzeuge.druecken(w.punkt(4, 176) + QPoint(-80, -80), 1);
        w.werkzeuge.bewegen(QPoint(5000, 5000), 1);
        QCOMPARE(w.werkzeuge.rahmenPixel(), QRect(1160, 760, 120, 120));
        QVERIFY(!neuZeichnen.isEmpty());
        QCOMPARE(w.anzahl(4, 1), 0);
        // While it is dragged the preview shows the fields it will change:
        // the 3 x 3 cut to the map, the shore inside its rim.
        QCOMPARE(w.werkzeuge.vorschau().size(), std::size_t(9));
        w.werkzeuge.loslassen(QPoint(5000, 5000));
        QVERIFY(!w.werkzeuge.rahmenPixel().isValid());
        QVERIFY(w.werkzeuge.vorschau().empty());
        // The rectangle keeps its size: 2 x 2 meadow in the map's corner,
        // which needs no shore, and the shore on the rectangle's rim.
        QCOMPARE(w.anzahl(4, 1), 4);
        QCOMPARE(int(w.karte().Felder[4][176 - 2 * 16 - 2]), 39);
        QCOMPARE(int(w.karte().Felder[4][176 - 3 * 16 - 3]), 22);
        QCOMPARE(w.schritte(), (QStringList{"Füllen", "Rechteck"}));
    }

    // The fill's region is what looks alike: the start-up meadow's codes
    // 0..3 are one region, a tree on it is not. The hover preview shows every
    // field the fill changes; a region too large for it is named instead.
    void fillPreviewAndStartupMeadow()
    {
        Werkbank w(1);
        for (int feld = 1; feld <= 176; ++feld)
            w.karte().Felder[1][feld] = std::uint8_t(feld % 4);
        w.karte().Felder[1][50] = 7;
        w.werkzeuge.waehlen<FuellWerkzeug>();
        w.werkzeuge.bewegen(w.punkt(1, 1), 4);
        QCOMPARE(w.werkzeuge.vorschau().size(), std::size_t(175));
        w.werkzeuge.druecken(w.punkt(1, 1), 4);
        w.werkzeuge.loslassen(w.punkt(1, 1));
        QCOMPARE(w.anzahl(1, 4), 175);
        QCOMPARE(int(w.karte().Felder[1][50]), 7);

        Werkbank gross(16);
        QSignalSpy hinweis(&gross.werkzeuge, &Werkzeugsteuerung::hinweis);
        gross.werkzeuge.waehlen<FuellWerkzeug>();
        gross.werkzeuge.bewegen(gross.punkt(1, 1), 22);
        QVERIFY(gross.werkzeuge.vorschau().empty());
        QCOMPARE(hinweis.count(), 1);
        QVERIFY(hinweis.first().first().toString().contains(QStringLiteral("2816 Felder")));
    }

    // A selection reports its size, is cut to the map, and travels through
    // the clipboard into another map, landing where the pointer clicks.
    void cutAndPasteBetweenTwoMaps()
    {
        Werkbank quelle(4);
        quelle.karte().Felder[2][1] = 22;
        quelle.karte().Felder[2][2] = 100;
        quelle.werkzeuge.waehlen<AuswahlWerkzeug>();
        QSignalSpy groesse(&quelle.werkzeuge, &Werkzeugsteuerung::auswahlGroesse);
        quelle.werkzeuge.druecken(quelle.punkt(2, 1), 1);
        quelle.werkzeuge.bewegen(quelle.punkt(2, 18), 1);
        QCOMPARE(groesse.last().at(0).toSize(), QSize(2, 2));
        quelle.werkzeuge.loslassen(quelle.punkt(2, 18));
        QCOMPARE(quelle.werkzeuge.auswahl(), QRect(16, 0, 2, 2));
        quelle.werkzeuge.ausschneiden();
        QCOMPARE(int(quelle.karte().Felder[2][1]), 1);
        QCOMPARE(int(quelle.karte().Felder[2][2]), 1);
        QCOMPARE(quelle.schritte(), QStringList{"Ausschneiden"});

        Werkbank ziel(1);
        QVERIFY(ziel.werkzeuge.einfuegen());
        ziel.werkzeuge.bewegen(ziel.punkt(1, 175), 1);
        QCOMPARE(ziel.werkzeuge.vorschau().size(), std::size_t(2));   // the rest lies off the map
        ziel.werkzeuge.druecken(ziel.punkt(1, 175), 1);
        QCOMPARE(int(ziel.karte().Felder[1][175]), 22);
        QCOMPARE(int(ziel.karte().Felder[1][176]), 100);
        QVERIFY(!ziel.werkzeuge.fuegtEin());

        // Esc ends the selection; delete without one does nothing.
        QVERIFY(quelle.werkzeuge.abbrechen());
        QCOMPARE(groesse.last().at(0).toSize(), QSize());
        quelle.werkzeuge.loeschen();
        QCOMPARE(quelle.schritte(), QStringList{"Ausschneiden"});
        QVERIFY(!quelle.werkzeuge.abbrechen());
    }

    // Every use of a tool is one step, and undoing it gives back the file
    // as it was, byte for byte.
    void everyStepUndoesToTheSameFile()
    {
        Werkbank w(4);
        w.karte().Felder[1][40] = 87;
        w.karte().Felder[3][1] = 22;
        const QByteArray vorher = w.datei();
        const std::pair<const char *, std::function<void(Werkbank &)>> schritte[] = {
            {"Malen", [](Werkbank &b) {
                 b.werkzeuge.druecken(b.punkt(1, 40), 22);
                 b.werkzeuge.bewegen(b.punkt(2, 60), 22);
                 b.werkzeuge.loslassen(b.punkt(2, 60));
             }},
            {"Füllen", [](Werkbank &b) {
                 b.werkzeuge.waehlen<FuellWerkzeug>();
                 b.werkzeuge.druecken(b.punkt(3, 100), 51);
             }},
            {"Rechteck", [](Werkbank &b) {
                 b.werkzeuge.waehlen<RechteckWerkzeug>();
                 b.werkzeuge.druecken(b.punkt(1, 100), 7);
                 b.werkzeuge.loslassen(b.punkt(4, 20));
             }},
            {"Löschen", [](Werkbank &b) {
                 b.werkzeuge.waehlen<AuswahlWerkzeug>();
                 b.werkzeuge.druecken(b.punkt(1, 20), 1);
                 b.werkzeuge.loslassen(b.punkt(3, 60));
                 b.werkzeuge.loeschen();
             }},
            {"Einfügen", [](Werkbank &b) {
                 b.werkzeuge.waehlen<AuswahlWerkzeug>();
                 b.werkzeuge.druecken(b.punkt(3, 1), 1);
                 b.werkzeuge.loslassen(b.punkt(3, 20));
                 b.werkzeuge.kopieren();
                 QVERIFY(b.werkzeuge.einfuegen());
                 b.werkzeuge.druecken(b.punkt(2, 170), 1);
             }},
        };
        for (const auto &[name, schritt] : schritte) {
            schritt(w);
            QVERIFY2(w.schritte() == QStringList{name}, name);
            QVERIFY2(w.datei() != vorher, name);
            w.dokument.verlauf().undo();
            QVERIFY2(w.datei() == vorher, name);
            w.dokument.verlauf().clear();
        }
    }

    // The hover preview shows what a click would change and goes when the
    // pointer leaves; the pipette picks the code under the pointer.
    void previewAndPipette()
    {
        Werkbank w(1);
        w.werkzeuge.bewegen(w.punkt(1, 40), 22);
        QCOMPARE(w.werkzeuge.vorschau().size(), std::size_t(9));
        QCOMPARE(int(w.werkzeuge.vorschau().front().code), 22);
        w.werkzeuge.setKantenAutomatisch(false);
        w.werkzeuge.bewegen(w.punkt(1, 41), 22);
        QCOMPARE(w.werkzeuge.vorschau().size(), std::size_t(1));
        w.werkzeuge.verlassen();
        QVERIFY(w.werkzeuge.vorschau().empty());

        // Middle click with any tool, or a press with the pipette itself,
        // which shows no preview; off the map nothing is picked.
        w.karte().Felder[1][7] = 87;
        w.karte().Felder[1][8] = 100;
        QSignalSpy gewaehlt(&w.werkzeuge, &Werkzeugsteuerung::feldtypGewaehlt);
        w.werkzeuge.pipette(w.punkt(1, 7));
        w.werkzeuge.waehlen<PipettenWerkzeug>();
        w.werkzeuge.bewegen(w.punkt(1, 8), 22);
        QVERIFY(w.werkzeuge.vorschau().empty());
        w.werkzeuge.druecken(w.punkt(1, 8), 22);
        w.werkzeuge.bewegen(w.punkt(1, 9), 22);
        w.werkzeuge.loslassen(w.punkt(1, 9));
        w.werkzeuge.druecken(QPoint(-30, -30), 22);
        QCOMPARE(gewaehlt.size(), 2);
        QCOMPARE(gewaehlt.at(0).at(0).value<std::uint8_t>(), std::uint8_t(87));
        QCOMPARE(gewaehlt.at(1).at(0).value<std::uint8_t>(), std::uint8_t(100));
        QVERIFY(w.schritte().isEmpty());
    }

    // "Zufall": a fill of all 16 pages with a family's plain tile draws its
    // variants by their weights (within 5 points on 2816 fields); other tiles
    // stay as chosen. The brush and the rectangle lay what their preview
    // showed, and a field keeps its variant for the rest of a stroke.
    void zufallMaltVarianten_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<Anteile>("anteile");
        QTest::newRow("meadow") << 1 << Anteile{{1, 70}, {4, 20}, {16, 10}};
        QTest::newRow("sand") << 51 << Anteile{{51, 55}, {53, 15}, {59, 12}, {56, 12}, {57, 6}};
        QTest::newRow("a bush stands for all trees") << 11 << Anteile{{7, 45}, {11, 20}, {14, 20}, {13, 15}};
        QTest::newRow("water has no variants") << 22 << Anteile{{22, 100}};
    }

    void zufallMaltVarianten()
    {
        QFETCH(int, code);
        QFETCH(Anteile, anteile);
        const auto feldtyp = std::uint8_t(code);
        Werkbank w(16);
        for (int seite = 1; seite <= 16; ++seite)
            std::fill_n(&w.karte().Felder[seite][1], 176, code == 22 ? 1 : 22);
        w.werkzeuge.setZufall(true);
        w.werkzeuge.waehlen<FuellWerkzeug>();
        w.werkzeuge.druecken(w.punkt(1, 1), feldtyp);
        QMap<int, int> gezaehlt;
        for (int seite = 1; seite <= 16; ++seite)
            for (int feld = 1; feld <= 176; ++feld)
                ++gezaehlt[w.karte().Felder[seite][feld]];
        QCOMPARE(gezaehlt.keys(), anteile.keys());
        for (auto [c, prozent] : anteile.asKeyValueRange())
            QVERIFY2(std::abs(gezaehlt[c] * 100.0 / 2816 - prozent) <= 5.0, qPrintable(QString::number(c)));

        // The brush: what the pointer shows is what the click lays.
        w.werkzeuge.waehlen<PinselWerkzeug>();
        for (int feld = 20; feld < 60; ++feld) {
            w.werkzeuge.bewegen(w.punkt(2, feld), feldtyp);
            const std::uint8_t gezeigt = w.werkzeuge.vorschau().front().code;
            w.werkzeuge.druecken(w.punkt(2, feld), feldtyp);
            w.werkzeuge.loslassen(w.punkt(2, feld));
            QCOMPARE(w.karte().Felder[2][feld], gezeigt);
            QVERIFY(anteile.contains(gezeigt));
        }
        // Over a field and back within one stroke: it keeps its variant.
        w.werkzeuge.druecken(w.punkt(3, 40), feldtyp);
        const std::uint8_t erst = w.karte().Felder[3][40];
        for (int feld : {41, 42, 41, 40, 41, 40})
            w.werkzeuge.bewegen(w.punkt(3, feld), feldtyp);
        QCOMPARE(w.karte().Felder[3][40], erst);
        w.werkzeuge.loslassen(w.punkt(3, 40));

        // The rectangle: the fields of its preview are the fields it lays.
        w.werkzeuge.waehlen<RechteckWerkzeug>();
        w.werkzeuge.druecken(w.punkt(4, 1), feldtyp);
        w.werkzeuge.bewegen(w.punkt(4, 16 * 5 + 8), feldtyp);
        const std::vector<VorschauFeld> vorschau = w.werkzeuge.vorschau();
        w.werkzeuge.loslassen(w.punkt(4, 16 * 5 + 8));
        const FeldRaster raster(w.dokument.karte());
        for (const VorschauFeld &feld : vorschau) {
            const auto ort = raster.ort(raster.zelleBei(feld.pixel.center()));
            QVERIFY(ort);
            QCOMPARE(w.karte().Felder[ort->seite][ort->feld], feld.code);
        }
    }

    // The list the menu, tool bar and status bar are built from: every tool
    // has a name, a key and an access letter of its own.
    void toolListKeysAndLettersDiffer()
    {
        Werkbank w(1);
        QSet<QString> namen;
        QSet<QKeySequence> tasten;
        QSet<QChar> buchstaben;
        for (const auto &werkzeug : w.werkzeuge.werkzeuge()) {
            const WerkzeugInfo info = werkzeug->info();
            const qsizetype und = info.menueText.indexOf(u'&');
            QVERIFY2(und >= 0 && und + 1 < info.menueText.size(), qPrintable(info.menueText));
            namen.insert(info.name);
            tasten.insert(info.taste);
            buchstaben.insert(info.menueText.at(und + 1).toLower());
            QVERIFY(info.hilfe != 0);
        }
        const auto anzahl = qsizetype(w.werkzeuge.werkzeuge().size());
        QCOMPARE(namen.size(), anzahl);
        QCOMPARE(tasten.size(), anzahl);
        QCOMPARE(buchstaben.size(), anzahl);
        QVERIFY(w.werkzeuge.ist<PinselWerkzeug>());
    }
};

QTEST_MAIN(WerkzeugsteuerungTest)
#include "werkzeugsteuerung_test.moc"
