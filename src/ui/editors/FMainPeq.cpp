// PEQ band editing: the band editor's changes, band selection, the band parameter panel.

#include "ui/editors/EditorNames.h"

#include "controls/MyPEQAllpass.h"
#include "ui/FPeqRst.h"
#include "device/CM_MCS.h"
#include "device/Constants.h"
#include "device/SendMode.h"
#include "widgets/VrButtons.h"
#include "device/LUnitControl.h"
#include "device/ValueGrids.h"
#include "platform/ui/TLabel.h"
#include "response/CurveBuilder.h"
#include "response/FilterCurve.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "response/Plot.h"
#include "response/UnitCrossoverReader.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"

using namespace editors;

namespace editors {

QString EqFreqText(double f)
{
    if (f >= 1000.0)
        return QString::asprintf("%4.2f", f * 0.001) + QStringLiteral("KHz");
    return QString::asprintf(" %4.1f", f) + QStringLiteral("Hz");
}

QString EqGainText(int p)
{
    const double db = (p - 120) * 0.1;
    return QString::asprintf(p >= 120 ? "+%3.1f" : "%4.1f", db) + QStringLiteral("dB");
}

QString EqQText(int index)
{
    return QString::asprintf("%3.2f", static_cast<double>(QTable[static_cast<std::size_t>(std::clamp(index, 0, 100))]));
}

} // namespace editors

namespace {

QString BandButtonName(int band, int ch)
{
    return QStringLiteral("rzbEq") + QString::number(band + 1) + ChannelSuffix(ch);
}

bool IsPeakLike(int type) { return type == 0 || type == 5 || type == 6; }

} // namespace

void TfmMain::peqPeqInAChange(vcl::TObject* Sender)
{
    if (DragSlot != -1)
        return;
    auto* peq = dynamic_cast<TMyPEQAllpass*>(Sender);
    if (!peq || !UnitControl)
        return;
    const int ch = static_cast<int>(peq->Tag());
    const int b = peq->GetNowIndex();
    auto* plot = Find<LMyFFTDrawPhase>(this, QStringLiteral("fftDraw"), ch);
    auto* button = ch >= 0 && ch < 8 && b >= 0 && b < 9 ? Find<rz::TRzBmpButton>(this, BandButtonName(b, ch)) : nullptr;
    auto* help = Find<vcl::TControl>(this, QStringLiteral("lbFftParam"), ch);
    if (!plot || !button || !help)
        return;
    const double f = peq->GetFreqValue(b);
    const double g = peq->GetGainValue(b);
    double q = peq->GetQValue(b);
    const int t = peq->GetTypeValue(b);
    const bool bypass = peq->GetBypassValue(b);

    // A new type brings its usual Q; shelves and passes stay at or below 3.0. Compared by index, so
    // the nested pass the Q write raises always finds its target reached.
    const int m = UnitControl->GetPeq(ch, b).Type;
    int targetQ = -1;
    if (IsPeakLike(t) && m != t)
        targetQ = UnitControl->GetDefaultPeq(ch, b).Q;
    else if (t >= 1 && t <= 4 && m == t && q > 3.0)
        targetQ = QToIndex(3.0);
    else if (t >= 1 && t <= 4 && m != t)
        targetQ = 10;
    if (targetQ >= 0 && QToIndex(q) != targetQ) {
        q = QTable[static_cast<std::size_t>(targetQ)];
        peq->SetQValue(b, targetQ);
    }
    PeqBand band;
    band.Freq = static_cast<std::uint16_t>(FreqToIndex(f));
    band.Gain = static_cast<std::uint16_t>(GainToIndex(g));
    band.Q = static_cast<std::uint8_t>(QToIndex(q));
    band.Type = static_cast<std::uint8_t>(t);
    if (SuppressSend)
        return;
    button->SetDown(true);
    peq->SetNowIndex(b);
    if (Plot* curves = Plots[static_cast<std::size_t>(ch)]) {
        if (FilterCurve* section = curves->Section(b)) {
            if (bypass)
                section->SetFilter(0.0, f, q, 10);
            else
                section->SetFilter(g, f, q, t >= 0 && t <= 6 ? PeqTypeToCurveType[static_cast<std::size_t>(t)] : 10);
        }
        curves->DrawMarker(b, static_cast<float>(g), 1);
        curves->ShowSelected(t, b, static_cast<float>(g), static_cast<float>(q), true);
        curves->DrawSum(ch);
    }
    plot->UpdateCurvePage();
    UnitControl->SetPeq(ch, b, band, bypass);
    UnitControl->SetPeqBandBypassed(ch, b, bypass);
    ShowBandParams(ch, true, f, g, q);
}

