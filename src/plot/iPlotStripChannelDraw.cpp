// The strip chart's paint side: the preparation pass, then fill, bars, trace, markers and high-low
// symbols; the trace as a fast per-column line, a curve evaluated per pixel column, steps or
// digital levels.

#include "plot/iPlotStripChannel.h"

#include "plot/iDigitalSequenceData.h"
#include "plot/iPlotAxis.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotDataView.h"
#include "plot/iPlotDecorationHost.h"
#include "plot/iPlotMath.h"
#include "plot/iPlotMinMaxPoint.h"

#include "platform/core/Exception.h"
#include "platform/ui/TCanvas.h"

#include <algorithm>
#include <utility>

using namespace vcl;

namespace {

TPoint Exchanged(TPoint P, bool Reversed) { return Reversed ? TPoint(P.Y, P.X) : P; }

TRect ExchangedRect(const TRect& R, bool Reversed)
{
    return Reversed ? TRect(R.Top, R.Left, R.Bottom, R.Right) : R;
}

// A zero-sized side grows by one pixel.
TRect AtLeastOnePixel(TRect R)
{
    if (R.Right == R.Left)
        ++R.Right;
    if (R.Bottom == R.Top)
        ++R.Bottom;
    return R;
}

} // namespace

// ---------------------------------------------------------------- preparation

void TiPlotChannel::PrepareDraw()
{
    FCanDraw = false;
    IiPlotAxisScale* x = XScale();
    IiPlotAxisScale* y = YScale();
    if (!XAxis() || !YAxis() || !x || !y || !Visible() || Count() == 0)
        return;
    UpdateXIncreasing();
    if (!FDrawOutOfOrderXValues) {
        const bool overlaps = FXIncreasing ? x->Min() <= XLast() && XFirst() <= x->Max()
                                           : XFirst() >= x->Min() && XLast() <= x->Max();
        if (!overlaps)
            return;
    }
    CalcStartIndex();
    CalcStopIndex();
    const bool step = FInterpolationStyle == TiPlotInterpolationStyle::ipistDifferential
        || FInterpolationStyle == TiPlotInterpolationStyle::ipistDifferentialTerminated;
    if (!step && (FStartIndex == -1 || FStopIndex == -1))
        return;
    if (FDigitalReferenceStyle == TiPlotDigitalReferenceStyle::ipdrPercent) {
        FPixelsHigh = y->PositionToPixels(y->Min() + (y->Max() - y->Min()) * FDigitalReferenceHigh / 100.0);
        FPixelsLow = y->PositionToPixels(y->Min() + (y->Max() - y->Min()) * FDigitalReferenceLow / 100.0);
    } else {
        FPixelsHigh = y->PositionToPixels(FDigitalReferenceHigh);
        FPixelsLow = y->PositionToPixels(FDigitalReferenceLow);
    }
    FPixelListStart = std::min(x->MinPixels(), x->MaxPixels());
    FPixelListStop = std::max(x->MinPixels(), x->MaxPixels());
    const size_t needed = static_cast<size_t>(FPixelListStop - FPixelListStart + 1);
    if (FPixelList.size() < needed)
        FPixelList.resize(needed);
    for (size_t i = 0; i < FPixelList.size(); ++i)
        FPixelList[i] = TiPlotPixelPoint { true, FPixelListStart + static_cast<int>(i), 0.0 };
    FCanDraw = true;
}

