#pragma once
// A tree of text nodes with pictures from an image list: nodes are added under a parent or at the
// top, kept in text order when the view sorts, and shown read-only or editable.

#include "platform/ui/TQtHostControl.h"

#include <QString>

#include <memory>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace vcl {

class TImageList;
class TTreeView;

enum class TSortType { stNone, stData, stText, stBoth };

class TTreeNode
{
public:
    const QString& Text() const { return m_text; }
    TTreeNode* Parent() const { return m_parent; }
    int Count() const { return static_cast<int>(m_children.size()); }
    // The child at Index; EListError "List index out of bounds (<index>)" outside 0..Count - 1.
    TTreeNode* Item(int Index) const;
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int Value);
    int SelectedIndex() const { return m_selectedIndex; }
    void SetSelectedIndex(int Value);

private:
    friend class TTreeView;
    TTreeNode(TTreeView& Owner, TTreeNode* Parent, const QString& Text);

    TTreeView& m_owner;
    TTreeNode* m_parent;
    QString m_text;
    int m_imageIndex { -1 };
    int m_selectedIndex { -1 };
    QTreeWidgetItem* m_item { nullptr };
    std::vector<std::unique_ptr<TTreeNode>> m_children;
};

class TTreeView : public TQtHostControl
{
public:
    explicit TTreeView(TComponent* AOwner);
    ~TTreeView() override;

    // A new node at the top level (Parent nullptr) or under Parent; with stText or stBoth it takes
    // its place in text order among its siblings, else it goes last.
    TTreeNode* AddChild(TTreeNode* Parent, const QString& Text);
    void Clear();
    // The nodes at the top level.
    int TopCount() const { return static_cast<int>(m_roots.size()); }
    TTreeNode* Top(int Index) const;

    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool Value) { m_readOnly = Value; }
    TSortType SortType() const { return m_sortType; }
    void SetSortType(TSortType Value) { m_sortType = Value; }
    // Not owned; the pictures of the nodes' ImageIndex.
    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* Value);

private:
    friend class TTreeNode;
    void ShowPicture(TTreeNode& Node);
    void ShowPictures(TTreeNode& Node);

    QTreeWidget* m_tree;
    std::vector<std::unique_ptr<TTreeNode>> m_roots;
    bool m_readOnly { false };
    TSortType m_sortType { TSortType::stNone };
    TImageList* m_images { nullptr };
};

} // namespace vcl
