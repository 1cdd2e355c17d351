// The legend's drawing: background, column titles, each shown entry's cells and the scroll arrows.

#include "plot/iGPCanvas.h"
#include "plot/iGPText.h"
#include "plot/iPlotAxis.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotLegend.h"

#include "platform/ui/TCanvas.h"

#include <utility>
#include <vector>

using namespace vcl;

namespace {

using Segments = std::vector<std::pair<int, int>>;

// The dashes of a 13-pixel line sample, as [from, to) offsets from the cell's left edge.
Segments SampleSegments(TiPlotLineStyle Style)
{
    switch (Style) {
    case TiPlotLineStyle::iplsSolid: return { { 0, 13 } };
    case TiPlotLineStyle::iplsDash: return { { 0, 5 }, { 8, 13 } };
    case TiPlotLineStyle::iplsDot: return { { 0, 2 }, { 4, 6 }, { 8, 10 } };
    case TiPlotLineStyle::iplsDashDot: return { { 0, 5 }, { 7, 9 } };
    case TiPlotLineStyle::iplsDashDotDot: return { { 0, 5 }, { 7, 9 }, { 11, 13 } };
    }
    return {};
}

TPenStyle PenStyleOf(TiPlotLineStyle Style)
{
    switch (Style) {
    case TiPlotLineStyle::iplsSolid: return TPenStyle::psSolid;
    case TiPlotLineStyle::iplsDash: return TPenStyle::psDash;
    case TiPlotLineStyle::iplsDot: return TPenStyle::psDot;
    case TiPlotLineStyle::iplsDashDot: return TPenStyle::psDashDot;
    case TiPlotLineStyle::iplsDashDotDot: return TPenStyle::psDashDotDot;
    }
    return TPenStyle::psClear;
}

void DrawArrow(TCanvas* Canvas, const TiPlotButton& Button, bool Up)
{
    const TRect r = Button.DrawRect();
    const int cx = (r.Left + r.Right) / 2;
    const int cy = (r.Top + r.Bottom) / 2;
    const TColor color = Button.Enabled() ? clBlack : static_cast<TColor>(0x808080);
    Canvas->Pen()->SetStyle(TPenStyle::psSolid);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(color);
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas->Brush()->SetColor(color);
    if (Up)
        Canvas->Polygon({ TPoint(cx - 4, cy + 2), TPoint(cx + 4, cy + 2), TPoint(cx, cy - 2) });
    else
        Canvas->Polygon({ TPoint(cx - 4, cy - 2), TPoint(cx + 4, cy - 2), TPoint(cx, cy + 2) });
}

} // namespace

// Draws the arrows of a legend or table: each button's face, then its triangle.
void iDrawScrollArrows(TCanvas* Canvas, TiPlotButton& UpButton, TiPlotButton& DownButton)
{
    for (auto [button, up] : { std::pair<TiPlotButton*, bool>(&UpButton, true), { &DownButton, false } }) {
        if (!button->Visible())
            continue;
        button->Draw(Canvas, clBtnFace);
        DrawArrow(Canvas, *button, up);
    }
}

void TiPlotLegend::Draw(TCanvas* Canvas, TColor)
{
    if (!FVisible)
        return;
    Layout(Canvas);
    if (FItems.empty())
        return;
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas->Pen()->SetStyle(TPenStyle::psSolid);
    if (!FBackGroundTransparent) {
        Canvas->Brush()->SetColor(FBackGroundColor);
        Canvas->FillRect(DrawRect());
    }
    if (FColumnTitlesVisible)
        DrawColumnTitles(Canvas);
    for (const TiPlotLegendItem& item : FItems)
        item.Channel->SetLegendRect(TRect(0, 0, 0, 0));
    for (int i = FItemViewStartIndex; i <= FItemViewStopIndex && i < ItemCount(); ++i)
        DrawItem(Canvas, FItems[static_cast<size_t>(i)]);
    iDrawScrollArrows(Canvas, *FUpButton, *FDownButton);
    if (FUserSelected) {
        TRect r = DrawRect();
        if (FHorizontal) {
            r.Top += 2;
            r.Bottom -= 2;
        } else {
            r.Left += 2;
            r.Right -= 2;
        }
        iDrawFocusRect(Canvas, r);
    }
}

void TiPlotLegend::DrawColumnTitles(TCanvas* Canvas)
{
    Canvas->Font()->Assign(FColumnTitlesFont.get());
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    const std::uint16_t base = iTextFlag::SingleLine | iTextFlag::VCenter | iTextFlag::NoClip;
    const int top = FColumnTitlesRect.Top;
    const int bottom = FColumnTitlesRect.Bottom;
    auto title = [&](int left, bool shown, int start, int width, const QString& caption, std::uint16_t align) {
        if (!shown)
            return;
        TRect r(left + start, top, left + start + width, bottom);
        iDrawText(Canvas, TranslateString(caption), r, base | align);
    };
    for (int left : FColumnList) {
        title(left, true, FColumnStartChannel, FMaxWidthChannelLabel, FCaptionColumnTitle, iTextFlag::Left);
        title(left, FShowColumnXName, FColumnStartXName, FMaxWidthXName, FCaptionColumnXName, iTextFlag::Center);
        title(left, FShowColumnYName, FColumnStartYName, FMaxWidthYName, FCaptionColumnYName, iTextFlag::Center);
        title(left, FShowColumnXValue2, FColumnStartXValue, FMaxWidthXValue, FCaptionColumnXValue, iTextFlag::Right);
        title(left, FShowColumnYValue2, FColumnStartYValue, FMaxWidthYValue, FCaptionColumnYValue, iTextFlag::Right);
        title(left, FShowColumnYMax, FColumnStartYMax, FMaxWidthYMax, FCaptionColumnYMax, iTextFlag::Right);
        title(left, FShowColumnYMin, FColumnStartYMin, FMaxWidthYMin, FCaptionColumnYMin, iTextFlag::Right);
        title(left, FShowColumnYMean, FColumnStartYMean, FMaxWidthYMean, FCaptionColumnYMean, iTextFlag::Right);
    }
}

