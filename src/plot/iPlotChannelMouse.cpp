// A channel under the mouse: hit on its legend entry and, in select mode, on a point's marker or
// bar; the hint with a point's values; dragging points; and the data-point events of the plot.

#include "plot/iPlotChannel.h"

#include "plot/iPlotAxis.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotDataCursor.h"
#include "plot/iPlotDataView.h"
#include "plot/iPlotLegend.h"

#include "platform/ui/TextMetrics.h"

using namespace vcl;

namespace {

bool InRect(const TRect& R, int X, int Y) { return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom; }

} // namespace

TiPlotChannelPainter TiPlotChannelCustom::Painter() { return TiPlotChannelPainter(*this, XScale(), YScale()); }

TRect TiPlotChannelCustom::GetHitRect(int Index) { return Painter().GetMarkerRect(Index); }

bool TiPlotChannelCustom::iMouseHitTest(const TiPlotMouseData& MouseData)
{
    if (VisibleInLegend() && InRect(FLegendRect, MouseData.X, MouseData.Y))
        return true;
    TiPlotComponent* plot = Plot();
    if (!plot || !plot->GetSelectActive())
        return false;
    FSelectDataIndex = -1;
    const bool bars = BarsHit();
    if ((!bars && !MarkersVisible()) || Count() == 0)
        return false;
    CalcStartIndex();
    CalcStopIndex();
    if (FStartIndex < 0 || FStopIndex < 0)
        return false;
    const TiPlotChannelPainter painter = Painter();
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        if (!GetValid(i) || (!bars && !painter.IsMarkerDrawable(i)))
            continue;
        FSelectHitTestRect = GetHitRect(i);
        if (InRect(FSelectHitTestRect, MouseData.X, MouseData.Y)) {
            FSelectDataIndex = i;
            return true;
        }
    }
    return false;
}

void TiPlotChannelCustom::DoMouseHint(const TiPlotMouseData& MouseData, TiHintData& HintData)
{
    TiPlotComponent* plot = Plot();
    if (plot)
        plot->DoDataPointMouseMove(this, FSelectDataIndex, MouseData);
    if (!ShowDataPointHints() || FSelectDataIndex == -1 || !InRect(FSelectHitTestRect, MouseData.X, MouseData.Y))
        return;
    if (FSelectDataIndex >= Count() || !XAxis() || !YAxis())
        return;
    const int index = FSelectDataIndex;
    QString text = XAxis()->GetLabelText(GetX(index)) + QStringLiteral(", ") + YAxis()->GetLabelText(GetY(index));
    if (plot)
        plot->DoDataPointCustomizeHint(this, index, text);
    HintData.Text = text;
    const TFont fallback;
    const TSize size = TextMetrics().TextExtent(plot ? *plot->HintsFont() : fallback, text);
    HintData.Width = size.cx + 4;
    HintData.Height = size.cy + 4;
    TRect view;
    if (plot && plot->DataViewCount() > 0)
        view = plot->DataView(0)->DrawRect();
    const int h = MarkersSize() / 2;
    const int x = MouseData.X;
    const int y = MouseData.Y;
    HintData.Top = y - (HintData.Height + 4 + h);
    HintData.Left = x - HintData.Width / 2;
    if (HintData.Top <= view.Top)
        HintData.Top = y + HintData.Height + 4 + h;
    if (HintData.Left <= view.Left) {
        HintData.Left = x + h + 8;
        HintData.Top = y - HintData.Height / 2;
    } else if (HintData.Left + HintData.Width >= view.Right) {
        HintData.Left = x - h - 4 - HintData.Width;
        HintData.Top = y - HintData.Height / 2;
    }
    if (HintData.Top + HintData.Height >= view.Bottom)
        HintData.Top = view.Bottom - HintData.Height;
    if (HintData.Top <= view.Top)
        HintData.Top = view.Top;
}

