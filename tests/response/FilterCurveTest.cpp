// Section design against the analog prototypes, the worked values, phase folding and unfolding.

#include "response/FilterCurve.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace {

using cd = std::complex<double>;
constexpr double Pi = std::numbers::pi;

double GridFreq(int i)
{
    return std::pow(48000.0, i / 4096.0);
}

int NearestPoint(double hz)
{
    return static_cast<int>(std::lround(4096.0 * std::log10(hz) / std::log10(48000.0)));
}

struct Case
{
    int type;
    double gain;
    double freq;
    double q;
    float k0;
    float k1;
};

// The analog prototype of each section type, s normalised to the section's frequency.
cd Prototype(const Case& c, cd s)
{
    const double A = std::pow(10.0, std::fabs(c.gain) / 20.0);
    const double sA = std::sqrt(A);
    const double Q = c.q;
    const cd den = s * s + s / Q + 1.0;
    const double k0 = c.k0;
    const double k1 = c.k1;
    cd h;
    switch (c.type) {
    case 1: h = (s * s + (A / Q) * s + 1.0) / den; break;
    case 2: h = (s * s + (sA / Q) * s + A) / den; break;
    case 3: h = (A * s * s + (sA / Q) * s + 1.0) / den; break;
    case 4: return s * s / den;
    case 5: return 1.0 / den;
    case 6: return (2.0 * s / Q) / den;
    case 7: return (s - 1.0) / (s + 1.0);
    case 8: return 1.0 / (s + 1.0);
    case 9: return s / (s + 1.0);
    case 10: return 1.0;
    case 11: return 1.0 / (k0 * s + 1.0);
    case 12: return 1.0 / (s * s + k0 * s + 1.0);
    case 13: return 1.0 / (k1 * s * s + k0 * s + 1.0);
    case 14: return s / (s + k0);
    case 15: return s * s / (s * s + k0 * s + 1.0);
    case 16: return s * s / (s * s + k0 * s + k1);
    case 17: return (s * s - s / Q + 1.0) / den;
    default: return 1.0;
    }
    return c.gain >= 0 ? h : 1.0 / h;
}

// Bilinear identity: the digital response at angle w equals the prototype at s = j tan(w/2) / tan(pi f0 / fs).
cd Expected(const Case& c, int i)
{
    const double w = 2.0 * Pi * GridFreq(i) / 96000.0;
    const double K = std::tan(Pi * c.freq / 96000.0);
    return Prototype(c, cd(0.0, std::tan(w / 2.0) / K));
}

FilterCurve Make(const Case& c, bool phase)
{
    FilterCurve f;
    f.phaseMode = phase ? 1 : 0;
    f.SetStage(c.gain, c.freq, c.q, c.type, c.k0, c.k1);
    return f;
}

const Case Cases[] = {
    {1, 6.0, 1000.0, 1.41f, 0, 0},    {1, -9.5, 250.0, 4.0, 0, 0},     {2, 6.0, 100.0, 0.71, 0, 0},
    {2, -12.0, 300.0, 1.0, 0, 0},     {3, 4.5, 5000.0, 0.71, 0, 0},    {3, -7.0, 8000.0, 2.0, 0, 0},
    {4, 0.0, 120.0, 0.71, 0, 0},      {5, 0.0, 3000.0, 2.5, 0, 0},     {6, 0.0, 700.0, 1.4, 0, 0},
    {7, 0.0, 500.0, 0.4, 0, 0},       {8, 0.0, 2000.0, 0.4, 0, 0},     {9, 0.0, 60.0, 0.4, 0, 0},
    {10, 0.0, 1000.0, 0.4, 0, 0},     {11, 0.0, 1000.0, 0.05, 0.756f, 0}, {12, 0.0, 800.0, 0.05, 0.7654f, 0},
    {13, 0.0, 1500.0, 0.05, 1.3397f, 0.4889f}, {14, 0.0, 90.0, 0.05, 0.6656f, 0}, {15, 0.0, 2500.0, 0.05, 1.8478f, 0},
    {16, 0.0, 400.0, 0.05, 0.9686f, 0.3505f}, {17, 0.0, 1200.0, 3.0, 0, 0}, {17, 0.0, 40.0, 0.71, 0, 0},
};

} // namespace

