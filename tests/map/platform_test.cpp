#include "apperror.h"
#include "dateiersetzen.h"
#include "ioerror.h"
#include "random.h"
#include "windows1252.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

class PlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void windows1252IstBytegenau()
    {
        QByteArray alle;
        for (int b = 0; b < 256; ++b)
            alle.append(char(b));
        const QString text = fromWindows1252(alle);
        QCOMPARE(text.size(), 256);
        QCOMPARE(toWindows1252(text), alle);
        QCOMPARE(toWindows1252(QString::fromUtf8("Grünland €")), QByteArray::fromHex("4772fc6e6c616e642080"));
        QCOMPARE(fromWindows1252(QByteArray::fromHex("809f8a")), QString::fromUtf8("€Ÿ Š").remove(' '));
        QCOMPARE(fromWindows1252(QByteArray("\x81\x8d\x8f\x90\x9d")),
                 QString(QChar(0x81)) + QChar(0x8D) + QChar(0x8F) + QChar(0x90) + QChar(0x9D));
        QCOMPARE(toWindows1252(QString::fromUtf8("ÄΩ")), QByteArray("\xc4?"));
    }

    void eaFehlerTexte()
    {
        QCOMPARE(InOutError(2).message(), QStringLiteral("Datei nicht gefunden"));
        QCOMPARE(InOutError(3).message(), QStringLiteral("Ungültiger Dateiname"));
        QCOMPARE(InOutError(4).message(), QStringLiteral("Zu viele geöffnete Dateien"));
        QCOMPARE(InOutError(5).message(), QStringLiteral("Dateizugriff verweigert"));
        QCOMPARE(InOutError(101).message(), QStringLiteral("Zu wenig Speicherplatz"));
        QCOMPARE(InOutError(106).message(), QStringLiteral("Ungültige numerische Eingabe"));
        QCOMPARE(InOutError(32).message(), QStringLiteral("E/A-Fehler 32"));
        QCOMPARE(ioErrorFromErrno(ENOENT, true), 2);
        QCOMPARE(ioErrorFromErrno(ENOENT, false), 3);
        QCOMPARE(ioErrorFromErrno(EACCES, false), 5);
        QCOMPARE(ioErrorFromErrno(EMFILE, true), 4);
        QCOMPARE(ioErrorFromErrno(ENOSPC, false), 101);
        QCOMPARE(ioErrorFromErrno(EIO, true), EIO);
    }

    // The replacement keeps what the old file's owner set: its mode, and its
    // owner and group where this process may set them (as root here).
    void ersetzenBehaeltModusUndEigentuemer()
    {
        QTemporaryDir ordner;
        const QString datei = ordner.filePath("karte.map");
        {
            QFile alt(datei);
            QVERIFY(alt.open(QIODevice::WriteOnly) && alt.write("alt") == 3);
        }
        const QByteArray name = QFile::encodeName(datei);
        QCOMPARE(::chmod(name.constData(), 0640), 0);
        const bool root = ::geteuid() == 0;
        if (root)
            QCOMPARE(::chown(name.constData(), 65534, 65534), 0);
        DateiErsetzen(datei, "neu");
        QFile neu(datei);
        QVERIFY(neu.open(QIODevice::ReadOnly));
        QCOMPARE(neu.readAll(), QByteArray("neu"));
        struct stat st = {};
        QCOMPARE(::stat(name.constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, 0640u);
        if (!root)
            QSKIP("owner and group can be handed on by root only");
        QCOMPARE(st.st_uid, uid_t(65534));
        QCOMPARE(st.st_gid, gid_t(65534));
    }

    // The in-place write of a read-only folder: a shorter text leaves no tail
    // of the old one, and neither writing nor copying waits on a pipe.
    void ueberschreibenUndKopierenNurDateien()
    {
        QTemporaryDir ordner;
        const QString datei = ordner.filePath("karte.map");
        DateiErsetzen(datei, "eine lange alte Karte");
        DateiUeberschreiben(datei, "neu");
        QFile neu(datei);
        QVERIFY(neu.open(QIODevice::ReadOnly));
        QCOMPARE(neu.readAll(), QByteArray("neu"));
        const QString rohr = ordner.filePath("rohr");
        QCOMPARE(::mkfifo(QFile::encodeName(rohr).constData(), 0600), 0);
        QVERIFY_THROWS_EXCEPTION(InOutError, DateiUeberschreiben(rohr, "x"));
        QVERIFY_THROWS_EXCEPTION(InOutError, DateiKopieren(rohr, ordner.filePath("kopie")));
        QVERIFY(!QFile::exists(ordner.filePath("kopie")));
    }

    void fehlerkastenSetztPunkt()
    {
        QCOMPARE(errorBoxText(QStringLiteral("Datei nicht gefunden")), QStringLiteral("Datei nicht gefunden."));
        QCOMPARE(errorBoxText(QStringLiteral("Schon da.")), QStringLiteral("Schon da."));
        QCOMPARE(errorBoxText(QStringLiteral("Was?")), QStringLiteral("Was?."));
        QCOMPARE(errorBoxText(QStringLiteral("Ende!")), QStringLiteral("Ende!"));
        QCOMPARE(errorBoxText(QStringLiteral("E/A-Fehler 32")), QStringLiteral("E/A-Fehler 32."));
        QCOMPARE(errorBoxText(QString()), QString());
    }

    void zufallFolgtDerLaufzeitfolge()
    {
        Zufall::RandSeed() = 0;
        QCOMPARE(Zufall::Random(4), 0);
        QCOMPARE(Zufall::RandSeed(), 1u);
        QCOMPARE(Zufall::Random(4), 0);
        QCOMPARE(Zufall::RandSeed(), 134775814u);
        Zufall::RandSeed() = 0xFFFFFFFFu;
        const std::uint32_t naechster = 0xFFFFFFFFu * 134775813u + 1u;
        QCOMPARE(Zufall::Random(1000), int((std::uint64_t(naechster) * 1000) >> 32));
        QCOMPARE(Zufall::Random(0), 0);
        int verteilung[3] = {};
        for (int i = 0; i < 3000; ++i)
            ++verteilung[Zufall::Random(3)];
        for (const int anzahl : verteilung)
            QVERIFY(anzahl > 900 && anzahl < 1100);
    }
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "platform_test.moc"
