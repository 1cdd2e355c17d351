#include "response/Plot.h"

#include "device/Constants.h"

#include "platform/core/SoftAssert.h"
#include "response/SafeNumbers.h"
#include "response/WideVectors.h"

// Values handed to the plot control are always finite, so no pixel conversion downstream meets NaN.
using response_detail::ToFloatSaturated;
using response_detail::FiniteOr;

namespace {

// out[i] = 0.0 + c[0][i] + c[1][i] + ... + c[11][i], added in that order.
ZQ9_WIDE_VECTORS
void SumCurves(const std::array<const double*, 12>& c, double* __restrict out)
{
    const double* __restrict c0 = c[0];
    const double* __restrict c1 = c[1];
    const double* __restrict c2 = c[2];
    const double* __restrict c3 = c[3];
    const double* __restrict c4 = c[4];
    const double* __restrict c5 = c[5];
    const double* __restrict c6 = c[6];
    const double* __restrict c7 = c[7];
    const double* __restrict c8 = c[8];
    const double* __restrict c9 = c[9];
    const double* __restrict c10 = c[10];
    const double* __restrict c11 = c[11];
    for (int i = 0; i < FilterCurve::PointCount; ++i) {
        double s = 0.0;
        s += c0[i];
        s += c1[i];
        s += c2[i];
        s += c3[i];
        s += c4[i];
        s += c5[i];
        s += c6[i];
        s += c7[i];
        s += c8[i];
        s += c9[i];
        s += c10[i];
        s += c11[i];
        out[i] = s;
    }
}

} // namespace

Plot::Plot(ResponseView* view)
    : plot(view)
    , sections(std::make_unique<std::array<FilterCurve, SectionCount>>()) // 0 dB high shelves at 1 kHz, Q 0.4
{
}

void Plot::SetPhaseMode(bool phase)
{
    phaseMode = phase ? 1 : 0;
    for (auto& s : *sections)
        s.phaseMode = phaseMode;
}

FilterCurve* Plot::Section(int index)
{
    if (index < 0 || index >= SectionCount)
        return nullptr;
    return &(*sections)[static_cast<std::size_t>(index)];
}

const FilterCurve* Plot::Section(int index) const
{
    if (index < 0 || index >= SectionCount)
        return nullptr;
    return &(*sections)[static_cast<std::size_t>(index)];
}

void Plot::DrawMarker(int section, float level, int kind)
{
    const FilterCurve* s = Section(section);
    if (!ZQ9_EXPECT(s) || !plot)
        return;
    const double x = ResponseGrid::Position(s->freqHz);
    plot->DrawBlock(FiniteOr(level), x, BandColors[static_cast<std::size_t>(section)], section, false, kind);
    plot->SetBlockParameter(section, FiniteOr(s->freqHz), FiniteOr(s->gainDb), FiniteOr(s->q), s->type);
}

void Plot::DrawSum(int channel)
{
    // One pass over the points; each point adds sections 0..11 in index order starting from 0.0.
    auto& total = (*sections)[TotalSection].curve;
    std::array<const double*, LowPassSection + 1> c {};
    for (std::size_t j = 0; j < c.size(); ++j)
        c[j] = (*sections)[j].curve.data();
    SumCurves(c, total.data());
    if (phaseMode == 1) {
        // Two corrections at most: a total beyond +-90 (900 degrees) stays partly unwrapped.
        const double half = PhaseHalfTurn;
        const double turn = 2.0 * PhaseHalfTurn;
        for (double& s : total) {
            if (s > half) {
                s -= turn;
                if (s > half)
                    s -= turn;
            } else if (s < -half) {
                s += turn;
                if (s < -half)
                    s += turn;
            }
        }
    }
    if (plot && channel >= 0 && channel < static_cast<int>(ChannelColors.size()))
        plot->FFTDraw(total.data(), FilterCurve::PointCount, TotalSection,
                      ChannelColors[static_cast<std::size_t>(channel)], 0);
}

void Plot::DrawCurve(int section, vcl::TColor colour)
{
    const FilterCurve* s = Section(section);
    if (!ZQ9_EXPECT(s) || !plot)
        return;
    plot->FFTDraw(s->curve.data(), FilterCurve::PointCount, section, colour, 0);
}

void Plot::RemoveCurve(int id)
{
    if (plot)
        plot->RemovePlot(id);
}

void Plot::ShowSelected(int layout, int section, float gain, float quality, bool show)
{
    if (!plot)
        return;
    if (!show) {
        plot->SetCurveDisplay(false);
        return;
    }
    const FilterCurve* s = Section(section < 0 ? 0 : section);
    if (!ZQ9_EXPECT(s))
        return;
    const double x = ResponseGrid::Position(s->freqHz);
    plot->DrawParam(layout, FiniteOr(gain), x, ToFloatSaturated(s->freqHz), FiniteOr(quality), SelectedColor);
    plot->DrawCurveFill(layout, s->curve.data(), FilterCurve::PointCount);
    plot->SetCurveDisplay(true);
}
