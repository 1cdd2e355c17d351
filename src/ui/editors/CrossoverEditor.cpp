// Crossover filters: the high-pass ("LowCut") and low-pass ("HighCut") controls of every channel.

#include "ui/editors/CrossoverEditor.h"

#include "platform/core/SoftAssert.h"
#include "ui/editors/EditorText.h"

#include "device/LUnitControl.h"
#include "device/ValueGrids.h"
#include "platform/ui/TTimer.h"
#include "response/CurveBuilder.h"
#include "response/Plot.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzCmboBx.h"

namespace editors {

QString EqFreqText(double f);

namespace {

// Bypassed: 0; else the slope choice + 1.
int SlopeCode(const CutControls& c)
{
    return c.Bypass->Down() ? 0 : c.Slope->ItemIndex() + 1;
}

void StoreHalf(LUnitControl& model, int ch, CutSide side, int freqIndex, int slope)
{
    HpLpParams r = model.GetHpLp(ch);
    if (side == CutSide::HighPass) {
        r.HpFreq = static_cast<std::uint16_t>(freqIndex);
        r.HpSlope = static_cast<std::uint8_t>(slope);
        model.SetHp(ch, r);
    } else {
        r.LpFreq = static_cast<std::uint16_t>(freqIndex);
        r.LpSlope = static_cast<std::uint8_t>(slope);
        model.SetLp(ch, r);
    }
}

} // namespace

// Rebuilds one filter's total and marker, shades it and redraws the channel total.
void CrossoverEditor::Redraw(int ch, CutSide side, int slopeCode, double freqHz)
{
    if (!IsChannel(ch))
        return;
    const bool highPass = side == CutSide::HighPass;
    if (Plot* curves = m_ctx.Plots[static_cast<std::size_t>(ch)]) {
        BuildHpLpCurve(*curves, highPass, slopeCode, freqHz, 10);
        curves->ShowSelected(highPass ? 5 : 6, highPass ? HighPassSlot : LowPassSlot, 0.0f, 0.0f, true);
        curves->DrawSum(ch);
    }
    Of(ch).Plot->UpdateCurvePage();
}

void CrossoverEditor::FreqChange(vcl::TObject* Sender, CutSide side)
{
    if (m_ctx.SuppressSend)
        return;
    auto* fader = dynamic_cast<TAdvTrackBar*>(Sender);
    const int ch = ChannelOf(fader);
    if (!Model() || !ZQ9_EXPECT(IsChannel(ch)))
        return;
    const CutControls& c = CutOf(Of(ch), side);
    const double f = IndexToFreq(fader->Position());
    c.FreqEdit->SetText(EqFreqText(f));
    const int code = SlopeCode(c);
    DeferRedraw(ch, side, code, f);
    StoreHalf(*Model(), ch, side, fader->Position(), code);
}

void CrossoverEditor::DeferRedraw(int ch, CutSide side, int slopeCode, double freqHz)
{
    m_ctx.Timers.HpLpCurve->SetEnabled(true);
    m_pending = { side, ch, static_cast<float>(freqHz), slopeCode };
}

void CrossoverEditor::RedrawPending()
{
    Redraw(m_pending.Channel, m_pending.Side, m_pending.Slope, m_pending.Freq);
}

void CrossoverEditor::SlopeChange(vcl::TObject* Sender, CutSide side)
{
    auto* control = dynamic_cast<vcl::TControl*>(Sender);
    const int ch = control ? static_cast<int>(control->Tag()) : -1;
    if (!Model() || !ZQ9_EXPECT(IsChannel(ch)))
        return;
    const CutControls& c = CutOf(Of(ch), side);
    const int code = SlopeCode(c);
    Redraw(ch, side, code, IndexToFreq(c.Freq->Position()));
    if (m_ctx.SuppressSend)
        return;
    StoreHalf(*Model(), ch, side, c.Freq->Position(), code);
}

} // namespace editors
