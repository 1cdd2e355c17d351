#pragma once
// The channel base: the owned point list, the axes it is drawn against, running statistics, axis
// tracking and every trace, marker and legend setting. TiPlotChannel (strip chart) and
// TiXYPlotChannel derive from it.

#include "plot/iPlotChannelPainter.h"
#include "plot/iPlotValueScale.h"
#include "plot/iPlotDataList.h"
#include "plot/iPlotDecorationEvents.h"
#include "plot/iPlotObjects.h"
#include "plot/iPlotTypes.h"

#include "platform/core/Variant.h"
#include "platform/ui/TFont.h"

#include <cmath>
#include <memory>

class TiPlotAxis;
class TiPlotChannelCustom;

// A running total kept to more than double precision: a double sum and the error of its roundings
// (compensated summation), so long runs of points keep an exact mean.
struct TiExtendedSum
{
    double Sum { 0.0 };
    double Error { 0.0 };

    void Add(double Value)
    {
        // The exact rounding error of Sum + Value, found without a branch (two-sum).
        const double t = Sum + Value;
        const double v = t - Sum;
        Error += (Sum - (t - v)) + (Value - v);
        Sum = t;
    }
    double Over(int Count) const { return Count ? (Sum + Error) / Count : 0.0; }
};

// Two doubles side by side in one vector register: a point's X and Y, worked on together.
using TiPairXY = double __attribute__((vector_size(16)));

// The X and Y totals of a channel, summed side by side: each add reads back both sums the previous
// add wrote, and one whole-register round trip through memory is much cheaper than two halves read
// from one wide store.
struct TiExtendedSumXY
{
    TiPairXY Sum { 0.0, 0.0 };
    TiPairXY Error { 0.0, 0.0 };

    void Add(TiPairXY Value)
    {
        const TiPairXY t = Sum + Value;
        const TiPairXY v = t - Sum;
        Error += (Sum - (t - v)) + (Value - v);
        Sum = t;
    }
    TiExtendedSum X() const { return { Sum[0], Error[0] }; }
    TiExtendedSum Y() const { return { Sum[1], Error[1] }; }
    void SetX(const TiExtendedSum& Total)
    {
        Sum[0] = Total.Sum;
        Error[0] = Total.Error;
    }
    void SetY(const TiExtendedSum& Total)
    {
        Sum[1] = Total.Sum;
        Error[1] = Total.Error;
    }
};

// The smallest and largest X and Y seen, kept side by side like the totals. A NaN never replaces a
// kept value.
struct TiRangeXY
{
    TiPairXY Min { 1e300, 1e300 };
    TiPairXY Max { -1e300, -1e300 };

    void Fold(TiPairXY Value)
    {
        Max = Value > Max ? Value : Max;
        Min = Value < Min ? Value : Min;
    }
};

class TiPlotXAxis;
class TiPlotYAxis;
class TiComponent;
class TiPlotDataNullList;
class TiOPCManager;
class TiPlotDataCursor;
class TiOPCItemManager;

// The class of new channels: constructs one with the owner and the four manager callbacks.
using TiPlotChannelCustomClass = TiPlotChannelCustom* (*)(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange,
                                                          vcl::TNotifyEvent AOnInsert, vcl::TNotifyEvent AOnRemove,
                                                          vcl::TNotifyEvent AOnRename);

enum class TiPlotChannelDataPointMoveStyle { ipcdpmsXandY, ipcdpmsXOnly, ipcdpmsYOnly };
enum class TiPlotDataPointStatus { ipdpsValid, ipdpsNull, ipdpsEmpty };

