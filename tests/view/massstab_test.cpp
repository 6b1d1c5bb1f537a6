#include "massstab.h"

#include <QSize>
#include <QTest>

class MassstabTest : public QObject
{
    Q_OBJECT

private slots:
    // Drawing and hit tests agree: every screen pixel lies inside the screen
    // span of the map pixel it names, including left of and above the map.
    void hitTestMatchesDrawing()
    {
        for (int prozent : ZoomStufen) {
            const Massstab m{prozent};
            for (int x = -200; x < 3000; ++x) {
                const int p = m.aufKarte(x);
                QVERIFY2(m.aufFlaeche(p) <= x && x < std::max(m.aufFlaeche(p + 1), m.aufFlaeche(p) + 1),
                         qPrintable(QStringLiteral("%1 % at %2").arg(prozent).arg(x)));
            }
        }
        QCOMPARE(Massstab{25}.aufKarte(0), 3);
        QCOMPARE(Massstab{25}.aufKarte(-1), -1);
        QCOMPARE(Massstab{400}.aufKarte(7), 1);
        QCOMPARE(Massstab{100}.aufKarte(-5), -5);
    }

    // A page pixel seen through its surface comes back as itself wherever the
    // page lies, and surface rectangles of neighbouring fields touch.
    void pageMappingRoundTrips()
    {
        for (int prozent : {100, 150, 200, 300, 400}) {
            const SeitenAbbildung a{Massstab{prozent}, QPoint(1280, 440)};
            for (const QPoint punkt : {QPoint(0, 0), QPoint(1, 1), QPoint(45, 5), QPoint(639, 439), QPoint(-1, 440)}) {
                const QRect pixel = a.flaechenRechteck(QRect(punkt, QSize(1, 1)));
                QCOMPARE(a.seitenPunkt(pixel.topLeft()), punkt);
                QCOMPARE(a.seitenPunkt(pixel.bottomRight()), punkt);
            }
        }
        for (int prozent : ZoomStufen) {
            const SeitenAbbildung a{Massstab{prozent}, QPoint(640, 0)};
            const QRect links = a.flaechenRechteck(QRect(0, 0, 40, 40));
            const QRect rechts = a.flaechenRechteck(QRect(40, 0, 40, 40));
            QCOMPARE(rechts.left(), links.right() + 1);
        }
    }

    void steps_data()
    {
        QTest::addColumn<int>("prozent");
        QTest::addColumn<int>("groesser");
        QTest::addColumn<int>("kleiner");
        QTest::newRow("100") << 100 << 150 << 67;
        QTest::newRow("smallest") << 25 << 33 << 25;
        QTest::newRow("largest") << 400 << 400 << 300;
        QTest::newRow("between steps") << 41 << 50 << 33;
    }

    void steps()
    {
        QFETCH(int, prozent);
        QTEST(NaechsteZoomStufe(prozent, true), "groesser");
        QTEST(NaechsteZoomStufe(prozent, false), "kleiner");
    }

    void fit()
    {
        // 16 pages in a window of 1280 x 900: the width decides, in one of
        // 1280 x 800 the height.
        QCOMPARE(PassenderZoom(QSize(2560, 1760), QSize(1280, 900)), 50);
        QCOMPARE(PassenderZoom(QSize(2560, 1760), QSize(1280, 800)), 45);
        QCOMPARE(PassenderZoom(QSize(640, 440), QSize(1280, 900)), 200);
        QCOMPARE(PassenderZoom(QSize(40, 40), QSize(1280, 900)), 400);
        QCOMPARE(PassenderZoom(QSize(60000, 60000), QSize(1280, 900)), 25);
    }
};

QTEST_MAIN(MassstabTest)
#include "massstab_test.moc"
