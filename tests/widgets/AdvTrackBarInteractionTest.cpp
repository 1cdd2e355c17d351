// How the fader answers the mouse, keys and wheel: track-click steps and their repeat, thumb
// drags, min/max buttons, the key table, the wheel, the drag hint, and the order of the events.
#include "AdvTrackBarTestSupport.h"

#include "platform/core/Exception.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TextMetrics.h"
#include "platform/ui/VirtualKeys.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <vector>

using namespace vcl;
using namespace fadertest;

namespace {

class AdvTrackBarInteractionTest : public ::testing::Test
{
protected:
    void SetUp() override { wtest::App(); }
};

void KeyWith(QWidget* w, int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent e(QEvent::KeyPress, qtKey, mods);
    QApplication::sendEvent(w, &e);
}

TEST_F(AdvTrackBarInteractionTest, HeldTrackClickStepsTowardThePointAndThenHovers)
{
    TAdvTrackBar f(nullptr);
    SetUpGainFader(f);
    std::vector<int> writes;
    f.OnChange = [&](TObject*) { writes.push_back(f.Position()); };

    wtest::Press(&f, 24, 50);
    EXPECT_EQ(writes, std::vector<int>{ 6 });
    EXPECT_TRUE(f.RepeatTimerActive());
    for (int i = 0; i < 12; ++i)
        f.RepeatTimerTick(nullptr);
    // Up by 6 until the thumb's bottom edge reaches the click (position 60), then back and forth.
    EXPECT_EQ(writes, (std::vector<int>{ 6, 12, 18, 24, 30, 36, 42, 48, 54, 60, 54, 60, 54 }));
    wtest::Release(&f, 24, 50);
    EXPECT_FALSE(f.RepeatTimerActive());
    // After the release a tick (capture gone) steps no more.
    f.RepeatTimerTick(nullptr);
    EXPECT_EQ(writes.size(), 13u);
}

TEST_F(AdvTrackBarInteractionTest, TrackClickAtTheBoundStillFiresAndEqualBoundsAlwaysStep)
{
    TAdvTrackBar f(nullptr);
    SetUpGainFader(f);
    f.SetPosition(120);
    int changes = 0;
    f.OnChange = [&](TObject*) { ++changes; };
    // The thumb fills the top of the track; a click between the thumb and the frame edge is above it.
    f.SetMin(120);
    changes = 0;
    wtest::Press(&f, 24, 100); // Max = Min: scale 0, every step writes
    f.RepeatTimerTick(nullptr);
    f.RepeatTimerTick(nullptr);
    wtest::Release(&f, 24, 100);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(f.Position(), 120);
}

TEST_F(AdvTrackBarInteractionTest, AFailingStepStopsTheRepeatTimerAndPassesTheErrorOn)
{
    TAdvTrackBar f(nullptr);
    SetUpGainFader(f);
    wtest::Press(&f, 24, 50);
    ASSERT_TRUE(f.RepeatTimerActive());
    f.OnChange = [](TObject*) { throw Exception(QStringLiteral("handler failed")); };
    EXPECT_THROW(f.RepeatTimerTick(nullptr), Exception);
    EXPECT_FALSE(f.RepeatTimerActive());
    f.OnChange = nullptr;
    wtest::Release(&f, 24, 50);
}

TEST_F(AdvTrackBarInteractionTest, DraggingKeepsTheGrabPointUnderTheCursorAndStopsAtTheEnds)
{
    TAdvTrackBar f(nullptr);
    SetUpGainFader(f);
    int changes = 0;
    f.OnChange = [&](TObject*) { ++changes; };
    // Thumb (6, 39, 22, 68) at 0: grab it in its lower third.
    wtest::Press(&f, 14, 62);
    EXPECT_EQ(changes, 0);
    wtest::Mouse(&f, QEvent::MouseMove, 14, 92, Qt::LeftButton);
    // 30 pixels down are 100 units at 0.3 pixel per unit.
    EXPECT_EQ(f.Position(), -100);
    const TRect r = f.GetThumbRect();
    EXPECT_EQ(92 - r.Top, 62 - 39);
    EXPECT_EQ(changes, 1);
    wtest::Mouse(&f, QEvent::MouseMove, 14, 300, Qt::LeftButton);
    EXPECT_EQ(f.Position(), -280);
    wtest::Mouse(&f, QEvent::MouseMove, 14, 320, Qt::LeftButton);
    EXPECT_EQ(changes, 2);
    wtest::Mouse(&f, QEvent::MouseMove, 14, -200, Qt::LeftButton);
    EXPECT_EQ(f.Position(), 120);
    wtest::Release(&f, 14, -200);
    wtest::Mouse(&f, QEvent::MouseMove, 14, 100, Qt::NoButton);
    EXPECT_EQ(f.Position(), 120); // the drag ended with the release
}

TEST_F(AdvTrackBarInteractionTest, ATrackAsLongAsTheThumbKeepsTheValueWhenDragged)
{
    // Track 3..13 (10 pixels) and a 10-pixel thumb: no pixel scale at all.
    TAdvTrackBar f(nullptr);
    f.SetBounds(0, 0, 16, 26);
    f.SetPosition(4);
    int changes = 0;
    f.OnChange = [&](TObject*) { ++changes; };
    wtest::Press(&f, 8, 15);
    wtest::Mouse(&f, QEvent::MouseMove, 12, 15, Qt::LeftButton);
    wtest::Release(&f, 12, 15);
    EXPECT_EQ(f.Position(), 4);
    EXPECT_EQ(changes, 0);
}

TEST_F(AdvTrackBarInteractionTest, MoveOnClickJumpsAndSlideKeepsDragging)
{
    TAdvTrackBar f(nullptr); // horizontal 150 x 26, 0..10, track 3..147, thumb 10 wide
    f.SetMoveOnClick(TMoveOnClick::mcMove);
    wtest::ClickAt(&f, 3 + 5 + 67, 15); // offset 67 of span 134: half way
    EXPECT_EQ(f.Position(), 5);
    f.SetMoveOnClick(TMoveOnClick::mcMoveSlide);
    wtest::Press(&f, 3 + 5 + 134, 15);
    EXPECT_EQ(f.Position(), 10);
    wtest::Mouse(&f, QEvent::MouseMove, 3 + 5, 15, Qt::LeftButton);
    EXPECT_EQ(f.Position(), 0);
    wtest::Release(&f, 3 + 5, 15);
}

TEST_F(AdvTrackBarInteractionTest, ButtonsStepOnReleaseAndRepeatWhileHeld)
{
    TAdvTrackBar f(nullptr);
    f.SetBounds(0, 0, 200, 30);
    f.Buttons()->SetVisible(true);
    f.SetPosition(5);
    const TRect minR = f.GetMinButtonRect();
    const TRect maxR = f.GetMaxButtonRect();
    wtest::Press(&f, maxR.Left + 2, maxR.Top + 2);
    EXPECT_EQ(f.Position(), 5); // no step on the press
    f.RepeatTimerTick(nullptr);
    EXPECT_EQ(f.Position(), 6);
    wtest::Release(&f, maxR.Left + 2, maxR.Top + 2);
    EXPECT_EQ(f.Position(), 7); // one more on the release

    wtest::Press(&f, minR.Left + 2, minR.Top + 2);
    wtest::Mouse(&f, QEvent::MouseMove, 100, 2, Qt::LeftButton); // off the button: no step on release
    wtest::Release(&f, 100, 2);
    EXPECT_EQ(f.Position(), 7);
    wtest::ClickAt(&f, minR.Left + 2, minR.Top + 2);
    EXPECT_EQ(f.Position(), 6);
}

TEST_F(AdvTrackBarInteractionTest, KeysFollowTheTable)
{
    struct Case
    {
        const char* what;
        TTrackBarOrientation orientation;
        int start;
        int key;
        Qt::KeyboardModifiers mods;
        int expected;
        int changes;
    };
    const auto V = TTrackBarOrientation::trVertical;
    const auto H = TTrackBarOrientation::trHorizontal;
    const Case cases[] = {
        { "page up", V, 0, Qt::Key_PageUp, Qt::NoModifier, 6, 1 },
        { "page up at Max", V, 120, Qt::Key_PageUp, Qt::NoModifier, 120, 1 },
        { "page down", V, 0, Qt::Key_PageDown, Qt::NoModifier, -6, 1 },
        { "up at Max", V, 120, Qt::Key_Up, Qt::NoModifier, 120, 0 },
        { "up", V, 0, Qt::Key_Up, Qt::NoModifier, 1, 1 },
        { "right", H, 0, Qt::Key_Right, Qt::NoModifier, 1, 1 },
        { "down at Min", V, -280, Qt::Key_Down, Qt::NoModifier, -280, 0 },
        { "left", H, 0, Qt::Key_Left, Qt::NoModifier, -1, 1 },
        { "home vertical", V, 0, Qt::Key_Home, Qt::NoModifier, 120, 1 },
        { "end vertical", V, 0, Qt::Key_End, Qt::NoModifier, -280, 1 },
        { "home horizontal", H, 0, Qt::Key_Home, Qt::NoModifier, -280, 1 },
        { "end at Max", H, 120, Qt::Key_End, Qt::NoModifier, 120, 0 },
        { "shift up", V, 0, Qt::Key_Up, Qt::ShiftModifier, 0, 0 },
        { "other key", V, 0, Qt::Key_A, Qt::NoModifier, 0, 0 },
    };
    for (const Case& c : cases) {
        TAdvTrackBar f(nullptr);
        f.SetOrientation(c.orientation);
        f.SetMax(120);
        f.SetMin(-280);
        f.SetPageSize(6);
        f.SetPosition(c.start);
        int changes = 0;
        f.OnChange = [&](TObject*) { ++changes; };
        KeyWith(&f, c.key, c.mods);
        EXPECT_EQ(f.Position(), c.expected) << c.what;
        EXPECT_EQ(changes, c.changes) << c.what;
    }

    TAdvTrackBar f(nullptr);
    f.OnKeyDown = [](TObject*, WORD& Key, TShiftState) { Key = 0; };
    KeyWith(&f, Qt::Key_Up);
    EXPECT_EQ(f.Position(), 0);
}

TEST_F(AdvTrackBarInteractionTest, WheelStepsByOneAndIsAlwaysHandled)
{
    TAdvTrackBar f(nullptr);
    f.SetPosition(9);
    auto wheel = [&](int delta) {
        QWheelEvent e(QPointF(5, 5), f.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        e.setAccepted(false);
        QApplication::sendEvent(&f, &e);
        return e.isAccepted();
    };
    EXPECT_TRUE(wheel(120));
    EXPECT_EQ(f.Position(), 10);
    int changes = 0;
    f.OnChange = [&](TObject*) { ++changes; };
    EXPECT_TRUE(wheel(120)); // at Max: nothing, still handled
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(wheel(-120));
    EXPECT_EQ(f.Position(), 9);
}

TEST_F(AdvTrackBarInteractionTest, PressFiresOnMouseDownFirstAndReleaseFiresOnMouseUpLast)
{
    TForm form(nullptr);
    auto* other = new TAdvTrackBar(&form);
    other->SetParent(&form);
    other->SetBounds(60, 10, 150, 26);
    auto* f = new TAdvTrackBar(&form);
    f->SetParent(&form);
    SetUpGainFader(*f);
    f->SetBounds(10, 10, 26, 155);
    form.Show();
    form.activateWindow();
    QApplication::processEvents();
    other->SetFocus();
    std::vector<QString> log;
    f->OnMouseDown = [&](TObject* s, TMouseButton, TShiftState, int, int) {
        log.push_back(QStringLiteral("down focused=%1 pos=%2").arg(int(f->Focused())).arg(f->Position()));
        EXPECT_EQ(s, f);
    };
    f->OnChange = [&](TObject*) { log.push_back(QStringLiteral("change %1").arg(f->Position())); };
    f->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { log.push_back(QStringLiteral("up")); };
    wtest::Press(f, 24, 50);
    wtest::Release(f, 24, 50);
    EXPECT_EQ(log, (std::vector<QString>{ "down focused=0 pos=0", "change 6", "up" }));
    EXPECT_TRUE(f->Focused());
}

TEST_F(AdvTrackBarInteractionTest, DragHintShowsTheValueAndStaysInsideTheScreen)
{
    TAdvTrackBar f(nullptr);
    SetUpGainFader(f);
    f.SetTrackHint(true);
    f.OnGetTrackHint = [](TObject*, int Position, QString& text) { text = QStringLiteral("v=%1").arg(Position); };
    wtest::Press(&f, 14, 50);
    wtest::Mouse(&f, QEvent::MouseMove, 14, 53, Qt::LeftButton);
    ASSERT_TRUE(f.TrackHintWindow()->isVisible());
    EXPECT_EQ(f.TrackHintWindow()->Caption(), QStringLiteral("v=%1").arg(f.Position()));
    EXPECT_EQ(f.TrackHintWindow()->Color(), clInfoBk);
    wtest::Release(&f, 14, 53);
    EXPECT_FALSE(f.TrackHintWindow()->isVisible());

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    TTrackHintWindow& w = *f.TrackHintWindow();
    const int right = screen.x() + screen.width();
    const int bottom = screen.y() + screen.height();
    w.ActivateHint(TRect(right - 3, bottom - 3, right - 3, bottom - 3), QStringLiteral("123"));
    EXPECT_EQ(w.HintBounds().Right, right - 2);
    EXPECT_EQ(w.HintBounds().Bottom, bottom - 2);
    const TSize ext = TextMetrics().TextExtent(*w.Font(), QStringLiteral("123"));
    EXPECT_EQ(w.HintBounds().Width(), ext.cx + 16);
    EXPECT_EQ(w.HintBounds().Height(), ext.cy + 4);
    w.ReleaseHandle();
}

} // namespace