class TiPlotChannelCustom : public TiPlotManagerObject, public IiPlotTrackingDebtor
{
public:
    TiPlotChannelCustom(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
                        vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
    ~TiPlotChannelCustom() override;
    const vcl::TPropertyTable* PublishedProperties() const override;

    // --- published ---
    const QString& TitleText() const { return FTitleText; }
    void SetTitleText(const QString& Value) { SetStringProperty(Value, FTitleText, &TiPlotObject::DoChange); }
    bool VisibleInLegend() const { return FVisibleInLegend; }
    void SetVisibleInLegend(bool Value) { SetBooleanProperty(Value, FVisibleInLegend, &TiPlotObject::DoChange); }
    bool ClipToAxes() const { return FClipToAxes; }
    void SetClipToAxes(bool Value) { SetBooleanProperty(Value, FClipToAxes, &TiPlotObject::DoChange); }
    bool ShowDataPointHints() const { return FShowDataPointHints; }
    void SetShowDataPointHints(bool Value) { FShowDataPointHints = Value; }
    bool UserCanMoveDataPoints() const { return FUserCanMoveDataPoints; }
    void SetUserCanMoveDataPoints(bool Value) { FUserCanMoveDataPoints = Value; }
    TiPlotChannelDataPointMoveStyle UserCanMoveDataPointsStyle() const { return FUserCanMoveDataPointsStyle; }
    void SetUserCanMoveDataPointsStyle(TiPlotChannelDataPointMoveStyle Value) { FUserCanMoveDataPointsStyle = Value; }
    int RingBufferSize() const { return FDataList->RingBufferSize(); }
    void SetRingBufferSize(int Value);
    bool TraceVisible() const { return FTraceVisible; }
    void SetTraceVisible(bool Value) { SetBooleanProperty(Value, FTraceVisible, &TiPlotObject::DoChange); }
    bool MarkersAllowIndividual() const { return FMarkersAllowIndividual; }
    void SetMarkersAllowIndividual(bool Value) { SetBooleanProperty(Value, FMarkersAllowIndividual, &TiPlotObject::DoChange); }
    bool MarkersPenUseChannelColor() const { return FMarkersPenUseChannelColor; }
    void SetMarkersPenUseChannelColor(bool Value) { SetBooleanProperty(Value, FMarkersPenUseChannelColor, &TiPlotObject::DoChange); }
    bool MarkersBrushUseChannelColor() const { return FMarkersBrushUseChannelColor; }
    void SetMarkersBrushUseChannelColor(bool Value) { SetBooleanProperty(Value, FMarkersBrushUseChannelColor, &TiPlotObject::DoChange); }
    int MarkersTurnOffLimit() const { return FMarkersTurnOffLimit; }
    void SetMarkersTurnOffLimit(int Value) { SetIntegerProperty(Value, FMarkersTurnOffLimit, &TiPlotObject::DoChange); }

    // The settings kept in the point list always report a change when written, even unchanged.
    vcl::TColor Color() const { return Stored().TraceLineColor; }
    void SetColor(vcl::TColor Value) { SetStored(&TiPlotPointDefaults::TraceLineColor, Value); }
    TiPlotLineStyle TraceLineStyle() const { return Stored().TraceLineStyle; }
    void SetTraceLineStyle(TiPlotLineStyle Value) { SetStored(&TiPlotPointDefaults::TraceLineStyle, Value); }
    int TraceLineWidth() const { return Stored().TraceLineWidth; }
    void SetTraceLineWidth(int Value) { SetStored(&TiPlotPointDefaults::TraceLineWidth, Value); }
    bool MarkersVisible() const { return Stored().MarkerVisible; }
    void SetMarkersVisible(bool Value) { SetStored(&TiPlotPointDefaults::MarkerVisible, Value); }
    int MarkersSize() const { return Stored().MarkerSize; }
    void SetMarkersSize(int Value) { SetStored(&TiPlotPointDefaults::MarkerSize, Value); }
    TiPlotMarkerStyle MarkersStyle() const { return Stored().MarkerStyle; }
    void SetMarkersStyle(TiPlotMarkerStyle Value) { SetStored(&TiPlotPointDefaults::MarkerStyle, Value); }
    vcl::TColor MarkersPenColor() const { return Stored().MarkerPenColor; }
    void SetMarkersPenColor(vcl::TColor Value) { SetStored(&TiPlotPointDefaults::MarkerPenColor, Value); }
    vcl::TPenStyle MarkersPenStyle() const { return Stored().MarkerPenStyle; }
    void SetMarkersPenStyle(vcl::TPenStyle Value) { SetStored(&TiPlotPointDefaults::MarkerPenStyle, Value); }
    int MarkersPenWidth() const { return Stored().MarkerPenWidth; }
    void SetMarkersPenWidth(int Value) { SetStored(&TiPlotPointDefaults::MarkerPenWidth, Value); }
    vcl::TColor MarkersBrushColor() const { return Stored().MarkerBrushColor; }
    void SetMarkersBrushColor(vcl::TColor Value) { SetStored(&TiPlotPointDefaults::MarkerBrushColor, Value); }
    vcl::TBrushStyle MarkersBrushStyle() const { return Stored().MarkerBrushStyle; }
    void SetMarkersBrushStyle(vcl::TBrushStyle Value) { SetStored(&TiPlotPointDefaults::MarkerBrushStyle, Value); }
    vcl::TFont* MarkersFont() const { return FMarkersFont.get(); }
    void SetMarkersFont(const vcl::TFont* Value);

    const QString& XAxisName() const { return FXAxisName; }
    void SetXAxisName(const QString& Value);
    const QString& YAxisName() const { return FYAxisName; }
    void SetYAxisName(const QString& Value);
    bool XAxisTrackingEnabled() const { return FXAxisTrackingEnabled; }
    void SetXAxisTrackingEnabled(bool Value) { SetBooleanProperty(Value, FXAxisTrackingEnabled, &TiPlotObject::DoChange); }
    bool YAxisTrackingEnabled() const { return FYAxisTrackingEnabled; }
    void SetYAxisTrackingEnabled(bool Value) { SetBooleanProperty(Value, FYAxisTrackingEnabled, &TiPlotObject::DoChange); }
    int LogBufferSize() const { return FLogBufferSize; }
    void SetLogBufferSize(int Value) { FLogBufferSize = Value; }
    bool LoggingActive() const { return FLoggingActive; }
    TiPlotDataStyle DataStyle() const { return FDataStyle; }
    // Every point is lost; the stored defaults and the ring-buffer size carry over.
    void SetDataStyle(TiPlotDataStyle Value);
    vcl::TVariant Tag;

    // --- public ---
    // The axes named by XAxisName and YAxisName in the owning plot, looked up on first use.
    TiPlotXAxis* XAxis();
    TiPlotYAxis* YAxis();
    // Their value-to-pixel mapping, or null when the axis is missing or cannot map.
    IiPlotAxisScale* XScale() { return FXAxisLooked ? FXScale : (XAxis(), FXScale); }
    IiPlotAxisScale* YScale() { return FYAxisLooked ? FYScale : (YAxis(), FYScale); }
    // Their tracking feed, or null when the axis is missing or does not track.
    IiPlotAxisTracking* XTracking() { return FXAxisLooked ? FXTracking : (XAxis(), FXTracking); }
    IiPlotAxisTracking* YTracking() { return FYAxisLooked ? FYTracking : (YAxis(), FYTracking); }

    double XFirst() const { return Count() ? GetX(0) : -1.0; }
    double XLast() const { return Count() ? GetX(Count() - 1) : -1.0; }
    double YFirst() const { return Count() ? GetY(0) : -1.0; }
    double YLast() const { return Count() ? GetY(Count() - 1) : -1.0; }
    int IndexFirst() const { return Count() ? 0 : -1; }
    int IndexLast() const { return Count() - 1; }
    int DrawStartIndex() const { return FStartIndex; }
    int DrawStopIndex() const { return FStopIndex; }
    int DataPointSize() const { return FDataList->DataPointSize(); }
    int MaxDataPoints() const { return FDataList->MaxDataPoints(); }
    int Capacity() const { return FDataList->Capacity(); }
    std::int64_t MemoryUsed() const { return FDataList->MemoryUsed(); }
    int Count() const { return FDataList->Count(); }
    // Reserves room, or truncates when smaller.
    void SetCount(int Value);
    int RunningCount() const { return FRunningCount; }
    double RunningXMin() const { return RunningRange().Min[0]; }
    double RunningXMax() const { return RunningRange().Max[0]; }
    double RunningXMean() const;
    double RunningYMin() const { return RunningRange().Min[1]; }
    double RunningYMax() const { return RunningRange().Max[1]; }
    double RunningYMean() const;
    const TiPlotDataCustomList& DataList() const { return *FDataList; }
    // Counts every change of points other than adding them (edits, deletes, a new list), so that
    // what is worked out from the points can tell when to work it out again.
    std::uint64_t DataVersion() const { return FDataVersion; }

    // --- points ---
    virtual int AddXY(double X, double Y);
    // The common add of every channel class: list, running statistics, tracking, change.
    int AddPoint(double X, double Y, bool Null, bool Empty);
    // One point per element pair of two one-dimensional arrays with the same bounds.
    void AddXYArrays(const vcl::TVariant& XData, const vcl::TVariant& YData);
    // One point per column of a two-row array: row one holds X, row two Y.
    void AddXYArray(const vcl::TVariant& Data);
    void Clear();
    // Size = Count empties the channel through Clear; otherwise the oldest Size points go.
    void DeletePoints(int Size);
    void GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty, bool& Null) const
    {
        FDataList->GetXYEmptyNull(Index, X, Y, Empty, Null);
    }
    double GetX(int Index) const { return FDataList->GetX(Index); }
    double GetY(int Index) const { return FDataList->GetY(Index); }
    bool GetNull(int Index) const { return FDataList->GetNull(Index); }
    bool GetEmpty(int Index) const { return FDataList->GetEmpty(Index); }
    bool GetValid(int Index) const { return !GetNull(Index) && !GetEmpty(Index); }
    void SetX(int Index, double Value);
    void SetY(int Index, double Value);
    void SetNull(int Index, bool Value);
    void SetEmpty(int Index, bool Value);
    vcl::TColor GetPointTraceLineColor(int Index) const { return FDataList->GetTraceLineColor(Index); }
    TiPlotLineStyle GetPointTraceLineStyle(int Index) const { return FDataList->GetTraceLineStyle(Index); }
    int GetPointTraceLineWidth(int Index) const { return FDataList->GetTraceLineWidth(Index); }
    bool GetPointMarkerVisible(int Index) const { return FDataList->GetMarkerVisible(Index); }
    int GetPointMarkerSize(int Index) const { return FDataList->GetMarkerSize(Index); }
    TiPlotMarkerStyle GetPointMarkerStyle(int Index) const { return FDataList->GetMarkerStyle(Index); }
    vcl::TColor GetPointMarkerPenColor(int Index) const { return FDataList->GetMarkerPenColor(Index); }
    int GetPointMarkerPenWidth(int Index) const { return FDataList->GetMarkerPenWidth(Index); }
    vcl::TPenStyle GetPointMarkerPenStyle(int Index) const { return FDataList->GetMarkerPenStyle(Index); }
    vcl::TColor GetPointMarkerBrushColor(int Index) const { return FDataList->GetMarkerBrushColor(Index); }
    vcl::TBrushStyle GetPointMarkerBrushStyle(int Index) const { return FDataList->GetMarkerBrushStyle(Index); }
    char16_t GetPointMarkerCharacter(int Index) const { return FDataList->GetMarkerCharacter(Index); }

