// The XY plot on screen: the main window's transfer-curve refill with the repaint it brings, and
// one full paint of a large plot holding a million points.

#include "plot/iXYPlot.h"
#include "ui/editors/TransferPlot.h"

#include "platform/ui/TApplication.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TPanel.h"

#include <benchmark/benchmark.h>

#include <QtGlobal>

#include <cmath>

namespace {

vcl::TApplication& App()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_xy_plot_paint";
    static char* argv[] = { name, nullptr };
    static auto* app = new vcl::TApplication(argc, argv);
    return *app;
}

// The plot with its paint pass reachable, as the control's own paint calls it.
class PaintedPlot : public TiXYPlot
{
public:
    using TiXYPlot::TiXYPlot;
    using TiPlotComponent::iPaintTo;
};

// The compressor plot as the main window has it (620 x 230): refill the curve's four points and
// the dot, then paint the plot once, as the window's repaint does.
void BM_TransferCurveRefillAndRepaint(benchmark::State& state)
{
    App();
    vcl::TPanel parent(nullptr);
    TiXYPlot* plot = editors::CreateTransferPlot(&parent, &parent, QStringLiteral("ipComp"), 8, 22, 620, 230);
    vcl::TBitmap bitmap;
    bitmap.SetSize(plot->Width(), plot->Height());
    double t = 0;
    for (auto _ : state) {
        t = t > 20 ? 0 : t + 0.5;
        const editors::CompCurve curve = editors::CompCurvePoints(static_cast<int>(t * 2), 3, 4);
        editors::RefillTransferPlot(*plot, curve.Curve, curve.Dot);
        static_cast<PaintedPlot*>(plot)->iPaintTo(bitmap.Canvas());
        benchmark::DoNotOptimize(bitmap.Image().constBits());
    }
}
BENCHMARK(BM_TransferCurveRefillAndRepaint)->Unit(benchmark::kMicrosecond);

// A 1000 x 400 plot whose one XY channel holds a million points with rising X and no markers.
void BM_PaintMillionPointPlot(benchmark::State& state)
{
    App();
    PaintedPlot plot(nullptr);
    plot.SetBounds(0, 0, 1000, 400);
    plot.XAxis(0)->SetTrackingEnabled(false);
    plot.YAxis(0)->SetTrackingEnabled(false);
    constexpr int points = 1000000;
    TiXYPlotChannel* channel = plot.Channel(0);
    for (int i = 0; i < points; ++i)
        channel->AddXY(i, 50 + 45 * std::sin(i * 0.0005) + (i % 7));
    plot.XAxis(0)->SetMinSpan(0, points);
    plot.YAxis(0)->SetMinSpan(0, 110);
    vcl::TBitmap bitmap;
    bitmap.SetSize(plot.Width(), plot.Height());
    for (auto _ : state) {
        plot.iPaintTo(bitmap.Canvas());
        benchmark::DoNotOptimize(bitmap.Image().constBits());
    }
}
BENCHMARK(BM_PaintMillionPointPlot)->Unit(benchmark::kMillisecond);

} // namespace
