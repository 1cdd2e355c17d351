#pragma once
// The four point-list classes a channel chooses from by its DataStyle.

#include "plot/iPlotDataRecordList.h"

#include <memory>

// X, Y, Null, Empty, marker visibility and style per point (the default).
class TiPlotDataNullList : public TiPlotDataRecordList<TiPlotDataNull>
{
public:
    double GetX(int Index) const override { return At(Index).X; }
    double GetY(int Index) const override { return At(Index).Y; }
    bool GetEmpty(int Index) const override { return At(Index).Extra & iNullExtra::Empty; }
    bool GetNull(int Index) const override { return At(Index).Extra & iNullExtra::Null; }
    void SetX(int Index, double Value) override { At(Index).X = Value; }
    void SetY(int Index, double Value) override { At(Index).Y = Value; }
    void SetEmpty(int Index, bool Value) override { SetBit(Index, iNullExtra::Empty, Value); }
    void SetNull(int Index, bool Value) override { SetBit(Index, iNullExtra::Null, Value); }
    bool GetMarkerVisible(int Index) const override { return At(Index).Extra & iNullExtra::MarkerVisible; }
    void SetMarkerVisible(int Index, bool Value) override { SetBit(Index, iNullExtra::MarkerVisible, Value); }
    TiPlotMarkerStyle GetMarkerStyle(int Index) const override;
    void SetMarkerStyle(int Index, TiPlotMarkerStyle Value) override;

    int Add(double X, double Y, bool Null, bool Empty) override { return Append(X, Y, Null, Empty); }
    // Add without the virtual call, for the channel's add of every point.
    int Append(double X, double Y, bool Null, bool Empty) { return Store(NewRecord(X, Y, Null, Empty)); }
    // Append of a valid point into the free slot the list has (HasRoom).
    int AppendInRoom(double X, double Y)
    {
        FList[FCount] = NewRecord(X, Y, false, false);
        return FCount++;
    }
    void GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty, bool& Null) const override;

private:
    TiPlotDataNull NewRecord(double X, double Y, bool Null, bool Empty) const
    {
        unsigned extra = (static_cast<unsigned>(Stored.MarkerStyle) & 15u) << iNullExtra::MarkerStyleShift;
        if (Stored.MarkerVisible)
            extra |= iNullExtra::MarkerVisible;
        if (Empty)
            extra |= iNullExtra::Empty;
        if (Null)
            extra |= iNullExtra::Null;
        return TiPlotDataNull { X, Y, static_cast<std::uint16_t>(extra) };
    }
    void SetBit(int Index, std::uint16_t Bit, bool Value);
};

