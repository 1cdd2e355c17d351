#pragma once
// Constants shared by every module: titles, grids, crossover tables, colours and thresholds.

#include "platform/core/TColor.h"

#include <array>
#include <numbers>
#include <string>



inline const std::string APP_TITLE = "ZQ9 DSP Processor Editor";
inline const std::string APP_VERSION = "V1.01";
// The address the device answers at out of the box.
inline const std::string DEFAULT_DEVICE_IP = "192.168.2.1";

inline const std::array<std::string, 16> CompRatioLabels = {
    "1.0", "1.1", "1.3", "1.5", "1.7", "2.0", "2.5", "3.0",
    "3.5", "4.0", "5.0", "6.0", "8.0", "10",  "20",  "Limit"};

inline constexpr double FreqStepRatio = 1.023373891996775; // 2^(1/30)
inline constexpr float SoundSpeedEntry = 343.5f;           // m/s

// 20.1 stands for "Limit".
inline constexpr std::array<double, 16> CompRatioValues = {
    1.0, 1.1, 1.3, 1.5, 1.7, 2.0, 2.5, 3.0, 3.5, 4.0, 5.0, 6.0, 8.0, 10.0, 20.0, 20.1};

// Crossover design row for each slope code: 0 flat, 1..8 Butterworth order, 9..16 Bessel order 1..8,
// 17..20 Linkwitz-Riley 12/24/36/48.
inline constexpr std::array<int, 21> SlopeToDesignRow = {
    0, 1, 9, 2, 10, 17, 3, 11, 4, 12, 18, 5, 13, 6, 14, 19, 7, 15, 8, 16, 20};

// Row r: Butterworth order r. Entry 0 is 1.0 when there is a first-order stage; entries 1..4 are the
// damping factors of the second-order stages (0 = no stage).
inline constexpr std::array<std::array<float, 5>, 9> ButterworthFactors = {{
    {0.0f, 0.0f, 0.0f, 0.0f, 0.0f},
    {1.0f, 0.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 1.4142f, 0.0f, 0.0f, 0.0f},
    {1.0f, 1.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 0.7654f, 1.8478f, 0.0f, 0.0f},
    {1.0f, 0.618f, 1.618f, 0.0f, 0.0f},
    {0.0f, 0.5176f, 1.4142f, 1.9319f, 0.0f},
    {1.0f, 0.445f, 1.247f, 1.8019f, 0.0f},
    {0.0f, 0.3902f, 1.1111f, 1.6629f, 1.9616f},
}};

// Rows 9..16 (Bessel order 1..8), stored at index row - 9: pair 0 is the first-order stage
// 1/(k0 s + 1), pairs 1..4 the stages 1/(k1 s^2 + k0 s + 1); k0 = 0 means no stage.
struct BesselPair
{
    float k0;
    float k1;
};
inline constexpr int BesselFirstRow = 9;
inline constexpr std::array<std::array<BesselPair, 5>, 8> BesselFactors = {{
    {{{1.0f, 0.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}}},
    {{{0.0f, 0.0f}, {1.3617f, 0.618f}, {0.0f, 0.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}}},
    {{{0.756f, 0.0f}, {0.9996f, 0.4772f}, {0.0f, 0.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}}},
    {{{0.0f, 0.0f}, {1.3397f, 0.4889f}, {0.7743f, 0.389f}, {0.0f, 0.0f}, {0.0f, 0.0f}}},
    {{{0.6656f, 0.0f}, {1.1402f, 0.4128f}, {0.6216f, 0.3245f}, {0.0f, 0.0f}, {0.0f, 0.0f}}},
    {{{0.0f, 0.0f}, {1.2217f, 0.3887f}, {0.9686f, 0.3505f}, {0.5131f, 0.2756f}, {0.0f, 0.0f}}},
    {{{0.5937f, 0.0f}, {1.0944f, 0.3395f}, {0.8304f, 0.3011f}, {0.4332f, 0.2381f}, {0.0f, 0.0f}}},
    {{{0.0f, 0.0f}, {1.1112f, 0.3126f}, {0.9754f, 0.2979f}, {0.7202f, 0.2621f}, {0.3728f, 0.2087f}}},
}};

