#pragma once
// Records, status codes and entry-point shapes of our HID and device-setup libraries.

#include <cerrno>
#include <cstddef>
#include <cstdint>

namespace hidapi
{

using BOOL = int32_t;
using BOOLEAN = uint8_t;
using UCHAR = uint8_t;
using USHORT = uint16_t;
using USAGE = uint16_t;
using ULONG = uint32_t;
using LONG = int32_t;
using DWORD = uint32_t;
using NTSTATUS = int32_t;
using ULONG_PTR = uintptr_t;

// A device handle is a file descriptor of the device node; -1 is the invalid handle.
using HANDLE = intptr_t;
constexpr HANDLE INVALID_HANDLE_VALUE = -1;

// A device information set is an opaque pointer; all bits set means invalid.
using HDEVINFO = void*;
inline HDEVINFO InvalidDevInfo() { return reinterpret_cast<HDEVINFO>(~uintptr_t(0)); }

struct HidpPreparsedData;
using PHIDP_PREPARSED_DATA = HidpPreparsedData*;

using FARPROC = void (*)();

struct GUID
{
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};

inline bool operator==(const GUID& a, const GUID& b)
{
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3)
        return false;
    for (int i = 0; i < 8; ++i)
        if (a.Data4[i] != b.Data4[i])
            return false;
    return true;
}

// Interface class of HID devices.
constexpr GUID HidInterfaceClassGuid = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

struct HIDD_ATTRIBUTES
{
    ULONG Size;
    USHORT VendorID;
    USHORT ProductID;
    USHORT VersionNumber;
};
static_assert(sizeof(HIDD_ATTRIBUTES) == 12);

struct HIDD_CONFIGURATION
{
    void* cookie;
    ULONG size;
    ULONG RingBufferSize;
};

struct HIDP_CAPS
{
    USAGE Usage;
    USAGE UsagePage;
    USHORT InputReportByteLength;
    USHORT OutputReportByteLength;
    USHORT FeatureReportByteLength;
    USHORT Reserved[17];
    USHORT NumberLinkCollectionNodes;
    USHORT NumberInputButtonCaps;
    USHORT NumberInputValueCaps;
    USHORT NumberInputDataIndices;
    USHORT NumberOutputButtonCaps;
    USHORT NumberOutputValueCaps;
    USHORT NumberOutputDataIndices;
    USHORT NumberFeatureButtonCaps;
    USHORT NumberFeatureValueCaps;
    USHORT NumberFeatureDataIndices;
};
static_assert(sizeof(HIDP_CAPS) == 64);

struct HIDP_LINK_COLLECTION_NODE
{
    USAGE LinkUsage;
    USAGE LinkUsagePage;
    USHORT Parent;
    USHORT NumberOfChildren;
    USHORT NextSibling;
    USHORT FirstChild;
    ULONG CollectionType : 8;
    ULONG IsAlias : 1;
    ULONG Reserved : 23;
    void* UserContext;
};

struct HIDP_RANGE
{
    USAGE UsageMin, UsageMax;
    USHORT StringMin, StringMax;
    USHORT DesignatorMin, DesignatorMax;
    USHORT DataIndexMin, DataIndexMax;
};

struct HIDP_BUTTON_CAPS
{
    USAGE UsagePage;
    UCHAR ReportID;
    BOOLEAN IsAlias;
    USHORT BitField;
    USHORT LinkCollection;
    USAGE LinkUsage;
    USAGE LinkUsagePage;
    BOOLEAN IsRange;
    BOOLEAN IsStringRange;
    BOOLEAN IsDesignatorRange;
    BOOLEAN IsAbsolute;
    ULONG Reserved[10];
    HIDP_RANGE Range;
};

struct HIDP_VALUE_CAPS
{
    USAGE UsagePage;
    UCHAR ReportID;
    BOOLEAN IsAlias;
    USHORT BitField;
    USHORT LinkCollection;
    USAGE LinkUsage;
    USAGE LinkUsagePage;
    BOOLEAN IsRange;
    BOOLEAN IsStringRange;
    BOOLEAN IsDesignatorRange;
    BOOLEAN IsAbsolute;
    BOOLEAN HasNull;
    UCHAR Reserved;
    USHORT BitSize;
    USHORT ReportCount;
    USHORT Reserved2[5];
    ULONG UnitsExp;
    ULONG Units;
    LONG LogicalMin, LogicalMax;
    LONG PhysicalMin, PhysicalMax;
    HIDP_RANGE Range;
};

struct HIDP_DATA
{
    USHORT DataIndex;
    USHORT Reserved;
    ULONG RawValue;
};

struct USAGE_AND_PAGE
{
    USAGE Usage;
    USAGE UsagePage;
};

struct HIDP_EXTENDED_ATTRIBUTES
{
    UCHAR NumGlobalUnknowns;
    UCHAR Reserved[3];
    void* GlobalUnknowns;
    ULONG Data[1];
};

