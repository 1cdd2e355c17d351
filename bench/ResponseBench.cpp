// Cost of the response engine on a band drag: one section, and one channel's full rebuild.

#include "response/CurveBuilder.h"
#include "response/FilterCurve.h"
#include "response/Plot.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

class NullView : public ResponseView
{
public:
    bool FFTDraw(const double* y, int, int, vcl::TColor, int) override
    {
        benchmark::DoNotOptimize(y);
        return true;
    }
    bool RemovePlot(int) override { return true; }
    void DrawBlock(double, double, vcl::TColor, int, bool, int) override {}
    void SetBlockParameter(int, double, double, double, int) override {}
    void DrawParam(int, double, double, float, double, vcl::TColor) override {}
    void DrawCurveFill(int, const double*, int) override {}
    void SetCurveDisplay(bool) override {}
};

class NineBands : public PeqBandReader
{
public:
    int GetChannelNumber() const override { return 9; }
    double GetFreqValue(int b) const override { return 40.0 * (1 << b) + drag; }
    double GetGainValue(int b) const override { return (b % 2 ? -4.5 : 3.0); }
    double GetQValue(int b) const override { return 0.71 + 0.3 * b; }
    int GetTypeValue(int b) const override { return std::array<int, 9> {1, 0, 0, 0, 0, 0, 0, 2, 6}[static_cast<std::size_t>(b)]; }
    bool GetBypassValue(int) const override { return false; }
    double drag { 0.0 };
};

class Crossover : public CrossoverReader
{
public:
    // 8th-order Butterworth high-pass at index 40, Linkwitz-Riley 48 low-pass at index 250.
    CrossoverRecord GetHpLp(int) const override { return CrossoverRecord {40, 250, 18, 20}; }
};

void Section(benchmark::State& state)
{
    FilterCurve f;
    f.phaseMode = static_cast<std::uint8_t>(state.range(0));
    double freq = 1000.0;
    for (auto _ : state) {
        f.SetFilter(6.0, freq, 1.41, 1);
        freq = freq == 1000.0 ? 1001.0 : 1000.0;
        benchmark::DoNotOptimize(f.curve.data());
    }
}
BENCHMARK(Section)->Arg(0)->Arg(1)->ArgName("phase");

void ChannelRebuild(benchmark::State& state)
{
    NullView view;
    Plot plot(&view);
    plot.SetPhaseMode(state.range(0) != 0);
    NineBands bands;
    Crossover model;
    for (auto _ : state) {
        bands.drag = bands.drag == 0.0 ? 1.0 : 0.0;
        BuildPeqCurve(plot, 2, bands);
        BuildHpCurve(plot, 2, model);
        BuildLpCurve(plot, 2, model);
        benchmark::DoNotOptimize(plot.Section(12)->curve.data());
    }
}
BENCHMARK(ChannelRebuild)->Arg(0)->Arg(1)->ArgName("phase")->Unit(benchmark::kMicrosecond);

// What one drag step costs: one band, its marker, the sum.
void BandDrag(benchmark::State& state)
{
    NullView view;
    Plot plot(&view);
    NineBands bands;
    Crossover model;
    BuildPeqCurve(plot, 2, bands);
    BuildHpCurve(plot, 2, model);
    BuildLpCurve(plot, 2, model);
    double freq = 1000.0;
    for (auto _ : state) {
        freq = freq == 1000.0 ? 1001.0 : 1000.0;
        plot.Section(3)->SetFilter(4.0, freq, 1.41, 1);
        plot.DrawMarker(3, 4.0f, Plot::MarkerBand);
        plot.DrawSum(2);
        plot.ShowSelected(0, 3, 4.0f, 1.41f, true);
    }
}
BENCHMARK(BandDrag)->Unit(benchmark::kMicrosecond);

// The band edit's own math: one section designed and evaluated, and the channel total summed.
void BandEditMath(benchmark::State& state)
{
    NullView view;
    Plot plot(&view);
    NineBands bands;
    Crossover model;
    BuildPeqCurve(plot, 2, bands);
    BuildHpCurve(plot, 2, model);
    BuildLpCurve(plot, 2, model);
    double freq = 1000.0;
    for (auto _ : state) {
        freq = freq == 1000.0 ? 1001.0 : 1000.0;
        plot.Section(3)->SetFilter(4.0, freq, 1.41, 1);
        plot.DrawSum(2);
    }
}
BENCHMARK(BandEditMath)->Unit(benchmark::kMicrosecond);

} // namespace
