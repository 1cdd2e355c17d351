// The data cursor: pointer layout by style, clamping, dragging, the hint's place and side switch,
// and what it measures through its channel.

#include "DecorationTestSupport.h"

#include "plot/iPlotAxis.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotDataCursor.h"
#include "plot/iPlotDataView.h"
#include "plot/iPlot.h"

#include "platform/ui/TBitmap.h"
#include "platform/ui/TMenus.h"
#include "platform/ui/VirtualKeys.h"

using namespace vcl;
using S = TiPlotDataCursorStyle;

namespace {

class PlotDataCursorTest : public ptest::DecorationTest
{
protected:
    void SetUp() override
    {
        DecorationTest::SetUp();
        view = plot->DataView(0);
        view->SetDrawRect(TRect(0, 0, 200, 100));
        cursor = plot->DataCursor(0);
        cursor->SetDataView(view);
        cursor->SetVisible(true);
    }
    void Drag(int x0, int y0, int x1, int y1)
    {
        cursor->iMouseDown(TMouseButton::mbLeft, TShiftState(), x0, y0, 0, 0, nullptr);
        TiHintData hint;
        cursor->iMouseMove(hint, TShiftState(), x1, y1, 0, 0, false);
        cursor->iMouseUp(TMouseButton::mbLeft, TShiftState(), x1, y1, 0, 0, false, nullptr);
    }
    TiPlotDataView* view { nullptr };
    TiPlotDataCursor* cursor { nullptr };
};

TEST_F(PlotDataCursorTest, PointerPositionsAreClampedToTheView)
{
    struct Case { double value; double stored; };
    for (const Case c : { Case { -3, 0 }, Case { 250, 100 }, Case { 42.5, 42.5 } }) {
        cursor->SetPointer1Position(c.value);
        cursor->SetPointer2Position(c.value);
        EXPECT_EQ(cursor->Pointer1Position(), c.stored);
        EXPECT_EQ(cursor->Pointer2Position(), c.stored);
    }
}

TEST_F(PlotDataCursorTest, StyleSetsThePointersAndReversedAxesTurnThem)
{
    using O = TiOrientation;
    struct Case { S style; bool show1; O o1; bool show2; O o2; O hint; };
    const Case cases[] = {
        { S::ipcsValueXY, true, O::ioVertical, true, O::ioHorizontal, O::ioVertical },
        { S::ipcsValueX, true, O::ioVertical, false, O::ioHorizontal, O::ioVertical },
        { S::ipcsValueY, false, O::ioVertical, true, O::ioHorizontal, O::ioHorizontal },
        { S::ipcsDeltaX, true, O::ioVertical, true, O::ioVertical, O::ioVertical },
        { S::ipcsDeltaY, true, O::ioHorizontal, true, O::ioHorizontal, O::ioHorizontal },
        { S::ipcsInverseDeltaX, true, O::ioVertical, true, O::ioVertical, O::ioVertical },
    };
    auto other = [](O o) { return o == O::ioVertical ? O::ioHorizontal : O::ioVertical; };
    for (const Case& c : cases) {
        for (bool reversed : { false, true }) {
            plot->SetXYAxesReverse(reversed);
            cursor->SetStyle(c.style);
            EXPECT_EQ(cursor->Pointer1Show(), c.show1);
            EXPECT_EQ(cursor->Pointer2Show(), c.show2);
            EXPECT_EQ(cursor->Pointer1Orientation(), reversed ? other(c.o1) : c.o1);
            EXPECT_EQ(cursor->Pointer2Orientation(), reversed ? other(c.o2) : c.o2);
            EXPECT_EQ(cursor->HintOrientation(), reversed ? other(c.hint) : c.hint);
        }
    }
}

TEST_F(PlotDataCursorTest, HintSitsBesideThePointerAndSwitchesSideAtTheEdge)
{
    cursor->SetStyle(S::ipcsValueX);
    cursor->Draw(Canvas(), clBlack);
    ASSERT_TRUE(cursor->HintShowing());
    const int a = 6 * static_cast<int>(cursor->CursorDisplayText().size());
    // Pointer at x 100 (band 95..106), hint 10 / 2 + 3 high around y 50, "A" 6 wide.
    EXPECT_EQ(cursor->Pointer1Rect(), TRect(95, 0, 106, 100));
    EXPECT_EQ(cursor->HintRect(), TRect(105, 50 - 6, 105 + a + 6, 50 + 6));
    EXPECT_EQ(cursor->HintOrientationSide(), TiOrientationSide::iosBottomRight);

    cursor->SetPointer1Position(95); // x 190: no room on the right
    cursor->Draw(Canvas(), clBlack);
    EXPECT_EQ(cursor->HintOrientationSide(), TiOrientationSide::iosTopLeft);
    EXPECT_EQ(cursor->HintRect().Right, 185);
}

TEST_F(PlotDataCursorTest, DraggingAPointerPastTheEdgeStopsAtTheEnd)
{
    cursor->SetStyle(S::ipcsValueX);
    cursor->SetHintShow(false);
    cursor->Draw(Canvas(), clBlack);
    Drag(100, 50, 400, 50);
    EXPECT_EQ(cursor->Pointer1Position(), 100.0);
    cursor->Draw(Canvas(), clBlack);
    Drag(200, 50, -50, 50);
    EXPECT_EQ(cursor->Pointer1Position(), 0.0);
}

TEST_F(PlotDataCursorTest, HintShowsOnlyForOneChannelAndWhileDraggingWhenHiddenOnRelease)
{
    cursor->SetChannelName(QStringLiteral("<All>"));
    cursor->Draw(Canvas(), clBlack);
    EXPECT_TRUE(cursor->Pointer1Show());
    EXPECT_FALSE(cursor->HintShowing());

    cursor->SetChannelName(plot->Channel(0)->Name());
    cursor->SetHintHideOnRelease(true);
    cursor->Draw(Canvas(), clBlack);
    EXPECT_FALSE(cursor->HintShowing());
    cursor->iMouseDown(TMouseButton::mbLeft, TShiftState(), 100, 20, 0, 0, nullptr);
    cursor->Draw(Canvas(), clBlack);
    EXPECT_TRUE(cursor->HintShowing());
}

TEST_F(PlotDataCursorTest, MeasuresThroughItsChannel)
{
    cursor->SetChannelName(plot->Channel(0)->Name());
    int changes = 0;
    plot->OnDataCursorChange = [&](TObject*, int index) {
        EXPECT_EQ(index, 0);
        ++changes;
    };
    cursor->SetStyle(S::ipcsDeltaX);
    cursor->SetPointer1Position(20);
    cursor->SetPointer2Position(70);
    cursor->UpdateValues();
    EXPECT_DOUBLE_EQ(cursor->ValueX(), 50.0);
    EXPECT_EQ(changes, 1);
    cursor->UpdateValues();
    EXPECT_EQ(changes, 1) << "unchanged values fire nothing";

    cursor->SetStyle(S::ipcsInverseDeltaX);
    cursor->SetPointer2Position(20);
    cursor->UpdateValues();
    EXPECT_EQ(cursor->CursorDisplayText(), QStringLiteral("Infinite"));

    plot->Channel(0)->SetYAxisName(QStringLiteral("nothing"));
    cursor->SetStyle(S::ipcsValueXY);
    cursor->UpdateValues();
    EXPECT_TRUE(cursor->CursorDisplayText().endsWith(QStringLiteral(", No Y-Axis")));
}

TEST_F(PlotDataCursorTest, CursorWithoutChannelSaysSoInItsHint)
{
    cursor->SetChannelName(QStringLiteral("missing"));
    QString seen;
    plot->OnDataCursorCustomizeHint = [&](TObject*, int, QString& text) { seen = text; };
    cursor->Draw(Canvas(), clBlack);
    EXPECT_EQ(seen, QStringLiteral("No Channel"));
}

} // namespace

