#include "aufnahmehilfe.h"
#include "einstellungen.h"
#include "kartendatei.h"
#include "kartendokument.h"
#include "kartenstueck.h"
#include "modalfolge.h"
#include "soundplayer.h"
#include "tzendaromain.h"

#include <QDataStream>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using M = ModalFolge;

namespace {

// A window place as saveGeometry() writes it (format 3.0).
QByteArray Geometrie(QRect rahmen)
{
    QByteArray blob;
    QDataStream s(&blob, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_4_0);
    s << quint32(0x1D9D0CB) << quint16(3) << quint16(0) << rahmen << rahmen << qint32(0) << quint8(0) << quint8(0)
      << qint32(QGuiApplication::primaryScreen()->geometry().width()) << rahmen;
    return blob;
}

QByteArray Karte(int seitenKante, int feldGroesse)
{
    return QStringLiteral("Kronvale 1.0 Karte\r\n(c) 1996, Plexadyne/Corvanthe\r\n\r\n0\r\n%1\r\n%1\r\n1\r\n1\r\n%2\r\n1\r\n")
        .arg(seitenKante)
        .arg(feldGroesse)
        .toLatin1();
}

// The most memory this process has ever held, in KiB.
long Spitze()
{
    rusage r = {};
    ::getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

enum class Fall : std::uint8_t { Feldgroesse, SeiteAlsBild, Zwischenablage, Sicherungskopie };

} // namespace

// Settings and files from anywhere: what they ask for is bounded before it is
// built, and refused with a message.
class GrenzenTest : public QObject
{
    Q_OBJECT

    AufnahmeHilfe hilfe;
    QTemporaryDir ordner;

    QString pfad(const QString &name) const { return ordner.filePath(name); }
    void schreiben(const QString &name, const QByteArray &inhalt)
    {
        QFile datei(pfad(name));
        QVERIFY(datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size());
    }

private slots:
    // A place is taken only when the window fits on the screen and can be
    // used, and then lies wholly on it; otherwise the window stays as made.
    void geometrie_data()
    {
        QTest::addColumn<QRect>("gespeichert");
        QTest::addColumn<bool>("genommen");
        QTest::newRow("fits") << QRect(50, 40, 400, 300) << true;
        QTest::newRow("half off the screen") << QRect(700, 700, 400, 300) << true;
        QTest::newRow("1e9") << QRect(1'000'000'000, 1'000'000'000, 1'000'000'000, 1'000'000'000) << false;
        QTest::newRow("larger than the screen") << QRect(-50'000, -50'000, 100'000, 100'000) << false;
        QTest::newRow("1 x 1 in the far corner") << QRect(799, 599, 1, 1) << false;
    }
    void geometrie()
    {
        QFETCH(QRect, gespeichert);
        QFETCH(bool, genommen);
        const QRect platz = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(platz.contains(QRect(50, 40, 400, 300)) && !platz.contains(QRect(700, 700, 400, 300)));
        TZendaroMain w(nullptr, hilfe);
        const QRect vorher = w.geometry();
        QSettings speicher(pfad(QStringLiteral("geometrie.conf")), QSettings::IniFormat);
        Einstellungen e;
        e.fensterGeometrie = Geometrie(gespeichert);
        EinstellungenSchreiben(speicher, e);
        QCOMPARE(w.EinstellungenLaden(speicher), genommen);
        if (!genommen) {
            QCOMPARE(w.geometry(), vorher);
        } else {
            QCOMPARE(w.size(), gespeichert.size());
            QVERIFY(platz.contains(w.frameGeometry()));
            if (platz.contains(gespeichert))
                QCOMPARE(w.pos(), gespeichert.topLeft());
        }
    }

