// PEQ band editing: the band editor's changes, band selection, the band parameter panel.

#include "ui/editors/PeqEditor.h"

#include "platform/core/SoftAssert.h"
#include "ui/editors/EditorText.h"
#include "ui/editors/EditorSet.h"

#include "controls/MyPEQAllpass.h"
#include "device/CM_MCS.h"
#include "device/Constants.h"
#include "device/LUnitControl.h"
#include "device/McsCodes.h"
#include "device/SendMode.h"
#include "device/ValueGrids.h"
#include "platform/ui/TTimer.h"
#include "response/CurveBuilder.h"
#include "response/FilterCurve.h"
#include "response/Plot.h"
#include "response/UnitCrossoverReader.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/VrButtons.h"

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

namespace {

bool IsPeakLike(int type) { return type == 0 || type == 5 || type == 6; }
bool IsBand(int ch, int b) { return IsChannel(ch) && b >= 0 && b < BandCount(ch); }
// The Q index a band panel fader stops at for shelves and passes (3.0).
constexpr int ShelfQLimit = 35;

TAdvTrackBar* Fader(const ChannelControls& c, EqField f) { return c.EqFaders[static_cast<std::size_t>(f)]; }
TCurvyEdit* Box(const ChannelControls& c, EqField f) { return c.EqEdits[static_cast<std::size_t>(f)]; }

} // namespace

void SetBandSection(Plot& curves, int b, bool bypass, double g, double f, double q, int t)
{
    if (FilterCurve* section = curves.Section(b)) {
        if (bypass)
            section->SetFilter(0.0, f, q, 10);
        else
            section->SetFilter(g, f, q, t >= 0 && t <= 6 ? PeqTypeToCurveType[static_cast<std::size_t>(t)] : 10);
    }
}

void PeqEditor::BandChange(vcl::TObject* Sender)
{
    if (Editors().PlotMouse().Dragging())
        return;
    auto* peq = dynamic_cast<TMyPEQAllpass*>(Sender);
    LUnitControl* model = Model();
    const int ch = peq ? static_cast<int>(peq->Tag()) : -1;
    const int b = peq ? peq->GetNowIndex() : -1;
    if (!model || !IsBand(ch, b))
        return;
    const double f = peq->GetFreqValue(b);
    const double g = peq->GetGainValue(b);
    double q = peq->GetQValue(b);
    const int t = peq->GetTypeValue(b);
    const bool bypass = peq->GetBypassValue(b);

    // A new type brings its usual Q; shelves and passes stay at or below 3.0. Compared by index, so
    // the nested pass the Q write raises always finds its target reached.
    const int m = model->GetPeq(ch, b).Type;
    int targetQ = -1;
    if (IsPeakLike(t) && m != t)
        targetQ = model->GetDefaultPeq(ch, b).Q;
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
    if (m_ctx.SuppressSend)
        return;
    Of(ch).Bands[static_cast<std::size_t>(b)]->SetDown(true);
    peq->SetNowIndex(b);
    if (Plot* curves = m_ctx.Plots[static_cast<std::size_t>(ch)]) {
        SetBandSection(*curves, b, bypass, g, f, q, t);
        curves->DrawMarker(b, static_cast<float>(g), 1);
        curves->ShowSelected(t, b, static_cast<float>(g), static_cast<float>(q), true);
        curves->DrawSum(ch);
    }
    Of(ch).Plot->UpdateCurvePage();
    model->SetPeq(ch, b, band, bypass);
    model->SetPeqBandBypassed(ch, b, bypass);
    ShowBandParams(ch, true, f, g, q);
}

