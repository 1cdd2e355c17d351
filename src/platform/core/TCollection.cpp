#include "platform/core/TCollection.h"

#include "platform/core/Exception.h"
#include "platform/core/TUpdateGuard.h"

#include <algorithm>

namespace vcl {

// ---------------------------------------------------------------- TCollectionItem

TCollectionItem::TCollectionItem(TCollection* Collection)
{
    SetCollection(Collection);
}

TCollectionItem::~TCollectionItem()
{
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* Value)
{
    if (m_collection == Value)
        return;
    if (m_collection)
        m_collection->removeItem(this);
    if (Value)
        Value->insertItem(this);
}

int TCollectionItem::Index() const
{
    if (!m_collection)
        return -1;
    const auto& items = m_collection->m_items;
    const auto it = std::find(items.begin(), items.end(), this);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void TCollectionItem::SetIndex(int Value)
{
    const int current = Index();
    if (current < 0 || Value < 0 || current == Value)
        return;
    auto& items = m_collection->m_items;
    Value = std::min(Value, static_cast<int>(items.size()) - 1);
    items.erase(items.begin() + current);
    items.insert(items.begin() + Value, this);
    Changed(true);
}

QString TCollectionItem::DisplayName() const
{
    return ClassName();
}

void TCollectionItem::Changed(bool AllItems)
{
    if (m_collection && m_collection->m_updateCount == 0)
        m_collection->Update(AllItems ? nullptr : this);
}

TPersistent* TCollectionItem::GetOwner()
{
    return m_collection;
}

// ---------------------------------------------------------------- TCollection

TCollection::TCollection(ItemFactory Factory, TPersistent* Owner) : m_factory(std::move(Factory)), m_owner(Owner)
{
}

TCollection::~TCollection()
{
    m_updateCount = 1; // no Update calls into a collection that is going
    while (!m_items.empty())
        delete m_items.back();
}

TCollectionItem* TCollection::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        ListIndexError(Index);
    return m_items[static_cast<std::size_t>(Index)];
}

TCollectionItem* TCollection::Add()
{
    if (!m_factory)
        throw EInvalidOperation(QStringLiteral("Collection has no item class"));
    TCollectionItem* item = m_factory(this);
    if (item && item->m_collection != this)
        item->SetCollection(this);
    return item;
}

TCollectionItem* TCollection::Insert(int Index)
{
    TCollectionItem* item = Add();
    item->SetIndex(Index);
    return item;
}

void TCollection::Delete(int Index)
{
    TCollectionItem* item = Items(Index);
    Notify(item, TCollectionNotification::cnDeleting);
    delete item;
}

void TCollection::Clear()
{
    if (m_items.empty())
        return;
    TUpdateGuard<TCollection> guard(*this);
    while (!m_items.empty())
        delete m_items.back();
}

TCollectionItem* TCollection::FindItemID(int ID) const
{
    for (TCollectionItem* item : m_items)
        if (item->m_id == ID)
            return item;
    return nullptr;
}

void TCollection::Assign(TPersistent* Source)
{
    if (auto* source = dynamic_cast<TCollection*>(Source)) {
        if (source == this)
            return;
        TUpdateGuard<TCollection> guard(*this);
        Clear();
        for (TCollectionItem* item : source->m_items)
            Add()->Assign(item);
        return;
    }
    TPersistent::Assign(Source);
}

void TCollection::BeginUpdate()
{
    ++m_updateCount;
}

void TCollection::EndUpdate()
{
    if (m_updateCount > 0 && --m_updateCount == 0)
        Changed();
}

void TCollection::Changed()
{
    if (m_updateCount == 0)
        Update(nullptr);
}

void TCollection::insertItem(TCollectionItem* Item)
{
    Item->m_id = m_nextId++;
    m_items.push_back(Item);
    Item->m_collection = this;
    Notify(Item, TCollectionNotification::cnAdded);
    Changed();
}

void TCollection::removeItem(TCollectionItem* Item)
{
    Notify(Item, TCollectionNotification::cnExtracting);
    const auto it = std::find(m_items.begin(), m_items.end(), Item);
    if (it != m_items.end())
        m_items.erase(it);
    Item->m_collection = nullptr;
    Changed();
}

} // namespace vcl
