#include "testordner.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

struct Lauf
{
    int ende;
    QByteArray out;
    QString err;
};

} // namespace

class ZendaroMapTest : public QObject
{
    Q_OBJECT

private slots:
    void neuSchreibtDieStartkarte()
    {
        const Lauf ausgabe = starten({"new"});
        QCOMPARE(ausgabe.ende, 0);
        QVERIFY(ausgabe.out.startsWith("Kronvale 1.0 Karte\r\n(c) 1996, Plexadyne/Corvanthe\r\n\r\n0\r\n640\r\n440\r\n176\r\n4\r\n40\r\n0\r\n0\r\n3\r\n0\r\n"));
        QCOMPARE(ausgabe.out.count("\r\n"), 713);
        QCOMPARE(starten({"new", "-o", pfad("neu.map")}).ende, 0);
        QCOMPARE(lesen("neu.map"), ausgabe.out);
    }

    // The options of new, each alone and together; the summary of check
    // shows what was written.
    void neuMitOptionen_data()
    {
        QTest::addColumn<QStringList>("optionen");
        QTest::addColumn<QString>("zusammenfassung");
        QTest::addColumn<QByteArray>("erstesFeld"); // code line of page 1, field 1
        QTest::newRow("start-up map") << QStringList{} << "Name \"\", Zeitlimit 0 Runden, 4 Seiten" << QByteArray("0");
        QTest::newRow("one page") << QStringList{"--seiten", "1"} << "Zeitlimit 0 Runden, 1 Seite zu 176 Feldern"
                                  << QByteArray("1");
        QTest::newRow("two pages") << QStringList{"--seiten", "2"} << "2 Seiten zu 176 Feldern, Seite 640 × 440"
                                   << QByteArray("1");
        QTest::newRow("sixteen pages, name, time limit")
            << QStringList{"--zeitlimit", "200", "--seiten", "16", "--name", "Grünes Tal"}
            << "Name \"Grünes Tal\", Zeitlimit 200 Runden, 16 Seiten" << QByteArray("1");
        QTest::newRow("start-up map named") << QStringList{"--name", "-Insel-", "--zeitlimit", "10"}
                                            << "Name \"-Insel-\", Zeitlimit 10 Runden, 4 Seiten" << QByteArray("0");
    }

    void neuMitOptionen()
    {
        QFETCH(QStringList, optionen);
        QFETCH(QString, zusammenfassung);
        QFETCH(QByteArray, erstesFeld);
        const Lauf neu = starten(QStringList{"new", "-o", pfad("n.map")} + optionen);
        QCOMPARE(neu.ende, 0);
        QVERIFY(neu.err.isEmpty());
        const Lauf pruefen = starten({"check", pfad("n.map")});
        QCOMPARE(pruefen.ende, 0);
        QVERIFY2(QString::fromUtf8(pruefen.out).contains(zusammenfassung), pruefen.out.constData());
        QCOMPARE(lesen("n.map").split('\n').at(9).trimmed(), erstesFeld);
    }

    // The same settings write the same bytes; the file is a map of the
    // pages asked for.
    void zufallskarteIstWiederholbar()
    {
        const QStringList einstellungen = {"generate", "--seiten", "9", "--seed", "4711", "--wasser", "30",
                                           "--sand", "10", "--wald", "20", "--strassen", "3", "--varianten", "0"};
        QCOMPARE(starten(einstellungen + QStringList{"-o", pfad("zufall1.map")}).ende, 0);
        QCOMPARE(starten(einstellungen + QStringList{"-o", pfad("zufall2.map")}).ende, 0);
        QCOMPARE(lesen("zufall1.map"), lesen("zufall2.map"));
        QVERIFY(starten({"check", pfad("zufall1.map")}).out.contains("9 Seiten zu 176 Feldern"));
    }

