#include "spinedit.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

class TestSpinEdit : public QObject
{
    Q_OBJECT

private slots:
    void schrittePerKnopfUndTaste();
    void zeichenfilter();
    void nurLesen();
    void wertLesen_data();
    void wertLesen();
    void setzenBegrenzt();
    void verlassenBegrenzt();
};

namespace {

void verlassen(SpinEdit &box)
{
    QFocusEvent ereignis(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box.lineEdit(), &ereignis);
}

QToolButton *knopf(SpinEdit &box, Qt::ArrowType richtung)
{
    for (QToolButton *k : box.findChildren<QToolButton *>())
        if (k->arrowType() == richtung)
            return k;
    return nullptr;
}

} // namespace

void TestSpinEdit::schrittePerKnopfUndTaste()
{
    SpinEdit box(10, 200, 50, nullptr);
    box.resize(49, 22);
    QSignalSpy geaendert(&box, &SpinEdit::changed);

    QTest::mouseClick(knopf(box, Qt::UpArrow), Qt::LeftButton);
    QCOMPARE(box.value(), 51);
    QTest::mouseClick(knopf(box, Qt::DownArrow), Qt::LeftButton);
    QTest::mouseClick(knopf(box, Qt::DownArrow), Qt::LeftButton);
    QCOMPARE(box.value(), 49);
    QTest::keyClick(box.lineEdit(), Qt::Key_Up);
    QCOMPARE(box.value(), 50);
    QTest::keyClick(box.lineEdit(), Qt::Key_Down);
    QCOMPARE(box.value(), 49);
    QCOMPARE(geaendert.count(), 5);

    // At a limit the step is clamped away and the text stays.
    box.setValue(200);
    geaendert.clear();
    QTest::keyClick(box.lineEdit(), Qt::Key_Up);
    QCOMPARE(box.text(), QStringLiteral("200"));
    QCOMPARE(geaendert.count(), 0);

    // A typed value below the range steps from what was typed.
    box.lineEdit()->setText(QStringLiteral("5"));
    QTest::keyClick(box.lineEdit(), Qt::Key_Up);
    QCOMPARE(box.value(), 10);
    box.lineEdit()->setText(QStringLiteral("abc"));
    QTest::keyClick(box.lineEdit(), Qt::Key_Up);
    QCOMPARE(box.value(), 11);
}

void TestSpinEdit::zeichenfilter()
{
    SpinEdit box(-5, 500, 0, nullptr);
    QSignalSpy piepser(&box, &SpinEdit::beeped);
    box.lineEdit()->clear();

    QTest::keyClicks(box.lineEdit(), QStringLiteral("-12"));
    QCOMPARE(box.text(), QStringLiteral("-12"));
    QTest::keyClicks(box.lineEdit(), QStringLiteral("x /%"));
    QCOMPARE(box.text(), QStringLiteral("-12"));
    QCOMPARE(piepser.count(), 4);

    // Signs and the separator may be typed anywhere; the value decides later.
    QTest::keyClicks(box.lineEdit(), QStringLiteral("+") + box.locale().decimalPoint());
    QCOMPARE(box.text(), QStringLiteral("-12+") + box.locale().decimalPoint());
    QCOMPARE(box.value(), -5);
    // Editing keys pass.
    QTest::keyClick(box.lineEdit(), Qt::Key_Backspace);
    QTest::keyClick(box.lineEdit(), Qt::Key_Backspace);
    QCOMPARE(box.value(), -12);
    QCOMPARE(piepser.count(), 4);
}

void TestSpinEdit::nurLesen()
{
    SpinEdit box(5, 500, 40, nullptr);
    box.resize(49, 22);
    box.setReadOnly(true);
    QSignalSpy piepser(&box, &SpinEdit::beeped);
    QSignalSpy geaendert(&box, &SpinEdit::changed);

    QTest::keyClick(box.lineEdit(), Qt::Key_Up);
    QTest::keyClick(box.lineEdit(), Qt::Key_Down);
    QTest::mouseClick(knopf(box, Qt::UpArrow), Qt::LeftButton);
    QTest::keyClicks(box.lineEdit(), QStringLiteral("7"));
    QCOMPARE(piepser.count(), 3);
    QCOMPARE(box.text(), QStringLiteral("40"));
    QCOMPARE(geaendert.count(), 0);

    // The program still sets it.
    box.setValue(41);
    QCOMPARE(box.text(), QStringLiteral("41"));
}

void TestSpinEdit::wertLesen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("wert");
    QTest::newRow("leer") << QString() << 10;
    QTest::newRow("minus") << QStringLiteral("-") << 10;
    QTest::newRow("plus") << QStringLiteral("+") << 10;
    QTest::newRow("bruch") << QStringLiteral("1.5") << 10;
    QTest::newRow("zu gross fuer int") << QStringLiteral("99999999999") << 10;
    QTest::newRow("mit plus") << QStringLiteral("+17") << 17;
    // Typed values are read as typed, even outside the limits.
    QTest::newRow("unter min") << QStringLiteral("5") << 5;
    QTest::newRow("ueber max") << QStringLiteral("300") << 300;
}

void TestSpinEdit::wertLesen()
{
    QFETCH(QString, text);
    QFETCH(int, wert);
    SpinEdit box(10, 200, 50, nullptr);
    box.lineEdit()->setText(text);
    QCOMPARE(box.value(), wert);
}

void TestSpinEdit::setzenBegrenzt()
{
    SpinEdit box(10, 200, 500, nullptr);
    QCOMPARE(box.text(), QStringLiteral("200"));
    QSignalSpy geaendert(&box, &SpinEdit::changed);
    box.setValue(0);
    QCOMPARE(box.text(), QStringLiteral("10"));
    box.setValue(-7);
    QCOMPARE(geaendert.count(), 1);
    box.setValue(123);
    QCOMPARE(box.value(), 123);
    QCOMPARE(geaendert.count(), 2);
}

void TestSpinEdit::verlassenBegrenzt()
{
    SpinEdit box(10, 200, 50, nullptr);
    QSignalSpy geaendert(&box, &SpinEdit::changed);
    box.lineEdit()->setText(QStringLiteral("5"));
    verlassen(box);
    QCOMPARE(box.text(), QStringLiteral("10"));
    box.lineEdit()->setText(QStringLiteral("999"));
    verlassen(box);
    QCOMPARE(box.text(), QStringLiteral("200"));
    QCOMPARE(geaendert.count(), 4);

    // Text that is no number stays; it already reads as the minimum.
    box.lineEdit()->setText(QStringLiteral("-"));
    verlassen(box);
    QCOMPARE(box.text(), QStringLiteral("-"));
    box.lineEdit()->setText(QStringLiteral("77"));
    verlassen(box);
    QCOMPARE(box.text(), QStringLiteral("77"));
}

QTEST_MAIN(TestSpinEdit)
#include "tst_spinedit.moc"
