#include "plot/iPlotLimit.h"

#include "plot/iGPGeometry.h"
#include "plot/iPlotAxis.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotDecorationHost.h"

#include "platform/core/Exception.h"
#include "platform/ui/TCanvas.h"

using namespace vcl;

TiPlotLimit::TiPlotLimit(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                         TNotifyEvent AOnRename)
    : TiPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      FPointList(std::make_unique<TiLimitDataList>())
{
}

TiPlotLimit::~TiPlotLimit() = default;

int TiPlotLimit::Index() const
{
    const TiPlotComponent* plot = iplot::PlotOf(this);
    return plot ? iplot::IndexIn(plot->Master()->LimitManager(), this) : -1;
}

void TiPlotLimit::SetLineStyle(TPenStyle Value)
{
    if (FLineStyle == Value)
        return;
    FLineStyle = Value;
    DoChange();
}

void TiPlotLimit::SetFillStyle(TBrushStyle Value)
{
    if (FFillStyle == Value)
        return;
    FFillStyle = Value;
    DoChange();
}

void TiPlotLimit::SetStyle(TiPlotLimitStyle Value)
{
    if (FStyle == Value)
        return;
    FStyle = Value;
    DoChange();
}

void TiPlotLimit::SetXAxisName(const QString& Value)
{
    if (FXAxisName == Value)
        return;
    FXAxis = nullptr;
    FXAxisName = Value;
    DoChange();
}

void TiPlotLimit::SetYAxisName(const QString& Value)
{
    if (FYAxisName == Value)
        return;
    FYAxis = nullptr;
    FYAxisName = Value;
    DoChange();
}

void TiPlotLimit::SetLinePosition(double Value, double& Field, bool Line1)
{
    if (Field == Value)
        return;
    const double old = Field;
    Field = Value;
    DoChange();
    TiPlotComponent* plot = iplot::PlotOf(this);
    if (!plot || plot->IsLoading())
        return;
    const TiPlotLimitPositionEvent& event = Line1 ? plot->OnLimitLine1PositionChange : plot->OnLimitLine2PositionChange;
    if (event)
        event(plot, Index(), old, Value);
}

void TiPlotLimit::AddBandElement(double Position, double UpperLimit, double LowerLimit)
{
    if (LowerLimit > UpperLimit)
        throw Exception(QStringLiteral("the Upper Limit must be greater than or equal to the Lower Limit"));
    FPointList->Add(Position, UpperLimit, LowerLimit);
    DoChange();
}

void TiPlotLimit::ClearAllElements()
{
    FPointList->Clear();
    DoChange();
}

bool TiPlotLimit::IsAreaStyle() const
{
    switch (FStyle) {
    case TiPlotLimitStyle::iplsLineX:
    case TiPlotLimitStyle::iplsLineY: return false;
    case TiPlotLimitStyle::iplsBandX:
    case TiPlotLimitStyle::iplsBandY: return FFillStyle != TBrushStyle::bsClear;
    case TiPlotLimitStyle::iplsPolyBandX:
    case TiPlotLimitStyle::iplsPolyBandY: return true;
    }
    return false;
}

bool TiPlotLimit::IsXStyle() const
{
    return FStyle == TiPlotLimitStyle::iplsLineX || FStyle == TiPlotLimitStyle::iplsBandX
        || FStyle == TiPlotLimitStyle::iplsPolyBandX;
}

TiPlotXAxis* TiPlotLimit::XAxis()
{
    if (!FXAxis)
        if (const TiPlotComponent* plot = iplot::PlotOf(this))
            FXAxis = plot->GetXAxisByName(FXAxisName);
    return FXAxis;
}

TiPlotYAxis* TiPlotLimit::YAxis()
{
    if (!FYAxis)
        if (const TiPlotComponent* plot = iplot::PlotOf(this))
            FYAxis = plot->GetYAxisByName(FYAxisName);
    return FYAxis;
}

void TiPlotLimit::NotificationRemove(TObject* AObject)
{
    if (AObject == FXAxis)
        FXAxis = nullptr;
    if (AObject == FYAxis)
        FYAxis = nullptr;
}

void TiPlotLimit::NotificationRename(TiPlotObject* AObject)
{
    if (AObject && AObject == FXAxis)
        FXAxisName = AObject->Name();
    if (AObject && AObject == FYAxis)
        FYAxisName = AObject->Name();
}

void TiPlotLimit::NotificationSetFocus(TiPlotObject* AObject)
{
    if (AObject != this && AObject && AObject->UserSelected())
        SetUserSelected(false);
}

TPoint TiPlotLimit::Point(int X, int Y) const { return iOrientedPoint(FXYAxesReversed, X, Y); }

