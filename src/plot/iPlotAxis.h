#pragma once
// An axis of the plot: its scale range, labels and title settings and its place in the layout.
// TiPlotXAxis and TiPlotYAxis tell the two kinds apart.

#include "plot/iPlotAxisFormat.h"
#include "plot/iPlotLabelWidthMemo.h"
#include "plot/iPlotObjects.h"
#include "plot/iPlotTypes.h"
#include "plot/iPlotValueScale.h"

#include "platform/ui/TFont.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace vcl {
class TCanvas;
}

class TiPlotComponent;

enum class TiPlotTickType { ipttMajor, ipttMinor };
enum class TiPlotScaleType { ipstLinear, ipstLog10 };
// What dragging the axis does.
enum class TiPlotAxisMode { ipamScroll, ipamZoom };
enum class TiQuadSide { iqsLeft, iqsTop, iqsRight, iqsBottom };
// An axis drawn through the data view: a master across its middle, a child at a value of another axis.
enum class TiPlotCartesianStyle { ipcsNone, ipcsMaster, ipcsChild };
enum class TiPlotTrackingStyle {
    iptsScaleMinMax,
    iptsScaleMax,
    iptsScaleMin,
    iptsScrollSmooth,
    iptsScrollPage,
    iptsExpandCollapse,
    iptsExpandCollapseFast,
    iptsExpandMinMax
};
enum class TiPlotTrackingIncrementStyle { iptisMinimum, iptisMajor, iptisMinor };
enum class TiPlotAlignFirstStyle { ipafsNone, ipafsMin, ipafsMax, ipafsAuto };
enum class TiPlotGridLineStyle { ipglsSolid, ipglsDash, ipglsDot };

// The pen of one kind of grid line.
struct TiPlotGridPen
{
    vcl::TColor Color { 0x008000 };
    int Width { 0 };
    TiPlotGridLineStyle Style { TiPlotGridLineStyle::ipglsSolid };
};

// One tick of an axis: majors carry a label; Show tells whether it lay on the scale at the last placement.
struct TiPlotTickObject
{
    TiPlotTickType TickType { TiPlotTickType::ipttMajor };
    double Position { 0.0 };
    int PositionPixels { 0 };
    QString Text;
    bool Show { false };
};

class TiPlotAxis : public TiPlotLayoutObject, public IiPlotAxisScale, public IiPlotAxisTracking
{
    friend class TiPlotDataView; // passes axes-control drags and wheel steps on
    friend class TiPlotXAxis;    // sets its own tracking defaults

public:
    TiPlotAxis(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
               vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
    ~TiPlotAxis() override;
    const vcl::TPropertyTable* PublishedProperties() const override;
    // Besides the published properties: "Span_2" and "Span" read straight into Span (never
    // written), and "LabelSeparation" and "TitleMargin" written only when 0, which the published
    // ones leave out, and read straight into their fields.
    void DefineProperties(vcl::TFiler& Filer) override;

    double Min() const override
    {
        SettleOwed();
        return FMin;
    }
    // Clamped to -1e300..1e300.
    void SetMin(double Value);
    double Span() const
    {
        SettleOwed();
        return FSpan;
    }
    // Clamped to 1e-300..1e300.
    void SetSpan(double Value);
    double Max() const override
    {
        SettleOwed();
        return FMin + FSpan;
    }
    bool ReverseScale() const { return FReverseScale; }
    void SetReverseScale(bool Value) { SetBooleanProperty(Value, FReverseScale, &TiPlotObject::DoChange); }
    bool LabelsVisible() const { return FLabelsVisible; }
    void SetLabelsVisible(bool Value) { SetBooleanProperty(Value, FLabelsVisible, &TiPlotObject::DoChange); }
    vcl::TFont* LabelsFont() const { return FLabelsFont.get(); }
    void SetLabelsFont(const vcl::TFont* Value);
    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& Value) { SetStringProperty(Value, FTitle, &TiPlotObject::DoChange); }
    bool TitleShow() const { return FTitleShow; }
    void SetTitleShow(bool Value) { SetBooleanProperty(Value, FTitleShow, &TiPlotObject::DoChange); }
    vcl::TFont* TitleFont() const { return FTitleFont.get(); }
    void SetTitleFont(const vcl::TFont* Value);
    vcl::TColor ScaleLinesColor() const { return FScaleLinesColor; }
    void SetScaleLinesColor(vcl::TColor Value) { SetColorProperty(Value, FScaleLinesColor, &TiPlotObject::DoChange); }
    bool GridLinesVisible() const { return FGridLinesVisible; }
    void SetGridLinesVisible(bool Value) { SetBooleanProperty(Value, FGridLinesVisible, &TiPlotObject::DoChange); }
    // Factor the data cursor applies to values of this axis.
    double CursorScaler() const { return FCursorScaler; }
    void SetCursorScaler(double Value) { SetDoubleProperty(Value, FCursorScaler, &TiPlotObject::DoChange); }
    TiPlotAxisMode Mode() const { return FMode; }
    void SetMode(TiPlotAxisMode Value) { FMode = Value; }
    bool TrackingEnabled() const { return FTrackingEnabled; }
    // Switching on restores the resume values, switching off saves them (with RestoreValuesOnResume).
    void SetTrackingEnabled(bool Value);

