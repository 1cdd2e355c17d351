#pragma once
// A growable array of the band elements of a limit: position, upper and lower limit.

#include "platform/core/TObject.h"

#include <vector>

struct TiLimitData
{
    double Value1 { 0 }; // position
    double Value2 { 0 }; // upper limit
    double Value3 { 0 }; // lower limit
};

class TiLimitDataList : public vcl::TObject
{
public:
    static constexpr int MaxListSize = 134217727;

    int Count() const { return m_count; }
    int Capacity() const { return m_capacity; }
    // Appends, growing by 4 up to 8 elements, by 16 up to 64, then by a quarter; returns the index.
    int Add(double Value1, double Value2, double Value3);
    // "Exceed Maximum List Size" above MaxListSize (and below 0); a smaller capacity cuts Count.
    void SetCapacity(int NewCapacity);
    void Clear();

    // "Index out of Bounds" outside 0..Count - 1.
    const TiLimitData& Item(int Index) const;
    double Value1(int Index) const { return Item(Index).Value1; }
    double Value2(int Index) const { return Item(Index).Value2; }
    double Value3(int Index) const { return Item(Index).Value3; }

private:
    std::vector<TiLimitData> m_items; // holds Capacity elements
    int m_count { 0 };
    int m_capacity { 0 };
};
