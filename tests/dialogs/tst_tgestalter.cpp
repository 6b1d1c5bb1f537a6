#include "tgestalter.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

namespace {

// Counts the window moves the box asks for instead of asking the window
// manager, which the offscreen platform does not have.
class ZaehlenderGestalter : public TGestalter
{
public:
    ZaehlenderGestalter() : TGestalter(nullptr) {}
    int verschiebungen = 0;

protected:
    bool fensterVerschieben() override
    {
        ++verschiebungen;
        return true;
    }
};

// Records the heights the box passes through while rolling.
class HoehenProtokoll : public QObject
{
public:
    explicit HoehenProtokoll(QWidget *fenster) { fenster->installEventFilter(this); }
    QList<int> hoehen;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            hoehen.append(static_cast<QResizeEvent *>(event)->size().height());
        return false;
    }
};

QList<int> schritte(int von, int bis)
{
    QList<int> hoehen;
    for (int h = von; h != bis;) {
        h += bis > von ? 15 : -15;
        hoehen.append(h);
    }
    return hoehen;
}

} // namespace

class TestTGestalter : public QObject
{
    Q_OBJECT

private slots:
    void aufbau();
    void rollenHochUndRunter();
    void rahmenNachDemRollen();
    void titelTreffer_data();
    void titelTreffer();
    void ziehenNurImTitel();
    void ziehenOhneFensterverwaltung();
    void titelfarbeFolgtAktivierung();
    void schliessenMeldetVerstecken();
    void popupMenu();
    void leereTabLeisteAendertNichts();
};

