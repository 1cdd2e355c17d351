#pragma once
// The fixed 4096-point logarithmic frequency grid of every response curve, with its precomputed phasors.

#include <array>

class ResponseGrid
{
public:
    static constexpr int PointCount = 4096;
    static constexpr double TopHz = 48000.0;     // the grid's upper end: half the design rate
    static constexpr double DesignRateHz = 96000.0;

    // The one grid, computed on first use.
    static const ResponseGrid& Instance();

    // 4096 * log10(hz) / log10(48000): where a frequency sits on the grid, as a point index. Always finite:
    // non-positive or NaN input gives 0, huge input is held to a large finite value.
    static double Position(double hz);

    double Freq(int i) const { return m_freq[static_cast<std::size_t>(i)]; }

    // cos and sin of the point's digital angle w = pi * f / 48000, and of 2w.
    const std::array<double, PointCount>& Cos1() const { return m_cos1; }
    const std::array<double, PointCount>& Sin1() const { return m_sin1; }
    const std::array<double, PointCount>& Cos2() const { return m_cos2; }
    const std::array<double, PointCount>& Sin2() const { return m_sin2; }
    const std::array<double, PointCount>& Freqs() const { return m_freq; }

private:
    ResponseGrid();

    alignas(64) std::array<double, PointCount> m_freq {};
    alignas(64) std::array<double, PointCount> m_cos1 {};
    alignas(64) std::array<double, PointCount> m_sin1 {};
    alignas(64) std::array<double, PointCount> m_cos2 {};
    alignas(64) std::array<double, PointCount> m_sin2 {};
};