    void pruefenMeldetDreiFaelle()
    {
        starten({"new", "-o", pfad("gut.map")});
        const Lauf gut = starten({"check", pfad("gut.map")});
        QCOMPARE(gut.ende, 0);
        QCOMPARE(gut.out.count('\n'), 1);
        QVERIFY(gut.out.contains("4 Seiten zu 176 Feldern"));
        QVERIFY(gut.out.contains("640 × 440"));

        schreiben("kaputt.map", "Kronvale 1.0 Karte\n");
        const Lauf kaputt = starten({"check", pfad("kaputt.map")});
        QCOMPARE(kaputt.ende, 1);
        QCOMPARE(kaputt.err.trimmed(),
                 QStringLiteral("Die Datei kaputt.map ist entweder beschädigt oder enthält keine gültige Spielkarte!"));

        const Lauf fehlt = starten({"check", pfad("fehlt.map")});
        QCOMPARE(fehlt.ende, 2);
        QCOMPARE(fehlt.err.trimmed(), QStringLiteral("Datei nicht gefunden."));

        QByteArray buchstaben = lesen("gut.map");
        buchstaben.replace("\r\n640\r\n", "\r\nbreit\r\n");
        schreiben("zahl.map", buchstaben);
        const Lauf zahl = starten({"check", pfad("zahl.map")});
        QCOMPARE(zahl.ende, 2);
        QCOMPARE(zahl.err.trimmed(), QStringLiteral("Ungültige numerische Eingabe."));
    }

    // --kanten lists the fields that disagree with a neighbour and fails;
    // plain check does not look at corners.
    void pruefenKantenNenntFelder()
    {
        const QByteArray kopf = "Kronvale 1.0 Karte\r\n(c) 1996, Plexadyne/Corvanthe\r\nK\r\n0\r\n80\r\n80\r\n4\r\n1\r\n40\r\n";
        schreiben("wasser.map", kopf + "22\r\n1\r\n1\r\n1\r\n");
        const Lauf kanten = starten({"check", "--kanten", pfad("wasser.map")});
        QCOMPARE(kanten.ende, 1);
        const QList<QByteArray> zeilen = kanten.out.trimmed().split('\n');
        QCOMPARE(zeilen.size(), 6);
        QCOMPARE(zeilen[1], QByteArray("Seite 1, Feld 1, Zeile 1, Spalte 1"));
        QCOMPARE(zeilen[4], QByteArray("Seite 1, Feld 4, Zeile 2, Spalte 2"));
        QCOMPARE(QString::fromUtf8(zeilen[5]), QStringLiteral("Kanten: 4 Felder mit Fehlern"));
        const Lauf schlicht = starten({"check", pfad("wasser.map")});
        QCOMPARE(schlicht.ende, 0);
        QCOMPARE(schlicht.out.count('\n'), 1);

        schreiben("teich.map", kopf + "41\r\n43\r\n45\r\n47\r\n");
        const Lauf teich = starten({"check", pfad("teich.map"), "--kanten"});
        QCOMPARE(teich.ende, 0);
        QVERIFY(teich.out.endsWith("\nKanten: keine Fehler\n"));
    }

