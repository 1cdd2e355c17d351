#include "plot/iPlotChannelPainter.h"

#include "plot/iGPText.h"
#include "plot/iPlotBlockSummary.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotDataRecordList.h"

#include "platform/ui/TCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

using namespace vcl;

double iLineYAtX(double X1, double Y1, double X2, double Y2, double X)
{
    if (X1 == X2)
        return 0.0;
    return Y1 + (X - X1) * (Y2 - Y1) / (X2 - X1);
}

double iLineXAtY(double X1, double Y1, double X2, double Y2, double Y)
{
    if (X1 == X2)
        return X2;
    return X1 + (Y - Y1) * (X2 - X1) / (Y2 - Y1);
}

namespace {

bool Within(double Value, double Lo, double Hi) { return Value >= Lo && Value <= Hi; }

TPoint Exchanged(TPoint P, bool Reversed) { return Reversed ? TPoint(P.Y, P.X) : P; }

int PenWidthOf(int TraceWidth) { return TraceWidth == 1 ? 0 : TraceWidth; }

} // namespace

TiPlotChannelPainter::TiPlotChannelPainter(TiPlotChannelCustom& Channel, const IiPlotAxisScale* XScale,
                                           const IiPlotAxisScale* YScale, const IiPlotPercentScale* Percent)
    : FChannel(Channel), FX(XScale), FY(YScale), FPercent(Percent)
{
}

// ---------------------------------------------------------------- trace

// Collects consecutive unclipped segments that stay in one pixel column (a row when the axes are
// exchanged) as the interval of pixels they cover, and draws that interval as one line. The pixels
// are those of the separate segments: each segment covers its start and leaves out its end, so the
// segments of one column cover one unbroken interval, which is tracked exactly.
class TiPlotChannelPainter::ColumnRuns
{
public:
    ColumnRuns(TCanvas* Canvas, bool Reversed) : m_canvas(Canvas), m_reversed(Reversed) {}

    // A run starts at the pixel P (along: the X-axis pixel, across: the Y-axis pixel).
    void Start(TPoint P)
    {
        Flush();
        m_active = true;
        m_column = P.X;
        m_end = P.Y;
        m_empty = true;
    }

    // Adds the unclipped segment from the run's end to P; false when P leaves the column.
    bool Extend(TPoint P)
    {
        if (!m_active || P.X != m_column)
            return false;
        if (P.Y != m_end) {
            const int from = P.Y > m_end ? m_end : P.Y + 1;
            const int to = P.Y > m_end ? P.Y - 1 : m_end;
            if (m_empty) {
                m_lo = from;
                m_hi = to;
                m_empty = false;
            } else {
                m_lo = std::min(m_lo, from);
                m_hi = std::max(m_hi, to);
            }
        }
        m_end = P.Y;
        return true;
    }

    // Takes in the pixels Lo..Hi of the run's column and makes End the run's end. The caller vouches
    // that each of them is lit by a segment of the run or by the segment leaving the column.
    void Cover(int Lo, int Hi, int End)
    {
        if (m_empty) {
            m_lo = Lo;
            m_hi = Hi;
            m_empty = false;
        } else {
            m_lo = std::min(m_lo, Lo);
            m_hi = std::max(m_hi, Hi);
        }
        m_end = End;
    }

    int Column() const { return m_column; }

    void Flush()
    {
        if (m_active && !m_empty) {
            // The one-pixel line over m_lo..m_hi, filled as the rectangle of the same pixels.
            TBrush* brush = m_canvas->Brush();
            const TColor color = brush->Color();
            const TBrushStyle style = brush->Style();
            brush->SetStyle(TBrushStyle::bsSolid);
            brush->SetColor(m_canvas->Pen()->Color());
            const TRect line(m_column, m_lo, m_column + 1, m_hi + 1);
            m_canvas->FillRect(m_reversed ? TRect(line.Top, line.Left, line.Bottom, line.Right) : line);
            brush->SetColor(color);
            brush->SetStyle(style);
        }
        m_active = false;
    }

