#include "feldbilder.h"
#include "flaechenanordnen.h"
#include "seitenflaeche.h"
#include "seitezeichnen.h"
#include "skaliertefeldbilder.h"

#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace {

class KeineEreignisse : public SeitenEreignisse
{
public:
    void PaintBox1Paint(TSeitenFlaeche &, QPainter &, const QRect &) override {}
    void PaintBox1MouseDown(TSeitenFlaeche &, Qt::MouseButton, Qt::KeyboardModifiers, QPoint) override {}
    void PaintBox1MouseMove(TSeitenFlaeche &, QPoint) override {}
    void PaintBox1MouseUp(TSeitenFlaeche &, Qt::MouseButton, QPoint) override {}
    void PaintBox1MouseLeave(TSeitenFlaeche &) override {}
};

// A map of the start-up geometry whose tile images are plain colours, one per
// image, so pictures can be compared without tile sheets.
TKarte FarbKarte(int seiten)
{
    TKarte karte;
    karte.AnzahlSeiten = std::uint8_t(seiten);
    karte.SeitenBreite = 640;
    karte.SeitenHoehe = 440;
    karte.FeldGroesse = 40;
    karte.AnzahlFelder = 176;
    for (int i = 0; i < AnzahlFeldBilder; ++i) {
        karte.FeldBilder[i] = QImage(40, 40, QImage::Format_RGB32);
        karte.FeldBilder[i].fill(QColor::fromHsv(i * 8, 200, 200));
    }
    for (int s = 1; s <= MaxSeiten; ++s)
        for (int f = 1; f <= MaxFelder; ++f)
            karte.Felder[s][f] = std::uint8_t((s * 7 + f * 13) % 105);
    return karte;
}

} // namespace

class SeitenAnordnenTest : public QObject
{
    Q_OBJECT

    KeineEreignisse m_ereignisse;

    struct Aufbau
    {
        QScrollArea bereich;
        QWidget *inhalt = new QWidget;
        std::array<TSeitenFlaeche *, 16> flaechen{};
    };

    void aufbauen(Aufbau &a)
    {
        for (int i = 0; i < 16; ++i)
            a.flaechen[i] = new TSeitenFlaeche(i + 1, m_ereignisse, a.inhalt);
        a.bereich.setWidget(a.inhalt);
    }

private slots:
    void layout_data()
    {
        QTest::addColumn<int>("seiten");
        QTest::addColumn<QString>("bild");   // page numbers row by row, "." for an empty cell
        QTest::addColumn<QSize>("umfang");
        QTest::newRow("0") << 0 << QString() << QSize(0, 0);
        QTest::newRow("1") << 1 << QString("1") << QSize(640, 440);
        QTest::newRow("2") << 2 << QString("1 2") << QSize(1280, 440);
        QTest::newRow("3") << 3 << QString("1 2/3 .") << QSize(1280, 880);
        QTest::newRow("4") << 4 << QString("1 2/3 4") << QSize(1280, 880);
        QTest::newRow("9") << 9 << QString("1 2 9/3 4 8/5 6 7") << QSize(1920, 1320);
        QTest::newRow("16") << 16 << QString("1 2 9 10/3 4 8 11/5 6 7 12/16 15 14 13") << QSize(2560, 1760);
        QTest::newRow("20") << 20 << QString("1 2 9 10/3 4 8 11/5 6 7 12/16 15 14 13") << QSize(2560, 1760);
    }

    void layout()
    {
        QFETCH(int, seiten);
        QFETCH(QString, bild);
        QFETCH(QSize, umfang);
        const TKarte karte = FarbKarte(seiten);
        Aufbau a;
        aufbauen(a);
        SeitenAnordnen(karte, a.flaechen, *a.inhalt);

        // Read the arrangement back from the surfaces' positions.
        QStringList zeilen;
        for (int zeile = 0; zeile * 440 < umfang.height(); ++zeile) {
            QStringList zellen;
            for (int spalte = 0; spalte * 640 < umfang.width(); ++spalte) {
                QString zelle = QStringLiteral(".");
                for (TSeitenFlaeche *f : a.flaechen) {
                    if (f->isVisibleTo(a.inhalt) && f->pos() == QPoint(spalte * 640, zeile * 440))
                        zelle = QString::number(f->seite());
                }
                zellen << zelle;
            }
            zeilen << zellen.join(' ');
        }
        QCOMPARE(zeilen.join('/'), bild);
        int sichtbar = 0;
        for (TSeitenFlaeche *f : a.flaechen) {
            QCOMPARE(f->size(), QSize(640, 440));
            sichtbar += f->isVisibleTo(a.inhalt);
        }
        QCOMPARE(sichtbar, std::min(seiten, 16));
        QCOMPARE(a.inhalt->size(), umfang);
    }

