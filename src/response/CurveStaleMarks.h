#pragma once
// Which copies of a channel's total curve, shown on the other plots of its side, are out of date.

#include <array>
#include <cstdint>

class CurveStaleMarks
{
public:
    static constexpr int PlotCount = 10; // InA, InB, Out1..Out6, Gain-page inputs, Gain-page outputs
    static constexpr int GainInPlot = 8;
    static constexpr int GainOutPlot = 9;

    // Sets bit ch in the mask of every plot of ch's side: plots 0, 1, 8 for an input, 2..7, 9 for an
    // output. A channel outside 0..7 marks nothing.
    void MarkCurveStale(int ch);

    // Bit j of mask k: the copy of channel j's total on plot k is out of date. Only bits 0..7 are used.
    std::array<std::uint32_t, PlotCount> OverlayStale {};
};