    void Stop() { Flush(); }

private:
    TCanvas* m_canvas;
    bool m_reversed;
    bool m_active { false };
    bool m_empty { true };
    int m_column { 0 };
    int m_end { 0 };
    int m_lo { 0 };
    int m_hi { 0 };
};

void TiPlotChannelPainter::SetTracePen(TCanvas* Canvas, int Index) const
{
    TPen* pen = Canvas->Pen();
    if (Index < 0) {
        pen->SetColor(FChannel.Color());
        pen->SetStyle(static_cast<TPenStyle>(FChannel.TraceLineStyle()));
        pen->SetWidth(PenWidthOf(FChannel.TraceLineWidth()));
        return;
    }
    pen->SetColor(FChannel.GetPointTraceLineColor(Index));
    pen->SetStyle(static_cast<TPenStyle>(FChannel.GetPointTraceLineStyle(Index)));
    pen->SetWidth(PenWidthOf(FChannel.GetPointTraceLineWidth(Index)));
}

bool TiPlotChannelPainter::CanMergeColumns(const TCanvas* Canvas) const
{
    // A list that keeps trace settings per point may change the pen from point to point.
    return FChannel.DataStyle() != TiPlotDataStyle::ipdsFullFeature && Canvas->Pen()->Width() <= 1
        && Canvas->Pen()->Style() == TPenStyle::psSolid && Canvas->Pen()->Mode() == TPenMode::pmCopy;
}

bool TiPlotChannelPainter::InsideValues(double X, double Y) const
{
    if (!Within(X, FX->Min(), FX->Max()))
        return false;
    if (!FChannel.ClipToAxes())
        return true;
    return Within(Y, FY->Min(), FY->Max()) && FX->ValueOnScale(X) && FY->ValueOnScale(Y);
}

bool TiPlotChannelPainter::DrawsUnclipped(double X1, double Y1, double X2, double Y2) const
{
    return X2 >= X1 && InsideValues(X1, Y1) && InsideValues(X2, Y2);
}

void TiPlotChannelPainter::DrawTrace(TCanvas* Canvas, bool XYAxesReversed, TColor)
{
    if (!FChannel.TraceVisible() || !FX || !FY)
        return;
    SetTracePen(Canvas, -1);
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    const int start = FChannel.DrawStartIndex();
    const int stop = FChannel.DrawStopIndex();
    if (stop <= start || start < 0)
        return;
    const bool merge = CanMergeColumns(Canvas);
    ColumnRuns runs(Canvas, XYAxesReversed);
    // Columns are folded from the records while X is in order; after a few refusals (X out of
    // order, gaps) the points are taken one by one.
    FFoldRecords = merge && !FChannel.ClipToAxes() && FX->PixelsFollowValues() && FY->PixelsFollowValues()
        ? dynamic_cast<const TiPlotDataRecordList<TiPlotDataNull>*>(&FChannel.DataList())
        : nullptr;
    FFoldStop = stop;
    FFoldBlocks = FFoldRecords && FBlocks && FBlocks->Update(*FFoldRecords, FChannel.DataVersion()) ? FBlocks : nullptr;
    int foldRefusals = 0;
    bool lineBreak = true;
    double prevX = 0, prevY = 0;
    // Right after a run starts at point i: take in the rest of its column at once.
    auto fold = [&](int& i) {
        if (!FFoldRecords || foldRefusals > 64)
            return;
        const int last = FoldColumn(runs, i, runs.Column(), prevX, prevY);
        if (last == i)
            ++foldRefusals;
        i = last;
    };
    for (int i = start; i <= stop; ++i) {
        double x = 0, y = 0;
        bool empty = false, null = false;
        FChannel.GetXYEmptyNull(i, x, y, empty, null);
        if (empty)
            continue;
        if (null) {
            lineBreak = true;
            continue;
        }
        if (lineBreak) {
            lineBreak = false;
            prevX = x;
            prevY = y;
            if (merge) {
                runs.Stop();
                if (InsideValues(x, y)) {
                    runs.Start(TPoint(FX->PositionToPixels(x), FY->PositionToPixels(y)));
                    fold(i);
                }
            }
            continue;
        }
        if (merge && DrawsUnclipped(prevX, prevY, x, y)) {
            const TPoint p(FX->PositionToPixels(x), FY->PositionToPixels(y));
            if (!runs.Extend(p)) {
                runs.Stop();
                const TPoint from(FX->PositionToPixels(prevX), FY->PositionToPixels(prevY));
                Canvas->Polyline({ Exchanged(from, XYAxesReversed), Exchanged(p, XYAxesReversed) });
                runs.Start(p);
                prevX = x;
                prevY = y;
                fold(i);
                continue;
            }
        } else {
            runs.Stop();
            if (!merge)
                SetTracePen(Canvas, i);
            DrawSegment(Canvas, XYAxesReversed, prevX, prevY, x, y, false);
            if (merge && InsideValues(x, y)) {
                runs.Start(TPoint(FX->PositionToPixels(x), FY->PositionToPixels(y)));
                prevX = x;
                prevY = y;
                fold(i);
                continue;
            }
        }
        prevX = x;
        prevY = y;
    }
    runs.Stop();
}

