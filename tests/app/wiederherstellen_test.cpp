#include "aufnahmehilfe.h"
#include "kartendatei.h"
#include "kartendokument.h"
#include "modalfolge.h"
#include "seitenanordnung.h"
#include "soundplayer.h"
#include "twiederherstellendlg.h"
#include "tzendaromain.h"
#include "wiederherstellung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using M = ModalFolge;

class WiederherstellenTest : public QObject
{
    Q_OBJECT

    AufnahmeHilfe hilfe;
    std::unique_ptr<TZendaroMain> w;
    std::unique_ptr<QTemporaryDir> ordner;

    QString kopien() const { return ordner->filePath(QStringLiteral("recovery")); }
    QString eigeneKopie() const { return kopien() + QStringLiteral("/%1.map").arg(QCoreApplication::applicationPid()); }

    void malen(int feld)
    {
        w->AktuellerFeldtyp = 51;
        const QPoint p = FeldRechteck(w->Dokument->karte(), feld).center();
        QTest::mousePress(w->PaintBoxen[0], Qt::LeftButton, {}, p);
        QTest::mouseRelease(w->PaintBoxen[0], Qt::LeftButton, {}, p);
    }

    QByteArray kopieText() const
    {
        QFile datei(eigeneKopie());
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        ordner = std::make_unique<QTemporaryDir>();
        w = std::make_unique<TZendaroMain>(nullptr, hilfe);
        w->WiederherstellungEinrichten(kopien());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    void cleanup()
    {
        w.reset();
        ordner.reset();
    }

    // The first change is copied at once; saving, and undoing back to the
    // saved state, remove the copy; a deliberate No at the end removes it too.
    void copyFollowsTheModifiedState()
    {
        malen(2);
        QCOMPARE(kopieText(), KartenText(w->Dokument->karte(), w->Dokument->karte().KartenName));
        QVERIFY(!VerwaisteKopien(kopien()).size()); // this editor still runs

        w->Dokument->speichern(ordner->filePath(QStringLiteral("karte.map")));
        QVERIFY(!QFile::exists(eigeneKopie()));
        malen(3);
        QVERIFY(QFile::exists(eigeneKopie()));
        w->Menue.RckgngigBefehl1->trigger();
        QVERIFY(!QFile::exists(eigeneKopie()));

        malen(4);
        QVERIFY(QFile::exists(eigeneKopie()));
        M folge{M::knopf(QMessageBox::No)};
        QVERIFY(w->close());
        QVERIFY(folge.alleBeantwortet());
        QCOMPARE(QDir(kopien()).entryList(QDir::Files), QStringList());
    }

    void unmodifiedEndLeavesNothing()
    {
        malen(2);
        w->Dokument->speichern(ordner->filePath(QStringLiteral("karte.map")));
        QVERIFY(w->close());
        QCOMPARE(QDir(kopien()).entryList(QDir::Files), QStringList());
    }

    // Copies of editors that no longer run (no process of that id, or one of
    // another program) are offered, newest first; "Wiederherstellen" opens
    // the chosen one as modified under its file name and deletes it.
    void copiesOfEndedEditorsAreOffered()
    {
        TKarte karte = w->Dokument->karte();
        karte.KartenName = QStringLiteral("Küste");
        karte.Felder[1][5] = 51;
        Wiederherstellung(kopien(), 1).schreiben(karte, QStringLiteral("/irgendwo/küste.map"));
        const QByteArray kueste = KartenText(karte, karte.KartenName);
        QTest::qWait(1100); // times are stored to the second
        karte.KartenName = QStringLiteral("Insel");
        karte.Felder[1][6] = 51;
        const qint64 keinProzess = 0x7ffffff0;
        Wiederherstellung(kopien(), keinProzess).schreiben(karte, {});
        // Leftovers that are no copies are ignored.
        QFile kaputt(kopien() + QStringLiteral("/7.json"));
        QVERIFY(kaputt.open(QIODevice::WriteOnly) && kaputt.write("{kaputt") > 0);
        kaputt.close();

        const auto liste = VerwaisteKopien(kopien());
        QCOMPARE(liste.size(), std::size_t(2));
        QCOMPARE(liste[0].kartenName, QStringLiteral("Insel"));
        QCOMPARE(liste[0].dateiname, QString());
        QCOMPARE(liste[1].kartenName, QStringLiteral("Küste"));
        QCOMPARE(liste[1].dateiname, QStringLiteral("/irgendwo/küste.map"));
        QVERIFY(liste[0].zeit > liste[1].zeit);

        QStringList zeilen;
        M folge{[&](QWidget *d) {
            auto *liste = d->findChild<QTreeWidget *>();
            for (int i = 0; i < liste->topLevelItemCount(); ++i)
                zeilen << liste->topLevelItem(i)->text(0) + u'|' + liste->topLevelItem(i)->text(1);
            liste->setCurrentItem(liste->topLevelItem(1));
            M::knopf(QStringLiteral("Wiederherstellen"))(d);
        }};
        w->WiederherstellungAnbieten();
        QVERIFY(folge.alleBeantwortet());
        QCOMPARE(zeilen, QStringList({QStringLiteral("Insel|(nicht gespeichert)"), QStringLiteral("Küste|küste.map")}));
        QCOMPARE(KartenText(w->Dokument->karte(), w->Dokument->karte().KartenName), kueste);
        QCOMPARE(w->Dokument->dateiname(), QStringLiteral("/irgendwo/küste.map"));
        QVERIFY(w->KarteGeaendert());
        // The restored map is now this editor's copy; the other stays offered.
        QVERIFY(QFile::exists(eigeneKopie()));
        QCOMPARE(VerwaisteKopien(kopien()).size(), std::size_t(1));

        M verwerfen{M::knopf(QStringLiteral("Verwerfen"))};
        w->WiederherstellungAnbieten();
        QVERIFY(verwerfen.alleBeantwortet());
        QVERIFY(VerwaisteKopien(kopien()).empty());
    }
};

QTEST_MAIN(WiederherstellenTest)
#include "wiederherstellen_test.moc"
