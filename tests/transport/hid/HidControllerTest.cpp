// The HID controller, its devices and read threads on a fake HID root.

#include "HidTestSupport.h"

#include "support/FakeHid.h"
#include "transport/hid/Hid.h"
#include "transport/hid/TJvHidDeviceController.h"
#include "transport/hid/TJvHidDeviceReadThread.h"
#include "transport/hid/TJvHidPnPInfo.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using fakehid::Bytes;

namespace
{

struct Received
{
    uint8_t reportId;
    Bytes data;
};

// A controller set up as the main window's form does: handlers assigned while it loads.
class HidController : public ::testing::Test
{
protected:
    void SetUp() override { hidtest::EnsureApp(); }

    void Create(bool claimZq9 = true)
    {
        ctl = std::make_unique<TJvHidDeviceController>(nullptr);
        // The handlers hold the controller itself: they also run while it is being destroyed.
        TJvHidDeviceController* c = ctl.get();
        ctl->Loading();
        ctl->SetOnDeviceChange([this, c](vcl::TObject*) {
            ++changes;
            if (onChange)
                onChange();
            c->Enumerate();
        });
        ctl->SetOnEnumerate([this, c, claimZq9](TJvHidDevice* dev, int idx) {
            if (claimZq9 && dev->Attributes().VendorID == 0x0168 && dev->Attributes().ProductID == 0x0821) {
                TJvHidDevice* claimed = nullptr;
                if (c->CheckOutByIndex(claimed, idx))
                    device = claimed;
            }
            return true;
        });
        ctl->SetOnDeviceData([this, c](TJvHidDevice*, uint8_t id, const uint8_t* data, uint16_t size) {
            received.push_back({id, Bytes(data, data + size)});
        });
        ctl->SetOnDeviceUnplug([this, c](TJvHidDevice* dev) {
            ++unplugs;
            if (onUnplug)
                onUnplug(dev);
            else if (dev == device)
                c->CheckIn(device);
        });
        ctl->SetOnRemoval([this, c](TJvHidDevice* dev) {
            ++removals;
            // The device is still alive here even when the unplug handler checked it in.
            lastRemovedPluggedIn = dev->IsPluggedIn();
        });
        ctl->Loaded();
    }

    void TearDown() override
    {
        ctl.reset();
        hidtest::PumpFor(10);
    }

