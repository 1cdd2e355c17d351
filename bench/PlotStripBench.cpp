// The strip chart under load: a million points added with the X-order check, one paint of a view
// holding all of them with the fast trace (at several widths and point counts, to show that the
// cost follows the width), and a scrolling chart: a 100,000-point ring buffer taking 1,000 points a
// frame while its X axis follows the newest point, with one paint per frame.

#include "plot/iPlot.h"
#include "plot/iPlotAxis.h"

#include "platform/ui/TApplication.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TCanvas.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace vcl;

namespace {

TApplication& App()
{
    static int argc = 1;
    static char name[] = "bench_plot_strip";
    static char* argv[] = { name, nullptr };
    static auto* app = new TApplication(argc, argv);
    return *app;
}

// A strip chart whose X axis spans Width pixels at the bottom of a Width x 400 canvas.
struct StripChart
{
    explicit StripChart(int Width) : width(Width)
    {
        channel = plot.Channel(0);
        x = plot.XAxis(0);
        y = plot.YAxis(0);
        x->SetHorizontal(true);
        y->SetHorizontal(false);
        x->SetDrawRect(TRect(0, 380, Width, 400));
        y->SetDrawRect(TRect(0, 0, 20, 380));
        y->SetMinSpan(-1.5, 3);
        x->SetTrackingEnabled(false);
        y->SetTrackingEnabled(false);
        canvasBitmap.SetSize(Width, 400);
    }

    void Show(double Min, double Span)
    {
        x->SetMinSpan(Min, Span);
        x->CalcScaleRect(canvasBitmap.Canvas());
        y->CalcScaleRect(canvasBitmap.Canvas());
    }

    void Paint()
    {
        TCanvas* canvas = canvasBitmap.Canvas();
        canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas->Brush()->SetColor(clBlack);
        canvas->FillRect(TRect(0, 0, width, 400));
        channel->PrepareDraw();
        if (channel->CanDraw())
            channel->Draw(canvas, clBlack);
    }

    static double Signal(int i) { return std::sin(i * 0.001) + 0.3 * std::sin(i * 0.37); }

    int width;
    bool appReady { (App(), true) };
    TiPlot plot { nullptr };
    TiPlotChannel* channel { nullptr };
    TiPlotXAxis* x { nullptr };
    TiPlotYAxis* y { nullptr };
    TBitmap canvasBitmap;
};

void BM_StripAddXYOrderChecked(benchmark::State& state)
{
    StripChart chart(1000);
    chart.channel->SetAllowOutOfOrderXValues(false);
    constexpr int points = 1000000;
    for (auto _ : state) {
        state.PauseTiming();
        chart.channel->Clear();
        chart.channel->SetCount(points);
        state.ResumeTiming();
        for (int i = 0; i < points; ++i)
            chart.channel->AddXY(i, i & 1023);
        benchmark::DoNotOptimize(chart.channel->Count());
    }
    state.SetItemsProcessed(state.iterations() * points);
}
BENCHMARK(BM_StripAddXYOrderChecked)->Unit(benchmark::kMillisecond);

// The same adds into memory the list already holds (a ring buffer of a million points, emptied
// before each round): the adds alone, without the system's cost of fresh pages. Arg 1 reads the
// running statistics after the adds, which catch up with the points then: the whole cost of a
// million points and their statistics.
void BM_StripAddXYOrderCheckedWarm(benchmark::State& state)
{
    StripChart chart(1000);
    chart.channel->SetAllowOutOfOrderXValues(false);
    constexpr int points = 1000000;
    const bool readStatistics = state.range(0) == 1;
    chart.channel->SetRingBufferSize(points);
    for (auto _ : state) {
        state.PauseTiming();
        chart.channel->Clear();
        state.ResumeTiming();
        for (int i = 0; i < points; ++i)
            chart.channel->AddXY(i, i & 1023);
        benchmark::DoNotOptimize(readStatistics ? chart.channel->RunningYMean() : chart.channel->Count());
    }
    state.SetItemsProcessed(state.iterations() * points);
}
BENCHMARK(BM_StripAddXYOrderCheckedWarm)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Args: view width in pixels, points in the view.
void BM_StripFastPaint(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int points = static_cast<int>(state.range(1));
    StripChart chart(width);
    chart.channel->SetCount(points);
    for (int i = 0; i < points; ++i)
        chart.channel->AddXY(i, StripChart::Signal(i));
    chart.Show(0, points - 1);
    for (auto _ : state)
        chart.Paint();
    state.SetItemsProcessed(state.iterations() * points);
}
BENCHMARK(BM_StripFastPaint)
    ->Args({ 1000, 1000000 })
    ->Args({ 500, 1000000 })
    ->Args({ 2000, 1000000 })
    ->Args({ 1000, 250000 })
    ->Args({ 1000, 4000000 })
    ->Unit(benchmark::kMillisecond);

// One frame: 1,000 new points into a full 100,000-point ring, the X axis moved to the newest
// 100,000, and one paint at 1000 x 400.
void BM_StripScrollingFrame(benchmark::State& state)
{
    constexpr int ring = 100000;
    constexpr int perFrame = 1000;
    StripChart chart(1000);
    chart.channel->SetRingBufferSize(ring);
    int next = 0;
    for (; next < ring; ++next)
        chart.channel->AddXY(next, StripChart::Signal(next));
    for (auto _ : state) {
        for (int k = 0; k < perFrame; ++k, ++next)
            chart.channel->AddXY(next, StripChart::Signal(next));
        chart.Show(next - ring, ring - 1);
        chart.Paint();
    }
    state.SetItemsProcessed(state.iterations() * perFrame);
}
BENCHMARK(BM_StripScrollingFrame)->Unit(benchmark::kMillisecond);

} // namespace