// Every attribute per point.
class TiPlotDataFullList : public TiPlotDataRecordList<TiPlotDataFull>
{
public:
    double GetX(int Index) const override { return At(Index).X; }
    double GetY(int Index) const override { return At(Index).Y; }
    bool GetEmpty(int Index) const override { return At(Index).Empty; }
    bool GetNull(int Index) const override { return At(Index).Null; }
    double GetHigh(int Index) const override { return At(Index).High; }
    double GetLow(int Index) const override { return At(Index).Low; }
    double GetOpen(int Index) const override { return At(Index).Open; }
    double GetClose(int Index) const override { return At(Index).Close; }
    void SetX(int Index, double Value) override { At(Index).X = Value; }
    void SetY(int Index, double Value) override { At(Index).Y = Value; }
    void SetEmpty(int Index, bool Value) override { At(Index).Empty = Value; }
    void SetNull(int Index, bool Value) override { At(Index).Null = Value; }
    void SetHigh(int Index, double Value) override { At(Index).High = Value; }
    void SetLow(int Index, double Value) override { At(Index).Low = Value; }
    void SetOpen(int Index, double Value) override { At(Index).Open = Value; }
    void SetClose(int Index, double Value) override { At(Index).Close = Value; }

#define ZQ9_FULL_ATTRIBUTE(Type, Name)                                                                     \
    Type Get##Name(int Index) const override { return At(Index).Attributes.Name; }                         \
    void Set##Name(int Index, Type Value) override { At(Index).Attributes.Name = Value; }
    ZQ9_FULL_ATTRIBUTE(vcl::TColor, TraceLineColor)
    ZQ9_FULL_ATTRIBUTE(int, TraceLineWidth)
    ZQ9_FULL_ATTRIBUTE(TiPlotLineStyle, TraceLineStyle)
    ZQ9_FULL_ATTRIBUTE(bool, MarkerVisible)
    ZQ9_FULL_ATTRIBUTE(int, MarkerSize)
    ZQ9_FULL_ATTRIBUTE(TiPlotMarkerStyle, MarkerStyle)
    ZQ9_FULL_ATTRIBUTE(vcl::TColor, MarkerPenColor)
    ZQ9_FULL_ATTRIBUTE(int, MarkerPenWidth)
    ZQ9_FULL_ATTRIBUTE(vcl::TPenStyle, MarkerPenStyle)
    ZQ9_FULL_ATTRIBUTE(vcl::TColor, MarkerBrushColor)
    ZQ9_FULL_ATTRIBUTE(vcl::TBrushStyle, MarkerBrushStyle)
    ZQ9_FULL_ATTRIBUTE(char16_t, MarkerCharacter)
    ZQ9_FULL_ATTRIBUTE(bool, BarVisible)
    ZQ9_FULL_ATTRIBUTE(double, BarReference)
    ZQ9_FULL_ATTRIBUTE(double, BarWidth)
    ZQ9_FULL_ATTRIBUTE(vcl::TColor, BarPenColor)
    ZQ9_FULL_ATTRIBUTE(int, BarPenWidth)
    ZQ9_FULL_ATTRIBUTE(vcl::TPenStyle, BarPenStyle)
    ZQ9_FULL_ATTRIBUTE(vcl::TColor, BarBrushColor)
    ZQ9_FULL_ATTRIBUTE(vcl::TBrushStyle, BarBrushStyle)
#undef ZQ9_FULL_ATTRIBUTE

    int Add(double X, double Y, bool Null, bool Empty) override;
    void GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty, bool& Null) const override;

protected:
    QString DeleteRangeText() const override { return QStringLiteral("Delete Size Out Of Range"); }
};

// X and Y as single-precision values; no Null or Empty points.
class TiPlotDataCompactList : public TiPlotDataRecordList<TiPlotDataSingle>
{
public:
    double GetX(int Index) const override { return At(Index).X; }
    double GetY(int Index) const override { return At(Index).Y; }
    void SetX(int Index, double Value) override { At(Index).X = static_cast<float>(Value); }
    void SetY(int Index, double Value) override { At(Index).Y = static_cast<float>(Value); }

    int Add(double X, double Y, bool Null, bool Empty) override;
    void GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty, bool& Null) const override;
};

// Y as a single-precision value; X follows from the first X and a fixed interval.
class TiPlotDataCompactIntervalList : public TiPlotDataRecordList<TiPlotDataCompactInterval>
{
public:
    // -1 while not known; the second point sets it unless it was set before.
    double Interval() const { return FInterval; }
    void SetInterval(double Value) { FInterval = Value; }
    double FirstX() const { return FFirstX; }

    // Computed from Index, without a range check.
    double GetX(int Index) const override { return Index * FInterval + FFirstX; }
    double GetY(int Index) const override { return At(Index).Y; }
    // Only the first X can be set.
    void SetX(int Index, double Value) override;
    void SetY(int Index, double Value) override { At(Index).Y = static_cast<float>(Value); }

    int Add(double X, double Y, bool Null, bool Empty) override;
    void Clear() override;
    void GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty, bool& Null) const override;

protected:
    bool DeleteAllowsWholeList() const override { return true; }

private:
    double FInterval { -1.0 };
    double FFirstX { 0.0 };
};

// A new list of the class that Style names.
std::unique_ptr<TiPlotDataCustomList> iCreatePlotDataList(TiPlotDataStyle Style);