    // --- scale ---
    double DesiredStart() const { return FDesiredStart; }
    void SetDesiredStart(double Value) { SetDoubleProperty(Value, FDesiredStart, &TiPlotObject::DoChange); }
    double DesiredIncrement() const { return FDesiredIncrement; }
    // Clamped to 0..1e300; 0 lets the tick builder choose.
    void SetDesiredIncrement(double Value);
    int MinorCount() const { return FMinorCount; }
    void SetMinorCount(int Value) { SetIntegerProperty(std::max(Value, 0), FMinorCount, &TiPlotObject::DoChange); }
    int MajorLength() const { return FMajorLength; }
    void SetMajorLength(int Value) { SetIntegerProperty(Value, FMajorLength, &TiPlotObject::DoChange); }
    int MinorLength() const { return FMinorLength; }
    void SetMinorLength(int Value) { SetIntegerProperty(Value, FMinorLength, &TiPlotObject::DoChange); }
    double StackingEndsMargin() const { return FStackingEndsMargin; }
    void SetStackingEndsMargin(double Value) { SetDoubleProperty(Value, FStackingEndsMargin, &TiPlotObject::DoChange); }
    double LabelSeparation() const { return FLabelSeparation; }
    void SetLabelSeparation(double Value) { SetDoubleProperty(Value, FLabelSeparation, &TiPlotObject::DoChange); }
    TiRotationAngle LabelsRotation() const { return FLabelsRotation; }
    void SetLabelsRotation(TiRotationAngle Value);
    TiPlotScaleType ScaleType() const { return FScaleType; }
    // Choosing the log scale while Min <= 0 sets Min to 1 directly.
    void SetScaleType(TiPlotScaleType Value);
    bool TickListCustom() const { return FTickListCustom; }
    void SetTickListCustom(bool Value) { FTickListCustom = Value; }

    // Both with one change; on a log scale a Min or Span <= 0 becomes 1.
    void SetMinSpan(double NewMin, double NewSpan);
    // Zooms about the middle: a linear scale multiplies Span by Factor, a log scale by 10^Factor.
    void Zoom(double Factor);

    // --- size ---
    int InnerMargin() const { return FInnerMargin; }
    void SetInnerMargin(int Value) { SetIntegerProperty(Value, FInnerMargin, &TiPlotObject::DoChange); }
    int OuterMargin() const { return FOuterMargin; }
    void SetOuterMargin(int Value) { SetIntegerProperty(Value, FOuterMargin, &TiPlotObject::DoChange); }
    double LabelsMargin() const { return FLabelsMargin; }
    void SetLabelsMargin(double Value) { SetDoubleProperty(Value, FLabelsMargin, &TiPlotObject::DoChange); }
    double TitleMargin() const { return FTitleMargin; }
    void SetTitleMargin(double Value) { SetDoubleProperty(Value, FTitleMargin, &TiPlotObject::DoChange); }
    bool TitleRotated() const { return FTitleRotated; }
    void SetTitleRotated(bool Value) { SetBooleanProperty(Value, FTitleRotated, &TiPlotObject::DoChange); }
    bool ScaleLinesShow() const { return FScaleLinesShow; }
    void SetScaleLinesShow(bool Value) { SetBooleanProperty(Value, FScaleLinesShow, &TiPlotObject::DoChange); }
    // Thickness across the axis: margins, tick lines, labels and title.
    int GetRequiredWidth(vcl::TCanvas* Canvas) override;
    // Room the labels need beyond both ends of the scale.
    int GetRequiredEndMargin(vcl::TCanvas* Canvas) override;
    int RequiredWidth() const { return FRequiredWidth; }
    int TitleOffset() const { return FTitleOffset; }

