// The strip-chart channel's data entry (X-order checks, elapsed time, arrays, high-low points), its
// visible range and look-ups, data cursor readings and its declared stream defaults.

#include "PlotTestSupport.h"

#include "plot/iPlot.h"
#include "plot/iPlotAxis.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exception.h"
#include "platform/core/PublishedProperties.h"
#include "platform/ui/TBitmap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

using namespace vcl;

namespace {

// The data view's percent mapping, the two directions kept apart so a mix-up shows.
class SplitPercent : public IiPlotPercentScale
{
public:
    int PositionPercentToPixelsX(double Percent) const override { return 10 + static_cast<int>(Percent); }
    int PositionPercentToPixelsY(double Percent) const override { return 110 - static_cast<int>(Percent); }
};

class StripChannelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        plot = std::make_unique<TiPlot>(nullptr);
        channel = plot->Channel(0);
        xAxis = plot->XAxis(0);
        yAxis = plot->YAxis(0);
        // X over pixels 10..110, Y over 110 (bottom) .. 10 (top): one pixel per unit at span 100.
        xAxis->SetHorizontal(true);
        yAxis->SetHorizontal(false);
        xAxis->SetDrawRect(TRect(10, 110, 110, 120));
        yAxis->SetDrawRect(TRect(0, 10, 10, 110));
        ShowX(0, 100);
        yAxis->SetMinSpan(0, 100);
        Place();
    }

    void ShowX(double min, double span)
    {
        xAxis->SetMinSpan(min, span);
        Place();
    }

    void Place()
    {
        TBitmap bitmap;
        bitmap.SetSize(10, 10);
        xAxis->CalcScaleRect(bitmap.Canvas());
        yAxis->CalcScaleRect(bitmap.Canvas());
    }

    void Fill(std::initializer_list<std::pair<double, double>> points)
    {
        channel->Clear();
        for (const auto& [x, y] : points)
            channel->AddXY(x, y);
    }

    std::unique_ptr<TiPlot> plot;
    TiPlotChannel* channel { nullptr };
    TiPlotXAxis* xAxis { nullptr };
    TiPlotYAxis* yAxis { nullptr };
};

TEST_F(StripChannelTest, OutOfOrderXRaisesTheTextOfTheSeriesDirectionAndAddsNothing)
{
    struct Case
    {
        double first, second, next;
        bool allow;
        std::optional<QString> error;
    };
    const Case cases[] = {
        { 1, 2, 1.5, false, QStringLiteral("New Data-Point X-Value is out of order") },
        { 5, 4, 4.5, false, QStringLiteral("New Data-Point X-Value is out of order.") },
        { 1, 2, 2, false, std::nullopt },   // equal X is accepted
        { 5, 4, 4, false, std::nullopt },
        { 1, 2, 0.5, true, std::nullopt },  // the check is off by default
    };
    for (const Case& c : cases) {
        channel->SetAllowOutOfOrderXValues(c.allow);
        Fill({ { c.first, 0 }, { c.second, 0 } });
        SCOPED_TRACE(c.next);
        try {
            channel->AddXY(c.next, 7);
            EXPECT_FALSE(c.error);
            EXPECT_EQ(channel->Count(), 3);
        } catch (const Exception& e) {
            ASSERT_TRUE(c.error);
            EXPECT_EQ(e.Message(), *c.error);
            EXPECT_EQ(channel->Count(), 2);
        }
    }
    // The gap and high-low adds are checked the same way.
    channel->SetAllowOutOfOrderXValues(false);
    Fill({ { 1, 0 }, { 2, 0 } });
    EXPECT_THROW(channel->AddXNull(1.5), Exception);
    EXPECT_THROW(channel->AddXEmpty(1.5), Exception);
    EXPECT_THROW(channel->AddHighLow(1.5, 1, 0, 0, 0), Exception);
    EXPECT_EQ(channel->Count(), 2);
}

