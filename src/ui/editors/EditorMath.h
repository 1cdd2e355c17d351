#pragma once
// Value conversions of the editors that do not need a window: level decoding, meter segments and
// the points of the transfer curves.

#include "device/BytePacket.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <string>
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

// Compressor transfer curve: knee k dB, threshold position (0.5 dB steps), ratio index (15 = limiter).
struct CompCurve
{
    std::vector<XY> Curve;
    XY Dot;
};
CompCurve CompCurvePoints(int thresholdPos, int knee, int ratioIndex);

// Typed threshold or knee text: the dB spellings cut, the fraction rule applied, clamped to lo..hi.
// Returns false for text that is no number.
bool ParseSignedEntry(std::string text, double lo, double hi, double& value);
// Typed ratio: the ratio index it selects, or -1 for text that is no ratio.
int ParseRatioEntry(std::string text);
// Typed milliseconds: the unit spellings cut; false for text that is no whole number.
bool ParseMsEntry(std::string text, int& ms);

// One routing line of the block diagram.
struct MatrixLine
{
    int Input;
    int X1, Y1, X2, Y2;
};
// The lines for the six outputs' matrix masks on a paint box of that width, the window extraHeight
// pixels above its design height.
std::vector<MatrixLine> MatrixLines(const std::array<int, 6>& masks, int width, int extraHeight);

} // namespace editors
