#pragma once
// The add of one point that every channel's adds share, inlined into each of them: a strip chart
// or XY channel fed millions of points spends its time here, so the common case (a standard list,
// an axis that only widens in place, a repaint already pending, no logging) runs straight through
// without a call, and leaves the running statistics to be brought up to date when next needed.

#include "plot/iComponent.h"
#include "plot/iPlotAxis.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotDataLists.h"

inline int TiPlotChannelCustom::AppendPoint(double X, double Y, bool Null, bool Empty)
{
    int index = 0;
    if (FNullList && !FNullList->NextAddOverwrites()) [[likely]] {
        index = FNullList->Append(X, Y, Null, Empty);
        ++FPendingPoints;
    } else {
        // Points waiting to be taken into the statistics or by the axes may be about to leave a
        // full ring.
        SettleTracking();
        FoldPendingPoints();
        index = FNullList ? FNullList->Append(X, Y, Null, Empty) : FDataList->Add(X, Y, Null, Empty);
        FoldRunning(TiPairXY { X, Y });
    }
    ++FRunningCount;
    // Tracking leaves a merging repaint merging; ReportNewPoint asks again before it reports.
    const bool merged = FRepaintHost && FRepaintHost->RepaintRequestMerged();
    // Under a merging repaint, plain tracking axes take the new values in blocks, when next read.
    if ((FXAxisTrackingEnabled || FYAxisTrackingEnabled) && !(merged && OweTracking())) [[unlikely]] {
        SettleTracking();
        if (MarkersVisible()) {
            TrackNewPointExtents();
        } else {
            // While a repaint is on its way, an axis moved in place needs no change reported.
            IiPlotAxisTracking* x = FXAxisTrackingEnabled ? XTracking() : nullptr;
            if (x && x->TakesTrackingData() && !(merged && FXAxis->TrackQuietly(X)))
                x->NewTrackingData(X);
            IiPlotAxisTracking* y = FYAxisTrackingEnabled && !Null && !Empty ? YTracking() : nullptr;
            if (y && y->TakesTrackingData() && !(merged && FYAxis->TrackQuietly(Y)))
                y->NewTrackingData(Y);
        }
    }
    if (!merged) [[unlikely]]
        ReportNewPoint();
    if (FLoggingActive) [[unlikely]]
        BufferLogPoint();
    return index;
}

inline bool TiPlotChannelCustom::QuietAppendReady() const
{
    const auto axisQuiet = [](bool Enabled, bool Looked, const IiPlotAxisTracking* Axis) {
        return !Enabled || (Looked && (!Axis || !Axis->TakesTrackingData()));
    };
    return FNullList && FNullList->HasRoom() && FRepaintHost && FRepaintHost->RepaintRequestMerged()
        && axisQuiet(FXAxisTrackingEnabled, FXAxisLooked, FXTracking)
        && axisQuiet(FYAxisTrackingEnabled, FYAxisLooked, FYTracking) && !FNullList->Stored.MarkerVisible
        && !FLoggingActive;
}

inline int TiPlotChannelCustom::QuietAppend(double X, double Y)
{
    const int index = FNullList->AppendInRoom(X, Y);
    ++FPendingPoints;
    ++FRunningCount;
    return index;
}
