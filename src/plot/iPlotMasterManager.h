#pragma once
// Owns every manager of one plot, is the single receiver of every notification that a plot object
// or manager sends (insert, remove, rename, change, focus) and fans each out to all managers and to
// the plot; creates new objects on request and pushes plot-wide settings into every object.

#include "plot/iPlotLayoutManager.h"
#include "plot/iPlotManagers.h"
#include "plot/iPlotTranslation.h"

#include <array>
#include <memory>

class TiPlotEditorForm;
namespace vcl {
class TForm;
}

class TiPlotMasterManager : public vcl::TObject
{
public:
    // Creates the managers in order and wires their cross references.
    explicit TiPlotMasterManager(vcl::TWinControl* AOwner);
    ~TiPlotMasterManager() override;

    vcl::TWinControl* Owner() const { return FOwner; }
    TiPlotToolBarManager* ToolBarManager() const { return FToolBarManager; }
    TiPlotLegendManager* LegendManager() const { return FLegendManager; }
    TiPlotTableManager* TableManager() const { return FTableManager; }
    TiPlotXAxisManager* XAxisManager() const { return FXAxisManager; }
    TiPlotYAxisManager* YAxisManager() const { return FYAxisManager; }
    TiPlotChannelManager* ChannelManager() const { return FChannelManager; }
    TiPlotDataViewManager* DataViewManager() const { return FDataViewManager; }
    TiPlotDataCursorManager* DataCursorManager() const { return FDataCursorManager; }
    TiPlotLimitManager* LimitManager() const { return FLimitManager; }
    TiPlotLabelManager* LabelManager() const { return FLabelManager; }
    TiPlotAnnotationManager* AnnotationManager() const { return FAnnotationManager; }
    TiPlotLayoutManager* LayoutManager() const { return FLayoutManager; }
    TiPlotObjectManager* ObjectManager() const { return FPlotObjectManager; }
    TiPlotTranslationManager* TranslationManager() const { return FTranslationManager.get(); }

    // Each creates one object of its kind, announces it and returns its index in its manager.
    int AddChannel();
    int AddDataView();
    int AddDataCursor();
    int AddXAxis();
    int AddYAxis();
    int AddLegend();
    int AddTable();
    int AddToolBar();
    int AddLimit();
    int AddLabel();
    int AddAnnotation();

    // Opens the property editor (creating it when there is none), loaded from the plot; a modal
    // editor is freed again when it closes.
    void EditProperties();
    // Writes the editor's Control page back into the plot.
    void BasicPropertyChanged();
    // Replaces the form's texts by their translations (when the plot has any).
    void TranslateForm(vcl::TForm* Form);
    TiPlotEditorForm* EditorForm() const { return FEditorForm; }
    // The tab last shown on each of the editor's page controls, by page control name.
    static const std::array<const char*, 14>& EditorPageControlNames();
    int EditorPageControlIndex(int Index) const { return FPageControlIndexes[static_cast<size_t>(Index)]; }

    void ShowToolBars(bool Value);
    void DeSelectAll();

    TiPlotChannelCustomClass ChannelClass() const { return FChannelClass; }
    void SetChannelClass(TiPlotChannelCustomClass Value);
    bool UserCanEditObjects() const { return FUserCanEditObjects; }
    void SetUserCanEditObjects(bool Value);
    bool XYAxesReverse() const { return FXYAxesReverse; }
    void SetXYAxesReverse(bool Value);

    vcl::TNotifyEvent OnInvalidateNow;
    vcl::TNotifyEvent OnChange;
    vcl::TNotifyEvent OnInsert;
    vcl::TNotifyEvent OnRemove;

private:
    template <typename M>
    M* CreateManager();
    int AddObject(TiPlotObjectManagerCustom* Manager);
    // Every typed manager that exists, in notification order.
    std::vector<TiPlotObjectManagerCustom*> KindManagers() const;
    // The kind managers that create objects (the objects whose plot-wide settings follow the plot).
    void ForEachKindObject(const std::function<void(TiPlotObject*)>& Fn) const;

    void ObjectInsert(vcl::TObject* Sender);
    void ObjectRemove(vcl::TObject* Sender);
    void ObjectRename(vcl::TObject* Sender);
    void ObjectChange(vcl::TObject* Sender);
    void ObjectSetFocus(vcl::TObject* Sender);
    void ObjectEdit(vcl::TObject* Sender);
    void CreateEditorForm();
    void LoadControlPage();
    void UpdateLogControls();
    void RememberEditorPages();
    // The editor while it exists and is not closing.
    TiPlotEditorForm* OpenEditor() const;

    vcl::TWinControl* FOwner { nullptr };
    bool FUserCanEditObjects { false };
    TiPlotToolBarManager* FToolBarManager { nullptr };
    TiPlotLegendManager* FLegendManager { nullptr };
    TiPlotTableManager* FTableManager { nullptr };
    TiPlotXAxisManager* FXAxisManager { nullptr };
    TiPlotYAxisManager* FYAxisManager { nullptr };
    TiPlotChannelManager* FChannelManager { nullptr };
    TiPlotDataViewManager* FDataViewManager { nullptr };
    TiPlotDataCursorManager* FDataCursorManager { nullptr };
    TiPlotLimitManager* FLimitManager { nullptr };
    TiPlotLabelManager* FLabelManager { nullptr };
    TiPlotAnnotationManager* FAnnotationManager { nullptr };
    TiPlotLayoutManager* FLayoutManager { nullptr };
    TiPlotObjectManager* FPlotObjectManager { nullptr };
    std::unique_ptr<TiPlotTranslationManager> FTranslationManager;
    TiPlotChannelCustomClass FChannelClass { &TiXYPlotChannel::Construct };
    bool FXYAxesReverse { false };
    TiPlotEditorForm* FEditorForm { nullptr };
    std::array<int, 14> FPageControlIndexes {};
};
