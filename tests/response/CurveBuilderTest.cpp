// Crossover and PEQ curve building into a Plot, absurd inputs, and the curve stale marks.

#include "response/CurveBuilder.h"
#include "response/CurveStaleMarks.h"
#include "response/Plot.h"
#include "response/UnitCrossoverReader.h"

#include "RecordingView.h"
#include "device/Constants.h"
#include "device/LUnitControl.h"
#include "device/ValueGrids.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

int NearestPoint(double hz)
{
    return static_cast<int>(std::lround(4096.0 * std::log10(hz) / std::log10(48000.0)));
}

struct Band
{
    double freq { 1000.0 };
    double gain { 0.0 };
    double q { 1.0 };
    int type { 0 };
    bool bypass { false };
};

class FakeEditor : public PeqBandReader
{
public:
    int GetChannelNumber() const override { return count; }
    double GetFreqValue(int b) const override { return At(b).freq; }
    double GetGainValue(int b) const override { return At(b).gain; }
    double GetQValue(int b) const override { return At(b).q; }
    int GetTypeValue(int b) const override { return At(b).type; }
    bool GetBypassValue(int b) const override { return At(b).bypass; }

    const Band& At(int b) const
    {
        reads.push_back(b);
        return bands.at(static_cast<std::size_t>(b)); // throws on a read past the bands
    }

    int count { 9 };
    std::vector<Band> bands = std::vector<Band>(9);
    mutable std::vector<int> reads;
};

class FakeModel : public CrossoverReader
{
public:
    CrossoverRecord GetHpLp(int) const override { return rec; }
    CrossoverRecord rec;
};

bool AllFinite(const FilterCurve& f)
{
    for (double v : f.curve)
        if (!std::isfinite(v))
            return false;
    return true;
}

bool AllZero(const FilterCurve& f)
{
    for (double v : f.curve)
        if (v != 0.0)
            return false;
    return true;
}

} // namespace

TEST(CurveBuilder, EverySlopeReadsItsDesignLossAtTheCrossoverFrequency)
{
    struct Row
    {
        int code;
        double corner; // dB at 1 kHz
    };
    const Row rows[] = {
        {1, -3.01},  {2, -3.01},  {3, -3.01},  {4, -3.01},  {5, -6.02},  {6, -3.01},  {7, -3.01},
        {8, -3.01},  {9, -3.01},  {10, -6.02}, {11, -3.01}, {12, -3.01}, {13, -3.01}, {14, -3.01},
        {15, -6.02}, {16, -3.01}, {17, -3.01}, {18, -3.01}, {19, -3.01}, {20, -6.02},
    };
    const int at = NearestPoint(1000.0);
    for (const Row& r : rows) {
        for (bool high : {true, false}) {
            RecordingView view;
            Plot plot(&view);
            BuildHpLpCurve(plot, high, r.code, 1000.0, 10);
            const FilterCurve* total = plot.Section(high ? 10 : 11);
            EXPECT_NEAR(total->curve[at], r.corner, 0.02) << "slope " << r.code << (high ? " HP" : " LP");
            EXPECT_EQ(total->freqHz, 1000.0);
            // Far into the stop band the total keeps falling; in the pass band it is near 0.
            const int pass = high ? NearestPoint(20000.0) : NearestPoint(50.0);
            const int stop = high ? NearestPoint(50.0) : NearestPoint(20000.0);
            EXPECT_NEAR(total->curve[pass], 0.0, 0.2) << r.code;
            EXPECT_LT(total->curve[stop], -20.0) << r.code;
            // The total is the sum of the stage sections.
            if (SlopeToDesignRow[static_cast<std::size_t>(r.code)] >= 2) {
                double s = 0;
                for (int j = 13; j <= 17; ++j)
                    s += plot.Section(j)->curve[1234];
                EXPECT_DOUBLE_EQ(total->curve[1234], s);
            }
            EXPECT_EQ(view.blocks[high ? 10 : 11].kind, high ? 3 : 2);
            EXPECT_EQ(view.blocks[high ? 10 : 11].y, 0.0);
        }
    }
}