    // What is no regular file, or too large to be a map, is refused before a
    // byte is read: a pipe without a writer, an endless device, a sparse file
    // of nothing but holes.
    void nurGewoehnlicheDateienWerdenGelesen_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("pipe") << "pipe.map" << "pipe.map ist keine gewöhnliche Datei und wird nicht gelesen.";
        QTest::newRow("device") << "/dev/zero" << "zero ist keine gewöhnliche Datei und wird nicht gelesen.";
        QTest::newRow("too large") << "riesig.map" << "Die Datei riesig.map ist größer als 64 MiB und wird nicht gelesen.";
        QTest::newRow("escapes in the name") << "f\x1b[31mX.map"
                                             << "f\\x1b[31mX.map ist keine gewöhnliche Datei und wird nicht gelesen.";
    }

    void nurGewoehnlicheDateienWerdenGelesen()
    {
        QFETCH(QString, datei);
        QFETCH(QString, meldung);
        for (const char *name : {"pipe.map", "f\x1b[31mX.map"})
            QVERIFY(::mkfifo(QFile::encodeName(pfad(name)).constData(), 0600) == 0 || errno == EEXIST);
        QFile riesig(pfad("riesig.map"));
        QVERIFY(riesig.open(QIODevice::WriteOnly) && riesig.resize(64 * 1024 * 1024 + 1));
        const Lauf lauf = starten({"check", pfad(datei)});
        QCOMPARE(lauf.ende, 2);
        QCOMPARE(lauf.err.trimmed(), meldung);
        QVERIFY(lauf.out.isEmpty());
    }

    // Placeholders in file or map name stay literal, control characters are
    // escaped, and one of a kind is singular.
    void pruefenGibtNamenWoertlichAus()
    {
        schreiben("a %1.map", "Kronvale 1.0 Karte\r\n(c) 1996, Plexadyne/Corvanthe\r\nMap %1 %3 \x1b[2J\x81\r\n"
                              "1\r\n40\r\n40\r\n1\r\n1\r\n40\r\n5\r\n");
        const Lauf lauf = starten({"check", pfad("a %1.map")});
        QCOMPARE(lauf.ende, 0);
        QCOMPARE(QString::fromUtf8(lauf.out), QStringLiteral("a %1.map: Name \"Map %1 %3 \\x1b[2J\\x81\", Zeitlimit 1 Runde, "
                                                             "1 Seite zu 1 Feld, Seite 40 × 40 Pixel, Feldgröße 40\n"));
    }

    void normalisierenSchreibtDieNormalform()
    {
        QByteArray locker = "Kronvale 1.0 Karte\r\n(c) 1996, Plexadyne/Corvanthe\r\nLocker\r\n 9 Runden\r\n$280\r\n440\r\n2\r\n1\r\n40\r\n\r\n5\r\n0x6\r\n";
        schreiben("locker.map", locker);
        QCOMPARE(starten({"normalize", pfad("locker.map"), "-o", pfad("normal.map")}).ende, 0);
        QCOMPARE(lesen("normal.map"),
                 QByteArray("Kronvale 1.0 Karte\r\n(c) 1996, Plexadyne/Corvanthe\r\nLocker\r\n9\r\n640\r\n440\r\n2\r\n1\r\n40\r\n5\r\n6\r\n"));
        QCOMPARE(lesen("locker.map"), locker);
        QCOMPARE(starten({"normalize", pfad("locker.map")}).ende, 0);
        QCOMPARE(lesen("locker.map"), lesen("normal.map"));
    }

    // A full disk, as a small file size limit: every writer reports it and
    // leaves the old file byte for byte, also for texts small enough to sit
    // in a write buffer.
    void schreibfehlerLassenDieAlteDateiStehen_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("normalize") << QStringList{"normalize", "alt.map"};
        QTest::newRow("normalize -o") << QStringList{"normalize", "neu.map", "-o", "alt.map"};
        QTest::newRow("new -o") << QStringList{"new", "-o", "alt.map"};
        QTest::newRow("render") << QStringList{"render", "neu.map", "-o", "alt.png", "--tiles", ZENDARO_TILES_DIR};
        QTest::newRow("normalize, SIGXFSZ not ignored by the caller") << QStringList{"normalize", "alt.map"};
    }

    void schreibfehlerLassenDieAlteDateiStehen()
    {
        QFETCH(QStringList, args);
        // The start map with a blank after every value: valid, but not in the
        // normal form, so a rewrite would change it.
        const QByteArray neu = starten({"new"}).out;
        QList<QByteArray> zeilen = neu.split('\n');
        for (qsizetype i = 3; i + 1 < zeilen.size(); ++i)
            zeilen[i].insert(zeilen[i].size() - 1, ' ');
        const QByteArray alt = zeilen.join('\n');
        QDir ordner(pfad(QTest::currentDataTag()));
        ordner.mkpath(".");
        QVERIFY(m_ordner.schreiben(ordner.filePath("alt.map"), alt));
        QVERIFY(m_ordner.schreiben(ordner.filePath("neu.map"), neu));
        QVERIFY(m_ordner.schreiben(ordner.filePath("alt.png"), "altes Bild"));
        const QStringList vorher = ordner.entryList(QDir::Files);

        const Lauf lauf = starten(args, ordner.path(), 700, !QByteArray(QTest::currentDataTag()).contains("SIGXFSZ"));
        QCOMPARE(lauf.ende, 2);
        QCOMPARE(lauf.err.trimmed(), QStringLiteral("Zu wenig Speicherplatz."));
        QCOMPARE(m_ordner.lesen(ordner.filePath("alt.map")), alt);
        QCOMPARE(m_ordner.lesen(ordner.filePath("alt.png")), QByteArray("altes Bild"));
        QCOMPARE(ordner.entryList(QDir::Files), vorher);
    }

    // Output to a full disk is an error, whether written at once (new) or
    // left to the stream's last flush (check).
    void volleAusgabeWirdGemeldet_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::newRow("new") << QStringList{"new"};
        QTest::newRow("check") << QStringList{"check", pfad("voll.map")};
        QTest::newRow("--help") << QStringList{"--help"};
        QTest::newRow("check --help") << QStringList{"check", "--help"};
    }

    void volleAusgabeWirdGemeldet()
    {
        QFETCH(QStringList, argumente);
        QCOMPARE(starten({"new", "-o", pfad("voll.map")}).ende, 0);
        QProcess prozess;
        prozess.setStandardOutputFile(QStringLiteral("/dev/full"));
        prozess.start(QStringLiteral(ZENDARO_MAP_TOOL), argumente);
        QVERIFY(prozess.waitForFinished(30000));
        QCOMPARE(prozess.exitCode(), 2);
        QCOMPARE(QString::fromUtf8(prozess.readAllStandardError()).trimmed(), QStringLiteral("Zu wenig Speicherplatz."));
    }

    void zeichnenLegtDieSeitenImQuadrat()
    {
        // Three pages: 1 and 2 on top, 3 below 1, the cell below 2 empty.
        QByteArray karte = "Kronvale 1.0 Karte\r\n(c) 1996, Plexadyne/Corvanthe\r\n\r\n0\r\n80\r\n40\r\n2\r\n3\r\n40\r\n";
        karte += "22\r\n51\r\n1\r\n22\r\n51\r\n1\r\n";
        schreiben("drei.map", karte);
        // The picture may follow the map without -o.
        const Lauf lauf = starten({"render", pfad("drei.map"), pfad("drei.png"), "--tiles", QStringLiteral(ZENDARO_TILES_DIR)});
        QCOMPARE(lauf.ende, 0);
        const QImage bild(pfad("drei.png"));
        QCOMPARE(bild.size(), QSize(160, 80));
        const QColor wasser = bild.pixelColor(20, 20);
        const QColor sand = bild.pixelColor(100, 20);
        QVERIFY2(wasser.blue() > wasser.red() && sand.red() > sand.blue(), "page 1 water, page 2 sand");
        const QColor gras = bild.pixelColor(20, 60);
        QVERIFY2(gras.green() > gras.red() && gras.green() > gras.blue(), "page 3 meadow below page 1");
        QCOMPARE(bild.pixelColor(100, 60), QColor(0xc0, 0xc0, 0xc0));

        QCOMPARE(starten({"render", pfad("drei.map"), "-o", pfad("drei.BMP"), "--tiles", QStringLiteral(ZENDARO_TILES_DIR)}).ende, 0);
        const QImage bmp(pfad("drei.BMP"), "BMP");
        QCOMPARE(bmp.format(), QImage::Format_Indexed8);
        QCOMPARE(bmp.convertToFormat(QImage::Format_RGB32), bild.convertToFormat(QImage::Format_RGB32));

        QCOMPARE(starten({"render", pfad("drei.map"), "-o", pfad("halb.png"), "--tiles",
                          QStringLiteral(ZENDARO_TILES_DIR), "--scale", "0.5"}).ende, 0);
        QCOMPARE(QImage(pfad("halb.png")).size(), QSize(80, 40));

        const Lauf ohneKacheln = starten({"render", pfad("drei.map"), "-o", pfad("x.png"), "--tiles", pfad("leer")});
        QCOMPARE(ohneKacheln.ende, 2);
        QCOMPARE(ohneKacheln.err.trimmed(), QStringLiteral("Datei Scene1.scn kann nicht geöffnet werden."));
    }

    // The tool itself loads no graphics libraries; only render loads them,
    // through its module beside the tool, and a tool without its module
    // still does everything else.
    void nurRenderLaedtDieBildbibliotheken()
    {
        QProcess ldd;
        ldd.start(QStringLiteral("ldd"), {QStringLiteral(ZENDARO_MAP_TOOL)});
        QVERIFY(ldd.waitForFinished(30000));
        const QByteArray bibliotheken = ldd.readAllStandardOutput();
        QVERIFY(bibliotheken.contains("libQt6Core"));
        QVERIFY2(!bibliotheken.contains("libQt6Gui"), bibliotheken.constData());

        const QString allein = pfad("allein/bin/zendaro-map");
        QVERIFY(QDir().mkpath(pfad("allein/bin")) && QFile::copy(QStringLiteral(ZENDARO_MAP_TOOL), allein));
        starten({"new", "-o", pfad("allein.map")});
        QProcess pruefen;
        pruefen.start(allein, {QStringLiteral("check"), pfad("allein.map")});
        QVERIFY(pruefen.waitForFinished(30000));
        QCOMPARE(pruefen.exitCode(), 0);
        QProcess zeichnen;
        zeichnen.start(allein, {QStringLiteral("render"), pfad("allein.map"), QStringLiteral("-o"), pfad("allein.png")});
        QVERIFY(zeichnen.waitForFinished(30000));
        QCOMPARE(zeichnen.exitCode(), 2);
        QVERIFY(zeichnen.readAllStandardError().startsWith("Das Bildmodul kann nicht geladen werden: "));
        QVERIFY(!QFile::exists(pfad("allein.png")));
    }

    void zuGrosseBilderWerdenAbgelehnt()
    {
        // 16 pages of 16384 x 16384 pixels in a file of a few hundred bytes.
        QByteArray karte = "Kronvale 1.0 Karte\r\n(c) 1996, Plexadyne/Corvanthe\r\n\r\n0\r\n16384\r\n16384\r\n1\r\n16\r\n40\r\n";
        karte += QByteArray("1\r\n").repeated(16);
        schreiben("riesig.map", karte);
        // One page of 10 000 x 10 000 pixels lies at the bound.
        schreiben("grenze.map", "Kronvale 1.0 Karte\r\n(c) 1996, Plexadyne/Corvanthe\r\n\r\n0\r\n10000\r\n10000\r\n1\r\n1\r\n40\r\n1\r\n");
        const QString kacheln = QStringLiteral(ZENDARO_TILES_DIR);
        const Lauf riesig = starten({"render", pfad("riesig.map"), "-o", pfad("riesig.png"), "--tiles", kacheln});
        QCOMPARE(riesig.ende, 1);
        QCOMPARE(riesig.err.trimmed(),
                 QStringLiteral("Das Bild wäre 65536 × 65536 Pixel groß, das sind mehr als die erlaubten 100000000 Pixel."));
        const Lauf vergroessert = starten({"render", pfad("grenze.map"), "-o", pfad("grenze.bmp"), "--tiles", kacheln, "--scale", "1.01"});
        QCOMPARE(vergroessert.ende, 1);
        QVERIFY(vergroessert.err.contains("10100 × 10100"));
        // The picture at scale 1 is drawn before it shrinks, so it counts too.
        const Lauf verkleinert = starten({"render", pfad("riesig.map"), "-o", pfad("klein.png"), "--tiles", kacheln, "--scale", "0.01"});
        QCOMPARE(verkleinert.ende, 1);
        QVERIFY(verkleinert.err.contains("65536 × 65536"));
        for (const char *bild : {"riesig.png", "grenze.bmp", "klein.png"})
            QVERIFY2(!QFile::exists(pfad(bild)), bild);
    }

    void aufrufFehlerEndenMit64()
    {
        const QList<QStringList> falsch = {
            {}, {"zaubern"}, {"check"}, {"check", "a.map", "b.map"}, {"render", "a.map"},
            {"new", "--tiles", "x"}, {"new", "-o"}, {"render", "a.map", "-o", "b.png", "--scale", "null"},
            {"render", "a.map", "-o", "b.png", "--scale", "nan"}, {"render", "a.map", "-o", "b.png", "--scale", "0"},
            {"render", "a.map", "-o", "b.png", "--scale", "1e-9"}, {"render", "a.map", "-o", "b.png", "--scale", "1e400"},
            {"render", "a.map", "-o", "b.png", "--scale", "-inf"}, {"render", "a.map", "-o", "b.jpg"},
            {"render", "a.map", "-o", "b"}, {"render", "a.map", "-o", "b.png.txt"}, {"render", "a.map", "b.jpg"},
            {"render", "a.map", "b.png", "c.png"}, {"render", "a.map", "b.png", "-o", "c.png"},
            {"new", "--seiten", "0"}, {"new", "--seiten", "17"}, {"new", "--seiten", "2x"}, {"new", "--seiten"},
            {"new", "--zeitlimit", "9"}, {"new", "--zeitlimit", "201"}, {"new", "--name"}, {"new", "b.map"},
            {"check", "a.map", "--seiten", "2"},
            {"generate", "--seed", "1", "-o", "b.map"}, {"generate", "--seiten", "4", "-o", "b.map"},
            {"generate", "--seiten", "4", "--seed", "1"}, {"generate", "--seiten", "17", "--seed", "1", "-o", "b.map"},
            {"generate", "--seiten", "4", "--seed", "-1", "-o", "b.map"},
            {"generate", "--seiten", "4", "--seed", "1", "--wasser", "61", "-o", "b.map"},
            {"generate", "--seiten", "4", "--seed", "1", "--strassen", "zwei", "-o", "b.map"}};
        starten({"new", "-o", pfad("a.map")});
        for (const QStringList &args : falsch) {
            const Lauf lauf = starten(args);
            QVERIFY2(lauf.ende == 64, qPrintable(args.join(' ')));
            QVERIFY(!lauf.err.isEmpty());
            QVERIFY(lauf.out.isEmpty());
        }
        for (const char *bild : {"b.png", "b.jpg", "b", "b.png.txt", "b.map"})
            QVERIFY2(!QFile::exists(pfad(bild)), bild);
        for (const char *befehl : {"new", "check", "normalize", "render", "generate"}) {
            const Lauf hilfe = starten({befehl, "--help"});
            QCOMPARE(hilfe.ende, 0);
            QVERIFY(hilfe.out.startsWith("Aufruf: zendaro-map " + QByteArray(befehl)));
        }
    }

