// The axis's tick builder: how many labels fit, the increment rules and the tick positions.

#include "plot/iPlotAxis.h"

#include "plot/iGPText.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exception.h"
#include "platform/ui/TCanvas.h"

#include <climits>
#include <cmath>

using namespace vcl;

namespace {

constexpr int kMaxTicks = 5000;
constexpr double kMsPerDay = 86400000.0;

int NearestInt(double Value)
{
    return static_cast<int>(std::clamp(std::nearbyint(Value), double(INT_MIN), double(INT_MAX)));
}

// A span in whole units of UnitMs milliseconds, Limit when it does not fit.
long long SpanUnits(double Span, double UnitMs, long long Limit)
{
    const double days = std::trunc(Span + 1e-15);
    const double timeMs = std::nearbyint((Span - days) * kMsPerDay);
    const double units = std::trunc(days * (kMsPerDay / UnitMs)) + std::trunc(timeMs / UnitMs);
    return units > double(INT_MAX) || units < 0 ? Limit : static_cast<long long>(units);
}

} // namespace

void TiPlotAxis::TickListClear()
{
    FTickList.clear();
    DoChange();
}

int TiPlotAxis::TickListAdd(const QString& Label, TiPlotTickType Style, double Position)
{
    if (FScaleType == TiPlotScaleType::ipstLog10 && Position <= 0)
        throw Exception(QStringLiteral("Log Scale Requires Position to be Greater Than Zero"));
    auto tick = std::make_unique<TiPlotTickObject>();
    tick->TickType = Style;
    tick->Position = Position;
    tick->Text = Label;
    FTickList.push_back(std::move(tick));
    DoChange();
    return GetTickListCount() - 1;
}

void TiPlotAxis::BuildTicks(TCanvas* Canvas)
{
    SettleOwed();
    FMonthModeEnabled = false;
    FYearModeEnabled = false;
    CalcScaleRect(Canvas);
    if (!FTickListCustom)
    {
        FTickList.clear();
        Canvas->Font()->Assign(FLabelsFont.get());
        const int labelSlots = std::max(1, GetScaleLength() / LabelSlot(Canvas));
        if (FScaleType == TiPlotScaleType::ipstLog10 && LogSpanDecades() > 1)
            BuildLogTicks(labelSlots);
        else
            BuildLinearTicks(labelSlots);
    }
    UpdateTickPixels();
}

int TiPlotAxis::LabelSlot(TCanvas* Canvas)
{
    const bool rotated = FLabelsRotation == TiRotationAngle::ira090 || FLabelsRotation == TiRotationAngle::ira270;
    double slot = 0;
    if (IsHorz() != rotated)
        slot = GetMaxLabelWidth(Canvas, FLabelsFont.get()) +
               iTextWidthMultiLine(Canvas, QStringLiteral("0")) * (FLabelSeparation + 1);
    else
        slot = iTextHeightMultiLine(Canvas, QStringLiteral("0")) * (FLabelSeparation + 1);
    return std::max(1, NearestInt(slot));
}

double TiPlotAxis::LogSpanDecades() const
{
    if (FMin <= 0)
        throw Exception(QStringLiteral("Log Scale Requires Min to be Greater Than Zero"));
    return std::log10(Max()) - std::log10(FMin);
}