TEST(CurveBuilder, StagesAndTheTotalsParameters)
{
    RecordingView view;
    Plot plot(&view);
    // Bessel 8 (code 19) low-pass: a two-factor stage in every slot but the first.
    BuildHpLpCurve(plot, false, 19, 2000.0, 10);
    EXPECT_EQ(plot.Section(13)->type, 10);
    for (int j = 14; j <= 17; ++j)
        EXPECT_EQ(plot.Section(j)->type, 13);
    EXPECT_EQ(plot.Section(17)->k0, 0.3728f);
    EXPECT_EQ(plot.Section(17)->k1, 0.2087f);
    EXPECT_EQ(plot.Section(11)->type, 13); // the last stage set
    EXPECT_EQ(plot.Section(11)->k0, 0.3728f);

    // Butterworth 4 high-pass: stages 14, 15; the last one set (17) is flat, so the total says flat.
    BuildHpLpCurve(plot, true, 8, 500.0, 10);
    EXPECT_EQ(plot.Section(14)->type, 15);
    EXPECT_EQ(plot.Section(14)->k0, 0.7654f);
    EXPECT_EQ(plot.Section(15)->k0, 1.8478f);
    EXPECT_EQ(plot.Section(17)->type, 10);
    EXPECT_EQ(plot.Section(17)->freqHz, 1000.0);
    EXPECT_EQ(plot.Section(10)->type, 10);
    EXPECT_EQ(plot.Section(10)->freqHz, 500.0);

    // Linkwitz-Riley 48 high-pass: stage 16 is set last.
    BuildHpLpCurve(plot, true, 20, 500.0, 10);
    EXPECT_EQ(plot.Section(13)->k0, 1.8478f);
    EXPECT_EQ(plot.Section(15)->k0, 0.7654f);
    EXPECT_EQ(plot.Section(10)->type, 15);
    EXPECT_EQ(plot.Section(10)->k0, 0.7654f);

    // Butterworth 1 is designed directly.
    BuildHpLpCurve(plot, true, 1, 500.0, 10);
    EXPECT_EQ(plot.Section(10)->type, 14);
    EXPECT_EQ(plot.Section(10)->k0, 1.0f);
    EXPECT_NEAR(plot.Section(10)->curve[NearestPoint(500.0)], -3.01, 0.02);
}

TEST(CurveBuilder, EveryStageHoldsItsOwnDesignWhateverWasBuiltBefore)
{
    // Each slope built over another crossover must leave the stages and the total exactly as a build on
    // a fresh plot does, and every stage's curve must be what its own parameters evaluate to.
    for (std::uint8_t mode : { 0, 1 }) {
        for (bool highPass : { true, false }) {
            for (int slope = 0; slope <= 21; ++slope) {
                SCOPED_TRACE("mode " + std::to_string(mode) + (highPass ? " high-pass" : " low-pass") + " slope "
                             + std::to_string(slope));
                Plot fresh(nullptr);
                Plot reused(nullptr);
                fresh.SetPhaseMode(mode == 1);
                reused.SetPhaseMode(mode == 1);
                BuildHpLpCurve(reused, !highPass, 19, 3000.0, 10);
                BuildHpLpCurve(reused, highPass, 20, 150.0, 10);
                BuildHpLpCurve(fresh, highPass, slope, 800.0, 10);
                BuildHpLpCurve(reused, highPass, slope, 800.0, 10);
                for (int j : { highPass ? 10 : 11, 13, 14, 15, 16, 17 }) {
                    const FilterCurve& a = *fresh.Section(j);
                    const FilterCurve& b = *reused.Section(j);
                    ASSERT_EQ(b.type, a.type) << "section " << j;
                    ASSERT_EQ(b.freqHz, a.freqHz) << "section " << j;
                    ASSERT_EQ(b.k0, a.k0) << "section " << j;
                    ASSERT_EQ(b.k1, a.k1) << "section " << j;
                    ASSERT_TRUE(b.curve == a.curve) << "section " << j;
                    if (j < 13)
                        continue;
                    FilterCurve own;
                    own.phaseMode = mode;
                    own.SetStage(b.gainDb, b.freqHz, b.q, b.type, b.k0, b.k1);
                    ASSERT_TRUE(own.curve == b.curve) << "stage " << j;
                }
            }
        }
    }
}

TEST(CurveBuilder, BypassSlopeIsFlatWithItsMarkerAtTheFrequency)
{
    RecordingView view;
    Plot plot(&view);
    BuildHpLpCurve(plot, true, 8, 500.0, 10);
    BuildHpLpCurve(plot, true, 0, 300.0, 10);
    EXPECT_TRUE(AllZero(*plot.Section(10)));
    EXPECT_EQ(plot.Section(10)->freqHz, 300.0);
    EXPECT_NEAR(view.blocks[10].x, 4096.0 * std::log10(300.0) / std::log10(48000.0), 1e-9);
    EXPECT_EQ(view.blocks[10].y, 0.0);
}

TEST(CurveBuilder, LowPassBuildLeavesTheHighPassTotal)
{
    RecordingView view;
    Plot plot(&view);
    BuildHpLpCurve(plot, true, 10, 200.0, 10);
    const auto hp = plot.Section(10)->curve;
    BuildHpLpCurve(plot, false, 18, 5000.0, 10);
    EXPECT_EQ(plot.Section(10)->curve, hp);
    EXPECT_FALSE(AllZero(*plot.Section(11)));
}

