#include "response/FilterCurve.h"

#include "device/Constants.h"
#include "response/WideVectors.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <cmath>
#include <numbers>

BiquadSet BiquadCoefficients;

namespace {

// Design limits that only absurd inputs reach (a corrupt file, a stray index): legitimate bands lie in
// 19 Hz..20.2 kHz, Q 0.05..128 and a few dB. Beyond them the bilinear terms overflow into NaN.
constexpr double MinDesignHz = 0.01;
constexpr double MaxDesignHz = 47900.0;
constexpr double MaxDesignGainDb = 120.0;
constexpr double MinDesignQ = 0.01;
constexpr double MaxDesignQ = 1000.0;
// Stand-in for an infinite point (an exact zero of the section on a grid point).
constexpr double CurveLimit = 1.0e6;

BiquadSet Flat()
{
    return BiquadSet {};
}

// Normalises by D so that a0 = 1.
BiquadSet Make(double d, double b0, double b1, double b2, double a1, double a2)
{
    return BiquadSet { b0 / d, b1 / d, b2 / d, 1.0, a1 / d, a2 / d };
}

bool UsesQ(int type)
{
    return (type >= CurvePeak && type <= CurveBandPass) || type == CurveAllPass2;
}

bool UsesGain(int type)
{
    return type >= CurvePeak && type <= CurveHighShelf;
}

// x = m 2^e with m in [1, 2), for a finite x >= 0 (subnormals too), from the bits alone.
struct Binary
{
    double e;
    double m;
};

inline Binary Split(double x)
{
    constexpr double two54 = 18014398509481984.0;
    // Every value is computed and then selected, so a loop over these has no branches.
    const bool tiny = x < std::numeric_limits<double>::min();
    const double up = x * two54;
    const double scaled = tiny ? up : x; // subnormals into the normal range
    const auto bits = std::bit_cast<std::uint64_t>(scaled);
    // The biased exponent as a double, through the bits of 2^52 + exponent.
    const double e = std::bit_cast<double>((bits >> 52) | 0x4330000000000000ull) - 4503599627370496.0 - 1023.0;
    const double shift = tiny ? 54.0 : 0.0;
    return { e - shift, std::bit_cast<double>((bits & 0x000FFFFFFFFFFFFFull) | 0x3FF0000000000000ull) };
}

// 10 log10(n / d) for the squared magnitudes n, d >= 0 of a section's numerator and denominator,
// written without branches or library calls so that the loop over a curve vectorises. The mantissa
// ratio q is brought into [sqrt(1/2), sqrt(2)] and ln q = 2 atanh(s) = 2 (s + s^3/3 + ...) with
// s = (q - 1) / (q + 1) = (mn - md) / (mn + md), so one division serves both the ratio and the series,
// whose rest is below 1e-18 after the s^21 term. Within a few units in the last place of the library's
// logarithm of n / d. Where n / d would be 0 (an exact zero of the section) it gives -CurveLimit, where
// it would be infinite +CurveLimit, where it would be NaN 0.
inline double PowerRatioToDb(double n, double d)
{
    constexpr double dbPerNeper = 10.0 / std::numbers::ln10;
    constexpr double ln2Hi = 6.93147180369123816490e-01; // ln 2 with its last bits cut off
    constexpr double ln2Lo = 1.90821492927058770002e-10;
    constexpr double largest = std::numeric_limits<double>::max();
    const Binary a = Split(n);
    const Binary b = Split(d);
    const double above = b.m * std::numbers::sqrt2;
    const double below = b.m * (std::numbers::sqrt2 / 2.0);
    const bool high = a.m > above;
    const bool low = a.m < below;
    const double halved = a.m * 0.5;
    const double doubled = a.m * 2.0;
    const double notLow = low ? doubled : a.m;
    const double mn = high ? halved : notLow;
    const double up = high ? 1.0 : 0.0;
    const double down = low ? 1.0 : 0.0;
    const double e = (a.e - b.e) + (up - down);
    const double s = (mn - b.m) / (mn + b.m);
    // p = 1/3 + z/5 + ... + z^9/21, in pairs (Estrin) so its terms are not one long chain.
    const double z = s * s;
    const double z2 = z * z;
    const double z4 = z2 * z2;
    const double z8 = z4 * z4;
    const double p01 = 1.0 / 3.0 + z * (1.0 / 5.0);
    const double p23 = 1.0 / 7.0 + z * (1.0 / 9.0);
    const double p45 = 1.0 / 11.0 + z * (1.0 / 13.0);
    const double p67 = 1.0 / 15.0 + z * (1.0 / 17.0);
    const double p89 = 1.0 / 19.0 + z * (1.0 / 21.0);
    const double p03 = p01 + z2 * p23;
    const double p47 = p45 + z2 * p67;
    const double p = (p03 + z4 * p47) + z8 * p89;
    const double lnQ = 2.0 * s + 2.0 * s * (z * p);
    const double db = dbPerNeper * (e * ln2Hi + (e * ln2Lo + lnQ));
    const bool nFinite = n <= largest;
    const bool dFinite = d <= largest;
    const bool toZero = ((n == 0.0) & (d > 0.0)) | ((d > largest) & nFinite & (n >= 0.0));
    const bool toInfinity = ((d == 0.0) & (n > 0.0)) | ((n > largest) & dFinite & (d >= 0.0));
    const double infinite = toInfinity ? CurveLimit : 0.0;
    const double special = toZero ? -CurveLimit : infinite;
    const bool ordinary = (n > 0.0) & nFinite & (d > 0.0) & dFinite;
    return ordinary ? db : special;
}

// atan(x) to within a few units in the last place, written branch-light so the phase loop vectorises
// (the library routine is the bulk of a phase curve's cost). Keeps the sign, an exact 0, and maps
// +-infinity to +-pi/2; NaN stays NaN.
inline double Arctan(double x)
{
    constexpr double tan15 = 0.26794919243112270; // tan(pi/12)
    constexpr double sqrt3 = 1.7320508075688772;
    double a = std::fabs(x);
    const bool inverted = a > 1.0;
    a = inverted ? 1.0 / a : a;
    const bool shifted = a > tan15;
    // atan(a) = pi/6 + atan((a*sqrt3 - 1) / (a + sqrt3)) brings the argument within tan(pi/12).
    a = shifted ? (a * sqrt3 - 1.0) / (a + sqrt3) : a;
    const double z = a * a;
    // Odd series of atan to the term a^25, which is below 1e-16 for |a| <= tan(pi/12).
    double p = -1.0 / 23.0;
    p = p * z + 1.0 / 21.0;
    p = p * z - 1.0 / 19.0;
    p = p * z + 1.0 / 17.0;
    p = p * z - 1.0 / 15.0;
    p = p * z + 1.0 / 13.0;
    p = p * z - 1.0 / 11.0;
    p = p * z + 1.0 / 9.0;
    p = p * z - 1.0 / 7.0;
    p = p * z + 1.0 / 5.0;
    p = p * z - 1.0 / 3.0;
    p = p * z + 1.0;
    double r = a * p;
    r = shifted ? r + std::numbers::pi / 6.0 : r;
    r = inverted ? std::numbers::pi / 2.0 - r : r;
    return std::copysign(r, x);
}

// 10 log10(r) for a normal, positive, finite r, as the ratio of a section's squared magnitudes is at
// nearly every point of a real section: one division gives the ratio, a second the series variable, and
// the series stops at s^17, whose successor is below 4e-16 for |s| <= 0.1716. The rounding of the ratio
// bounds the error at a few units in the last place of ln r: about 1e-15 dB near 0 dB, where the general
// form above stays accurate relative to the result.
inline double NormalRatioToDb(double r)
{
    constexpr double dbPerNeper = 10.0 / std::numbers::ln10;
    constexpr double ln2Hi = 6.93147180369123816490e-01;
    constexpr double ln2Lo = 1.90821492927058770002e-10;
    constexpr std::uint64_t mantissa = 0x000FFFFFFFFFFFFFull;
    constexpr std::uint64_t one = 0x3FF0000000000000ull;
    constexpr std::uint64_t magic = 0x4330000000000000ull; // 2^52 + the biased exponent
    constexpr double bias = 4503599627370496.0 + 1023.0;
    const auto bits = std::bit_cast<std::uint64_t>(r);
    const double e0 = std::bit_cast<double>((bits >> 52) | magic) - bias;
    const double m0 = std::bit_cast<double>((bits & mantissa) | one);
    // m in [sqrt(1/2), sqrt(2)) with r = m 2^e.
    const bool high = m0 > std::numbers::sqrt2;
    const double m = high ? m0 * 0.5 : m0;
    const double e = high ? e0 + 1.0 : e0;
    const double s = (m - 1.0) / (m + 1.0);
    // p = 1/3 + z/5 + ... + z^7/17, in pairs (Estrin).
    const double z = s * s;
    const double z2 = z * z;
    const double z4 = z2 * z2;
    const double p01 = 1.0 / 3.0 + z * (1.0 / 5.0);
    const double p23 = 1.0 / 7.0 + z * (1.0 / 9.0);
    const double p45 = 1.0 / 11.0 + z * (1.0 / 13.0);
    const double p67 = 1.0 / 15.0 + z * (1.0 / 17.0);
    const double p = (p01 + z2 * p23) + z4 * (p45 + z2 * p67);
    const double lnM = 2.0 * s + 2.0 * s * (z * p);
    return dbPerNeper * (e * ln2Hi + (e * ln2Lo + lnM));
}

// Squared magnitudes of B and A at point i.
struct PowerPair
{
    double n;
    double d;
};

inline PowerPair Powers(const BiquadSet c, double c1, double s1, double c2, double s2)
{
    const double bre = c.b0 + c.b1 * c1 + c.b2 * c2;
    const double bim = -(c.b1 * s1 + c.b2 * s2);
    const double are = c.a0 + c.a1 * c1 + c.a2 * c2;
    const double aim = -(c.a1 * s1 + c.a2 * s2);
    return { bre * bre + bim * bim, are * are + aim * aim };
}

// |B|^2 / |A|^2 on every grid point. False where a point's ratio is not a normal number.
ZQ9_WIDE_VECTORS
bool PowerRatios(const BiquadSet c, const double* __restrict c1, const double* __restrict s1,
                 const double* __restrict c2, const double* __restrict s2, double* __restrict out)
{
    // As unsigned integers the bits of the positive normal numbers are one range, above those of zero and
    // the subnormals and below those of infinity, NaN and every negative number.
    constexpr std::uint64_t smallestNormal = 0x0010000000000000ull;
    constexpr std::uint64_t infinity = 0x7FF0000000000000ull;
    std::uint64_t lowest = infinity;
    std::uint64_t highest = smallestNormal;
    for (int i = 0; i < FilterCurve::PointCount; ++i) {
        const PowerPair p = Powers(c, c1[i], s1[i], c2[i], s2[i]);
        const double r = p.n / p.d; // 0, infinite, NaN or subnormal where n or d is unusual
        const auto bits = std::bit_cast<std::uint64_t>(r);
        lowest = std::min(lowest, bits);
        highest = std::max(highest, bits);
        out[i] = r;
    }
    return lowest >= smallestNormal && highest < infinity;
}

// Each normal ratio in place as its dB.
ZQ9_WIDE_VECTORS
void NormalRatiosToDb(double* __restrict curve)
{
    for (int i = 0; i < FilterCurve::PointCount; ++i)
        curve[i] = NormalRatioToDb(curve[i]);
}

// -20 log10(|A| / |B|) on every grid point, taken as 10 log10(|B|^2 / |A|^2) to spare two square roots.
// False, with the curve incomplete, where a point's ratio of squares is not a normal number. Two passes
// of short chains keep more points in flight than one pass of the whole chain; the ratio goes through
// memory as the double it is, so the values are those of one pass.
bool MagnitudeDbNormal(const BiquadSet c, const double* c1, const double* s1, const double* c2,
                       const double* s2, double* out)
{
    if (!PowerRatios(c, c1, s1, c2, s2, out))
        return false;
    NormalRatiosToDb(out);
    return true;
}

// The same with every case handled: zeros, subnormals and overflowed squares.
ZQ9_WIDE_VECTORS
void MagnitudeDbAnyPoint(const BiquadSet c, const double* __restrict c1, const double* __restrict s1,
                         const double* __restrict c2, const double* __restrict s2, double* __restrict out)
{
    for (int i = 0; i < FilterCurve::PointCount; ++i) {
        const PowerPair p = Powers(c, c1[i], s1[i], c2[i], s2[i]);
        out[i] = PowerRatioToDb(p.n, p.d);
    }
}

void MagnitudeDb(const BiquadSet c, const double* c1, const double* s1, const double* c2, const double* s2,
                 double* out)
{
    if (!MagnitudeDbNormal(c, c1, s1, c2, s2, out))
        MagnitudeDbAnyPoint(c, c1, s1, c2, s2, out);
}

// The phase of B/A in tens of degrees at every grid point, folded by the single-argument arctangent
// into (-9, 9); a point whose ratio is 0/0 reads 0. One pass, so the loop vectorises.
ZQ9_WIDE_VECTORS
void PhaseTensOfDegrees(const BiquadSet c, const double* __restrict c1, const double* __restrict s1,
                        const double* __restrict c2, const double* __restrict s2, double* __restrict out)
{
    for (int i = 0; i < FilterCurve::PointCount; ++i) {
        const double bre = c.b0 + c.b1 * c1[i] + c.b2 * c2[i];
        const double bim = -(c.b1 * s1[i] + c.b2 * s2[i]);
        const double are = c.a0 + c.a1 * c1[i] + c.a2 * c2[i];
        const double aim = -(c.a1 * s1[i] + c.a2 * s2[i]);
        const double ratio = (aim * bre - are * bim) / (are * bre + aim * bim);
        const double v = -Arctan(ratio) * PhaseScale; // finite unless the ratio was 0/0
        out[i] = v == v ? v : 0.0;
    }
}

} // namespace

