#include "TransportRig.h"

#include "transport/TransportMessages.h"
#include "transport/LUsbProc.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

// How late a report may come on a loaded machine: the lower bounds pin the time-outs, this one
// only catches a report that comes whole periods late.
constexpr double LateMs = 1000.0;

// A USB transport whose output reports reach the emulator in-process and whose replies come back
// on the Qt thread, as the window's input-report handler would hand them in.
struct UsbRig
{
    explicit UsbRig(int deviceId = 1) : host(deviceId)
    {
        emu.SetDeviceId(static_cast<std::uint8_t>(deviceId));
        host.Writer = [this](const std::uint8_t* d, unsigned n) {
            auto chunks = emu.Feed(d, n);
            if (!chunks.empty())
                host.Ui().Post([this, chunks] { PlayBack(&context, &usb, chunks); });
        };
        usb = std::make_unique<LUsbProc>(&host);
    }
    std::vector<BytePacket> WrittenFrames() const
    {
        std::vector<BytePacket> out;
        for (const auto& w : host.Writes())
            out.push_back(w.Bytes);
        return out;
    }
    std::size_t Written(std::uint8_t code) const
    {
        std::size_t n = 0;
        for (const auto& w : host.Writes())
            n += w.Bytes[5] == code;
        return n;
    }

    AppGuard app;
    DeviceEmulator emu;
    TestTransportHost host;
    std::unique_ptr<LUsbProc> usb;
    QObject context; // replies still scheduled die with the rig
};

} // namespace

TEST(LUsbProc, WritesExactFramesOneAtATimeAndDeliversRepliesInOrder)
{
    UsbRig r;
    ASSERT_TRUE(r.usb->Open());
    r.usb->SetTimeout(500);
    const BytePacket link = Req(0x10), ident = Req(0x13), lock = Req(0x2C);
    r.usb->SendQueued(link, SEND_APPEND);
    r.usb->SendQueued(ident, SEND_APPEND);
    r.usb->SendQueued(lock, SEND_APPEND);
    EXPECT_TRUE(r.usb->IsBusy());
    ASSERT_TRUE(SpinUntil([&] { return r.host.Frames().size() == 3; }));
    EXPECT_EQ(r.WrittenFrames(), (std::vector<BytePacket> { link, ident, lock }));
    const auto frames = r.host.Frames();
    const std::uint8_t codes[] = { 0x10, 0x13, 0x2C };
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(frames[i].Message, UM_RX_FRAME);
        EXPECT_EQ(frames[i].Frame[5], codes[i]);
        EXPECT_LT(frames[i].Ms, 500u);
    }
    EXPECT_EQ(std::string(frames[1].Frame.begin() + 6, frames[1].Frame.begin() + 14), "ZQ9 V010");
    // The worker leaves its busy state once the last delivery has returned to it.
    EXPECT_TRUE(SpinUntil([&] { return !r.usb->IsBusy(); }));
}

namespace {

// A USB transport whose writes are only recorded; the test plays the device's replies itself.
struct ManualUsbRig
{
    ManualUsbRig()
    {
        usb = std::make_unique<LUsbProc>(&host);
        EXPECT_TRUE(usb->Open());
        usb->SetTimeout(60000); // no resend interferes
    }
    void Receive(const BytePacket& bytes)
    {
        usb->ReceiveBytes(bytes.data(), static_cast<unsigned>(bytes.size()));
    }
    std::vector<BytePacket> Written() const
    {
        std::vector<BytePacket> out;
        for (const auto& w : host.Writes())
            out.push_back(w.Bytes);
        return out;
    }
    AppGuard app;
    TestTransportHost host;
    std::unique_ptr<LUsbProc> usb;
};

BytePacket Ack()
{
    return DeviceEmulator::ReplyFrame(1, 0x01, {});
}

} // namespace

