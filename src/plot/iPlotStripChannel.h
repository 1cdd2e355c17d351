#pragma once
// The strip-chart channel (TiPlotChannel): a series whose X normally grows, taken in with X-order
// checks, elapsed-time X values and an OPC feed; drawn only over the part the X axis shows, as a
// straight, fast, curved, stepped or digital trace with fills, bars and high-low symbols.

#include "plot/iPlotBlockSummary.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotDataLists.h"
#include "plot/iPlotDecorationEvents.h"

#include <cstdint>
#include <memory>
#include <vector>

class TiOPCManager;
class TiOPCItemManager;
class TiPlotChannelPainter;

enum class TiPlotInterpolationStyle {
    ipistStraightLine,
    ipistCubicSpline,
    ipistPolynomial,
    ipistRational,
    ipistDifferential,
    ipistDifferentialTerminated
};
enum class TiPlotHighLowStyle { iphlsOpenClose, iphlsCandleStick };
enum class TiPlotDigitalReferenceStyle { ipdrScale, ipdrPercent };
// Where the X of a point fed by the OPC item comes from.
enum class TiOPCXValueSourceStyle {
    iopcxvsOPCServerTimeStamp,
    iopcxvsSystemTimeStamp,
    iopcxvsElapsedTime,
    iopcxvsElapsedSeconds,
    iopcxvsOPCItem
};

// A data cursor's pointers as percentages of its data view, and what the channel read at them.
struct TiPlotCursorQuery
{
    TiPlotDataCursorStyle Style { TiPlotDataCursorStyle::ipcsValueXY };
    double Pointer1Position { 50.0 };
    double Pointer2Position { 50.0 };
    // The data view's percent-to-pixel mapping; without one the cursor keeps its values.
    const IiPlotPercentScale* DataView { nullptr };
    // The X axis's factor for cursor values.
    double CursorScaler { 1.0 };
};

struct TiPlotCursorReading
{
    TiPlotDataPointStatus Status { TiPlotDataPointStatus::ipdpsValid };
    double X { 0.0 };
    double Y { 0.0 };
    QString XText;
    QString YText;
    QString Text;
};

// The value remembered for one pixel column by the last paint of a curve.
struct TiPlotPixelPoint
{
    bool Null { true };
    int XPixel { 0 };
    double YValue { 0.0 };
};