    // --- drawing, input and tracking ---
    bool ScaleLineShow() const { return FScaleLineShow; }
    void SetScaleLineShow(bool Value) { SetBooleanProperty(Value, FScaleLineShow, &TiPlotObject::DoChange); }
    // Mode, turned round (scroll <-> zoom) while Ctrl is held.
    TiPlotAxisMode GetEffectiveMode() const;
    TiPlotTrackingStyle TrackingStyle() const { return FTrackingStyle; }
    void SetTrackingStyle(TiPlotTrackingStyle Value);
    TiPlotTrackingIncrementStyle TrackingIncrementStyle() const { return FTrackingIncrementStyle; }
    void SetTrackingIncrementStyle(TiPlotTrackingIncrementStyle Value);
    TiPlotAlignFirstStyle TrackingAlignFirstStyle() const { return FTrackingAlignFirstStyle; }
    void SetTrackingAlignFirstStyle(TiPlotAlignFirstStyle Value);
    double TrackingScrollCompressMax() const { return FTrackingScrollCompressMax; }
    void SetTrackingScrollCompressMax(double Value) { SetDoubleProperty(Value, FTrackingScrollCompressMax, &TiPlotObject::DoChange); }
    double TrackingSpanMinimum() const { return FTrackingSpanMinimum; }
    void SetTrackingSpanMinimum(double Value) { SettleOwed(); SetDoubleProperty(Value, FTrackingSpanMinimum, &TiPlotObject::DoChange); }
    double TrackingMaxMargin() const { return FTrackingMaxMargin; }
    void SetTrackingMaxMargin(double Value) { SettleOwed(); SetDoubleProperty(Value, FTrackingMaxMargin, &TiPlotObject::DoChange); }
    double TrackingMinMargin() const { return FTrackingMinMargin; }
    void SetTrackingMinMargin(double Value) { SettleOwed(); SetDoubleProperty(Value, FTrackingMinMargin, &TiPlotObject::DoChange); }
    bool RestoreValuesOnResume() const { return FRestoreValuesOnResume; }
    void SetRestoreValuesOnResume(bool Value) { SetBooleanProperty(Value, FRestoreValuesOnResume, &TiPlotObject::DoChange); }
    bool ScrollMinMaxEnabled() const { return FScrollMinMaxEnabled; }
    void SetScrollMinMaxEnabled(bool Value) { SetBooleanProperty(Value, FScrollMinMaxEnabled, &TiPlotObject::DoChange); }
    double ScrollMin() const { return FScrollMin; }
    void SetScrollMin(double Value) { SetDoubleProperty(Value, FScrollMin, &TiPlotObject::DoChange); }
    double ScrollMax() const { return FScrollMax; }
    void SetScrollMax(double Value) { SetDoubleProperty(Value, FScrollMax, &TiPlotObject::DoChange); }
    // Input on this axis also moves every other axis of its kind.
    bool MasterUIInput() const { return FMasterUIInput; }
    void SetMasterUIInput(bool Value) { SetBooleanProperty(Value, FMasterUIInput, &TiPlotObject::DoChange); }
    TiPlotCartesianStyle CartesianStyle() const { return FCartesianStyle; }
    void SetCartesianStyle(TiPlotCartesianStyle Value);
    const QString& CartesianChildRefAxisName() const { return FCartesianChildRefAxisName; }
    void SetCartesianChildRefAxisName(const QString& Value) { SetStringProperty(Value, FCartesianChildRefAxisName, &TiPlotObject::DoChange); }
    double CartesianChildRefValue() const { return FCartesianChildRefValue; }
    void SetCartesianChildRefValue(double Value) { SetDoubleProperty(Value, FCartesianChildRefValue, &TiPlotObject::DoChange); }
    // An axis of the same kind whose span along the edge this axis takes.
    const QString& AlignRefAxisName() const { return FAlignRefAxisName; }
    void SetAlignRefAxisName(const QString& Value) { SetStringProperty(Value, FAlignRefAxisName, &TiPlotObject::DoChange); }

