#include "plot/iPlotManagers.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

using namespace vcl;

namespace {

// The tail of a default name read as an integer: leading blanks and a sign allowed, digits only,
// within the Integer range; anything else is no number.
std::optional<std::int64_t> NameNumber(QStringView tail)
{
    qsizetype i = 0;
    while (i < tail.size() && tail[i] == u' ')
        ++i;
    bool negative = false;
    if (i < tail.size() && (tail[i] == u'+' || tail[i] == u'-'))
        negative = tail[i++] == u'-';
    if (i >= tail.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < tail.size(); ++i) {
        if (tail[i] < u'0' || tail[i] > u'9')
            return std::nullopt;
        value = value * 10 + (tail[i].unicode() - u'0');
        if (value > std::int64_t(std::numeric_limits<int>::max()) + 1)
            return std::nullopt; // longer than any Integer
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return value;
}

} // namespace

const std::vector<TColor>& iChannelPalette()
{
    static const std::vector<TColor> palette {
        0x0000FF, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0x00FF00, 0xFFFFFF, 0x000080, 0x008000, 0x008080,
        0x800000, 0x800080, 0x808000, 0x808080, 0x0000C0, 0x00C000, 0x00C0C0, 0xC00000, 0xC000C0, 0xC0C000,
        0xC0C0C0, 0x0080FF, 0x8000FF, 0x8080FF, 0xFF0080, 0xFF8000, 0xFF8080, 0x00FF80, 0x80FF00, 0x80FF80,
    };
    return palette;
}

// ---------------------------------------------------------------- TiPlotObjectManagerCustom

TiPlotObjectManagerCustom::TiPlotObjectManagerCustom(TWinControl* AOwner, TNotifyEvent AOnChange,
                                                     TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                                                     TNotifyEvent AOnRename)
{
    if (!AOwner)
        throw Exception(QStringLiteral("Owner must be Assigned"));
    if (!AOnChange)
        throw Exception(QStringLiteral("OnChange event handler can not be null"));
    if (!AOnInsert)
        throw Exception(QStringLiteral("OnInsert event handler can not be null"));
    if (!AOnRemove)
        throw Exception(QStringLiteral("OnRemove event handler can not be null"));
    if (!AOnRename)
        throw Exception(QStringLiteral("AOnRename event handler can not be null"));
    FOwner = AOwner;
    OnChange = std::move(AOnChange);
    OnInsert = std::move(AOnInsert);
    OnRemove = std::move(AOnRemove);
    OnRename = std::move(AOnRename);
}

TiPlotObjectManagerCustom::~TiPlotObjectManagerCustom()
{
    if (OnRemove)
        OnRemove(this);
}

void TiPlotObjectManagerCustom::Announce()
{
    if (OnInsert)
        OnInsert(this);
}

TiPlotObject* TiPlotObjectManagerCustom::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        ListIndexError(Index);
    return FList[static_cast<std::size_t>(Index)];
}

void TiPlotObjectManagerCustom::NotificationRemove(TObject* Sender)
{
    for (auto i = static_cast<std::ptrdiff_t>(FList.size()) - 1; i >= 0; --i) {
        if (FList[static_cast<std::size_t>(i)] != Sender)
            continue;
        auto* removed = FList[static_cast<std::size_t>(i)];
        FList.erase(FList.begin() + i);
        DoObjectRemoved(removed);
        if (OnChange)
            OnChange(this);
        return;
    }
}

void TiPlotObjectManagerCustom::NotificationRename(TiPlotObject* Sender)
{
    const std::vector<TiPlotObject*> objects = FList;
    for (TiPlotObject* object : objects)
        object->NotificationRename(Sender);
}

void TiPlotObjectManagerCustom::NotificationSetFocus(TiPlotObject* Sender)
{
    const std::vector<TiPlotObject*> objects = FList;
    for (TiPlotObject* object : objects)
        object->NotificationSetFocus(Sender);
}

void TiPlotObjectManagerCustom::Delete(int Index)
{
    Items(Index);
    FList.erase(FList.begin() + Index);
}

void TiPlotObjectManagerCustom::InsertObject(TiPlotObject* AObject)
{
    if (AObject && std::find(FList.begin(), FList.end(), AObject) == FList.end())
        FList.push_back(AObject);
}

QString TiPlotObjectManagerCustom::GetNextName() const
{
    const QString base = GetBaseName();
    std::int64_t largest = 0;
    for (const TiPlotObject* object : FList) {
        const QString& name = object->Name();
        if (name.size() < base.size() || QStringView(name).left(base.size()).compare(base, Qt::CaseInsensitive) != 0)
            continue;
        if (const auto number = NameNumber(QStringView(name).mid(base.size())))
            largest = std::max(largest, *number);
    }
    return base + u' ' + QString::number(largest + 1);
}

int TiPlotObjectManagerCustom::GetIndex(const TiPlotObject* AObject) const
{
    const auto it = std::find(FList.begin(), FList.end(), AObject);
    return it == FList.end() ? -1 : static_cast<int>(it - FList.begin());
}

