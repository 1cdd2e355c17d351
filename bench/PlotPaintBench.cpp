// Cost of the response plot on screen: one repaint of a full channel plot, and a band edit as the
// band editor runs it (band, marker, highlight, total, page update) followed by the repaint it asks for.

#include "responseplot/PlotScene.h"

#include <benchmark/benchmark.h>

#include <QtGlobal>

namespace {

scene::ChannelPlot& Scene()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static auto* s = new scene::ChannelPlot;
    return *s;
}

void Repaint(benchmark::State& state)
{
    scene::ChannelPlot& s = Scene();
    for (auto _ : state) {
        s.Repaint();
        benchmark::DoNotOptimize(s.shown.constBits());
    }
}
BENCHMARK(Repaint)->Unit(benchmark::kMillisecond);

void BandEditWithRepaint(benchmark::State& state)
{
    scene::ChannelPlot& s = Scene();
    double freq = 1000.0;
    for (auto _ : state) {
        freq = freq == 1000.0 ? 1001.0 : 1000.0;
        s.EditBand(3, freq);
        s.Repaint();
        benchmark::DoNotOptimize(s.shown.constBits());
    }
}
BENCHMARK(BandEditWithRepaint)->Unit(benchmark::kMillisecond);

} // namespace
