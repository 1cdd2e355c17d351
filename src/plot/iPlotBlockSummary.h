#pragma once
// A summary of every whole block of 64 record slots of a standard point list: the smallest and
// largest Y, the first and last X, whether X keeps its order inside the block, and the Null/Empty
// marks. Blocks are kept by slot, not by point index, so they last from paint to paint while points
// are only added: a list that grows only adds blocks, and a full ring scrolling on renews only the
// blocks whose slots took new points. A trace drawn per pixel column reads a column's many points
// as a few blocks.

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

    // Brings the summary up to the list's points: the new blocks while points were merely added,
    // the blocks of the overwritten slots while a full ring scrolls; all again after any other
    // change, which bumps Version (edits, deletes, clears, a new list), or when the records moved
    // to other slots. False when a ring has replaced all its points since the last update: reading
    // them once is then as cheap as summarising them, and the points are read directly.
    bool Update(const TiPlotDataRecordList<TiPlotDataNull>& Records, std::uint64_t Version);

    // Slots summarised: the whole blocks from slot 0.
    int Covered() const { return FCovered; }
    const Block& At(int Index) const { return FBlocks[static_cast<std::size_t>(Index)]; }

    // Walks the logical indexes From..To in order: whole summarised blocks through Whole(block),
    // the rest through Loose(first, past the last) over the records. The indexes lie in at most two
    // runs of slots (Records' ForEachSpan pieces), each in the order of its points, so a block of
    // slots inside one run holds points that follow each other.
    template <typename Records, typename WholeFn, typename LooseFn>
    void ForEachPiece(const Records& List, int From, int To, WholeFn&& Whole, LooseFn&& Loose) const
    {
        const auto* base = List.Slots();
        List.ForEachSpan(From, To, [&](const auto* first, const auto* past) {
            int a = static_cast<int>(first - base);
            const int b = static_cast<int>(past - base);
            while (a < b) {
                const int block = a / kSize;
                const int blockEnd = (block + 1) * kSize;
                if (a == block * kSize && blockEnd <= b && blockEnd <= FCovered) {
                    Whole(At(block));
                    a = blockEnd;
                    continue;
                }
                const int stop = blockEnd < b ? blockEnd : b;
                Loose(base + a, base + stop);
                a = stop;
            }
        });
    }

private:
    void Restart(const void* List, std::uint64_t Version, std::uint64_t Overwrites, std::uint64_t Rearrangements);
    // Summarises again the whole, covered blocks that hold the slots First..Last.
    void Renew(const TiPlotDataNull* Slots, int First, int Last);

    const void* FList { nullptr };
    std::uint64_t FVersion { 0 };
    std::uint64_t FOverwrites { 0 };
    std::uint64_t FRearrangements { 0 };
    int FCovered { 0 };
    std::vector<Block> FBlocks;
};
