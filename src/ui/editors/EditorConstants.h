#pragma once
// The counts, indexes and masks the block editors share.

#include <cstdint>

namespace editors {

// Channels: 0 and 1 the inputs, 2 to 7 the outputs.
inline constexpr int ChannelCount = 8;
inline constexpr int InputCount = 2;
inline constexpr int FirstOutput = 2;
inline constexpr int OutputCount = 6;

inline constexpr bool IsInput(int ch) { return ch >= 0 && ch < InputCount; }
inline constexpr bool IsOutput(int ch) { return ch >= FirstOutput && ch < ChannelCount; }
inline constexpr bool IsChannel(int ch) { return ch >= 0 && ch < ChannelCount; }
// The first channel and the channel count of ch's side.
inline constexpr int SideFirst(int ch) { return ch < InputCount ? 0 : FirstOutput; }
inline constexpr int SideCount(int ch) { return ch < InputCount ? InputCount : OutputCount; }
// The last channel of ch's side.
inline constexpr int SideLast(int ch) { return SideFirst(ch) + SideCount(ch) - 1; }
// The bit of ch in its side's link, bypass and overlay masks.
inline constexpr int SideBitNo(int ch) { return ch < InputCount ? ch : ch - FirstOutput; }

// Pages: the eight channel pages by channel, then these.
inline constexpr int PageCount = 13;
inline constexpr int CompPage = 8;
inline constexpr int DelayPage = 9;
inline constexpr int GainPage = 10;
inline constexpr int MatrixPage = 11;
inline constexpr int GatePage = 12;

// PEQ bands: eight on an input, nine on an output.
inline constexpr int MaxBands = 9;
inline constexpr int BandCount(int ch) { return ch < InputCount ? 8 : 9; }
// The band editor's "no band" index, as the band editor keeps it.
inline constexpr int NoBand = 15;
// Marker slots of a response plot beyond the bands: the high-pass and the low-pass cut-off.
inline constexpr int HighPassSlot = 10;
inline constexpr int LowPassSlot = 11;
// The highest marker slot the hit test looks at.
inline constexpr int LastMarkerSlot = 35;

// The band parameter faders of a channel, in the order they stand.
enum class EqField { Freq, Q, Gain };
inline constexpr int EqFieldCount = 3;

// Gate fields as the model and the group display number them.
enum class GateField { Threshold, Attack, Release, Hold };
inline constexpr int GateFieldCount = 4;

// Compressor fields: the three faders, then the two up-downs.
enum class CompField { Threshold, Attack, Release, Ratio, Knee };
inline constexpr int CompFaderCount = 3;
inline constexpr int CompFieldCount = 5;
// The ratio up-down's top position: the limiter.
inline constexpr int LimiterRatio = 15;

// Delay display units, the unit buttons' tags.
inline constexpr int DelayUnitCount = 3;

// Block labels of the diagram, by kind; a side has only some of them.
enum class DiagramBlock { Gain, HpLp, Peq, Phase, Mute, Xover, Delay, Comp, Gate, ChName };
inline constexpr int DiagramBlockCount = 10;

// Response plots: the eight channel plots by channel, then the Gain page's two.
inline constexpr int PlotCount = 10;
inline constexpr int GainInPlot = 8;
inline constexpr int GainOutPlot = 9;
inline constexpr int GainPlotOf(int ch) { return ch < InputCount ? GainInPlot : GainOutPlot; }

// Curve sections of a channel's curve set: the channel total, and where the totals of the other
// channels of its side are copied on a channel plot (a Gain-page plot keeps channel c at section c).
inline constexpr int TotalSection = 12;
inline constexpr int OverlaySection(int plot, int ch)
{
    return plot >= GainInPlot ? ch : (plot < InputCount ? 18 + ch : 16 + ch);
}

// Overlay-stale masks a refresh starts from: every channel of the side on the plots of the inputs,
// of Out1 to Out4 and of the Gain page.
inline constexpr std::uint32_t InputPlotsStale = 15;
inline constexpr std::uint32_t OutputPlotsStale = 255;
inline constexpr std::uint32_t GainPlotsStale = 4095;

} // namespace editors
