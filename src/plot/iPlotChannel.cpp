#include "plot/iPlotChannel.h"
#include "plot/iPlotChannelAppend.h"

#include "plot/iPlotAxis.h"
#include "plot/iPlotChannelPainter.h"
#include "plot/iPlotDataLists.h"
#include "plot/iPlotComponent.h"

#include "platform/core/Exception.h"

#include <cmath>
#include <utility>

using namespace vcl;

TiPlotChannelCustom::TiPlotChannelCustom(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                         TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename)),
      FDataList(iCreatePlotDataList(TiPlotDataStyle::ipdsStandard)), FMarkersFont(std::make_unique<TFont>())
{
    FNullList = static_cast<TiPlotDataNullList*>(FDataList.get());
    TiPlotPointDefaults& stored = FDataList->Stored;
    stored.TraceLineColor = 0x0000FF;
    stored.TraceLineWidth = 1;
    stored.TraceLineStyle = TiPlotLineStyle::iplsSolid;
    stored.MarkerSize = 3;
    stored.MarkerPenColor = 0x0000FF;
    stored.MarkerBrushColor = 0x0000FF;
    FMarkersFont->SetColor(clWhite);
    FMarkersFont->SetStyle(TFontStyles { TFontStyle::fsBold });
    FMarkersFont->OnChange = [this](TObject*) { DoChange(); };
}

TiPlotChannelCustom::~TiPlotChannelCustom()
{
    SettleTracking(); // the axes keep what the points showed them
    FMarkersFont->OnChange = nullptr;
}

TiPlotComponent* TiPlotChannelCustom::Plot() const { return dynamic_cast<TiPlotComponent*>(FOwner); }

// ---------------------------------------------------------------- properties

void TiPlotChannelCustom::SetRingBufferSize(int Value)
{
    PointsChanging();
    FDataList->SetRingBufferSize(Value);
    DoChange();
}

void TiPlotChannelCustom::SetMarkersFont(const TFont* Value)
{
    if (Value)
        FMarkersFont->Assign(const_cast<TFont*>(Value));
}

void TiPlotChannelCustom::SetXAxisName(const QString& Value)
{
    if (FXAxisName == Value)
        return;
    FXAxisName = Value;
    ForgetAxes();
    DoChange();
}

void TiPlotChannelCustom::SetYAxisName(const QString& Value)
{
    if (FYAxisName == Value)
        return;
    FYAxisName = Value;
    ForgetAxes();
    DoChange();
}

void TiPlotChannelCustom::SetDataStyle(TiPlotDataStyle Value)
{
    PointsChanging();
    if (FDataStyle == Value)
        return;
    TiPlotPointDefaults defaults = FDataList->Stored;
    const int ringSize = FDataList->RingBufferSize();
    std::unique_ptr<TiPlotDataCustomList> list = iCreatePlotDataList(Value);
    defaults.MarkerCharacter = list->Stored.MarkerCharacter;
    list->Stored = defaults;
    list->SetRingBufferSize(ringSize);
    FDataList = std::move(list);
    FNullList = Value == TiPlotDataStyle::ipdsStandard ? static_cast<TiPlotDataNullList*>(FDataList.get()) : nullptr;
    FDataStyle = Value;
    DoChange();
}

void TiPlotChannelCustom::SetCount(int Value)
{
    PointsChanging();
    FDataList->SetCapacity(Value);
    DoChange();
}

// ---------------------------------------------------------------- axes

TiPlotXAxis* TiPlotChannelCustom::XAxis()
{
    if (!FXAxisLooked) {
        TiPlotComponent* plot = Plot();
        FXAxis = plot ? plot->GetXAxisByName(FXAxisName) : nullptr;
        FXScale = dynamic_cast<IiPlotAxisScale*>(static_cast<TObject*>(FXAxis));
        FXTracking = dynamic_cast<IiPlotAxisTracking*>(static_cast<TObject*>(FXAxis));
        FXAxisLooked = FXAxis != nullptr; // a missing axis is looked for again next time
    }
    return FXAxis;
}

TiPlotYAxis* TiPlotChannelCustom::YAxis()
{
    if (!FYAxisLooked) {
        TiPlotComponent* plot = Plot();
        FYAxis = plot ? plot->GetYAxisByName(FYAxisName) : nullptr;
        FYScale = dynamic_cast<IiPlotAxisScale*>(static_cast<TObject*>(FYAxis));
        FYTracking = dynamic_cast<IiPlotAxisTracking*>(static_cast<TObject*>(FYAxis));
        FYAxisLooked = FYAxis != nullptr;
    }
    return FYAxis;
}