    // A point's value padded by one marker size in axis units (the bare value without markers).
    double GetMarkerExtentXMax(int Index) { return GetX(Index) + MarkerPadding(Index, true); }
    double GetMarkerExtentXMin(int Index) { return GetX(Index) - MarkerPadding(Index, true); }
    double GetMarkerExtentYMax(int Index) { return GetY(Index) + MarkerPadding(Index, false); }
    double GetMarkerExtentYMin(int Index) { return GetY(Index) - MarkerPadding(Index, false); }

    // --- statistics over the valid points (each also updates its running field) ---
    double GetXMin();
    double GetXMax();
    double GetXMean();
    double GetYMin();
    double GetYMax();
    double GetYMean();
    void ReCalcRunningMinMaxMean();

    void SetLegendRect(const vcl::TRect& Rect) { FLegendRect = Rect; }
    vcl::TRect LegendRect() const { return FLegendRect; }

    // --- drawing (the painter does the work) ---
    virtual void CalcStartIndex();
    virtual void CalcStopIndex();
    virtual double GetZoomXMax() { return -1e300; }
    virtual double GetZoomXMin() { return 1e300; }
    virtual double GetZoomYMax() { return -1e300; }
    virtual double GetZoomYMin() { return 1e300; }
    virtual void DrawTrace(vcl::TCanvas* Canvas, bool XYAxesReversed, vcl::TColor BackgroundColor);
    virtual void DrawMarkers(vcl::TCanvas* Canvas, bool XYAxesReversed, vcl::TColor BackgroundColor);
    // Index -1 draws the legend sample.
    void DrawMarker(vcl::TCanvas* Canvas, int Index, vcl::TColor BackgroundColor, vcl::TPoint Point);

