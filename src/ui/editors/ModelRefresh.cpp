// Writes every control of the main window from the model in one pass, sending nothing.

#include "ui/editors/ModelRefresh.h"

#include "ui/editors/CrossoverEditor.h"
#include "ui/editors/EditorMath.h"
#include "ui/editors/EditorText.h"
#include "ui/editors/EditorSet.h"

#include "controls/MyPEQAllpass.h"
#include "device/Constants.h"
#include "device/LUnitControl.h"
#include "device/ValueGrids.h"
#include "platform/core/AnsiCodec.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPaintBox.h"
#include "platform/ui/TUpDown.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzCmboBx.h"

#include <algorithm>

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

namespace {

// Fader position and the text of the position the fader took.
template <class Text>
void WriteFader(TAdvTrackBar& fader, TCurvyEdit& box, int pos, Text text)
{
    fader.SetPosition(pos);
    box.SetText(text(fader.Position()));
}

// One filter: frequency fader and text, slope choice or bypass button.
void WriteFilter(const CutControls& c, int freqIndex, int slopeCode)
{
    WriteFader(*c.Freq, *c.FreqEdit, freqIndex, FilterFreqText);
    if (slopeCode != 0) {
        c.Slope->SetItemIndex(slopeCode - 1);
        c.Bypass->SetDown(false);
    } else {
        c.Bypass->SetDown(true);
    }
}

void WritePeq(TMyPEQAllpass& peq, const LUnitControl& model, int ch)
{
    peq.SetNowIndex(0);
    for (int b = 0; b < BandCount(ch); ++b) {
        const PeqBand band = model.GetPeq(ch, b);
        peq.SetEqParamValue(b, static_cast<double>(static_cast<float>(IndexToFreq(band.Freq))), band.Q,
                            (band.Gain - 120) * 0.1, band.Type, model.IsPeqBandBypassed(ch, b));
    }
}

// The channel's name on its matrix label and as the hint of its page button.
void WriteChannelName(const ChannelControls& c, const LUnitControl& model, int ch)
{
    c.NameLabel->SetCaption(NameText(model.GetChannelName(ch)));
    c.PageButton->SetHint(NameText(model.GetChannelName(ch)));
}

QString RatioText(int position)
{
    return position == LimiterRatio ? QStringLiteral("Limit")
                                    : QStringLiteral("1:") + QString::fromStdString(CompRatioLabels[static_cast<std::size_t>(position & 15)]);
}

template <class Array, class Field>
auto& At(Array& a, Field f)
{
    return *a[static_cast<std::size_t>(f)];
}

// Every response plot redraws once at the end of the refresh instead of once per curve handed to it.
class PlotRedrawHold
{
public:
    explicit PlotRedrawHold(const EditorControls& controls)
    {
        for (int ch = 0; ch < ChannelCount; ++ch)
            m_plots[static_cast<std::size_t>(ch)] = controls.Channels[static_cast<std::size_t>(ch)].Plot;
        m_plots[ChannelCount] = controls.GainInPlot;
        m_plots[ChannelCount + 1] = controls.GainOutPlot;
        for (LMyFFTDrawPhase* p : m_plots)
            if (p)
                p->HoldRedraws();
    }
    ~PlotRedrawHold()
    {
        for (LMyFFTDrawPhase* p : m_plots)
            if (p)
                p->ReleaseRedraws();
    }
    PlotRedrawHold(const PlotRedrawHold&) = delete;
    PlotRedrawHold& operator=(const PlotRedrawHold&) = delete;

private:
    std::array<LMyFFTDrawPhase*, ChannelCount + 2> m_plots {};
};

} // namespace

void ModelRefresh::RefreshCommon(const LUnitControl& model, int ch)
{
    const ChannelControls& c = Of(ch);
    c.Gain->SetPosition(model.GetGain(ch) + c.Gain->Min());
    c.GainBackup->SetPosition(c.Gain->Position());
    c.GainEdit->SetText(GainText(c.GainBackup->Position()));
    c.GainBackupEdit->SetText(GainText(c.GainBackup->Position()));

    const bool inverted = model.GetPolarity(ch);
    c.Phase->SetDown(inverted);
    c.PhaseBackup->SetDown(inverted);
    const QString caption = m_ctx.Window.Text(c.Phase->Down() ? QStringLiteral("SID_PHASE_ON") : QStringLiteral("SID_PHASE_OFF"));
    c.Phase->SetCaption(caption);
    c.PhaseBackup->SetCaption(caption);

    c.Delay->SetPosition(model.GetDelay(ch));
    if (c.Delay->Max() > 0)
        c.DelayMarker->SetLeft(
            static_cast<int>(static_cast<long long>(c.Delay->Position()) * (c.DelayLine->Width() - 90) / c.Delay->Max() + 40));

    m_ctx.Window.ShowChannelLinks(ch, m_ctx.Window.LinkMaskOf(ch));

    c.Mute->SetDown(model.IsMute(ch));
    c.MuteBackup->SetDown(model.IsMute(ch));
    m_ctx.Stale.MarkCurveStale(ch);

    const bool bypassed = Model() && (Model()->GetEqBypassMask(ch) & (1 << SideBitNo(ch)));
    c.Plot->DrawTextA(c.Plot->GetPlotWidth() / 3, c.Plot->GetPlotHeight() / 4, 60, vcl::clBtnFace, QStringLiteral("Times New Roman"),
                      bypassed ? QStringLiteral("BYPASS") : QString());
}

