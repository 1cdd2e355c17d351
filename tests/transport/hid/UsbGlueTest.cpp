// The main window's USB glue on the fake HID root with the device emulator behind it.

#include "HidTestSupport.h"

#include "support/DeviceEmulator.h"
#include "support/FakeHid.h"
#include "transport/LUsbProc.h"
#include "transport/hid/TJvHidDeviceController.h"
#include "ui/FMain.h"

#include <gtest/gtest.h>
#include "support/DeviceControllerProbe.h"

using fakehid::Bytes;

namespace
{

class UsbGlue : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hidtest::EnsureApp();
        form = std::make_unique<TfmMain>(nullptr);
        form->SetUpUsb();
        form->tmLinkBroken->OnTimer = [this](vcl::TObject*) { form->tmLinkBroken->SetEnabled(false), ++linkBroken; };
    }

    void TearDown() override
    {
        if (form->Controller.Usb()) {
            form->Controller.Usb()->Close();
            delete form->Controller.Usb();
            DeviceControllerProbe(form->Controller).UsbProc() = nullptr;
        }
        form.reset();
    }

    fakehid::Device* PlugEmulated(fakehid::DeviceSpec spec = {})
    {
        fakehid::Device* fake = root.Plug(spec);
        fake->SetResponder([this](const Bytes& data) {
            BytePacket reply = emulator.FeedAll(BytePacket(data.begin(), data.end()));
            return Bytes(reply.begin(), reply.end());
        });
        return fake;
    }

    void OpenUsb()
    {
        DeviceControllerProbe(form->Controller).UsbProc() = new LUsbProc(form->TransportHost());
        ASSERT_TRUE(form->Controller.Usb()->Open());
    }

    fakehid::Root root;
    DeviceEmulator emulator;
    std::unique_ptr<TfmMain> form;
    int linkBroken = 0;
};

TEST_F(UsbGlue, ClaimsTheZq9AndExchangesFramesAsReports)
{
    fakehid::DeviceSpec other;
    other.vendor = 0x0168;
    other.product = 0x0822;
    root.Plug(other);
    fakehid::Device* fake = PlugEmulated();
    ASSERT_TRUE(hidtest::PumpUntil([&] { return form->HidDevice != nullptr; }));
    // Replies reach only a read handle already open, as on a hidraw node: wait for the read thread's.
    ASSERT_TRUE(hidtest::PumpUntil([&] { return form->HidDevice->HidOverlappedRead() >= 0; }));
    EXPECT_EQ(form->HidDevice->Attributes().ProductID, 0x0821);
    EXPECT_EQ(form->lbStatus->Caption(), "Detect HID");
    EXPECT_EQ(form->HidCtl->NumCheckedOutDevices(), 1);

    // Without an open USB transport nothing is written.
    const BytePacket link = DeviceEmulator::RequestFrame(1, 0x10);
    form->UsbWrite(link.data(), unsigned(link.size()));
    hidtest::PumpFor(50);
    EXPECT_TRUE(fake->Outputs().empty());

    OpenUsb();
    // A loaded machine must not turn a slow reply into a resend: this test counts requests.
    form->Controller.Usb()->SetTimeout(30000);
    // Each request waits for the reply to the one before, so three reports out mean two replies
    // came back as input reports and were cut into frames. The window answers the replies with
    // requests of its own, which the emulator takes at once: the three are the first, not the only.
    for (uint8_t code : {0x10, 0x13, 0x12})
        form->Controller.Usb()->SendQueued(DeviceEmulator::RequestFrame(1, code), SEND_APPEND);
    ASSERT_TRUE(hidtest::PumpUntil([&] { return emulator.RequestCount() >= 3; }));
    const auto outputs = fake->Outputs();
    ASSERT_GE(outputs.size(), 3u);
    EXPECT_EQ(outputs[0].size(), 65u);
    EXPECT_EQ(outputs[0][0], 0);
    EXPECT_TRUE(std::equal(link.begin(), link.end(), outputs[0].begin() + 1));
    EXPECT_EQ(emulator.Requests()[1][5], 0x13);
    EXPECT_EQ(emulator.Requests()[2][5], 0x12);
}

TEST_F(UsbGlue, UnplugReleasesTheDeviceAndStartsTheLinkLoss)
{
    fakehid::Device* fake = PlugEmulated();
    ASSERT_TRUE(hidtest::PumpUntil([&] { return form->HidDevice != nullptr; }));
    OpenUsb();
    form->Controller.Usb()->SetTimeout(20);
    form->Controller.Usb()->SendQueued(DeviceEmulator::RequestFrame(1, 0x10), SEND_APPEND);
    ASSERT_TRUE(hidtest::PumpUntil([&] { return emulator.RequestCount() >= 1; }));

    root.Unplug(fake);
    ASSERT_TRUE(hidtest::PumpUntil([&] { return linkBroken == 1; }));
    EXPECT_EQ(form->HidDevice, nullptr);
    EXPECT_EQ(form->HidCtl->Count(), 0);
    // The worker keeps resending into nothing without harm.
    const BytePacket frame = DeviceEmulator::RequestFrame(1, 0x12);
    form->UsbWrite(frame.data(), unsigned(frame.size()));
    hidtest::PumpFor(100);

    form->Controller.Usb()->Close();
    delete form->Controller.Usb();
    DeviceControllerProbe(form->Controller).UsbProc() = nullptr;
    PlugEmulated();
    ASSERT_TRUE(hidtest::PumpUntil([&] { return form->HidDevice != nullptr; }));
    EXPECT_EQ(linkBroken, 1);
}

} // namespace

// fontconfig keeps its configuration for the life of the process and never frees it (the main
// window's application loads fonts); the leak checker is told to ignore that library.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
