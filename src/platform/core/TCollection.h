#pragma once
// A list of items of one class that each know their collection, index and unique ID.

#include "platform/core/TPersistent.h"

#include <QString>
#include <functional>
#include <vector>

namespace vcl {

class TCollection;

enum class TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent
{
public:
    explicit TCollectionItem(TCollection* Collection);
    // Leaves its collection.
    ~TCollectionItem() override;

    TCollection* Collection() const { return m_collection; }
    void SetCollection(TCollection* Value);
    int ID() const { return m_id; }
    int Index() const;
    void SetIndex(int Value);
    virtual QString DisplayName() const;

protected:
    // Asks the collection to update this item, or every item when AllItems; nothing while the
    // collection is inside BeginUpdate / EndUpdate.
    void Changed(bool AllItems);
    TPersistent* GetOwner() override;

private:
    friend class TCollection;
    TCollection* m_collection { nullptr };
    int m_id { 0 };
};

class TCollection : public TPersistent
{
public:
    // Makes a new item that inserts itself into the given collection.
    using ItemFactory = std::function<TCollectionItem*(TCollection*)>;

    explicit TCollection(ItemFactory Factory, TPersistent* Owner = nullptr);
    ~TCollection() override;

    int Count() const { return static_cast<int>(m_items.size()); }
    TCollectionItem* Items(int Index) const; // EListError when out of range
    TCollectionItem* Add();
    TCollectionItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    TCollectionItem* FindItemID(int ID) const;
    // Copies another collection item by item (each new item Assigns from the source item).
    void Assign(TPersistent* Source) override;

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return m_updateCount; }
    TPersistent* Owner() const { return m_owner; }

protected:
    // Item is the changed item, or nullptr when the whole collection changed.
    virtual void Update(TCollectionItem* Item) {}
    virtual void Notify(TCollectionItem* Item, TCollectionNotification Action) {}
    void Changed();
    TPersistent* GetOwner() override { return m_owner; }

private:
    friend class TCollectionItem;
    void insertItem(TCollectionItem* Item);
    void removeItem(TCollectionItem* Item);

    ItemFactory m_factory;
    TPersistent* m_owner { nullptr };
    std::vector<TCollectionItem*> m_items;
    int m_nextId { 0 };
    int m_updateCount { 0 };
};

} // namespace vcl
