#pragma once
// A list of strings with one selected item; OnClick follows the user's selection.

#include "platform/core/TStringList.h"
#include "platform/ui/TQtHostControl.h"

class QListWidget;

namespace vcl {

class TListBox : public TQtHostControl
{
public:
    explicit TListBox(TComponent* AOwner);
    ~TListBox() override;

    TStrings* Items() { return &m_items; }
    void SetItems(TStrings* value) { m_items.Assign(value); }
    int Count() const { return m_items.Count(); }
    // -1 = none; setting it raises no event and scrolls the item into view.
    int ItemIndex() const;
    void SetItemIndex(int value);
    int TopIndex() const;
    void SetTopIndex(int value);
    bool Sorted() const { return m_items.Sorted(); }
    void SetSorted(bool value) { m_items.SetSorted(value); }
    void Clear() { m_items.Clear(); }

private:
    void ItemsChanged();

    QListWidget* m_list;
    TStringList m_items;
};

} // namespace vcl
