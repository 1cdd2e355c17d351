#include "platform/ui/TTreeView.h"

#include "platform/core/Exception.h"
#include "platform/ui/TImageList.h"

#include <QHeaderView>
#include <QPixmap>
#include <QTreeWidget>

#include <algorithm>

namespace vcl {

TTreeNode::TTreeNode(TTreeView& Owner, TTreeNode* Parent, const QString& Text)
    : m_owner(Owner), m_parent(Parent), m_text(Text)
{
}

TTreeNode* TTreeNode::Item(int Index) const
{
    if (Index < 0 || Index >= Count())
        ListIndexError(Index);
    return m_children[static_cast<std::size_t>(Index)].get();
}

void TTreeNode::SetImageIndex(int Value)
{
    m_imageIndex = Value;
    m_owner.ShowPicture(*this);
}

void TTreeNode::SetSelectedIndex(int Value) { m_selectedIndex = Value; }

TTreeView::TTreeView(TComponent* AOwner) : TQtHostControl(AOwner), m_tree(new QTreeWidget)
{
    Host(m_tree);
    SetBounds(0, 0, 121, 97);
    SetParentColor(false);
    SetColor(clWindow);
    m_tree->setColumnCount(1);
    m_tree->header()->hide();
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

TTreeView::~TTreeView()
{
    BeforeDestruction();
}

TTreeNode* TTreeView::AddChild(TTreeNode* Parent, const QString& Text)
{
    std::vector<std::unique_ptr<TTreeNode>>& siblings = Parent ? Parent->m_children : m_roots;
    auto at = siblings.end();
    if (m_sortType == TSortType::stText || m_sortType == TSortType::stBoth)
        at = std::upper_bound(siblings.begin(), siblings.end(), Text,
                              [](const QString& text, const std::unique_ptr<TTreeNode>& node) {
                                  return QString::compare(text, node->Text(), Qt::CaseInsensitive) < 0;
                              });
    const int row = static_cast<int>(at - siblings.begin());
    auto node = std::unique_ptr<TTreeNode>(new TTreeNode(*this, Parent, Text));
    node->m_item = new QTreeWidgetItem(QStringList { Text });
    if (Parent) {
        Parent->m_item->insertChild(row, node->m_item);
        Parent->m_item->setExpanded(true);
    } else {
        m_tree->insertTopLevelItem(row, node->m_item);
    }
    TTreeNode* result = node.get();
    siblings.insert(at, std::move(node));
    return result;
}

void TTreeView::Clear()
{
    m_tree->clear();
    m_roots.clear();
}

TTreeNode* TTreeView::Top(int Index) const
{
    if (Index < 0 || Index >= TopCount())
        ListIndexError(Index);
    return m_roots[static_cast<std::size_t>(Index)].get();
}

void TTreeView::SetImages(TImageList* Value)
{
    m_images = Value;
    for (const auto& root : m_roots)
        ShowPictures(*root);
}

void TTreeView::ShowPicture(TTreeNode& Node)
{
    const bool shown = m_images && Node.m_imageIndex >= 0 && Node.m_imageIndex < m_images->Count();
    Node.m_item->setIcon(0, shown ? QIcon(QPixmap::fromImage(m_images->Image(Node.m_imageIndex))) : QIcon());
}

void TTreeView::ShowPictures(TTreeNode& Node)
{
    ShowPicture(Node);
    for (const auto& child : Node.m_children)
        ShowPictures(*child);
}

} // namespace vcl