TEST(LUsbProc, RepliesToBothCopiesOfAResentRequestInOneReadLoseNoQueuedFrame)
{
    ManualUsbRig r;
    const BytePacket resent = Req(0x12), mask = Req(0x3B, { 2, 0x03, 0x00 }), gain = Gain(2, 100);
    r.usb->SendQueued(resent, SEND_APPEND);
    ASSERT_TRUE(SpinUntil([&] { return r.Written().size() == 1; }));
    r.usb->SendQueued(mask, SEND_APPEND);
    r.usb->SendQueued(gain, SEND_APPEND);

    BytePacket both = Ack();
    const BytePacket second = Ack();
    both.insert(both.end(), second.begin(), second.end());
    r.Receive(both);
    ASSERT_TRUE(SpinUntil([&] { return r.host.Frames().size() == 2 && r.Written().size() >= 2; }));
    TestTransportHost::Spin(100);
    EXPECT_EQ(r.Written(), (std::vector<BytePacket> { resent, mask })) << "the gain waits for the mask's reply";

    r.Receive(Ack());
    ASSERT_TRUE(SpinUntil([&] { return r.Written().size() == 3; }));
    r.Receive(Ack());
    ASSERT_TRUE(SpinUntil([&] { return !r.usb->IsBusy(); }));
    EXPECT_EQ(r.Written(), (std::vector<BytePacket> { resent, mask, gain }));
}

TEST(LUsbProc, OnlyTheAnswerToTheRequestInFlightEndsItsWait)
{
    ManualUsbRig r;
    const BytePacket request = Req(0x28, { 3 }), next = Req(0x28, { 4 });
    BytePacket badCheck = DeviceEmulator::ReplyFrame(1, 0x28, { 3, 0xAA });
    badCheck.back() ^= 0xFF;
    const struct
    {
        const char* what;
        BytePacket frame;
    } strays[] = {
        { "a reply for another block", DeviceEmulator::ReplyFrame(1, 0x28, { 2, 0xAA }) },
        { "a reply of another code", Ack() },
        { "a reply signed by another device", DeviceEmulator::ReplyFrame(2, 0x28, { 3, 0xAA }) },
        { "the request's own echo", request },
        { "a reply with a wrong check byte", badCheck },
    };
    r.usb->SendQueued(request, SEND_APPEND);
    r.usb->SendQueued(next, SEND_APPEND);
    ASSERT_TRUE(SpinUntil([&] { return r.Written().size() == 1; }));
    std::size_t delivered = 0;
    for (const auto& s : strays) {
        SCOPED_TRACE(s.what);
        r.Receive(s.frame);
        ASSERT_TRUE(SpinUntil([&] { return r.host.Frames().size() == delivered + 1; }));
        EXPECT_EQ(r.host.Frames().back().Message, UM_RX_FRAME_STRAY);
        ++delivered;
    }
    TestTransportHost::Spin(50);
    EXPECT_EQ(r.Written().size(), 1u) << "the next request waits for the answer";
    EXPECT_EQ(r.usb->GetCore().IgnoredFrames.load(), std::size(strays));

    const BytePacket answer = DeviceEmulator::ReplyFrame(1, 0x28, { 3, 0x55 });
    r.Receive(answer);
    ASSERT_TRUE(SpinUntil([&] { return r.Written().size() == 2; }));
    EXPECT_EQ(r.host.Frames().back().Message, UM_RX_FRAME);
    EXPECT_EQ(r.Written().back(), next);
    r.Receive(answer); // once more: it answers nothing now
    ASSERT_TRUE(SpinUntil([&] { return r.host.Frames().size() == delivered + 2; }));
    EXPECT_EQ(r.host.Frames().back().Message, UM_RX_FRAME_STRAY);
    EXPECT_TRUE(r.usb->IsBusy()) << "the block 4 request still waits for its own answer";
}

TEST(LUsbProc, AFrameTheWindowFailedToHandleStillLetsTheNextRequestGo)
{
    ManualUsbRig r;
    r.host.ReportNotHandled = true;
    const BytePacket first = Req(0x14), second = Req(0x29, { 0 });
    r.usb->SendQueued(first, SEND_APPEND);
    r.usb->SendQueued(second, SEND_APPEND);
    ASSERT_TRUE(SpinUntil([&] { return r.Written().size() == 1; }));
    r.Receive(DeviceEmulator::ReplyFrame(1, 0x14, {})); // no payload: the window's handler fails
    ASSERT_TRUE(SpinUntil([&] { return r.Written().size() == 2; }));
    EXPECT_EQ(r.Written().back(), second);
    r.Receive(DeviceEmulator::ReplyFrame(1, 0x29, {}));
    EXPECT_TRUE(SpinUntil([&] { return !r.usb->IsBusy(); })) << "the last reply returns the transport to idle";
}

