// The channel base and the XY channel on a real XY plot: emptying through DeletePoints, running
// statistics, the list-backed settings across a DataStyle change, reserving through Count, gap
// points, zoom extents, the OPC group name and merged repaints.

#include "PlotTestSupport.h"

#include "plot/extras/iOPCExplorer.h"
#include "plot/extras/iOPCManager.h"
#include "plot/iXYPlot.h"

#include "platform/core/Exception.h"
#include "platform/ui/TTreeView.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

using namespace vcl;

namespace {

class PlotChannelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 600, 300);
        plot = new TiXYPlot(form);
        plot->SetParent(form);
        channel = plot->Channel(0);
    }
    void TearDown() override { delete form; }

    TForm* form { nullptr };
    TiXYPlot* plot { nullptr };
    TiXYPlotChannel* channel { nullptr };
};

QString Raised(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (const Exception& e) {
        return e.Message();
    }
    return QStringLiteral("(nothing raised)");
}

// The main window's refill: DeletePoints with the channel's count empties it, then AddXY refills.
TEST_F(PlotChannelTest, DeletingEveryPointClearsTheChannelAndItsStatistics)
{
    for (double x : { 1.0, 2.0, 3.0 })
        channel->AddXY(x, -x);
    channel->PrepareDraw();
    EXPECT_EQ(channel->DrawStopIndex(), 2);
    channel->DeletePoints(3);
    EXPECT_EQ(channel->Count(), 0);
    EXPECT_EQ(channel->RunningXMin(), 1e300);
    EXPECT_EQ(channel->RunningYMax(), -1e300);
    EXPECT_EQ(channel->DrawStartIndex(), -1);
    EXPECT_EQ(channel->DrawStopIndex(), -1);
    EXPECT_EQ(Raised([&] { channel->DeletePoints(0); }), QStringLiteral("Delete size out of Range"));

    channel->AddXY(5, 7);
    EXPECT_EQ(channel->RunningXMin(), 5);
    EXPECT_EQ(channel->RunningXMax(), 5);
    EXPECT_EQ(channel->RunningXMean(), 5);
    EXPECT_EQ(channel->RunningYMean(), 7);
}

TEST_F(PlotChannelTest, PartialDeleteKeepsStatisticsAndMovesThePoints)
{
    for (double x : { 1.0, 2.0, 3.0, 4.0 })
        channel->AddXY(x, x);
    channel->DeletePoints(1);
    EXPECT_EQ(channel->XFirst(), 2);
    EXPECT_EQ(channel->RunningXMin(), 1);
    EXPECT_EQ(Raised([&] { channel->DeletePoints(5); }), QStringLiteral("Delete size out of Range"));
}

TEST_F(PlotChannelTest, GapPointsCountInRunningTotalsButNotInRecalculation)
{
    channel->AddPoint(-50, 90, true, false);
    channel->AddXY(2, 4);
    channel->AddXY(4, 8);
    EXPECT_EQ(channel->RunningXMin(), -50);
    EXPECT_EQ(channel->RunningYMax(), 90);
    EXPECT_DOUBLE_EQ(channel->RunningXMean(), -44.0 / 3);
    channel->ReCalcRunningMinMaxMean();
    EXPECT_EQ(channel->RunningXMin(), 2);
    EXPECT_EQ(channel->RunningYMax(), 8);
    EXPECT_EQ(channel->RunningXMean(), 3);
    EXPECT_EQ(channel->RunningYMean(), 6);
    EXPECT_EQ(channel->GetYMin(), 4);
    EXPECT_EQ(channel->GetXMean(), 3);
    EXPECT_EQ(channel->RunningYMean(), 6); // the Y mean is left as it was
}

