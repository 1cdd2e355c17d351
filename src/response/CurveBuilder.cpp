#include "response/CurveBuilder.h"

#include "device/Constants.h"
#include "device/ValueGrids.h"
#include "platform/core/SoftAssert.h"
#include "response/Plot.h"
#include "response/SafeNumbers.h"
#include "response/WideVectors.h"

#include <algorithm>

namespace {

constexpr double StageQ = 0.05; // crossover stages do not use Q

struct StageParams
{
    int type { CurveFlat };
    float k0 { 0.0f };
    float k1 { 0.0f };
};

// Sets the stages of one crossover and remembers the last one set, whose parameters the total takes.
// A stage designed like one set before in the same build takes that one's curve instead of evaluating
// it again (the Linkwitz-Riley slopes set every stage twice); stages the slope leaves out are made flat
// once, at the end.
class StageWriter
{
public:
    StageWriter(Plot& plot, int first, double freqHz)
        : m_plot(plot), m_first(first), m_freq(freqHz)
    {
    }

    void Flat(int index)
    {
        MakeFlat(index);
        m_last = StageParams {};
    }

    void Stage(int index, int type, float k0, float k1 = 0.0f)
    {
        FilterCurve* stage = Section(index);
        if (const FilterCurve* twin = Twin(type, k0, k1, stage->phaseMode)) {
            stage->k0 = twin->k0;
            stage->k1 = twin->k1;
            stage->type = twin->type;
            stage->freqHz = twin->freqHz;
            stage->gainDb = twin->gainDb;
            stage->q = twin->q;
            stage->curve = twin->curve;
        } else {
            stage->SetStage(0.0, m_freq, StageQ, type, k0, k1);
        }
        m_set[Slot(index)] = Kind::Designed;
        m_params[Slot(index)] = StageParams { type, k0, k1 };
        m_last = StageParams { type, k0, k1 };
    }

    // Makes flat every stage this build has not set.
    void FlatRest()
    {
        for (int i = 0; i < Plot::StageCount; ++i)
            if (m_set[Slot(i)] == Kind::Untouched)
                MakeFlat(i);
    }

    const StageParams& Last() const { return m_last; }

private:
    enum class Kind { Untouched, Flat, Designed };

    static std::size_t Slot(int index) { return static_cast<std::size_t>(index); }
    FilterCurve* Section(int index) const { return m_plot.Section(m_first + index); }

    void MakeFlat(int index)
    {
        Section(index)->SetStage(0.0, 1000.0, StageQ, CurveFlat, 0.0f, 0.0f);
        m_set[Slot(index)] = Kind::Flat;
    }

    // A stage of this build designed with the same type and factors, in the same mode.
    const FilterCurve* Twin(int type, float k0, float k1, std::uint8_t phaseMode) const
    {
        for (int i = 0; i < Plot::StageCount; ++i) {
            const StageParams& p = m_params[Slot(i)];
            if (m_set[Slot(i)] == Kind::Designed && p.type == type && p.k0 == k0 && p.k1 == k1
                && Section(i)->phaseMode == phaseMode)
                return Section(i);
        }
        return nullptr;
    }

    Plot& m_plot;
    int m_first;
    double m_freq;
    StageParams m_last;
    std::array<Kind, Plot::StageCount> m_set {};
    std::array<StageParams, Plot::StageCount> m_params {};
};

// out[i] = 0.0 + stage 0 + ... + stage 4 at point i, in that order, in one pass.
ZQ9_WIDE_VECTORS
void SumStageCurves(const double* __restrict c0, const double* __restrict c1, const double* __restrict c2,
                    const double* __restrict c3, const double* __restrict c4, double* __restrict out)
{
    static_assert(Plot::StageCount == 5);
    for (int i = 0; i < FilterCurve::PointCount; ++i) {
        double s = 0.0;
        s += c0[i];
        s += c1[i];
        s += c2[i];
        s += c3[i];
        s += c4[i];
        out[i] = s;
    }
}

void SumStages(Plot& plot, int first, double* out)
{
    SumStageCurves(plot.Section(first)->curve.data(), plot.Section(first + 1)->curve.data(),
                   plot.Section(first + 2)->curve.data(), plot.Section(first + 3)->curve.data(),
                   plot.Section(first + 4)->curve.data(), out);
}

} // namespace

void BuildPeqCurve(Plot& plot, int channel, const PeqBandReader& editor)
{
    const int count = std::clamp(editor.GetChannelNumber(), 0, Plot::MaxBands);
    for (int r = 0; r < count; ++r) {
        const double freq = editor.GetFreqValue(r);
        const double gain = editor.GetGainValue(r);
        const double q = editor.GetQValue(r);
        const int eqType = editor.GetTypeValue(r);
        const bool bypass = editor.GetBypassValue(r);
        FilterCurve* section = plot.Section(Plot::FirstBandSection + r);
        const bool known = eqType >= 0 && eqType < static_cast<int>(PeqTypeToCurveType.size());
        if (bypass || !known)
            section->SetFilter(0.0, freq, q, CurveFlat);
        else
            section->SetFilter(gain, freq, q, PeqTypeToCurveType[static_cast<std::size_t>(eqType)]);
        plot.DrawMarker(Plot::FirstBandSection + r, response_detail::ToFloatSaturated(gain), Plot::MarkerBand);
    }
    plot.DrawSum(channel);
}

