#pragma once
// The process-wide binding to the OPC client library: loaded once by name on first use, every
// export looked up, and one wrapper per called export. Wrappers raise "Zarvik OPC DLL Not Found."
// without the library, a not-found error for a missing export, and the library's own error text
// after a failed call (out values are then not delivered).

#include "plot/extras/iOPCLibraryAbi.h"

#include "platform/os/DynLib.h"

#include <QString>

#include <map>
#include <string>

class TiOPCBinding
{
public:
    static TiOPCBinding& Instance();
    ~TiOPCBinding();
    TiOPCBinding(const TiOPCBinding&) = delete;
    TiOPCBinding& operator=(const TiOPCBinding&) = delete;

    bool Loaded() const { return FHandle != 0; }

    int SignalAdd(const QString& ComputerName, const QString& ServerName, const QString& ItemName,
                  const QString& GroupName, int UpdateRate, bool Suspended, std::uint16_t ValueType,
                  iopc::ItemCallback* Callback);
    void SignalRemove(int Handle);
    void SignalSuspend(int Handle);
    void SignalResume(int Handle);
    bool SignalGetActive(int Handle);
    bool SignalGetUpdateSuspended(int Handle);
    void SignalSendData(int Handle, const iopc::Variant& Value);
    void SignalGetDataNow(int Handle);
    // Value is cleared and then takes a copy of the library's value.
    void SignalGetData(int Handle, iopc::Variant& Value);
    void SignalGetTimeStamp(int Handle, double& Value);
    void SignalGetQuality(int Handle, std::uint16_t& Value);
    void GroupAdd(int& Handle, const QString& Name, const QString& ComputerName, const QString& ServerName,
                  int UpdateRate, iopc::ManagerCallback* Callback);
    void GroupDelete(int Handle);
    void GroupResume(int Handle);
    void GroupSuspend(int Handle);
    void GroupSetUpdateRate(int Handle, int Rate);
    void CloseAllServerConnections();
    int ServerConnectionGetCount();
    QString ServerConnectionGetName(int Index);
    // These three never raise for a missing library or export.
    bool ManagerCreated();
    void ManagerDestroyed();
    QString GetLastCallErrorString();

private:
    TiOPCBinding();
    template <typename Fn>
    Fn Entry(const char* Name) const;
    void CheckLastError();

    vcl::TModuleHandle FHandle { 0 };
    std::map<std::string, void*> FEntries;
};

// True when the OPC client library was not loaded.
bool OPCLibraryMissing();
