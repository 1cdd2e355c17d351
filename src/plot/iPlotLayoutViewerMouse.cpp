// The layout viewer's mouse: a press on an object starts a drag, or a resize when an edge of it is
// under the mouse; moves track the drop target or the new span; the release rearranges the layout.

#include "plot/iPlotLayoutViewer.h"

#include "platform/core/NumberUtils.h"

#include <cmath>
#include <cstdlib>

using namespace vcl;

namespace {

// An edge is under the mouse within 6 pixels of it.
constexpr int kEdgeReach = 7;
// Resizing moves an edge in steps of this many percent.
constexpr double kSizeStep = 1.25;

bool IsAxis(const TiPlotLayoutObject* Object)
{
    return dynamic_cast<const TiPlotAxis*>(Object) != nullptr;
}

bool IsLabel(const TiPlotLayoutObject* Object)
{
    return dynamic_cast<const TiPlotLabel*>(Object) != nullptr;
}

bool IsLegend(const TiPlotLayoutObject* Object)
{
    return dynamic_cast<const TiPlotLegend*>(Object) != nullptr;
}

bool IsSizable(const TiPlotLayoutObject* Object)
{
    return IsAxis(Object) || IsLabel(Object) || IsLegend(Object) || dynamic_cast<const TiPlotTable*>(Object);
}

// Axes merge with axes; labels and legends with each other.
bool CanMerge(const TiPlotLayoutObject* Dragged, const TiPlotLayoutObject* Occupant)
{
    if (IsAxis(Dragged) && IsAxis(Occupant))
        return true;
    const bool dragged = IsLabel(Dragged) || IsLegend(Dragged);
    const bool occupant = IsLabel(Occupant) || IsLegend(Occupant);
    return dragged && occupant && !(IsLegend(Dragged) && IsLegend(Occupant));
}

} // namespace

void TiPlotLayoutViewer::iMouseDown(TMouseButton, TShiftState Shift, int X, int Y)
{
    TiPlotLayoutObject* object = GetMouseOverBlock(X, Y);
    if (!object || dynamic_cast<TiPlotDataView*>(object) || dynamic_cast<TiPlotToolBar*>(object))
        return;
    FSelectedBlock = object;
    FMouseDown = true;
    FMouseDownX = X;
    FMouseDownY = Y;
    if (!Shift.Contains(TShiftStateItem::ssLeft))
        FInsertDirection = TiInsertDirection::iidMerge;
    if (FResizeBlock) {
        FEditMode = TiLayoutEditMode::ilemSize;
        FMouseDownStartPercent = FResizeBlock->StartPercent();
        FMouseDownStopPercent = FResizeBlock->StopPercent();
    } else {
        FEditMode = TiLayoutEditMode::ilemDrag;
    }
    InvalidateChange();
}

void TiPlotLayoutViewer::iMouseMove(TShiftState Shift, int X, int Y)
{
    SetCursor(crDefault);
    if (FEditMode == TiLayoutEditMode::ilemDrag && !Shift.Contains(TShiftStateItem::ssLeft))
        return;
    FOverLayoutObject = nullptr;
    FDragOverRefBlock2 = nullptr;
    TiPlotLayoutObject* over = GetMouseOverBlock(X, Y);
    TBlockObject* slot = GetMouseOverBlock2(X, Y);
    switch (FEditMode) {
    case TiLayoutEditMode::ilemNone:
        TrackResizeEdge(over, X, Y);
        break;
    case TiLayoutEditMode::ilemDrag:
        if (FMouseDown)
            TrackDragTarget(over, slot, X, Y);
        break;
    case TiLayoutEditMode::ilemSize:
        if (FMouseDown)
            TrackResize(X, Y);
        break;
    }
    InvalidateChange();
}

