// The annotation's drawing: each shape at the pixels of its coordinates, drawn only where it meets
// the data view, with the rectangles and size grips that the mouse handling reads.

#include "plot/iGPGeometry.h"
#include "plot/iGPText.h"
#include "plot/iPlotAnnotation.h"
#include "plot/iPlotAxis.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotDataView.h"
#include "plot/iPlotDecorationHost.h"
#include "plot/iPlotMath.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TCanvas.h"

using namespace vcl;
using AS = TiPlotAnnotationStyle;

namespace {

bool Meets(const TRect& A, const TRect& B)
{
    TRect common;
    return IntersectRect(common, A, B);
}

TRect Common(const TRect& A, const TRect& B)
{
    TRect common;
    return IntersectRect(common, A, B) ? common : TRect();
}

bool QuarterTurn(TiRotationAngle Rotation)
{
    return Rotation == TiRotationAngle::ira090 || Rotation == TiRotationAngle::ira270;
}

} // namespace

bool TiPlotAnnotation::CanDrawNow()
{
    if (!FDataView)
        return false;
    if (AnyChannelFrame()) {
        TiPlotChannelCustom* channel = Channel();
        if (!channel || !channel->XAxis() || !channel->YAxis())
            return false;
    }
    return true;
}

void TiPlotAnnotation::ClipIfAsked(TCanvas* Canvas)
{
    const TiPlotComponent* plot = iplot::PlotOf(this);
    const bool asked = FClipToAxes
        || (FReference == TiPlotReferenceType::iprtChannel && plot && plot->ClipAnnotationsToAxes());
    if (!asked)
        return;
    if (!AnyChannelFrame()) {
        // No axes to clip to: the data view bounds the annotation.
        Canvas->IntersectClipRect(ViewRect());
        return;
    }
    TiPlotChannelCustom* channel = Channel();
    TiPlotAxis* x = channel->XAxis();
    TiPlotAxis* y = channel->YAxis();
    Canvas->IntersectClipRect(
        iOrientedRect(FXYAxesReversed, x->MinPixels(), y->MinPixels(), x->MaxPixels(), y->MaxPixels()));
}

void TiPlotAnnotation::Draw(TCanvas* Canvas, TColor BackGroundColor)
{
    FShowing = false;
    if (!FVisible || !CanDrawNow())
        return;
    const int x = PositionXToPixels(FX);
    const int y = PositionYToPixels(FY);
    const int x2 = PositionXToPixels(FX2);
    const int y2 = PositionYToPixels(FY2);
    const int w = SizeToPixels(true, FWidth / 2);
    const int h = SizeToPixels(false, FHeight / 2);
    const TRect centred = iOrientedRect(FXYAxesReversed, x - w, y - h, x + w, y + h);
    const TRect corners = iOrientedRect(FXYAxesReversed, x, y, x2, y2);
    ClipIfAsked(Canvas);
    Canvas->Pen()->SetColor(FPenColor);
    Canvas->Pen()->SetWidth(FPenWidth);
    Canvas->Pen()->SetStyle(FPenStyle);
    Canvas->Brush()->SetColor(FBrushColor);
    Canvas->Brush()->SetStyle(FBrushStyle);
    switch (FStyle) {
    case AS::ipasText: DrawText(Canvas, x, y, false); break;
    case AS::ipasTextBox: DrawText(Canvas, x, y, true); break;
    case AS::ipasLine: {
        const TPoint a = iOrientedPoint(FXYAxesReversed, x, y);
        const TPoint b = iOrientedPoint(FXYAxesReversed, x2, y2);
        if (iLineIntersectsRect(a, b, ViewRect())) {
            Canvas->Brush()->SetColor(BackGroundColor);
            Canvas->MoveTo(a.X, a.Y);
            Canvas->LineTo(b.X, b.Y);
        }
        break;
    }
    case AS::ipasLineX:
        Canvas->Brush()->SetColor(BackGroundColor);
        DrawLineAcross(Canvas, x, true);
        break;
    case AS::ipasLineY:
        Canvas->Brush()->SetColor(BackGroundColor);
        DrawLineAcross(Canvas, y, false);
        break;
    case AS::ipasImage: DrawPicture(Canvas, x, y); break;
    case AS::ipasRectangle:
    case AS::ipasEllipse2:
    case AS::ipasTextRectangle: DrawShape(Canvas, centred); break;
    case AS::ipasRectangle2:
    case AS::ipasEllipse: DrawShape(Canvas, corners); break;
    case AS::ipasPolygon: DrawPolygonShape(Canvas); break;
    }
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas->Pen()->SetStyle(TPenStyle::psSolid);
}