void TiPlotChannelCustom::ForgetAxes()
{
    SettleTracking();
    FXAxis = nullptr;
    FYAxis = nullptr;
    FXScale = nullptr;
    FYScale = nullptr;
    FXTracking = nullptr;
    FYTracking = nullptr;
    FXAxisLooked = false;
    FYAxisLooked = false;
}

void TiPlotChannelCustom::NotificationRemove(TObject* AObject)
{
    if (AObject && (AObject == static_cast<TObject*>(FXAxis) || AObject == static_cast<TObject*>(FYAxis)))
        ForgetAxes();
}

void TiPlotChannelCustom::NotificationRename(TiPlotObject* AObject)
{
    if (dynamic_cast<TiPlotXAxis*>(AObject) && AObject->NameOld().compare(FXAxisName, Qt::CaseInsensitive) == 0)
        FXAxisName = AObject->Name();
    else if (dynamic_cast<TiPlotYAxis*>(AObject) && AObject->NameOld().compare(FYAxisName, Qt::CaseInsensitive) == 0)
        FYAxisName = AObject->Name();
}

double TiPlotChannelCustom::MarkerPadding(int Index, bool XAxisSide)
{
    if (!MarkersVisible())
        return 0.0;
    if (GetNull(Index))
        throw Exception(QStringLiteral("Data Point Null"));
    if (XAxisSide ? !XAxis() : !YAxis())
        throw Exception(XAxisSide ? QStringLiteral("X-Axis not assigned") : QStringLiteral("Y-Axis not assigned"));
    const IiPlotAxisScale* scale = XAxisSide ? XScale() : YScale();
    if (!scale)
        return 0.0;
    return std::fabs(scale->PixelsToPosition(scale->MinPixels() + MarkersSize()) - scale->Min());
}

// ---------------------------------------------------------------- points

int TiPlotChannelCustom::AddXY(double X, double Y) { return AppendPoint(X, Y, false, false); }

int TiPlotChannelCustom::AddPoint(double X, double Y, bool Null, bool Empty) { return AppendPoint(X, Y, Null, Empty); }

void TiPlotChannelCustom::ReportNewPoint()
{
    // The only listener of a channel's changes is its plot's repaint; while that repaint is
    // merging requests, one more would change nothing.
    if (!FRepaintHostLooked)
        LookUpRepaintHost();
    if (!FRepaintHost || !FRepaintHost->RepaintRequestMerged())
        DoChange();
}

void TiPlotChannelCustom::LookUpRepaintHost()
{
    FRepaintHost = dynamic_cast<TiComponent*>(FOwner);
    FRepaintHostLooked = true;
}

bool TiPlotChannelCustom::StartOwingTracking()
{
    SettleTracking(); // owed under other settings
    if (!FNullList || MarkersVisible())
        return false;
    // Each axis that takes the point must take it plainly, in place; an axis that does not take it
    // is owed nothing.
    TiPlotAxis* owed[2] = { nullptr, nullptr };
    const bool enabled[2] = { FXAxisTrackingEnabled, FYAxisTrackingEnabled };
    for (int k = 0; k < 2; ++k) {
        if (!enabled[k])
            continue;
        // A missing axis is looked for at every add; one that takes the values must take them
        // plainly. One that does not take them now is owed them too: it settles before it
        // starts taking values again.
        IiPlotAxisTracking* tracking = k == 0 ? XTracking() : YTracking();
        if (!tracking)
            return false;
        TiPlotAxis* axis = k == 0 ? static_cast<TiPlotAxis*>(FXAxis) : static_cast<TiPlotAxis*>(FYAxis);
        if (tracking->TakesTrackingData() && !axis->TracksPlainly())
            return false;
        owed[k] = axis;
    }
    for (TiPlotAxis* axis : owed)
        if (axis)
            axis->Owe(this);
    FOwedX = owed[0];
    FOwedY = owed[1];
    FTrackOwedMode = TrackingMode();
    FTrackFirst = Count() - 1;
    FTrackPending = 1;
    return true;
}

void TiPlotChannelCustom::PayTracking()
{
    const int first = FTrackFirst;
    const int last = FTrackFirst + FTrackPending - 1;
    FTrackPending = 0;
    TiPlotAxis* x = std::exchange(FOwedX, nullptr);
    TiPlotAxis* y = std::exchange(FOwedY, nullptr);
    if (x)
        x->Forgive(this);
    if (y)
        y->Forgive(this);
    // Point by point, X then Y, as each add would have given them; an axis that cannot take a
    // value in place takes it through its full tracking.
    FNullList->ForEachSpan(first, last, [&](const TiPlotDataNull* p, const TiPlotDataNull* end) {
        for (; p != end; ++p) {
            if (x && x->TakesTrackingData() && !x->TakeQuietly(p->X))
                x->NewTrackingData(p->X);
            if (y && y->TakesTrackingData() && !(p->Extra & (iNullExtra::Null | iNullExtra::Empty))
                && !y->TakeQuietly(p->Y))
                y->NewTrackingData(p->Y);
        }
    });
}