void TiPlotChannel::Draw(TCanvas* Canvas, TColor BackGroundColor)
{
    const bool reversed = XYAxesReversed();
    try {
        if (ClipToAxes()) {
            const IiPlotAxisScale* x = XScale();
            const IiPlotAxisScale* y = YScale();
            if (x && y) {
                const TRect clip(std::min(x->MinPixels(), x->MaxPixels()), std::min(y->MinPixels(), y->MaxPixels()),
                                 std::max(x->MinPixels(), x->MaxPixels()) + 1,
                                 std::max(y->MinPixels(), y->MaxPixels()) + 1);
                Canvas->IntersectClipRect(ExchangedRect(clip, reversed));
            }
        }
        TiPlotChannelPainter painter = Painter();
        if (FFillEnabled && FFillStyle != TBrushStyle::bsClear && !FDigitalEnabled
            && FInterpolationStyle == TiPlotInterpolationStyle::ipistStraightLine)
            DrawStraightFill(Canvas, painter, reversed);
        if (FBarEnabled)
            DrawBars(Canvas, painter);
        DrawTrace(Canvas, reversed, BackGroundColor);
        DrawMarkers(Canvas, reversed, BackGroundColor);
        if (FHighLowEnabled)
            DrawHighLow(Canvas, reversed);
    } catch (const Exception&) {
        // A channel that cannot be drawn (a curve through equal X values) is left out of this paint.
    }
}

// ---------------------------------------------------------------- fill and bars

void TiPlotChannel::DrawStraightFill(TCanvas* Canvas, TiPlotChannelPainter& Painter, bool Reversed)
{
    if (FStartIndex < 0 || FStopIndex < 0)
        return;
    const TColor color = FillBrushColor();
    Canvas->Brush()->SetStyle(FFillStyle);
    Canvas->Brush()->SetColor(color);
    Canvas->Pen()->SetColor(color);
    Canvas->Pen()->SetWidth(0);
    Canvas->Pen()->SetStyle(TPenStyle::psClear);
    bool have = false;
    double px = 0, py = 0;
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        double x = 0, y = 0;
        bool empty = false, null = false;
        GetXYEmptyNull(i, x, y, empty, null);
        if (empty)
            continue;
        if (null) {
            have = false;
            continue;
        }
        if (have)
            Painter.DrawValuePolygon(Canvas, Reversed, { x, FFillReference }, { x, y }, { px, py },
                                     { px, FFillReference });
        have = true;
        px = x;
        py = y;
    }
}

TRect TiPlotChannel::GetBarRect(int Index)
{
    const double x = GetX(Index);
    const double w = GetPointBarWidth(Index);
    TRect r = Painter().GetValueRect(x - w / 2, GetPointBarReference(Index), x + w / 2, GetY(Index));
    if (r.Left == r.Right)
        ++r.Right;
    return r;
}

TRect TiPlotChannel::GetHitRect(int Index) { return FBarEnabled ? GetBarRect(Index) : Painter().GetMarkerRect(Index); }

void TiPlotChannel::DrawBars(TCanvas* Canvas, TiPlotChannelPainter&)
{
    if (FStartIndex < 0 || FStopIndex < 0)
        return;
    TPen* pen = Canvas->Pen();
    TBrush* brush = Canvas->Brush();
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        if (!GetValid(i) || !GetPointBarVisible(i))
            continue;
        brush->SetColor(FBarBrushUseChannelColor ? Color() : GetPointBarBrushColor(i));
        pen->SetColor(FBarPenUseChannelColor ? Color() : GetPointBarPenColor(i));
        pen->SetWidth(GetPointBarPenWidth(i));
        pen->SetStyle(GetPointBarPenStyle(i));
        brush->SetStyle(GetPointBarBrushStyle(i));
        Canvas->Rectangle(GetBarRect(i));
    }
}

// ---------------------------------------------------------------- trace

