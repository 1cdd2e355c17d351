#include "device/RequestReply.h"

#include "device/McsCodes.h"

#include <algorithm>

namespace {

constexpr std::size_t AddressAt = 2;  // the sender: the device's ID in its replies
constexpr std::size_t ReceiverAt = 3; // the device a request is addressed to
constexpr std::size_t LengthAt = 4;
constexpr std::size_t CodeAt = 5;
constexpr std::size_t PayloadAt = 6;
constexpr std::size_t Overhead = 8;

// The reply code a request asks for; 0 for a request answered by an acknowledge.
std::uint8_t ReplyCodeOf(std::uint8_t request)
{
    switch (request) {
    case MCS_CMD_CONNECT: return MCS_REPLY_CONNECT;
    case MCS_CMD_IDENTITY: return MCS_REPLY_IDENTITY;
    case MCS_CMD_GET_PRESET_NO: return MCS_REPLY_PRESET_NO;
    case MCS_CMD_READ_EEPROM: return MCS_REPLY_EEPROM_DATA;
    case MCS_CMD_READ_PRESET_FLAGS: return MCS_REPLY_PRESET_FLAGS;
    case MCS_CMD_READ_PROGRAM_BLOCK: return MCS_REPLY_PROGRAM_BLOCK;
    case MCS_CMD_DOWNLOAD: return MCS_REPLY_DOWNLOAD_BLOCK;
    case MCS_CMD_READ_PRESET_BLOCK: return MCS_REPLY_PRESET_BLOCK;
    case MCS_CMD_READ_PRESET_NAME: return MCS_REPLY_PRESET_NAME;
    case MCS_CMD_READ_LOCK_STATUS: return MCS_REPLY_LOCK_STATUS;
    case MCS_CMD_PASS_SUBMIT: return MCS_REPLY_PASSWORD_CHECK;
    case MCS_CMD_READ_LEVELS: return MCS_REPLY_LEVELS;
    default: return 0;
    }
}

// Requests whose reply repeats their first payload byte (block or entry number).
bool IsNumbered(std::uint8_t request)
{
    return request == MCS_CMD_READ_PROGRAM_BLOCK || request == MCS_CMD_DOWNLOAD || request == MCS_CMD_READ_PRESET_BLOCK
           || request == MCS_CMD_READ_PRESET_NAME;
}

bool IsFrame(const BytePacket& f)
{
    return f.size() > PayloadAt && f.size() == static_cast<std::size_t>(f[LengthAt]) + Overhead;
}

} // namespace

namespace RequestReply {

bool IsWellFormed(const BytePacket& frame)
{
    if (!IsFrame(frame) || frame[0] != 0x10 || frame[1] != 0x02)
        return false;
    const std::size_t n = frame.size();
    if (frame[n - 3] != 0x10 || frame[n - 2] != 0x03)
        return false;
    std::uint8_t check = 0;
    for (std::size_t i = 0; i + 1 < n; ++i)
        check ^= frame[i];
    return check == frame[n - 1];
}

bool Answers(const BytePacket& request, const BytePacket& reply)
{
    if (!IsFrame(request) || !IsWellFormed(reply) || reply[AddressAt] != request[ReceiverAt])
        return false;
    const std::uint8_t asked = request[CodeAt];
    const std::uint8_t code = reply[CodeAt];
    const std::uint8_t want = ReplyCodeOf(asked);
    // A request of no reply of its own is answered by an acknowledge (or, for a code this table
    // does not know, by a reply of its own code).
    if (want ? code != want : code != MCS_REPLY_ACK && code != asked)
        return false;
    const bool replyHasNumber = reply[LengthAt] >= 2;
    const bool requestHasNumber = request[LengthAt] >= 2;
    if (IsNumbered(asked) && replyHasNumber && requestHasNumber && reply[PayloadAt] != request[PayloadAt])
        return false;
    return true;
}

std::size_t AddressingBytes(std::uint8_t command)
{
    switch (command) {
    case MCS_CMD_PEQ:
        return 2;
    case MCS_CMD_COMP:
    case MCS_CMD_LOW_PASS:
    case MCS_CMD_HIGH_PASS:
    case MCS_CMD_GAIN:
    case MCS_CMD_MUTE:
    case MCS_CMD_POLARITY:
    case MCS_CMD_DELAY:
    case MCS_CMD_MATRIX:
    case MCS_CMD_CHANNEL_LINK:
    case MCS_CMD_EQ_BYPASS:
    case MCS_CMD_CHANNEL_NAME:
    case MCS_CMD_GATE:
        return 1;
    default:
        return 0;
    }
}

bool SetsSameThing(const BytePacket& a, const BytePacket& b)
{
    if (a.size() <= CodeAt || b.size() <= CodeAt || a[ReceiverAt] != b[ReceiverAt] || a[CodeAt] != b[CodeAt])
        return false;
    const std::size_t end = PayloadAt + AddressingBytes(a[CodeAt]);
    if (a.size() < end || b.size() < end)
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
    return std::equal(a.begin() + PayloadAt, a.begin() + static_cast<std::ptrdiff_t>(end), b.begin() + PayloadAt);
}

} // namespace RequestReply
