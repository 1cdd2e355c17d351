#pragma once
// Menu items, the main menu a form shows above its client area, and pop-up menus.

#include "platform/core/Events.h"
#include "platform/core/TComponent.h"

#include <QPointer>

#include <memory>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace vcl {

class TForm;

// One item; a caption "-" makes a separator. Items with sub-items open a sub-menu.
class TMenuItem : public TComponent
{
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    int Count() const { return static_cast<int>(m_items.size()); }
    TMenuItem* Items(int Index) const;
    TMenuItem* Parent() const { return m_parent; }
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    // Takes the item out without freeing it.
    void Remove(TMenuItem* Item);
    int IndexOf(const TMenuItem* Item) const;

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& value);
    bool Checked() const { return m_checked; }
    // A checked radio item unchecks the radio items of its group among its siblings.
    void SetChecked(bool value);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value);
    bool Visible() const { return m_visible; }
    void SetVisible(bool value);
    bool RadioItem() const { return m_radioItem; }
    void SetRadioItem(bool value);
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int value) { m_groupIndex = value; }
    bool AutoCheck() const { return m_autoCheck; }
    void SetAutoCheck(bool value) { m_autoCheck = value; }
    bool IsLine() const { return m_caption == QLatin1String("-"); }

    // As a choice of the item: AutoCheck toggles Checked, then OnClick.
    virtual void Click();

    TNotifyEvent OnClick;

    QAction* Action() const { return m_action.get(); }
    // Where the sub-items' actions go (a menu bar or pop-up for the root item).
    void SetContainer(QWidget* container);

private:
    void AttachChild(TMenuItem* item, int index);
    QWidget* ContainerForChildren();
    void UpdateAction();
    // Gives every child without an accelerator ("&" before a character) the first letter or digit
    // of its caption that no sibling uses yet, as the shown text (the caption stays as set).
    void UpdateHotkeys();

    TMenuItem* m_parent { nullptr };
    std::vector<TMenuItem*> m_items;
    std::unique_ptr<QAction> m_action;
    std::unique_ptr<QMenu> m_subMenu;
    QPointer<QWidget> m_container;
    QString m_caption;
    bool m_checked { false };
    bool m_enabled { true };
    bool m_visible { true };
    bool m_radioItem { false };
    bool m_autoCheck { false };
    int m_groupIndex { 0 };
};

class TMenu : public TComponent
{
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;
    // The invisible root whose sub-items are the menu's top level.
    TMenuItem* Items() const { return m_items.get(); }

private:
    std::unique_ptr<TMenuItem> m_items;
};

// Shown as a menu bar by the form it is assigned to (TForm::SetMenu).
class TMainMenu : public TMenu
{
public:
    explicit TMainMenu(TComponent* AOwner);
    ~TMainMenu() override;
    void AttachTo(TForm* form);

private:
    QPointer<QMenuBar> m_bar;
    TForm* m_form { nullptr };
};

class TPopupMenu : public TMenu
{
public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;

    // OnPopup, then shows the menu at the screen point until the user chooses or leaves it.
    virtual void Popup(int X, int Y);

    TNotifyEvent OnPopup;
    TComponent* PopupComponent() const { return m_popupComponent; }
    void SetPopupComponent(TComponent* value) { m_popupComponent = value; }

private:
    std::unique_ptr<QMenu> m_menu;
    TComponent* m_popupComponent { nullptr };
};

} // namespace vcl
