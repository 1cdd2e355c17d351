// The legend's layout: which channels it lists, how wide each cell is, how many rows and wrap
// columns fit, where each entry goes and whether the scroll arrows show.

#include "plot/iPlotAxis.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotDecorationHost.h"
#include "plot/iPlotLegend.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/TCanvas.h"

#include "plot/iGPText.h"

#include <algorithm>

using namespace vcl;

namespace {

int CeilDiv(int A, int B) { return B > 0 ? (A + B - 1) / B : 0; }

} // namespace

int TiPlotLegend::GetRequiredWidth(TCanvas* Canvas)
{
    Layout(Canvas);
    return FHorizontal ? FRequiredHeight : FRequiredWidth;
}

QString TiPlotLegend::ShownTitle(const TiPlotChannelCustom* Channel) const
{
    return Channel->TitleText().trimmed().isEmpty() ? Channel->Name() : Channel->TitleText();
}

QString TiPlotLegend::AxisTitleText(TiPlotLayoutObject* Axis) const
{
    auto* axis = dynamic_cast<TiPlotAxis*>(Axis);
    if (!axis)
        return TranslateString(QStringLiteral("None"));
    return axis->Title().trimmed().isEmpty() ? axis->Name() : axis->Title();
}

QString TiPlotLegend::XValueText(TiPlotChannelCustom* Channel) const
{
    if (FCursorAllChannels)
        return Channel->DataCursorXText();
    if (Channel->Count() == 0)
        return TranslateString(QStringLiteral("Empty"));
    if (TiPlotXAxis* axis = Channel->XAxis())
        return axis->GetLegendText(Channel->GetX(Channel->Count() - 1));
    return TranslateString(QStringLiteral("N/A"));
}

QString TiPlotLegend::YValueText(TiPlotChannelCustom* Channel) const
{
    if (FCursorAllChannels)
        return Channel->DataCursorYText();
    if (Channel->Count() == 0)
        return TranslateString(QStringLiteral("Empty"));
    if (TiPlotYAxis* axis = Channel->YAxis())
        return axis->GetLegendText(Channel->GetY(Channel->Count() - 1));
    return TranslateString(QStringLiteral("N/A"));
}

QString TiPlotLegend::StatText(TiPlotChannelCustom* Channel, double Value) const
{
    if (Channel->Count() == 0)
        return TranslateString(QStringLiteral("Empty"));
    if (TiPlotYAxis* axis = Channel->YAxis())
        return axis->GetLegendText(Value);
    return TranslateString(QStringLiteral("N/A"));
}

void TiPlotLegend::RebuildItems()
{
    FItems.clear();
    const TiPlotComponent* plot = iplot::PlotOf(this);
    if (!plot)
        return;
    for (int i = 0; i < plot->ChannelCount(); ++i) {
        TiPlotChannelCustom* channel = plot->Channel(i);
        if (!channel->VisibleInLegend())
            continue;
        TiPlotLegendItem item;
        item.Channel = channel;
        FItems.push_back(item);
    }
}

