#include "aufruf.h"

#include <QProcess>
#include <QTest>

class AufrufTest : public QObject
{
    Q_OBJECT

private slots:
    void parsing_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<int>("ende");   // -1: the editor starts
        QTest::addColumn<QString>("ausgabe");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("nothing") << QStringList{} << "" << -1 << "" << "";
        QTest::newRow("relative file") << QStringList{"karten/../a.map"} << "/arbeit/a.map" << -1 << "" << "";
        QTest::newRow("absolute file") << QStringList{"/x/b.map"} << "/x/b.map" << -1 << "" << "";
        QTest::newRow("missing file is the editor's to report") << QStringList{"fehlt.map"} << "/arbeit/fehlt.map" << -1 << "" << "";
        QTest::newRow("file after --") << QStringList{"--", "-c.map"} << "/arbeit/-c.map" << -1 << "" << "";
        QTest::newRow("--help") << QStringList{"--help"} << "" << 0 << "Aufruf: zendaro" << "";
        QTest::newRow("-h with a file") << QStringList{"-h", "a.map"} << "" << 0 << "Aufruf: zendaro" << "";
        QTest::newRow("--version") << QStringList{"--version"} << "" << 0 << "Zendaro 1.0" << "";
        QTest::newRow("unknown option") << QStringList{"--farbe"} << "" << 64 << "" << "unbekannte Option „farbe“";
        QTest::newRow("unknown single dash") << QStringList{"-x", "a.map"} << "" << 64 << "" << "unbekannte Option „x“";
        QTest::newRow("two files") << QStringList{"a.map", "b.map"} << "" << 64 << "" << "nur eine Kartendatei";
    }

    void parsing()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QString, datei);
        QFETCH(int, ende);
        QFETCH(QString, ausgabe);
        QFETCH(QString, fehler);
        const Aufruf a = AufrufLesen(QStringList{"zendaro"} + argumente, "/arbeit");
        QCOMPARE(a.datei, datei);
        QCOMPARE(a.ende.value_or(-1), ende);
        QVERIFY2(ausgabe.isEmpty() ? a.ausgabe.isEmpty() : a.ausgabe.startsWith(ausgabe), qPrintable(a.ausgabe));
        QVERIFY2(fehler.isEmpty() ? a.fehler.isEmpty() : a.fehler.contains(fehler), qPrintable(a.fehler));
        // A wrong call shows how to call.
        if (ende == 64)
            QVERIFY(a.fehler.contains("Aufruf: zendaro"));
    }

    // The program answers before it needs a display: without one, a window
    // would end it with another code and Qt's complaint.
    void exitCodesWithoutADisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("ende");
        QTest::addColumn<bool>("aufStdout");
        QTest::addColumn<bool>("voll"); // standard output on a full disk
        QTest::newRow("--help") << "--help" << 0 << true << false;
        QTest::newRow("--version") << "--version" << 0 << true << false;
        QTest::newRow("unknown") << "--gibtsnicht" << 64 << false << false;
        QTest::newRow("--help, full disk") << "--help" << 2 << false << true;
        QTest::newRow("--version, full disk") << "--version" << 2 << false << true;
    }

    void exitCodesWithoutADisplay()
    {
        QFETCH(QString, option);
        QFETCH(int, ende);
        QFETCH(bool, aufStdout);
        QFETCH(bool, voll);
        QProcess p;
        if (voll)
            p.setStandardOutputFile(QStringLiteral("/dev/full"));
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.remove("DISPLAY");
        umgebung.remove("WAYLAND_DISPLAY");
        umgebung.insert("QT_QPA_PLATFORM", "xcb");
        p.setProcessEnvironment(umgebung);
        p.start(ZENDARO_PROGRAMM, {option});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), ende);
        const QByteArray aus = p.readAllStandardOutput();
        const QByteArray err = p.readAllStandardError();
        QCOMPARE(aus.isEmpty(), !aufStdout);
        QCOMPARE(err.isEmpty(), aufStdout);
    }
};

QTEST_GUILESS_MAIN(AufrufTest)
#include "aufruf_test.moc"