TiPlotObject* TiPlotObjectManagerCustom::GetObjectByName(const QString& Value) const
{
    const int index = GetIndexByName(Value);
    return index < 0 ? nullptr : FList[static_cast<std::size_t>(index)];
}

int TiPlotObjectManagerCustom::GetIndexByName(const QString& Value) const
{
    for (std::size_t i = 0; i < FList.size(); ++i)
        if (FList[i]->Name().compare(Value, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

// ---------------------------------------------------------------- TiPlotObjectOwnedManager

TiPlotObjectOwnedManager::~TiPlotObjectOwnedManager() { TiPlotObjectOwnedManager::Clear(); }

void TiPlotObjectOwnedManager::Clear()
{
    std::vector<TiPlotObject*> copy = FList;
    while (!copy.empty()) {
        TiPlotObject* object = copy.front();
        copy.erase(copy.begin());
        TiPlotObject::Free(object); // its removal report takes it out of every manager
        const auto it = std::find(FList.begin(), FList.end(), object);
        if (it != FList.end())
            FList.erase(it); // an object that was never wired reports nothing
    }
}

void TiPlotObjectOwnedManager::NotificationRemove(TObject* Sender)
{
    if (Sender != this) {
        const std::vector<TiPlotObject*> objects = FList;
        for (TiPlotObject* object : objects)
            if (object != Sender)
                object->NotificationRemove(Sender);
    }
    TiPlotObjectManagerCustom::NotificationRemove(Sender);
}

void TiPlotObjectOwnedManager::NotificationInsert(TObject* Sender)
{
    auto* object = dynamic_cast<TiPlotObject*>(Sender);
    if (!object || !IsKind(object))
        return;
    InsertObject(object);
    if (!object->Name().isEmpty())
        return; // read from a stream: keeps its name and settings
    object->SetName(GetNextName());
    FillDefaults(object);
}

// ---------------------------------------------------------------- typed managers

void TiPlotXAxisManager::FillDefaults(TiPlotObject* AObject)
{
    static_cast<TiPlotAxis*>(AObject)->SetTitle(AObject->Name());
}

void TiPlotYAxisManager::FillDefaults(TiPlotObject* AObject)
{
    static_cast<TiPlotAxis*>(AObject)->SetTitle(AObject->Name());
}

QString TiPlotAxisBoundManager::FirstXAxisName() const
{
    return FXAxisManager && FXAxisManager->Count() > 0 ? FXAxisManager->Items(0)->Name() : QString();
}

QString TiPlotAxisBoundManager::FirstYAxisName() const
{
    return FYAxisManager && FYAxisManager->Count() > 0 ? FYAxisManager->Items(0)->Name() : QString();
}

void TiPlotAxisBoundManager::ForgetManager(TObject* Sender)
{
    if (Sender == FXAxisManager)
        FXAxisManager = nullptr;
    if (Sender == FYAxisManager)
        FYAxisManager = nullptr;
}

TiPlotObject* TiPlotChannelManager::CreateObject()
{
    return FChannelClass(FOwner, OnChange, OnInsert, OnRemove, OnRename);
}

bool TiPlotChannelManager::IsKind(const TiPlotObject* AObject) const
{
    return dynamic_cast<const TiPlotChannelCustom*>(AObject) != nullptr;
}

void TiPlotChannelManager::FillDefaults(TiPlotObject* AObject)
{
    auto* channel = static_cast<TiPlotChannelCustom*>(AObject);
    channel->SetTitleText(channel->Name());
    channel->SetColor(GetNextChannelColor());
    if (FXAxisManager && FXAxisManager->Count() > 0)
        channel->SetXAxisName(FirstXAxisName());
    if (FYAxisManager && FYAxisManager->Count() > 0)
        channel->SetYAxisName(FirstYAxisName());
}

TColor TiPlotChannelManager::GetNextChannelColor() const
{
    const std::vector<TColor>& palette = iChannelPalette();
    if (FList.size() <= 1)
        return palette.front();
    std::vector<int> counts(palette.size(), 0);
    for (const TiPlotObject* object : FList) {
        const TColor color = static_cast<const TiPlotChannelCustom*>(object)->Color();
        const auto it = std::find(palette.begin(), palette.end(), color);
        if (it != palette.end())
            ++counts[static_cast<std::size_t>(it - palette.begin())];
    }
    const auto least = std::min_element(counts.begin(), counts.end()); // the first of equal counts
    return palette[static_cast<std::size_t>(least - counts.begin())];
}

void TiPlotChannelManager::NotificationRemove(TObject* Sender)
{
    TiPlotObjectOwnedManager::NotificationRemove(Sender);
    ForgetManager(Sender);
}

void TiPlotDataViewManager::FillDefaults(TiPlotObject* AObject)
{
    auto* view = static_cast<TiPlotDataView*>(AObject);
    if (FXAxisManager && FXAxisManager->Count() > 0)
        view->SetGridXAxisName(FirstXAxisName());
    if (FYAxisManager && FYAxisManager->Count() > 0)
        view->SetGridYAxisName(FirstYAxisName());
}

void TiPlotDataViewManager::NotificationRemove(TObject* Sender)
{
    TiPlotObjectOwnedManager::NotificationRemove(Sender);
    ForgetManager(Sender);
}

void TiPlotDataCursorManager::FillDefaults(TiPlotObject* AObject)
{
    auto* cursor = static_cast<TiPlotDataCursor*>(AObject);
    if (FDataViewManager && FDataViewManager->Count() > 0)
        cursor->SetDataView(FDataViewManager->Item(0));
    if (FChannelManager && FChannelManager->Count() > 0)
        cursor->SetChannelName(FChannelManager->Items(0)->Name());
}

void TiPlotDataCursorManager::NotificationRemove(TObject* Sender)
{
    TiPlotObjectOwnedManager::NotificationRemove(Sender);
    if (Sender == FChannelManager)
        FChannelManager = nullptr;
    if (Sender == FDataViewManager)
        FDataViewManager = nullptr;
}

void TiPlotLimitManager::FillDefaults(TiPlotObject* AObject)
{
    auto* limit = static_cast<TiPlotLimit*>(AObject);
    if (FXAxisManager && FXAxisManager->Count() > 0)
        limit->SetXAxisName(FirstXAxisName());
    if (FYAxisManager && FYAxisManager->Count() > 0)
        limit->SetYAxisName(FirstYAxisName());
}

void TiPlotLimitManager::NotificationRemove(TObject* Sender)
{
    TiPlotObjectOwnedManager::NotificationRemove(Sender);
    ForgetManager(Sender);
}

void TiPlotLabelManager::FillDefaults(TiPlotObject* AObject)
{
    static_cast<TiPlotLabel*>(AObject)->SetCaption(AObject->Name());
}

void TiPlotAnnotationManager::NotificationInsert(TObject* Sender)
{
    auto* object = dynamic_cast<TiPlotObject*>(Sender);
    if (object && IsKind(object))
        InsertObject(object);
}

// ---------------------------------------------------------------- TiPlotObjectManager

TiPlotObject* TiPlotObjectManager::CreateObject()
{
    throw Exception(QStringLiteral("Object Manager does not support creation of objects"));
}

void TiPlotObjectManager::NotificationInsert(TObject* Sender)
{
    if (auto* object = dynamic_cast<TiPlotObject*>(Sender))
        InsertObject(object);
}

std::vector<TiPlotObject*> TiPlotObjectManager::Selected() const
{
    std::vector<TiPlotObject*> selected;
    for (TiPlotObject* object : FList)
        if (object->UserSelected())
            selected.push_back(object);
    return selected;
}

void TiPlotObjectManager::ClearAllUserSelections()
{
    const std::vector<TiPlotObject*> objects = FList;
    for (TiPlotObject* object : objects)
        object->SetUserSelected(false);
}

void TiPlotObjectManager::SetShiftState(TShiftState Value)
{
    for (TiPlotObject* object : FList)
        object->SetShiftState(Value);
}

void TiPlotObjectManager::MouseDownFocusObjects(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX,
                                                int ScreenY, TPopupMenu* PopupMenu)
{
    for (TiPlotObject* object : Selected())
        object->iMouseDown(Button, Shift, X, Y, ScreenX, ScreenY, PopupMenu);
}

void TiPlotObjectManager::MouseMoveFocusObjects(TiHintData& HintData, TShiftState Shift, int X, int Y, int ScreenX,
                                                int ScreenY, bool DblClickActive)
{
    for (TiPlotObject* object : Selected())
        object->iMouseMove(HintData, Shift, X, Y, ScreenX, ScreenY, DblClickActive);
}

void TiPlotObjectManager::MouseUpFocusObjects(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX,
                                              int ScreenY, bool DblClickActive, TPopupMenu* PopupMenu)
{
    for (TiPlotObject* object : Selected())
        object->iMouseUp(Button, Shift, X, Y, ScreenX, ScreenY, DblClickActive, PopupMenu);
}

void TiPlotObjectManager::KeyDownFocusObjects(WORD& CharCode, TShiftState Shift, TPopupMenu* PopupMenu)
{
    for (TiPlotObject* object : Selected())
        object->iKeyDown(CharCode, Shift, PopupMenu);
}

bool TiPlotObjectManager::MouseWheelFocusObjects(int WheelDelta, TShiftState Shift, TPoint MousePos)
{
    bool any = false;
    for (TiPlotObject* object : Selected())
        any = object->iMouseWheel(WheelDelta, Shift, MousePos) || any;
    return any;
}

void TiPlotObjectManager::ShutDownSetup()
{
    for (TiPlotObject* object : FList) {
        object->OnRemove = nullptr;
        object->OnLayoutChange = nullptr;
        object->OnChange = nullptr;
    }
}