// The hit band of a line at Position (pixels on its own axis) over From..To on the other axis,
// five pixels each side, both ends included.
TRect TiPlotLimit::Band(int Position, int From, int To, bool AcrossX) const
{
    const TRect r = AcrossX ? iRectFromPoints(Position - 5, From, Position + 5, To)
                            : iRectFromPoints(From, Position - 5, To, Position + 5);
    const TRect oriented = FXYAxesReversed ? TRect(r.Top, r.Left, r.Bottom, r.Right) : r;
    return TRect(oriented.Left, oriented.Top, oriented.Right + 1, oriented.Bottom + 1);
}

void TiPlotLimit::Draw(TCanvas* Canvas, TColor BackGroundColor)
{
    FLine1Show = FLine2Show = false;
    if (!FVisible || !XAxis() || !YAxis())
        return;
    if (FClipToAxes) {
        const TRect r = iOrientedRect(FXYAxesReversed, FXAxis->MinPixels(), FYAxis->MinPixels(), FXAxis->MaxPixels(),
                                      FYAxis->MaxPixels());
        Canvas->IntersectClipRect(r);
    }
    switch (FStyle) {
    case TiPlotLimitStyle::iplsLineX:
    case TiPlotLimitStyle::iplsLineY: DrawLine(Canvas, BackGroundColor); break;
    case TiPlotLimitStyle::iplsBandX:
    case TiPlotLimitStyle::iplsBandY: DrawBand(Canvas); break;
    case TiPlotLimitStyle::iplsPolyBandX:
    case TiPlotLimitStyle::iplsPolyBandY: DrawPolyBand(Canvas); break;
    }
}

void TiPlotLimit::DrawLine(TCanvas* Canvas, TColor BackGroundColor)
{
    const bool x = IsXStyle();
    TiPlotAxis* own = x ? static_cast<TiPlotAxis*>(FXAxis) : FYAxis;
    TiPlotAxis* other = x ? static_cast<TiPlotAxis*>(FYAxis) : FXAxis;
    if (!(own->Min() <= FLine1Position && FLine1Position <= own->Max()))
        return;
    Canvas->Pen()->SetColor(FColor);
    Canvas->Pen()->SetWidth(FLineWidth);
    Canvas->Pen()->SetStyle(FLineStyle);
    Canvas->Brush()->SetColor(BackGroundColor);
    const int p = own->PositionToPixels(FLine1Position);
    const int from = other->MinPixels();
    const int to = other->MaxPixels();
    const TPoint a = x ? Point(p, from) : Point(from, p);
    const TPoint b = x ? Point(p, to) : Point(to, p);
    Canvas->MoveTo(a.X, a.Y);
    Canvas->LineTo(b.X, b.Y);
    FLine1Show = true;
    FLine1ClickRect = Band(p, from, to, x);
}

void TiPlotLimit::DrawBand(TCanvas* Canvas)
{
    const bool x = IsXStyle();
    TiPlotAxis* own = x ? static_cast<TiPlotAxis*>(FXAxis) : FYAxis;
    TiPlotAxis* other = x ? static_cast<TiPlotAxis*>(FYAxis) : FXAxis;
    const int p1 = own->PositionToPixels(FLine1Position);
    const int p2 = own->PositionToPixels(FLine2Position);
    const int from = other->MinPixels();
    const int to = other->MaxPixels();
    FLine1Show = FLine2Show = true;
    FLine1ClickRect = Band(p1, from, to, x);
    FLine2ClickRect = Band(p2, from, to, x);
    Canvas->Pen()->SetColor(FColor);
    Canvas->Brush()->SetColor(FColor);
    Canvas->Brush()->SetStyle(FFillStyle);
    const TRect area = x ? iOrientedRect(FXYAxesReversed, p1, from, p2, to)
                         : iOrientedRect(FXYAxesReversed, from, p1, to, p2);
    auto lines = [&](int width) {
        Canvas->Pen()->SetStyle(FLineStyle);
        Canvas->Pen()->SetWidth(width);
        for (int p : { p1, p2 }) {
            const TPoint a = x ? Point(p, from) : Point(from, p);
            const TPoint b = x ? Point(p, to) : Point(to, p);
            Canvas->MoveTo(a.X, a.Y);
            Canvas->LineTo(b.X, b.Y);
        }
    };
    if (FFillStyle == TBrushStyle::bsSolid) {
        Canvas->Pen()->SetStyle(FLineStyle);
        Canvas->Pen()->SetWidth(1);
        Canvas->Rectangle(area);
    } else if (FFillStyle == TBrushStyle::bsClear) {
        lines(FLineWidth);
    } else {
        Canvas->Pen()->SetStyle(TPenStyle::psClear);
        Canvas->Rectangle(area);
        lines(1);
    }
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
}

