// The channel curve set: construction, the folded sum, markers, the highlight, bounded section indices.

#include "response/Plot.h"

#include "RecordingView.h"
#include "device/Constants.h"
#include "support/LogCatcher.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

namespace {

double Position(double hz)
{
    return 4096.0 * std::log10(hz) / std::log10(48000.0);
}

// Puts a constant into the curve of a section, as a computed section would hold.
void Fill(Plot& plot, int section, double value)
{
    plot.Section(section)->curve.fill(value);
}

} // namespace

TEST(Plot, FreshPlotHasFlatSectionsAndSumsToZero)
{
    RecordingView view;
    Plot plot(&view);
    EXPECT_EQ(plot.GetSectionCount(), 27);
    for (int s = 0; s < 27; ++s) {
        const FilterCurve* f = plot.Section(s);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->type, 3);
        EXPECT_EQ(f->freqHz, 1000.0);
        EXPECT_EQ(f->q, 0.4);
        EXPECT_EQ(f->k0, 0.0f);
    }
    plot.DrawSum(3);
    ASSERT_EQ(view.curves.count(12), 1u);
    const auto& c = view.curves[12];
    EXPECT_EQ(c.y.size(), 4096u);
    EXPECT_EQ(c.colour, ChannelColors[3]);
    EXPECT_EQ(c.style, 0);
    for (double v : c.y)
        ASSERT_EQ(v, 0.0);
}

TEST(Plot, SumAddsTheSectionsInIndexOrderBitForBit)
{
    // Values whose rounding depends on the order of the additions (a large term cancelled later, negative
    // zeros, steps of a few units in the last place), different at every point.
    RecordingView view;
    Plot plot(&view);
    for (int s = 0; s < 12; ++s) {
        for (int i = 0; i < 4096; ++i) {
            const double big = (i % 3 == 0 ? 1e16 : 3.0) * (s % 2 ? -1.0 : 1.0);
            const double tiny = std::ldexp(1.0 + i * 0x1p-40, -(s * 7 + i % 50));
            plot.Section(s)->curve[static_cast<std::size_t>(i)] = s == 5 ? -0.0 : big + tiny * (i % 5 - 2);
        }
    }
    plot.DrawSum(0);
    const auto& total = plot.Section(Plot::TotalSection)->curve;
    for (int i = 0; i < 4096; ++i) {
        double plain = 0.0;
        for (int s = 0; s < 12; ++s)
            plain += plot.Section(s)->curve[static_cast<std::size_t>(i)];
        ASSERT_EQ(std::bit_cast<std::uint64_t>(total[static_cast<std::size_t>(i)]), std::bit_cast<std::uint64_t>(plain))
            << "point " << i;
    }
}

TEST(Plot, PhaseSumIsFoldedAtMostTwice)
{
    struct Row
    {
        double total;
        double phaseView;
        double magnitudeView;
    };
    const Row rows[] = {
        {20.0, -16.0, 20.0}, {-40.0, -4.0, -40.0}, {100.0, 28.0, 100.0}, {-100.0, -28.0, -100.0},
        {18.0, 18.0, 18.0},  {-18.0, -18.0, -18.0}, {54.0, 18.0, 54.0}, {5.0, 5.0, 5.0},
    };
    for (const Row& r : rows) {
        RecordingView view;
        Plot plot(&view);
        // Spread the total over three summed sections (9 included, 12 and up excluded).
        Fill(plot, 0, r.total / 2);
        Fill(plot, 9, r.total / 4);
        Fill(plot, 11, r.total / 4);
        Fill(plot, 13, 7.0);
        plot.SetPhaseMode(true);
        plot.DrawSum(0);
        EXPECT_DOUBLE_EQ(plot.Section(12)->curve[100], r.phaseView) << r.total;
        plot.SetPhaseMode(false);
        plot.DrawSum(0);
        EXPECT_DOUBLE_EQ(plot.Section(12)->curve[100], r.magnitudeView) << r.total;
    }
}

TEST(Plot, SetPhaseModeReachesEverySectionButRecomputesNothing)
{
    RecordingView view;
    Plot plot(&view);
    plot.Section(0)->SetFilter(6.0, 1000.0, 1.41, 1);
    const double before = plot.Section(0)->curve[2625];
    plot.SetPhaseMode(true);
    EXPECT_EQ(plot.GetPhaseMode(), 1);
    for (int s = 0; s < 27; ++s)
        EXPECT_EQ(plot.Section(s)->phaseMode, 1);
    EXPECT_EQ(plot.Section(0)->curve[2625], before);
    EXPECT_TRUE(view.calls.empty());
}

