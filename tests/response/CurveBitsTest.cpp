// Every curve keeps its exact bits: a faster evaluation must draw the same pixels in every build and on
// every processor. The fingerprints were taken from the plain one-pass evaluation over separately
// allocated sections; they hold in Debug and Release because the curve code fuses no multiply and add.

#include "response/CurveBuilder.h"
#include "response/FilterCurve.h"
#include "response/Plot.h"

#include "RecordingView.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <string>

namespace {

// FNV-1a over the bytes of every point, lowest byte first.
std::uint64_t Fingerprint(const std::array<double, 4096>& curve)
{
    std::uint64_t h = 1469598103934665603ull;
    for (double v : curve) {
        const auto bits = std::bit_cast<std::uint64_t>(v);
        for (int k = 0; k < 8; ++k) {
            h ^= (bits >> (8 * k)) & 0xFF;
            h *= 1099511628211ull;
        }
    }
    return h;
}

struct Section
{
    int type;
    double gain;
    double freq;
    double q;
    float k0;
    float k1;
    std::uint64_t magnitude;
    std::uint64_t phase;
};

// Every type, cut and boost, the grid's ends, the steepest Q, and absurd values held at the design limits.
const Section Sections[] = {
    {1, 6.0, 1000.0, 1.41, 0, 0, 0x1d1b4bd9f3bbf859ull, 0xc68e1fdaa87c8ae9ull},
    {1, -15.0, 19.0, 0.4, 0, 0, 0xd4683e0079075914ull, 0xd69c6be1a13ee33full},
    {1, 15.0, 20200.0, 128.0, 0, 0, 0xad79ba78635708a0ull, 0x4f3dc29ceed523b4ull},
    {2, 6.0, 100.0, 0.71, 0, 0, 0xcc2ae9930e83d316ull, 0xa63c4a3c61a93dcaull},
    {2, -12.0, 300.0, 1.0, 0, 0, 0x802d38d55e07ba60ull, 0x52871c424177091eull},
    {3, 4.5, 5000.0, 0.71, 0, 0, 0xea513f0d81cbaf38ull, 0x4b6cd066490229dcull},
    {3, -15.0, 20200.0, 0.4, 0, 0, 0x19979beb657bed2full, 0x0703fa19202d53ccull},
    {4, 0.0, 120.0, 0.71, 0, 0, 0x7dd06cbe0e050193ull, 0x625f56e0a51f76a7ull},
    {5, 0.0, 20200.0, 0.4, 0, 0, 0x15808e0cef5c5b7cull, 0x0b27c780081063cfull},
    {6, 0.0, 15000.0, 128.0, 0, 0, 0xc2478bea5a7724c1ull, 0x90b37f0ce7fae813ull},
    {7, 0.0, 19.0, 0.4, 0, 0, 0xb0ce2de7ed87170dull, 0xa4bed0867a9a35dbull},
    {8, 0.0, 2000.0, 0.4, 0, 0, 0x93a695b0b7b628a1ull, 0x95e55af7290f8d2aull},
    {9, 0.0, 60.0, 0.4, 0, 0, 0xb0af6ae15a955abbull, 0xe9f9d49a129b7596ull},
    {11, 0.0, 1000.0, 0.05, 0.756f, 0, 0xe7d404d1aa28d8b7ull, 0xcb47e98eadc87572ull},
    {12, 0.0, 800.0, 0.05, 0.7654f, 0, 0x35a5bd8e3d0dcccbull, 0x6a4d6e1e11ed2709ull},
    {13, 0.0, 19.0, 0.05, 0.3728f, 0.2087f, 0x60d077caea96be42ull, 0xd2039b07b4c9fa8full},
    {14, 0.0, 90.0, 0.05, 0.6656f, 0, 0xc6513ec15ea300a8ull, 0x06d7847505ef03b3ull},
    {15, 0.0, 2500.0, 0.05, 1.8478f, 0, 0xbabb82648f6e26a3ull, 0x9d75a909b9a1fda6ull},
    {16, 0.0, 20200.0, 0.05, 1.1112f, 0.3126f, 0x80f903642e44adf9ull, 0xc1bc1baab7526a17ull},
    {17, 0.0, 1200.0, 3.0, 0, 0, 0xecd69f0ba4337019ull, 0x3913cdf6fb3ddb95ull},
    {1, 120.0, 47000.0, 1000.0, 0, 0, 0xedfce380fe12e5deull, 0x6a90c5a16f4b969dull},
    {6, 0.0, 0.01, 0.01, 0, 0, 0x1592328885fab4bcull, 0x9dd18f56699369bcull},
};

// Nine bands of every EqType, one bypassed, on a channel plot.
class SpreadBands : public PeqBandReader
{
public:
    int GetChannelNumber() const override { return 9; }
    double GetFreqValue(int b) const override { return 25.0 * (1 << b) + 3.0 * b; }
    double GetGainValue(int b) const override { return b % 2 ? -4.5 - b : 3.0 + 0.5 * b; }
    double GetQValue(int b) const override { return 0.5 + 0.7 * b; }
    int GetTypeValue(int b) const override { return b % 7; }
    bool GetBypassValue(int b) const override { return b == 4; }
};

class FixedCrossover : public CrossoverReader
{
public:
    CrossoverRecord GetHpLp(int) const override { return record; }
    CrossoverRecord record;
};

} // namespace

TEST(CurveBits, EverySectionKeepsItsExactCurve)
{
    for (const Section& s : Sections) {
        for (const bool phase : {false, true}) {
            SCOPED_TRACE("type " + std::to_string(s.type) + " freq " + std::to_string(s.freq) + " phase " +
                         std::to_string(phase));
            FilterCurve f;
            f.phaseMode = phase ? 1 : 0;
            f.SetStage(s.gain, s.freq, s.q, s.type, s.k0, s.k1);
            EXPECT_EQ(Fingerprint(f.curve), phase ? s.phase : s.magnitude);
        }
    }
}

TEST(CurveBits, EveryChannelTotalKeepsItsExactCurve)
{
    struct Row
    {
        int hpSlope;
        int lpSlope;
        std::uint64_t magnitude;
        std::uint64_t phase;
    };
    // Butterworth 48 / Linkwitz-Riley 48, Linkwitz-Riley 12 / Bessel 36, Bessel 30 / none.
    const Row rows[] = {
        {18, 20, 0xf97103ca18a0df17ull, 0x0c1433b6a875735aull},
        {5, 14, 0x2d3f699a2a12428bull, 0x46e47aaa86f822fcull},
        {12, 0, 0x4740f8859f4f8b7eull, 0x6ab674634de41514ull},
    };
    for (const Row& r : rows) {
        for (const bool phase : {false, true}) {
            SCOPED_TRACE("slopes " + std::to_string(r.hpSlope) + "/" + std::to_string(r.lpSlope) + " phase " +
                         std::to_string(phase));
            RecordingView view;
            Plot plot(&view);
            plot.SetPhaseMode(phase);
            SpreadBands bands;
            FixedCrossover model;
            model.record = CrossoverRecord {40, 250, r.hpSlope, r.lpSlope};
            BuildPeqCurve(plot, 2, bands);
            BuildHpCurve(plot, 2, model);
            BuildLpCurve(plot, 2, model);
            EXPECT_EQ(Fingerprint(plot.Section(Plot::TotalSection)->curve), phase ? r.phase : r.magnitude);
        }
    }
}
