// The strip chart's visible index range (binary search on X), value look-up at an X, zoom extents,
// data cursor readings and the right-click hit on the curve.

#include "plot/iPlotStripChannel.h"

#include "plot/iPlotAxis.h"
#include "plot/iPlotDataCursor.h"
#include "plot/iPlotDataView.h"
#include "plot/iPlotDecorationHost.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace vcl;

void TiPlotChannel::UpdateXIncreasing() { FXIncreasing = Count() < 3 || GetX(1) >= GetX(0); }

// The last index probed while looking for Target: a neighbour of it, which the callers correct by one.
int TiPlotChannel::SearchX(double Target) const
{
    int lo = 0;
    int hi = Count() - 1;
    int result = -1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        result = mid;
        const double x = GetX(mid);
        if (x == Target)
            break;
        const bool below = Target < x;
        if (FXIncreasing ? below : !below)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    return result;
}

void TiPlotChannel::CalcStartIndex()
{
    FStartIndex = -1;
    const IiPlotAxisScale* x = XScale();
    const int count = Count();
    if (!x || count == 0)
        return;
    UpdateXIncreasing();
    int i = 0;
    if (FDrawOutOfOrderXValues) {
        i = count - 1;
        for (int k = 0; k < count; ++k)
            if (x->ValueOnScale(GetX(k))) {
                i = k;
                break;
            }
        --i;
    } else if (FXIncreasing) {
        i = SearchX(x->Min());
        if (GetX(i) > x->Min())
            --i;
    } else {
        i = SearchX(x->Max());
        if (GetX(i) < x->Max())
            --i;
    }
    FStartIndex = std::clamp(i, 0, count - 1);
}

void TiPlotChannel::CalcStopIndex()
{
    FStopIndex = -1;
    const IiPlotAxisScale* x = XScale();
    const int count = Count();
    if (!x || count == 0)
        return;
    UpdateXIncreasing();
    int i = 0;
    if (FDrawOutOfOrderXValues) {
        i = -1;
        for (int k = count - 1; k >= 0; --k)
            if (x->ValueOnScale(GetX(k))) {
                i = k + 1;
                break;
            }
    } else if (FXIncreasing) {
        i = SearchX(x->Max());
        if (GetX(i) < x->Max())
            ++i;
    } else {
        i = SearchX(x->Min());
        if (GetX(i) > x->Min())
            ++i;
    }
    FStopIndex = std::clamp(i, 0, count - 1);
}

int TiPlotChannel::CalcIndex(double TargetValue)
{
    const int count = Count();
    if (!XAxis() || count == 0)
        return -1;
    UpdateXIncreasing();
    const double first = GetX(0);
    const double last = GetX(count - 1);
    if (FXIncreasing ? (TargetValue < first || TargetValue > last) : (TargetValue > first || TargetValue < last))
        return -1;
    int i = SearchX(TargetValue);
    if (TargetValue > GetX(i))
        i += FXIncreasing ? 1 : -1;
    return std::clamp(i, 0, count - 1);
}

bool TiPlotChannel::GetYInterpolated(double XValue, double& YValue)
{
    const int count = Count();
    if (count > 0) {
        if (GetValid(0) && GetX(0) == XValue) {
            YValue = GetY(0);
            return true;
        }
        if (GetValid(count - 1) && GetX(count - 1) == XValue) {
            YValue = GetY(count - 1);
            return true;
        }
    }
    YValue = 0.0;
    const int i = CalcIndex(XValue);
    if (i == -1)
        return false;
    const int p = FXIncreasing ? i - 1 : i + 1;
    if (p < 0 || p >= count)
        return false;
    if (FDigitalEnabled) {
        YValue = GetY(p);
        return true;
    }
    if (XValue == GetX(i)) {
        YValue = GetY(i);
        return true;
    }
    if (i < 1 || GetNull(i) || GetNull(p))
        return false;
    const IiPlotAxisScale* x = XScale();
    const int b = x->PositionToPixels(GetX(p));
    const int c = x->PositionToPixels(GetX(i));
    const int d = x->PositionToPixels(XValue);
    if (b != c && d != c)
        YValue = GetY(i) + double(d - c) * (GetY(p) - GetY(i)) / double(b - c);
    else
        YValue = GetY(i);
    return true;
}

