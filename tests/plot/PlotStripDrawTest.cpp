// Pictures of the strip chart's drawing styles on a fixed canvas: steps, digital levels, the fast
// trace, curves kept in the pixel list, fills, bars and high-low symbols. With ZQ9_PICTURE_DIR set,
// each picture is also written there as PNG for a look by eye.

#include "PlotTestSupport.h"

#include "plot/iPlot.h"
#include "plot/iPlotAxis.h"

#include "platform/ui/TBitmap.h"
#include "platform/ui/TCanvas.h"

#include <gtest/gtest.h>

#include <QDir>

#include <cmath>
#include <set>

using namespace vcl;

namespace {

constexpr int kSize = 120;

class StripDrawTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        plot = std::make_unique<TiPlot>(nullptr);
        channel = plot->Channel(0);
        channel->SetColor(clWhite);
        xAxis = plot->XAxis(0);
        yAxis = plot->YAxis(0);
        // X over pixels 10..110 and Y over 110 (bottom) .. 10 (top), one pixel per unit.
        xAxis->SetHorizontal(true);
        yAxis->SetHorizontal(false);
        xAxis->SetDrawRect(TRect(10, 110, 110, 120));
        yAxis->SetDrawRect(TRect(0, 10, 10, 110));
        xAxis->SetMinSpan(0, 100);
        yAxis->SetMinSpan(0, 100);
    }

    void Fill(std::initializer_list<std::pair<double, double>> points)
    {
        channel->Clear();
        for (const auto& [x, y] : points)
            channel->AddXY(x, y);
    }

    static std::unique_ptr<TBitmap> Blank()
    {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetSize(kSize, kSize);
        bitmap->Canvas()->Brush()->SetColor(clBlack);
        bitmap->Canvas()->FillRect(TRect(0, 0, kSize, kSize));
        return bitmap;
    }

    // The channel as the paint pass draws it: placed axes, PrepareDraw, Draw.
    QImage Render(const char* name)
    {
        auto bitmap = Blank();
        xAxis->CalcScaleRect(bitmap->Canvas());
        yAxis->CalcScaleRect(bitmap->Canvas());
        channel->PrepareDraw();
        if (channel->CanDraw())
            channel->Draw(bitmap->Canvas(), clBlack);
        QImage image = bitmap->Canvas()->Image()->copy();
        const QByteArray dir = qgetenv("ZQ9_PICTURE_DIR");
        if (!dir.isEmpty())
            image.save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name) + ".png"));
        return image;
    }

    // Plain one-pixel white lines between value points (X, Y in axis units).
    static QImage Lines(const std::vector<std::pair<TPoint, TPoint>>& values)
    {
        auto bitmap = Blank();
        bitmap->Canvas()->Pen()->SetColor(clWhite);
        bitmap->Canvas()->Pen()->SetWidth(0);
        auto pixel = [](TPoint v) { return TPoint(10 + v.X, 110 - v.Y); };
        for (const auto& [a, b] : values)
            bitmap->Canvas()->Polyline({ pixel(a), pixel(b) });
        return bitmap->Canvas()->Image()->copy();
    }

    static std::set<QRgb> Colours(const QImage& image)
    {
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y) & 0xFFFFFF);
        return colours;
    }

    static QRgb Rgb(TColor c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF) & 0xFFFFFF; }

    std::unique_ptr<TiPlot> plot;
    TiPlotChannel* channel { nullptr };
    TiPlotXAxis* xAxis { nullptr };
    TiPlotYAxis* yAxis { nullptr };
};

