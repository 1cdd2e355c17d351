// Moving and resizing an annotation with the mouse: the grips, the press that picks what the drag
// does, the drag that writes the coordinates back and the events around them.

#include "plot/iPlotAnnotation.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotDecorationHost.h"

#include <cmath>

using namespace vcl;
using AS = TiPlotAnnotationStyle;
using SS = TiPlotAnnotationSelectStyle;

namespace {

enum Event { kCoordinatesChange, kMoveUser, kResizeUser, kCoordinatesChangeFinished };

} // namespace

bool TiPlotAnnotation::iMouseHitTest(const TiPlotMouseData& MouseData)
{
    if (FSelectModeOnlyInteraction && !iplot::SelectActive(this))
        return false;
    if (!FShowing)
        return false;
    const TPoint p(MouseData.X, MouseData.Y);
    return FClickRect.Contains(p) || FSizeTopLeftRect.Contains(p) || FSizeTopRightRect.Contains(p)
        || FSizeBottomLeftRect.Contains(p) || FSizeBottomRightRect.Contains(p);
}

TCursor TiPlotAnnotation::GetMouseCursor(TPoint Point)
{
    TCursor cursor = crHandPoint;
    if (FUserCanSize && IsSizable() && FUserSelected) {
        if (FSizeTopLeftRect.Contains(Point) || FSizeBottomRightRect.Contains(Point))
            cursor = crSizeNWSE;
        else if (FSizeTopRightRect.Contains(Point) || FSizeBottomLeftRect.Contains(Point))
            cursor = crSizeNESW;
    }
    if (TiPlotComponent* plot = iplot::PlotOf(this); plot && plot->OnGetMouseCursorAnnotation)
        plot->OnGetMouseCursorAnnotation(plot, Index(), cursor);
    return cursor;
}

void TiPlotAnnotation::DoMouseLeft(const TiPlotMouseData& MouseData)
{
    if (!FShowing)
        return;
    const TPoint p(MouseData.X, MouseData.Y);
    FSelectStyle = SS::ipassNone;
    if (FUserCanSize && IsSizable()) {
        if (FSizeTopLeftRect.Contains(p))
            FSelectStyle = SS::ipassSizeTopLeft;
        else if (FSizeBottomRightRect.Contains(p))
            FSelectStyle = SS::ipassSizeBottomRight;
        else if (FSizeTopRightRect.Contains(p))
            FSelectStyle = SS::ipassSizeTopRight;
        else if (FSizeBottomLeftRect.Contains(p))
            FSelectStyle = SS::ipassSizeBottomLeft;
    }
    if (FSelectStyle == SS::ipassNone && FUserCanMove)
        FSelectStyle = SS::ipassMove;
    FMouseDownOwn = true;
    FMouseDownRect = FDrawRect;
    FMouseDownXValue = FX;
    FMouseDownYValue = FY;
    FMouseDownX2Value = FX2;
    FMouseDownY2Value = FY2;
    FMouseDownWidth = FWidth;
    FMouseDownHeight = FHeight;
    FMouseDownX = MouseData.X;
    FMouseDownY = MouseData.Y;
    FMouseDownPositionPixelsX = PositionXToPixels(FX);
    FMouseDownPositionPixelsY = PositionYToPixels(FY);
    FRectChange = false;
}

void TiPlotAnnotation::DoMouseMove(const TiPlotMouseData& MouseData)
{
    if (!FMouseDownOwn || !FUserSelected || FSelectStyle == SS::ipassNone)
        return;
    const int dx = MouseData.X - FMouseDownX;
    const int dy = MouseData.Y - FMouseDownY;
    if (FSelectStyle == SS::ipassMove)
        MoveBy(dx, dy);
    else
        SizeBy(dx, dy);
    DoChange();
}

void TiPlotAnnotation::MoveBy(int DX, int DY)
{
    // Along the axes: with reversed axes the vertical movement moves X and the horizontal one Y.
    const int alongX = FXYAxesReversed ? DY : DX;
    const int alongY = FXYAxesReversed ? DX : DY;
    const double x = PixelsXToPosition(FMouseDownPositionPixelsX + alongX);
    const double y = PixelsYToPosition(FMouseDownPositionPixelsY + alongY);
    SetX(x);
    SetY(y);
    if (FStyle == AS::ipasEllipse || FStyle == AS::ipasRectangle2) {
        SetX2(FMouseDownX2Value - FMouseDownXValue + x);
        SetY2(FMouseDownY2Value - FMouseDownYValue + y);
    }
    FRectChange = true;
    DoChange();
    FireEvent(kMoveUser);
    FireEvent(kCoordinatesChange);
}

void TiPlotAnnotation::SizeBy(int DX, int DY)
{
    TRect r = FMouseDownRect;
    switch (FSelectStyle) {
    case SS::ipassSizeTopLeft: r.Left += DX; r.Top += DY; break;
    case SS::ipassSizeTopRight: r.Right += DX; r.Top += DY; break;
    case SS::ipassSizeBottomLeft: r.Left += DX; r.Bottom += DY; break;
    case SS::ipassSizeBottomRight: r.Right += DX; r.Bottom += DY; break;
    default: return;
    }
    // Edges along X and along Y in the axes' own pixel directions.
    const int x1 = FXYAxesReversed ? r.Top : r.Left;
    const int x2 = FXYAxesReversed ? r.Bottom : r.Right;
    const int y1 = FXYAxesReversed ? r.Left : r.Top;
    const int y2 = FXYAxesReversed ? r.Right : r.Bottom;
    if (FStyle == AS::ipasEllipse || FStyle == AS::ipasRectangle2) {
        SetX(PixelsXToPosition(x1));
        SetY(PixelsYToPosition(y1));
        SetX2(PixelsXToPosition(x2));
        SetY2(PixelsYToPosition(y2));
    } else {
        SetX(PixelsXToPosition((x1 + x2) / 2));
        SetY(PixelsYToPosition((y1 + y2) / 2));
        const bool channelX = ChannelFrame(FReferenceSizeX, true);
        const bool channelY = ChannelFrame(FReferenceSizeY, false);
        SetWidth(std::abs(ToPosition(channelX, true, x2) - ToPosition(channelX, true, x1)));
        SetHeight(std::abs(ToPosition(channelY, false, y2) - ToPosition(channelY, false, y1)));
    }
    FRectChange = true;
    DoChange();
    FireEvent(kCoordinatesChange);
    FireEvent(kResizeUser);
}

void TiPlotAnnotation::DoMouseUp(const TiPlotMouseData& MouseData)
{
    if (!FMouseDownOwn)
        return;
    FMouseDownOwn = false;
    if (iMouseHitTest(MouseData))
        iplot::ObjectClick(this, MouseData.DblClickActive);
    if (FRectChange)
        FireEvent(kCoordinatesChangeFinished);
    FSelectStyle = SS::ipassNone;
}
