#pragma once
// Lists the HID interfaces present, reports changes, and lends devices out to the application.

#include "platform/core/Events.h"
#include "platform/core/TComponent.h"
#include "platform/hid/HidApi.h"
#include "platform/os/MessageRecord.h"
#include "transport/hid/JvHidControllerClass.h"
#include "transport/hid/TJvHidDevice.h"

#include <QString>
#include <memory>
#include <vector>

namespace vcl
{
class DeviceNotice;
}
class TJvHidMessageWindow;

class TJvHidDeviceController : public vcl::TComponent
{
public:
    explicit TJvHidDeviceController(vcl::TComponent* AOwner);
    ~TJvHidDeviceController() override;

    // One device-change pass: scan, unplug what went, list what came, recount, tell.
    void DeviceChange();
    int Enumerate();
    bool CheckOut(TJvHidDevice*& HidDev);
    bool CheckOutByIndex(TJvHidDevice*& HidDev, int Idx);
    bool CheckOutByID(TJvHidDevice*& HidDev, int Vid, int Pid);
    bool CheckOutByProductName(TJvHidDevice*& HidDev, const QString& ProductName);
    bool CheckOutByVendorName(TJvHidDevice*& HidDev, const QString& VendorName);
    bool CheckOutByClass(TJvHidDevice*& HidDev, const QString& ClassName);
    bool CheckOutByCallback(TJvHidDevice*& HidDev, TJvHidCheckCallback Check);
    void CheckIn(TJvHidDevice*& HidDev);
    int CountByID(int Vid, int Pid);
    int CountByProductName(const QString& ProductName);
    int CountByVendorName(const QString& VendorName);
    int CountByClass(const QString& ClassName);
    int CountByCallback(TJvHidCheckCallback Check);
    // The HID library's file version; our library carries none, so this is empty.
    static QString HidVersion();

    // Posts a message to the hidden message window (from any thread); false without a window.
    bool PostMessage(vcl::UINT Msg, vcl::WPARAM WParam, vcl::LPARAM LParam);

    int Count() const { return int(FList.size()); }
    TJvHidDevice* Items(int Idx) const { return Idx >= 0 && Idx < Count() ? FList[size_t(Idx)] : nullptr; }
    const hidapi::GUID& HidGuid() const { return FHidGuid; }
    int NumCheckedInDevices() const { return FNumCheckedInDevices; }
    int NumCheckedOutDevices() const { return FNumCheckedOutDevices; }
    int NumUnpluggedDevices() const { return FNumUnpluggedDevices; }
    int DevThreadSleepTime() const { return FDevThreadSleepTime; }
    void SetDevThreadSleepTime(int DevTime);
    QString Version() const { return FVersion; }
    void SetVersion(const QString& Value) { FDummy = Value; }

    const TJvHidPlugEvent& OnArrival() const { return FArrivalEvent; }
    void SetOnArrival(const TJvHidPlugEvent& Handler) { FArrivalEvent = Handler; }
    const vcl::TNotifyEvent& OnDeviceChange() const { return FDeviceChangeEvent; }
    void SetOnDeviceChange(const vcl::TNotifyEvent& Handler);
    const TJvHidEnumerateEvent& OnEnumerate() const { return FEnumerateEvent; }
    void SetOnEnumerate(const TJvHidEnumerateEvent& Handler) { FEnumerateEvent = Handler; }
    const TJvHidDataEvent& OnDeviceData() const { return FDevDataEvent; }
    void SetOnDeviceData(const TJvHidDataEvent& Handler);
    const TJvHidDataErrorEvent& OnDeviceDataError() const { return FDevDataErrorEvent; }
    void SetOnDeviceDataError(const TJvHidDataErrorEvent& Handler);
    const TJvHidPlugEvent& OnDeviceUnplug() const { return FDevUnplugEvent; }
    void SetOnDeviceUnplug(const TJvHidPlugEvent& Handler);
    const TJvHidPlugEvent& OnRemoval() const { return FRemovalEvent; }
    void SetOnRemoval(const TJvHidPlugEvent& Handler) { FRemovalEvent = Handler; }

private:
    friend class TJvHidDevice;
    friend class TJvHidMessageWindow;
    class PassGuard;

    void EventPipe(vcl::TMessage& Msg);
    void RunDeviceChange();
    std::vector<TJvHidDevice*> Scan();
    bool CheckThisOut(TJvHidDevice*& HidDev, int Idx, bool Check);
    bool DoEnumerate(TJvHidDevice* HidDev, int Idx);
    void DoArrival(TJvHidDevice* HidDev);
    void DoRemoval(TJvHidDevice* HidDev);
    void DoDeviceChange();
    void Recount();
    bool Listed(TJvHidDevice* HidDev) const;
    // Frees a device; during a pass or an enumeration the free waits until it has ended, so
    // the steps that follow a handler never meet a freed device.
    void DisposeDevice(TJvHidDevice* HidDev);
    void FlushDisposed();
    // A device leaving: a plugged-in one is replaced by a fresh unclaimed device for the same
    // interface (true: the interface record went with it); an unplugged one just leaves.
    bool TakeOutOfList(TJvHidDevice* HidDev, const TJvHidDataEvent& Data, const TJvHidPlugEvent& Unplug);

    hidapi::GUID FHidGuid = hidapi::HidInterfaceClassGuid;
    TJvHidPlugEvent FArrivalEvent;
    vcl::TNotifyEvent FDeviceChangeEvent;
    TJvHidEnumerateEvent FEnumerateEvent;
    TJvHidDataEvent FDevDataEvent;
    TJvHidDataErrorEvent FDevDataErrorEvent;
    TJvHidPlugEvent FDevUnplugEvent;
    TJvHidPlugEvent FRemovalEvent;
    int FDevThreadSleepTime = 100;
    QString FVersion = QStringLiteral("1.0.34");
    QString FDummy;
    std::vector<TJvHidDevice*> FList;
    int FNumCheckedInDevices = 0;
    int FNumCheckedOutDevices = 0;
    int FNumUnpluggedDevices = 0;
    bool FInDeviceChange = false;
    vcl::LPARAM FLParam = 0;
    std::unique_ptr<TJvHidMessageWindow> FHWnd;
    std::unique_ptr<vcl::DeviceNotice> FNotice;
    bool FSetupApiUsed = false;
    int FPassDepth = 0;
    bool FChangeAgain = false;
    bool FInPassLoop = false;  // a DeviceChange loop will run the pass a held-back notice asks for
    vcl::LPARAM FAgainLParam = 0;
    std::vector<TJvHidDevice*> FDisposed;
};