TEST_F(StripDrawTest, StepTraceHoldsTheLastValueToTheRightEdgeUnlessTerminated)
{
    Fill({ { 0, 10 }, { 10, 20 } });
    channel->SetInterpolationStyle(TiPlotInterpolationStyle::ipistDifferential);
    EXPECT_EQ(Render("step"), Lines({ { { 0, 10 }, { 10, 10 } }, { { 10, 10 }, { 10, 20 } }, { { 10, 20 }, { 100, 20 } } }));
    channel->SetInterpolationStyle(TiPlotInterpolationStyle::ipistDifferentialTerminated);
    EXPECT_EQ(Render("step-terminated"), Lines({ { { 0, 10 }, { 10, 10 } }, { { 10, 10 }, { 10, 20 } } }));
}

TEST_F(StripDrawTest, DigitalTraceDrawsRunsAtTheReferenceLevelsWithAnEdgeAtEachTransition)
{
    channel->SetDigitalEnabled(true);
    Fill({ { 0, 0 }, { 5, 0 }, { 10, 3 } });
    // Low at 10, high at 90: the low run up to the edge; the single high point draws nothing yet.
    EXPECT_EQ(Render("digital"), Lines({ { { 0, 10 }, { 10, 10 } }, { { 10, 10 }, { 10, 90 } } }));
    channel->AddXY(12, 3);
    EXPECT_EQ(Render("digital-more"),
              Lines({ { { 0, 10 }, { 10, 10 } }, { { 10, 10 }, { 10, 90 } }, { { 10, 90 }, { 12, 90 } } }));
}

TEST_F(StripDrawTest, FastTraceDrawsOneStrokePerPixelColumn)
{
    channel->Clear();
    // 10000 points over 100 columns, each column swinging 20..80.
    for (int i = 0; i < 10000; ++i)
        channel->AddXY(i / 100.0, (i % 2) ? 80 : 20);
    const QImage fast = Render("fast");
    for (int column = 10; column < 109; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(fast.pixel(column, 110 - 20) & 0xFFFFFF, 0xFFFFFFu);
        EXPECT_EQ(fast.pixel(column, 110 - 79) & 0xFFFFFF, 0xFFFFFFu);
        EXPECT_EQ(fast.pixel(column, 110 - 50) & 0xFFFFFF, 0xFFFFFFu);
        EXPECT_EQ(fast.pixel(column, 110 - 85) & 0xFFFFFF, 0u);
    }
    // The same picture as the point-by-point trace of the same data.
    channel->SetFastDrawEnabled(false);
    const QImage slow = Render("fast-off");
    int differing = 0;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            differing += fast.pixel(x, y) != slow.pixel(x, y);
    EXPECT_LT(differing, 100);
}

TEST_F(StripDrawTest, FastTraceOfAWrappedRingBufferMatchesTheSamePointsInAPlainList)
{
    auto wave = [](int i) { return 50 + 40 * std::sin(i * 0.05) * ((i % 7) ? 1 : -1); };
    channel->SetRingBufferSize(500);
    for (int i = 0; i < 830; ++i) // the ring has wrapped: its oldest point sits mid-array
        channel->AddXY(i / 10.0, wave(i));
    xAxis->SetMinSpan(35, 50);
    const QImage ring = Render("fast-ring");
    channel->SetRingBufferSize(0);
    channel->Clear();
    for (int i = 330; i < 830; ++i)
        channel->AddXY(i / 10.0, wave(i));
    xAxis->SetMinSpan(35, 50); // the X axis tracked the new points
    EXPECT_EQ(Render("fast-plain"), ring);
    EXPECT_GT(Colours(ring).count(0xFFFFFF), 0u);
}