void ModelRefresh::RefreshInput(const LUnitControl& model, int ch)
{
    const ChannelControls& c = Of(ch);
    WriteChannelName(c, model, ch);
    WritePeq(*c.Peq, model, ch);
    const GateParams gate = model.GetInGate(ch);
    TAdvTrackBar& threshold = At(c.GateFaders, GateField::Threshold);
    WriteFader(threshold, At(c.GateEdits, GateField::Threshold), gate.Threshold + threshold.Min(), HalfDbText);
    const auto ms = [](int p) { return QString::asprintf("%dms", p + 1); };
    WriteFader(At(c.GateFaders, GateField::Attack), At(c.GateEdits, GateField::Attack), gate.Attack, ms);
    WriteFader(At(c.GateFaders, GateField::Release), At(c.GateEdits, GateField::Release), gate.Release, ms);
    WriteFader(At(c.GateFaders, GateField::Hold), At(c.GateEdits, GateField::Hold), gate.Hold, ms);
    if (ch == 0 && !m_ctx.Window.InStartupRefresh())
        Editors().Gate().DrawCurveOnly(0);
    const HpLpParams hplp = model.GetHpLp(ch);
    WriteFilter(c.HighPass, hplp.HpFreq, hplp.HpSlope);
    WriteFilter(c.LowPass, hplp.LpFreq, hplp.LpSlope);
    RefreshCommon(model, ch);
}

void ModelRefresh::RefreshOutput(const LUnitControl& model, int ch)
{
    const ChannelControls& c = Of(ch);
    WriteChannelName(c, model, ch);
    c.RouteA->SetDown(model.GetMatrix(ch) & 1);
    c.RouteB->SetDown(model.GetMatrix(ch) & 2);
    const HpLpParams hplp = model.GetHpLp(ch);
    WriteFilter(c.HighPass, hplp.HpFreq, hplp.HpSlope);
    WriteFilter(c.LowPass, hplp.LpFreq, hplp.LpSlope);
    WritePeq(*c.Peq, model, ch);
    const CompParams comp = model.GetOutComp(ch);
    TAdvTrackBar& threshold = At(c.CompFaders, CompField::Threshold);
    WriteFader(threshold, At(c.CompEdits, CompField::Threshold), comp.Threshold + threshold.Min(), HalfDbText);
    c.CompRatio->SetPosition(comp.Ratio);
    At(c.CompEdits, CompField::Ratio).SetText(RatioText(c.CompRatio->Position()));
    const auto ms = [](int p) { return QString::asprintf("%3dms", p + 1); };
    WriteFader(At(c.CompFaders, CompField::Attack), At(c.CompEdits, CompField::Attack), comp.Attack, ms);
    WriteFader(At(c.CompFaders, CompField::Release), At(c.CompEdits, CompField::Release), comp.Release, ms);
    c.CompKnee->SetPosition(comp.Knee);
    At(c.CompEdits, CompField::Knee).SetText(QString::asprintf("%ddB", c.CompKnee->Position()));
    if (ch == FirstOutput && !m_ctx.Window.InStartupRefresh())
        Editors().Comp().DrawCurve(FirstOutput);
    RefreshCommon(model, ch);
}

void ModelRefresh::RefreshAll()
{
    if (!Model())
        return;
    const LUnitControl& model = *Model();
    // Band selection and the curves run with sending allowed; the caller's flag comes back at the end
    // whatever path the refresh takes.
    SuppressRestore restore(m_ctx.SuppressSend);
    const PlotRedrawHold hold(m_controls);
    m_ctx.SuppressSend = false;
    Editors().Peq().DeselectBands();
    {
        // Every control is written with sending suppressed.
        SuppressGuard guard(m_ctx.SuppressSend);
        const int preset = m_ctx.Window.CurrentPreset();
        m_ctx.Window.ShowPreset(preset >= 1 ? QString::asprintf("U%02d", preset) : QString::asprintf("F%02d", preset),
                                NameText(model.GetPresetName()));
        auto& stale = m_ctx.Stale.OverlayStale;
        stale[0] = stale[1] = InputPlotsStale;
        for (int k = FirstOutput; k < 6; ++k) // Out5 and Out6 keep theirs: the channel loop marks them
            stale[static_cast<std::size_t>(k)] = OutputPlotsStale;
        stale[GainInPlot] = stale[GainOutPlot] = GainPlotsStale;
        Editors().Overlays().RefreshGainPageCurves();
        for (int ch = 0; ch < InputCount; ++ch)
            RefreshInput(model, ch);
        for (int ch = FirstOutput; ch < ChannelCount; ++ch)
            RefreshOutput(model, ch);
        RefreshPageWide(model);
    }
    for (int ch = 0; ch < ChannelCount; ++ch)
        Editors().Peq().BuildChannelCurves(ch);
    Editors().Peq().SelectFirstBands();
    if (m_ctx.Window.CurrentPage() == GainPage)
        Editors().Overlays().RefreshGainPageCurves();
    else
        Editors().Overlays().RefreshChannelOverlays(m_ctx.Window.CurrentPage());
}

// The delay unit, the test signal, the routing lines and the link display; sending is suppressed.
void ModelRefresh::RefreshPageWide(const LUnitControl& model)
{
    // A unit beyond ms, m and ft (a foreign file or device) is clamped to the last, ft.
    const int unit = std::min<int>(model.GetDelayUnit(), DelayUnitCount - 1);
    rz::TRzBmpButton* button = m_controls.DelayUnits[static_cast<std::size_t>(unit)];
    button->SetDown(true);
    if (button->OnClick)
        button->OnClick(button);
    m_ctx.Window.ShowWorkMode(model.GetWorkMode(), model.GetSineFreq());
    m_controls.Matrix->Repaint();
    m_ctx.Window.ApplyLinks();
    for (int ch = 0; ch < ChannelCount; ++ch)
        Editors().Delay().PlaceLine(ch);
}

} // namespace editors
