#include "plot/extras/iOPCManager.h"

#include "plot/extras/iOPCBinding.h"

#include "platform/core/Exception.h"
#include "platform/ui/EventGuard.h"

using namespace vcl;

namespace {

TiOPCBinding& Binding() { return TiOPCBinding::Instance(); }

std::int32_t ManagerQueryInterface(iopc::ManagerCallback*, const void*, void** Object)
{
    if (Object)
        *Object = nullptr;
    return static_cast<std::int32_t>(0x80004002u);
}

std::int32_t ManagerNoCount(iopc::ManagerCallback*) { return -1; }

} // namespace

// ---------------------------------------------------------------- groups

TiOPCGroupObject::TiOPCGroupObject(const QString& Name, const QString& ComputerName, const QString& OPCServerName,
                                   int UpdateRate)
    : FName(Name), FComputerName(ComputerName), FOPCServerName(OPCServerName), FUpdateRate(UpdateRate)
{
}

void TiOPCGroupObject::SetUpdateRate(int Value)
{
    if (FUpdateRate == Value)
        return;
    FUpdateRate = Value;
    Binding().GroupSetUpdateRate(FDLLGroupHandle, Value);
}

void TiOPCGroupObject::Resume() { Binding().GroupResume(FDLLGroupHandle); }

void TiOPCGroupObject::Suspend() { Binding().GroupSuspend(FDLLGroupHandle); }

// ---------------------------------------------------------------- manager

TiOPCManager::TiOPCManager(TComponent* AOwner) : TCustomControl(AOwner), FLife(std::make_shared<int>(0))
{
    FFirstInstance = Binding().ManagerCreated();
    static const iopc::ManagerCallbackTable table {
        &ManagerQueryInterface, &ManagerNoCount, &ManagerNoCount,
        [](iopc::ManagerCallback* Self, std::int32_t Handle) {
            auto* object = static_cast<CallbackObject*>(Self);
            TiOPCManager* manager = object->Manager;
            iOPCRunOnUiThread(object->Life, [manager, Handle] { Guarded([&] { manager->GroupUpdate(Handle, false); }); });
        },
        [](iopc::ManagerCallback* Self, std::int32_t Handle) {
            auto* object = static_cast<CallbackObject*>(Self);
            TiOPCManager* manager = object->Manager;
            iOPCRunOnUiThread(object->Life, [manager, Handle] { Guarded([&] { manager->GroupUpdate(Handle, true); }); });
        },
    };
    FCallback.Table = &table;
    FCallback.Life = FLife;
    FCallback.Manager = this;
    SetBounds(0, 0, 28, 28);
    SetVisible(false);
}

TiOPCManager::~TiOPCManager()
{
    FLife.reset();
    try {
        GroupClear();
    } catch (...) {
    }
    if (FFirstInstance) {
        try {
            Binding().ManagerDestroyed();
        } catch (...) {
        }
    }
}

void TiOPCManager::SetBounds(int ALeft, int ATop, int, int) { TCustomControl::SetBounds(ALeft, ATop, 28, 28); }

void TiOPCManager::Paint()
{
    TCanvas* canvas = Canvas();
    const int w = Width() - 1;
    const int h = Height() - 1;
    canvas->Pen()->SetColor(clBtnHighlight);
    canvas->Polyline({ TPoint(0, h), TPoint(0, 0), TPoint(w, 0) });
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->Polyline({ TPoint(w, 1), TPoint(w, h), TPoint(0, h) });
}

TiOPCGroupObject* TiOPCManager::Group(int Index) const
{
    if (Index < 0 || Index >= GroupCount())
        throw EStringListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FGroupList[static_cast<std::size_t>(Index)].get();
}

int TiOPCManager::GroupAdd(const QString& Name, const QString& ComputerName, const QString& OPCServerName,
                           int UpdateRate)
{
    FGroupList.push_back(std::make_unique<TiOPCGroupObject>(Name, ComputerName, OPCServerName, UpdateRate));
    const int index = GroupCount() - 1;
    if (!OPCLibraryMissing()) {
        iOPCPrepareUiThread();
        int handle = 0;
        Binding().GroupAdd(handle, Name, ComputerName, OPCServerName, UpdateRate, &FCallback);
        FGroupList.back()->SetDLLGroupHandle(handle);
    }
    return index;
}

void TiOPCManager::GroupDelete(int Index)
{
    TiOPCGroupObject* group = Group(Index);
    if (group->DLLGroupHandle() != 0)
        Binding().GroupDelete(group->DLLGroupHandle());
    FGroupList.erase(FGroupList.begin() + Index);
}

void TiOPCManager::GroupClear()
{
    while (GroupCount() != 0)
        GroupDelete(0);
}

int TiOPCManager::GetGroupIndex(const QString& Name) const
{
    for (int i = 0; i < GroupCount(); ++i)
        if (FGroupList[static_cast<std::size_t>(i)]->Name().toUpper() == Name.toUpper())
            return i;
    return -1;
}

void TiOPCManager::CloseAllServerConnections() { Binding().CloseAllServerConnections(); }

QString TiOPCManager::GroupNameOfHandle(int Handle) const
{
    for (const auto& group : FGroupList)
        if (group->DLLGroupHandle() == Handle)
            return group->Name();
    return QString();
}

void TiOPCManager::GroupUpdate(int Handle, bool After)
{
    const TGroupUpdateEvent& event = After ? OnAfterGroupUpdate : OnBeforeGroupUpdate;
    if (event)
        event(this, GroupNameOfHandle(Handle));
}