void TiPlotAnnotation::DrawText(TCanvas* Canvas, int X, int Y, bool Box)
{
    Canvas->Font()->Assign(FFont.get());
    int tw = iTextWidthMultiLine(Canvas, FText);
    int th = iTextHeightMultiLine(Canvas, FText);
    if (Box) {
        tw += 2 * FOuterMargin;
        th += 2 * FOuterMargin;
    }
    const int mA = RoundToInt(Canvas->TextWidth(QStringLiteral("A")) * FTextHorzMargin);
    const int nA = RoundToInt(Canvas->TextHeight(QStringLiteral("A")) * FTextVertMargin);
    const TPoint anchor = iOrientedPoint(FXYAxesReversed, X, Y);
    if (QuarterTurn(FTextRotation))
        std::swap(tw, th);
    TRect r(anchor.X - tw / 2, anchor.Y - th / 2, anchor.X - tw / 2 + tw, anchor.Y - th / 2 + th);
    if (FTextHorzAlignment == TiAlignmentHorizontal::iahLeft)
        OffsetRect(r, mA + tw / 2, 0);
    else if (FTextHorzAlignment == TiAlignmentHorizontal::iahRight)
        OffsetRect(r, -(mA + tw / 2), 0);
    if (FTextVertAlignment == TiAlignmentVertical::iavTop)
        OffsetRect(r, 0, nA + th / 2);
    else if (FTextVertAlignment == TiAlignmentVertical::iavBottom)
        OffsetRect(r, 0, -(nA + th / 2));
    if (!Meets(r, ViewRect()))
        return;
    TRect textArea = r;
    if (Box) {
        Canvas->Rectangle(r);
        InflateRect(textArea, -FOuterMargin, -FOuterMargin);
    }
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    TRect taken;
    iDrawRotatedText(Canvas, FText, textArea, taken, FFont->Color(), true, FTextLineAlignment, FTextRotation);
    FDrawRect = r;
    FClickRect = r;
    FShowing = true;
}

void TiPlotAnnotation::DrawLineAcross(TCanvas* Canvas, int Position, bool AtX)
{
    const TRect view = ViewRect();
    TPoint a;
    TPoint b;
    // A line at X runs top to bottom (right to left with reversed axes); one at Y right to left
    // (top to bottom with reversed axes).
    if (AtX != FXYAxesReversed) {
        a = TPoint(Position, view.Top);
        b = TPoint(Position, view.Bottom);
        FClickRect = TRect(Position - 5, view.Top, Position + 6, view.Bottom);
    } else {
        a = TPoint(view.Right, Position);
        b = TPoint(view.Left, Position);
        FClickRect = TRect(view.Left, Position - 5, view.Right, Position + 6);
    }
    if (!iLineIntersectsRect(a, b, view))
        return;
    Canvas->MoveTo(a.X, a.Y);
    Canvas->LineTo(b.X, b.Y);
    FDrawRect = FClickRect;
    FShowing = true;
}

void TiPlotAnnotation::DrawPicture(TCanvas* Canvas, int X, int Y)
{
    const TPoint centre = iOrientedPoint(FXYAxesReversed, X, Y);
    if (FImage && !FImage->Empty()) {
        const TRect r(centre.X - FImage->Width() / 2, centre.Y - FImage->Height() / 2,
                      centre.X - FImage->Width() / 2 + FImage->Width(),
                      centre.Y - FImage->Height() / 2 + FImage->Height());
        if (!Meets(r, ViewRect()))
            return;
        FImage->SetTransparentMode(TTransparentMode::tmAuto);
        FImage->SetTransparent(true);
        Canvas->Draw(r.Left, r.Top, FImage.get());
        FDrawRect = FClickRect = r;
        FShowing = true;
        return;
    }
    const TiPlotComponent* plot = iplot::PlotOf(this);
    if (!plot)
        return;
    const TImageList* list = plot->ImageList(FImageListIndex == 0 || FImageListIndex == 1 ? FImageListIndex : 2);
    if (FImageIndex < 0 || FImageIndex >= list->Count())
        return;
    const TRect r(centre.X - list->Width() / 2, centre.Y - list->Height() / 2,
                  centre.X - list->Width() / 2 + list->Width(), centre.Y - list->Height() / 2 + list->Height());
    if (!Meets(r, ViewRect()))
        return;
    iplot::DrawListImage(Canvas, list, FImageIndex, r.Left, r.Top, FEnabled, clNone);
    FDrawRect = FClickRect = r;
    FShowing = true;
}

