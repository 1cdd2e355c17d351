// The component base and its window layer: repaint merging under update blocks and the frame-rate
// limit, the deferred repaint of the update object, double-buffered paint of background, border and
// errors, and the relay of input to the component-level operations.

#include "PlotTestSupport.h"

#include "plot/iCustomComponent.h"
#include "plot/iUpdateObject.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>

#include <vector>

using namespace vcl;

namespace {

// A control that paints a plain background and border and records what reaches it.
class Probe : public TiCustomComponent
{
public:
    explicit Probe(TComponent* owner) : TiCustomComponent(owner) { OnPaint = [this](TObject*, TCanvas*) { ++paints; }; }

    void Request() { InvalidateChange(); }
    using TiComponent::BackGroundChange;

    int paints { 0 };
    bool raiseInPaint { false };
    std::vector<QString> calls;

protected:
    void iPaintTo(TCanvas* Canvas) override
    {
        if (raiseInPaint)
            throw Exception("Broken drawing");
        DrawBackGround(Canvas, BackGroundColor());
    }
    void iKeyDown(WORD& Key, TShiftState Shift) override
    {
        calls.push_back(QStringLiteral("key %1 shift %2").arg(Key).arg(Shift.Contains(TShiftStateItem::ssShift)));
    }
    void iMouseDown(TMouseButton, TShiftState, int X, int Y) override
    {
        calls.push_back(QStringLiteral("down %1,%2 user %3").arg(X).arg(Y).arg(UserGenerated()));
    }
    void iMouseUp(TMouseButton Button, TShiftState, int X, int Y) override
    {
        calls.push_back(QStringLiteral("up %1 %2,%3").arg(int(Button)).arg(X).arg(Y));
    }
};

class ComponentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 300, 200);
        probe = new Probe(form);
        probe->SetParent(form);
        probe->SetBounds(10, 10, 100, 60);
        form->Show();
        ptest::Settle();
        probe->paints = 0;
    }
    void TearDown() override { delete form; }

    ptest::ManualClock clock;
    TForm* form { nullptr };
    Probe* probe { nullptr };
};

TEST_F(ComponentTest, FrameRateLimitDefersSecondRequestUntilTheUpdateTick)
{
    probe->SetUpdateFrameRate(60);
    probe->SetAutoFrameRate(true); // held back: the frame timer carries it out once the period has passed
    clock.AdvanceMs(100);
    ASSERT_TRUE(ptest::WaitFor([this] { return !probe->NeedsRepaint(); }));
    ptest::Settle();
    probe->paints = 0;

    clock.AdvanceMs(100);
    probe->Request(); // period passed: at once
    ptest::Settle();
    EXPECT_EQ(probe->paints, 1);
    EXPECT_FALSE(probe->NeedsRepaint());

    clock.AdvanceMs(5);
    probe->Request(); // within 1/60 s: stays pending
    ptest::Settle();
    EXPECT_EQ(probe->paints, 1);
    EXPECT_TRUE(probe->NeedsRepaint());

    TiUpdateObject::Instance().Tick(); // still inside the period
    ptest::Settle();
    EXPECT_EQ(probe->paints, 1);

    clock.AdvanceMs(20);
    TiUpdateObject::Instance().Tick();
    ptest::Settle();
    EXPECT_EQ(probe->paints, 2);
    EXPECT_FALSE(probe->NeedsRepaint());
}

TEST_F(ComponentTest, RateZeroMeansNoLimitAndTheTickCopesWithIt)
{
    probe->SetAutoFrameRate(true);
    probe->SetUpdateFrameRate(0);
    ptest::Settle();
    probe->paints = 0;
    probe->Request();
    ptest::Settle();
    EXPECT_EQ(probe->paints, 1);
    EXPECT_FALSE(probe->NeedsRepaint());

    probe->BeginUpdate();
    probe->Request();
    probe->SetLoading(false);
    // A pending repaint under an open block is left alone by the tick, whatever the rate.
    TiUpdateObject::Instance().Tick();
    EXPECT_TRUE(probe->NeedsRepaint());
    probe->EndUpdate();
    EXPECT_FALSE(probe->NeedsRepaint());
}