FilterCurve::FilterCurve()
{
    // The members already hold a 0 dB shelf, whose curve is the zeros the array starts with; only
    // the design is left to do, for the coefficients it leaves behind.
    DesignBiquad();
}

void FilterCurve::SetFilter(double gain, double freq, double quality, int curveType)
{
    gainDb = gain;
    freqHz = freq;
    q = quality;
    type = curveType;
    ComputeCurve();
}

void FilterCurve::SetStage(double gain, double freq, double quality, int curveType, float factor0, float factor1)
{
    k0 = factor0;
    k1 = factor1;
    SetFilter(gain, freq, quality, curveType);
}

bool FilterCurve::DesignBiquad() const
{
    if (type < CurvePeak || type > CurveAllPass2)
        return false;

    // A parameter that cannot be designed (NaN, a factor that is not finite, a factor the design divides
    // by that is 0) gives a flat section rather than NaN points.
    const double fk0 = k0;
    const double fk1 = k1;
    bool designable = !std::isnan(freqHz);
    if (UsesGain(type) && std::isnan(gainDb))
        designable = false;
    if (UsesQ(type) && std::isnan(q))
        designable = false;
    if (type >= CurveLpStage1 && type <= CurveHpStage2K && !std::isfinite(fk0))
        designable = false;
    if ((type == CurveLpStage2K || type == CurveHpStage2K) && !std::isfinite(fk1))
        designable = false;
    if ((type == CurveLpStage1 && fk0 == 0.0) || (type == CurveLpStage2K && fk1 == 0.0))
        designable = false;
    if (type == CurveFlat || !designable) {
        BiquadCoefficients = Flat();
        return true;
    }

    const double f = std::clamp(freqHz, MinDesignHz, MaxDesignHz);
    const double g = UsesGain(type) ? std::clamp(gainDb, -MaxDesignGainDb, MaxDesignGainDb) : 0.0;
    const double Q = UsesQ(type) ? std::clamp(q, MinDesignQ, MaxDesignQ) : q;

    const double K = std::tan(std::numbers::pi * f / ResponseGrid::DesignRateHz);
    const double K2 = K * K;
    const double A = std::pow(10.0, std::fabs(g) / 20.0);
    const double sA = std::sqrt(A);
    const bool boost = g >= 0.0;

    BiquadSet s;
    switch (type) {
    case CurvePeak:
        s = boost ? Make(1 + K / Q + K2, 1 + A * K / Q + K2, 2 * (K2 - 1), 1 - A * K / Q + K2, 2 * (K2 - 1), 1 - K / Q + K2)
                  : Make(1 + A * K / Q + K2, 1 + K / Q + K2, 2 * (K2 - 1), 1 - K / Q + K2, 2 * (K2 - 1), 1 - A * K / Q + K2);
        break;
    case CurveLowShelf:
        s = boost ? Make(1 + K / Q + K2, 1 + sA * K / Q + A * K2, 2 * (A * K2 - 1), 1 - sA * K / Q + A * K2, 2 * (K2 - 1),
                         1 - K / Q + K2)
                  : Make(1 + sA * K / Q + A * K2, 1 + K / Q + K2, 2 * (K2 - 1), 1 - K / Q + K2, 2 * (A * K2 - 1),
                         1 - sA * K / Q + A * K2);
        break;
    case CurveHighShelf:
        s = boost ? Make(1 + K / Q + K2, A + sA * K / Q + K2, 2 * (K2 - A), A - sA * K / Q + K2, 2 * (K2 - 1), 1 - K / Q + K2)
                  : Make(A + sA * K / Q + K2, 1 + K / Q + K2, 2 * (K2 - 1), 1 - K / Q + K2, 2 * (K2 - A), A - sA * K / Q + K2);
        break;
    case CurveHighPass2:
        s = Make(1 + K / Q + K2, 1, -2, 1, 2 * (K2 - 1), 1 - K / Q + K2);
        break;
    case CurveLowPass2:
        s = Make(1 + K / Q + K2, K2, 2 * K2, K2, 2 * (K2 - 1), 1 - K / Q + K2);
        break;
    case CurveBandPass:
        s = Make(Q + K + Q * K2, 2 * K, 0, -2 * K, 2 * Q * (K2 - 1), Q - K + Q * K2);
        break;
    case CurveAllPass1: {
        const double d = 1 + K;
        s = BiquadSet { (1 - K) / d, -1.0, 0.0, 1.0, -(1 - K) / d, 0.0 };
        break;
    }
    case CurveLowPass1:
        s = Make(1 + K, K, K, 0, K - 1, 0);
        break;
    case CurveHighPass1:
        s = Make(1 + K, 1, -1, 0, K - 1, 0);
        break;
    case CurveLpStage1: {
        const double r = K / fk0;
        s = Make(1 + r, r, r, 0, r - 1, 0);
        break;
    }
    case CurveLpStage2:
        s = Make(1 + fk0 * K + K2, K2, 2 * K2, K2, 2 * (K2 - 1), 1 - fk0 * K + K2);
        break;
    case CurveLpStage2K: {
        const double r = fk0 / fk1;
        const double t = K2 / fk1;
        s = Make(1 + r * K + t, t, 2 * t, t, 2 * (t - 1), 1 - r * K + t);
        break;
    }
    case CurveHpStage1:
        s = Make(1 + fk0 * K, 1, -1, 0, fk0 * K - 1, 0);
        break;
    case CurveHpStage2:
        s = Make(1 + fk0 * K + K2, 1, -2, 1, 2 * (K2 - 1), 1 - fk0 * K + K2);
        break;
    case CurveHpStage2K:
        s = Make(1 + fk0 * K + fk1 * K2, 1, -2, 1, 2 * (fk1 * K2 - 1), 1 - fk0 * K + fk1 * K2);
        break;
    case CurveAllPass2: {
        const double d = 1 + K / Q + K2;
        s = BiquadSet { (1 - K / Q + K2) / d, 2 * (K2 - 1) / d, 1.0, 1.0, 2 * (K2 - 1) / d, (1 - K / Q + K2) / d };
        break;
    }
    default:
        s = Flat();
        break;
    }
    BiquadCoefficients = s;
    return true;
}