TEST(CurveBuilder, LinkwitzRiley48PhaseFoldsInTheChannelTotal)
{
    RecordingView view;
    Plot plot(&view);
    plot.SetPhaseMode(true);
    BuildHpLpCurve(plot, false, 20, 1000.0, 10);
    const double top = plot.Section(11)->curve[4095];
    EXPECT_LT(top, -65.0);
    EXPECT_GT(top, -72.0);
    plot.DrawSum(2);
    const double folded = plot.Section(12)->curve[4095];
    EXPECT_DOUBLE_EQ(folded, top + 72.0);
    EXPECT_EQ(view.curves[12].y[4095], folded);
}

TEST(CurveBuilder, HpAndLpCurvesReadTheModelAndRedrawTheTotal)
{
    RecordingView view;
    Plot plot(&view);
    FakeModel model;
    model.rec = CrossoverRecord {100, 250, 8, 20};
    BuildHpCurve(plot, 4, model);
    EXPECT_EQ(plot.Section(10)->freqHz, static_cast<double>(static_cast<float>(IndexToFreq(100))));
    BuildLpCurve(plot, 4, model);
    EXPECT_EQ(plot.Section(11)->freqHz, static_cast<double>(static_cast<float>(IndexToFreq(250))));
    EXPECT_EQ(view.curves[12].colour, ChannelColors[4]);
    const int i = 2000;
    EXPECT_DOUBLE_EQ(view.curves[12].y[i], plot.Section(10)->curve[i] + plot.Section(11)->curve[i]);
}

TEST(CurveBuilder, PeqBandsMarkersAndTotal)
{
    RecordingView view;
    Plot plot(&view);
    FakeEditor editor;
    editor.count = 8; // an input editor
    editor.bands[0] = Band {1000.0, 6.0, 1.41, 0, false};
    editor.bands[1] = Band {100.0, 4.0, 0.71, 1, false};
    editor.bands[2] = Band {2000.0, -5.0, 2.0, 0, true}; // bypassed
    editor.bands[3] = Band {300.0, 3.0, 0.71, 3, false};  // low pass -> 5
    editor.bands[4] = Band {300.0, 3.0, 0.71, 4, false};  // high pass -> 4
    editor.bands[5] = Band {300.0, 3.0, 0.71, 6, false};  // all-pass 2 -> 17
    BuildPeqCurve(plot, 1, editor);

    const int expectTypes[] = {1, 2, 10, 5, 4, 17, 1, 1};
    for (int r = 0; r < 8; ++r)
        EXPECT_EQ(plot.Section(r)->type, expectTypes[r]) << r;
    EXPECT_NEAR(plot.Section(0)->curve[NearestPoint(1000.0)], 6.0, 0.005);
    EXPECT_TRUE(AllZero(*plot.Section(2)));
    EXPECT_EQ(view.blocks[2].y, -5.0); // the bypassed band's marker stays at its gain
    EXPECT_EQ(view.blocks[2].kind, 1);
    EXPECT_EQ(view.blocks.count(8), 0u);
    EXPECT_EQ(plot.Section(8)->type, 3); // sections 8 and 9 of an input plot stay as made
    EXPECT_TRUE(AllZero(*plot.Section(8)));
    ASSERT_EQ(view.curves.count(12), 1u);
    EXPECT_EQ(view.curves[12].colour, ChannelColors[1]);
    double s = 0;
    for (int j = 0; j < 12; ++j)
        s += plot.Section(j)->curve[3000];
    EXPECT_DOUBLE_EQ(view.curves[12].y[3000], s);
    EXPECT_EQ(view.calls.back(), "FFTDraw 12");
}

