#include "karte.h"
#include "spinedit.h"
#include "tdialog1.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "modalantwort.h"

namespace {

// A map of n pages with 176 fields each, as the start-up map has them: sizes
// only, time limit 0, every field holding its page number.
TKarte standardKarte(std::uint8_t seiten)
{
    TKarte karte;
    karte.KartenName = QStringLiteral("Insel");
    karte.AnzahlFelder = 176;
    karte.AnzahlSeiten = seiten;
    karte.FeldGroesse = 40;
    karte.SeitenBreite = 640;
    karte.SeitenHoehe = 440;
    for (int seite = 1; seite <= seiten; ++seite)
        for (int feld = 1; feld <= 176; ++feld)
            karte.Felder[seite][feld] = std::uint8_t(seite);
    return karte;
}

void einmalZeigen(TDialog1 &dialog)
{
    dialog.show();
    dialog.hide();
}

} // namespace

class TestTDialog1 : public QObject
{
    Q_OBJECT

private slots:
    void ladenDerStartkarte();
    void ladenSetztRadioNachSeitenzahl();
    void ladenOhne176FelderBehaeltRadio();
    void ladenBegrenztZeitLimit();
    void eingabenLassenDieKarte();
    void zeitLimitEingabe();
    void groessenWahl();
    void benutzerdefinierteGroesse();
    void verkleinernFragtBeiGelaende();
    void execMitEnterSchliesst();
    void schliessenBegrenztZeitLimitNicht();
    void enterDruecktDenKnopfMitFokus();
    void hilfefensterBleibtBedienbar();
};

void TestTDialog1::ladenDerStartkarte()
{
    TKarte karte = standardKarte(1);
    karte.ZeitLimit = 50;
    TDialog1 dialog(karte);
    einmalZeigen(dialog);
    QVERIFY(dialog.findChild<QRadioButton *>("Btn1x176Felder")->isChecked());
    QCOMPARE(karte.ZeitLimit, 50);

    karte = standardKarte(4);
    einmalZeigen(dialog);
    QVERIFY(dialog.findChild<QRadioButton *>("Btn4x176Felder")->isChecked());
    QVERIFY(!dialog.findChild<QRadioButton *>("Btn1x176Felder")->isChecked());
    QCOMPARE(dialog.findChild<QLineEdit *>("Edit1")->text(), QStringLiteral("Insel"));
    QCOMPARE(dialog.findChild<SpinEdit *>("FeldGroesseEdit")->text(), QStringLiteral("40"));
    QCOMPARE(dialog.findChild<SpinEdit *>("ZeitLimitEdit")->text(), QStringLiteral("10"));
    // The clamp of the time-limit box is what OK would apply; the map keeps
    // its value until then.
    QCOMPARE(dialog.Eigenschaften().zeitLimit, 10);
    QCOMPARE(karte.ZeitLimit, 0);

    // A name given for one showing stands in for the map's in that one only.
    dialog.FuerNeueKarte(QStringLiteral("Unbenannt"));
    einmalZeigen(dialog);
    QCOMPARE(dialog.Eigenschaften().name, QStringLiteral("Unbenannt"));
    QCOMPARE(karte.KartenName, QStringLiteral("Insel"));
    einmalZeigen(dialog);
    QCOMPARE(dialog.Eigenschaften().name, QStringLiteral("Insel"));

    // However long the name a file brought, it comes back whole.
    karte.KartenName = QString(40000, QLatin1Char('n'));
    einmalZeigen(dialog);
    QCOMPARE(dialog.Eigenschaften().name, karte.KartenName);
}

void TestTDialog1::ladenSetztRadioNachSeitenzahl()
{
    TKarte karte = standardKarte(2);
    TDialog1 dialog(karte);
    einmalZeigen(dialog);
    auto *benutzer = dialog.findChild<QRadioButton *>("BtnBenutzerDefiniert");
    QVERIFY(benutzer->isChecked());
    QVERIFY(benutzer->isEnabled());
    QVERIFY(!dialog.findChild<QRadioButton *>("Btn4x176Felder")->isChecked());
    QCOMPARE(dialog.findChild<SpinEdit *>("BenutzerAnzahlSeiten")->value(), 2);
    QCOMPARE(dialog.findChild<SpinEdit *>("BenutzerAnzahlFelder")->value(), 176);

    // The page box clamps like any spin box.
    karte = standardKarte(30);
    einmalZeigen(dialog);
    QCOMPARE(dialog.findChild<SpinEdit *>("BenutzerAnzahlSeiten")->value(), 16);

    const std::pair<std::uint8_t, const char *> presets[] = {
        {16, "Btn16x176Felder"}, {9, "Btn9x176Felder"}, {1, "Btn1x176Felder"}, {4, "Btn4x176Felder"}};
    for (const auto &[seiten, name] : presets) {
        karte = standardKarte(seiten);
        einmalZeigen(dialog);
        QVERIFY2(dialog.findChild<QRadioButton *>(name)->isChecked(), name);
        QVERIFY(!benutzer->isChecked());
    }
}