void TiPlotChannel::DrawTrace(TCanvas* Canvas, bool XYAxesReversed, TColor BackgroundColor)
{
    if (!TraceVisible())
        return;
    TPen* pen = Canvas->Pen();
    pen->SetColor(Color());
    pen->SetStyle(static_cast<TPenStyle>(TraceLineStyle()));
    pen->SetWidth(TraceLineWidth() == 1 ? 0 : TraceLineWidth());
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    TiPlotChannelPainter painter = Painter();
    if (FDigitalEnabled) {
        DrawDigitalTrace(Canvas, painter, XYAxesReversed);
        return;
    }
    switch (FInterpolationStyle) {
    case TiPlotInterpolationStyle::ipistStraightLine:
        if (FFastDrawEnabled)
            DrawFastTrace(Canvas, painter, XYAxesReversed);
        else
            TiPlotChannelCustom::DrawTrace(Canvas, XYAxesReversed, BackgroundColor);
        break;
    case TiPlotInterpolationStyle::ipistCubicSpline:
    case TiPlotInterpolationStyle::ipistPolynomial:
    case TiPlotInterpolationStyle::ipistRational:
        DrawCurveTraces(Canvas, painter, XYAxesReversed);
        break;
    case TiPlotInterpolationStyle::ipistDifferential:
    case TiPlotInterpolationStyle::ipistDifferentialTerminated:
        DrawStepTrace(Canvas, painter, XYAxesReversed);
        break;
    }
}

// Each pixel column is drawn once: a vertical stroke over the values that fall into it, and a line
// from the last value of the column before to the first value of this one.
void TiPlotChannel::DrawFastTrace(TCanvas* Canvas, TiPlotChannelPainter& Painter, bool Reversed)
{
    if (FStartIndex < 0 || FStopIndex < 0 || FStartIndex == FStopIndex)
        return;
    const IiPlotAxisScale* x = XScale();
    TiPlotMinMaxPoint col1, col2, col3;
    auto segment = [&](double X1, double Y1, double X2, double Y2) {
        Painter.DrawSegment(Canvas, Reversed, X1, Y1, X2, Y2, false);
    };
    auto drawColumns = [&] {
        if (!col1.Empty && col1.YMin != col1.YMax)
            segment(col1.XValue, col1.YMin, col1.XValue, col1.YMax);
        if (!col2.Empty && col2.YMin != col2.YMax)
            segment(col2.XValue, col2.YMin, col2.XValue, col2.YMax);
        if (!col1.Empty && !col2.Empty)
            segment(col1.XValue, col1.YLast, col2.XValue, col2.YFirst);
        if (!col2.Empty && !col3.Empty)
            segment(col2.XValue, col2.YLast, col3.XValue, col3.YFirst);
    };
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        double vx = 0, vy = 0;
        bool empty = false, null = false;
        GetXYEmptyNull(i, vx, vy, empty, null);
        if (empty)
            continue;
        if (null) {
            drawColumns();
            col1.Clear();
            col2.Clear();
            col3.Clear();
            continue;
        }
        const int p = x->PositionToPixels(vx);
        if (col1.Empty || col1.XPixels == p) {
            col1.AddData(vx, vy, p);
        } else if (col2.Empty || col2.XPixels == p) {
            col2.AddData(vx, vy, p);
        } else {
            col3.AddData(vx, vy, p);
            drawColumns();
            col1.AssignDown(col3);
            col2.Clear();
            col3.Clear();
        }
    }
    drawColumns();
}

void TiPlotChannel::DrawCurveTraces(TCanvas* Canvas, TiPlotChannelPainter& Painter, bool Reversed)
{
    const int count = Count();
    if (count < 2)
        return;
    std::vector<double> xs(1), ys(1);
    if (FInterpolationStyle != TiPlotInterpolationStyle::ipistCubicSpline) {
        for (int i = 0; i < count; ++i) {
            xs.push_back(GetX(i));
            ys.push_back(GetY(i));
        }
        DrawCurve(Canvas, Painter, Reversed, xs, ys, count);
        return;
    }
    // The spline runs between gaps: each run of two or more valid points is one curve.
    auto flush = [&] {
        const int n = static_cast<int>(xs.size()) - 1;
        if (n >= 2)
            DrawCurve(Canvas, Painter, Reversed, xs, ys, n);
        xs.assign(1, 0.0);
        ys.assign(1, 0.0);
    };
    for (int i = 0; i < count; ++i) {
        double vx = 0, vy = 0;
        bool empty = false, null = false;
        GetXYEmptyNull(i, vx, vy, empty, null);
        if (empty)
            continue;
        if (null) {
            flush();
            continue;
        }
        xs.push_back(vx);
        ys.push_back(vy);
    }
    flush();
}

