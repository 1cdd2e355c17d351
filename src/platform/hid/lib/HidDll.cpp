// Our HID library on Linux hidraw: attributes, strings and report sizes of an open device node.

#include "platform/hid/HidApi.h"
#include "platform/hid/HidNames.h"
#include "platform/hid/HidSysfs.h"
#include "platform/hid/ReportDescriptor.h"
#include "lib/Utf16.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <type_traits>
#include <unistd.h>

using namespace hidapi;

#define ZQ9_EXPORT extern "C" __attribute__((visibility("default")))

struct hidapi::HidpPreparsedData
{
    static constexpr uint32_t Magic = 0x48494450;  // "HIDP"
    uint32_t magic = Magic;
    hidraw::ReportLayout layout;
};

namespace
{

BOOLEAN Fail(int error)
{
    errno = error;
    return 0;
}

std::optional<hidraw::Interface> Lookup(HANDLE h)
{
    if (h < 0 || h > INT32_MAX) {
        errno = ErrorInvalidHandle;
        return std::nullopt;
    }
    auto itf = hidraw::FindByHandle(int(h));
    if (!itf)
        errno = ENODEV;
    return itf;
}

BOOLEAN StringOf(HANDLE h, void* buffer, ULONG length, std::string hidraw::Interface::*field)
{
    auto itf = Lookup(h);
    if (!itf)
        return 0;
    const std::string& text = (*itf).*field;
    if (text.empty())
        return Fail(ErrorNotSupported);
    std::u16string wide = hidraw::ToUtf16(text);
    // Like the platform's string calls: at most what fits, always terminated.
    const size_t room = length / sizeof(char16_t);
    if (room == 0)
        return Fail(ErrorInsufficientBuffer);
    if (wide.size() >= room)
        wide.resize(room - 1);
    return hidraw::CopyUtf16(wide, buffer, length) ? 1 : Fail(ErrorInvalidParameter);
}

bool Valid(PHIDP_PREPARSED_DATA p)
{
    return p && p->magic == HidpPreparsedData::Magic;
}

NTSTATUS NotImplemented(PHIDP_PREPARSED_DATA p)
{
    return Valid(p) ? HIDP_STATUS_NOT_IMPLEMENTED : HIDP_STATUS_INVALID_PREPARSED_DATA;
}

} // namespace

ZQ9_EXPORT void HidD_GetHidGuid(GUID* guid)
{
    if (guid)
        *guid = HidInterfaceClassGuid;
}

ZQ9_EXPORT BOOLEAN HidD_GetAttributes(HANDLE h, HIDD_ATTRIBUTES* attributes)
{
    if (!attributes)
        return Fail(ErrorInvalidParameter);
    auto itf = Lookup(h);
    if (!itf)
        return 0;
    attributes->Size = sizeof(HIDD_ATTRIBUTES);
    attributes->VendorID = itf->vendor;
    attributes->ProductID = itf->product;
    attributes->VersionNumber = itf->version;
    return 1;
}

ZQ9_EXPORT BOOLEAN HidD_GetPreparsedData(HANDLE h, PHIDP_PREPARSED_DATA* data)
{
    if (!data)
        return Fail(ErrorInvalidParameter);
    auto itf = Lookup(h);
    if (!itf)
        return 0;
    auto descriptor = hidraw::ReadReportDescriptor(*itf);
    if (descriptor.empty())
        return Fail(ENODEV);
    auto* p = new HidpPreparsedData;
    p->layout = hidraw::ParseReportDescriptor(descriptor);
    *data = p;
    return 1;
}

ZQ9_EXPORT BOOLEAN HidD_FreePreparsedData(PHIDP_PREPARSED_DATA data)
{
    if (!Valid(data))
        return Fail(ErrorInvalidParameter);
    data->magic = 0;
    delete data;
    return 1;
}

ZQ9_EXPORT BOOLEAN HidD_GetConfiguration(HANDLE, HIDD_CONFIGURATION*, ULONG) { return Fail(ErrorNotSupported); }
ZQ9_EXPORT BOOLEAN HidD_SetConfiguration(HANDLE, HIDD_CONFIGURATION*, ULONG) { return Fail(ErrorNotSupported); }

