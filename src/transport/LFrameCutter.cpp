#include "transport/LFrameCutter.h"

namespace {
constexpr std::uint8_t DLE = 0x10;
constexpr std::uint8_t STX = 0x02;
constexpr std::size_t LengthAt = 4;
constexpr std::size_t Overhead = 8; // a frame is its length byte plus this many bytes
} // namespace

bool LFrameCutter::Push(std::uint8_t b)
{
    if (Complete) {
        Collected.clear();
        Complete = false;
    }
    return Complete = Collect(b);
}

bool LFrameCutter::Collect(std::uint8_t b)
{
    if (Collected.empty() && b != DLE)
        return false;
    if (Collected.size() == 1 && b != STX)
        return false; // the DLE already held stays
    Collected.push_back(b);
    if (Collected.size() == LengthAt + 1 && b == 0) {
        // No frame has length 0; hunt again from the byte after the DLE so no real start is missed.
        const BytePacket rest(Collected.begin() + 1, Collected.end());
        Collected.clear();
        for (std::uint8_t r : rest)
            if (Collect(r))
                return true;
        return false;
    }
    return Collected.size() >= 9 && Collected.size() == Collected[LengthAt] + Overhead;
}