void TiPlotChannel::DrawCurve(TCanvas* Canvas, TiPlotChannelPainter& Painter, bool Reversed,
                              const std::vector<double>& X, const std::vector<double>& Y, int n)
{
    const IiPlotAxisScale* xs = XScale();
    const IiPlotAxisScale* ys = YScale();
    std::vector<double> sx = X, sy = Y;
    const bool spline = FInterpolationStyle == TiPlotInterpolationStyle::ipistCubicSpline;
    if (spline && n >= 2 && sx[1] > sx[static_cast<size_t>(n)]) {
        // The spline routines want X growing: a falling run is taken from its other end.
        std::reverse(sx.begin() + 1, sx.end());
        std::reverse(sy.begin() + 1, sy.end());
    }
    std::vector<double> y2;
    if (spline)
        iSplineSecondDerivatives(sx, sy, n, y2);
    const double lo = std::max(std::min(X[1], X[static_cast<size_t>(n)]), xs->Min());
    const double hi = std::min(std::max(X[1], X[static_cast<size_t>(n)]), xs->Max());
    if (lo > hi)
        return;
    int from = xs->PositionToPixels(lo);
    int to = xs->PositionToPixels(hi);
    if (from > to)
        std::swap(from, to);
    const bool fill = FillDrawn();
    const TColor fillColor = FillBrushColor();
    bool have = false;
    double prevX = 0, prevY = 0;
    for (int column = from; column <= to; ++column) {
        const double vx = xs->PixelsToPosition(column);
        double vy = 0, dy = 0;
        if (spline)
            vy = iSplineInterpolate(sx, sy, y2, n, vx);
        else if (FInterpolationStyle == TiPlotInterpolationStyle::ipistPolynomial)
            iPolynomialInterpolate(sx, sy, n, vx, vy, dy);
        else
            iRationalInterpolate(sx, sy, n, vx, vy, dy);
        const int slot = column - FPixelListStart;
        if (column < FPixelListStart || column > FPixelListStop || slot >= PixelListCount())
            throw Exception(QStringLiteral("Pixel List XPixel out of Range"));
        FPixelList[static_cast<size_t>(slot)] = TiPlotPixelPoint { false, column, vy };
        if (fill) {
            Canvas->Pen()->SetColor(fillColor);
            Painter.DrawSegment(Canvas, Reversed, vx, FFillReference, vx, vy, false);
            Canvas->Pen()->SetColor(Color());
        }
        if (have)
            Painter.DrawSegment(Canvas, Reversed, prevX, prevY, vx, vy, false);
        have = true;
        prevX = vx;
        prevY = vy;
    }
    (void)ys;
}

void TiPlotChannel::DrawStepTrace(TCanvas* Canvas, TiPlotChannelPainter& Painter, bool Reversed)
{
    const int count = Count();
    if (count == 0)
        return;
    const bool fill = FillDrawn();
    const TColor fillColor = FillBrushColor();
    Canvas->Brush()->SetStyle(FFillStyle);
    Canvas->Brush()->SetColor(fillColor);
    auto fillStep = [&](double X0, double Y0, double X1) {
        if (!fill)
            return;
        Canvas->Pen()->SetColor(fillColor);
        Painter.DrawValuePolygon(Canvas, Reversed, { X0, FFillReference }, { X0, Y0 }, { X1, Y0 },
                                 { X1, FFillReference });
        Canvas->Pen()->SetColor(Color());
    };
    bool have = false;
    double px = 0, py = 0;
    if (FStartIndex >= 0 && FStopIndex >= 0) {
        for (int i = FStartIndex; i <= FStopIndex; ++i) {
            double vx = 0, vy = 0;
            bool empty = false, null = false;
            GetXYEmptyNull(i, vx, vy, empty, null);
            if (empty)
                continue;
            if (null) {
                if (have) {
                    fillStep(px, py, vx);
                    Painter.DrawSegment(Canvas, Reversed, px, py, vx, py, false);
                }
                have = false;
                continue;
            }
            if (have) {
                fillStep(px, py, vx);
                Painter.DrawSegment(Canvas, Reversed, px, py, vx, py, false);
                Painter.DrawSegment(Canvas, Reversed, vx, py, vx, vy, false);
            }
            have = true;
            px = vx;
            py = vy;
        }
    } else {
        for (int i = count - 1; i >= 0 && !have; --i)
            if (GetValid(i)) {
                have = true;
                px = GetX(i);
                py = GetY(i);
            }
    }
    if (FInterpolationStyle == TiPlotInterpolationStyle::ipistDifferential && have) {
        Canvas->Pen()->SetColor(Color());
        Painter.DrawSegment(Canvas, Reversed, px, py, XScale()->Max(), py, false);
    }
}