// The run at point From stands in pixel column Column. When X keeps its order from From to the
// point after the column's last one, every point among them is valid and inside the X range and
// the point after lies in a later column, the segments inside the column light the pixels between
// the column's smallest and largest Y pixel, except perhaps the last point's own pixel, which the
// segment leaving the column lights anyway (it is drawn unclipped from there). Then the column is
// taken in as that one interval and the index of its last point returned, with its X and Y in
// LastX and LastY; otherwise nothing changes and From is returned.
int TiPlotChannelPainter::FoldColumn(ColumnRuns& Runs, int From, int Column, double& LastX, double& LastY) const
{
    const TiPlotDataRecordList<TiPlotDataNull>& records = *FFoldRecords;
    const int stop = FFoldStop;
    auto pixel = [&](int Index) { return FX->PositionToPixels(records.Record(Index).X); };
    // The column's last point, found on the assumption that X is in order (checked below).
    int lo = From;
    int step = 1;
    while (lo + step <= stop && pixel(lo + step) == Column) {
        lo += step;
        step *= 2;
    }
    int hi = std::min(lo + step, stop + 1);
    while (hi - lo > 1) {
        const int mid = lo + (hi - lo) / 2;
        if (pixel(mid) == Column)
            lo = mid;
        else
            hi = mid;
    }
    const int last = lo;
    if (last == From || last >= stop)
        return From;
    const TiPlotDataNull& first = records.Record(From);
    double x = first.X;
    double yMin = first.Y, yMax = first.Y;
    bool ordered = true;
    std::uint16_t marks = 0;
    auto loose = [&](const TiPlotDataNull* p, const TiPlotDataNull* end) {
        for (; p != end; ++p) {
            marks |= p->Extra;
            ordered &= p->X >= x && p->Y == p->Y;
            x = p->X;
            yMin = p->Y < yMin ? p->Y : yMin;
            yMax = p->Y > yMax ? p->Y : yMax;
        }
    };
    // A whole block takes the same steps at once: its extremes are exact when it is in order.
    auto whole = [&](const TiPlotBlockSummary::Block& b) {
        marks |= b.Marks;
        ordered &= b.Ordered && b.XFirst >= x;
        x = b.XLast;
        yMin = b.YMin < yMin ? b.YMin : yMin;
        yMax = b.YMax > yMax ? b.YMax : yMax;
    };
    if (FFoldBlocks)
        FFoldBlocks->ForEachPiece(records, From + 1, last, whole, loose);
    else
        records.ForEachSpan(From + 1, last, loose);
    const TiPlotDataNull& next = records.Record(last + 1);
    marks |= next.Extra;
    if (!ordered || (marks & (iNullExtra::Null | iNullExtra::Empty)) || !(next.X >= x) || next.X > FX->Max())
        return From;
    const TiPlotDataNull& end = records.Record(last);
    const int a = FY->PositionToPixels(yMin);
    const int b = FY->PositionToPixels(yMax);
    Runs.Cover(std::min(a, b), std::max(a, b), FY->PositionToPixels(end.Y));
    LastX = end.X;
    LastY = end.Y;
    return last;
}

