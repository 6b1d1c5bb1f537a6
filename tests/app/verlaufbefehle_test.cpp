#include "aufnahmehilfe.h"
#include "feldbilder.h"
#include "kartendatei.h"
#include "kartendokument.h"
#include "modalfolge.h"
#include "soundplayer.h"
#include "spinedit.h"
#include "standardleiste.h"
#include "tzendaromain.h"

#include <QAction>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

using M = ModalFolge;

class ZaehlPlayer : public SoundPlayer
{
public:
    explicit ZaehlPlayer(int &gespielt) : m_gespielt(gespielt) {}
    void play(const QByteArray &) override { ++m_gespielt; }

private:
    int &m_gespielt;
};

} // namespace

// Undo and redo as the user reaches them: the "&Bearbeiten" items, the two
// arrows and the keys, and what Cancel, OK and closing do to the history.
class VerlaufbefehleTest : public QObject
{
    Q_OBJECT

    AufnahmeHilfe hilfe;
    int gespielt = 0;
    std::unique_ptr<TZendaroMain> w;
    QTemporaryDir ordner;

    QAction *rueckgaengig() const { return w->Menue.RckgngigBefehl1; }
    QAction *wiederherstellen() const { return w->Menue.Wiederherstellen1; }
    const TKarte &karte() const { return w->Dokument->karte(); }

    QByteArray datei()
    {
        const QString pfad = ordner.filePath(QStringLiteral("stand.map"));
        DateiSchreiben(karte(), pfad, karte().KartenName);
        QFile gelesen(pfad);
        return gelesen.open(QIODevice::ReadOnly) ? gelesen.readAll() : QByteArray();
    }

    // A press on field 1 of page 1, a drag to field 3, the release.
    void strich(std::uint8_t code)
    {
        w->AktuellerFeldtyp = code;
        QTest::mousePress(w->PaintBoxen[0], Qt::LeftButton, {}, QPoint(20, 20));
        for (int x = 30; x <= 100; x += 10)
            QTest::mouseMove(w->PaintBoxen[0], QPoint(x, 20));
        QTest::mouseRelease(w->PaintBoxen[0], Qt::LeftButton, {}, QPoint(100, 20));
    }

    // Fields are compared inside the line that marks the page's edge.
    QImage feldBild(int feld) const
    {
        const QRect innen = FeldRechteck(karte(), feld).adjusted(1, 1, -1, -1);
        return w->PaintBoxen[0]->grab().toImage().copy(innen).convertToFormat(QImage::Format_RGB32);
    }

    QImage kachel(std::uint8_t code) const
    {
        const QImage &bild = karte().FeldBilder[BildNummer(code)];
        return bild.copy(bild.rect().adjusted(1, 1, -1, -1)).convertToFormat(QImage::Format_RGB32);
    }

    QString zustand() const
    {
        return QStringLiteral("%1 %2|%3 %4|%5 %6")
            .arg(rueckgaengig()->text())
            .arg(rueckgaengig()->isEnabled())
            .arg(wiederherstellen()->text())
            .arg(wiederherstellen()->isEnabled())
            .arg(w->Panel1->ToolButton5->isEnabled())
            .arg(w->Panel1->ToolButton6->isEnabled());
    }

private slots:
    void init()
    {
        gespielt = 0;
        w = std::make_unique<TZendaroMain>(std::make_unique<ZaehlPlayer>(gespielt), hilfe);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }

    void cleanup() { w.reset(); }

