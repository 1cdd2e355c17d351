#pragma once
// The plot's run-time property editor: one dialog with a page for the plot's own settings, its
// layout and each kind of plot object. Each list page edits the object selected in its list; a
// change the user makes is written into that object at once and the pages are refreshed.

#include "plot/iEditorBasicComponents.h"
#include "plot/iEditorPickers.h"
#include "plot/iPlotEditorPage.h"

#include "platform/ui/TMenus.h"

#include <array>
#include <functional>
#include <memory>

class TiPlotComponent;
class TiPlotLayoutViewer;
class TiPlotMasterManager;
class TiPlotObject;
class TiPlotObjectManagerCustom;

// The object kinds the editor has a page and a list for, in the order UpdateAll loads them.
enum class TiEditorObjectKind { ToolBar, Legend, XAxis, YAxis, Channel, DataView, DataCursor, Limit, Label, Table, Count };

class TiPlotEditorForm : public TiCustomEditorForm
{
public:
    explicit TiPlotEditorForm(vcl::TComponent* AOwner);
    ~TiPlotEditorForm() override;

    TiPlotMasterManager* Master { nullptr };
    TiPlotComponent* PlotComponent { nullptr };
    bool IsClosing() const { return FIsClosing; }

    // --- called by the master manager ---
    void UpdateAll();
    void UpdateToolBarEdit() { UpdateEdit(TiEditorObjectKind::ToolBar); }
    void UpdateLegendEdit() { UpdateEdit(TiEditorObjectKind::Legend); }
    void UpdateXAxesEdit() { UpdateEdit(TiEditorObjectKind::XAxis); }
    void UpdateYAxesEdit() { UpdateEdit(TiEditorObjectKind::YAxis); }
    void UpdateChannelEdit() { UpdateEdit(TiEditorObjectKind::Channel); }
    void UpdateDataViewEdit() { UpdateEdit(TiEditorObjectKind::DataView); }
    void UpdateDataCursorEdit() { UpdateEdit(TiEditorObjectKind::DataCursor); }
    void UpdateLimitEdit() { UpdateEdit(TiEditorObjectKind::Limit); }
    void UpdateLabelEdit() { UpdateEdit(TiEditorObjectKind::Label); }
    void UpdateTableEdit() { UpdateEdit(TiEditorObjectKind::Table); }
    void UpdateEdit(TiEditorObjectKind Kind);
    // Refill a name combo box with "<None>" and the names of the kind, keeping its choice.
    void XAxisNameComboBoxDropDown(TiComponentEditorComboBox* Combo);
    void YAxisNameComboBoxDropDown(TiComponentEditorComboBox* Combo);
    void ChannelNameComboBoxDropDown(TiComponentEditorComboBox* Combo);
    void DataViewGridXAxisNameComboBoxDropDown(TiComponentEditorComboBox* Combo);
    void DataViewGridYAxisNameComboBoxDropDown(TiComponentEditorComboBox* Combo);
    void DataCursorChannelNameComboBoxDropDown(TiComponentEditorComboBox* Combo);
    // Hands the translation of the form's own dialogs to whoever translates texts.
    void SetFormTranslationMethod(std::function<void(vcl::TForm*)> Method);
    // The list box of a kind, the kind of an object, and the kind's main page.
    TiComponentEditorListBox* ListBox(TiEditorObjectKind Kind) const;
    static TiEditorObjectKind KindOf(const TiPlotObject* Object);
    vcl::TTabSheet* MainPage(TiEditorObjectKind Kind) const;
    // An object the plot gained or lost while the editor is open.
    void ObjectInserted(TiPlotObject* Object);
    void ObjectRemoved(TiPlotObject* Object);
    // The name choosers that showed the renamed axis or channel follow its new name.
    void ObjectRenamed(TiPlotObject* Object);

    // --- apply handlers ---
    void ApplyEdit(TiEditorObjectKind Kind, const std::function<void(const QString&)>& Trace = {});
    void TitleChange();
    void GeneralChanged();

    // --- enabling: every control whose name starts with Prefix (case ignored) ---
    void EnableControlsWithPrefix(const QString& Prefix);
    void DisableControlsWithPrefix(const QString& Prefix);

    void ClearChannelStats();
    void RefreshChannelStats();

    // The page of the plot's own settings, and the page of one kind.
    const TiPlotEditorPage& ControlPage() const { return *FControlPage; }
    const TiPlotEditorPage& Page(TiEditorObjectKind Kind) const { return *FPages[static_cast<size_t>(Kind)]; }
    vcl::TPopupMenu* LayoutPopupMenu() const { return FLayoutPopupMenu; }
    // The layout object last pressed on the Layout page (nullptr: none).
    TiPlotObject* RightClickObject() const { return FRightClickObject; }
    void SetRightClickObject(TiPlotObject* Value) { FRightClickObject = Value; }
    // Sets the popup menu's items for the object last pressed, as it opens.
    void LayoutPopupMenuPopup();
    vcl::TWinControl* LayoutSheet() const { return FLayoutSheet; }
    TiPlotLayoutViewer* LayoutViewer() const { return FLayoutViewer; }

    // Looks a control up by name; raises when the form has none, so a wrong name cannot hide.
    template <typename T>
    T* Control(const QString& Name) const
    {
        auto* control = dynamic_cast<T*>(FindComponent(Name));
        if (!control)
            ThrowMissing(Name);
        return control;
    }

protected:
    void DoClose(vcl::TCloseAction& Action) override;

private:
    struct KindInfo;
    static const KindInfo& Info(TiEditorObjectKind Kind);
    [[noreturn]] static void ThrowMissing(const QString& Name);

    void FormCreate();
    void BuildListPage(TiEditorObjectKind Kind, vcl::TTabSheet* Sheet);
    void BuildLayoutPopupMenu();
    void WireActions();
    void WireFilePickers();
    void WireCopyDefaultButtons();
    void FillNames(TiComponentEditorComboBox* Combo, TiEditorNames Names);
    void RefillNameCombos(TiEditorObjectKind Kind);
    TiPlotObject* Selected(TiEditorObjectKind Kind) const;
    bool IsStripChannel(const TiPlotObject* Object) const;
    void AfterLoad(TiEditorObjectKind Kind, TiPlotObject* Object);
    void AfterApply(TiEditorObjectKind Kind, TiPlotObject* Object);
    void AddObject(TiEditorObjectKind Kind);
    void RemoveObject(TiEditorObjectKind Kind);
    void CopyDefaultFormat(const QString& Prefix, const QString& Kind);
    void Activated();
    // Runs one of the layout menu's actions on FRightClickObject.
    void LayoutDelete();
    void LayoutToggleVisible();
    void LayoutEdit();

    bool FIsClosing { false };
    TiPlotObject* FRightClickObject { nullptr };
    TiComponentEditorPageControl* FMainPageControl { nullptr };
    vcl::TTabSheet* FLayoutSheet { nullptr };
    TiPlotLayoutViewer* FLayoutViewer { nullptr };
    std::unique_ptr<TiPlotEditorPage> FControlPage;
    std::array<std::unique_ptr<TiPlotEditorPage>, static_cast<size_t>(TiEditorObjectKind::Count)> FPages;
    std::array<TiComponentEditorListBox*, static_cast<size_t>(TiEditorObjectKind::Count)> FLists {};
    std::array<vcl::TTabSheet*, static_cast<size_t>(TiEditorObjectKind::Count)> FMainPages {};
    vcl::TPopupMenu* FLayoutPopupMenu { nullptr };
    std::function<void(vcl::TForm*)> FTranslationMethod;
};
