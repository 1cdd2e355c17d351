// How an axis draws itself: scale line, tick lines, labels, title and selection frame, the grid
// lines it lends the data view, and the zoom box taken onto its scale.

#include "plot/iPlotAxis.h"

#include "plot/iGPCanvas.h"
#include "plot/iGPGeometry.h"
#include "plot/iGPText.h"
#include "plot/iPlotComponent.h"

#include "platform/ui/TCanvas.h"

#include <cmath>

using namespace vcl;

namespace {

int Rounded(double Value) { return static_cast<int>(std::nearbyint(Value)); }

bool Rotated(TiRotationAngle Angle) { return Angle == TiRotationAngle::ira090 || Angle == TiRotationAngle::ira270; }

TPenStyle GridPenStyle(TiPlotGridLineStyle Style)
{
    switch (Style) {
    case TiPlotGridLineStyle::ipglsDash:
        return TPenStyle::psDash;
    case TiPlotGridLineStyle::ipglsDot:
        return TPenStyle::psDot;
    case TiPlotGridLineStyle::ipglsSolid:
        break;
    }
    return TPenStyle::psSolid;
}

void Line(TCanvas* Canvas, int X1, int Y1, int X2, int Y2)
{
    Canvas->MoveTo(X1, Y1);
    Canvas->LineTo(X2, Y2);
}

TiPlotComponent* PlotOf(TWinControl* Owner) { return dynamic_cast<TiPlotComponent*>(Owner); }

} // namespace

void TiPlotAxis::PrepareDraw()
{
    SettleOwed();
    TiPlotLayoutObject::PrepareDraw();
    TiPlotComponent* plot = PlotOf(FOwner);
    if (!IsCartesian() || !plot)
        return;
    const TRect& s = FScaleRect;
    switch (FQuadSide) {
    case TiQuadSide::iqsLeft:
        plot->AddCollisionRect(iRectFromPoints(s.Right, s.Top, s.Right + 1, s.Bottom + 1));
        break;
    case TiQuadSide::iqsTop:
        plot->AddCollisionRect(iRectFromPoints(s.Left, s.Bottom, s.Right, s.Bottom + 1));
        break;
    case TiQuadSide::iqsRight:
        plot->AddCollisionRect(iRectFromPoints(s.Left, s.Top, s.Left + 1, s.Bottom + 1));
        break;
    case TiQuadSide::iqsBottom:
        plot->AddCollisionRect(iRectFromPoints(s.Left, s.Top, s.Right + 1, s.Top + 1));
        break;
    }
}

void TiPlotAxis::Draw(TCanvas* Canvas, TColor)
{
    SettleOwed();
    if (!FVisible)
        return;
    for (const auto& tick : FTickList) {
        tick->Show = PointOnScale(tick->Position);
        if (!tick->Show)
            continue;
        tick->PositionPixels = PositionToPixels(tick->Position);
        if (tick->TickType == TiPlotTickType::ipttMajor && FLabelsVisible)
            DrawLabel(Canvas, *tick);
    }
    if (FScaleLinesShow) {
        Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
        Canvas->Pen()->SetStyle(TPenStyle::psSolid);
        Canvas->Pen()->SetWidth(1);
        if (FScaleLineShow)
            DrawScaleLine(Canvas);
        for (const auto& tick : FTickList)
            if (tick->Show)
                DrawTickLine(Canvas, *tick);
    }
    if (!IsCartesian())
        DrawTitle(Canvas);
    else if (IsHorz()) {
        FFocusRect.Top = FTop - (FMajorLength + 1) / 2 - 5;
        FFocusRect.Bottom = FFocusRect.Top + FRequiredWidth;
    } else {
        FFocusRect.Left = FLeft - (FMajorLength + 1) / 2 - 5;
        FFocusRect.Right = FFocusRect.Left + FRequiredWidth;
    }
    if (FUserSelected) {
        Canvas->Font()->SetColor(clWhite);
        iDrawFocusRect(Canvas, TRect(FFocusRect.Left, FFocusRect.Top, FFocusRect.Right + 1, FFocusRect.Bottom + 1));
    }
}