void TiPlotChannel::DrawDigitalTrace(TCanvas* Canvas, TiPlotChannelPainter&, bool Reversed)
{
    if (FStartIndex < 0 || FStopIndex < 0 || FStartIndex == FStopIndex)
        return;
    TiPlotComponent* plot = Plot();
    const TiPlotLayoutObject* view = plot && plot->DataViewCount() > 0 ? plot->DataView(0) : nullptr;
    struct ViewPercent : IiPlotPercentScale
    {
        const TiPlotLayoutObject* view;
        int PositionPercentToPixelsX(double P) const override { return iplot::PercentToPixelsX(*view, P); }
        int PositionPercentToPixelsY(double P) const override { return iplot::PercentToPixelsY(*view, P); }
    } percentOfView;
    percentOfView.view = view;
    TiPlotChannelPainter painter(*this, XScale(), YScale(), view ? &percentOfView : nullptr);
    const bool inPercent = FDigitalReferenceStyle == TiPlotDigitalReferenceStyle::ipdrPercent;
    const TColor fillColor = FillBrushColor();
    auto level = [&](bool High) { return High ? FDigitalReferenceHigh : FDigitalReferenceLow; };
    auto fillRun = [&](double X0, double X1, bool High) {
        if (!FFillEnabled)
            return;
        Canvas->Pen()->SetColor(fillColor);
        painter.DrawValuePolygon(Canvas, Reversed, { X0, FFillReference }, { X0, level(High) }, { X1, level(High) },
                                 { X1, FFillReference });
        Canvas->Pen()->SetColor(Color());
    };
    TDigitalSequenceData run;
    auto drawRun = [&] {
        Canvas->Brush()->SetStyle(FFillStyle);
        Canvas->Brush()->SetColor(fillColor);
        const bool high = run.StartYValue;
        if (run.TransitionSet) {
            fillRun(run.StartXValue, run.TransitionXValue, high);
            painter.DrawSegment(Canvas, Reversed, run.StartXValue, level(high), run.TransitionXValue, level(high),
                                inPercent);
            painter.DrawSegment(Canvas, Reversed, run.TransitionXValue, level(high), run.TransitionXValue,
                                level(!high), inPercent);
        } else if (run.StartSet && run.StopSet) {
            fillRun(run.StartXValue, run.StopXValue, high);
            painter.DrawSegment(Canvas, Reversed, run.StartXValue, level(high), run.StopXValue, level(high),
                                inPercent);
        }
    };
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        double vx = 0, vy = 0;
        bool empty = false, null = false;
        GetXYEmptyNull(i, vx, vy, empty, null);
        if (empty)
            continue;
        if (null) {
            drawRun();
            run.Clear();
            continue;
        }
        const bool high = vy != 0.0;
        if (!run.StartSet) {
            run.StartSet = true;
            run.StartXValue = vx;
            run.StartYValue = high;
        } else if (high == run.StartYValue) {
            run.StopSet = true;
            run.StopXValue = vx;
        } else {
            run.TransitionSet = true;
            run.TransitionXValue = vx;
            drawRun();
            run.Clear();
            run.StartSet = true;
            run.StartXValue = vx;
            run.StartYValue = high;
        }
    }
    drawRun();
}