private:
    // Runs the tool in `ordner`; a `dateiGrenze` above 0 limits the size of
    // any file it writes, with the limit's signal ignored by the caller or
    // left at its default, which the tool itself must ignore.
    Lauf starten(const QStringList &args, const QString &ordner = {}, rlim_t dateiGrenze = 0, bool signalIgnorieren = true)
    {
        QProcess prozess;
        prozess.setWorkingDirectory(ordner.isEmpty() ? m_ordner.wurzel() : ordner);
        if (dateiGrenze > 0) {
            prozess.setChildProcessModifier([dateiGrenze, signalIgnorieren] {
                ::signal(SIGXFSZ, signalIgnorieren ? SIG_IGN : SIG_DFL);
                const rlimit grenze{dateiGrenze, dateiGrenze};
                ::setrlimit(RLIMIT_FSIZE, &grenze);
            });
        }
        prozess.start(QStringLiteral(ZENDARO_MAP_TOOL), args);
        if (!prozess.waitForFinished(30000))
            return {-1, {}, QStringLiteral("timeout")};
        return {prozess.exitCode(), prozess.readAllStandardOutput(), QString::fromUtf8(prozess.readAllStandardError())};
    }

    QString pfad(const QString &name) const { return m_ordner.pfad(name); }
    void schreiben(const QString &name, const QByteArray &inhalt) const { QVERIFY(m_ordner.schreiben(name, inhalt)); }
    QByteArray lesen(const QString &name) const { return m_ordner.lesen(name); }

    TestOrdner m_ordner;
};

QTEST_GUILESS_MAIN(ZendaroMapTest)
#include "zendaromap_test.moc"
