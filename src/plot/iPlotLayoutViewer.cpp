#include "plot/iPlotLayoutViewer.h"

#include "plot/iGPText.h"
#include "plot/iPlotTranslation.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/TCanvas.h"

using namespace vcl;

namespace {

bool IsPlaceholder(const TiPlotLayoutObject* Object)
{
    return dynamic_cast<const TiPlotDataViewLayout*>(Object) != nullptr;
}

bool IsDataView(const TiPlotLayoutObject* Object)
{
    return dynamic_cast<const TiPlotDataView*>(Object) != nullptr;
}

// A row or column slot of the grid.
std::unique_ptr<TBlockObject> Slot(const TRect& Rect, int ZOrder, bool Horizontal, bool DataView = false,
                                   bool ToolBar = false)
{
    auto block = std::make_unique<TBlockObject>();
    block->ARect = Rect;
    block->ZOrder = ZOrder;
    block->Horizontal = Horizontal;
    block->DataView = DataView;
    block->ToolBar = ToolBar;
    return block;
}

} // namespace

TiPlotLayoutViewer::TiPlotLayoutViewer(TComponent* AOwner) : TiCustomComponent(AOwner), FFont(std::make_unique<TFont>())
{
    FFont->SetName(QStringLiteral("Arial"));
    FFont->SetSize(10);
    FFont->OnChange = [this](TObject*) { InvalidateChange(); };
    SetBounds(Left(), Top(), 300, 200);
    // Edges under the resting mouse change the cursor.
    setMouseTracking(true);
}

TiPlotLayoutViewer::~TiPlotLayoutViewer()
{
    FFont->OnChange = nullptr;
}

void TiPlotLayoutViewer::SetLayoutManager(TiPlotLayoutManager* Value)
{
    FLayoutManager = Value;
    FSelectedBlock = nullptr;
    FResizeBlock = nullptr;
    FOverLayoutObject = nullptr;
    FDragOverRefBlock2 = nullptr;
    FEditMode = TiLayoutEditMode::ilemNone;
    InvalidateChange();
}

void TiPlotLayoutViewer::SetTranslationManager(TiPlotTranslationManager* Value)
{
    FTranslationManager = Value;
    InvalidateChange();
}

std::vector<TiPlotLayoutObject*> TiPlotLayoutViewer::LayoutObjects() const
{
    std::vector<TiPlotLayoutObject*> objects;
    if (!FLayoutManager)
        return objects;
    for (int i = 0; i < FLayoutManager->Count(); ++i)
        if (auto* object = dynamic_cast<TiPlotLayoutObject*>(FLayoutManager->Items(i)))
            objects.push_back(object);
    return objects;
}

// --- layout of the schematic ---

void TiPlotLayoutViewer::BuildBlocks(TCanvas* Canvas)
{
    FViewRect = TRect(5, 5, Width() - 5, Height() - 5);
    if (!FLayoutManager)
        return;
    Canvas->Font()->Assign(FFont.get());
    FCellWidth = RoundToInt(Canvas->TextHeight(QStringLiteral("ABC")) * 1.1);
    const double cell = FCellWidth;
    const TiPlotLayoutManager& lm = *FLayoutManager;
    FDataViewRect = TRect(FViewRect.Left + RoundToInt(lm.LeftUniqueCount() * cell),
                          FViewRect.Top + RoundToInt(lm.TopUniqueCount() * cell),
                          FViewRect.Right - RoundToInt(lm.RightUniqueCount() * cell),
                          FViewRect.Bottom - RoundToInt(lm.BottomUniqueCount() * cell));
    FDataViewWidth = FDataViewRect.Width();
    FDataViewHeight = FDataViewRect.Height();
    // A slot held by a drag stays valid until the drop.
    if (!FDragOverRefBlock2)
        RebuildBlockList();
    PlaceLayoutRects();
}

