// Our device-setup library on Linux: the HID interface class enumerated from sysfs.

#include "platform/hid/HidApi.h"
#include "platform/hid/HidNames.h"
#include "platform/hid/HidSysfs.h"
#include "lib/Utf16.h"

#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

using namespace hidapi;

#define ZQ9_EXPORT extern "C" __attribute__((visibility("default")))

namespace
{

struct Entry
{
    hidraw::Interface itf;
    DWORD devInst = 0;
};

struct DevInfoSet
{
    static constexpr uint32_t Magic = 0x53455455;  // "SETU"
    uint32_t magic = Magic;
    std::vector<Entry> entries;
};

// Device-node handles stay the same for one plugged device across sets; a re-plugged device gets
// a new HID instance name from the kernel and so a new handle.
DWORD DevInstOf(const std::string& instance)
{
    static std::mutex lock;
    static std::map<std::string, DWORD> handles;
    std::lock_guard guard(lock);
    auto [it, added] = handles.emplace(instance, DWORD(handles.size() + 1));
    return it->second;
}

BOOL Fail(int error)
{
    errno = error;
    return 0;
}

DevInfoSet* SetOf(HDEVINFO h)
{
    auto* set = static_cast<DevInfoSet*>(h);
    if (!h || h == InvalidDevInfo() || set->magic != DevInfoSet::Magic) {
        errno = ErrorInvalidHandle;
        return nullptr;
    }
    return set;
}

const Entry* EntryOf(DevInfoSet* set, ULONG_PTR reserved)
{
    if (!set || reserved == 0 || reserved > set->entries.size()) {
        errno = ErrorInvalidParameter;
        return nullptr;
    }
    return &set->entries[reserved - 1];
}

std::string GuidText(const GUID& g)
{
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1, g.Data2, g.Data3,
                  g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
    return text;
}

using Property = std::variant<std::monostate, std::string, std::vector<std::string>, DWORD>;

// The properties sysfs can answer.
Property PropertyOf(const Entry& e, DWORD code)
{
    const auto& i = e.itf;
    char id[64];
    switch (code) {
    case SPDRP_DEVICEDESC:
        return i.name.empty() ? Property {} : Property {i.name};
    case SPDRP_HARDWAREID:
        std::snprintf(id, sizeof id, "HID\\VID_%04X&PID_%04X", i.vendor, i.product);
        return std::vector<std::string> {id};
    case SPDRP_SERVICE:
        return i.driver.empty() ? Property {} : Property {i.driver};
    case SPDRP_CLASS:
        return std::string("HIDClass");
    case SPDRP_CLASSGUID:
        return GuidText(HidInterfaceClassGuid);
    case SPDRP_MFG:
        return i.manufacturer.empty() ? Property {} : Property {i.manufacturer};
    case SPDRP_LOCATION_INFORMATION:
        return i.phys.empty() ? Property {} : Property {i.phys};
    case SPDRP_PHYSICAL_DEVICE_OBJECT_NAME:
        return i.deviceDir;
    case SPDRP_ENUMERATOR_NAME:
        return std::string("HID");
    case SPDRP_BUSNUMBER:
        return DWORD(i.bus);
    default:
        return {};
    }
}

BOOL RegistryProperty(HDEVINFO h, SP_DEVINFO_DATA* data, DWORD code, DWORD* type, uint8_t* buffer, DWORD size,
                      DWORD* required, bool wide)
{
    auto* set = SetOf(h);
    if (!set)
        return 0;
    if (!data || data->cbSize != sizeof(SP_DEVINFO_DATA))
        return Fail(ErrorInvalidParameter);
    const Entry* e = EntryOf(set, data->Reserved);
    if (!e)
        return 0;
    Property p = PropertyOf(*e, code);
    std::vector<uint8_t> bytes;
    DWORD regType = 0;
    auto append = [&](const std::string& s) {
        if (wide) {
            std::u16string w = hidraw::ToUtf16(s);
            w.push_back(0);
            const auto* b = reinterpret_cast<const uint8_t*>(w.data());
            bytes.insert(bytes.end(), b, b + w.size() * sizeof(char16_t));
        } else {
            bytes.insert(bytes.end(), s.begin(), s.end());
            bytes.push_back(0);
        }
    };
    if (auto* s = std::get_if<std::string>(&p)) {
        regType = REG_SZ;
        append(*s);
    } else if (auto* list = std::get_if<std::vector<std::string>>(&p)) {
        regType = REG_MULTI_SZ;
        for (const auto& s : *list)
            append(s);
        append({});
    } else if (auto* v = std::get_if<DWORD>(&p)) {
        regType = REG_DWORD;
        bytes.resize(sizeof(DWORD));
        std::memcpy(bytes.data(), v, sizeof(DWORD));
    } else {
        return Fail(ENOENT);
    }
    if (type)
        *type = regType;
    if (required)
        *required = DWORD(bytes.size());
    if (!buffer || size < bytes.size())
        return Fail(ErrorInsufficientBuffer);
    std::memcpy(buffer, bytes.data(), bytes.size());
    return 1;
}

} // namespace

