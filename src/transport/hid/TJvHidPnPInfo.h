#pragma once
// The setup-API record of one HID interface: its path, device-node handle and registry properties.

#include "platform/core/TObject.h"
#include "platform/hid/HidApi.h"

#include <QString>
#include <QStringList>
#include <cstdint>

class TJvHidPnPInfo : public vcl::TObject
{
public:
    TJvHidPnPInfo(hidapi::HDEVINFO APnPHandle, hidapi::SP_DEVINFO_DATA ADevData, const QByteArray& ADevicePath);

    uint32_t DeviceID() const { return FDeviceID; }
    const QByteArray& DevicePath() const { return FDevicePath; }
    uint32_t Capabilities() const { return FCapabilities; }
    const QString& ClassDescr() const { return FClassDescr; }
    const QString& ClassGUID() const { return FClassGUID; }
    const QStringList& CompatibleIDs() const { return FCompatibleIDs; }
    uint32_t ConfigFlags() const { return FConfigFlags; }
    const QString& DeviceDescr() const { return FDeviceDescr; }
    const QString& Driver() const { return FDriver; }
    const QString& FriendlyName() const { return FFriendlyName; }
    const QStringList& HardwareID() const { return FHardwareID; }
    const QStringList& LowerFilters() const { return FLowerFilters; }
    const QString& Mfg() const { return FMfg; }
    const QStringList& UpperFilters() const { return FUpperFilters; }
    const QString& Address() const { return FAddress; }
    uint32_t BusNumber() const { return FBusNumber; }
    const QString& BusType() const { return FBusType; }
    const QString& Characteristics() const { return FCharacteristics; }
    uint32_t DevType() const { return FDevType; }
    const QString& EnumeratorName() const { return FEnumeratorName; }
    uint32_t Exclusive() const { return FExclusive; }
    uint32_t LegacyBusType() const { return FLegacyBusType; }
    const QString& LocationInfo() const { return FLocationInfo; }
    const QString& PhysDevObjName() const { return FPhysDevObjName; }
    const QString& SecuritySDS() const { return FSecuritySDS; }
    const QString& Service() const { return FService; }
    uint32_t UINumber() const { return FUINumber; }
    const QString& UINumberFormat() const { return FUINumberFormat; }

private:
    QString GetRegistryPropertyString(hidapi::DWORD Prop);
    QStringList GetRegistryPropertyStringList(hidapi::DWORD Prop);
    uint32_t GetRegistryPropertyDWord(hidapi::DWORD Prop);

    hidapi::HDEVINFO FPnPHandle;
    hidapi::SP_DEVINFO_DATA FDevData;
    uint32_t FDeviceID = 0;
    QByteArray FDevicePath;
    uint32_t FCapabilities = 0;
    QString FClassDescr;
    QString FClassGUID;
    QStringList FCompatibleIDs;
    uint32_t FConfigFlags = 0;
    QString FDeviceDescr;
    QString FDriver;
    QString FFriendlyName;
    QStringList FHardwareID;
    QStringList FLowerFilters;
    QString FMfg;
    QStringList FUpperFilters;
    QString FAddress;
    uint32_t FBusNumber = 0;
    QString FBusType;
    QString FCharacteristics;
    uint32_t FDevType = 0;
    QString FEnumeratorName;
    uint32_t FExclusive = 0;
    uint32_t FLegacyBusType = 0;
    QString FLocationInfo;
    QString FPhysDevObjName;
    QString FSecuritySDS;
    QString FService;
    uint32_t FUINumber = 0;
    QString FUINumberFormat;
};
