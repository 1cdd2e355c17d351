// The data cursor's hint box: its text, its place beside the pointer (switching sides at the data
// view's edges) and its drawing.

#include "plot/iGPCanvas.h"
#include "plot/iGPText.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotDataCursor.h"
#include "plot/iPlotDataView.h"
#include "plot/iPlotDecorationHost.h"

#include "platform/ui/TCanvas.h"

using namespace vcl;

QString TiPlotDataCursor::HintText()
{
    QString text = GetChannel() ? FCursorDisplayText : TranslateString(QStringLiteral("No Channel"));
    TiPlotComponent* plot = iplot::PlotOf(this);
    if (plot && plot->OnDataCursorCustomizeHint && !plot->IsLoading())
        plot->OnDataCursorCustomizeHint(plot, Index(), text);
    return text;
}

void TiPlotDataCursor::DrawHint(TCanvas* Canvas)
{
    const QString text = HintText();
    Canvas->Font()->Assign(FFont.get());
    const int a = iTextWidthMultiLine(Canvas, text);
    TRect calc(0, 0, a, 0);
    const int b = iDrawText(Canvas, text, calc, iTextFlag::CalcRect | iTextFlag::WordBreak);
    const int wA = Canvas->TextWidth(QStringLiteral("A"));
    FHintHeight = wA / 2 + b;
    FHintWidth = a + wA;
    if (FHintOrientation == TiOrientation::ioVertical)
        PlaceVerticalHint(a, wA);
    else
        PlaceHorizontalHint(b, wA);
    ShiftHintIntoView();

    const TColor channelColor = PointerColor();
    const bool ownColor = FUseChannelColor && GetChannel();
    if (IsDeltaStyle()) {
        Canvas->Pen()->SetStyle(TPenStyle::psDot);
        Canvas->Pen()->SetWidth(1);
        Canvas->Pen()->SetColor(channelColor);
        Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
        if (FHintOrientation == TiOrientation::ioVertical) {
            const int y = (FHintRect.Top + FHintRect.Bottom) / 2;
            Canvas->MoveTo((FPointer1Rect.Left + FPointer1Rect.Right) / 2, y);
            Canvas->LineTo((FPointer2Rect.Left + FPointer2Rect.Right) / 2, y);
        } else {
            const int x = (FHintRect.Left + FHintRect.Right) / 2;
            Canvas->MoveTo(x, (FPointer1Rect.Top + FPointer1Rect.Bottom) / 2);
            Canvas->LineTo(x, (FPointer2Rect.Top + FPointer2Rect.Bottom) / 2);
        }
    }
    Canvas->Pen()->SetStyle(TPenStyle::psSolid);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(ownColor ? channelColor : clBlack);
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas->Brush()->SetColor(clInfoBk);
    Canvas->Font()->SetColor(clInfoText);
    Canvas->Rectangle(FHintRect);
    TRect textRect(FHintRect.Left + 2, FHintRect.Top + 1, FHintRect.Right, FHintRect.Bottom);
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    iDrawText(Canvas, text, textRect, iTextFlag::Left | iTextFlag::VCenter);
    Canvas->Rectangle(FHintRect);
    if (FUserSelected) {
        TRect focus = FHintRect;
        InflateRect(focus, 2, 2);
        iDrawFocusRect(Canvas, focus);
    }
    FHintShowing = true;
}

void TiPlotDataCursor::PlaceVerticalHint(int A, int wA)
{
    const TRect view = FDataView->DrawRect();
    const TRect& band = FPointer1Show ? FPointer1Rect : FPointer2Rect;
    const int r = (band.Left + band.Right) / 2;
    if (r + wA + A + 5 > view.Right)
        FHintOrientationSide = TiOrientationSide::iosTopLeft;
    if (r - wA - A - 5 < view.Left)
        FHintOrientationSide = TiOrientationSide::iosBottomRight;
    const int e = iplot::PercentToPixelsY(*FDataView, FHintPosition);
    if (IsDeltaStyle()) {
        const int cx = (FPointer1Rect.Left + FPointer1Rect.Right + FPointer2Rect.Left + FPointer2Rect.Right) / 4;
        FHintRect = TRect(cx - FHintWidth / 2, e - FHintHeight / 2, cx + FHintWidth / 2, e + FHintHeight / 2);
    } else if (FHintOrientationSide == TiOrientationSide::iosBottomRight) {
        FHintRect = TRect(r + 5, e - FHintHeight / 2, r + A + wA + 5, e + FHintHeight / 2);
    } else {
        FHintRect = TRect(r - A - wA - 5, e - FHintHeight / 2, r - 5, e + FHintHeight / 2);
    }
}

void TiPlotDataCursor::PlaceHorizontalHint(int B, int wA)
{
    const TRect view = FDataView->DrawRect();
    const TRect& band = FPointer1Show ? FPointer1Rect : FPointer2Rect;
    const int r = (band.Top + band.Bottom) / 2;
    if (r + wA + B > view.Bottom)
        FHintOrientationSide = TiOrientationSide::iosTopLeft;
    if (r - wA - B < view.Top)
        FHintOrientationSide = TiOrientationSide::iosBottomRight;
    const int e = iplot::PercentToPixelsX(*FDataView, FHintPosition);
    const int left = e - FHintWidth / 2;
    const int right = e + FHintWidth / 2;
    if (IsDeltaStyle()) {
        const int cy = (FPointer1Rect.Top + FPointer1Rect.Bottom + FPointer2Rect.Top + FPointer2Rect.Bottom) / 4;
        FHintRect = TRect(left, cy - FHintHeight / 2, right, cy + FHintHeight / 2);
    } else if (FHintOrientationSide == TiOrientationSide::iosBottomRight) {
        FHintRect = TRect(left, r + 5, right, r + FHintHeight + 5);
    } else {
        FHintRect = TRect(left, r - FHintHeight - 5, right, r - 5);
    }
}

void TiPlotDataCursor::ShiftHintIntoView()
{
    const TRect view = FDataView->DrawRect();
    if (FHintRect.Left < view.Left)
        OffsetRect(FHintRect, view.Left - FHintRect.Left, 0);
    if (FHintRect.Right > view.Right)
        OffsetRect(FHintRect, view.Right - FHintRect.Right, 0);
    if (FHintRect.Top < view.Top)
        OffsetRect(FHintRect, 0, view.Top - FHintRect.Top);
    if (FHintRect.Bottom > view.Bottom)
        OffsetRect(FHintRect, 0, view.Bottom - FHintRect.Bottom);
}
