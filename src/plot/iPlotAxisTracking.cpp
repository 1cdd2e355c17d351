// The axis following its data: tracking of new values by style, alignment to whole increments,
// zoom to fit, and the resume values kept while tracking is off.

#include "plot/iPlotAxis.h"

#include "plot/iPlot.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotComponent.h"

#include <cmath>

using namespace vcl;

TiPlotXAxis::TiPlotXAxis(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                         TNotifyEvent AOnRename)
    : TiPlotAxis(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))
{
    // A strip chart scrolls with its time axis; every other plot scales to its data.
    FTrackingStyle = dynamic_cast<TiPlot*>(AOwner) ? TiPlotTrackingStyle::iptsScrollSmooth
                                                   : TiPlotTrackingStyle::iptsScaleMinMax;
    FTrackingAlignFirstStyle = TiPlotAlignFirstStyle::ipafsAuto;
    UpdatePlainTracking();
}

void TiPlotAxis::DoChange()
{
    SettleOwed();
    UpdatePlainTracking();
    TiPlotLayoutObject::DoChange();
}

void TiPlotAxis::UpdatePlainTracking()
{
    FPlainTracking = FFirstAlignDone && FTrackingEnabled && FTrackingStyle == TiPlotTrackingStyle::iptsScaleMinMax
        && FTrackingIncrementStyle == TiPlotTrackingIncrementStyle::iptisMinimum
        && FScaleType == TiPlotScaleType::ipstLinear && FTrackingSpanMinimum == 0 && FTrackingMinMargin == 0
        && FTrackingMaxMargin == 0;
}

void TiPlotAxis::SetTrackingStyle(TiPlotTrackingStyle Value)
{
    SettleOwed();
    if (Value == FTrackingStyle)
        return;
    FTrackingStyle = Value;
    DoChange();
}

void TiPlotAxis::SetTrackingIncrementStyle(TiPlotTrackingIncrementStyle Value)
{
    SettleOwed();
    if (Value == FTrackingIncrementStyle)
        return;
    FTrackingIncrementStyle = Value;
    DoChange();
}

void TiPlotAxis::SetTrackingAlignFirstStyle(TiPlotAlignFirstStyle Value)
{
    SettleOwed();
    if (Value == FTrackingAlignFirstStyle)
        return;
    FTrackingAlignFirstStyle = Value;
    DoChange();
}

void TiPlotAxis::SetCartesianStyle(TiPlotCartesianStyle Value)
{
    if (Value == FCartesianStyle)
        return;
    FCartesianStyle = Value;
    DoLayoutChange();
}

void TiPlotAxis::SetTrackingEnabled(bool Value)
{
    SettleOwed();
    if (Value == FTrackingEnabled)
        return;
    FTrackingEnabled = Value;
    SetTakesTrackingData(Value);
    if (FRestoreValuesOnResume) {
        if (Value) {
            SetMinSpan(FPreviousMin, FPreviousSpan);
            SetLabelsMinLength(FPreviousLabelsMinLength);
        } else {
            UpdateResumeValues();
        }
    }
    DoChange();
}

void TiPlotAxis::UpdateResumeValues()
{
    SettleOwed();
    FPreviousMin = FMin;
    FPreviousSpan = FSpan;
    FPreviousLabelsMinLength = FLabelsMinLength;
}

void TiPlotAxis::NewTrackingData(double Value)
{
    SettleOwed();
    if (!FTrackingEnabled)
        return;
    if (!FFirstAlignDone) {
        FFirstAlignDone = true;
        UpdatePlainTracking();
        double newMin = FMin;
        switch (FTrackingAlignFirstStyle) {
        case TiPlotAlignFirstStyle::ipafsMin:
            newMin = Value;
            break;
        case TiPlotAlignFirstStyle::ipafsMax:
            newMin = Value - FSpan;
            break;
        case TiPlotAlignFirstStyle::ipafsAuto:
            if (Value < FMin || Value > Max())
                newMin = Value;
            break;
        case TiPlotAlignFirstStyle::ipafsNone:
            break;
        }
        if (FTrackingAlignFirstStyle != TiPlotAlignFirstStyle::ipafsNone) {
            SetMinSpan(newMin, FSpan);
            return;
        }
    }
    TrackScale(Value);
    ApplyTrackingMargins(Value);
}

