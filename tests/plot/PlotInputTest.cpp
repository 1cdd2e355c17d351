// The plot's input as a user gives it, through the top-level window: which object a press reaches,
// selection and capture, double clicks, the wheel, keys, the hover hint on the control's timer (run
// by hand here), dragging data points, and the events staying quiet while the plot loads.

#include "PlotTestSupport.h"

#include "plot/iPlot.h"
#include "plot/iPlotAxis.h"
#include "plot/iPlotDataView.h"
#include "plot/iXYPlot.h"

#include "platform/ui/TBitmap.h"
#include "platform/ui/TCanvas.h"
#include "platform/ui/TextMetrics.h"

#include <QTest>
#include <QWindow>
#include <QWheelEvent>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

// A plot whose internal timer is moved by hand: Advance fires the tick when the interval has passed.
template <typename Plot>
class ManualTimerPlot : public Plot
{
public:
    using Plot::Plot;
    // These tests place the objects by hand (see SetUp); the paint pass would lay them out anew
    // on every repaint, so this plot paints nothing.
    void iPaintTo(vcl::TCanvas*) override {}
    bool InternalTimerActive() const override { return m_running; }
    void InternalTimerStart(int FirstInterval, int Interval) override
    {
        if (m_running)
            return;
        m_running = true;
        m_interval = FirstInterval ? FirstInterval : Interval;
        m_elapsed = 0;
    }
    void InternalTimerStop() override { m_running = false; }
    int Interval() const { return m_interval; }
    void Advance(int Ms)
    {
        m_elapsed += Ms;
        if (m_running && m_elapsed >= m_interval && this->OnInternalTimer)
            this->OnInternalTimer(this);
    }
    using Plot::iWantSpecialKey;

private:
    bool m_running { false };
    int m_interval { 0 };
    int m_elapsed { 0 };
};

template <typename Plot>
class InputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 600, 300);
        plot = new ManualTimerPlot<Plot>(form);
        plot->SetParent(form);
        plot->SetBounds(0, 0, 500, 200);
        form->Show();
        ptest::Settle();
        xAxis = plot->XAxis(0);
        yAxis = plot->YAxis(0);
        channel = plot->Channel(0);
        // The places the layout would give: X axis under the data view, Y axis to its left, one
        // pixel per unit on both, and the channel's legend entry at the right.
        xAxis->SetHorizontal(true);
        yAxis->SetHorizontal(false);
        xAxis->SetDrawRect(TRect(50, 150, 450, 180));
        yAxis->SetDrawRect(TRect(20, 20, 50, 150));
        plot->DataView(0)->SetDrawRect(TRect(50, 20, 450, 150));
        xAxis->SetMinSpan(0, 400);
        yAxis->SetMinSpan(0, 130);
        Place();
        channel->SetLegendRect(TRect(460, 20, 490, 30));
    }
    void TearDown() override { delete form; }

    void Place()
    {
        TBitmap bitmap;
        bitmap.SetSize(10, 10);
        for (int i = 0; i < plot->XAxisCount(); ++i)
            plot->XAxis(i)->CalcScaleRect(bitmap.Canvas());
        yAxis->CalcScaleRect(bitmap.Canvas());
    }

    // A data point at (X, Y) sits at pixel (50 + X, 150 - Y).
    static QPoint At(double X, double Y) { return QPoint(50 + int(X), 150 - int(Y)); }

    // Input goes to the top-level window at the point, and Qt hands it to whatever lies there.
    QWindow* Window() const { return form->windowHandle(); }
    void Press(QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {})
    {
        QTest::mousePress(Window(), b, m, p);
    }
    void Release(QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {})
    {
        QTest::mouseRelease(Window(), b, m, p);
    }
    void Click(QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {})
    {
        QTest::mouseClick(Window(), b, m, p);
    }
    void Move(QPoint p) { QTest::mouseMove(Window(), p); }

    // Select mode with visible markers: points answer the mouse.
    void PickPoints()
    {
        plot->SetSelectActive(true);
        channel->SetMarkersVisible(true);
    }

    TForm* form { nullptr };
    ManualTimerPlot<Plot>* plot { nullptr };
    TiPlotXAxis* xAxis { nullptr };
    TiPlotYAxis* yAxis { nullptr };
    TiPlotChannelCustom* channel { nullptr };
};