// Drops the input reports queued on this handle.
ZQ9_EXPORT BOOLEAN HidD_FlushQueue(HANDLE h)
{
    if (h < 0 || h > INT32_MAX)
        return Fail(ErrorInvalidHandle);
    uint8_t scratch[4096];
    pollfd p {int(h), POLLIN, 0};
    while (poll(&p, 1, 0) == 1 && (p.revents & POLLIN)) {
        if (read(int(h), scratch, sizeof scratch) <= 0)
            break;
    }
    return 1;
}

ZQ9_EXPORT BOOLEAN HidD_GetFeature(HANDLE, void*, ULONG) { return Fail(ErrorNotSupported); }
ZQ9_EXPORT BOOLEAN HidD_SetFeature(HANDLE, void*, ULONG) { return Fail(ErrorNotSupported); }
ZQ9_EXPORT BOOLEAN HidD_GetInputReport(HANDLE, void*, ULONG) { return Fail(ErrorNotSupported); }
ZQ9_EXPORT BOOLEAN HidD_SetOutputReport(HANDLE, void*, ULONG) { return Fail(ErrorNotSupported); }

// The hidraw driver queues a fixed number of reports per open handle.
ZQ9_EXPORT BOOLEAN HidD_GetNumInputBuffers(HANDLE h, ULONG* count)
{
    if (!count)
        return Fail(ErrorInvalidParameter);
    if (h < 0)
        return Fail(ErrorInvalidHandle);
    *count = 64;
    return 1;
}

ZQ9_EXPORT BOOLEAN HidD_SetNumInputBuffers(HANDLE, ULONG) { return Fail(ErrorNotSupported); }

ZQ9_EXPORT BOOLEAN HidD_GetManufacturerString(HANDLE h, void* buffer, ULONG length)
{
    return StringOf(h, buffer, length, &hidraw::Interface::manufacturer);
}

ZQ9_EXPORT BOOLEAN HidD_GetProductString(HANDLE h, void* buffer, ULONG length)
{
    return StringOf(h, buffer, length, &hidraw::Interface::productName);
}

ZQ9_EXPORT BOOLEAN HidD_GetSerialNumberString(HANDLE h, void* buffer, ULONG length)
{
    return StringOf(h, buffer, length, &hidraw::Interface::serial);
}

ZQ9_EXPORT BOOLEAN HidD_GetPhysicalDescriptor(HANDLE, void*, ULONG) { return Fail(ErrorNotSupported); }

// Index 0 is the language list; the kernel reads strings in US English, so that is the one language.
ZQ9_EXPORT BOOLEAN HidD_GetIndexedString(HANDLE h, ULONG index, void* buffer, ULONG length)
{
    if (index != 0)
        return Fail(ErrorNotSupported);
    auto itf = Lookup(h);
    if (!itf)
        return 0;
    if (itf->manufacturer.empty() && itf->productName.empty() && itf->serial.empty())
        return Fail(ErrorNotSupported);
    return hidraw::CopyUtf16(std::u16string(1, u'\x0409'), buffer, length) ? 1 : Fail(ErrorInsufficientBuffer);
}

ZQ9_EXPORT NTSTATUS HidP_GetCaps(PHIDP_PREPARSED_DATA data, HIDP_CAPS* caps)
{
    if (!Valid(data))
        return HIDP_STATUS_INVALID_PREPARSED_DATA;
    if (!caps)
        return HIDP_STATUS_BUFFER_TOO_SMALL;
    std::memset(caps, 0, sizeof *caps);
    const auto& l = data->layout;
    caps->Usage = l.usage;
    caps->UsagePage = l.usagePage;
    caps->InputReportByteLength = l.inputLength;
    caps->OutputReportByteLength = l.outputLength;
    caps->FeatureReportByteLength = l.featureLength;
    caps->NumberLinkCollectionNodes = l.collections;
    return HIDP_STATUS_SUCCESS;
}

