// The timer's rules: defaults, re-enabling keeps the expiry, a new interval restarts it.
#include "ApplicationTestEnv.h"

#include "platform/ui/TTimer.h"

#include <QElapsedTimer>
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

// Each case pokes the running 400 ms timer at 250 ms; the first tick tells whether it restarted
// (about 650 ms) or kept its expiry (about 400 ms).
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
        TTimer t(nullptr);
        t.SetEnabled(false);
        t.SetInterval(400);
        qint64 firstTick = -1;
        QElapsedTimer clock;
        t.OnTimer = [&](TObject*) {
            if (firstTick < 0)
                firstTick = clock.elapsed();
            t.SetEnabled(false); // one-shot use, as the program's handlers do
        };
        clock.start();
        t.SetEnabled(true);
        QTimer::singleShot(250, [&] { c.poke(t); });
        ASSERT_TRUE(uitest::SpinUntil([&] { return firstTick >= 0; }, 3000)) << c.what;
        if (c.restarts)
            EXPECT_GT(firstTick, 525) << c.what;
        else
            EXPECT_LT(firstTick, 525) << c.what;
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
