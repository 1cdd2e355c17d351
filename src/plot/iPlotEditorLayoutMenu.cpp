// The Layout page's popup menu: axes reversal, new axes and labels, and the object last pressed
// on the layout viewer (delete, show or hide, edit on its own page).

#include "plot/iPlotEditorForm.h"

#include "plot/iPlotAxis.h"
#include "plot/iPlotDataView.h"
#include "plot/iPlotLabel.h"
#include "plot/iPlotMasterManager.h"
#include "plot/iPlotTable.h"

#include <utility>

using namespace vcl;

namespace {

// The items belong to the form, which finds them by name.
TMenuItem* AddItem(TPopupMenu* Menu, const QString& Name, const QString& Caption, std::function<void()> Action)
{
    auto* item = new TMenuItem(Menu->Owner());
    item->SetName(Name);
    item->SetCaption(Caption);
    if (Action)
        item->OnClick = [Action](TObject*) { Action(); };
    Menu->Items()->Add(item);
    return item;
}

} // namespace

void TiPlotEditorForm::BuildLayoutPopupMenu()
{
    FLayoutPopupMenu = new TPopupMenu(this);
    FLayoutPopupMenu->SetName(QStringLiteral("LayoutPopupMenu"));
    AddItem(FLayoutPopupMenu, QStringLiteral("LayoutXYAxesReverseMenuItem"), QStringLiteral("XY-Axes Reverse"), [this] {
        if (Master)
            Master->SetXYAxesReverse(!Master->XYAxesReverse());
    });
    AddItem(FLayoutPopupMenu, QStringLiteral("LayoutSeparator1MenuItem"), QStringLiteral("-"), nullptr);
    AddItem(FLayoutPopupMenu, QStringLiteral("LayoutAddXAxisMenuItem"), QStringLiteral("Add X-Axis"), [this] {
        if (Master)
            Master->AddXAxis();
    });
    AddItem(FLayoutPopupMenu, QStringLiteral("LayoutAddYAxisMenuItem"), QStringLiteral("Add Y-Axis"), [this] {
        if (Master)
            Master->AddYAxis();
    });
    AddItem(FLayoutPopupMenu, QStringLiteral("LayoutAddLabelMenuItem"), QStringLiteral("Add Label"), [this] {
        if (Master)
            Master->AddLabel();
    });
    AddItem(FLayoutPopupMenu, QStringLiteral("LayoutSeparator2MenuItem"), QStringLiteral("-"), nullptr);
    AddItem(FLayoutPopupMenu, QStringLiteral("LayoutDeleteMenuItem"), QStringLiteral("Delete"), [this] { LayoutDelete(); });
    AddItem(FLayoutPopupMenu, QStringLiteral("LayoutVisibleMenuItem"), QStringLiteral("Visible"),
            [this] { LayoutToggleVisible(); });
    AddItem(FLayoutPopupMenu, QStringLiteral("LayoutEditMenuItem"), QStringLiteral("Edit"), [this] { LayoutEdit(); });
    FLayoutPopupMenu->OnPopup = [this](TObject*) { LayoutPopupMenuPopup(); };
}

void TiPlotEditorForm::LayoutPopupMenuPopup()
{
    TiPlotObject* object = FRightClickObject;
    auto item = [this](const char* Name) { return Control<TMenuItem>(QString::fromLatin1(Name)); };
    item("LayoutXYAxesReverseMenuItem")->SetChecked(Master && Master->XYAxesReverse());
    const bool deletable = dynamic_cast<TiPlotAxis*>(object) || dynamic_cast<TiPlotTable*>(object)
        || (dynamic_cast<TiPlotLabel*>(object) && Master && Master->LabelManager()->GetIndex(object) != 0);
    item("LayoutDeleteMenuItem")->SetEnabled(deletable);
    item("LayoutVisibleMenuItem")->SetEnabled(object && !dynamic_cast<TiPlotDataView*>(object));
    item("LayoutVisibleMenuItem")->SetChecked(object && object->Visible());
    item("LayoutEditMenuItem")->SetEnabled(object != nullptr);
}

void TiPlotEditorForm::LayoutDelete()
{
    TiPlotObject* object = std::exchange(FRightClickObject, nullptr);
    if (!object)
        return;
    TiPlotObject::Free(object);
    UpdateAll();
}

void TiPlotEditorForm::LayoutToggleVisible()
{
    if (!FRightClickObject)
        return;
    FRightClickObject->SetVisible(!FRightClickObject->Visible());
    UpdateAll();
}

// Shows the object's page with the object selected; a table has no such way here.
void TiPlotEditorForm::LayoutEdit()
{
    if (!FRightClickObject)
        return;
    const TiEditorObjectKind kind = KindOf(FRightClickObject);
    switch (kind) {
    case TiEditorObjectKind::XAxis:
    case TiEditorObjectKind::YAxis:
    case TiEditorObjectKind::Legend:
    case TiEditorObjectKind::ToolBar:
    case TiEditorObjectKind::Label:
    case TiEditorObjectKind::DataView: break;
    default: return;
    }
    TiComponentEditorListBox* list = ListBox(kind);
    list->SetItemIndex(list->Items()->IndexOfObject(FRightClickObject));
    Control<TiComponentEditorPageControl>(QStringLiteral("MainPageControl"))->SetActivePage(MainPage(kind));
    UpdateEdit(kind);
}