ZQ9_EXPORT NTSTATUS HidP_GetLinkCollectionNodes(HIDP_LINK_COLLECTION_NODE*, ULONG*, PHIDP_PREPARSED_DATA p)
{
    return NotImplemented(p);
}
ZQ9_EXPORT NTSTATUS HidP_GetSpecificButtonCaps(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE, HIDP_BUTTON_CAPS*, USHORT* n,
                                               PHIDP_PREPARSED_DATA p)
{
    if (n)
        *n = 0;
    return NotImplemented(p);
}
ZQ9_EXPORT NTSTATUS HidP_GetSpecificValueCaps(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE, HIDP_VALUE_CAPS*, USHORT* n,
                                              PHIDP_PREPARSED_DATA p)
{
    if (n)
        *n = 0;
    return NotImplemented(p);
}
ZQ9_EXPORT NTSTATUS HidP_GetData(HIDP_REPORT_TYPE, HIDP_DATA*, ULONG*, PHIDP_PREPARSED_DATA p, char*, ULONG)
{
    return NotImplemented(p);
}
ZQ9_EXPORT NTSTATUS HidP_SetData(HIDP_REPORT_TYPE, HIDP_DATA*, ULONG*, PHIDP_PREPARSED_DATA p, char*, ULONG)
{
    return NotImplemented(p);
}
ZQ9_EXPORT ULONG HidP_MaxDataListLength(HIDP_REPORT_TYPE, PHIDP_PREPARSED_DATA) { return 0; }
ZQ9_EXPORT NTSTATUS HidP_GetUsages(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE*, ULONG*, PHIDP_PREPARSED_DATA p, char*,
                                   ULONG)
{
    return NotImplemented(p);
}
ZQ9_EXPORT NTSTATUS HidP_GetUsagesEx(HIDP_REPORT_TYPE, USHORT, USAGE_AND_PAGE*, ULONG*, PHIDP_PREPARSED_DATA p, char*,
                                     ULONG)
{
    return NotImplemented(p);
}
ZQ9_EXPORT NTSTATUS HidP_SetUsages(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE*, ULONG*, PHIDP_PREPARSED_DATA p, char*,
                                   ULONG)
{
    return NotImplemented(p);
}
ZQ9_EXPORT NTSTATUS HidP_UnsetUsages(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE*, ULONG*, PHIDP_PREPARSED_DATA p, char*,
                                     ULONG)
{
    return NotImplemented(p);
}
ZQ9_EXPORT ULONG HidP_MaxUsageListLength(HIDP_REPORT_TYPE, USAGE, PHIDP_PREPARSED_DATA) { return 0; }
ZQ9_EXPORT NTSTATUS HidP_GetUsageValue(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE, ULONG*, PHIDP_PREPARSED_DATA p, char*,
                                       ULONG)
{
    return NotImplemented(p);
}
ZQ9_EXPORT NTSTATUS HidP_GetScaledUsageValue(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE, LONG*, PHIDP_PREPARSED_DATA p,
                                             char*, ULONG)
{
    return NotImplemented(p);
}
ZQ9_EXPORT NTSTATUS HidP_GetUsageValueArray(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE, char*, USHORT,
                                            PHIDP_PREPARSED_DATA p, char*, ULONG)
{
    return NotImplemented(p);
}
ZQ9_EXPORT NTSTATUS HidP_SetUsageValue(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE, ULONG, PHIDP_PREPARSED_DATA p, char*,
                                       ULONG)
{
    return NotImplemented(p);
}
ZQ9_EXPORT NTSTATUS HidP_SetScaledUsageValue(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE, LONG, PHIDP_PREPARSED_DATA p,
                                             char*, ULONG)
{
    return NotImplemented(p);
}
ZQ9_EXPORT NTSTATUS HidP_SetUsageValueArray(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE, char*, USHORT,
                                            PHIDP_PREPARSED_DATA p, char*, ULONG)
{
    return NotImplemented(p);
}
ZQ9_EXPORT NTSTATUS HidP_GetExtendedAttributes(HIDP_REPORT_TYPE, USHORT, PHIDP_PREPARSED_DATA p,
                                               HIDP_EXTENDED_ATTRIBUTES*, ULONG*)
{
    return NotImplemented(p);
}
ZQ9_EXPORT NTSTATUS HidP_InitializeReportForID(HIDP_REPORT_TYPE, UCHAR, PHIDP_PREPARSED_DATA p, char*, ULONG)
{
    return NotImplemented(p);
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
ZQ9_HID_EXPORTS(ZQ9_DEFINE)
