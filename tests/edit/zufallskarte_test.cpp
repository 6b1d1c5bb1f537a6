#include "feldecken.h"
#include "feldraster.h"
#include "kantenfehler.h"
#include "kartendatei.h"
#include "zufallskarte.h"

#include <QCryptographicHash>
#include <QTest>

#include <array>
#include <memory>
#include <vector>

namespace {

constexpr std::array<QPoint, 4> kNachbarn = {{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};

std::unique_ptr<TKarte> erzeugen(const ZufallskartenEinstellungen &e)
{
    auto karte = std::make_unique<TKarte>();
    ZufallskarteErzeugen(*karte, e);
    return karte;
}

// The map read back as a lattice of corner terrains, as its tiles show them.
struct Ablesung
{
    int breite = 0;
    std::vector<int> gelaende;   // per point; -1 where no field has a corner
    std::vector<int> felderAn;   // fields sharing the point
};

Ablesung ablesen(const TKarte &karte, const FeldRaster &raster)
{
    Ablesung a;
    a.breite = raster.groesse().width() + 1;
    const int punkte = a.breite * (raster.groesse().height() + 1);
    a.gelaende.assign(std::size_t(punkte), -1);
    a.felderAn.assign(std::size_t(punkte), 0);
    for (int y = 0; y < raster.groesse().height(); ++y)
        for (int x = 0; x < raster.groesse().width(); ++x) {
            const auto ort = raster.ort({x, y});
            if (!ort)
                continue;
            const Ecken ecken = FeldEcken(karte.Felder[ort->seite][std::size_t(ort->feld)]);
            for (int i = 0; i < 4; ++i) {
                const std::size_t p = std::size_t((y + i / 2) * a.breite + x + i % 2);
                a.gelaende[p] = int(ecken.ecke[std::size_t(i)]);
                ++a.felderAn[p];
            }
        }
    return a;
}

// The smallest joined area of a terrain, in quarter fields.
int kleinsteFlaeche(const Ablesung &a, Gelaende g)
{
    const int hoehe = int(a.gelaende.size()) / a.breite;
    std::vector<bool> gesehen(a.gelaende.size());
    int kleinste = 1 << 30;
    for (std::size_t start = 0; start < a.gelaende.size(); ++start) {
        if (gesehen[start] || a.gelaende[start] != int(g))
            continue;
        std::vector<std::size_t> gebiet{start};
        gesehen[start] = true;
        int viertel = 0;
        for (std::size_t k = 0; k < gebiet.size(); ++k) {
            viertel += a.felderAn[gebiet[k]];
            const QPoint p(int(gebiet[k]) % a.breite, int(gebiet[k]) / a.breite);
            for (QPoint d : kNachbarn) {
                const QPoint n = p + d;
                const std::size_t i = std::size_t(n.y() * a.breite + n.x());
                if (n.x() >= 0 && n.y() >= 0 && n.x() < a.breite && n.y() < hoehe && !gesehen[i]
                    && a.gelaende[i] == int(g)) {
                    gesehen[i] = true;
                    gebiet.push_back(i);
                }
            }
        }
        kleinste = std::min(kleinste, viertel);
    }
    return kleinste;
}

int prozentMal10(int teil, int ganzes)
{
    return ganzes > 0 ? (1000 * teil + ganzes / 2) / ganzes : 0;
}

bool istBaum(std::uint8_t code)
{
    return code == 7 || code == 11 || code == 13 || code == 14;
}

} // namespace

class ZufallskarteTest : public QObject
{
    Q_OBJECT

private slots:
    void karteHaeltWasVerlangtIst_data()
    {
        QTest::addColumn<int>("seiten");
        QTest::addColumn<int>("wasser");
        QTest::addColumn<int>("sand");
        QTest::addColumn<int>("wald");
        QTest::addColumn<int>("strassen");
        QTest::addColumn<bool>("mischen");
        QTest::addColumn<int>("saat");
        // Shares are checked on 16 pages only: one page is too small to
        // hold a lake of a fixed size.
        QTest::newRow("Vorgabe, Saat 1") << 16 << 20 << 15 << 15 << 2 << true << 1;
        QTest::newRow("Vorgabe, Saat 2") << 16 << 20 << 15 << 15 << 2 << true << 2;
        QTest::newRow("Vorgabe, große Saat") << 16 << 20 << 15 << 15 << 2 << true << 2147483647;
        QTest::newRow("kein Wasser") << 16 << 0 << 15 << 15 << 6 << false << 7;
        QTest::newRow("viel Wasser") << 16 << 60 << 10 << 10 << 3 << true << 8;
        QTest::newRow("viel Sand und Wald") << 16 << 10 << 40 << 30 << 4 << true << 9;
        QTest::newRow("nur Wiese") << 16 << 0 << 0 << 0 << 0 << false << 10;
        QTest::newRow("eine Seite") << 1 << 20 << 15 << 15 << 6 << true << 11;
        QTest::newRow("drei Seiten im L") << 3 << 20 << 15 << 15 << 2 << true << 12;
        QTest::newRow("sieben Seiten") << 7 << 30 << 20 << 20 << 5 << true << 13;
    }

