#pragma once
// A schematic of how a plot stacks its layout objects (axes, labels, legends, tables, toolbar)
// around its data view, on which the user rearranges them with the mouse: drag to another row or
// column, swap within a row, merge into one row, or drag an edge to resize an object's span.

#include "plot/iCustomComponent.h"
#include "plot/iPlotLayoutManager.h"

#include "platform/ui/TFont.h"

#include <memory>
#include <vector>

class TiPlotMasterManager;
class TiPlotTranslationManager;

enum class TiLayoutEditMode { ilemNone, ilemDrag, ilemSize };
enum class TiLayoutSizingSide { ilssStart, ilssStop };

// One row or column of the schematic's grid.
class TBlockObject
{
public:
    vcl::TRect ARect;
    int ZOrder { 0 };
    // A row above or below the data view; false: a column left or right of it.
    bool Horizontal { false };
    // The slot is the data view itself.
    bool DataView { false };
    // The topmost row, where the toolbar sits.
    bool ToolBar { false };
};

class TiPlotLayoutViewer : public TiCustomComponent
{
public:
    explicit TiPlotLayoutViewer(vcl::TComponent* AOwner);
    ~TiPlotLayoutViewer() override;

    TiPlotLayoutManager* LayoutManager() const { return FLayoutManager; }
    void SetLayoutManager(TiPlotLayoutManager* Value);
    TiPlotMasterManager* Master() const { return FMaster; }
    void SetMaster(TiPlotMasterManager* Value) { FMaster = Value; }
    // Translates the object names shown (nullptr: shown as they are).
    TiPlotTranslationManager* TranslationManager() const { return FTranslationManager; }
    void SetTranslationManager(TiPlotTranslationManager* Value);
    vcl::TFont* Font() const { return FFont.get(); }
    // The object being dragged or resized.
    TiPlotLayoutObject* SelectedObject() const { return FSelectedBlock; }

    // The first shown layout object (data views included, placeholders not) whose schematic
    // rectangle holds the point.
    TiPlotLayoutObject* GetMouseOverBlock(int X, int Y) const;
    // The grid slot under the point: the toolbar row only in its lower half, the data view only in
    // the cell-wide strips along its edges, any other slot anywhere.
    TBlockObject* GetMouseOverBlock2(int X, int Y) const;
    // The first object other than the dragged one on the slot's row or column.
    TiPlotLayoutObject* FindSlotOccupant(const TBlockObject* Slot) const;
    // The slots of the last paint.
    const std::vector<std::unique_ptr<TBlockObject>>& Blocks() const { return FBlockList; }
    int CellWidth() const { return FCellWidth; }
    vcl::TRect DataViewRect() const { return FDataViewRect; }

    // Fired after every change the viewer makes to the layout.
    vcl::TNotifyEvent OnChange;

protected:
    void iPaintTo(vcl::TCanvas* Canvas) override;
    void iMouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void iMouseMove(vcl::TShiftState Shift, int X, int Y) override;
    void iMouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;

private:
    // The object list of the layout manager in its order.
    std::vector<TiPlotLayoutObject*> LayoutObjects() const;
    void BuildBlocks(vcl::TCanvas* Canvas);
    void RebuildBlockList();
    void PlaceLayoutRects();
    void PaintObjects(vcl::TCanvas* Canvas);
    void PaintDragFeedback(vcl::TCanvas* Canvas);
    vcl::TRect FeedbackRect(const TBlockObject* Slot) const;

    void TrackResizeEdge(TiPlotLayoutObject* Over, int X, int Y);
    void TrackDragTarget(TiPlotLayoutObject* Over, TBlockObject* Slot, int X, int Y);
    void TrackResize(int X, int Y);

    void DropOnSlot();
    void DropOnOwnOrientation(TBlockObject* Slot);
    void MergeIntoSlot(TBlockObject* Slot, TiPlotLayoutObject* Occupant);
    void SwapBlocks(TiPlotLayoutObject* A, TiPlotLayoutObject* B);
    // The dragged object turned to the slot's orientation and stacked at its occupant's ZOrder.
    void MoveToVertical(TiPlotLayoutObject* Occupant);
    void MoveToHorizontal(TiPlotLayoutObject* Occupant);
    void Restack(bool Horizontal, TiPlotLayoutObject* Occupant);
    void DoChange();

    std::vector<std::unique_ptr<TBlockObject>> FBlockList;
    int FCellWidth { 0 };
    bool FMouseDown { false };
    int FMouseDownX { 0 };
    int FMouseDownY { 0 };
    double FMouseDownStartPercent { 0.0 };
    double FMouseDownStopPercent { 0.0 };
    vcl::TRect FViewRect;
    vcl::TRect FDataViewRect;
    int FDataViewHeight { 0 };
    int FDataViewWidth { 0 };
    TiLayoutEditMode FEditMode { TiLayoutEditMode::ilemNone };
    TiLayoutSizingSide FSizingSide { TiLayoutSizingSide::ilssStart };
    TiPlotLayoutObject* FSelectedBlock { nullptr };
    TiPlotLayoutObject* FResizeBlock { nullptr };
    TiPlotLayoutObject* FOverLayoutObject { nullptr };
    TBlockObject* FDragOverRefBlock2 { nullptr };
    TiInsertDirection FInsertDirection { TiInsertDirection::iidMerge };
    TiPlotLayoutManager* FLayoutManager { nullptr };
    TiPlotMasterManager* FMaster { nullptr };
    std::unique_ptr<vcl::TFont> FFont;
    TiPlotTranslationManager* FTranslationManager { nullptr };
};
