// Speed of the page view: a full repaint of a 16-page map, the visible part
// at several zooms, a zoom change, one painting move, and creating the main
// window up to its first painted page.
#include "kartendokument.h"
#include "stillesfenster.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>

#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<TZendaroMain> HauptFenster()
{
    auto w = StillesFenster();
    w->show();
    QCoreApplication::processEvents();
    return w;
}

// A window of 1280 x 1024 on a 16-page map of mixed tiles.
std::unique_ptr<TZendaroMain> SechzehnSeiten()
{
    auto w = HauptFenster();
    w->resize(1280, 1024);
    w->Dokument->eigenschaftenAendern({{}, 0, 16});
    std::vector<FeldCode> felder;
    for (int s = 1; s <= 16; ++s)
        for (int f = 1; f <= 176; ++f)
            felder.push_back({std::uint8_t(s), f, std::uint8_t((s * 31 + f * 7) % 105)});
    w->Dokument->felderSetzen(KartenDokument::malenText(), felder);
    QCoreApplication::processEvents();
    return w;
}

void BM_SechzehnSeitenNeuZeichnen(benchmark::State &state)
{
    auto w = SechzehnSeiten();
    QWidget *seiten = w->ScrollBox1->widget();
    QImage ziel(seiten->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&ziel);
        seiten->render(&p);
        benchmark::DoNotOptimize(ziel.bits());
    }
}
BENCHMARK(BM_SechzehnSeitenNeuZeichnen)->Unit(benchmark::kMillisecond);

// What the window shows, drawn again at a zoom (argument, percent), with the
// grid on: at 25 % the whole map, at 400 % a few dozen fields.
void BM_SichtbarenTeilNeuZeichnen(benchmark::State &state)
{
    auto w = SechzehnSeiten();
    w->Menue.Raster1->trigger();
    w->ZoomSetzen(int(state.range(0)), {});
    QWidget *sicht = w->ScrollBox1->viewport();
    // One paint at this zoom scales the tiles; the loop measures repaints.
    QImage ziel(sicht->size(), QImage::Format_RGB32);
    {
        QPainter p(&ziel);
        sicht->render(&p);
    }
    for (auto _ : state) {
        QPainter p(&ziel);
        sicht->render(&p);
        benchmark::DoNotOptimize(ziel.bits());
    }
}
BENCHMARK(BM_SichtbarenTeilNeuZeichnen)->Arg(25)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

// A zoom step and the first paint at the new zoom, tiles scaled anew each
// time, alternating between two steps about the middle of the window.
void BM_ZoomWechsel(benchmark::State &state)
{
    auto w = SechzehnSeiten();
    QWidget *sicht = w->ScrollBox1->viewport();
    QImage ziel(sicht->size(), QImage::Format_RGB32);
    bool groesser = true;
    for (auto _ : state) {
        w->ZoomSetzen(groesser ? 150 : 100, sicht->rect().center());
        groesser = !groesser;
        QPainter p(&ziel);
        sicht->render(&p);
        benchmark::DoNotOptimize(ziel.bits());
    }
}
BENCHMARK(BM_ZoomWechsel)->Unit(benchmark::kMillisecond);

void BM_MalBewegung(benchmark::State &state)
{
    auto w = HauptFenster();
    TSeitenFlaeche *seite = w->PaintBoxen[0];
    QMouseEvent druck(QEvent::MouseButtonPress, QPointF(5, 5), seite->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, {});
    w->AktuellerFeldtyp = 51;
    QApplication::sendEvent(seite, &druck);
    int i = 0;
    for (auto _ : state) {
        const QPointF pos(5 + (i % 16) * 40, 5 + ((i / 16) % 11) * 40);
        QMouseEvent zug(QEvent::MouseMove, pos, seite->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(seite, &zug);
        ++i;
        // Paint events run between moves in the real program. Each pass over
        // the page paints another tile, so every move changes its field and
        // adds it to the stroke's step.
        if (i % 176 == 0) {
            state.PauseTiming();
            QCoreApplication::processEvents();
            w->AktuellerFeldtyp = w->AktuellerFeldtyp == 51 ? 7 : 51;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_MalBewegung)->Unit(benchmark::kMicrosecond);

void BM_HauptfensterBisZurErstenSeite(benchmark::State &state)
{
    for (auto _ : state) {
        auto w = StillesFenster();
        w->show();
        QImage erste(640, 440, QImage::Format_RGB32);
        w->PaintBoxen[0]->render(&erste);
        benchmark::DoNotOptimize(erste.bits());
    }
}
BENCHMARK(BM_HauptfensterBisZurErstenSeite)->Unit(benchmark::kMillisecond);

} // namespace
