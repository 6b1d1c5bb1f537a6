#include "apperror.h"
#include "feldbilder.h"
#include "feldkatalog.h"
#include "kartenbild.h"
#include "seitenanordnung.h"
#include "testblaetter.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <set>

class FeldBilderTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestBlaetterSchreiben(m_ordner.path());
        m_karte = std::make_unique<TKarte>();
        m_karte->FeldGroesse = 40;
        FeldBilderErzeugen(*m_karte, {m_ordner.path()});
    }

    void jederCodeHatSeinBild()
    {
        // Code ranges and their image, as the tile families share images.
        const struct { int von, bis, bild; } bereiche[] = {
            {0, 3, 0}, {4, 6, 1}, {7, 7, 2}, {8, 9, 1}, {10, 10, 2}, {11, 12, 3}, {13, 13, 4},
            {14, 15, 5}, {16, 18, 6}, {19, 21, 7}, {22, 24, 8}, {87, 93, 40}, {94, 99, 41},
            {100, 102, 42}, {103, 104, 43}, {105, 255, 1}};
        std::set<int> geprueft;
        for (const auto &b : bereiche)
            for (int code = b.von; code <= b.bis; ++code) {
                QCOMPARE(BildNummer(code), b.bild);
                geprueft.insert(code);
            }
        for (int k = 0; k <= 30; ++k) {
            QCOMPARE(BildNummer(25 + 2 * k), 9 + k);
            QCOMPARE(BildNummer(26 + 2 * k), 9 + k);
            geprueft.insert(25 + 2 * k);
            geprueft.insert(26 + 2 * k);
        }
        QCOMPARE(geprueft.size(), std::size_t(256));
    }

    void katalogZeigtJedesBildAusserEinundvierzigGenauEinmal()
    {
        std::multiset<int> bilder;
        for (const FeldTyp &typ : FeldKatalog())
            bilder.insert(BildNummer(typ.code));
        QCOMPARE(FeldKatalog().size(), std::size_t(43));
        for (int bild = 0; bild < AnzahlFeldBilder; ++bild)
            QCOMPARE(int(bilder.count(bild)), bild == 41 ? 0 : 1);
    }

    void bilderKommenAusIhrenRasterzellen()
    {
        // Image -> (sheet, column, row) of the 41-pixel grid.
        const int zellen[AnzahlFeldBilder][3] = {
            {0, 0, 0}, {0, 1, 0}, {0, 2, 0}, {0, 3, 0}, {0, 0, 1}, {0, 0, 2}, {0, 1, 1}, {0, 1, 2},
            {0, 2, 2}, {0, 3, 2}, {0, 0, 3}, {0, 1, 3}, {0, 2, 3}, {0, 3, 3}, {0, 0, 4}, {0, 1, 4},
            {0, 2, 4}, {1, 0, 0}, {1, 1, 0}, {1, 2, 0}, {1, 3, 0}, {0, 3, 4}, {1, 0, 1}, {1, 1, 1},
            {1, 2, 1}, {1, 3, 1}, {1, 0, 2}, {1, 1, 2}, {1, 2, 2}, {1, 3, 2}, {1, 0, 3}, {1, 1, 3},
            {1, 2, 3}, {1, 3, 3}, {1, 0, 4}, {1, 1, 4}, {1, 2, 4}, {1, 3, 4}, {2, 0, 0}, {2, 1, 0},
            {0, 2, 1}, {2, 2, 0}, {2, 2, 0}, {0, 3, 1}};
        for (int i = 0; i < AnzahlFeldBilder; ++i) {
            const QImage &bild = m_karte->FeldBilder[i];
            QCOMPARE(bild.size(), QSize(40, 40));
            const QRgb farbe = ZellFarbe(zellen[i][0], zellen[i][1], zellen[i][2]);
            // Image 9 starts one pixel late, so its last column is the grid line.
            const int letzteSpalte = i == 9 ? 38 : 39;
            for (const QPoint p : {QPoint(0, 0), QPoint(letzteSpalte, 0), QPoint(0, 39), QPoint(letzteSpalte, 39)})
                QVERIFY2(bild.pixel(p) == farbe, qPrintable(QStringLiteral("image %1 at %2,%3").arg(i).arg(p.x()).arg(p.y())));
        }
        // Image 8 leaves out the marked column at x 82 and is stretched over 40 pixels.
        for (int x = 0; x < 40; ++x)
            QVERIFY(m_karte->FeldBilder[8].pixel(x, 20) != MarkierungsFarbe());
        QVERIFY(m_karte->FeldBilder[9].pixel(0, 20) != MarkierungsFarbe());
        QVERIFY(m_karte->FeldBilder[41] == m_karte->FeldBilder[42]);
    }

    void andereFeldgroesseSkaliertBeimSchneiden()
    {
        TKarte karte;
        karte.FeldGroesse = 20;
        FeldBilderErzeugen(karte, {m_ordner.path()});
        QCOMPARE(karte.FeldBilder[8].size(), QSize(20, 20));
        QCOMPARE(karte.FeldBilder[5].pixel(19, 19), ZellFarbe(0, 0, 2));
    }

    void feldZeichnenKopiertGenauDasQuadrat()
    {
        QImage flaeche(100, 100, QImage::Format_RGB32);
        flaeche.fill(Qt::white);
        {
            QPainter painter(&flaeche);
            FeldZeichnen(*m_karte, 105, painter, 30, 50, 40);
        }
        QCOMPARE(flaeche.pixel(30, 50), ZellFarbe(0, 1, 0));
        QCOMPARE(flaeche.pixel(69, 89), ZellFarbe(0, 1, 0));
        QCOMPARE(flaeche.pixel(29, 50), qRgb(255, 255, 255));
        QCOMPARE(flaeche.pixel(70, 89), qRgb(255, 255, 255));
        QCOMPARE(flaeche.pixel(69, 90), qRgb(255, 255, 255));
    }

    void blattFehlerNennenDieDatei()
    {
        QTemporaryDir ordner;
        TestBlaetterSchreiben(ordner.path());
        QFile::remove(QDir(ordner.path()).filePath("Scene2.scn"));
        TKarte karte;
        karte.FeldGroesse = 40;
        QVERIFY_THROWS_EXCEPTION(AppError, FeldBilderErzeugen(karte, {ordner.path()}));
        try {
            FeldBilderErzeugen(karte, {ordner.path()});
        } catch (const AppError &e) {
            QCOMPARE(e.message(), QStringLiteral("Datei Scene2.scn kann nicht geöffnet werden"));
        }
        QFile kaputt(QDir(ordner.path()).filePath("Scene2.scn"));
        QVERIFY(kaputt.open(QIODevice::WriteOnly));
        kaputt.write("BM kein Bild");
        kaputt.close();
        try {
            FeldBilderErzeugen(karte, {ordner.path()});
            QFAIL("a broken sheet must raise an error");
        } catch (const AppError &e) {
            QCOMPARE(e.message(), QStringLiteral("Bitmap ist ungültig"));
        }
    }

    void spaetererOrdnerWirdGefunden()
    {
        QTemporaryDir leer;
        TKarte karte;
        karte.FeldGroesse = 40;
        FeldBilderErzeugen(karte, {leer.path(), m_ordner.path()});
        QVERIFY(!karte.FeldBilder[43].isNull());
    }

    void seitenBildFolgtDerFeldreihenfolge()
    {
        TKarte karte = *m_karte;
        karte.AnzahlFelder = 18; // one row and two fields
        karte.AnzahlSeiten = 1;
        karte.SeitenBreite = 650;
        karte.SeitenHoehe = 100;
        for (int feld = 1; feld <= 18; ++feld)
            karte.Felder[1][feld] = 13; // image 4
        const QImage bild = SeitenBild(karte, 1);
        QCOMPARE(bild.size(), QSize(650, 100));
        QCOMPARE(bild.pixel(639, 0), ZellFarbe(0, 0, 1));
        QCOMPARE(bild.pixel(645, 5), qRgb(255, 255, 255)); // uncovered strip
        QCOMPARE(bild.pixel(79, 79), ZellFarbe(0, 0, 1));
        QCOMPARE(bild.pixel(85, 45), qRgb(255, 255, 255)); // after the last field
        QCOMPARE(bild.pixel(5, 85), qRgb(255, 255, 255));
    }

    void seitenZellenBildenEinQuadrat()
    {
        const int bild[4][4] = {{1, 2, 9, 10}, {3, 4, 8, 11}, {5, 6, 7, 12}, {16, 15, 14, 13}};
        for (int zeile = 0; zeile < 4; ++zeile)
            for (int spalte = 0; spalte < 4; ++spalte)
                QCOMPARE(SeitenZelle(bild[zeile][spalte]), QPoint(spalte, zeile));
    }

private:
    QTemporaryDir m_ordner;
    std::unique_ptr<TKarte> m_karte;
};

QTEST_GUILESS_MAIN(FeldBilderTest)
#include "feldbilder_test.moc"
