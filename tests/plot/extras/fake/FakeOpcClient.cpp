// A stand-in for the OPC client library: keeps signals, groups and a list of server connections in
// memory, answers the exports the plot calls (all but SignalGetDataNow, to show a missing export)
// and lets the tests set values, queue an error and fire the callbacks from any thread.

#include "plot/extras/iOPCLibraryAbi.h"

#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using namespace iopc;

namespace {

struct Signal
{
    std::u16string computer, server, item, group;
    int rate { 0 };
    bool suspended { false };
    std::uint16_t valueType { 0 };
    ItemCallback* callback { nullptr };
    Variant value {};
    std::uint16_t quality { 0 };
    double stamp { 0 };
};

struct Group
{
    std::u16string name;
    ManagerCallback* callback { nullptr };
    bool suspended { false };
};

std::recursive_mutex Lock;
std::map<int, Signal> Signals;
std::map<int, Group> Groups;
int NextHandle = 1;
std::u16string PendingError;
std::u16string LastError;
int SendDataCalls = 0;
int LastSendHandle = -1;
int Managers = 0;
std::vector<std::u16string> ServerConnections;

std::u16string Text(OleString s) { return s ? std::u16string(s, OleStringLength(s)) : std::u16string(); }

// Every export ends by settling the error of its call.
void Finish()
{
    LastError = PendingError;
    PendingError.clear();
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) void SignalAdd(std::int32_t* Handle, OleString Computer, OleString Server,
                                                      OleString Item, OleString GroupName, std::int32_t Rate,
                                                      std::uint8_t Suspended, std::uint16_t ValueType,
                                                      ItemCallback* Callback)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    if (PendingError.empty()) {
        const int handle = NextHandle++;
        Signal& s = Signals[handle];
        s = Signal { Text(Computer), Text(Server), Text(Item), Text(GroupName), Rate, Suspended != 0, ValueType, Callback };
        *Handle = handle;
    }
    Finish();
}

__attribute__((visibility("default"))) void SignalRemove(std::int32_t Handle)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    if (Signals.count(Handle))
        VariantClear(Signals[Handle].value);
    Signals.erase(Handle);
    Finish();
}

__attribute__((visibility("default"))) void SignalSuspend(std::int32_t Handle)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    if (Signals.count(Handle))
        Signals[Handle].suspended = true;
    Finish();
}

__attribute__((visibility("default"))) void SignalResume(std::int32_t Handle)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    if (Signals.count(Handle))
        Signals[Handle].suspended = false;
    Finish();
}

__attribute__((visibility("default"))) void SignalGetActive(std::int32_t Handle, std::uint8_t* Value)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    *Value = Signals.count(Handle) ? 1 : 0;
    Finish();
}

__attribute__((visibility("default"))) void SignalGetUpdateSuspended(std::int32_t Handle, std::uint8_t* Value)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    *Value = Signals.count(Handle) && Signals[Handle].suspended ? 1 : 0;
    Finish();
}

__attribute__((visibility("default"))) void SignalSendData(std::int32_t Handle, const Variant*)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    ++SendDataCalls;
    LastSendHandle = Handle;
    Finish();
}

__attribute__((visibility("default"))) void SignalGetData(std::int32_t Handle, Variant* Value)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    if (Signals.count(Handle)) {
        *Value = Signals[Handle].value;
        if (Value->vt == vtBstr)
            Value->bstr = OleStringAlloc(Value->bstr, OleStringLength(Value->bstr));
    }
    Finish();
}

__attribute__((visibility("default"))) void SignalGetTimeStamp(std::int32_t Handle, double* Value)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    if (Signals.count(Handle))
        *Value = Signals[Handle].stamp;
    Finish();
}

__attribute__((visibility("default"))) void SignalGetQuality(std::int32_t Handle, std::uint16_t* Value)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    if (Signals.count(Handle))
        *Value = Signals[Handle].quality;
    Finish();
}

__attribute__((visibility("default"))) void GroupAdd(std::int32_t* Handle, OleString Name, OleString, OleString,
                                                     std::int32_t, ManagerCallback* Callback)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    if (PendingError.empty()) {
        const int handle = NextHandle++;
        Groups[handle] = Group { Text(Name), Callback };
        *Handle = handle;
    }
    Finish();
}

__attribute__((visibility("default"))) void GroupDelete(std::int32_t Handle)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    Groups.erase(Handle);
    Finish();
}

