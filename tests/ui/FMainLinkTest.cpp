// The main window's send path: which transport a command and a setting reach, the device ID and its
// label, and replies from the emulator arriving at the reply dispatch in order.
#include "support/Patience.h"
#include "device/LCmd.h"
#include "platform/os/SerialPortList.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/WindowMessages.h"
#include "support/DeviceEmulator.h"
#include "support/EmulatorLinks.h"
#include "support/TestTransportHost.h"
#include "transport/LCommProc.h"
#include "transport/LNetProc.h"
#include "transport/LUsbProc.h"
#include "ui/FMain.h"

#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include "support/DeviceControllerProbe.h"

#if defined(__SANITIZE_THREAD__)
// Qt's event queue is not built for the thread checker, so it cannot see that an event posted by a
// worker is handed to the user-interface thread under Qt's own lock: only that hand-over is excused.
extern "C" const char* __tsan_default_suppressions()
{
    return "";
}
#endif

namespace {

constexpr int PortNo = 4;

// The real main window; only the reply dispatch is watched (it is handed each frame, then runs on).
class WatchedMain : public TfmMain
{
public:
    using TfmMain::TfmMain;
    void OnReplyFrame(const BytePacket& frame) override
    {
        Replies.push_back(frame);
        TfmMain::OnReplyFrame(frame);
    }
    std::vector<BytePacket> Replies; // user-interface thread only
};

// The main window on a running application, with the emulator behind a pseudo-terminal as COM4 and a
// USB transport whose output reports are only recorded.
struct MainRig
{
    MainRig()
    {
        vcl::SetSerialPortOverride(std::vector<vcl::TSerialPortEntry> { { "COM4", pty.SlavePath(), PortNo } });
        form = new WatchedMain(&app);
        form->UsbWriteHandler = [this](const std::uint8_t* d, unsigned n) {
            std::lock_guard l(M);
            UsbReports.emplace_back(d, d + n);
        };
    }
    ~MainRig()
    {
        // The window closes and deletes its transports outside any reply handling.
        auto drop = [](auto*& t) {
            if (t) {
                t->Close();
                delete t;
                t = nullptr;
            }
        };
        drop(DeviceControllerProbe(form->Controller).CommProc());
        drop(DeviceControllerProbe(form->Controller).UsbProc());
        drop(DeviceControllerProbe(form->Controller).NetProc());
        vcl::SetSerialPortOverride(std::nullopt);
    }
    LCommProc* OpenSerial(std::uint32_t baud = 115200)
    {
        auto* com = new LCommProc(form->TransportHost());
        EXPECT_TRUE(com->Open(PortNo, baud, 8, 0, 0));
        return DeviceControllerProbe(form->Controller).CommProc() = com;
    }
    LUsbProc* OpenUsb()
    {
        auto* usb = new LUsbProc(form->TransportHost());
        EXPECT_TRUE(usb->Open());
        return DeviceControllerProbe(form->Controller).UsbProc() = usb;
    }
    std::size_t UsbReportCount()
    {
        std::lock_guard l(M);
        return UsbReports.size();
    }
    vcl::TLabel* IdLabel() { return dynamic_cast<vcl::TLabel*>(form->FindComponent(QStringLiteral("lbShowIdNumber"))); }

    int argc { 1 };
    char name[9] { "test_ui" };
    char* argv[2] { name, nullptr };
    vcl::TApplication app { argc, argv };
    DeviceEmulator emu;
    EmulatorPty pty { emu };
    WatchedMain* form { nullptr }; // owned by app
    std::mutex M;
    std::vector<BytePacket> UsbReports;
};

bool SpinUntil(const std::function<bool()>& pred, int ms = patience::OuterLimitMs)
{
    return TestTransportHost::SpinUntil(pred, ms);
}

} // namespace

TEST(FMainLink, WithNoTransportOpenACommandGoesNowhereAndNothingIsReported)
{
    MainRig r;
    int boxes = 0;
    vcl::TMessageBoxSeam seam([&](const vcl::TMessageBoxRequest&) { return ++boxes, 1; });
    LCmd cmd(1, 0x10);
    r.form->SendCommand(cmd, SEND_APPEND, true);
    r.form->SetReplyTimeout(100);
    r.form->SetMaxResend(5);
    r.form->SetKeepAliveOff(true);
    TestTransportHost::Spin(100);
    EXPECT_EQ(boxes, 0);
    EXPECT_EQ(r.emu.RequestCount(), 0u);
    EXPECT_EQ(r.UsbReportCount(), 0u);
    EXPECT_TRUE(r.form->Replies.empty());
}

