#include "platform/ui/TListBox.h"

#include "platform/ui/EventGuard.h"

#include <QListWidget>

namespace vcl {

TListBox::TListBox(TComponent* AOwner) : TQtHostControl(AOwner), m_list(new QListWidget)
{
    Host(m_list);
    SetBounds(0, 0, 121, 97);
    SetParentColor(false);
    SetColor(clWindow);
    m_list->setUniformItemSizes(true);
    m_items.OnChange = [this](TObject*) { ItemsChanged(); };
    QObject::connect(m_list, &QListWidget::itemClicked, [this] {
        if (!m_syncing)
            Guarded([this] { Click(); }, this);
    });
    QObject::connect(m_list, &QListWidget::itemDoubleClicked, [this] {
        if (!m_syncing)
            Guarded([this] { DblClick(); }, this);
    });
}

TListBox::~TListBox()
{
    BeforeDestruction();
}

// Keeps the selection index where it still exists, as the native list keeps its own.
void TListBox::ItemsChanged()
{
    TFlagGuard sync(m_syncing);
    const int index = m_list->currentRow();
    const int count = m_items.Count();
    // Cheap paths for the common edits: one item added at the end, or everything cleared.
    if (count == m_list->count() + 1) {
        bool prefix = true;
        for (int i = 0; i < m_list->count() && prefix; ++i)
            prefix = m_list->item(i)->text() == m_items.Get(i);
        if (prefix) {
            m_list->addItem(m_items.Get(count - 1));
            return;
        }
    }
    m_list->clear();
    m_list->addItems(m_items.ToStringList());
    m_list->setCurrentRow(index < count ? index : -1);
}

int TListBox::ItemIndex() const
{
    const auto selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.first());
}

void TListBox::SetItemIndex(int value)
{
    TFlagGuard sync(m_syncing);
    if (value < 0 || value >= m_list->count()) {
        m_list->setCurrentRow(-1);
        m_list->clearSelection();
        return;
    }
    m_list->setCurrentRow(value);
    m_list->scrollToItem(m_list->item(value));
}

int TListBox::TopIndex() const
{
    QListWidgetItem* item = m_list->itemAt(1, 1);
    return item ? m_list->row(item) : 0;
}

void TListBox::SetTopIndex(int value)
{
    if (QListWidgetItem* item = m_list->item(value))
        m_list->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

} // namespace vcl
