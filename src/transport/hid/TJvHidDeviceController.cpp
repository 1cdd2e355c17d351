#include "transport/hid/TJvHidDeviceController.h"

#include "platform/hid/HidSysfs.h"
#include "platform/os/DeviceNotice.h"
#include "transport/hid/Hid.h"
#include "transport/hid/SetupApi.h"
#include "transport/hid/TJvHidPnPInfo.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <algorithm>
#include <cerrno>

using namespace hidapi;

namespace
{

const QEvent::Type MessageEventType = QEvent::Type(QEvent::registerEventType());

class MessageEvent : public QEvent
{
public:
    explicit MessageEvent(const vcl::TMessage& msg) : QEvent(MessageEventType), Msg(msg) {}
    vcl::TMessage Msg;
};

} // namespace

// The hidden window of the UI thread that receives the device-change notices.
class TJvHidMessageWindow : public QObject
{
public:
    explicit TJvHidMessageWindow(TJvHidDeviceController* controller) : m_controller(controller) {}

    bool event(QEvent* e) override
    {
        if (e->type() != MessageEventType)
            return QObject::event(e);
        m_controller->EventPipe(static_cast<MessageEvent*>(e)->Msg);
        return true;
    }

private:
    TJvHidDeviceController* m_controller;
};

// Counts a running pass or enumeration; frees the devices disposed meanwhile when the last ends.
class TJvHidDeviceController::PassGuard
{
public:
    explicit PassGuard(TJvHidDeviceController* c) : m_c(c) { ++m_c->FPassDepth; }
    ~PassGuard()
    {
        if (--m_c->FPassDepth > 0)
            return;
        m_c->FlushDisposed();
        // A notice held back during an enumeration or check that no pass loop will pick up
        // comes round again rather than being lost.
        if (m_c->FChangeAgain && !m_c->FInPassLoop) {
            m_c->FChangeAgain = false;
            m_c->PostMessage(vcl::WM_DEVICECHANGE, vcl::DBT_DEVNODES_CHANGED, m_c->FAgainLParam);
        }
    }
    PassGuard(const PassGuard&) = delete;
    PassGuard& operator=(const PassGuard&) = delete;

private:
    TJvHidDeviceController* m_c;
};

TJvHidDeviceController::TJvHidDeviceController(vcl::TComponent* AOwner) : vcl::TComponent(AOwner)
{
    FSetupApiUsed = true;
    if (LoadSetupApi())
        LoadHid();
    if (IsHidLoaded()) {
        if (HidD_GetHidGuid)
            HidD_GetHidGuid(&FHidGuid);
        FHWnd = std::make_unique<TJvHidMessageWindow>(this);
        FNotice = std::make_unique<vcl::DeviceNotice>(hidraw::Root() + "/dev", [this] {
            PostMessage(vcl::WM_DEVICECHANGE, vcl::DBT_DEVNODES_CHANGED, 0);
        });
        PostMessage(vcl::WM_DEVICECHANGE, vcl::DBT_DEVNODES_CHANGED, -1);
    } else {
        FHidGuid = HidInterfaceClassGuid;
    }
}

TJvHidDeviceController::~TJvHidDeviceController()
{
    FDeviceChangeEvent = nullptr;
    FDevUnplugEvent = nullptr;
    FEnumerateEvent = nullptr;
    FNotice.reset();
    FHWnd.reset();
    {
        PassGuard pass(this);
        const std::vector<TJvHidDevice*> devices = FList;
        for (TJvHidDevice* dev : devices) {
            dev->FMyController = nullptr;
            if (dev->IsCheckedOut())
                dev->DoUnplug();  // left to its holder
            else
                DisposeDevice(dev);
        }
        FList.clear();
    }
    const bool hidLoaded = IsHidLoaded();
    // Every use of the setup library is given back, so a failed load is not left counted.
    if (FSetupApiUsed)
        UnloadSetupApi();
    if (hidLoaded)
        UnloadHid();
}

