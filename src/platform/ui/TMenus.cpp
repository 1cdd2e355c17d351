#include "platform/ui/TMenus.h"

#include "platform/core/Exception.h"
#include "platform/ui/EventGuard.h"
#include "platform/ui/TForm.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace vcl {

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), m_action(std::make_unique<QAction>())
{
    QObject::connect(m_action.get(), &QAction::triggered, [this] {
        // Qt flips a checkable action itself; Checked belongs to the item.
        m_action->setChecked(m_checked);
        Guarded([this] { Click(); }, this);
    });
}

TMenuItem::~TMenuItem()
{
    BeforeDestruction();
    while (!m_items.empty()) {
        TMenuItem* child = m_items.back();
        Remove(child);
        if (!child->Owner())
            delete child;
    }
    if (m_parent)
        m_parent->Remove(this);
}

TMenuItem* TMenuItem::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        ListIndexError(Index);
    return m_items[static_cast<std::size_t>(Index)];
}

void TMenuItem::Add(TMenuItem* Item)
{
    Insert(Count(), Item);
}

void TMenuItem::Insert(int Index, TMenuItem* Item)
{
    if (!Item)
        return;
    if (Item->m_parent)
        throw EInvalidOperation(QStringLiteral("Menu inserted twice"));
    Index = std::clamp(Index, 0, Count());
    m_items.insert(m_items.begin() + Index, Item);
    Item->m_parent = this;
    AttachChild(Item, Index);
    UpdateHotkeys();
}

void TMenuItem::Remove(TMenuItem* Item)
{
    auto it = std::find(m_items.begin(), m_items.end(), Item);
    if (it == m_items.end())
        return;
    m_items.erase(it);
    Item->m_parent = nullptr;
    if (m_container)
        m_container->removeAction(Item->Action());
}

int TMenuItem::IndexOf(const TMenuItem* Item) const
{
    auto it = std::find(m_items.begin(), m_items.end(), Item);
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

QWidget* TMenuItem::ContainerForChildren()
{
    if (m_container)
        return m_container;
    if (!m_parent)
        return nullptr; // a root waits for its menu bar or pop-up
    m_subMenu = std::make_unique<QMenu>();
    m_action->setMenu(m_subMenu.get());
    m_container = m_subMenu.get();
    return m_container;
}

void TMenuItem::AttachChild(TMenuItem* item, int index)
{
    QWidget* container = ContainerForChildren();
    if (!container)
        return;
    QAction* before = index + 1 < Count() ? m_items[static_cast<std::size_t>(index) + 1]->Action() : nullptr;
    container->insertAction(before, item->Action());
}

void TMenuItem::SetContainer(QWidget* container)
{
    if (m_container)
        for (TMenuItem* item : m_items)
            m_container->removeAction(item->Action());
    m_container = container;
    if (container)
        for (TMenuItem* item : m_items)
            container->addAction(item->Action());
}

void TMenuItem::SetCaption(const QString& value)
{
    m_caption = value;
    if (m_parent)
        m_parent->UpdateHotkeys();
    else
        UpdateAction();
}

namespace {

// The accelerator character of a caption ("&F" gives 'F'), or a null character.
QChar AcceleratorOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            return caption[i + 1].toUpper();
        ++i; // "&&" is a plain "&"
    }
    return {};
}

bool CanBeHotkey(QChar c)
{
    return c.unicode() < 128 && c.isLetterOrNumber();
}

} // namespace

void TMenuItem::UpdateHotkeys()
{
    QString taken;
    for (TMenuItem* item : m_items)
        if (QChar a = AcceleratorOf(item->m_caption); !a.isNull())
            taken += a;
    for (TMenuItem* item : m_items) {
        item->UpdateAction();
        if (item->IsLine() || !AcceleratorOf(item->m_caption).isNull())
            continue;
        const QString& caption = item->m_caption;
        for (qsizetype i = 0; i < caption.size(); ++i) {
            const QChar c = caption[i].toUpper();
            if (CanBeHotkey(c) && !taken.contains(c)) {
                taken += c;
                item->m_action->setText(QString(caption).insert(i, u'&'));
                break;
            }
        }
    }
}

void TMenuItem::SetChecked(bool value)
{
    m_checked = value;
    UpdateAction();
    if (value && m_radioItem && m_parent)
        for (TMenuItem* sibling : m_parent->m_items)
            if (sibling != this && sibling->m_radioItem && sibling->m_groupIndex == m_groupIndex && sibling->m_checked)
                sibling->SetChecked(false);
}

void TMenuItem::SetEnabled(bool value)
{
    m_enabled = value;
    UpdateAction();
}

void TMenuItem::SetVisible(bool value)
{
    m_visible = value;
    UpdateAction();
}

void TMenuItem::SetRadioItem(bool value)
{
    m_radioItem = value;
    UpdateAction();
}

void TMenuItem::UpdateAction()
{
    // A separator has no text: some styles would draw its "-" as a heading.
    m_action->setSeparator(IsLine());
    m_action->setText(IsLine() ? QString() : m_caption);
    m_action->setCheckable(m_checked || m_radioItem);
    m_action->setChecked(m_checked);
    m_action->setEnabled(m_enabled);
    m_action->setVisible(m_visible);
}

void TMenuItem::Click()
{
    if (m_autoCheck)
        SetChecked(!m_checked);
    if (OnClick)
        OnClick(this);
}

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), m_items(std::make_unique<TMenuItem>(nullptr)) {}

TMenu::~TMenu()
{
    BeforeDestruction();
}

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

TMainMenu::~TMainMenu()
{
    BeforeDestruction();
    Items()->SetContainer(nullptr);
    if (m_form && m_bar && m_form->Menu() == this)
        m_form->SetMenuBar(nullptr);
    delete m_bar.data();
}

void TMainMenu::AttachTo(TForm* form)
{
    if (m_form == form)
        return;
    if (!m_bar)
        m_bar = new QMenuBar;
    m_form = form;
    Items()->SetContainer(m_bar);
    if (form)
        form->SetMenuBar(m_bar);
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner), m_menu(std::make_unique<QMenu>())
{
    Items()->SetContainer(m_menu.get());
}

TPopupMenu::~TPopupMenu()
{
    BeforeDestruction();
    Items()->SetContainer(nullptr);
}

void TPopupMenu::Popup(int X, int Y)
{
    if (OnPopup)
        OnPopup(this);
    m_menu->exec(QPoint(X, Y));
}

} // namespace vcl
