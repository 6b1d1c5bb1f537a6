// Speed of the page view: a full repaint of a 16-page map, one painting move,
// and creating the main window up to its first painted page.
#include "helpsystem.h"
#include "kartendokument.h"
#include "soundplayer.h"
#include "tzendaromain.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>

#include <benchmark/benchmark.h>

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

std::unique_ptr<TZendaroMain> HauptFenster()
{
    auto w = std::make_unique<TZendaroMain>(std::make_unique<StummerPlayer>(), hilfe);
    w->show();
    QCoreApplication::processEvents();
    return w;
}

void BM_SechzehnSeitenNeuZeichnen(benchmark::State &state)
{
    auto w = HauptFenster();
    w->Dokument->eigenschaftenAendern({{}, 0, 16});
    std::vector<FeldCode> felder;
    for (int s = 1; s <= 16; ++s)
        for (int f = 1; f <= 176; ++f)
            felder.push_back({std::uint8_t(s), f, std::uint8_t((s * 31 + f * 7) % 105)});
    w->Dokument->felderSetzen(KartenDokument::malenText(), felder);
    QWidget *seiten = w->ScrollBox1->widget();
    QImage ziel(seiten->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&ziel);
        seiten->render(&p);
        benchmark::DoNotOptimize(ziel.bits());
    }
}
BENCHMARK(BM_SechzehnSeitenNeuZeichnen)->Unit(benchmark::kMillisecond);

void BM_MalBewegung(benchmark::State &state)
{
    auto w = HauptFenster();
    TSeitenFlaeche *seite = w->PaintBoxen[0];
    QMouseEvent druck(QEvent::MouseButtonPress, QPointF(5, 5), seite->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(seite, &druck);
    int i = 0;
    for (auto _ : state) {
        const QPointF pos(5 + (i % 16) * 40, 5 + ((i / 16) % 11) * 40);
        QMouseEvent zug(QEvent::MouseMove, pos, seite->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(seite, &zug);
        ++i;
        // Paint events run between moves in the real program.
        if (i % 176 == 0) {
            state.PauseTiming();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_MalBewegung)->Unit(benchmark::kMicrosecond);

void BM_HauptfensterBisZurErstenSeite(benchmark::State &state)
{
    for (auto _ : state) {
        TZendaroMain w(std::make_unique<StummerPlayer>(), hilfe);
        w.show();
        QImage erste(640, 440, QImage::Format_RGB32);
        w.PaintBoxen[0]->render(&erste);
        benchmark::DoNotOptimize(erste.bits());
    }
}
BENCHMARK(BM_HauptfensterBisZurErstenSeite)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