void PeqEditor::ShowBandParams(int ch, bool enabled, double freqHz, double gainDb, double q)
{
    if (m_ctx.SuppressSend || !IsChannel(ch))
        return;
    const ChannelControls& c = Of(ch);
    SuppressGuard guard(m_ctx.SuppressSend);
    TAdvTrackBar* freq = Fader(c, EqField::Freq);
    TAdvTrackBar* gain = Fader(c, EqField::Gain);
    TAdvTrackBar* bw = Fader(c, EqField::Q);
    freq->SetPosition(FreqToIndex(freqHz));
    freq->SetEnabled(enabled);
    Box(c, EqField::Freq)->SetText(EqFreqText(freqHz));
    gain->SetPosition(GainToIndex(gainDb));
    gain->SetEnabled(enabled);
    Box(c, EqField::Gain)->SetText(EqGainText(gain->Position()));
    bw->SetPosition(QToIndex(q));
    bw->SetEnabled(enabled);
    Box(c, EqField::Q)->SetText(EqQText(bw->Position()));
}

void PeqEditor::FieldChange(vcl::TObject* Sender, EqField field)
{
    if (m_ctx.SuppressSend)
        return;
    auto* fader = dynamic_cast<TAdvTrackBar*>(Sender);
    const int ch = ChannelOf(fader);
    if (!ZQ9_EXPECT(IsChannel(ch)))
        return;
    const ChannelControls& c = Of(ch);
    TCurvyEdit* edit = Box(c, field);
    switch (field) {
    case EqField::Freq: {
        const double f = IndexToFreq(fader->Position());
        edit->SetText(EqFreqText(f));
        m_pending.Freq = static_cast<float>(f);
        break;
    }
    case EqField::Q: {
        const int b = c.Peq->GetNowIndex();
        if (IsBand(ch, b) && !IsPeakLike(c.Peq->GetTypeValue(b)) && fader->Position() > ShelfQLimit) {
            fader->SetPosition(ShelfQLimit); // the nested pass does the rest
            return;
        }
        edit->SetText(EqQText(fader->Position()));
        m_pending.Q = static_cast<float>(fader->Position());
        break;
    }
    case EqField::Gain:
        edit->SetText(EqGainText(fader->Position()));
        m_pending.Gain = static_cast<double>(IndexToGain(fader->Position()));
        break;
    }
    m_pending.Field = field;
    m_pending.Channel = ch;
    m_ctx.Timers.EqCurve->SetEnabled(true);
}

void PeqEditor::ApplyPendingField()
{
    if (!IsChannel(m_pending.Channel))
        return;
    TMyPEQAllpass* peq = Of(m_pending.Channel).Peq;
    const int b = peq->GetNowIndex();
    // With no band selected the keys can still move the disabled faders: nothing to apply then.
    if (!IsBand(m_pending.Channel, b))
        return;
    switch (m_pending.Field) {
    case EqField::Freq: peq->SetFreqValue(b, m_pending.Freq); break;
    case EqField::Q: peq->SetQValue(b, m_pending.Q); break;
    case EqField::Gain: peq->SetGainValue(b, m_pending.Gain); break;
    }
}

void PeqEditor::FocusFreqEdit(int ch)
{
    // A box on a hidden page cannot take the focus; asking would raise.
    if (TCurvyEdit* edit = IsChannel(ch) ? Box(Of(ch), EqField::Freq) : nullptr; edit && edit->CanFocus())
        edit->SetFocus();
}

void PeqEditor::ShowSelectedBand(int ch, int b, double g, double q, int t)
{
    if (Plot* curves = m_ctx.Plots[static_cast<std::size_t>(ch)]) {
        curves->DrawMarker(b, static_cast<float>(g), 1);
        curves->ShowSelected(t, b, static_cast<float>(g), static_cast<float>(q), true);
        curves->DrawSum(ch);
    }
    Of(ch).Plot->UpdateCurvePage();
}

void PeqEditor::BandButtonClick(vcl::TObject* Sender)
{
    auto* button = dynamic_cast<rz::TRzBmpButton*>(Sender);
    if (!ZQ9_EXPECT(button))
        return;
    // A band button's group is its channel + 1, its Tag the band.
    const int ch = button->GroupIndex() - 1;
    const int b = static_cast<int>(button->Tag());
    if (!IsBand(ch, b))
        return;
    TMyPEQAllpass* peq = Of(ch).Peq;
    const double f = peq->GetFreqValue(b), g = peq->GetGainValue(b), q = peq->GetQValue(b);
    const int t = peq->GetTypeValue(b);
    peq->SetNowIndex(b);
    ShowBandParams(ch, true, f, g, q);
    ShowSelectedBand(ch, b, g, q, t);
    Of(ch).BandHelp->SetVisible(true);
    FocusFreqEdit(ch);
}

