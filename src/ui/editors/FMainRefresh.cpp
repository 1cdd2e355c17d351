// Writes every control of the main window from the model in one pass, sending nothing.

#include "ui/editors/EditorMath.h"
#include "ui/editors/EditorNames.h"

#include "controls/MyPEQAllpass.h"
#include "device/LUnitControl.h"
#include "device/ValueGrids.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TUpDown.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzCmboBx.h"
#include "device/Constants.h"
#include "platform/core/AnsiCodec.h"
#include "ui/RefreshDialogs.h"

#include <algorithm>

using namespace editors;

namespace editors {

// High-pass and low-pass frequency text of a frequency index.
QString FilterFreqText(int index)
{
    const float f = static_cast<float>(IndexToFreq(index));
    if (f >= 1000.0f)
        return QString::asprintf("%4.2f", static_cast<double>(f) * 0.001) + QStringLiteral("KHz");
    return QString::asprintf("%4.1f", static_cast<double>(f)) + QStringLiteral("Hz");
}

// A name field up to its first zero byte.
template <std::size_t N>
QString NameText(const std::array<std::uint8_t, N>& bytes)
{
    return vcl::AnsiCodec::DecodeZ(std::span<const std::uint8_t>(bytes.data(), N));
}

} // namespace editors

namespace {

// Fader position and its text; false when either is missing.
bool WriteFader(const TfmMain* f, const QString& fader, const QString& edit, int ch, int pos,
                const std::function<QString(int)>& text)
{
    auto* bar = Find<TAdvTrackBar>(f, fader, ch);
    auto* box = Find<TCurvyEdit>(f, edit, ch);
    if (!bar || !box)
        return false;
    bar->SetPosition(pos);
    box->SetText(text(bar->Position()));
    return true;
}

// One filter side: frequency fader and text, slope combo or bypass button.
bool WriteFilter(const TfmMain* f, const QString& q, int ch, int freqIndex, int slopeCode)
{
    if (!WriteFader(f, QStringLiteral("is") + q + QStringLiteral("Freq"), QStringLiteral("cvd") + q + QStringLiteral("Freq"), ch,
                    freqIndex, FilterFreqText))
        return false;
    auto* slope = Find<rz::TRzComboBox>(f, QStringLiteral("rzc") + q + QStringLiteral("Slop"), ch);
    auto* bypass = Find<rz::TRzBmpButton>(f, QStringLiteral("rzb") + q + QStringLiteral("Bypass"), ch);
    if (!slope || !bypass)
        return false;
    if (slopeCode != 0) {
        slope->SetItemIndex(slopeCode - 1);
        bypass->SetDown(false);
    } else {
        bypass->SetDown(true);
    }
    return true;
}

bool WritePeq(const TfmMain* f, const LUnitControl& model, int ch)
{
    auto* peq = Find<TMyPEQAllpass>(f, QStringLiteral("peqPeq"), ch);
    if (!peq)
        return false;
    peq->SetNowIndex(0);
    const int bands = ch < 2 ? 8 : 9;
    for (int b = 0; b < bands; ++b) {
        const PeqBand band = model.GetPeq(ch, b);
        peq->SetEqParamValue(b, static_cast<double>(static_cast<float>(IndexToFreq(band.Freq))), band.Q,
                             (band.Gain - 120) * 0.1, band.Type, model.IsPeqBandBypassed(ch, b));
    }
    return true;
}

// The channel's name on its matrix label and as the hint of its page button.
bool WriteChannelName(const TfmMain* f, const LUnitControl& model, int ch)
{
    if (auto* name = Find<vcl::TControl>(f, QStringLiteral("lbMatrixChName"), ch))
        name->SetCaption(NameText(model.GetChannelName(ch)));
    else
        return false;
    if (auto* page = Find<vcl::TControl>(f, QStringLiteral("rzbMenu"), ch))
        page->SetHint(NameText(model.GetChannelName(ch)));
    else
        return false;
    return true;
}

} // namespace

