#include "werkzeugsteuerung.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// A map and the tools over it; every reported step is applied at once, as
// the document does, and kept.
struct Werkbank
{
    std::unique_ptr<TKarte> karte = std::make_unique<TKarte>();
    std::unique_ptr<Werkzeugsteuerung> werkzeuge;
    std::vector<std::pair<QString, bool>> schritte;

    explicit Werkbank(int seiten)
    {
        StandardGroesseSetzen(*karte, std::uint8_t(seiten));
        werkzeuge = std::make_unique<Werkzeugsteuerung>(*karte);
        QObject::connect(werkzeuge.get(), &Werkzeugsteuerung::aenderungen,
                         [this](const FeldAenderungen &a, const QString &befehl, bool fortsetzung) {
                             AenderungenAnwenden(*karte, a);
                             schritte.emplace_back(befehl, fortsetzung);
                         });
    }

    // Centre of a field in map pixels.
    QPoint punkt(int seite, int feld) const
    {
        const FeldRaster raster(*karte);
        return raster.pixel(raster.zelle({seite, feld})).center();
    }

    int anzahl(int seite, std::uint8_t code) const
    {
        return int(std::count(karte->Felder[seite].begin() + 1, karte->Felder[seite].begin() + 177, code));
    }
};

} // namespace

class WerkzeugsteuerungTest : public QObject
{
    Q_OBJECT

private slots:
    // Two reported positions five fields apart paint all six fields, and a
    // stroke runs on into the page beside: one step for the whole stroke.
    void strokesPaintTheWholeLine()
    {
        Werkbank w(4);
        w.werkzeuge->setKantenAutomatisch(false);
        w.werkzeuge->druecken(w.punkt(1, 20), 51);
        w.werkzeuge->bewegen(w.punkt(1, 25), 51);
        for (int feld = 20; feld <= 25; ++feld)
            QCOMPARE(int(w.karte->Felder[1][feld]), 51);
        QCOMPARE(w.anzahl(1, 51), 6);
        // On across the seam into page 2, past its first fields.
        w.werkzeuge->bewegen(w.punkt(2, 20), 51);
        w.werkzeuge->loslassen(w.punkt(2, 20));
        QCOMPARE(w.anzahl(1, 51), 13);
        QCOMPARE(w.anzahl(2, 51), 4);
        QCOMPARE(w.schritte.size(), std::size_t(3));
        QVERIFY(!w.schritte[0].second && w.schritte[1].second && w.schritte[2].second);
        // Beyond every page nothing is painted, and moves after the release
        // paint nothing.
        w.werkzeuge->druecken(QPoint(-30, -30), 51);
        w.werkzeuge->loslassen(QPoint(-30, -30));
        w.werkzeuge->bewegen(w.punkt(3, 1), 51);
        QCOMPARE(w.schritte.size(), std::size_t(3));
    }

    // Fill and rectangle are one step each; the rectangle outlines while it
    // is dragged and fills only what lies on the map.
    void fillAndRectangle()
    {
        Werkbank w(4);
        w.werkzeuge->setWerkzeug(Werkzeug::Fuellen);
        w.werkzeuge->druecken(w.punkt(4, 1), 22);
        w.werkzeuge->loslassen(w.punkt(4, 1));
        QCOMPARE(w.anzahl(1, 22) + w.anzahl(2, 22) + w.anzahl(3, 22) + w.anzahl(4, 22), 704);
        QCOMPARE(w.schritte, (std::vector<std::pair<QString, bool>>{{"Füllen", false}}));

        w.werkzeuge->setWerkzeug(Werkzeug::Rechteck);
        QSignalSpy neuZeichnen(w.werkzeuge.get(), &Werkzeugsteuerung::ueberlagerungGeaendert);
        w.werkzeuge->druecken(w.punkt(4, 176) + QPoint(-80, -80), 1);
        w.werkzeuge->bewegen(QPoint(5000, 5000), 1);
        QCOMPARE(w.werkzeuge->rahmenPixel(), QRect(1160, 760, 120, 120));
        QVERIFY(!neuZeichnen.isEmpty());
        QCOMPARE(w.anzahl(4, 1), 0);
        w.werkzeuge->loslassen(QPoint(5000, 5000));
        QVERIFY(!w.werkzeuge->rahmenPixel().isValid());
        // 3 x 3 meadow, and the edge brush draws the shore round it.
        QCOMPARE(w.anzahl(4, 1), 9);
        QCOMPARE(int(w.karte->Felder[4][176 - 3 * 16 - 3]), 39);
        QCOMPARE(w.schritte.back(), (std::pair<QString, bool>{"Rechteck", false}));
    }

