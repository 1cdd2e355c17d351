// Our HID and setup libraries, loaded as the binding loads them, on a fake sysfs tree.

#include "platform/hid/HidApi.h"
#include "platform/hid/HidNames.h"
#include "platform/hid/HidNode.h"
#include "support/FakeHid.h"

#include <gtest/gtest.h>

#include <cstring>
#include <dlfcn.h>
#include <string>

using namespace hidapi;
using fakehid::Bytes;

namespace
{

class HidLibraries : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hid = dlopen(ZQ9_HID_LIBRARY_DIR "/libzq9hid.so", RTLD_NOW | RTLD_LOCAL);
        setup = dlopen(ZQ9_HID_LIBRARY_DIR "/libzq9setupapi.so", RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(hid, nullptr) << dlerror();
        ASSERT_NE(setup, nullptr) << dlerror();
    }
    void TearDown() override
    {
        dlclose(hid);
        dlclose(setup);
    }

    template <typename F>
    F Hid(const char* name)
    {
        void* p = dlsym(hid, name);
        F f;
        std::memcpy(&f, &p, sizeof f);
        return f;
    }
    template <typename F>
    F Setup(const char* name)
    {
        void* p = dlsym(setup, name);
        F f;
        std::memcpy(&f, &p, sizeof f);
        return f;
    }

    // The device path of interface index, through the setup library as the controller asks.
    std::string DevicePath(HDEVINFO set, DWORD index, SP_DEVINFO_DATA& devData)
    {
        SP_DEVICE_INTERFACE_DATA itf {};
        itf.cbSize = sizeof itf;
        if (!Setup<PSetupDiEnumDeviceInterfaces>("SetupDiEnumDeviceInterfaces")(set, nullptr, &HidInterfaceClassGuid,
                                                                                 index, &itf))
            return {};
        auto detailA = Setup<PSetupDiGetDeviceInterfaceDetailA>("SetupDiGetDeviceInterfaceDetailA");
        DWORD needed = 0;
        devData.cbSize = sizeof devData;
        EXPECT_FALSE(detailA(set, &itf, nullptr, 0, &needed, &devData));
        EXPECT_EQ(errno, ErrorInsufficientBuffer);
        std::vector<uint8_t> buffer(needed);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.data());
        detail->cbSize = DetailDataASize;
        EXPECT_TRUE(detailA(set, &itf, detail, needed, nullptr, &devData));
        return detail->DevicePath;
    }

    void* hid = nullptr;
    void* setup = nullptr;
};

TEST_F(HidLibraries, ExportEveryListedName)
{
    std::vector<std::string> missing;
    auto check = [&](void* lib, const char* name) {
        if (!dlsym(lib, name))
            missing.push_back(name);
    };
#define ZQ9_CHECK_HID(name, type) check(hid, #name);
#define ZQ9_CHECK_PLAIN(name, type) check(setup, #name);
#define ZQ9_CHECK_AW(family, typeA, typeW) check(setup, #family "A"); check(setup, #family "W");
#define ZQ9_CHECK_IFACE(name, older, type) check(setup, #name);
#define ZQ9_CHECK_IFACE_AW(family, older, typeA, typeW) ZQ9_CHECK_AW(family, typeA, typeW)
    ZQ9_HID_EXPORTS(ZQ9_CHECK_HID)
    ZQ9_SETUP_AW(ZQ9_CHECK_AW)
    ZQ9_SETUP_PLAIN(ZQ9_CHECK_PLAIN)
    ZQ9_SETUP_IFACE(ZQ9_CHECK_IFACE)
    ZQ9_SETUP_IFACE_AW(ZQ9_CHECK_IFACE_AW)
    EXPECT_TRUE(missing.empty()) << missing.front();
    // Names nobody calls answer "not supported".
    errno = 0;
    EXPECT_EQ(Setup<long (*)()>("SetupOpenInfFileA")(), 0);
    EXPECT_EQ(errno, ErrorNotSupported);
    EXPECT_EQ(Hid<long (*)()>("HidD_Hello")(), 0);
}