namespace {

TEST_F(PlotDataCursorTest, KeysMovePointersByPixelsAndCtrlTakesPointerTwo)
{
    cursor->SetStyle(S::ipcsDeltaX); // two vertical pointers, 200 pixels: half a percent each
    struct Case { WORD key; bool ctrl; double p1; double p2; };
    const Case cases[] = {
        { VK_RIGHT, false, 50.5, 60 }, { VK_LEFT, true, 50.5, 59.5 }, { VK_PRIOR, false, 53, 59.5 },
        { VK_END, false, 100, 59.5 },  { VK_RIGHT, false, 100, 59.5 }, { VK_HOME, true, 100, 0 },
    };
    for (const Case& c : cases) {
        WORD key = c.key;
        TShiftState shift;
        if (c.ctrl)
            shift.Include(TShiftStateItem::ssCtrl);
        cursor->iKeyDown(key, shift, nullptr);
        EXPECT_DOUBLE_EQ(cursor->Pointer1Position(), c.p1) << c.key;
        EXPECT_DOUBLE_EQ(cursor->Pointer2Position(), c.p2) << c.key;
    }
}

TEST_F(PlotDataCursorTest, AnXYPlotNeitherOffersNorDoesSnapping)
{
    TPopupMenu menu(nullptr);
    cursor->AddMenuItems(&menu);
    QStringList captions;
    for (int i = 0; i < menu.Items()->Count(); ++i)
        captions << menu.Items()->Items(i)->Caption();
    EXPECT_EQ(captions, (QStringList { "Channel", "Style", "Options", "Edit..." }));

    cursor->SetSnapToDataPoint(true);
    for (WORD key : { VK_RIGHT, VK_END, VK_PRIOR }) {
        cursor->iKeyDown(key, TShiftState(), nullptr);
        EXPECT_EQ(cursor->Pointer1Position(), 50.0);
    }
    WORD up = VK_UP;
    cursor->iKeyDown(up, TShiftState(), nullptr);
    EXPECT_DOUBLE_EQ(cursor->HintPosition(), 51.0) << "the hint still moves a pixel";
}

class StripCursorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        form = new TForm(nullptr);
        plot = new TiPlot(form);
        plot->SetParent(form);
        for (int i = 0; i <= 10; ++i)
            plot->Channel(0)->AddXY(i * 10, i);
        cursor = plot->DataCursor(0);
        cursor->SetChannelName(plot->Channel(0)->Name());
        view = plot->DataView(0);
        view->SetDrawRect(TRect(0, 0, 200, 100));
        cursor->SetDataView(view);
        cursor->SetSnapToDataPoint(true);
    }
    void TearDown() override { delete form; }
    TForm* form { nullptr };
    TiPlot* plot { nullptr };
    TiPlotDataCursor* cursor { nullptr };
    TiPlotDataView* view { nullptr };
};

