#include "plot/iPlotBlockSummary.h"

#include "plot/iPlotDataRecordList.h"

#include <limits>

namespace {

TiPlotBlockSummary::Block Summarise(const TiPlotDataNull* p, const TiPlotDataNull* end)
{
    // NaN values of Y take no part in the extremes (they fail every comparison), as in a direct
    // reading; a block of NaN only keeps the empty range +inf..-inf.
    TiPlotBlockSummary::Block block;
    block.YMin = std::numeric_limits<double>::infinity();
    block.YMax = -block.YMin;
    block.XFirst = p->X;
    bool ordered = true;
    double x = p->X;
    std::uint16_t marks = 0;
    for (const TiPlotDataNull* first = p; p != end; ++p) {
        marks |= p->Extra;
        ordered &= (p == first || p->X >= x) && p->Y == p->Y;
        x = p->X;
        block.YMin = p->Y < block.YMin ? p->Y : block.YMin;
        block.YMax = p->Y > block.YMax ? p->Y : block.YMax;
    }
    block.XLast = x;
    block.Marks = marks;
    block.Ordered = ordered;
    return block;
}

} // namespace

void TiPlotBlockSummary::Restart(const void* List, std::uint64_t Version, std::uint64_t Overwrites,
                                 std::uint64_t Rearrangements)
{
    FList = List;
    FVersion = Version;
    FOverwrites = Overwrites;
    FRearrangements = Rearrangements;
    FCovered = 0;
    FBlocks.clear();
}

void TiPlotBlockSummary::Renew(const TiPlotDataNull* Slots, int First, int Last)
{
    const int covered = FCovered / kSize;
    for (int block = First / kSize; block <= Last / kSize && block < covered; ++block)
        FBlocks[static_cast<std::size_t>(block)] = Summarise(Slots + block * kSize, Slots + (block + 1) * kSize);
}

bool TiPlotBlockSummary::Update(const TiPlotDataRecordList<TiPlotDataNull>& Records, std::uint64_t Version)
{
    const int count = Records.Count();
    if (FList != &Records || FVersion != Version || FCovered > count
        || FRearrangements != Records.Rearrangements()) {
        Restart(&Records, Version, Records.Overwrites(), Records.Rearrangements());
    }
    const std::uint64_t overwritten = Records.Overwrites() - FOverwrites;
    FOverwrites = Records.Overwrites();
    if (overwritten >= static_cast<std::uint64_t>(count) && overwritten != 0) {
        Restart(&Records, Version, Records.Overwrites(), Records.Rearrangements());
        return false;
    }
    // A full ring put its newest points into the slots of its oldest: those blocks are renewed.
    if (overwritten != 0) {
        const int newest = static_cast<int>(overwritten);
        Records.ForEachSpan(count - newest, count - 1, [&](const TiPlotDataNull* p, const TiPlotDataNull* end) {
            const int first = static_cast<int>(p - Records.Slots());
            Renew(Records.Slots(), first, first + static_cast<int>(end - p) - 1);
        });
    }
    const int whole = count / kSize;
    for (int block = FCovered / kSize; block < whole; ++block)
        FBlocks.push_back(Summarise(Records.Slots() + block * kSize, Records.Slots() + (block + 1) * kSize));
    FCovered = whole * kSize;
    return true;
}
