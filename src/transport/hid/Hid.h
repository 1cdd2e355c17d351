#pragma once
// Run-time binding of the HID library: one entry point per export, all bound or none.

#include "platform/hid/HidApi.h"
#include "platform/hid/HidNames.h"

#include <compare>

#define ZQ9_HID_DECLARE(name, type) extern hidapi::type name;
#define ZQ9_HID_DECLARE_ALIAS(name, exportName, type) extern hidapi::type name;
ZQ9_HID_EXPORTS(ZQ9_HID_DECLARE)
ZQ9_HID_ALIASES(ZQ9_HID_DECLARE_ALIAS)
#undef ZQ9_HID_DECLARE
#undef ZQ9_HID_DECLARE_ALIAS

// A platform version as (major, minor), compared as a pair.
struct HidPlatformVersion
{
    int Major = 0;
    int Minor = 0;
    friend auto operator<=>(const HidPlatformVersion&, const HidPlatformVersion&) = default;
};

// The version the version-gated names are checked against. Our library exports every name.
HidPlatformVersion CurrentHidPlatformVersion();

bool LoadHid();
// As LoadHid, with the gated names checked against the given version.
bool LoadHidFor(HidPlatformVersion version);
void UnloadHid();
bool IsHidLoaded();

hidapi::NTSTATUS HidP_GetButtonCaps_(hidapi::HIDP_REPORT_TYPE reportType, hidapi::HIDP_BUTTON_CAPS* caps,
                                     hidapi::USHORT& length, hidapi::PHIDP_PREPARSED_DATA data);
hidapi::NTSTATUS HidP_GetValueCaps_(hidapi::HIDP_REPORT_TYPE reportType, hidapi::HIDP_VALUE_CAPS* caps,
                                    hidapi::USHORT& length, hidapi::PHIDP_PREPARSED_DATA data);
bool HidP_IsSameUsageAndPage_(hidapi::USAGE_AND_PAGE a, hidapi::USAGE_AND_PAGE b);

// Casts an exported address to its entry-point type.
template <typename F>
F HidProcCast(void* address)
{
    static_assert(sizeof(F) == sizeof(void*));
    F f;
    __builtin_memcpy(&f, &address, sizeof f);
    return f;
}
