#include "feldkatalog.h"
#include "feldname.h"
#include "statusleiste.h"

#include <QTest>

class StatusLeisteTest : public QObject
{
    Q_OBJECT

private slots:
    // The field under a position, counted from 1 in rows and columns, on
    // pages of several sizes, with the name of the code it holds.
    void fieldUnderPosition_data()
    {
        QTest::addColumn<QSize>("seitenGroesse");
        QTest::addColumn<int>("feldGroesse");
        QTest::addColumn<int>("anzahlFelder");
        QTest::addColumn<int>("seite");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        const QSize standard(640, 440);
        QTest::newRow("standard page 3") << standard << 40 << 176 << 3 << QPoint(500, 90) << 22
                                         << "Seite 3 · Feld 45 (Zeile 3, Spalte 13) · einfaches Wasser-Feld (22)";
        QTest::newRow("first pixel") << standard << 40 << 176 << 1 << QPoint(0, 0) << 7
                                     << "Seite 1 · Feld 1 (Zeile 1, Spalte 1) · Baum (7)";
        QTest::newRow("last pixel of page 16") << standard << 40 << 176 << 16 << QPoint(639, 439) << 2
                                               << "Seite 16 · Feld 176 (Zeile 11, Spalte 16) · Wiese nur Gras (2)";
        QTest::newRow("21 columns of 30") << standard << 30 << 294 << 9 << QPoint(629, 35) << 26
                                          << "Seite 9 · Feld 42 (Zeile 2, Spalte 21) · Ufer oben, Meer unten (26)";
        QTest::newRow("strip right of the columns") << standard << 30 << 294 << 9 << QPoint(635, 35) << 26
                                                    << "Seite 9";
        QTest::newRow("small fields") << QSize(400, 200) << 25 << 128 << 2 << QPoint(399, 199) << 200
                                      << "Seite 2 · Feld 128 (Zeile 8, Spalte 16) · Wiese mit Blumen (200)";
        QTest::newRow("code without a name") << standard << 40 << 176 << 4 << QPoint(41, 0) << 95
                                             << "Seite 4 · Feld 2 (Zeile 1, Spalte 2) · Feldtyp 95";
        QTest::newRow("beyond the page's fields") << standard << 40 << 100 << 2 << QPoint(300, 300) << 1
                                                  << "Seite 2";
    }

    void fieldUnderPosition()
    {
        QFETCH(QSize, seitenGroesse);
        QFETCH(int, feldGroesse);
        QFETCH(int, anzahlFelder);
        QFETCH(int, seite);
        QFETCH(QPoint, pos);
        QFETCH(int, code);
        QFETCH(QString, text);
        TKarte karte;
        karte.SeitenBreite = seitenGroesse.width();
        karte.SeitenHoehe = seitenGroesse.height();
        karte.FeldGroesse = std::uint16_t(feldGroesse);
        karte.AnzahlFelder = anzahlFelder;
        karte.AnzahlSeiten = 16;
        for (auto &feld : karte.Felder[seite])
            feld = std::uint8_t(code);
        QCOMPARE(FeldOrtText(karte, seite, pos), text);
    }

    // A name for every tile the user can choose, none shared by two of them.
    void everyTileNamedOnce()
    {
        QSet<QString> namen;
        for (const FeldTyp &typ : FeldKatalog()) {
            const QString name = FeldName(typ.code);
            QVERIFY2(!name.isEmpty() && !name.contains('&'), typ.button);
            namen.insert(name);
        }
        QCOMPARE(namen.size(), int(FeldKatalog().size()));
        QCOMPARE(FeldName(51), QStringLiteral("einfaches Sandfeld"));
        QCOMPARE(FeldName(59), QStringLiteral("Sand mit Steinen"));
        QCOMPARE(FeldName(100), QStringLiteral("Straßen-Feld"));
        QCOMPARE(FeldName(19), QStringLiteral("See-Feld"));
        QCOMPARE(FeldName(4), QStringLiteral("Wiese mit Blumen"));
    }

    void rightSideAndSelection()
    {
        TStatusLeiste leiste;
        leiste.feldtypZeigen(22);
        leiste.werkzeugZeigen(QStringLiteral("Pinsel"));
        QCOMPARE(leiste.aktuellText(), QStringLiteral("einfaches Wasser-Feld (22) · Pinsel"));
        QVERIFY(leiste.auswahlText().isEmpty());
        leiste.setAuswahlGroesse(5, 3);
        QCOMPARE(leiste.auswahlText(), QStringLiteral("Auswahl 5 × 3 Felder"));
        leiste.setAuswahlGroesse(0, 0);
        QVERIFY(leiste.auswahlText().isEmpty());
        QCOMPARE(leiste.kantenText(), QStringLiteral("Kanten: an"));
        leiste.kantenFehlerZeigen(3);
        leiste.kantenAutomatischZeigen(false);
        QCOMPARE(leiste.kantenText(), QStringLiteral("Kanten: aus · 3 Kantenfehler"));
        leiste.kantenFehlerZeigen(-1);
        QCOMPARE(leiste.kantenText(), QStringLiteral("Kanten: aus"));
    }
};

QTEST_MAIN(StatusLeisteTest)
#include "statusleiste_test.moc"
