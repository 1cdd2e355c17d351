// The plot's paint pass on a bitmap: the precondition that a plot without legend, toolbar or data
// view paints nothing, the layout of the objects around the data view, the drawing order of
// layered objects and the collision rectangles of cartesian axes.

#include "PaintedPlot.h"
#include "PlotTestSupport.h"

#include "plot/iPlotAxis.h"
#include "plot/iPlotDataView.h"
#include "plot/iXYPlot.h"

#include "platform/ui/TBitmap.h"
#include "platform/ui/TCanvas.h"

#include <gtest/gtest.h>

#include <initializer_list>

using namespace vcl;

namespace {

using ptest::PaintedPlot;

class PlotPaintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        plot = std::make_unique<PaintedPlot>(nullptr);
        plot->SetBounds(0, 0, 400, 200);
        plot->OnAfterPaint = [this](TObject*) { ++passes; };
    }

    // One pass on a bitmap first filled with Sentinel.
    QImage Paint(TColor Sentinel = TColor(0x123456))
    {
        TBitmap bitmap;
        bitmap.SetSize(plot->Width(), plot->Height());
        bitmap.Canvas()->Brush()->SetColor(Sentinel);
        bitmap.Canvas()->FillRect(TRect(0, 0, plot->Width(), plot->Height()));
        plot->iPaintTo(bitmap.Canvas());
        return bitmap.Image().copy();
    }

    std::unique_ptr<PaintedPlot> plot;
    int passes { 0 };
};


QRgb Rgb(TColor Color) { return ToQColor(Color).rgb(); }

int CountOf(const QImage& Image, TColor Color)
{
    int n = 0;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            n += (Image.pixel(x, y) & 0xFFFFFF) == (Rgb(Color) & 0xFFFFFF);
    return n;
}

TEST_F(PlotPaintTest, PlotWithoutLegendToolbarOrDataViewPaintsNothing)
{
    const TColor sentinel(0x123456);
    const int whole = plot->Width() * plot->Height();
    ASSERT_LT(CountOf(Paint(sentinel), sentinel), whole); // with all three the pass paints
    EXPECT_EQ(passes, 1);

    struct Case { const char* name; void (TiPlotComponent::*remove)(); };
    const Case cases[] = { { "legend", &TiPlotComponent::RemoveAllLegends },
                           { "toolbar", &TiPlotComponent::RemoveAllToolBars },
                           { "data view", &TiPlotComponent::RemoveAllDataViews } };
    for (const Case& c : cases) {
        plot = std::make_unique<PaintedPlot>(nullptr);
        plot->SetBounds(0, 0, 400, 200);
        passes = 0;
        plot->OnAfterPaint = [this](TObject*) { ++passes; };
        (plot.get()->*c.remove)();
        EXPECT_EQ(CountOf(Paint(sentinel), sentinel), whole) << c.name;
        EXPECT_EQ(passes, 0) << c.name;
        EXPECT_FALSE(plot->PaintingActive()) << c.name;
    }
}

TEST_F(PlotPaintTest, AxesBorderTheDataViewAndSpanIt)
{
    Paint();
    const TRect dv = plot->DataView(0)->DrawRect();
    const TRect x = plot->XAxis(0)->DrawRect();
    const TRect y = plot->YAxis(0)->DrawRect();
    EXPECT_EQ(y.Right, dv.Left);
    EXPECT_EQ(x.Top, dv.Bottom);
    EXPECT_EQ(x.Left, dv.Left);
    EXPECT_EQ(x.Right, dv.Right);
    EXPECT_EQ(y.Top, dv.Top);
    EXPECT_EQ(y.Bottom, dv.Bottom);
    EXPECT_GT(y.Left, 2); // inside the lowered border and the outer margin
    EXPECT_LT(x.Bottom, plot->Height() - 2);
}

TEST_F(PlotPaintTest, WithoutBorderMarginsOrObjectsTheDataViewTouchesTheEdges)
{
    plot->SetBorderStyle(TiBevelStyle::ibsNone);
    plot->SetOuterMarginLeft(0);
    plot->SetOuterMarginTop(0);
    plot->SetOuterMarginRight(0);
    plot->SetOuterMarginBottom(0);
    for (TiPlotLayoutObject* o : std::initializer_list<TiPlotLayoutObject*> {
             plot->XAxis(0), plot->YAxis(0), plot->Legend(0), plot->ToolBar(0), plot->Label(0) })
        o->SetVisible(false);
    Paint();
    EXPECT_EQ(plot->DataView(0)->DrawRect(), TRect(0, 0, plot->Width() - 1, plot->Height() - 1));
}

TEST_F(PlotPaintTest, ToolbarAloneOnTopSitsAtTheBorderAcrossTheWholeWidth)
{
    plot->Legend(0)->SetVisible(false);
    plot->Label(0)->SetVisible(false);
    plot->ToolBar(0)->SetVisible(true);
    Paint();
    const TRect bar = plot->ToolBar(0)->DrawRect();
    EXPECT_EQ(bar.Top, 2);
    TBitmap scratch;
    EXPECT_EQ(bar.Bottom, plot->ToolBar(0)->GetRequiredWidth(scratch.Canvas()) + 2);
    EXPECT_EQ(bar.Left, 2);
    EXPECT_EQ(bar.Right, plot->Width() - 2 - 1);
}

