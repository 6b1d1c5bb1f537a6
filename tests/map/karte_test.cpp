#include "apperror.h"
#include "feldbilder.h"
#include "karte.h"
#include "random.h"
#include "testblaetter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class KarteTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_blaetter.isValid());
        TestBlaetterSchreiben(m_blaetter.path());
        QVERIFY(QDir::setCurrent(m_blaetter.path()));
    }

    void startKarteIstImmerGleich()
    {
        Zufall::RandSeed() = 0;
        auto karte = std::make_unique<TKarte>();
        StandardKarteAnlegen(*karte);
        QCOMPARE(karte->AnzahlFelder, 176);
        QCOMPARE(karte->AnzahlSeiten, 4);
        QCOMPARE(karte->SeitenBreite, 640);
        QCOMPARE(karte->SeitenHoehe, 440);
        QCOMPARE(karte->FeldGroesse, 40);
        QCOMPARE(karte->KartenName, QString());
        QCOMPARE(karte->ZeitLimit, 0);
        const int erwartet[4][4] = {{0, 0, 3, 0}, {1, 2, 1, 0}, {1, 1, 0, 1}, {0, 3, 0, 1}};
        for (int feld = 1; feld <= 4; ++feld)
            for (int seite = 1; seite <= 4; ++seite)
                QCOMPARE(int(karte->Felder[seite][feld]), erwartet[feld - 1][seite - 1]);
        int codes[4] = {};
        for (int seite = 1; seite <= 4; ++seite)
            for (int feld = 1; feld <= 176; ++feld) {
                QVERIFY(karte->Felder[seite][feld] <= 3);
                ++codes[karte->Felder[seite][feld]];
            }
        for (const int anzahl : codes)
            QVERIFY2(anzahl > 120, "the random codes are spread over 0..3");
        for (int seite = 5; seite <= MaxSeiten; ++seite)
            for (int feld = 1; feld <= MaxFelder; ++feld)
                QCOMPARE(int(karte->Felder[seite][feld]), 0);
        for (const QImage &bild : karte->FeldBilder)
            QCOMPARE(bild.size(), QSize(40, 40));
    }

    void fehlendesBlattBrichtNachDemRasterAb()
    {
        QTemporaryDir leer;
        Zufall::RandSeed() = 0;
        auto karte = std::make_unique<TKarte>();
        try {
            StandardKarteAnlegen(*karte, {leer.path()});
            QFAIL("a missing sheet must raise an error");
        } catch (const AppError &e) {
            QCOMPARE(e.message(), QStringLiteral("Datei Scene1.scn kann nicht geöffnet werden"));
        }
        QCOMPARE(karte->AnzahlSeiten, 4);
        QCOMPARE(int(karte->Felder[3][1]), 3);
        QVERIFY(karte->FeldBilder[0].isNull());
    }

    void feldNummerAufStandardseite_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("feld");
        QTest::newRow("1,1") << 1 << 1 << 1;
        QTest::newRow("39,0") << 39 << 0 << 1;
        QTest::newRow("left edge of field 2") << 40 << 0 << 2;
        QTest::newRow("639,0") << 639 << 0 << 16;
        QTest::newRow("0,40") << 0 << 40 << 17;
        QTest::newRow("639,439") << 639 << 439 << 176;
    }

    void feldNummerAufStandardseite()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, feld);
        QCOMPARE(FeldNummer(standardKarte(), x, y), feld);
    }

    void feldSetzenSpeichertUndLiefertDasQuadrat()
    {
        TKarte &karte = standardKarte();
        const struct { int feld; QPoint ort; } faelle[] = {
            {1, {0, 0}}, {16, {600, 0}}, {17, {0, 40}}, {32, {600, 40}}, {176, {600, 400}}};
        for (const auto &fall : faelle) {
            QCOMPARE(FeldSetzen(karte, fall.feld, 2, 200), QRect(fall.ort, QSize(40, 40)));
            QCOMPARE(int(karte.Felder[2][fall.feld]), 200);
        }
    }

    void breiteSeiteHatZwanzigSpalten()
    {
        TKarte karte = standardKarte();
        karte.SeitenBreite = 800;
        karte.AnzahlFelder = 220;
        QCOMPARE(FeldRechteck(karte, 20).topLeft(), QPoint(760, 0));
        QCOMPARE(FeldRechteck(karte, 21).topLeft(), QPoint(0, 40));
        QCOMPARE(FeldNummer(karte, 799, 0), 20);
    }

    void feldSetzenBleibtImRaster()
    {
        TKarte karte = standardKarte();
        const auto vorher = karte.Felder;
        QVERIFY(FeldSetzen(karte, 0, 1, 9).isNull());
        QVERIFY(FeldSetzen(karte, 177, 1, 9).isNull());
        QVERIFY(FeldSetzen(karte, 5, 0, 9).isNull());
        QVERIFY(FeldSetzen(karte, 5, 34, 9).isNull());
        karte.AnzahlFelder = 100000;
        QVERIFY(FeldSetzen(karte, MaxFelder + 1, 1, 9).isNull());
        QVERIFY(karte.Felder == vorher);
        QVERIFY(!FeldSetzen(karte, MaxFelder, MaxSeiten, 9).isNull());
    }

    void feldAnPositionKenntDenUnbedecktenStreifen()
    {
        TKarte karte = standardKarte();
        karte.SeitenBreite = 650; // 16 columns, a 10-pixel strip on the right
        karte.SeitenHoehe = 450;
        QVERIFY(FeldAnPosition(karte, 639, 5));
        QVERIFY(!FeldAnPosition(karte, 645, 5));
        QVERIFY(!FeldAnPosition(karte, 5, 445));
        // A row cut to 10 pixels by the lower edge holds fields 177 to 192.
        karte.AnzahlFelder = 192;
        QVERIFY(FeldAnPosition(karte, 5, 445));
        QCOMPARE(FeldNummer(karte, 639, 449), 192);
        QVERIFY(FeldAnPosition(karte, 639, 449));
        QVERIFY(!FeldAnPosition(karte, 5, 450));
        karte.AnzahlFelder = 20; // the second row ends after four fields
        QVERIFY(FeldAnPosition(karte, 125, 45));
        QVERIFY(!FeldAnPosition(karte, 165, 45));
        karte.FeldGroesse = 0;
        QVERIFY(!FeldAnPosition(karte, 5, 5));
        QCOMPARE(FeldNummer(karte, 5, 5), 0);
    }

    void standardGroesseBehaeltVerbleibendeSeiten()
    {
        TKarte karte = standardKarte();
        karte.Felder[1][1] = 77;
        karte.Felder[4][176] = 78;
        karte.Felder[5][1] = 79;
        StandardGroesseSetzen(karte, 9);
        QCOMPARE(karte.AnzahlSeiten, 9);
        QCOMPARE(int(karte.Felder[1][1]), 77);
        QCOMPARE(int(karte.Felder[4][176]), 78);
        for (int seite = 5; seite <= 9; ++seite)
            for (int feld = 1; feld <= 176; ++feld)
                QCOMPARE(int(karte.Felder[seite][feld]), 1);
        StandardGroesseSetzen(karte, 1);
        QCOMPARE(karte.AnzahlSeiten, 1);
        QCOMPARE(int(karte.Felder[1][1]), 77);

        TKarte klein = standardKarte();
        klein.AnzahlFelder = 40;
        klein.Felder[1][41] = 99;
        StandardGroesseSetzen(klein, 1);
        QCOMPARE(klein.AnzahlFelder, 176);
        QCOMPARE(int(klein.Felder[1][41]), 1);
    }

private:
    TKarte &standardKarte()
    {
        if (!m_karte) {
            m_karte = std::make_unique<TKarte>();
            StandardKarteAnlegen(*m_karte);
        }
        return *m_karte;
    }

    QTemporaryDir m_blaetter;
    std::unique_ptr<TKarte> m_karte;
};

QTEST_GUILESS_MAIN(KarteTest)
#include "karte_test.moc"