    void scrollRangeFollowsPages()
    {
        Aufbau a;
        aufbauen(a);
        a.bereich.setFrameShape(QFrame::NoFrame);
        a.bereich.resize(800, 600);
        a.bereich.show();
        SeitenAnordnen(FarbKarte(4), a.flaechen, *a.inhalt);
        QVERIFY(QTest::qWaitForWindowExposed(&a.bereich));
        const QSize sicht = a.bereich.viewport()->size();
        QCOMPARE(a.bereich.horizontalScrollBar()->maximum(), 1280 - sicht.width());
        QCOMPARE(a.bereich.verticalScrollBar()->maximum(), 880 - sicht.height());

        // Fewer pages shrink the range again: one page fits the area.
        SeitenAnordnen(FarbKarte(1), a.flaechen, *a.inhalt);
        QTRY_COMPARE(a.bereich.horizontalScrollBar()->maximum(), 0);
        QCOMPARE(a.bereich.verticalScrollBar()->maximum(), 0);
    }

    // Pages lie edge to edge at every zoom, and the container covers them.
    void layoutAtZoomLeavesNoGaps()
    {
        for (int prozent : ZoomStufen) {
            Aufbau a;
            aufbauen(a);
            SeitenAnordnen(FarbKarte(16), a.flaechen, *a.inhalt, Massstab{prozent});
            const QRect p1 = a.flaechen[0]->geometry();   // cell (0, 0)
            const QRect p2 = a.flaechen[1]->geometry();   // cell (1, 0)
            const QRect p3 = a.flaechen[2]->geometry();   // cell (0, 1)
            const QRect p13 = a.flaechen[12]->geometry(); // cell (3, 3)
            QCOMPARE(p2.left(), p1.right() + 1);
            QCOMPARE(p3.top(), p1.bottom() + 1);
            QCOMPARE(p13.bottomRight() + QPoint(1, 1), QPoint(2560 * prozent / 100, 1760 * prozent / 100));
            QCOMPARE(a.inhalt->size(), QSize(p13.right() + 1, p13.bottom() + 1));
        }
    }

    // A repaint of a part must show exactly what a whole-page paint shows
    // there, including on a page whose size is not a whole number of fields,
    // at a zoom that rounds fields to unequal widths.
    void partialPaintMatchesWholePage_data()
    {
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("prozent");
        QTest::addColumn<QRect>("bereich");
        QTest::newRow("field") << 640 << 100 << QRect(40, 0, 40, 40);
        QTest::newRow("strip across fields") << 640 << 100 << QRect(30, 95, 300, 17);
        QTest::newRow("uncovered strip") << 650 << 100 << QRect(630, 0, 20, 440);
        QTest::newRow("strip at 33 %") << 640 << 33 << QRect(10, 31, 150, 9);
        QTest::newRow("strip at 400 %") << 640 << 400 << QRect(150, 330, 700, 45);
    }

    void partialPaintMatchesWholePage()
    {
        QFETCH(int, breite);
        QFETCH(int, prozent);
        QFETCH(QRect, bereich);
        TKarte karte = FarbKarte(1);
        karte.SeitenBreite = breite;
        // The second page of a row, so the page does not start at the map's
        // origin.
        const SeitenAbbildung abbildung{Massstab{prozent}, QPoint(breite, 0)};
        const QSize groesse = abbildung.flaechenRechteck(QRect(0, 0, breite, 440)).size();
        SkalierteFeldBilder bilder;
        QImage ganz(groesse, QImage::Format_RGB32);
        ganz.fill(Qt::black);
        {
            QPainter p(&ganz);
            p.setClipRect(ganz.rect());
            SeiteZeichnen(karte, 1, p, ganz.rect(), abbildung, bilder);
        }
        QImage teil(groesse, QImage::Format_RGB32);
        teil.fill(Qt::black);
        {
            QPainter p(&teil);
            p.setClipRect(bereich);
            SeiteZeichnen(karte, 1, p, bereich, abbildung, bilder);
        }
        QCOMPARE(teil.copy(bereich), ganz.copy(bereich));
        // Pixels outside the part are left alone.
        QCOMPARE(teil.pixelColor(bereich.left() - 1, bereich.top()), QColor(Qt::black));
        if (breite == 650)
            QCOMPARE(ganz.pixelColor(645, 10), QColor(Qt::white));
        // Each field shows its own tile at its place under the mapping.
        const QRect feld = abbildung.flaechenRechteck(FeldRechteck(karte, 20));
        QCOMPARE(ganz.pixelColor(feld.center()),
                 karte.FeldBilder[BildNummer(karte.Felder[1][20])].pixelColor(0, 0));
    }
};

QTEST_MAIN(SeitenAnordnenTest)
#include "seitenanordnen_test.moc"
