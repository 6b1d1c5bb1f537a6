// Costs of the map document: reading and writing map files, drawing one field
// and building a whole page image.

#include "feldbilder.h"
#include "kartendatei.h"
#include "kartenbild.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<TKarte> BildKarte()
{
    auto karte = std::make_unique<TKarte>();
    karte->FeldGroesse = 40;
    FeldBilderErzeugen(*karte, {QStringLiteral(ZENDARO_TILES_DIR)});
    return karte;
}

std::unique_ptr<TKarte> StartKarte()
{
    auto karte = std::make_unique<TKarte>();
    StandardKarteAnlegen(*karte, {QStringLiteral(ZENDARO_TILES_DIR)});
    return karte;
}

// The largest map the grid holds: 33 pages of 560 fields, every code used.
std::unique_ptr<TKarte> GroessteKarte()
{
    auto karte = StartKarte();
    karte->AnzahlSeiten = MaxSeiten;
    karte->AnzahlFelder = MaxFelder;
    karte->SeitenBreite = 1120;
    karte->SeitenHoehe = 800;
    for (int seite = 1; seite <= MaxSeiten; ++seite)
        for (int feld = 1; feld <= MaxFelder; ++feld)
            karte->Felder[seite][feld] = static_cast<std::uint8_t>(seite * 7 + feld);
    return karte;
}

void Lesen(benchmark::State &state, std::unique_ptr<TKarte> (*machen)())
{
    QTemporaryDir ordner;
    const QString datei = QDir(ordner.path()).filePath(QStringLiteral("karte.map"));
    auto karte = machen();
    DateiSchreiben(*karte, datei, QStringLiteral("Benchmark"));
    for (auto _ : state)
        benchmark::DoNotOptimize(DateiLesen(*karte, datei));
}

void Schreiben(benchmark::State &state, std::unique_ptr<TKarte> (*machen)())
{
    QTemporaryDir ordner;
    const QString datei = QDir(ordner.path()).filePath(QStringLiteral("karte.map"));
    auto karte = machen();
    for (auto _ : state)
        DateiSchreiben(*karte, datei, QStringLiteral("Benchmark"));
}

void BM_FeldZeichnen(benchmark::State &state)
{
    auto karte = BildKarte();
    QImage flaeche(640, 440, QImage::Format_RGB32);
    QPainter painter(&flaeche);
    std::uint8_t code = 0;
    for (auto _ : state)
        FeldZeichnen(*karte, code++, painter, 120, 80, 40);
}

void BM_SeitenBild(benchmark::State &state)
{
    auto karte = StartKarte();
    for (auto _ : state)
        benchmark::DoNotOptimize(SeitenBild(*karte, 1));
}

} // namespace

BENCHMARK_CAPTURE(Lesen, StartKarte, StartKarte)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Schreiben, StartKarte, StartKarte)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Lesen, GroessteKarte, GroessteKarte)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Schreiben, GroessteKarte, GroessteKarte)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FeldZeichnen);
BENCHMARK(BM_SeitenBild)->Unit(benchmark::kMicrosecond);