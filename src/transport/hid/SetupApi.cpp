#include "transport/hid/SetupApi.h"

#include "transport/hid/Hid.h"

using namespace hidapi;

#define ZQ9_SETUP_DEFINE(name, type) type name = nullptr;
#define ZQ9_SETUP_DEFINE_AW(family, typeA, typeW)                                                                     \
    ZQ9_SETUP_DEFINE(family##A, typeA) ZQ9_SETUP_DEFINE(family##W, typeW) ZQ9_SETUP_DEFINE(family, typeW)
#define ZQ9_SETUP_DEFINE_IFACE(name, older, type) ZQ9_SETUP_DEFINE(name, type) ZQ9_SETUP_DEFINE(older, type)
#define ZQ9_SETUP_DEFINE_IFACE_AW(family, older, typeA, typeW)                                                        \
    ZQ9_SETUP_DEFINE_AW(family, typeA, typeW) ZQ9_SETUP_DEFINE_AW(older, typeA, typeW)
ZQ9_SETUP_AW(ZQ9_SETUP_DEFINE_AW)
ZQ9_SETUP_PLAIN(ZQ9_SETUP_DEFINE)
ZQ9_SETUP_IFACE(ZQ9_SETUP_DEFINE_IFACE)
ZQ9_SETUP_IFACE_AW(ZQ9_SETUP_DEFINE_IFACE_AW)

namespace
{

vcl::TModuleHandle SetupLib = 0;
int SetupUseCount = 0;

// Applies op(entry point, export name) to every entry point.
template <typename Op>
void ForEachEntryPoint(Op op)
{
#define ZQ9_SETUP_EACH(name, exportName, type) op(name, u"" #exportName);
#define ZQ9_SETUP_EACH_PLAIN(name, type) ZQ9_SETUP_EACH(name, name, type)
#define ZQ9_SETUP_EACH_AW(family, typeA, typeW)                                                                       \
    ZQ9_SETUP_EACH(family##A, family##A, typeA)                                                                       \
    ZQ9_SETUP_EACH(family##W, family##W, typeW) ZQ9_SETUP_EACH(family, family##W, typeW)
#define ZQ9_SETUP_EACH_IFACE(name, older, type) ZQ9_SETUP_EACH(name, name, type) ZQ9_SETUP_EACH(older, name, type)
#define ZQ9_SETUP_EACH_IFACE_AW(family, older, typeA, typeW)                                                          \
    ZQ9_SETUP_EACH_AW(family, typeA, typeW)                                                                           \
    ZQ9_SETUP_EACH(older##A, family##A, typeA)                                                                        \
    ZQ9_SETUP_EACH(older##W, family##W, typeW) ZQ9_SETUP_EACH(older, family##W, typeW)
    ZQ9_SETUP_AW(ZQ9_SETUP_EACH_AW)
    ZQ9_SETUP_PLAIN(ZQ9_SETUP_EACH_PLAIN)
    ZQ9_SETUP_IFACE(ZQ9_SETUP_EACH_IFACE)
    ZQ9_SETUP_IFACE_AW(ZQ9_SETUP_EACH_IFACE_AW)
#undef ZQ9_SETUP_EACH
#undef ZQ9_SETUP_EACH_PLAIN
#undef ZQ9_SETUP_EACH_AW
#undef ZQ9_SETUP_EACH_IFACE
#undef ZQ9_SETUP_EACH_IFACE_AW
}

} // namespace

bool LoadSetupApi()
{
    ++SetupUseCount;
    // A later use shares the first one's outcome: a failed first load stays a failure.
    if (SetupUseCount > 1)
        return IsSetupApiLoaded();
    if (!vcl::LoadModule(SetupLib, u"SetupApi.dll"))
        return false;
    bool accu = true;
    ForEachEntryPoint([&](auto& entry, const char16_t* exportName) {
        entry = HidProcCast<std::remove_reference_t<decltype(entry)>>(
            vcl::GetModuleSymbolEx(SetupLib, exportName, accu));
    });
    if (!accu)
        UnloadSetupApi();
    return accu;
}

void UnloadSetupApi()
{
    --SetupUseCount;
    if (SetupUseCount > 0)
        return;
    vcl::UnloadModule(SetupLib);
    ForEachEntryPoint([](auto& entry, const char16_t*) { entry = nullptr; });
}

bool IsSetupApiLoaded()
{
    return SetupLib != 0;
}

vcl::TModuleHandle GetSetupApiModuleHandle()
{
    return SetupLib;
}

int SetupApiEntryPointCount()
{
    int count = 0;
    ForEachEntryPoint([&](auto& entry, const char16_t*) { count += entry != nullptr; });
    return count;
}
