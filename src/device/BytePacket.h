#pragma once
// A growable array of unsigned bytes: one frame or payload.

#include <cstdint>
#include <vector>

using BytePacket = std::vector<std::uint8_t>;
