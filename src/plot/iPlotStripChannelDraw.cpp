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
#include "plot/iPlotDataLists.h"

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

namespace {

// The values that fall into one pixel column, in the order they came.
struct TiColumnValues
{
    bool Empty { true };
    double XValue { 0 };
    double YMin { 0 };
    double YMax { 0 };
    double YFirst { 0 };
    double YLast { 0 };

    void Add(double X, double Y)
    {
        if (Empty) {
            Empty = false;
            XValue = X;
            YMin = YMax = YFirst = Y;
        } else {
            YMin = std::min(YMin, Y);
            YMax = std::max(YMax, Y);
        }
        YLast = Y;
    }
};

// Point access for the fast trace: straight from the records of the standard list, else through
// the list's virtual getters.
class TiPointReader
{
public:
    explicit TiPointReader(const TiPlotDataCustomList& List)
        : m_list(List), m_records(dynamic_cast<const TiPlotDataRecordList<TiPlotDataNull>*>(&List))
    {
    }
    double X(int Index) const { return m_records ? m_records->Record(Index).X : m_list.GetX(Index); }
    // Y of a valid point; false for a Null (Gap) or Empty (Skip) point.
    enum Kind { Valid, Gap, Skip };
    Kind Read(int Index, double& X, double& Y) const
    {
        if (m_records) {
            const TiPlotDataNull& r = m_records->Record(Index);
            X = r.X;
            Y = r.Y;
            if (r.Extra & iNullExtra::Empty)
                return Skip;
            return (r.Extra & iNullExtra::Null) ? Gap : Valid;
        }
        bool empty = false, null = false;
        m_list.GetXYEmptyNull(Index, X, Y, empty, null);
        return empty ? Skip : (null ? Gap : Valid);
    }

    const TiPlotDataRecordList<TiPlotDataNull>* Records() const { return m_records; }

    // Folds the valid points From..To into Column, whole summarised blocks from Blocks and the rest
    // in one pass over the records; false (nothing folded) when a Null or Empty point lies among
    // them or the list is not the standard one.
    template <typename Column>
    bool FoldPlain(int From, int To, Column& column, const TiPlotBlockSummary* blocks) const
    {
        if (!m_records || From > To)
            return m_records != nullptr;
        std::uint16_t flags = 0;
        double lo = column.YMin, hi = column.YMax;
        auto whole = [&](const TiPlotBlockSummary::Block& b) {
            flags |= b.Marks;
            lo = std::min(lo, b.YMin);
            hi = std::max(hi, b.YMax);
        };
        auto loose = [&](const TiPlotDataNull* p, const TiPlotDataNull* end) {
            for (; p != end; ++p) {
                flags |= p->Extra;
                lo = p->Y < lo ? p->Y : lo;
                hi = p->Y > hi ? p->Y : hi;
            }
        };
        if (blocks)
            blocks->ForEachPiece(*m_records, From, To, whole, loose);
        else
            m_records->ForEachSpan(From, To, loose);
        if (flags & (iNullExtra::Null | iNullExtra::Empty))
            return false;
        column.YMin = lo;
        column.YMax = hi;
        column.YLast = m_records->Record(To).Y;
        return true;
    }

private:
    const TiPlotDataCustomList& m_list;
    const TiPlotDataRecordList<TiPlotDataNull>* m_records;
};

} // namespace

