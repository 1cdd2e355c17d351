#pragma once
// The legend of the plot's channels: a layout object beside the data view listing each channel's
// line and marker sample, title and optional axis-title and value columns, wrapping into further
// columns and scrolled by two arrow buttons when not every entry fits.

#include "plot/iPlotButton.h"
#include "plot/iPlotObjects.h"

#include "platform/ui/TFont.h"

#include <memory>
#include <vector>

class TiPlotChannelCustom;

enum class TiPlotLegendChannelNameColorStyle { iplcncsFont, iplcncsChannelColor, iplcncsXAxisFontColor,
                                               iplcncsYAxisFontColor };

// One listed channel and where the last layout put it.
class TiPlotLegendItem
{
public:
    TiPlotChannelCustom* Channel { nullptr };
    int MaxHeight { 0 };
    int ALeft { 0 };
    int ATop { 0 };
    int ARow { 0 };
    int ACol { 0 };
};

// A scroll arrow's button face: raised, sunken while pressed.
class TiPlotLegendButton : public TiPlotButton
{
public:
    using TiPlotButton::TiPlotButton;
    void Draw(vcl::TCanvas* Canvas, vcl::TColor BackGroundColor) override;
};

// Draws the scroll arrows of a legend or table: each visible button's face, then its triangle in
// black (enabled) or grey.
void iDrawScrollArrows(vcl::TCanvas* Canvas, TiPlotButton& UpButton, TiPlotButton& DownButton);

