#pragma once
// Conversions that never carry NaN or an out-of-range value on to the plot control.
// (Local to the curve engine until the platform core's saturating helpers exist.)

#include <cmath>
#include <limits>

namespace response_detail {

// v when finite, else fallback.
inline double FiniteOr(double v, double fallback = 0.0)
{
    return std::isfinite(v) ? v : fallback;
}

// v rounded to single precision, NaN as 0 and held to the float range (a plain cast of a larger double
// is undefined).
inline float ToFloatSaturated(double v)
{
    if (std::isnan(v))
        return 0.0f;
    constexpr double top = std::numeric_limits<float>::max();
    if (v > top)
        return std::numeric_limits<float>::max();
    if (v < -top)
        return -std::numeric_limits<float>::max();
    return static_cast<float>(v);
}

} // namespace response_detail
