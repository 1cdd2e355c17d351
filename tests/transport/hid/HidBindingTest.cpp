// The run-time binding of our HID and setup libraries: all or nothing, counted uses, version gates.

#include "HidTestSupport.h"

#include "platform/os/DynLib.h"
#include "transport/hid/Hid.h"
#include "transport/hid/SetupApi.h"

#include <gtest/gtest.h>

namespace
{

class HidBinding : public ::testing::Test
{
protected:
    void SetUp() override { hidtest::EnsureApp(); }
    void TearDown() override
    {
        setenv("ZQ9_LIBRARY_DIR", ZQ9_HID_LIBRARY_DIR, 1);
        UnloadHid();
        while (IsSetupApiLoaded())
            UnloadSetupApi();
    }
};

int BoundHidEntryPoints()
{
    int n = 0;
#define ZQ9_COUNT(name, type) n += name != nullptr;
#define ZQ9_COUNT_ALIAS(name, exportName, type) n += name != nullptr;
    ZQ9_HID_EXPORTS(ZQ9_COUNT)
    ZQ9_HID_ALIASES(ZQ9_COUNT_ALIAS)
#undef ZQ9_COUNT
#undef ZQ9_COUNT_ALIAS
    return n;
}

TEST_F(HidBinding, CompleteLibraryBindsAllFortySixEntryPointsAndUnbindsThemAll)
{
    ASSERT_TRUE(LoadHid());
    EXPECT_TRUE(IsHidLoaded());
    EXPECT_EQ(BoundHidEntryPoints(), 46);
    EXPECT_EQ(reinterpret_cast<void*>(HidP_GetButtons), reinterpret_cast<void*>(HidP_GetUsages));
    UnloadHid();
    EXPECT_FALSE(IsHidLoaded());
    EXPECT_EQ(BoundHidEntryPoints(), 0);
}

TEST_F(HidBinding, LibraryMissingOneNameIsRefusedWhole)
{
    setenv("ZQ9_LIBRARY_DIR", ZQ9_HID_MISSING_DIR, 1);
    EXPECT_FALSE(LoadHid());
    EXPECT_FALSE(IsHidLoaded());
    EXPECT_EQ(BoundHidEntryPoints(), 0);
}

TEST_F(HidBinding, MissingLibraryLoadsNothing)
{
    setenv("ZQ9_LIBRARY_DIR", "/nonexistent", 1);
    EXPECT_FALSE(LoadHid());
    EXPECT_EQ(BoundHidEntryPoints(), 0);
}

// The gates compare (major, minor) as a pair: 6.0 is later than 5.1.
TEST_F(HidBinding, VersionGatesCompareMajorAndMinorTogether)
{
    struct Case
    {
        HidPlatformVersion version;
        bool reports;
        bool extended;
    } cases[] = {
        {{4, 0}, false, false}, {{5, 0}, false, true}, {{5, 1}, true, true},
        {{6, 0}, true, true},   {{6, 2}, true, true},  {{10, 0}, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.version.Major << "." << c.version.Minor);
        ASSERT_TRUE(LoadHidFor(c.version));
        EXPECT_EQ(HidD_GetInputReport != nullptr, c.reports);
        EXPECT_EQ(HidD_SetOutputReport != nullptr, c.reports);
        EXPECT_EQ(HidP_GetExtendedAttributes != nullptr, c.extended);
        EXPECT_EQ(HidP_InitializeReportForID != nullptr, c.extended);
        UnloadHid();
    }
}

TEST_F(HidBinding, SetupLibraryIsCountedAndFreedByTheLastUse)
{
    ASSERT_TRUE(LoadSetupApi());
    EXPECT_EQ(SetupApiEntryPointCount(), 396);
    EXPECT_EQ(reinterpret_cast<void*>(SetupDiGetClassDevs), reinterpret_cast<void*>(SetupDiGetClassDevsW));
    EXPECT_EQ(reinterpret_cast<void*>(SetupDiGetInterfaceDeviceDetailA),
              reinterpret_cast<void*>(SetupDiGetDeviceInterfaceDetailA));
    const auto handle = GetSetupApiModuleHandle();
    EXPECT_TRUE(LoadSetupApi());
    EXPECT_EQ(GetSetupApiModuleHandle(), handle);
    UnloadSetupApi();
    EXPECT_TRUE(IsSetupApiLoaded());
    UnloadSetupApi();
    EXPECT_FALSE(IsSetupApiLoaded());
    EXPECT_EQ(SetupApiEntryPointCount(), 0);
}

TEST_F(HidBinding, FailedFirstSetupLoadIsNotReportedAsSuccessLater)
{
    setenv("ZQ9_LIBRARY_DIR", "/nonexistent", 1);
    EXPECT_FALSE(LoadSetupApi());
    setenv("ZQ9_LIBRARY_DIR", ZQ9_HID_LIBRARY_DIR, 1);
    EXPECT_FALSE(LoadSetupApi());
    EXPECT_EQ(SetupApiEntryPointCount(), 0);
    UnloadSetupApi();
    UnloadSetupApi();
    EXPECT_TRUE(LoadSetupApi());
    UnloadSetupApi();
}

TEST_F(HidBinding, ModuleLoaderKeepsAGivenHandleAndMatchesNamesExactly)
{
    vcl::TModuleHandle handle = 0;
    ASSERT_TRUE(vcl::LoadModule(handle, u"hid.DLL"));
    const auto first = handle;
    EXPECT_TRUE(vcl::LoadModule(handle, u"no such library"));
    EXPECT_EQ(handle, first);
    EXPECT_NE(vcl::GetModuleSymbol(handle, u"HidD_GetAttributes"), nullptr);
    EXPECT_EQ(vcl::GetModuleSymbol(handle, u"hidd_getattributes"), nullptr);
    bool accu = true;
    vcl::GetModuleSymbolEx(handle, u"HidD_GetAttributes", accu);
    EXPECT_TRUE(accu);
    vcl::GetModuleSymbolEx(handle, u"HidD_Nothing", accu);
    vcl::GetModuleSymbolEx(handle, u"HidD_GetAttributes", accu);
    EXPECT_FALSE(accu);
    vcl::UnloadModule(handle);
    EXPECT_EQ(handle, 0u);
    EXPECT_EQ(vcl::GetModuleSymbol(handle, u"HidD_GetAttributes"), nullptr);
}

} // namespace