void TiPlotAxis::DrawScaleLine(TCanvas* Canvas) const
{
    Canvas->Pen()->SetColor(FScaleLinesColor);
    Canvas->Pen()->SetWidth(1);
    const int d = IsCartesian() ? 0 : FInnerMargin;
    const TRect& s = FScaleRect;
    switch (FQuadSide) {
    case TiQuadSide::iqsLeft:
        Line(Canvas, s.Right - d, s.Top, s.Right - d, s.Bottom + 1);
        break;
    case TiQuadSide::iqsTop:
        Line(Canvas, s.Left, s.Bottom - d, s.Right, s.Bottom - d);
        break;
    case TiQuadSide::iqsRight:
        Line(Canvas, s.Left + d, s.Top, s.Left + d, s.Bottom + 1);
        break;
    case TiQuadSide::iqsBottom:
        Line(Canvas, s.Left, s.Top + d, s.Right + 1, s.Top + d);
        break;
    }
}

void TiPlotAxis::DrawTickLine(TCanvas* Canvas, const TiPlotTickObject& Tick)
{
    Canvas->Pen()->SetColor(FScaleLinesColor);
    const bool major = Tick.TickType == TiPlotTickType::ipttMajor;
    int p = 0;
    int q = 0;
    if (IsCartesian()) {
        p = ((major ? FMajorLength : FMinorLength) + 1) / 2;
        q = -p - 1;
    } else if (major) {
        p = FInnerMargin;
        q = FInnerMargin + FMajorLength;
    } else {
        p = FInnerMargin + FMinorLength;
        q = FInnerMargin;
    }
    const int at = Tick.PositionPixels;
    TPoint from;
    TPoint to;
    switch (FQuadSide) {
    case TiQuadSide::iqsLeft:
        from = TPoint(FRight - p, at);
        to = TPoint(FRight - q, at);
        break;
    case TiQuadSide::iqsTop:
        from = TPoint(at, FBottom - p);
        to = TPoint(at, FBottom - q);
        break;
    case TiQuadSide::iqsRight:
        from = TPoint(FLeft + p, at);
        to = TPoint(FLeft + q, at);
        break;
    case TiQuadSide::iqsBottom:
        from = TPoint(at, FTop + p);
        to = TPoint(at, FTop + q);
        break;
    }
    if (IsCartesian())
        if (TiPlotComponent* plot = PlotOf(FOwner))
            plot->AddCollisionRect(iRectFromPoints(from.X, from.Y, to.X, to.Y));
    Line(Canvas, from.X, from.Y, to.X, to.Y);
}

void TiPlotAxis::DrawLabel(TCanvas* Canvas, const TiPlotTickObject& Tick)
{
    Canvas->Font()->Assign(FLabelsFont.get());
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    const int m = Rounded(iTextHeightMultiLine(Canvas, QStringLiteral("A")) * FLabelsMargin);
    const int th = iTextHeightMultiLine(Canvas, Tick.Text);
    const int tw = iTextWidthMultiLine(Canvas, Tick.Text);
    int distance = FInnerMargin + m;
    if (IsCartesian())
        distance = m + (FMajorLength + 1) / 2;
    else if (FScaleLinesShow)
        distance = FInnerMargin + FMajorLength + m;
    const bool rotated = Rotated(FLabelsRotation);
    const int w = rotated ? th : tw;
    const int h = rotated ? tw : th;
    const int at = Tick.PositionPixels;
    TRect r;
    switch (FQuadSide) {
    case TiQuadSide::iqsLeft:
        r = TRect(FRight - distance - w, at - h / 2, FRight - distance, at - h / 2 + h);
        break;
    case TiQuadSide::iqsTop:
        r = TRect(at - w / 2, FBottom - distance - h, at - w / 2 + w, FBottom - distance);
        break;
    case TiQuadSide::iqsRight:
        r = TRect(FLeft + distance, at - h / 2, FLeft + distance + w, at - h / 2 + h);
        break;
    case TiQuadSide::iqsBottom:
        r = TRect(at - w / 2, FTop + distance, at - w / 2 + w, FTop + distance + h);
        break;
    }
    if (IsCartesian()) {
        TiPlotComponent* plot = PlotOf(FOwner);
        if (!plot || !plot->TryAddCollisionRect(r))
            return;
    }
    TRect drawn;
    iDrawRotatedText(Canvas, Tick.Text, r, drawn, clBtnFace, true, TiAlignmentHorizontal::iahCenter, FLabelsRotation);
}