// ---------------------------------------------------------------- markers and high-low symbols

void TiPlotChannel::DrawMarkers(TCanvas* Canvas, bool XYAxesReversed, TColor BackgroundColor)
{
    if (FStartIndex < 0 || FStopIndex < 0 || !MarkersVisible())
        return;
    if (!FDigitalEnabled) {
        TiPlotChannelCustom::DrawMarkers(Canvas, XYAxesReversed, BackgroundColor);
        return;
    }
    const IiPlotAxisScale* x = XScale();
    const IiPlotAxisScale* y = YScale();
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        if (!GetValid(i) || !GetPointMarkerVisible(i))
            continue;
        if (!x->ValueOnScale(GetX(i)) || !y->ValueOnScale(GetY(i)))
            continue;
        const TPoint p(x->PositionToPixels(GetX(i)), GetY(i) != 0.0 ? FPixelsHigh : FPixelsLow);
        DrawMarker(Canvas, i, BackgroundColor, Exchanged(p, XYAxesReversed));
    }
}

void TiPlotChannel::DrawHighLow(TCanvas* Canvas, bool Reversed)
{
    if (FStartIndex < 0 || FStopIndex < 0)
        return;
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    if (!xAxis || !yAxis)
        return;
    TPen* pen = Canvas->Pen();
    TBrush* brush = Canvas->Brush();
    pen->SetWidth(0);
    pen->SetStyle(TPenStyle::psSolid);
    brush->SetStyle(TBrushStyle::bsSolid);
    auto rect = [&](TColor Color, const TRect& R) {
        pen->SetColor(Color);
        brush->SetColor(Color);
        Canvas->Rectangle(ExchangedRect(R, Reversed));
    };
    auto normal = [](int X1, int Y1, int X2, int Y2) {
        return TRect(std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2));
    };
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        if (!GetValid(i))
            continue;
        const int w = xAxis->WidthToPixels(FHighLowBarWidth);
        const int px = xAxis->PositionToPixels(GetX(i));
        const int high = yAxis->PositionToPixels(GetHigh(i));
        const int low = yAxis->PositionToPixels(GetLow(i));
        const int open = yAxis->PositionToPixels(GetOpen(i));
        const int close = yAxis->PositionToPixels(GetClose(i));
        if (FHighLowStyle == TiPlotHighLowStyle::iphlsOpenClose) {
            const TRect bar = AtLeastOnePixel(normal(px - w / 2, low, px + w - w / 2, high));
            const int mid = (bar.Left + bar.Right) / 2;
            if (FHighLowOpenShow) {
                const int ow = std::max(1, xAxis->WidthToPixels(FHighLowOpenWidth));
                const int oh = yAxis->WidthToPixels(FHighLowOpenHeight);
                rect(FHighLowOpenColor, normal(mid - ow + 1, open - oh / 2, mid, open + oh - oh / 2 - 1));
            }
            if (FHighLowCloseShow) {
                const int cw = xAxis->WidthToPixels(FHighLowCloseWidth);
                const int ch = yAxis->WidthToPixels(FHighLowCloseHeight);
                rect(FHighLowCloseColor, normal(mid, close - ch / 2, mid + cw - 1, close + ch - ch / 2 - 1));
            }
            rect(FHighLowBarColor, bar);
        } else {
            pen->SetColor(FHighLowShadowColor);
            Canvas->Polyline({ Exchanged(TPoint(px, high), Reversed), Exchanged(TPoint(px, low), Reversed) });
            brush->SetColor(GetOpen(i) > GetClose(i) ? FHighLowBearishColor : FHighLowBullishColor);
            TRect body = normal(px - w / 2, open, px + w / 2 + 1, close);
            if (body.Bottom == body.Top)
                ++body.Bottom;
            Canvas->Rectangle(ExchangedRect(body, Reversed));
        }
    }
}
