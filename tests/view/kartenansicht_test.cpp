// The map view on a document and its tools: pressing at every zoom, the
// wheel zoom, the zoom steps, the grid, hit testing and the visible part.
#include "kartenansicht.h"
#include "kartenbild.h"
#include "kartendokument.h"
#include "werkzeugsteuerung.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <memory>

class KartenAnsichtTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<KartenDokument> dokument;
    std::unique_ptr<Werkzeugsteuerung> werkzeuge;
    std::uint8_t feldtyp = 1;
    std::unique_ptr<KartenAnsicht> ansicht;

    TSeitenFlaeche *seite(int n) { return ansicht->PaintBoxen[n - 1]; }

    void klicken(TSeitenFlaeche *flaeche, QPoint pos)
    {
        QMouseEvent druck(QEvent::MouseButtonPress, pos, flaeche->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(flaeche, &druck);
        QMouseEvent los(QEvent::MouseButtonRelease, pos, flaeche->mapToGlobal(pos), Qt::LeftButton, {}, {});
        QApplication::sendEvent(flaeche, &los);
    }

    // Page and field shown at a point of the screen, found from the surfaces
    // independently of the view's own hit test.
    std::pair<int, int> feldAn(QPoint global)
    {
        for (TSeitenFlaeche *f : ansicht->PaintBoxen) {
            const QPoint pos = f->mapFromGlobal(global);
            if (f->isVisible() && f->rect().contains(pos)) {
                const QPoint punkt = f->seitenPunkt(pos);
                return {f->seite(), FeldNummer(dokument->karte(), punkt.x(), punkt.y())};
            }
        }
        return {0, 0};
    }

private slots:
    void init()
    {
        dokument = std::make_unique<KartenDokument>();
        dokument->startKarteAnlegen();
        werkzeuge = std::make_unique<Werkzeugsteuerung>(*dokument);
        ansicht = std::make_unique<KartenAnsicht>(*dokument, *werkzeuge, feldtyp);
        ansicht->resize(900, 640);
        ansicht->show();
        QVERIFY(QTest::qWaitForWindowExposed(ansicht.get()));
    }

    void cleanup()
    {
        ansicht.reset();
        werkzeuge.reset();
        dokument.reset();
    }

    // A press on a page paints the field that lies under the pointer as it
    // would at 100 %; page pixels are scaled by hand here, independently of
    // the view's own mapping. The view's hit test finds the same field.
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
        QSignalSpy zoom(ansicht.get(), &KartenAnsicht::zoomGeaendert);
        ansicht->zoomSetzen(prozent, {});
        QCOMPARE(zoom.size(), prozent == 100 ? 0 : 1);
        QCOMPARE(this->seite(seite)->width(), 640 * prozent / 100);
        feldtyp = 200;
        const TKarte vorher = dokument->karte();
        TSeitenFlaeche *flaeche = this->seite(seite);
        const QPoint pos = seitenPixel * prozent / 100;
        klicken(flaeche, pos);
        auto erwartet = vorher.Felder;
        erwartet[seite][feld] = 200;
        QVERIFY(dokument->karte().Felder == erwartet);
        QCOMPARE(ansicht->AktuelleSeite, seite);
        QVERIFY(!ansicht->MalenAktiv);

        ansicht->ensureVisible(flaeche->x() + pos.x(), flaeche->y() + pos.y());
        const auto treffer = ansicht->seiteBei(flaeche->mapTo(ansicht->viewport(), pos));
        QVERIFY(treffer.has_value());
        QCOMPARE(treffer->seite, seite);
        QCOMPARE(FeldNummer(dokument->karte(), treffer->seitenPunkt.x(), treffer->seitenPunkt.y()), feld);
    }

    // The field under the pointer stays under it while Ctrl and the wheel
    // zoom in and out; the wheel alone still scrolls.
    void ctrlWheelKeepsFieldUnderPointer()
    {
        dokument->neu({QStringLiteral("Groß"), 0, 16});
        QScrollBar *waagrecht = ansicht->horizontalScrollBar();
        QScrollBar *senkrecht = ansicht->verticalScrollBar();
        waagrecht->setValue(waagrecht->maximum() / 2);
        senkrecht->setValue(senkrecht->maximum() / 2);
        QWidget *sicht = ansicht->viewport();
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
            QCOMPARE(ansicht->zoom().prozent, prozent);
            QCOMPARE(feldAn(global), feld);
        }
        const int vorher = senkrecht->value();
        drehen(-1, {});
        QCOMPARE(ansicht->zoom().prozent, 50);
        QVERIFY(senkrecht->value() > vorher);
    }

    void stepsAndWholeMap()
    {
        ansicht->vergroessern();
        QCOMPARE(ansicht->zoom().prozent, 150);
        ansicht->verkleinern();
        ansicht->verkleinern();
        QCOMPARE(ansicht->zoom().prozent, 67);
        ansicht->originalgroesse();
        QCOMPARE(ansicht->zoom().prozent, 100);
        for (int i = 0; i < 10; ++i)
            ansicht->verkleinern();
        QCOMPARE(ansicht->zoom().prozent, 25);

        dokument->neu({QStringLiteral("Groß"), 0, 16});
        ansicht->ganzeKarte();
        const QSize inhalt = ansicht->widget()->size();
        const QSize sicht = ansicht->maximumViewportSize();
        QVERIFY(inhalt.width() <= sicht.width() && inhalt.height() <= sicht.height());
        // As large as fits: one percent more would not.
        QVERIFY(2560 * (ansicht->zoom().prozent + 1) / 100 > sicht.width()
                || 1760 * (ansicht->zoom().prozent + 1) / 100 > sicht.height());
        QCOMPARE(ansicht->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(ansicht->verticalScrollBar()->maximum(), 0);
        // Once the scroll bars have gone, the view reports the whole map.
        QSignalSpy gemeldet(ansicht.get(), &KartenAnsicht::sichtGeaendert);
        QTRY_COMPARE(ansicht->sichtbarerTeil(), QRect(0, 0, 2560, 1760));
        QCOMPARE(gemeldet.last().first().toRect(), QRect(0, 0, 2560, 1760));
    }

    // The visible part follows scrolling and zooming, in map pixels.
    void visiblePartFollowsScrollAndZoom()
    {
        QSignalSpy sicht(ansicht.get(), &KartenAnsicht::sichtGeaendert);
        ansicht->zoomSetzen(200, {});
        ansicht->mitteZeigen(QPoint(640, 440));
        QVERIFY(!sicht.isEmpty());
        const QRect teil = sicht.last().first().toRect();
        QCOMPARE(teil, ansicht->sichtbarerTeil());
        QVERIFY(std::abs(teil.center().x() - 640) <= 2 && std::abs(teil.center().y() - 440) <= 2);
        QCOMPARE(teil.width(), (ansicht->viewport()->width() + 1) / 2);
    }

    // The grid and page borders are drawn on screen only: the map and its
    // picture stay as they were; the borders show even without the grid.
    void gridLeavesMapAndPictureAlone()
    {
        const TKarte &karte = dokument->karte();
        const auto felder = karte.Felder;
        const QImage bild = KartenBild(karte);
        const QImage seiteOhne = SeitenBild(karte, 1);
        const QImage ohne = seite(1)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(!ansicht->raster());
        QCOMPARE(ohne.pixel(20, 20), seiteOhne.pixel(20, 20));
        QVERIFY(ohne.pixel(0, 20) != seiteOhne.pixel(0, 20));
        QVERIFY(ohne.pixel(40, 20) == seiteOhne.pixel(40, 20));

        ansicht->setRaster(true);
        const QImage mit = seite(1)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(mit.pixel(40, 20) != seiteOhne.pixel(40, 20));
        QCOMPARE(mit.pixel(20, 20), seiteOhne.pixel(20, 20));
        // The page border is stronger with the grid.
        QVERIFY(qGray(mit.pixel(0, 20)) < qGray(ohne.pixel(0, 20)));
        QVERIFY(karte.Felder == felder);
        QCOMPARE(KartenBild(karte), bild);

        ansicht->setRaster(false);
        QCOMPARE(seite(1)->grab().toImage().convertToFormat(QImage::Format_RGB32), ohne);
    }
};

QTEST_MAIN(KartenAnsichtTest)
#include "kartenansicht_test.moc"
