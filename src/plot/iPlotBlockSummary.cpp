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

void TiPlotBlockSummary::Restart(const void* List, std::uint64_t Version, std::uint64_t Overwrites)
{
    FList = List;
    FVersion = Version;
    FOverwrites = Overwrites;
    FCovered = 0;
    FBlocks.clear();
}

bool TiPlotBlockSummary::Update(const TiPlotDataRecordList<TiPlotDataNull>& Records, std::uint64_t Version)
{
    const int count = Records.Count();
    // A full ring that has moved on since the last paint shifts every block: reading its points
    // once is as cheap as summarising them again.
    if (FList == &Records && FOverwrites != Records.Overwrites()) {
        Restart(&Records, Version, Records.Overwrites());
        return false;
    }
    if (FList != &Records || FVersion != Version || FCovered > count)
        Restart(&Records, Version, Records.Overwrites());
    const int whole = count / kSize;
    for (int block = FCovered / kSize; block < whole; ++block) {
        // A block may straddle the end of a wrapped ring's array: summarise its pieces in turn.
        Block summary;
        bool first = true;
        Records.ForEachSpan(block * kSize, (block + 1) * kSize - 1,
                            [&](const TiPlotDataNull* p, const TiPlotDataNull* end) {
                                const Block piece = Summarise(p, end);
                                if (first) {
                                    summary = piece;
                                    first = false;
                                    return;
                                }
                                summary.Ordered = summary.Ordered && piece.Ordered && piece.XFirst >= summary.XLast;
                                summary.YMin = piece.YMin < summary.YMin ? piece.YMin : summary.YMin;
                                summary.YMax = piece.YMax > summary.YMax ? piece.YMax : summary.YMax;
                                summary.XLast = piece.XLast;
                                summary.Marks |= piece.Marks;
                            });
        FBlocks.push_back(summary);
    }
    FCovered = whole * kSize;
    return true;
}