    // A selection reports its size, is cut to the map, and travels through
    // the clipboard into another map, landing where the pointer clicks.
    void cutAndPasteBetweenTwoMaps()
    {
        Werkbank quelle(4);
        quelle.karte->Felder[2][1] = 22;
        quelle.karte->Felder[2][2] = 100;
        quelle.werkzeuge->setWerkzeug(Werkzeug::Auswahl);
        QSignalSpy groesse(quelle.werkzeuge.get(), &Werkzeugsteuerung::auswahlGroesse);
        quelle.werkzeuge->druecken(quelle.punkt(2, 1), 1);
        quelle.werkzeuge->bewegen(quelle.punkt(2, 18), 1);
        QCOMPARE(groesse.last().at(0).toSize(), QSize(2, 2));
        quelle.werkzeuge->loslassen(quelle.punkt(2, 18));
        QCOMPARE(quelle.werkzeuge->auswahl(), QRect(16, 0, 2, 2));
        quelle.werkzeuge->ausschneiden();
        QCOMPARE(int(quelle.karte->Felder[2][1]), 1);
        QCOMPARE(int(quelle.karte->Felder[2][2]), 1);
        QCOMPARE(quelle.schritte.back().first, QStringLiteral("Ausschneiden"));

        Werkbank ziel(1);
        QVERIFY(ziel.werkzeuge->einfuegen());
        ziel.werkzeuge->bewegen(ziel.punkt(1, 175), 1);
        QCOMPARE(ziel.werkzeuge->vorschau().size(), std::size_t(2));   // the rest lies off the map
        ziel.werkzeuge->druecken(ziel.punkt(1, 175), 1);
        QCOMPARE(int(ziel.karte->Felder[1][175]), 22);
        QCOMPARE(int(ziel.karte->Felder[1][176]), 100);
        QVERIFY(!ziel.werkzeuge->fuegtEin());

        // Esc ends the selection; delete without one does nothing.
        QVERIFY(quelle.werkzeuge->abbrechen());
        QCOMPARE(groesse.last().at(0).toSize(), QSize());
        const std::size_t schritte = quelle.schritte.size();
        quelle.werkzeuge->loeschen();
        QCOMPARE(quelle.schritte.size(), schritte);
        QVERIFY(!quelle.werkzeuge->abbrechen());
    }

    // The hover preview shows what a click would change and goes when the
    // pointer leaves; the pipette picks the code under the pointer.
    void previewAndPipette()
    {
        Werkbank w(1);
        w.werkzeuge->bewegen(w.punkt(1, 40), 22);
        QCOMPARE(w.werkzeuge->vorschau().size(), std::size_t(9));
        QCOMPARE(int(w.werkzeuge->vorschau().front().code), 22);
        w.werkzeuge->setKantenAutomatisch(false);
        w.werkzeuge->bewegen(w.punkt(1, 41), 22);
        QCOMPARE(w.werkzeuge->vorschau().size(), std::size_t(1));
        w.werkzeuge->verlassen();
        QVERIFY(w.werkzeuge->vorschau().empty());

        w.karte->Felder[1][7] = 87;
        QSignalSpy gewaehlt(w.werkzeuge.get(), &Werkzeugsteuerung::feldtypGewaehlt);
        w.werkzeuge->pipette(w.punkt(1, 7));
        QCOMPARE(gewaehlt.size(), 1);
        QCOMPARE(gewaehlt.at(0).at(0).value<std::uint8_t>(), std::uint8_t(87));
        QVERIFY(w.schritte.empty());
    }
};

QTEST_MAIN(WerkzeugsteuerungTest)
#include "werkzeugsteuerung_test.moc"
