// Received bytes cut into frames. Frames sent between stretches of line noise must all come out,
// whole and in order, as long as the noise itself holds no frame start (no 0x10 byte: after one,
// any later 0x02 would open a frame by design).

#include "FuzzSupport.h"
#include "device/LCmd.h"
#include "transport/LFrameCutter.h"

#include <vector>

namespace {

std::vector<std::uint8_t> noiseWithoutFrameStart(fuzz::Input& in)
{
    std::vector<std::uint8_t> noise = in.Bytes(64);
    for (std::uint8_t& b : noise)
        if (b == LCmd::DLE)
            b = 0x11;
    return noise;
}

// Any bytes at all: completed frames are always well formed.
void cutAnything(std::span<const std::uint8_t> bytes)
{
    LFrameCutter cutter;
    for (std::uint8_t b : bytes) {
        if (!cutter.Push(b))
            continue;
        const BytePacket& frame = cutter.Frame();
        fuzz::Require(frame.size() >= 9 && frame[0] == LCmd::DLE && frame[1] == LCmd::STX, "frame start");
        fuzz::Require(frame.size() == std::size_t(frame[4]) + 8, "frame length");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    cutAnything({ data, size });

    fuzz::Input in(data, size);
    std::vector<std::uint8_t> stream;
    std::vector<BytePacket> sent;
    while (!in.Empty() && sent.size() < 32) {
        const std::vector<std::uint8_t> noise = noiseWithoutFrameStart(in);
        stream.insert(stream.end(), noise.begin(), noise.end());
        const std::uint8_t address = in.Byte();
        const std::uint8_t command = in.Byte();
        const std::vector<std::uint8_t> payload = in.Bytes(LCmd::MaxPayload);
        // A reply frame as the device sends it: its own address in byte 2.
        BytePacket frame(payload.begin(), payload.end());
        frame.insert(frame.begin(), { LCmd::DLE, LCmd::STX, address, address,
                                      static_cast<std::uint8_t>(payload.size() + 1), command });
        frame.insert(frame.end(), { LCmd::DLE, LCmd::ETX, 0 });
        stream.insert(stream.end(), frame.begin(), frame.end());
        sent.push_back(frame);
    }
    const std::vector<std::uint8_t> tail = noiseWithoutFrameStart(in);
    stream.insert(stream.end(), tail.begin(), tail.end());

    LFrameCutter cutter;
    std::vector<BytePacket> received;
    for (std::uint8_t b : stream)
        if (cutter.Push(b))
            received.push_back(cutter.Frame());
    fuzz::Require(received == sent, "every frame sent between noise comes out unchanged");
    return 0;
}
