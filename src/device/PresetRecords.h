#pragma once
// Parameter records inside the preset image, with their little-endian byte layouts.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace le {

inline std::uint16_t Read16(std::span<const std::uint8_t> b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

inline void Write16(std::span<std::uint8_t> b, std::size_t at, unsigned v)
{
    b[at] = static_cast<std::uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}

} // namespace le

// One PEQ band: gain index (120 = 0 dB, 0.1 dB steps), frequency index (170 = 1 kHz), Q index, EQ type.
struct PeqBand
{
    static constexpr std::size_t Size = 6;

    std::uint16_t Gain { 120 };
    std::uint16_t Freq { 170 };
    std::uint8_t Q { 35 };
    std::uint8_t Type { 0 };

    static PeqBand Read(std::span<const std::uint8_t, Size> b)
    {
        return {le::Read16(b, 0), le::Read16(b, 2), b[4], b[5]};
    }
    void Write(std::span<std::uint8_t, Size> b) const
    {
        le::Write16(b, 0, Gain);
        le::Write16(b, 2, Freq);
        b[4] = Q;
        b[5] = Type;
    }
    bool operator==(const PeqBand&) const = default;
};

// Input noise gate: times in ms - 1, threshold + 180 in half-dB steps.
struct GateParams
{
    static constexpr std::size_t Size = 8;

    std::uint16_t Attack { 0 };
    std::uint16_t Release { 0 };
    std::uint16_t Hold { 0 };
    std::uint16_t Threshold { 0 };

    static GateParams Read(std::span<const std::uint8_t, Size> b)
    {
        return {le::Read16(b, 0), le::Read16(b, 2), le::Read16(b, 4), le::Read16(b, 6)};
    }
    void Write(std::span<std::uint8_t, Size> b) const
    {
        le::Write16(b, 0, Attack);
        le::Write16(b, 2, Release);
        le::Write16(b, 4, Hold);
        le::Write16(b, 6, Threshold);
    }
    bool operator==(const GateParams&) const = default;
};

// Output compressor/limiter: ratio index (15 = limit), knee dB, times in ms - 1, threshold + 180.
struct CompParams
{
    static constexpr std::size_t Size = 8;

    std::uint8_t Ratio { 0 };
    std::uint8_t Knee { 0 };
    std::uint16_t Attack { 0 };
    std::uint16_t Release { 0 };
    std::uint16_t Threshold { 0 };

    static CompParams Read(std::span<const std::uint8_t, Size> b)
    {
        return {b[0], b[1], le::Read16(b, 2), le::Read16(b, 4), le::Read16(b, 6)};
    }
    void Write(std::span<std::uint8_t, Size> b) const
    {
        b[0] = Ratio;
        b[1] = Knee;
        le::Write16(b, 2, Attack);
        le::Write16(b, 4, Release);
        le::Write16(b, 6, Threshold);
    }
    bool operator==(const CompParams&) const = default;
};

// Crossover: high-pass and low-pass frequency indices and slope codes (0 = bypassed, 1..20).
struct HpLpParams
{
    static constexpr std::size_t Size = 6;

    std::uint16_t HpFreq { 0 };
    std::uint16_t LpFreq { 300 };
    std::uint8_t HpSlope { 0 };
    std::uint8_t LpSlope { 0 };

    static HpLpParams Read(std::span<const std::uint8_t, Size> b)
    {
        return {le::Read16(b, 0), le::Read16(b, 2), b[4], b[5]};
    }
    void Write(std::span<std::uint8_t, Size> b) const
    {
        le::Write16(b, 0, HpFreq);
        le::Write16(b, 2, LpFreq);
        b[4] = HpSlope;
        b[5] = LpSlope;
    }
    bool operator==(const HpLpParams&) const = default;
};

// The device's 18 information bytes (EEPROM 0..17), kept and written to files uninterpreted.
using DeviceInfo = std::array<std::uint8_t, 18>;

// A stored preset as a whole-unit upload collected it: its number and the device's 718 dump bytes.
struct StoredPreset
{
    std::uint8_t Number { 0 };
    std::array<std::uint8_t, 718> Dump {};
};
