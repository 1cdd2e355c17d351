#pragma once
// Payload bytes each reply's handling reads; a shorter reply is dropped whole.

#include <cstddef>

namespace ReplySizes {

inline constexpr std::size_t LockStatus = 6;
inline constexpr std::size_t PresetFlags = 30;
inline constexpr std::size_t PresetName = 15; // entry number and 14 name bytes
inline constexpr std::size_t Block = 51;      // block number and 50 dump bytes
inline constexpr std::size_t DeviceInfo = 18;
inline constexpr std::size_t BlockNumber = 1;

} // namespace ReplySizes