class TiPlotChannel : public TiPlotChannelCustom
{
public:
    TiPlotChannel(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
                  vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
    ~TiPlotChannel() override;
    static TiPlotChannelCustom* Construct(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange,
                                          vcl::TNotifyEvent AOnInsert, vcl::TNotifyEvent AOnRemove,
                                          vcl::TNotifyEvent AOnRename);
    const vcl::TPropertyTable* PublishedProperties() const override;

    // --- published ---
    bool FastDrawEnabled() const { return FFastDrawEnabled; }
    void SetFastDrawEnabled(bool Value) { SetBooleanProperty(Value, FFastDrawEnabled, &TiPlotObject::DoChange); }
    bool AllowOutOfOrderXValues() const { return FAllowOutOfOrderXValues; }
    void SetAllowOutOfOrderXValues(bool Value) { FAllowOutOfOrderXValues = Value; }
    bool DrawOutOfOrderXValues() const { return FDrawOutOfOrderXValues; }
    void SetDrawOutOfOrderXValues(bool Value) { SetBooleanProperty(Value, FDrawOutOfOrderXValues, &TiPlotObject::DoChange); }
    bool ResetStartTimeOnFirstDataPoint() const { return FResetStartTimeOnFirstDataPoint; }
    void SetResetStartTimeOnFirstDataPoint(bool Value) { FResetStartTimeOnFirstDataPoint = Value; }
    TiPlotInterpolationStyle InterpolationStyle() const { return FInterpolationStyle; }
    void SetInterpolationStyle(TiPlotInterpolationStyle Value);

    bool FillEnabled() const { return FFillEnabled; }
    void SetFillEnabled(bool Value) { SetBooleanProperty(Value, FFillEnabled, &TiPlotObject::DoChange); }
    double FillReference() const { return FFillReference; }
    void SetFillReference(double Value) { SetDoubleProperty(Value, FFillReference, &TiPlotObject::DoChange); }
    vcl::TBrushStyle FillStyle() const { return FFillStyle; }
    void SetFillStyle(vcl::TBrushStyle Value);
    vcl::TColor FillColor() const { return FFillColor; }
    void SetFillColor(vcl::TColor Value) { SetColorProperty(Value, FFillColor, &TiPlotObject::DoChange); }
    bool FillUseChannelColor() const { return FFillUseChannelColor; }
    void SetFillUseChannelColor(bool Value) { SetBooleanProperty(Value, FFillUseChannelColor, &TiPlotObject::DoChange); }

    bool DigitalEnabled() const { return FDigitalEnabled; }
    void SetDigitalEnabled(bool Value) { SetBooleanProperty(Value, FDigitalEnabled, &TiPlotObject::DoChange); }
    TiPlotDigitalReferenceStyle DigitalReferenceStyle() const { return FDigitalReferenceStyle; }
    void SetDigitalReferenceStyle(TiPlotDigitalReferenceStyle Value);
    double DigitalReferenceLow() const { return FDigitalReferenceLow; }
    void SetDigitalReferenceLow(double Value) { SetDoubleProperty(Value, FDigitalReferenceLow, &TiPlotObject::DoChange); }
    double DigitalReferenceHigh() const { return FDigitalReferenceHigh; }
    void SetDigitalReferenceHigh(double Value) { SetDoubleProperty(Value, FDigitalReferenceHigh, &TiPlotObject::DoChange); }

    TiPlotHighLowStyle HighLowStyle() const { return FHighLowStyle; }
    void SetHighLowStyle(TiPlotHighLowStyle Value);
    bool HighLowEnabled() const { return FHighLowEnabled; }
    void SetHighLowEnabled(bool Value) { SetBooleanProperty(Value, FHighLowEnabled, &TiPlotObject::DoChange); }
    vcl::TColor HighLowBarColor() const { return FHighLowBarColor; }
    void SetHighLowBarColor(vcl::TColor Value) { SetColorProperty(Value, FHighLowBarColor, &TiPlotObject::DoChange); }
    double HighLowBarWidth() const { return FHighLowBarWidth; }
    void SetHighLowBarWidth(double Value) { SetDoubleProperty(Value, FHighLowBarWidth, &TiPlotObject::DoChange); }
    bool HighLowOpenShow() const { return FHighLowOpenShow; }
    void SetHighLowOpenShow(bool Value) { SetBooleanProperty(Value, FHighLowOpenShow, &TiPlotObject::DoChange); }
    vcl::TColor HighLowOpenColor() const { return FHighLowOpenColor; }
    void SetHighLowOpenColor(vcl::TColor Value) { SetColorProperty(Value, FHighLowOpenColor, &TiPlotObject::DoChange); }
    double HighLowOpenWidth() const { return FHighLowOpenWidth; }
    void SetHighLowOpenWidth(double Value) { SetDoubleProperty(Value, FHighLowOpenWidth, &TiPlotObject::DoChange); }
    double HighLowOpenHeight() const { return FHighLowOpenHeight; }
    void SetHighLowOpenHeight(double Value) { SetDoubleProperty(Value, FHighLowOpenHeight, &TiPlotObject::DoChange); }
    bool HighLowCloseShow() const { return FHighLowCloseShow; }
    void SetHighLowCloseShow(bool Value) { SetBooleanProperty(Value, FHighLowCloseShow, &TiPlotObject::DoChange); }
    vcl::TColor HighLowCloseColor() const { return FHighLowCloseColor; }
    void SetHighLowCloseColor(vcl::TColor Value) { SetColorProperty(Value, FHighLowCloseColor, &TiPlotObject::DoChange); }
    double HighLowCloseWidth() const { return FHighLowCloseWidth; }
    void SetHighLowCloseWidth(double Value) { SetDoubleProperty(Value, FHighLowCloseWidth, &TiPlotObject::DoChange); }
    double HighLowCloseHeight() const { return FHighLowCloseHeight; }
    void SetHighLowCloseHeight(double Value) { SetDoubleProperty(Value, FHighLowCloseHeight, &TiPlotObject::DoChange); }
    vcl::TColor HighLowShadowColor() const { return FHighLowShadowColor; }
    void SetHighLowShadowColor(vcl::TColor Value) { SetColorProperty(Value, FHighLowShadowColor, &TiPlotObject::DoChange); }
    vcl::TColor HighLowBullishColor() const { return FHighLowBullishColor; }
    void SetHighLowBullishColor(vcl::TColor Value) { SetColorProperty(Value, FHighLowBullishColor, &TiPlotObject::DoChange); }
    vcl::TColor HighLowBearishColor() const { return FHighLowBearishColor; }
    void SetHighLowBearishColor(vcl::TColor Value) { SetColorProperty(Value, FHighLowBearishColor, &TiPlotObject::DoChange); }

    bool BarEnabled() const { return FBarEnabled; }
    void SetBarEnabled(bool Value) { SetBooleanProperty(Value, FBarEnabled, &TiPlotObject::DoChange); }
    bool BarPenUseChannelColor() const { return FBarPenUseChannelColor; }
    void SetBarPenUseChannelColor(bool Value) { SetBooleanProperty(Value, FBarPenUseChannelColor, &TiPlotObject::DoChange); }
    bool BarBrushUseChannelColor() const { return FBarBrushUseChannelColor; }
    void SetBarBrushUseChannelColor(bool Value) { SetBooleanProperty(Value, FBarBrushUseChannelColor, &TiPlotObject::DoChange); }
    // The bar settings live in the point list's stored defaults, which each new point takes over.
    double BarReference() const { return Stored().BarReference; }
    void SetBarReference(double Value) { SetStored(&TiPlotPointDefaults::BarReference, Value); }
    double BarWidth() const { return Stored().BarWidth; }
    void SetBarWidth(double Value) { SetStored(&TiPlotPointDefaults::BarWidth, Value); }
    vcl::TColor BarPenColor() const { return Stored().BarPenColor; }
    void SetBarPenColor(vcl::TColor Value) { SetStored(&TiPlotPointDefaults::BarPenColor, Value); }
    int BarPenWidth() const { return Stored().BarPenWidth; }
    void SetBarPenWidth(int Value) { SetStored(&TiPlotPointDefaults::BarPenWidth, Value); }
    vcl::TPenStyle BarPenStyle() const { return Stored().BarPenStyle; }
    void SetBarPenStyle(vcl::TPenStyle Value) { SetStored(&TiPlotPointDefaults::BarPenStyle, Value); }
    vcl::TColor BarBrushColor() const { return Stored().BarBrushColor; }
    void SetBarBrushColor(vcl::TColor Value) { SetStored(&TiPlotPointDefaults::BarBrushColor, Value); }
    vcl::TBrushStyle BarBrushStyle() const { return Stored().BarBrushStyle; }
    void SetBarBrushStyle(vcl::TBrushStyle Value) { SetStored(&TiPlotPointDefaults::BarBrushStyle, Value); }

    // --- OPC: item 0 feeds Y (or X with iopcxvsOPCItem), item 1 feeds Y with iopcxvsOPCItem ---
    QString OPCGroupName() const;
    void SetOPCGroupName(const QString& Value);
    QString OPCComputerName() const;
    void SetOPCComputerName(const QString& Value);
    QString OPCServerName() const;
    void SetOPCServerName(const QString& Value);
    QString OPCItemName() const;
    void SetOPCItemName(const QString& Value);
    QString OPCItem2Name() const;
    void SetOPCItem2Name(const QString& Value);
    int OPCUpdateRate() const;
    void SetOPCUpdateRate(int Value);
    double OPCScalar() const;
    void SetOPCScalar(double Value);
    double OPCOffset() const;
    void SetOPCOffset(double Value);
    double OPCScalar2() const;
    void SetOPCScalar2(double Value);
    double OPCOffset2() const;
    void SetOPCOffset2(double Value);
    bool OPCAutoConnect() const;
    void SetOPCAutoConnect(bool Value);
    TiOPCXValueSourceStyle OPCXValueSource() const { return FOPCXValueSource; }
    void SetOPCXValueSource(TiOPCXValueSourceStyle Value) { FOPCXValueSource = Value; }
    bool OPCActive() const;
    bool OPCQualityGood() const;
    void OPCActivate();
    void OPCActivateSuspend();
    void OPCDeactivate();
    void OPCUpdateSuspend();
    void OPCUpdateResume();
    TiOPCManager* OPCManager() const { return FOPCManager.get(); }
    TiOPCItemManager* OPCItemManager() const { return FOPCItemManager.get(); }

    // --- data entry: each returns the new point's index ---
    double ElapsedStartTime() const { return FElapsedStartTime; }
    void SetElapsedStartTime(double Value) { FElapsedStartTime = Value; }
    void ResetElapsedStartTime();
    // With AllowOutOfOrderXValues False, an X against the series' direction raises and adds nothing.
    int AddXY(double X, double Y) override;
    int AddXNull(double X);
    int AddXEmpty(double X);
    // X is the current date-time in days.
    int AddYNow(double Y);
    // X is the time since ElapsedStartTime, in days or in seconds.
    int AddYElapsedTime(double Y);
    int AddYElapsedSeconds(double Y);
    // One point per element of a one-dimensional array, XInterval apart, the first at the last point's X.
    void AddYArray(double XInterval, const vcl::TVariant& YData);
    // The prices are kept only by a full-feature list; no running statistics.
    int AddHighLow(double X, double High, double Low, double Open, double Close);

    // --- per point ---
    double GetHigh(int Index) const { return FDataList->GetHigh(Index); }
    double GetLow(int Index) const { return FDataList->GetLow(Index); }
    double GetOpen(int Index) const { return FDataList->GetOpen(Index); }
    double GetClose(int Index) const { return FDataList->GetClose(Index); }
    bool GetPointBarVisible(int Index) const { return FDataList->GetBarVisible(Index); }
    double GetPointBarReference(int Index) const { return FDataList->GetBarReference(Index); }
    double GetPointBarWidth(int Index) const { return FDataList->GetBarWidth(Index); }
    vcl::TColor GetPointBarPenColor(int Index) const { return FDataList->GetBarPenColor(Index); }
    int GetPointBarPenWidth(int Index) const { return FDataList->GetBarPenWidth(Index); }
    vcl::TPenStyle GetPointBarPenStyle(int Index) const { return FDataList->GetBarPenStyle(Index); }
    vcl::TColor GetPointBarBrushColor(int Index) const { return FDataList->GetBarBrushColor(Index); }
    vcl::TBrushStyle GetPointBarBrushStyle(int Index) const { return FDataList->GetBarBrushStyle(Index); }

    // --- visible range and look-up ---
    void CalcStartIndex() override;
    void CalcStopIndex() override;
    // The first index at or beyond Target in the series' direction; -1 outside the series.
    int CalcIndex(double TargetValue);
    // Linear in pixels between the neighbours of XValue (the held level on a digital channel).
    bool GetYInterpolated(double XValue, double& YValue);
    TiPlotDataPointStatus GetCursorYValue(double& YValue, double TargetValue);
    double GetZoomXMax() override;
    double GetZoomXMin() override;
    double GetZoomYMax() override;
    double GetZoomYMin() override;
    // Measures at the cursor's pointers and hands it the values and texts; without an axis or a
    // data view the cursor keeps what it had.
    void CalcDataCursor(TiPlotDataCursor* Cursor) override;
    // The same measurement on plain values; false when an axis or the data view is missing.
    bool ReadDataCursor(const TiPlotCursorQuery& Query, TiPlotCursorReading& Reading);
    bool XIncreasing() const { return FXIncreasing; }
    int PixelListStart() const { return FPixelListStart; }
    int PixelListStop() const { return FPixelListStop; }
    int PixelListCount() const { return static_cast<int>(FPixelList.size()); }
    const TiPlotPixelPoint& PixelPoint(int Index) const { return FPixelList.at(static_cast<size_t>(Index)); }

    // --- drawing ---
    void PrepareDraw() override;
    void Draw(vcl::TCanvas* Canvas, vcl::TColor BackGroundColor) override;
    void DrawTrace(vcl::TCanvas* Canvas, bool XYAxesReversed, vcl::TColor BackgroundColor) override;
    void DrawMarkers(vcl::TCanvas* Canvas, bool XYAxesReversed, vcl::TColor BackgroundColor) override;
    // The rectangle a point's bar covers, which hit testing also uses.
    vcl::TRect GetBarRect(int Index);
    int PixelsHigh() const { return FPixelsHigh; }
    int PixelsLow() const { return FPixelsLow; }

    void NotifyInsert() override;

    // Besides the points' markers and bars: a right click near the curve, for its popup menu.
    bool iMouseHitTest(const TiPlotMouseData& MouseData) override;

protected:
    bool BarsHit() const override { return FBarEnabled; }
    vcl::TRect GetHitRect(int Index) override;

private:
    enum class XOrder { Increasing, Decreasing };
    // Before an add: the elapsed-time origin moves to now for the first point when asked to.
    void ResetStartTimeIfFirst();
    void CheckXOrder(double X);
    [[gnu::noinline]] int AddXYChecked(double X, double Y);
    void RememberXOrder(int Count);
    void NoteAddedX(int CountBefore, double X);
    // Whether the order check's memory still describes a list of Count points.
    bool OrderMemoFollows(int Count) const { return Count == FOrderMemo.Count && DataVersion() == FOrderMemo.Version; }
    void UpdateXIncreasing();
    int SearchX(double Target) const;
    bool IsDesigning() const;
    void OPCItemNewData(vcl::TObject* Item);
    void OPCGroupUpdate();

    // Drawing steps (iPlotStripChannelDraw.cpp).
    void DrawStraightFill(vcl::TCanvas* Canvas, TiPlotChannelPainter& Painter, bool Reversed);
    void DrawBars(vcl::TCanvas* Canvas, TiPlotChannelPainter& Painter);
    void DrawFastTrace(vcl::TCanvas* Canvas, TiPlotChannelPainter& Painter, bool Reversed);
    void DrawCurveTraces(vcl::TCanvas* Canvas, TiPlotChannelPainter& Painter, bool Reversed);
    void DrawCurve(vcl::TCanvas* Canvas, TiPlotChannelPainter& Painter, bool Reversed, const std::vector<double>& X,
                   const std::vector<double>& Y, int n);
    void DrawStepTrace(vcl::TCanvas* Canvas, TiPlotChannelPainter& Painter, bool Reversed);
    void DrawDigitalTrace(vcl::TCanvas* Canvas, TiPlotChannelPainter& Painter, bool Reversed);
    void DrawHighLow(vcl::TCanvas* Canvas, bool Reversed);
    vcl::TColor FillBrushColor() const { return FFillUseChannelColor ? Color() : FFillColor; }
    bool FillDrawn() const { return FFillEnabled && FFillStyle != vcl::TBrushStyle::bsClear; }

    // The block summary of the standard list, kept from paint to paint, so that the fast trace
    // reads a column's many points as a few blocks.
    TiPlotBlockSummary FBlocks;

    // The X-order check's memory of the series: its direction and newest X, good while the list
    // holds Count points of data version Version (an add the memory did not follow, an edit or a
    // full ring reads the records again).
    struct XOrderMemo
    {
        int Count { -1 };
        std::uint64_t Version { 0 };
        bool Increasing { true };
        double LastX { 0.0 };
    };
    XOrderMemo FOrderMemo;

    std::vector<TiPlotPixelPoint> FPixelList;
    int FPixelListStart { 0 };
    int FPixelListStop { 0 };
    int FPixelsHigh { 0 };
    int FPixelsLow { 0 };
    bool FXIncreasing { true };
    bool FFastDrawEnabled { true };
    bool FAllowOutOfOrderXValues { true };
    bool FDrawOutOfOrderXValues { false };
    bool FResetStartTimeOnFirstDataPoint { false };
    TiPlotInterpolationStyle FInterpolationStyle { TiPlotInterpolationStyle::ipistStraightLine };
    double FElapsedStartTime { 0.0 };
    bool FFillEnabled { false };
    double FFillReference { 0.0 };
    bool FFillUseChannelColor { true };
    vcl::TBrushStyle FFillStyle { vcl::TBrushStyle::bsSolid };
    vcl::TColor FFillColor { 0 };
    TiPlotHighLowStyle FHighLowStyle { TiPlotHighLowStyle::iphlsOpenClose };
    bool FHighLowEnabled { false };
    vcl::TColor FHighLowBarColor { 0xFFFF00 };
    double FHighLowBarWidth { 0.5 };
    bool FHighLowOpenShow { true };
    vcl::TColor FHighLowOpenColor { 0x00FF00 };
    double FHighLowOpenWidth { 1.0 };
    double FHighLowOpenHeight { 1.0 };
    bool FHighLowCloseShow { true };
    vcl::TColor FHighLowCloseColor { 0x0000FF };
    double FHighLowCloseWidth { 1.0 };
    double FHighLowCloseHeight { 1.0 };
    vcl::TColor FHighLowShadowColor { 0x808080 };
    vcl::TColor FHighLowBullishColor { 0xFFFFFF };
    vcl::TColor FHighLowBearishColor { 0x808080 };
    bool FDigitalEnabled { false };
    double FDigitalReferenceLow { 10.0 };
    double FDigitalReferenceHigh { 90.0 };
    TiPlotDigitalReferenceStyle FDigitalReferenceStyle { TiPlotDigitalReferenceStyle::ipdrScale };
    TiOPCXValueSourceStyle FOPCXValueSource { TiOPCXValueSourceStyle::iopcxvsOPCServerTimeStamp };
    std::unique_ptr<TiOPCManager> FOPCManager;
    std::unique_ptr<TiOPCItemManager> FOPCItemManager;
    std::uint32_t FOPCId;
    bool FBarEnabled { false };
    bool FBarPenUseChannelColor { true };
    bool FBarBrushUseChannelColor { true };
};