// Each pixel column is drawn once: a vertical stroke over the values that fall into it (at its
// first X), and a line from the last value of the column before to the first value of this one;
// a Null point breaks the line and Empty points are passed over. With X in order the points of one
// column are found by searching for the column's end, so only the values inside are read.
void TiPlotChannel::DrawFastTrace(TCanvas* Canvas, TiPlotChannelPainter& Painter, bool Reversed)
{
    if (FStartIndex < 0 || FStopIndex < 0 || FStartIndex == FStopIndex)
        return;
    const IiPlotAxisScale* x = XScale();
    const IiPlotAxisScale* y = YScale();
    const TiPointReader points(DataList());
    const bool ordered = !FDrawOutOfOrderXValues;
    const TiPlotBlockSummary* blocks
        = points.Records() && FBlocks.Update(*points.Records(), DataVersion()) ? &FBlocks : nullptr;
    // A plain one-pixel pen draws a stroke as the one-pixel-wide rectangle of the same pixels.
    TPen* pen = Canvas->Pen();
    const bool strokesAsRects = !ClipToAxes() && pen->Width() <= 1 && pen->Style() == TPenStyle::psSolid
        && pen->Mode() == TPenMode::pmCopy;
    if (strokesAsRects) {
        Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
        Canvas->Brush()->SetColor(pen->Color());
    }
    auto stroke = [&](double X, double YFrom, double YTo) {
        if (!strokesAsRects || X < x->Min() || X > x->Max()) {
            Painter.DrawSegment(Canvas, Reversed, X, YFrom, X, YTo, false);
            return;
        }
        // The line from the pixel of YFrom towards that of YTo, its last pixel left out.
        const int column = x->PositionToPixels(X);
        const int a = y->PositionToPixels(YFrom);
        const int b = y->PositionToPixels(YTo);
        if (a == b)
            return;
        const int top = a < b ? a : b + 1;
        const int bottom = a < b ? b : a + 1;
        Canvas->FillRect(ExchangedRect(TRect(column, top, column + 1, bottom), Reversed));
    };
    TiColumnValues previous;
    auto drawColumn = [&](const TiColumnValues& column) {
        if (column.YMin != column.YMax)
            stroke(column.XValue, column.YMin, column.YMax);
        if (!previous.Empty)
            Painter.DrawSegment(Canvas, Reversed, previous.XValue, previous.YLast, column.XValue, column.YFirst,
                                false);
        previous = column;
    };
    auto pixel = [&](int Index) { return x->PositionToPixels(points.X(Index)); };
    // The last index from Index on whose point lies in column P (pixels follow X, X follows the index).
    auto columnEnd = [&](int Index, int P) {
        int lo = Index;
        int step = 1;
        while (lo + step <= FStopIndex && pixel(lo + step) == P) {
            lo += step;
            step *= 2;
        }
        int hi = std::min(lo + step, FStopIndex + 1); // first index known (or assumed) outside
        while (hi - lo > 1) {
            const int mid = lo + (hi - lo) / 2;
            if (pixel(mid) == P)
                lo = mid;
            else
                hi = mid;
        }
        return lo;
    };
    TiColumnValues column;
    int columnPixel = 0;
    int i = FStartIndex;
    while (i <= FStopIndex) {
        double vx = 0, vy = 0;
        const TiPointReader::Kind kind = points.Read(i, vx, vy);
        if (kind == TiPointReader::Skip) {
            ++i;
            continue;
        }
        if (kind == TiPointReader::Gap) {
            if (!column.Empty)
                drawColumn(column);
            column = TiColumnValues {};
            previous = TiColumnValues {};
            ++i;
            continue;
        }
        const int p = x->PositionToPixels(vx);
        if (!column.Empty && p != columnPixel) {
            drawColumn(column);
            column = TiColumnValues {};
        }
        columnPixel = p;
        column.Add(vx, vy);
        // Take in the rest of the column at once; a gap inside ends it there.
        const int end = ordered ? columnEnd(i, p) : i;
        if (points.FoldPlain(i + 1, end, column, blocks)) {
            i = end + 1;
            continue;
        }
        int k = i + 1;
        for (; k <= end; ++k) {
            const TiPointReader::Kind next = points.Read(k, vx, vy);
            if (next == TiPointReader::Gap)
                break;
            if (next == TiPointReader::Valid)
                column.Add(vx, vy);
        }
        i = k;
    }
    if (!column.Empty)
        drawColumn(column);
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
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