TEST(LUsbProc, TwoFadersDraggedThroughAThousandPositionsPutTheLastOfEachOnTheWire)
{
    UsbRig r;
    ASSERT_TRUE(r.usb->Open());
    r.usb->SetTimeout(2000);
    r.emu.SetReplyDelay(100);
    for (int v = 0; v < 1000; ++v)
        r.usb->SendQueued(Gain(v % 2, v), SEND_REPLACE);
    ASSERT_TRUE(SpinUntil([&] { return r.host.Frames().size() == 3 && !r.usb->IsBusy(); }));
    TestTransportHost::Spin(150);
    EXPECT_EQ(r.WrittenFrames(), (std::vector<BytePacket> { Gain(0, 0), Gain(0, 998), Gain(1, 999) }));
}

TEST(LUsbProc, AnEditTurnedBackToTheValueInFlightIsNotSentAgain)
{
    UsbRig r;
    ASSERT_TRUE(r.usb->Open());
    r.usb->SetTimeout(2000);
    r.emu.SetReplyDelay(100);
    // 5 goes out; 6 waits; 5 again outdoes the waiting 6, and the device gets 5 from the frame in flight.
    r.usb->SendQueued(Gain(0, 5), SEND_REPLACE);
    r.usb->SendQueued(Gain(0, 6), SEND_REPLACE);
    r.usb->SendQueued(Gain(0, 5), SEND_REPLACE);
    r.usb->SendQueued(Gain(1, 7), SEND_REPLACE);
    ASSERT_TRUE(SpinUntil([&] { return r.host.Frames().size() == 2 && !r.usb->IsBusy(); }));
    EXPECT_EQ(r.WrittenFrames(), (std::vector<BytePacket> { Gain(0, 5), Gain(1, 7) }));
}

TEST(LUsbProc, GivesUpAfterTheResendsAtTheSpecifiedTimeOutAndReportsAgainWhileUnanswered)
{
    constexpr unsigned T = 60;
    struct Case
    {
        int retries;
        std::uint8_t code;
        std::size_t writes;
        int reportAt; // time-outs after the hand-over
        int period;   // time-outs between later reports
    } cases[] = { { 2, 0x34, 3, 7, 7 }, { 2, 0x05, 3, 3, 3 }, { 0, 0x34, 1, 5, 1 }, { 3, 0x10, 4, 8, 8 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "retries " << c.retries << " code " << int(c.code));
        UsbRig r(3);
        r.emu.SetSilent(true);
        ASSERT_TRUE(r.usb->Open());
        r.usb->SetTimeout(T);
        r.usb->SetMaxRetries(c.retries);
        const BytePacket f = Req(c.code, { 1 }, 3);
        r.usb->SendQueued(f, SEND_APPEND);
        ASSERT_TRUE(SpinUntil([&] { return r.host.CommEvents().size() >= 2; }, 10000));
        const auto w = r.host.Writes();
        const auto e = r.host.CommEvents();
        EXPECT_EQ(e[0].Code, COMM_NO_REPLY);
        EXPECT_EQ(e[0].Param, 3u) << "the unanswered frame's address";
        ASSERT_EQ(w.size(), c.writes) << "nothing is written after the report";
        for (const auto& x : w)
            EXPECT_EQ(x.Bytes, f);
        const double first = e[0].AtMs - w.front().AtMs;
        EXPECT_GE(first, c.reportAt * T - 5.0);
        EXPECT_LT(first, c.reportAt * T + LateMs);
        const double next = e[1].AtMs - e[0].AtMs;
        EXPECT_EQ(e[1].Code, COMM_NO_REPLY);
        EXPECT_GE(next, c.period * T - 5.0);
        EXPECT_LT(next, c.period * T + LateMs);
        EXPECT_TRUE(r.usb->IsBusy()) << "later frames wait until the device speaks again";
    }
}

