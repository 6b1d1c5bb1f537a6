#include "toptionendlg.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "modalantwort.h"

namespace {

const QStringList StartEintraege = {"scene1.scn (Standardfelder)", "scene2.scn (Standardfelder)",
                                     "sprites1.scn (Standardgebäude)", "sprites2.scn (Standardfiguren)"};

struct Warnung
{
    bool gezeigt = false;
    QString titel;
    QString text;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    QStringList knoepfe;
    QPoint mitte;
};

QStringList eintraege(const TOptionenDlg &dialog)
{
    QStringList texte;
    const auto *liste = dialog.findChild<QListWidget *>("ListBox1");
    for (int i = 0; i < liste->count(); ++i)
        texte << liste->item(i)->text();
    return texte;
}

// Types the path and presses "&Hinzufügen"; answers and describes the
// warning, if one comes.
Warnung hinzufuegen(TOptionenDlg &dialog, const QString &pfad)
{
    Warnung warnung;
    dialog.findChild<QLineEdit *>("Edit1")->setText(pfad);
    ModalAntwort antwort([&warnung](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            modal->close();
            return;
        }
        warnung.titel = box->windowTitle();
        warnung.text = box->text();
        warnung.symbol = box->icon();
        warnung.mitte = box->frameGeometry().center();
        for (QAbstractButton *knopf : box->buttons())
            warnung.knoepfe << knopf->text();
        box->buttons().front()->click();
    });
    QTest::mouseClick(dialog.findChild<QPushButton *>("NeuButton"), Qt::LeftButton);
    warnung.gezeigt = antwort.answered();
    return warnung;
}

void datei(const QString &pfad)
{
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("BM");
}

} // namespace

class TestTOptionenDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void bitmapWirdAngehaengt();
    void falscheEndung();
    void nichtGefunden_data();
    void nichtGefunden();
    void entfernen();
    void enterAufHinzufuegen();
    void optionenAlsWert();

private:
    QTemporaryDir m_ordner;
};

void TestTOptionenDlg::initTestCase()
{
    QVERIFY(m_ordner.isValid());
    datei(m_ordner.filePath("Baum.bmp"));
    datei(m_ordner.filePath("Baum.BMP"));
    datei(m_ordner.filePath("Baum"));
    QVERIFY(QDir(m_ordner.path()).mkpath("Ordner.bmp"));
    datei(m_ordner.filePath("Ordner.bmp/Bild"));
}

void TestTOptionenDlg::bitmapWirdAngehaengt()
{
    TOptionenDlg dialog(nullptr);
    QCOMPARE(eintraege(dialog), StartEintraege);
    const QString pfad = m_ordner.filePath("Baum.bmp");
    QVERIFY(!hinzufuegen(dialog, pfad).gezeigt);
    QCOMPARE(eintraege(dialog), StartEintraege + QStringList{pfad});
    QCOMPARE(dialog.findChild<QLineEdit *>("Edit1")->text(), pfad);

    // Taken as typed, and again when it is already there.
    const QString umweg = m_ordner.path() + "/./Ordner.bmp/../Baum.bmp";
    QVERIFY(!hinzufuegen(dialog, umweg).gezeigt);
    QVERIFY(!hinzufuegen(dialog, pfad).gezeigt);
    QCOMPARE(eintraege(dialog), StartEintraege + QStringList({pfad, umweg, pfad}));
}

void TestTOptionenDlg::falscheEndung()
{
    TOptionenDlg dialog(nullptr);
    for (const char *name : {"Baum.BMP", "Baum", "Ordner.bmp/Bild"}) {
        const Warnung warnung = hinzufuegen(dialog, m_ordner.filePath(name));
        QVERIFY2(warnung.gezeigt, name);
        QCOMPARE(warnung.titel, QStringLiteral("Warnung"));
        QCOMPARE(warnung.text, QStringLiteral("ungültiges Dateiformat!"));
        QCOMPARE(warnung.symbol, QMessageBox::Warning);
        QCOMPARE(warnung.knoepfe, QStringList{"OK"});
    }
    QCOMPARE(eintraege(dialog), StartEintraege);
    QCOMPARE(dialog.findChild<QLineEdit *>("Edit1")->text(), m_ordner.filePath("Ordner.bmp/Bild"));
}

void TestTOptionenDlg::nichtGefunden_data()
{
    QTest::addColumn<QString>("pfad");
    QTest::addColumn<QString>("name");
    QTest::newRow("fehlt") << m_ordner.filePath("Fehlt.bmp") << "Fehlt.bmp";
    QTest::newRow("windows-pfad") << R"(D:\Bilder\Baum.bmp)" << "Baum.bmp";
    QTest::newRow("laufwerk") << "C:Baum.bmp" << "Baum.bmp";
    QTest::newRow("leer") << QString() << QString();
    QTest::newRow("ordner") << m_ordner.filePath("Ordner.bmp") << "Ordner.bmp";
    QTest::newRow("endet mit trenner") << m_ordner.filePath("Ordner.bmp/") << QString();
}

