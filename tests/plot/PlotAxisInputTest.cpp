// The axis as drawn and under the user's hand: labels without scale lines, dragging, the wheel and
// the keys in scroll and zoom mode, scroll limits, and tracking of new values by style.

#include "PaintedPlot.h"
#include "PlotTestSupport.h"

#include "plot/iPlotAxis.h"
#include "plot/iXYPlot.h"

#include "platform/ui/TBitmap.h"
#include "platform/ui/TCanvas.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vcl;

namespace {

using ptest::PaintedPlot;

class PlotAxisInputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        plot = std::make_unique<PaintedPlot>(nullptr);
        plot->SetBounds(0, 0, 500, 240);
        x = plot->XAxis(0);
        x->SetMinSpan(0, 120);
    }

    QImage Paint()
    {
        TBitmap bitmap;
        bitmap.SetSize(plot->Width(), plot->Height());
        plot->iPaintTo(bitmap.Canvas());
        return bitmap.Image().copy();
    }

    // Drags the axis by Pixels along its scale.
    void Drag(TiPlotAxis* Axis, int Pixels, TShiftState Shift = {})
    {
        const TRect s = Axis->ScaleRect();
        const int x0 = (s.Left + s.Right) / 2;
        const int y0 = (s.Top + s.Bottom) / 2;
        TiHintData hint;
        Axis->iMouseDown(TMouseButton::mbLeft, Shift, x0, y0, x0, y0, nullptr);
        Axis->iMouseMove(hint, Shift, x0 + Pixels, y0, x0 + Pixels, y0, false);
        Axis->iMouseUp(TMouseButton::mbLeft, Shift, x0 + Pixels, y0, x0 + Pixels, y0, false, nullptr);
    }

    void Key(TiPlotAxis* Axis, WORD Key)
    {
        Axis->iKeyDown(Key, {}, plot->ObjectPopupMenu());
    }

    std::unique_ptr<PaintedPlot> plot;
    TiPlotAxis* x { nullptr };
};

int CountOf(const QImage& Image, TColor Color)
{
    const QRgb rgb = ToQColor(Color).rgb() & 0xFFFFFF;
    int n = 0;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            n += (Image.pixel(x, y) & 0xFFFFFF) == rgb;
    return n;
}

TEST_F(PlotAxisInputTest, WithoutScaleLinesTheAxisDrawsOnlyItsLabels)
{
    const TColor lines(0x80FFFF);
    const TColor labels(0x00FFFF);
    for (TiPlotAxis* axis : { static_cast<TiPlotAxis*>(x), static_cast<TiPlotAxis*>(plot->YAxis(0)) }) {
        axis->SetScaleLinesColor(lines);
        axis->LabelsFont()->SetColor(labels);
    }
    plot->DataView(0)->SetGridShow(false);
    QImage image = Paint();
    EXPECT_GT(CountOf(image, lines), 200); // scale lines and ticks
    EXPECT_GT(CountOf(image, labels), 50);

    x->SetScaleLinesShow(false);
    plot->YAxis(0)->SetScaleLinesShow(false);
    image = Paint();
    EXPECT_EQ(CountOf(image, lines), 0);
    EXPECT_GT(CountOf(image, labels), 50);
}

TEST_F(PlotAxisInputTest, DragScrollsWithTheMouseAndZoomsWithCtrl)
{
    Paint();
    const int length = x->GetScaleLength();
    ASSERT_GT(length, 100);
    Drag(x, length / 4);
    EXPECT_NEAR(x->Min(), -120.0 * (length / 4) / length, 1e-9);
    EXPECT_DOUBLE_EQ(x->Span(), 120.0);
    EXPECT_FALSE(x->TrackingEnabled());

    x->SetMinSpan(0, 120);
    Drag(x, length / 4, TShiftState { TShiftStateItem::ssCtrl });
    const double f = double(length / 4) / length;
    EXPECT_NEAR(x->Span(), 120.0 / std::pow(10.0, f / 4), 1e-9);
    EXPECT_NEAR(x->Min() + x->Span() / 2, 60.0, 1e-9); // about the middle
}

TEST_F(PlotAxisInputTest, WheelAndKeysStepTheScaleByMode)
{
    struct Case
    {
        const char* name;
        TiPlotAxisMode mode;
        std::function<void()> act;
        double min;
        double span;
    };
    const double notch = 120.0 / std::pow(10.0, 0.025);
    const Case cases[] = {
        { "wheel up, scroll", TiPlotAxisMode::ipamScroll, [&] { x->iMouseWheel(120, {}, TPoint()); }, 6.0, 120.0 },
        { "wheel down, scroll", TiPlotAxisMode::ipamScroll, [&] { x->iMouseWheel(-120, {}, TPoint()); }, -6.0, 120.0 },
        { "wheel up, zoom", TiPlotAxisMode::ipamZoom, [&] { x->iMouseWheel(120, {}, TPoint()); }, 60 - notch / 2, notch },
        { "page up, scroll", TiPlotAxisMode::ipamScroll, [&] { Key(x, 33); }, 120.0, 120.0 },
        { "home, scroll", TiPlotAxisMode::ipamScroll, [&] { Key(x, 36); }, -120.0, 120.0 },
        { "right, scroll", TiPlotAxisMode::ipamScroll, [&] { Key(x, 39); }, 1.2, 120.0 },
        { "other key", TiPlotAxisMode::ipamScroll, [&] { Key(x, 65); }, 0.0, 120.0 },
    };
    for (const Case& c : cases) {
        x->SetMinSpan(0, 120);
        x->SetMode(c.mode);
        c.act();
        EXPECT_NEAR(x->Min(), c.min, 1e-9) << c.name;
        EXPECT_NEAR(x->Span(), c.span, 1e-9) << c.name;
    }
}