void TiPlotAxis::DrawTitle(TCanvas* Canvas)
{
    if (!FTitleShow || FTitle.trimmed().isEmpty())
        return;
    Canvas->Font()->Assign(FTitleFont.get());
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    const int width = iTextWidthMultiLine(Canvas, FTitle);
    const int height = iTextHeightMultiLine(Canvas, FTitle);
    const int a = FTitleRotated ? width : height;
    const int b = FTitleRotated ? height : width;
    const TRect& s = FScaleRect;
    TRect r;
    TiRotationAngle turn = TiRotationAngle::ira000;
    if (IsHorz()) {
        if (FQuadSide == TiQuadSide::iqsTop)
            r = TRect(s.Left, s.Top + FOuterMargin, s.Right, s.Top + FOuterMargin + a);
        else
            r = TRect(s.Left, s.Bottom - FOuterMargin - a, s.Right, s.Bottom - FOuterMargin);
        if (FTitleRotated)
            turn = TiRotationAngle::ira090;
    } else {
        const int c = (s.Top + s.Bottom) / 2;
        if (FQuadSide == TiQuadSide::iqsLeft)
            r = TRect(s.Left + FOuterMargin, c - b / 2, s.Left + FOuterMargin + a, c + b / 2);
        else
            r = TRect(s.Right - FOuterMargin - a, c - b / 2, s.Right - FOuterMargin, c + b / 2);
        if (!FTitleRotated)
            turn = TiRotationAngle::ira090;
    }
    TRect drawn;
    iDrawRotatedText(Canvas, FTitle, r, drawn, clBtnFace, true, TiAlignmentHorizontal::iahCenter, turn);
}

void TiPlotAxis::DrawGridLines(TCanvas* Canvas, const TRect& Rect, const TiPlotGridPen& Minor,
                               const TiPlotGridPen& Major, bool ShowMinors, bool ShowMajors) const
{
    SettleOwed();
    if (!FGridLinesVisible)
        return;
    for (const auto& tick : FTickList) {
        if (!tick->Show)
            continue;
        const bool major = tick->TickType == TiPlotTickType::ipttMajor;
        if (major ? !ShowMajors : !ShowMinors)
            continue;
        const TiPlotGridPen& pen = major ? Major : Minor;
        Canvas->Pen()->SetStyle(GridPenStyle(pen.Style));
        Canvas->Pen()->SetWidth(pen.Width);
        Canvas->Pen()->SetColor(pen.Color);
        const int at = tick->PositionPixels;
        if (IsHorz())
            Line(Canvas, at, Rect.Top, at, Rect.Bottom);
        else
            Line(Canvas, Rect.Left, at, Rect.Right, at);
    }
}

void TiPlotAxis::ZoomToRect(const TRect& Rect)
{
    SettleOwed();
    int first = IsHorz() ? Rect.Left : Rect.Bottom;
    int second = IsHorz() ? Rect.Right : Rect.Top;
    if (FReverseScale)
        std::swap(first, second);
    const double newMin = PixelsToPosition(first);
    SetMinSpan(newMin, PixelsToPosition(second) - newMin);
}