    fakehid::Root root;
    std::unique_ptr<TJvHidDeviceController> ctl;
    TJvHidDevice* device = nullptr;
    std::vector<Received> received;
    std::function<void()> onChange;
    std::function<void(TJvHidDevice*)> onUnplug;
    int changes = 0;
    int unplugs = 0;
    int removals = 0;
    bool lastRemovedPluggedIn = true;
};

TEST_F(HidController, StartUpWithoutDeviceRunsOnePassAndFindsNothing)
{
    Create();
    ASSERT_TRUE(hidtest::PumpUntil([&] { return changes == 1; }));
    hidtest::PumpFor(50);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(ctl->Enumerate(), 0);
    EXPECT_EQ(ctl->Count(), 0);
    // A direct pass with nothing changed still reports while the start-up notice is the last one.
    ctl->DeviceChange();
    EXPECT_EQ(changes, 2);
}

TEST_F(HidController, EnumeratesClaimsAndExchangesReports)
{
    fakehid::Device* fake = root.Plug();
    ASSERT_NE(fake, nullptr);
    Create();
    ASSERT_TRUE(hidtest::PumpUntil([&] { return device != nullptr; }));
    EXPECT_EQ(ctl->NumCheckedOutDevices(), 1);
    EXPECT_EQ(ctl->NumCheckedInDevices(), 0);
    EXPECT_EQ(device->Attributes().Size, 12u);
    EXPECT_EQ(device->Attributes().VersionNumber, 0x0100);
    EXPECT_EQ(device->PnPInfo()->ClassDescr(), "HIDClass");
    EXPECT_EQ(device->PnPInfo()->HardwareID(), QStringList {"HID\\VID_0168&PID_0821"});
    EXPECT_EQ(device->ProductName(), "ZQ9 DSP Processor");
    EXPECT_EQ(device->VendorName(), "ZQ9");
    EXPECT_EQ(device->SerialNumber(), "0001");

    const hidapi::HIDP_CAPS caps = device->GetCaps();
    EXPECT_EQ(caps.InputReportByteLength, 65);
    EXPECT_EQ(caps.OutputReportByteLength, 65);
    EXPECT_EQ(caps.UsagePage, 0xFF00);
    ASSERT_TRUE(device->HasThread());

    // An output report goes out whole with its report ID in front.
    Bytes report(caps.OutputReportByteLength, 0);
    report[1] = 0x10;
    report[2] = 0x02;
    uint32_t written = 0;
    ASSERT_TRUE(device->WriteFile(report.data(), uint32_t(report.size()), written));
    EXPECT_EQ(written, 65u);
    ASSERT_TRUE(fake->WaitForOutputs(1, 2000));
    EXPECT_EQ(fake->Outputs()[0], report);

    // An input report of a device without report IDs arrives with ID 0 and its 64 data bytes. As on
    // a hidraw node, a report reaches only handles already open: it is sent once the read thread's is.
    ASSERT_TRUE(hidtest::PumpUntil([&] { return device->HidOverlappedRead() >= 0; }));
    Bytes data = {0x10, 0x02, 0x01, 0x00, 0x01, 0x12, 0x00, 0x10, 0x03, 0x07};
    fake->SendInput(data);
    ASSERT_TRUE(hidtest::PumpUntil([&] { return received.size() == 1; }));
    EXPECT_EQ(received[0].reportId, 0);
    ASSERT_EQ(received[0].data.size(), 64u);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), received[0].data.begin()));

    // A short report passes on only the bytes that came.
    fake->SendRawInput({0xAA, 0xBB, 0xCC});
    ASSERT_TRUE(hidtest::PumpUntil([&] { return received.size() == 2; }));
    EXPECT_EQ(received[1].data, (Bytes {0xAA, 0xBB, 0xCC}));
}