// The standard list's columns are read through block summaries kept from paint to paint; a list
// that keeps every attribute per point is read point by point. Both give one picture, also after
// points are added, edited or deleted between paints.
TEST_F(StripDrawTest, FastTraceThroughKeptBlocksMatchesThePointByPointReading)
{
    TiPlotChannel* reference = static_cast<TiPlotChannel*>(plot->Channel(plot->AddChannel()));
    reference->SetColor(clWhite);
    reference->SetDataStyle(TiPlotDataStyle::ipdsFullFeature);
    auto both = [&](auto&& change) {
        change(channel);
        change(reference);
    };
    auto add = [&](int from, int to) {
        both([&](TiPlotChannel* c) {
            for (int i = from; i < to; ++i) {
                const double y = 50 + 30 * std::sin(i * 0.01) + ((i * 7919) % 13);
                if (i == 7777)
                    c->AddXNull(i / 250.0);
                else if (i == 9001)
                    c->AddXEmpty(i / 250.0);
                else
                    c->AddXY(i / 250.0, y);
            }
        });
    };
    auto compare = [&](const char* what) {
        SCOPED_TRACE(what);
        reference->SetVisible(false);
        const QImage kept = Render("blocks");
        TiPlotChannel* main = channel;
        channel = reference;
        reference->SetVisible(true);
        main->SetVisible(false);
        const QImage plain = Render("blocks-reference");
        main->SetVisible(true);
        channel = main;
        EXPECT_EQ(kept, plain);
        EXPECT_GT(Colours(kept).count(0xFFFFFF), 0u);
    };
    add(0, 20000);
    compare("first paint");
    compare("kept blocks");
    add(20000, 25000);
    compare("points added");
    both([](TiPlotChannel* c) { c->SetY(12345, 99); });
    compare("point edited");
    both([](TiPlotChannel* c) { c->DeletePoints(3000); });
    compare("oldest points deleted");
}

// A full ring scrolling on renews only the blocks whose slots took new points; each frame must
// still show what reading every point shows: frames smaller than a block, frames across the end of
// the array, a gap among the new points, an edit, and a frame that replaces the whole ring.
TEST_F(StripDrawTest, ScrollingRingThroughKeptBlocksMatchesThePointByPointReading)
{
    constexpr int ring = 3000;
    TiPlotChannel* reference = static_cast<TiPlotChannel*>(plot->Channel(plot->AddChannel()));
    reference->SetColor(clWhite);
    reference->SetDataStyle(TiPlotDataStyle::ipdsFullFeature);
    for (TiPlotChannel* c : { channel, reference })
        c->SetRingBufferSize(ring);
    int next = 0;
    auto frame = [&](int points) {
        for (TiPlotChannel* c : { channel, reference })
            for (int i = next; i < next + points; ++i) {
                if (i == 4100)
                    c->AddXNull(i / 30.0);
                else
                    c->AddXY(i / 30.0, 50 + 30 * std::sin(i * 0.02) + ((i * 7919) % 11));
            }
        next += points;
        xAxis->SetMinSpan((next - ring) / 30.0, (ring - 1) / 30.0);
    };
    auto compare = [&](const char* what) {
        SCOPED_TRACE(what);
        reference->SetVisible(false);
        const QImage kept = Render("ring-blocks");
        TiPlotChannel* main = channel;
        channel = reference;
        reference->SetVisible(true);
        main->SetVisible(false);
        const QImage plain = Render("ring-blocks-reference");
        main->SetVisible(true);
        channel = main;
        EXPECT_EQ(kept, plain);
        EXPECT_GT(Colours(kept).count(0xFFFFFF), 0u);
    };
    frame(ring + 500);
    compare("wrapped");
    for (int points : { 700, 10, 1, 63, 64, 1900 }) {
        frame(points);
        compare("frame");
    }
    for (TiPlotChannel* c : { channel, reference })
        c->SetY(ring / 2, 5);
    compare("point edited");
    frame(ring + 17);
    compare("whole ring replaced");
    frame(129);
    compare("after the whole ring");
}

TEST_F(StripDrawTest, FastTraceBreaksAtNullPointsAndSkipsEmptyOnes)
{
    channel->Clear();
    channel->AddXY(0, 10);
    channel->AddXY(20, 10);
    channel->AddXNull(30);
    channel->AddXY(40, 50);
    channel->AddXEmpty(50);
    channel->AddXY(60, 50);
    EXPECT_EQ(Render("fast-gaps"), Lines({ { { 0, 10 }, { 20, 10 } }, { { 40, 50 }, { 60, 50 } } }));
}

