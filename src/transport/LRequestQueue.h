#pragma once
// The frames waiting behind the one in flight, with replace and append modes.

#include "device/BytePacket.h"

#include <cstdint>
#include <deque>
#include <optional>

class LRequestQueue
{
public:
    // Queues a frame while another is in flight. In replace mode it overwrites the newest waiting
    // entry when that entry was itself queued in replace mode and lastCommand (the code of the frame
    // queued just before) equals this frame's code; otherwise it waits at the back.
    void Push(const BytePacket& frame, int mode, std::uint8_t lastCommand);
    // Takes the oldest entry; false when none waits.
    bool Pop(BytePacket& out);
    void Clear();
    bool Empty() const { return Entries.empty(); }
    std::size_t Size() const { return Entries.size(); }
    const BytePacket& At(std::size_t i) const { return Entries[i].Frame; }

    // The command code of a frame (byte 5), 0 for a packet too short to have one.
    static std::uint8_t CommandOf(const BytePacket& frame) { return frame.size() > 5 ? frame[5] : 0; }

private:
    struct Entry
    {
        std::uint64_t Id;
        BytePacket Frame;
    };
    std::deque<Entry> Entries;
    std::optional<std::uint64_t> ReplaceEntry; // the newest replace-mode entry while it waits
    std::uint64_t NextId { 0 };
};