    // Registers the scale line of a cartesian axis with the plot's label collision list.
    void PrepareDraw() override;
    void Draw(vcl::TCanvas* Canvas, vcl::TColor BackGroundColor) override;
    // Lines across Rect at the shown ticks, majors and minors each with their own pen.
    void DrawGridLines(vcl::TCanvas* Canvas, const vcl::TRect& Rect, const TiPlotGridPen& Minor,
                       const TiPlotGridPen& Major, bool ShowMinors, bool ShowMajors) const;
    // The scale takes the pixels of Rect along the axis.
    void ZoomToRect(const vcl::TRect& Rect);

    void ScrollBy(double Fraction);
    // Amount > 0 zooms in.
    void ZoomBy(double Amount);
    // Widens the scale to whole major or minor increments (by TrackingIncrementStyle).
    void AlignToIncrement();
    // Fits the scale to the zoom extents of the channels drawn against it.
    void ZoomToFit();
    // The same from the channels' running minimum and maximum, without the span minimum.
    void ZoomToFitFast();
    void NewTrackingData(double Value) override;
    // One value of a source whose plot repaints anyway, taken without telling anyone: true when the
    // value asked no more than plain min/max tracking (linear, whole scale, no margins, first value
    // aligned) and Min/Span moved in place exactly as NewTrackingData moves them; false when
    // NewTrackingData must take it.
    bool TrackQuietly(double Value)
    {
        SettleOwed();
        return TakeQuietly(Value);
    }
    // TrackQuietly for a value of the source that owes this axis values, while it settles.
    bool TakeQuietly(double Value)
    {
        if (!FPlainTracking) [[unlikely]]
            return false;
        if (Value > FMin + FSpan) {
            const double span = Value - FMin;
            if (!(span >= 1e-300 && span <= 1e300)) [[unlikely]]
                return false; // clamped by SetSpan
            FSpan = span;
        } else if (Value < FMin) [[unlikely]] {
            if (!(Value >= -1e300))
                return false; // clamped by SetMin
            FMin = Value;
        }
        return true;
    }
    // Whether TrackQuietly takes values in place (the settings of plain min/max tracking).
    bool TracksPlainly() const { return FPlainTracking; }
    void DoChange() override;
    void ResetFirstAlign()
    {
        SettleOwed();
        FFirstAlignDone = false;
        UpdatePlainTracking();
    }
    void UpdateResumeValues();

    bool iMouseHitTest(const TiPlotMouseData& MouseData) override;
    vcl::TCursor GetMouseCursor(vcl::TPoint Point) override;
    void iKeyDown(vcl::WORD& Key, vcl::TShiftState Shift, vcl::TPopupMenu* PopupMenu) override;
    void AddMenuItems(vcl::TPopupMenu* PopupMenu) override;

    // --- value <-> pixel ---
    // Places the scale inside the draw rectangle and renews the cached mapping.
    void CalcScaleRect(vcl::TCanvas* Canvas);
    // Places the scale and rebuilds the tick list (only places a custom list).
    void BuildTicks(vcl::TCanvas* Canvas);
    // Saturates to -32000..32000; a zero-length scale maps everything to its middle pixel.
    int PositionToPixels(double Value) const override;
    double PixelsToPosition(int Pixels) const override;
    int WidthToPixels(double Width) const;
    double PositionToPercent(double Value) const;
    double PercentToPosition(double Fraction) const;
    bool PointOnScale(double Value) const;
    bool ValueOnScale(double Value) const override { return PointOnScale(Value); }
    int MinPixels() const override { return PositionToPixels(FMin); }
    int MaxPixels() const override { return PositionToPixels(Max()); }
    bool PixelsFollowValues() const override { return FScaleType == TiPlotScaleType::ipstLinear; }
    int ActualStart() const { return FActualStart; }
    int ActualStop() const { return FActualStop; }
    vcl::TRect ScaleRect() const { return FScaleRect; }
    vcl::TRect FocusRect() const { return FFocusRect; }
    TiQuadSide QuadSide() const { return FQuadSide; }
    int GetScaleLength() const;
    double MajorIncrement() const { return FMajorIncrement; }
    double MinorIncrement() const { return FMinorIncrement; }

    // --- tick list ---
    void TickListClear();
    // Appends a tick; on a log scale a Position <= 0 raises and adds nothing.
    int TickListAdd(const QString& Label, TiPlotTickType Style, double Position);
    int GetTickListCount() const { return static_cast<int>(FTickList.size()); }
    const TiPlotTickObject& Tick(int Index) const { return *FTickList.at(static_cast<size_t>(Index)); }