class TiPlotLegend : public TiPlotLayoutObject
{
public:
    TiPlotLegend(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
                 vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
    ~TiPlotLegend() override;
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
    vcl::TColor BackGroundColor() const { return FBackGroundColor; }
    void SetBackGroundColor(vcl::TColor Value) { SetColorProperty(Value, FBackGroundColor, &TiPlotObject::DoChange); }
    bool BackGroundTransparent() const { return FBackGroundTransparent; }
    void SetBackGroundTransparent(bool Value) { SetBooleanProperty(Value, FBackGroundTransparent, &TiPlotObject::DoChange); }
    vcl::TColor SelectedItemBackGroundColor() const { return FSelectedItemBackGroundColor; }
    void SetSelectedItemBackGroundColor(vcl::TColor Value)
    {
        SetColorProperty(Value, FSelectedItemBackGroundColor, &TiPlotObject::DoChange);
    }
    vcl::TFont* SelectedItemFont() const { return FSelectedItemFont.get(); }
    void SetSelectedItemFont(const vcl::TFont* Value) { AssignFont(FSelectedItemFont.get(), Value); }
    bool ShowColumnLine() const { return FShowColumnLine; }
    void SetShowColumnLine(bool Value) { SetBooleanProperty(Value, FShowColumnLine, &TiPlotObject::DoChange); }
    bool ShowColumnMarker() const { return FShowColumnMarker; }
    void SetShowColumnMarker(bool Value) { SetBooleanProperty(Value, FShowColumnMarker, &TiPlotObject::DoChange); }
    bool ShowColumnXAxisTitle() const { return FShowColumnXName; }
    void SetShowColumnXAxisTitle(bool Value) { SetBooleanProperty(Value, FShowColumnXName, &TiPlotObject::DoChange); }
    bool ShowColumnYAxisTitle() const { return FShowColumnYName; }
    void SetShowColumnYAxisTitle(bool Value) { SetBooleanProperty(Value, FShowColumnYName, &TiPlotObject::DoChange); }
    bool ShowColumnXValue() const { return FShowColumnXValue; }
    void SetShowColumnXValue(bool Value) { SetBooleanProperty(Value, FShowColumnXValue, &TiPlotObject::DoChange); }
    bool ShowColumnYValue() const { return FShowColumnYValue; }
    void SetShowColumnYValue(bool Value) { SetBooleanProperty(Value, FShowColumnYValue, &TiPlotObject::DoChange); }
    bool ShowColumnYMax() const { return FShowColumnYMax; }
    void SetShowColumnYMax(bool Value) { SetBooleanProperty(Value, FShowColumnYMax, &TiPlotObject::DoChange); }
    bool ShowColumnYMin() const { return FShowColumnYMin; }
    void SetShowColumnYMin(bool Value) { SetBooleanProperty(Value, FShowColumnYMin, &TiPlotObject::DoChange); }
    bool ShowColumnYMean() const { return FShowColumnYMean; }
    void SetShowColumnYMean(bool Value) { SetBooleanProperty(Value, FShowColumnYMean, &TiPlotObject::DoChange); }
    const QString& CaptionColumnTitle() const { return FCaptionColumnTitle; }
    void SetCaptionColumnTitle(const QString& V) { SetStringProperty(V, FCaptionColumnTitle, &TiPlotObject::DoChange); }
    const QString& CaptionColumnXAxisTitle() const { return FCaptionColumnXName; }
    void SetCaptionColumnXAxisTitle(const QString& V) { SetStringProperty(V, FCaptionColumnXName, &TiPlotObject::DoChange); }
    const QString& CaptionColumnYAxisTitle() const { return FCaptionColumnYName; }
    void SetCaptionColumnYAxisTitle(const QString& V) { SetStringProperty(V, FCaptionColumnYName, &TiPlotObject::DoChange); }
    const QString& CaptionColumnXValue() const { return FCaptionColumnXValue; }
    void SetCaptionColumnXValue(const QString& V) { SetStringProperty(V, FCaptionColumnXValue, &TiPlotObject::DoChange); }
    const QString& CaptionColumnYValue() const { return FCaptionColumnYValue; }
    void SetCaptionColumnYValue(const QString& V) { SetStringProperty(V, FCaptionColumnYValue, &TiPlotObject::DoChange); }
    const QString& CaptionColumnYMax() const { return FCaptionColumnYMax; }
    void SetCaptionColumnYMax(const QString& V) { SetStringProperty(V, FCaptionColumnYMax, &TiPlotObject::DoChange); }
    const QString& CaptionColumnYMin() const { return FCaptionColumnYMin; }
    void SetCaptionColumnYMin(const QString& V) { SetStringProperty(V, FCaptionColumnYMin, &TiPlotObject::DoChange); }
    const QString& CaptionColumnYMean() const { return FCaptionColumnYMean; }
    void SetCaptionColumnYMean(const QString& V) { SetStringProperty(V, FCaptionColumnYMean, &TiPlotObject::DoChange); }
    vcl::TFont* Font() const { return FFont.get(); }
    void SetFont(const vcl::TFont* Value) { AssignFont(FFont.get(), Value); }
    double ColumnSpacing() const { return FColumnSpacing; }
    void SetColumnSpacing(double Value) { SetDoubleProperty(Value, FColumnSpacing, &TiPlotObject::DoChange); }
    // RowSpacing and WrapRowSpacingMin are two names of one value.
    double RowSpacing() const { return FWrapRowSpacingMin; }
    void SetRowSpacing(double Value) { SetDoubleProperty(Value, FWrapRowSpacingMin, &TiPlotObject::DoChange); }
    // Counts below 1 are taken as 1.
    int WrapColDesiredCount() const { return FWrapColDesiredCount; }
    void SetWrapColDesiredCount(int Value) { SetIntegerProperty(AtLeastOne(Value), FWrapColDesiredCount, &TiPlotObject::DoChange); }
    bool WrapColAutoCountEnabled() const { return FWrapColAutoCountEnabled; }
    void SetWrapColAutoCountEnabled(bool V) { SetBooleanProperty(V, FWrapColAutoCountEnabled, &TiPlotObject::DoChange); }
    int WrapColAutoCountMax() const { return FWrapColAutoCountMax; }
    void SetWrapColAutoCountMax(int Value) { SetIntegerProperty(AtLeastOne(Value), FWrapColAutoCountMax, &TiPlotObject::DoChange); }
    double WrapColSpacingMin() const { return FWrapColSpacingMin; }
    void SetWrapColSpacingMin(double Value) { SetDoubleProperty(Value, FWrapColSpacingMin, &TiPlotObject::DoChange); }
    bool WrapColSpacingAuto() const { return FWrapColSpacingAuto; }
    void SetWrapColSpacingAuto(bool Value) { SetBooleanProperty(Value, FWrapColSpacingAuto, &TiPlotObject::DoChange); }
    int WrapRowDesiredCount() const { return FWrapRowDesiredCount; }
    void SetWrapRowDesiredCount(int Value) { SetIntegerProperty(AtLeastOne(Value), FWrapRowDesiredCount, &TiPlotObject::DoChange); }
    bool WrapRowAutoCountEnabled() const { return FWrapRowAutoCountEnabled; }
    void SetWrapRowAutoCountEnabled(bool V) { SetBooleanProperty(V, FWrapRowAutoCountEnabled, &TiPlotObject::DoChange); }
    int WrapRowAutoCountMax() const { return FWrapRowAutoCountMax; }
    void SetWrapRowAutoCountMax(int Value) { SetIntegerProperty(AtLeastOne(Value), FWrapRowAutoCountMax, &TiPlotObject::DoChange); }
    double WrapRowSpacingMin() const { return FWrapRowSpacingMin; }
    void SetWrapRowSpacingMin(double Value) { SetRowSpacing(Value); }
    bool WrapRowSpacingAuto() const { return FWrapRowSpacingAuto; }
    void SetWrapRowSpacingAuto(bool Value) { SetBooleanProperty(Value, FWrapRowSpacingAuto, &TiPlotObject::DoChange); }
    bool ColumnTitlesVisible() const { return FColumnTitlesVisible; }
    void SetColumnTitlesVisible(bool Value) { SetBooleanProperty(Value, FColumnTitlesVisible, &TiPlotObject::DoChange); }
    vcl::TFont* ColumnTitlesFont() const { return FColumnTitlesFont.get(); }
    void SetColumnTitlesFont(const vcl::TFont* Value) { AssignFont(FColumnTitlesFont.get(), Value); }
    double ChannelNameMaxWidth() const { return FChannelNameMaxWidth; }
    void SetChannelNameMaxWidth(double Value) { SetDoubleProperty(Value, FChannelNameMaxWidth, &TiPlotObject::DoChange); }
    TiPlotLegendChannelNameColorStyle ChannelNameColorStyle() const { return FChannelNameColorStyle; }
    void SetChannelNameColorStyle(TiPlotLegendChannelNameColorStyle Value);
    int LineColumnWidth() const { return FLineColumnWidth; }
    void SetLineColumnWidth(int Value) { SetIntegerProperty(Value, FLineColumnWidth, &TiPlotObject::DoChange); }
    int LineColumnHeight() const { return FLineColumnHeight; }
    void SetLineColumnHeight(int Value) { SetIntegerProperty(Value, FLineColumnHeight, &TiPlotObject::DoChange); }

    // --- public ---
    int ViewStartIndex() const { return FItemViewStartIndex; }
    void SetViewStartIndex(int Value) { SetIntegerProperty(Value, FItemViewStartIndex, &TiPlotObject::DoChange); }
    int ViewStopIndex() const { return FItemViewStopIndex; }
    // Set by the plot's paint pass while a visible data cursor shows every channel in the legend.
    bool CursorAllChannels() const { return FCursorAllChannels; }
    void SetCursorAllChannels(bool Value) { FCursorAllChannels = Value; }
    TiPlotLegendButton* UpButton() const { return FUpButton.get(); }
    TiPlotLegendButton* DownButton() const { return FDownButton.get(); }
    int ItemCount() const { return static_cast<int>(FItems.size()); }
    const TiPlotLegendItem& Item(int Index) const { return FItems.at(static_cast<size_t>(Index)); }
    int ItemWidth() const { return FItemWidth; }
    int ActualWrapColCount() const { return FActualWrapColCount; }
    int ActualWrapRowCount() const { return FActualWrapRowCount; }
    int RequiredWidth() const { return FRequiredWidth; }
    int RequiredHeight() const { return FRequiredHeight; }
    vcl::TRect ItemsRect() const { return FItemsRect; }

    // Runs the layout; the height for a horizontal legend, else the width. An empty legend needs no room.
    int GetRequiredWidth(vcl::TCanvas* Canvas) override;
    void Draw(vcl::TCanvas* Canvas, vcl::TColor BackGroundColor) override;
    TiPlotObject* GetMouseOverObject(int X, int Y) override;
    vcl::TCursor GetMouseCursor(vcl::TPoint Point) override;
    void NotificationSetFocus(TiPlotObject* AObject) override;
    void AddMenuItems(vcl::TPopupMenu* PopupMenu) override;
    void ScrollUp();
    void ScrollDown();

protected:
    void DoMouseUp(const TiPlotMouseData& MouseData) override;

private:
    static int AtLeastOne(int Value) { return Value < 1 ? 1 : Value; }
    void AssignFont(vcl::TFont* Target, const vcl::TFont* Value);
    std::unique_ptr<TiPlotLegendButton> MakeButton(bool Up);

    // --- layout (iPlotLegendLayout.cpp) ---
    void Layout(vcl::TCanvas* Canvas);
    void RebuildItems();
    void MeasureTitleCells(vcl::TCanvas* Canvas, int W0, int H0);
    void MeasureColumnTitles(vcl::TCanvas* Canvas);
    void MeasureValueCells(vcl::TCanvas* Canvas, int W0);
    void PlaceCells();
    void FitCounts(int& Cols, int& Rows);
    void PlaceItems(int Cols, int Rows);
    void PlaceButtons(int Cols, int Rows);
    void SpaceColumnsAuto(int Cols);
    void SpaceRowsAuto();
    QString ShownTitle(const TiPlotChannelCustom* Channel) const;
    QString XValueText(TiPlotChannelCustom* Channel) const;
    QString YValueText(TiPlotChannelCustom* Channel) const;
    QString StatText(TiPlotChannelCustom* Channel, double Value) const;
    QString AxisTitleText(TiPlotLayoutObject* Axis) const;

    // --- drawing (iPlotLegendDraw.cpp) ---
    void DrawColumnTitles(vcl::TCanvas* Canvas);
    void DrawItem(vcl::TCanvas* Canvas, const TiPlotLegendItem& Item);
    void DrawTitleCell(vcl::TCanvas* Canvas, const TiPlotLegendItem& Item);
    void DrawTextCell(vcl::TCanvas* Canvas, int Left, int Top, int Width, const QString& Text, std::uint16_t Align);
    void DrawLineSample(vcl::TCanvas* Canvas, TiPlotChannelCustom* Channel, int Left, int CentreY);
    void DrawArrowButtons(vcl::TCanvas* Canvas);

    std::unique_ptr<TiPlotLegendButton> FUpButton;
    std::unique_ptr<TiPlotLegendButton> FDownButton;
    int FRequiredWidth { 0 };
    int FRequiredHeight { 0 };
    vcl::TRect FInnerRect;
    std::vector<TiPlotLegendItem> FItems;
    std::vector<int> FColumnList;
    int FItemWidth { 0 };
    int FActualWrapColCount { 0 };
    int FActualWrapRowCount { 0 };
    int FColumnSpacingPixels { 0 };
    int FRowSpacingPixels { 0 };
    int FWrapSpacingPixels { 0 };
    int FColumnStartChannel { 0 };
    int FColumnStartLine { 0 };
    int FColumnStartMarker { 0 };
    int FColumnStartXName { 0 };
    int FColumnStartYName { 0 };
    int FColumnStartXValue { 0 };
    int FColumnStartYValue { 0 };
    int FColumnStartYMax { 0 };
    int FColumnStartYMin { 0 };
    int FColumnStartYMean { 0 };
    int FMaxWidthLine { 0 };
    int FMaxWidthMarker { 0 };
    int FMaxWidthChannelLabel { 0 };
    int FMaxWidthXName { 0 };
    int FMaxWidthYName { 0 };
    int FMaxWidthXValue { 0 };
    int FMaxWidthYValue { 0 };
    int FMaxWidthYMax { 0 };
    int FMaxWidthYMin { 0 };
    int FMaxWidthYMean { 0 };
    int FItemViewStartIndex { 0 };
    int FItemViewStopIndex { 0 };
    int FItemHeight { 0 };
    int FMaxItemHeight { 0 };
    int FColumnTitlesHeightPixels { 0 };
    int FColumnTitlesMarginPixels { 0 };
    int FLeftMarginPixels { 0 };
    int FRightMarginPixels { 0 };
    vcl::TRect FColumnTitlesRect;
    vcl::TRect FItemsRect;
    double FMarginLeft { 1.0 };
    double FMarginRight { 1.0 };
    double FMarginBottom { 1.0 };
    double FMarginTop { 1.0 };
    bool FBackGroundTransparent { true };
    vcl::TColor FBackGroundColor { 0x808080 };
    double FColumnSpacing { 0.5 };
    std::unique_ptr<vcl::TFont> FFont;
    std::unique_ptr<vcl::TFont> FSelectedItemFont;
    std::unique_ptr<vcl::TFont> FColumnTitlesFont;
    vcl::TColor FSelectedItemBackGroundColor { 0xFFFF };
    bool FShowColumnLine { true };
    bool FShowColumnMarker { false };
    bool FShowColumnXName { false };
    bool FShowColumnYName { false };
    bool FShowColumnXValue { false };
    bool FShowColumnYValue { false };
    bool FColumnTitlesVisible { false };
    double FChannelNameMaxWidth { 0.0 };
    TiPlotLegendChannelNameColorStyle FChannelNameColorStyle { TiPlotLegendChannelNameColorStyle::iplcncsFont };
    bool FShowColumnYMax { false };
    bool FShowColumnYMin { false };
    bool FShowColumnYMean { false };
    bool FCursorAllChannels { false };
    bool FShowColumnXValue2 { false };
    bool FShowColumnYValue2 { false };
    QString FCaptionColumnYMax { QStringLiteral("Y-Max") };
    QString FCaptionColumnYValue { QStringLiteral("Y") };
    QString FCaptionColumnTitle { QStringLiteral("Title") };
    QString FCaptionColumnYMean { QStringLiteral("Y-Mean") };
    QString FCaptionColumnXName { QStringLiteral("X-Axis") };
    QString FCaptionColumnYName { QStringLiteral("Y-Axis") };
    QString FCaptionColumnXValue { QStringLiteral("X") };
    QString FCaptionColumnYMin { QStringLiteral("Y-Min") };
    int FWrapColDesiredCount { 1 };
    int FWrapRowDesiredCount { 5 };
    bool FWrapColAutoCountEnabled { false };
    bool FWrapRowAutoCountEnabled { true };
    int FWrapRowAutoCountMax { 100 };
    int FWrapColAutoCountMax { 100 };
    double FWrapColSpacingMin { 2.0 };
    double FWrapRowSpacingMin { 0.25 };
    bool FWrapRowSpacingAuto { false };
    bool FWrapColSpacingAuto { true };
    int FLineColumnWidth { 13 };
    int FLineColumnHeight { 3 };
};