// The statistics catch up with the adds only when something needs them; whatever happens between
// the adds, they must come out exactly as if each point had been taken in as it was added.
TEST_F(PlotChannelTest, RunningStatisticsFollowEveryAddWhateverHappensInBetween)
{
    struct Reference
    {
        TiExtendedSum x, y;
        double xMin { 1e300 }, xMax { -1e300 }, yMin { 1e300 }, yMax { -1e300 };
        int count { 0 };
        void Add(TiXYPlotChannel* Channel, double X, double Y)
        {
            Channel->AddXY(X, Y);
            x.Add(X);
            y.Add(Y);
            xMin = std::min(xMin, X), xMax = std::max(xMax, X), yMin = std::min(yMin, Y), yMax = std::max(yMax, Y);
            ++count;
        }
    } r;
    const auto expectSame = [&](const char* when) {
        EXPECT_EQ(channel->RunningCount(), r.count) << when;
        EXPECT_EQ(channel->RunningXMin(), r.xMin) << when;
        EXPECT_EQ(channel->RunningXMax(), r.xMax) << when;
        EXPECT_EQ(channel->RunningYMin(), r.yMin) << when;
        EXPECT_EQ(channel->RunningYMax(), r.yMax) << when;
        EXPECT_EQ(channel->RunningXMean(), r.x.Over(r.count)) << when;
        EXPECT_EQ(channel->RunningYMean(), r.y.Over(r.count)) << when;
    };
    // Sums that round at every step: only the same compensated sum in the same order matches.
    for (int i = 0; i < 100; ++i)
        r.Add(channel, 1e16 + i * 3.0, (i % 7) * 0.1 - 1e-3 * i);
    expectSame("after the adds");

    r.Add(channel, 2e16, -5);
    channel->SetX(channel->Count() - 1, -1);
    channel->SetY(channel->Count() - 1, 99);
    expectSame("after an edit of a point not yet read: the value as added counts");

    r.Add(channel, 3, 3);
    channel->AddNull(); // a gap point never counts
    r.Add(channel, 4, 4);
    expectSame("around a gap point");

    r.Add(channel, -7, 1);
    channel->DeletePoints(channel->Count() - 1);
    expectSame("after deleting every point but the newest");

    channel->Clear();
    r = Reference {};
    channel->SetRingBufferSize(8);
    for (int i = 0; i < 30; ++i)
        r.Add(channel, -i, i * i + 0.1);
    expectSame("after a ring dropped points never read");
    EXPECT_EQ(channel->GetXMin(), -29) << "a recount covers only the points the ring holds";
    EXPECT_EQ(channel->RunningXMin(), -29);
}

