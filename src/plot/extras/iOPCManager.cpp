#include "plot/extras/iOPCManager.h"

#include "plot/extras/iOPCBinding.h"
#include "plot/extras/iOPCExplorer.h"
#include "plot/iPlotDecorationHost.h"

#include "platform/core/Exception.h"
#include "platform/core/PublishedProperties.h"
#include "platform/core/TFiler.h"
#include "platform/core/TReader.h"
#include "platform/core/TWriter.h"
#include "platform/ui/EventGuard.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TImageList.h"

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

// The explorer window of the process (user-interface thread only).
TiOPCExplorerForm* gExplorer = nullptr;

// The manager's own picture, 24 x 24 on the white mask: a server case with a plug on its cable.
QImage ManagerPicture()
{
    TBitmap bitmap;
    bitmap.SetSize(24, 24);
    TCanvas* c = bitmap.Canvas();
    c->Pen()->SetColor(TColor(0x404040));
    c->Brush()->SetColor(TColor(0xC0C0C0));
    c->Rectangle(3, 2, 15, 20);
    c->Pen()->SetColor(TColor(0x606060));
    for (int y : { 5, 8, 11 }) {
        c->MoveTo(5, y);
        c->LineTo(13, y);
    }
    c->Pen()->SetColor(TColor(0x00A000));
    c->Brush()->SetColor(TColor(0x00D000));
    c->Rectangle(10, 15, 13, 18);
    c->Pen()->SetColor(TColor(0x800000));
    c->MoveTo(15, 17);
    c->LineTo(18, 17);
    c->LineTo(18, 10);
    c->Brush()->SetColor(TColor(0x0000C0));
    c->Pen()->SetColor(TColor(0x000080));
    c->Rectangle(16, 5, 21, 11);
    return bitmap.Image().copy();
}

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
    FImageList = std::make_unique<TImageList>(24, 24);
    FImageList->Add(ManagerPicture());
    gExplorer = nullptr; // a window shown before stays with the application, forgotten here
}

TiOPCManager::~TiOPCManager()
{
    FLife.reset();
    try {
        GroupClear();
    } catch (...) {
    }
    delete gExplorer;
    gExplorer = nullptr;
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
    iplot::DrawListImage(canvas, FImageList.get(), 0, 2, 2, Enabled(), clWhite);
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

TiOPCExplorerForm* TiOPCManager::Explorer() { return gExplorer; }

void TiOPCManager::ExplorerShow()
{
    if (!gExplorer)
        gExplorer = new TiOPCExplorerForm(Application);
    gExplorer->Refresh();
    gExplorer->Show();
}

// ---------------------------------------------------------------- streaming

const TPropertyTable* TiOPCGroupStream::PublishedProperties() const
{
    using G = TiOPCGroupStream;
    static const TPropertyTable table =
        TPropertyTableBuilder<G>(QStringLiteral("TiOPCGroupStream"), TPersistent::PublishedProperties())
            .String(QStringLiteral("Name"), &G::Name, &G::SetName)
            .String(QStringLiteral("ComputerName"), &G::ComputerName, &G::SetComputerName)
            .String(QStringLiteral("OPCServerName"), &G::OPCServerName, &G::SetOPCServerName)
            .Integer(QStringLiteral("UpdateRate"), &G::UpdateRate, &G::SetUpdateRate)
            .Build();
    return &table;
}

const TPropertyTable* TiOPCManager::PublishedProperties() const
{
    static const TPropertyTable table =
        TPropertyTableBuilder<TiOPCManager>(QStringLiteral("TiOPCManager"), TPersistent::PublishedProperties())
            .String(QStringLiteral("Name"), &TComponent::Name, &TComponent::SetName)
            .Integer(QStringLiteral("Left"), &TControl::Left, &TControl::SetLeft)
            .Integer(QStringLiteral("Top"), &TControl::Top, &TControl::SetTop)
            .Integer(QStringLiteral("Width"), &TControl::Width, &TControl::SetWidth)
            .Integer(QStringLiteral("Height"), &TControl::Height, &TControl::SetHeight)
            .Boolean(QStringLiteral("Visible"), &TControl::Visible, &TControl::SetVisible)
            .Build();
    return &table;
}

void TiOPCManager::DefineProperties(TFiler& Filer)
{
    TCustomControl::DefineProperties(Filer);
    Filer.DefineProperty(
        QStringLiteral("Groups"), [this](TReader& Reader) { ReadGroups(Reader); },
        [this](TWriter& Writer) { WriteGroups(Writer); }, GroupCount() != 0);
}

void TiOPCManager::WriteGroups(TWriter& Writer) const
{
    Writer.WriteValue(TValueType::vaCollection);
    for (const auto& group : FGroupList) {
        TiOPCGroupStream stream;
        stream.SetName(group->Name());
        stream.SetComputerName(group->ComputerName());
        stream.SetOPCServerName(group->OPCServerName());
        stream.SetUpdateRate(group->UpdateRate());
        Writer.WriteListBegin();
        Writer.WriteProperties(stream);
        Writer.WriteListEnd();
    }
    Writer.WriteListEnd();
}

void TiOPCManager::ReadGroups(TReader& Reader)
{
    GroupClear();
    if (Reader.NextValue() != TValueType::vaCollection) {
        Reader.SkipValue(); // keeps the stream in step for what follows
        return;
    }
    Reader.ReadValue();
    while (!Reader.EndOfList()) {
        TiOPCGroupStream stream;
        Reader.ReadListBegin();
        while (!Reader.EndOfList())
            Reader.ReadProperty(stream);
        Reader.ReadListEnd();
        GroupAdd(stream.Name(), stream.ComputerName(), stream.OPCServerName(), stream.UpdateRate());
    }
    Reader.ReadListEnd();
}

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
