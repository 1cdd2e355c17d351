// Crossover filters: the high-pass ("LowCut") and low-pass ("HighCut") controls of every channel.

#include "ui/editors/EditorNames.h"

#include "device/LUnitControl.h"
#include "device/ValueGrids.h"
#include "response/CurveBuilder.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "response/Plot.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzCmboBx.h"

using namespace editors;

namespace editors {
QString EqFreqText(double f);
}

namespace {

QString CutName(const char* prefix, bool highPass, const char* quantity)
{
    return QString::fromLatin1(prefix) + (highPass ? QStringLiteral("LowCut") : QStringLiteral("HighCut")) + QString::fromLatin1(quantity);
}

// Bypassed: 0; else the slope choice + 1.
int SlopeCode(const rz::TRzBmpButton& bypass, const rz::TRzComboBox& slope)
{
    return bypass.Down() ? 0 : slope.ItemIndex() + 1;
}

void StoreHalf(LUnitControl& model, int ch, bool highPass, int freqIndex, int slope)
{
    HpLpParams r = model.GetHpLp(ch);
    if (highPass) {
        r.HpFreq = static_cast<std::uint16_t>(freqIndex);
        r.HpSlope = static_cast<std::uint8_t>(slope);
        model.SetHp(ch, r);
    } else {
        r.LpFreq = static_cast<std::uint16_t>(freqIndex);
        r.LpSlope = static_cast<std::uint8_t>(slope);
        model.SetLp(ch, r);
    }
}

// Rebuilds one filter's total and marker, shades it and redraws the channel total.
void RedrawCut(TfmMain& form, int ch, bool highPass, int slope, double freqHz)
{
    if (ch < 0 || ch > 7)
        return;
    if (Plot* curves = form.Plots[static_cast<std::size_t>(ch)]) {
        BuildHpLpCurve(*curves, highPass, slope, freqHz, 10);
        curves->ShowSelected(highPass ? 5 : 6, highPass ? 10 : 11, 0.0f, 0.0f, true);
        curves->DrawSum(ch);
    }
    if (auto* plot = Find<LMyFFTDrawPhase>(&form, QStringLiteral("fftDraw"), ch))
        plot->UpdateCurvePage();
}

} // namespace

void TfmMain::CutFreqChange(vcl::TObject* Sender, bool highPass)
{
    if (SuppressSend)
        return;
    auto* fader = dynamic_cast<TAdvTrackBar*>(Sender);
    if (!fader || !UnitControl)
        return;
    const int ch = static_cast<int>(fader->Tag());
    auto* edit = Find<TCurvyEdit>(this, CutName("cvd", highPass, "Freq"), ch);
    auto* slope = Find<rz::TRzComboBox>(this, CutName("rzc", highPass, "Slop"), ch);
    auto* bypass = Find<rz::TRzBmpButton>(this, CutName("rzb", highPass, "Bypass"), ch);
    if (!edit || !slope || !bypass)
        return;
    const double f = IndexToFreq(fader->Position());
    edit->SetText(EqFreqText(f));
    const int code = SlopeCode(*bypass, *slope);
    tmHpLpCurve->SetEnabled(true);
    PendingChannel = ch;
    PendingFreq = static_cast<float>(f);
    PendingSlope = code;
    PendingKind = highPass ? 1 : 0;
    StoreHalf(*UnitControl, ch, highPass, fader->Position(), code);
}

void TfmMain::isLowCutFreqInAChange(vcl::TObject* Sender) { CutFreqChange(Sender, true); }
void TfmMain::isHighCutFreqInAChange(vcl::TObject* Sender) { CutFreqChange(Sender, false); }

void TfmMain::tmHpLpCurveTimer(vcl::TObject*)
{
    tmHpLpCurve->SetEnabled(false);
    if (PendingKind != 0 && PendingKind != 1)
        return;
    RedrawCut(*this, PendingChannel, PendingKind != 0, PendingSlope, PendingFreq);
}

void TfmMain::CutSlopeChange(vcl::TObject* Sender, bool highPass)
{
    auto* c = dynamic_cast<vcl::TControl*>(Sender);
    if (!c || !UnitControl)
        return;
    const int ch = static_cast<int>(c->Tag());
    auto* fader = Find<TAdvTrackBar>(this, CutName("is", highPass, "Freq"), ch);
    auto* slope = Find<rz::TRzComboBox>(this, CutName("rzc", highPass, "Slop"), ch);
    auto* bypass = Find<rz::TRzBmpButton>(this, CutName("rzb", highPass, "Bypass"), ch);
    if (!fader || !slope || !bypass)
        return;
    const int code = SlopeCode(*bypass, *slope);
    RedrawCut(*this, ch, highPass, code, IndexToFreq(fader->Position()));
    if (SuppressSend)
        return;
    StoreHalf(*UnitControl, ch, highPass, fader->Position(), code);
}

void TfmMain::rzcLowCutSlopInAChange(vcl::TObject* Sender) { CutSlopeChange(Sender, true); }
void TfmMain::rzcHighCutSlopInAChange(vcl::TObject* Sender) { CutSlopeChange(Sender, false); }
void TfmMain::rzbLowCutBypassInAClick(vcl::TObject* Sender) { CutSlopeChange(Sender, true); }
void TfmMain::rzbHighCutBypassInAClick(vcl::TObject* Sender) { CutSlopeChange(Sender, false); }
