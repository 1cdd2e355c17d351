// XY channel data entry: adding a million points one by one, and the main window's transfer-curve
// refill (DeletePoints of every point, then AddXY of the new curve) on both plots' channels.

#include "plot/iPlotAxis.h"
#include "plot/iXYPlot.h"

#include "platform/ui/TApplication.h"

#include <benchmark/benchmark.h>

namespace {

vcl::TApplication& App()
{
    static int argc = 1;
    static char name[] = "bench_plot_channel";
    static char* argv[] = { name, nullptr };
    static auto* app = new vcl::TApplication(argc, argv);
    return *app;
}

// Arg 0: every add asks for a repaint under the frame-rate limit; arg 1: inside an update block,
// where the adds only mark the plot for repainting at EndUpdate; arg 2: axes that do not track the
// data (as on the main window), every add asking for a repaint; arg 3: as arg 2 into a ring buffer
// of 4096 points, so the records stay in the cache and the adds alone are measured; arg 4: as arg 0,
// then one read of each axis's range, which takes in every value the axes were still owed: the
// whole cost of the adds and their tracking.
void BM_AddXYMillionPoints(benchmark::State& state)
{
    App();
    TiXYPlot plot(nullptr);
    TiXYPlotChannel* channel = plot.Channel(0);
    const bool block = state.range(0) == 1;
    if (state.range(0) == 3)
        channel->SetRingBufferSize(4096);
    if (state.range(0) >= 2) {
        plot.XAxis(0)->SetTrackingEnabled(false);
        plot.YAxis(0)->SetTrackingEnabled(false);
    }
    constexpr int points = 1000000;
    for (auto _ : state) {
        state.PauseTiming();
        channel->Clear();
        state.ResumeTiming();
        if (block)
            plot.BeginUpdate();
        for (int i = 0; i < points; ++i)
            channel->AddXY(i, i & 1023);
        if (block)
            plot.EndUpdate();
        if (state.range(0) == 4)
            benchmark::DoNotOptimize(plot.XAxis(0)->Max() + plot.YAxis(0)->Max());
        benchmark::DoNotOptimize(channel->Count());
    }
    state.SetItemsProcessed(state.iterations() * points);
}
BENCHMARK(BM_AddXYMillionPoints)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

// The compressor plot refills 4 curve points and 1 reference dot, the gate plot 3 and 1.
void BM_TransferCurveRefill(benchmark::State& state)
{
    App();
    TiXYPlot comp(nullptr), gate(nullptr);
    TiXYPlotChannel* curves[2][2] = { { comp.Channel(0), comp.Channel(comp.AddChannel()) },
                                      { gate.Channel(0), gate.Channel(gate.AddChannel()) } };
    const int sizes[2][2] = { { 4, 1 }, { 3, 1 } };
    for (int p = 0; p < 2; ++p)
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < sizes[p][c]; ++i)
                curves[p][c]->AddXY(i, i);
    double t = 0;
    for (auto _ : state) {
        t += 0.5;
        for (int p = 0; p < 2; ++p)
            for (int c = 0; c < 2; ++c) {
                curves[p][c]->DeletePoints(sizes[p][c]);
                for (int i = 0; i < sizes[p][c]; ++i)
                    curves[p][c]->AddXY(-100 + i * 40 + t, -90 + i * 30 - t);
            }
    }
}
BENCHMARK(BM_TransferCurveRefill)->Unit(benchmark::kMicrosecond);

} // namespace
