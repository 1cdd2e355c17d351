#include "device/LCmd.h"

#include <algorithm>

LCmd::LCmd(std::uint8_t address, std::uint8_t command)
    : Address(address)
    , Command(command)
{
}

LCmd::LCmd(std::span<const std::uint8_t> bytes, bool framed)
{
    if (!framed) {
        Payload.assign(bytes.begin(), bytes.end());
        return;
    }
    const std::size_t n = bytes.size();
    // Only the four framing bytes decide; a frame with length byte 0 (8 bytes) is accepted too. The code
    // byte (5) must exist.
    const bool accepted = n >= 6 && bytes[0] == DLE && bytes[1] == STX && bytes[n - 3] == DLE && bytes[n - 2] == ETX;
    if (accepted) {
        Address = bytes[2];
        Command = bytes[5];
    } else {
        // No device has ID 0, so the dispatcher treats this record as foreign.
        Address = 0;
        Command = n > 0 ? bytes[0] : 0;
    }
    // The length byte is trusted only as far as the received bytes reach (in a frame, up to its
    // closing bytes).
    const std::size_t end = accepted ? n - 3 : n;
    if (end > 6) {
        const std::size_t declared = n > 4 && bytes[4] > 0 ? bytes[4] - 1u : 0u;
        const std::size_t count = std::min(declared, end - 6);
        Payload.assign(bytes.begin() + 6, bytes.begin() + 6 + static_cast<std::ptrdiff_t>(count));
    }
}

BytePacket LCmd::ToBytes(bool framed) const
{
    if (!framed)
        return Payload;
    if (Payload.size() > MaxPayload)
        return {};
    BytePacket out;
    out.reserve(Payload.size() + FrameOverhead);
    out.push_back(DLE);
    out.push_back(STX);
    out.push_back(0x00);
    out.push_back(Address);
    out.push_back(static_cast<std::uint8_t>(Payload.size() + 1));
    out.push_back(Command);
    out.insert(out.end(), Payload.begin(), Payload.end());
    out.push_back(DLE);
    out.push_back(ETX);
    std::uint8_t check = 0;
    for (std::uint8_t b : out)
        check ^= b;
    out.push_back(check);
    return out;
}
