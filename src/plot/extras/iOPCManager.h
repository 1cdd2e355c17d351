#pragma once
// An invisible control that holds OPC groups (TiOPCGroupObject) and turns the OPC library's group
// notifications into events; its groups travel with form streams as "Groups".

#include "plot/extras/iOPCLibraryAbi.h"
#include "plot/extras/iOPCUiThread.h"

#include "platform/core/TPersistent.h"
#include "platform/ui/TCustomControl.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace vcl {
class TImageList;
class TReader;
class TWriter;
}
class TiOPCExplorerForm;

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

// One group as form streams carry it.
class TiOPCGroupStream : public vcl::TPersistent
{
public:
    const vcl::TPropertyTable* PublishedProperties() const override;

    const QString& Name() const { return FName; }
    void SetName(const QString& Value) { FName = Value; }
    const QString& ComputerName() const { return FComputerName; }
    void SetComputerName(const QString& Value) { FComputerName = Value; }
    const QString& OPCServerName() const { return FOPCServerName; }
    void SetOPCServerName(const QString& Value) { FOPCServerName = Value; }
    int UpdateRate() const { return FUpdateRate; }
    void SetUpdateRate(int Value) { FUpdateRate = Value; }

private:
    QString FName;
    QString FComputerName;
    QString FOPCServerName;
    int FUpdateRate { 0 };
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
    // Shows the process's one explorer window, made on first use, refreshed on every call.
    void ExplorerShow();
    // The explorer window of the process, nullptr while none is shown or remembered.
    static TiOPCExplorerForm* Explorer();
    bool FirstInstance() const { return FFirstInstance; }

    const vcl::TPropertyTable* PublishedProperties() const override;
    void DefineProperties(vcl::TFiler& Filer) override;
    void WriteGroups(vcl::TWriter& Writer) const;
    // Replaces the groups held with those read; each gets a library group when the library is there.
    void ReadGroups(vcl::TReader& Reader);

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
    std::unique_ptr<vcl::TImageList> FImageList;
    std::vector<std::unique_ptr<TiOPCGroupObject>> FGroupList;
    TiOPCLifeToken FLife;
    CallbackObject FCallback;
};
