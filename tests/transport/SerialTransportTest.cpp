#include "TransportRig.h"

#include "platform/os/SerialPortList.h"
#include "transport/TransportMessages.h"
#include "support/EmulatorLinks.h"
#include "transport/LCommProc.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int PortNo = 4;

// The serial transport on COM4, a pseudo-terminal whose far end is the emulator.
struct SerialRig
{
    SerialRig()
    {
        vcl::SetSerialPortOverride(std::vector<vcl::TSerialPortEntry> { { "COM4", pty.SlavePath(), PortNo } });
        com = std::make_unique<LCommProc>(&host);
    }
    ~SerialRig()
    {
        com.reset();
        vcl::SetSerialPortOverride(std::nullopt);
    }
    AppGuard app;
    DeviceEmulator emu;
    EmulatorPty pty { emu };
    TestTransportHost host;
    std::unique_ptr<LCommProc> com;
};

termios ReadBack(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios t {};
    ::tcgetattr(fd, &t);
    ::close(fd);
    return t;
}

} // namespace

TEST(LCommProc, OpensTheMappedPortAsARaw115200Line)
{
    SerialRig r;
    ASSERT_TRUE(r.com->Open(PortNo, 115200, 8, 0, 0));
    const termios t = ReadBack(r.pty.SlavePath());
    EXPECT_EQ(cfgetospeed(&t), B115200);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB), 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_iflag & (ICRNL | IXON | ISTRIP), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_FALSE(r.com->Open(PortNo, 115200, 8, 0, 0)) << "already running";
}

TEST(LCommProc, RefusesPortsAndRatesOutsideItsLimits)
{
    SerialRig r;
    struct Case
    {
        int port;
        std::uint32_t baud;
    } refused[] = { { 0, 115200 }, { 99, 115200 }, { PortNo, 1000 }, { PortNo, 230400 }, { 5, 115200 } };
    for (const auto& c : refused)
        EXPECT_FALSE(r.com->Open(c.port, c.baud, 8, 0, 0)) << c.port << " " << c.baud;
    EXPECT_EQ(LComm::PortName(9), "COM9");
    EXPECT_EQ(LComm::PortName(10), "\\\\.\\COM10");
}

TEST(LCommProc, ExchangesFramesWithEveryByteIntactAndTracesEachOnce)
{
    SerialRig r;
    ASSERT_TRUE(r.com->Open(PortNo, 115200, 8, 0, 0));
    r.com->SetTimeout(1000);
    r.com->SetMaxRetries(0);
    // Bytes a cooked line would change: CR, LF, XON, XOFF, ^C, ^D.
    r.emu.SetIdentity(std::string("ZQ9 V010\r\n\x11\x13\x03\x04", 14));
    const BytePacket link = Req(0x10), ident = Req(0x13), name = Req(0x29, { 0x0D });
    r.com->SendQueued(link, SEND_APPEND);
    r.com->SendQueued(ident, SEND_APPEND);
    r.com->SendQueued(name, SEND_APPEND);
    ASSERT_TRUE(SpinUntil([&] { return r.host.Frames().size() == 3; }));
    EXPECT_EQ(r.emu.Requests(), (std::vector<BytePacket> { link, ident, name }));
    EXPECT_EQ(r.emu.RawReceived().size(), link.size() + ident.size() + name.size());
    const auto frames = r.host.Frames();
    EXPECT_EQ(frames[1].Frame, DeviceEmulator::ReplyFrame(1, 0x13, BytePacket { 'Z', 'Q', '9', ' ', 'V', '0', '1', '0', 0x0D, 0x0A, 0x11, 0x13, 0x03, 0x04 }));
    for (const auto& f : frames)
        EXPECT_EQ(f.Message, UM_RX_FRAME);
    const auto traces = r.host.Traces();
    ASSERT_EQ(traces.size(), 6u);
    EXPECT_EQ(traces[0], "COM W 10 02 00 01 01 10 10 03 11 ");
    EXPECT_EQ(std::count_if(traces.begin(), traces.end(), [](auto& s) { return s.rfind("COM R ", 0) == 0; }), 3);
}

