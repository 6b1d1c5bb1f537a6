#include "feldklang.h"
#include "soundplayer.h"
#include "wave.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <semaphore>

namespace {

QByteArray chunk(const char *id, const QByteArray &inhalt)
{
    QByteArray c(id, 4);
    char laenge[4];
    qToLittleEndian<quint32>(quint32(inhalt.size()), laenge);
    c.append(laenge, 4).append(inhalt);
    if (inhalt.size() % 2)
        c.append('\0');
    return c;
}

QByteArray fmt(quint16 format, quint16 kanaele, quint32 rate, quint16 bits)
{
    QByteArray f(16, '\0');
    qToLittleEndian<quint16>(format, f.data());
    qToLittleEndian<quint16>(kanaele, f.data() + 2);
    qToLittleEndian<quint32>(rate, f.data() + 4);
    qToLittleEndian<quint32>(rate * kanaele * bits / 8, f.data() + 8);
    qToLittleEndian<quint16>(quint16(kanaele * bits / 8), f.data() + 12);
    qToLittleEndian<quint16>(bits, f.data() + 14);
    return chunk("fmt ", f);
}

QByteArray riff(const QByteArray &chunks)
{
    QByteArray r("RIFF");
    char laenge[4];
    qToLittleEndian<quint32>(quint32(chunks.size() + 4), laenge);
    return r.append(laenge, 4).append("WAVE").append(chunks);
}

QByteArray clip(char fuellung, int laenge = 5)
{
    return riff(fmt(1, 1, 11025, 8) + chunk("data", QByteArray(laenge, fuellung)));
}

} // namespace

class SoundPlayerTest : public QObject
{
    Q_OBJECT

private slots:
    void readsPcmClips()
    {
        // An odd-sized chunk before the data is padded to an even length.
        const QByteArray daten("\x80\x90\xa0", 3);
        auto gelesen = WaveLesen(riff(fmt(1, 1, 11025, 8) + chunk("LIST", "abc") + chunk("data", daten)));
        QVERIFY(gelesen);
        QCOMPARE(gelesen->kanaele, 1);
        QCOMPARE(gelesen->abtastrate, 11025);
        QCOMPARE(gelesen->bitsProAbtastung, 8);
        QCOMPARE(gelesen->daten, daten);
    }

    void rejectsWhatCannotBePlayed_data()
    {
        QTest::addColumn<QByteArray>("datei");
        const QByteArray pcm = fmt(1, 1, 11025, 8);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no wave") << QByteArray("RIFF\x04\0\0\0AVI ", 12);
        QTest::newRow("adpcm") << riff(fmt(2, 1, 11025, 4) + chunk("data", "xx"));
        QTest::newRow("data before fmt") << riff(chunk("data", "xx") + pcm);
        QTest::newRow("no data") << riff(pcm);
        QTest::newRow("12 bits") << riff(fmt(1, 1, 11025, 12) + chunk("data", "xx"));
        QByteArray abgeschnitten = clip('\x80', 100);
        abgeschnitten.chop(50);
        QTest::newRow("truncated data") << abgeschnitten;
    }

    void rejectsWhatCannotBePlayed()
    {
        QFETCH(QByteArray, datei);
        QVERIFY(!WaveLesen(datei));
    }

    void soundGroupsFollowCodeRanges()
    {
        QCOMPARE(FeldKlangGruppe(0), KlangGruppe::Gras);
        QCOMPARE(FeldKlangGruppe(18), KlangGruppe::Gras);
        QCOMPARE(FeldKlangGruppe(19), KlangGruppe::Wasser);
        QCOMPARE(FeldKlangGruppe(50), KlangGruppe::Wasser);
        QCOMPARE(FeldKlangGruppe(51), KlangGruppe::Sand);
        QCOMPARE(FeldKlangGruppe(87), KlangGruppe::Sand);
        QCOMPARE(FeldKlangGruppe(255), KlangGruppe::Sand);
    }

    // play() must return while a clip is still sounding; clips asked for
    // meanwhile follow it, and of those only the newest is kept.
    void pressesDuringAClipKeepOnlyTheNewest()
    {
        std::binary_semaphore begonnen(0);
        std::binary_semaphore weiter(0);
        std::mutex m;
        std::vector<char> gespielt;
        {
            ThreadSoundPlayer player([&](const WaveClip &c) {
                {
                    std::lock_guard lock(m);
                    gespielt.push_back(c.daten.at(0));
                }
                begonnen.release();
                weiter.acquire();
            });
            player.play(clip('A'));
            QVERIFY(begonnen.try_acquire_for(std::chrono::seconds(5)));
            player.play(clip('B'));
            player.play(clip('C'));
            weiter.release();
            QVERIFY(begonnen.try_acquire_for(std::chrono::seconds(5)));
            weiter.release();
            // Nothing is left once C has played.
            QVERIFY(!begonnen.try_acquire_for(std::chrono::milliseconds(100)));
        }
        QCOMPARE(gespielt, (std::vector<char>{'A', 'C'}));
    }

    void unplayableClipIsSkipped()
    {
        std::atomic<int> aufrufe = 0;
        {
            ThreadSoundPlayer player([&](const WaveClip &) { ++aufrufe; });
            player.play(QByteArray("kein Klang"));
        }
        QCOMPARE(aufrufe.load(), 0);
    }

    // Without a sound server the real output gives up at once and silently.
    void pulseOutputWithoutServerReturnsQuickly()
    {
        qputenv("PULSE_SERVER", "unix:/nonexistent/zendaro-test");
        QElapsedTimer uhr;
        uhr.start();
        QVERIFY(!PulseOutput(*WaveLesen(clip('\x80', 11025))));
        QVERIFY2(uhr.elapsed() < 500, qPrintable(QString::number(uhr.elapsed())));
    }

    // With a server (a private one with a null sink) the clip is played.
    void pulseOutputPlaysThroughAServer()
    {
        const QString programm = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (programm.isEmpty())
            QSKIP("no pulseaudio on this machine");
        QTemporaryDir laufzeit;
        QFile::setPermissions(laufzeit.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcess server;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("XDG_RUNTIME_DIR"), laufzeit.path());
        umgebung.insert(QStringLiteral("HOME"), laufzeit.path());
        server.setProcessEnvironment(umgebung);
        server.setProgram(programm);
        server.setArguments({"-n", "--daemonize=no", "--exit-idle-time=-1", "--load=module-null-sink",
                             "--load=module-native-protocol-unix auth-anonymous=1"});
        server.start();
        const QString sockel = laufzeit.filePath(QStringLiteral("pulse/native"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(sockel), 10000);
        qputenv("PULSE_SERVER", ("unix:" + sockel).toLocal8Bit());
        const bool gespielt = PulseOutput(*WaveLesen(clip('\x80', 1000)));
        server.terminate();
        server.waitForFinished(5000);
        QVERIFY(gespielt);
    }
};

QTEST_GUILESS_MAIN(SoundPlayerTest)
#include "soundplayer_test.moc"