void TiPlotLayoutViewer::RebuildBlockList()
{
    const TiPlotLayoutManager& lm = *FLayoutManager;
    const double cell = FCellWidth;
    const TRect& v = FViewRect;
    const TRect& d = FDataViewRect;
    FBlockList.clear();
    // Columns: ZOrder grows from left to right, the data view between the two sides.
    for (int i = 0; i < lm.LeftUniqueCount(); ++i)
        FBlockList.push_back(
            Slot(TRect(v.Left + RoundToInt(i * cell), d.Top, v.Left + RoundToInt((i + 1) * cell), d.Bottom), i, false));
    FBlockList.push_back(Slot(d, lm.LeftUniqueCount(), false, true));
    for (int i = 0; i < lm.RightUniqueCount(); ++i)
        FBlockList.push_back(Slot(TRect(d.Right + RoundToInt(i * cell), d.Top, d.Right + RoundToInt((i + 1) * cell),
                                        d.Bottom),
                                  lm.LeftUniqueCount() + 1 + i, false));
    // Rows: ZOrder grows from bottom to top; the topmost row is the toolbar's.
    const int top = lm.TopUniqueCount() + lm.BottomUniqueCount();
    for (int i = 0; i < lm.TopUniqueCount(); ++i)
        FBlockList.push_back(Slot(TRect(v.Left, v.Top + RoundToInt(i * cell), v.Right, v.Top + RoundToInt((i + 1) * cell)),
                                  top - i, true, false, i == 0));
    FBlockList.push_back(Slot(d, lm.BottomUniqueCount(), true, true));
    for (int i = 0; i < lm.BottomUniqueCount(); ++i)
        FBlockList.push_back(Slot(TRect(v.Left, d.Bottom + RoundToInt(i * cell), v.Right,
                                        d.Bottom + RoundToInt((i + 1) * cell)),
                                  lm.BottomUniqueCount() - 1 - i, true));
}

void TiPlotLayoutViewer::PlaceLayoutRects()
{
    const int cell = FCellWidth;
    const TRect& d = FDataViewRect;
    const int H = FLayoutManager->DataViewHorz()->ZOrder();
    const int V = FLayoutManager->DataViewVert()->ZOrder();
    for (TiPlotLayoutObject* object : LayoutObjects()) {
        if (IsDataView(object) || IsPlaceholder(object)) {
            object->SetLayoutRect(d);
            continue;
        }
        const int z = object->ZOrder();
        const double start = object->StartPercent() / 100;
        const double stop = object->StopPercent() / 100;
        TRect r;
        if (object->IsHorz()) {
            if (z > H) {
                r.Bottom = d.Top - (z - H - 1) * cell;
                r.Top = d.Top - (z - H) * cell;
            } else {
                r.Top = d.Bottom + (H - z - 1) * cell;
                r.Bottom = d.Bottom + (H - z) * cell;
            }
            // An axis spans the data view; anything else the whole schematic.
            const bool axis = dynamic_cast<TiPlotAxis*>(object) != nullptr;
            const double left = axis ? d.Left : FViewRect.Left;
            const double width = axis ? FDataViewWidth : FViewRect.Width();
            r.Left = RoundToInt(width * start + left);
            r.Right = RoundToInt(width * stop + left);
        } else {
            if (z > V) {
                r.Left = d.Right + (z - V - 1) * cell;
                r.Right = d.Right + (z - V) * cell;
            } else {
                r.Right = d.Left - (V - z - 1) * cell;
                r.Left = d.Left - (V - z) * cell;
            }
            r.Top = d.Bottom - RoundToInt(FDataViewHeight * stop);
            r.Bottom = d.Bottom - RoundToInt(FDataViewHeight * start);
        }
        object->SetLayoutRect(r);
    }
}

// --- painting ---

void TiPlotLayoutViewer::iPaintTo(TCanvas* Canvas)
{
    BuildBlocks(Canvas);
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas->Brush()->SetColor(clBlue);
    Canvas->FillRect(Canvas->ClipRect());
    Canvas->Brush()->SetColor(clWhite);
    Canvas->FillRect(FViewRect);
    if (!FLayoutManager)
        return;
    PaintObjects(Canvas);
    PaintDragFeedback(Canvas);
}

