#pragma once
// A named, owned object: its owner frees it, and it tells interested components when it goes.

#include "platform/core/TPersistent.h"
#include "platform/core/TSet.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <vector>

namespace vcl {

enum class TOperation { opInsert, opRemove };

enum class TComponentStateItem {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning, // never set: there is no designer
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance
};
using TComponentState = TSet<TComponentStateItem>;

class TComponent : public TPersistent
{
public:
    explicit TComponent(TComponent* AOwner);
    // Tells every free-notification partner, frees the owned components (last first), then
    // leaves the owner, which tells its other components.
    ~TComponent() override;

    TComponent* Owner() const { return m_owner; }
    const QString& Name() const { return m_name; }
    // Raises EComponentError when the name is not an identifier or another component of the
    // same owner already has it (compared without case).
    virtual void SetName(const QString& NewName);
    std::intptr_t Tag() const { return m_tag; }
    void SetTag(std::intptr_t value) { m_tag = value; }
    TComponentState ComponentState() const { return m_state; }

    int ComponentCount() const { return static_cast<int>(m_components.size()); }
    TComponent* Components(int Index) const; // EListError when out of range
    int ComponentIndex() const;               // position in the owner's list, -1 without owner

    // The owned component with this name, compared without case; nullptr when none or empty.
    TComponent* FindComponent(const QString& AName) const;

    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    void DestroyComponents();

    // AComponent is told (Notification opRemove) when this component is destroyed, and the
    // other way round; each side forgets the other when it receives that notice.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Sets csLoading; Loaded clears it. Forms built in code call both around their set-up.
    void Loading();
    virtual void Loaded();

    // Sets csDestroying and sends the free notifications and frees the owned components at
    // once. A derived destructor may call it first so that partners and owned components go
    // while the derived part still exists; the base destructor calls it otherwise.
    void BeforeDestruction();
    void Destroying();

    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }

protected:
    // Called on the owner (and forwarded to all its components) when a component is inserted
    // or removed, and on free-notification partners when one is destroyed. During a component's
    // destruction the pointer received may only be compared, never used.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    TPersistent* GetOwner() override { return m_owner; }
    void SetComponentStateFlag(TComponentStateItem item, bool on);

private:
    void insert(TComponent* AComponent);
    void remove(TComponent* AComponent);
    void removeNotification(TComponent* AComponent);
    void validateRename(TComponent* AComponent, const QString& CurName, const QString& NewName) const;
    void indexName(TComponent* AComponent);
    void unindexName(TComponent* AComponent);

    TComponent* m_owner { nullptr };
    QString m_name;
    std::intptr_t m_tag { 0 };
    TComponentState m_state;
    std::vector<TComponent*> m_components;
    // The named ones among them by case-folded name: a window of a thousand controls looks its
    // names up, and checks each new one, without walking the list.
    QHash<QString, TComponent*> m_componentsByName;
    std::vector<TComponent*> m_freeNotifies;
    bool m_teardownDone { false };
};

} // namespace vcl