TEST_F(PlotAxisInputTest, ScrollLimitsStopTheScaleAtItsEnds)
{
    x->SetScrollMinMaxEnabled(true);
    x->SetScrollMin(0);
    x->SetScrollMax(200);
    x->SetMinSpan(10, 50);
    x->ScrollBy(-1);
    EXPECT_DOUBLE_EQ(x->Min(), 0.0);
    x->ScrollBy(10);
    EXPECT_DOUBLE_EQ(x->Min(), 150.0);
    EXPECT_DOUBLE_EQ(x->Max(), 200.0);
}

TEST_F(PlotAxisInputTest, TrackingFollowsNewValuesByStyle)
{
    x->SetTrackingAlignFirstStyle(TiPlotAlignFirstStyle::ipafsNone);
    x->SetTrackingStyle(TiPlotTrackingStyle::iptsScrollSmooth);
    x->SetMinSpan(0, 10);
    for (int v = 0; v <= 25; ++v)
        x->NewTrackingData(v);
    EXPECT_DOUBLE_EQ(x->Min(), 15.0);
    EXPECT_DOUBLE_EQ(x->Span(), 10.0);

    x->SetTrackingStyle(TiPlotTrackingStyle::iptsScrollPage);
    x->SetMinSpan(0, 10);
    x->NewTrackingData(10.5);
    EXPECT_DOUBLE_EQ(x->Min(), 10.0);
    EXPECT_DOUBLE_EQ(x->Max(), 20.0);

    x->SetTrackingStyle(TiPlotTrackingStyle::iptsScaleMinMax);
    x->SetMinSpan(3, 44);
    x->NewTrackingData(50);
    EXPECT_DOUBLE_EQ(x->Max(), 50.0);
    x->NewTrackingData(-5);
    EXPECT_DOUBLE_EQ(x->Min(), -5.0);

    x->SetTrackingEnabled(false);
    const double min = x->Min();
    x->NewTrackingData(1000);
    EXPECT_DOUBLE_EQ(x->Min(), min);
}

TEST_F(PlotAxisInputTest, TrackingWidensToWholeMajorIncrements)
{
    x->SetDesiredIncrement(20);
    x->SetMinSpan(0, 100);
    Paint(); // the tick build sets the major increment
    ASSERT_DOUBLE_EQ(x->MajorIncrement(), 20.0);
    x->SetTrackingAlignFirstStyle(TiPlotAlignFirstStyle::ipafsNone);
    x->SetTrackingIncrementStyle(TiPlotTrackingIncrementStyle::iptisMajor);
    x->SetMinSpan(3, 44);
    x->NewTrackingData(47);
    EXPECT_DOUBLE_EQ(x->Min(), 0.0);
    EXPECT_DOUBLE_EQ(x->Max(), 60.0);
}

TEST_F(PlotAxisInputTest, FirstTrackedValueOutsideTheScaleMovesItThere)
{
    x->SetMinSpan(0, 10);
    x->NewTrackingData(100); // the X axis aligns its first value automatically
    EXPECT_DOUBLE_EQ(x->Min(), 100.0);
    EXPECT_DOUBLE_EQ(x->Span(), 10.0);
    x->ResetFirstAlign();
    x->NewTrackingData(105); // inside: stays
    EXPECT_DOUBLE_EQ(x->Min(), 100.0);
}

TEST_F(PlotAxisInputTest, TrackingOffKeepsTheScaleToComeBackTo)
{
    x->SetMinSpan(10, 20);
    x->SetTrackingEnabled(false);
    x->SetMinSpan(50, 5); // the user looks elsewhere
    x->SetTrackingEnabled(true);
    EXPECT_DOUBLE_EQ(x->Min(), 10.0);
    EXPECT_DOUBLE_EQ(x->Span(), 20.0);

    x->SetRestoreValuesOnResume(false);
    x->SetTrackingEnabled(false);
    x->SetMinSpan(50, 5);
    x->SetTrackingEnabled(true);
    EXPECT_DOUBLE_EQ(x->Min(), 50.0);
}

TEST_F(PlotAxisInputTest, ZoomToFitTakesTheChannelsExtents)
{
    x->SetTrackingEnabled(false);
    plot->YAxis(0)->SetTrackingEnabled(false);
    plot->Channel(0)->AddXY(-7, 1);
    plot->Channel(0)->AddXY(33, 2);
    x->ZoomToFit();
    EXPECT_DOUBLE_EQ(x->Min(), -7.0);
    EXPECT_DOUBLE_EQ(x->Span(), 40.0);
}

} // namespace