TEST_F(HidLibraries, EnumerateIdentifyAndSizeAFakeDevice)
{
    fakehid::Root root;
    fakehid::DeviceSpec other;
    other.vendor = 0x046D;
    other.product = 0xC077;
    other.descriptor = fakehid::VendorDescriptor(8, true);
    root.Plug(other);
    fakehid::Device* zq9 = root.Plug();

    auto getClassDevs = Setup<PSetupDiGetClassDevsW>("SetupDiGetClassDevsW");
    HDEVINFO set = getClassDevs(&HidInterfaceClassGuid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    ASSERT_NE(set, InvalidDevInfo());
    SP_DEVINFO_DATA first {}, second {};
    EXPECT_EQ(DevicePath(set, 0, first), root.Path() + "/dev/hidraw0");
    EXPECT_EQ(DevicePath(set, 1, second), zq9->NodePath());
    SP_DEVINFO_DATA none {};
    EXPECT_EQ(DevicePath(set, 2, none), "");
    EXPECT_EQ(errno, ErrorNoMoreItems);
    EXPECT_NE(first.DevInst, second.DevInst);

    auto propertyW = Setup<PSetupDiGetDeviceRegistryPropertyW>("SetupDiGetDeviceRegistryPropertyW");
    char16_t text[64] = {};
    DWORD type = 0;
    ASSERT_TRUE(propertyW(set, &second, SPDRP_CLASS, &type, reinterpret_cast<uint8_t*>(text), sizeof text, nullptr));
    EXPECT_EQ(std::u16string(text), u"HIDClass");
    EXPECT_EQ(type, REG_SZ);
    ASSERT_TRUE(propertyW(set, &second, SPDRP_HARDWAREID, &type, reinterpret_cast<uint8_t*>(text), sizeof text,
                          nullptr));
    EXPECT_EQ(std::u16string(text), u"HID\\VID_0168&PID_0821");
    EXPECT_EQ(type, REG_MULTI_SZ);
    EXPECT_FALSE(propertyW(set, &second, SPDRP_UPPERFILTERS, &type, reinterpret_cast<uint8_t*>(text), sizeof text,
                           nullptr));
    EXPECT_TRUE(Setup<PSetupDiDestroyDeviceInfoList>("SetupDiDestroyDeviceInfoList")(set));

    const int fd = hidraw::OpenNode(zq9->NodePath(), hidraw::NodeAccess::ReadWrite);
    ASSERT_GE(fd, 0);
    HIDD_ATTRIBUTES attributes {};
    ASSERT_TRUE(Hid<PHidD_GetAttributes>("HidD_GetAttributes")(fd, &attributes));
    EXPECT_EQ(attributes.VendorID, 0x0168);
    EXPECT_EQ(attributes.ProductID, 0x0821);
    PHIDP_PREPARSED_DATA data = nullptr;
    ASSERT_TRUE(Hid<PHidD_GetPreparsedData>("HidD_GetPreparsedData")(fd, &data));
    HIDP_CAPS caps {};
    EXPECT_EQ(Hid<PHidP_GetCaps>("HidP_GetCaps")(data, &caps), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(caps.InputReportByteLength, 65);
    EXPECT_EQ(caps.OutputReportByteLength, 65);
    EXPECT_EQ(caps.FeatureReportByteLength, 0);
    EXPECT_EQ(Hid<PHidP_GetUsages>("HidP_GetUsages")(HidP_Input, 0, 0, nullptr, nullptr, data, nullptr, 0),
              HIDP_STATUS_NOT_IMPLEMENTED);
    EXPECT_TRUE(Hid<PHidD_FreePreparsedData>("HidD_FreePreparsedData")(data));
    char16_t product[127] = {};
    ASSERT_TRUE(Hid<PHidD_GetProductString>("HidD_GetProductString")(fd, product, sizeof product));
    EXPECT_EQ(std::u16string(product), u"ZQ9 DSP Processor");
    char16_t small[4] = {};
    ASSERT_TRUE(Hid<PHidD_GetProductString>("HidD_GetProductString")(fd, small, sizeof small));
    EXPECT_EQ(std::u16string(small), u"ZQ9");
    EXPECT_FALSE(Hid<PHidD_GetFeature>("HidD_GetFeature")(fd, product, 8));
    hidraw::CloseNode(fd);
    HIDD_ATTRIBUTES none2 {};
    EXPECT_FALSE(Hid<PHidD_GetAttributes>("HidD_GetAttributes")(-1, &none2));
}

// A device without report IDs reads with a 0 put in front; a numbered one reads as it comes.
TEST_F(HidLibraries, ReadsCarryTheReportIdByte)
{
    fakehid::Root root;
    fakehid::DeviceSpec numberedSpec;
    numberedSpec.numbered = true;
    numberedSpec.descriptor = fakehid::VendorDescriptor(64, true);
    struct
    {
        fakehid::Device* device;
        uint8_t firstByte;
    } cases[] = {{root.Plug(), 0}, {root.Plug(numberedSpec), 1}};
    for (const auto& c : cases) {
        const int fd = hidraw::OpenNode(c.device->NodePath(), hidraw::NodeAccess::ReadWrite);
        ASSERT_GE(fd, 0);
        const bool numbered = hidraw::NodeUsesReportIds(fd);
        EXPECT_EQ(numbered, c.firstByte == 1);
        // The fake accepts the connection on its own thread; wait until it hears writes.
        const uint8_t out[3] = {c.firstByte, 0x55, 0x66};
        ASSERT_EQ(hidraw::WriteReport(fd, out, 3), 3);
        ASSERT_TRUE(c.device->WaitForOutputs(1, 2000));
        EXPECT_EQ(c.device->Outputs()[0], (Bytes {c.firstByte, 0x55, 0x66}));
        c.device->SendInput({0xAB, 0xCD});
        ASSERT_EQ(hidraw::WaitReadable(fd, 2000), 1);
        uint8_t in[65] = {};
        EXPECT_EQ(hidraw::ReadReport(fd, in, sizeof in, numbered), 65);
        EXPECT_EQ(in[0], c.firstByte);
        EXPECT_EQ(in[1], 0xAB);
        EXPECT_EQ(in[2], 0xCD);
        hidraw::CloseNode(fd);
    }
}

} // namespace