void TiPlotChannelCustom::TrackNewPointExtents()
{
    IiPlotAxisTracking* xScale = FXAxisTrackingEnabled ? XTracking() : nullptr;
    IiPlotAxisTracking* yScale = FYAxisTrackingEnabled ? YTracking() : nullptr;
    const int newest = Count() - 1;
    if ((!xScale && !yScale) || GetNull(newest))
        return;
    if (xScale) {
        xScale->NewTrackingData(GetMarkerExtentXMax(newest));
        xScale->NewTrackingData(GetMarkerExtentXMin(newest));
    }
    if (yScale) {
        yScale->NewTrackingData(GetMarkerExtentYMax(newest));
        yScale->NewTrackingData(GetMarkerExtentYMin(newest));
    }
}

void TiPlotChannelCustom::AddXYArrays(const TVariant& XData, const TVariant& YData)
{
    if (!XData.IsArray() || XData.DimCount() != 1)
        throw Exception(QStringLiteral("X-Data array must be 1 dimensional"));
    if (!YData.IsArray() || YData.DimCount() != 1)
        throw Exception(QStringLiteral("Y-Data array must be 1 dimensional"));
    if (XData.LowBound(1) != YData.LowBound(1))
        throw Exception(QStringLiteral("X-Data and Y-Data low bound dimension must match"));
    if (XData.HighBound(1) != YData.HighBound(1))
        throw Exception(QStringLiteral("X-Data and Y-Data hogh bound dimension must match"));
    for (int i = XData.LowBound(1); i <= XData.HighBound(1); ++i)
        AddPoint(XData.Element({ i }).AsDouble(), YData.Element({ i }).AsDouble(), false, false);
}

void TiPlotChannelCustom::AddXYArray(const TVariant& Data)
{
    if (!Data.IsArray() || Data.DimCount() != 2)
        throw Exception(QStringLiteral("Array Must Be 2 Dimensional"));
    const int first = Data.LowBound(1);
    const int last = Data.HighBound(1);
    if (last - first + 1 != 2)
        throw Exception(QStringLiteral("Array First Dimension Must Be 2 Elements"));
    for (int j = Data.LowBound(2); j <= Data.HighBound(2); ++j)
        AddPoint(Data.Element({ first, j }).AsDouble(), Data.Element({ last, j }).AsDouble(), false, false);
}

void TiPlotChannelCustom::Clear()
{
    SettleTracking(); // the axes keep what the points showed them
    ++FDataVersion; // the statistics start again: points still pending are dropped with them
    if (FLoggingActive)
        LogDeactivate();
    ResetRunning();
    FStartIndex = -1;
    FStopIndex = -1;
    FDataList->Clear();
    DoChange();
}

void TiPlotChannelCustom::DeletePoints(int Size)
{
    PointsChanging();
    if (Size == Count()) {
        if (Size == 0) // nothing to delete: the list's own range error
            FDataList->DeletePoints(Size);
        Clear();
        return;
    }
    FDataList->DeletePoints(Size);
    DoChange();
}

void TiPlotChannelCustom::SetX(int Index, double Value)
{
    PointsChanging();
    FDataList->SetX(Index, Value);
    DoChange();
}

void TiPlotChannelCustom::SetY(int Index, double Value)
{
    PointsChanging();
    FDataList->SetY(Index, Value);
    DoChange();
}

void TiPlotChannelCustom::SetNull(int Index, bool Value)
{
    PointsChanging();
    FDataList->SetNull(Index, Value);
    DoChange();
}

void TiPlotChannelCustom::SetEmpty(int Index, bool Value)
{
    PointsChanging();
    FDataList->SetEmpty(Index, Value);
    DoChange();
}

// ---------------------------------------------------------------- statistics

void TiPlotChannelCustom::FoldPendingRecords() const
{
    const int count = Count();
    const int first = count - FPendingPoints;
    FPendingPoints = 0;
    // Kept in locals through the loop: the compiler cannot tell that the records do not overlap
    // the members, and would take every step through memory.
    TiRangeXY range = FRunningRange;
    TiExtendedSumXY totals = FRunningTotals;
    FNullList->ForEachSpan(first, count - 1, [&](const TiPlotDataNull* from, const TiPlotDataNull* to) {
        for (; from != to; ++from) {
            const TiPairXY point { from->X, from->Y };
            range.Fold(point);
            totals.Add(point);
        }
    });
    FRunningRange = range;
    FRunningTotals = totals;
    FMeansStale = true;
}