void TiPlotAxis::BuildLinearTicks(int Slots)
{
    const int length = GetScaleLength();
    double increment = 0;
    int count = 0;
    FMajorIncrement = 0;
    if (FSpan <= 1e-299)
    {
        count = 1;
        increment = FSpan;
    }
    if (count == 0 && FDesiredIncrement != 0 && !FLabelsVisible &&
        FSpan / FDesiredIncrement < double(length) / (FMinorCount + 1.0))
    {
        count = NearestInt(FSpan / FDesiredIncrement);
        increment = FDesiredIncrement;
        Slots = count;
    }
    if (count == 0 && FDesiredIncrement != 0 && Slots > FSpan / FDesiredIncrement)
    {
        count = NearestInt(FSpan / FDesiredIncrement);
        increment = FDesiredIncrement;
        Slots = count;
    }
    Slots = std::max(Slots, 1);
    if (count == 0)
    {
        if (FLabelsFormatStyle == TiPlotTextFormat::iptfDateTime)
            CalcDateTimeIncrement(Slots, increment, count);
        else if (FLabelsFormatStyle == TiPlotTextFormat::iptfPrice32nds)
            CalcPrice32ndsIncrement(Slots, increment, count);
        else
            CalcDecimalIncrement(Slots, increment, count);
    }
    if (count < 2 && Slots > 1)
    {
        increment /= 2;
        count = 2;
    }
    if (Slots < count)
    {
        count = Slots;
        increment = FSpan / Slots;
    }
    FMajorIncrement = increment;
    FMinorIncrement = increment / (FMinorCount + 1.0);
    // More minors than the tick list may hold would end in the single middle tick anyway.
    if (!(increment > 0) || FMinorCount >= kMaxTicks)
    {
        AddSingleMiddleTick();
        return;
    }

    const bool calendar = FMonthModeEnabled || FYearModeEnabled;
    double v = FirstTickPosition(increment);
    for (int round = 0; FSpan + FMin + increment >= v; ++round)
    {
        AddTick(TiPlotTickType::ipttMajor, v);
        double next = 0;
        if (FMinorCount >= 1 && !calendar && FMinorIncrement != 0)
        {
            for (int i = 0; i < FMinorCount; ++i)
            {
                v += FMinorIncrement;
                AddTick(TiPlotTickType::ipttMinor, v);
            }
            next = v + FMinorIncrement;
        }
        else
            next = NextMajorPosition(v, increment);
        if (GetTickListCount() > kMaxTicks || v + FMinorIncrement == v || next == v || round > kMaxTicks)
        {
            AddSingleMiddleTick();
            return;
        }
        v = next;
    }
}

double TiPlotAxis::NextMajorPosition(double Position, double Increment) const
{
    if (FMonthModeEnabled)
        return IncMonth(Position, NearestInt(Increment));
    if (FYearModeEnabled)
        return IncMonth(Position, 12 * NearestInt(Increment));
    return Position + Increment;
}

double TiPlotAxis::FirstTickPosition(double Increment)
{
    if (FDesiredStart != 0 && FMin <= FDesiredStart && FDesiredStart <= Max())
    {
        double v = FDesiredStart;
        for (int i = 0; v > FMin && i <= kMaxTicks; ++i)
            v -= Increment;
        return v;
    }
    if (FMonthModeEnabled || FYearModeEnabled)
    {
        FMin = std::clamp(FMin, FMonthModeEnabled ? 0.0 : -182625.0, 2593224.0);
        FSpan = std::min(FSpan, 36525.0);
        Increment = std::max(Increment, 1.0);
        FMajorIncrement = Increment;
        const int step = NearestInt(Increment);
        const double timeOfDay = FMin - std::floor(FMin);
        const TDateParts date = DecodeDate(FMin);
        if (FMonthModeEnabled)
        {
            const int month = std::clamp(std::max(1, (date.Month / step) * step), 1, 12);
            return IncMonth(EncodeDate(date.Year, month, 1) + timeOfDay, -step);
        }
        const int year = step != 0 ? int(std::floor(double(date.Year) / step)) * step : date.Year;
        const TDateTime moved = IncMonth(EncodeDate(std::max(year, 1), 1, 1), -12 * step);
        return moved + timeOfDay;
    }
    return std::trunc(FMin / Increment) * Increment - Increment;
}

void TiPlotAxis::CalcDecimalIncrement(int Slots, double& Increment, int& Count) const
{
    const int start = static_cast<int>(std::trunc(std::log10(FSpan) - 1 - std::log10(double(Slots))));
    for (int e = start; e <= 310; ++e)
        for (const double m : { 1.0, 2.0, 5.0 })
        {
            const double x = std::pow(10.0, e) * m;
            if (Slots >= FSpan / x)
            {
                Increment = x;
                Count = NearestInt(FSpan / x);
                return;
            }
        }
}

void TiPlotAxis::CalcPrice32ndsIncrement(int Slots, double& Increment, int& Count) const
{
    for (const double x : { 1.0 / 256, 1.0 / 128, 1.0 / 64, 1.0 / 32, 1.0 / 16, 1.0 / 8, 1.0 / 4, 1.0 / 2 })
        if (Slots >= FSpan / x)
        {
            Increment = x;
            Count = static_cast<int>(std::trunc(FSpan / x));
            return;
        }
    for (int k = 0; k <= 300; ++k)
    {
        const double h = std::trunc(std::pow(10.0, k));
        for (const double x : { h, 2 * h, 5 * h })
            if (Slots >= FSpan / x)
            {
                Increment = x;
                Count = static_cast<int>(std::trunc(FSpan / x));
                return;
            }
    }
}