    // --- data cursor (iPlotChannelCursor.cpp) ---
    // Measures for Cursor at its pointers, hands it the values and sets its display text.
    virtual void CalcDataCursor(TiPlotDataCursor* Cursor);
    // The X axis's cursor text of Value, or "No X-Axis" without one (translated).
    QString GetXValueText(double Value);
    // The Y axis's cursor text of Value, or "No Y-Axis" without one.
    QString GetYValueText(double Value);
    // The texts of the last measurement.
    const QString& DataCursorXText() const { return FDataCursorXText; }
    const QString& DataCursorYText() const { return FDataCursorYText; }
    // The values and point status of the last measurement.
    double DataCursorXValue() const { return FDataCursorXValue; }
    double DataCursorYValue() const { return FDataCursorYValue; }
    TiPlotDataPointStatus DataCursorStatus() const { return FDataCursorStatus; }

    // --- the channel's own files and log (iPlotChannelFiles.cpp) ---
    // "File Type = Plot Channel Config" and the published properties as "Channel.<name>" lines;
    // failures raise "Error Saving Properties - " / "Error Loading Properties - " and the reason.
    void SavePropertiesToFile(const QString& FileName);
    void LoadPropertiesFromFile(const QString& FileName);
    // One "X<separator>Y" line per point (Empty points left out, Null as "Null").
    void SaveDataToFile(const QString& FileName);
    void LoadDataFromFile(const QString& FileName, bool ClearPreviousData);
    const QString& LogFileName() const { return FLogFileName; }
    // Raises while logging is active.
    void SetLogFileName(const QString& Value);
    void LogActivate(bool Append);
    void LogDeactivate();
    int LogBufferCount() const { return FLogBufferCount; }