    void menueUndPfeileFolgenDemVerlauf()
    {
        QCOMPARE(zustand(), QStringLiteral("&Rückgängig 0|Wiederherstellen 0|0 0"));
        QCOMPARE(rueckgaengig()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(wiederherstellen()->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));

        const std::uint8_t vorher = karte().Felder[1][2];
        strich(51);
        QCOMPARE(w->Dokument->verlauf().count(), 1);
        QCOMPARE(gespielt, 1);
        QCOMPARE(zustand(), QStringLiteral("&Rückgängig: Malen 1|Wiederherstellen 0|1 0"));

        // The arrow takes the stroke back, shows the old tile and is silent.
        QTest::mouseClick(w->Panel1->ToolButton5, Qt::LeftButton);
        QCOMPARE(karte().Felder[1][2], vorher);
        QCOMPARE(feldBild(2), kachel(vorher));
        QCOMPARE(zustand(), QStringLiteral("&Rückgängig 0|Wiederherstellen: Malen 1|0 1"));
        QTest::mouseClick(w->Panel1->ToolButton6, Qt::LeftButton);
        QCOMPARE(feldBild(2), kachel(51));
        QCOMPARE(gespielt, 1);

        const std::pair<QKeySequence, std::uint8_t> tasten[] = {
            {QKeySequence(Qt::CTRL | Qt::Key_Z), vorher},
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), 51},
            {QKeySequence(Qt::CTRL | Qt::Key_Z), vorher},
            {QKeySequence(Qt::CTRL | Qt::Key_Y), 51},
        };
        for (const auto &[taste, code] : tasten) {
            QTest::keySequence(w.get(), taste);
            QCOMPARE(karte().Felder[1][2], code);
        }
    }

    // Cancel means cancel, in the properties dialog and in New alike, with
    // every control of the dialog changed first.
    void abbrechenLaesstDieKarte_data()
    {
        QTest::addColumn<bool>("neu");
        QTest::newRow("Eigenschaften") << false;
        QTest::newRow("Neue Karte") << true;
    }

    void abbrechenLaesstDieKarte()
    {
        QFETCH(bool, neu);
        const QByteArray vorher = datei();
        M folge{[](QWidget *d) {
            QTest::keyClicks(d->findChild<QLineEdit *>("Edit1"), QStringLiteral("Insel"));
            QTest::keyClick(d->findChild<SpinEdit *>("ZeitLimitEdit")->lineEdit(), Qt::Key_Up);
            d->findChild<QRadioButton *>("Btn16x176Felder")->click();
            M::abbrechen()(d);
        }};
        (neu ? w->Menue.NeueKarte1 : w->Menue.Eigenschaften1)->trigger();
        QVERIFY(folge.alleBeantwortet());
        QCOMPARE(datei(), vorher);
        QVERIFY(!w->KarteGeaendert());
        QVERIFY(!rueckgaengig()->isEnabled());
        QVERIFY(!w->PaintBoxen[4]->isVisible());
    }

    // OK is one step, name, time limit and size together; taking it back
    // lays the four pages out again.
    void eigenschaftenOkIstEinSchritt()
    {
        const QByteArray vorher = datei();
        M folge{[](QWidget *d) {
            QTest::keyClicks(d->findChild<QLineEdit *>("Edit1"), QStringLiteral("Insel"));
            d->findChild<QRadioButton *>("Btn16x176Felder")->click();
            M::annehmen()(d);
        }};
        w->Menue.Eigenschaften1->trigger();
        QVERIFY(folge.alleBeantwortet());
        QCOMPARE(karte().KartenName, QStringLiteral("Insel"));
        QVERIFY(w->PaintBoxen[15]->isVisible());
        QCOMPARE(rueckgaengig()->text(), QStringLiteral("&Rückgängig: Größe"));

        rueckgaengig()->trigger();
        QCOMPARE(datei(), vorher);
        QVERIFY(!w->PaintBoxen[4]->isVisible());
        QCOMPARE(w->ScrollBox1->widget()->size(), QSize(1280, 880));
        QVERIFY(!w->KarteGeaendert());
        wiederherstellen()->trigger();
        QVERIFY(w->PaintBoxen[15]->isVisible());
        QCOMPARE(karte().KartenName, QStringLiteral("Insel"));
    }

    // Painted and taken back, the map is as it was: closing asks nothing.
    void schliessenNachRueckgaengigFragtNicht()
    {
        QSignalSpy geschlossen(w.get(), &TZendaroMain::geschlossen);
        strich(51);
        QVERIFY(w->KarteGeaendert());
        rueckgaengig()->trigger();
        M folge{M::knopf(QMessageBox::Cancel)};
        QVERIFY(w->close());
        QVERIFY(folge.gesehen.isEmpty());
        QCOMPARE(geschlossen.size(), 1);
    }
};

QTEST_MAIN(VerlaufbefehleTest)
#include "verlaufbefehle_test.moc"