TiPlotDataPointStatus TiPlotChannel::GetCursorYValue(double& YValue, double TargetValue)
{
    using S = TiPlotDataPointStatus;
    YValue = 0.0;
    const int count = Count();
    if (count == 0)
        return S::ipdpsEmpty;
    if (TargetValue == XFirst() && GetValid(0)) {
        YValue = GetY(0);
        return S::ipdpsValid;
    }
    if (TargetValue == XLast() && GetValid(count - 1)) {
        YValue = GetY(count - 1);
        return S::ipdpsValid;
    }
    const TiPlotInterpolationStyle style =
        FDigitalEnabled ? TiPlotInterpolationStyle::ipistStraightLine : FInterpolationStyle;
    switch (style) {
    case TiPlotInterpolationStyle::ipistStraightLine:
        return GetYInterpolated(TargetValue, YValue) ? S::ipdpsValid : S::ipdpsEmpty;
    case TiPlotInterpolationStyle::ipistCubicSpline:
    case TiPlotInterpolationStyle::ipistPolynomial:
    case TiPlotInterpolationStyle::ipistRational: {
        const IiPlotAxisScale* x = XScale();
        const double lo = std::min(XFirst(), XLast());
        const double hi = std::max(XFirst(), XLast());
        if (!x || (FPixelListStart == 0 && FPixelListStop == 0) || TargetValue < lo || TargetValue > hi)
            return S::ipdpsEmpty;
        const int column = x->PositionToPixels(TargetValue);
        const int slot = column - FPixelListStart;
        if (column < FPixelListStart || column > FPixelListStop || slot >= PixelListCount())
            return S::ipdpsEmpty;
        const TiPlotPixelPoint& point = FPixelList[static_cast<size_t>(slot)];
        if (point.Null)
            return S::ipdpsNull;
        YValue = point.YValue;
        return S::ipdpsValid;
    }
    case TiPlotInterpolationStyle::ipistDifferential:
    case TiPlotInterpolationStyle::ipistDifferentialTerminated: {
        const int i = CalcIndex(TargetValue);
        const int before = i == -1 ? -1 : (FXIncreasing ? i - 1 : i + 1);
        if (before >= 0 && before < count) {
            YValue = GetY(before);
            return S::ipdpsValid;
        }
        const bool beyond = FXIncreasing ? TargetValue > XLast() : TargetValue < XLast();
        if (style == TiPlotInterpolationStyle::ipistDifferential && i == -1 && beyond && GetValid(count - 1)) {
            YValue = GetY(count - 1);
            return S::ipdpsValid;
        }
        return S::ipdpsEmpty;
    }
    }
    return S::ipdpsEmpty;
}

// ---------------------------------------------------------------- zoom extents

double TiPlotChannel::GetZoomXMax()
{
    if (!XAxis() || !YAxis() || !Visible() || Count() == 0)
        return -1e300;
    UpdateXIncreasing();
    if (FXIncreasing) {
        for (int i = Count() - 1; i >= 0; --i)
            if (GetValid(i))
                return GetMarkerExtentXMax(i);
    } else {
        for (int i = 0; i < Count(); ++i)
            if (GetValid(i))
                return GetMarkerExtentXMax(i);
    }
    return -1e300;
}

double TiPlotChannel::GetZoomXMin()
{
    if (!XAxis() || !YAxis() || !Visible() || Count() == 0)
        return 1e300;
    UpdateXIncreasing();
    if (FXIncreasing) {
        for (int i = 0; i < Count(); ++i)
            if (GetValid(i))
                return GetMarkerExtentXMin(i);
    } else {
        for (int i = Count() - 1; i >= 0; --i)
            if (GetValid(i))
                return GetMarkerExtentXMin(i);
    }
    return 1e300;
}

double TiPlotChannel::GetZoomYMax()
{
    CalcStartIndex();
    CalcStopIndex();
    if (!XAxis() || !YAxis() || !Visible() || FStartIndex < 0 || FStopIndex < 0)
        return -1e300;
    double result = -1e300;
    for (int i = FStartIndex; i <= FStopIndex; ++i)
        if (GetValid(i))
            result = std::max(result, GetMarkerExtentYMax(i));
    return result;
}

double TiPlotChannel::GetZoomYMin()
{
    CalcStartIndex();
    CalcStopIndex();
    if (!XAxis() || !YAxis() || !Visible() || FStartIndex < 0 || FStopIndex < 0)
        return 1e300;
    double result = 1e300;
    for (int i = FStartIndex; i <= FStopIndex; ++i)
        if (GetValid(i))
            result = std::min(result, GetMarkerExtentYMin(i));
    return result;
}

// ---------------------------------------------------------------- data cursors