void TfmMain::ShowBandParams(int ch, bool enabled, double freqHz, double gainDb, double q)
{
    if (SuppressSend)
        return;
    auto* freq = Find<TAdvTrackBar>(this, QStringLiteral("isEqFreq"), ch);
    auto* bw = Find<TAdvTrackBar>(this, QStringLiteral("isEqBw"), ch);
    auto* gain = Find<TAdvTrackBar>(this, QStringLiteral("isEqGain"), ch);
    auto* freqE = Find<TCurvyEdit>(this, QStringLiteral("cvdEqFreq"), ch);
    auto* bwE = Find<TCurvyEdit>(this, QStringLiteral("cvdEqBw"), ch);
    auto* gainE = Find<TCurvyEdit>(this, QStringLiteral("cvdEqGain"), ch);
    if (!freq || !bw || !gain || !freqE || !bwE || !gainE)
        return;
    SuppressGuard guard(*this);
    freq->SetPosition(FreqToIndex(freqHz));
    freq->SetEnabled(enabled);
    freqE->SetText(EqFreqText(freqHz));
    gain->SetPosition(GainToIndex(gainDb));
    gain->SetEnabled(enabled);
    gainE->SetText(EqGainText(gain->Position()));
    bw->SetPosition(QToIndex(q));
    bw->SetEnabled(enabled);
    bwE->SetText(EqQText(bw->Position()));
}

void TfmMain::isEqFreqInAChange(vcl::TObject* Sender)
{
    if (SuppressSend)
        return;
    auto* fader = dynamic_cast<TAdvTrackBar*>(Sender);
    if (!fader)
        return;
    const int ch = static_cast<int>(fader->Tag());
    auto* edit = Find<TCurvyEdit>(this, QStringLiteral("cvdEqFreq"), ch);
    if (!edit || !Find<TMyPEQAllpass>(this, QStringLiteral("peqPeq"), ch))
        return;
    const double f = IndexToFreq(fader->Position());
    edit->SetText(EqFreqText(f));
    PendingKind = 0;
    PendingChannel = ch;
    PendingFreq = static_cast<float>(f);
    tmEqCurve->SetEnabled(true);
}

void TfmMain::isEqBwInAChange(vcl::TObject* Sender)
{
    if (SuppressSend)
        return;
    auto* fader = dynamic_cast<TAdvTrackBar*>(Sender);
    if (!fader)
        return;
    const int ch = static_cast<int>(fader->Tag());
    auto* edit = Find<TCurvyEdit>(this, QStringLiteral("cvdEqBw"), ch);
    auto* peq = Find<TMyPEQAllpass>(this, QStringLiteral("peqPeq"), ch);
    if (!edit || !peq)
        return;
    const int b = peq->GetNowIndex();
    if (b >= 0 && b < 9 && !IsPeakLike(peq->GetTypeValue(b)) && fader->Position() > 35) {
        fader->SetPosition(35); // the nested pass does the rest
        return;
    }
    edit->SetText(EqQText(fader->Position()));
    PendingKind = 1;
    PendingChannel = ch;
    PendingQ = static_cast<float>(fader->Position());
    tmEqCurve->SetEnabled(true);
}

void TfmMain::isEqGainInAChange(vcl::TObject* Sender)
{
    if (SuppressSend)
        return;
    auto* fader = dynamic_cast<TAdvTrackBar*>(Sender);
    if (!fader)
        return;
    const int ch = static_cast<int>(fader->Tag());
    auto* edit = Find<TCurvyEdit>(this, QStringLiteral("cvdEqGain"), ch);
    if (!edit || !Find<TMyPEQAllpass>(this, QStringLiteral("peqPeq"), ch))
        return;
    edit->SetText(EqGainText(fader->Position()));
    PendingKind = 2;
    PendingChannel = ch;
    PendingGain = static_cast<double>(IndexToGain(fader->Position()));
    tmEqCurve->SetEnabled(true);
}

void TfmMain::tmEqCurveTimer(vcl::TObject*)
{
    tmEqCurve->SetEnabled(false);
    auto* peq = Find<TMyPEQAllpass>(this, QStringLiteral("peqPeq"), PendingChannel);
    if (!peq)
        return;
    const int b = peq->GetNowIndex();
    // With no band selected the keys can still move the disabled faders: nothing to apply then.
    if (b < 0 || b >= (PendingChannel < 2 ? 8 : 9))
        return;
    switch (PendingKind) {
    case 0: peq->SetFreqValue(b, PendingFreq); break;
    case 1: peq->SetQValue(b, PendingQ); break;
    case 2: peq->SetGainValue(b, PendingGain); break;
    default: break;
    }
}

