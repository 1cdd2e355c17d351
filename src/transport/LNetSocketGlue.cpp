#include "transport/LNetSocketGlue.h"

#include "platform/os/TClientSocket.h"
#include "transport/LPacketLink.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr int ReadBlock = 100;
constexpr std::size_t LengthAt = 4;
constexpr std::size_t Overhead = 8;
constexpr int ShortRead = 5; // a read of this many bytes or fewer may be a fragment of nothing
constexpr std::uint8_t DLE = 0x10;
} // namespace

LNetSocketGlue::LNetSocketGlue(vcl::TClientSocket& socket)
    : Socket(socket)
    , UiCalls(std::make_unique<vcl::TThreadCallQueue>())
{
}

LNetSocketGlue::~LNetSocketGlue() = default;

std::string LNetSocketGlue::HexLine(const char* prefix, const std::uint8_t* data, std::size_t count)
{
    std::string s = prefix;
    char b[4];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(b, sizeof b, "%02X ", data[i]);
        s += b;
    }
    return s;
}

void LNetSocketGlue::Write(const std::uint8_t* data, unsigned count)
{
    UiCalls->Post([this, frame = BytePacket(data, data + count)] {
        NetLastFrame = frame;
        SendNow(frame);
        if (Trace) {
            // A frame is its length byte plus 8 bytes; never more than was written.
            const std::size_t n = frame.size() > LengthAt ? std::min(frame.size(), frame[LengthAt] + Overhead) : frame.size();
            Trace(HexLine("NET W ", frame.data(), n));
        }
    });
}

void LNetSocketGlue::SendNow(const BytePacket& frame)
{
    if (!frame.empty())
        Socket.SendBuf(frame.data(), static_cast<int>(frame.size()));
}

bool LNetSocketGlue::StrayShortRead(const std::uint8_t* data, int n) const
{
    if (n > ShortRead || Follow.Collecting())
        return false;
    return std::find(data, data + n, DLE) == data + n;
}

void LNetSocketGlue::OnRead()
{
    // Read in blocks until the socket is drained: bytes left behind would get no further read event.
    for (;;) {
        std::uint8_t buffer[ReadBlock];
        const int n = Socket.ReceiveBuf(buffer, ReadBlock);
        if (n <= 0)
            return;
        if (Trace) {
            std::size_t shown = static_cast<std::size_t>(n);
            if (shown > LengthAt)
                shown = std::min(shown, buffer[LengthAt] + Overhead);
            Trace(HexLine("NET R ", buffer, shown));
        }
        LPacketLink* net = Transport ? Transport() : nullptr;
        if (net != Followed) {
            Follow.Clear();
            Followed = net;
        }
        if (net && !StrayShortRead(buffer, n)) {
            for (int i = 0; i < n; ++i)
                Follow.Push(buffer[i]);
            net->ReceiveBytes(buffer, static_cast<unsigned>(n));
        } else {
            SendNow(NetLastFrame);
            if (Trace)
                Trace(HexLine("NET RW ", NetLastFrame.data(), NetLastFrame.size()));
        }
    }
}
