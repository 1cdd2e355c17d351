#pragma once
// Draws a channel against two axis scales: the trace through its points with the clipped segment
// under it, the markers in their twelve shapes, the legend sample, and the small geometry routines
// the strip chart uses for fills and bars.

#include "plot/iPlotValueScale.h"

#include "platform/core/TColor.h"
#include "platform/core/Types.h"

class TiPlotBlockSummary;
class TiPlotChannelCustom;
struct TiPlotDataNull;
template <typename Rec>
class TiPlotDataRecordList;

namespace vcl {
class TCanvas;
}

struct TiPlotValuePoint
{
    double X { 0.0 };
    double Y { 0.0 };
};

// The Y of the line through the two points at X (0 when X1 = X2).
double iLineYAtX(double X1, double Y1, double X2, double Y2, double X);
// The X of that line at Y (X2 when X1 = X2).
double iLineXAtY(double X1, double Y1, double X2, double Y2, double Y);

class TiPlotChannelPainter
{
public:
    // Scales may be null: then nothing that needs them is drawn. Percent maps YIsPercent values.
    TiPlotChannelPainter(TiPlotChannelCustom& Channel, const IiPlotAxisScale* XScale, const IiPlotAxisScale* YScale,
                         const IiPlotPercentScale* Percent = nullptr);

    // A block summary of the channel's standard list that the trace may bring up to date and read
    // whole columns from; it stays the caller's, from paint to paint.
    void SetBlockSummary(TiPlotBlockSummary* Blocks) { FBlocks = Blocks; }

    // The channel's points from DrawStartIndex to DrawStopIndex. Runs of segments that stay in one
    // pixel column are drawn as the one line of pixels they cover.
    void DrawTrace(vcl::TCanvas* Canvas, bool XYAxesReversed, vcl::TColor BackgroundColor);
    void DrawMarkers(vcl::TCanvas* Canvas, bool XYAxesReversed, vcl::TColor BackgroundColor);
    // Index -1: the legend sample.
    void DrawMarker(vcl::TCanvas* Canvas, int Index, vcl::TColor BackgroundColor, vcl::TPoint Point);
    void DrawSegment(vcl::TCanvas* Canvas, bool XYAxesReversed, double X1, double Y1, double X2, double Y2,
                     bool YIsPercent);
    bool IsMarkerDrawable(int Index) const;
    vcl::TPoint GetPointPixel(int Index) const;
    vcl::TRect GetMarkerRect(int Index) const;
    void DrawValuePolygon(vcl::TCanvas* Canvas, bool XYAxesReversed, TiPlotValuePoint P1, TiPlotValuePoint P2,
                          TiPlotValuePoint P3, TiPlotValuePoint P4) const;
    vcl::TRect GetValueRect(double X1, double Y1, double X2, double Y2) const;

private:
    class ColumnRuns;
    // True when the pen draws every segment as plain one-pixel lines, so runs can be merged.
    bool CanMergeColumns(const vcl::TCanvas* Canvas) const;
    // True when DrawSegment would draw the line between the two values unclipped.
    bool DrawsUnclipped(double X1, double Y1, double X2, double Y2) const;
    bool InsideValues(double X, double Y) const;
    int FoldColumn(ColumnRuns& Runs, int From, int Column, double& LastX, double& LastY) const;
    void SetTracePen(vcl::TCanvas* Canvas, int Index) const;

    TiPlotChannelCustom& FChannel;
    const IiPlotAxisScale* FX;
    const IiPlotAxisScale* FY;
    const IiPlotPercentScale* FPercent;
    // The standard list's records when a trace may fold whole columns from them, else null.
    const TiPlotDataRecordList<TiPlotDataNull>* FFoldRecords { nullptr };
    int FFoldStop { -1 };
    TiPlotBlockSummary* FBlocks { nullptr };
    // FBlocks, when it is up to date with the records being folded.
    const TiPlotBlockSummary* FFoldBlocks { nullptr };
};
