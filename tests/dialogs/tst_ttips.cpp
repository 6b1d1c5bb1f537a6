#include "ttipform.h"
#include "ttips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include "modalantwort.h"

namespace {

// What the tip window showed when it opened.
struct Anblick
{
    QString titel;
    QString kopf;
    QString hilfe;
    QString tip;
    bool naechsterAktiv = false;
    bool beimStart = false;
    bool fokusAufSchliessen = false;
};

Anblick ansehen(const TTipForm &form)
{
    return {form.windowTitle(),   form.TipHeader->text(),        form.TipHelp->text(),
            form.TipText->text(), form.Next->isEnabled(),        form.ShowAtStart->isChecked(),
            form.focusWidget() == form.Ok};
}

// Runs Execute; the window is looked at, handed to `handeln` and must be
// closed by it.
bool ausfuehren(TTips &tips, Anblick &anblick, const std::function<void(TTipForm &)> &handeln)
{
    ModalAntwort antwort([&](QWidget *modal) {
        auto *form = qobject_cast<TTipForm *>(modal);
        QVERIFY(form);
        anblick = ansehen(*form);
        handeln(*form);
    });
    const bool ergebnis = tips.Execute();
    [&] { QVERIFY(antwort.answered()); }();
    return ergebnis;
}

void schliessen(TTipForm &form)
{
    QTest::mouseClick(form.Ok, Qt::LeftButton);
}

} // namespace

class TestTTips : public QObject
{
    Q_OBJECT

private slots:
    void keineTips();
    void einTip();
    void zweiTips();
    void schliessenUndShowAtStart();
};

void TestTTips::keineTips()
{
    TTips tips;
    tips.Title = QStringLiteral("Wussten Sie schon?");
    tips.Header = QStringLiteral("Tipp des Tages...");
    tips.TipHelp = QStringLiteral("Hilfezeile");
    QCOMPARE(tips.TipsCount(), 0);
    Anblick anblick;
    QVERIFY(ausfuehren(tips, anblick, schliessen));
    QCOMPARE(anblick.titel, QStringLiteral("Wussten Sie schon?"));
    QCOMPARE(anblick.kopf, QStringLiteral("Tipp des Tages..."));
    QCOMPARE(anblick.hilfe, QStringLiteral("Hilfezeile"));
    QCOMPARE(anblick.tip, QStringLiteral("There is no tip... I´m not in the mude."));
    QVERIFY(!anblick.naechsterAktiv);
    QVERIFY(anblick.fokusAufSchliessen);
    QCOMPARE(TTipForm::tipNummer(), std::uint16_t(0));
    // The stand-in line belongs to the window, not to the component.
    QCOMPARE(tips.TipsCount(), 0);
}

void TestTTips::einTip()
{
    TTips tips;
    tips.Tips = QStringList{QStringLiteral("Dieses Programm ist schon sehr alt.")};
    Anblick anblick;
    ausfuehren(tips, anblick, schliessen);
    QCOMPARE(anblick.tip, QStringLiteral("Dieses Programm ist schon sehr alt."));
    QVERIFY(!anblick.naechsterAktiv);
}

void TestTTips::zweiTips()
{
    const QStringList zwei = {QStringLiteral("Dieses Programm ist schon sehr alt."),
                              QStringLiteral("Alter schützt vor Torheit nicht.")};
    TTips tips;
    tips.Tips = zwei;
    QCOMPARE(tips.TipsCount(), 2);
    Anblick anblick;
    QSet<QString> gezeigt;
    bool nummerPasst = true;
    ausfuehren(tips, anblick, [&](TTipForm &form) {
        gezeigt.insert(form.TipText->text());
        nummerPasst = form.TipText->text() == zwei.at(TTipForm::tipNummer());
        // Enter on the focused button draws as well; it does not close.
        form.Next->setFocus(Qt::TabFocusReason);
        QTest::keyClick(form.Next, Qt::Key_Return);
        QVERIFY(form.isVisible());
        // Each press draws anew; both tips come up soon enough.
        for (int i = 0; i < 64; ++i) {
            QTest::mouseClick(form.Next, Qt::LeftButton);
            gezeigt.insert(form.TipText->text());
            nummerPasst = nummerPasst && form.TipText->text() == zwei.at(TTipForm::tipNummer());
        }
        schliessen(form);
    });
    QVERIFY(anblick.naechsterAktiv);
    QVERIFY(zwei.contains(anblick.tip));
    QCOMPARE(gezeigt, QSet<QString>(zwei.begin(), zwei.end()));
    QVERIFY(nummerPasst);
}

void TestTTips::schliessenUndShowAtStart()
{
    TTips tips;
    tips.Tips = QStringList{QStringLiteral("Ein Tip.")};
    Anblick anblick;

    // The close box is no OK, but the check box is still read back.
    const bool perSchliessfeld = ausfuehren(tips, anblick, [](TTipForm &form) {
        form.ShowAtStart->setChecked(true);
        form.close();
    });
    QVERIFY(!perSchliessfeld);
    QVERIFY(!anblick.beimStart);
    QVERIFY(tips.ShowAtStart);

    const bool perKnopf = ausfuehren(tips, anblick, [](TTipForm &form) {
        form.ShowAtStart->setChecked(false);
        schliessen(form);
    });
    QVERIFY(perKnopf);
    QVERIFY(anblick.beimStart);
    QVERIFY(!tips.ShowAtStart);
}

QTEST_MAIN(TestTTips)
#include "tst_ttips.moc"
