#include "aufnahmehilfe.h"
#include "kartendatei.h"
#include "kartendokument.h"
#include "karteneigenschaften.h"
#include "modalfolge.h"
#include "rettungsdienst.h"
#include "rettungskopie.h"
#include "seitenanordnung.h"
#include "soundplayer.h"
#include "tzendaromain.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using M = ModalFolge;

class RettungsdienstTest : public QObject
{
    Q_OBJECT

    AufnahmeHilfe hilfe;
    std::unique_ptr<TZendaroMain> w;
    std::unique_ptr<QTemporaryDir> ordner;

    QString kopien() const { return ordner->filePath(QStringLiteral("recovery")); }
    // This editor's copy: the one map in the folder not offered to others.
    QString eigeneKopie() const
    {
        QStringList karten;
        for (const QString &name : QDir(kopien()).entryList({QStringLiteral("*.map")}, QDir::Files))
            karten << kopien() + u'/' + name;
        for (const Rettungskopie &fremd : VerwaisteRettungskopien(kopien()))
            karten.removeAll(fremd.kartenPfad);
        return karten.size() == 1 ? karten.first() : QString();
    }
    QByteArray kopieText() const
    {
        QFile datei(eigeneKopie());
        return !datei.fileName().isEmpty() && datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }
    QByteArray kartenText() const { return KartenText(w->Dokument->karte(), w->Dokument->karte().KartenName); }

    void malen(int feld)
    {
        w->AktuellerFeldtyp = 51;
        const QPoint p = FeldRechteck(w->Dokument->karte(), feld).center();
        QTest::mousePress(w->PaintBoxen[0], Qt::LeftButton, {}, p);
        QTest::mouseRelease(w->PaintBoxen[0], Qt::LeftButton, {}, p);
    }

