// Speed of the random map generator: a 16-page map at the default shares,
// and one with much water, whose lakes take the most tidying.
#include "zufallskarte.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_Zufallskarte16Seiten(benchmark::State &state)
{
    auto karte = std::make_unique<TKarte>();
    ZufallskartenEinstellungen e;
    e.seiten = 16;
    e.wasser = int(state.range(0));
    e.strassen = ZufallskartenEinstellungen::MaxStrassen;
    for (auto _ : state) {
        ZufallskarteErzeugen(*karte, e);
        benchmark::DoNotOptimize(karte->Felder[1][1]);
        ++e.saat;
    }
}
BENCHMARK(BM_Zufallskarte16Seiten)->Arg(20)->Arg(60)->Unit(benchmark::kMillisecond);

} // namespace
