// Trace and marker drawing of a channel on a bitmap, against linear test scales: the pen rules,
// gaps, clipping with and without ClipToAxes, column merging giving the pixels of the separate
// segments, the markers' turn-off limit and the legend sample's size cap.

#include "PaintedPlot.h"
#include "PlotTestSupport.h"

#include "plot/iPlotChannelPainter.h"
#include "plot/iXYPlot.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/TBitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

using namespace vcl;

namespace {

// Min..Max onto the pixels Start..Stop.
class LinearScale : public IiPlotAxisScale
{
public:
    LinearScale(double min, double max, int start, int stop) : m_min(min), m_max(max), m_start(start), m_stop(stop) {}
    double Min() const override { return m_min; }
    double Max() const override { return m_max; }
    int PositionToPixels(double v) const override
    {
        return std::clamp(m_start + RoundToInt((v - m_min) * (m_stop - m_start) / (m_max - m_min)), -32000, 32000);
    }
    double PixelsToPosition(int p) const override { return m_min + (p - m_start) * (m_max - m_min) / (m_stop - m_start); }
    bool ValueOnScale(double v) const override
    {
        const int p = PositionToPixels(v);
        return p >= std::min(m_start, m_stop) && p <= std::max(m_start, m_stop);
    }
    int MinPixels() const override { return PositionToPixels(m_min); }
    int MaxPixels() const override { return PositionToPixels(m_max); }
    bool PixelsFollowValues() const override { return true; }

private:
    double m_min, m_max;
    int m_start, m_stop;
};

enum PointKind { V, N, E };

struct Point
{
    double x, y;
    PointKind kind { V };
};

class ChannelDrawTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        plot = std::make_unique<TiXYPlot>(nullptr);
        channel = plot->Channel(0);
        channel->SetColor(clWhite);
    }

    void Fill(const std::vector<Point>& points)
    {
        channel->Clear();
        for (const Point& p : points)
            channel->AddPoint(p.x, p.y, p.kind == N, p.kind == E);
        channel->PrepareDraw();
    }

    static std::unique_ptr<TBitmap> Blank(int size = 120)
    {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetSize(size, size);
        bitmap->Canvas()->Brush()->SetColor(clBlack);
        bitmap->Canvas()->FillRect(TRect(0, 0, size, size));
        return bitmap;
    }

    QImage Trace(const LinearScale& x, const LinearScale& y, bool reversed = false)
    {
        auto bitmap = Blank();
        TiPlotChannelPainter(*channel, &x, &y).DrawTrace(bitmap->Canvas(), reversed, clBlack);
        lastPenWidth = bitmap->Canvas()->Pen()->Width();
        return bitmap->Canvas()->Image()->copy();
    }

    // The pixels of plain lines between pixel points, drawn with the trace's pen.
    static QImage Lines(const std::vector<std::pair<TPoint, TPoint>>& lines)
    {
        auto bitmap = Blank();
        bitmap->Canvas()->Pen()->SetColor(clWhite);
        bitmap->Canvas()->Pen()->SetWidth(0);
        for (const auto& [a, b] : lines)
            bitmap->Canvas()->Polyline({ a, b });
        return bitmap->Canvas()->Image()->copy();
    }

    static int Lit(const QImage& image)
    {
        int lit = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                lit += (image.pixel(x, y) & 0xFFFFFF) != 0;
        return lit;
    }

    std::unique_ptr<TiXYPlot> plot;
    TiXYPlotChannel* channel { nullptr };
    int lastPenWidth { -1 };
    // 0..100 onto pixels 10..110, in both directions (Y grows upward).
    LinearScale xs { 0, 100, 10, 110 };
    LinearScale ys { 0, 100, 110, 10 };
};

TEST_F(ChannelDrawTest, TraceWidthOneDrawsWithTheCosmeticPen)
{
    for (auto [width, pen] : { std::pair { 1, 0 }, std::pair { 2, 2 }, std::pair { 5, 5 } }) {
        channel->SetTraceLineWidth(width);
        Fill({ { 0, 0 }, { 50, 50 } });
        Trace(xs, ys);
        EXPECT_EQ(lastPenWidth, pen) << width;
    }
}

TEST_F(ChannelDrawTest, EmptyPointsAreBridgedAndNullPointsBreakTheLine)
{
    auto px = [&](double x, double y) { return TPoint(xs.PositionToPixels(x), ys.PositionToPixels(y)); };
    struct Case
    {
        std::vector<Point> points;
        std::vector<std::pair<TPoint, TPoint>> lines;
    };
    const Case cases[] = {
        { { { 0, 0 }, { 30, 80, E }, { 60, 20 } }, { { px(0, 0), px(60, 20) } } },
        { { { 0, 0 }, { 30, 80, N }, { 60, 20 } }, {} },
        { { { 0, 0 }, { 30, 80, N }, { 60, 20 }, { 90, 90 } }, { { px(60, 20), px(90, 90) } } },
        { { { 40, 40 } }, {} },
    };
    for (const Case& c : cases) {
        Fill(c.points);
        EXPECT_EQ(Trace(xs, ys), Lines(c.lines)) << c.points.size();
    }
}