void TestTDialog1::ladenOhne176FelderBehaeltRadio()
{
    TKarte karte = standardKarte(9);
    TDialog1 dialog(karte);
    einmalZeigen(dialog);
    QVERIFY(dialog.findChild<QRadioButton *>("Btn9x176Felder")->isChecked());

    karte.AnzahlFelder = 40;
    karte.AnzahlSeiten = 1;
    karte.FeldGroesse = 1000;
    einmalZeigen(dialog);
    QVERIFY(dialog.findChild<QRadioButton *>("Btn9x176Felder")->isChecked());
    QCOMPARE(dialog.findChild<SpinEdit *>("FeldGroesseEdit")->value(), 500);
    // The field size is shown only, never written.
    QCOMPARE(karte.FeldGroesse, std::uint16_t(1000));

    // At the first showing "mittel" stands for any non-standard map.
    TDialog1 neu(karte);
    einmalZeigen(neu);
    QVERIFY(neu.findChild<QRadioButton *>("Btn4x176Felder")->isChecked());
}

void TestTDialog1::ladenBegrenztZeitLimit()
{
    TKarte karte = standardKarte(4);
    karte.ZeitLimit = 500;
    TDialog1 dialog(karte);
    einmalZeigen(dialog);
    QCOMPARE(dialog.findChild<SpinEdit *>("ZeitLimitEdit")->text(), QStringLiteral("200"));
    QCOMPARE(dialog.Eigenschaften().zeitLimit, 200);
    QCOMPARE(karte.ZeitLimit, 500);

    karte.ZeitLimit = 77;
    einmalZeigen(dialog);
    QCOMPARE(dialog.Eigenschaften().zeitLimit, 77);
}

