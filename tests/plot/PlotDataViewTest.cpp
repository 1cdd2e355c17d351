// The data view: its grid and frame as painted, percent <-> pixel conversions, and the mouse in
// axes-control mode (dragging the axes, the right-drag zoom box).

#include "PaintedPlot.h"
#include "PlotTestSupport.h"

#include "plot/iPlotAxis.h"
#include "plot/iPlotDataView.h"
#include "plot/iXYPlot.h"

#include "platform/core/Exception.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TCanvas.h"

#include <gtest/gtest.h>

using namespace vcl;

namespace {

using ptest::PaintedPlot;

class PlotDataViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        plot = std::make_unique<PaintedPlot>(nullptr);
        plot->SetBounds(0, 0, 400, 240);
        view = plot->DataView(0);
        view->SetGridXAxisName(QStringLiteral("X-Axis 1"));
        view->SetGridYAxisName(QStringLiteral("Y-Axis 1"));
        plot->Legend(0)->SetVisible(false);
        plot->XAxis(0)->SetMinSpan(0, 100);
        plot->YAxis(0)->SetMinSpan(0, 100);
    }

    QImage Paint()
    {
        TBitmap bitmap;
        bitmap.SetSize(plot->Width(), plot->Height());
        plot->iPaintTo(bitmap.Canvas());
        return bitmap.Image().copy();
    }

    static QRgb Rgb(TColor Color) { return ToQColor(Color).rgb() & 0xFFFFFF; }
    static QRgb At(const QImage& Image, int X, int Y) { return Image.pixel(X, Y) & 0xFFFFFF; }

    // A point inside the data view, clear of the grid: a quarter of the way between two majors.
    int MajorPixelX(double Value) const { return plot->XAxis(0)->PositionToPixels(Value); }
    int MajorPixelY(double Value) const { return plot->YAxis(0)->PositionToPixels(Value); }

    void Press(TMouseButton Button, int X, int Y, TShiftState Shift = {})
    {
        view->iMouseDown(Button, Shift, X, Y, X, Y, nullptr);
    }
    void Move(int X, int Y, TShiftState Shift = {})
    {
        TiHintData hint;
        view->iMouseMove(hint, Shift, X, Y, X, Y, false);
    }
    void Release(TMouseButton Button, int X, int Y, TShiftState Shift = {})
    {
        view->iMouseUp(Button, Shift, X, Y, X, Y, false, nullptr);
    }

    std::unique_ptr<PaintedPlot> plot;
    TiPlotDataView* view { nullptr };
};

TEST_F(PlotDataViewTest, NewViewIsTransparentWithGreenMajorGridAndAFrameOnAllFourSides)
{
    plot->SetBackGroundColor(clBlack);
    const QImage image = Paint();
    const TRect dv = view->DrawRect();
    const QRgb green = Rgb(TColor(0x008000));
    const int midY = (dv.Top + dv.Bottom) / 2 + 3;
    const int midX = (dv.Left + dv.Right) / 2 + 3;
    EXPECT_EQ(At(image, dv.Left, midY), green);
    EXPECT_EQ(At(image, dv.Right, midY), green);
    EXPECT_EQ(At(image, midX, dv.Top), green);
    EXPECT_EQ(At(image, midX, dv.Bottom), green);
    EXPECT_EQ(At(image, MajorPixelX(40), midY), green); // X majors every 20
    EXPECT_EQ(At(image, midX, MajorPixelY(50)), green);
    EXPECT_EQ(At(image, MajorPixelX(45), MajorPixelY(45)), Rgb(clBlack)); // no minors, no fill
}

TEST_F(PlotDataViewTest, CustomXMajorPenLeavesTheYMajorsInTheGridColour)
{
    view->SetGridLineXMajorCustom(true);
    view->SetGridLineXMajorColor(TColor(0x0000FF));
    view->SetGridLineXMajorWidth(2);
    view->SetGridLineXMajorStyle(TiPlotGridLineStyle::ipglsDot);
    const QImage image = Paint();
    int red = 0;
    const int x = MajorPixelX(40);
    for (int y = view->DrawRect().Top + 1; y < view->DrawRect().Bottom; ++y)
        red += At(image, x, y) == Rgb(TColor(0x0000FF)) || At(image, x + 1, y) == Rgb(TColor(0x0000FF));
    const int height = view->DrawRect().Bottom - view->DrawRect().Top;
    EXPECT_GT(red, height / 4); // dotted: a good part of the column, not all of it
    EXPECT_LT(red, height);
    EXPECT_EQ(At(image, MajorPixelX(45), MajorPixelY(50)), Rgb(TColor(0x008000)));
}

TEST_F(PlotDataViewTest, AllInAnyCaseDrawsTheGridOfEveryXAxis)
{
    const int second = plot->AddXAxis();
    plot->XAxis(second)->SetMinSpan(3, 100); // majors of the second axis fall between the first's
    auto secondAxisLine = [&](const QImage& image) {
        const TiPlotAxis* axis = plot->XAxis(second);
        return At(image, axis->PositionToPixels(40), MajorPixelY(45)) == Rgb(TColor(0x008000));
    };
    EXPECT_FALSE(secondAxisLine(Paint()));
    view->SetGridXAxisName(QStringLiteral("<all>"));
    EXPECT_TRUE(secondAxisLine(Paint()));
}

