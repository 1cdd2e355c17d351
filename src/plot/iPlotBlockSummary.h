#pragma once
// A summary of every whole block of 64 points of a standard point list: the smallest and largest
// Y, the first and last X, whether X keeps its order inside the block, and the Null/Empty marks.
// Kept from paint to paint while points are only added, so that a trace drawn per pixel column
// reads a column's many points as a few blocks.

#include "plot/iPlotDataList.h"

#include <cstdint>
#include <vector>

template <typename Rec>
class TiPlotDataRecordList;

class TiPlotBlockSummary
{
public:
    static constexpr int kSize = 64;

    struct Block
    {
        double YMin { 0 };
        double YMax { 0 };
        double XFirst { 0 };
        double XLast { 0 };
        std::uint16_t Marks { 0 }; // the points' Extra bits, or'ed
        // Every point's X is at least the X before it inside the block and no Y is NaN.
        bool Ordered { false };
    };

    // Brings the summary up to the list's points: only the new blocks while points were merely
    // added; all again after any other change, which bumps Version (edits, deletes, clears, a new
    // list). False while a full ring scrolls (every block shifts with each new point): the points
    // are then read directly.
    bool Update(const TiPlotDataRecordList<TiPlotDataNull>& Records, std::uint64_t Version);

    // Points summarised: the whole blocks from index 0.
    int Covered() const { return FCovered; }
    const Block& At(int Index) const { return FBlocks[static_cast<std::size_t>(Index)]; }

    // Walks the logical indexes From..To in order: whole summarised blocks through Whole(block),
    // the rest through Loose(first, past the last) over the records (Records' ForEachSpan pieces).
    template <typename Records, typename WholeFn, typename LooseFn>
    void ForEachPiece(const Records& List, int From, int To, WholeFn&& Whole, LooseFn&& Loose) const
    {
        int i = From;
        while (i <= To) {
            const int block = i / kSize;
            const int blockEnd = (block + 1) * kSize - 1;
            if (i == block * kSize && blockEnd <= To && blockEnd < FCovered) {
                Whole(At(block));
                i = blockEnd + 1;
                continue;
            }
            const int stop = blockEnd < To ? blockEnd : To;
            List.ForEachSpan(i, stop, Loose);
            i = stop + 1;
        }
    }

private:
    void Restart(const void* List, std::uint64_t Version, std::uint64_t Overwrites);

    const void* FList { nullptr };
    std::uint64_t FVersion { 0 };
    std::uint64_t FOverwrites { 0 };
    int FCovered { 0 };
    std::vector<Block> FBlocks;
};
