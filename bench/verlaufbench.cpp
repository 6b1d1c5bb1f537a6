// Costs of the edit history: undo and redo of a stroke over every field of a
// 16-page map (no window, so no repaint), and the memory 10 000 such strokes
// hold.
#include "kartendokument.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>

namespace {

constexpr int Seiten = 16;
constexpr int Felder = 176;

// The start-up map grown to 16 pages, with no history.
std::unique_ptr<KartenDokument> GrosseKarte()
{
    auto dok = std::make_unique<KartenDokument>();
    dok->startKarteAnlegen({QStringLiteral(ZENDARO_TILES_DIR)});
    dok->eigenschaftenAendern({{}, 0, Seiten});
    dok->verlauf().clear();
    return dok;
}

// One stroke that passes every field once, as moves of the mouse do.
void GanzeKarteMalen(KartenDokument &dok, std::uint8_t code)
{
    dok.strichBeginnen();
    for (int seite = 1; seite <= Seiten; ++seite)
        for (int feld = 1; feld <= Felder; ++feld)
            dok.feldMalen({std::uint8_t(seite), feld}, code);
    dok.strichBeenden();
}

void BM_StrichZuruecknehmen(benchmark::State &state)
{
    auto dok = GrosseKarte();
    GanzeKarteMalen(*dok, 51);
    for (auto _ : state) {
        dok->verlauf().undo();
        state.PauseTiming();
        dok->verlauf().redo();
        state.ResumeTiming();
    }
}

void BM_StrichWiederholen(benchmark::State &state)
{
    auto dok = GrosseKarte();
    GanzeKarteMalen(*dok, 51);
    for (auto _ : state) {
        state.PauseTiming();
        dok->verlauf().undo();
        state.ResumeTiming();
        dok->verlauf().redo();
    }
}

// The heap the history takes: 10 000 strokes over the whole map, the first
// over the start-up map's mixed tiles, each later one over the tile the one
// before left.
void BM_SpeicherVonZehntausendStrichen(benchmark::State &state)
{
    for (auto _ : state) {
        auto dok = GrosseKarte();
        const std::size_t vorher = mallinfo2().uordblks;
        for (int i = 0; i < 10000; ++i)
            GanzeKarteMalen(*dok, std::uint8_t(i % 2 == 0 ? 51 : 1));
        const std::size_t nachher = mallinfo2().uordblks;
        state.counters["MB"] = double(nachher - vorher) / (1024.0 * 1024.0);
        state.counters["Schritte"] = dok->verlauf().count();
    }
}

} // namespace

BENCHMARK(BM_StrichZuruecknehmen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StrichWiederholen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpeicherVonZehntausendStrichen)->Unit(benchmark::kMillisecond)->Iterations(1);