// Speed of the painting tools: one move of the edge brush, and a fill of a
// whole 16-page map in the main window with the repaint of what it changed.
#include "feldformen.h"
#include "helpsystem.h"
#include "kantenpinsel.h"
#include "seitenanordnen.h"
#include "soundplayer.h"
#include "tzendaromain.h"
#include "werkzeugsteuerung.h"

#include <QApplication>
#include <QScrollArea>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

class StummerPlayer : public SoundPlayer
{
public:
    void play(const QByteArray &) override {}
};

class KeineHilfe : public HelpSystem
{
public:
    void request(quint32, const QVariant &) override {}
};

KeineHilfe hilfe;

// Water and meadow in turns along rows of a 16-page map, so that every move
// draws a fresh shore round the field it reaches.
void BM_KantenpinselBewegung(benchmark::State &state)
{
    auto karte = std::make_unique<TKarte>();
    StandardGroesseSetzen(*karte, 16);
    const FeldRaster raster(*karte);
    const int breite = raster.groesse().width();
    const int felder = breite * raster.groesse().height();
    QPoint letzte(0, 0);
    int i = 0;
    for (auto _ : state) {
        ++i;
        const QPoint zelle(i % breite, (i / breite) % raster.groesse().height());
        FeldEntwurf entwurf(*karte);
        const std::vector<QPoint> linie = FeldLinie(zelle.x() == 0 ? zelle : letzte, zelle);
        FelderMalen(entwurf, raster, linie, (i / felder) % 2 ? 1 : 22, true);
        AenderungenAnwenden(*karte, entwurf.aenderungen());
        letzte = zelle;
    }
}
BENCHMARK(BM_KantenpinselBewegung)->Unit(benchmark::kMicrosecond);

// 2 816 fields in one step, with the edge brush, then the repaint of the
// changed squares that the window shows.
void BM_FuellenSechzehnSeiten(benchmark::State &state)
{
    TZendaroMain w(std::make_unique<StummerPlayer>(), hilfe);
    StandardGroesseSetzen(w.Karte, 16);
    SeitenAnordnen(w.Karte, w.PaintBoxen, *w.ScrollBox1->widget());
    w.show();
    QCoreApplication::processEvents();
    w.Werkzeuge->setWerkzeug(Werkzeug::Fuellen);
    std::uint8_t code = 22;
    for (auto _ : state) {
        w.Werkzeuge->druecken(QPoint(5, 5), code);
        w.Werkzeuge->loslassen(QPoint(5, 5));
        QCoreApplication::processEvents();
        code = code == 22 ? 1 : 22;
    }
    state.counters["Felder"] = double(w.Karte.AnzahlFelder) * w.Karte.AnzahlSeiten;
}
BENCHMARK(BM_FuellenSechzehnSeiten)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