bool TJvHidDeviceController::PostMessage(vcl::UINT Msg, vcl::WPARAM WParam, vcl::LPARAM LParam)
{
    if (!FHWnd)
        return false;
    vcl::TMessage m;
    m.Msg = Msg;
    m.WParam = WParam;
    m.LParam = LParam;
    QCoreApplication::postEvent(FHWnd.get(), new MessageEvent(m));
    return true;
}

void TJvHidDeviceController::EventPipe(vcl::TMessage& Msg)
{
    if (Msg.Msg == vcl::WM_DEVICECHANGE && Msg.WParam == vcl::DBT_DEVNODES_CHANGED) {
        if (FInDeviceChange || FPassDepth > 0) {
            // A pass is running (a handler may be showing a box): one more pass follows it.
            FChangeAgain = true;
            FAgainLParam = Msg.LParam;
        } else {
            FLParam = Msg.LParam;
            FInDeviceChange = true;
            struct Reset
            {
                bool& flag;
                ~Reset() { flag = false; }
            } reset {FInDeviceChange};
            DeviceChange();
        }
    }
    Msg.Result = 0;
}

void TJvHidDeviceController::DeviceChange()
{
    const bool outer = FInPassLoop;
    FInPassLoop = true;
    struct Restore
    {
        bool& flag;
        bool value;
        ~Restore() { flag = value; }
    } restore {FInPassLoop, outer};
    RunDeviceChange();
    while (FChangeAgain && FPassDepth == 0) {
        FChangeAgain = false;
        FLParam = FAgainLParam;
        RunDeviceChange();
    }
}

void TJvHidDeviceController::RunDeviceChange()
{
    PassGuard pass(this);
    bool changed = FLParam == -1;
    std::vector<TJvHidDevice*> scanned = Scan();
    auto present = [&](TJvHidDevice* dev) {
        return std::any_of(scanned.begin(), scanned.end(),
                           [&](TJvHidDevice* s) { return s->PnPInfo()->DeviceID() == dev->PnPInfo()->DeviceID(); });
    };

    // Removals, last first. A handler may check a device in; it is looked up again afterwards.
    const std::vector<TJvHidDevice*> listed(FList.rbegin(), FList.rend());
    for (TJvHidDevice* dev : listed) {
        if (!Listed(dev) || (dev->IsPluggedIn() && present(dev)))
            continue;
        dev->DoUnplug();
        DoRemoval(dev);
        if (Listed(dev) && !dev->IsCheckedOut())
            DisposeDevice(dev);
        changed = true;
    }

    // Duplicates are dropped; the rest arrive in scan order.
    for (TJvHidDevice* s : scanned) {
        const bool known = std::any_of(FList.begin(), FList.end(), [&](TJvHidDevice* dev) {
            return dev->IsPluggedIn() && dev->PnPInfo()->DeviceID() == s->PnPInfo()->DeviceID();
        });
        if (known) {
            s->FMyController = nullptr;
            delete s;
            continue;
        }
        FList.push_back(s);
        changed = true;
        DoArrival(s);
    }

    Recount();
    if (changed)
        DoDeviceChange();
}

std::vector<TJvHidDevice*> TJvHidDeviceController::Scan()
{
    std::vector<TJvHidDevice*> found;
    if (!IsHidLoaded() || !SetupDiGetClassDevsW || !SetupDiEnumDeviceInterfaces || !SetupDiGetDeviceInterfaceDetailA
        || !SetupDiDestroyDeviceInfoList)
        return found;
    HDEVINFO set = SetupDiGetClassDevsW(&FHidGuid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == InvalidDevInfo())
        return found;
    for (DWORD index = 0;; ++index) {
        SP_DEVICE_INTERFACE_DATA itf {};
        itf.cbSize = sizeof itf;
        if (!SetupDiEnumDeviceInterfaces(set, nullptr, &FHidGuid, index, &itf))
            break;
        SP_DEVINFO_DATA devData {};
        devData.cbSize = sizeof devData;
        DWORD needed = 0;
        errno = 0;
        SetupDiGetDeviceInterfaceDetailA(set, &itf, nullptr, 0, &needed, &devData);
        if (needed == 0 || errno != ErrorInsufficientBuffer)
            continue;
        std::vector<uint8_t> buffer(std::max<DWORD>(needed, DetailDataASize), 0);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.data());
        detail->cbSize = DetailDataASize;
        if (!SetupDiGetDeviceInterfaceDetailA(set, &itf, detail, DWORD(buffer.size()), nullptr, &devData))
            continue;
        auto* info = new TJvHidPnPInfo(set, devData, QByteArray(detail->DevicePath));
        try {
            found.push_back(new TJvHidDevice(info, this));
        } catch (const EControllerError&) {
            // The interface cannot be opened or identified: it gets no device (the record went with it).
        }
    }
    SetupDiDestroyDeviceInfoList(set);
    return found;
}