TEST(CurveBuilder, AbsurdInputsDrawFlatOrFiniteAndStayInBounds)
{
    // PEQ bands straight from a corrupt file.
    {
        RecordingView view;
        Plot plot(&view);
        FakeEditor editor;
        editor.bands[0] = Band {1000.0, (65535 - 120) * 0.1, 1.0, 0, false}; // gain index 65535
        editor.bands[1] = Band {1000.0, 6.0, 1.0, -1, false};                // no type selected
        editor.bands[2] = Band {1000.0, 6.0, 1.0, 7, false};
        editor.bands[3] = Band {1000.0, 6.0, 1.0, 255, false};
        editor.bands[4] = Band {IndexToFreq(65535), 6.0, 1.0, 0, false};   // frequency index 65535
        editor.bands[5] = Band {1000.0, 6.0, 0.0, 0, false};                // Q 0
        editor.bands[6] = Band {std::nan(""), std::nan(""), std::nan(""), 2, false};
        BuildPeqCurve(plot, 2, editor);
        for (int r : {1, 2, 3})
            EXPECT_TRUE(AllZero(*plot.Section(r))) << r;
        for (int r = 0; r < 12; ++r)
            EXPECT_TRUE(AllFinite(*plot.Section(r))) << r;
        for (double v : view.curves[12].y)
            ASSERT_TRUE(std::isfinite(v));
        for (const auto& [index, b] : view.blocks) {
            EXPECT_TRUE(std::isfinite(b.x) && std::isfinite(b.y) && std::isfinite(b.freq)) << index;
            EXPECT_TRUE(std::isfinite(b.gain) && std::isfinite(b.q)) << index;
        }
    }
    // A band count beyond the nine EQ sections reads and writes only nine bands.
    for (int count : {10, 27, 4097, 70000}) {
        RecordingView view;
        Plot plot(&view);
        FakeEditor editor;
        editor.count = count;
        BuildPeqCurve(plot, 2, editor);
        for (int b : editor.reads)
            ASSERT_LT(b, 9);
        EXPECT_EQ(view.blocks.count(9), 0u);
        EXPECT_EQ(plot.Section(9)->type, 3);
    }
    // Slope codes outside the table build as bypass; an absurd crossover frequency stays finite.
    for (int code : {21, 255, 1000, -1}) {
        RecordingView view;
        Plot plot(&view);
        BuildHpLpCurve(plot, false, 18, 1000.0, 10);
        BuildHpLpCurve(plot, false, code, 1000.0, 10);
        EXPECT_TRUE(AllZero(*plot.Section(11))) << code;
        EXPECT_EQ(view.blocks[11].kind, 2);
    }
    {
        RecordingView view;
        Plot plot(&view);
        FakeModel model;
        model.rec = CrossoverRecord {65535, 65535, 20, 19};
        BuildHpCurve(plot, 7, model);
        BuildLpCurve(plot, 7, model);
        model.rec = CrossoverRecord {-30000, 20000, 8, 8};
        BuildHpCurve(plot, 7, model);
        BuildLpCurve(plot, 7, model);
        for (int s : {10, 11, 12})
            EXPECT_TRUE(AllFinite(*plot.Section(s))) << s;
        EXPECT_TRUE(std::isfinite(view.blocks[10].x) && std::isfinite(view.blocks[11].x));
    }
    // A first section whose stages would not fit is ignored.
    {
        RecordingView view;
        Plot plot(&view);
        for (int first : {20, 27, -1, 1000})
            BuildHpLpCurve(plot, true, 8, 1000.0, first);
        EXPECT_TRUE(view.calls.empty());
    }
}

TEST(CurveStaleMarks, MarksEveryPlotOfTheChannelsSide)
{
    struct Row
    {
        std::vector<int> marks;
        std::array<std::uint32_t, 10> masks;
    };
    const Row rows[] = {
        {{3}, {0, 0, 8, 8, 8, 8, 8, 8, 0, 8}},
        {{0}, {1, 1, 0, 0, 0, 0, 0, 0, 1, 0}},
        {{1, 1}, {2, 2, 0, 0, 0, 0, 0, 0, 2, 0}},
        {{7, 2}, {0, 0, 0x84, 0x84, 0x84, 0x84, 0x84, 0x84, 0, 0x84}},
        {{8, -1, 31, 32, 1000}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Row& r : rows) {
        CurveStaleMarks marks;
        for (int ch : r.marks)
            marks.MarkCurveStale(ch);
        EXPECT_EQ(marks.OverlayStale, r.masks) << r.marks.front();
    }
}

TEST(CurveBuilder, ReadsTheCrossoverFromTheDeviceModel)
{
    LUnitControl model; // no link host: setters store without sending
    model.SetHp(5, 120, 8);
    model.SetLp(5, 260, 255); // a slope byte no list produces
    const UnitCrossoverReader reader(model);
    const CrossoverRecord rec = reader.GetHpLp(5);
    EXPECT_EQ(rec.hpFreqIndex, 120);
    EXPECT_EQ(rec.hpSlope, 8);
    EXPECT_EQ(rec.lpFreqIndex, 260);
    EXPECT_EQ(rec.lpSlope, 255);

    RecordingView view;
    Plot plot(&view);
    BuildHpCurve(plot, 5, reader);
    BuildLpCurve(plot, 5, reader);
    EXPECT_NEAR(plot.Section(10)->curve[NearestPoint(IndexToFreq(120))], -3.01, 0.03);
    EXPECT_TRUE(AllZero(*plot.Section(11)));
}
