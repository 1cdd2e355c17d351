// Plot limits: where lines and bands are drawn and can be grabbed, dragging their edges with the
// position events, the band elements' check and which limits count as areas.

#include "DecorationTestSupport.h"

#include "plot/iPlotLimit.h"
#include "plot/iPlotToolBar.h"

#include "platform/core/Exception.h"

using namespace vcl;

namespace {

class PlotLimitTest : public ptest::DecorationTest
{
protected:
    void SetUp() override
    {
        DecorationTest::SetUp();
        PlaceAxes();
        limit = plot->Limit(plot->AddLimit());
        limit->SetColor(clRed);
    }
    bool Hits(int x, int y) { return limit->HitTest(x, y); }
    TiPlotLimit* limit { nullptr };
};

TEST_F(PlotLimitTest, NewLimitNamesTheFirstAxes)
{
    EXPECT_EQ(limit->XAxisName(), plot->XAxis(0)->Name());
    EXPECT_EQ(limit->YAxisName(), plot->YAxis(0)->Name());
    EXPECT_EQ(limit->Style(), TiPlotLimitStyle::iplsLineY);
}

TEST_F(PlotLimitTest, LineIsGrabbedFivePixelsEachSideOnlyInSelectMode)
{
    limit->SetLine1Position(30); // y 80
    limit->Draw(Canvas(), clBlack);
    EXPECT_EQ(Pixel(50, 80), clRed);
    EXPECT_EQ(limit->Line1ClickRect(), TRect(10, 75, 111, 86));
    EXPECT_FALSE(Hits(50, 80)) << "not in select mode";
    limit->SetSelectModeOnlyInteraction(false);
    for (auto [y, hit] : { std::pair(75, true), { 85, true }, { 74, false }, { 86, false } })
        EXPECT_EQ(Hits(50, y), hit) << y;

    limit->SetSelectModeOnlyInteraction(true);
    plot->ToolBar(0)->DoButtonClickSelect();
    EXPECT_TRUE(Hits(50, 80));
}

TEST_F(PlotLimitTest, LineOutsideItsAxisIsNeitherDrawnNorHitButABandIs)
{
    limit->SetSelectModeOnlyInteraction(false);
    limit->SetStyle(TiPlotLimitStyle::iplsLineX);
    limit->SetLine1Position(150);
    limit->Draw(Canvas(), clBlack);
    EXPECT_FALSE(limit->Line1Show());
    EXPECT_FALSE(Hits(109, 50));

    limit->SetStyle(TiPlotLimitStyle::iplsBandX);
    limit->SetLine2Position(60); // x 70
    limit->Draw(Canvas(), clBlack);
    EXPECT_TRUE(limit->Line1Show());
    EXPECT_TRUE(limit->Line2Show());
    EXPECT_EQ(Pixel(90, 50), clRed);
    EXPECT_TRUE(Hits(72, 50));
}

TEST_F(PlotLimitTest, DraggingAnEdgeMovesItWithPositionEventsAndMayInvertTheBand)
{
    limit->SetStyle(TiPlotLimitStyle::iplsBandY);
    limit->SetLine1Position(20); // y 90
    limit->SetLine2Position(40); // y 70
    limit->SetUserCanMove(true);
    limit->SetSelectModeOnlyInteraction(false);
    limit->Draw(Canvas(), clBlack);
    QStringList events;
    plot->OnLimitLine1PositionChange = [&](TObject*, int index, double from, double to) {
        events << QStringLiteral("line1 %1 %2 -> %3").arg(index).arg(from).arg(to);
    };
    plot->OnLimitLine2PositionChange = [&](TObject*, int, double, double) { events << QStringLiteral("line2"); };
    EXPECT_EQ(limit->GetMouseCursor(TPoint(50, 90)), crSizeNS);
    limit->iMouseDown(TMouseButton::mbLeft, TShiftState(), 50, 90, 0, 0, nullptr);
    TiHintData hint;
    limit->iMouseMove(hint, TShiftState(), 50, 60, 0, 0, false);
    limit->iMouseMove(hint, TShiftState(), 50, 50, 0, 0, false);
    limit->iMouseUp(TMouseButton::mbLeft, TShiftState(), 50, 50, 0, 0, false, nullptr);
    EXPECT_EQ(events, (QStringList { "line1 0 20 -> 50", "line1 0 50 -> 60" }));
    EXPECT_EQ(limit->Line1Position(), 60.0);
    EXPECT_EQ(limit->Line2Position(), 40.0);
}

TEST_F(PlotLimitTest, MouseCursorShowsWhichWayAnEdgeMoves)
{
    using LS = TiPlotLimitStyle;
    struct Case { LS style; bool canMove; bool reversed; TCursor cursor; };
    const Case cases[] = {
        { LS::iplsLineY, false, false, crDefault },
        { LS::iplsLineY, true, false, crHandPoint }, // a single line may move either way
        { LS::iplsLineX, true, true, crHandPoint },
        { LS::iplsBandX, true, false, crSizeWE },
        { LS::iplsBandY, true, false, crSizeNS },
        { LS::iplsBandX, true, true, crSizeNS },
        { LS::iplsBandY, true, true, crSizeWE },
        { LS::iplsBandY, false, false, crDefault },
    };
    limit->SetLine1Position(20);
    limit->SetLine2Position(40);
    for (const Case& c : cases) {
        plot->SetXYAxesReverse(c.reversed);
        limit->SetStyle(c.style);
        limit->SetUserCanMove(c.canMove);
        limit->Draw(Canvas(), clBlack);
        EXPECT_EQ(limit->GetMouseCursor(TPoint(50, 50)), c.cursor) << static_cast<int>(c.style) << c.reversed;
    }
    // The plot's event has the last word, but only where the limit can be moved.
    plot->OnGetMouseCursorLimit = [](TObject*, int index, TCursor& cursor) {
        EXPECT_EQ(index, 0);
        cursor = crCross;
    };
    EXPECT_EQ(limit->GetMouseCursor(TPoint(50, 50)), crDefault);
    limit->SetUserCanMove(true);
    EXPECT_EQ(limit->GetMouseCursor(TPoint(50, 50)), crCross);
}

TEST_F(PlotLimitTest, BandElementsNeedUpperNotBelowLower)
{
    try {
        limit->AddBandElement(1, 2, 3);
        FAIL() << "lower above upper";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("the Upper Limit must be greater than or equal to the Lower Limit"));
    }
    EXPECT_EQ(limit->ElementCount(), 0);
    limit->AddBandElement(1, 2, 2);
    EXPECT_EQ(limit->ElementCount(), 1);
}