void TestTGestalter::aufbau()
{
    TGestalter box(nullptr);
    QCOMPARE(box.size(), QSize(211, 293));
    QCOMPARE(box.volleHoehe(), 293);
    QCOMPARE(box.titelRechteck(), QRect(3, 3, 205, 17));
    QVERIFY(box.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(box.findChild<QToolButton *>("btnClose")->geometry(), QRect(192, 4, 15, 15));
    QCOMPARE(box.findChild<QToolButton *>("btnRollUp")->geometry(), QRect(173, 4, 15, 15));
    QCOMPARE(box.findChild<QToolButton *>("btnRollDown")->geometry(), QRect(173, 4, 15, 15));
    QCOMPARE(box.findChild<QToolButton *>("btnMenu")->geometry(), QRect(192, 25, 15, 15));
}

void TestTGestalter::rollenHochUndRunter()
{
    TGestalter box(nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto *hoch = box.findChild<QToolButton *>("btnRollUp");
    auto *runter = box.findChild<QToolButton *>("btnRollDown");
    QVERIFY(hoch->isVisible());
    QVERIFY(!runter->isVisible());

    HoehenProtokoll protokoll(&box);
    QTest::mouseClick(hoch, Qt::LeftButton);
    QCOMPARE(box.height(), 23);
    QCOMPARE(protokoll.hoehen, schritte(293, 23));
    QVERIFY(runter->isVisible());
    QVERIFY(!hoch->isVisible());
    QVERIFY(!box.rect().intersects(box.findChild<QToolButton *>("btnMenu")->geometry()));

    protokoll.hoehen.clear();
    QTest::mouseClick(runter, Qt::LeftButton);
    QCOMPARE(box.height(), 293);
    QCOMPARE(protokoll.hoehen, schritte(23, 293));
    QVERIFY(hoch->isVisible());
    QVERIFY(!runter->isVisible());

    // Closed while rolled up, the box comes back rolled up.
    QTest::mouseClick(hoch, Qt::LeftButton);
    box.hide();
    box.show();
    QCOMPARE(box.height(), 23);
    QVERIFY(box.findChild<QToolButton *>("btnRollDown")->isVisible());
}

void TestTGestalter::rahmenNachDemRollen()
{
    TGestalter box(nullptr);
    box.show();
    QTest::mouseClick(box.findChild<QToolButton *>("btnRollUp"), Qt::LeftButton);
    const QImage oben = box.grab().toImage();
    QCOMPARE(oben.height(), 23);
    QCOMPARE(QColor(oben.pixel(100, 22)), QColor(Qt::black));
    QCOMPARE(QColor(oben.pixel(100, 21)), QColor(128, 128, 128));

    QTest::mouseClick(box.findChild<QToolButton *>("btnRollDown"), Qt::LeftButton);
    const QImage unten = box.grab().toImage();
    const QColor flaeche = box.palette().color(QPalette::Button).toRgb();
    QCOMPARE(unten.height(), 293);
    // No trace of the rolled-up bottom edge below the title strip.
    QCOMPARE(QColor(unten.pixel(100, 21)), flaeche);
    QCOMPARE(QColor(unten.pixel(100, 22)), flaeche);
    // The frame is whole: black outer, grey inner edge at bottom and right.
    QCOMPARE(QColor(unten.pixel(100, 292)), QColor(Qt::black));
    QCOMPARE(QColor(unten.pixel(100, 291)), QColor(128, 128, 128));
    QCOMPARE(QColor(unten.pixel(210, 150)), QColor(Qt::black));
    QCOMPARE(QColor(unten.pixel(209, 150)), QColor(128, 128, 128));
    QCOMPARE(QColor(unten.pixel(1, 150)), QColor(Qt::white));
    QCOMPARE(QColor(unten.pixel(100, 1)), QColor(Qt::white));
}

void TestTGestalter::titelTreffer_data()
{
    QTest::addColumn<QPoint>("punkt");
    QTest::addColumn<bool>("imTitel");
    QTest::newRow("oben links") << QPoint(3, 3) << true;
    QTest::newRow("unten rechts") << QPoint(207, 19) << true;
    QTest::newRow("mitte") << QPoint(100, 10) << true;
    QTest::newRow("rechter rand") << QPoint(208, 10) << false;
    QTest::newRow("unterer rand") << QPoint(100, 20) << false;
    QTest::newRow("linker rahmen") << QPoint(2, 10) << false;
    QTest::newRow("oberer rahmen") << QPoint(100, 2) << false;
    QTest::newRow("inhalt") << QPoint(100, 100) << false;
}

void TestTGestalter::titelTreffer()
{
    QFETCH(QPoint, punkt);
    QFETCH(bool, imTitel);
    TGestalter box(nullptr);
    QCOMPARE(box.ImTitel(punkt), imTitel);
}

void TestTGestalter::ziehenNurImTitel()
{
    ZaehlenderGestalter box;
    box.show();

    // Any button starts the move, at the first move after the press.
    for (Qt::MouseButton knopf : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        box.verschiebungen = 0;
        QTest::mousePress(&box, knopf, {}, QPoint(50, 10));
        QTest::mouseMove(&box, QPoint(60, 12));
        QTest::mouseMove(&box, QPoint(70, 14));
        QTest::mouseRelease(&box, knopf, {}, QPoint(70, 14));
        QCOMPARE(box.verschiebungen, 1);
    }

    box.verschiebungen = 0;
    // Below the strip, on the content.
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(50, 30));
    QTest::mouseMove(&box, QPoint(60, 40));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(60, 40));
    // On a title button: the button takes the press, not the box.
    auto *schliessen = box.findChild<QToolButton *>("btnClose");
    QTest::mousePress(schliessen, Qt::LeftButton, {}, QPoint(7, 7));
    QTest::mouseMove(&box, QPoint(150, 10));
    QTest::mouseRelease(schliessen, Qt::LeftButton, {}, QPoint(-30, 7));
    QVERIFY(box.isVisible());
    // A release ends the armed drag before any move.
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(50, 10));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(50, 10));
    QTest::mouseMove(&box, QPoint(60, 12));
    QCOMPARE(box.verschiebungen, 0);
}

