#pragma once
// An invisible control that holds OPC groups (TiOPCGroupObject) and turns the OPC library's group
// notifications into events.

#include "plot/extras/iOPCLibraryAbi.h"
#include "plot/extras/iOPCUiThread.h"

#include "platform/core/TPersistent.h"
#include "platform/ui/TCustomControl.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

using TGroupUpdateEvent = std::function<void(vcl::TObject* Sender, const QString& GroupName)>;

class TiOPCGroupObject : public vcl::TPersistent
{
public:
    TiOPCGroupObject(const QString& Name, const QString& ComputerName, const QString& OPCServerName, int UpdateRate);

    const QString& Name() const { return FName; }
    const QString& ComputerName() const { return FComputerName; }
    const QString& OPCServerName() const { return FOPCServerName; }
    int UpdateRate() const { return FUpdateRate; }
    // These three call the library without looking whether it is there.
    void SetUpdateRate(int Value);
    void Resume();
    void Suspend();
    int DLLGroupHandle() const { return FDLLGroupHandle; }
    void SetDLLGroupHandle(int Value) { FDLLGroupHandle = Value; }

private:
    QString FName;
    QString FComputerName;
    QString FOPCServerName;
    int FUpdateRate;
    int FDLLGroupHandle { 0 };
};

class TiOPCManager : public vcl::TCustomControl
{
public:
    explicit TiOPCManager(vcl::TComponent* AOwner);
    ~TiOPCManager() override;

    // Always 28 x 28.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    int GroupCount() const { return static_cast<int>(FGroupList.size()); }
    TiOPCGroupObject* Group(int Index) const;
    // The group stays in the list without a library handle when the library call raises.
    int GroupAdd(const QString& Name, const QString& ComputerName, const QString& OPCServerName, int UpdateRate);
    void GroupDelete(int Index);
    void GroupClear();
    // Letter case ignored; -1 when none.
    int GetGroupIndex(const QString& Name) const;
    void CloseAllServerConnections();
    bool FirstInstance() const { return FFirstInstance; }

    TGroupUpdateEvent OnBeforeGroupUpdate;
    TGroupUpdateEvent OnAfterGroupUpdate;

protected:
    void Paint() override;

private:
    struct CallbackObject : iopc::ManagerCallback
    {
        std::weak_ptr<int> Life;
        TiOPCManager* Manager { nullptr };
    };
    QString GroupNameOfHandle(int Handle) const;
    void GroupUpdate(int Handle, bool After);

    bool FFirstInstance { false };
    std::vector<std::unique_ptr<TiOPCGroupObject>> FGroupList;
    TiOPCLifeToken FLife;
    CallbackObject FCallback;
};
