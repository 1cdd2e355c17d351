#pragma once
// Point lists of a channel: a growable array of fixed-size point records with an optional ring
// buffer, and per-point attribute accessors. Four classes trade memory per point against what a
// point keeps; attributes a class does not keep per point answer the list's stored defaults.

#include "platform/core/TColor.h"
#include "platform/core/TObject.h"
#include "platform/ui/TGraphics.h"
#include "plot/iPlotTypes.h"

#include <cstddef>
#include <cstdint>

enum class TiPlotMarkerStyle {
    ipmsCircle,
    ipmsSquare,
    ipmsDiamond,
    ipmsCross,
    ipmsPlus,
    ipmsTriangleUp,
    ipmsTriangleDown,
    ipmsTriangleLeft,
    ipmsTriangleRight,
    ipmsVerticalLine,
    ipmsHorizontalLine,
    ipmsCharacter
};

// Which list class a channel keeps its points in.
enum class TiPlotDataStyle { ipdsStandard, ipdsCompact, ipdsCompactInterval, ipdsFullFeature };

// The attributes new points take, and that every class answers for what it does not keep.
struct TiPlotPointDefaults
{
    vcl::TColor TraceLineColor { 0 };
    int TraceLineWidth { 0 };
    TiPlotLineStyle TraceLineStyle { TiPlotLineStyle::iplsSolid };
    bool MarkerVisible { false };
    int MarkerSize { 0 };
    TiPlotMarkerStyle MarkerStyle { TiPlotMarkerStyle::ipmsCircle };
    vcl::TColor MarkerPenColor { 0 };
    int MarkerPenWidth { 0 };
    vcl::TPenStyle MarkerPenStyle { vcl::TPenStyle::psSolid };
    vcl::TColor MarkerBrushColor { 0 };
    vcl::TBrushStyle MarkerBrushStyle { vcl::TBrushStyle::bsSolid };
    char16_t MarkerCharacter { 0 };
    bool BarVisible { true };
    double BarReference { 0.0 };
    double BarWidth { 0.0 };
    vcl::TColor BarPenColor { 0 };
    int BarPenWidth { 0 };
    vcl::TPenStyle BarPenStyle { vcl::TPenStyle::psSolid };
    vcl::TColor BarBrushColor { 0 };
    vcl::TBrushStyle BarBrushStyle { vcl::TBrushStyle::bsSolid };
};

class TiPlotDataCustomList : public vcl::TObject
{
public:
    ~TiPlotDataCustomList() override = default;
    TiPlotDataCustomList(const TiPlotDataCustomList&) = delete;
    TiPlotDataCustomList& operator=(const TiPlotDataCustomList&) = delete;

    int Count() const { return FCount; }
    int Capacity() const { return FCapacity; }
    int DataPointSize() const { return FDataPointSize; }
    int MaxDataPoints() const { return FMaxDataPoints; }
    std::int64_t MemoryUsed() const { return std::int64_t(FDataPointSize) * FCapacity; }
    int RingBufferSize() const { return FRingBufferEnabled ? FCapacity : 0; }
    // Whether the next add takes the place of the oldest point (a full ring buffer).
    bool NextAddOverwrites() const { return FRingBufferEnabled && FCount == FCapacity && FCapacity != 0; }
    // Whether the next add stores into a free slot, without growing or overwriting.
    bool HasRoom() const { return FCount < FCapacity; }
    void SetRingBufferSize(int Value);

    // The stored defaults, written by the channel whenever the matching property is set.
    TiPlotPointDefaults Stored;

    // --- per point (logical index; "Index out of Bounds" outside 0..Count-1) ---
    virtual double GetX(int Index) const = 0;
    virtual double GetY(int Index) const = 0;
    virtual bool GetEmpty(int) const { return false; }
    virtual bool GetNull(int) const { return false; }
    virtual double GetHigh(int) const { return 0.0; }
    virtual double GetLow(int) const { return 0.0; }
    virtual double GetOpen(int) const { return 0.0; }
    virtual double GetClose(int) const { return 0.0; }
    virtual void SetX(int Index, double Value) = 0;
    virtual void SetY(int Index, double Value) = 0;
    virtual void SetEmpty(int, bool) {}
    virtual void SetNull(int, bool) {}
    virtual void SetHigh(int, double) {}
    virtual void SetLow(int, double) {}
    virtual void SetOpen(int, double) {}
    virtual void SetClose(int, double) {}