void TiPlotChannelPainter::DrawSegment(TCanvas* Canvas, bool XYAxesReversed, double X1, double Y1, double X2,
                                       double Y2, bool YIsPercent)
{
    if (!FX || (!FY && !YIsPercent) || (YIsPercent && !FPercent))
        return;
    TiPlotValuePoint l { X1, Y1 };
    TiPlotValuePoint r { X2, Y2 };
    if (X2 < X1)
        std::swap(l, r);
    const double xMin = FX->Min();
    const double xMax = FX->Max();
    const bool visibleX = Within(l.X, xMin, xMax) || Within(r.X, xMin, xMax) || (l.X < xMin && r.X > xMax);
    const bool clipY = FChannel.ClipToAxes() && !YIsPercent;
    bool visibleY = true;
    if (clipY) {
        const double yMin = FY->Min();
        const double yMax = FY->Max();
        visibleY = Within(l.Y, yMin, yMax) || Within(r.Y, yMin, yMax) || (l.Y < yMin && r.Y > yMax)
            || (r.Y < yMin && l.Y > yMax);
    }
    if (!visibleX || !visibleY)
        return;
    const TiPlotValuePoint l0 = l, r0 = r;
    if (l.X < xMin)
        l = { xMin, iLineYAtX(l0.X, l0.Y, r0.X, r0.Y, xMin) };
    if (r.X > xMax)
        r = { xMax, iLineYAtX(l0.X, l0.Y, r0.X, r0.Y, xMax) };
    bool lInside = true, rInside = true;
    if (FChannel.ClipToAxes()) {
        if (YIsPercent) {
            lInside = FX->ValueOnScale(l.X);
            rInside = FX->ValueOnScale(r.X);
        } else {
            const double yMin = FY->Min();
            const double yMax = FY->Max();
            const TiPlotValuePoint a = l, b = r;
            for (TiPlotValuePoint* end : { &l, &r }) {
                if (end->Y < yMin)
                    *end = { iLineXAtY(a.X, a.Y, b.X, b.Y, yMin), yMin };
                else if (end->Y > yMax)
                    *end = { iLineXAtY(a.X, a.Y, b.X, b.Y, yMax), yMax };
            }
            lInside = FX->ValueOnScale(l.X) && FY->ValueOnScale(l.Y);
            rInside = FX->ValueOnScale(r.X) && FY->ValueOnScale(r.Y);
        }
    }
    if (!lInside || !rInside)
        return;
    auto pixel = [&](const TiPlotValuePoint& v) {
        int y = 0;
        if (YIsPercent)
            y = XYAxesReversed ? FPercent->PositionPercentToPixelsX(v.Y) : FPercent->PositionPercentToPixelsY(v.Y);
        else
            y = FY->PositionToPixels(v.Y);
        return Exchanged(TPoint(FX->PositionToPixels(v.X), y), XYAxesReversed);
    };
    Canvas->Polyline({ pixel(l), pixel(r) });
}

// ---------------------------------------------------------------- markers

