// Message delivery: Perform, posting to a destroyed window, sends from a worker thread and a send
// that a stopping worker abandons while the UI thread is busy.
#include "ApplicationTestEnv.h"

#include "platform/ui/TWinControl.h"
#include "platform/ui/WindowMessages.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace vcl;

namespace {

// Two of the program's own message numbers: one sent with a frame, one posted with a notice.
constexpr UINT UM_RX_FRAME = WM_USER + 0x150;
constexpr UINT UM_COMM_EVENT = WM_USER + 0x151;

class Receiver : public TWinControl
{
public:
    using TWinControl::TWinControl;
    std::vector<TMessage> got;
    std::atomic<bool> onUiThread { true };
    void Dispatch(TMessage& m) override
    {
        if (m.Msg == UM_RX_FRAME || m.Msg == UM_COMM_EVENT) {
            onUiThread = onUiThread && IsUiThread();
            got.push_back(m);
            if (m.Msg == UM_RX_FRAME) // read the sender's frame while it is guaranteed to live
                m.Result = static_cast<LRESULT>(reinterpret_cast<const std::vector<int>*>(m.WParam)->size());
            else
                m.Result = 7;
            return;
        }
        TWinControl::Dispatch(m);
    }
};

class MessageTest : public ::testing::Test
{
protected:
    void SetUp() override { uitest::App(); }
};

TEST_F(MessageTest, PerformDispatchesAtOnceAndReturnsResult)
{
    Receiver r(nullptr);
    std::vector<int> frame { 1, 2, 3 };
    EXPECT_EQ(r.Perform(UM_RX_FRAME, reinterpret_cast<WPARAM>(&frame), 5), 3);
    ASSERT_EQ(r.got.size(), 1u);
    EXPECT_EQ(r.got[0].LParam, 5);
}

TEST_F(MessageTest, PostedMessageArrivesLaterAndIsDroppedForDestroyedWindow)
{
    auto* r = new Receiver(nullptr);
    const HWND h = r->Handle();
    EXPECT_TRUE(r->HandleAllocated());
    ASSERT_TRUE(PostMessage(h, UM_COMM_EVENT, 1, 2));
    EXPECT_TRUE(r->got.empty()); // not before the loop runs
    ASSERT_TRUE(uitest::SpinUntil([&] { return !r->got.empty(); }));
    EXPECT_EQ(r->got[0].WParam, 1u);

    ASSERT_TRUE(PostMessage(h, UM_COMM_EVENT, 3, 4));
    delete r; // the queued message must find nobody, not a dangling pointer
    EXPECT_FALSE(IsWindow(h));
    QCoreApplication::processEvents();
    EXPECT_FALSE(PostMessage(h, UM_COMM_EVENT, 5, 6));
    EXPECT_EQ(SendMessage(h, UM_COMM_EVENT, 0, 0), 0);
}

TEST_F(MessageTest, WorkerSendBlocksUntilUiThreadHandledIt)
{
    Receiver r(nullptr);
    const HWND h = r.Handle();
    std::vector<int> frame(12, 0);
    std::atomic<LRESULT> result { -1 };
    std::atomic<bool> handled { false };
    std::thread worker([&] {
        TCancelSignal stop;
        bool ok = false;
        result = SendMessage(h, UM_RX_FRAME, reinterpret_cast<WPARAM>(&frame), 9, stop, &ok);
        handled = ok;
        // Posting from the worker works too.
        PostMessage(h, UM_COMM_EVENT, 0, 1);
    });
    ASSERT_TRUE(uitest::SpinUntil([&] { return r.got.size() == 2; }));
    worker.join();
    EXPECT_EQ(result.load(), 12);
    EXPECT_TRUE(handled.load());
    EXPECT_TRUE(r.onUiThread.load());
}

// The UI thread stops a worker that waits in a send and joins it without running its loop: the
// send is withdrawn, the worker returns, and the message is never handled afterwards.
TEST_F(MessageTest, CancelledSendReturnsWhileUiThreadIsBusyAndIsNeverHandled)
{
    Receiver r(nullptr);
    const HWND h = r.Handle();
    TCancelSignal stop;
    std::atomic<bool> sending { false };
    std::atomic<LRESULT> result { -1 };
    std::atomic<bool> handled { true };
    std::thread worker([&] {
        std::vector<int> frame(4, 0); // gone once the worker returns
        sending = true;
        bool ok = true;
        result = SendMessage(h, UM_RX_FRAME, reinterpret_cast<WPARAM>(&frame), 0, stop, &ok);
        handled = ok;
    });
    while (!sending)
        std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(50)); // the worker is now waiting
    stop.Cancel();
    worker.join(); // would hang forever without the cancellation
    EXPECT_EQ(result.load(), 0);
    EXPECT_FALSE(handled.load());
    QCoreApplication::processEvents();
    EXPECT_TRUE(r.got.empty());

    // A signal already cancelled refuses at once; Reset makes it usable again.
    std::thread again([&] { result = SendMessage(h, UM_COMM_EVENT, 0, 0, stop); });
    again.join();
    EXPECT_EQ(result.load(), 0);
    stop.Reset();
    std::thread third([&] { result = SendMessage(h, UM_COMM_EVENT, 0, 0, stop); });
    ASSERT_TRUE(uitest::SpinUntil([&] { return r.got.size() == 1; }));
    third.join();
    EXPECT_EQ(result.load(), 7);
}

TEST_F(MessageTest, ExceptionInMessageHandlerIsShownAndSenderGetsZero)
{
    struct Thrower : TWinControl
    {
        using TWinControl::TWinControl;
        void Dispatch(TMessage& m) override
        {
            if (m.Msg == UM_COMM_EVENT)
                throw Exception(QStringLiteral("boom"));
            TWinControl::Dispatch(m);
        }
    } t(nullptr);
    uitest::MessageBoxRecorder boxes;
    const HWND h = t.Handle();
    std::atomic<LRESULT> result { -1 };
    std::thread worker([&] { result = SendMessage(h, UM_COMM_EVENT, 0, 0); });
    ASSERT_TRUE(uitest::SpinUntil([&] { return result.load() != -1; }));
    worker.join();
    EXPECT_EQ(result.load(), 0);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].Text, QStringLiteral("boom."));
}

} // namespace