void TiPlotLegend::Layout(TCanvas* Canvas)
{
    Canvas->Font()->Assign(FFont.get());
    const int w0 = Canvas->TextWidth(QStringLiteral("0"));
    const int h0 = Canvas->TextHeight(QStringLiteral("0"));
    const int top = RoundToInt(h0 * FMarginTop);
    const int bottom = RoundToInt(h0 * FMarginBottom);
    FLeftMarginPixels = RoundToInt(w0 * FMarginLeft);
    FRightMarginPixels = RoundToInt(w0 * FMarginRight);
    FInnerRect = TRect(FLeft + FLeftMarginPixels, FTop + top, FRight - FRightMarginPixels, FBottom - bottom);
    FColumnList.clear();

    FColumnSpacingPixels = RoundToInt(w0 * FColumnSpacing);
    FRowSpacingPixels = RoundToInt(h0 * FWrapRowSpacingMin);
    FWrapSpacingPixels = RoundToInt(h0 * FWrapColSpacingMin);
    FItemHeight = h0;
    FMaxItemHeight = 0;
    FColumnTitlesHeightPixels = 0;
    FColumnTitlesMarginPixels = 0;
    FMaxWidthLine = FMaxWidthMarker = FMaxWidthChannelLabel = FMaxWidthXName = FMaxWidthYName = 0;
    FMaxWidthXValue = FMaxWidthYValue = FMaxWidthYMax = FMaxWidthYMin = FMaxWidthYMean = 0;
    FShowColumnXValue2 = FShowColumnXValue || FCursorAllChannels;
    FShowColumnYValue2 = FShowColumnYValue || FCursorAllChannels;

    RebuildItems();
    const int n = ItemCount();
    if (n == 0) {
        // Nothing to list: the legend takes no room and shows no arrows.
        FRequiredWidth = 0;
        FRequiredHeight = 0;
        FItemViewStartIndex = 0;
        FItemViewStopIndex = -1;
        FUpButton->SetVisible(false);
        FDownButton->SetVisible(false);
        return;
    }
    FItemViewStartIndex = std::clamp(FItemViewStartIndex, 0, n - 1);

    MeasureTitleCells(Canvas, w0, h0);
    MeasureColumnTitles(Canvas);
    Canvas->Font()->Assign(FFont.get());
    if (FShowColumnLine)
        FMaxWidthLine = FLineColumnWidth + 3;
    if (FShowColumnMarker)
        FMaxWidthMarker = FLineColumnWidth + 3;
    MeasureValueCells(Canvas, w0);
    PlaceCells();

    FColumnTitlesRect = TRect(FInnerRect.Left, FInnerRect.Top, FInnerRect.Right,
                              FInnerRect.Top + FColumnTitlesHeightPixels);
    FItemsRect = TRect(FInnerRect.Left, FColumnTitlesRect.Bottom + FColumnTitlesMarginPixels, FInnerRect.Right,
                       FInnerRect.Bottom);

    int cols = 0;
    int rows = 0;
    FitCounts(cols, rows);
    PlaceItems(cols, rows);
    FRequiredWidth = cols * FItemWidth + std::max(cols - 1, 0) * FWrapSpacingPixels + FLeftMarginPixels
        + FRightMarginPixels;
    FRequiredHeight = top + FColumnTitlesHeightPixels + FColumnTitlesMarginPixels
        + rows * (FMaxItemHeight + FRowSpacingPixels) - FRowSpacingPixels + bottom;
    PlaceButtons(cols, rows);
    if (FWrapColSpacingAuto && FHorizontal && cols > 1)
        SpaceColumnsAuto(cols);
    if (FWrapRowSpacingAuto && !FHorizontal)
        SpaceRowsAuto();
    FUpButton->SetEnabled(FItemViewStartIndex != 0);
    FDownButton->SetEnabled(FItemViewStopIndex + 1 != n);
}

void TiPlotLegend::MeasureTitleCells(TCanvas* Canvas, int W0, int H0)
{
    if (FChannelNameMaxWidth == 0.0) {
        for (TiPlotLegendItem& item : FItems) {
            item.MaxHeight = H0;
            const QString text = ShownTitle(item.Channel);
            Canvas->Font()->Assign(FFont.get());
            FMaxWidthChannelLabel = std::max(FMaxWidthChannelLabel, Canvas->TextWidth(text));
            Canvas->Font()->Assign(FSelectedItemFont.get());
            FMaxWidthChannelLabel = std::max(FMaxWidthChannelLabel, Canvas->TextWidth(text));
        }
    } else {
        FMaxWidthChannelLabel = RoundToInt(W0 * FChannelNameMaxWidth);
        for (TiPlotLegendItem& item : FItems) {
            Canvas->Font()->Assign(FFont.get());
            const int plain = iTextHeightWrapped(Canvas, item.Channel->TitleText(), FMaxWidthChannelLabel);
            Canvas->Font()->Assign(FSelectedItemFont.get());
            const int selected = iTextHeightWrapped(Canvas, item.Channel->TitleText(), FMaxWidthChannelLabel);
            item.MaxHeight = std::max(plain, selected);
        }
    }
    for (const TiPlotLegendItem& item : FItems)
        FMaxItemHeight = std::max(FMaxItemHeight, item.MaxHeight);
}