    // --- mouse (iPlotChannelMouse.cpp): the legend entry always; markers and bars in select mode ---
    bool iMouseHitTest(const TiPlotMouseData& MouseData) override;
    vcl::TCursor GetMouseCursor(vcl::TPoint Point) override;
    // Another object taking the selection deselects the channel, unless it is a legend or a data
    // cursor reading this channel.
    void NotificationSetFocus(TiPlotObject* AObject) override;
    void AddMenuItems(vcl::TPopupMenu* PopupMenu) override;
    int SelectDataIndex() const { return FSelectDataIndex; }

    void NotificationRemove(vcl::TObject* AObject) override;
    // A renamed axis that this channel is drawn against keeps it, under the new name.
    void NotificationRename(TiPlotObject* AObject) override;

protected:
    QString CursorTexts(TiPlotDataCursorStyle Style, TiPlotDataPointStatus Status, double X, double Y);
    QString FDataCursorXText;
    QString FDataCursorYText;
    double FDataCursorXValue { 0.0 };
    double FDataCursorYValue { 0.0 };
    TiPlotDataPointStatus FDataCursorStatus { TiPlotDataPointStatus::ipdpsValid };
    void DoMouseHint(const TiPlotMouseData& MouseData, TiHintData& HintData) override;
    void DoMouseLeft(const TiPlotMouseData& MouseData) override;
    void DoMouseMove(const TiPlotMouseData& MouseData) override;
    void DoMouseUp(const TiPlotMouseData& MouseData) override;
    // Whether points are hit on their bars, and the rectangle a point is hit in.
    virtual bool BarsHit() const { return false; }
    virtual vcl::TRect GetHitRect(int Index);
    // The painter over this channel's axes.
    TiPlotChannelPainter Painter();

