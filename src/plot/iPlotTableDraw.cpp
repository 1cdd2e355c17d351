// The table's layout (row height, column widths, the rows that fit and the scroll arrows) and its
// drawing.

#include "plot/iGPCanvas.h"
#include "plot/iGPText.h"
#include "plot/iPlotLegend.h"
#include "plot/iPlotTable.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/TCanvas.h"

#include <algorithm>

using namespace vcl;

int TiPlotTable::GetRequiredWidth(TCanvas* Canvas)
{
    Layout(Canvas);
    return FHorizontal ? FRequiredHeight : FRequiredWidth;
}

void TiPlotTable::Layout(TCanvas* Canvas)
{
    FRequiredWidth = FRequiredHeight = 0;
    if (RowCount() == 0 || ColumnCount() == 0) {
        FUpButton->SetVisible(false);
        FDownButton->SetVisible(false);
        FShownRows = 0;
        return;
    }
    Canvas->Font()->Assign(FColumnTitlesFont.get());
    FW0 = Canvas->TextWidth(QStringLiteral("0"));
    const int h0 = Canvas->TextHeight(QStringLiteral("0"));
    const int top = RoundToInt(h0 * FMarginTop);
    const int bottom = RoundToInt(h0 * FMarginBottom);
    const int left = RoundToInt(FW0 * FMarginLeft);
    const int right = RoundToInt(FW0 * FMarginRight);
    FGridRect = TRect(FLeft + left, FTop + top, FRight - right, FBottom - bottom);
    const int titleHeight = FColumnTitlesVisible ? h0 : 0;
    FTitleRect = TRect(FGridRect.Left, FGridRect.Top, FGridRect.Right, FGridRect.Top + titleHeight);

    Canvas->Font()->Assign(FDataFont.get());
    FW1 = Canvas->TextWidth(QStringLiteral("0"));
    const int h1 = Canvas->TextHeight(QStringLiteral("0"));
    FRowHeight = h1 + RoundToInt(h1 * FRowSpacing);

    int rows = RowCount();
    if (FRowsMax != 0 && FRowsMax < rows)
        rows = FRowsMax;
    FGridRect.Bottom = FTitleRect.Bottom + rows * FRowHeight;
    FRequiredHeight = top + bottom + titleHeight + rows * FRowHeight;

    SizeColumns(Canvas, FW0, FW1);
    int sum = 0;
    for (const auto& column : FColumnList)
        if (column->Visible)
            sum += column->WidthPixels;
    FRequiredWidth = left + right + sum;
    FGridRect.Right = FGridRect.Left + sum;
    FTitleRect.Right = FGridRect.Right;

    const int limit = FBottom - bottom;
    if (FGridRect.Bottom > limit && FRowHeight > 0) {
        rows = std::max(0, (limit - FTitleRect.Bottom) / FRowHeight);
        FGridRect.Bottom = FTitleRect.Bottom + rows * FRowHeight;
    }
    PlaceScrolling(rows, FTitleRect.Bottom);
}

void TiPlotTable::SizeColumns(TCanvas* Canvas, int W0, int W1)
{
    for (size_t c = 0; c < FColumnList.size(); ++c) {
        TiPlotTableColumn& column = *FColumnList[c];
        if (!column.Visible)
            continue;
        if (!column.AutoSize) {
            column.WidthPixels = RoundToInt(column.Width * W1);
            continue;
        }
        Canvas->Font()->Assign(FColumnTitlesFont.get());
        int width = Canvas->TextWidth(column.Title) + RoundToInt(W0 * FColumnSpacing) + W0;
        Canvas->Font()->Assign(FDataFont.get());
        for (int r = 0; r < RowCount(); ++r)
            width = std::max(width, Canvas->TextWidth(CellText(r, static_cast<int>(c))) + RoundToInt(W1 * FColumnSpacing)
                                        + W1);
        column.WidthPixels = width;
        column.Width = W1 > 0 ? width / W1 : 0;
    }
}

void TiPlotTable::PlaceScrolling(int Shown, int TitleBottom)
{
    FShownRows = Shown;
    if (Shown >= RowCount()) {
        FUpButton->SetVisible(false);
        FDownButton->SetVisible(false);
        FItemViewStartIndex = 0;
        FItemViewStopIndex = Shown - 1;
        FUpButton->SetEnabled(false);
        FDownButton->SetEnabled(false);
        return;
    }
    const bool arrows = FEnabled;
    FUpButton->SetVisible(arrows);
    FDownButton->SetVisible(arrows);
    if (arrows) {
        const int right = FGridRect.Right;
        const int upMid = TitleBottom + FRowHeight / 2;
        const int downMid = TitleBottom + (std::max(Shown, 1) - 1) * FRowHeight + FRowHeight / 2;
        FUpButton->SetDrawRect(TRect(right + 5, upMid - 8, right + 22, upMid + 9));
        FDownButton->SetDrawRect(TRect(right + 5, downMid - 8, right + 22, downMid + 9));
        FRequiredWidth += FUpButton->Width() + 5;
    }
    int start = FItemViewStartIndex;
    if (start + Shown - 1 > RowCount() - 1)
        start = RowCount() - Shown;
    start = std::max(start, 0);
    FItemViewStartIndex = start;
    FItemViewStopIndex = start + Shown - 1;
    FUpButton->SetEnabled(start != 0);
    FDownButton->SetEnabled(FItemViewStopIndex != RowCount() - 1);
}