    // --- value texts ---
    int LabelsPrecision() const { return FLabelsPrecision; }
    void SetLabelsPrecision(int Value) { SetIntegerProperty(Value, FLabelsPrecision, &TiPlotObject::DoChange); }
    TiPrecisionStyle LabelsPrecisionStyle() const { return FLabelsPrecisionStyle; }
    void SetLabelsPrecisionStyle(TiPrecisionStyle Value);
    TiPlotTextFormat LabelsFormatStyle() const { return FLabelsFormatStyle; }
    void SetLabelsFormatStyle(TiPlotTextFormat Value);
    const QString& DateTimeFormat() const { return FDateTimeFormat; }
    void SetDateTimeFormat(const QString& Value) { SetStringProperty(Value, FDateTimeFormat, &TiPlotObject::DoChange); }
    double LabelsMinLength() const { return FLabelsMinLength; }
    void SetLabelsMinLength(double Value) { SetDoubleProperty(Value, FLabelsMinLength, &TiPlotObject::DoChange); }
    bool LabelsMinLengthAutoAdjust() const { return FLabelsMinLengthAutoAdjust; }
    void SetLabelsMinLengthAutoAdjust(bool Value);
    bool CursorUseDefaultFormat() const { return FCursor.UseDefault; }
    void SetCursorUseDefaultFormat(bool Value) { SetBooleanProperty(Value, FCursor.UseDefault, &TiPlotObject::DoChange); }
    void SetCursorFormat(TiPlotTextFormat Style, const QString& DateTimeFormat, TiPrecisionStyle PrecisionStyle,
                         int Precision);
    TiPlotTextFormat CursorFormatStyle() const { return FCursor.FormatStyle; }
    void SetCursorFormatStyle(TiPlotTextFormat Value) { SetTextSetField(FCursor.FormatStyle, Value); }
    const QString& CursorDateTimeFormat() const { return FCursor.DateTimeFormat; }
    void SetCursorDateTimeFormat(const QString& Value) { SetTextSetField(FCursor.DateTimeFormat, Value); }
    TiPrecisionStyle CursorPrecisionStyle() const { return FCursor.PrecisionStyle; }
    void SetCursorPrecisionStyle(TiPrecisionStyle Value) { SetTextSetField(FCursor.PrecisionStyle, Value); }
    int CursorPrecision() const { return FCursor.Precision; }
    void SetCursorPrecision(int Value) { SetTextSetField(FCursor.Precision, Value); }
    double CursorMinLength() const { return FCursor.MinLength; }
    void SetCursorMinLength(double Value) { SetTextSetField(FCursor.MinLength, Value); }
    bool CursorMinLengthAutoAdjust() const { return FCursor.MinLengthAutoAdjust; }
    void SetCursorMinLengthAutoAdjust(bool Value) { SetTextSetField(FCursor.MinLengthAutoAdjust, Value); }
    bool LegendUseDefaultFormat() const { return FLegend.UseDefault; }
    void SetLegendUseDefaultFormat(bool Value) { SetBooleanProperty(Value, FLegend.UseDefault, &TiPlotObject::DoChange); }
    TiPlotTextFormat LegendFormatStyle() const { return FLegend.FormatStyle; }
    void SetLegendFormatStyle(TiPlotTextFormat Value) { SetTextSetField(FLegend.FormatStyle, Value); }
    const QString& LegendDateTimeFormat() const { return FLegend.DateTimeFormat; }
    void SetLegendDateTimeFormat(const QString& Value) { SetTextSetField(FLegend.DateTimeFormat, Value); }
    TiPrecisionStyle LegendPrecisionStyle() const { return FLegend.PrecisionStyle; }
    void SetLegendPrecisionStyle(TiPrecisionStyle Value) { SetTextSetField(FLegend.PrecisionStyle, Value); }
    int LegendPrecision() const { return FLegend.Precision; }
    void SetLegendPrecision(int Value) { SetTextSetField(FLegend.Precision, Value); }
    double LegendMinLength() const { return FLegend.MinLength; }
    void SetLegendMinLength(double Value) { SetTextSetField(FLegend.MinLength, Value); }
    bool LegendMinLengthAutoAdjust() const { return FLegend.MinLengthAutoAdjust; }
    void SetLegendMinLengthAutoAdjust(bool Value) { SetTextSetField(FLegend.MinLengthAutoAdjust, Value); }

