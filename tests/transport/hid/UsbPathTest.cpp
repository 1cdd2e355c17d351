// The whole USB path on the fake HID root: the device emulator behind a fake hidraw node, the HID
// controller claiming it, and the USB transport writing output reports and taking input reports.

#include "HidTestSupport.h"

#include "support/DeviceEmulator.h"
#include "support/FakeHid.h"
#include "support/TestTransportHost.h"
#include "transport/LUsbProc.h"
#include "transport/hid/HidUsbReport.h"
#include "transport/hid/TJvHidDeviceController.h"

#include <gtest/gtest.h>

#include <functional>
#include <mutex>

using fakehid::Bytes;

namespace
{

constexpr uint8_t LinkRequest = 0x10;

// Plays the main window's USB glue around a controller, a claimed device and a USB transport.
class UsbPath : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hidtest::EnsureApp();
        hostPtr = std::make_unique<TestTransportHost>();
        ctl = std::make_unique<TJvHidDeviceController>(nullptr);
        TJvHidDeviceController* c = ctl.get();
        ctl->Loading();
        ctl->SetOnDeviceChange([c](vcl::TObject*) { c->Enumerate(); });
        ctl->SetOnEnumerate([this, c](TJvHidDevice* dev, int idx) {
            if (dev->Attributes().VendorID == 0x0168 && dev->Attributes().ProductID == 0x0821) {
                TJvHidDevice* claimed = nullptr;
                if (c->CheckOutByIndex(claimed, idx)) {
                    std::lock_guard guard(lock);
                    device = claimed;
                    ++claims;
                }
            }
            return true;
        });
        ctl->SetOnDeviceData([this](TJvHidDevice*, uint8_t, const uint8_t* data, uint16_t size) {
            if (usb)
                usb->ReceiveBytes(data, HidUsbReport::FrameBytes(data, size));
        });
        ctl->SetOnDeviceUnplug([this, c](TJvHidDevice* dev) {
            std::lock_guard guard(lock);
            if (dev == device)
                c->CheckIn(device);
            ++unplugs;
        });
        ctl->Loaded();
        hostPtr->Writer = [this](const uint8_t* frame, unsigned count) {
            std::lock_guard guard(lock);
            HidUsbReport::WriteFrame(device, frame, count);
        };
    }

    void TearDown() override
    {
        if (usb)
            usb->Close();
        usb.reset();
        ctl.reset();
        hostPtr.reset();
    }

    fakehid::Device* PlugEmulated()
    {
        fakehid::Device* fake = root.Plug();
        fake->SetResponder([this](const Bytes& data) {
            BytePacket reply = emulator.FeedAll(BytePacket(data.begin(), data.end()));
            return Bytes(reply.begin(), reply.end());
        });
        return fake;
    }

    TJvHidDevice* Claimed()
    {
        std::lock_guard guard(lock);
        return device;
    }

    fakehid::Root root;
    DeviceEmulator emulator;
    std::unique_ptr<TestTransportHost> hostPtr;
    std::unique_ptr<TJvHidDeviceController> ctl;
    std::unique_ptr<LUsbProc> usb;
    std::mutex lock;
    TJvHidDevice* device = nullptr;
    int claims = 0;
    int unplugs = 0;
};

TEST_F(UsbPath, ConnectRequestIsOneOutputReportAndRepliesArriveAsFrames)
{
    fakehid::Device* fake = PlugEmulated();
    ASSERT_TRUE(TestTransportHost::SpinUntil([&] { return Claimed() != nullptr; }, patience::OuterLimitMs));
    // Replies reach only a read handle already open, as on a hidraw node: wait for the read thread's.
    ASSERT_TRUE(TestTransportHost::SpinUntil([&] { return Claimed()->HidOverlappedRead() >= 0; }, 30000));
    usb = std::make_unique<LUsbProc>(hostPtr.get());
    ASSERT_TRUE(usb->Open());
    // A loaded machine must not turn a slow reply into a resend: this test counts writes.
    usb->SetTimeout(30000);

    const BytePacket link = DeviceEmulator::RequestFrame(1, LinkRequest);
    usb->SendQueued(link, SEND_APPEND);
    ASSERT_TRUE(fake->WaitForOutputs(1, 30000));
    const Bytes report = fake->Outputs()[0];
    ASSERT_EQ(report.size(), 65u);
    EXPECT_EQ(report[0], 0);
    EXPECT_TRUE(std::equal(link.begin(), link.end(), report.begin() + 1));
    EXPECT_TRUE(std::all_of(report.begin() + 1 + long(link.size()), report.end(), [](uint8_t b) { return b == 0; }));

    ASSERT_TRUE(TestTransportHost::SpinUntil([&] { return hostPtr->Frames().size() == 1; }, 30000));
    const BytePacket reply = hostPtr->Frames()[0].Frame;
    ASSERT_GE(reply.size(), 9u);
    EXPECT_EQ(reply.size(), size_t(reply[4]) + 8);
    EXPECT_EQ(reply[0], 0x10);
    EXPECT_EQ(reply[1], 0x02);
    EXPECT_EQ(emulator.CountOf(LinkRequest), 1u);

    // Further requests each go out as their own report and each reply comes back whole.
    usb->SendQueued(DeviceEmulator::RequestFrame(1, 0x13), SEND_APPEND);
    usb->SendQueued(DeviceEmulator::RequestFrame(1, 0x12), SEND_APPEND);
    ASSERT_TRUE(TestTransportHost::SpinUntil([&] { return hostPtr->Frames().size() == 3; }, 30000));
    EXPECT_EQ(fake->Outputs().size(), 3u);
    for (const auto& out : fake->Outputs())
        EXPECT_EQ(out.size(), 65u);
}