void TiPlotLegend::MeasureColumnTitles(TCanvas* Canvas)
{
    if (!FColumnTitlesVisible)
        return;
    Canvas->Font()->Assign(FColumnTitlesFont.get());
    FColumnTitlesHeightPixels = Canvas->TextHeight(QStringLiteral("0"));
    FColumnTitlesMarginPixels = FColumnTitlesHeightPixels / 4;
    auto widen = [&](bool shown, int& width, const QString& caption) {
        if (shown)
            width = std::max(width, Canvas->TextWidth(TranslateString(caption)));
    };
    widen(true, FMaxWidthChannelLabel, FCaptionColumnTitle);
    widen(FShowColumnXName, FMaxWidthXName, FCaptionColumnXName);
    widen(FShowColumnYName, FMaxWidthYName, FCaptionColumnYName);
    widen(FShowColumnXValue2, FMaxWidthXValue, FCaptionColumnXValue);
    widen(FShowColumnYValue2, FMaxWidthYValue, FCaptionColumnYValue);
    widen(FShowColumnYMax, FMaxWidthYMax, FCaptionColumnYMax);
    widen(FShowColumnYMin, FMaxWidthYMin, FCaptionColumnYMin);
    widen(FShowColumnYMean, FMaxWidthYMean, FCaptionColumnYMean);
}

void TiPlotLegend::MeasureValueCells(TCanvas* Canvas, int W0)
{
    for (const TiPlotLegendItem& item : FItems) {
        TiPlotChannelCustom* channel = item.Channel;
        TiPlotXAxis* xAxis = channel->XAxis();
        TiPlotYAxis* yAxis = channel->YAxis();
        if (FShowColumnXName)
            FMaxWidthXName = std::max(FMaxWidthXName, Canvas->TextWidth(AxisTitleText(xAxis)));
        if (FShowColumnYName)
            FMaxWidthYName = std::max(FMaxWidthYName, Canvas->TextWidth(AxisTitleText(yAxis)));
        auto valueCell = [&](bool shown, int& width, TiPlotAxis* axis, const QString& text, const QString& cursorText) {
            if (!shown)
                return;
            if (FCursorAllChannels) {
                if (axis)
                    width = std::max(width, axis->GetCursorTextMinWidth(Canvas, FFont.get()));
                width = std::max(width, W0 * static_cast<int>(cursorText.size()));
            } else {
                if (axis)
                    width = std::max(width, axis->GetLegendTextMinWidth(Canvas, FFont.get()));
                width = std::max(width, Canvas->TextWidth(text));
            }
        };
        valueCell(FShowColumnXValue2, FMaxWidthXValue, xAxis, XValueText(channel), channel->DataCursorXText());
        valueCell(FShowColumnYValue2, FMaxWidthYValue, yAxis, YValueText(channel), channel->DataCursorYText());
        if (FShowColumnYMax)
            FMaxWidthYMax = std::max(FMaxWidthYMax, Canvas->TextWidth(StatText(channel, channel->RunningYMax())));
        if (FShowColumnYMin)
            FMaxWidthYMin = std::max(FMaxWidthYMin, Canvas->TextWidth(StatText(channel, channel->RunningYMin())));
        if (FShowColumnYMean)
            FMaxWidthYMean = std::max(FMaxWidthYMean, Canvas->TextWidth(StatText(channel, channel->RunningYMean())));
    }
}

void TiPlotLegend::PlaceCells()
{
    int next = 0;
    FColumnStartLine = 0;
    if (FShowColumnLine)
        next = FMaxWidthLine + FColumnSpacingPixels;
    FColumnStartMarker = next;
    if (FShowColumnMarker)
        next = FColumnStartMarker + FMaxWidthMarker + FColumnSpacingPixels;
    FColumnStartChannel = next;
    int end = FColumnStartChannel + FMaxWidthChannelLabel;
    auto place = [&](bool shown, int& start, int width) {
        start = end + FColumnSpacingPixels;
        if (shown)
            end = start + width;
    };
    place(FShowColumnXName, FColumnStartXName, FMaxWidthXName);
    place(FShowColumnYName, FColumnStartYName, FMaxWidthYName);
    place(FShowColumnXValue2, FColumnStartXValue, FMaxWidthXValue);
    place(FShowColumnYValue2, FColumnStartYValue, FMaxWidthYValue);
    place(FShowColumnYMax, FColumnStartYMax, FMaxWidthYMax);
    place(FShowColumnYMin, FColumnStartYMin, FMaxWidthYMin);
    place(FShowColumnYMean, FColumnStartYMean, FMaxWidthYMean);
    FItemWidth = end;
}