    void SetLegendFormat(TiPlotTextFormat Style, const QString& DateTimeFormat, TiPrecisionStyle PrecisionStyle,
                         int Precision);

    QString GetLabelText(double Value);
    QString GetLabelTextAutoAdjust(double Value);
    QString GetCursorText(double Value);
    QString GetCursorValueText(double Value);
    QString GetLegendText(double Value);
    // For the customize-label handler: replaces the text being formatted.
    void SetCustomizeLabelEventText(const QString& Text);
    QString FormatValue(TiPlotTextFormat FormatStyle, const QString& DateTimeFormat, double Value,
                        TiPrecisionStyle PrecisionStyle, int Precision, bool AutoAdjust, double& MinLength);
    int GetMaxLabelWidth(vcl::TCanvas* Canvas, const vcl::TFont* Font);
    int GetLegendTextMinWidth(vcl::TCanvas* Canvas, const vcl::TFont* Font) const;
    int GetCursorTextMinWidth(vcl::TCanvas* Canvas, const vcl::TFont* Font) const;

protected:
    void DoMouseHint(const TiPlotMouseData& MouseData, TiHintData& HintData) override;
    void DoMouseLeft(const TiPlotMouseData& MouseData) override;
    void DoMouseMove(const TiPlotMouseData& MouseData) override;
    void DoMouseUp(const TiPlotMouseData& MouseData) override;
    bool DoMouseWheel(int WheelDelta, vcl::TShiftState Shift, int X, int Y) override;

private:
    struct TextSet
    {
        bool UseDefault { true };
        TiPlotTextFormat FormatStyle { TiPlotTextFormat::iptfValue };
        QString DateTimeFormat { QStringLiteral("hh:nn:ss") };
        TiPrecisionStyle PrecisionStyle { TiPrecisionStyle::ipsSignificantDigits };
        int Precision { 3 };
        double MinLength { 5.0 };
        bool MinLengthAutoAdjust { false };
    };
    QString FormatWithSet(TextSet& Set, double Value);
    // Stores a cursor or legend format setting when it differs and reports the change.
    template <typename T>
    void SetTextSetField(T& Field, const T& Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        DoChange();
    }
    void PlaceHorizontalScale(vcl::TCanvas* Canvas);
    void PlaceVerticalScale(vcl::TCanvas* Canvas);
    int LabelSlot(vcl::TCanvas* Canvas);
    double LogSpanDecades() const;
    void BuildLinearTicks(int Slots);
    void BuildLogTicks(int Slots);
    void CalcDecimalIncrement(int Slots, double& Increment, int& Count) const;
    void CalcPrice32ndsIncrement(int Slots, double& Increment, int& Count) const;
    void CalcDateTimeIncrement(int Slots, double& Increment, int& Count);
    double FirstTickPosition(double Increment);
    double NextMajorPosition(double Position, double Increment) const;
    void AddTick(TiPlotTickType Type, double Position);
    void AddSingleMiddleTick();
    void UpdateTickPixels();
    bool IsCartesian() const { return FCartesianStyle != TiPlotCartesianStyle::ipcsNone; }
    // The plot that passes this axis's input on to the others of its kind (with MasterUIInput).
    TiPlotComponent* MasterPlot() const;
    // The plot's MinSpan-finished event, when a drag or key moved the scale since the press.
    void FireMinSpanFinished();
    void DrawScaleLine(vcl::TCanvas* Canvas) const;
    void DrawTickLine(vcl::TCanvas* Canvas, const TiPlotTickObject& Tick);
    void DrawLabel(vcl::TCanvas* Canvas, const TiPlotTickObject& Tick);
    void DrawTitle(vcl::TCanvas* Canvas);
    void TrackScale(double Value);
    void ApplyTrackingMargins(double Value);
    // Renews FPlainTracking from the settings it stands for; every change of them reports one.
    void UpdatePlainTracking();

