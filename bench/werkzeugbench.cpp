// Speed of the painting tools: one move of the edge brush, a fill of a whole
// 16-page map in the main window with the repaint of what it changed, and the
// terrain solver alone: a terrain fill and a repair of a whole 16-page map.
#include "feldformen.h"
#include "fuellwerkzeug.h"
#include "kantenpinsel.h"
#include "kartendokument.h"
#include "stillesfenster.h"
#include "werkzeugsteuerung.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

// Strokes of water and of meadow in turns along the rows of a 16-page map,
// so that every move draws a fresh shore round the field it reaches; each
// move is stored in the document as part of its stroke's undo step.
void BM_KantenpinselBewegung(benchmark::State &state)
{
    KartenDokument dokument;
    dokument.neu({QString(), 0, 16});
    Werkzeugsteuerung werkzeuge(dokument);
    const FeldRaster raster(dokument.karte());
    const QSize groesse = raster.groesse();
    int i = 0;
    for (auto _ : state) {
        const QPoint zelle(i % groesse.width(), (i / groesse.width()) % groesse.height());
        const std::uint8_t code = (i / (groesse.width() * groesse.height())) % 2 ? 1 : 22;
        const QPoint punkt = raster.pixel(zelle).center();
        // A stroke per row.
        if (zelle.x() == 0) {
            werkzeuge.loslassen(punkt);
            werkzeuge.druecken(punkt, code);
        } else {
            werkzeuge.bewegen(punkt, code);
        }
        ++i;
    }
}
BENCHMARK(BM_KantenpinselBewegung)->Unit(benchmark::kMicrosecond);

// 2 816 fields in one step, with the edge brush, then the repaint of the
// changed squares that the window shows; with the argument 1 "Zufall" is on,
// and the meadow comes back in its variants.
void BM_FuellenSechzehnSeiten(benchmark::State &state)
{
    auto w = StillesFenster();
    w->Dokument->neu({QString(), 0, 16});
    w->show();
    QCoreApplication::processEvents();
    w->Werkzeuge->waehlen<FuellWerkzeug>();
    w->Werkzeuge->setZufall(state.range(0) != 0);
    std::uint8_t code = 22;
    for (auto _ : state) {
        w->Werkzeuge->druecken(QPoint(5, 5), code);
        w->Werkzeuge->loslassen(QPoint(5, 5));
        QCoreApplication::processEvents();
        code = code == 22 ? 1 : 22;
    }
    state.counters["Felder"] = double(w->Dokument->karte().AnzahlFelder) * w->Dokument->karte().AnzahlSeiten;
}
BENCHMARK(BM_FuellenSechzehnSeiten)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Water over the whole meadow of a 16-page map and meadow back, each as the
// fill tool works it out: the region by terrain, the border inside it.
void BM_GelaendeFuellenSechzehnSeiten(benchmark::State &state)
{
    auto karte = std::make_unique<TKarte>();
    StandardGroesseSetzen(*karte, 16);
    const FeldRaster raster(*karte);
    std::uint8_t code = 22;
    for (auto _ : state) {
        FeldEntwurf entwurf(*karte);
        FlaecheMalen(entwurf, raster, FuellFlaeche(entwurf, raster, QPoint(5, 5), code, true), code, true);
        for (const FeldCode &feld : entwurf.aenderungen())
            karte->Felder[feld.seite][feld.feld] = feld.code;
        code = code == 22 ? 1 : 22;
    }
}
BENCHMARK(BM_GelaendeFuellenSechzehnSeiten)->Unit(benchmark::kMillisecond);

// "Kanten reparieren" of a 16-page map of random codes: every corner
// disputed, nearly every field changed.
void BM_KantenReparierenZufall(benchmark::State &state)
{
    auto karte = std::make_unique<TKarte>();
    StandardGroesseSetzen(*karte, 16);
    std::mt19937 zufall(16);
    for (int seite = 1; seite <= 16; ++seite)
        for (int feld = 1; feld <= karte->AnzahlFelder; ++feld)
            karte->Felder[seite][feld] = std::uint8_t(zufall() % 105);
    const FeldRaster raster(*karte);
    std::size_t geaendert = 0;
    for (auto _ : state) {
        FeldEntwurf entwurf(*karte);
        KantenReparieren(entwurf, raster);
        geaendert = entwurf.aenderungen().size();
    }
    state.counters["Felder"] = double(geaendert);
}
BENCHMARK(BM_KantenReparierenZufall)->Unit(benchmark::kMillisecond);

} // namespace
