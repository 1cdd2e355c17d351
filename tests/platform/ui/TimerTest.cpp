// The timer's rules: defaults, re-enabling keeps the expiry, a new interval restarts it.
#include "ApplicationTestEnv.h"

#include "platform/ui/TTimer.h"

#include <QTimer>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

class TimerTest : public ::testing::Test
{
protected:
    void SetUp() override { uitest::App(); }
};

TEST_F(TimerTest, Defaults)
{
    TTimer t(nullptr);
    EXPECT_TRUE(t.Enabled());
    EXPECT_EQ(t.Interval(), 1000u);
}

// Each case pokes the running 400 ms timer at 250 ms and starts a 300 ms reference timer at the same
// moment. A timer that kept its expiry is due 150 ms after the poke at the latest, so it ticks before
// the reference; a restarted one is due 400 ms after the poke, so it ticks after it. Expired timers
// are handled in the order they fell due, so however late a busy machine runs the loop, the order holds.
TEST_F(TimerTest, PokingARunningTimer)
{
    struct Case
    {
        const char* what;
        std::function<void(TTimer&)> poke;
        bool restarts;
    };
    const Case cases[] = {
        { "enable again", [](TTimer& t) { t.SetEnabled(true); }, false },
        { "same interval", [](TTimer& t) { t.SetInterval(400); }, false },
        { "new interval", [](TTimer& t) { t.SetInterval(401); }, true },
        { "off and on", [](TTimer& t) { t.SetEnabled(false); t.SetEnabled(true); }, true },
    };
    for (const Case& c : cases) {
        QObject scope; // ends this case's pending single shots with it
        TTimer t(nullptr);
        t.SetEnabled(false);
        t.SetInterval(400);
        bool ticked = false;
        bool referenceFired = false;
        bool tickedAfterReference = false;
        t.OnTimer = [&](TObject*) {
            ticked = true;
            tickedAfterReference = referenceFired;
            t.SetEnabled(false); // one-shot use, as the program's handlers do
        };
        t.SetEnabled(true);
        QTimer::singleShot(250, Qt::PreciseTimer, &scope, [&] {
            c.poke(t);
            QTimer::singleShot(300, Qt::PreciseTimer, &scope, [&] { referenceFired = true; });
        });
        ASSERT_TRUE(uitest::SpinUntil([&] { return ticked && referenceFired; })) << c.what;
        EXPECT_EQ(tickedAfterReference, c.restarts) << c.what;
    }
}

TEST_F(TimerTest, ZeroIntervalOrDisabledNeverFiresAndHandlerExceptionIsShown)
{
    uitest::MessageBoxRecorder boxes;
    TTimer idle(nullptr);
    idle.SetInterval(0);
    int idleTicks = 0;
    idle.OnTimer = [&](TObject*) { ++idleTicks; };

    TTimer thrower(nullptr);
    thrower.SetInterval(1);
    int ticks = 0;
    thrower.OnTimer = [&](TObject*) {
        if (++ticks == 2)
            thrower.SetEnabled(false);
        throw Exception(QStringLiteral("tick"));
    };
    ASSERT_TRUE(uitest::SpinUntil([&] { return ticks == 2; }));
    uitest::SpinUntil([] { return false; }, 30);
    EXPECT_EQ(ticks, 2); // the loop went on after the first throw; disabled after the second
    EXPECT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(idleTicks, 0);
}

} // namespace
