// The axis's value texts: labels, data-cursor and legend texts and the label-width estimate.

#include "plot/iPlotAxis.h"

#include "plot/iGPText.h"
#include "platform/core/Exception.h"
#include "platform/ui/TCanvas.h"

#include <cmath>

using namespace vcl;

namespace {

QString WithoutLineBreaks(QString Text)
{
    Text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    Text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return Text;
}

int RoundedWidth(double Width) { return static_cast<int>(std::nearbyint(Width)); }

} // namespace

void TiPlotAxis::SetLabelsPrecisionStyle(TiPrecisionStyle Value)
{
    if (Value == FLabelsPrecisionStyle)
        return;
    FLabelsPrecisionStyle = Value;
    DoChange();
}

void TiPlotAxis::SetLabelsFormatStyle(TiPlotTextFormat Value)
{
    if (Value == FLabelsFormatStyle)
        return;
    FLabelsFormatStyle = Value;
    DoChange();
}

void TiPlotAxis::SetLabelsMinLengthAutoAdjust(bool Value)
{
    SetBooleanProperty(Value, FLabelsMinLengthAutoAdjust, &TiPlotObject::DoChange);
}

void TiPlotAxis::SetCursorFormat(TiPlotTextFormat Style, const QString& DateTimeFormat, TiPrecisionStyle PrecisionStyle,
                                 int Precision)
{
    FCursor.FormatStyle = Style;
    FCursor.DateTimeFormat = DateTimeFormat;
    FCursor.PrecisionStyle = PrecisionStyle;
    FCursor.Precision = Precision;
    DoChange();
}

void TiPlotAxis::SetLegendFormat(TiPlotTextFormat Style, const QString& DateTimeFormat, TiPrecisionStyle PrecisionStyle,
                                 int Precision)
{
    FLegend.FormatStyle = Style;
    FLegend.DateTimeFormat = DateTimeFormat;
    FLegend.PrecisionStyle = PrecisionStyle;
    FLegend.Precision = Precision;
    DoChange();
}

QString TiPlotAxis::GetLabelText(double Value)
{
    return FormatValue(FLabelsFormatStyle, FDateTimeFormat, Value, FLabelsPrecisionStyle, FLabelsPrecision,
                       FLabelsMinLengthAutoAdjust, FLabelsMinLength);
}

QString TiPlotAxis::GetLabelTextAutoAdjust(double Value)
{
    FAllowLabelMinAdjust = true;
    try
    {
        QString text = GetLabelText(Value);
        FAllowLabelMinAdjust = false;
        return text;
    }
    catch (...)
    {
        FAllowLabelMinAdjust = false;
        throw;
    }
}

QString TiPlotAxis::FormatWithSet(TextSet& Set, double Value)
{
    if (Set.UseDefault)
        return GetLabelText(Value);
    return FormatValue(Set.FormatStyle, Set.DateTimeFormat, Value, Set.PrecisionStyle, Set.Precision,
                       Set.MinLengthAutoAdjust, Set.MinLength);
}

QString TiPlotAxis::GetCursorText(double Value) { return WithoutLineBreaks(FormatWithSet(FCursor, Value)); }

QString TiPlotAxis::GetLegendText(double Value) { return WithoutLineBreaks(FormatWithSet(FLegend, Value)); }

QString TiPlotAxis::GetCursorValueText(double Value)
{
    if (FCursor.UseDefault)
        return WithoutLineBreaks(FormatValue(TiPlotTextFormat::iptfValue, QString(), Value, FLabelsPrecisionStyle,
                                             FLabelsPrecision, FLabelsMinLengthAutoAdjust, FLabelsMinLength));
    return WithoutLineBreaks(FormatValue(TiPlotTextFormat::iptfValue, QString(), Value, FCursor.PrecisionStyle,
                                         FCursor.Precision, FCursor.MinLengthAutoAdjust, FCursor.MinLength));
}

void TiPlotAxis::SetCustomizeLabelEventText(const QString& Text)
{
    FCustomizeLabelEventText = Text;
    FCustomizeLabelEventModified = true;
}