int TJvHidDeviceController::Enumerate()
{
    PassGuard pass(this);
    int count = 0;
    for (int i = 0; i < Count(); ++i) {
        TJvHidDevice* dev = FList[size_t(i)];
        if (!dev->IsPluggedIn())
            continue;
        ++count;
        if (!DoEnumerate(dev, i))
            break;
    }
    return count;
}

bool TJvHidDeviceController::DoEnumerate(TJvHidDevice* HidDev, int Idx)
{
    if (!FEnumerateEvent)
        return false;
    HidDev->FIsEnumerated = true;
    bool result = false;
    try {
        result = FEnumerateEvent(HidDev, Idx);
    } catch (...) {
        HidDev->FIsEnumerated = false;
        throw;
    }
    HidDev->FIsEnumerated = false;
    if (!HidDev->IsCheckedOut())
        HidDev->CloseAllFiles();
    return result;
}

void TJvHidDeviceController::DoArrival(TJvHidDevice* HidDev)
{
    if (!FArrivalEvent)
        return;
    HidDev->FIsEnumerated = true;
    FArrivalEvent(HidDev);
    HidDev->FIsEnumerated = false;
}

void TJvHidDeviceController::DoRemoval(TJvHidDevice* HidDev)
{
    if (!FRemovalEvent)
        return;
    HidDev->FIsEnumerated = true;
    FRemovalEvent(HidDev);
    HidDev->FIsEnumerated = false;
}

void TJvHidDeviceController::DoDeviceChange()
{
    if (FDeviceChangeEvent)
        FDeviceChangeEvent(this);
}

void TJvHidDeviceController::Recount()
{
    int checkedIn = 0, unplugged = 0, checkedOut = 0;
    for (TJvHidDevice* dev : FList) {
        checkedIn += !dev->IsCheckedOut();
        unplugged += !dev->IsPluggedIn();
        checkedOut += dev->IsCheckedOut();
    }
    FNumCheckedInDevices = checkedIn;
    FNumUnpluggedDevices = unplugged;
    FNumCheckedOutDevices = checkedOut - unplugged;
}

bool TJvHidDeviceController::Listed(TJvHidDevice* HidDev) const
{
    return std::find(FList.begin(), FList.end(), HidDev) != FList.end();
}

bool TJvHidDeviceController::CheckThisOut(TJvHidDevice*& HidDev, int Idx, bool Check)
{
    TJvHidDevice* dev = FList[size_t(Idx)];
    if (!Check || dev->IsCheckedOut())
        return false;
    HidDev = dev;
    dev->FIsCheckedOut = true;
    ++FNumCheckedOutDevices;
    --FNumCheckedInDevices;
    dev->StartThread();
    return true;
}

bool TJvHidDeviceController::CheckOut(TJvHidDevice*& HidDev)
{
    HidDev = nullptr;
    for (int i = 0; i < Count(); ++i)
        if (CheckThisOut(HidDev, i, true))
            return true;
    return false;
}

bool TJvHidDeviceController::CheckOutByIndex(TJvHidDevice*& HidDev, int Idx)
{
    HidDev = nullptr;
    if (Idx < 0 || Idx >= Count())
        return false;
    return CheckThisOut(HidDev, Idx, true);
}

