#pragma once
// A grid of text cells with a title row, placed beside the data view like a legend; two arrow
// buttons scroll the rows that do not fit. A row is one string whose lines are its cells.

#include "plot/iPlotButton.h"
#include "plot/iPlotObjects.h"
#include "plot/iPlotTypes.h"

#include "platform/ui/TFont.h"

#include <memory>
#include <vector>

class TiPlotTableColumn
{
public:
    int WidthPixels { 0 };
    QString Title;
    double Width { 10.0 };
    bool Visible { true };
    TiAlignmentHorizontal TitleAlignment { TiAlignmentHorizontal::iahCenter };
    double TitleAlignmentMargin { 1.0 };
    vcl::TColor TitleFontColor { 0 };
    TiAlignmentHorizontal DataAlignment { TiAlignmentHorizontal::iahCenter };
    double DataAlignmentMargin { 1.0 };
    vcl::TColor DataFontColor { 0 };
    bool AutoSize { true };
};

// A scroll arrow's button face: raised, sunken while pressed.
class TiPlotTableButton : public TiPlotButton
{
public:
    using TiPlotButton::TiPlotButton;
    void Draw(vcl::TCanvas* Canvas, vcl::TColor BackGroundColor) override;
};

class TiPlotTable : public TiPlotLayoutObject
{
public:
    TiPlotTable(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
                vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
    ~TiPlotTable() override;
    const vcl::TPropertyTable* PublishedProperties() const override;

    // --- published ---
    double MarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(double Value) { SetDoubleProperty(Value, FMarginLeft, &TiPlotObject::DoChange); }
    double MarginTop() const { return FMarginTop; }
    void SetMarginTop(double Value) { SetDoubleProperty(Value, FMarginTop, &TiPlotObject::DoChange); }
    double MarginRight() const { return FMarginRight; }
    void SetMarginRight(double Value) { SetDoubleProperty(Value, FMarginRight, &TiPlotObject::DoChange); }
    double MarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(double Value) { SetDoubleProperty(Value, FMarginBottom, &TiPlotObject::DoChange); }
    vcl::TColor GridBackGroundColor() const { return FGridBackGroundColor; }
    void SetGridBackGroundColor(vcl::TColor V) { SetColorProperty(V, FGridBackGroundColor, &TiPlotObject::DoChange); }
    bool GridBackGroundTransparent() const { return FGridBackGroundTransparent; }
    void SetGridBackGroundTransparent(bool V) { SetBooleanProperty(V, FGridBackGroundTransparent, &TiPlotObject::DoChange); }
    vcl::TColor GridLinesColor() const { return FGridLinesColor; }
    void SetGridLinesColor(vcl::TColor Value) { SetColorProperty(Value, FGridLinesColor, &TiPlotObject::DoChange); }
    bool GridLinesShow() const { return FGridLinesShow; }
    void SetGridLinesShow(bool Value) { SetBooleanProperty(Value, FGridLinesShow, &TiPlotObject::DoChange); }
    vcl::TFont* DataFont() const { return FDataFont.get(); }
    void SetDataFont(const vcl::TFont* Value) { AssignFont(FDataFont.get(), Value); }
    double ColumnSpacing() const { return FColumnSpacing; }
    void SetColumnSpacing(double Value) { SetDoubleProperty(Value, FColumnSpacing, &TiPlotObject::DoChange); }
    double RowSpacing() const { return FRowSpacing; }
    void SetRowSpacing(double Value) { SetDoubleProperty(Value, FRowSpacing, &TiPlotObject::DoChange); }
    // 0: no limit.
    int RowsMax() const { return FRowsMax; }
    void SetRowsMax(int Value) { SetIntegerProperty(Value, FRowsMax, &TiPlotObject::DoChange); }
    bool ColumnTitlesVisible() const { return FColumnTitlesVisible; }
    void SetColumnTitlesVisible(bool Value) { SetBooleanProperty(Value, FColumnTitlesVisible, &TiPlotObject::DoChange); }
    vcl::TFont* ColumnTitlesFont() const { return FColumnTitlesFont.get(); }
    void SetColumnTitlesFont(const vcl::TFont* Value) { AssignFont(FColumnTitlesFont.get(), Value); }

    // --- public ---
    int RowCount() const { return static_cast<int>(FRowDataList.size()); }
    int ColumnCount() const { return static_cast<int>(FColumnList.size()); }
    int RowDisplayStartIndex() const { return FItemViewStartIndex; }
    void SetRowDisplayStartIndex(int Value) { FItemViewStartIndex = Value; }
    int RowDisplayStopIndex() const { return FItemViewStopIndex; }
    // A new column: visible, sized to its texts, centred, 10 characters wide, in the fonts' colours.
    int AddColumn(const QString& Title);
    // Both raise the list index error outside the columns.
    void DeleteColumn(int Index);
    void RemoveAllColumns();
    TiPlotTableColumn& GetColumn(int Index);
    int AddRow();
    void DeleteRow(int Index);
    void RemoveAllRows();
    // Sets one cell of a row (the row's line at Column); raises the list index error outside the
    // rows or columns.
    void SetCellText(int Row, int Column, const QString& Text);
    // A missing line is an empty cell.
    QString CellText(int Row, int Column) const;
    TiPlotTableButton* UpButton() const { return FUpButton.get(); }
    TiPlotTableButton* DownButton() const { return FDownButton.get(); }
    int RowHeight() const { return FRowHeight; }
    vcl::TRect GridRect() const { return FGridRect; }
    vcl::TRect TitleRect() const { return FTitleRect; }

    int GetRequiredWidth(vcl::TCanvas* Canvas) override;
    void Draw(vcl::TCanvas* Canvas, vcl::TColor BackGroundColor) override;
    TiPlotObject* GetMouseOverObject(int X, int Y) override;
    void NotificationSetFocus(TiPlotObject* AObject) override;
    void AddMenuItems(vcl::TPopupMenu* PopupMenu) override;
    void ScrollUp();
    void ScrollDown();

protected:
    void DoMouseUp(const TiPlotMouseData& MouseData) override;

private:
    void AssignFont(vcl::TFont* Target, const vcl::TFont* Value);
    std::unique_ptr<TiPlotTableButton> MakeButton(bool Up);
    // --- layout and drawing (iPlotTableDraw.cpp) ---
    void Layout(vcl::TCanvas* Canvas);
    void SizeColumns(vcl::TCanvas* Canvas, int W0, int W1);
    void PlaceScrolling(int Shown, int TitleBottom);
    void DrawGridLines(vcl::TCanvas* Canvas);
    void DrawTitles(vcl::TCanvas* Canvas);
    void DrawCells(vcl::TCanvas* Canvas);
    void DrawCellText(vcl::TCanvas* Canvas, const vcl::TRect& Cell, const QString& Text, TiAlignmentHorizontal Align,
                      int Margin, vcl::TColor Color);

    std::unique_ptr<TiPlotTableButton> FUpButton;
    std::unique_ptr<TiPlotTableButton> FDownButton;
    int FRequiredWidth { 0 };
    int FRequiredHeight { 0 };
    std::vector<std::unique_ptr<TiPlotTableColumn>> FColumnList;
    std::vector<QString> FRowDataList;
    int FItemViewStartIndex { 0 };
    int FItemViewStopIndex { -1 };
    int FRowHeight { 0 };
    int FShownRows { 0 };
    int FW0 { 0 };
    int FW1 { 0 };
    double FMarginLeft { 1.0 };
    double FMarginRight { 1.0 };
    double FMarginBottom { 1.0 };
    double FMarginTop { 1.0 };
    bool FGridBackGroundTransparent { false };
    vcl::TColor FGridBackGroundColor { 0x808080 };
    bool FGridLinesShow { true };
    vcl::TColor FGridLinesColor { vcl::clWhite };
    double FColumnSpacing { 2.0 };
    double FRowSpacing { 0.5 };
    int FRowsMax { 0 };
    std::unique_ptr<vcl::TFont> FDataFont;
    vcl::TRect FGridRect;
    vcl::TRect FTitleRect;
    bool FColumnTitlesVisible { true };
    std::unique_ptr<vcl::TFont> FColumnTitlesFont;
};
