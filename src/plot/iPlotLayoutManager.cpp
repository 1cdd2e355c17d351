#include "plot/iPlotLayoutManager.h"

#include "platform/core/NumberUtils.h"

#include <algorithm>

using namespace vcl;

// ---------------------------------------------------------------- TiLayoutSideList

int TiLayoutSideList::IndexOfObject(const TiPlotLayoutObject* Object) const
{
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].second == Object)
            return static_cast<int>(i);
    return -1;
}

void TiLayoutSideList::Add(const QString& Key, TiPlotLayoutObject* Object)
{
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), Key,
                                     [](const auto& entry, const QString& key) { return entry.first < key; });
    m_entries.insert(at, { Key, Object });
}

// ---------------------------------------------------------------- TiPlotLayoutManager

TiPlotLayoutManager::TiPlotLayoutManager(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                         TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotObjectManagerCustom(AOwner, AOnChange, AOnInsert, AOnRemove, AOnRename)
{
    FDataViewHorz = new TiPlotDataViewHorz(AOwner, AOnChange, AOnInsert, AOnRemove, AOnRename);
    FDataViewVert = new TiPlotDataViewVert(AOwner, AOnChange, AOnInsert, AOnRemove, AOnRename);
    for (TiPlotLayoutObject* placeholder : { static_cast<TiPlotLayoutObject*>(FDataViewHorz),
                                             static_cast<TiPlotLayoutObject*>(FDataViewVert) }) {
        placeholder->SetName(QStringLiteral("Data View"));
        placeholder->SetZOrder(1);
    }
    FDataViewHorz->SetHorizontal(true);
}

TiPlotLayoutManager::~TiPlotLayoutManager()
{
    // The objects may be gone already (a plot unwires them before it shuts down): forget them first.
    FEnabled = false;
    FList.clear();
    for (TiPlotLayoutObject* placeholder : { static_cast<TiPlotLayoutObject*>(FDataViewHorz),
                                             static_cast<TiPlotLayoutObject*>(FDataViewVert) }) {
        placeholder->OnLayoutChange = nullptr;
        TiPlotObject::Free(placeholder);
    }
}

void TiPlotLayoutManager::Announce()
{
    TiPlotObjectManagerCustom::Announce();
    FEnabled = false;
    FDataViewHorz->NotifyInsert();
    FDataViewVert->NotifyInsert();
    FEnabled = true;
}

TiPlotObject* TiPlotLayoutManager::CreateObject()
{
    throw Exception(QStringLiteral("Layout Manager does not support creation of objects"));
}

void TiPlotLayoutManager::NotificationInsert(TObject* Sender)
{
    auto* object = dynamic_cast<TiPlotLayoutObject*>(Sender);
    if (!object)
        return;
    InsertObject(object);
    if (dynamic_cast<TiPlotAxis*>(object) || dynamic_cast<TiPlotToolBar*>(object) || dynamic_cast<TiPlotLegend*>(object)
        || dynamic_cast<TiPlotDataView*>(object) || dynamic_cast<TiPlotLabel*>(object))
        object->OnLayoutChange = [this](TObject*) { UpdateSideLists(); };
    if (dynamic_cast<TiPlotXAxis*>(object))
        object->SetHorizontal(!FXYAxesReverse);
    else if (dynamic_cast<TiPlotYAxis*>(object))
        object->SetHorizontal(FXYAxesReverse);
    if (FEnabled)
        InsertZOrder(object, 0, TiInsertDirection::iidMerge);
}

void TiPlotLayoutManager::DoObjectRemoved(TiPlotObject* AObject)
{
    for (TiLayoutSideList* list : { &FTopList, &FBottomList, &FLeftList, &FRightList }) {
        const int index = list->IndexOfObject(static_cast<TiPlotLayoutObject*>(AObject));
        if (index >= 0) {
            list->Delete(index);
            break;
        }
    }
    auto* layoutObject = dynamic_cast<TiPlotLayoutObject*>(AObject);
    if (FEnabled && layoutObject)
        RemoveZOrder(layoutObject);
}

void TiPlotLayoutManager::SetEnabled(bool Value)
{
    if (FEnabled == Value)
        return;
    FEnabled = Value;
    if (Value)
        UpdateSideLists();
}

std::vector<TiPlotLayoutObject*> TiPlotLayoutManager::Peers(const TiPlotLayoutObject* Object) const
{
    std::vector<TiPlotLayoutObject*> peers;
    for (TiPlotObject* item : FList) {
        auto* other = static_cast<TiPlotLayoutObject*>(item);
        if (other != Object && other->Horizontal() == Object->Horizontal() && !dynamic_cast<TiPlotDataView*>(other))
            peers.push_back(other);
    }
    return peers;
}

void TiPlotLayoutManager::InsertZOrder(TiPlotLayoutObject* NewObject, int DesiredZOrder,
                                       TiInsertDirection InsertDirection)
{
    const std::vector<TiPlotLayoutObject*> peers = Peers(NewObject);
    bool share = false;
    if (InsertDirection == TiInsertDirection::iidMerge) {
        share = std::none_of(peers.begin(), peers.end(), [&](const TiPlotLayoutObject* peer) {
            if (peer->ZOrder() != DesiredZOrder)
                return false;
            const bool overlap = peer->StartPercent() < NewObject->StopPercent()
                && peer->StopPercent() > NewObject->StartPercent();
            const bool same = peer->StartPercent() == NewObject->StartPercent()
                && peer->StopPercent() == NewObject->StopPercent();
            return overlap || same;
        });
    }
    if (!share) {
        for (TiPlotLayoutObject* peer : peers) {
            const bool outward = InsertDirection == TiInsertDirection::iidAbove ? peer->ZOrder() > DesiredZOrder
                                                                                : peer->ZOrder() >= DesiredZOrder;
            if (outward)
                peer->SetZOrder(peer->ZOrder() + 1);
        }
    }
    NewObject->SetZOrder(InsertDirection == TiInsertDirection::iidAbove && !share ? DesiredZOrder + 1
                                                                                  : DesiredZOrder);
    UpdateSideLists();
}

void TiPlotLayoutManager::RemoveZOrder(TiPlotLayoutObject* AObject)
{
    const std::vector<TiPlotLayoutObject*> peers = Peers(AObject);
    const bool shared = std::any_of(peers.begin(), peers.end(),
                                    [&](const TiPlotLayoutObject* peer) { return peer->ZOrder() == AObject->ZOrder(); });
    if (!shared) {
        const std::vector<TiPlotObject*> objects = FList;
        for (TiPlotObject* item : objects) {
            auto* other = static_cast<TiPlotLayoutObject*>(item);
            if (other != AObject && other->Horizontal() == AObject->Horizontal() && other->ZOrder() > AObject->ZOrder())
                other->SetZOrder(other->ZOrder() - 1);
        }
    }
    UpdateSideLists();
}

int TiPlotLayoutManager::VisibleCount(const TiLayoutSideList& AList) const
{
    int count = 0;
    for (int i = 0; i < AList.Count(); ++i)
        if (AList.Objects(i)->Visible())
            ++count;
    return count;
}

QString TiPlotLayoutManager::SideKey(const TiPlotLayoutObject* Object)
{
    // Three digits each; a ZOrder outside 0..999 sorts with the nearest end.
    const int z = std::clamp(Object->ZOrder(), 0, 999);
    const int start = static_cast<int>(std::clamp<std::int64_t>(Round(Object->StartPercent()), 0, 999));
    return QString::number(z).rightJustified(3, u'0') + QString::number(start).rightJustified(3, u'0');
}

int TiPlotLayoutManager::UniqueCount(const TiLayoutSideList& List)
{
    if (List.Count() == 0)
        return 0;
    int count = 1;
    for (int i = 1; i < List.Count(); ++i)
        if (List.Strings(i).left(3).toInt() > List.Strings(i - 1).left(3).toInt())
            ++count;
    return count;
}

void TiPlotLayoutManager::UpdateSideLists()
{
    if (!FEnabled)
        return;
    if (FUpdating) {
        FUpdateOccured = true;
        return;
    }
    for (TiLayoutSideList* list : { &FTopList, &FBottomList, &FLeftList, &FRightList })
        list->Clear();
    const std::vector<TiPlotObject*> objects = FList;
    for (TiPlotObject* item : objects) {
        auto* object = static_cast<TiPlotLayoutObject*>(item);
        if (dynamic_cast<TiPlotDataView*>(object) || dynamic_cast<TiPlotDataViewLayout*>(object))
            continue;
        if (object->IsHorz()) {
            const bool top = FDataViewHorz->ZOrder() < object->ZOrder();
            object->SetReverseSide(top);
            (top ? FTopList : FBottomList).Add(SideKey(object), object);
        } else {
            const bool right = FDataViewVert->ZOrder() < object->ZOrder();
            object->SetReverseSide(right);
            (right ? FRightList : FLeftList).Add(SideKey(object), object);
        }
    }
    FTopUniqueCount = UniqueCount(FTopList);
    FBottomUniqueCount = UniqueCount(FBottomList);
    FLeftUniqueCount = UniqueCount(FLeftList);
    FRightUniqueCount = UniqueCount(FRightList);
}

void TiPlotLayoutManager::SetXYAxesReverse(bool Value)
{
    if (FXYAxesReverse == Value)
        return;
    FXYAxesReverse = Value;
    if (!FEnabled)
        return;
    // The axes in the text order of their ZOrder ("10" before "2"); equal texts: the later first.
    std::vector<std::pair<QString, TiPlotLayoutObject*>> axes;
    for (TiPlotObject* item : FList) {
        if (!dynamic_cast<TiPlotAxis*>(item))
            continue;
        auto* axis = static_cast<TiPlotLayoutObject*>(item);
        const QString key = QString::number(axis->ZOrder());
        const auto at = std::lower_bound(axes.begin(), axes.end(), key,
                                         [](const auto& entry, const QString& k) { return entry.first < k; });
        axes.insert(at, { key, axis });
    }
    for (const auto& [key, axis] : axes) {
        RemoveZOrder(axis);
        axis->SetHorizontal(dynamic_cast<TiPlotXAxis*>(axis) ? !FXYAxesReverse : FXYAxesReverse);
        InsertZOrder(axis, 0, TiInsertDirection::iidMerge);
    }
}