void TiPlotLimit::DrawPolyBand(TCanvas* Canvas)
{
    if (FPointList->Count() < 2)
        return;
    const bool x = FStyle == TiPlotLimitStyle::iplsPolyBandX;
    TiPlotAxis* positionAxis = x ? static_cast<TiPlotAxis*>(FYAxis) : FXAxis;
    TiPlotAxis* valueAxis = x ? static_cast<TiPlotAxis*>(FXAxis) : FYAxis;
    auto point = [&](double position, double value) {
        const int p = positionAxis->PositionToPixels(position);
        const int v = valueAxis->PositionToPixels(value);
        return x ? Point(v, p) : Point(p, v);
    };
    Canvas->Pen()->SetColor(FColor);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(TPenStyle::psSolid);
    Canvas->Brush()->SetColor(FColor);
    Canvas->Brush()->SetStyle(FFillStyle);
    for (int i = 1; i < FPointList->Count(); ++i) {
        const double pos0 = FPointList->Value1(i - 1);
        const double pos1 = FPointList->Value1(i);
        if (pos0 < positionAxis->Min() && pos1 < positionAxis->Min())
            continue;
        if (pos0 > positionAxis->Max())
            break;
        const TPoint upper0 = point(pos0, FPointList->Value2(i - 1));
        const TPoint upper1 = point(pos1, FPointList->Value2(i));
        const TPoint lower1 = point(pos1, FPointList->Value3(i));
        const TPoint lower0 = point(pos0, FPointList->Value3(i - 1));
        if (FFillStyle == TBrushStyle::bsSolid) {
            Canvas->Polygon({ upper0, upper1, lower1, lower0 });
            continue;
        }
        Canvas->Pen()->SetStyle(TPenStyle::psClear);
        Canvas->Polygon({ upper0, upper1, lower1, lower0 });
        Canvas->Pen()->SetStyle(TPenStyle::psSolid);
        Canvas->MoveTo(upper0.X, upper0.Y);
        Canvas->LineTo(upper1.X, upper1.Y);
        Canvas->MoveTo(lower0.X, lower0.Y);
        Canvas->LineTo(lower1.X, lower1.Y);
    }
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
}

bool TiPlotLimit::iMouseHitTest(const TiPlotMouseData& MouseData)
{
    if (FSelectModeOnlyInteraction && !iplot::SelectActive(this))
        return false;
    const TPoint p(MouseData.X, MouseData.Y);
    return (FLine1Show && FLine1ClickRect.Contains(p)) || (FLine2Show && FLine2ClickRect.Contains(p));
}

TCursor TiPlotLimit::GetMouseCursor(TPoint)
{
    if (!FUserCanMove)
        return crDefault;
    TCursor cursor = crHandPoint;
    if (FLine1Show && FLine2Show)
        cursor = (IsXStyle() != FXYAxesReversed) ? crSizeWE : crSizeNS;
    if (TiPlotComponent* plot = iplot::PlotOf(this); plot && plot->OnGetMouseCursorLimit)
        plot->OnGetMouseCursorLimit(plot, Index(), cursor);
    return cursor;
}

void TiPlotLimit::DoMouseLeft(const TiPlotMouseData& MouseData)
{
    if (!FUserCanMove)
        return;
    const TPoint p(MouseData.X, MouseData.Y);
    if (FLine1Show && FLine1ClickRect.Contains(p))
        FMouseDownLine1 = true;
    else if (FLine2Show && FLine2ClickRect.Contains(p))
        FMouseDownLine2 = true;
    if (FMouseDownLine1 || FMouseDownLine2)
        InvalidateNow();
}

void TiPlotLimit::DoMouseMove(const TiPlotMouseData& MouseData)
{
    if (!(FMouseDownLine1 || FMouseDownLine2) || !XAxis() || !YAxis())
        return;
    const double position = IsXStyle() ? FXAxis->PixelsToPosition(MouseData.XAxisPixels)
                                       : FYAxis->PixelsToPosition(MouseData.YAxisPixels);
    if (FMouseDownLine1)
        SetLine1Position(position);
    else
        SetLine2Position(position);
}

void TiPlotLimit::DoMouseUp(const TiPlotMouseData& MouseData)
{
    if (!(FMouseDownLine1 || FMouseDownLine2))
        return;
    FMouseDownLine1 = FMouseDownLine2 = false;
    if (iMouseHitTest(MouseData))
        iplot::ObjectClick(this, MouseData.DblClickActive);
}

void TiPlotLimit::AddMenuItems(TPopupMenu* PopupMenu)
{
    TiPlotManagerObject::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
}