void PeqEditor::BandEditMouseDown(vcl::TObject* Sender)
{
    auto* peq = dynamic_cast<TMyPEQAllpass*>(Sender);
    const int ch = peq ? static_cast<int>(peq->Tag()) : -1;
    const int b = peq ? peq->GetNowIndex() : -1;
    if (!IsBand(ch, b))
        return;
    Of(ch).Bands[static_cast<std::size_t>(b)]->SetDown(true);
    const double f = peq->GetFreqValue(b), g = peq->GetGainValue(b), q = peq->GetQValue(b);
    ShowBandParams(ch, true, f, g, q);
    ShowSelectedBand(ch, b, g, q, peq->GetTypeValue(b));
    Of(ch).BandHelp->SetVisible(true);
}

void PeqEditor::DeselectBands()
{
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const ChannelControls& c = Of(ch);
        int k = c.Peq->GetNowIndex();
        if (k == NoBand || k < 0)
            k = 0;
        if (k >= BandCount(ch))
            return;
        rz::TRzBmpButton* button = c.Bands[static_cast<std::size_t>(k)];
        // A down button of a group without "all up" refuses to rise; deselection must raise it.
        const bool allowAllUp = button->AllowAllUp();
        button->SetAllowAllUp(true);
        button->SetDown(false);
        button->SetAllowAllUp(allowAllUp);
        ShowBandParams(ch, false, 19.7, 0.0, 0.4);
        c.Peq->SetNowIndex(NoBand);
        c.Peq->SetNowIndex(-1);
        if (Plot* curves = m_ctx.Plots[static_cast<std::size_t>(ch)]) {
            curves->ShowSelected(1, 0, 0.0f, 0.4f, false);
            curves->DrawSum(ch);
        }
        c.Plot->UpdateCurvePage();
    }
}

void PeqEditor::SelectFirstBands()
{
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const ChannelControls& c = Of(ch);
        c.Bands[0]->SetDown(true);
        const double f = c.Peq->GetFreqValue(0), g = c.Peq->GetGainValue(0), q = c.Peq->GetQValue(0);
        const int t = c.Peq->GetTypeValue(0);
        c.Peq->SetNowIndex(0);
        ShowBandParams(ch, true, f, g, q);
        ShowSelectedBand(ch, 0, g, q, t);
    }
}

void PeqEditor::BuildChannelCurves(int ch)
{
    Plot* curves = IsChannel(ch) ? m_ctx.Plots[static_cast<std::size_t>(ch)] : nullptr;
    if (!curves || !Model())
        return;
    BuildPeqCurve(*curves, ch, *Of(ch).Peq);
    const UnitCrossoverReader reader(*Model());
    BuildHpCurve(*curves, ch, reader);
    BuildLpCurve(*curves, ch, reader);
}

void PeqEditor::FreqEditKeyDown(vcl::TObject* Sender, int key)
{
    auto* edit = dynamic_cast<TCurvyEdit*>(Sender);
    const int ch = edit ? static_cast<int>(edit->Tag()) : -1;
    if (!ZQ9_EXPECT(IsChannel(ch)))
        return;
    TAdvTrackBar* freq = Fader(Of(ch), EqField::Freq);
    TAdvTrackBar* bw = Fader(Of(ch), EqField::Q);
    TAdvTrackBar* gain = Fader(Of(ch), EqField::Gain);
    switch (key) {
    case 37: freq->SetPosition(freq->Position() - 1); break; // left
    case 39: freq->SetPosition(freq->Position() + 1); break; // right
    case 107:                                                 // numpad plus
    case 187: bw->SetPosition(bw->Position() + 1); break;    // plus
    case 109:                                                 // numpad minus
    case 189: bw->SetPosition(bw->Position() - 1); break;    // minus
    case 38: gain->SetPosition(gain->Position() + 1); break; // up
    case 40: gain->SetPosition(gain->Position() - 1); break; // down
    default: break;
    }
}