void TiPlotLayoutViewer::TrackResizeEdge(TiPlotLayoutObject* Over, int X, int Y)
{
    FResizeBlock = nullptr;
    if (!Over || !IsSizable(Over))
        return;
    const TRect r = Over->LayoutRect();
    if (Over->IsHorz()) {
        if (std::abs(X - r.Left) < kEdgeReach)
            FSizingSide = TiLayoutSizingSide::ilssStart;
        else if (std::abs(X - r.Right) < kEdgeReach)
            FSizingSide = TiLayoutSizingSide::ilssStop;
        else
            return;
        SetCursor(crSizeWE);
    } else {
        if (std::abs(Y - r.Bottom) < kEdgeReach)
            FSizingSide = TiLayoutSizingSide::ilssStart;
        else if (std::abs(Y - r.Top) < kEdgeReach)
            FSizingSide = TiLayoutSizingSide::ilssStop;
        else
            return;
        SetCursor(crSizeNS);
    }
    FResizeBlock = Over;
}

void TiPlotLayoutViewer::TrackDragTarget(TiPlotLayoutObject* Over, TBlockObject* Slot, int X, int Y)
{
    TiPlotLayoutObject* dragged = FSelectedBlock;
    if (Over && Over != dragged && !dynamic_cast<TiPlotDataView*>(Over) && Over->IsHorz() == dragged->IsHorz()
        && Over->ZOrder() == dragged->ZOrder())
        FOverLayoutObject = Over;
    if (!Slot)
        return;
    // An axis keeps its orientation.
    if (IsAxis(dragged) && Slot->Horizontal != dragged->IsHorz())
        return;
    FDragOverRefBlock2 = Slot;
    const TiPlotLayoutObject* occupant = FindSlotOccupant(Slot);
    if (!occupant)
        return;
    const TRect& r = Slot->ARect;
    const int third = Slot->Horizontal ? r.Height() / 3 : r.Width() / 3;
    const int half = Slot->Horizontal ? r.Height() / 2 : r.Width() / 2;
    if (CanMerge(dragged, occupant)) {
        if (Slot->ToolBar) {
            if (Y > r.Top + 2 * third)
                FInsertDirection = TiInsertDirection::iidBelow;
            else
                FDragOverRefBlock2 = nullptr;
        } else if (Slot->Horizontal) {
            FInsertDirection = Y > r.Top + 2 * third ? TiInsertDirection::iidBelow
                : Y > r.Top + third                  ? TiInsertDirection::iidMerge
                                                     : TiInsertDirection::iidAbove;
        } else {
            FInsertDirection = X < r.Left + third ? TiInsertDirection::iidBelow
                : X < r.Left + 2 * third          ? TiInsertDirection::iidMerge
                                                  : TiInsertDirection::iidAbove;
        }
    } else if (Slot->Horizontal) {
        FInsertDirection = Y >= r.Top + half ? TiInsertDirection::iidBelow : TiInsertDirection::iidAbove;
    } else {
        FInsertDirection = X < r.Left + half ? TiInsertDirection::iidBelow : TiInsertDirection::iidAbove;
    }
}

void TiPlotLayoutViewer::TrackResize(int X, int Y)
{
    if (!FResizeBlock)
        return;
    const bool column = !FResizeBlock->IsHorz();
    const int size = column ? FDataViewHeight : FDataViewWidth;
    if (size <= 0)
        return;
    const double moved = column ? FMouseDownY - Y : X - FMouseDownX;
    const double delta = RoundHalfEven(moved / size * 100 / kSizeStep) * kSizeStep;
    if (FSizingSide == TiLayoutSizingSide::ilssStart)
        FResizeBlock->SetStartPercent(FMouseDownStartPercent + delta);
    else
        FResizeBlock->SetStopPercent(FMouseDownStopPercent + delta);
}

void TiPlotLayoutViewer::iMouseUp(TMouseButton, TShiftState, int, int)
{
    FMouseDown = false;
    if (FEditMode == TiLayoutEditMode::ilemDrag && FDragOverRefBlock2 && FSelectedBlock)
        DropOnSlot();
    else if (FEditMode == TiLayoutEditMode::ilemSize && FResizeBlock)
        DoChange();
    FEditMode = TiLayoutEditMode::ilemNone;
    SetCursor(crDefault);
    FOverLayoutObject = nullptr;
    FDragOverRefBlock2 = nullptr;
    FSelectedBlock = nullptr;
    FResizeBlock = nullptr;
    InvalidateChange();
}