// A ring that has wrapped keeps its oldest points at the front: the direction comes from them and
// the newest point is the last one, wherever their slots lie.
TEST_F(StripChannelTest, OrderCheckOfAWrappedRingReadsItsOldestAndNewestPoints)
{
    channel->SetRingBufferSize(3);
    Fill({ { 1, 0 }, { 2, 0 }, { 3, 0 }, { 4, 0 } }); // slots hold 4, 2, 3
    channel->SetAllowOutOfOrderXValues(false);
    EXPECT_THROW(channel->AddXY(3.5, 0), Exception);
    EXPECT_NO_THROW(channel->AddXY(4, 0)); // now 3, 4, 4: the ring has moved on again
    EXPECT_EQ(channel->GetX(0), 3);

    channel->SetAllowOutOfOrderXValues(true);
    Fill({ { 10, 0 }, { 9, 0 }, { 8, 0 }, { 7, 0 }, { 6, 0 } }); // a falling series, wrapped twice
    channel->SetAllowOutOfOrderXValues(false);
    try {
        channel->AddXY(6.5, 0);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("New Data-Point X-Value is out of order."));
    }
    EXPECT_NO_THROW(channel->AddXY(5, 0));
}

// Adds under a held repaint keep the newest X in mind from one add to the next: an add of another
// kind, an edit or a full ring scrolled by another add is still checked against the true newest X.
TEST_F(StripChannelTest, OrderCheckOfAStreamSeesEveryOtherChangeOfTheNewestPoint)
{
    channel->SetAllowOutOfOrderXValues(false);
    plot->BeginUpdate();
    Fill({ { 1, 0 }, { 2, 0 }, { 3, 0 } });
    EXPECT_THROW(channel->AddXY(2.5, 0), Exception);
    channel->AddXNull(5);
    EXPECT_THROW(channel->AddXY(4, 0), Exception);
    channel->SetX(channel->Count() - 1, 3.5);
    EXPECT_NO_THROW(channel->AddXY(4, 0));

    channel->SetRingBufferSize(6);
    channel->AddXY(4.5, 0); // the ring is full now
    channel->AddXEmpty(6);  // and scrolls by an add of another kind
    EXPECT_THROW(channel->AddXY(5.5, 0), Exception);
    EXPECT_NO_THROW(channel->AddXY(6, 0));
    EXPECT_EQ(channel->Count(), 6);
    EXPECT_EQ(channel->GetX(5), 6);
    plot->EndUpdate();
}

TEST_F(StripChannelTest, TimeAndArrayAddsTakeAnyXAndFollowTheClock)
{
    double now = 45000.25;
    TWallClockOverride clock([&] { return now; });
    channel->SetAllowOutOfOrderXValues(false);
    Fill({ { 20, 0 }, { 10, 0 } }); // a falling series

    TVariant ys = TVariant::CreateArray({ { 3, 2 } });
    ys.SetElement({ 3 }, TVariant(7.0));
    ys.SetElement({ 4 }, TVariant(8.0));
    channel->AddYArray(0.5, ys);
    ASSERT_EQ(channel->Count(), 4);
    EXPECT_EQ(channel->GetX(2), 10.0);
    EXPECT_EQ(channel->GetY(2), 7.0);
    EXPECT_EQ(channel->GetX(3), 10.5);
    EXPECT_EQ(channel->GetY(3), 8.0);
    EXPECT_THROW(channel->AddYArray(1, TVariant::CreateArray({ { 0, 2 }, { 0, 2 } })), Exception);

    channel->ResetElapsedStartTime();
    now += 1.0 / 86400.0;
    channel->AddYElapsedSeconds(1);
    EXPECT_NEAR(channel->GetX(channel->Count() - 1), 1.0, 1e-6);
    channel->AddYElapsedTime(2);
    EXPECT_NEAR(channel->GetX(channel->Count() - 1), 1.0 / 86400.0, 1e-9);
    channel->AddYNow(3);
    EXPECT_EQ(channel->GetX(channel->Count() - 1), now);

    // With the reset flag the first point after Clear restarts the origin.
    channel->SetResetStartTimeOnFirstDataPoint(true);
    channel->Clear();
    now += 2.0;
    channel->AddYElapsedSeconds(4);
    EXPECT_EQ(channel->GetX(0), 0.0);
    now += 1.0 / 86400.0;
    channel->AddYElapsedSeconds(5);
    EXPECT_NEAR(channel->GetX(1), 1.0, 1e-6);
}

