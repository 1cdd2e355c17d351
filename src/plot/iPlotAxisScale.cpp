// The axis's scale: Min/Span, the value <-> pixel mapping and the placement of the scale.

#include "plot/iPlotAxis.h"

#include "plot/iGPText.h"
#include "platform/core/Exception.h"
#include "platform/ui/TCanvas.h"

#include <cmath>
#include <cstdint>

using namespace vcl;

namespace {

constexpr double kPixelLimit = 32000.0;

int SaturatedPixel(double Pixel)
{
    if (std::isnan(Pixel))
        return 0;
    return static_cast<int>(std::clamp(std::nearbyint(Pixel), -kPixelLimit, kPixelLimit));
}

[[noreturn]] void RaiseLogMin()
{
    throw Exception(QStringLiteral("Log Scale Requires Min to be Greater Than Zero"));
}

} // namespace

void TiPlotAxis::SetDesiredIncrement(double Value)
{
    if (std::isnan(Value))
        return;
    SetDoubleProperty(std::clamp(Value, 0.0, 1e300), FDesiredIncrement, &TiPlotObject::DoChange);
}

void TiPlotAxis::SetLabelsRotation(TiRotationAngle Value)
{
    if (Value == FLabelsRotation)
        return;
    FLabelsRotation = Value;
    DoChange();
}

void TiPlotAxis::SetScaleType(TiPlotScaleType Value)
{
    SettleOwed();
    if (Value == FScaleType)
        return;
    FScaleType = Value;
    if (FScaleType == TiPlotScaleType::ipstLog10 && FMin <= 0)
        FMin = 1.0;
    DoChange();
}

void TiPlotAxis::SetMinSpan(double NewMin, double NewSpan)
{
    SettleOwed();
    if (FScaleType == TiPlotScaleType::ipstLog10)
    {
        if (NewMin <= 0)
            NewMin = 1.0;
        if (NewSpan <= 0)
            NewSpan = 1.0;
    }
    if (NewMin == FMin && NewSpan == FSpan)
        return;
    FBlockMinSpanEvents = true;
    try
    {
        SetMin(NewMin);
        SetSpan(NewSpan);
    }
    catch (...)
    {
        FBlockMinSpanEvents = false;
        throw;
    }
    FBlockMinSpanEvents = false;
}

void TiPlotAxis::Zoom(double Factor)
{
    SettleOwed();
    if (FScaleType == TiPlotScaleType::ipstLog10)
    {
        const double p = std::pow(10.0, Factor);
        SetMinSpan(FMin / p, FSpan * p);
        return;
    }
    if (!(Factor > 0))
        throw Exception(QStringLiteral("Linear Scale Zoom Factor must be Greater than Zero"));
    const double newSpan = FSpan * Factor;
    SetMinSpan((Max() + FMin) / 2 - newSpan / 2, newSpan);
}

void TiPlotAxis::CalcScaleRect(TCanvas* Canvas)
{
    SettleOwed();
    // An axis drawn through the data view keeps its labels below (horizontal) or to the right
    // (vertical) of its line, whichever side it was given.
    if (IsCartesian())
        FQuadSide = IsHorz() ? TiQuadSide::iqsBottom : TiQuadSide::iqsRight;
    else if (IsHorz())
        FQuadSide = FReverseSide ? TiQuadSide::iqsTop : TiQuadSide::iqsBottom;
    else
        FQuadSide = FReverseSide ? TiQuadSide::iqsRight : TiQuadSide::iqsLeft;
    Canvas->Font()->Assign(FLabelsFont.get());
    if (IsHorz())
        PlaceHorizontalScale(Canvas);
    else
        PlaceVerticalScale(Canvas);
    const double span = std::max(FSpan, 1e-300);
    FPixelsPerSpanUnit = (FActualStart - FActualStop) / span;
    if (std::fabs(FPixelsPerSpanUnit) > 1e300)
        FPixelsPerSpanUnit = 0;
}

void TiPlotAxis::PlaceHorizontalScale(TCanvas* Canvas)
{
    FScaleRect.Top = FTop;
    FScaleRect.Bottom = FBottom;
    FFocusRect.Top = FTop + 2;
    FFocusRect.Bottom = FBottom - 2;
    int extent = 0;
    if (FLabelsVisible)
    {
        if (FLabelsRotation == TiRotationAngle::ira090 || FLabelsRotation == TiRotationAngle::ira270)
            extent = iTextHeightMultiLine(Canvas, GetLabelText(FMin));
        else
            extent = GetMaxLabelWidth(Canvas, FLabelsFont.get());
    }
    const int w0 = iTextWidthMultiLine(Canvas, QStringLiteral("0"));
    const int d = IsCartesian() ? 0
                                : static_cast<int>(std::nearbyint(extent / 2.0)) +
                                      static_cast<int>(std::nearbyint(w0 * FStackingEndsMargin));
    FScaleRect.Left = FStartStacked ? FLeft + d : FLeft;
    FScaleRect.Right = FStopStacked ? FRight - d : FRight;
    FFocusRect.Left = FScaleRect.Left - d;
    FFocusRect.Right = FScaleRect.Right + d;
    FActualStart = FReverseScale ? FScaleRect.Right : FScaleRect.Left;
    FActualStop = FReverseScale ? FScaleRect.Left : FScaleRect.Right;
}