TEST(FilterCurve, EveryTypeMatchesItsAnalogPrototypeThroughTheBilinearMap)
{
    for (const Case& c : Cases) {
        SCOPED_TRACE("type " + std::to_string(c.type) + " gain " + std::to_string(c.gain));
        const FilterCurve mag = Make(c, false);
        const FilterCurve ph = Make(c, true);
        for (int i = 0; i < 4096; i += 7) {
            const cd h = Expected(c, i);
            const double db = 20.0 * std::log10(std::abs(h));
            ASSERT_NEAR(mag.curve[i], db, 1e-5 + 1e-9 * std::fabs(db)) << "point " << i;
            // The unfolded phase is the principal angle of the prototype, in tens of degrees.
            const double deg = std::arg(h) * 18.0 / Pi;
            double diff = ph.curve[i] - deg;
            if (std::fabs(std::fabs(deg) - 18.0) < 1e-3) // at the seam +-18 name the same angle
                diff = std::remainder(diff, 36.0);
            ASSERT_NEAR(diff, 0.0, 1e-4) << "point " << i;
        }
    }
}

namespace {

// One design evaluated point by point the plain way: the grid recomputed, each term as c_k (cos(-kw),
// sin(-kw)), magnitudes as square roots, dB by log10, the phase by the library arctangent, then unfolded
// by type. The section's own loops (cached phasors, dB from squared magnitudes and the natural log, its
// own arctangent, flat sets skipped) must give the same numbers.
std::array<double, 4096> PlainCurve(const BiquadSet& c, bool phase, int type, double gainDb, double freqHz)
{
    std::array<double, 4096> out {};
    for (int i = 0; i < 4096; ++i) {
        const double f = std::pow(10.0, i * std::log10(48000.0) / 4096);
        const double w = Pi * f / 48000.0;
        const double bre = c.b0 + c.b1 * std::cos(-w) + c.b2 * std::cos(-2 * w);
        const double bim = c.b1 * std::sin(-w) + c.b2 * std::sin(-2 * w);
        const double are = c.a0 + c.a1 * std::cos(-w) + c.a2 * std::cos(-2 * w);
        const double aim = c.a1 * std::sin(-w) + c.a2 * std::sin(-2 * w);
        if (!phase) {
            out[i] = -20.0 * std::log10(std::sqrt(are * are + aim * aim) / std::sqrt(bre * bre + bim * bim));
            continue;
        }
        double v = -std::atan((aim * bre - are * bim) / (are * bre + aim * bim)) * 18.0 / Pi;
        switch (type) {
        case 4: case 7: case 15: case 16: if (v < 0) v += 18; break;
        case 5: case 12: case 13: if (v > 0) v -= 18; break;
        case 17:
            if (v > 0) v -= 18;
            if (f > freqHz) v += 18;
            break;
        case 2:
            if (gainDb > 0 && v > 0) v -= 18;
            else if (gainDb < 0 && v < 0) v += 18;
            break;
        case 3:
            if (gainDb > 0 && v < 0) v += 18;
            else if (gainDb < 0 && v > 0) v -= 18;
            break;
        default: break;
        }
        out[i] = v;
    }
    return out;
}

} // namespace

TEST(FilterCurve, FastEvaluationEqualsThePlainEvaluation)
{
    std::vector<Case> cases(std::begin(Cases), std::end(Cases));
    // Edges of what the band editors and crossovers produce: steep and broad bands, grid ends, strong gains.
    const Case edges[] = {
        {1, 15.0, 20200.0, 128.0, 0, 0}, {1, -15.0, 19.0, 0.4, 0, 0},   {2, 15.0, 19.0, 3.0, 0, 0},
        {3, -15.0, 20200.0, 0.4, 0, 0},  {4, 0.0, 19.0, 3.0, 0, 0},     {5, 0.0, 20200.0, 0.4, 0, 0},
        {6, 0.0, 15000.0, 128.0, 0, 0},  {7, 0.0, 19.0, 0.4, 0, 0},     {17, 0.0, 20200.0, 128.0, 0, 0},
        {13, 0.0, 19.0, 0.05, 0.3728f, 0.2087f}, {16, 0.0, 20200.0, 0.05, 1.1112f, 0.3126f},
        {12, 0.0, 20200.0, 0.05, 0.3902f, 0}, {15, 0.0, 19.0, 0.05, 0.3902f, 0}, {11, 0.0, 20200.0, 0.05, 0.5937f, 0},
    };
    cases.insert(cases.end(), std::begin(edges), std::end(edges));
    for (const Case& c : cases) {
        for (bool phase : {false, true}) {
            SCOPED_TRACE("type " + std::to_string(c.type) + " freq " + std::to_string(c.freq) + " phase " +
                         std::to_string(phase));
            const FilterCurve f = Make(c, phase);
            ASSERT_TRUE(f.DesignBiquad());
            const auto plain = PlainCurve(BiquadCoefficients, phase, c.type, c.gain, c.freq);
            for (int i = 0; i < 4096; ++i)
                ASSERT_NEAR(f.curve[i], plain[i], 1e-9 + 1e-12 * std::fabs(plain[i])) << "point " << i;
        }
    }
}