TEST_F(StripChannelTest, HighLowPricesLiveOnlyInAFullFeatureList)
{
    channel->AddHighLow(1, 9, 2, 3, 8);
    EXPECT_EQ(channel->GetX(0), 1.0);
    EXPECT_EQ(channel->GetHigh(0), 0.0);
    EXPECT_EQ(channel->GetClose(0), 0.0);
    EXPECT_EQ(channel->RunningCount(), 0);

    channel->SetDataStyle(TiPlotDataStyle::ipdsFullFeature);
    channel->AddHighLow(1, 9, 2, 3, 8);
    EXPECT_EQ(channel->GetHigh(0), 9.0);
    EXPECT_EQ(channel->GetLow(0), 2.0);
    EXPECT_EQ(channel->GetOpen(0), 3.0);
    EXPECT_EQ(channel->GetClose(0), 8.0);
}

TEST_F(StripChannelTest, PriceBarsBetweenAddsStayOutOfTheRunningStatistics)
{
    channel->AddXY(0, 5);
    channel->AddHighLow(1, 9, 2, 3, 8); // stored as a point at Y 0, never counted
    channel->AddXY(2, 6);
    EXPECT_EQ(channel->RunningCount(), 2);
    EXPECT_EQ(channel->RunningYMin(), 5);
    EXPECT_EQ(channel->RunningXMean(), 1);
}

TEST_F(StripChannelTest, DrawnRangeReachesOnePointBeyondEachEdgeOfTheView)
{
    struct Case
    {
        bool falling;
        double min, span;
        int start, stop;
        bool drawn;
    };
    const Case cases[] = {
        { false, 15, 10, 1, 3, true },  // 10 and 30 lie just outside 15..25
        { false, 35, 10, 3, 3, false }, // past the last point: nothing to draw
        { false, -20, 10, 0, 0, false },
        { false, 0, 30, 0, 3, true },   // the edges on points themselves
        { true, 15, 10, 0, 2, true },   // 30, 20, 10, 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.min);
        if (c.falling)
            Fill({ { 30, 0 }, { 20, 1 }, { 10, 2 }, { 0, 3 } });
        else
            Fill({ { 0, 0 }, { 10, 1 }, { 20, 2 }, { 30, 3 } });
        ShowX(c.min, c.span);
        channel->CalcStartIndex();
        channel->CalcStopIndex();
        EXPECT_EQ(channel->DrawStartIndex(), c.start);
        EXPECT_EQ(channel->DrawStopIndex(), c.stop);
        channel->PrepareDraw();
        EXPECT_EQ(channel->CanDraw(), c.drawn);
    }
    channel->Clear();
    channel->CalcStartIndex();
    EXPECT_EQ(channel->DrawStartIndex(), -1);
}

TEST_F(StripChannelTest, LookUpFindsTheIndexAtOrBeyondAndInterpolatesInPixels)
{
    Fill({ { 0, 0 }, { 10, 1 }, { 20, 2 }, { 30, 3 } });
    EXPECT_EQ(channel->CalcIndex(15), 2);
    EXPECT_EQ(channel->CalcIndex(20), 2);
    EXPECT_EQ(channel->CalcIndex(-5), -1);
    EXPECT_EQ(channel->CalcIndex(31), -1);

    Fill({ { 0, 0 }, { 10, 100 } });
    double y = -1;
    EXPECT_TRUE(channel->GetYInterpolated(5, y));
    EXPECT_DOUBLE_EQ(y, 50.0);
    EXPECT_TRUE(channel->GetYInterpolated(10, y));
    EXPECT_EQ(y, 100.0);
    EXPECT_FALSE(channel->GetYInterpolated(11, y));
    channel->SetNull(0, true);
    EXPECT_FALSE(channel->GetYInterpolated(5, y));
}