// Gain, polarity, delay, links, mute and the EQ-bypass text, shared by inputs and outputs.
static bool RefreshCommon(TfmMain* f, const LUnitControl& model, int ch)
{
    auto* gain = Find<TAdvTrackBar>(f, QStringLiteral("isGain"), ch);
    auto* gainB = Find<TAdvTrackBar>(f, QStringLiteral("isGainBackup"), ch);
    auto* gainE = Find<TCurvyEdit>(f, QStringLiteral("cvdGain"), ch);
    auto* gainEB = Find<TCurvyEdit>(f, QStringLiteral("cvdGainBackup"), ch);
    if (!gain || !gainB || !gainE || !gainEB)
        return false;
    gain->SetPosition(model.GetGain(ch) + gain->Min());
    gainB->SetPosition(gain->Position());
    gainE->SetText(GainText(gainB->Position()));
    gainEB->SetText(GainText(gainB->Position()));

    auto* phase = Find<rz::TRzBmpButton>(f, QStringLiteral("rzbPhase"), ch);
    auto* phaseB = Find<rz::TRzBmpButton>(f, QStringLiteral("rzbPhaseBackup"), ch);
    if (!phase || !phaseB)
        return false;
    const bool inverted = model.GetPolarity(ch);
    phase->SetDown(inverted);
    phaseB->SetDown(inverted);
    const QString caption = f->GetSidText(phase->Down() ? QStringLiteral("SID_PHASE_ON") : QStringLiteral("SID_PHASE_OFF"));
    phase->SetCaption(caption);
    phaseB->SetCaption(caption);

    auto* delay = Find<TAdvTrackBar>(f, QStringLiteral("isDelay"), ch);
    auto* marker = Find<vcl::TControl>(f, QStringLiteral("imDelay"), ch);
    auto* line = Find<vcl::TControl>(f, QStringLiteral("lbDelayLine"), ch);
    if (!delay || !marker || !line)
        return false;
    delay->SetPosition(model.GetDelay(ch));
    if (delay->Max() > 0)
        marker->SetLeft(static_cast<int>(static_cast<long long>(delay->Position()) * (line->Width() - 90) / delay->Max() + 40));

    RefreshDialogs::ShowChannelLinks(ch, f->LinkMaskOf(ch));

    auto* mute = Find<rz::TRzBmpButton>(f, QStringLiteral("rzbMute"), ch);
    auto* muteB = Find<rz::TRzBmpButton>(f, QStringLiteral("rzbMuteBackup"), ch);
    if (!mute || !muteB)
        return false;
    mute->SetDown(model.IsMute(ch));
    muteB->SetDown(model.IsMute(ch));
    f->MarkCurveStale(ch);

    auto* plot = Find<LMyFFTDrawPhase>(f, QStringLiteral("fftDraw"), ch);
    if (!plot)
        return false;
    const int bit = ch < 2 ? ch : ch - 2;
    const bool bypassed = f->UnitControl && (f->UnitControl->GetEqBypassMask(ch) & (1 << bit));
    plot->DrawTextA(plot->GetPlotWidth() / 3, plot->GetPlotHeight() / 4, 60, vcl::clBtnFace, QStringLiteral("Times New Roman"),
                    bypassed ? QStringLiteral("BYPASS") : QString());
    return true;
}

bool TfmMain::RefreshInput(int ch)
{
    const LUnitControl& model = *UnitControl;
    if (!WriteChannelName(this, model, ch))
        return false;
    if (!WritePeq(this, model, ch))
        return false;
    const GateParams gate = model.GetInGate(ch);
    auto* threshold = Find<TAdvTrackBar>(this, QStringLiteral("isGateThreshold"), ch);
    if (!threshold
        || !WriteFader(this, QStringLiteral("isGateThreshold"), QStringLiteral("cvdGateThreshold"), ch, gate.Threshold + threshold->Min(), HalfDbText))
        return false;
    const auto ms = [](int p) { return QString::asprintf("%dms", p + 1); };
    if (!WriteFader(this, QStringLiteral("isGateAttack"), QStringLiteral("cvdGateAttack"), ch, gate.Attack, ms)
        || !WriteFader(this, QStringLiteral("isGateRelease"), QStringLiteral("cvdGateRelease"), ch, gate.Release, ms)
        || !WriteFader(this, QStringLiteral("isGateHold"), QStringLiteral("cvdGateHold"), ch, gate.Hold, ms))
        return false;
    if (ch == 0 && !StartupRefresh && !DrawGateCurveFrom(0))
        return false;
    const HpLpParams hplp = model.GetHpLp(ch);
    if (!WriteFilter(this, QStringLiteral("LowCut"), ch, hplp.HpFreq, hplp.HpSlope)
        || !WriteFilter(this, QStringLiteral("HighCut"), ch, hplp.LpFreq, hplp.LpSlope))
        return false;
    return RefreshCommon(this, model, ch);
}