void TestTOptionenDlg::nichtGefunden()
{
    QFETCH(QString, pfad);
    QFETCH(QString, name);
    TOptionenDlg dialog(nullptr);
    dialog.show();
    const Warnung warnung = hinzufuegen(dialog, pfad);
    QVERIFY(warnung.gezeigt);
    QCOMPARE(warnung.titel, QStringLiteral("Warnung"));
    QCOMPARE(warnung.text, QStringLiteral("Die Datei %1 konnte nicht gefunden werden.").arg(name));
    QCOMPARE(warnung.knoepfe, QStringList{"OK"});
    // In the middle of the screen, not of the dialog at its own place.
    const QPoint bildschirmMitte = dialog.screen()->availableGeometry().center();
    QVERIFY2((warnung.mitte - bildschirmMitte).manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2").arg(warnung.mitte.x()).arg(warnung.mitte.y())));
    QCOMPARE(eintraege(dialog), StartEintraege);
}

void TestTOptionenDlg::entfernen()
{
    TOptionenDlg dialog(nullptr);
    auto *liste = dialog.findChild<QListWidget *>("ListBox1");
    auto *entfernen = dialog.findChild<QPushButton *>("BitBtn1");
    dialog.show();

    QTest::mouseClick(entfernen, Qt::LeftButton);
    QCOMPARE(eintraege(dialog), StartEintraege);

    liste->setCurrentRow(1);
    QTest::mouseClick(entfernen, Qt::LeftButton);
    QCOMPARE(eintraege(dialog), QStringList({StartEintraege[0], StartEintraege[2], StartEintraege[3]}));
    // The removal leaves nothing selected; a second press removes nothing.
    QTest::mouseClick(entfernen, Qt::LeftButton);
    QCOMPARE(eintraege(dialog).size(), 3);

    for (int i = 0; i < 3; ++i) {
        liste->setCurrentRow(0);
        QTest::mouseClick(entfernen, Qt::LeftButton);
    }
    QVERIFY(eintraege(dialog).isEmpty());
    QTest::mouseClick(entfernen, Qt::LeftButton);
    QVERIFY(eintraege(dialog).isEmpty());
}

// Enter on the focused "&Hinzufügen", and Enter in the path field, add; they
// do not close the dialog.
void TestTOptionenDlg::enterAufHinzufuegen()
{
    TOptionenDlg dialog(nullptr);
    dialog.show();
    auto *edit = dialog.findChild<QLineEdit *>("Edit1");
    edit->setText(m_ordner.filePath("Baum.bmp"));
    auto *neu = dialog.findChild<QPushButton *>("NeuButton");
    neu->setFocus(Qt::TabFocusReason);
    QTest::keyClick(neu, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(eintraege(dialog), StartEintraege + QStringList{m_ordner.filePath("Baum.bmp")});
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(edit, Qt::Key_Enter);
    QVERIFY(dialog.isVisible());
    QCOMPARE(eintraege(dialog), StartEintraege + QStringList(2, m_ordner.filePath("Baum.bmp")));
}

// The dialog shows a value without reporting it back, and reports every
// change of a box or of the list at once, as a whole value.
void TestTOptionenDlg::optionenAlsWert()
{
    TOptionenDlg dialog(nullptr);
    QCOMPARE(dialog.optionen(), (Optionen{true, true, true, StartEintraege}));
    QSignalSpy gemeldet(&dialog, &TOptionenDlg::optionenGeaendert);
    const Optionen gesetzt{false, true, false, {"a.bmp"}};
    dialog.setOptionen(gesetzt);
    QVERIFY(gemeldet.isEmpty());
    QCOMPARE(dialog.optionen(), gesetzt);
    QVERIFY(!dialog.CheckBox1->isChecked() && dialog.CheckBox2->isChecked() && !dialog.SicherungBox->isChecked());

    dialog.CheckBox2->click();
    QCOMPARE(gemeldet.size(), 1);
    QCOMPARE(gemeldet.last().at(0).value<Optionen>(), (Optionen{false, false, false, {"a.bmp"}}));
    const QString pfad = m_ordner.filePath("Baum.bmp");
    QVERIFY(!hinzufuegen(dialog, pfad).gezeigt);
    QCOMPARE(gemeldet.size(), 2);
    QCOMPARE(gemeldet.last().at(0).value<Optionen>().ressourcen, (QStringList{"a.bmp", pfad}));
}

QTEST_MAIN(TestTOptionenDlg)
#include "tst_toptionendlg.moc"
