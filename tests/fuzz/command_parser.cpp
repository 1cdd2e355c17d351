// A received frame parsed into address, command code and payload. Whatever the bytes, the payload
// is a part of them between the header and the closing bytes; a well-formed reply parses back to
// exactly what the device put in, and renders again as a frame with the same payload.

#include "FuzzSupport.h"
#include "device/LCmd.h"

#include <algorithm>

namespace {

void parseAnything(std::span<const std::uint8_t> bytes)
{
    const LCmd framed(bytes, true);
    const BytePacket& payload = framed.GetPayload();
    fuzz::Require(payload.size() <= LCmd::MaxPayload, "payload fits the length byte");
    if (!payload.empty()) {
        fuzz::Require(bytes.size() >= 6 + payload.size(), "payload inside the bytes");
        fuzz::Require(std::equal(payload.begin(), payload.end(), bytes.begin() + 6), "payload taken from byte 6 on");
    }
    const LCmd bare(bytes, false);
    fuzz::Require(std::ranges::equal(bare.GetPayload(), bytes), "bare bytes are the payload");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    parseAnything({ data, size });

    fuzz::Input in(data, size);
    const std::uint8_t address = in.Byte();
    const std::uint8_t command = in.Byte();
    const std::vector<std::uint8_t> payload = in.Bytes(LCmd::MaxPayload);
    BytePacket frame { LCmd::DLE, LCmd::STX, address, 1, static_cast<std::uint8_t>(payload.size() + 1), command };
    frame.insert(frame.end(), payload.begin(), payload.end());
    frame.insert(frame.end(), { LCmd::DLE, LCmd::ETX, in.Byte() });

    const LCmd reply(frame, true);
    fuzz::Require(reply.GetAddress() == address && reply.GetCommand() == command, "address and code of a reply");
    fuzz::Require(reply.GetPayload() == BytePacket(payload.begin(), payload.end()), "payload of a reply");

    const BytePacket again = reply.ToBytes(true);
    fuzz::Require(again.size() == frame.size(), "rendered frame length");
    fuzz::Require(std::equal(again.begin() + 4, again.end() - 1, frame.begin() + 4), "rendered frame body");
    std::uint8_t check = 0;
    for (std::size_t i = 0; i + 1 < again.size(); ++i)
        check ^= again[i];
    fuzz::Require(again.back() == check, "check byte");
    return 0;
}
