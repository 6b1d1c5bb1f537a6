#include "ioerror.h"
#include "feldbilder.h"
#include "kartendatei.h"
#include "random.h"
#include "testblaetter.h"
#include "testordner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QByteArray kKopf = "Kronvale 1.0 Karte\r\n(c) 1996, Plexadyne/Corvanthe\r\n";

// Header, name and the six size values of a one-page map of two fields.
QByteArray kleinerKopf(const QByteArray &werte = "7\r\n640\r\n440\r\n2\r\n1\r\n40\r\n")
{
    return kKopf + "Klein\r\n" + werte;
}

} // namespace

class KartenDateiTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestBlaetterSchreiben(m_ordner.wurzel());
        QDir::setCurrent(m_ordner.wurzel());
        Zufall::RandSeed() = 0;
        m_start = std::make_unique<TKarte>();
        StandardKarteAnlegen(*m_start);
    }

    void init() { m_karte = std::make_unique<TKarte>(*m_start); }

    void startKarteWirdZeilengenauGeschrieben()
    {
        m_karte->KartenName = QStringLiteral("Unbenannt");
        m_karte->ZeitLimit = 50;
        DateiSchreiben(*m_karte, pfad("start.map"), m_karte->KartenName);
        const QByteArray inhalt = lesen("start.map");
        QVERIFY(inhalt.endsWith("\r\n"));
        QVERIFY(!inhalt.contains("\r\n\r\n"));
        QList<QByteArray> zeilen = inhalt.split('\n');
        QVERIFY(zeilen.takeLast().isEmpty());
        QCOMPARE(zeilen.size(), 713);
        for (const QByteArray &zeile : zeilen)
            QVERIFY(zeile.endsWith('\r') && zeile.count('\r') == 1);
        const QList<QByteArray> anfang = {"Kronvale 1.0 Karte", "(c) 1996, Plexadyne/Corvanthe", "Unbenannt",
                                          "50", "640", "440", "176", "4", "40",
                                          "0", "0", "3", "0", "1", "2", "1", "0"};
        for (int i = 0; i < anfang.size(); ++i)
            QCOMPARE(zeilen[i].chopped(1), anfang[i]);
        QCOMPARE(zeilen[712].chopped(1), QByteArray::number(m_karte->Felder[4][176]));
    }

    void schreibenUndLesenErgebenDieselbeKarte()
    {
        m_karte->KartenName = QString::fromUtf8("Grünland € ‚ƒ„…");
        m_karte->ZeitLimit = -5;
        m_karte->Felder[3][100] = 255;
        DateiSchreiben(*m_karte, pfad("rund.map"), m_karte->KartenName);
        auto gelesen = std::make_unique<TKarte>();
        QVERIFY(DateiLesen(*gelesen, pfad("rund.map")));
        QCOMPARE(gelesen->KartenName, m_karte->KartenName);
        QCOMPARE(gelesen->ZeitLimit, -5);
        QCOMPARE(gelesen->AnzahlFelder, 176);
        QCOMPARE(gelesen->AnzahlSeiten, 4);
        QCOMPARE(gelesen->FeldGroesse, 40);
        QCOMPARE(gelesen->SeitenBreite, 640);
        QCOMPARE(gelesen->SeitenHoehe, 440);
        QVERIFY(gelesen->Felder == m_karte->Felder);
        QCOMPARE(gelesen->Kopfzeile1, QStringLiteral("Kronvale 1.0 Karte"));
    }

    void namensbytesBleibenErhalten()
    {
        QByteArray name;
        for (int b = 0x20; b <= 0xFF; ++b)
            name.append(char(b));
        schreiben("bytes.map", kKopf + name + "\r\n7\r\n640\r\n440\r\n1\r\n1\r\n40\r\n5\r\n");
        QVERIFY(DateiLesen(*m_karte, pfad("bytes.map")));
        DateiSchreiben(*m_karte, pfad("bytes2.map"), m_karte->KartenName);
        QCOMPARE(lesen("bytes2.map").split('\n').at(2), name + '\r');
    }

    // Whatever the name, the file holds no control byte but its line ends:
    // line breaks and other controls become blanks, characters the code page
    // lacks (and the substitute byte they once became) "?".
    void namenWerdenOhneSteuerbytesGeschrieben_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("zeile");
        QTest::newRow("line breaks") << QStringLiteral("a\rb\nc\r\nd") << QByteArray("a b c  d");
        QTest::newRow("outside the code page") << QString::fromUtf8("Łódź Ωmega 😀") << QByteArray("?\xf3" "d? ?mega ?");
        QString steuer;
        for (char16_t c = 0; c < 32; ++c)
            steuer += QChar(c);
        QTest::newRow("controls") << steuer << QByteArray(26, ' ') + '?' + QByteArray(5, ' ');
    }

    void namenWerdenOhneSteuerbytesGeschrieben()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, zeile);
        DateiSchreiben(*m_karte, pfad("name.map"), name);
        const QByteArray inhalt = lesen("name.map");
        for (const char b : inhalt)
            QVERIFY2(static_cast<unsigned char>(b) >= 32 || b == '\r' || b == '\n', qPrintable(QString::number(b)));
        QCOMPARE(inhalt.split('\n').at(2), zeile + '\r');
        QVERIFY(DateiLesen(*m_karte, pfad("name.map")));
        QCOMPARE(m_karte->AnzahlFelder, 176);
    }

    void falscheKopfzeilenAendernNichts_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("trailing blank") << QByteArray("Kronvale 1.0 Karte \r\n(c) 1996, Plexadyne/Corvanthe\r\nX\r\n");
        QTest::newRow("letter case") << QByteArray("Kronvale 1.0 karte\r\n(c) 1996, Plexadyne/Corvanthe\r\nX\r\n");
        QTest::newRow("second line") << QByteArray("Kronvale 1.0 Karte\r\n(c) 1997, Plexadyne/Corvanthe\r\nX\r\n");
        QTest::newRow("empty") << QByteArray();
    }

    void falscheKopfzeilenAendernNichts()
    {
        QFETCH(QByteArray, inhalt);
        schreiben("kopf.map", inhalt);
        m_karte->Kopfzeile1 = QStringLiteral("vorher");
        const TKarte vorher = *m_karte;
        QVERIFY(!DateiLesen(*m_karte, pfad("kopf.map")));
        QVERIFY(gleich(*m_karte, vorher));
        QCOMPARE(m_karte->Kopfzeile1, QStringLiteral("vorher"));
    }

    // Text editors and version control on Linux leave LF alone, or a mix.
    void zeilenendenOhneCrLesenWieCrLf_data()
    {
        QTest::addColumn<QByteArray>("ende");      // line end of the odd lines
        QTest::addColumn<QByteArray>("andere");    // line end of the even lines
        QTest::newRow("LF only") << QByteArray("\n") << QByteArray("\n");
        QTest::newRow("mixed LF and CR LF") << QByteArray("\n") << QByteArray("\r\n");
        QTest::newRow("mixed CR and LF") << QByteArray("\r") << QByteArray("\n");
    }

    void zeilenendenOhneCrLesenWieCrLf()
    {
        QFETCH(QByteArray, ende);
        QFETCH(QByteArray, andere);
        m_karte->KartenName = QStringLiteral("Grünland am Meer");
        m_karte->ZeitLimit = 12;
        m_karte->Felder[3][176] = 200;
        const QByteArray crLf = KartenText(*m_karte, m_karte->KartenName);
        const QList<QByteArray> zeilen = crLf.split('\n');
        QByteArray umgestellt;
        for (int i = 0; i + 1 < zeilen.size(); ++i)
            umgestellt += zeilen[i].chopped(1) + (i % 2 ? andere : ende);
        schreiben("zwilling.map", crLf);
        schreiben("zeilen.map", umgestellt);
        TKarte zwilling = *m_start;
        TKarte gelesen = *m_start;
        QVERIFY(DateiLesen(zwilling, pfad("zwilling.map")));
        QVERIFY(DateiLesen(gelesen, pfad("zeilen.map")));
        QCOMPARE(gelesen.KartenName, m_karte->KartenName);
        QVERIFY(gleich(gelesen, zwilling));
    }

    void zahlenWerdenTolerantGelesen()
    {
        schreiben("tolerant.map", kleinerKopf("  7  \r\n\r\n\r\n640 Pixel\r\n$1B8\r\n0x2\r\n+1\r\n40\r\n42 abc\r\n\t-1\r\n"));
        QVERIFY(DateiLesen(*m_karte, pfad("tolerant.map")));
        QCOMPARE(m_karte->ZeitLimit, 7);
        QCOMPARE(m_karte->SeitenBreite, 640);
        QCOMPARE(m_karte->SeitenHoehe, 440);
        QCOMPARE(m_karte->AnzahlFelder, 2);
        QCOMPARE(int(m_karte->Felder[1][1]), 42);
        QCOMPARE(int(m_karte->Felder[1][2]), 255);
    }

    void werteWerdenAufIhreBitsGekuerzt()
    {
        schreiben("bits.map", kleinerKopf("0\r\n640\r\n440\r\n2\r\n260\r\n65576\r\n") + QByteArray("300\r\n-1\r\n").repeated(4));
        QVERIFY(DateiLesen(*m_karte, pfad("bits.map")));
        QCOMPARE(m_karte->AnzahlSeiten, 4);
        QCOMPARE(m_karte->FeldGroesse, 40);
        QCOMPARE(int(m_karte->Felder[1][1]), 44);
        QCOMPARE(int(m_karte->Felder[2][1]), 255);
    }

    void buchstabenSindEinFehlerOhneFolgen()
    {
        schreiben("buchstaben.map", kleinerKopf("7\r\nbreit\r\n440\r\n2\r\n1\r\n40\r\n1\r\n1\r\n"));
        const TKarte vorher = *m_karte;
        try {
            DateiLesen(*m_karte, pfad("buchstaben.map"));
            QFAIL("letters must end the reading");
        } catch (const InOutError &e) {
            QCOMPARE(e.code(), 106);
            QCOMPARE(e.message(), QStringLiteral("Ungültige numerische Eingabe"));
        }
        QVERIFY(gleich(*m_karte, vorher));
        schreiben("ueberlauf.map", kleinerKopf("2147483648\r\n640\r\n440\r\n2\r\n1\r\n40\r\n1\r\n1\r\n"));
        QVERIFY_THROWS_EXCEPTION(InOutError, DateiLesen(*m_karte, pfad("ueberlauf.map")));
    }

    void fehlendeDateiIstFehlerZwei()
    {
        const TKarte vorher = *m_karte;
        try {
            DateiLesen(*m_karte, pfad("gibtsnicht.map"));
            QFAIL("a missing file must raise an error");
        } catch (const InOutError &e) {
            QCOMPARE(e.code(), 2);
            QCOMPARE(e.message(), QStringLiteral("Datei nicht gefunden"));
        }
        QVERIFY(gleich(*m_karte, vorher));
        try {
            DateiLesen(*m_karte, m_ordner.wurzel());
            QFAIL("a folder is no map file");
        } catch (const InOutError &e) {
            QCOMPARE(e.code(), 5);
        }
    }

    void durchgaenge_data()
    {
        QTest::addColumn<QByteArray>("raster");
        QTest::addColumn<int>("feld1");
        QTest::addColumn<int>("feld2");
        QTest::newRow("one pass") << QByteArray("5\r\n6\r\n") << 5 << 6;
        QTest::newRow("two passes keep the second") << QByteArray("5\r\n6\r\n8\r\n9\r\n") << 8 << 9;
        QTest::newRow("first pass cut short reads 0") << QByteArray("5\r\n") << 5 << 0;
        QTest::newRow("trailing blank lines") << QByteArray("5\r\n6\r\n\r\n\r\n") << 5 << 6;
        QTest::newRow("trailing blank") << QByteArray("5\r\n6\r\n ") << 5 << 6;
        QTest::newRow("truncated second pass") << QByteArray("5\r\n6\r\n8\r\n") << 5 << 6;
        QTest::newRow("stray text after a pass") << QByteArray("5\r\n6\r\nEnde\r\n") << 5 << 6;
        QTest::newRow("end-of-file mark") << QByteArray("5\r\n6\r\n\x1a" "8\r\n") << 5 << 6;
        QTest::newRow("no line end at all") << QByteArray("5\r\n6") << 5 << 6;
    }

    void durchgaenge()
    {
        QFETCH(QByteArray, raster);
        QFETCH(int, feld1);
        QFETCH(int, feld2);
        schreiben("durchgang.map", kleinerKopf() + raster);
        QVERIFY(DateiLesen(*m_karte, pfad("durchgang.map")));
        QCOMPARE(int(m_karte->Felder[1][1]), feld1);
        QCOMPARE(int(m_karte->Felder[1][2]), feld2);
    }

    void ungueltigeGroessenSindKeineKarte_data()
    {
        QTest::addColumn<QByteArray>("werte");
        QTest::newRow("ends after line 9") << QByteArray("7\r\n640\r\n440\r\n2\r\n1\r\n40\r\n");
        QTest::newRow("only blank lines after line 9") << QByteArray("7\r\n640\r\n440\r\n2\r\n1\r\n40\r\n\r\n \t\r\n");
        QTest::newRow("no fields") << QByteArray("7\r\n640\r\n440\r\n0\r\n1\r\n40\r\n1\r\n");
        QTest::newRow("negative fields") << QByteArray("7\r\n640\r\n440\r\n-3\r\n1\r\n40\r\n1\r\n");
        QTest::newRow("561 fields") << QByteArray("7\r\n640\r\n440\r\n561\r\n1\r\n40\r\n1\r\n");
        QTest::newRow("256 pages cut to 0") << QByteArray("7\r\n640\r\n440\r\n2\r\n256\r\n40\r\n1\r\n");
        QTest::newRow("34 pages") << QByteArray("7\r\n640\r\n440\r\n2\r\n34\r\n40\r\n1\r\n");
        QTest::newRow("field size 0") << QByteArray("7\r\n640\r\n440\r\n2\r\n1\r\n65536\r\n1\r\n");
        QTest::newRow("page narrower than a field") << QByteArray("7\r\n39\r\n440\r\n2\r\n1\r\n40\r\n1\r\n");
        QTest::newRow("page lower than a field") << QByteArray("7\r\n640\r\n0\r\n2\r\n1\r\n40\r\n1\r\n");
        QTest::newRow("giant page") << QByteArray("7\r\n16385\r\n440\r\n2\r\n1\r\n40\r\n1\r\n");
    }

    void ungueltigeGroessenSindKeineKarte()
    {
        QFETCH(QByteArray, werte);
        schreiben("groesse.map", kleinerKopf(werte));
        const TKarte vorher = *m_karte;
        QVERIFY(!DateiLesen(*m_karte, pfad("groesse.map")));
        QVERIFY(gleich(*m_karte, vorher));
    }

    void groessteKarteWirdGelesen()
    {
        QByteArray inhalt = kleinerKopf("0\r\n16384\r\n16384\r\n560\r\n33\r\n40\r\n");
        for (int i = 0; i < 560 * 33; ++i)
            inhalt += QByteArray::number(i % 256) + "\r\n";
        schreiben("gross.map", inhalt);
        QVERIFY(DateiLesen(*m_karte, pfad("gross.map")));
        QCOMPARE(int(m_karte->Felder[33][560]), (560 * 33 - 1) % 256);
        QCOMPARE(int(m_karte->Felder[2][1]), 1);
    }

    void schreibenErsetztDieDateiGanz()
    {
        schreiben("ersetzt.map", QByteArray(100000, '#'));
        DateiSchreiben(*m_karte, pfad("ersetzt.map"), QString());
        QVERIFY(!lesen("ersetzt.map").contains('#'));
        QVERIFY(DateiLesen(*m_karte, pfad("ersetzt.map")));
    }

    void schreibenInFehlendenOrdnerIstFehler()
    {
        try {
            DateiSchreiben(*m_karte, pfad("fehlt/karte.map"), QString());
            QFAIL("a missing folder must raise an error");
        } catch (const InOutError &e) {
            QCOMPARE(e.code(), 3);
            QCOMPARE(e.message(), QStringLiteral("Ungültiger Dateiname"));
        }
        QVERIFY(!QFile::exists(pfad("fehlt")));
    }

    void schreibenUeberOrdnerLaesstIhnStehen()
    {
        QDir(m_ordner.wurzel()).mkdir("ordner.map");
        QVERIFY_THROWS_EXCEPTION(InOutError, DateiSchreiben(*m_karte, pfad("ordner.map"), QString()));
        QVERIFY(QFileInfo(pfad("ordner.map")).isDir());
        const QStringList reste = QDir(m_ordner.wurzel()).entryList({"ordner.map*"}, QDir::Files);
        QVERIFY2(reste.isEmpty(), qPrintable(reste.join(',')));
    }

private:
    QString pfad(const QString &name) const { return m_ordner.pfad(name); }
    void schreiben(const QString &name, const QByteArray &inhalt) const { QVERIFY(m_ordner.schreiben(name, inhalt)); }
    QByteArray lesen(const QString &name) const { return m_ordner.lesen(name); }

    static bool gleich(const TKarte &a, const TKarte &b)
    {
        return a.Kopfzeile1 == b.Kopfzeile1 && a.Kopfzeile2 == b.Kopfzeile2 && a.KartenName == b.KartenName
            && a.ZeitLimit == b.ZeitLimit && a.AnzahlFelder == b.AnzahlFelder && a.AnzahlSeiten == b.AnzahlSeiten
            && a.FeldGroesse == b.FeldGroesse && a.SeitenBreite == b.SeitenBreite && a.SeitenHoehe == b.SeitenHoehe
            && a.Felder == b.Felder;
    }

    TestOrdner m_ordner;
    std::unique_ptr<TKarte> m_start;
    std::unique_ptr<TKarte> m_karte;
};

QTEST_GUILESS_MAIN(KartenDateiTest)
#include "kartendatei_test.moc"