void TestTGestalter::ziehenOhneFensterverwaltung()
{
    // The offscreen platform has no interactive move: the box follows the
    // mouse itself until the release.
    TGestalter box(nullptr);
    box.show();
    box.move(100, 100);
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(50, 10));
    QTest::mouseMove(&box, QPoint(80, 30));
    QCOMPARE(box.pos(), QPoint(130, 120));
    QTest::mouseMove(&box, QPoint(40, 5));
    QCOMPARE(box.pos(), QPoint(120, 115));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(40, 5));
    QTest::mouseMove(&box, QPoint(90, 90));
    QCOMPARE(box.pos(), QPoint(120, 115));
}

void TestTGestalter::titelfarbeFolgtAktivierung()
{
    TGestalter box(nullptr);
    box.show();
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QCOMPARE(box.grab().toImage().pixel(150, 10), box.palette().color(QPalette::Highlight).rgb());

    QWidget anderes;
    anderes.show();
    anderes.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&anderes));
    QVERIFY(!box.isActiveWindow());
    const QImage inaktiv = box.grab().toImage();
    QCOMPARE(inaktiv.pixel(150, 10), box.palette().color(QPalette::Dark).rgb());
    QCOMPARE(QColor(inaktiv.pixel(100, 292)), QColor(Qt::black));
}

void TestTGestalter::schliessenMeldetVerstecken()
{
    TGestalter box(nullptr);
    QSignalSpy versteckt(&box, &TGestalter::versteckt);
    box.show();
    QTest::mouseClick(box.findChild<QToolButton *>("btnClose"), Qt::LeftButton);
    QVERIFY(!box.isVisible());
    QCOMPARE(versteckt.count(), 1);

    box.show();
    box.findChild<QAction *>("Gestalterweg1")->trigger();
    QVERIFY(!box.isVisible());
    QCOMPARE(versteckt.count(), 2);
}

void TestTGestalter::popupMenu()
{
    TGestalter box(nullptr);
    QSignalSpy karte(&box, &TGestalter::karteAngefordert);
    QSignalSpy hilfe(&box, &TGestalter::hilfeAngefordert);
    box.show();
    box.move(100, 50);
    QTest::mouseClick(box.findChild<QToolButton *>("btnMenu"), Qt::LeftButton);
    QMenu *menu = box.popupMenu();
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), box.mapToGlobal(QPoint(207, 25)));
    menu->hide();

    QStringList oben;
    for (QAction *aktion : menu->actions())
        oben << (aktion->isSeparator() ? QStringLiteral("-") : aktion->text());
    QCOMPARE(oben, QStringList({"&Eigenschaften", "-", "&Hilfe", "&Kontext-Hilfe", "-", "&Gestalter weg!!!"}));
    QStringList unter;
    for (QAction *aktion : menu->actions().front()->menu()->actions())
        unter << (aktion->isSeparator() ? QStringLiteral("-") : aktion->text());
    QCOMPARE(unter, QStringList({"&Karte ...", "&Felder ...", "&Gebäude ...", "F&iguren ...", "&Ereignisse", "-",
                                 "&Spiel"}));

    box.findChild<QAction *>("Karte1")->trigger();
    box.findChild<QAction *>("Hilfe2")->trigger();
    box.findChild<QAction *>("Felder1")->trigger();
    QCOMPARE(karte.count(), 1);
    QCOMPARE(hilfe.count(), 1);
    QVERIFY(box.isVisible());
}

void TestTGestalter::leereTabLeisteAendertNichts()
{
    TGestalter box(nullptr);
    box.show();
    auto *seiten = box.findChild<QStackedWidget *>("Notebook1");
    QCOMPARE(seiten->count(), 5);
    QTest::mouseClick(box.findChild<QTabBar *>("TabSet1"), Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(seiten->currentIndex(), 0);
    QCOMPARE(seiten->currentWidget()->objectName(), QStringLiteral("Felder"));
}

QTEST_MAIN(TestTGestalter)
#include "tst_tgestalter.moc"