TEST_F(StripDrawTest, CurvesAreEvaluatedPerColumnIntoThePixelList)
{
    Fill({ { 0, 0 }, { 50, 50 }, { 100, 0 } });
    for (auto style : { TiPlotInterpolationStyle::ipistCubicSpline, TiPlotInterpolationStyle::ipistPolynomial,
                        TiPlotInterpolationStyle::ipistRational }) {
        channel->SetInterpolationStyle(style);
        const QImage image = Render("curve");
        SCOPED_TRACE(int(style));
        // Every column between the first and the last X holds a value.
        ASSERT_GE(channel->PixelListCount(), 101);
        for (int i = 0; i <= 100; ++i)
            EXPECT_FALSE(channel->PixelPoint(i).Null) << i;
        double y = -1;
        EXPECT_EQ(channel->GetCursorYValue(y, 50), TiPlotDataPointStatus::ipdpsValid);
        EXPECT_NEAR(y, 50.0, 1.0);
        EXPECT_EQ(image.pixel(60, 110 - 50) & 0xFFFFFF, 0xFFFFFFu);
    }
    // The polynomial through three points is the parabola 2x - x^2/50.
    channel->SetInterpolationStyle(TiPlotInterpolationStyle::ipistPolynomial);
    Render("polynomial");
    double y = 0;
    channel->GetCursorYValue(y, 25);
    EXPECT_NEAR(y, 37.5, 0.01);
}

TEST_F(StripDrawTest, ASplineThroughEqualXLeavesTheChannelOutOfThatPaintOnly)
{
    Fill({ { 0, 0 }, { 50, 10 }, { 50, 20 }, { 100, 0 } });
    channel->SetInterpolationStyle(TiPlotInterpolationStyle::ipistCubicSpline);
    QImage image;
    EXPECT_NO_THROW(image = Render("spline-equal-x"));
    channel->SetInterpolationStyle(TiPlotInterpolationStyle::ipistStraightLine);
    EXPECT_NE(Colours(Render("straight")).count(0xFFFFFF), 0u);
}

TEST_F(StripDrawTest, FillReachesTheReferenceInTheFillColour)
{
    Fill({ { 0, 40 }, { 100, 40 } });
    channel->SetFillEnabled(true);
    channel->SetFillReference(10);
    channel->SetFillUseChannelColor(false);
    channel->SetFillColor(clGreen);
    const QImage image = Render("fill");
    EXPECT_EQ(image.pixel(50, 110 - 25) & 0xFFFFFF, Rgb(clGreen));
    EXPECT_EQ(image.pixel(50, 110 - 45) & 0xFFFFFF, 0u);
    // A clear fill style draws no fill.
    channel->SetFillStyle(TBrushStyle::bsClear);
    EXPECT_EQ(Render("fill-clear").pixel(50, 110 - 25) & 0xFFFFFF, 0u);
}

TEST_F(StripDrawTest, BarsSpanFromTheirReferenceToThePoint)
{
    Fill({ { 50, 60 } });
    channel->SetBarEnabled(true);
    channel->SetBarWidth(10);
    channel->SetBarReference(20);
    channel->SetBarBrushUseChannelColor(false);
    channel->SetBarBrushColor(clBlue);
    const QImage image = Render("bars");
    EXPECT_EQ(image.pixel(10 + 50, 110 - 40) & 0xFFFFFF, Rgb(clBlue));
    EXPECT_EQ(image.pixel(10 + 50, 110 - 70) & 0xFFFFFF, 0u);
    EXPECT_EQ(image.pixel(10 + 40, 110 - 40) & 0xFFFFFF, 0u);
}