// Curve section type of a PEQ band, indexed by EQ type 0..6.
inline constexpr std::array<int, 7> PeqTypeToCurveType = {1, 2, 3, 5, 4, 7, 17};

inline constexpr double FilterBandMaxQ = 3.0;
inline constexpr double FilterBandResetQ = 0.71;
inline constexpr double PlotMouseOffset = 42.0;

inline constexpr std::array<vcl::TColor, 42> BandColors = {
    0x0000FF, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0x00FF00, 0xFF0000, 0xF0CAA6,
    0x800080, 0x808000, 0x000080, 0xF0FBFF, 0x008080, 0x808080, 0x800000,
    0x0000FF, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0x00FF00, 0xFF0000, 0xF0CAA6,
    0x800080, 0x808000, 0x000080, 0xF0FBFF, 0x008080, 0x808080, 0x800000,
    0x0000FF, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0x00FF00, 0xFF0000, 0xF0CAA6,
    0x800080, 0x808000, 0x000080, 0xF0FBFF, 0x008080, 0x808080, 0x800000};

// Indexed by channel (InA, InB, Out1..Out6), then two further entries.
inline constexpr std::array<vcl::TColor, 10> ChannelColors = {
    0x800080, 0x008080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xF0CAA6, 0xF0FBFF};

inline constexpr std::array<float, 9> InLevelThresholds = {-50, -40, -30, -20, -5, 0, 5, 12, 15};
inline constexpr std::array<float, 8> OutLevelThresholds = {-50, -30, -10, -5, 0, 5, 12, 15};

// Q for each Q index 0..100; not a geometric series (steps of 0.1 around 2, whole numbers from 14 on).
inline constexpr std::array<float, 101> QTable = {
    0.4f,  0.42f, 0.45f, 0.47f, 0.5f,  0.53f, 0.56f, 0.59f, 0.63f, 0.67f, 0.71f, 0.75f, 0.79f, 0.84f,
    0.89f, 0.94f, 1.0f,  1.06f, 1.12f, 1.19f, 1.26f, 1.3f,  1.4f,  1.5f,  1.6f,  1.7f,  1.8f,  1.9f,
    2.0f,  2.1f,  2.2f,  2.4f,  2.5f,  2.7f,  2.8f,  3.0f,  3.2f,  3.4f,  3.6f,  3.8f,  4.0f,  4.2f,
    4.5f,  4.8f,  5.0f,  5.3f,  5.7f,  6.0f,  6.3f,  6.7f,  7.1f,  7.6f,  8.0f,  8.5f,  9.0f,  9.5f,
    10.1f, 10.7f, 11.3f, 12.0f, 12.7f, 13.5f, 14.0f, 15.0f, 16.0f, 17.0f, 18.0f, 19.0f, 20.0f, 21.0f,
    23.0f, 24.0f, 25.0f, 27.0f, 29.0f, 30.0f, 32.0f, 34.0f, 36.0f, 38.0f, 40.0f, 43.0f, 45.0f, 48.0f,
    51.0f, 54.0f, 57.0f, 60.0f, 64.0f, 68.0f, 72.0f, 76.0f, 81.0f, 85.0f, 91.0f, 96.0f, 102.0f, 108.0f,
    114.0f, 121.0f, 128.0f};

inline constexpr double PhaseHalfTurn = 18.0; // 180 degrees in tens of degrees
inline constexpr double PhaseScale = PhaseHalfTurn / 180.0 * 180.0 / std::numbers::pi; // rad -> tens of degrees

// Unit texts the typed-entry handlers strip from what the user typed.
inline const std::array<std::string, 4> DbSuffixes = {"dB", "DB", "db", "Db"};
inline const std::array<std::string, 4> MsSuffixes = {"ms", "Ms", "mS", "MS"};
inline const std::array<std::string, 4> DelayMsSuffixes = {"ms", "Ms", "mS", "MS"};
inline const std::array<std::string, 2> MetreSuffixes = {"m", "M"};
inline const std::array<std::string, 4> FootSuffixes = {"ft", "Ft", "fT", "FT"};