TEST_F(ComponentTest, UpdateBlockMergesChangesIntoOneRepaint)
{
    probe->BeginUpdate();
    probe->BeginUpdate(); // blocks do not nest
    for (int i = 0; i < 10; ++i)
        probe->SetBackGroundColor(TColor(0x000010 * (i + 1)));
    ptest::Settle();
    EXPECT_EQ(probe->paints, 0);
    EXPECT_TRUE(probe->NeedsRepaint());
    probe->EndUpdate();
    ptest::Settle();
    EXPECT_EQ(probe->paints, 1);
    EXPECT_FALSE(probe->UpdateActive());
}

TEST_F(ComponentTest, WithoutFrameRateEveryRequestRepaintsAndNothingStaysPending)
{
    clock.AdvanceMs(0); // time stands still: the limit would hold every request back
    for (int i = 0; i < 3; ++i) {
        probe->Request();
        EXPECT_FALSE(probe->NeedsRepaint());
        ptest::Settle();
    }
    EXPECT_EQ(probe->paints, 3);
}

TEST_F(ComponentTest, SwitchingFrameRateOffCarriesOutThePendingRepaint)
{
    probe->SetAutoFrameRate(true);
    ptest::Settle();
    probe->paints = 0;
    probe->Request(); // same instant as the last repaint: pending
    ASSERT_TRUE(probe->NeedsRepaint());
    probe->SetAutoFrameRate(false);
    EXPECT_FALSE(probe->NeedsRepaint());
    ptest::Settle();
    EXPECT_EQ(probe->paints, 1);
}

TEST_F(ComponentTest, UpdateObjectKeepsLiveControlsAndRunsItsTimerOnlyWithThem)
{
    auto& updates = TiUpdateObject::Instance();
    const int before = updates.Count();
    auto* second = new Probe(form);
    EXPECT_EQ(updates.Count(), before + 1);
    EXPECT_TRUE(updates.TimerEnabled());
    delete second;
    EXPECT_EQ(updates.Count(), before);
    delete form;
    form = nullptr;
    EXPECT_EQ(updates.Count(), 0);
    EXPECT_FALSE(updates.TimerEnabled());
    form = new TForm(nullptr); // for TearDown
}