    void karteHaeltWasVerlangtIst()
    {
        QFETCH(int, seiten);
        QFETCH(int, wasser);
        QFETCH(int, sand);
        QFETCH(int, wald);
        QFETCH(int, strassen);
        QFETCH(bool, mischen);
        QFETCH(int, saat);
        const ZufallskartenEinstellungen e{seiten, wasser, sand, wald, strassen, mischen, std::uint32_t(saat)};
        const auto karte = erzeugen(e);
        QCOMPARE(int(karte->AnzahlSeiten), seiten);
        QCOMPARE(karte->AnzahlFelder, 176);

        QVERIFY(KantenFehler(*karte).empty());
        const FeldRaster raster(*karte);
        const Ablesung a = ablesen(*karte, raster);

        int felder = 0, baeume = 0, varianten = 0;
        std::array<int, 3> viertel{};
        for (std::size_t p = 0; p < a.gelaende.size(); ++p)
            if (a.gelaende[p] >= 0)
                viertel[std::size_t(a.gelaende[p])] += a.felderAn[p];
        std::vector<QPoint> strassenZellen;
        for (int y = 0; y < raster.groesse().height(); ++y)
            for (int x = 0; x < raster.groesse().width(); ++x)
                if (const auto ort = raster.ort({x, y})) {
                    const std::uint8_t code = karte->Felder[ort->seite][std::size_t(ort->feld)];
                    ++felder;
                    baeume += istBaum(code);
                    varianten += code == 4 || code == 16 || code == 53 || code == 56 || code == 57 || code == 59;
                    if (code == 100)
                        strassenZellen.push_back({x, y});
                }
        QCOMPARE(felder, 176 * seiten);
        QCOMPARE(varianten > 0, mischen);
        if (seiten == 16) {
            QVERIFY2(std::abs(prozentMal10(viertel[1], 4 * felder) - 10 * wasser) <= 30,
                     qPrintable(QString::number(prozentMal10(viertel[1], 4 * felder))));
            QVERIFY2(std::abs(prozentMal10(viertel[2], 4 * felder) - 10 * sand) <= 30,
                     qPrintable(QString::number(prozentMal10(viertel[2], 4 * felder))));
            QVERIFY2(std::abs(prozentMal10(baeume, felder) - 10 * wald) <= 30,
                     qPrintable(QString::number(prozentMal10(baeume, felder))));
        }
        QVERIFY(kleinsteFlaeche(a, Gelaende::Wasser) >= 16);
        QVERIFY(kleinsteFlaeche(a, Gelaende::Sand) >= 16);

        // Every road reaches the map's edge, on its own or through another:
        // spread "reaches the edge" from the edge fields along the roads.
        // Water may leave no land that reaches two edges; elsewhere roads
        // are built.
        if (strassen == 0 || wasser <= 30)
            QCOMPARE(!strassenZellen.empty(), strassen > 0);
        std::vector<int> erreicht(std::size_t(raster.groesse().width() * raster.groesse().height()), -1);
        for (QPoint z : strassenZellen)
            erreicht[std::size_t(raster.index(z))] = 0;
        std::vector<QPoint> schlange;
        for (QPoint z : strassenZellen)
            if (std::any_of(kNachbarn.begin(), kNachbarn.end(), [&](QPoint d) { return !raster.ort(z + d); })) {
                erreicht[std::size_t(raster.index(z))] = 1;
                schlange.push_back(z);
            }
        for (std::size_t k = 0; k < schlange.size(); ++k)
            for (QPoint d : kNachbarn) {
                const QPoint n = schlange[k] + d;
                if (raster.imRaster(n) && erreicht[std::size_t(raster.index(n))] == 0) {
                    erreicht[std::size_t(raster.index(n))] = 1;
                    schlange.push_back(n);
                }
            }
        QCOMPARE(schlange.size(), strassenZellen.size());

        // Same settings, same bytes; another seed, another map.
        QCOMPARE(KartenText(*erzeugen(e), {}), KartenText(*karte, {}));
        ZufallskartenEinstellungen andere = e;
        andere.saat ^= 1;
        QVERIFY(wasser + sand + wald + strassen == 0 || KartenText(*erzeugen(andere), {}) != KartenText(*karte, {}));
    }

    // Integer arithmetic throughout: this map is the same on every machine.
    void karteIstUeberallGleich()
    {
        const QByteArray text = KartenText(*erzeugen({}), {});
        QCOMPARE(QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex(), QByteArray("c2c7d14dbaf6b4b6e60da5957c26a931421edd27"));
    }
};

QTEST_GUILESS_MAIN(ZufallskarteTest)
#include "zufallskarte_test.moc"