void FilterCurve::ComputeCurve()
{
    DesignBiquad();
    const BiquadSet c = BiquadCoefficients;

    // Where B and A are the same polynomial (a flat set, and every peak or shelf of 0 dB) the section
    // is exactly 0 at every point in both modes; skip the evaluation.
    if (c.b0 == c.a0 && c.b1 == c.a1 && c.b2 == c.a2) {
        curve.fill(0.0);
        return;
    }

    const ResponseGrid& grid = ResponseGrid::Instance();
    const double* __restrict c1 = grid.Cos1().data();
    const double* __restrict s1 = grid.Sin1().data();
    const double* __restrict c2 = grid.Cos2().data();
    const double* __restrict s2 = grid.Sin2().data();
    double* __restrict out = curve.data();

    if (phaseMode == 0) {
        MagnitudeDb(c, c1, s1, c2, s2, out);
        return;
    }

    PhaseTensOfDegrees(c, c1, s1, c2, s2, out);

    // Unfold by what the section can do: high-passes lead, low-passes lag, shelves go one way by the
    // sign of their gain. Exact zeros stay.
    const double half = PhaseHalfTurn;
    switch (type) {
    case CurveHighPass2:
    case CurveAllPass1:
    case CurveHpStage2:
    case CurveHpStage2K:
        for (int i = 0; i < PointCount; ++i)
            if (out[i] < 0.0)
                out[i] += half;
        break;
    case CurveLowPass2:
    case CurveLpStage2:
    case CurveLpStage2K:
        for (int i = 0; i < PointCount; ++i)
            if (out[i] > 0.0)
                out[i] -= half;
        break;
    case CurveAllPass2: {
        const double* f = grid.Freqs().data();
        for (int i = 0; i < PointCount; ++i) {
            if (out[i] > 0.0)
                out[i] -= half;
            if (f[i] > freqHz)
                out[i] += half;
        }
        break;
    }
    case CurveLowShelf:
        for (int i = 0; i < PointCount; ++i) {
            if (gainDb > 0.0 && out[i] > 0.0)
                out[i] -= half;
            else if (gainDb < 0.0 && out[i] < 0.0)
                out[i] += half;
        }
        break;
    case CurveHighShelf:
        for (int i = 0; i < PointCount; ++i) {
            if (gainDb > 0.0 && out[i] < 0.0)
                out[i] += half;
            else if (gainDb < 0.0 && out[i] > 0.0)
                out[i] -= half;
        }
        break;
    default:
        break;
    }
}