TEST_F(ComponentTest, PaintsBackgroundAndLoweredBorderDoubleBuffered)
{
    probe->SetBackGroundColor(clBlack);
    probe->SetBorderStyle(TiBevelStyle::ibsLowered);
    const QImage img = probe->grab().toImage();
    EXPECT_EQ(FromQColor(img.pixelColor(0, 0)), ColorToRGB(clBtnShadow));
    EXPECT_EQ(FromQColor(img.pixelColor(1, 1)), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(FromQColor(img.pixelColor(99, 59)), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(FromQColor(img.pixelColor(98, 58)), ColorToRGB(cl3DLight));
    EXPECT_EQ(FromQColor(img.pixelColor(50, 30)), clBlack);
    EXPECT_FALSE(probe->BackGroundChanged());

    TBitmap empty; // a picture without width counts as none: colour and border stay
    probe->SetBackGroundPicture(&empty);
    const QImage again = probe->grab().toImage();
    EXPECT_EQ(FromQColor(again.pixelColor(0, 0)), ColorToRGB(clBtnShadow));
    EXPECT_EQ(FromQColor(again.pixelColor(50, 30)), clBlack);
}

TEST_F(ComponentTest, PaintFailureShowsItsMessageWhiteOnBlackAndOnPaintStillRuns)
{
    TTextMetricsOverride metrics(ptest::Fixed());
    probe->SetBackGroundColor(clRed);
    probe->raiseInPaint = true;
    const QImage img = probe->grab().toImage();
    EXPECT_GE(probe->paints, 1);
    EXPECT_EQ(FromQColor(img.pixelColor(99, 59)), clBlack);
    bool white = false;
    for (int y = 0; y < 10 && !white; ++y)
        for (int x = 0; x < 60 && !white; ++x)
            white = FromQColor(img.pixelColor(x, y)) == clWhite;
    EXPECT_TRUE(white);
    probe->raiseInPaint = false; // still usable
    EXPECT_EQ(FromQColor(probe->grab().toImage().pixelColor(50, 30)), clRed);
}

TEST_F(ComponentTest, KeyReachesTheComponentTwiceFirstWithoutShift)
{
    probe->SetFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    QApplication::sendEvent(probe, &press);
    ASSERT_EQ(probe->calls.size(), 2u);
    EXPECT_EQ(probe->calls[0], QStringLiteral("key 65 shift 0"));
    EXPECT_EQ(probe->calls[1], QStringLiteral("key 65 shift 1"));
}

TEST_F(ComponentTest, MouseIsRelayedAsUserInputBeforeTheEvent)
{
    QString order;
    probe->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { order = probe->calls.back(); };
    ptest::Mouse(probe, QEvent::MouseButtonPress, 7, 8);
    EXPECT_EQ(order, QStringLiteral("down 7,8 user 1"));
    EXPECT_FALSE(probe->UserGenerated());
    ptest::Mouse(probe, QEvent::MouseButtonRelease, 7, 8);
}

TEST_F(ComponentTest, LosingFocusEndsADragWithLeftButtonAtZero)
{
    auto* other = new Probe(form);
    other->SetParent(form);
    other->SetBounds(150, 10, 50, 50);
    form->activateWindow();
    probe->SetFocus();
    ptest::Settle();
    ASSERT_TRUE(probe->HasFocus());
    probe->calls.clear();
    other->SetFocus();
    ptest::Settle();
    EXPECT_FALSE(probe->HasFocus());
    ASSERT_FALSE(probe->calls.empty());
    EXPECT_EQ(probe->calls.back(), QStringLiteral("up 0 0,0"));
}

TEST_F(ComponentTest, UnchangedBoundsAskForNoRepaint)
{
    clock.AdvanceMs(100);
    probe->SetAutoFrameRate(true); // repaints at once, nothing pending
    ASSERT_FALSE(probe->NeedsRepaint());
    probe->SetBounds(10, 10, 100, 60);
    EXPECT_FALSE(probe->NeedsRepaint());
    probe->SetBounds(10, 10, 120, 60); // same instant: the size change is pending
    EXPECT_TRUE(probe->NeedsRepaint());
}

TEST_F(ComponentTest, TransparentControlShowsWhatLiesBehindIt)
{
    form->SetColor(clRed);
    probe->SetBackGroundColor(clBlue);
    probe->SetTransparent(true);
    ptest::Settle();
    EXPECT_EQ(FromQColor(probe->grab().toImage().pixelColor(50, 30)), clRed);
    probe->SetTransparent(false);
    EXPECT_EQ(FromQColor(probe->grab().toImage().pixelColor(50, 30)), clBlue);
}

TEST_F(ComponentTest, InternalTimerStartsOnceAndTicks)
{
    probe->InternalTimerStart(0, 0);
    EXPECT_FALSE(probe->InternalTimerActive());
    int ticks = 0;
    probe->OnInternalTimer = [&](TObject*) { ++ticks; };
    probe->InternalTimerStart(20, 5);
    EXPECT_TRUE(probe->InternalTimerActive());
    probe->InternalTimerStart(0, 10000); // running: unchanged
    EXPECT_TRUE(ptest::WaitFor([&] { return ticks >= 3; }));
    probe->InternalTimerStop();
    EXPECT_FALSE(probe->InternalTimerActive());
}

TEST_F(ComponentTest, PaintToCanvasDrawsOnlyInsideItsRectangleAtTheOffset)
{
    probe->SetBackGroundColor(clBlue);
    TBitmap target;
    target.SetSize(200, 120);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect(TRect(0, 0, 200, 120));
    probe->iPaintToDC(10, 20, false, target.Canvas());
    EXPECT_EQ(target.Canvas()->Pixels(10, 20), clBlue);
    EXPECT_EQ(target.Canvas()->Pixels(109, 79), clBlue);
    EXPECT_EQ(target.Canvas()->Pixels(110, 79), clWhite);
    EXPECT_EQ(target.Canvas()->Pixels(9, 20), clWhite);

    target.Canvas()->FillRect(TRect(0, 0, 200, 120));
    probe->iPaintToDC(10, 20, true, target.Canvas()); // transparent: the background stays
    EXPECT_EQ(target.Canvas()->Pixels(50, 50), clWhite);
}

} // namespace