__attribute__((visibility("default"))) void GroupResume(std::int32_t Handle)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    if (Groups.count(Handle))
        Groups[Handle].suspended = false;
    Finish();
}

__attribute__((visibility("default"))) void GroupSuspend(std::int32_t Handle)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    if (Groups.count(Handle))
        Groups[Handle].suspended = true;
    Finish();
}

__attribute__((visibility("default"))) void GroupSetUpdateRate(std::int32_t, std::int32_t) { Finish(); }

__attribute__((visibility("default"))) void CloseAllServerConnections() { Finish(); }

__attribute__((visibility("default"))) std::int32_t ServerConnectionGetCount()
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    Finish();
    return std::int32_t(ServerConnections.size());
}

__attribute__((visibility("default"))) void ServerConnectionGetName(OleString* Name, std::int32_t Index)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    Finish();
    if (Index < 0 || std::size_t(Index) >= ServerConnections.size()) {
        LastError = u"No such server connection";
        return;
    }
    const std::u16string& name = ServerConnections[std::size_t(Index)];
    *Name = OleStringAlloc(name.data(), std::uint32_t(name.size()));
}

__attribute__((visibility("default"))) std::uint8_t ManagerCreated()
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    Finish();
    return Managers++ == 0 ? 1 : 0;
}

__attribute__((visibility("default"))) void ManagerDestroyed() { Finish(); }

__attribute__((visibility("default"))) void GetLastCallErrorString(OleString* Text)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    *Text = LastError.empty() ? nullptr : OleStringAlloc(LastError.data(), std::uint32_t(LastError.size()));
}

// --- test controls ---

__attribute__((visibility("default"))) void FakeOpcFailNextCall(const char16_t* Message) { PendingError = Message; }

// The server connections the library reports; an empty name ends the list.
__attribute__((visibility("default"))) void FakeOpcSetServerConnections(const char16_t* const* Names)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    ServerConnections.clear();
    for (; Names && *Names && **Names; ++Names)
        ServerConnections.emplace_back(*Names);
}

__attribute__((visibility("default"))) int FakeOpcSignalCount()
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    return int(Signals.size());
}

__attribute__((visibility("default"))) int FakeOpcSignalValueType(std::int32_t Handle)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    return Signals.count(Handle) ? Signals[Handle].valueType : -1;
}

__attribute__((visibility("default"))) int FakeOpcSignalByItem(const char16_t* Item)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    for (const auto& [handle, s] : Signals)
        if (s.item == Item)
            return handle;
    return 0;
}

__attribute__((visibility("default"))) int FakeOpcGroupByName(const char16_t* Name)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    for (const auto& [handle, g] : Groups)
        if (g.name == Name)
            return handle;
    return 0;
}

__attribute__((visibility("default"))) void FakeOpcSetValue(std::int32_t Handle, Variant Value, std::uint16_t Quality)
{
    std::lock_guard<std::recursive_mutex> lock(Lock);
    Signal& s = Signals[Handle];
    VariantClear(s.value);
    s.value = Value;
    s.quality = Quality;
    s.stamp = 46000.5;
}

__attribute__((visibility("default"))) int FakeOpcSendDataCalls(int* LastHandle)
{
    *LastHandle = LastSendHandle;
    return SendDataCalls;
}

// Calls the item's DataChanged, from a thread of the library's own when Foreign is set.
__attribute__((visibility("default"))) void FakeOpcFireDataChanged(std::int32_t Handle, int Foreign)
{
    ItemCallback* callback = nullptr;
    {
        std::lock_guard<std::recursive_mutex> lock(Lock);
        callback = Signals.count(Handle) ? Signals[Handle].callback : nullptr;
    }
    if (!callback)
        return;
    if (Foreign)
        std::thread([callback] { callback->Table->DataChanged(callback, 0); }).join();
    else
        callback->Table->DataChanged(callback, 0);
}

__attribute__((visibility("default"))) void FakeOpcFireGroupUpdate(std::int32_t Handle, int Foreign)
{
    ManagerCallback* callback = nullptr;
    {
        std::lock_guard<std::recursive_mutex> lock(Lock);
        callback = Groups.count(Handle) ? Groups[Handle].callback : nullptr;
    }
    if (!callback)
        return;
    auto fire = [callback, Handle] {
        callback->Table->BeforeGroupUpdate(callback, Handle);
        callback->Table->AfterGroupUpdate(callback, Handle);
    };
    if (Foreign)
        std::thread(fire).join();
    else
        fire();
}
}