bool TJvHidDeviceController::CheckOutByID(TJvHidDevice*& HidDev, int Vid, int Pid)
{
    HidDev = nullptr;
    for (int i = 0; i < Count(); ++i) {
        const auto& a = FList[size_t(i)]->Attributes();
        if (CheckThisOut(HidDev, i, a.VendorID == Vid && (a.ProductID == Pid || Pid == -1)))
            return true;
    }
    return false;
}

bool TJvHidDeviceController::CheckOutByProductName(TJvHidDevice*& HidDev, const QString& ProductName)
{
    HidDev = nullptr;
    if (ProductName.isEmpty())
        return false;
    for (int i = 0; i < Count(); ++i)
        if (!FList[size_t(i)]->IsCheckedOut() && CheckThisOut(HidDev, i, FList[size_t(i)]->ProductName() == ProductName))
            return true;
    return false;
}

bool TJvHidDeviceController::CheckOutByVendorName(TJvHidDevice*& HidDev, const QString& VendorName)
{
    HidDev = nullptr;
    if (VendorName.isEmpty())
        return false;
    for (int i = 0; i < Count(); ++i)
        if (!FList[size_t(i)]->IsCheckedOut() && CheckThisOut(HidDev, i, FList[size_t(i)]->VendorName() == VendorName))
            return true;
    return false;
}

bool TJvHidDeviceController::CheckOutByClass(TJvHidDevice*& HidDev, const QString& ClassName)
{
    HidDev = nullptr;
    if (ClassName.isEmpty())
        return false;
    for (int i = 0; i < Count(); ++i)
        if (CheckThisOut(HidDev, i, FList[size_t(i)]->PnPInfo()->ClassDescr() == ClassName))
            return true;
    return false;
}

bool TJvHidDeviceController::CheckOutByCallback(TJvHidDevice*& HidDev, TJvHidCheckCallback Check)
{
    HidDev = nullptr;
    for (int i = 0; i < Count(); ++i) {
        TJvHidDevice* dev = FList[size_t(i)];
        if (dev->IsCheckedOut())
            continue;
        dev->FIsEnumerated = true;
        const bool ok = CheckThisOut(HidDev, i, Check && Check(dev));
        dev->FIsEnumerated = false;
        if (ok)
            return true;
        dev->CloseAllFiles();
    }
    return false;
}

void TJvHidDeviceController::CheckIn(TJvHidDevice*& HidDev)
{
    TJvHidDevice* dev = HidDev;
    if (!dev)
        return;
    HidDev = nullptr;
    dev->StopThread();
    dev->CloseAllFiles();
    if (dev->IsPluggedIn()) {
        dev->FIsCheckedOut = false;
        --FNumCheckedOutDevices;
        ++FNumCheckedInDevices;
    } else {
        DisposeDevice(dev);
    }
}

int TJvHidDeviceController::CountByID(int Vid, int Pid)
{
    int count = 0;
    for (TJvHidDevice* dev : FList)
        if (dev->IsPluggedIn() && dev->Attributes().VendorID == Vid
            && (dev->Attributes().ProductID == Pid || Pid == -1))
            ++count;
    return count;
}

int TJvHidDeviceController::CountByProductName(const QString& ProductName)
{
    int count = 0;
    for (TJvHidDevice* dev : FList)
        if (dev->IsPluggedIn() && dev->ProductName() == ProductName)
            ++count;
    return count;
}

int TJvHidDeviceController::CountByVendorName(const QString& VendorName)
{
    int count = 0;
    for (TJvHidDevice* dev : FList)
        if (dev->IsPluggedIn() && dev->VendorName() == VendorName)
            ++count;
    return count;
}

int TJvHidDeviceController::CountByClass(const QString& ClassName)
{
    int count = 0;
    for (TJvHidDevice* dev : FList)
        if (dev->IsPluggedIn() && dev->PnPInfo()->ClassDescr() == ClassName)
            ++count;
    return count;
}

int TJvHidDeviceController::CountByCallback(TJvHidCheckCallback Check)
{
    int count = 0;
    for (TJvHidDevice* dev : FList) {
        if (!dev->IsPluggedIn())
            continue;
        dev->FIsEnumerated = true;
        if (Check && Check(dev))
            ++count;
        dev->FIsEnumerated = false;
        if (!dev->IsCheckedOut())
            dev->CloseAllFiles();
    }
    return count;
}