TEST_F(ChannelDrawTest, SegmentsClipToTheXRangeAndToTheYRangeOnlyWithClipToAxes)
{
    const LinearScale x { -100, 20, 0, 120 };   // one pixel a unit
    const LinearScale y { -100, 20, 110, 98 };  // a tenth of a pixel a unit
    auto px = [&](double vx, double vy) { return TPoint(x.PositionToPixels(vx), y.PositionToPixels(vy)); };
    struct Case
    {
        bool clip;
        Point a, b;
        std::vector<std::pair<TPoint, TPoint>> lines;
    };
    const Case cases[] = {
        { false, { -200, 0 }, { 0, 0 }, { { px(-100, 0), px(0, 0) } } },
        { false, { 0, 500 }, { 10, 500 }, { { px(0, 500), px(10, 500) } } },
        { true, { 0, 500 }, { 10, 500 }, {} },
        { true, { 0, 0 }, { 10, 200 }, { { px(0, 0), px(1, 20) } } },
        { true, { 10, 200 }, { 0, 0 }, { { px(0, 0), px(1, 20) } } },
        { false, { 5, 10 }, { 5, -100 }, { { px(5, 10), px(5, -100) } } },
        { false, { 30, 10 }, { 30, -100 }, {} },
    };
    for (const Case& c : cases) {
        channel->SetClipToAxes(c.clip);
        Fill({ c.a, c.b });
        EXPECT_EQ(Trace(x, y), Lines(c.lines)) << c.a.x << "," << c.a.y << " " << c.b.x << "," << c.b.y;
    }
}

// Thousands of points in a hundred columns, with gaps, points off the scale and runs that go back
// in X: merged columns light exactly the pixels the separate segments do (the full-feature list
// keeps its pen per point and so always draws segment by segment).
TEST_F(ChannelDrawTest, MergedColumnsLightThePixelsOfTheSeparateSegments)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> noise(-15, 15);
    std::vector<Point> points;
    for (int i = 0; i < 6000; ++i) {
        const double x = i < 5000 ? -5 + i * 0.022 : 110 - (i - 5000) * 0.01;
        Point p { x, 50 + 40 * std::sin(x / 7) + noise(random) };
        if (i % 977 == 0)
            p.kind = N;
        else if (i % 631 == 0)
            p.kind = E;
        else if (i % 1499 == 0)
            p.y = 180;
        else if (i / 300 % 4 == 1)
            p.y = std::round(p.y / 8) * 8; // plateaus: runs of equal pixels, often ending a column
        points.push_back(p);
    }
    LinearScale rightToLeft { 0, 100, 110, 10 };
    for (bool clip : { false, true }) {
        for (bool reversed : { false, true }) {
            for (const LinearScale* x : { &xs, &rightToLeft }) {
                channel->SetClipToAxes(clip);
                channel->SetDataStyle(TiPlotDataStyle::ipdsStandard);
                Fill(points);
                const QImage merged = Trace(*x, ys, reversed);
                channel->SetDataStyle(TiPlotDataStyle::ipdsFullFeature);
                Fill(points);
                const QImage separate = Trace(*x, ys, reversed);
                EXPECT_GT(Lit(separate), 1000);
                EXPECT_EQ(merged, separate)
                    << "clip " << clip << " reversed " << reversed << " right to left " << (x != &xs);
            }
        }
    }
}

TEST_F(ChannelDrawTest, MarkersTurnOffAboveTheirLimit)
{
    channel->SetTraceVisible(false);
    channel->SetMarkersVisible(true);
    std::vector<Point> seven;
    for (int i = 0; i < 7; ++i)
        seven.push_back({ i * 10.0, 50 });
    Fill(seven);
    for (auto [limit, drawn] : { std::pair { 0, true }, std::pair { 5, false }, std::pair { 6, true } }) {
        channel->SetMarkersTurnOffLimit(limit);
        auto bitmap = Blank();
        TiPlotChannelPainter(*channel, &xs, &ys).DrawMarkers(bitmap->Canvas(), false, clBlack);
        EXPECT_EQ(Lit(*bitmap->Canvas()->Image()) > 0, drawn) << limit;
    }
}

TEST_F(ChannelDrawTest, LegendSampleCapsTheMarkerHalfSizeAtSix)
{
    channel->SetMarkersVisible(true);
    channel->SetMarkersStyle(TiPlotMarkerStyle::ipmsSquare);
    channel->SetMarkersSize(10);
    auto bitmap = Blank();
    TiPlotChannelPainter(*channel, nullptr, nullptr).DrawMarker(bitmap->Canvas(), -1, clBlack, TPoint(50, 50));
    const QImage image = *bitmap->Canvas()->Image();
    int left = 999, right = -1;
    for (int x = 0; x < image.width(); ++x)
        if ((image.pixel(x, 50) & 0xFFFFFF) != 0) {
            left = std::min(left, x);
            right = std::max(right, x);
        }
    EXPECT_EQ(left, 44);
    EXPECT_EQ(right, 55);
}