TEST(LUsbProc, OnlyAResendResetsTheSilentCount)
{
    // No resends: the first request is reported at its fifth time-out; after a frame from the device
    // the next request starts with the count already spent and is reported at its first.
    constexpr unsigned T = 60;
    UsbRig r;
    r.emu.SetSilent(true);
    ASSERT_TRUE(r.usb->Open());
    r.usb->SetTimeout(T);
    r.usb->SetMaxRetries(0);
    r.usb->SendQueued(Req(0x22), SEND_APPEND);
    // Reports repeat at every time-out while unanswered: a loaded machine may see two at once.
    ASSERT_TRUE(SpinUntil([&] { return r.host.CommEvents().size() >= 1; }, 10000));
    const BytePacket late = DeviceEmulator::ReplyFrame(1, 0x22, { 0 });
    r.usb->ReceiveBytes(late.data(), static_cast<unsigned>(late.size()));
    ASSERT_TRUE(SpinUntil([&] { return r.host.Frames().size() == 1 && !r.usb->IsBusy(); }));
    const std::size_t reports = r.host.CommEvents().size();
    r.usb->SendQueued(Req(0x14), SEND_APPEND);
    ASSERT_TRUE(SpinUntil([&] { return r.host.CommEvents().size() > reports; }, 10000));
    const double after = r.host.CommEvents()[reports].AtMs - r.host.Writes().back().AtMs;
    EXPECT_GE(after, T - 5.0);
    EXPECT_LT(after, T + LateMs);
}

TEST(LUsbProc, AReplyEndsItsRequestSoItIsNeverWrittenAgainNorReported)
{
    // Long enough that the answer to the resend, played back on the Qt thread, is never itself
    // taken for a time-out on a loaded machine.
    constexpr unsigned T = 400;
    UsbRig r;
    r.emu.IgnoreNext(1); // the first write is lost; the resend is answered
    ASSERT_TRUE(r.usb->Open());
    r.usb->SetKeepAliveOff(true); // no idle poll within the watch
    r.usb->SetTimeout(T);
    r.usb->SetMaxRetries(2);
    const BytePacket f = Req(0x22);
    r.usb->SendQueued(f, SEND_APPEND);
    ASSERT_TRUE(SpinUntil([&] { return r.host.Frames().size() >= 1; }));
    // Past both resends and the report they would lead to, were the reply not taken.
    TestTransportHost::Spin(8 * T);
    EXPECT_EQ(r.host.Writes().size(), 2u);
    EXPECT_TRUE(r.host.CommEvents().empty());
    EXPECT_EQ(r.host.Frames().size(), 1u);
    EXPECT_FALSE(r.usb->IsBusy());
}

TEST(LUsbProc, ReceivedBlocksQueueWhileTheWorkerWaitsSoNoByteIsLost)
{
    UsbRig r;
    ASSERT_TRUE(r.usb->Open());
    std::vector<BytePacket> sent;
    for (std::uint8_t i = 0; i < 5; ++i)
        sent.push_back(DeviceEmulator::ReplyFrame(1, 0x29, { i, 'N', 'a', 'm', 'e' }));
    // One byte per block, faster than the worker takes them; it is held up in the first delivery.
    for (const auto& f : sent)
        for (std::uint8_t b : f)
            r.usb->ReceiveBytes(&b, 1);
    ASSERT_TRUE(SpinUntil([&] { return r.host.Frames().size() == 5; }));
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(r.host.Frames()[i].Frame, sent[i]);
}

TEST(LUsbProc, AFrameSentWhileAnUnsolicitedFrameIsHandledStaysTheOneInFlight)
{
    UsbRig r;
    r.emu.SetSilent(true);
    ASSERT_TRUE(r.usb->Open());
    r.usb->SetTimeout(5000);
    const BytePacket a = Req(0x22), b = Req(0x14);
    r.host.OnFrame = [&](const TestTransportHost::Delivered&) { r.usb->SendQueued(a, SEND_APPEND); };
    const BytePacket stray = DeviceEmulator::ReplyFrame(1, 0x01, {});
    r.usb->ReceiveBytes(stray.data(), static_cast<unsigned>(stray.size()));
    ASSERT_TRUE(SpinUntil([&] { return r.host.Writes().size() == 1; }));
    TestTransportHost::Spin(30);
    r.usb->SendQueued(b, SEND_APPEND);
    TestTransportHost::Spin(50);
    EXPECT_TRUE(r.usb->IsBusy());
    EXPECT_EQ(r.WrittenFrames(), std::vector<BytePacket> { a });
    EXPECT_EQ(r.usb->QueueSnapshot(), std::vector<BytePacket> { b });
}