TEST_F(StripCursorTest, PointersStepFromPointToPoint)
{
    plot->XAxis(0)->SetMin(0);
    plot->XAxis(0)->SetSpan(100);
    cursor->SetPointer1Position(33);
    WORD right = VK_RIGHT;
    cursor->iKeyDown(right, TShiftState(), nullptr);
    EXPECT_DOUBLE_EQ(cursor->Pointer1Position(), 40) << "snapped onto 30, then one point on";
    WORD end = VK_END;
    cursor->iKeyDown(end, TShiftState(), nullptr);
    EXPECT_DOUBLE_EQ(cursor->Pointer1Position(), 100);
    WORD pageDown = VK_NEXT;
    cursor->iKeyDown(pageDown, TShiftState(), nullptr);
    EXPECT_DOUBLE_EQ(cursor->Pointer1Position(), 50);

    TPopupMenu menu(nullptr);
    cursor->AddMenuItems(&menu);
    bool offered = false;
    for (int i = 0; i < menu.Items()->Count(); ++i)
        offered = offered || menu.Items()->Items(i)->Caption() == QStringLiteral("Snap to Data-Point");
    EXPECT_TRUE(offered);
}

} // namespace

namespace {

TEST_F(StripCursorTest, InterpolatedValueIsReadWithoutDisturbingTheCursor)
{
    cursor->SetSnapToDataPoint(false);
    cursor->SetStyle(S::ipcsDeltaX);
    cursor->SetPointer1Position(12);
    plot->XAxis(0)->SetMin(0);
    plot->XAxis(0)->SetSpan(100);
    TBitmap scratch;
    plot->XAxis(0)->SetDrawRect(TRect(0, 100, 200, 130)); // under the data view, 2 pixels a unit
    plot->XAxis(0)->CalcScaleRect(scratch.Canvas());
    for (bool cached : { true, false }) {
        cursor->SetUseCachedInterpolatedData(cached);
        double y = -1;
        EXPECT_EQ(cursor->GetInterpolatedYValue(plot->Channel(0)->Name(), 40, y), TiPlotDataPointStatus::ipdpsValid);
        EXPECT_DOUBLE_EQ(y, 4.0) << cached;
        EXPECT_EQ(cursor->Style(), S::ipcsDeltaX);
        EXPECT_EQ(cursor->Pointer1Position(), 12.0);
        EXPECT_FALSE(cursor->Visible());
        EXPECT_EQ(plot->XAxis(0)->Min(), 0.0);
    }
    double y = -1;
    EXPECT_EQ(cursor->GetInterpolatedYValue(QStringLiteral("missing"), 40, y), TiPlotDataPointStatus::ipdpsNull);
    EXPECT_EQ(y, 0.0);
}

} // namespace
