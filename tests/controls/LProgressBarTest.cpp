#include "controls/LProgressBar.h"

#include "ControlsTestApp.h"

#include "platform/ui/TShape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

using namespace vcl;
using controlstest::EnsureGuiApp;

namespace {

constexpr TColor DarkRed = 128, Olive = 32896, DarkGreen = 32768;
constexpr TColor Red = 255, Yellow = 65535, Green = 65280;

std::unique_ptr<LProgressBar> MakeMeter(int first, int second, int third, int max, int height)
{
    EnsureGuiApp();
    auto meter = std::make_unique<LProgressBar>(nullptr);
    meter->SetBounds(0, 0, 14, height);
    meter->SetFirstNum(first);
    meter->SetSecondNum(second);
    meter->SetThirdNum(third);
    meter->SetMax(max);
    return meter;
}

std::vector<TColor> Colours(const LProgressBar& meter)
{
    std::vector<TColor> out;
    for (int n = 1; n <= meter.SegmentCount(); ++n) {
        TShape* s = meter.Segment(n);
        out.push_back(s ? s->Brush()->Color() : -1);
    }
    return out;
}

} // namespace

TEST(LProgressBar, FreshMeterHasFiveUnlitSegmentsNamedFromTheTop)
{
    EnsureGuiApp();
    LProgressBar meter(nullptr);
    EXPECT_EQ(meter.Width(), 14);
    EXPECT_EQ(meter.Height(), 132);
    EXPECT_EQ(meter.Max(), 100);
    EXPECT_EQ(Colours(meter), (std::vector<TColor> { DarkRed, Olive, DarkGreen, DarkGreen, DarkGreen }));
    ASSERT_NE(meter.FindComponent("shape5"), nullptr);
    EXPECT_EQ(meter.FindComponent("shape6"), nullptr);
    // 132 / 5 + 2 high, tops trunc(132 / 5 * i) - 1
    const int tops[] = { -1, 25, 51, 78, 104 };
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(meter.Segment(i + 1)->Top(), tops[i]) << i;
        EXPECT_EQ(meter.Segment(i + 1)->Height(), 28);
    }
}

TEST(LProgressBar, SegmentLayoutFollowsTheSizeAtTheNextPaint)
{
    auto meter = MakeMeter(1, 2, 6, 9, 132);
    meter->SetHeight(199);
    EXPECT_EQ(meter->Segment(9)->Top(), trunc(132.0 / 9 * 8) - 1) << "moves only when painted";
    controlstest::Render(meter.get());
    const int tops[] = { -1, 21, 43, 65, 87, 109, 131, 153, 175 };
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(meter->Segment(i + 1)->Top(), tops[i]) << i;
        EXPECT_EQ(meter->Segment(i + 1)->Height(), 24) << i;
        EXPECT_EQ(meter->Segment(i + 1)->Width(), 14) << i;
    }
    auto lamp = MakeMeter(0, 1, 0, 1, 132);
    lamp->SetHeight(22);
    controlstest::Render(lamp.get());
    EXPECT_EQ(lamp->Segment(1)->Top(), -1);
    EXPECT_EQ(lamp->Segment(1)->Height(), 24);
}

TEST(LProgressBar, PositionLightsSegmentsFromTheBottom)
{
    struct Case
    {
        int position;
        int stored;
        std::vector<TColor> colours; // top first
    };
    const Case cases[] = {
        { 4, 4, { DarkRed, Olive, Olive, DarkGreen, DarkGreen, Green, Green, Green, Green } },
        { 12, 9, { Red, Yellow, Yellow, Green, Green, Green, Green, Green, Green } },
        { -3, 0, { DarkRed, Olive, Olive, DarkGreen, DarkGreen, DarkGreen, DarkGreen, DarkGreen, DarkGreen } },
        { 7, 7, { DarkRed, Olive, Yellow, Green, Green, Green, Green, Green, Green } },
        { 8, 8, { DarkRed, Yellow, Yellow, Green, Green, Green, Green, Green, Green } },
    };
    for (const Case& c : cases) {
        auto meter = MakeMeter(1, 2, 6, 9, 199);
        meter->SetPosition(c.position);
        EXPECT_EQ(meter->Position(), c.stored) << c.position;
        EXPECT_EQ(Colours(*meter), c.colours) << c.position;
    }
}

TEST(LProgressBar, PositionSequenceOnAnOutputMeterAndAFullScaleLamp)
{
    auto meter = MakeMeter(1, 3, 4, 8, 179);
    meter->SetPosition(8);
    meter->SetPosition(2);
    EXPECT_EQ(Colours(*meter), (std::vector<TColor> { DarkRed, Olive, Olive, Olive, DarkGreen, DarkGreen, Green, Green }));
    meter->SetPosition(0);
    EXPECT_EQ(Colours(*meter), (std::vector<TColor> { DarkRed, Olive, Olive, Olive, DarkGreen, DarkGreen, DarkGreen, DarkGreen }));

    // Max 1 over three segments: the float step falls short of full scale, which still lights all.
    auto lamp = MakeMeter(1, 1, 1, 1, 60);
    lamp->SetPosition(1);
    EXPECT_EQ(Colours(*lamp), (std::vector<TColor> { Red, Yellow, Green }));

    // The limiter lamp of the output channels.
    auto limit = MakeMeter(0, 1, 0, 1, 22);
    limit->SetSecondColor(20123);
    limit->SetLSecondColor(4629503);
    limit->SetPosition(1);
    EXPECT_EQ(Colours(*limit), (std::vector<TColor> { 4629503 }));
    limit->SetPosition(0);
    EXPECT_EQ(Colours(*limit), (std::vector<TColor> { 20123 }));
}