TEST(LUsbProc, CloseEmptiesTheQueueAndTheTransportStaysShut)
{
    UsbRig r;
    r.emu.SetSilent(true);
    ASSERT_TRUE(r.usb->Open());
    r.usb->SetTimeout(5000);
    r.usb->SendQueued(Req(0x22), SEND_APPEND);
    r.usb->SendQueued(Req(0x14), SEND_APPEND);
    r.usb->SendQueued(Req(0x29, { 0 }), SEND_APPEND);
    ASSERT_TRUE(SpinUntil([&] { return r.host.Writes().size() == 1; }));
    r.usb->Close();
    EXPECT_TRUE(r.usb->QueueSnapshot().empty());
    EXPECT_FALSE(r.usb->IsRunning());
    r.usb->SendQueued(Req(0x10), SEND_APPEND);
    EXPECT_FALSE(r.usb->Open()) << "a transport is not opened twice";
    TestTransportHost::Spin(50);
    EXPECT_EQ(r.host.Writes().size(), 1u);
    EXPECT_TRUE(r.host.CommEvents().empty());
}

TEST(LUsbProc, CloseReturnsAtOnceWhileTheWorkerWaitsInADelivery)
{
    UsbRig r;
    ASSERT_TRUE(r.usb->Open());
    const BytePacket ack = DeviceEmulator::ReplyFrame(1, 0x01, {});
    r.usb->ReceiveBytes(ack.data(), static_cast<unsigned>(ack.size()));
    std::this_thread::sleep_for(std::chrono::milliseconds(100)); // the Qt loop does not run: the worker waits
    const double t0 = r.host.NowMs();
    r.usb->Close();
    EXPECT_LT(r.host.NowMs() - t0, 1000.0);
    TestTransportHost::Spin(50);
    EXPECT_TRUE(r.host.Frames().empty()) << "a withdrawn delivery is never handled";
    EXPECT_TRUE(r.host.CommEvents().empty());
}

TEST(LUsbProc, ClosesCleanlyUnderLoad)
{
    UsbRig r;
    ASSERT_TRUE(r.usb->Open());
    r.usb->SetTimeout(200);
    int n = 0;
    r.host.OnFrame = [&](const TestTransportHost::Delivered&) {
        r.usb->SendQueued(Gain(0, ++n), SEND_REPLACE);
        r.usb->SendQueued(Req(0x40), SEND_APPEND);
    };
    r.usb->SendQueued(Req(0x40), SEND_APPEND);
    ASSERT_TRUE(SpinUntil([&] { return r.host.Frames().size() > 20u; }, 10000));
    const double t0 = r.host.NowMs();
    r.usb->Close();
    EXPECT_LT(r.host.NowMs() - t0, 1000.0);
    r.usb.reset();
    TestTransportHost::Spin(50);
    EXPECT_GT(r.host.Frames().size(), 20u);
    EXPECT_TRUE(r.host.CommEvents().empty());
}

TEST(LUsbProc, IdlePollSendsKeepAliveWithTheDeviceIdUnlessSuspended)
{
    UsbRig on(7), off(7);
    ASSERT_TRUE(on.usb->Open());
    ASSERT_TRUE(off.usb->Open());
    on.usb->SetTimeout(800);
    off.usb->SetKeepAliveOff(true);
    TestTransportHost::Spin(1700);
    EXPECT_TRUE(on.host.Writes().empty()) << "not before 2000 ms";
    ASSERT_TRUE(SpinUntil([&] { return on.host.Frames().size() == 1; }, 1500));
    EXPECT_EQ(on.WrittenFrames(), std::vector<BytePacket> { Req(0x12, {}, 7) });
    EXPECT_EQ(on.usb->GetTimeout(), 5000u);
    EXPECT_TRUE(off.host.Writes().empty());
}
