#pragma once
// An axis of the plot: its scale range, labels and title settings and its place in the layout.
// TiPlotXAxis and TiPlotYAxis tell the two kinds apart.

#include "plot/iPlotAxisFormat.h"
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

enum class TiPlotTickType { ipttMajor, ipttMinor };
enum class TiPlotScaleType { ipstLinear, ipstLog10 };
// What dragging the axis does.
enum class TiPlotAxisMode { ipamScroll, ipamZoom };
enum class TiQuadSide { iqsLeft, iqsTop, iqsRight, iqsBottom };

// One tick of an axis: majors carry a label; Show tells whether it lay on the scale at the last placement.
struct TiPlotTickObject
{
    TiPlotTickType TickType { TiPlotTickType::ipttMajor };
    double Position { 0.0 };
    int PositionPixels { 0 };
    QString Text;
    bool Show { false };
};

class TiPlotAxis : public TiPlotLayoutObject, public IiPlotAxisScale
{
public:
    TiPlotAxis(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
               vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
    ~TiPlotAxis() override;
    const vcl::TPropertyTable* PublishedProperties() const override;

    double Min() const { return FMin; }
    // Clamped to -1e300..1e300.
    void SetMin(double Value);
    double Span() const { return FSpan; }
    // Clamped to 1e-300..1e300.
    void SetSpan(double Value);
    double Max() const { return FMin + FSpan; }
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
    void SetTrackingEnabled(bool Value) { SetBooleanProperty(Value, FTrackingEnabled, &TiPlotObject::DoChange); }

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

    // --- value <-> pixel ---
    // Places the scale inside the draw rectangle and renews the cached mapping.
    void CalcScaleRect(vcl::TCanvas* Canvas);
    // Places the scale and rebuilds the tick list (only places a custom list).
    void BuildTicks(vcl::TCanvas* Canvas);
    // Saturates to -32000..32000; a zero-length scale maps everything to its middle pixel.
    int PositionToPixels(double Value) const;
    double PixelsToPosition(int Pixels) const;
    int WidthToPixels(double Width) const;
    double PositionToPercent(double Value) const;
    double PercentToPosition(double Fraction) const;
    bool PointOnScale(double Value) const;
    bool ValueOnScale(double Value) const { return PointOnScale(Value); }
    int MinPixels() const { return PositionToPixels(FMin); }
    int MaxPixels() const { return PositionToPixels(Max()); }
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
    bool LegendUseDefaultFormat() const { return FLegend.UseDefault; }
    void SetLegendUseDefaultFormat(bool Value) { SetBooleanProperty(Value, FLegend.UseDefault, &TiPlotObject::DoChange); }
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

    int FActualStart { 0 };
    int FActualStop { 0 };
    double FPixelsPerSpanUnit { 0.0 };
    bool FBlockMinSpanEvents { false };
    std::vector<std::unique_ptr<TiPlotTickObject>> FTickList;
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

class TiPlotXAxis : public TiPlotAxis
{
public:
    using TiPlotAxis::TiPlotAxis;
};

class TiPlotYAxis : public TiPlotAxis
{
public:
    using TiPlotAxis::TiPlotAxis;
};
