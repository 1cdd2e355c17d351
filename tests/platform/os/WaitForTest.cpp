#include "platform/os/PerformanceCounter.h"
#include "platform/os/TEvent.h"
#include "platform/os/TThread.h"
#include "platform/os/WaitFor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <poll.h>
#include <unistd.h>

using namespace vcl;

TEST(TEvent, AutoResetIsClearedByTheWaitThatReportsIt)
{
    TEvent e;
    EXPECT_FALSE(e.WaitFor(0));
    e.SetEvent();
    e.SetEvent(); // setting twice is still one signal
    EXPECT_TRUE(e.WaitFor(0));
    EXPECT_FALSE(e.WaitFor(0));
}

TEST(TEvent, ManualResetStaysSetUntilReset)
{
    TEvent e(true);
    e.SetEvent();
    EXPECT_TRUE(e.WaitFor(0));
    EXPECT_TRUE(e.WaitFor(0));
    e.ResetEvent();
    EXPECT_FALSE(e.WaitFor(0));
}

TEST(WaitForAny, LowestIndexWinsAndOnlyItIsConsumed)
{
    TEvent receive, send, quit;
    send.SetEvent();
    quit.SetEvent();
    receive.SetEvent();
    const TWaitItem items[] = { TWaitItem(receive), TWaitItem(send), TWaitItem(quit) };
    EXPECT_EQ(WaitForAny(items, 0), 0);
    EXPECT_EQ(WaitForAny(items, 0), 1);
    EXPECT_EQ(WaitForAny(items, 0), 2);
    EXPECT_EQ(WaitForAny(items, 0), WAIT_TIMEOUT);
}

TEST(WaitForAny, DescriptorFiresWithoutBeingConsumedAndReportsHangUp)
{
    int p[2];
    ASSERT_EQ(::pipe(p), 0);
    TEvent quit;
    const TWaitItem items[] = { TWaitItem::Readable(p[0]), TWaitItem(quit) };
    EXPECT_EQ(WaitForAny(items, 0), WAIT_TIMEOUT);
    ASSERT_EQ(::write(p[1], "x", 1), 1);
    short ev = 0;
    EXPECT_EQ(WaitForAny(items, 0, &ev), 0);
    EXPECT_EQ(WaitForAny(items, 0), 0); // still readable: the caller reads it
    ::close(p[1]);
    char c;
    ASSERT_EQ(::read(p[0], &c, 1), 1);
    EXPECT_EQ(WaitForAny(items, 0, &ev), 0);
    EXPECT_TRUE(ev & POLLHUP);
    ::close(p[0]);
}

TEST(WaitForAny, TimesOutAfterTheGivenTimeAndWakesForAnotherThread)
{
    TEvent e;
    const TWaitItem items[] = { TWaitItem(e) };
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(WaitForAny(items, 60), WAIT_TIMEOUT);
    EXPECT_GE(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(60));

    std::thread setter([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        e.SetEvent();
    });
    EXPECT_EQ(WaitForAny(items, TEvent::INFINITE), 0);
    setter.join();
}

TEST(WaitForAny, TwoWaitersOnOneAutoResetEventWakeOnlyOne)
{
    TEvent e, stop(true);
    std::atomic<int> woken { 0 };
    auto waiter = [&] {
        const TWaitItem items[] = { TWaitItem(e), TWaitItem(stop) };
        if (WaitForAny(items, 2000) == 0)
            ++woken;
    };
    std::thread a(waiter), b(waiter);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    e.SetEvent();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    stop.SetEvent();
    a.join();
    b.join();
    EXPECT_EQ(woken.load(), 1);
}

TEST(TThread, WaitForJoinsAndAbandonedThreadOutlivesItsObject)
{
    TEvent go(true);
    {
        TThread t;
        ASSERT_TRUE(t.Start([&] { go.WaitFor(TEvent::INFINITE); }));
        EXPECT_TRUE(t.Running());
        EXPECT_FALSE(t.WaitFor(30));
        go.SetEvent();
        EXPECT_TRUE(t.WaitFor(2000));
        EXPECT_FALSE(t.Running());
    }
    auto release = std::make_shared<TEvent>(true);
    auto done = std::make_shared<std::atomic<bool>>(false);
    {
        TThread t;
        ASSERT_TRUE(t.Start([release, done] {
            release->WaitFor(TEvent::INFINITE);
            *done = true;
        }));
        EXPECT_FALSE(t.WaitFor(10));
        t.Abandon(); // the object goes; the thread keeps what it owns
    }
    release->SetEvent();
    for (int i = 0; i < 200 && !*done; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_TRUE(*done);
}

TEST(PerformanceCounter, IsMonotonicInNanoseconds)
{
    const auto a = QueryPerformanceCounter();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const auto b = QueryPerformanceCounter();
    EXPECT_EQ(QueryPerformanceFrequency(), 1000000000);
    EXPECT_GE((b - a) * 1000 / QueryPerformanceFrequency(), 5);
}
