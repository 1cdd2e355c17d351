#pragma once
// One first- or second-order filter section, designed as a 96 kHz biquad, with its response on the grid.

#include "response/ResponseGrid.h"

#include <array>
#include <cstdint>

// Section types of the curve engine.
enum CurveType : int {
    CurvePeak = 1,
    CurveLowShelf = 2,
    CurveHighShelf = 3,
    CurveHighPass2 = 4,
    CurveLowPass2 = 5,
    CurveBandPass = 6,
    CurveAllPass1 = 7,
    CurveLowPass1 = 8,
    CurveHighPass1 = 9,
    CurveFlat = 10,
    CurveLpStage1 = 11,
    CurveLpStage2 = 12,
    CurveLpStage2K = 13,
    CurveHpStage1 = 14,
    CurveHpStage2 = 15,
    CurveHpStage2K = 16,
    CurveAllPass2 = 17,
};

// Coefficients of the most recent design; a0 is 1 after every design.
struct BiquadSet
{
    double b0 { 1.0 };
    double b1 { 0.0 };
    double b2 { 0.0 };
    double a0 { 1.0 };
    double a1 { 0.0 };
    double a2 { 0.0 };
};

// The program-wide set written by FilterCurve::DesignBiquad and read by the evaluation that follows it
// (user-interface thread only). A type outside 1..17 leaves it as the previous design left it. It starts
// as the flat set, so even a first design of an unknown type gives a finite curve.
extern BiquadSet BiquadCoefficients;

class FilterCurve
{
public:
    static constexpr int PointCount = ResponseGrid::PointCount;

    // A 0 dB high shelf at 1 kHz, Q 0.4, magnitude mode: every point 0.
    FilterCurve();

    // Stores the four values (k0 and k1 stay) and recomputes the curve.
    void SetFilter(double gain, double freq, double quality, int curveType);
    // Stores all six values and recomputes the curve.
    void SetStage(double gain, double freq, double quality, int curveType, float factor0, float factor1);
    // Designs the section and fills the curve in the current mode.
    void ComputeCurve();
    // Writes BiquadCoefficients for the section; false (and the set untouched) for a type outside 1..17.
    bool DesignBiquad() const;

    // The record, in its given order. The owner sets phaseMode directly; it shows at the next recompute.
    float k0 { 0.0f };
    float k1 { 0.0f };
    std::uint8_t phaseMode { 0 };
    int type { CurveHighShelf };
    double freqHz { 1000.0 };
    double gainDb { 0.0 };
    double q { 0.4 };
    alignas(64) std::array<double, PointCount> curve {};
};