    // A copy as a crashed editor leaves it: written, and its lock gone.
    void fremdeKopie(const QString &name, const QString &datei, int feld)
    {
        TKarte karte = w->Dokument->karte();
        karte.KartenName = name;
        karte.Felder[1][std::size_t(feld)] = 51;
        RettungsAblage(kopien()).schreiben(karte, datei);
    }

private slots:
    void init()
    {
        ordner = std::make_unique<QTemporaryDir>();
        w = std::make_unique<TZendaroMain>(nullptr, hilfe);
        w->RettungskopienEinrichten(kopien());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    void cleanup()
    {
        w.reset();
        ordner.reset();
    }

    // The copy follows the map within three seconds of the last change;
    // saving, and undoing back to the saved state, remove it; a deliberate No
    // at the end removes everything.
    void copyFollowsTheModifiedState()
    {
        malen(2);
        QTRY_COMPARE_WITH_TIMEOUT(kopieText(), kartenText(), 3000);
        malen(5);
        QTRY_COMPARE_WITH_TIMEOUT(kopieText(), kartenText(), 3000);
        QVERIFY(VerwaisteRettungskopien(kopien()).empty()); // this editor still runs

        w->Dokument->speichern(ordner->filePath(QStringLiteral("karte.map")));
        QVERIFY(eigeneKopie().isEmpty());
        malen(3);
        w->Menue.RckgngigBefehl1->trigger();
        QTest::qWait(2500);
        QVERIFY(eigeneKopie().isEmpty());

        malen(4);
        QTRY_VERIFY_WITH_TIMEOUT(!eigeneKopie().isEmpty(), 3000);
        M folge{M::knopf(QMessageBox::No)};
        QVERIFY(w->close());
        QVERIFY(folge.alleBeantwortet());
        QCOMPARE(QDir(kopien()).entryList({QStringLiteral("*.map"), QStringLiteral("*.json")}, QDir::Files),
                 QStringList());
    }

    // Painting that never rests is copied all the same.
    void longPaintingIsCopied()
    {
        KartenDokument dok;
        dok.startKarteAnlegen();
        dok.neu({QStringLiteral("Lang"), 0, 1});
        Rettungsdienst dienst(dok, kopien(), nullptr, 300);
        dok.strichBeginnen();
        int feld = 1;
        for (; feld <= 30 && kopieText().count("\r\n51\r\n") < 5; ++feld) {
            dok.feldMalen({1, feld}, 51);
            QTest::qWait(50);
        }
        dok.strichBeenden();
        QVERIFY2(feld < 20, qPrintable(QString::number(feld)));
    }

    // Copies of editors that no longer run are offered, newest first.
    // "Wiederherstellen" opens the chosen one as a modified map without a
    // file, so that Save cannot write where the copy's side file points;
    // Save As starts there. The restored map becomes this editor's copy.
    void copiesOfEndedEditorsAreOffered()
    {
        const QString kuestenDatei = ordner->filePath(QStringLiteral("küste.map"));
        fremdeKopie(QStringLiteral("Küste"), kuestenDatei, 5);
        TKarte kueste = w->Dokument->karte();
        kueste.KartenName = QStringLiteral("Küste");
        kueste.Felder[1][5] = 51;
        QTest::qWait(20);
        fremdeKopie(QStringLiteral("Insel"), {}, 6);

        QStringList zeilen;
        M folge{[&](QWidget *d) {
            auto *liste = d->findChild<QTreeWidget *>();
            for (int i = 0; i < liste->topLevelItemCount(); ++i)
                zeilen << liste->topLevelItem(i)->text(0) + u'|' + liste->topLevelItem(i)->text(1);
            liste->setCurrentItem(liste->topLevelItem(1));
            M::knopf(QStringLiteral("Wiederherstellen"))(d);
        }};
        w->RettungskopienAnbieten();
        QVERIFY(folge.alleBeantwortet());
        QCOMPARE(zeilen, QStringList({QStringLiteral("Insel|(nicht gespeichert)"), QStringLiteral("Küste|küste.map")}));
        QCOMPARE(kartenText(), KartenText(kueste, kueste.KartenName));
        QCOMPARE(w->Dokument->dateiname(), QString());
        QCOMPARE(w->SaveDialog1->selectedFiles().value(0), kuestenDatei);
        QVERIFY(w->KarteGeaendert());
        QCOMPARE(VerwaisteRettungskopien(kopien()).size(), std::size_t(1));
        QCOMPARE(kopieText(), kartenText());

        M verwerfen{M::knopf(QStringLiteral("Verwerfen"))};
        w->RettungskopienAnbieten();
        QVERIFY(verwerfen.alleBeantwortet());
        QVERIFY(VerwaisteRettungskopien(kopien()).empty());
    }

    // A copy that cannot be read says why, and "Verwerfen" removes it;
    // "Behalten" keeps it for the next start. The map is not touched.
    void failedRecoveryIsReported_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<bool>("verweis");
        QTest::addColumn<QString>("grund");
        QTest::newRow("beschädigt") << QByteArray("keine Karte\r\n") << false << QStringLiteral("beschädigt");
        QTest::newRow("Verweis") << QByteArray() << true << QStringLiteral("Verweis auf eine andere Datei");
    }
    void failedRecoveryIsReported()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(bool, verweis);
        QFETCH(QString, grund);
        fremdeKopie(QStringLiteral("Kaputt"), QStringLiteral("/irgendwo/k.map"), 5);
        const QString pfad = VerwaisteRettungskopien(kopien()).at(0).kartenPfad;
        QVERIFY(QFile::remove(pfad));
        if (verweis) {
            QVERIFY(QFile::link(QFINDTESTDATA("rettungsdienst_test.cpp"), pfad));
        } else {
            QFile datei(pfad);
            QVERIFY(datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size());
        }
        const QByteArray vorher = kartenText();

        for (const QString &knopf : {QStringLiteral("Behalten"), QStringLiteral("Verwerfen")}) {
            QString meldung;
            M folge{M::knopf(QStringLiteral("Wiederherstellen")), [&](QWidget *box) {
                        meldung = static_cast<QMessageBox *>(box)->text();
                        M::knopf(knopf)(box);
                    }};
            w->RettungskopienAnbieten();
            QVERIFY(folge.alleBeantwortet());
            QVERIFY2(meldung.contains(QStringLiteral("\"Kaputt\" kann nicht wiederhergestellt werden"))
                         && meldung.contains(grund),
                     qPrintable(meldung));
            QCOMPARE(kartenText(), vorher);
            QVERIFY(!w->KarteGeaendert());
            QCOMPARE(VerwaisteRettungskopien(kopien()).size(), std::size_t(knopf == QStringLiteral("Behalten")));
        }
    }
};

QTEST_MAIN(RettungsdienstTest)
#include "rettungsdienst_test.moc"