void TfmMain::FocusEqFreqEdit(int ch)
{
    // A box on a hidden page cannot take the focus; asking would raise.
    if (auto* edit = Find<TCurvyEdit>(this, QStringLiteral("cvdEqFreq"), ch); edit && edit->CanFocus())
        edit->SetFocus();
}

namespace {

// Marker, shading and total of band b, as a selection shows them.
void ShowSelectedBand(TfmMain& form, int ch, int b, double g, double q, int t)
{
    if (Plot* curves = form.Plots[static_cast<std::size_t>(ch)]) {
        curves->DrawMarker(b, static_cast<float>(g), 1);
        curves->ShowSelected(t, b, static_cast<float>(g), static_cast<float>(q), true);
        curves->DrawSum(ch);
    }
    if (auto* plot = Find<LMyFFTDrawPhase>(&form, QStringLiteral("fftDraw"), ch))
        plot->UpdateCurvePage();
}

} // namespace

void TfmMain::rzbEq1InAClick(vcl::TObject* Sender)
{
    auto* button = dynamic_cast<rz::TRzBmpButton*>(Sender);
    if (!button)
        return;
    const int ch = button->GroupIndex() - 1;
    const int b = static_cast<int>(button->Tag());
    if (ch < 0 || ch > 7 || b < 0 || b >= (ch < 2 ? 8 : 9))
        return;
    auto* peq = Find<TMyPEQAllpass>(this, QStringLiteral("peqPeq"), ch);
    auto* help = Find<vcl::TControl>(this, QStringLiteral("lbFftParam"), ch);
    if (!peq || !help)
        return;
    const double f = peq->GetFreqValue(b), g = peq->GetGainValue(b), q = peq->GetQValue(b);
    const int t = peq->GetTypeValue(b);
    peq->SetNowIndex(b);
    ShowBandParams(ch, true, f, g, q);
    ShowSelectedBand(*this, ch, b, g, q, t);
    help->SetVisible(true);
    FocusEqFreqEdit(ch);
}

void TfmMain::peqPeqInAEditMouseDown(vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int, int)
{
    auto* peq = dynamic_cast<TMyPEQAllpass*>(Sender);
    if (!peq)
        return;
    const int ch = static_cast<int>(peq->Tag());
    const int b = peq->GetNowIndex();
    if (ch < 0 || ch > 7 || b < 0 || b >= (ch < 2 ? 8 : 9))
        return;
    auto* button = Find<rz::TRzBmpButton>(this, BandButtonName(b, ch));
    auto* help = Find<vcl::TControl>(this, QStringLiteral("lbFftParam"), ch);
    if (!button || !help)
        return;
    button->SetDown(true);
    const double f = peq->GetFreqValue(b), g = peq->GetGainValue(b), q = peq->GetQValue(b);
    ShowBandParams(ch, true, f, g, q);
    ShowSelectedBand(*this, ch, b, g, q, peq->GetTypeValue(b));
    help->SetVisible(true);
}

void TfmMain::DeselectEqBands()
{
    for (int ch = 0; ch < 8; ++ch) {
        auto* peq = Find<TMyPEQAllpass>(this, QStringLiteral("peqPeq"), ch);
        if (!peq)
            return;
        int k = peq->GetNowIndex();
        if (k == 15 || k < 0)
            k = 0;
        auto* button = Find<rz::TRzBmpButton>(this, BandButtonName(k, ch));
        if (!button)
            return;
        // A down button of a group without "all up" refuses to rise; deselection must raise it.
        const bool allowAllUp = button->AllowAllUp();
        button->SetAllowAllUp(true);
        button->SetDown(false);
        button->SetAllowAllUp(allowAllUp);
        ShowBandParams(ch, false, 19.7, 0.0, 0.4);
        peq->SetNowIndex(15);
        peq->SetNowIndex(-1);
        if (Plot* curves = Plots[static_cast<std::size_t>(ch)]) {
            curves->ShowSelected(1, 0, 0.0f, 0.4f, false);
            curves->DrawSum(ch);
        }
        if (auto* plot = Find<LMyFFTDrawPhase>(this, QStringLiteral("fftDraw"), ch))
            plot->UpdateCurvePage();
    }
}