TEST(FilterCurve, StageFactorsOutsideTheTablesKeepTheirFormula)
{
    // Only a factor the design divides by (k0 of type 11, k1 of type 13) at 0 makes a section flat; any
    // other finite factor is designed as given.
    const Case rows[] = {
        {12, 0.0, 800.0, 0.05, 0.0f, 0}, {15, 0.0, 800.0, 0.05, -0.5f, 0}, {14, 0.0, 300.0, 0.05, -2.0f, 0},
        {16, 0.0, 400.0, 0.05, 0.0f, 0.5f}, {13, 0.0, 1500.0, 0.05, -1.0f, 0.4f}, {11, 0.0, 900.0, 0.05, -3.0f, 0},
    };
    for (const Case& c : rows) {
        const FilterCurve f = Make(c, false);
        for (int i = 0; i < 4096; i += 5) {
            const double db = 20.0 * std::log10(std::abs(Expected(c, i)));
            ASSERT_NEAR(f.curve[i], db, 1e-6 + 1e-9 * std::fabs(db)) << "type " << c.type << " point " << i;
        }
    }
}

TEST(FilterCurve, DesignNormalisesA0AndRejectsUnknownTypes)
{
    FilterCurve f;
    for (const Case& c : Cases) {
        f.SetStage(c.gain, c.freq, c.q, c.type, c.k0, c.k1);
        EXPECT_TRUE(f.DesignBiquad());
        EXPECT_EQ(BiquadCoefficients.a0, 1.0);
    }
    const BiquadSet before = BiquadCoefficients;
    for (int bad : {0, -1, 18, 1000}) {
        f.type = bad;
        EXPECT_FALSE(f.DesignBiquad());
        EXPECT_EQ(BiquadCoefficients.b0, before.b0);
        EXPECT_EQ(BiquadCoefficients.a2, before.a2);
    }
}

TEST(FilterCurve, PeakWorkedValuesAndCutMirror)
{
    FilterCurve boost;
    boost.SetFilter(6.0, 1000.0, 1.41, 1);
    EXPECT_NEAR(boost.curve[NearestPoint(1000.0)], 6.0, 0.005);
    FilterCurve cut;
    cut.SetFilter(-6.0, 1000.0, 1.41, 1);
    for (int i = 0; i < 4096; ++i)
        ASSERT_NEAR(cut.curve[i], -boost.curve[i], 1e-12) << i;
}

TEST(FilterCurve, ZeroGainAndFlatSectionsAreZeroInBothModes)
{
    for (int mode : {0, 1}) {
        for (const Case& c : {Case {10, 5.0, 1000, 1, 0, 0}, Case {1, 0, 700, 2, 0, 0}, Case {2, 0, 90, 0.7, 0, 0},
                              Case {3, 0, 9000, 0.7, 0, 0}}) {
            const FilterCurve f = Make(c, mode == 1);
            for (int i = 0; i < 4096; ++i)
                ASSERT_EQ(f.curve[i], 0.0) << "type " << c.type << " mode " << mode << " point " << i;
        }
    }
}

TEST(FilterCurve, ShelvesAndBandPassWorkedValues)
{
    FilterCurve low;
    low.SetFilter(6.0, 100.0, 0.71, 2);
    EXPECT_NEAR(low.curve[0], 6.0, 0.01);
    EXPECT_NEAR(low.curve[4095], 0.0, 0.01);
    FilterCurve high;
    high.SetFilter(6.0, 100.0, 0.71, 3);
    EXPECT_NEAR(high.curve[0], 0.0, 0.01);
    EXPECT_NEAR(high.curve[4095], 6.0, 0.01);

    const int centre = NearestPoint(1000.0);
    FilterCurve bp;
    bp.SetFilter(0.0, GridFreq(centre), 1.41, 6);
    EXPECT_NEAR(bp.curve[centre], 6.0206, 0.0005);
}

