#pragma once
// The monotonic high-resolution counter and its frequency (counts per second).

#include <cstdint>

namespace vcl {

std::int64_t QueryPerformanceCounter();
std::int64_t QueryPerformanceFrequency();

} // namespace vcl