void TiPlotLegend::FitCounts(int& Cols, int& Rows)
{
    const int n = ItemCount();
    const int cfit = std::max(1, (FItemsRect.Width() - (FHorizontal ? 25 : 0) + FWrapSpacingPixels)
                                     / std::max(1, FItemWidth + FWrapSpacingPixels));
    const int rfit = std::max(1, (FItemsRect.Height() + FRowSpacingPixels)
                                     / std::max(1, FMaxItemHeight + FRowSpacingPixels));
    Cols = FWrapColAutoCountEnabled ? FWrapColAutoCountMax : FWrapColDesiredCount;
    const int rowLimit = FWrapRowAutoCountEnabled ? FWrapRowAutoCountMax : FWrapRowDesiredCount;
    if (FHorizontal) {
        Cols = std::min(Cols, cfit);
        Rows = FWrapRowAutoCountEnabled ? CeilDiv(n, Cols) : rowLimit;
        Rows = std::min(Rows, rowLimit);
        if (Rows < 3 && Rows * Cols < n)
            Rows = 3;
        if (Rows == 0)
            Cols = 0;
        else if (FWrapColAutoCountEnabled)
            Cols = std::min(Cols, CeilDiv(n, Rows));
    } else {
        if (FWrapColAutoCountEnabled)
            Cols = CeilDiv(n, rfit);
        Cols = std::min(Cols, FWrapColAutoCountMax);
        Rows = std::min({ rfit, n, rowLimit });
        if (Rows < 3 && Rows * Cols < n)
            Rows = 3;
    }
    FActualWrapColCount = Cols;
    FActualWrapRowCount = rowLimit;
}

void TiPlotLegend::PlaceItems(int Cols, int Rows)
{
    const int n = ItemCount();
    int row = 1;
    int col = 1;
    int y = FItemsRect.Top;
    int left = FInnerRect.Left;
    FColumnList.push_back(left);
    FItemViewStopIndex = n - 1;
    for (int i = FItemViewStartIndex; i < n; ++i) {
        TiPlotLegendItem& item = FItems[static_cast<size_t>(i)];
        item.ARow = row;
        item.ACol = col;
        item.ALeft = left;
        item.ATop = y;
        y += FMaxItemHeight + FRowSpacingPixels;
        ++row;
        if (row > Rows && i != n - 1) {
            ++col;
            row = 1;
            y = FItemsRect.Top;
            if (col > Cols) {
                FItemViewStopIndex = i;
                return;
            }
            left = FInnerRect.Left + (col - 1) * (FItemWidth + FWrapSpacingPixels);
            FColumnList.push_back(left);
        }
    }
}

void TiPlotLegend::PlaceButtons(int Cols, int Rows)
{
    const bool scroll = Rows * Cols < ItemCount() && FEnabled;
    FUpButton->SetVisible(scroll);
    FDownButton->SetVisible(scroll);
    if (!scroll) {
        FItemViewStartIndex = 0;
        return;
    }
    FUpButton->SetDrawRect(TRect(FItemsRect.Right - 17, FItemsRect.Top, FItemsRect.Right, FItemsRect.Top + 17));
    FDownButton->SetDrawRect(
        TRect(FItemsRect.Right - 17, FItemsRect.Bottom - 17, FItemsRect.Right, FItemsRect.Bottom));
    FRequiredWidth += 25;
}

void TiPlotLegend::SpaceColumnsAuto(int Cols)
{
    const int spacing = (FItemsRect.Width() - 25 - Cols * FItemWidth) / (Cols - 1);
    for (size_t c = 0; c < FColumnList.size(); ++c)
        FColumnList[c] = FInnerRect.Left + static_cast<int>(c) * (FItemWidth + spacing);
    for (TiPlotLegendItem& item : FItems)
        item.ALeft = FInnerRect.Left + (item.ACol - 1) * (FItemWidth + spacing);
}

void TiPlotLegend::SpaceRowsAuto()
{
    int rowsUsed = 0;
    for (int i = FItemViewStartIndex; i <= FItemViewStopIndex && i < ItemCount(); ++i)
        if (FItems[static_cast<size_t>(i)].ACol == 1)
            rowsUsed = std::max(rowsUsed, FItems[static_cast<size_t>(i)].ARow);
    if (rowsUsed <= 1)
        return;
    FRowSpacingPixels = (FItemsRect.Height() - FMaxItemHeight * rowsUsed) / (rowsUsed - 1);
    const int titles = FColumnTitlesVisible ? FColumnTitlesHeightPixels + FColumnTitlesMarginPixels : 0;
    for (int i = FItemViewStartIndex; i <= FItemViewStopIndex && i < ItemCount(); ++i) {
        TiPlotLegendItem& item = FItems[static_cast<size_t>(i)];
        item.ATop = FInnerRect.Top + (item.ARow - 1) * (FMaxItemHeight + FRowSpacingPixels) + titles;
    }
}