TEST_F(PlotChannelTest, ArraysAddOnePointPerElementAndRefuseBadShapes)
{
    TVariant xs = TVariant::CreateArray({ { 1, 3 } });
    TVariant ys = TVariant::CreateArray({ { 1, 3 } });
    for (int i = 1; i <= 3; ++i) {
        xs.SetElement({ i }, TVariant(i * 1.5));
        ys.SetElement({ i }, TVariant(-i));
    }
    channel->AddXYArrays(xs, ys);
    ASSERT_EQ(channel->Count(), 3);
    EXPECT_EQ(channel->GetX(2), 4.5);
    EXPECT_EQ(channel->RunningYMin(), -3);

    TVariant table = TVariant::CreateArray({ { 0, 2 }, { 5, 2 } });
    table.SetElement({ 0, 5 }, TVariant(10.0));
    table.SetElement({ 1, 5 }, TVariant(20.0));
    table.SetElement({ 0, 6 }, TVariant(11.0));
    table.SetElement({ 1, 6 }, TVariant(21.0));
    channel->AddXYArray(table);
    EXPECT_EQ(channel->Count(), 5);
    EXPECT_EQ(channel->GetY(4), 21);

    struct Case
    {
        std::function<void()> call;
        const char* error;
    };
    const TVariant shifted = TVariant::CreateArray({ { 0, 3 } });
    const TVariant longer = TVariant::CreateArray({ { 1, 4 } });
    const TVariant threeRows = TVariant::CreateArray({ { 0, 3 }, { 0, 2 } });
    const Case cases[] = {
        { [&] { channel->AddXYArrays(table, ys); }, "X-Data array must be 1 dimensional" },
        { [&] { channel->AddXYArrays(xs, TVariant(1.0)); }, "Y-Data array must be 1 dimensional" },
        { [&] { channel->AddXYArrays(xs, shifted); }, "X-Data and Y-Data low bound dimension must match" },
        { [&] { channel->AddXYArrays(xs, longer); }, "X-Data and Y-Data hogh bound dimension must match" },
        { [&] { channel->AddXYArray(xs); }, "Array Must Be 2 Dimensional" },
        { [&] { channel->AddXYArray(threeRows); }, "Array First Dimension Must Be 2 Elements" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(Raised(c.call), QString::fromLatin1(c.error));
    EXPECT_EQ(channel->Count(), 5);
}

TEST_F(PlotChannelTest, EmptyChannelReportsMinusOneEnds)
{
    EXPECT_EQ(channel->XFirst(), -1);
    EXPECT_EQ(channel->YLast(), -1);
    EXPECT_EQ(channel->IndexFirst(), -1);
    EXPECT_EQ(channel->IndexLast(), -1);
}

TEST_F(PlotChannelTest, DataStyleChangeDropsPointsButKeepsSettings)
{
    channel->SetColor(0x123456);
    channel->SetTraceLineWidth(3);
    channel->SetMarkersVisible(true);
    channel->SetMarkersStyle(TiPlotMarkerStyle::ipmsDiamond);
    channel->SetMarkersSize(7);
    channel->SetRingBufferSize(10);
    channel->AddXY(1, 1);
    channel->SetDataStyle(TiPlotDataStyle::ipdsCompact);
    EXPECT_EQ(channel->Count(), 0);
    EXPECT_EQ(channel->DataPointSize(), 8);
    EXPECT_EQ(channel->Color(), TColor(0x123456));
    EXPECT_EQ(channel->TraceLineWidth(), 3);
    EXPECT_TRUE(channel->MarkersVisible());
    EXPECT_EQ(channel->MarkersStyle(), TiPlotMarkerStyle::ipmsDiamond);
    EXPECT_EQ(channel->MarkersSize(), 7);
    EXPECT_EQ(channel->RingBufferSize(), 10);
}

TEST_F(PlotChannelTest, WritingCountReservesOrTruncates)
{
    channel->SetCount(1000);
    EXPECT_EQ(channel->Count(), 0);
    EXPECT_EQ(channel->Capacity(), 1000);
    for (int i = 0; i < 5; ++i)
        channel->AddXY(i, i);
    channel->SetCount(2);
    EXPECT_EQ(channel->Count(), 2);
}

TEST_F(PlotChannelTest, GapPointsOfTheXYChannelSkipStatisticsAndExtents)
{
    EXPECT_EQ(channel->AddNull(), 0);
    EXPECT_EQ(channel->Count(), 1);
    EXPECT_EQ(channel->RunningXMin(), 1e300);
    EXPECT_TRUE(channel->GetNull(0));
    EXPECT_EQ(channel->AddEmpty(), 1);
    EXPECT_TRUE(channel->GetEmpty(1));
    EXPECT_EQ(channel->GetZoomXMax(), -1e300);
    EXPECT_EQ(channel->GetZoomYMin(), 1e300);
    channel->AddXY(3, -2);
    channel->AddXY(-1, 6);
    EXPECT_EQ(channel->GetZoomXMax(), 3);
    EXPECT_EQ(channel->GetZoomXMin(), -1);
    EXPECT_EQ(channel->GetZoomYMax(), 6);
    EXPECT_EQ(channel->GetZoomYMin(), -2);
    channel->SetVisible(false);
    EXPECT_EQ(channel->GetZoomXMax(), -1e300);
}

TEST_F(PlotChannelTest, OPCGroupNamesAreEightHexDigitsAndDifferPerChannel)
{
    TiXYPlotChannel* second = plot->Channel(plot->AddChannel());
    const QRegularExpression hex(QStringLiteral("^[0-9A-F]{8}$"));
    EXPECT_TRUE(hex.match(channel->OPCGroupName()).hasMatch()) << channel->OPCGroupName().toStdString();
    EXPECT_NE(channel->OPCGroupName(), second->OPCGroupName());
}

// Without the OPC client library the channel's binding stays inactive and stores what it is given.
TEST_F(PlotChannelTest, OPCBindingWithoutTheLibraryStaysInactive)
{
    channel->SetOPCServerName(QStringLiteral("Server"));
    channel->SetOPCItemName(QStringLiteral("Item"));
    channel->OPCActivate();
    EXPECT_EQ(channel->OPCItemName(), QStringLiteral("Item"));
    EXPECT_FALSE(channel->OPCActive());
    EXPECT_FALSE(channel->OPCQualityGood());
    EXPECT_EQ(channel->OPCManager()->GroupCount(), 1);
    EXPECT_EQ(channel->OPCManager()->Group(0)->DLLGroupHandle(), 0);
    EXPECT_EQ(Raised([&] { channel->OPCUpdateSuspend(); }), QStringLiteral("Zarvik OPC DLL Not Found."));

    // The explorer has no server connections to list: it says so once its two roots are in place.
    EXPECT_EQ(Raised([&] { channel->OPCManager()->ExplorerShow(); }), QStringLiteral("Zarvik OPC DLL Not Found."));
    TiOPCExplorerForm* explorer = TiOPCManager::Explorer();
    ASSERT_NE(explorer, nullptr);
    EXPECT_FALSE(explorer->isVisible());
    EXPECT_EQ(explorer->TreeView()->TopCount(), 2);
    EXPECT_EQ(explorer->ServersTreeNode()->Count(), 0);
}

// A thousand points added within one frame interval cost one paint, and that paint shows them all.
TEST_F(PlotChannelTest, AddsWithinOneFrameIntervalMergeIntoOnePaint)
{
    ptest::ManualClock clock;
    int paints = 0;
    plot->OnPaint = [&](TObject*, TCanvas*) { ++paints; };
    form->Show();
    ptest::Settle();
    clock.AdvanceMs(100);
    paints = 0;
    for (int i = 0; i < 1000; ++i)
        channel->AddXY(i, i);
    ptest::Settle();
    EXPECT_EQ(paints, 1);
    EXPECT_FALSE(plot->NeedsRepaint());
}

// Adds feed an axis only while it tracks; switching tracking back on lets the next add move it.
TEST_F(PlotChannelTest, AxesFollowTheAddsOnlyWhileTheyTrack)
{
    TiPlotXAxis* x = plot->XAxis(0);
    channel->AddXY(1, 0);
    x->SetTrackingEnabled(false);
    const double maxBefore = x->Max();
    channel->AddXY(maxBefore + 50, 0);
    EXPECT_EQ(x->Max(), maxBefore);
    x->SetTrackingEnabled(true);
    channel->AddXY(maxBefore + 60, 0);
    EXPECT_GE(x->Max(), maxBefore + 60);
}

// Adds made while the plot's repaint is already on its way move the axes themselves; the scale they
// reach must be the one each value fed to the axis alone reaches, bit for bit: rising and falling
// values, values inside the scale, NaN, values beyond the clamp limits, and settings (a margin, a
// minimum span, a log scale, a major-increment style) under which the axis must do the tracking.
TEST_F(PlotChannelTest, AddsUnderOnePendingRepaintMoveTheAxesAsEachValueAlone)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<double> values { 5,   250,  249.5, 1e3, -7,   0.1, nan,  1e3 + 1e-9, -1e-320,
                                       3e6, -4e5, 1e301, 17,  -2e301, 1e-3, 6e6, 6e6 - 1,  -4e5 - 0.3 };
    struct Case
    {
        const char* name;
        std::function<void(TiPlotAxis&)> setUp;
    };
    const std::vector<Case> cases {
        { "plain", [](TiPlotAxis&) {} },
        { "max margin", [](TiPlotAxis& a) { a.SetTrackingMaxMargin(3); } },
        { "span minimum", [](TiPlotAxis& a) { a.SetTrackingSpanMinimum(5e5); } },
        { "log scale", [](TiPlotAxis& a) { a.SetScaleType(TiPlotScaleType::ipstLog10); } },
        { "expand style", [](TiPlotAxis& a) { a.SetTrackingStyle(TiPlotTrackingStyle::iptsExpandMinMax); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TiXYPlot fed(form), alone(form);
        for (TiXYPlot* p : { &fed, &alone }) {
            c.setUp(*p->XAxis(0));
            c.setUp(*p->YAxis(0));
        }
        TiPlotChannelCustom* added = fed.Channel(0);
        for (std::size_t i = 0; i < values.size(); ++i) {
            const double x = values[i], y = values[values.size() - 1 - i];
            added->AddXY(x, y);
            EXPECT_TRUE(fed.RepaintRequestMerged());
            alone.XAxis(0)->NewTrackingData(x);
            alone.YAxis(0)->NewTrackingData(y);
            ASSERT_EQ(fed.XAxis(0)->Min(), alone.XAxis(0)->Min()) << "after add " << i;
            ASSERT_EQ(fed.XAxis(0)->Span(), alone.XAxis(0)->Span()) << "after add " << i;
            ASSERT_EQ(fed.YAxis(0)->Min(), alone.YAxis(0)->Min()) << "after add " << i;
            ASSERT_EQ(fed.YAxis(0)->Span(), alone.YAxis(0)->Span()) << "after add " << i;
        }
        // Settings changed between adds take effect at the next add.
        fed.XAxis(0)->SetTrackingMinMargin(2);
        alone.XAxis(0)->SetTrackingMinMargin(2);
        added->AddXY(-5e5, 0);
        alone.XAxis(0)->NewTrackingData(-5e5);
        EXPECT_EQ(fed.XAxis(0)->Min(), alone.XAxis(0)->Min());
        EXPECT_EQ(fed.XAxis(0)->Span(), alone.XAxis(0)->Span());
    }
}

// Under a pending repaint the axes take a stream's values in blocks, when next read; whoever reads
// them then (a range query, a change of the axis or of the channel, a paint) finds the scale that
// each value fed to the axis alone gives, bit for bit, also when the values came in an order in
// which rising and falling values move the scale differently.
TEST_F(PlotChannelTest, AxesOwedAStreamsValuesTakeThemInOrderBeforeAnyoneReads)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<double> values { 5, 250, -7, 1e3, 0.1, nan, -40, 3e6, 1e301, 17, -2e301, -4e5, 6e6 };
    struct Case
    {
        const char* name;
        // Reads or changes the axes after a stream of adds, on both plots.
        std::function<void(TiXYPlot&)> after;
    };
    const std::vector<Case> cases {
        { "range read", [](TiXYPlot& p) { (void)p.XAxis(0)->Max(); } },
        { "tracking style changed", [](TiXYPlot& p) { p.XAxis(0)->SetTrackingStyle(TiPlotTrackingStyle::iptsExpandMinMax); } },
        { "tracking turned off", [](TiXYPlot& p) { p.YAxis(0)->SetTrackingEnabled(false); } },
        { "span set", [](TiXYPlot& p) { p.XAxis(0)->SetSpan(p.XAxis(0)->Span() * 2); } },
        { "margin set", [](TiXYPlot& p) { p.YAxis(0)->SetTrackingMinMargin(3); } },
        { "channel cleared", [](TiXYPlot& p) { p.Channel(0)->Clear(); } },
        { "channel deleted", [](TiXYPlot& p) { p.DeleteChannel(0); } },
        { "axis renamed away", [](TiXYPlot& p) { p.Channel(0)->SetXAxisName(QStringLiteral("none")); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TiXYPlot fed(form), alone(form);
        TiPlotChannelCustom* added = fed.Channel(0);
        added->AddXY(1, 1); // the first value aligns the scale
        alone.XAxis(0)->NewTrackingData(1);
        alone.YAxis(0)->NewTrackingData(1);
        for (std::size_t i = 0; i < values.size(); ++i) {
            const double x = values[i], y = values[values.size() - 1 - i];
            added->AddXY(x, y);
            alone.XAxis(0)->NewTrackingData(x);
            alone.YAxis(0)->NewTrackingData(y);
        }
        EXPECT_TRUE(fed.RepaintRequestMerged());
        c.after(fed);
        c.after(alone);
        EXPECT_EQ(fed.XAxis(0)->Min(), alone.XAxis(0)->Min());
        EXPECT_EQ(fed.XAxis(0)->Span(), alone.XAxis(0)->Span());
        EXPECT_EQ(fed.YAxis(0)->Min(), alone.YAxis(0)->Min());
        EXPECT_EQ(fed.YAxis(0)->Span(), alone.YAxis(0)->Span());
    }
}

// A shown plot fed a stream between two paints draws the scale every value reached: the same
// picture as a plot whose axes were read after every add.
TEST_F(PlotChannelTest, PaintAfterAStreamShowsTheScaleOfEveryValue)
{
    ptest::ManualClock clock;
    TiXYPlot* other = new TiXYPlot(form);
    other->SetParent(form);
    plot->SetBounds(0, 0, 300, 300);
    other->SetBounds(300, 0, 300, 300);
    form->Show();
    ptest::Settle();
    clock.AdvanceMs(100);
    for (int i = 0; i < 5000; ++i) {
        const double x = i % 2 ? 3.0 * i : -0.5 * i, y = (i * 37) % 101 - 50;
        channel->AddXY(x, y);
        other->Channel(0)->AddXY(x, y);
        (void)other->XAxis(0)->Min(); // read after every add
        (void)other->YAxis(0)->Min();
    }
    ptest::Settle();
    EXPECT_FALSE(plot->NeedsRepaint());
    const QImage streamed = plot->grab().toImage();
    const QImage read = other->grab().toImage();
    EXPECT_EQ(streamed, read);
    EXPECT_EQ(plot->XAxis(0)->Min(), other->XAxis(0)->Min());
    EXPECT_EQ(plot->XAxis(0)->Span(), other->XAxis(0)->Span());
}

} // namespace