    bool FScaleLineShow { true };
    TiPlotTrackingStyle FTrackingStyle { TiPlotTrackingStyle::iptsScaleMinMax };
    TiPlotTrackingIncrementStyle FTrackingIncrementStyle { TiPlotTrackingIncrementStyle::iptisMinimum };
    TiPlotAlignFirstStyle FTrackingAlignFirstStyle { TiPlotAlignFirstStyle::ipafsNone };
    double FTrackingScrollCompressMax { 0.0 };
    double FTrackingSpanMinimum { 0.0 };
    double FTrackingMaxMargin { 0.0 };
    double FTrackingMinMargin { 0.0 };
    bool FRestoreValuesOnResume { true };
    bool FScrollMinMaxEnabled { false };
    double FScrollMin { 0.0 };
    double FScrollMax { 100.0 };
    bool FMasterUIInput { false };
    TiPlotCartesianStyle FCartesianStyle { TiPlotCartesianStyle::ipcsNone };
    QString FCartesianChildRefAxisName { QStringLiteral("<None>") };
    double FCartesianChildRefValue { 0.0 };
    QString FAlignRefAxisName;
    bool FFirstAlignDone { false };
    // Tracking on, ScaleMinMax to the minimum increment, linear, no margins or span minimum, the
    // first value aligned: the settings under which TrackQuietly may move the scale itself.
    bool FPlainTracking { false };
    double FPreviousMin { 0.0 };
    double FPreviousSpan { 100.0 };
    double FPreviousLabelsMinLength { 0.0 };
    int FMouseDownX { 0 };
    int FMouseDownY { 0 };
    double FMouseDownMin { 0.0 };
    double FMouseDownSpan { 0.0 };

    int FActualStart { 0 };
    int FActualStop { 0 };
    double FPixelsPerSpanUnit { 0.0 };
    bool FBlockMinSpanEvents { false };
    std::vector<std::unique_ptr<TiPlotTickObject>> FTickList;
    // The widest label last measured, for the next measure of the same labels.
    TiPlotLabelWidthMemo FLabelWidthMemo;
    TiQuadSide FQuadSide { TiQuadSide::iqsLeft };
    vcl::TRect FScaleRect;
    vcl::TRect FFocusRect;
    bool FAllowLabelMinAdjust { false };
    bool FMonthModeEnabled { false };
    bool FYearModeEnabled { false };
    double FMajorIncrement { 0.0 };
    double FMinorIncrement { 0.0 };
    QString FCustomizeLabelEventText;
    bool FCustomizeLabelEventModified { false };
    double FDesiredStart { 0.0 };
    double FDesiredIncrement { 0.0 };
    int FMinorCount { 1 };
    int FMajorLength { 7 };
    int FMinorLength { 3 };
    double FStackingEndsMargin { 0.5 };
    double FLabelSeparation { 2.0 };
    TiRotationAngle FLabelsRotation { TiRotationAngle::ira000 };
    TiPlotScaleType FScaleType { TiPlotScaleType::ipstLinear };
    bool FTickListCustom { false };
    int FLabelsPrecision { 3 };
    TiPrecisionStyle FLabelsPrecisionStyle { TiPrecisionStyle::ipsSignificantDigits };
    TiPlotTextFormat FLabelsFormatStyle { TiPlotTextFormat::iptfValue };
    QString FDateTimeFormat { QStringLiteral("hh:nn:ss") };
    double FLabelsMinLength { 5.0 };
    bool FLabelsMinLengthAutoAdjust { false };
    int FInnerMargin { 5 };
    int FOuterMargin { 5 };
    double FLabelsMargin { 0.25 };
    double FTitleMargin { 0.25 };
    bool FTitleRotated { false };
    bool FScaleLinesShow { true };
    int FRequiredWidth { 0 };
    int FTitleOffset { 0 };
    TextSet FCursor;
    TextSet FLegend;

    double FMin { 0.0 };
    double FSpan { 100.0 };
    bool FReverseScale { false };
    bool FLabelsVisible { true };
    std::unique_ptr<vcl::TFont> FLabelsFont;
    QString FTitle;
    bool FTitleShow { false };
    std::unique_ptr<vcl::TFont> FTitleFont;
    vcl::TColor FScaleLinesColor { vcl::clWhite };
    bool FGridLinesVisible { true };
    bool FTrackingEnabled { true };
    double FCursorScaler { 1.0 };
    TiPlotAxisMode FMode { TiPlotAxisMode::ipamScroll };
};

// Tracks with the scale's minimum and maximum and aligns the scale to its first value when needed.
class TiPlotXAxis : public TiPlotAxis
{
public:
    TiPlotXAxis(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
                vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
};

class TiPlotYAxis : public TiPlotAxis
{
public:
    using TiPlotAxis::TiPlotAxis;
};