bool TfmMain::RefreshOutput(int ch)
{
    const LUnitControl& model = *UnitControl;
    if (!WriteChannelName(this, model, ch))
        return false;
    auto* routeA = Find<rz::TRzBmpButton>(this, QStringLiteral("rzbAMatrix"), ch);
    auto* routeB = Find<rz::TRzBmpButton>(this, QStringLiteral("rzbBMatrix"), ch);
    if (!routeA || !routeB)
        return false;
    routeA->SetDown(model.GetMatrix(ch) & 1);
    routeB->SetDown(model.GetMatrix(ch) & 2);
    const HpLpParams hplp = model.GetHpLp(ch);
    if (!WriteFilter(this, QStringLiteral("LowCut"), ch, hplp.HpFreq, hplp.HpSlope)
        || !WriteFilter(this, QStringLiteral("HighCut"), ch, hplp.LpFreq, hplp.LpSlope))
        return false;
    if (!WritePeq(this, model, ch))
        return false;
    const CompParams comp = model.GetOutComp(ch);
    auto* threshold = Find<TAdvTrackBar>(this, QStringLiteral("isCompThreshold"), ch);
    if (!threshold
        || !WriteFader(this, QStringLiteral("isCompThreshold"), QStringLiteral("cvdCompThreshold"), ch, comp.Threshold + threshold->Min(), HalfDbText))
        return false;
    auto* ratio = Find<vcl::TUpDown>(this, QStringLiteral("udCompRatio"), ch);
    auto* ratioE = Find<TCurvyEdit>(this, QStringLiteral("cvdCompRatio"), ch);
    if (!ratio || !ratioE)
        return false;
    ratio->SetPosition(comp.Ratio);
    ratioE->SetText(ratio->Position() == 15 ? QStringLiteral("Limit")
                                            : QStringLiteral("1:") + QString::fromStdString(CompRatioLabels[static_cast<std::size_t>(ratio->Position() & 15)]));
    const auto ms = [](int p) { return QString::asprintf("%3dms", p + 1); };
    if (!WriteFader(this, QStringLiteral("isCompAttack"), QStringLiteral("cvdCompAttack"), ch, comp.Attack, ms)
        || !WriteFader(this, QStringLiteral("isCompRelease"), QStringLiteral("cvdCompRelease"), ch, comp.Release, ms))
        return false;
    auto* knee = Find<vcl::TUpDown>(this, QStringLiteral("udCompKnee"), ch);
    auto* kneeE = Find<TCurvyEdit>(this, QStringLiteral("cvdCompKnee"), ch);
    if (!knee || !kneeE)
        return false;
    knee->SetPosition(comp.Knee);
    kneeE->SetText(QString::asprintf("%ddB", knee->Position()));
    if (ch == 2 && !StartupRefresh)
        DrawCompCurve(2);
    return RefreshCommon(this, model, ch);
}

void TfmMain::RefreshAll()
{
    if (!UnitControl)
        return;
    // Band selection and the curves run with sending allowed; the caller's flag comes back at the end
    // whatever path the refresh takes.
    SuppressRestore restore(*this);
    SuppressSend = false;
    DeselectEqBands();
    bool complete = true;
    {
        // Every control is written with sending suppressed; a missing control ends the refresh early.
        SuppressGuard guard(*this);
        if (auto* num = Find<vcl::TLabel>(this, QStringLiteral("lbPstNum")))
            num->SetCaption(CurPresetNo >= 1 ? QString::asprintf("U%02d", CurPresetNo) : QString::asprintf("F%02d", CurPresetNo));
        if (auto* name = Find<vcl::TLabel>(this, QStringLiteral("lbPstName")))
            name->SetCaption(NameText(UnitControl->GetPresetName()));
        OverlayStale[0] = OverlayStale[1] = 15;
        for (int k = 2; k < 6; ++k)
            OverlayStale[static_cast<std::size_t>(k)] = 255;
        OverlayStale[8] = OverlayStale[9] = 4095;
        RefreshGainPageCurves();
        for (int ch = 0; ch < 2 && complete; ++ch)
            complete = RefreshInput(ch);
        for (int ch = 2; ch < 8 && complete; ++ch)
            complete = RefreshOutput(ch);
        if (complete)
            complete = RefreshPageWide();
    }
    if (!complete)
        return;
    for (int ch = 0; ch < 8; ++ch)
        BuildChannelCurves(ch);
    SelectFirstEqBands();
    if (CurPage == 10)
        RefreshGainPageCurves();
    else
        RefreshChannelOverlays(CurPage);
}

// The delay unit, the test signal, the routing lines and the link display; sending is suppressed.
bool TfmMain::RefreshPageWide()
{
    // A unit beyond ms, m and ft (a foreign file or device) is clamped to the last, ft.
    const int unit = std::min<int>(UnitControl->GetDelayUnit(), 2);
    auto* button = Find<rz::TRzBmpButton>(this, QStringLiteral("rzbUnit") + QString::number(unit));
    if (!button)
        return false;
    button->SetDown(true);
    if (button->OnClick)
        button->OnClick(button);
    RefreshDialogs::ShowWorkMode(UnitControl->GetWorkMode(), UnitControl->GetSineFreq());
    if (auto* matrix = Find<vcl::TControl>(this, QStringLiteral("pbMatrix")))
        matrix->Repaint();
    RefreshDialogs::ApplyLinks();
    for (int ch = 0; ch < 8; ++ch)
        PlaceDelayLine(ch);
    return true;
}
