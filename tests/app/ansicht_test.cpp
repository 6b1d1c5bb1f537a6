// The view commands: zoom, the field grid and page borders.
#include "kartenbild.h"
#include "kartendokument.h"
#include "seitenanordnung.h"
#include "soundplayer.h"
#include "tzendaromain.h"
#include "uebersicht.h"

#include "aufnahmehilfe.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace {

class StummerPlayer : public SoundPlayer
{
public:
    void play(const QByteArray &) override {}
};

} // namespace

class AnsichtTest : public QObject
{
    Q_OBJECT

    AufnahmeHilfe m_hilfe;
    std::unique_ptr<TZendaroMain> w;

    TSeitenFlaeche *seite(int n) { return w->PaintBoxen[n - 1]; }

    void klicken(TSeitenFlaeche *flaeche, QPoint pos)
    {
        QMouseEvent druck(QEvent::MouseButtonPress, pos, flaeche->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(flaeche, &druck);
        QMouseEvent los(QEvent::MouseButtonRelease, pos, flaeche->mapToGlobal(pos), Qt::LeftButton, {}, {});
        QApplication::sendEvent(flaeche, &los);
    }

    // Page and field shown at a point of the screen, found from the surfaces.
    std::pair<int, int> feldAn(QPoint global)
    {
        for (TSeitenFlaeche *f : w->PaintBoxen) {
            const QPoint pos = f->mapFromGlobal(global);
            if (f->isVisible() && f->rect().contains(pos)) {
                const QPoint punkt = f->seitenPunkt(pos);
                return {f->seite(), FeldNummer(w->Dokument->karte(), punkt.x(), punkt.y())};
            }
        }
        return {0, 0};
    }

private slots:
    void init()
    {
        w = std::make_unique<TZendaroMain>(std::make_unique<StummerPlayer>(), m_hilfe);
        w->resize(900, 700);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    void cleanup() { w.reset(); }

    // A press on a page paints the field that lies under the pointer as it
    // would at 100 %; page pixels are scaled by hand here, independently of
    // the view's own mapping.
    void pressPaintsSameFieldAtEveryZoom_data()
    {
        QTest::addColumn<int>("prozent");
        QTest::addColumn<int>("seite");
        QTest::addColumn<QPoint>("seitenPixel");
        QTest::addColumn<int>("feld");
        for (int prozent : {25, 100, 400}) {
            const QByteArray z = QByteArray::number(prozent) + " % ";
            QTest::newRow(z + "page 1 field 2") << prozent << 1 << QPoint(48, 8) << 2;
            QTest::newRow(z + "page 2 field 17") << prozent << 2 << QPoint(8, 48) << 17;
            QTest::newRow(z + "page 3 field 88") << prozent << 3 << QPoint(300, 212) << 88;
            QTest::newRow(z + "page 4 last field") << prozent << 4 << QPoint(636, 436) << 176;
        }
    }

    void pressPaintsSameFieldAtEveryZoom()
    {
        QFETCH(int, prozent);
        QFETCH(int, seite);
        QFETCH(QPoint, seitenPixel);
        QFETCH(int, feld);
        w->ZoomSetzen(prozent, {});
        QCOMPARE(w->ZoomAnzeige->text(), QStringLiteral("%1 %").arg(prozent));
        QVERIFY(w->ZoomAnzeige->contentsRect().width()
                >= w->ZoomAnzeige->fontMetrics().horizontalAdvance(QStringLiteral("400 %")));
        QCOMPARE(this->seite(seite)->width(), 640 * prozent / 100);
        w->AktuellerFeldtyp = 200;
        const TKarte vorher = w->Dokument->karte();
        klicken(this->seite(seite), seitenPixel * prozent / 100);
        auto erwartet = vorher.Felder;
        erwartet[seite][feld] = 200;
        QVERIFY(w->Dokument->karte().Felder == erwartet);
    }

    // The field under the pointer stays under it while Ctrl and the wheel
    // zoom in and out; the wheel alone still scrolls.
    void ctrlWheelKeepsFieldUnderPointer()
    {
        w->Dokument->neu({QStringLiteral("Groß"), 0, 16});
        QScrollBar *waagrecht = w->ScrollBox1->horizontalScrollBar();
        QScrollBar *senkrecht = w->ScrollBox1->verticalScrollBar();
        waagrecht->setValue(waagrecht->maximum() / 2);
        senkrecht->setValue(senkrecht->maximum() / 2);
        QWidget *sicht = w->ScrollBox1->viewport();
        // Off the middle, so that a zoom about the middle would move it.
        const QPoint global = sicht->mapToGlobal(QPoint(sicht->width() / 3, sicht->height() / 3));
        const auto feld = feldAn(global);
        QVERIFY(feld.first >= 1);
        // Qt hands the pages' wheel events from the window system up to the
        // visible part; events made here do not travel, so they go there.
        const auto drehen = [&](int schritte, Qt::KeyboardModifiers tasten) {
            QWheelEvent rad(sicht->mapFromGlobal(global), global, {}, QPoint(0, schritte * 120), Qt::NoButton, tasten,
                            Qt::NoScrollPhase, false);
            QApplication::sendEvent(sicht, &rad);
        };
        for (const auto &[schritte, prozent] : {std::pair{1, 150}, {2, 300}, {-4, 67}, {-1, 50}}) {
            drehen(schritte, Qt::ControlModifier);
            QCOMPARE(w->Zoom.prozent, prozent);
            QCOMPARE(feldAn(global), feld);
        }
        const int vorher = senkrecht->value();
        drehen(-1, {});
        QCOMPARE(w->Zoom.prozent, 50);
        QVERIFY(senkrecht->value() > vorher);
    }

    void menuStepsAndWholeMap()
    {
        QCOMPARE(w->ZoomAnzeige->text(), QStringLiteral("100 %"));
        w->Menue.Vergroessern1->trigger();
        QCOMPARE(w->Zoom.prozent, 150);
        w->Menue.Verkleinern1->trigger();
        w->Menue.Verkleinern1->trigger();
        QCOMPARE(w->Zoom.prozent, 67);
        QCOMPARE(w->ZoomAnzeige->text(), QStringLiteral("67 %"));
        w->Menue.Originalgroesse1->trigger();
        QCOMPARE(w->Zoom.prozent, 100);
        for (int i = 0; i < 10; ++i)
            w->Menue.Verkleinern1->trigger();
        QCOMPARE(w->Zoom.prozent, 25);

        w->Dokument->neu({QStringLiteral("Groß"), 0, 16});
        w->Menue.GanzeKarte1->trigger();
        const QSize inhalt = w->ScrollBox1->widget()->size();
        const QSize sicht = w->ScrollBox1->maximumViewportSize();
        QVERIFY(inhalt.width() <= sicht.width() && inhalt.height() <= sicht.height());
        // As large as fits: one percent more would not.
        QVERIFY(2560 * (w->Zoom.prozent + 1) / 100 > sicht.width()
                || 1760 * (w->Zoom.prozent + 1) / 100 > sicht.height());
        QCOMPARE(w->ScrollBox1->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(w->ScrollBox1->verticalScrollBar()->maximum(), 0);
    }

    // The grid and page borders are drawn on screen only: the map and its
    // picture stay as they were; the borders show even without the grid.
    void gridLeavesMapAndPictureAlone()
    {
        const TKarte &karte = w->Dokument->karte();
        const auto felder = karte.Felder;
        const QImage bild = KartenBild(karte);
        const QImage seiteOhne = SeitenBild(karte, 1);
        const QImage ohne = seite(1)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(!w->Menue.Raster1->isChecked());
        QCOMPARE(ohne.pixel(20, 20), seiteOhne.pixel(20, 20));
        QVERIFY(ohne.pixel(0, 20) != seiteOhne.pixel(0, 20));
        QVERIFY(ohne.pixel(40, 20) == seiteOhne.pixel(40, 20));

        w->Menue.Raster1->trigger();
        const QImage mit = seite(1)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(mit.pixel(40, 20) != seiteOhne.pixel(40, 20));
        QCOMPARE(mit.pixel(20, 20), seiteOhne.pixel(20, 20));
        // The page border is stronger with the grid.
        QVERIFY(qGray(mit.pixel(0, 20)) < qGray(ohne.pixel(0, 20)));
        QVERIFY(karte.Felder == felder);
        QCOMPARE(KartenBild(karte), bild);

        w->Menue.Raster1->trigger();
        QCOMPARE(seite(1)->grab().toImage().convertToFormat(QImage::Format_RGB32), ohne);
    }

    // A click in the overview brings that place to the middle of the view;
    // painting and undo reach the overview's picture as a rebuild would.
    void overviewMovesViewAndFollowsPainting()
    {
        w->Dokument->neu({QStringLiteral("Groß"), 0, 16});
        w->Menue.Uebersicht1->trigger();
        QVERIFY(w->Uebersicht->isVisible());
        QVERIFY(w->Uebersicht->width() <= 240 && w->Uebersicht->height() <= 240);

        // The middle of page 8 (third column, second row): field 89.
        const QPoint ziel(2 * 640 + 320, 440 + 220);
        QTest::mouseClick(w->Uebersicht, Qt::LeftButton, {}, w->Uebersicht->massstab().aufFlaeche(ziel));
        QWidget *sicht = w->ScrollBox1->viewport();
        QCOMPARE(feldAn(sicht->mapToGlobal(sicht->rect().center())), std::make_pair(8, 89));

        const QImage vorher = w->Uebersicht->bild();
        w->AktuellerFeldtyp = 22;
        QTest::mousePress(seite(1), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(seite(1), QPoint(300, 5));
        QTest::mouseRelease(seite(1), Qt::LeftButton, {}, QPoint(300, 5));
        const QImage gemalt = w->Uebersicht->bild();
        QVERIFY(gemalt != vorher);
        w->Uebersicht->neuAufbauen();
        QCOMPARE(w->Uebersicht->bild(), gemalt);
        w->Dokument->verlauf().undo();
        QCOMPARE(w->Uebersicht->bild(), vorher);

        // Closing the window takes the mark off the menu item.
        w->Uebersicht->close();
        QVERIFY(!w->Menue.Uebersicht1->isChecked());
    }
};

QTEST_MAIN(AnsichtTest)
#include "ansicht_test.moc"
