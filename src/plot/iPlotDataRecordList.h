#pragma once
// The record storage shared by the four point-list classes: one contiguous array of records, the
// growth rule, the ring buffer and deleting from the front.

#include "plot/iPlotDataList.h"

#include "platform/core/Exception.h"

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <type_traits>

template <typename Rec>
class TiPlotDataRecordList : public TiPlotDataCustomList
{
    static_assert(std::is_trivially_copyable_v<Rec>, "records are moved as bytes");

public:
    ~TiPlotDataRecordList() override { FreeList(); }

    void SetCapacity(int NewCapacity) override
    {
        if (NewCapacity < 0)
            throw vcl::EListError(QStringLiteral("Capacity out of Range"));
        if (NewCapacity > FMaxDataPoints)
            throw vcl::EListError(QStringLiteral("Exceed Maximum List Size"));
        if (NewCapacity == FCapacity)
            return;
        // A wrapped ring is put in order first, so that the kept records are the oldest points and
        // every slot stays inside the new array.
        Unwrap();
        if (NewCapacity == 0) {
            FreeList();
        } else {
            void* grown = std::realloc(static_cast<void*>(FList), std::size_t(NewCapacity) * sizeof(Rec));
            if (!grown)
                throw vcl::EOutOfMemory(QStringLiteral("Out of memory"));
            FList = static_cast<Rec*>(grown);
            AdviseLargeArray(grown, std::size_t(NewCapacity) * sizeof(Rec));
        }
        FCapacity = NewCapacity;
        FCount = std::min(FCount, NewCapacity);
    }

    void DeletePoints(int Size) override
    {
        if (Size < 0 || Size > FCount || (Size == FCount && !DeleteAllowsWholeList()))
            throw vcl::EListError(DeleteRangeText());
        // The oldest points of a wrapped ring are those from FTail on: unwrap so that they go.
        Unwrap();
        FCount -= Size;
        if (FCount > 0 && Size > 0) {
            std::memmove(static_cast<void*>(FList), static_cast<const void*>(FList + Size), std::size_t(FCount) * sizeof(Rec));
            ++FRearrangements;
        }
    }

    // Direct record access for the channel's drawing loops (logical index, checked).
    const Rec& Record(int Index) const { return FList[GetBufferIndex(Index)]; }
    // The records of the first, second and last points; the list must hold two points or more.
    const Rec& FirstRecord() const { return FList[FTail]; }
    const Rec& SecondRecord() const { return FList[FTail + 1 < FCount ? FTail + 1 : 0]; }
    const Rec& LastRecord() const { return FList[FTail == 0 ? FCount - 1 : FTail - 1]; }
    // How many times a full ring gave its oldest point up for a new one.
    std::uint64_t Overwrites() const { return FOverwrites; }
    // How many times the records moved to other slots (a wrapped ring put back in order).
    std::uint64_t Rearrangements() const { return FRearrangements; }
    // The record array itself, slot by slot, and the slot of a logical index (checked).
    const Rec* Slots() const { return FList; }
    int SlotOf(int Index) const { return GetBufferIndex(Index); }
    // The records of the logical indexes From..To (checked) as at most two contiguous pieces, oldest
    // first: Fn(first, past the last).
    template <typename Fn>
    void ForEachSpan(int From, int To, Fn&& fn) const
    {
        if (From > To)
            return;
        const int a = GetBufferIndex(From);
        const int b = GetBufferIndex(To);
        if (a <= b) {
            fn(FList + a, FList + b + 1);
        } else {
            fn(FList + a, FList + FCount);
            fn(FList, FList + b + 1);
        }
    }

protected:
    TiPlotDataRecordList() : TiPlotDataCustomList(static_cast<int>(sizeof(Rec))) {}

    Rec& At(int Index) { return FList[GetBufferIndex(Index)]; }
    const Rec& At(int Index) const { return FList[GetBufferIndex(Index)]; }

    // Stores a new point; Overwrote tells that the oldest point of a full ring gave way.
    int Store(const Rec& Record, bool& Overwrote)
    {
        Overwrote = false;
        if (FCount < FCapacity) [[likely]] {
            FList[FCount] = Record;
            return FCount++;
        }
        // A ring whose capacity was taken to 0 grows like a plain list instead of writing
        // into an array that does not exist.
        if (!FRingBufferEnabled || FCapacity == 0) {
            if (FCount == FCapacity)
                SetCapacity(GrownCapacity());
        } else if (FCount == FCapacity) {
            FList[FTail] = Record;
            if (++FTail >= FCount)
                FTail = 0;
            Overwrote = true;
            ++FOverwrites;
            return FCount - 1;
        }
        FList[FCount] = Record;
        return FCount++;
    }

    int Store(const Rec& Record)
    {
        bool overwrote = false;
        return Store(Record, overwrote);
    }

    virtual QString DeleteRangeText() const { return QStringLiteral("Delete size out of Range"); }
    virtual bool DeleteAllowsWholeList() const { return false; }

    Rec* FList { nullptr };
    std::uint64_t FOverwrites { 0 };
    std::uint64_t FRearrangements { 0 };

private:
    void FreeList()
    {
        std::free(static_cast<void*>(FList));
        FList = nullptr;
    }

    void Unwrap()
    {
        if (FTail == 0)
            return;
        std::rotate(FList, FList + FTail, FList + FCount);
        FTail = 0;
        ++FRearrangements;
    }
};