TEST_F(PlotDataViewTest, PercentPositionsMapTheViewEdgesAndSaturate)
{
    view->SetDrawRect(TRect(40, 20, 240, 120));
    EXPECT_EQ(view->PositionPercentToPixelsY(100), 20);
    EXPECT_EQ(view->PositionPercentToPixelsY(0), 120);
    EXPECT_EQ(view->PositionPercentToPixelsX(50), 140);
    EXPECT_DOUBLE_EQ(view->PixelsXToPositionPercent(40), 0.0);
    EXPECT_DOUBLE_EQ(view->PixelsYToPositionPercent(70), 50.0);
    EXPECT_EQ(view->PositionPercentToPixelsX(1e12), 32000);
    EXPECT_EQ(view->PositionPercentToPixelsY(1e12), -32000);

    view->SetDrawRect(TRect(40, 20, 40, 20));
    EXPECT_THROW(view->PixelsXToPositionPercent(40), Exception);
    EXPECT_THROW(view->PixelsYToPositionPercent(20), Exception);
    EXPECT_THROW(view->PositionPercentToPixelsX(10), Exception);
    EXPECT_THROW(view->PositionPercentToPixelsY(10), Exception);
}

TEST_F(PlotDataViewTest, RightDragBeyondFivePixelsDrawsAZoomBoxThatZoomsEveryAxis)
{
    Paint();
    view->SetAxesControlEnabled(true);
    const int x0 = MajorPixelX(20);
    const int y0 = MajorPixelY(80);
    Press(TMouseButton::mbRight, x0, y0);
    Move(x0 + 4, y0 + 4);
    EXPECT_FALSE(view->ZoomBoxActive());
    Move(x0 + 6, y0);
    EXPECT_TRUE(view->ZoomBoxActive());
    EXPECT_FALSE(plot->XAxis(0)->TrackingEnabled()); // a zoom box stops tracking
    Move(MajorPixelX(60), MajorPixelY(40));
    Release(TMouseButton::mbRight, MajorPixelX(60), MajorPixelY(40));
    EXPECT_FALSE(view->ZoomBoxActive());
    EXPECT_NEAR(plot->XAxis(0)->Min(), 20, 0.5);
    EXPECT_NEAR(plot->XAxis(0)->Max(), 60, 0.5);
    EXPECT_NEAR(plot->YAxis(0)->Min(), 40, 0.5);
    EXPECT_NEAR(plot->YAxis(0)->Max(), 80, 0.5);
}

TEST_F(PlotDataViewTest, ZoomBoxDrawnUpwardOrCancelledChangesNothing)
{
    Paint();
    view->SetAxesControlEnabled(true);
    auto drag = [&](int x0, int y0, int x1, int y1) {
        Press(TMouseButton::mbRight, x0, y0);
        Move(x1, y1);
        Release(TMouseButton::mbRight, x1, y1);
    };
    drag(MajorPixelX(60), MajorPixelY(40), MajorPixelX(20), MajorPixelY(80)); // up and left
    EXPECT_EQ(plot->XAxis(0)->Min(), 0);
    EXPECT_EQ(plot->YAxis(0)->Span(), 100);

    view->OnBeforeZoomBox = [](TRect&, bool& Cancel) { Cancel = true; };
    drag(MajorPixelX(20), MajorPixelY(80), MajorPixelX(60), MajorPixelY(40));
    EXPECT_EQ(plot->XAxis(0)->Min(), 0);
    EXPECT_EQ(plot->YAxis(0)->Span(), 100);
}

TEST_F(PlotDataViewTest, ShiftDragMostlySidewaysMovesOnlyTheXAxes)
{
    Paint();
    view->SetAxesControlEnabled(true);
    const TShiftState shift { TShiftStateItem::ssShift };
    const int x0 = MajorPixelX(50);
    const int y0 = MajorPixelY(50);
    Press(TMouseButton::mbLeft, x0, y0, shift);
    Move(x0 + 10, y0 + 2, shift);
    Release(TMouseButton::mbLeft, x0 + 10, y0 + 2, shift);
    EXPECT_LT(plot->XAxis(0)->Min(), 0); // the scale follows the mouse to the right
    EXPECT_EQ(plot->YAxis(0)->Min(), 0);
}

TEST_F(PlotDataViewTest, WithoutAxesControlTheWheelIsLeftToOthers)
{
    EXPECT_FALSE(view->iMouseWheel(120, {}, TPoint(10, 10)));
    view->SetAxesControlEnabled(true);
    EXPECT_TRUE(view->iMouseWheel(120, {}, TPoint(10, 10)));
    EXPECT_DOUBLE_EQ(plot->XAxis(0)->Min(), 5.0); // X only by default
    EXPECT_DOUBLE_EQ(plot->YAxis(0)->Min(), 0.0);
}

} // namespace
