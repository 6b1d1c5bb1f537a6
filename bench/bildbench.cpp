// Costs of a whole-map picture: the 16-page map of 2560 x 1760 pixels with
// tile codes mixed, drawn in 8 and in 32 bits, encoded as PNG and BMP, and
// rendered to a file as `zendaro-map render` does.

#include "bilddatei.h"
#include "feldbilder.h"
#include "kartenbild.h"
#include "pngdaten.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<TKarte> SechzehnSeiten()
{
    auto karte = std::make_unique<TKarte>();
    StandardKarteAnlegen(*karte, {QStringLiteral(ZENDARO_TILES_DIR)});
    karte->AnzahlSeiten = 16;
    for (int seite = 1; seite <= 16; ++seite)
        for (int feld = 1; feld <= karte->AnzahlFelder; ++feld)
            karte->Felder[seite][feld] = static_cast<std::uint8_t>(seite * 7 + feld * 13);
    return karte;
}

void BM_Zeichnen8Bit(benchmark::State &state)
{
    const auto karte = SechzehnSeiten();
    for (auto _ : state)
        benchmark::DoNotOptimize(KartenBildIndiziert(*karte));
}

void BM_Zeichnen32Bit(benchmark::State &state)
{
    const auto karte = SechzehnSeiten();
    for (auto _ : state)
        benchmark::DoNotOptimize(KartenBild32(*karte));
}

void BM_PngKodieren8Bit(benchmark::State &state)
{
    const QImage bild = KartenBildIndiziert(*SechzehnSeiten());
    for (auto _ : state)
        state.counters["Bytes"] = double(PngDaten(bild).size());
}

// Qt's PNG writer on the 32-bit picture, the way pictures were written before.
void BM_QtPngKodieren32Bit(benchmark::State &state)
{
    const QImage bild = KartenBild32(*SechzehnSeiten());
    for (auto _ : state) {
        QByteArray daten;
        QBuffer puffer(&daten);
        puffer.open(QIODevice::WriteOnly);
        bild.save(&puffer, "PNG");
        state.counters["Bytes"] = double(daten.size());
    }
}

void BM_BmpKodieren8Bit(benchmark::State &state)
{
    const QImage bild = KartenBildIndiziert(*SechzehnSeiten());
    for (auto _ : state)
        benchmark::DoNotOptimize(BildDaten(bild, BildFormat::Bmp));
}

void BM_RenderPng(benchmark::State &state)
{
    const auto karte = SechzehnSeiten();
    QTemporaryDir ordner;
    const QString datei = QDir(ordner.path()).filePath(QStringLiteral("karte.png"));
    for (auto _ : state)
        KartenBildSchreiben(*karte, datei);
}

} // namespace

BENCHMARK(BM_Zeichnen8Bit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Zeichnen32Bit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PngKodieren8Bit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtPngKodieren32Bit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BmpKodieren8Bit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderPng)->Unit(benchmark::kMillisecond);