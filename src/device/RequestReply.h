#pragma once
// Which reply answers which request, and which requests set the same thing: the rules the
// transports use to tell the answer to the request in flight from a late, repeated or foreign
// frame, and to tell which waiting edit a newer one may replace.

#include "device/BytePacket.h"

#include <cstddef>
#include <cstdint>

namespace RequestReply {

// A complete frame as the device sends it: start bytes, the length its length byte gives, the
// closing 0x10 0x03 and a check byte that is the exclusive-or of every byte before it.
bool IsWellFormed(const BytePacket& frame);

// True when `reply` is the device's answer to `request`: well formed, signed by the device the
// request was addressed to, of the reply code the request asks for and, for a numbered request
// (a block, an entry), carrying the same number. A reply too short to carry its number still
// answers (its handler reports it as short).
bool Answers(const BytePacket& request, const BytePacket& reply);

// The payload bytes that say what a setting command sets (channel; channel and band), before its value.
std::size_t AddressingBytes(std::uint8_t command);

// True when both frames set the same thing: same device, command code and addressing bytes.
bool SetsSameThing(const BytePacket& a, const BytePacket& b);

} // namespace RequestReply
