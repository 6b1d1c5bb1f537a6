// The view commands reach the map view, and the overview follows it.
#include "kartenbild.h"
#include "statusleiste.h"
#include "kartendokument.h"
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

    // The menu items and the grid switch reach the view; the status bar
    // shows the zoom.
    void menusReachView()
    {
        QCOMPARE(w->ZoomAnzeige->text(), QStringLiteral("100 %"));
        QVERIFY(w->ZoomAnzeige->contentsRect().width()
                >= w->ZoomAnzeige->fontMetrics().horizontalAdvance(QStringLiteral("400 %")));
        w->Menue.Vergroessern1->trigger();
        QCOMPARE(w->Zoom.prozent, 150);
        w->Menue.Verkleinern1->trigger();
        w->Menue.Verkleinern1->trigger();
        QCOMPARE(w->Zoom.prozent, 67);
        QCOMPARE(w->ZoomAnzeige->text(), QStringLiteral("67 %"));
        w->Menue.Originalgroesse1->trigger();
        QCOMPARE(w->Zoom.prozent, 100);
        w->Dokument->neu({QStringLiteral("Groß"), 0, 16});
        w->Menue.GanzeKarte1->trigger();
        QVERIFY(w->Zoom.prozent < 50);
        QCOMPARE(w->ZoomAnzeige->text(), QStringLiteral("%1 %").arg(w->Zoom.prozent));
        w->Menue.Raster1->trigger();
        QVERIFY(w->ScrollBox1->raster());
        w->Menue.Raster1->trigger();
        QVERIFY(!w->ScrollBox1->raster());
    }

    // "Kantenfehler zeigen" frames the fields that disagree in red, on
    // screen only, and counts them in the status bar, following every change;
    // "Kanten reparieren" mends them as one step.
    void edgeFaultsShownAndRepaired()
    {
        const FeldCode wasser[] = {{1, 18, 22}};
        w->Dokument->felderSetzen(QStringLiteral("Malen"), wasser);
        const QImage bild = KartenBild(w->Dokument->karte());
        QCOMPARE(w->StatusBar1->kantenText(), QStringLiteral("Kanten: an"));
        w->Menue.Kantenfehler1->trigger();
        QCOMPARE(w->StatusBar1->kantenText(), QStringLiteral("Kanten: an · 9 Kantenfehler"));
        const QImage mit = seite(1)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // The frame lies on the rim of field 18 (row 2, column 2).
        bool rot = false;
        for (int x = 36; x <= 46; ++x)
            rot = rot || (qRed(mit.pixel(x, 60)) > 200 && qGreen(mit.pixel(x, 60)) < 60);
        QVERIFY(rot);
        QCOMPARE(KartenBild(w->Dokument->karte()), bild);

        w->Menue.KantenReparieren1->trigger();
        QCOMPARE(w->StatusBar1->kantenText(), QStringLiteral("Kanten: an · 0 Kantenfehler"));
        QCOMPARE(w->Dokument->verlauf().undoText(), QStringLiteral("Kanten reparieren"));
        w->Dokument->verlauf().undo();
        QCOMPARE(w->StatusBar1->kantenText(), QStringLiteral("Kanten: an · 9 Kantenfehler"));
        w->Menue.KantenAutomatisch1->trigger();
        w->Menue.Kantenfehler1->trigger();
        QCOMPARE(w->StatusBar1->kantenText(), QStringLiteral("Kanten: aus"));
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