TEST(LProgressBar, RepeatedRequestIsComparedBeforeClamping)
{
    auto meter = MakeMeter(1, 2, 6, 9, 199);
    meter->SetPosition(4);
    meter->Segment(9)->Brush()->SetColor(0x123456); // a marker that only a recompute would touch
    meter->SetPosition(4);
    EXPECT_EQ(meter->Segment(9)->Brush()->Color(), 0x123456);
    meter->SetPosition(12);
    meter->Segment(1)->Brush()->SetColor(DarkRed);
    meter->SetPosition(12); // the stored 9 differs from 12: recomputed
    EXPECT_EQ(meter->Segment(1)->Brush()->Color(), Red);
}

TEST(LProgressBar, ZoneCountChangesKeepSegmentsNumberedWithoutGaps)
{
    struct Case
    {
        int first, second, third;
        std::vector<TColor> colours;
    };
    const Case cases[] = {
        { 0, 1, 3, { Olive, DarkGreen, DarkGreen, DarkGreen } },
        { 3, 1, 3, { DarkRed, DarkRed, DarkRed, Olive, DarkGreen, DarkGreen, DarkGreen } },
        { 1, 4, 1, { DarkRed, Olive, Olive, Olive, Olive, DarkGreen } },
        { 1, 1, 0, { DarkRed, Olive } },
        { 0, 0, 2, { DarkGreen, DarkGreen } },
    };
    for (const Case& c : cases) {
        EnsureGuiApp();
        LProgressBar meter(nullptr);
        meter.SetFirstNum(c.first);
        meter.SetSecondNum(c.second);
        meter.SetThirdNum(c.third);
        const int n = c.first + c.second + c.third;
        ASSERT_EQ(meter.SegmentCount(), n);
        EXPECT_EQ(Colours(meter), c.colours) << c.first << c.second << c.third;
        EXPECT_EQ(meter.ComponentCount(), n);
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(meter.Segment(i + 1)->Top(), trunc(132.0 / n * i) - 1);
    }
    // grow then shrink a middle zone by more than one segment
    EnsureGuiApp();
    LProgressBar meter(nullptr);
    meter.SetSecondNum(5);
    meter.SetSecondNum(2);
    EXPECT_EQ(Colours(meter), (std::vector<TColor> { DarkRed, Olive, Olive, DarkGreen, DarkGreen, DarkGreen }));
    EXPECT_EQ(meter.ComponentCount(), 6);
    // a negative count is no count
    meter.SetFirstNum(-2);
    EXPECT_EQ(meter.FirstNum(), 0);
    EXPECT_EQ(meter.SegmentCount(), 5);
}

TEST(LProgressBar, ColourChanges)
{
    auto meter = MakeMeter(1, 2, 6, 9, 199);
    meter->SetPosition(7); // zone 2: segment 3 lit, segment 2 not
    meter->SetSecondColor(0x111111);
    EXPECT_EQ(meter->Segment(2)->Brush()->Color(), 0x111111);
    EXPECT_EQ(meter->Segment(3)->Brush()->Color(), 0x111111) << "the lit one is repainted unlit";
    meter->SetPosition(9);
    meter->SetPosition(7);
    meter->SetLSecondColor(0x222222);
    EXPECT_EQ(meter->Segment(2)->Brush()->Color(), 0x111111);
    EXPECT_EQ(meter->Segment(3)->Brush()->Color(), 0x222222);
}

TEST(LProgressBar, SegmentPixels)
{
    auto meter = MakeMeter(1, 2, 6, 9, 199);
    controlstest::Render(meter.get());
    struct Case
    {
        int position;
        int lit;
    };
    const Case cases[] = { { 0, 0 }, { 1, 1 }, { 5, 5 }, { 9, 9 } };
    const TColor unlit[] = { DarkRed, Olive, Olive, DarkGreen, DarkGreen, DarkGreen, DarkGreen, DarkGreen, DarkGreen };
    const TColor lit[] = { Red, Yellow, Yellow, Green, Green, Green, Green, Green, Green };
    for (const Case& c : cases) {
        meter->SetPosition(c.position);
        const QImage image = controlstest::Render(meter.get());
        for (int i = 0; i < 9; ++i) {
            const int y = meter->Segment(i + 1)->Top() + 12;
            const bool on = i >= 9 - c.lit;
            EXPECT_EQ(controlstest::PixelAt(image, 7, y), on ? lit[i] : unlit[i]) << c.position << " segment " << i;
        }
        // the black frame between neighbours
        EXPECT_EQ(controlstest::PixelAt(image, 7, meter->Segment(5)->Top()), 0) << c.position;
        if (c.position == 5)
            controlstest::SaveForReview(image, "meter_9_at_5.png");
    }
}