QString TiPlotAxis::FormatValue(TiPlotTextFormat FormatStyle, const QString& DateTimeFormat, double Value,
                                TiPrecisionStyle PrecisionStyle, int Precision, bool AutoAdjust, double& MinLength)
{
    QString result = QStringLiteral("Unknown");
    try
    {
        switch (FormatStyle)
        {
        case TiPlotTextFormat::iptfValue:
            if (FScaleType == TiPlotScaleType::ipstLog10)
            {
                if (Value <= 0)
                    return result;
                int decimals = FLabelsPrecision;
                if (FLabelsPrecisionStyle != TiPrecisionStyle::ipsFixedDecimalPoints)
                    decimals = std::max(0, FLabelsPrecision - 1 - int(std::trunc(std::log10(Value))));
                result = iFormatFixed(Value, decimals);
            }
            else
                result = iFormatFixed(Value, iDecimalPlaces(Precision, PrecisionStyle, 0, FSpan));
            break;
        case TiPlotTextFormat::iptfExponent:
            result = iFormatExponent(Value, PrecisionStyle == TiPrecisionStyle::ipsFixedDecimalPoints ? Precision + 1
                                                                                                       : Precision);
            break;
        case TiPlotTextFormat::iptfPrefix:
            result = iFormatPrefix(Value, FSpan, Precision, PrecisionStyle);
            break;
        case TiPlotTextFormat::iptfDateTime:
            result = iFormatDateTimeLabel(DateTimeFormat, Value);
            break;
        case TiPlotTextFormat::iptfPrice32nds:
            result = iFormatPrice32nds(Value);
            break;
        case TiPlotTextFormat::iptfThousands:
            result = iFormatThousands(Value, iDecimalPlaces(Precision, PrecisionStyle, 0, FSpan));
            break;
        }
    }
    catch (const Exception&)
    {
        result = QStringLiteral("Error");
    }
    FCustomizeLabelEventModified = false;
    FCustomizeLabelEventText = result;
    if (FCustomizeLabelEventModified)
        result = FCustomizeLabelEventText;
    if (AutoAdjust && FAllowLabelMinAdjust && result.size() > MinLength)
        MinLength = double(result.size());
    return result;
}

int TiPlotAxis::GetMaxLabelWidth(TCanvas* Canvas, const TFont* Font)
{
    Canvas->Font()->Assign(const_cast<TFont*>(Font));
    const double minLength = FLabelsMinLength;
    const QString sample = GetLabelTextAutoAdjust(FSpan + std::trunc(FMin / FSpan) * FSpan);
    if (FLabelWidthMemo.Matches(*Canvas->Font(), minLength, sample, FTickList))
        return FLabelWidthMemo.Width();
    const int w0 = iTextWidthMultiLine(Canvas, QStringLiteral("0"));
    int widest = RoundedWidth(w0 * minLength);
    widest = std::max(widest, iTextWidthMultiLine(Canvas, sample));
    for (const auto& tick : FTickList)
        widest = std::max(widest, iTextWidthMultiLine(Canvas, tick->Text));
    FLabelWidthMemo.Keep(*Canvas->Font(), minLength, sample, FTickList, widest);
    return widest;
}

int TiPlotAxis::GetLegendTextMinWidth(TCanvas* Canvas, const TFont* Font) const
{
    Canvas->Font()->Assign(const_cast<TFont*>(Font));
    const double m = FLegend.UseDefault ? FLabelsMinLength : FLegend.MinLength;
    return RoundedWidth(iTextWidthMultiLine(Canvas, QStringLiteral("0")) * m);
}

int TiPlotAxis::GetCursorTextMinWidth(TCanvas* Canvas, const TFont* Font) const
{
    Canvas->Font()->Assign(const_cast<TFont*>(Font));
    const double m = FCursor.UseDefault ? FLabelsMinLength : FCursor.MinLength;
    return RoundedWidth(iTextWidthMultiLine(Canvas, QStringLiteral("0")) * m);
}
