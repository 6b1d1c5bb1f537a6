#include "taboutbox.h"
#include "tsplash.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

class TestTSplash : public QObject
{
    Q_OBJECT

private slots:
    void nurDasBildSchliesst();
    void infoZeigtDasProgrammsymbol();
};

void TestTSplash::nurDasBildSchliesst()
{
    TSplash splash;
    QCOMPARE(splash.size(), QSize(304, 227));
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));

    auto *label = splash.findChild<QLabel *>("Label1");
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(splash.isVisible());
    auto *bild = splash.findChild<QLabel *>("Image1");
    QTest::mouseClick(bild, Qt::RightButton, {}, QPoint(20, 20));
    QVERIFY(splash.isVisible());
    // Pressed on the picture but let go beside it: no click.
    QTest::mousePress(bild, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(bild, Qt::LeftButton, {}, QPoint(-5, 20));
    QVERIFY(splash.isVisible());

    QTest::mouseClick(bild, Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(!splash.isVisible());
}

void TestTSplash::infoZeigtDasProgrammsymbol()
{
    QPixmap rot(32, 32);
    rot.fill(Qt::red);
    QApplication::setWindowIcon(QIcon(rot));
    TAboutBox info(nullptr);
    QApplication::setWindowIcon(QIcon());
    // Copied at creation: a later change of the icon does not reach the box.
    const QPixmap symbol = info.findChild<QLabel *>("ProgramIcon")->pixmap();
    QCOMPARE(symbol.size(), QSize(32, 32));
    QCOMPARE(symbol.toImage().pixel(16, 16), QColor(Qt::red).rgb());
    QCOMPARE(info.windowTitle(), QStringLiteral("Info"));
}

QTEST_MAIN(TestTSplash)
#include "tst_tsplash.moc"
