#pragma once
// Bounds every picture decoder checks before it allocates, so a forged header cannot exhaust memory.

#include <cstdint>

namespace vcl {

constexpr std::int64_t kMaxPictureSide = 32768;
constexpr std::int64_t kMaxPicturePixels = std::int64_t(64) * 1024 * 1024; // 256 MB as 32-bit pixels

} // namespace vcl