TEST_F(ChannelDrawTest, IndividualMarkersFollowEachPointsVisibility)
{
    channel->SetTraceVisible(false);
    channel->SetMarkersAllowIndividual(true);
    channel->SetMarkersVisible(true);
    channel->AddXY(20, 20);
    channel->SetMarkersVisible(false);
    channel->AddXY(80, 80);
    channel->SetMarkersVisible(true);
    channel->PrepareDraw();
    TiPlotChannelPainter painter(*channel, &xs, &ys);
    EXPECT_TRUE(painter.IsMarkerDrawable(0));
    EXPECT_FALSE(painter.IsMarkerDrawable(1));
    EXPECT_EQ(painter.GetMarkerRect(0), TRect(27, 87, 33, 93));
}

// A whole plot painted through its own paint pass, with a standard list whose trace folds pixel
// columns through the block summary kept from paint to paint, beside the same plot with a list
// that keeps every attribute per point and is drawn segment by segment.
class KeptBlocksTest : public ::testing::Test
{
protected:
    struct Side
    {
        std::unique_ptr<ptest::PaintedPlot> plot;
        TiXYPlotChannel* channel { nullptr };
    };

    void SetUp() override
    {
        ptest::App();
        for (auto [side, style] : { std::pair { &kept, TiPlotDataStyle::ipdsStandard },
                                    std::pair { &plain, TiPlotDataStyle::ipdsFullFeature } }) {
            side->plot = std::make_unique<ptest::PaintedPlot>(nullptr);
            side->plot->SetBounds(0, 0, 260, 180);
            side->plot->XAxis(0)->SetTrackingEnabled(false);
            side->plot->YAxis(0)->SetTrackingEnabled(false);
            side->plot->XAxis(0)->SetMinSpan(0, 200);
            side->plot->YAxis(0)->SetMinSpan(0, 110);
            side->channel = side->plot->Channel(0);
            side->channel->SetColor(clWhite);
            side->channel->SetDataStyle(style);
        }
    }

    template <typename Change>
    void Both(Change&& change)
    {
        change(*kept.channel);
        change(*plain.channel);
    }

    void Add(int From, int To)
    {
        Both([&](TiXYPlotChannel& c) {
            for (int i = From; i < To; ++i)
                c.AddXY(i * 0.005, 50 + 30 * std::sin(i * 0.001) + (i * 7919) % 13);
        });
    }

    static QImage Paint(Side& side)
    {
        TBitmap bitmap;
        bitmap.SetSize(side.plot->Width(), side.plot->Height());
        side.plot->iPaintTo(bitmap.Canvas());
        return bitmap.Image().copy();
    }

    void Compare(const char* what)
    {
        SCOPED_TRACE(what);
        const QImage folded = Paint(kept);
        const QImage reference = Paint(plain);
        EXPECT_EQ(folded, reference);
        int trace = 0;
        for (int y = 0; y < folded.height(); ++y)
            for (int x = 0; x < folded.width(); ++x)
                trace += (folded.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
        EXPECT_GT(trace, 200);
    }

    Side kept, plain;
};

TEST_F(KeptBlocksTest, APaintAfterEachKindOfChangeShowsThePointsAsTheyAreNow)
{
    Add(0, 40000);
    Compare("first paint");
    Compare("kept blocks");
    Add(40000, 40100);
    Compare("points added");
    // A spike and a step back in X, each inside a block in the middle of a column.
    Both([](TiXYPlotChannel& c) { c.SetY(20000, 105); });
    Compare("Y edited");
    Both([](TiXYPlotChannel& c) { c.SetX(30030, 30); });
    Compare("X edited out of order");
    Both([](TiXYPlotChannel& c) { c.SetNull(10010, true); });
    Compare("point made a gap");
    Both([](TiXYPlotChannel& c) { c.DeletePoints(1001); });
    Compare("oldest points deleted");
    Both([](TiXYPlotChannel& c) {
        c.Clear();
        for (int i = 1001; i < 40100; ++i) // the same X values as before, another wave
            c.AddXY(i * 0.005, 50 - 30 * std::cos(i * 0.002));
    });
    Compare("cleared and refilled");
}

TEST_F(KeptBlocksTest, AWrappingRingIsReadAsItStandsAfterEachNewPoint)
{
    // Runs of 100 points share one X, so blocks that slid along with the ring would still look in
    // order; a spike every 1000 points shows where each point went.
    auto add = [&](int From, int To) {
        Both([&](TiXYPlotChannel& c) {
            for (int i = From; i < To; ++i)
                c.AddXY(i / 100 * 0.5, i % 1000 == 0 ? 105 : 50 + 20 * std::sin(i * 0.003) + (i * 7919) % 7);
        });
    };
    Both([](TiXYPlotChannel& c) { c.SetRingBufferSize(30000); });
    add(0, 30000);
    Compare("full ring");
    add(30000, 30050); // wraps: every block slides along
    Compare("wrapped");
    Compare("wrapped, kept blocks"); // summarised across the array's end
    add(30050, 30051);
    Compare("one more point");
    Both([](TiXYPlotChannel& c) { c.SetY(100, 2); });
    Compare("edited in the wrapped ring");
}

} // namespace