TEST_F(StripDrawTest, CandlesAreFilledBearishWhenTheyOpenAboveTheClose)
{
    channel->SetDataStyle(TiPlotDataStyle::ipdsFullFeature);
    channel->SetHighLowEnabled(true);
    channel->SetHighLowStyle(TiPlotHighLowStyle::iphlsCandleStick);
    channel->SetHighLowBarWidth(10);
    channel->SetTraceVisible(false);
    channel->AddHighLow(30, 90, 10, 50, 30); // opens above its close
    channel->AddHighLow(70, 90, 10, 30, 50);
    channel->SetHighLowBearishColor(clRed);
    channel->SetHighLowBullishColor(clLime);
    const QImage image = Render("candles");
    EXPECT_EQ(image.pixel(10 + 30 + 2, 110 - 40) & 0xFFFFFF, Rgb(clRed));
    EXPECT_EQ(image.pixel(10 + 70 + 2, 110 - 40) & 0xFFFFFF, Rgb(clLime));
    // The shadow runs from the high to the low.
    EXPECT_EQ(image.pixel(10 + 30, 110 - 85) & 0xFFFFFF, Rgb(channel->HighLowShadowColor()));

    channel->SetHighLowStyle(TiPlotHighLowStyle::iphlsOpenClose);
    const QImage bars = Render("open-close");
    EXPECT_EQ(bars.pixel(10 + 30, 110 - 85) & 0xFFFFFF, Rgb(channel->HighLowBarColor()));
}

TEST_F(StripDrawTest, OpenCloseBarsCarryTheOpenTickLeftAndTheCloseTickRight)
{
    channel->SetDataStyle(TiPlotDataStyle::ipdsFullFeature);
    channel->SetHighLowEnabled(true);
    channel->SetTraceVisible(false);
    channel->SetHighLowBarWidth(2);
    channel->SetHighLowOpenWidth(6);
    channel->SetHighLowCloseWidth(6);
    channel->SetHighLowOpenHeight(2);
    channel->SetHighLowCloseHeight(2);
    channel->SetHighLowBarColor(clYellow);
    channel->SetHighLowOpenColor(clLime);
    channel->SetHighLowCloseColor(clRed);
    channel->AddHighLow(50, 80, 20, 40, 60);
    const QImage image = Render("open-close-ticks");
    // The bar: columns 59 and 60 from the high (pixel 30) down to the low (90).
    EXPECT_EQ(image.pixel(59, 35) & 0xFFFFFF, Rgb(clYellow));
    EXPECT_EQ(image.pixel(60, 85) & 0xFFFFFF, Rgb(clYellow));
    EXPECT_EQ(image.pixel(58, 35) & 0xFFFFFF, 0u);
    // The open tick left of the bar's middle at the open (pixel 70), the close tick right of it at
    // the close (pixel 50).
    EXPECT_EQ(image.pixel(56, 69) & 0xFFFFFF, Rgb(clLime));
    EXPECT_EQ(image.pixel(64, 69) & 0xFFFFFF, 0u);
    EXPECT_EQ(image.pixel(63, 49) & 0xFFFFFF, Rgb(clRed));
    EXPECT_EQ(image.pixel(56, 49) & 0xFFFFFF, 0u);
}

TEST_F(StripDrawTest, DigitalMarkersSitOnTheLevelOfTheirPoint)
{
    channel->SetDigitalEnabled(true);
    channel->SetTraceVisible(false);
    channel->SetMarkersVisible(true);
    channel->SetMarkersStyle(TiPlotMarkerStyle::ipmsSquare);
    channel->SetMarkersSize(2);
    Fill({ { 20, 0 }, { 60, 5 } });
    const QImage image = Render("digital-markers");
    // Low at 10 % and high at 90 % of the Y axis: pixels 100 and 20.
    EXPECT_EQ(image.pixel(10 + 20, 100) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(10 + 60, 20) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(10 + 60, 110 - 5) & 0xFFFFFF, 0u); // not at the point's own value
    EXPECT_EQ(Colours(image).size(), 2u);
}

} // namespace