TEST_F(StripChannelTest, CursorReadsLevelsOfADigitalChannelAndEmptyBeyondTheData)
{
    Fill({ { 0, 0 }, { 10, 1 } });
    channel->SetDigitalEnabled(true);
    plot->AddTranslation(QStringLiteral("High"), QStringLiteral("Hoch"));
    SplitPercent view;
    TiPlotCursorQuery query;
    query.Style = TiPlotDataCursorStyle::ipcsValueY;
    query.DataView = &view;
    TiPlotCursorReading reading;
    const struct
    {
        double percent; // pixel 10 + percent is X = percent
        QString text;
    } cases[] = { { 10, QStringLiteral("Hoch") }, { 5, QStringLiteral("Low") }, { 15, QStringLiteral("Empty") } };
    for (const auto& c : cases) {
        query.Pointer1Position = c.percent;
        ASSERT_TRUE(channel->ReadDataCursor(query, reading));
        EXPECT_EQ(reading.Text, c.text);
    }
    double y = -1;
    EXPECT_TRUE(channel->GetYInterpolated(5, y));
    EXPECT_EQ(y, 0.0); // the level held since the previous point

    // Without a data view the cursor keeps what it had.
    query.DataView = nullptr;
    EXPECT_FALSE(channel->ReadDataCursor(query, reading));
}

TEST_F(StripChannelTest, DeltaCursorsMapYVerticallyUnscaledAndXByTheScaler)
{
    Fill({ { 0, 0 }, { 100, 100 } });
    SplitPercent view;
    TiPlotCursorQuery query;
    query.DataView = &view;
    query.CursorScaler = 2.0;
    query.Pointer1Position = 20;
    query.Pointer2Position = 50;
    TiPlotCursorReading reading;

    query.Style = TiPlotDataCursorStyle::ipcsDeltaY;
    ASSERT_TRUE(channel->ReadDataCursor(query, reading));
    EXPECT_DOUBLE_EQ(reading.Y, 30.0); // pixels 90 and 60 on the Y axis, not scaled

    query.Style = TiPlotDataCursorStyle::ipcsDeltaX;
    ASSERT_TRUE(channel->ReadDataCursor(query, reading));
    EXPECT_DOUBLE_EQ(reading.X, 60.0);

    query.Style = TiPlotDataCursorStyle::ipcsInverseDeltaX;
    ASSERT_TRUE(channel->ReadDataCursor(query, reading));
    EXPECT_DOUBLE_EQ(reading.X, 1.0 / 60.0);
    query.Pointer2Position = 20;
    ASSERT_TRUE(channel->ReadDataCursor(query, reading));
    EXPECT_EQ(reading.Text, QStringLiteral("Infinite"));
}

TEST_F(StripChannelTest, ZoomExtentsFollowTheDirectionAndSkipGaps)
{
    Fill({ { 0, 5 }, { 10, 7 }, { 20, 1 } });
    channel->SetNull(2, true);
    EXPECT_EQ(channel->GetZoomXMin(), 0.0);
    EXPECT_EQ(channel->GetZoomXMax(), 10.0);
    EXPECT_EQ(channel->GetZoomYMax(), 7.0);
    EXPECT_EQ(channel->GetZoomYMin(), 5.0);
    channel->SetVisible(false);
    EXPECT_EQ(channel->GetZoomXMax(), -1e300);
}

TEST_F(StripChannelTest, ANewChannelHoldsEveryDeclaredStreamDefault)
{
    const TPropertyTable* table = PropertyTableOf(*channel);
    ASSERT_NE(table, nullptr);
    int checked = 0;
    for (const TPropertyInfo& prop : table->Properties()) {
        if (!prop.DefaultValue || table->Parent()->Find(prop.Name))
            continue;
        ++checked;
        EXPECT_TRUE(IsDefaultPropValue(*channel, prop)) << prop.Name.toStdString();
    }
    EXPECT_GT(checked, 0);
    EXPECT_EQ(channel->HighLowBarColor(), TColor(0xFFFF00));
    EXPECT_EQ(channel->HighLowOpenColor(), TColor(0x00FF00));
    EXPECT_EQ(channel->BarWidth(), 5.0);
}

} // namespace