void TiPlotChannelCustom::RefreshMeans() const
{
    FoldPendingPoints();
    if (!FMeansStale)
        return;
    FMeansStale = false;
    FRunningXMean = FRunningTotals.X().Over(FRunningCount);
    FRunningYMean = FRunningTotals.Y().Over(FRunningCount);
}

double TiPlotChannelCustom::RunningXMean() const
{
    RefreshMeans();
    return FRunningXMean;
}

double TiPlotChannelCustom::RunningYMean() const
{
    RefreshMeans();
    return FRunningYMean;
}

void TiPlotChannelCustom::ResetRunning()
{
    FRunningRange = TiRangeXY {};
    FPendingPoints = 0;
    FRunningXMean = FRunningYMean = 0.0;
    FRunningTotals = TiExtendedSumXY {};
    FRunningCount = 0;
    FMeansStale = false;
}

namespace {

// Folds every valid point of the channel into Fn(X, Y).
template <typename Fn>
void ForEachValidPoint(const TiPlotChannelCustom& Channel, Fn&& fn)
{
    double x = 0, y = 0;
    bool empty = false, null = false;
    for (int i = 0; i < Channel.Count(); ++i) {
        Channel.GetXYEmptyNull(i, x, y, empty, null);
        if (!empty && !null)
            fn(x, y);
    }
}

} // namespace

double TiPlotChannelCustom::GetXMin()
{
    FoldPendingPoints(); // a recount replaces what the pending points would add
    double result = 1e300;
    ForEachValidPoint(*this, [&](double x, double) { result = std::min(result, x); });
    return FRunningRange.Min[0] = result;
}

double TiPlotChannelCustom::GetXMax()
{
    FoldPendingPoints(); // a recount replaces what the pending points would add
    double result = -1e300;
    ForEachValidPoint(*this, [&](double x, double) { result = std::max(result, x); });
    return FRunningRange.Max[0] = result;
}

double TiPlotChannelCustom::GetYMin()
{
    FoldPendingPoints(); // a recount replaces what the pending points would add
    double result = 1e300;
    ForEachValidPoint(*this, [&](double, double y) { result = std::min(result, y); });
    return FRunningRange.Min[1] = result;
}

double TiPlotChannelCustom::GetYMax()
{
    FoldPendingPoints(); // a recount replaces what the pending points would add
    double result = -1e300;
    ForEachValidPoint(*this, [&](double, double y) { result = std::max(result, y); });
    return FRunningRange.Max[1] = result;
}

double TiPlotChannelCustom::GetXMean()
{
    RefreshMeans();
    FRunningCount = 0;
    TiExtendedSum total;
    ForEachValidPoint(*this, [&](double x, double) {
        ++FRunningCount;
        total.Add(x);
    });
    FRunningTotals.SetX(total);
    return FRunningXMean = total.Over(FRunningCount);
}

double TiPlotChannelCustom::GetYMean()
{
    RefreshMeans();
    FRunningCount = 0;
    TiExtendedSum total;
    ForEachValidPoint(*this, [&](double, double y) {
        ++FRunningCount;
        total.Add(y);
    });
    FRunningTotals.SetY(total);
    return FRunningYMean = total.Over(FRunningCount);
}

void TiPlotChannelCustom::FoldValidPoint(double X, double Y)
{
    FoldRunning(TiPairXY { X, Y });
    ++FRunningCount;
}

void TiPlotChannelCustom::ReCalcRunningMinMaxMean()
{
    ResetRunning();
    ForEachValidPoint(*this, [this](double x, double y) { FoldValidPoint(x, y); });
}

// ---------------------------------------------------------------- drawing

void TiPlotChannelCustom::CalcStartIndex() { FStartIndex = Count() ? 0 : -1; }

void TiPlotChannelCustom::CalcStopIndex() { FStopIndex = Count() - 1; }

void TiPlotChannelCustom::DrawTrace(TCanvas* Canvas, bool XYAxesReversed, TColor BackgroundColor)
{
    TiPlotChannelPainter(*this, XScale(), YScale()).DrawTrace(Canvas, XYAxesReversed, BackgroundColor);
}

void TiPlotChannelCustom::DrawMarkers(TCanvas* Canvas, bool XYAxesReversed, TColor BackgroundColor)
{
    TiPlotChannelPainter(*this, XScale(), YScale()).DrawMarkers(Canvas, XYAxesReversed, BackgroundColor);
}

void TiPlotChannelCustom::DrawMarker(TCanvas* Canvas, int Index, TColor BackgroundColor, TPoint Point)
{
    TiPlotChannelPainter(*this, XScale(), YScale()).DrawMarker(Canvas, Index, BackgroundColor, Point);
}