void TiPlotAnnotation::SetShapeRects(const TRect& Rect)
{
    const TRect view = ViewRect();
    FDrawRect = Rect;
    FClickRect = Common(Rect, view);
    auto grip = [&](int x, int y) { return Common(TRect(x - 3, y - 3, x + 3, y + 3), view); };
    FSizeTopLeftRect = grip(Rect.Left, Rect.Top);
    FSizeTopRightRect = grip(Rect.Right, Rect.Top);
    FSizeBottomLeftRect = grip(Rect.Left, Rect.Bottom);
    FSizeBottomRightRect = grip(Rect.Right, Rect.Bottom);
    FShowing = true;
}

void TiPlotAnnotation::DrawGrips(TCanvas* Canvas)
{
    if (!FUserSelected || !FShowFocusRect)
        return;
    TCanvasSaver saver(*Canvas);
    Canvas->Pen()->SetMode(TPenMode::pmNot);
    Canvas->Pen()->SetStyle(TPenStyle::psSolid);
    Canvas->Pen()->SetWidth(1);
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    for (const TRect& grip : { FSizeTopLeftRect, FSizeTopRightRect, FSizeBottomLeftRect, FSizeBottomRightRect })
        if (!grip.IsEmpty())
            Canvas->Rectangle(grip);
}

void TiPlotAnnotation::DrawShape(TCanvas* Canvas, const TRect& Rect)
{
    if (!Meets(Rect, ViewRect()))
        return;
    if (FStyle == AS::ipasEllipse || FStyle == AS::ipasEllipse2)
        Canvas->Ellipse(Rect);
    else
        Canvas->Rectangle(Rect);
    SetShapeRects(Rect);
    DrawGrips(Canvas);
    if (FStyle == AS::ipasTextRectangle)
        DrawTextInRect(Canvas, Rect);
}

void TiPlotAnnotation::DrawTextInRect(TCanvas* Canvas, const TRect& Rect)
{
    Canvas->Font()->Assign(FFont.get());
    int tw = iTextWidthMultiLine(Canvas, FText);
    int th = iTextHeightMultiLine(Canvas, FText);
    if (QuarterTurn(FTextRotation))
        std::swap(tw, th);
    const int m0 = RoundToInt(Canvas->TextWidth(QStringLiteral("0")) * FTextHorzMargin);
    const int nA = RoundToInt(Canvas->TextHeight(QStringLiteral("A")) * FTextVertMargin);
    TRect r = Rect;
    if (FTextHorzAlignment == TiAlignmentHorizontal::iahLeft) {
        r.Left = Rect.Left + m0;
        r.Right = r.Left + tw;
    } else if (FTextHorzAlignment == TiAlignmentHorizontal::iahRight) {
        r.Right = Rect.Right - m0;
        r.Left = r.Right - tw;
    }
    if (FTextVertAlignment == TiAlignmentVertical::iavTop) {
        r.Top = Rect.Top + nA;
        r.Bottom = r.Top + th;
    } else if (FTextVertAlignment == TiAlignmentVertical::iavBottom) {
        r.Bottom = Rect.Bottom - nA;
        r.Top = r.Bottom - th;
    }
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    TRect taken;
    iDrawRotatedText(Canvas, FText, r, taken, FFont->Color(), true, FTextLineAlignment, FTextRotation);
}

void TiPlotAnnotation::DrawPolygonShape(TCanvas* Canvas)
{
    if (PolyPointsCount() < 2)
        return;
    std::vector<TPoint> points;
    for (const TiPlotAnnotationPoint& p : FPolyPoints)
        points.push_back(iOrientedPoint(FXYAxesReversed, PositionXToPixels(p.X), PositionYToPixels(p.Y)));
    TRect box(points[0].X, points[0].Y, points[0].X, points[0].Y);
    for (const TPoint& p : points) {
        box.Left = std::min(box.Left, p.X);
        box.Top = std::min(box.Top, p.Y);
        box.Right = std::max(box.Right, p.X);
        box.Bottom = std::max(box.Bottom, p.Y);
    }
    if (!Meets(box, ViewRect()))
        return;
    Canvas->Polygon(points);
    SetShapeRects(box);
    DrawGrips(Canvas);
}