TEST_F(PlotLimitTest, AreasAreFillingBandsAndPolyBands)
{
    struct Case { TiPlotLimitStyle style; TBrushStyle fill; bool area; };
    const Case cases[] = {
        { TiPlotLimitStyle::iplsLineX, TBrushStyle::bsSolid, false },
        { TiPlotLimitStyle::iplsLineY, TBrushStyle::bsSolid, false },
        { TiPlotLimitStyle::iplsBandX, TBrushStyle::bsSolid, true },
        { TiPlotLimitStyle::iplsBandY, TBrushStyle::bsClear, false },
        { TiPlotLimitStyle::iplsBandY, TBrushStyle::bsCross, true },
        { TiPlotLimitStyle::iplsPolyBandX, TBrushStyle::bsClear, true },
    };
    for (const Case& c : cases) {
        limit->SetStyle(c.style);
        limit->SetFillStyle(c.fill);
        EXPECT_EQ(limit->IsAreaStyle(), c.area);
    }
}

TEST_F(PlotLimitTest, PolyBandFillsBetweenItsElementsAndCannotBeGrabbed)
{
    limit->SetStyle(TiPlotLimitStyle::iplsPolyBandY);
    limit->SetSelectModeOnlyInteraction(false);
    limit->AddBandElement(10, 60, 40); // x 20, y 50..70
    limit->AddBandElement(90, 60, 40); // x 100
    limit->Draw(Canvas(), clBlack);
    EXPECT_EQ(Pixel(60, 60), clRed);
    EXPECT_EQ(Pixel(60, 40), clBlack);
    EXPECT_FALSE(Hits(60, 60));
}

} // namespace
