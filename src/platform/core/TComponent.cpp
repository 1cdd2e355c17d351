#include "platform/core/TComponent.h"

#include "platform/core/Exception.h"

#include <algorithm>

namespace vcl {

namespace {

bool isValidIdent(const QString& name)
{
    if (name.isEmpty())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
        const bool digit = c >= u'0' && c <= u'9';
        if (!(letter || (i > 0 && digit)))
            return false;
    }
    return true;
}

} // namespace

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    BeforeDestruction();
    if (m_owner)
        m_owner->RemoveComponent(this);
}

void TComponent::BeforeDestruction()
{
    if (m_teardownDone)
        return;
    m_teardownDone = true;
    Destroying();
    while (!m_freeNotifies.empty()) {
        TComponent* partner = m_freeNotifies.back();
        m_freeNotifies.pop_back();
        partner->removeNotification(this);
        partner->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
}

void TComponent::Destroying()
{
    if (m_state.Contains(TComponentStateItem::csDestroying))
        return;
    m_state << TComponentStateItem::csDestroying;
    for (TComponent* c : m_components)
        c->Destroying();
}

void TComponent::DestroyComponents()
{
    // Every removal is announced, so no sibling keeps a pointer to a freed component.
    while (!m_components.empty()) {
        TComponent* instance = m_components.back();
        RemoveComponent(instance);
        delete instance;
    }
}

void TComponent::SetName(const QString& NewName)
{
    if (m_name == NewName)
        return;
    if (!NewName.isEmpty() && !isValidIdent(NewName))
        throw EComponentError(QStringLiteral("'%s' is not a valid component name"), NewName);
    if (m_owner) {
        m_owner->validateRename(this, m_name, NewName);
        m_owner->unindexName(this);
    }
    m_name = NewName;
    if (m_owner)
        m_owner->indexName(this);
}

TComponent* TComponent::Components(int Index) const
{
    if (Index < 0 || Index >= ComponentCount())
        ListIndexError(Index);
    return m_components[static_cast<std::size_t>(Index)];
}

int TComponent::ComponentIndex() const
{
    if (!m_owner)
        return -1;
    const auto& list = m_owner->m_components;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(const QString& AName) const
{
    if (AName.isEmpty())
        return nullptr;
    TComponent* found = m_componentsByName.value(AName.toCaseFolded());
    return found && found->m_name.compare(AName, Qt::CaseInsensitive) == 0 ? found : nullptr;
}

void TComponent::indexName(TComponent* AComponent)
{
    if (!AComponent->m_name.isEmpty())
        m_componentsByName.insert(AComponent->m_name.toCaseFolded(), AComponent);
}

void TComponent::unindexName(TComponent* AComponent)
{
    if (AComponent->m_name.isEmpty())
        return;
    const auto it = m_componentsByName.constFind(AComponent->m_name.toCaseFolded());
    if (it != m_componentsByName.cend() && it.value() == AComponent)
        m_componentsByName.erase(it);
}

void TComponent::InsertComponent(TComponent* AComponent)
{
    if (!AComponent || AComponent->m_owner == this)
        return;
    validateRename(AComponent, QString(), AComponent->m_name);
    if (AComponent->m_owner)
        AComponent->m_owner->RemoveComponent(AComponent);
    insert(AComponent);
    Notification(AComponent, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
    if (!AComponent || AComponent->m_owner != this)
        return;
    Notification(AComponent, TOperation::opRemove);
    remove(AComponent);
}

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (!AComponent || AComponent == this)
        return;
    if (std::find(m_freeNotifies.begin(), m_freeNotifies.end(), AComponent) == m_freeNotifies.end()) {
        m_freeNotifies.push_back(AComponent);
        AComponent->FreeNotification(this);
    }
    m_state << TComponentStateItem::csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    if (!AComponent)
        return;
    removeNotification(AComponent);
    AComponent->removeNotification(this);
}

void TComponent::Loading()
{
    m_state << TComponentStateItem::csLoading;
}

void TComponent::Loaded()
{
    m_state >> TComponentStateItem::csLoading;
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove && AComponent)
        RemoveFreeNotification(AComponent);
    // Walk by index: a receiver may free components while it is told.
    for (int i = ComponentCount() - 1; i >= 0; --i) {
        if (i >= ComponentCount())
            continue;
        m_components[static_cast<std::size_t>(i)]->Notification(AComponent, Operation);
    }
}

void TComponent::SetComponentStateFlag(TComponentStateItem item, bool on)
{
    if (item == TComponentStateItem::csDesigning)
        return;
    if (on)
        m_state << item;
    else
        m_state >> item;
}

void TComponent::insert(TComponent* AComponent)
{
    m_components.push_back(AComponent);
    AComponent->m_owner = this;
    indexName(AComponent);
}

void TComponent::remove(TComponent* AComponent)
{
    const auto it = std::find(m_components.begin(), m_components.end(), AComponent);
    if (it != m_components.end())
        m_components.erase(it);
    unindexName(AComponent);
    AComponent->m_owner = nullptr;
}

void TComponent::removeNotification(TComponent* AComponent)
{
    const auto it = std::find(m_freeNotifies.begin(), m_freeNotifies.end(), AComponent);
    if (it != m_freeNotifies.end())
        m_freeNotifies.erase(it);
}

void TComponent::validateRename(TComponent* AComponent, const QString& CurName, const QString& NewName) const
{
    if (!AComponent || NewName.isEmpty() || CurName.compare(NewName, Qt::CaseInsensitive) == 0)
        return;
    const TComponent* existing = FindComponent(NewName);
    if (existing && existing != AComponent)
        throw EComponentError(QStringLiteral("A component named %s already exists"), NewName);
}

} // namespace vcl