// The dialog edits its controls only; the map is its opener's to change.
void TestTDialog1::eingabenLassenDieKarte()
{
    TKarte karte = standardKarte(4);
    const TKarte vorher = karte;
    TDialog1 dialog(karte);
    dialog.show();
    auto *edit1 = dialog.findChild<QLineEdit *>("Edit1");
    edit1->selectAll();
    QTest::keyClicks(edit1, QStringLiteral("Wald!"));
    QCOMPARE(dialog.Eigenschaften().name, QStringLiteral("Wald!"));
    edit1->clear();
    QCOMPARE(dialog.Eigenschaften().name, QString());
    QTest::mouseClick(dialog.findChild<QRadioButton *>("Btn16x176Felder"), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton *>("BitBtn2"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(karte.KartenName, vorher.KartenName);
    QCOMPARE(karte.AnzahlSeiten, vorher.AnzahlSeiten);
    QVERIFY(karte.Felder == vorher.Felder);
}

void TestTDialog1::zeitLimitEingabe()
{
    TKarte karte = standardKarte(4);
    karte.ZeitLimit = 50;
    TDialog1 dialog(karte);
    dialog.show();
    auto *box = dialog.findChild<SpinEdit *>("ZeitLimitEdit");

    QTest::keyClick(box->lineEdit(), Qt::Key_Up);
    QCOMPARE(dialog.Eigenschaften().zeitLimit, 51);

    // An emptied box reads as its minimum.
    box->lineEdit()->selectAll();
    QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(dialog.Eigenschaften().zeitLimit, 10);

    // Out of range while typing, clamped when the box is left.
    QTest::keyClick(box->lineEdit(), Qt::Key_5);
    QCOMPARE(dialog.Eigenschaften().zeitLimit, 5);
    QFocusEvent verlassen(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box->lineEdit(), &verlassen);
    QCOMPARE(box->text(), QStringLiteral("10"));
    QCOMPARE(dialog.Eigenschaften().zeitLimit, 10);
    QCOMPARE(karte.ZeitLimit, 50);
}

// A size counts only when the user picked one the map does not have.
void TestTDialog1::groessenWahl()
{
    TKarte karte = standardKarte(4);
    TDialog1 dialog(karte);
    dialog.show();
    QCOMPARE(dialog.Eigenschaften().seiten, std::uint8_t(0));
    QTest::mouseClick(dialog.findChild<QRadioButton *>("Btn9x176Felder"), Qt::LeftButton);
    QCOMPARE(dialog.Eigenschaften().seiten, std::uint8_t(9));
    QTest::mouseClick(dialog.findChild<QRadioButton *>("Btn4x176Felder"), Qt::LeftButton);
    QCOMPARE(dialog.Eigenschaften().seiten, std::uint8_t(0));
    QTest::mouseClick(dialog.findChild<QRadioButton *>("Btn16x176Felder"), Qt::LeftButton);
    dialog.hide();

    // The kept radio state of a 40-field map is no choice of the user's.
    karte.AnzahlFelder = 40;
    dialog.show();
    QVERIFY(dialog.findChild<QRadioButton *>("Btn16x176Felder")->isChecked());
    QCOMPARE(dialog.Eigenschaften().seiten, std::uint8_t(0));
    // Picked, the same preset gives such a map the standard size.
    QTest::mouseClick(dialog.findChild<QRadioButton *>("Btn16x176Felder"), Qt::LeftButton);
    QCOMPARE(dialog.Eigenschaften().seiten, std::uint8_t(16));
}

// The custom size: its page box and label work, and grey, with the choice;
// the box starts from the map's pages and reads 1 to 16 whatever is typed.
void TestTDialog1::benutzerdefinierteGroesse()
{
    TKarte karte = standardKarte(4);
    TDialog1 dialog(karte);
    dialog.show();
    auto *seiten = dialog.findChild<SpinEdit *>("BenutzerAnzahlSeiten");
    auto *label6 = dialog.findChild<QLabel *>("Label6");
    QVERIFY(!seiten->isEnabled() && !label6->isEnabled());
    QVERIFY(label6->palette().color(QPalette::Disabled, QPalette::WindowText)
            != label6->palette().color(QPalette::Active, QPalette::WindowText));
    QCOMPARE(seiten->value(), 4);
    QVERIFY(dialog.findChild<SpinEdit *>("BenutzerAnzahlFelder")->isReadOnly());

    QTest::mouseClick(dialog.findChild<QRadioButton *>("BtnBenutzerDefiniert"), Qt::LeftButton);
    QVERIFY(seiten->isEnabled() && label6->isEnabled());
    QCOMPARE(dialog.Eigenschaften().seiten, std::uint8_t(0));
    QTest::keyClick(seiten->lineEdit(), Qt::Key_Down);
    QTest::keyClick(seiten->lineEdit(), Qt::Key_Down);
    QCOMPARE(dialog.Eigenschaften().seiten, std::uint8_t(2));
    seiten->lineEdit()->selectAll();
    QTest::keyClicks(seiten->lineEdit(), QStringLiteral("99"));
    QCOMPARE(dialog.Eigenschaften().seiten, std::uint8_t(16));
    QTest::mouseClick(dialog.findChild<QRadioButton *>("Btn1x176Felder"), Qt::LeftButton);
    QVERIFY(!seiten->isEnabled() && !label6->isEnabled());
    QCOMPARE(dialog.Eigenschaften().seiten, std::uint8_t(1));
}

// OK asks before a smaller size drops pages with terrain; "Nein" keeps the
// dialog open. A new map and a shrink over meadow only are not asked about.
void TestTDialog1::verkleinernFragtBeiGelaende()
{
    TKarte karte = standardKarte(9);
    for (int seite = 1; seite <= 9; ++seite) {
        karte.Felder[seite].fill(1);
        karte.Felder[seite][7] = seite >= 5 ? 51 : 1;
    }
    TDialog1 dialog(karte);
    const auto okMitAntwort = [&dialog](const char *groesse, QMessageBox::StandardButton antwort) {
        QString frage;
        ModalAntwort waehlen([&](QWidget *modal) {
            QTest::mouseClick(modal->findChild<QRadioButton *>(groesse), Qt::LeftButton);
            ModalAntwort beantworten([&](QWidget *box) {
                frage = static_cast<QMessageBox *>(box)->text();
                static_cast<QMessageBox *>(box)->button(antwort)->click();
            });
            QTest::mouseClick(modal->findChild<QPushButton *>("BitBtn3"), Qt::LeftButton);
            if (modal->isVisible())
                static_cast<QDialog *>(modal)->reject();
        });
        return std::pair{dialog.exec(), frage};
    };
    QCOMPARE(okMitAntwort("Btn4x176Felder", QMessageBox::No),
             std::pair(int(QDialog::Rejected), QStringLiteral("Die Seiten 5 bis 9 enthalten Gelände. Trotzdem verkleinern?")));
    QCOMPARE(okMitAntwort("Btn1x176Felder", QMessageBox::Yes),
             std::pair(int(QDialog::Accepted), QStringLiteral("Die Seiten 5 bis 9 enthalten Gelände. Trotzdem verkleinern?")));
    karte.Felder[6][7] = 1;
    karte.Felder[8][7] = 1;
    QCOMPARE(okMitAntwort("Btn4x176Felder", QMessageBox::No).second,
             QStringLiteral("Die Seiten 5, 7 und 9 enthalten Gelände. Trotzdem verkleinern?"));
    karte.Felder[5][7] = 1;
    karte.Felder[7][7] = 1;
    QCOMPARE(okMitAntwort("Btn4x176Felder", QMessageBox::No).second,
             QStringLiteral("Die Seite 9 enthält Gelände. Trotzdem verkleinern?"));
    karte.Felder[9][7] = 1;
    QCOMPARE(okMitAntwort("Btn4x176Felder", QMessageBox::No), std::pair(int(QDialog::Accepted), QString()));
    karte = standardKarte(9);
    dialog.FuerNeueKarte(QStringLiteral("Unbenannt"));
    QCOMPARE(okMitAntwort("Btn1x176Felder", QMessageBox::No), std::pair(int(QDialog::Accepted), QString()));
}

void TestTDialog1::execMitEnterSchliesst()
{
    TKarte karte = standardKarte(4);
    TDialog1 dialog(karte);
    // Typing goes into the name field and replaces the name, whichever
    // control had the focus before.
    dialog.findChild<QPushButton *>("BitBtn2")->setFocus();
    ModalAntwort antwort([](QWidget *modal) {
        auto *edit1 = modal->findChild<QLineEdit *>("Edit1");
        QCOMPARE(modal->focusWidget(), edit1);
        QTest::keyClicks(edit1, QStringLiteral("X"));
        QTest::keyClick(edit1, Qt::Key_Return);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(antwort.answered());
    QCOMPARE(dialog.Eigenschaften().name, QStringLiteral("X"));
}

// Closing the dialog is no leaving of the box within it: the typed value
// stands as typed, and only the next showing clamps it.
void TestTDialog1::schliessenBegrenztZeitLimitNicht()
{
    TKarte karte = standardKarte(4);
    karte.ZeitLimit = 50;
    TDialog1 dialog(karte);
    ModalAntwort antwort([](QWidget *modal) {
        auto *box = modal->findChild<SpinEdit *>("ZeitLimitEdit");
        box->setFocus();
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), QStringLiteral("500"));
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(antwort.answered());
    QCOMPARE(dialog.Eigenschaften().zeitLimit, 500);

    karte.ZeitLimit = 500;
    einmalZeigen(dialog);
    QCOMPARE(dialog.Eigenschaften().zeitLimit, 200);
}

// Enter presses the button that has the focus; OK only stands in for the
// others.
void TestTDialog1::enterDruecktDenKnopfMitFokus()
{
    TKarte karte = standardKarte(4);
    TDialog1 dialog(karte);
    bool hilfeLiessOffen = false;
    ModalAntwort antwort([&hilfeLiessOffen](QWidget *modal) {
        QTest::mouseClick(modal->findChild<QRadioButton *>("Btn9x176Felder"), Qt::LeftButton);
        auto *hilfe = modal->findChild<QPushButton *>("BitBtn4");
        hilfe->setFocus(Qt::TabFocusReason);
        QTest::keyClick(hilfe, Qt::Key_Return);
        hilfeLiessOffen = modal->isVisible();
        auto *abbrechen = modal->findChild<QPushButton *>("BitBtn2");
        abbrechen->setFocus(Qt::TabFocusReason);
        QTest::keyClick(abbrechen, Qt::Key_Return);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(antwort.answered());
    QVERIFY(hilfeLiessOffen);
}

// The dialog holds up the windows of its owner, a window of the owner's such
// as the landscape box included, but not a window of its own such as the
// help window.
void TestTDialog1::hilfefensterBleibtBedienbar()
{
    QWidget hauptfenster;
    hauptfenster.resize(200, 200);
    QWidget werkzeug(&hauptfenster, Qt::Tool);
    QPushButton hilfe(QStringLiteral("Hilfe"));
    int werkzeugKlicks = 0;
    int hilfeKlicks = 0;
    auto *werkzeugKnopf = new QPushButton(QStringLiteral("Werkzeug"), &werkzeug);
    connect(werkzeugKnopf, &QPushButton::clicked, this, [&werkzeugKlicks] { ++werkzeugKlicks; });
    connect(&hilfe, &QPushButton::clicked, this, [&hilfeKlicks] { ++hilfeKlicks; });
    for (QWidget *fenster : {&hauptfenster, &werkzeug, static_cast<QWidget *>(&hilfe)}) {
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
    }

    TKarte karte = standardKarte(4);
    TDialog1 dialog(karte, &hauptfenster);
    ModalAntwort antwort([&](QWidget *modal) {
        // Through the window system, where blocked windows are held up.
        QTest::mouseClick(hilfe.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(werkzeug.windowHandle(), Qt::LeftButton, {}, werkzeugKnopf->geometry().center());
        modal->close();
    });
    dialog.exec();
    QVERIFY(antwort.answered());
    QCOMPARE(hilfeKlicks, 1);
    QCOMPARE(werkzeugKlicks, 0);
}

QTEST_MAIN(TestTDialog1)
#include "tst_tdialog1.moc"