bool TiPlotChannel::ReadDataCursor(const TiPlotCursorQuery& Query, TiPlotCursorReading& Reading)
{
    using S = TiPlotDataCursorStyle;
    const IiPlotAxisScale* x = XScale();
    const IiPlotAxisScale* y = YScale();
    const IiPlotPercentScale* view = Query.DataView;
    if (!XAxis() || !YAxis() || !x || !y || !view)
        return false;
    const bool reversed = XYAxesReversed();
    // The X axis runs along the view's width, the Y axis along its height (exchanged when reversed).
    auto xValue = [&](double percent) {
        return x->PixelsToPosition(reversed ? view->PositionPercentToPixelsY(percent)
                                            : view->PositionPercentToPixelsX(percent));
    };
    auto yValue = [&](double percent) {
        return y->PixelsToPosition(reversed ? view->PositionPercentToPixelsX(percent)
                                            : view->PositionPercentToPixelsY(percent));
    };
    TiPlotDataPointStatus status = TiPlotDataPointStatus::ipdpsValid;
    double X = 0.0, Y = 0.0;
    switch (Query.Style) {
    case S::ipcsValueXY:
    case S::ipcsValueX:
    case S::ipcsValueY:
        X = xValue(Query.Pointer1Position);
        status = GetCursorYValue(Y, X);
        break;
    case S::ipcsDeltaX:
        X = Query.CursorScaler * std::fabs(xValue(Query.Pointer1Position) - xValue(Query.Pointer2Position));
        break;
    case S::ipcsDeltaY:
        Y = std::fabs(yValue(Query.Pointer1Position) - yValue(Query.Pointer2Position));
        break;
    case S::ipcsInverseDeltaX: {
        const double d = std::fabs(xValue(Query.Pointer1Position) - xValue(Query.Pointer2Position));
        X = d != 0.0 && Query.CursorScaler != 0.0 ? 1.0 / (d * Query.CursorScaler)
                                                  : std::numeric_limits<double>::infinity();
        break;
    }
    }
    Reading = TiPlotCursorReading {};
    Reading.Status = status;
    Reading.X = X;
    Reading.Y = Y;
    // Texts: the Y text by status (levels on a digital channel), then the style's combination.
    QString yText;
    if (status == TiPlotDataPointStatus::ipdpsNull)
        yText = TranslateString(QStringLiteral("Null"));
    else if (status == TiPlotDataPointStatus::ipdpsEmpty)
        yText = TranslateString(QStringLiteral("Empty"));
    else if (FDigitalEnabled)
        yText = TranslateString(Y != 0.0 ? QStringLiteral("High") : QStringLiteral("Low"));
    else
        yText = GetYValueText(Y);
    switch (Query.Style) {
    case S::ipcsValueXY:
        Reading.XText = GetXValueText(X);
        Reading.YText = yText;
        Reading.Text = Reading.XText + QStringLiteral(", ") + yText;
        break;
    case S::ipcsValueX:
    case S::ipcsDeltaX:
        Reading.XText = GetXValueText(X);
        Reading.Text = Reading.XText;
        break;
    case S::ipcsValueY:
        Reading.YText = yText;
        Reading.Text = yText;
        break;
    case S::ipcsDeltaY:
        Reading.YText = GetYValueText(Y);
        Reading.Text = Reading.YText;
        break;
    case S::ipcsInverseDeltaX:
        Reading.XText = X >= 1e301 ? TranslateString(QStringLiteral("Infinite")) : XAxis()->GetCursorValueText(X);
        Reading.Text = Reading.XText;
        break;
    }
    return true;
}

namespace {

// A data view's percentages as pixels, for the measurements above.
class ViewPercent : public IiPlotPercentScale
{
public:
    explicit ViewPercent(const TiPlotLayoutObject& View) : m_view(View) {}
    int PositionPercentToPixelsX(double Percent) const override { return iplot::PercentToPixelsX(m_view, Percent); }
    int PositionPercentToPixelsY(double Percent) const override { return iplot::PercentToPixelsY(m_view, Percent); }

private:
    const TiPlotLayoutObject& m_view;
};

} // namespace

void TiPlotChannel::CalcDataCursor(TiPlotDataCursor* Cursor)
{
    if (!Cursor || !Cursor->DataView())
        return;
    const ViewPercent view(*Cursor->DataView());
    TiPlotCursorQuery query;
    query.Style = Cursor->Style();
    query.Pointer1Position = Cursor->Pointer1Position();
    query.Pointer2Position = Cursor->Pointer2Position();
    query.DataView = &view;
    if (TiPlotXAxis* x = XAxis())
        query.CursorScaler = x->CursorScaler();
    TiPlotCursorReading reading;
    if (!ReadDataCursor(query, reading))
        return;
    Cursor->SetValues(reading.Status, reading.X, reading.Y);
    FDataCursorXText = reading.XText;
    FDataCursorYText = reading.YText;
    FDataCursorXValue = reading.X;
    FDataCursorYValue = reading.Y;
    FDataCursorStatus = reading.Status;
    Cursor->SetCursorDisplayText(reading.Text);
}

// ---------------------------------------------------------------- hit test

bool TiPlotChannel::iMouseHitTest(const TiPlotMouseData& MouseData)
{
    if (TiPlotChannelCustom::iMouseHitTest(MouseData))
        return true;
    if (MouseData.Button != TMouseButton::mbRight)
        return false;
    const IiPlotAxisScale* x = XScale();
    const IiPlotAxisScale* y = YScale();
    if (!x || !y)
        return false;
    double value = 0.0;
    if (!GetYInterpolated(x->PixelsToPosition(MouseData.XAxisPixels), value))
        return false;
    return std::abs(y->PositionToPixels(value) - MouseData.YAxisPixels) <= 10;
}
