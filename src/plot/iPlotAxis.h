#pragma once
// An axis of the plot: its scale range, labels and title settings and its place in the layout.
// TiPlotXAxis and TiPlotYAxis tell the two kinds apart.

#include "plot/iPlotObjects.h"

#include "platform/ui/TFont.h"

#include <memory>

class TiPlotAxis : public TiPlotLayoutObject
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
    bool TrackingEnabled() const { return FTrackingEnabled; }
    void SetTrackingEnabled(bool Value) { SetBooleanProperty(Value, FTrackingEnabled, &TiPlotObject::DoChange); }

private:
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