bool TiPlotChannelPainter::IsMarkerDrawable(int Index) const
{
    if (!FChannel.MarkersVisible() || !FChannel.GetValid(Index) || !FX || !FY)
        return false;
    if (FChannel.MarkersAllowIndividual() && !FChannel.GetPointMarkerVisible(Index))
        return false;
    if (FChannel.ClipToAxes())
        return FX->ValueOnScale(FChannel.GetX(Index)) && FY->ValueOnScale(FChannel.GetY(Index));
    return true;
}

TPoint TiPlotChannelPainter::GetPointPixel(int Index) const
{
    if (!FX || !FY)
        return TPoint(0, 0);
    const TPoint p(FX->PositionToPixels(FChannel.GetX(Index)), FY->PositionToPixels(FChannel.GetY(Index)));
    return Exchanged(p, FChannel.XYAxesReversed());
}

TRect TiPlotChannelPainter::GetMarkerRect(int Index) const
{
    const TPoint p = GetPointPixel(Index);
    const int s = FChannel.MarkersAllowIndividual() ? FChannel.GetPointMarkerSize(Index) : FChannel.MarkersSize();
    return TRect(p.X - s, p.Y - s, p.X + s, p.Y + s);
}

void TiPlotChannelPainter::DrawMarkers(TCanvas* Canvas, bool XYAxesReversed, TColor BackgroundColor)
{
    if (!FChannel.MarkersVisible())
        return;
    Canvas->Font()->Assign(FChannel.MarkersFont());
    const int start = FChannel.DrawStartIndex();
    const int stop = FChannel.DrawStopIndex();
    const int limit = FChannel.MarkersTurnOffLimit();
    if (limit > 0 && std::abs(stop - start) > limit)
        return;
    if (start < 0)
        return;
    for (int i = start; i <= stop; ++i) {
        if (!IsMarkerDrawable(i))
            continue;
        const TPoint p(FX->PositionToPixels(FChannel.GetX(i)), FY->PositionToPixels(FChannel.GetY(i)));
        DrawMarker(Canvas, i, BackgroundColor, Exchanged(p, XYAxesReversed));
    }
}