    virtual vcl::TColor GetTraceLineColor(int) const { return Stored.TraceLineColor; }
    virtual int GetTraceLineWidth(int) const { return Stored.TraceLineWidth; }
    virtual TiPlotLineStyle GetTraceLineStyle(int) const { return Stored.TraceLineStyle; }
    virtual bool GetMarkerVisible(int) const { return Stored.MarkerVisible; }
    virtual int GetMarkerSize(int) const { return Stored.MarkerSize; }
    virtual TiPlotMarkerStyle GetMarkerStyle(int) const { return Stored.MarkerStyle; }
    virtual vcl::TColor GetMarkerPenColor(int) const { return Stored.MarkerPenColor; }
    virtual int GetMarkerPenWidth(int) const { return Stored.MarkerPenWidth; }
    virtual vcl::TPenStyle GetMarkerPenStyle(int) const { return Stored.MarkerPenStyle; }
    virtual vcl::TColor GetMarkerBrushColor(int) const { return Stored.MarkerBrushColor; }
    virtual vcl::TBrushStyle GetMarkerBrushStyle(int) const { return Stored.MarkerBrushStyle; }
    virtual char16_t GetMarkerCharacter(int) const { return Stored.MarkerCharacter; }
    virtual bool GetBarVisible(int) const { return Stored.BarVisible; }
    virtual double GetBarReference(int) const { return Stored.BarReference; }
    virtual double GetBarWidth(int) const { return Stored.BarWidth; }
    virtual vcl::TColor GetBarPenColor(int) const { return Stored.BarPenColor; }
    virtual int GetBarPenWidth(int) const { return Stored.BarPenWidth; }
    virtual vcl::TPenStyle GetBarPenStyle(int) const { return Stored.BarPenStyle; }
    virtual vcl::TColor GetBarBrushColor(int) const { return Stored.BarBrushColor; }
    virtual vcl::TBrushStyle GetBarBrushStyle(int) const { return Stored.BarBrushStyle; }

    virtual void SetTraceLineColor(int, vcl::TColor) {}
    virtual void SetTraceLineWidth(int, int) {}
    virtual void SetTraceLineStyle(int, TiPlotLineStyle) {}
    virtual void SetMarkerVisible(int, bool) {}
    virtual void SetMarkerSize(int, int) {}
    virtual void SetMarkerStyle(int, TiPlotMarkerStyle) {}
    virtual void SetMarkerPenColor(int, vcl::TColor) {}
    virtual void SetMarkerPenWidth(int, int) {}
    virtual void SetMarkerPenStyle(int, vcl::TPenStyle) {}
    virtual void SetMarkerBrushColor(int, vcl::TColor) {}
    virtual void SetMarkerBrushStyle(int, vcl::TBrushStyle) {}
    virtual void SetMarkerCharacter(int, char16_t) {}
    virtual void SetBarVisible(int, bool) {}
    virtual void SetBarReference(int, double) {}
    virtual void SetBarWidth(int, double) {}
    virtual void SetBarPenColor(int, vcl::TColor) {}
    virtual void SetBarPenWidth(int, int) {}
    virtual void SetBarPenStyle(int, vcl::TPenStyle) {}
    virtual void SetBarBrushColor(int, vcl::TColor) {}
    virtual void SetBarBrushStyle(int, vcl::TBrushStyle) {}

    // --- the list as a whole ---
    // Appends a point (or overwrites the oldest one of a full ring buffer); returns its index.
    virtual int Add(double X, double Y, bool Null, bool Empty) = 0;
    virtual void Clear();
    // "Exceed Maximum List Size" beyond MaxDataPoints; keeps the oldest min(Count, NewCapacity) points.
    virtual void SetCapacity(int NewCapacity) = 0;
    // Removes the oldest Size points; 0 <= Size < Count, else the list's range error.
    virtual void DeletePoints(int Size) = 0;
    virtual void GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty, bool& Null) const = 0;

protected:
    explicit TiPlotDataCustomList(int DataPointSize);

    // The record slot of a logical index.
    int GetBufferIndex(int Index) const
    {
        if (Index < 0 || Index >= FCount)
            RaiseIndexError();
        if (FTail == 0)
            return Index;
        const int slot = Index + FTail;
        return slot > FCount - 1 ? slot - FCount : slot;
    }
    [[noreturn]] static void RaiseIndexError();
    // The capacity after one growth step.
    int GrownCapacity() const;
    // Asks the system to back a large record array with huge pages, so that filling millions of
    // points takes a page fault per 2 MB rather than per 4 KB. Only advice: the memory is the same.
    static void AdviseLargeArray(void* Array, std::size_t Bytes);

    int FCount { 0 };
    int FCapacity { 0 };
    int FTail { 0 };
    bool FRingBufferEnabled { false };
    int FDataPointSize;
    int FMaxDataPoints;
};

// TiPlotDataNull.Extra bits.
namespace iNullExtra {
inline constexpr std::uint16_t Null = 1u << 0;
inline constexpr std::uint16_t Empty = 1u << 1;
inline constexpr std::uint16_t MarkerVisible = 1u << 2;
inline constexpr int MarkerStyleShift = 3;
inline constexpr std::uint16_t MarkerStyleMask = 0xF << MarkerStyleShift;
} // namespace iNullExtra

struct TiPlotDataNull
{
    double X;
    double Y;
    std::uint16_t Extra;
};

struct TiPlotDataFull
{
    double X;
    double Y;
    bool Null;
    bool Empty;
    double High;
    double Low;
    double Open;
    double Close;
    TiPlotPointDefaults Attributes;
};

struct TiPlotDataSingle
{
    float X;
    float Y;
};

struct TiPlotDataCompactInterval
{
    float Y;
};
