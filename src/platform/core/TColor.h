#pragma once
// Colour value laid out 0x00BBGGRR, as the drawing code and the stored tables expect.

#include <cstdint>

namespace vcl {

using TColor = std::int32_t;

} // namespace vcl