void TiPlotLayoutViewer::PaintObjects(TCanvas* Canvas)
{
    for (TiPlotLayoutObject* object : LayoutObjects()) {
        if (IsDataView(object) || IsPlaceholder(object))
            continue;
        const TRect r = object->LayoutRect();
        Canvas->Brush()->SetColor(object == FSelectedBlock ? clYellow : clSilver);
        Canvas->Brush()->SetStyle(object->Visible() ? TBrushStyle::bsSolid : TBrushStyle::bsDiagCross);
        Canvas->FillRect(r);
        Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
        Canvas->Font()->Assign(FFont.get());
        const QString name = FTranslationManager ? FTranslationManager->FindReplacement(object->Name()) : object->Name();
        TRect textRect;
        iDrawRotatedText(Canvas, name, r, textRect, BackGroundColor(), true, TiAlignmentHorizontal::iahCenter,
                         object->IsHorz() ? TiRotationAngle::ira000 : TiRotationAngle::ira090);
    }
}

TRect TiPlotLayoutViewer::FeedbackRect(const TBlockObject* Slot) const
{
    TRect r = Slot->ARect;
    const int cell = FCellWidth;
    const int half = cell / 2;
    const bool below = FInsertDirection == TiInsertDirection::iidBelow;
    const bool above = FInsertDirection == TiInsertDirection::iidAbove;
    if (Slot->DataView) {
        // Only the cell at the edge the object goes to.
        if (Slot->Horizontal) {
            r.Left = FViewRect.Left;
            r.Right = FViewRect.Right;
            if (below)
                r.Top = r.Bottom - cell;
            else if (above)
                r.Bottom = r.Top + cell;
        } else if (below) {
            r.Right = r.Left + cell;
        } else if (above) {
            r.Left = r.Right - cell;
        }
    }
    if (Slot->Horizontal) {
        if (below)
            OffsetRect(r, 0, half);
        else if (above)
            OffsetRect(r, 0, -(half - 1));
    } else {
        if (below)
            OffsetRect(r, -half, 0);
        else if (above)
            OffsetRect(r, half + 1, 0);
    }
    return r;
}

void TiPlotLayoutViewer::PaintDragFeedback(TCanvas* Canvas)
{
    TRect r;
    if (FOverLayoutObject)
        r = FOverLayoutObject->LayoutRect();
    else if (FDragOverRefBlock2)
        r = FeedbackRect(FDragOverRefBlock2);
    else
        return;
    Canvas->Pen()->SetStyle(TPenStyle::psSolid);
    Canvas->Pen()->SetColor(clBlack);
    Canvas->Pen()->SetWidth(2);
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    Canvas->Rectangle(r);
    Canvas->Pen()->SetWidth(1);
}

// --- look-ups ---

TiPlotLayoutObject* TiPlotLayoutViewer::GetMouseOverBlock(int X, int Y) const
{
    for (TiPlotLayoutObject* object : LayoutObjects())
        if (!IsPlaceholder(object) && object->LayoutRect().Contains(TPoint(X, Y)))
            return object;
    return nullptr;
}

TBlockObject* TiPlotLayoutViewer::GetMouseOverBlock2(int X, int Y) const
{
    const int cell = FCellWidth;
    for (const auto& block : FBlockList) {
        const TRect& r = block->ARect;
        if (!r.Contains(TPoint(X, Y)))
            continue;
        if (block->ToolBar) {
            if (Y >= (r.Top + r.Bottom) / 2)
                return block.get();
        } else if (block->DataView) {
            const bool edge = block->Horizontal ? Y >= r.Bottom - cell || Y < r.Top + cell
                                                : X < r.Left + cell || X >= r.Right - cell;
            if (edge)
                return block.get();
        } else {
            return block.get();
        }
    }
    return nullptr;
}

TiPlotLayoutObject* TiPlotLayoutViewer::FindSlotOccupant(const TBlockObject* Slot) const
{
    if (!Slot)
        return nullptr;
    for (TiPlotLayoutObject* object : LayoutObjects()) {
        if (object == FSelectedBlock || IsDataView(object))
            continue;
        if (object->IsHorz() == Slot->Horizontal && object->ZOrder() == Slot->ZOrder)
            return object;
    }
    return nullptr;
}