void TiPlotAxis::TrackScale(double Value)
{
    const double m = FMin;
    const double s = FSpan;
    const double x = Max();
    switch (FTrackingStyle) {
    case TiPlotTrackingStyle::iptsScaleMinMax: {
        double newMin = m;
        double newSpan = s;
        if (Value > m + s)
            newSpan = Value - m;
        if (Value < m)
            newMin = Value;
        SetMinSpan(newMin, newSpan);
        AlignToIncrement();
        break;
    }
    case TiPlotTrackingStyle::iptsScaleMax:
        if (Value > x) {
            SetMinSpan(m, Value - x + s);
            AlignToIncrement();
        }
        break;
    case TiPlotTrackingStyle::iptsScaleMin:
        if (Value < m) {
            SetMinSpan(Value, x - Value);
            AlignToIncrement();
        }
        break;
    case TiPlotTrackingStyle::iptsScrollSmooth:
    case TiPlotTrackingStyle::iptsScrollPage: {
        const bool smooth = FTrackingStyle == TiPlotTrackingStyle::iptsScrollSmooth;
        double span = s;
        double newMin = m;
        if (Value > m + s) {
            if (FTrackingScrollCompressMax != 0) {
                if (Value - m > s)
                    span = Value - m;
                if (s > FTrackingScrollCompressMax)
                    span = FTrackingScrollCompressMax;
            }
            newMin = smooth ? Value - span : m + span;
        } else if (Value < m) {
            newMin = smooth ? Value : m - span;
        }
        SetMinSpan(newMin, span);
        break;
    }
    case TiPlotTrackingStyle::iptsExpandCollapse:
        ZoomToFit();
        AlignToIncrement();
        break;
    case TiPlotTrackingStyle::iptsExpandCollapseFast:
        ZoomToFitFast();
        AlignToIncrement();
        break;
    case TiPlotTrackingStyle::iptsExpandMinMax: {
        double newMin = m;
        double newSpan = s;
        if (Value > x)
            newSpan = s + (Value - x);
        if (Value < m) {
            newSpan = m - Value + s;
            newMin = Value;
        }
        SetMinSpan(newMin, newSpan);
        AlignToIncrement();
        break;
    }
    }
}

void TiPlotAxis::ApplyTrackingMargins(double Value)
{
    if (FTrackingSpanMinimum != 0 && FSpan < FTrackingSpanMinimum)
        SetMinSpan(FMin + FSpan / 2 - FTrackingSpanMinimum / 2, FTrackingSpanMinimum);
    if (FTrackingMinMargin != 0 && Value < FMin + FTrackingMinMargin)
        SetMinSpan(Value - FTrackingMinMargin, FSpan);
    if (FTrackingMaxMargin != 0 && Value > Max() - FTrackingMaxMargin)
        SetMinSpan(FMin, Value + FTrackingMaxMargin - FMin);
}

void TiPlotAxis::AlignToIncrement()
{
    if (FTrackingIncrementStyle == TiPlotTrackingIncrementStyle::iptisMinimum)
        return;
    const double increment =
        FTrackingIncrementStyle == TiPlotTrackingIncrementStyle::iptisMajor ? FMajorIncrement : FMinorIncrement;
    if (!(increment > 0) || !std::isfinite(increment))
        return; // no tick build yet: nothing to align to
    const double max = Max();
    const double top = increment * std::trunc(max / increment);
    const double bottom = increment * std::trunc(FMin / increment);
    const double newMax = max <= top ? top : top + increment;
    const double newMin = FMin < bottom ? bottom - increment : bottom;
    if (newMin != FMin || newMax != max)
        SetMinSpan(newMin, newMax - newMin);
}

namespace {

// The channels of the plot drawn against Axis.
template <typename Fn>
void ForChannelsOf(const TiPlotAxis& Axis, Fn fn)
{
    auto* plot = dynamic_cast<TiPlotComponent*>(Axis.Owner());
    if (!plot)
        return;
    const bool xAxis = dynamic_cast<const TiPlotXAxis*>(&Axis) != nullptr;
    const QString name = Axis.Name().toUpper();
    for (int i = 0; i < plot->ChannelCount(); ++i) {
        TiPlotChannelCustom* channel = plot->Channel(i);
        if ((xAxis ? channel->XAxisName() : channel->YAxisName()).toUpper() == name)
            fn(channel, xAxis);
    }
}

} // namespace

void TiPlotAxis::ZoomToFit()
{
    SettleOwed();
    double hi = -1e300;
    double lo = 1e300;
    ForChannelsOf(*this, [&](TiPlotChannelCustom* channel, bool xAxis) {
        hi = std::max(hi, xAxis ? channel->GetZoomXMax() : channel->GetZoomYMax());
        lo = std::min(lo, xAxis ? channel->GetZoomXMin() : channel->GetZoomYMin());
    });
    if (!(hi > -1e300 && lo < 1e300 && hi != lo))
        return;
    double span = hi - lo;
    if (FTrackingSpanMinimum != 0 && FTrackingSpanMinimum > span)
        span = FTrackingSpanMinimum;
    SetMinSpan(lo - FTrackingMinMargin, span + FTrackingMaxMargin + FTrackingMinMargin);
}

void TiPlotAxis::ZoomToFitFast()
{
    SettleOwed();
    double hi = -1e300;
    double lo = 1e300;
    ForChannelsOf(*this, [&](TiPlotChannelCustom* channel, bool xAxis) {
        hi = std::max(hi, xAxis ? channel->RunningXMax() : channel->RunningYMax());
        lo = std::min(lo, xAxis ? channel->RunningXMin() : channel->RunningYMin());
    });
    if (!(hi > -1e300 && lo < 1e300 && hi != lo))
        return;
    SetMinSpan(lo - FTrackingMinMargin, hi - lo + FTrackingMaxMargin + FTrackingMinMargin);
}