TEST(LCommProc, RepliesAtAnotherRateAreDeliveredAsTheOtherMessage)
{
    SerialRig r;
    ASSERT_TRUE(r.com->Open(PortNo, 9600, 8, 0, 0));
    r.com->SendQueued(Req(0x10), SEND_APPEND);
    ASSERT_TRUE(SpinUntil([&] { return r.host.Frames().size() == 1; }));
    EXPECT_EQ(r.host.Frames()[0].Message, UM_RX_FRAME_OTHER);
}

TEST(LCommProc, ExtraResendsComeBeforeTheCountedOnesAndTheReportAtTheFirstTimeOutAfter)
{
    constexpr unsigned T = 60;
    SerialRig r;
    r.emu.SetSilent(true);
    ASSERT_TRUE(r.com->Open(PortNo, 115200, 8, 0, 0));
    r.com->SetTimeout(T);
    r.com->SetMaxRetries(2);
    r.com->SetExtraResends(1);
    const BytePacket f = Req(0x34, { 0, 1, 2 });
    r.com->SendQueued(f, SEND_APPEND);
    ASSERT_TRUE(SpinUntil([&] { return !r.host.CommEvents().empty(); }, 10000));
    const auto e = r.host.CommEvents().front();
    EXPECT_EQ(e.Code, COMM_NO_REPLY);
    EXPECT_EQ(e.Param, 1u);
    ASSERT_TRUE(r.emu.WaitForRequests(4, 500));
    // Still unanswered: an extra resend granted now writes nothing (nothing is left to write), and the
    // next report comes after it and the two counted turns.
    r.com->SetExtraResends(1);
    ASSERT_TRUE(SpinUntil([&] { return r.host.CommEvents().size() == 2; }, 10000));
    const double next = r.host.CommEvents()[1].AtMs - e.AtMs;
    EXPECT_GE(next, 3 * T - 5.0);
    EXPECT_LT(next, 4 * T + 1000.0); // late only on a loaded machine
    EXPECT_EQ(r.emu.Requests(), std::vector<BytePacket>(4, f));
    EXPECT_EQ(r.host.Traces(), std::vector<std::string> { TestTransportHost::Hex("COM W ", f.data(), 9 + 3) })
        << "resends are not traced";
}

TEST(LCommProc, AHungUpLineIsReportedAndEndsTheWorker)
{
    SerialRig r;
    ASSERT_TRUE(r.com->Open(PortNo, 115200, 8, 0, 0));
    r.com->SetTimeout(5000);
    r.com->SendQueued(Req(0x10), SEND_APPEND);
    ASSERT_TRUE(SpinUntil([&] { return r.host.Frames().size() == 1; }));
    r.pty.HangUp();
    ASSERT_TRUE(SpinUntil([&] { return !r.host.CommEvents().empty(); }, 3000));
    EXPECT_EQ(r.host.CommEvents()[0].Code, COMM_LINE_ERROR);
    EXPECT_TRUE(SpinUntil([&] { return !r.com->IsRunning(); }));
    r.com->Close();
    EXPECT_EQ(r.host.CommEvents().size(), 1u);
}

TEST(LCommProc, OnAnEchoingLineEachRequestGoesOutOnceAndOnlyItsReplyLetsTheNextGo)
{
    SerialRig r;
    r.emu.SetEcho(true);
    ASSERT_TRUE(r.com->Open(PortNo, 115200, 8, 0, 0));
    r.com->SetTimeout(5000);
    r.com->SetMaxRetries(1);
    r.com->SetKeepAliveOff(true);
    const std::vector<BytePacket> sent = { Req(0x10), Req(0x13), Req(0x29, { 4 }), Gain(2, 300) };
    for (const auto& f : sent)
        r.com->SendQueued(f, SEND_APPEND);
    ASSERT_TRUE(SpinUntil([&] { return r.host.Frames().size() == 2 * sent.size() && !r.com->IsBusy(); }));
    EXPECT_EQ(r.emu.Requests(), sent) << "no request went out twice, none was skipped";
    const auto frames = r.host.Frames();
    for (std::size_t i = 0; i < sent.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(frames[2 * i].Message, UM_RX_FRAME_STRAY) << "the echo answers nothing";
        EXPECT_EQ(frames[2 * i].Frame, sent[i]);
        EXPECT_EQ(frames[2 * i + 1].Message, UM_RX_FRAME);
    }
    EXPECT_EQ(r.com->GetCore().IgnoredFrames.load(), sent.size());
}