namespace {

void BuildCrossoverCurve(Plot& plot, int channel, const CrossoverReader& model, bool highPass)
{
    const CrossoverRecord rec = model.GetHpLp(channel);
    const int index = highPass ? rec.hpFreqIndex : rec.lpFreqIndex;
    const int slope = highPass ? rec.hpSlope : rec.lpSlope;
    const float freq = response_detail::ToFloatSaturated(IndexToFreq(index));
    BuildHpLpCurve(plot, highPass, slope, freq, Plot::HighPassSection);
    plot.DrawSum(channel);
}

} // namespace

void BuildHpCurve(Plot& plot, int channel, const CrossoverReader& model)
{
    BuildCrossoverCurve(plot, channel, model, true);
}

void BuildLpCurve(Plot& plot, int channel, const CrossoverReader& model)
{
    BuildCrossoverCurve(plot, channel, model, false);
}

void BuildHpLpCurve(Plot& plot, bool highPass, int slopeCode, double freqHz, int firstSection)
{
    const int F = firstSection;
    if (!ZQ9_EXPECT(F >= 0 && F + 3 + Plot::StageCount <= Plot::SectionCount))
        return;
    const bool known = slopeCode >= 0 && slopeCode < static_cast<int>(SlopeToDesignRow.size());
    const int row = known ? SlopeToDesignRow[static_cast<std::size_t>(slopeCode)] : 0;
    const int kind = highPass ? Plot::MarkerHighPass : Plot::MarkerLowPass;
    const int T = highPass ? F : F + 1;
    const int first = highPass ? CurveHpStage1 : CurveLpStage1;    // 1/(k0 s + 1)
    const int second = highPass ? CurveHpStage2 : CurveLpStage2;   // damping k0
    const int secondK = highPass ? CurveHpStage2K : CurveLpStage2K; // factors k0, k1
    FilterCurve* total = plot.Section(T);

    StageWriter w(plot, F + 3, freqHz);
    if (row == 0) {
        w.FlatRest();
        total->SetStage(0.0, freqHz, StageQ, CurveFlat, 0.0f, 0.0f);
    } else if (row == 1) {
        w.FlatRest();
        total->SetStage(0.0, freqHz, StageQ, first, 1.0f, 0.0f);
    } else {
        if (row <= 8) {
            const auto& f = ButterworthFactors[static_cast<std::size_t>(row)];
            if (f[0] == 1.0f)
                w.Stage(0, first, 1.0f);
            else
                w.Flat(0);
            for (int i = 1; i < Plot::StageCount; ++i) {
                if (f[static_cast<std::size_t>(i)] != 0.0f)
                    w.Stage(i, second, f[static_cast<std::size_t>(i)]);
                else
                    w.Flat(i);
            }
        } else if (row <= 16) {
            const auto& p = BesselFactors[static_cast<std::size_t>(row - BesselFirstRow)];
            if (p[0].k0 != 0.0f)
                w.Stage(0, first, p[0].k0);
            else
                w.Flat(0);
            for (int i = 1; i < Plot::StageCount; ++i) {
                const BesselPair& pair = p[static_cast<std::size_t>(i)];
                if (pair.k0 != 0.0f)
                    w.Stage(i, secondK, pair.k0, pair.k1);
                else
                    w.Flat(i);
            }
        } else {
            // Linkwitz-Riley: the Butterworth of half the order, twice; set in the order 13, 15, 14, 16.
            switch (row) {
            case 17:
                w.Stage(0, first, 1.0f);
                w.Flat(2);
                w.Stage(1, first, 1.0f);
                w.Flat(3);
                break;
            case 18:
                w.Stage(0, second, ButterworthFactors[2][1]);
                w.Flat(2);
                w.Stage(1, second, ButterworthFactors[2][1]);
                w.Flat(3);
                break;
            case 19:
                w.Stage(0, first, 1.0f);
                w.Stage(2, second, ButterworthFactors[3][1]);
                w.Stage(1, first, 1.0f);
                w.Stage(3, second, ButterworthFactors[3][1]);
                break;
            default: // 20
                w.Stage(0, second, ButterworthFactors[4][2]);
                w.Stage(2, second, ButterworthFactors[4][1]);
                w.Stage(1, second, ButterworthFactors[4][2]);
                w.Stage(3, second, ButterworthFactors[4][1]);
                break;
            }
        }

        // The total carries the crossover frequency (for its marker) and the last stage's parameters;
        // its points are the sum of the stages, without wrapping.
        // Its own response would be overwritten at once, so only its design is run (which leaves the
        // shared coefficient set as a full SetStage would).
        w.FlatRest();
        const StageParams& last = w.Last();
        total->gainDb = 0.0;
        total->freqHz = freqHz;
        total->q = StageQ;
        total->type = last.type;
        total->k0 = last.k0;
        total->k1 = last.k1;
        total->DesignBiquad();
        SumStages(plot, F + 3, total->curve.data());
    }
    plot.DrawMarker(T, 0.0f, kind);
}
