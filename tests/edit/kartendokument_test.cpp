#include "groesseaendern.h"
#include "kartendatei.h"
#include "kartendokument.h"
#include "testordner.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <map>

namespace {

constexpr FeldOrt A{1, 1};
constexpr FeldOrt B{1, 2};

} // namespace

class KartenDokumentTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<KartenDokument> dok;
    std::unique_ptr<TestOrdner> ordner;

    std::uint8_t code(FeldOrt ort) const { return dok->karte().Felder[ort.seite][std::size_t(ort.feld)]; }
    QByteArray text() const { return KartenText(dok->karte(), dok->karte().KartenName); }
    QByteArray datei(const QString &name) const
    {
        DateiSchreiben(dok->karte(), ordner->pfad(name), dok->karte().KartenName);
        return ordner->lesen(name);
    }

    // Press, moves over the fields, release.
    void strich(std::uint8_t wert, std::initializer_list<FeldOrt> felder)
    {
        dok->strichBeginnen();
        for (FeldOrt ort : felder)
            dok->feldMalen(ort, wert);
        dok->strichBeenden();
    }

private slots:
    void init()
    {
        ordner = std::make_unique<TestOrdner>();
        dok = std::make_unique<KartenDokument>();
        dok->startKarteAnlegen();
    }

    // Strokes, a random map, properties and sizes 4 -> 9 -> 16 -> 1 -> 16 pages, taken back one
    // step at a time to the very file written before the first change, and
    // done again to the file written after the last. Growing again after the
    // shrink overwrites page 10, whose painted fields only the history keeps.
    void verlaufZurueckUndVor()
    {
        QList<QByteArray> staende{datei("anfang.map")};
        QStringList namen;
        const auto schritt = [&](const QString &name, const std::function<void()> &tun) {
            tun();
            staende << text();
            namen << name;
        };
        schritt("Malen", [&] { strich(51, {A, B, {2, 3}, {4, 176}}); });
        schritt("Zufallskarte", [&] { dok->zufallskarteAnlegen({9, 20, 15, 15, 2, true, 5}); });
        schritt("Eigenschaften", [&] { dok->eigenschaftenAendern({"Insel", 120, 0}); });
        schritt("Größe", [&] { dok->eigenschaftenAendern({"Insel", 120, 16}); });
        schritt("Malen", [&] { strich(22, {{10, 5}, {10, 6}, {16, 176}, A}); });
        schritt("Größe", [&] { dok->eigenschaftenAendern({"Küste", 80, 1}); });
        schritt("Malen", [&] { strich(7, {{1, 176}}); });
        schritt("Größe", [&] { dok->eigenschaftenAendern({"Küste", 80, 16}); });
        QCOMPARE(code({10, 5}), std::uint8_t(1));
        staende.last() = datei("ende.map");
        QCOMPARE(dok->verlauf().count(), namen.size());

        QSignalSpy anordnung(dok.get(), &KartenDokument::anordnungGeaendert);
        for (int i = namen.size(); i > 0; --i) {
            QCOMPARE(dok->verlauf().undoText(), namen.at(i - 1));
            dok->verlauf().undo();
            QCOMPARE(text(), staende.at(i - 1));
        }
        QVERIFY(!dok->verlauf().canUndo());
        QCOMPARE(text(), ordner->lesen("anfang.map"));
        QCOMPARE(anordnung.size(), 4);
        for (int i = 1; i <= namen.size(); ++i) {
            dok->verlauf().redo();
            QCOMPARE(text(), staende.at(i));
        }
        QCOMPARE(text(), ordner->lesen("ende.map"));
    }

    // A size of 1 to 16 pages: pages that stay keep their fields, new ones
    // are plain grass, the terrain a shrink would drop is named beforehand,
    // and the one step "Größe" goes back to the very bytes of before.
    void groesseAendern_data()
    {
        QTest::addColumn<int>("vorher");
        QTest::addColumn<int>("nachher");
        QTest::addColumn<QList<int>>("gelaende"); // pages painted with sand first
        QTest::addColumn<QList<int>>("verloren");
        QTest::newRow("preset 4 -> 9") << 4 << 9 << QList<int>{1, 4} << QList<int>{};
        QTest::newRow("preset 4 -> 1, terrain dropped") << 4 << 1 << QList<int>{1, 3} << QList<int>{3};
        QTest::newRow("preset 9 -> 16") << 9 << 16 << QList<int>{9} << QList<int>{};
        QTest::newRow("custom 1 -> 2") << 1 << 2 << QList<int>{1} << QList<int>{};
        QTest::newRow("custom 4 -> 3, meadow dropped") << 4 << 3 << QList<int>{2} << QList<int>{};
        QTest::newRow("custom 16 -> 6, terrain dropped") << 16 << 6 << QList<int>{6, 7, 9, 12} << QList<int>{7, 9, 12};
        QTest::newRow("custom 2 -> 16") << 2 << 16 << QList<int>{2} << QList<int>{};
        QTest::newRow("custom 9 -> 2, pages 5 to 9") << 9 << 2 << QList<int>{5, 6, 7, 8, 9} << QList<int>{5, 6, 7, 8, 9};
    }

    void groesseAendern()
    {
        QFETCH(int, vorher);
        QFETCH(int, nachher);
        QFETCH(QList<int>, gelaende);
        QFETCH(QList<int>, verloren);
        dok->neu({"Insel", 50, std::uint8_t(vorher)});
        for (int seite : gelaende)
            strich(51, {{std::uint8_t(seite), 1}, {std::uint8_t(seite), 176}});
        const QByteArray alt = text();
        const int schritte = dok->verlauf().count();

        const std::vector<int> gefunden = SeitenMitGelaende(dok->karte(), std::uint8_t(nachher));
        QCOMPARE(QList<int>(gefunden.begin(), gefunden.end()), verloren);
        dok->eigenschaftenAendern({"Insel", 50, std::uint8_t(nachher)});
        QCOMPARE(dok->verlauf().count(), schritte + 1);
        QCOMPARE(dok->verlauf().undoText(), QStringLiteral("Größe"));
        QCOMPARE(int(dok->karte().AnzahlSeiten), nachher);
        QCOMPARE(dok->karte().AnzahlFelder, 176);
        for (int seite = 1; seite <= nachher; ++seite) {
            const bool sand = seite <= vorher && gelaende.contains(seite);
            QCOMPARE(code({std::uint8_t(seite), 176}), std::uint8_t(sand ? 51 : 1));
            QCOMPARE(code({std::uint8_t(seite), 2}), std::uint8_t(1));
        }
        const QByteArray neu = text();
        QCOMPARE(neu.count("\r\n"), 9 + nachher * 176);

        dok->verlauf().undo();
        QCOMPARE(text(), alt);
        dok->verlauf().redo();
        QCOMPARE(text(), neu);
    }

    // However often a stroke passes a field, the step keeps the field's
    // first old code; a press that changes nothing adds no step.
    void strichIstEinSchritt()
    {
        const std::uint8_t a = code(A);
        const std::uint8_t b = code(B);
        dok->strichBeginnen();
        for (int i = 0; i < 5; ++i) {
            dok->feldMalen(A, 51);
            dok->feldMalen(B, 51);
        }
        const FeldCode anders[] = {{A.seite, A.feld, 22}};
        QVERIFY(dok->felderSetzen(KartenDokument::malenText(), anders));
        dok->strichBeenden();
        QCOMPARE(dok->verlauf().count(), 1);
        QCOMPARE(code(A), std::uint8_t(22));

        QSignalSpy felder(dok.get(), &KartenDokument::felderGeaendert);
        dok->verlauf().undo();
        QCOMPARE(code(A), a);
        QCOMPARE(code(B), b);
        QCOMPARE(felder.size(), 1);
        QCOMPARE(felder.at(0).at(0).value<std::vector<FeldOrt>>(), (std::vector<FeldOrt>{A, B}));
        dok->verlauf().redo();

        // Same code, a field beyond the page's fields, a page the map lacks.
        strich(22, {A, {1, 177}, {5, 1}, {0, 1}});
        QCOMPARE(dok->verlauf().count(), 1);
        // Nothing chosen differs: no step either.
        dok->eigenschaftenAendern({dok->karte().KartenName, dok->karte().ZeitLimit, 4});
        QCOMPARE(dok->verlauf().count(), 1);
        QVERIFY(dok->istGeaendert());
    }

    void neuerStrichVerwirftWiederherstellen()
    {
        strich(51, {A});
        strich(52, {B});
        dok->verlauf().undo();
        QVERIFY(dok->verlauf().canRedo());
        strich(53, {A});
        QVERIFY(!dok->verlauf().canRedo());
        QCOMPARE(dok->verlauf().count(), 2);
        dok->verlauf().undo();
        dok->verlauf().undo();
        QVERIFY(!dok->verlauf().canUndo());
    }

    // m paints, s saves, u undoes, r redoes; after each one the map is
    // modified (1) or not (0).
    void geaendertFolgtDemVerlauf_data()
    {
        QTest::addColumn<QString>("folge");
        QTest::addColumn<QString>("geaendert");
        QTest::newRow("paint, undo") << "mu" << "10";
        QTest::newRow("save, paint, undo") << "smu" << "010";
        QTest::newRow("paint, save, undo, redo") << "msur" << "1010";
        QTest::newRow("saved state dropped") << "msum" << "1011";
        QTest::newRow("dropped for good") << "msumuu" << "101111";
    }

    void geaendertFolgtDemVerlauf()
    {
        QFETCH(QString, folge);
        QFETCH(QString, geaendert);
        QSignalSpy wechsel(dok.get(), &KartenDokument::geaendertGewechselt);
        QString gesehen;
        std::uint8_t wert = 40;
        for (QChar c : folge) {
            if (c == 'm')
                strich(++wert, {A});
            else if (c == 's')
                dok->speichern(ordner->pfad("k.map"));
            else if (c == 'u')
                dok->verlauf().undo();
            else
                dok->verlauf().redo();
            gesehen += dok->istGeaendert() ? '1' : '0';
        }
        QCOMPARE(gesehen, geaendert);
        if (!wechsel.isEmpty())
            QCOMPARE(wechsel.last().at(0).toBool(), dok->istGeaendert());
    }

    // Another map's history is not this one's: Open and New start afresh.
    void oeffnenUndNeuLeerenDenVerlauf()
    {
        strich(51, {A});
        dok->speichern(ordner->pfad("a.map"));
        strich(52, {A});
        QSignalSpy anordnung(dok.get(), &KartenDokument::anordnungGeaendert);
        QVERIFY(dok->oeffnen(ordner->pfad("a.map")));
        QVERIFY(!dok->verlauf().canUndo());
        QVERIFY(!dok->istGeaendert());
        QCOMPARE(code(A), std::uint8_t(51));
        QCOMPARE(anordnung.size(), 1);

        strich(52, {A});
        dok->neu({"Neu", 50, 9});
        QVERIFY(!dok->verlauf().canUndo());
        QVERIFY(!dok->istGeaendert());
        QVERIFY(dok->dateiname().isEmpty());
        QCOMPARE(dok->karte().AnzahlSeiten, std::uint8_t(9));
        QCOMPARE(code({9, 176}), std::uint8_t(1));
    }

    // The packed runs against a plain model: every field keeps its first old
    // code and its last new one, in any order of recording, also when a
    // second list is merged after the first.
    void feldAenderungenWieEinfacheListe()
    {
        QRandomGenerator zufall(7);
        for (int runde = 0; runde < 500; ++runde) {
            FeldAenderungen erste;
            FeldAenderungen zweite;
            std::map<std::pair<int, int>, std::pair<int, int>> modell;
            const int anzahl = zufall.bounded(1, 40);
            const int teilung = zufall.bounded(anzahl + 1);
            for (int i = 0; i < anzahl; ++i) {
                const FeldOrt ort{std::uint8_t(zufall.bounded(1, 3)), zufall.bounded(1, 12)};
                const auto alt = std::uint8_t(zufall.bounded(3));
                const auto neu = std::uint8_t(zufall.bounded(3));
                (i < teilung ? erste : zweite).eintragen(ort, alt, neu);
                modell.try_emplace({ort.seite, ort.feld}, alt, neu).first->second.second = neu;
            }
            erste.anhaengen(zweite);
            QCOMPARE(erste.felder(), modell.size());

            auto vor = std::make_unique<TKarte>();
            for (auto &seite : vor->Felder)
                seite.fill(9);
            auto zurueck = std::make_unique<TKarte>(*vor);
            erste.anwenden(*vor, false);
            erste.anwenden(*zurueck, true);
            for (int seite = 1; seite <= 2; ++seite) {
                for (int feld = 1; feld <= 12; ++feld) {
                    const auto eintrag = modell.find({seite, feld});
                    const bool drin = eintrag != modell.end();
                    QCOMPARE(int(vor->Felder[seite][feld]), drin ? eintrag->second.second : 9);
                    QCOMPARE(int(zurueck->Felder[seite][feld]), drin ? eintrag->second.first : 9);
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(KartenDokumentTest)
#include "kartendokument_test.moc"