ZQ9_EXPORT HDEVINFO SetupDiGetClassDevsW(const GUID* classGuid, const char16_t*, void*, DWORD flags)
{
    if (!classGuid || !(flags & DIGCF_DEVICEINTERFACE)) {
        errno = ErrorNotSupported;
        return InvalidDevInfo();
    }
    auto* set = new DevInfoSet;
    if (*classGuid == HidInterfaceClassGuid) {
        for (auto& itf : hidraw::Enumerate()) {
            DWORD inst = DevInstOf(itf.instance);
            set->entries.push_back({std::move(itf), inst});
        }
    }
    return set;
}

ZQ9_EXPORT BOOL SetupDiEnumDeviceInterfaces(HDEVINFO h, SP_DEVINFO_DATA*, const GUID* guid, DWORD index,
                                            SP_DEVICE_INTERFACE_DATA* data)
{
    auto* set = SetOf(h);
    if (!set)
        return 0;
    if (!guid || !data || data->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA))
        return Fail(ErrorInvalidParameter);
    if (!(*guid == HidInterfaceClassGuid) || index >= set->entries.size())
        return Fail(ErrorNoMoreItems);
    data->InterfaceClassGuid = *guid;
    data->Flags = 1;  // active
    data->Reserved = ULONG_PTR(index) + 1;
    return 1;
}

ZQ9_EXPORT BOOL SetupDiGetDeviceInterfaceDetailA(HDEVINFO h, SP_DEVICE_INTERFACE_DATA* data,
                                                 SP_DEVICE_INTERFACE_DETAIL_DATA_A* detail, DWORD size,
                                                 DWORD* required, SP_DEVINFO_DATA* info)
{
    auto* set = SetOf(h);
    if (!set)
        return 0;
    if (!data || data->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA))
        return Fail(ErrorInvalidParameter);
    const Entry* e = EntryOf(set, data->Reserved);
    if (!e)
        return 0;
    const DWORD need = DWORD(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath) + e->itf.devicePath.size() + 1);
    if (required)
        *required = need;
    if (detail && detail->cbSize != DetailDataASize)
        return Fail(ErrorInvalidParameter);
    if (!detail || size < need)
        return Fail(ErrorInsufficientBuffer);
    if (info && info->cbSize != sizeof(SP_DEVINFO_DATA))
        return Fail(ErrorInvalidParameter);
    std::memcpy(detail->DevicePath, e->itf.devicePath.c_str(), e->itf.devicePath.size() + 1);
    if (info) {
        info->ClassGuid = HidInterfaceClassGuid;
        info->DevInst = e->devInst;
        info->Reserved = data->Reserved;
    }
    return 1;
}

ZQ9_EXPORT BOOL SetupDiDestroyDeviceInfoList(HDEVINFO h)
{
    auto* set = SetOf(h);
    if (!set)
        return 0;
    set->magic = 0;
    delete set;
    return 1;
}

ZQ9_EXPORT BOOL SetupDiGetDeviceRegistryPropertyA(HDEVINFO h, SP_DEVINFO_DATA* data, DWORD code, DWORD* type,
                                                  uint8_t* buffer, DWORD size, DWORD* required)
{
    return RegistryProperty(h, data, code, type, buffer, size, required, false);
}

ZQ9_EXPORT BOOL SetupDiGetDeviceRegistryPropertyW(HDEVINFO h, SP_DEVINFO_DATA* data, DWORD code, DWORD* type,
                                                  uint8_t* buffer, DWORD size, DWORD* required)
{
    return RegistryProperty(h, data, code, type, buffer, size, required, true);
}

// Names nobody calls answer "not supported"; typed names must match their declared shape.
#define ZQ9_DEFINE_1(name, type)                                                                                      \
    ZQ9_EXPORT long name()                                                                                            \
    {                                                                                                                 \
        errno = ErrorNotSupported;                                                                                    \
        return 0;                                                                                                     \
    }
#define ZQ9_DEFINE_0(name, type) static_assert(std::is_same_v<decltype(&name), type>, #name " has the wrong shape");
#define ZQ9_DEFINE(name, type) ZQ9_HID_CAT(ZQ9_DEFINE_, ZQ9_IS_STUB(type))(name, type)
#define ZQ9_DEFINE_AW(family, typeA, typeW) ZQ9_DEFINE(family##A, typeA) ZQ9_DEFINE(family##W, typeW)
#define ZQ9_DEFINE_IFACE(name, older, type) ZQ9_DEFINE(name, type)
#define ZQ9_DEFINE_IFACE_AW(family, older, typeA, typeW) ZQ9_DEFINE_AW(family, typeA, typeW)
ZQ9_SETUP_AW(ZQ9_DEFINE_AW)
ZQ9_SETUP_PLAIN(ZQ9_DEFINE)
ZQ9_SETUP_IFACE(ZQ9_DEFINE_IFACE)
ZQ9_SETUP_IFACE_AW(ZQ9_DEFINE_IFACE_AW)