void TiPlotLegend::DrawItem(TCanvas* Canvas, const TiPlotLegendItem& Item)
{
    TiPlotChannelCustom* channel = Item.Channel;
    const int centreY = Item.ATop + FItemHeight / 2;
    if (FShowColumnLine)
        DrawLineSample(Canvas, channel, Item.ALeft + FColumnStartLine, centreY);
    if (FShowColumnMarker)
        channel->DrawMarker(Canvas, -1, FBackGroundColor,
                            TPoint(Item.ALeft + FColumnStartMarker + FMaxWidthMarker / 2, centreY));
    DrawTitleCell(Canvas, Item);

    Canvas->Font()->Assign(FFont.get());
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    const int left = Item.ALeft;
    if (FShowColumnXName)
        DrawTextCell(Canvas, left + FColumnStartXName, Item.ATop, FMaxWidthXName, AxisTitleText(channel->XAxis()),
                     iTextFlag::Left);
    if (FShowColumnYName)
        DrawTextCell(Canvas, left + FColumnStartYName, Item.ATop, FMaxWidthYName, AxisTitleText(channel->YAxis()),
                     iTextFlag::Left);
    if (FShowColumnXValue2)
        DrawTextCell(Canvas, left + FColumnStartXValue, Item.ATop, FMaxWidthXValue, XValueText(channel),
                     iTextFlag::Right);
    if (FShowColumnYValue2)
        DrawTextCell(Canvas, left + FColumnStartYValue, Item.ATop, FMaxWidthYValue, YValueText(channel),
                     iTextFlag::Right);
    if (FShowColumnYMax)
        DrawTextCell(Canvas, left + FColumnStartYMax, Item.ATop, FMaxWidthYMax,
                     StatText(channel, channel->RunningYMax()), iTextFlag::Right);
    if (FShowColumnYMin)
        DrawTextCell(Canvas, left + FColumnStartYMin, Item.ATop, FMaxWidthYMin,
                     StatText(channel, channel->RunningYMin()), iTextFlag::Right);
    if (FShowColumnYMean)
        DrawTextCell(Canvas, left + FColumnStartYMean, Item.ATop, FMaxWidthYMean,
                     StatText(channel, channel->RunningYMean()), iTextFlag::Right);
}

void TiPlotLegend::DrawTitleCell(TCanvas* Canvas, const TiPlotLegendItem& Item)
{
    TiPlotChannelCustom* channel = Item.Channel;
    const int left = Item.ALeft + FColumnStartChannel;
    TRect cell(left, Item.ATop, left + FMaxWidthChannelLabel + 1, Item.ATop + Item.MaxHeight);
    channel->SetLegendRect(cell);
    if (channel->UserSelected()) {
        Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
        Canvas->Brush()->SetColor(FSelectedItemBackGroundColor);
        Canvas->FillRect(cell);
        Canvas->Font()->Assign(FSelectedItemFont.get());
    } else {
        Canvas->Font()->Assign(FFont.get());
    }
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    switch (FChannelNameColorStyle) {
    case TiPlotLegendChannelNameColorStyle::iplcncsChannelColor:
        Canvas->Font()->SetColor(channel->Color());
        break;
    case TiPlotLegendChannelNameColorStyle::iplcncsXAxisFontColor:
        if (TiPlotXAxis* axis = channel->XAxis())
            Canvas->Font()->SetColor(axis->LabelsFont()->Color());
        break;
    case TiPlotLegendChannelNameColorStyle::iplcncsYAxisFontColor:
        if (TiPlotYAxis* axis = channel->YAxis())
            Canvas->Font()->SetColor(axis->LabelsFont()->Color());
        break;
    case TiPlotLegendChannelNameColorStyle::iplcncsFont:
        break;
    }
    iDrawText(Canvas, ShownTitle(channel), cell,
              iTextFlag::Left | iTextFlag::Top | iTextFlag::WordBreak | iTextFlag::WordEllipsis);
}

void TiPlotLegend::DrawTextCell(TCanvas* Canvas, int Left, int Top, int Width, const QString& Text,
                                std::uint16_t Align)
{
    TRect r(Left, Top, Left + Width, Top + FItemHeight);
    iDrawText(Canvas, Text, r, Align | iTextFlag::VCenter);
}

void TiPlotLegend::DrawLineSample(TCanvas* Canvas, TiPlotChannelCustom* Channel, int Left, int CentreY)
{
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(Channel->Color());
    const TiPlotLineStyle style = Channel->TraceLineStyle();
    const int lh = FLineColumnHeight;
    for (int dy = -(lh / 2); dy <= lh - lh / 2; ++dy) {
        const int y = CentreY + dy;
        if (FLineColumnWidth == 13) {
            Canvas->Pen()->SetStyle(TPenStyle::psSolid);
            for (auto [from, to] : SampleSegments(style)) {
                Canvas->MoveTo(Left + from, y);
                Canvas->LineTo(Left + to, y);
            }
        } else {
            Canvas->Pen()->SetStyle(PenStyleOf(style));
            Canvas->MoveTo(Left, y);
            Canvas->LineTo(Left + FLineColumnWidth, y);
        }
    }
    Canvas->Pen()->SetStyle(TPenStyle::psSolid);
}