    void grosseEingaben_data()
    {
        QTest::addColumn<Fall>("fall");
        QTest::newRow("field size 16384 on open") << Fall::Feldgroesse;
        QTest::newRow("page of 16384 x 16384 as a picture") << Fall::SeiteAlsBild;
        QTest::newRow("2 MB clipboard piece") << Fall::Zwischenablage;
        QTest::newRow("backup of a 256 MB file") << Fall::Sicherungskopie;
    }
    void grosseEingaben()
    {
        QFETCH(Fall, fall);
        TZendaroMain w(nullptr, hilfe);
        const QByteArray vorher = KartenText(w.Dokument->karte(), w.Dokument->karte().KartenName);
        switch (fall) {
        case Fall::Feldgroesse: {
            schreiben(QStringLiteral("feld.map"), Karte(16384, 16384));
            M folge{M::knopf(QMessageBox::Ok)};
            w.DateiOeffnen(pfad(QStringLiteral("feld.map")));
            QVERIFY(folge.alleBeantwortet());
            QCOMPARE(folge.gesehen.value(0),
                     QStringLiteral("Zendaro 1.0 für Windows|Die Karte hat Felder von 16384 Pixeln; Zendaro "
                                    "bearbeitet Felder bis 500 Pixel."));
            QCOMPARE(KartenText(w.Dokument->karte(), w.Dokument->karte().KartenName), vorher);
            QCOMPARE(w.Dokument->dateiname(), QString());
            break;
        }
        case Fall::SeiteAlsBild: {
            schreiben(QStringLiteral("seite.map"), Karte(16384, 40));
            QVERIFY(w.Dokument->oeffnen(pfad(QStringLiteral("seite.map"))));
            M folge{M::waehlen({QStringLiteral("&Aktuelle Seite")}), M::datei(pfad(QStringLiteral("seite.png"))),
                    M::knopf(QMessageBox::Ok)};
            w.Menue.AlsBildExportieren1->trigger();
            QVERIFY(folge.alleBeantwortet());
            QVERIFY2(folge.gesehen.value(2).contains(QStringLiteral("16384 × 16384")), qPrintable(folge.gesehen.join('\n')));
            QVERIFY(!QFile::exists(pfad(QStringLiteral("seite.png"))));
            break;
        }
        case Fall::Zwischenablage: {
            const QByteArray stueck = "Zendaro-Felder 1\n2 1\n51\t52\n";
            QVERIFY(StueckLesen(stueck));
            QMimeData daten;
            daten.setData(QString::fromLatin1(KartenStueckMime), stueck + QByteArray(2'000'000, ' '));
            QVERIFY(!StueckAusMime(&daten));
            break;
        }
        case Fall::Sicherungskopie: {
            // Not a map at all, and private: the backup keeps it whole and
            // private, without holding it in memory.
            const QString gross = pfad(QStringLiteral("gross.map"));
            QFile datei(gross);
            QVERIFY(datei.open(QIODevice::WriteOnly) && datei.resize(qint64(256) << 20));
            datei.close();
            QVERIFY(::chmod(QFile::encodeName(gross).constData(), 0600) == 0);
            const bool root = ::geteuid() == 0;
            if (root)
                QVERIFY(::chown(QFile::encodeName(gross).constData(), 65534, 65534) == 0);
            w.Dokument->dateinameSetzen(gross);
            const long spitze = Spitze();
            QVERIFY(w.Speichern1Click());
            QVERIFY2(Spitze() - spitze < 64 * 1024, qPrintable(QString::number(Spitze() - spitze)));
            struct stat st = {};
            QVERIFY(::stat(QFile::encodeName(gross + u'~').constData(), &st) == 0);
            QCOMPARE(qint64(st.st_size), qint64(256) << 20);
            QCOMPARE(st.st_mode & 07777, mode_t(0600));
            if (root)
                QCOMPARE(st.st_uid, uid_t(65534));
            QFile::remove(gross + u'~');
            break;
        }
        }
    }
};

QTEST_MAIN(GrenzenTest)
#include "grenzen_test.moc"
