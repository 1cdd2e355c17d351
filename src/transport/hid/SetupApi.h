#pragma once
// Run-time binding of the device-setup library: counted uses, all entry points bound or none.

#include "platform/hid/HidApi.h"
#include "platform/hid/HidNames.h"
#include "platform/os/DynLib.h"

#define ZQ9_SETUP_DECLARE(name, type) extern hidapi::type name;
#define ZQ9_SETUP_DECLARE_AW(family, typeA, typeW)                                                                    \
    ZQ9_SETUP_DECLARE(family##A, typeA) ZQ9_SETUP_DECLARE(family##W, typeW) ZQ9_SETUP_DECLARE(family, typeW)
#define ZQ9_SETUP_DECLARE_IFACE(name, older, type) ZQ9_SETUP_DECLARE(name, type) ZQ9_SETUP_DECLARE(older, type)
#define ZQ9_SETUP_DECLARE_IFACE_AW(family, older, typeA, typeW)                                                       \
    ZQ9_SETUP_DECLARE_AW(family, typeA, typeW) ZQ9_SETUP_DECLARE_AW(older, typeA, typeW)
ZQ9_SETUP_AW(ZQ9_SETUP_DECLARE_AW)
ZQ9_SETUP_PLAIN(ZQ9_SETUP_DECLARE)
ZQ9_SETUP_IFACE(ZQ9_SETUP_DECLARE_IFACE)
ZQ9_SETUP_IFACE_AW(ZQ9_SETUP_DECLARE_IFACE_AW)
#undef ZQ9_SETUP_DECLARE
#undef ZQ9_SETUP_DECLARE_AW
#undef ZQ9_SETUP_DECLARE_IFACE
#undef ZQ9_SETUP_DECLARE_IFACE_AW

// Counts one use; the first binds the library. True only while the library is bound.
bool LoadSetupApi();
// Counts one use less; the last frees the library and clears every entry point.
void UnloadSetupApi();
bool IsSetupApiLoaded();
vcl::TModuleHandle GetSetupApiModuleHandle();
// Bound entry points (for tests of the all-or-nothing rule).
int SetupApiEntryPointCount();
