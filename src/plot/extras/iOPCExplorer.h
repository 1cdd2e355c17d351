#pragma once
// A small tool window listing the OPC client library's server connections under one root and
// offering an (empty) root for groups. One at most per process, shown by TiOPCManager::ExplorerShow.

#include "platform/ui/TForm.h"

#include <memory>

namespace vcl {
class TImageList;
class TTreeNode;
class TTreeView;
}

class TiOPCExplorerForm : public vcl::TForm
{
public:
    explicit TiOPCExplorerForm(vcl::TComponent* AOwner);
    ~TiOPCExplorerForm() override;

    // Rebuilds the tree from the library; raises "Zarvik OPC DLL Not Found." without it, after
    // the two roots are in place.
    void Refresh();

    vcl::TTreeView* TreeView() const { return FTreeView; }
    vcl::TImageList* ImageList() const { return FImageList.get(); }
    vcl::TTreeNode* ServersTreeNode() const { return FServersTreeNode; }
    vcl::TTreeNode* GroupsTreeNode() const { return FGroupsTreeNode; }

private:
    vcl::TTreeView* FTreeView { nullptr };
    std::unique_ptr<vcl::TImageList> FImageList;
    vcl::TTreeNode* FServersTreeNode { nullptr };
    vcl::TTreeNode* FGroupsTreeNode { nullptr };
};
