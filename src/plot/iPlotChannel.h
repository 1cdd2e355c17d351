#pragma once
// The channel base: title, trace colour and style, legend visibility and the names of the axes it
// is drawn against. TiPlotChannel (strip chart) and TiXYPlotChannel derive from it.

#include "plot/iPlotObjects.h"
#include "plot/iPlotTypes.h"

class TiPlotChannelCustom;

// The class of new channels: constructs one with the owner and the four manager callbacks.
using TiPlotChannelCustomClass = TiPlotChannelCustom* (*)(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange,
                                                          vcl::TNotifyEvent AOnInsert, vcl::TNotifyEvent AOnRemove,
                                                          vcl::TNotifyEvent AOnRename);

class TiPlotChannelCustom : public TiPlotManagerObject
{
public:
    using TiPlotManagerObject::TiPlotManagerObject;
    const vcl::TPropertyTable* PublishedProperties() const override;

    const QString& TitleText() const { return FTitleText; }
    void SetTitleText(const QString& Value) { SetStringProperty(Value, FTitleText, &TiPlotObject::DoChange); }
    // The trace settings always report a change when written, even with the same value.
    vcl::TColor Color() const { return FColor; }
    void SetColor(vcl::TColor Value);
    TiPlotLineStyle TraceLineStyle() const { return FTraceLineStyle; }
    void SetTraceLineStyle(TiPlotLineStyle Value);
    int TraceLineWidth() const { return FTraceLineWidth; }
    void SetTraceLineWidth(int Value);
    bool TraceVisible() const { return FTraceVisible; }
    void SetTraceVisible(bool Value) { SetBooleanProperty(Value, FTraceVisible, &TiPlotObject::DoChange); }
    bool VisibleInLegend() const { return FVisibleInLegend; }
    void SetVisibleInLegend(bool Value) { SetBooleanProperty(Value, FVisibleInLegend, &TiPlotObject::DoChange); }
    const QString& XAxisName() const { return FXAxisName; }
    void SetXAxisName(const QString& Value) { SetStringProperty(Value, FXAxisName, &TiPlotObject::DoChange); }
    const QString& YAxisName() const { return FYAxisName; }
    void SetYAxisName(const QString& Value) { SetStringProperty(Value, FYAxisName, &TiPlotObject::DoChange); }

    // A renamed axis that this channel is drawn against keeps it, under the new name.
    void NotificationRename(TiPlotObject* AObject) override;

protected:
    QString FTitleText;
    vcl::TColor FColor { 0x0000FF };
    TiPlotLineStyle FTraceLineStyle { TiPlotLineStyle::iplsSolid };
    int FTraceLineWidth { 1 };
    bool FTraceVisible { true };
    bool FVisibleInLegend { true };
    QString FXAxisName;
    QString FYAxisName;
};

// A strip-chart channel.
class TiPlotChannel : public TiPlotChannelCustom
{
public:
    using TiPlotChannelCustom::TiPlotChannelCustom;
    static TiPlotChannelCustom* Construct(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange,
                                          vcl::TNotifyEvent AOnInsert, vcl::TNotifyEvent AOnRemove,
                                          vcl::TNotifyEvent AOnRename);
};

// A channel of an XY plot.
class TiXYPlotChannel : public TiPlotChannelCustom
{
public:
    using TiPlotChannelCustom::TiPlotChannelCustom;
    static TiPlotChannelCustom* Construct(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange,
                                          vcl::TNotifyEvent AOnInsert, vcl::TNotifyEvent AOnRemove,
                                          vcl::TNotifyEvent AOnRename);
};