enum HIDP_REPORT_TYPE : uint32_t { HidP_Input = 0, HidP_Output = 1, HidP_Feature = 2 };

struct SP_DEVINFO_DATA
{
    DWORD cbSize;
    GUID ClassGuid;
    DWORD DevInst;
    ULONG_PTR Reserved;
};

struct SP_DEVICE_INTERFACE_DATA
{
    DWORD cbSize;
    GUID InterfaceClassGuid;
    DWORD Flags;
    ULONG_PTR Reserved;
};

struct SP_DEVICE_INTERFACE_DETAIL_DATA_A
{
    DWORD cbSize;
    char DevicePath[1];
};
// The size field of a detail record: the fixed part and one character.
constexpr DWORD DetailDataASize = offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath) + 1;

constexpr DWORD DIGCF_PRESENT = 0x02;
constexpr DWORD DIGCF_DEVICEINTERFACE = 0x10;

// Device registry property codes.
enum : DWORD
{
    SPDRP_DEVICEDESC = 0, SPDRP_HARDWAREID = 1, SPDRP_COMPATIBLEIDS = 2, SPDRP_SERVICE = 4,
    SPDRP_CLASS = 7, SPDRP_CLASSGUID = 8, SPDRP_DRIVER = 9, SPDRP_CONFIGFLAGS = 10, SPDRP_MFG = 11,
    SPDRP_FRIENDLYNAME = 12, SPDRP_LOCATION_INFORMATION = 13, SPDRP_PHYSICAL_DEVICE_OBJECT_NAME = 14,
    SPDRP_CAPABILITIES = 15, SPDRP_UI_NUMBER = 16, SPDRP_UPPERFILTERS = 17, SPDRP_LOWERFILTERS = 18,
    SPDRP_BUSTYPEGUID = 19, SPDRP_LEGACYBUSTYPE = 20, SPDRP_BUSNUMBER = 21, SPDRP_ENUMERATOR_NAME = 22,
    SPDRP_SECURITY_SDS = 24, SPDRP_DEVTYPE = 25, SPDRP_EXCLUSIVE = 26, SPDRP_CHARACTERISTICS = 27,
    SPDRP_ADDRESS = 28, SPDRP_UI_NUMBER_DESC_FORMAT = 30,
};

// Registry value types reported with a property.
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_MULTI_SZ = 7;
constexpr DWORD REG_DWORD = 4;

// The libraries report their last error through errno; these are the meanings callers test for.
constexpr int ErrorInsufficientBuffer = ENOBUFS;
constexpr int ErrorNoMoreItems = ENODATA;
constexpr int ErrorNotSupported = EOPNOTSUPP;
constexpr int ErrorInvalidParameter = EINVAL;
constexpr int ErrorInvalidHandle = EBADF;

// HID parser status codes.
constexpr NTSTATUS HIDP_STATUS_SUCCESS = 0x00110000;
constexpr NTSTATUS HIDP_STATUS_NULL = int32_t(0x80110001u);
constexpr NTSTATUS HIDP_STATUS_INVALID_PREPARSED_DATA = int32_t(0xC0110001u);
constexpr NTSTATUS HIDP_STATUS_INVALID_REPORT_TYPE = int32_t(0xC0110002u);
constexpr NTSTATUS HIDP_STATUS_INVALID_REPORT_LENGTH = int32_t(0xC0110003u);
constexpr NTSTATUS HIDP_STATUS_USAGE_NOT_FOUND = int32_t(0xC0110004u);
constexpr NTSTATUS HIDP_STATUS_BUFFER_TOO_SMALL = int32_t(0xC0110007u);
constexpr NTSTATUS HIDP_STATUS_NOT_IMPLEMENTED = int32_t(0xC0110020u);

// Shapes of the entry points the HID device layer calls.
using PHidD_GetHidGuid = void (*)(GUID*);
using PHidD_GetPreparsedData = BOOLEAN (*)(HANDLE, PHIDP_PREPARSED_DATA*);
using PHidD_FreePreparsedData = BOOLEAN (*)(PHIDP_PREPARSED_DATA);
using PHidD_GetConfiguration = BOOLEAN (*)(HANDLE, HIDD_CONFIGURATION*, ULONG);
using PHidD_SetConfiguration = BOOLEAN (*)(HANDLE, HIDD_CONFIGURATION*, ULONG);
using PHidD_FlushQueue = BOOLEAN (*)(HANDLE);
using PHidD_GetFeature = BOOLEAN (*)(HANDLE, void*, ULONG);
using PHidD_SetFeature = BOOLEAN (*)(HANDLE, void*, ULONG);
using PHidD_GetNumInputBuffers = BOOLEAN (*)(HANDLE, ULONG*);
using PHidD_SetNumInputBuffers = BOOLEAN (*)(HANDLE, ULONG);
using PHidD_GetAttributes = BOOLEAN (*)(HANDLE, HIDD_ATTRIBUTES*);
using PHidD_GetString = BOOLEAN (*)(HANDLE, void*, ULONG);
using PHidD_GetManufacturerString = PHidD_GetString;
using PHidD_GetProductString = PHidD_GetString;
using PHidD_GetSerialNumberString = PHidD_GetString;
using PHidD_GetPhysicalDescriptor = PHidD_GetString;
using PHidD_GetIndexedString = BOOLEAN (*)(HANDLE, ULONG, void*, ULONG);
using PHidD_GetInputReport = BOOLEAN (*)(HANDLE, void*, ULONG);
using PHidD_SetOutputReport = BOOLEAN (*)(HANDLE, void*, ULONG);
using PHidP_GetCaps = NTSTATUS (*)(PHIDP_PREPARSED_DATA, HIDP_CAPS*);
using PHidP_GetLinkCollectionNodes = NTSTATUS (*)(HIDP_LINK_COLLECTION_NODE*, ULONG*, PHIDP_PREPARSED_DATA);
using PHidP_GetSpecificButtonCaps = NTSTATUS (*)(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE, HIDP_BUTTON_CAPS*, USHORT*,
                                                 PHIDP_PREPARSED_DATA);
