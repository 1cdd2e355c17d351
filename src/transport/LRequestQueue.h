#pragma once
// The frames waiting behind the one in flight, with replace and append modes.

#include "device/BytePacket.h"

#include <cstdint>
#include <deque>

class LRequestQueue
{
public:
    // Queues a frame while another is in flight. In append mode it waits at the back. In replace
    // mode it takes the place of a waiting frame that sets the same thing (same command code and
    // addressing bytes: channel, band) within the newest run of replace-mode frames of its code, and
    // waits at the back: what reaches the device is the last value of each setting, in the order
    // the settings were last made. An append-mode frame or one of another code ends a run.
    void Push(const BytePacket& frame, int mode);
    // A replace-mode frame equal to the one in flight: the device gets that setting from the frame in
    // flight, so a waiting change of the same thing is outdone and nothing new waits.
    void PushEqualToInFlight(const BytePacket& frame) { RemoveSameSetting(frame); }
    // Takes the oldest entry; false when none waits.
    bool Pop(BytePacket& out);
    void Clear() { Entries.clear(); }
    bool Empty() const { return Entries.empty(); }
    std::size_t Size() const { return Entries.size(); }
    const BytePacket& At(std::size_t i) const { return Entries[i].Frame; }

    // The command code of a frame (byte 5), 0 for a packet too short to have one.
    static std::uint8_t CommandOf(const BytePacket& frame) { return frame.size() > 5 ? frame[5] : 0; }

private:
    // Removes the waiting frame that sets what `frame` sets, within the newest run of its code.
    void RemoveSameSetting(const BytePacket& frame);

    struct Entry
    {
        BytePacket Frame;
        bool Replaceable; // queued in replace mode
    };
    std::deque<Entry> Entries;
};
