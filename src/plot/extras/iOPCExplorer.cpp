#include "plot/extras/iOPCExplorer.h"

#include "plot/extras/iOPCBinding.h"

#include "platform/ui/TBitmap.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TTreeView.h"

using namespace vcl;

namespace {

enum Picture { ServersPicture, GroupsPicture, ServerPicture };

// A small server box: grey case, two drive slots and a green lamp.
void DrawServer(TCanvas* Canvas, int Left, int Top)
{
    Canvas->Pen()->SetColor(TColor(0x404040));
    Canvas->Brush()->SetColor(TColor(0xC0C0C0));
    Canvas->Rectangle(Left, Top, Left + 9, Top + 12);
    Canvas->Pen()->SetColor(TColor(0x606060));
    for (int y : { Top + 3, Top + 6 }) {
        Canvas->MoveTo(Left + 2, y);
        Canvas->LineTo(Left + 7, y);
    }
    Canvas->Pen()->SetColor(TColor(0x00A000));
    Canvas->Brush()->SetColor(TColor(0x00D000));
    Canvas->Rectangle(Left + 5, Top + 8, Left + 7, Top + 10);
}

QImage ExplorerPicture(Picture Which)
{
    TBitmap bitmap;
    bitmap.SetSize(16, 16); // white: the list's mask colour
    TCanvas* c = bitmap.Canvas();
    switch (Which) {
    case ServersPicture: // two servers joined by a cable
        DrawServer(c, 0, 1);
        DrawServer(c, 7, 3);
        c->Pen()->SetColor(TColor(0x800000));
        c->MoveTo(4, 14);
        c->LineTo(4, 15);
        c->LineTo(12, 15);
        break;
    case GroupsPicture: // a folder
        c->Pen()->SetColor(TColor(0x006080));
        c->Brush()->SetColor(TColor(0x40C0F0));
        c->Polygon({ TPoint(1, 4), TPoint(6, 4), TPoint(7, 5), TPoint(14, 5), TPoint(14, 13), TPoint(1, 13) });
        break;
    case ServerPicture:
        DrawServer(c, 3, 2);
        break;
    }
    return bitmap.Image().copy();
}

} // namespace

TiOPCExplorerForm::TiOPCExplorerForm(TComponent* AOwner) : TForm(AOwner), FImageList(std::make_unique<TImageList>())
{
    SetName(QStringLiteral("iOPCExplorerForm"));
    SetCaption(QStringLiteral("Zarvik OPC Explorer"));
    SetBounds(0, 0, 256, 319);
    setMinimumSize(250, 300);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
    SetPosition(TPosition::poScreenCenter);
    for (Picture p : { ServersPicture, GroupsPicture, ServerPicture })
        FImageList->Add(ExplorerPicture(p));

    FTreeView = new TTreeView(this);
    FTreeView->SetName(QStringLiteral("TreeView"));
    FTreeView->SetParent(this);
    FTreeView->SetAlign(TAlign::alClient);
    FTreeView->SetReadOnly(true);
    FTreeView->SetSortType(TSortType::stText);
    FTreeView->SetImages(FImageList.get());
}

TiOPCExplorerForm::~TiOPCExplorerForm() = default;

void TiOPCExplorerForm::Refresh()
{
    FTreeView->Clear();
    FServersTreeNode = FTreeView->AddChild(nullptr, QStringLiteral("Servers Connections"));
    FServersTreeNode->SetImageIndex(ServersPicture);
    FServersTreeNode->SetSelectedIndex(ServersPicture);
    FGroupsTreeNode = FTreeView->AddChild(nullptr, QStringLiteral("Groups"));
    FGroupsTreeNode->SetImageIndex(GroupsPicture);
    FGroupsTreeNode->SetSelectedIndex(GroupsPicture);
    TiOPCBinding& binding = TiOPCBinding::Instance();
    const int count = binding.ServerConnectionGetCount();
    for (int i = 0; i < count; ++i) {
        TTreeNode* server = FTreeView->AddChild(FServersTreeNode, binding.ServerConnectionGetName(i));
        server->SetImageIndex(ServerPicture);
        server->SetSelectedIndex(ServerPicture);
    }
}