using PHidP_GetSpecificValueCaps = NTSTATUS (*)(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE, HIDP_VALUE_CAPS*, USHORT*,
                                                PHIDP_PREPARSED_DATA);
using PHidP_GetData = NTSTATUS (*)(HIDP_REPORT_TYPE, HIDP_DATA*, ULONG*, PHIDP_PREPARSED_DATA, char*, ULONG);
using PHidP_SetData = PHidP_GetData;
using PHidP_MaxDataListLength = ULONG (*)(HIDP_REPORT_TYPE, PHIDP_PREPARSED_DATA);
using PHidP_GetUsages = NTSTATUS (*)(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE*, ULONG*, PHIDP_PREPARSED_DATA, char*,
                                     ULONG);
using PHidP_SetUsages = PHidP_GetUsages;
using PHidP_UnsetUsages = PHidP_GetUsages;
using PHidP_GetUsagesEx = NTSTATUS (*)(HIDP_REPORT_TYPE, USHORT, USAGE_AND_PAGE*, ULONG*, PHIDP_PREPARSED_DATA, char*,
                                       ULONG);
using PHidP_MaxUsageListLength = ULONG (*)(HIDP_REPORT_TYPE, USAGE, PHIDP_PREPARSED_DATA);
using PHidP_GetUsageValue = NTSTATUS (*)(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE, ULONG*, PHIDP_PREPARSED_DATA, char*,
                                         ULONG);
using PHidP_GetScaledUsageValue = NTSTATUS (*)(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE, LONG*, PHIDP_PREPARSED_DATA,
                                               char*, ULONG);
using PHidP_GetUsageValueArray = NTSTATUS (*)(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE, char*, USHORT,
                                              PHIDP_PREPARSED_DATA, char*, ULONG);
using PHidP_SetUsageValue = NTSTATUS (*)(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE, ULONG, PHIDP_PREPARSED_DATA, char*,
                                         ULONG);
using PHidP_SetScaledUsageValue = NTSTATUS (*)(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE, LONG, PHIDP_PREPARSED_DATA,
                                               char*, ULONG);
using PHidP_SetUsageValueArray = PHidP_GetUsageValueArray;
using PHidP_GetExtendedAttributes = NTSTATUS (*)(HIDP_REPORT_TYPE, USHORT, PHIDP_PREPARSED_DATA,
                                                 HIDP_EXTENDED_ATTRIBUTES*, ULONG*);
using PHidP_InitializeReportForID = NTSTATUS (*)(HIDP_REPORT_TYPE, UCHAR, PHIDP_PREPARSED_DATA, char*, ULONG);

using PSetupDiGetClassDevsW = HDEVINFO (*)(const GUID*, const char16_t*, void*, DWORD);
using PSetupDiEnumDeviceInterfaces = BOOL (*)(HDEVINFO, SP_DEVINFO_DATA*, const GUID*, DWORD,
                                              SP_DEVICE_INTERFACE_DATA*);
using PSetupDiGetDeviceInterfaceDetailA = BOOL (*)(HDEVINFO, SP_DEVICE_INTERFACE_DATA*,
                                                   SP_DEVICE_INTERFACE_DETAIL_DATA_A*, DWORD, DWORD*,
                                                   SP_DEVINFO_DATA*);
using PSetupDiDestroyDeviceInfoList = BOOL (*)(HDEVINFO);
using PSetupDiGetDeviceRegistryProperty = BOOL (*)(HDEVINFO, SP_DEVINFO_DATA*, DWORD, DWORD*, uint8_t*, DWORD,
                                                   DWORD*);
using PSetupDiGetDeviceRegistryPropertyA = PSetupDiGetDeviceRegistryProperty;
using PSetupDiGetDeviceRegistryPropertyW = PSetupDiGetDeviceRegistryProperty;

} // namespace hidapi