    const TiPlotPointDefaults& Stored() const { return FDataList->Stored; }
    template <typename T>
    void SetStored(T TiPlotPointDefaults::*Field, T Value)
    {
        FDataList->Stored.*Field = Value;
        DoChange();
    }
    // The plot that owns the channel, or null.
    class TiPlotComponent* Plot() const;
    double MarkerPadding(int Index, bool XAxisSide);
    void ResetRunning();
    void FoldValidPoint(double X, double Y);
    // Takes a point into the running range and totals.
    void FoldRunning(TiPairXY Point) const
    {
        FRunningRange.Fold(Point);
        FRunningTotals.Add(Point);
        FMeansStale = true;
    }
    // The running statistics take in the points added since they were last brought up to date;
    // done before they are read and before the points change in any way but an add.
    void FoldPendingPoints() const
    {
        if (FPendingPoints) [[unlikely]]
            FoldPendingRecords();
    }
    // The running range, brought up to date.
    const TiRangeXY& RunningRange() const
    {
        FoldPendingPoints();
        return FRunningRange;
    }
    // Before a change of the points other than an add: statistics up to date, data version moved.
    void PointsChanging()
    {
        SettleTracking();
        FoldPendingPoints();
        ++FDataVersion;
    }
    // The axes take in the values of the points they are still owed, in the order the points came.
    void SettleTracking() override
    {
        if (FTrackPending) [[unlikely]]
            PayTracking();
    }
    void PayTracking();
    // Leaves the tracking of the point just added owed to the axes, when they track it plainly and
    // a repaint is on its way; false when the point must be tracked now.
    bool OweTracking()
    {
        if (FTrackPending && FTrackOwedMode == TrackingMode()) [[likely]] {
            ++FTrackPending;
            return true;
        }
        return StartOwingTracking();
    }
    bool StartOwingTracking();
    // The channel settings a debt of tracking was taken under.
    int TrackingMode() const
    {
        return int(FXAxisTrackingEnabled) | int(FYAxisTrackingEnabled) << 1 | int(MarkersVisible()) << 2;
    }
    // The add behind AddPoint, inlined into the adds of every point (iPlotChannelAppend.h).
    inline int AppendPoint(double X, double Y, bool Null, bool Empty);
    // True when the add of a valid point would only store it and count it: a standard list with
    // room, a repaint already on its way, no axis that takes the point, no markers, no logging.
    inline bool QuietAppendReady() const;
    // That add, for a valid point when QuietAppendReady holds; returns the new point's index.
    inline int QuietAppend(double X, double Y);