void TiPlotChannelPainter::DrawMarker(TCanvas* Canvas, int Index, TColor BackgroundColor, TPoint Point)
{
    if (!FChannel.MarkersVisible())
        return;
    TiPlotMarkerStyle style = FChannel.MarkersStyle();
    int r = FChannel.MarkersSize();
    TPen* pen = Canvas->Pen();
    TBrush* brush = Canvas->Brush();
    const TColor channelColor = FChannel.Color();
    char16_t character = FChannel.DataList().Stored.MarkerCharacter;
    if (Index >= 0 && FChannel.MarkersAllowIndividual()) {
        style = FChannel.GetPointMarkerStyle(Index);
        r = FChannel.GetPointMarkerSize(Index);
        pen->SetWidth(FChannel.GetPointMarkerPenWidth(Index));
        pen->SetStyle(FChannel.GetPointMarkerPenStyle(Index));
        brush->SetStyle(FChannel.GetPointMarkerBrushStyle(Index));
        pen->SetColor(FChannel.MarkersPenUseChannelColor() ? channelColor : FChannel.GetPointMarkerPenColor(Index));
        brush->SetColor(FChannel.MarkersBrushUseChannelColor() ? channelColor : FChannel.GetPointMarkerBrushColor(Index));
    } else {
        if (Index < 0)
            r = std::min(r, 6);
        pen->SetWidth(FChannel.MarkersPenWidth());
        pen->SetStyle(FChannel.MarkersPenStyle());
        pen->SetColor(FChannel.MarkersPenUseChannelColor() ? channelColor : FChannel.MarkersPenColor());
        brush->SetColor(FChannel.MarkersBrushUseChannelColor() ? channelColor : FChannel.MarkersBrushColor());
        brush->SetStyle(FChannel.MarkersBrushStyle());
    }
    if (Index >= 0)
        character = FChannel.GetPointMarkerCharacter(Index);
    const int x = Point.X;
    const int y = Point.Y;
    switch (style) {
    case TiPlotMarkerStyle::ipmsCircle:
        Canvas->Ellipse(x - r, y - r, x + r, y + r);
        break;
    case TiPlotMarkerStyle::ipmsSquare:
        Canvas->Rectangle(x - r, y - r, x + r, y + r);
        break;
    case TiPlotMarkerStyle::ipmsDiamond:
        Canvas->Polygon({ TPoint(x + r, y), TPoint(x, y + r), TPoint(x - r, y), TPoint(x, y - r) });
        break;
    case TiPlotMarkerStyle::ipmsCross:
        Canvas->Polyline({ TPoint(x + r, y + r), TPoint(x - r, y - r) });
        Canvas->Polyline({ TPoint(x + r, y - r), TPoint(x - r, y + r) });
        break;
    case TiPlotMarkerStyle::ipmsPlus:
        Canvas->Polyline({ TPoint(x, y + r), TPoint(x, y - r) });
        Canvas->Polyline({ TPoint(x + r, y), TPoint(x - r, y) });
        break;
    case TiPlotMarkerStyle::ipmsTriangleUp:
        Canvas->Polygon({ TPoint(x - r, y + r), TPoint(x, y), TPoint(x + r, y + r) });
        break;
    case TiPlotMarkerStyle::ipmsTriangleDown:
        Canvas->Polygon({ TPoint(x - r, y - r), TPoint(x, y), TPoint(x + r, y - r) });
        break;
    case TiPlotMarkerStyle::ipmsTriangleLeft:
        Canvas->Polygon({ TPoint(x + r, y - r), TPoint(x, y), TPoint(x + r, y + r) });
        break;
    case TiPlotMarkerStyle::ipmsTriangleRight:
        Canvas->Polygon({ TPoint(x - r, y - r), TPoint(x, y), TPoint(x - r, y + r) });
        break;
    case TiPlotMarkerStyle::ipmsVerticalLine:
        Canvas->Polyline({ TPoint(x, y - r), TPoint(x, y + r) });
        break;
    case TiPlotMarkerStyle::ipmsHorizontalLine:
        Canvas->Polyline({ TPoint(x - r, y), TPoint(x + r, y) });
        break;
    case TiPlotMarkerStyle::ipmsCharacter:
        if (character != 0) {
            brush->SetStyle(TBrushStyle::bsClear);
            (void)BackgroundColor;
            TRect cell(x, y, x, y);
            iDrawText(Canvas, QString(QChar(character)), cell,
                      iTextFlag::Center | iTextFlag::VCenter | iTextFlag::SingleLine | iTextFlag::NoClip, true,
                      clBtnFace);
        }
        break;
    }
}

// ---------------------------------------------------------------- strip-chart geometry

void TiPlotChannelPainter::DrawValuePolygon(TCanvas* Canvas, bool XYAxesReversed, TiPlotValuePoint P1,
                                            TiPlotValuePoint P2, TiPlotValuePoint P3, TiPlotValuePoint P4) const
{
    if (!FX || !FY)
        return;
    std::vector<TPoint> points;
    for (const TiPlotValuePoint& v : { P1, P2, P3, P4 })
        points.push_back(Exchanged(TPoint(FX->PositionToPixels(v.X), FY->PositionToPixels(v.Y)), XYAxesReversed));
    Canvas->Polygon(points);
}

TRect TiPlotChannelPainter::GetValueRect(double X1, double Y1, double X2, double Y2) const
{
    if (!FX || !FY)
        return TRect();
    int x1 = FX->PositionToPixels(X1), x2 = FX->PositionToPixels(X2);
    int y1 = FY->PositionToPixels(Y1), y2 = FY->PositionToPixels(Y2);
    if (FChannel.XYAxesReversed()) {
        std::swap(x1, y1);
        std::swap(x2, y2);
    }
    return TRect(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}
