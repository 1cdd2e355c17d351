#include "transport/hid/Hid.h"

#include "platform/os/DynLib.h"

#include <cstring>

using namespace hidapi;

#define ZQ9_HID_DEFINE(name, type) type name = nullptr;
#define ZQ9_HID_DEFINE_ALIAS(name, exportName, type) type name = nullptr;
ZQ9_HID_EXPORTS(ZQ9_HID_DEFINE)
ZQ9_HID_ALIASES(ZQ9_HID_DEFINE_ALIAS)

namespace
{

vcl::TModuleHandle HidLib = 0;

// The lowest platform version that offers a name; names not listed are always bound.
bool Offered(const char* name, HidPlatformVersion version)
{
    if (!std::strcmp(name, "HidD_GetInputReport") || !std::strcmp(name, "HidD_SetOutputReport"))
        return version >= HidPlatformVersion {5, 1};
    if (!std::strcmp(name, "HidP_GetExtendedAttributes") || !std::strcmp(name, "HidP_InitializeReportForID"))
        return version >= HidPlatformVersion {5, 0};
    return true;
}

} // namespace

HidPlatformVersion CurrentHidPlatformVersion()
{
    return {10, 0};
}

bool LoadHid()
{
    return LoadHidFor(CurrentHidPlatformVersion());
}

bool LoadHidFor(HidPlatformVersion version)
{
    if (!vcl::LoadModule(HidLib, u"HID.dll"))
        return false;
    bool accu = true;
#define ZQ9_HID_BIND(name, type)                                                                                      \
    if (Offered(#name, version))                                                                                      \
        name = HidProcCast<type>(vcl::GetModuleSymbolEx(HidLib, u"" #name, accu));
#define ZQ9_HID_BIND_ALIAS(name, exportName, type)                                                                   \
    name = HidProcCast<type>(vcl::GetModuleSymbolEx(HidLib, u"" #exportName, accu));
    ZQ9_HID_EXPORTS(ZQ9_HID_BIND)
    ZQ9_HID_ALIASES(ZQ9_HID_BIND_ALIAS)
#undef ZQ9_HID_BIND
#undef ZQ9_HID_BIND_ALIAS
    if (!accu)
        UnloadHid();
    return accu;
}

void UnloadHid()
{
    vcl::UnloadModule(HidLib);
#define ZQ9_HID_CLEAR(name, type) name = nullptr;
#define ZQ9_HID_CLEAR_ALIAS(name, exportName, type) name = nullptr;
    ZQ9_HID_EXPORTS(ZQ9_HID_CLEAR)
    ZQ9_HID_ALIASES(ZQ9_HID_CLEAR_ALIAS)
#undef ZQ9_HID_CLEAR
#undef ZQ9_HID_CLEAR_ALIAS
}

bool IsHidLoaded()
{
    return HidLib != 0;
}

NTSTATUS HidP_GetButtonCaps_(HIDP_REPORT_TYPE reportType, HIDP_BUTTON_CAPS* caps, USHORT& length,
                             PHIDP_PREPARSED_DATA data)
{
    if (!HidP_GetSpecificButtonCaps)
        return HIDP_STATUS_NOT_IMPLEMENTED;
    return HidP_GetSpecificButtonCaps(reportType, 0, 0, 0, caps, &length, data);
}

NTSTATUS HidP_GetValueCaps_(HIDP_REPORT_TYPE reportType, HIDP_VALUE_CAPS* caps, USHORT& length,
                            PHIDP_PREPARSED_DATA data)
{
    if (!HidP_GetSpecificValueCaps)
        return HIDP_STATUS_NOT_IMPLEMENTED;
    return HidP_GetSpecificValueCaps(reportType, 0, 0, 0, caps, &length, data);
}

bool HidP_IsSameUsageAndPage_(USAGE_AND_PAGE a, USAGE_AND_PAGE b)
{
    return a.Usage == b.Usage && a.UsagePage == b.UsagePage;
}