void TiPlotLayoutViewer::DropOnSlot()
{
    TBlockObject* slot = FDragOverRefBlock2;
    if (FOverLayoutObject) {
        SwapBlocks(FSelectedBlock, FOverLayoutObject);
        DoChange();
    } else if (slot->Horizontal == FSelectedBlock->IsHorz()) {
        DropOnOwnOrientation(slot);
    } else if (TiPlotLayoutObject* occupant = FindSlotOccupant(slot)) {
        if (slot->Horizontal)
            MoveToHorizontal(occupant);
        else
            MoveToVertical(occupant);
        DoChange();
    }
    // A slot of the other orientation without an occupant (the data view's edge strip of that
    // direction) gives no place to stack the object: the layout stays as it is.
}

void TiPlotLayoutViewer::DropOnOwnOrientation(TBlockObject* Slot)
{
    TiPlotLayoutObject* occupant = FindSlotOccupant(Slot);
    if (FInsertDirection == TiInsertDirection::iidMerge) {
        MergeIntoSlot(Slot, occupant);
    } else {
        if (occupant) {
            FLayoutManager->RemoveZOrder(FSelectedBlock);
            FLayoutManager->InsertZOrder(FSelectedBlock, occupant->ZOrder(), FInsertDirection);
        }
        FSelectedBlock->SetStartPercent(0);
        FSelectedBlock->SetStopPercent(100);
    }
    // The editor's pages show ZOrder and span: they must hear of this move like of any other.
    DoChange();
}

void TiPlotLayoutViewer::MergeIntoSlot(TBlockObject* Slot, TiPlotLayoutObject* Occupant)
{
    std::vector<TiPlotLayoutObject*> row;
    for (TiPlotLayoutObject* object : LayoutObjects()) {
        if (object == FSelectedBlock || dynamic_cast<TiPlotDataView*>(object)
            || dynamic_cast<TiPlotDataViewLayout*>(object))
            continue;
        if (object->IsHorz() == Slot->Horizontal && object->ZOrder() == Slot->ZOrder)
            row.push_back(object);
    }
    row.push_back(FSelectedBlock);
    const double n = static_cast<double>(row.size());
    for (std::size_t k = 0; k < row.size(); ++k) {
        row[k]->SetStopPercent((static_cast<double>(k) + 1) * 100 / n);
        row[k]->SetStartPercent(static_cast<double>(k) * 100 / n);
    }
    if (Occupant) {
        FLayoutManager->RemoveZOrder(FSelectedBlock);
        FLayoutManager->InsertZOrder(FSelectedBlock, Occupant->ZOrder(), TiInsertDirection::iidMerge);
    }
}

void TiPlotLayoutViewer::SwapBlocks(TiPlotLayoutObject* A, TiPlotLayoutObject* B)
{
    const double start = A->StartPercent();
    const double stop = A->StopPercent();
    A->SetStartStopPercent(B->StartPercent(), B->StopPercent());
    B->SetStartStopPercent(start, stop);
}

void TiPlotLayoutViewer::MoveToVertical(TiPlotLayoutObject* Occupant)
{
    Restack(false, Occupant);
}

void TiPlotLayoutViewer::MoveToHorizontal(TiPlotLayoutObject* Occupant)
{
    Restack(true, Occupant);
}

void TiPlotLayoutViewer::Restack(bool Horizontal, TiPlotLayoutObject* Occupant)
{
    FLayoutManager->RemoveZOrder(FSelectedBlock);
    FSelectedBlock->SetHorizontal(Horizontal);
    FLayoutManager->InsertZOrder(FSelectedBlock, Occupant->ZOrder(), FInsertDirection);
}

void TiPlotLayoutViewer::DoChange()
{
    if (OnChange)
        OnChange(this);
}
