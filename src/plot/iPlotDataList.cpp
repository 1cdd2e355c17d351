#include "plot/iPlotDataList.h"

#include "platform/core/Exception.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include <sys/mman.h>

TiPlotDataCustomList::TiPlotDataCustomList(int DataPointSize)
    : FDataPointSize(DataPointSize), FMaxDataPoints(INT_MAX / DataPointSize)
{
}

void TiPlotDataCustomList::RaiseIndexError() { throw vcl::EListError(QStringLiteral("Index out of Bounds")); }

void TiPlotDataCustomList::AdviseLargeArray(void* Array, std::size_t Bytes)
{
    constexpr std::uintptr_t huge = std::uintptr_t(2) << 20;
    if (Bytes < 2 * huge)
        return;
    // The whole huge pages inside the array; the rest keeps ordinary pages.
    const auto start = reinterpret_cast<std::uintptr_t>(Array);
    const std::uintptr_t first = (start + huge - 1) & ~(huge - 1);
    const std::uintptr_t last = (start + Bytes) & ~(huge - 1);
    if (last > first)
        (void)madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

int TiPlotDataCustomList::GrownCapacity() const
{
    std::int64_t delta = 4;
    if (FCapacity > 64)
        delta = FCapacity / 4;
    else if (FCapacity > 8)
        delta = 16;
    return static_cast<int>(std::min<std::int64_t>(FCapacity + delta, INT_MAX));
}

void TiPlotDataCustomList::Clear()
{
    FCount = 0;
    FTail = 0;
    if (!FRingBufferEnabled)
        SetCapacity(0);
}

void TiPlotDataCustomList::SetRingBufferSize(int Value)
{
    if (Value < 0)
        throw vcl::EListError(QStringLiteral("Capacity out of Range"));
    if (Value == 0) {
        if (FRingBufferEnabled) {
            FRingBufferEnabled = false;
            if (FTail != 0)
                Clear();
        }
        return;
    }
    FRingBufferEnabled = true;
    if (Value == FCapacity)
        return;
    if (FTail != 0)
        Clear();
    if (Value > FCapacity) {
        SetCapacity(Value);
        return;
    }
    if (FCount > Value)
        DeletePoints(FCount - Value);
    SetCapacity(Value);
}
