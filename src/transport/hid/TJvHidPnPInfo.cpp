#include "transport/hid/TJvHidPnPInfo.h"

#include "transport/hid/SetupApi.h"

#include <vector>

using namespace hidapi;

TJvHidPnPInfo::TJvHidPnPInfo(HDEVINFO APnPHandle, SP_DEVINFO_DATA ADevData, const QByteArray& ADevicePath)
    : FPnPHandle(APnPHandle), FDevData(ADevData), FDeviceID(ADevData.DevInst), FDevicePath(ADevicePath)
{
    FCapabilities = GetRegistryPropertyDWord(SPDRP_CAPABILITIES);
    FClassDescr = GetRegistryPropertyString(SPDRP_CLASS);
    FClassGUID = GetRegistryPropertyString(SPDRP_CLASSGUID);
    FCompatibleIDs = GetRegistryPropertyStringList(SPDRP_COMPATIBLEIDS);
    FConfigFlags = GetRegistryPropertyDWord(SPDRP_CONFIGFLAGS);
    FDeviceDescr = GetRegistryPropertyString(SPDRP_DEVICEDESC);
    FDriver = GetRegistryPropertyString(SPDRP_DRIVER);
    FFriendlyName = GetRegistryPropertyString(SPDRP_FRIENDLYNAME);
    FHardwareID = GetRegistryPropertyStringList(SPDRP_HARDWAREID);
    FLowerFilters = GetRegistryPropertyStringList(SPDRP_LOWERFILTERS);
    FMfg = GetRegistryPropertyString(SPDRP_MFG);
    FUpperFilters = GetRegistryPropertyStringList(SPDRP_UPPERFILTERS);
    FAddress = GetRegistryPropertyString(SPDRP_ADDRESS);
    FBusNumber = GetRegistryPropertyDWord(SPDRP_BUSNUMBER);
    FBusType = GetRegistryPropertyString(SPDRP_BUSTYPEGUID);
    FCharacteristics = GetRegistryPropertyString(SPDRP_CHARACTERISTICS);
    FDevType = GetRegistryPropertyDWord(SPDRP_DEVTYPE);
    FEnumeratorName = GetRegistryPropertyString(SPDRP_ENUMERATOR_NAME);
    FExclusive = GetRegistryPropertyDWord(SPDRP_EXCLUSIVE);
    FLegacyBusType = GetRegistryPropertyDWord(SPDRP_LEGACYBUSTYPE);
    FLocationInfo = GetRegistryPropertyString(SPDRP_LOCATION_INFORMATION);
    FPhysDevObjName = GetRegistryPropertyString(SPDRP_PHYSICAL_DEVICE_OBJECT_NAME);
    FSecuritySDS = GetRegistryPropertyString(SPDRP_SECURITY_SDS);
    FService = GetRegistryPropertyString(SPDRP_SERVICE);
    FUINumber = GetRegistryPropertyDWord(SPDRP_UI_NUMBER);
    FUINumberFormat = GetRegistryPropertyString(SPDRP_UI_NUMBER_DESC_FORMAT);
}

// A failed read leaves the zeroed first character, so it gives an empty string.
QString TJvHidPnPInfo::GetRegistryPropertyString(DWORD Prop)
{
    std::vector<char16_t> buffer(1024, 0);
    if (SetupDiGetDeviceRegistryPropertyW)
        SetupDiGetDeviceRegistryPropertyW(FPnPHandle, &FDevData, Prop, nullptr,
                                          reinterpret_cast<uint8_t*>(buffer.data()),
                                          DWORD((buffer.size() - 1) * sizeof(char16_t)), nullptr);
    return QString::fromUtf16(buffer.data());
}

QStringList TJvHidPnPInfo::GetRegistryPropertyStringList(DWORD Prop)
{
    std::vector<char16_t> buffer(16384, 0);
    if (SetupDiGetDeviceRegistryPropertyW)
        SetupDiGetDeviceRegistryPropertyW(FPnPHandle, &FDevData, Prop, nullptr,
                                          reinterpret_cast<uint8_t*>(buffer.data()),
                                          DWORD((buffer.size() - 2) * sizeof(char16_t)), nullptr);
    QStringList list;
    for (size_t at = 0; at < buffer.size() && buffer[at] != 0;) {
        QString s = QString::fromUtf16(buffer.data() + at);
        at += size_t(s.size()) + 1;
        list.append(s);
    }
    return list;
}

uint32_t TJvHidPnPInfo::GetRegistryPropertyDWord(DWORD Prop)
{
    uint32_t value = 0;
    if (SetupDiGetDeviceRegistryPropertyW
        && !SetupDiGetDeviceRegistryPropertyW(FPnPHandle, &FDevData, Prop, nullptr,
                                              reinterpret_cast<uint8_t*>(&value), sizeof value, nullptr))
        value = 0;
    return value;
}
