#pragma once
// Drop-down list with an optional edit field; OnChange follows the user's choice or typing.

#include "platform/core/TStringList.h"
#include "platform/ui/TQtHostControl.h"

class QComboBox;

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

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    // The list is about to open (the items may still change).
    TNotifyEvent OnDropDown;

protected:
    QString GetTextValue() const override;
    void SetTextValue(const QString& value) override;

private:
    void ItemsChanged();

    QComboBox* m_combo;
    TStringList m_items;
    TComboBoxStyle m_style { TComboBoxStyle::csDropDown };
    bool m_autoComplete { true };
};

} // namespace vcl