using XYInputTest = InputTest<TiXYPlot>;
using StripInputTest = InputTest<TiPlot>;

const QPoint kLegend(470, 25);
const QPoint kEmpty(480, 190); // inside the plot, on no object

TEST_F(XYInputTest, PressReachesSelectedObjectsFirstThenAnyThenTheDataView)
{
    const int second = plot->AddXAxis();
    plot->XAxis(second)->SetHorizontal(true);
    plot->XAxis(second)->SetDrawRect(TRect(50, 150, 450, 180));
    Place(); // an axis answers the mouse over the scale it placed
    for (TiPlotAxis* axis : { static_cast<TiPlotAxis*>(plot->XAxis(second)), static_cast<TiPlotAxis*>(yAxis) })
        axis->SetCanFocus(false); // presses go to the pressed object alone
    xAxis->SetCanFocus(false);
    std::vector<QString> events;
    plot->OnMouseDownXAxis = [&](TObject*, int i, TMouseButton, TShiftState, int, int) {
        events.push_back(QStringLiteral("x%1").arg(i));
    };
    plot->OnMouseDownDataView = [&](TObject*, int i, TMouseButton, TShiftState, int, int) {
        events.push_back(QStringLiteral("view%1").arg(i));
    };
    const QPoint onAxes(100, 160);
    Click(onAxes);
    plot->XAxis(second)->SetUserSelected(true);
    Click(onAxes);
    Click(QPoint(100, 60));
    EXPECT_EQ(events, (std::vector<QString> { "x0", "x1", "view0" }));
}