TEST(Plot, DrawMarkerPlacesTheSectionsStoredValues)
{
    RecordingView view;
    Plot plot(&view);
    plot.Section(4)->SetFilter(-3.5, 250.0, 2.0, 2);
    plot.DrawMarker(4, -3.5f, Plot::MarkerBand);
    plot.Section(10)->SetStage(0.0, 80.0, 0.05, 10, 0, 0);
    plot.DrawMarker(10, 0.0f, Plot::MarkerHighPass);
    plot.Section(11)->SetStage(0.0, 12000.0, 0.05, 10, 0, 0);
    plot.DrawMarker(11, 0.0f, Plot::MarkerLowPass);

    const auto& b = view.blocks[4];
    EXPECT_EQ(b.y, -3.5);
    EXPECT_NEAR(b.x, Position(250.0), 1e-9);
    EXPECT_EQ(b.colour, BandColors[4]);
    EXPECT_FALSE(b.hidden);
    EXPECT_EQ(b.kind, 1);
    EXPECT_EQ(b.freq, 250.0);
    EXPECT_EQ(b.gain, -3.5);
    EXPECT_EQ(b.q, 2.0);
    EXPECT_EQ(b.curveType, 2);
    EXPECT_EQ(view.blocks[10].colour, 0xF0FBFF);
    EXPECT_EQ(view.blocks[10].kind, 3);
    EXPECT_EQ(view.blocks[11].colour, 0x008080);
    EXPECT_EQ(view.blocks[11].kind, 2);
    const std::vector<std::string> order = {"DrawBlock 4", "SetBlockParameter 4"};
    EXPECT_EQ(std::vector<std::string>(view.calls.begin(), view.calls.begin() + 2), order);
}

TEST(Plot, DrawCurveRemoveCurveAndReplacement)
{
    RecordingView view;
    Plot plot(&view);
    Fill(plot, 19, 2.5);
    plot.DrawCurve(19, ChannelColors[1]);
    EXPECT_EQ(view.curves[19].colour, ChannelColors[1]);
    EXPECT_EQ(view.curves[19].y[7], 2.5);
    Fill(plot, 19, -1.0);
    plot.DrawCurve(19, ChannelColors[5]); // replaces the points, keeps the first colour
    EXPECT_EQ(view.curves[19].y[7], -1.0);
    plot.RemoveCurve(19);
    EXPECT_EQ(view.curves.count(19), 0u);
}

TEST(Plot, ShowSelectedHighlightsTheSectionOrSwitchesOff)
{
    RecordingView view;
    Plot plot(&view);
    plot.Section(0)->SetFilter(4.0, 500.0, 1.0, 1);
    plot.ShowSelected(0, -1, 4.0f, 1.0f, true); // a negative section counts as 0
    const std::vector<std::string> on = {"DrawParam 0", "DrawCurveFill 0", "SetCurveDisplay 1"};
    EXPECT_EQ(view.calls, on);
    EXPECT_EQ(view.param.gain, 4.0);
    EXPECT_NEAR(view.param.x, Position(500.0), 1e-9);
    EXPECT_EQ(view.param.freq, 500.0f);
    EXPECT_EQ(view.param.q, 1.0);
    EXPECT_EQ(view.param.colour, 0x00FFFF);
    ASSERT_EQ(view.fill.size(), 4096u);
    EXPECT_EQ(view.fill[2000], plot.Section(0)->curve[2000]);

    view.calls.clear();
    plot.ShowSelected(5, 10, 0.0f, 0.0f, false);
    EXPECT_EQ(view.calls, std::vector<std::string> {"SetCurveDisplay 0"});
}

TEST(Plot, OutOfRangeIndicesAndAbsentViewAreHarmless)
{
    testsupport::LogCatcher log;
    RecordingView view;
    Plot plot(&view);
    for (int bad : {27, 50, 1000, -1, -100}) {
        EXPECT_EQ(plot.Section(bad), nullptr);
        plot.DrawMarker(bad, 1.0f, 1);
        plot.DrawCurve(bad, 0);
    }
    plot.ShowSelected(0, 27, 0.0f, 0.0f, true);
    plot.DrawSum(10); // no such channel: summed but not drawn
    plot.DrawSum(-1);
    EXPECT_TRUE(view.calls.empty());
    // A section index out of range is the caller's fault: each one says so in the log.
    EXPECT_EQ(log.OwnWarningsWith("response/Plot.cpp"), 11);

    // A plot without a view is an ordinary state: nothing to draw, nothing to report.
    Plot headless(nullptr);
    headless.DrawSum(0);
    headless.DrawMarker(0, 0.0f, 1);
    headless.ShowSelected(0, 0, 0.0f, 0.0f, true);
    headless.RemoveCurve(12);
    EXPECT_EQ(log.OwnWarningsWith("response/Plot.cpp"), 11);
}

TEST(Plot, NonFiniteValuesNeverReachTheView)
{
    RecordingView view;
    Plot plot(&view);
    FilterCurve* s = plot.Section(2);
    s->SetFilter(6.0, 1000.0, 1.0, 1);
    s->freqHz = std::nan("");
    s->gainDb = INFINITY;
    s->q = -INFINITY;
    plot.DrawMarker(2, std::nanf(""), 1);
    plot.ShowSelected(0, 2, INFINITY, std::nanf(""), true);
    s->freqHz = 1e300;
    plot.DrawMarker(2, 0.0f, 1);
    const auto& b = view.blocks[2];
    for (double v : {b.y, b.x, b.freq, b.gain, b.q, view.param.gain, view.param.x, view.param.q,
                     static_cast<double>(view.param.freq)})
        EXPECT_TRUE(std::isfinite(v));
}