TEST(FMainLink, WithSerialAndUsbBothSetEverythingGoesToTheSerialTransport)
{
    MainRig r;
    LUsbProc* usb = r.OpenUsb();
    LCommProc* com = r.OpenSerial();
    r.form->SetKeepAliveOff(true); // the idle poll stays out of the count below
    usb->SetKeepAliveOff(true);

    // Each setter reaches the serial transport and leaves the USB one as it was.
    struct Setter
    {
        const char* name;
        std::function<void()> set;
        std::function<bool(LCommProc&)> comHas;
        std::function<bool(LUsbProc&)> usbUntouched;
    } setters[] = {
        { "SetReplyTimeout", [&] { r.form->SetReplyTimeout(1234); }, [](LCommProc& c) { return c.GetTimeout() == 1234u; },
          [](LUsbProc& u) { return u.GetTimeout() == 800u; } },
        { "SetMaxResend", [&] { r.form->SetMaxResend(6); }, [](LCommProc& c) { return c.GetMaxRetries() == 6; },
          [](LUsbProc& u) { return u.GetMaxRetries() == 2; } },
        { "SetKeepAliveOff", [&] { r.form->SetKeepAliveOff(false); },
          [](LCommProc& c) { return !c.GetCore().KeepAliveOff; }, [](LUsbProc& u) { return u.GetCore().KeepAliveOff.load(); } },
        { "SetDeviceId", [&] { r.form->SetDeviceId(9); }, [](LCommProc& c) { return c.GetDeviceId() == 9; },
          [](LUsbProc& u) { return u.GetDeviceId() == 1; } },
    };
    for (const auto& s : setters) {
        SCOPED_TRACE(s.name);
        s.set();
        EXPECT_TRUE(s.comHas(*com));
        EXPECT_TRUE(s.usbUntouched(*usb));
    }
    r.form->SetKeepAliveOff(true);

    r.emu.SetDeviceId(9);
    for (std::uint8_t code : { 0x10, 0x13 }) {
        LCmd cmd(static_cast<std::uint8_t>(r.form->GetDeviceId()), code);
        r.form->SendCommand(cmd, SEND_APPEND, true);
    }
    // The connect reply makes the dispatch queue the next step behind these two: only they are compared.
    ASSERT_TRUE(SpinUntil([&] { return r.form->Replies.size() >= 2; }));
    const std::vector<BytePacket> requests = r.emu.Requests();
    ASSERT_GE(requests.size(), 2u);
    EXPECT_EQ(std::vector<BytePacket>(requests.begin(), requests.begin() + 2),
              (std::vector<BytePacket> { LCmd(9, 0x10).ToBytes(true), LCmd(9, 0x13).ToBytes(true) }));
    EXPECT_EQ(r.UsbReportCount(), 0u);
    EXPECT_FALSE(usb->IsBusy());
}

TEST(FMainLink, SetDeviceIdTakesOneTo254AndShowsItOnTheLabel)
{
    MainRig r;
    LCommProc* com = r.OpenSerial();
    ASSERT_NE(r.IdLabel(), nullptr);
    r.form->SetDeviceId(12);
    ASSERT_EQ(r.IdLabel()->Caption(), QStringLiteral("ID : 12"));
    struct Case
    {
        int id;
        int want;
        const char* label;
    } cases[] = { { 0, 12, "ID : 12" }, { 255, 12, "ID : 12" }, { -1, 12, "ID : 12" },
                  { 254, 254, "ID : 254" }, { 1, 1, "ID : 1" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        r.form->SetDeviceId(c.id);
        EXPECT_EQ(r.form->GetDeviceId(), c.want);
        EXPECT_EQ(r.IdLabel()->Caption(), QString::fromLatin1(c.label));
        EXPECT_EQ(com->GetDeviceId(), c.want) << "the keep-alive address follows";
    }
}

TEST(FMainLink, RepliesFromTheEmulatorReachTheReplyDispatchInOrder)
{
    MainRig r;
    r.OpenSerial();
    r.form->SetKeepAliveOff(true);
    r.emu.SetSplit({ 2, 5 }, 10); // each reply in pieces: the window still sees whole frames
    const std::uint8_t codes[] = { 0x10, 0x13, 0x2C, 0x12 };
    std::vector<BytePacket> sent;
    for (std::uint8_t code : codes) {
        LCmd cmd(1, code);
        sent.push_back(cmd.ToBytes(true));
        r.form->SendCommand(cmd, SEND_APPEND, true);
    }
    // The dispatch answers the connect and identity replies with the next steps of the connect
    // sequence, queued behind these four: only the first four requests and replies are this test's.
    ASSERT_TRUE(SpinUntil([&] { return r.form->Replies.size() >= 4; }, 30000))
        << r.form->Replies.size() << " replies to " << r.emu.RequestCount() << " requests";
    const std::vector<BytePacket> requests = r.emu.Requests();
    ASSERT_GE(requests.size(), 4u);
    EXPECT_EQ(std::vector<BytePacket>(requests.begin(), requests.begin() + 4), sent);
    // What a second emulator answers to the same requests, one reply per request, in order.
    DeviceEmulator twin;
    std::vector<BytePacket> want;
    for (const auto& req : sent) {
        BytePacket reply;
        for (const auto& chunk : twin.Feed(req))
            reply.insert(reply.end(), chunk.Bytes.begin(), chunk.Bytes.end());
        want.push_back(reply);
    }
    EXPECT_EQ(std::vector<BytePacket>(r.form->Replies.begin(), r.form->Replies.begin() + 4), want);
    EXPECT_EQ(r.form->Replies[1], DeviceEmulator::ReplyFrame(1, 0x13, BytePacket { 'Z', 'Q', '9', ' ', 'V', '0', '1', '0' }));
}

TEST(FMainLink, RepliesAtAnotherLineRateNeverReachTheReplyDispatch)
{
    MainRig r;
    LCommProc* com = r.OpenSerial(9600);
    r.form->SetKeepAliveOff(true);
    LCmd cmd(1, 0x10);
    r.form->SendCommand(cmd, SEND_APPEND, true);
    ASSERT_TRUE(SpinUntil([&] { return r.emu.RequestCount() == 1 && !com->IsBusy(); }));
    TestTransportHost::Spin(50);
    EXPECT_TRUE(r.form->Replies.empty());
}