TEST_F(XYInputTest, LeftPressOnAFocusableAxisGoesToEverySelectedObject)
{
    const int second = plot->AddXAxis();
    TiPlotXAxis* other = plot->XAxis(second);
    other->SetHorizontal(true);
    other->SetDrawRect(TRect(50, 0, 450, 20));
    Place();
    other->SetUserSelected(true);
    Press(QPoint(100, 160));
    EXPECT_TRUE(xAxis->UserSelected());
    EXPECT_TRUE(xAxis->MouseIsDown());
    EXPECT_TRUE(other->MouseIsDown()); // selected elsewhere, it takes the press too
    Release(QPoint(100, 160));
    EXPECT_FALSE(other->MouseIsDown());

    // With Ctrl each press on an axis toggles its selection.
    Click(QPoint(100, 160), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_FALSE(xAxis->UserSelected());
    Click(QPoint(100, 160), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_TRUE(xAxis->UserSelected());
}

TEST_F(XYInputTest, RightPressSelectsAndCapturesOnAnObjectAndClearsOnEmptySpace)
{
    bool menuAsked = false;
    plot->OnPopupMenuChannel = [&](TObject*, int, bool& Cancel, int, int) {
        menuAsked = true;
        Cancel = true;
    };
    Press(kLegend, Qt::RightButton);
    EXPECT_TRUE(channel->UserSelected());
    EXPECT_TRUE(plot->HoldsCapture());
    Release(kLegend, Qt::RightButton);
    EXPECT_TRUE(menuAsked);
    EXPECT_FALSE(plot->HoldsCapture());

    Press(kEmpty, Qt::RightButton);
    EXPECT_FALSE(channel->UserSelected());
    EXPECT_FALSE(plot->HoldsCapture());
    Release(kEmpty, Qt::RightButton);
}

TEST_F(XYInputTest, LosingTheCaptureHidesTheHintAndForgetsTheObjectUnderTheMouse)
{
    plot->OnPopupMenuChannel = [](TObject*, int, bool& Cancel, int, int) { Cancel = true; };
    Move(kLegend);
    Press(kLegend, Qt::RightButton);
    ASSERT_TRUE(plot->HoldsCapture());
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(plot, &deactivate);
    EXPECT_FALSE(plot->HoldsCapture());
    EXPECT_FALSE(plot->HintData().Visible);
    EXPECT_FALSE(plot->InternalTimerActive());
    Release(kLegend, Qt::RightButton);
}

TEST_F(XYInputTest, DoubleClickReportsTheDoubleClickOnTheSecondReleaseThenClicksAgain)
{
    std::vector<QString> events;
    plot->OnClickChannel = [&](TObject*, int) { events.push_back(QStringLiteral("click")); };
    plot->OnDblClickChannel = [&](TObject*, int) { events.push_back(QStringLiteral("double")); };
    QTest::mouseDClick(Window(), Qt::LeftButton, {}, kLegend);
    Click(kLegend);
    EXPECT_EQ(events, (std::vector<QString> { "click", "double", "click" }));
    EXPECT_FALSE(plot->DblClickActive());
}

TEST_F(XYInputTest, ArrowKeysAreWantedAndKeysReachTheSelectedObjects)
{
    for (WORD key = 30; key < 45; ++key) {
        LRESULT result = 0;
        plot->iWantSpecialKey(key, result);
        EXPECT_EQ(result != 0, key >= 37 && key <= 40) << key;
    }
    int menus = 0;
    plot->OnPopupMenuChannel = [&](TObject*, int, bool& Cancel, int, int) {
        ++menus;
        Cancel = true;
    };
    Click(kLegend);
    ASSERT_TRUE(channel->UserSelected());
    form->activateWindow();
    plot->SetFocus();
    QTest::keyClick(Window(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(menus, 1);
}

TEST_F(XYInputTest, EventsStayQuietWhileThePlotLoads)
{
    int clicks = 0;
    plot->OnClickChannel = [&](TObject*, int) { ++clicks; };
    plot->SetLoading(true);
    Click(kLegend);
    plot->SetLoading(false);
    EXPECT_EQ(clicks, 0);
    Click(kLegend);
    EXPECT_EQ(clicks, 1);
}

TEST_F(XYInputTest, OnlyTheLegendEntryHitsOutsideSelectMode)
{
    channel->AddXY(100, 65);
    channel->AddXY(101, 65); // overlapping markers
    channel->SetMarkersVisible(true);
    TiPlotMouseData onPoint;
    onPoint.X = onPoint.XAxisPixels = At(100, 65).x();
    onPoint.Y = onPoint.YAxisPixels = At(100, 65).y();
    EXPECT_FALSE(channel->iMouseHitTest(onPoint));
    plot->SetSelectActive(true);
    ASSERT_TRUE(channel->iMouseHitTest(onPoint));
    EXPECT_EQ(channel->SelectDataIndex(), 0); // the lower index wins
    channel->SetNull(0, true);
    channel->SetEmpty(1, true);
    EXPECT_FALSE(channel->iMouseHitTest(onPoint));
}

TEST_F(XYInputTest, DraggingAPointInYOnlyKeepsXAndReportsTheMove)
{
    channel->AddXY(100, 65);
    PickPoints();
    channel->SetUserCanMoveDataPoints(true);
    channel->SetUserCanMoveDataPointsStyle(TiPlotChannelDataPointMoveStyle::ipcdpmsYOnly);
    int clicks = 0;
    std::vector<double> moved;
    plot->OnClickDataPoint = [&](TObject*, int, int) { ++clicks; };
    plot->OnDataPointMoved = [&](TObject*, int c, int i, double ox, double oy, double nx, double ny) {
        moved = { double(c), double(i), ox, oy, nx, ny };
    };
    Press(At(100, 65));
    Move(At(107, 75));
    EXPECT_EQ(channel->GetX(0), 100.0);
    EXPECT_EQ(channel->GetY(0), 75.0);
    Release(At(107, 75));
    EXPECT_EQ(clicks, 0); // released outside the point's marker
    EXPECT_EQ(moved, (std::vector<double> { 0, 0, 100, 65, 100, 75 }));

    // A press and release in place clicks and moves nothing.
    moved.clear();
    Click(At(100, 75));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(moved.empty());
}

TEST_F(XYInputTest, DraggingAPointFollowsTheMouseInTheDirectionsAllowed)
{
    struct Case
    {
        TiPlotChannelDataPointMoveStyle style;
        double x, y; // where the point ends after a drag of 7 right and 10 up
    };
    const Case cases[] = { { TiPlotChannelDataPointMoveStyle::ipcdpmsXandY, 107, 75 },
                           { TiPlotChannelDataPointMoveStyle::ipcdpmsXOnly, 107, 65 },
                           { TiPlotChannelDataPointMoveStyle::ipcdpmsYOnly, 100, 75 } };
    PickPoints();
    channel->SetUserCanMoveDataPoints(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.style));
        channel->Clear();
        channel->AddXY(100, 65);
        channel->SetUserCanMoveDataPointsStyle(c.style);
        Press(At(100, 65));
        Move(At(104, 70));
        Move(At(107, 75)); // each move measures from the press
        Release(At(107, 75));
        EXPECT_EQ(channel->GetX(0), c.x);
        EXPECT_EQ(channel->GetY(0), c.y);
    }
    // Without the permission the point stays.
    channel->SetUserCanMoveDataPoints(false);
    Press(At(100, 75));
    Move(At(120, 90));
    Release(At(120, 90));
    EXPECT_EQ(channel->GetX(0), 100.0);
    EXPECT_EQ(channel->GetY(0), 75.0);
}

// Axes with MasterUIInput hand their drag to every other axis of their kind, each exactly once;
// an axis without it moves alone, and no drag reaches the Y axes.
TEST_F(XYInputTest, MasterAxesShareTheirDragWithTheOtherAxesOfTheirKind)
{
    const int second = plot->AddXAxis();
    const int third = plot->AddXAxis();
    plot->XAxis(second)->SetDrawRect(TRect(50, 180, 450, 190));
    plot->XAxis(third)->SetDrawRect(TRect(50, 190, 450, 200));
    for (int i = 0; i < plot->XAxisCount(); ++i) {
        plot->XAxis(i)->SetHorizontal(true);
        plot->XAxis(i)->SetCanFocus(false); // a press goes to the pressed axis alone
    }
    Place();
    xAxis->SetMasterUIInput(true);
    plot->XAxis(third)->SetMasterUIInput(true);
    struct Case
    {
        int y;               // where the drag runs: on axis 0, 1 or 2
        bool moved[3];       // which X axes scroll
    };
    const Case cases[] = { { 165, { true, true, true } }, { 185, { false, true, false } }, { 195, { true, true, true } } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.y);
        for (int i = 0; i < plot->XAxisCount(); ++i)
            plot->XAxis(i)->SetMinSpan(0, 400);
        Press(QPoint(100, c.y));
        Move(QPoint(140, c.y)); // 40 of 400 pixels: a tenth of the span
        Release(QPoint(140, c.y));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(plot->XAxis(i)->Min(), c.moved[i] ? -40.0 : 0.0) << "axis " << i;
        EXPECT_EQ(yAxis->Min(), 0.0);
        EXPECT_EQ(yAxis->Span(), 130.0);
    }
}

TEST_F(XYInputTest, HintShowsAfterThePauseAndGoesAfterTheHidePause)
{
    channel->AddXY(100, 65);
    PickPoints();
    channel->SetShowDataPointHints(true);
    int moves = 0;
    plot->OnMouseMoveDataPoint = [&](TObject*, int, int, TShiftState, int, int) { ++moves; };
    Move(At(100, 65));
    ASSERT_TRUE(plot->InternalTimerActive());
    EXPECT_EQ(plot->Interval(), plot->HintsPause());
    EXPECT_FALSE(plot->HintData().Visible);
    plot->Advance(plot->HintsPause());
    EXPECT_TRUE(plot->HintData().Visible);
    EXPECT_FALSE(plot->HintData().Text.isEmpty());
    EXPECT_EQ(plot->Interval(), plot->HintsHidePause());
    plot->Advance(plot->HintsHidePause());
    EXPECT_FALSE(plot->HintData().Visible);

    // Without hints the objects still see the moves.
    plot->SetHintsShow(false);
    moves = 0;
    Move(At(101, 65));
    EXPECT_GT(moves, 0);
    EXPECT_FALSE(plot->InternalTimerActive());
}

TEST_F(XYInputTest, PointHintIsPlacedInsideTheDataView)
{
    TTextMetricsOverride metrics(ptest::Fixed()); // 6 pixels a character, 10 high
    PickPoints();
    channel->SetShowDataPointHints(true);
    struct Case
    {
        double x, y;
        int left, top; // -1: centred above the point
    };
    // Data view 50..450 x 20..150; markers of size 3 (half 1); the hint is 14 high.
    const Case cases[] = {
        { 200, 65, -1, 85 - 19 },          // room above: centred over the point
        { 200, 128, -1, 22 + 14 + 4 + 1 }, // near the top: below the point
        { 2, 65, 52 + 1 + 8, 85 - 7 },     // near the left edge: to its right
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        channel->Clear();
        channel->AddXY(c.x, c.y);
        Move(QPoint(440, 140)); // over the data view, which gives no hint: the next one starts afresh
        Move(At(c.x, c.y));
        plot->Advance(plot->HintsPause());
        const TiHintData& hint = plot->HintData();
        ASSERT_TRUE(hint.Visible);
        EXPECT_EQ(hint.Width, 6 * int(hint.Text.size()) + 4);
        EXPECT_EQ(hint.Height, 14);
        EXPECT_EQ(hint.Left, c.left < 0 ? At(c.x, c.y).x() - hint.Width / 2 : c.left);
        EXPECT_EQ(hint.Top, c.top);
        plot->Advance(plot->HintsHidePause());
    }
}

TEST_F(XYInputTest, WheelIsConsumedAndAnXYChannelReportsNoWheel)
{
    int wheels = 0;
    plot->OnMouseWheelChannel = [&](TObject*, int, int, TShiftState, int, int) { ++wheels; };
    QWheelEvent unselected(QPointF(300, 60), QPointF(300, 60), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                           Qt::NoScrollPhase, false);
    QApplication::sendEvent(plot, &unselected);
    EXPECT_TRUE(unselected.isAccepted());
    channel->SetUserSelected(true);
    QWheelEvent selected(QPointF(300, 60), QPointF(300, 60), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
    QApplication::sendEvent(plot, &selected);
    EXPECT_TRUE(selected.isAccepted());
    EXPECT_EQ(wheels, 0);
}

TEST_F(StripInputTest, StripChannelReportsTheWheel)
{
    int wheels = 0;
    plot->OnMouseWheelChannel = [&](TObject*, int i, int delta, TShiftState, int, int) {
        EXPECT_EQ(i, 0);
        EXPECT_EQ(delta, 120);
        ++wheels;
    };
    channel->SetUserSelected(true);
    QWheelEvent wheel(QPointF(300, 60), QPointF(300, 60), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(plot, &wheel);
    EXPECT_TRUE(wheel.isAccepted());
    EXPECT_EQ(wheels, 1);
}

TEST_F(StripInputTest, RightClickNearTheCurveHitsTheChannel)
{
    auto* strip = static_cast<TiPlotChannel*>(channel);
    strip->AddXY(0, 10);
    strip->AddXY(200, 110);
    TiPlotMouseData near;
    near.Button = TMouseButton::mbRight;
    near.X = near.XAxisPixels = At(100, 68).x();
    near.Y = near.YAxisPixels = At(100, 68).y();
    EXPECT_TRUE(strip->iMouseHitTest(near)); // the curve passes at 60, 8 pixels away
    near.Y = near.YAxisPixels = At(100, 75).y();
    EXPECT_FALSE(strip->iMouseHitTest(near));
    near.Button = TMouseButton::mbLeft;
    near.Y = near.YAxisPixels = At(100, 60).y();
    EXPECT_FALSE(strip->iMouseHitTest(near));
}

} // namespace