    std::unique_ptr<TiPlotDataCustomList> FDataList;
    // FDataList when it is the standard list, whose adds are made without a virtual call.
    TiPlotDataNullList* FNullList { nullptr };
    int FStartIndex { -1 };
    int FStopIndex { -1 };
    std::uint64_t FDataVersion { 0 };
    // The FTrackPending points from index FTrackFirst on (the newest) have not been given to the
    // axes FOwedX and FOwedY yet.
    int FTrackFirst { 0 };
    int FTrackPending { 0 };
    int FTrackOwedMode { 0 };
    TiPlotAxis* FOwedX { nullptr };
    TiPlotAxis* FOwedY { nullptr };
    int FSelectDataIndex { -1 };
    vcl::TRect FSelectHitTestRect;
    bool FSelectMouseDown { false };
    int FSelectMouseDownIndex { -1 };
    int FMouseDownDataIndex { -1 };
    vcl::TRect FSelectDownRect;
    double FMouseDownValueX { 0.0 };
    double FMouseDownValueY { 0.0 };
    int FMouseDownPixelX { 0 };
    int FMouseDownPixelY { 0 };

private:
    // Counts a point added while logging and writes the buffer when it is full.
    void BufferLogPoint();
    void WriteLogBuffer();
    QChar ColumnSeparator() const;
    // Feeds the tracking axes the newest point padded by one marker size.
    void TrackNewPointExtents();
    // Asks for the repaint of a new point unless one already pending takes it in.
    void ReportNewPoint();
    void LookUpRepaintHost();
    void RefreshMeans() const;
    void FoldPendingRecords() const;
    void ForgetAxes();

    TiPlotXAxis* FXAxis { nullptr };
    TiPlotYAxis* FYAxis { nullptr };
    IiPlotAxisScale* FXScale { nullptr };
    IiPlotAxisScale* FYScale { nullptr };
    IiPlotAxisTracking* FXTracking { nullptr };
    IiPlotAxisTracking* FYTracking { nullptr };
    bool FXAxisLooked { false };
    bool FYAxisLooked { false };
    TiComponent* FRepaintHost { nullptr };
    bool FRepaintHostLooked { false };
    QString FTitleText;
    QString FXAxisName;
    QString FYAxisName;
    bool FXAxisTrackingEnabled { true };
    bool FYAxisTrackingEnabled { true };
    bool FLoggingActive { false };
    int FLogBufferSize { 0 };
    int FLogBufferCount { 0 };
    QString FLogFileName;
    QChar FLoadingSeparator { u'\t' };
    bool FMarkersAllowIndividual { false };
    int FMarkersTurnOffLimit { 0 };
    vcl::TRect FLegendRect;
    bool FVisibleInLegend { true };
    bool FClipToAxes { false };
    bool FShowDataPointHints { false };
    bool FUserCanMoveDataPoints { false };
    TiPlotChannelDataPointMoveStyle FUserCanMoveDataPointsStyle { TiPlotChannelDataPointMoveStyle::ipcdpmsXandY };
    bool FMarkersBrushUseChannelColor { true };
    bool FMarkersPenUseChannelColor { true };
    bool FTraceVisible { true };
    int FRunningCount { 0 };
    // The running range and totals lag behind the adds of a standard list that is not a full ring:
    // those adds only count the points, and the newest FPendingPoints points of the list are
    // taken in, in one tight loop, when the statistics are read or the points change in any way
    // but an add (FoldPendingPoints). The totals come out bit for bit as if each point had been
    // taken in as it came.
    mutable TiRangeXY FRunningRange;
    mutable TiExtendedSumXY FRunningTotals;
    mutable int FPendingPoints { 0 };
    // The means follow the totals; they are worked out when read.
    mutable double FRunningXMean { 0 };
    mutable double FRunningYMean { 0 };
    mutable bool FMeansStale { false };
    TiPlotDataStyle FDataStyle { TiPlotDataStyle::ipdsStandard };
    std::unique_ptr<vcl::TFont> FMarkersFont;
};

// Users of the channel base reach the XY channel through this header too.
#include "plot/iXYPlotChannel.h"
#include "plot/iPlotStripChannel.h"