TEST_F(PlotPaintTest, AxesSharingAZOrderAbutAtTheirStackedEnds)
{
    const int second = plot->AddXAxis();
    plot->XAxis(0)->SetStartStopPercent(0, 50);
    plot->XAxis(second)->SetStartStopPercent(50, 100);
    plot->XAxis(second)->SetZOrder(plot->XAxis(0)->ZOrder()); // the layout sorts them by their spans
    Paint();
    EXPECT_FALSE(plot->XAxis(0)->StartStacked());
    EXPECT_TRUE(plot->XAxis(0)->StopStacked());
    EXPECT_TRUE(plot->XAxis(second)->StartStacked());
    EXPECT_FALSE(plot->XAxis(second)->StopStacked());
    EXPECT_EQ(plot->XAxis(0)->DrawRect().Right, plot->XAxis(second)->DrawRect().Left);
}

// Two channels over the same points: the one that wins the pixels is drawn last.
TEST_F(PlotPaintTest, ChannelsOfOneLayerDrawTheFirstOnTopAndAHigherLayerAboveThat)
{
    plot->AddChannel();
    plot->Legend(0)->SetVisible(false); // its samples show both colours
    const TColor first(0x0000FF);
    const TColor second(0x00FF00);
    plot->Channel(0)->SetColor(first);
    plot->Channel(1)->SetColor(second);
    for (int c = 0; c < 2; ++c) {
        plot->Channel(c)->SetTraceLineWidth(3);
        plot->Channel(c)->AddXY(10, 50);
        plot->Channel(c)->AddXY(90, 50);
    }
    plot->XAxis(0)->SetMinSpan(0, 100);
    plot->YAxis(0)->SetMinSpan(0, 100);
    QImage image = Paint();
    EXPECT_GT(CountOf(image, first), 100);
    EXPECT_EQ(CountOf(image, second), 0);

    plot->Channel(1)->SetLayer(plot->Channel(0)->Layer() + 1);
    image = Paint();
    EXPECT_EQ(CountOf(image, first), 0);
    EXPECT_GT(CountOf(image, second), 100);
}

// Axes drawn through the data view keep their labels below (horizontal) or to the right (vertical)
// of their line, whichever side they were put on, and their scale spans the whole view.
TEST_F(PlotPaintTest, CartesianAxesLabelBelowAndRightOfTheirLine)
{
    const TColor labels(0x00FFFF);
    plot->SetBounds(0, 0, 400, 400);
    plot->Legend(0)->SetVisible(false);
    for (TiPlotAxis* axis : { static_cast<TiPlotAxis*>(plot->XAxis(0)), static_cast<TiPlotAxis*>(plot->YAxis(0)) }) {
        axis->SetCartesianStyle(TiPlotCartesianStyle::ipcsMaster);
        axis->SetMinSpan(-100, 200);
        axis->SetDesiredIncrement(50); // labels at -50 and 50 clear of the crossing and the view's edges
        axis->LabelsFont()->SetColor(labels);
    }
    plot->XAxis(0)->SetReverseSide(true); // on the frame: labels above; the Y axis's: to the left
    const QImage image = Paint();
    const TRect dv = plot->DataView(0)->DrawRect();
    const TiPlotAxis* x = plot->XAxis(0);
    const TiPlotAxis* y = plot->YAxis(0);
    EXPECT_EQ(x->QuadSide(), TiQuadSide::iqsBottom);
    EXPECT_EQ(y->QuadSide(), TiQuadSide::iqsRight);
    EXPECT_EQ(x->ScaleRect().Left, dv.Left);
    EXPECT_EQ(x->ScaleRect().Right, dv.Right);
    EXPECT_EQ(y->ScaleRect().Top, dv.Top);
    EXPECT_EQ(y->ScaleRect().Bottom, dv.Bottom);

    const int lineX = y->DrawRect().Left;
    const int lineY = x->DrawRect().Top;
    // Label pixels by quarter of the view around the crossing of the two lines: the X labels lie
    // below the X line, the Y labels right of the Y line, so the upper left quarter stays empty.
    int quarters[2][2] = {};
    for (int py = dv.Top; py <= dv.Bottom; ++py)
        for (int px = dv.Left; px <= dv.Right; ++px)
            if ((image.pixel(px, py) & 0xFFFFFF) == (Rgb(labels) & 0xFFFFFF))
                ++quarters[py > lineY][px > lineX];
    EXPECT_EQ(quarters[0][0], 0);
    EXPECT_GT(quarters[1][0], 0); // X labels left of the crossing
    EXPECT_GT(quarters[0][1], 0); // Y labels above it
}

TEST_F(PlotPaintTest, CollisionRectanglesKeepLabelsApartAndInsideTheDataView)
{
    Paint();
    const TRect dv = plot->DataView(0)->DrawRect();
    plot->ClearCollisionRects();
    const TRect outside(dv.Left - 20, dv.Top, dv.Left - 10, dv.Top + 10);
    EXPECT_TRUE(plot->TryAddCollisionRect(outside)); // an empty list accepts anything
    const TRect inside(dv.Left + 10, dv.Top + 10, dv.Left + 30, dv.Top + 20);
    EXPECT_TRUE(plot->TryAddCollisionRect(inside));
    EXPECT_FALSE(plot->TryAddCollisionRect(TRect(dv.Left + 20, dv.Top + 15, dv.Left + 40, dv.Top + 25)));
    EXPECT_FALSE(plot->TryAddCollisionRect(TRect(dv.Right - 5, dv.Top + 40, dv.Right + 5, dv.Top + 50)));
    EXPECT_TRUE(plot->TryAddCollisionRect(TRect(dv.Left + 40, dv.Top + 10, dv.Left + 60, dv.Top + 20)));
}

} // namespace
