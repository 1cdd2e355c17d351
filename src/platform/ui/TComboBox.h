#pragma once
// Drop-down list with an optional edit field; OnChange follows the user's choice or typing.

#include "platform/core/TStringList.h"
#include "platform/ui/EditCharCase.h"
#include "platform/ui/TQtHostControl.h"

#include <vector>

class QComboBox;
class QKeyEvent;

namespace vcl {

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboBox : public TQtHostControl
{
public:
    explicit TComboBox(TComponent* AOwner);
    // Starts in the given style: the same box as one set to it after construction, without first
    // building the edit field of the default style (a list-only box never needs it).
    TComboBox(TComponent* AOwner, TComboBoxStyle style);
    ~TComboBox() override;

    TStrings* Items() { return &m_items; }
    void SetItems(TStrings* value) { m_items.Assign(value); }
    // -1 = none; setting it raises no event.
    int ItemIndex() const;
    void SetItemIndex(int value);
    TComboBoxStyle Style() const { return m_style; }
    void SetStyle(TComboBoxStyle value);
    int DropDownCount() const;
    void SetDropDownCount(int value);
    bool Sorted() const { return m_items.Sorted(); }
    void SetSorted(bool value) { m_items.SetSorted(value); }
    void Clear();
    // The edit field completes typed text from the items (Qt's inline completion); on by default.
    bool AutoComplete() const { return m_autoComplete; }
    void SetAutoComplete(bool value);
    // Letters typed into the edit field take this case; setting it converts the field's text (the
    // items stay as they are).
    TEditCharCase CharCase() const { return m_charCase; }
    void SetCharCase(TEditCharCase value);
    // Moving through the open list with the keyboard chooses the item at once and closes the list,
    // as a click does; otherwise the list stays open until Enter.
    bool AutoCloseUp() const { return m_autoCloseUp; }
    void SetAutoCloseUp(bool value) { m_autoCloseUp = value; }
    // Grey cue shown while the edit field is empty; list-only boxes have no edit field to show it.
    const QString& TextHint() const { return m_textHint; }
    void SetTextHint(const QString& value);

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    // The list is about to open (the items may still change).
    TNotifyEvent OnDropDown;

protected:
    QString GetTextValue() const override;
    void SetTextValue(const QString& value) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Typed text as the edit field takes it: in CharCase's case when the box is editable.
    QString TypedInCase(const QString& typed) const;
    // Hands a key already reported to `widget` (the combo or its edit field), its text in CharCase's case.
    void PassTypedKey(QWidget* widget, QKeyEvent* event);

private:
    void ItemsChanged();
    // A key in the open list: with AutoCloseUp a key that moves to another item chooses it.
    bool ListKey(QKeyEvent* event);

    QComboBox* m_combo;
    std::vector<QMetaObject::Connection> m_connections; // the combo's signals to this control
    TStringList m_items;
    TComboBoxStyle m_style { TComboBoxStyle::csDropDown };
    bool m_autoComplete { true };
    TEditCharCase m_charCase { TEditCharCase::ecNormal };
    bool m_autoCloseUp { false };
    QString m_textHint;
};

} // namespace vcl