void PeqEditor::ShowAllClick(vcl::TObject* Sender)
{
    auto* button = dynamic_cast<vr::TVrPowerButton*>(Sender);
    const int ch = button ? static_cast<int>(button->Tag()) : -1;
    if (!ZQ9_EXPECT(IsChannel(ch)))
        return;
    Of(ch).Plot->SetParameterDisplay(button->Active());
    Of(ch).PlotBox->Repaint();
}

void PeqEditor::ResetClick(vcl::TObject* Sender)
{
    auto* button = dynamic_cast<vcl::TComponent*>(Sender);
    if (!ZQ9_EXPECT(button))
        return;
    m_ctx.Window.AskPeqReset(static_cast<int>(button->Tag()));
}

void PeqEditor::ResetChannel(int ch)
{
    LUnitControl* model = Model();
    if (!IsChannel(ch) || !model)
        return;
    TMyPEQAllpass* peq = Of(ch).Peq;
    peq->SetNowIndex(0);
    for (int b = BandCount(ch) - 1; b >= 0; --b) {
        const PeqBand d = model->GetDefaultPeq(ch, b);
        // Straight to the device, and into the model for the whole group without a second send.
        m_ctx.Sender.SendCommand(CM_MCS_PEQ(m_ctx.Sender.GetDeviceId(), ch, b, d, false), SEND_APPEND, true);
        {
            SuppressGuard quiet(m_ctx.SuppressSend);
            model->SetPeq(ch, b, d, false);
            model->SetPeqBandBypassed(ch, b, false);
        }
        const double gain = static_cast<double>(IndexToGain(d.Gain));
        const double freq = IndexToFreq(d.Freq);
        peq->SetEqParamValue(b, freq, d.Q, gain, d.Type, false);
        if (Plot* curves = m_ctx.Plots[static_cast<std::size_t>(ch)]) {
            if (FilterCurve* section = curves->Section(b))
                section->SetFilter(gain, freq, QTable[static_cast<std::size_t>(std::min<int>(d.Q, 100))],
                                   PeqTypeToCurveType[static_cast<std::size_t>(std::min<int>(d.Type, 6))]);
            curves->DrawMarker(b, static_cast<float>(gain), 1);
        }
    }
}

void PeqEditor::BypassClick(vcl::TObject* Sender)
{
    auto* button = dynamic_cast<vr::TVrDemoButton*>(Sender);
    LUnitControl* model = Model();
    const int ch = button ? static_cast<int>(button->Tag()) : -1;
    if (!model || !ZQ9_EXPECT(IsChannel(ch)))
        return;
    LMyFFTDrawPhase* plot = Of(ch).Plot;
    const int sideBits = (1 << SideCount(ch)) - 1;
    const int group = GroupMaskOf(Model(), ch) & sideBits;
    int mask = model->GetEqBypassMask(ch);
    int on = 0;
    if (mask & (1 << SideBitNo(ch))) {
        plot->DrawTextA(plot->GetPlotWidth() / 3, plot->GetPlotHeight() / 4, 60, vcl::clBtnFace, QStringLiteral("Times New Roman"), QString());
        mask &= ~group;
    } else {
        plot->DrawTextA(plot->GetPlotWidth() / 3, plot->GetPlotHeight() / 4, 60, vcl::clBtnFace, QStringLiteral("Times New Roman"),
                        QStringLiteral("BYPASS"));
        mask |= group;
        on = 1;
    }
    model->SetEqBypassMask(ch, static_cast<std::uint16_t>(mask));
    plot->Repaint();
    m_ctx.Sender.SendCommand(CM_MCS_CMD(m_ctx.Sender.GetDeviceId(), MCS_CMD_EQ_BYPASS, ch, on), SEND_REPLACE, true);
}

} // namespace editors