void TiPlotAxis::CalcDateTimeIncrement(int Slots, double& Increment, int& Count)
{
    struct Ladder
    {
        double UnitMs;
        long long Limit;
        std::initializer_list<int> Steps;
    };
    const long long intervals = Slots - 1;
    const Ladder clockLadders[] = {
        { 1, INT_MAX, { 1, 2, 5, 10, 20, 50, 100, 200, 500 } },
        { 1000, INT_MAX, { 1, 2, 5, 10, 15, 20, 30 } },
        { 60000, 10000, { 1, 2, 5, 10, 15, 20, 30 } },
        { 3600000, INT_MAX, { 1, 2, 4, 6, 12 } },
    };
    for (const Ladder& ladder : clockLadders)
    {
        const long long units = SpanUnits(FSpan, ladder.UnitMs, ladder.Limit);
        for (const int step : ladder.Steps)
            if (intervals >= units / step)
            {
                Increment = step * ladder.UnitMs / kMsPerDay;
                Count = int(std::max(1LL, units / step));
                return;
            }
    }
    const long long days = static_cast<long long>(std::min(std::trunc(FSpan), 1e15));
    for (const int step : { 1, 7, 14 })
        if (intervals >= days / step)
        {
            Increment = step;
            Count = int(std::max(1LL, days / step));
            return;
        }
    const std::pair<int, int> months[] = { { 31, 1 }, { 61, 2 }, { 92, 3 }, { 183, 6 } };
    for (const auto& [stepDays, stepMonths] : months)
        if (intervals >= days / stepDays)
        {
            FMonthModeEnabled = true;
            Increment = stepMonths;
            Count = int(std::max(1LL, days / stepDays));
            return;
        }
    FYearModeEnabled = true;
    for (long long scale = 1; scale < 1'000'000'000LL; scale *= 10)
        for (const int factor : { 1, 2, 5 })
        {
            const long long stepDays = (factor == 1 ? 365 : factor == 2 ? 730 : 1825) * scale;
            if (intervals >= days / stepDays)
            {
                Increment = double(factor * scale);
                Count = int(std::max(1LL, days / stepDays));
                return;
            }
        }
    Increment = 1;
    Count = 1;
}

void TiPlotAxis::BuildLogTicks(int Slots)
{
    const double decades = LogSpanDecades();
    const double base = FMin;
    int step = 200;
    double g = 0;
    if (Slots >= decades)
    {
        step = 1;
        g = std::trunc(std::log10(FMin)) - 1;
    }
    else
    {
        for (const int h : { 2, 5, 10, 20, 50, 100 })
            if (Slots >= decades / h)
            {
                step = h;
                break;
            }
        g = std::trunc(std::log10(base));
    }
    FMajorIncrement = step;
    FMinorIncrement = 0;
    for (; std::pow(10.0, g) <= base + FSpan && g < 400; g += step)
    {
        const double decade = std::pow(10.0, g);
        AddTick(TiPlotTickType::ipttMajor, decade);
        if (step == 1)
            for (int i = 2; i <= 9; ++i)
                AddTick(TiPlotTickType::ipttMinor, i * decade);
    }
}

void TiPlotAxis::AddTick(TiPlotTickType Type, double Position)
{
    if (!PointOnScale(Position) || (FScaleType == TiPlotScaleType::ipstLog10 && Position <= 0))
        return;
    auto tick = std::make_unique<TiPlotTickObject>();
    tick->TickType = Type;
    tick->Position = Position;
    if (Type == TiPlotTickType::ipttMajor)
        tick->Text = GetLabelText(Position);
    FTickList.push_back(std::move(tick));
}

void TiPlotAxis::AddSingleMiddleTick()
{
    FTickList.clear();
    auto tick = std::make_unique<TiPlotTickObject>();
    tick->Position = FMin + FSpan / 2;
    tick->Text = GetLabelText(tick->Position);
    FTickList.push_back(std::move(tick));
}

void TiPlotAxis::UpdateTickPixels()
{
    for (auto& tick : FTickList)
    {
        tick->Show = PointOnScale(tick->Position);
        if (tick->Show)
            tick->PositionPixels = PositionToPixels(tick->Position);
    }
}
