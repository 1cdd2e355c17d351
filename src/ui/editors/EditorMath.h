#pragma once
// Value conversions of the editors that do not need a window: level decoding, meter segments and
// the points of the transfer curves.

#include "device/BytePacket.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

namespace editors {

using XY = std::pair<double, double>;

// Level k (0..11) of a level reply of at least 36 bytes: a single-precision amplitude whose low
// byte is not sent.
float DecodeLevel(const BytePacket& payload, int k);

// Lit segments for a linear level against a channel's thresholds (t - 15 < dB, counting from the
// first). Negative or NaN levels read as silence: the device does not send them and a meter must
// not light for garbage.
template <std::size_t N>
int LevelSegments(float level, const std::array<float, N>& thresholds)
{
    if (!(level > 0.0f))
        level = 1e-7f;
    const double db = 20.0 * std::log10(static_cast<double>(level));
    int n = 0;
    for (float t : thresholds) {
        if (!(static_cast<double>(t) - 15.0 < db))
            break;
        ++n;
    }
    return n;
}

// Gate transfer curve for a threshold fader position (0.5 dB steps): the 1:1 line above the
// threshold and the drop to -100 dB at it, and the threshold dot.
struct GateCurve
{
    std::vector<XY> Curve;
    XY Dot;
};
GateCurve GateCurvePoints(int thresholdPos);

} // namespace editors
