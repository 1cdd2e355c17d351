#include "plot/iPlotDataLists.h"

// ---------------------------------------------------------------- null list

TiPlotMarkerStyle TiPlotDataNullList::GetMarkerStyle(int Index) const
{
    return static_cast<TiPlotMarkerStyle>((At(Index).Extra & iNullExtra::MarkerStyleMask) >> iNullExtra::MarkerStyleShift);
}

void TiPlotDataNullList::SetMarkerStyle(int Index, TiPlotMarkerStyle Value)
{
    std::uint16_t& extra = At(Index).Extra;
    extra = static_cast<std::uint16_t>((extra & ~iNullExtra::MarkerStyleMask)
                                       | ((static_cast<unsigned>(Value) & 15u) << iNullExtra::MarkerStyleShift));
}

void TiPlotDataNullList::SetBit(int Index, std::uint16_t Bit, bool Value)
{
    std::uint16_t& extra = At(Index).Extra;
    extra = static_cast<std::uint16_t>(Value ? extra | Bit : extra & ~Bit);
}

void TiPlotDataNullList::GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty, bool& Null) const
{
    const TiPlotDataNull& record = At(Index);
    X = record.X;
    Y = record.Y;
    Empty = record.Extra & iNullExtra::Empty;
    Null = record.Extra & iNullExtra::Null;
}

// ---------------------------------------------------------------- full list

int TiPlotDataFullList::Add(double X, double Y, bool Null, bool Empty)
{
    TiPlotDataFull record { X, Y, Null, Empty, 0.0, 0.0, 0.0, 0.0, Stored };
    bool overwrote = false;
    return Store(record, overwrote);
}

void TiPlotDataFullList::GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty, bool& Null) const
{
    const TiPlotDataFull& record = At(Index);
    X = record.X;
    Y = record.Y;
    Empty = record.Empty;
    Null = record.Null;
}

// ---------------------------------------------------------------- compact list

int TiPlotDataCompactList::Add(double X, double Y, bool, bool)
{
    bool overwrote = false;
    return Store(TiPlotDataSingle { static_cast<float>(X), static_cast<float>(Y) }, overwrote);
}

void TiPlotDataCompactList::GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty, bool& Null) const
{
    const TiPlotDataSingle& record = At(Index);
    X = record.X;
    Y = record.Y;
    Empty = false;
    Null = false;
}

// ---------------------------------------------------------------- compact interval list

void TiPlotDataCompactIntervalList::SetX(int Index, double Value)
{
    if (Index == 0 && FCount > 0) {
        FFirstX = Value;
        return;
    }
    throw vcl::EListError(QStringLiteral(
        "Data Style does not support setting individual X-Value with the exception of the first X-Value"));
}

int TiPlotDataCompactIntervalList::Add(double X, double Y, bool, bool)
{
    if (FCount == 0)
        FFirstX = X;
    else if (FCount == 1 && FInterval == -1.0)
        FInterval = X - FFirstX;
    bool overwrote = false;
    const int index = Store(TiPlotDataCompactInterval { static_cast<float>(Y) }, overwrote);
    if (overwrote && FCount > 1)
        FFirstX += FInterval;
    return index;
}

void TiPlotDataCompactIntervalList::Clear()
{
    TiPlotDataRecordList::Clear();
    FInterval = -1.0;
}

void TiPlotDataCompactIntervalList::GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty, bool& Null) const
{
    Y = At(Index).Y;
    X = Index * FInterval + FFirstX;
    Empty = false;
    Null = false;
}

std::unique_ptr<TiPlotDataCustomList> iCreatePlotDataList(TiPlotDataStyle Style)
{
    switch (Style) {
    case TiPlotDataStyle::ipdsCompact:
        return std::make_unique<TiPlotDataCompactList>();
    case TiPlotDataStyle::ipdsCompactInterval:
        return std::make_unique<TiPlotDataCompactIntervalList>();
    case TiPlotDataStyle::ipdsFullFeature:
        return std::make_unique<TiPlotDataFullList>();
    case TiPlotDataStyle::ipdsStandard:
        break;
    }
    return std::make_unique<TiPlotDataNullList>();
}