void TiPlotTable::Draw(TCanvas* Canvas, TColor)
{
    if (!FVisible || RowCount() == 0 || ColumnCount() == 0)
        return;
    Layout(Canvas);
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas->Pen()->SetStyle(TPenStyle::psSolid);
    if (!FGridBackGroundTransparent) {
        Canvas->Brush()->SetColor(FGridBackGroundColor);
        Canvas->FillRect(FGridRect);
    }
    if (FGridLinesShow)
        DrawGridLines(Canvas);
    if (FColumnTitlesVisible)
        DrawTitles(Canvas);
    DrawCells(Canvas);
    iDrawScrollArrows(Canvas, *FUpButton, *FDownButton);
    if (FUserSelected) {
        TRect r = DrawRect();
        if (FHorizontal) {
            r.Top += 2;
            r.Bottom -= 2;
        }
        iDrawFocusRect(Canvas, r);
    }
}

void TiPlotTable::DrawGridLines(TCanvas* Canvas)
{
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(FGridLinesColor);
    int x = FGridRect.Left;
    for (const auto& column : FColumnList) {
        if (!column->Visible)
            continue;
        Canvas->MoveTo(x, FGridRect.Top);
        Canvas->LineTo(x, FGridRect.Bottom);
        x += column->WidthPixels;
    }
    Canvas->MoveTo(FGridRect.Right, FGridRect.Top);
    Canvas->LineTo(FGridRect.Right, FGridRect.Bottom);
    auto across = [&](int y) {
        Canvas->MoveTo(FGridRect.Left, y);
        Canvas->LineTo(FGridRect.Right + 1, y);
    };
    across(FGridRect.Top);
    across(FTitleRect.Bottom);
    for (int i = 1; i <= FShownRows; ++i)
        across(FTitleRect.Bottom + i * FRowHeight);
}

void TiPlotTable::DrawCellText(TCanvas* Canvas, const TRect& Cell, const QString& Text, TiAlignmentHorizontal Align,
                               int Margin, TColor Color)
{
    TRect r = Cell;
    std::uint16_t flags = iTextFlag::SingleLine | iTextFlag::VCenter;
    switch (Align) {
    case TiAlignmentHorizontal::iahCenter: flags |= iTextFlag::Center; break;
    case TiAlignmentHorizontal::iahLeft:
        flags |= iTextFlag::Left;
        r.Left += Margin;
        break;
    case TiAlignmentHorizontal::iahRight:
        flags |= iTextFlag::Right;
        r.Right -= Margin;
        break;
    }
    Canvas->Font()->SetColor(Color);
    iDrawText(Canvas, Text, r, flags);
}

void TiPlotTable::DrawTitles(TCanvas* Canvas)
{
    Canvas->Font()->Assign(FColumnTitlesFont.get());
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    int x = FGridRect.Left;
    for (const auto& column : FColumnList) {
        if (!column->Visible)
            continue;
        const TRect cell(x, FTitleRect.Top, x + column->WidthPixels, FTitleRect.Bottom);
        DrawCellText(Canvas, cell, column->Title, column->TitleAlignment,
                     RoundToInt(column->TitleAlignmentMargin * FW0), column->TitleFontColor);
        x += column->WidthPixels;
    }
}

void TiPlotTable::DrawCells(TCanvas* Canvas)
{
    Canvas->Font()->Assign(FDataFont.get());
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    for (int row = FItemViewStartIndex; row <= FItemViewStopIndex && row < RowCount(); ++row) {
        const int top = FTitleRect.Bottom + (row - FItemViewStartIndex) * FRowHeight;
        int x = FGridRect.Left;
        for (size_t c = 0; c < FColumnList.size(); ++c) {
            const TiPlotTableColumn& column = *FColumnList[c];
            if (!column.Visible)
                continue;
            const TRect cell(x, top, x + column.WidthPixels, top + FRowHeight);
            DrawCellText(Canvas, cell, CellText(row, static_cast<int>(c)), column.DataAlignment,
                         RoundToInt(column.DataAlignmentMargin * FW1), column.DataFontColor);
            x += column.WidthPixels;
        }
    }
}