TEST_F(HidController, UnplugDuringTrafficThenReplugIsANewDevice)
{
    fakehid::Device* fake = root.Plug();
    fake->SetResponder([](const Bytes& out) { return Bytes(out.begin(), out.begin() + 10); });
    Create();
    ASSERT_TRUE(hidtest::PumpUntil([&] { return device != nullptr; }));
    const uint32_t firstId = device->PnPInfo()->DeviceID();

    // A writer on another thread, as the USB worker is, keeps writing through the unplug.
    std::atomic<bool> stop {false};
    std::atomic<int> writes {0};
    std::mutex deviceLock;
    TJvHidDevice* shared = device;
    std::thread writer([&] {
        Bytes report(65, 0);
        report[1] = 0x10;
        while (!stop) {
            std::lock_guard guard(deviceLock);
            if (shared) {
                uint32_t n = 0;
                shared->GetCaps();
                if (shared->WriteFile(report.data(), 65, n))
                    ++writes;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    ASSERT_TRUE(hidtest::PumpUntil([&] { return received.size() >= 5; }));

    onUnplug = [&](TJvHidDevice* dev) {
        if (dev == device) {
            std::lock_guard guard(deviceLock);
            shared = nullptr;
            ctl->CheckIn(device);
        }
    };
    root.Unplug(fake);
    ASSERT_TRUE(hidtest::PumpUntil([&] { return unplugs == 1 && removals == 1; }));
    EXPECT_EQ(device, nullptr);
    EXPECT_FALSE(lastRemovedPluggedIn);
    EXPECT_EQ(ctl->Count(), 0);
    EXPECT_EQ(ctl->NumUnpluggedDevices(), 0);
    EXPECT_EQ(ctl->NumCheckedOutDevices(), 0);

    fakehid::Device* again = root.Plug();
    again->SetResponder([](const Bytes& out) { return Bytes(out.begin(), out.begin() + 10); });
    ASSERT_TRUE(hidtest::PumpUntil([&] { return device != nullptr; }));
    EXPECT_NE(device->PnPInfo()->DeviceID(), firstId);
    {
        std::lock_guard guard(deviceLock);
        shared = device;
    }
    const size_t before = received.size();
    ASSERT_TRUE(hidtest::PumpUntil([&] { return received.size() >= before + 5; }));
    stop = true;
    writer.join();
    onUnplug = nullptr;
    EXPECT_GT(writes.load(), 0);
    EXPECT_EQ(unplugs, 1);
}

TEST_F(HidController, UnclaimedDeviceThatGoesLeavesTheListAndTellsEveryone)
{
    fakehid::Device* fake = root.Plug();
    Create(false);
    ASSERT_TRUE(hidtest::PumpUntil([&] { return ctl->Count() == 1; }));
    EXPECT_EQ(ctl->NumCheckedInDevices(), 1);
    const int before = changes;
    root.Unplug(fake);
    ASSERT_TRUE(hidtest::PumpUntil([&] { return removals == 1; }));
    EXPECT_EQ(unplugs, 1);
    EXPECT_EQ(ctl->Count(), 0);
    EXPECT_EQ(changes, before + 1);
    EXPECT_EQ(ctl->NumCheckedInDevices(), 0);
}

TEST_F(HidController, CheckedOutDeviceUnpluggedAndKeptIsRemovedAgainByEveryPass)
{
    fakehid::Device* fake = root.Plug();
    Create();
    ASSERT_TRUE(hidtest::PumpUntil([&] { return device != nullptr; }));
    onUnplug = [](TJvHidDevice*) {};  // keeps the device
    root.Unplug(fake);
    ASSERT_TRUE(hidtest::PumpUntil([&] { return removals == 1; }));
    EXPECT_EQ(ctl->NumUnpluggedDevices(), 1);
    EXPECT_EQ(ctl->NumCheckedOutDevices(), 0);
    uint32_t n = 0;
    uint8_t report[65] = {};
    EXPECT_FALSE(device->WriteFile(report, 65, n));
    EXPECT_EQ(device->GetSpecificButtonCaps(nullptr, *std::make_unique<hidapi::USHORT>(0)), hidapi::HIDP_STATUS_NULL);

    ctl->DeviceChange();
    EXPECT_EQ(removals, 2);
    EXPECT_EQ(unplugs, 1);

    ctl->CheckIn(device);
    EXPECT_EQ(ctl->Count(), 0);
    EXPECT_EQ(ctl->NumUnpluggedDevices(), 0);
}

TEST_F(HidController, NoticeDuringAPassRunsOneMorePassAfterIt)
{
    Create(false);
    ASSERT_TRUE(hidtest::PumpUntil([&] { return changes == 1; }));
    bool nested = false;
    onChange = [&] {
        if (changes != 2 || nested)
            return;
        nested = true;
        // A handler that runs the event loop (as a message box does) while a device arrives.
        root.Plug();
        ctl->PostMessage(vcl::WM_DEVICECHANGE, vcl::DBT_DEVNODES_CHANGED, 0);
        hidtest::PumpFor(300);
        EXPECT_EQ(ctl->Count(), 0);
    };
    ctl->PostMessage(vcl::WM_DEVICECHANGE, vcl::DBT_DEVNODES_CHANGED, -1);
    ASSERT_TRUE(hidtest::PumpUntil([&] { return ctl->Count() == 1; }));
    EXPECT_EQ(changes, 3);
}

TEST_F(HidController, NoticeDuringAnEnumerationOutsideAPassIsNotLost)
{
    root.Plug();
    Create(false);
    ASSERT_TRUE(hidtest::PumpUntil([&] { return ctl->Count() == 1; }));
    bool armed = true;
    ctl->SetOnEnumerate([&](TJvHidDevice*, int) {
        if (armed) {
            armed = false;
            // A handler that runs the event loop while a second device arrives.
            root.Plug();
            ctl->PostMessage(vcl::WM_DEVICECHANGE, vcl::DBT_DEVNODES_CHANGED, 0);
            hidtest::PumpFor(300);
            EXPECT_EQ(ctl->Count(), 1);
        }
        return true;
    });
    ctl->Enumerate();
    EXPECT_TRUE(hidtest::PumpUntil([&] { return ctl->Count() == 2; }));
}

// Arrivals in scan order, then the change, then the enumeration; removals last first.
TEST_F(HidController, EventsComeInPassOrder)
{
    fakehid::DeviceSpec a, b;
    b.product = 0x0822;
    fakehid::Device* first = root.Plug(a);
    fakehid::Device* second = root.Plug(b);
    std::vector<std::string> log;
    auto name = [](TJvHidDevice* dev) { return QString::number(dev->Attributes().ProductID, 16).toStdString(); };
    ctl = std::make_unique<TJvHidDeviceController>(nullptr);
    TJvHidDeviceController* c = ctl.get();
    ctl->Loading();
    ctl->SetOnArrival([&](TJvHidDevice* dev) {
        EXPECT_TRUE(dev->IsAccessible());
        log.push_back("arrival " + name(dev));
    });
    ctl->SetOnRemoval([&](TJvHidDevice* dev) { log.push_back("removal " + name(dev)); });
    ctl->SetOnDeviceUnplug([&](TJvHidDevice* dev) { log.push_back("unplug " + name(dev)); });
    ctl->SetOnDeviceChange([&, c](vcl::TObject*) {
        log.push_back("change");
        c->Enumerate();
    });
    ctl->SetOnEnumerate([&](TJvHidDevice* dev, int idx) {
        log.push_back("enumerate " + name(dev) + " " + std::to_string(idx));
        return true;
    });
    ctl->Loaded();
    ASSERT_TRUE(hidtest::PumpUntil([&] { return log.size() >= 5; }));
    EXPECT_EQ(log, (std::vector<std::string> {"arrival 821", "arrival 822", "change", "enumerate 821 0",
                                              "enumerate 822 1"}));

    // Both go before any notice is handled: one direct pass sees them both vanish.
    log.clear();
    root.Unplug(first);
    root.Unplug(second);
    ctl->DeviceChange();
    EXPECT_EQ(log, (std::vector<std::string> {"unplug 822", "removal 822", "unplug 821", "removal 821", "change"}));
    EXPECT_EQ(ctl->Count(), 0);
    // The notices that follow find nothing changed and tell nobody.
    log.clear();
    hidtest::PumpFor(400);
    EXPECT_TRUE(log.empty());
    ctl.reset();
}

// The setters compare the handler's function, not the object it is bound to.
TEST_F(HidController, HandlerSettersCompareFunctionsOnly)
{
    struct Listener
    {
        std::vector<std::string> calls;
        void Changed(vcl::TObject*) { calls.push_back("changed"); }
        void Other(vcl::TObject*) { calls.push_back("other"); }
        void Data(TJvHidDevice*, uint8_t, const uint8_t*, uint16_t) { calls.push_back("data"); }
        void Data2(TJvHidDevice*, uint8_t, const uint8_t*, uint16_t) { calls.push_back("data2"); }
    } x, y;
    fakehid::Device* fake = root.Plug();
    ctl = std::make_unique<TJvHidDeviceController>(nullptr);
    TJvHidDeviceController* c = ctl.get();
    ctl->Loading();
    ctl->SetOnEnumerate([&, c](TJvHidDevice*, int idx) {
        TJvHidDevice* claimed = nullptr;
        if (c->CheckOutByIndex(claimed, idx))
            device = claimed;
        return true;
    });
    ctl->SetOnDeviceData(vcl::Method(&x, &Listener::Data));
    ctl->Loaded();
    hidtest::PumpFor(50);
    ctl->Enumerate();
    ASSERT_NE(device, nullptr);
    // The read thread's handle is open: reports sent from now on reach it.
    ASSERT_TRUE(hidtest::PumpUntil([&] { return device->HidOverlappedRead() != -1; }));

    // The start-up notice was the last one, so every pass tells the change handler.
    ctl->SetOnDeviceChange(vcl::Method(&x, &Listener::Changed));
    EXPECT_EQ(x.calls, (std::vector<std::string> {"changed"}));
    ctl->SetOnDeviceChange(vcl::Method(&y, &Listener::Changed));
    EXPECT_TRUE(y.calls.empty());
    ctl->SetOnDeviceChange(vcl::Method(&y, &Listener::Other));
    EXPECT_EQ(y.calls, (std::vector<std::string> {"other"}));

    // The same data function on another object changes nothing; another function re-points the device.
    ctl->SetOnDeviceData(vcl::Method(&y, &Listener::Data));
    fake->SendInput({0x01});
    ASSERT_TRUE(hidtest::PumpUntil([&] { return x.calls.size() == 2; }));
    EXPECT_EQ(x.calls.back(), "data");
    ctl->SetOnDeviceData(vcl::Method(&y, &Listener::Data2));
    fake->SendInput({0x02});
    ASSERT_TRUE(hidtest::PumpUntil([&] { return y.calls.size() == 2; }));
    EXPECT_EQ(y.calls.back(), "data2");
    EXPECT_EQ(x.calls.size(), 2u);
    ctl->CheckIn(device);
    ctl.reset();
}

TEST_F(HidController, UnopenableInterfaceGetsNoDeviceAndTheScanGoesOn)
{
    root.PlugDead();
    root.Plug();
    Create(false);
    ASSERT_TRUE(hidtest::PumpUntil([&] { return changes == 1; }));
    EXPECT_EQ(ctl->Count(), 1);
}

TEST_F(HidController, CheckOutByIndexRefusesBadIndexesAndClaimedDevices)
{
    root.Plug();
    Create(false);
    ASSERT_TRUE(hidtest::PumpUntil([&] { return ctl->Count() == 1; }));
    TJvHidDevice* dev = reinterpret_cast<TJvHidDevice*>(1);
    for (int idx : {-1, 1}) {
        EXPECT_FALSE(ctl->CheckOutByIndex(dev, idx));
        EXPECT_EQ(dev, nullptr);
    }
    TJvHidDevice* first = nullptr;
    ASSERT_TRUE(ctl->CheckOutByID(first, 0x0168, -1));
    dev = reinterpret_cast<TJvHidDevice*>(1);
    EXPECT_FALSE(ctl->CheckOutByIndex(dev, 0));
    EXPECT_EQ(dev, nullptr);
    EXPECT_EQ(ctl->CountByID(0x0168, 0x0821), 1);
    TJvHidDevice* none = nullptr;
    ctl->CheckIn(none);
    ctl->CheckIn(first);
    EXPECT_EQ(first, nullptr);
    EXPECT_EQ(ctl->NumCheckedInDevices(), 1);
}

TEST_F(HidController, DestroyingAClaimedPluggedDeviceLeavesAFreshOneInItsPlace)
{
    root.Plug();
    Create();
    ASSERT_TRUE(hidtest::PumpUntil([&] { return device != nullptr; }));
    TJvHidDevice* old = device;
    old->SetThreadSleepTime(50);
    delete old;
    device = nullptr;
    ASSERT_EQ(ctl->Count(), 1);
    TJvHidDevice* fresh = ctl->Items(0);
    EXPECT_FALSE(fresh->IsCheckedOut());
    EXPECT_EQ(fresh->ThreadSleepTime(), 50);
    EXPECT_EQ(ctl->NumCheckedOutDevices(), 0);
    EXPECT_EQ(ctl->NumCheckedInDevices(), 1);
}

TEST_F(HidController, DeviceWithoutInputReportsStartsNoReadThread)
{
    fakehid::DeviceSpec spec;
    spec.descriptor = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x08, 0x91, 0x02, 0xC0};
    root.Plug(spec);
    Create();
    ASSERT_TRUE(hidtest::PumpUntil([&] { return device != nullptr; }));
    EXPECT_EQ(device->GetCaps().InputReportByteLength, 0);
    EXPECT_EQ(device->GetCaps().OutputReportByteLength, 9);
    EXPECT_FALSE(device->HasThread());
}

TEST_F(HidController, FailedReadStartsAreReportedAtTheThreadsPace)
{
    fakehid::Device* fake = root.Plug();
    Create();
    ASSERT_TRUE(hidtest::PumpUntil([&] { return device != nullptr; }));
    std::atomic<int> errors {0};
    ctl->SetOnDeviceDataError([&](TJvHidDevice*, uint32_t error) {
        EXPECT_NE(error, 0u);
        ++errors;
    });
    device->SetThreadSleepTime(50);
    onUnplug = [](TJvHidDevice*) {};  // keeps the device claimed
    root.Unplug(fake);
    ASSERT_TRUE(hidtest::PumpUntil([&] { return errors > 0; }));
    hidtest::PumpFor(500);
    EXPECT_GE(errors.load(), 3);
    EXPECT_LE(errors.load(), 20);
    ctl->CheckIn(device);
}

TEST_F(HidController, DeviceRulesAndTexts)
{
    root.Plug();
    Create();
    ASSERT_TRUE(hidtest::PumpUntil([&] { return device != nullptr; }));
    struct
    {
        int value;
        int expected;
    } sleeps[] = {{9, 100}, {10000, 10000}, {10001, 10000}, {10, 10}};
    for (const auto& c : sleeps) {
        device->SetThreadSleepTime(c.value);
        EXPECT_EQ(device->ThreadSleepTime(), c.expected) << c.value;
    }
    EXPECT_TRUE(device->GetDeviceStringUnicode(0).isEmpty());
    EXPECT_EQ(device->LanguageStrings(), QStringList {"English (United States)"});
    for (auto [id, text] : {std::pair {0x0409, "English (United States)"}, {0x0c0a, "unknown Locale ID $0C0A"},
                            {0x0001, "unknown Locale ID $0001"}})
        EXPECT_EQ(HidLanguageName(uint16_t(id)), QString::fromLatin1(text)) << id;
    EXPECT_FALSE(device->CancelIO(TJvHidOpenExMode::omhWrite));
    hidapi::HIDP_LINK_COLLECTION_NODE node = device->GetLinkCollectionNode(5);
    EXPECT_EQ(node.LinkUsage, 0);
    EXPECT_EQ(node.LinkUsagePage, 0);

    ctl->SetVersion("2.0");
    EXPECT_EQ(ctl->Version(), "1.0.34");
    struct
    {
        std::function<void()> create;
        const char* text;
    } direct[] = {
        {[] { TJvHidDevice d; }, "Direct creation of a TJvHidDevice object is not allowed"},
        {[] { TJvHidDeviceReadThread t(true); }, "Direct creation of a TJvDeviceReadThread object is not allowed"},
    };
    for (const auto& d : direct) {
        try {
            d.create();
            ADD_FAILURE() << d.text;
        } catch (const EControllerError& e) {
            EXPECT_EQ(e.Message(), d.text);
        }
    }

    struct
    {
        uint32_t status;
        const char* text;
    } texts[] = {
        {0x00110000, ""},
        {0x80110001, "HID Error: device not plugged in"},
        {0xC0110020, "HID Error: not implemented"},
        {0xC0110011, "HID Error: unknown HID error C0110011"},
        {0xC0120001, ""},
    };
    for (const auto& t : texts)
        EXPECT_EQ(HidErrorString(hidapi::NTSTATUS(t.status)), QString::fromLatin1(t.text)) << std::hex << t.status;
    EXPECT_THROW(HidCheck(hidapi::NTSTATUS(0xC0110004u)), EHidClientError);
    EXPECT_EQ(HidCheck(hidapi::HIDP_STATUS_SUCCESS), hidapi::HIDP_STATUS_SUCCESS);
}

} // namespace