QString TJvHidDeviceController::HidVersion()
{
    return {};
}

void TJvHidDeviceController::SetOnDeviceChange(const vcl::TNotifyEvent& Handler)
{
    if (SameHandlerFunction(FDeviceChangeEvent, Handler))
        return;
    FDeviceChangeEvent = Handler;
    if (!ComponentState().Contains(vcl::TComponentStateItem::csLoading))
        DeviceChange();
}

void TJvHidDeviceController::SetOnDeviceData(const TJvHidDataEvent& Handler)
{
    if (SameHandlerFunction(FDevDataEvent, Handler))
        return;
    for (TJvHidDevice* dev : FList)
        if (SameHandlerFunction(dev->OnData(), FDevDataEvent))
            dev->SetDataEvent(Handler);
    FDevDataEvent = Handler;
}

void TJvHidDeviceController::SetOnDeviceDataError(const TJvHidDataErrorEvent& Handler)
{
    if (SameHandlerFunction(FDevDataErrorEvent, Handler))
        return;
    for (TJvHidDevice* dev : FList)
        if (SameHandlerFunction(dev->OnDataError(), FDevDataErrorEvent))
            dev->SetOnDataError(Handler);
    FDevDataErrorEvent = Handler;
}

void TJvHidDeviceController::SetOnDeviceUnplug(const TJvHidPlugEvent& Handler)
{
    if (SameHandlerFunction(FDevUnplugEvent, Handler))
        return;
    for (TJvHidDevice* dev : FList)
        if (SameHandlerFunction(dev->OnUnplug(), FDevUnplugEvent))
            dev->SetOnUnplug(Handler);
    FDevUnplugEvent = Handler;
}

void TJvHidDeviceController::SetDevThreadSleepTime(int DevTime)
{
    if (DevTime == FDevThreadSleepTime)
        return;
    for (TJvHidDevice* dev : FList)
        if (dev->ThreadSleepTime() == FDevThreadSleepTime)
            dev->SetThreadSleepTime(DevTime);
    FDevThreadSleepTime = DevTime;
}

void TJvHidDeviceController::DisposeDevice(TJvHidDevice* HidDev)
{
    HidDev->Retire();
    if (FPassDepth > 0)
        FDisposed.push_back(HidDev);
    else
        delete HidDev;
}

void TJvHidDeviceController::FlushDisposed()
{
    std::vector<TJvHidDevice*> disposed;
    disposed.swap(FDisposed);
    for (TJvHidDevice* dev : disposed)
        delete dev;
}

bool TJvHidDeviceController::TakeOutOfList(TJvHidDevice* HidDev, const TJvHidDataEvent& Data,
                                           const TJvHidPlugEvent& Unplug)
{
    auto it = std::find(FList.begin(), FList.end(), HidDev);
    if (it == FList.end())
        return false;
    if (!HidDev->IsPluggedIn()) {
        FList.erase(it);
        --FNumUnpluggedDevices;
        return false;
    }
    const bool wasCheckedOut = HidDev->IsCheckedOut();
    TJvHidDevice* fresh = nullptr;
    try {
        fresh = new TJvHidDevice(HidDev->FPnPInfo, this);
    } catch (const EControllerError&) {
        // The interface cannot be opened again: the device leaves the list (its record is gone).
        FList.erase(std::find(FList.begin(), FList.end(), HidDev));
        if (wasCheckedOut)
            --FNumCheckedOutDevices;
        else
            --FNumCheckedInDevices;
        return true;
    }
    fresh->FData = Data;
    fresh->FUnplug = Unplug;
    fresh->FThreadSleepTime = HidDev->ThreadSleepTime();
    *std::find(FList.begin(), FList.end(), HidDev) = fresh;
    if (wasCheckedOut) {
        --FNumCheckedOutDevices;
        ++FNumCheckedInDevices;
    }
    return true;
}
