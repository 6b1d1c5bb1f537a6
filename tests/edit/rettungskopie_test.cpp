#include "kartendatei.h"
#include "rettungskopie.h"
#include "testordner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// How the other run's copy came to be in the folder.
enum class Fall : std::uint8_t {
    Lebt,              // written by a run that still runs, in this very process
    Abgestuerzt,       // written by a process that died without tidying up
    AlteProzessnummer, // an older version's copy named by this process's id
    OhneAngaben,       // the side file is missing
    RiesigeAngaben,    // a side file over 64 KiB
    KaputteAngaben,
};

mode_t Modus(const QString &pfad)
{
    struct stat st = {};
    return ::lstat(QFile::encodeName(pfad).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

} // namespace

class RettungskopieTest : public QObject
{
    Q_OBJECT

private slots:
    // Whatever the other run left, a new run never writes over it, and offers
    // it exactly when its run has ended. This run's files are private.
    void fremdeKopie_data()
    {
        QTest::addColumn<Fall>("fall");
        QTest::addColumn<bool>("angeboten");
        QTest::addColumn<QString>("name");
        const QString lang(80'000, u'ä');
        QTest::newRow("lebt, gleiche Prozessnummer") << Fall::Lebt << false << QString();
        QTest::newRow("abgestürzt, Sperrdatei bleibt") << Fall::Abgestuerzt << true << QStringLiteral("Küste");
        QTest::newRow("alte Kopie unter dieser Prozessnummer") << Fall::AlteProzessnummer << true << QStringLiteral("Alt");
        QTest::newRow("ohne Angaben") << Fall::OhneAngaben << true << QString();
        QTest::newRow("Angaben über 64 KiB") << Fall::RiesigeAngaben << true << lang;
        QTest::newRow("Angaben beschädigt") << Fall::KaputteAngaben << true << QString();
    }
    void fremdeKopie()
    {
        QFETCH(Fall, fall);
        QFETCH(bool, angeboten);
        QFETCH(QString, name);
        TestOrdner wurzel;
        const QString ordner = wurzel.pfad(QStringLiteral("recovery"));
        TKarte karte;
        StandardFelderAnlegen(karte);
        karte.KartenName = name;
        karte.Felder[1][3] = 51;

        std::optional<RettungsAblage> andere;
        switch (fall) {
        case Fall::Lebt:
            andere.emplace(ordner);
            andere->schreiben(karte, QStringLiteral("/irgendwo/a.map"));
            break;
        case Fall::Abgestuerzt:
        case Fall::OhneAngaben:
        case Fall::RiesigeAngaben:
        case Fall::KaputteAngaben:
            // The kernel drops a dead process's lock; its files stay.
            if (const pid_t kind = ::fork(); kind == 0) {
                RettungsAblage(ordner).schreiben(karte, QStringLiteral("/irgendwo/a.map"));
                ::_exit(0);
            } else {
                int status = 0;
                QCOMPARE(::waitpid(kind, &status, 0), kind);
            }
            break;
        case Fall::AlteProzessnummer: {
            QVERIFY(QDir().mkpath(ordner));
            const QString alt = QStringLiteral("recovery/%1").arg(QCoreApplication::applicationPid());
            QVERIFY(wurzel.schreiben(alt + QStringLiteral(".map"), KartenText(karte, name)));
            QVERIFY(wurzel.schreiben(alt + QStringLiteral(".json"), R"({"datei":"/irgendwo/a.map","name":"Alt"})"));
            break;
        }
        }
        const QStringList angaben = QDir(ordner).entryList({QStringLiteral("*.json")}, QDir::Files);
        if (fall == Fall::OhneAngaben)
            QVERIFY(QFile::remove(ordner + u'/' + angaben.value(0)));
        if (fall == Fall::KaputteAngaben)
            QVERIFY(wurzel.schreiben(QStringLiteral("recovery/") + angaben.value(0), "{kaputt"));
        const QStringList vorher = QDir(ordner).entryList(QDir::Files);
        QByteArray fremd;
        for (const QString &datei : vorher)
            fremd += wurzel.lesen(QStringLiteral("recovery/") + datei);

        TKarte eigeneKarte = karte;
        eigeneKarte.Felder[1][4] = 52;
        RettungsAblage eigene(ordner);
        eigene.schreiben(eigeneKarte, {});
        eigene.schreiben(eigeneKarte, {});
        QByteArray danach;
        for (const QString &datei : vorher)
            danach += wurzel.lesen(QStringLiteral("recovery/") + datei);
        QCOMPARE(danach, fremd);
        QCOMPARE(Modus(ordner), mode_t(0700));
        for (const QString &datei : QDir(ordner).entryList(QDir::Files)) {
            if (!vorher.contains(datei))
                QCOMPARE(Modus(ordner + u'/' + datei), mode_t(0600));
        }

        const std::vector<Rettungskopie> kopien = VerwaisteRettungskopien(ordner);
        QCOMPARE(kopien.size(), std::size_t(angeboten ? 1 : 0));
        if (!angeboten)
            return;
        QCOMPARE(kopien[0].kartenName, name);
        QVERIFY(kopien[0].zeit.isValid());
        TKarte gelesen;
        QVERIFY(DateiLesen(gelesen, kopien[0].kartenPfad));
        QCOMPARE(gelesen.Felder[1][3], std::uint8_t(51));
        RettungskopieEntfernen(kopien[0]);
        QVERIFY(VerwaisteRettungskopien(ordner).empty());
        eigene.entfernen();
        // Only this run's lock is left.
        QCOMPARE(QDir(ordner).entryList(QDir::Files).filter(QStringLiteral(".map")), QStringList());
        QCOMPARE(QDir(ordner).entryList(QDir::Files).size(), 1);
    }
};

QTEST_GUILESS_MAIN(RettungskopieTest)
#include "rettungskopie_test.moc"