void TfmMain::SelectFirstEqBands()
{
    for (int ch = 0; ch < 8; ++ch) {
        auto* peq = Find<TMyPEQAllpass>(this, QStringLiteral("peqPeq"), ch);
        auto* button = Find<rz::TRzBmpButton>(this, BandButtonName(0, ch));
        if (!peq || !button)
            return;
        button->SetDown(true);
        const double f = peq->GetFreqValue(0), g = peq->GetGainValue(0), q = peq->GetQValue(0);
        const int t = peq->GetTypeValue(0);
        peq->SetNowIndex(0);
        ShowBandParams(ch, true, f, g, q);
        ShowSelectedBand(*this, ch, 0, g, q, t);
    }
}

void TfmMain::BuildChannelCurves(int ch)
{
    Plot* curves = Plots[static_cast<std::size_t>(ch)];
    auto* peq = Find<TMyPEQAllpass>(this, QStringLiteral("peqPeq"), ch);
    if (!curves || !UnitControl)
        return;
    if (peq)
        BuildPeqCurve(*curves, ch, *peq);
    const UnitCrossoverReader reader(*UnitControl);
    BuildHpCurve(*curves, ch, reader);
    BuildLpCurve(*curves, ch, reader);
}

void TfmMain::cvdEqFreqInAKeyDown(vcl::TObject* Sender, vcl::WORD& Key, vcl::TShiftState)
{
    auto* edit = dynamic_cast<TCurvyEdit*>(Sender);
    if (!edit)
        return;
    const int ch = static_cast<int>(edit->Tag());
    auto* freq = Find<TAdvTrackBar>(this, QStringLiteral("isEqFreq"), ch);
    auto* bw = Find<TAdvTrackBar>(this, QStringLiteral("isEqBw"), ch);
    auto* gain = Find<TAdvTrackBar>(this, QStringLiteral("isEqGain"), ch);
    if (!freq || !bw || !gain || !Find<TMyPEQAllpass>(this, QStringLiteral("peqPeq"), ch)
        || !Find<vcl::TControl>(this, QStringLiteral("lbFftParam"), ch))
        return;
    switch (Key) {
    case 37: freq->SetPosition(freq->Position() - 1); break;
    case 39: freq->SetPosition(freq->Position() + 1); break;
    case 107:
    case 187: bw->SetPosition(bw->Position() + 1); break;
    case 109:
    case 189: bw->SetPosition(bw->Position() - 1); break;
    case 38: gain->SetPosition(gain->Position() + 1); break;
    case 40: gain->SetPosition(gain->Position() - 1); break;
    default: break;
    }
}

void TfmMain::vrbEqShowAllInAClick(vcl::TObject* Sender)
{
    auto* button = dynamic_cast<vr::TVrPowerButton*>(Sender);
    if (!button)
        return;
    const int ch = static_cast<int>(button->Tag());
    auto* plot = Find<LMyFFTDrawPhase>(this, QStringLiteral("fftDraw"), ch);
    auto* box = Find<vcl::TControl>(this, QStringLiteral("rzgFft"), ch);
    if (!plot || !box)
        return;
    plot->SetParameterDisplay(button->Active());
    box->Repaint();
}

void TfmMain::vrbEqResetInAClick(vcl::TObject* Sender)
{
    auto* button = dynamic_cast<vcl::TComponent*>(Sender);
    if (!button || !fmPeqRst)
        return;
    fmPeqRst->SetChannel(static_cast<int>(button->Tag()));
    fmPeqRst->ShowModal();
}

void TfmMain::ResetChannelPeq(int ch)
{
    auto* peq = Find<TMyPEQAllpass>(this, QStringLiteral("peqPeq"), ch);
    if (!peq || !UnitControl)
        return;
    const int n = ch < 2 ? 8 : 9;
    peq->SetNowIndex(0);
    for (int b = n - 1; b >= 0; --b) {
        const PeqBand d = UnitControl->GetDefaultPeq(ch, b);
        // Straight to the device, and into the model for the whole group without a second send.
        SendCommand(CM_MCS_PEQ(DeviceId, ch, b, d, false), SEND_APPEND, true);
        {
            SuppressGuard quiet(*this);
            UnitControl->SetPeq(ch, b, d, false);
            UnitControl->SetPeqBandBypassed(ch, b, false);
        }
        const double gain = static_cast<double>(IndexToGain(d.Gain));
        const double freq = IndexToFreq(d.Freq);
        peq->SetEqParamValue(b, freq, d.Q, gain, d.Type, false);
        if (Plot* curves = Plots[static_cast<std::size_t>(ch)]) {
            if (FilterCurve* section = curves->Section(b))
                section->SetFilter(gain, freq, QTable[static_cast<std::size_t>(std::min<int>(d.Q, 100))],
                                   PeqTypeToCurveType[static_cast<std::size_t>(std::min<int>(d.Type, 6))]);
            curves->DrawMarker(b, static_cast<float>(gain), 1);
        }
    }
}