void TiPlotAxis::PlaceVerticalScale(TCanvas* Canvas)
{
    FScaleRect.Left = FLeft;
    FScaleRect.Right = FRight;
    FFocusRect.Left = FLeft + 2;
    FFocusRect.Right = FRight - 2;
    int extent = 0;
    if (FLabelsRotation == TiRotationAngle::ira090 || FLabelsRotation == TiRotationAngle::ira270)
        extent = GetMaxLabelWidth(Canvas, FLabelsFont.get());
    else
        extent = iTextHeightMultiLine(Canvas, GetLabelText(FMin));
    const int h0 = iTextHeightMultiLine(Canvas, QStringLiteral("0"));
    const int d = IsCartesian() ? 0 : (extent + static_cast<int>(std::nearbyint(h0 * FStackingEndsMargin))) / 2;
    FScaleRect.Bottom = FStartStacked ? FBottom - d : FBottom;
    FScaleRect.Top = FStopStacked ? FTop + d : FTop;
    FFocusRect.Bottom = FScaleRect.Bottom + d;
    FFocusRect.Top = FScaleRect.Top - d;
    FActualStart = FReverseScale ? FScaleRect.Top : FScaleRect.Bottom;
    FActualStop = FReverseScale ? FScaleRect.Bottom : FScaleRect.Top;
}

int TiPlotAxis::GetScaleLength() const
{
    return IsHorz() ? FScaleRect.Right - FScaleRect.Left : FScaleRect.Bottom - FScaleRect.Top;
}

int TiPlotAxis::PositionToPixels(double Value) const
{
    SettleOwed();
    if (FActualStop == FActualStart || FSpan <= 1e-300)
        return (FActualStart + FActualStop) / 2;
    if (FScaleType == TiPlotScaleType::ipstLinear)
        return SaturatedPixel(FActualStart - (Value - FMin) * FPixelsPerSpanUnit);
    if (FMin <= 0)
        RaiseLogMin();
    const double decades = std::log10(FMin + FSpan) - std::log10(FMin);
    if (decades == 0)
        return 0;
    const double v = Value <= 0 ? 1.0 : Value;
    return SaturatedPixel(FActualStart -
                          (std::log10(v) - std::log10(FMin)) * (FActualStart - FActualStop) / decades);
}

double TiPlotAxis::PixelsToPosition(int Pixels) const
{
    SettleOwed();
    const int length = GetScaleLength();
    if (length == 0)
        return FMin;
    double f = 0;
    if (IsHorz())
        f = FReverseScale ? double(FScaleRect.Right - Pixels) / length : double(Pixels - FScaleRect.Left) / length;
    else
        f = FReverseScale ? double(Pixels - FScaleRect.Top) / length : double(FScaleRect.Bottom - Pixels) / length;
    if (FScaleType == TiPlotScaleType::ipstLinear)
        return FMin + FSpan * f;
    if (FMin <= 0)
        RaiseLogMin();
    return std::pow(10.0, std::log10(FMin) + f * (std::log10(Max()) - std::log10(FMin)));
}

int TiPlotAxis::WidthToPixels(double Width) const
{
    SettleOwed();
    return std::abs(PositionToPixels(FMin + Width) - PositionToPixels(FMin));
}

double TiPlotAxis::PositionToPercent(double Value) const
{
    SettleOwed();
    return FReverseScale ? (Max() - Value) / FSpan : (Value - FMin) / FSpan;
}

double TiPlotAxis::PercentToPosition(double Fraction) const
{
    SettleOwed();
    const double band = FStopPercent - FStartPercent;
    if (band <= 0)
        return 0;
    if (FScaleType == TiPlotScaleType::ipstLog10)
    {
        if (FMin <= 0)
            RaiseLogMin();
        const double decades = std::log10(Max()) - std::log10(FMin);
        return std::pow(10.0, std::log10(FMin) + decades * (FReverseScale ? 1 - Fraction : Fraction));
    }
    if (FReverseScale)
        return Max() - Fraction * FSpan;
    return (Fraction * 100 - FStartPercent) / band * FSpan + FMin;
}

bool TiPlotAxis::PointOnScale(double Value) const
{
    SettleOwed();
    const int pixel = PositionToPixels(Value);
    if (IsHorz())
        return pixel >= FScaleRect.Left && pixel <= FScaleRect.Right;
    return pixel >= FScaleRect.Top && pixel <= FScaleRect.Bottom;
}