void TiPlotChannelCustom::DoMouseLeft(const TiPlotMouseData& MouseData)
{
    if (TiPlotComponent* plot = Plot())
        plot->DoDataPointMouseDown(this, FSelectDataIndex, MouseData);
    FMouseDownDataIndex = FSelectDataIndex;
    if (FMouseDownDataIndex == -1 || FMouseDownDataIndex >= Count()
        || !InRect(FSelectHitTestRect, MouseData.X, MouseData.Y))
        return;
    FSelectMouseDown = true;
    FSelectMouseDownIndex = FMouseDownDataIndex;
    FSelectDownRect = FSelectHitTestRect;
    FMouseDownValueX = GetX(FMouseDownDataIndex);
    FMouseDownValueY = GetY(FMouseDownDataIndex);
    FMouseDownPixelX = MouseData.XAxisPixels;
    FMouseDownPixelY = MouseData.YAxisPixels;
}

void TiPlotChannelCustom::DoMouseMove(const TiPlotMouseData& MouseData)
{
    if (!FSelectMouseDown)
        return;
    if (TiPlotComponent* plot = Plot())
        plot->DoDataPointMouseMove(this, FMouseDownDataIndex, MouseData);
    // The point may have gone (cleared or dropped from a ring buffer) while it was held.
    if (!UserCanMoveDataPoints() || FSelectMouseDownIndex >= Count())
        return;
    const TiPlotChannelDataPointMoveStyle style = UserCanMoveDataPointsStyle();
    double dX = 0.0, dY = 0.0;
    if (style != TiPlotChannelDataPointMoveStyle::ipcdpmsYOnly && XScale())
        dX = XScale()->PixelsToPosition(FMouseDownPixelX) - XScale()->PixelsToPosition(MouseData.XAxisPixels);
    if (style != TiPlotChannelDataPointMoveStyle::ipcdpmsXOnly && YScale())
        dY = YScale()->PixelsToPosition(FMouseDownPixelY) - YScale()->PixelsToPosition(MouseData.YAxisPixels);
    SetX(FSelectMouseDownIndex, FMouseDownValueX - dX);
    SetY(FSelectMouseDownIndex, FMouseDownValueY - dY);
}

void TiPlotChannelCustom::DoMouseUp(const TiPlotMouseData& MouseData)
{
    TiPlotComponent* plot = Plot();
    if (plot)
        plot->DoDataPointMouseUp(this, FMouseDownDataIndex, MouseData);
    if (!FMouseDown && !FSelectMouseDown)
        return;
    if (FSelectMouseDown) {
        FSelectMouseDown = false;
        const int index = FSelectMouseDownIndex;
        if (plot && InRect(FSelectDownRect, MouseData.X, MouseData.Y))
            plot->DoDataPointClick(this, index);
        if (index < Count()) {
            const double x = GetX(index);
            const double y = GetY(index);
            if (plot && (x != FMouseDownValueX || y != FMouseDownValueY))
                plot->DoDataPointMoved(this, index, FMouseDownValueX, FMouseDownValueY, x, y);
        }
        return;
    }
    if (plot && InRect(FLegendRect, MouseData.X, MouseData.Y))
        plot->DoObjectClick(this);
}

TCursor TiPlotChannelCustom::GetMouseCursor(TPoint)
{
    TCursor cursor = crHandPoint;
    if (TiPlotComponent* plot = Plot())
        plot->DoObjectGetMouseCursor(this, cursor);
    return cursor;
}

void TiPlotChannelCustom::NotificationSetFocus(TiPlotObject* AObject)
{
    if (AObject == this || !AObject || !AObject->UserSelected())
        return;
    if (dynamic_cast<TiPlotLegend*>(AObject))
        return;
    if (auto* cursor = dynamic_cast<TiPlotDataCursor*>(AObject);
        cursor && cursor->ChannelName().compare(Name(), Qt::CaseInsensitive) == 0)
        return;
    SetUserSelected(false);
}

void TiPlotChannelCustom::AddMenuItems(TPopupMenu* PopupMenu)
{
    TiPlotObject::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
}
