#pragma once
// Cuts a stream of received bytes into device frames by their start bytes and length byte.

#include "device/BytePacket.h"

#include <cstdint>

class LFrameCutter
{
public:
    // Takes one byte; true when it completed a frame, which Frame() then holds until the next byte.
    bool Push(std::uint8_t b);
    const BytePacket& Frame() const { return Collected; }
    // The frame so far (the start of one, or the whole frame just completed).
    std::size_t Size() const { return Collected.size(); }
    // A frame has been started and not yet completed.
    bool Collecting() const { return !Complete && !Collected.empty(); }
    void Clear()
    {
        Collected.clear();
        Complete = false;
    }

private:
    bool Collect(std::uint8_t b);

    BytePacket Collected;
    bool Complete { false };
};
