#include "TransportRig.h"

#include "platform/os/TClientSocket.h"
#include "support/EmulatorLinks.h"
#include "transport/LNetProc.h"
#include "transport/LNetSocketGlue.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The pause between the pieces of a reply that a test needs read apart: long enough that a loaded
// machine still reads the first piece before the next arrives.
constexpr unsigned PieceGapMs = 250;

// The network transport over a loopback connection to the emulator, joined to the client socket by
// the glue as the main window joins them.
struct NetHost : TestTransportHost
{
    LNetSocketGlue* Glue { nullptr };
    void NetWrite(const std::uint8_t* data, unsigned count) override
    {
        TestTransportHost::NetWrite(data, count);
        Glue->Write(data, count);
    }
};

struct NetRig
{
    NetRig()
    {
        host.Glue = &glue;
        glue.Transport = [this]() -> LPacketLink* { return net.get(); };
        glue.Trace = [this](const std::string& line) { traces.push_back(line); };
        socket.OnRead = [this](vcl::TClientSocket&) { glue.OnRead(); };
        socket.SetAddress("127.0.0.1");
        socket.SetPort(server.Port());
        socket.Open();
        EXPECT_TRUE(SpinUntil([&] { return socket.Connected(); }));
        net = std::make_unique<LNetProc>(&host);
    }
    ~NetRig() { net.reset(); }

    AppGuard app;
    DeviceEmulator emu;
    EmulatorTcpServer server { emu };
    NetHost host;
    vcl::TClientSocket socket;
    LNetSocketGlue glue { socket };
    std::vector<std::string> traces;
    std::unique_ptr<LNetProc> net;
};

} // namespace

TEST(LNetProc, RepliesSplitAcrossReadsOfAnySizeAreDeliveredWhole)
{
    NetRig r;
    ASSERT_TRUE(r.net->Open());
    r.net->SetTimeout(2000);
    r.emu.SetSplit({ 3, 6, 2 }, 30); // pieces of 3, 6, 2 bytes, then the rest
    const BytePacket name = Req(0x29, { 4 });
    r.net->SendQueued(Req(0x10), SEND_APPEND);
    r.net->SendQueued(name, SEND_APPEND);
    ASSERT_TRUE(SpinUntil([&] { return r.host.Frames().size() == 2; }));
    EXPECT_EQ(r.host.Frames()[1].Frame.size(), 15u + 9u);
    EXPECT_EQ(r.host.Frames()[1].Frame[6], 4);
    TestTransportHost::Spin(100);
    EXPECT_EQ(r.emu.RequestCount(), 2u) << "a short read is no reason to send the request again";
    EXPECT_EQ(r.host.Writes().size(), 2u);
}

TEST(LNetProc, TwoRepliesInOneReadAreDeliveredInOrder)
{
    NetRig r;
    ASSERT_TRUE(r.net->Open());
    const BytePacket levels = DeviceEmulator::ReplyFrame(1, 0x40, BytePacket(37, 0x11));
    r.emu.InjectBeforeNextReply(levels);
    r.net->SendQueued(Req(0x12), SEND_REPLACE);
    ASSERT_TRUE(SpinUntil([&] { return r.host.Frames().size() == 2; }));
    EXPECT_EQ(r.host.Frames()[0].Frame, levels);
    EXPECT_EQ(r.host.Frames()[1].Frame, DeviceEmulator::ReplyFrame(1, 0x01, {}));
}

TEST(LNetProc, TracesCoverExactlyTheBytesWrittenAndReceived)
{
    NetRig r;
    ASSERT_TRUE(r.net->Open());
    r.emu.SetSplit({ 4 }, PieceGapMs);
    r.net->SendQueued(Req(0x10), SEND_APPEND);
    ASSERT_TRUE(SpinUntil([&] { return r.host.Frames().size() == 1; }));
    const std::vector<std::string> want = { "NET W 10 02 00 01 01 10 10 03 11 ", "NET R 10 02 01 00 ",
                                            "NET R 01 10 10 03 11 " };
    EXPECT_EQ(r.traces, want);
    EXPECT_EQ(r.glue.LastFrame(), Req(0x10));
}

TEST(LNetProc, AReadWithNoTransportOpenSendsTheLastFrameAgain)
{
    NetRig r;
    ASSERT_TRUE(r.net->Open());
    r.net->SendQueued(Req(0x10), SEND_APPEND);
    ASSERT_TRUE(SpinUntil([&] { return r.host.Frames().size() == 1; }));
    r.net.reset(); // the window has closed the transport; the device speaks once more
    r.emu.ClearRecords();
    r.traces.clear();
    r.glue.Write(Req(0x13).data(), 9); // a stray request, answered by the device
    ASSERT_TRUE(SpinUntil([&] { return r.emu.RequestCount() >= 2; })); // the stray request, then it again
    EXPECT_EQ(r.emu.Requests()[1], Req(0x13));
    ASSERT_TRUE(SpinUntil([&] { return r.traces.size() >= 3; }));
    EXPECT_EQ(r.traces[2].rfind("NET RW 10 02 00 01 01 13 ", 0), 0u);
}

TEST(LNetProc, AShortReadThatCannotBelongToAFrameSendsTheLastFrameAgain)
{
    // Pieces read one by one: what comes first, then the rest. Only a short read outside any frame,
    // holding no 0x10, is taken for the device asking for the request again.
    struct Case
    {
        const char* name;
        BytePacket before; // sent ahead of the reply, in the same piece
        std::size_t firstPiece;
        bool resent;
    } cases[] = {
        { "stray 3 bytes", { 0x55, 0x66, 0x77 }, 3, true },
        { "stray 6 bytes", { 0x55, 0x66, 0x77, 0x55, 0x66, 0x77 }, 6, false },
        { "start of the reply", {}, 3, false },
        { "stray byte and a 0x10", { 0x55, 0x10 }, 2, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NetRig r;
        ASSERT_TRUE(r.net->Open());
        r.net->SetTimeout(2000);
        if (!c.before.empty())
            r.emu.InjectBeforeNextReply(c.before);
        r.emu.SetSplit({ c.firstPiece }, PieceGapMs);
        const BytePacket link = Req(0x10);
        r.net->SendQueued(link, SEND_APPEND);
        // A resent request is answered too; on a busy machine both replies may come in one spin.
        ASSERT_TRUE(SpinUntil([&] { return r.host.Frames().size() >= 1; }));
        TestTransportHost::Spin(150);
        EXPECT_EQ(r.host.Frames()[0].Frame.size(), r.host.Frames()[0].Frame[4] + 8u) << "the reply arrives whole";
        EXPECT_EQ(r.emu.RequestCount(), c.resent ? 2u : 1u);
        const bool traced = std::any_of(r.traces.begin(), r.traces.end(),
                                        [](const std::string& s) { return s.rfind("NET RW 10 02 00 01 01 10 10 03 11 ", 0) == 0; });
        EXPECT_EQ(traced, c.resent);
        EXPECT_EQ(r.host.Writes().size(), 1u) << "the glue's resend is no resend of the transport";
    }
}