TEST(FilterCurve, PhaseUnfoldingKeepsEachSectionOnItsSide)
{
    const int corner = NearestPoint(1000.0);
    const double f0 = GridFreq(corner);
    auto phase = [](double gain, double freq, double q, int type) {
        FilterCurve f;
        f.phaseMode = 1;
        f.SetFilter(gain, freq, q, type);
        return f;
    };

    const FilterCurve hp = phase(0, f0, 0.71, 4);
    const FilterCurve lp = phase(0, f0, 0.71, 5);
    for (int i = 0; i < 4096; ++i) {
        ASSERT_GE(hp.curve[i], 0.0);
        ASSERT_LE(hp.curve[i], 18.0);
        ASSERT_GE(lp.curve[i], -18.0);
        ASSERT_LE(lp.curve[i], 0.0);
    }
    EXPECT_NEAR(hp.curve[corner], 9.0, 1e-6);
    EXPECT_NEAR(lp.curve[corner], -9.0, 1e-6);

    const FilterCurve ap1 = phase(0, 1000.0, 0.4, 7);
    EXPECT_NEAR(ap1.curve[0], 18.0, 0.1);
    EXPECT_NEAR(ap1.curve[4095], 0.0, 0.5);
    for (int i = 1; i < 4096; ++i)
        ASSERT_LE(ap1.curve[i], ap1.curve[i - 1] + 1e-9);

    const FilterCurve ap2 = phase(0, 1000.0, 0.71, 17);
    EXPECT_NEAR(ap2.curve[0], 0.0, 0.05);
    const int below = NearestPoint(1000.0) - 1; // grid point 2624 lies just below 1 kHz
    ASSERT_LT(GridFreq(below), 1000.0);
    EXPECT_LT(ap2.curve[below], -17.0);
    EXPECT_GT(ap2.curve[below + 1], 17.0);
    for (int i = 1; i < 4096; ++i) {
        if (i != below + 1) {
            ASSERT_LE(ap2.curve[i], ap2.curve[i - 1] + 1e-9) << i;
        }
    }

    const FilterCurve lsBoost = phase(6.0, 100.0, 0.71, 2);
    const FilterCurve lsCut = phase(-6.0, 100.0, 0.71, 2);
    const FilterCurve hsBoost = phase(6.0, 100.0, 0.71, 3);
    const FilterCurve hsCut = phase(-6.0, 100.0, 0.71, 3);
    for (int i = 0; i < 4096; ++i) {
        ASSERT_LE(lsBoost.curve[i], 0.0);
        ASSERT_GE(lsBoost.curve[i], -18.0);
        ASSERT_GE(lsCut.curve[i], 0.0);
        ASSERT_LE(lsCut.curve[i], 18.0);
        ASSERT_GE(hsBoost.curve[i], 0.0);
        ASSERT_LE(hsCut.curve[i], 0.0);
    }
}

TEST(FilterCurve, ModeChangeShowsOnlyAfterTheNextRecompute)
{
    FilterCurve f;
    f.SetFilter(6.0, 1000.0, 1.41, 1);
    const double before = f.curve[1000];
    f.phaseMode = 1;
    EXPECT_EQ(f.curve[1000], before);
    f.ComputeCurve();
    EXPECT_NE(f.curve[1000], before);
}

TEST(FilterCurve, UnknownTypeRepeatsThePreviousDesign)
{
    FilterCurve odd;
    FilterCurve previous;
    previous.SetFilter(4.0, 300.0, 2.0, 1);
    odd.SetFilter(9.0, 7000.0, 0.5, 0);
    for (int i = 0; i < 4096; ++i)
        ASSERT_EQ(odd.curve[i], previous.curve[i]);
}

TEST(FilterCurve, AbsurdParametersNeverGiveNaN)
{
    const double nan = std::nan("");
    const double inf = INFINITY;
    const Case bad[] = {
        {1, 6541.5, 1000, 1, 0, 0},   // gain index 65535
        {1, -6541.5, 1000, 1, 0, 0},  {2, 1e300, 100, 0.7, 0, 0},  {3, -inf, 100, 0.7, 0, 0},
        {1, nan, 1000, 1, 0, 0},      {1, 6, nan, 1, 0, 0},        {1, 6, inf, 1, 0, 0},
        {4, 0, 1e12, 0.7, 0, 0},      {5, 0, -50, 0.7, 0, 0},      {5, 0, 0, 0.7, 0, 0},
        {1, 6, 1000, 0, 0, 0},        {6, 0, 1000, -3, 0, 0},      {17, 0, 1000, nan, 0, 0},
        {11, 0, 1000, 0.05, 0, 0},    {13, 0, 1000, 0.05, 1, 0},   {16, 0, 1000, 0.05, -1, 0.3f},
        {12, 0, 1000, 0.05, std::nanf(""), 0},  {14, 0, 48000, 0.05, 1, 0},
    };
    for (int mode : {0, 1}) {
        for (const Case& c : bad) {
            const FilterCurve f = Make(c, mode == 1);
            for (int i = 0; i < 4096; ++i)
                ASSERT_TRUE(std::isfinite(f.curve[i]))
                    << "type " << c.type << " gain " << c.gain << " freq " << c.freq << " mode " << mode;
        }
    }
}