TEST_F(UsbPath, UnplugDuringTrafficThenReplugClaimsANewDevice)
{
    fakehid::Device* fake = PlugEmulated();
    ASSERT_TRUE(TestTransportHost::SpinUntil([&] { return Claimed() != nullptr; }, patience::OuterLimitMs));
    usb = std::make_unique<LUsbProc>(hostPtr.get());
    ASSERT_TRUE(usb->Open());
    usb->SetTimeout(20);

    // Keep requests flowing while the device goes away: each answered one sends the next, until done.
    size_t sent = 0;
    auto pumpUntil = [&](const std::function<bool()>& done) {
        return TestTransportHost::SpinUntil(
            [&] {
                if (hostPtr->Frames().size() + 1 > sent) {
                    usb->SendQueued(DeviceEmulator::RequestFrame(1, 0x12), SEND_APPEND);
                    ++sent;
                }
                return done();
            },
            patience::OuterLimitMs);
    };
    EXPECT_TRUE(pumpUntil([&] { return hostPtr->Frames().size() > 3u; })) << "traffic flows before the unplug";
    root.Unplug(fake);
    EXPECT_TRUE(pumpUntil([&] { return unplugs == 1 && Claimed() == nullptr; }));
    EXPECT_EQ(unplugs, 1);
    EXPECT_EQ(Claimed(), nullptr);
    EXPECT_EQ(ctl->Count(), 0);
    // The window tears the link down on the unplug and opens a new transport for the new device.
    usb->Close();
    usb.reset();

    PlugEmulated();
    ASSERT_TRUE(TestTransportHost::SpinUntil([&] { return Claimed() != nullptr; }, patience::OuterLimitMs));
    EXPECT_EQ(claims, 2);
    const size_t afterUnplug = hostPtr->Frames().size();
    usb = std::make_unique<LUsbProc>(hostPtr.get());
    ASSERT_TRUE(usb->Open());
    usb->SendQueued(DeviceEmulator::RequestFrame(1, LinkRequest), SEND_APPEND);
    EXPECT_TRUE(TestTransportHost::SpinUntil([&] { return hostPtr->Frames().size() > afterUnplug; }, patience::OuterLimitMs));
}

TEST(HidUsbReportRules, ReportsAreBuiltAndCutByTheFrameLength)
{
    const uint8_t frame[] = {0x10, 0x02, 0x00, 0x01, 0x01, 0x10, 0x10, 0x03, 0x05};
    EXPECT_EQ(HidUsbReport::BuildOutputReport(frame, 9, 12),
              (std::vector<uint8_t> {0, 0x10, 0x02, 0x00, 0x01, 0x01, 0x10, 0x10, 0x03, 0x05, 0, 0}));
    EXPECT_TRUE(HidUsbReport::BuildOutputReport(frame, 9, 9).empty());
    EXPECT_EQ(HidUsbReport::BuildOutputReport(frame, 9, 10).size(), 10u);

    uint8_t data[200] = {0x10, 0x02, 0x01, 0x00, 0x05};
    struct
    {
        uint8_t lengthByte;
        unsigned size;
        unsigned expected;
    } cases[] = {
        {5, 64, 13},     // the frame inside a full report
        {60, 64, 64},    // a frame longer than the report: only what arrived
        {5, 10, 10},     // a short report
        {200, 200, 128}, // never more than the transport takes at once
        {5, 3, 3},       // too short to carry a length byte
    };
    for (const auto& c : cases) {
        data[4] = c.lengthByte;
        EXPECT_EQ(HidUsbReport::FrameBytes(data, c.size), c.expected) << int(c.lengthByte) << "/" << c.size;
    }
    EXPECT_FALSE(HidUsbReport::WriteFrame(nullptr, frame, 9));
}

} // namespace
