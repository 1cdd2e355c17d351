// The block editors of the main window and the binding of their controls' events to the window's
// handlers, which forward to the editors.

#include "ui/editors/EditorSet.h"

#include "ui/FMain.h"

#include "controls/LProgressBar.h"
#include "controls/MyPEQAllpass.h"
#include "plot/iXYPlot.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPaintBox.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/TUpDown.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzCmboBx.h"
#include "widgets/VrButtons.h"

namespace editors {

EditorSet& BlockEditor::Editors() const
{
    return m_window.Editors();
}

namespace {

template <class T>
void Keep(std::unordered_set<const vcl::TComponent*>& set, T* control)
{
    if (control)
        set.insert(static_cast<const vcl::TComponent*>(control));
}

template <class T, std::size_t N>
void Keep(std::unordered_set<const vcl::TComponent*>& set, const std::array<T*, N>& controls)
{
    for (T* c : controls)
        Keep(set, c);
}

} // namespace

EditorSet::EditorSet(TfmMain& window, const EditorControls& controls) : m_window(window), m_controls(controls)
{
    for (const ChannelControls& c : m_controls.Channels)
        Remember(c);
    const EditorControls& p = m_controls;
    Keep(m_handedOver, p.PageButtons);
    Keep(m_handedOver, p.DelayUnits);
    for (const vcl::TComponent* c : std::initializer_list<const vcl::TComponent*> {
             p.GainInPlot, p.GainOutPlot, p.CompPlot, p.CompName, p.CompHead, p.LevelCompOut, p.LimitCompOut, p.GatePlot,
             p.GateName, p.GateHead, p.LevelGateIn, p.Matrix })
        Keep(m_handedOver, c);
}

void EditorSet::Remember(const ChannelControls& c)
{
    auto& set = m_handedOver;
    for (const vcl::TComponent* one : std::initializer_list<const vcl::TComponent*> {
             c.Gain, c.GainBackup, c.GainEdit, c.GainBackupEdit, c.Mute, c.MuteBackup, c.Phase, c.PhaseBackup, c.Plot,
             c.PlotBox, c.BandHelp, c.ShowGain, c.ShowPhase, c.PageButton, c.Peq, c.EqShowAll, c.EqReset, c.EqBypass,
             c.HighPass.Freq, c.HighPass.FreqEdit, c.HighPass.Slope, c.HighPass.Bypass, c.LowPass.Freq, c.LowPass.FreqEdit,
             c.LowPass.Slope, c.LowPass.Bypass, c.Delay, c.DelayEdit, c.DelayMarker, c.DelayLine, c.DelayTime, c.NameLabel,
             c.GateLabel, c.CompRatio, c.CompKnee, c.CompLabel, c.RouteA, c.RouteB, c.Level, c.LevelBackup, c.LevelGate,
             c.LevelComp, c.Limit, c.LimitBackup, c.LimitComp })
        Keep(set, one);
    Keep(set, c.Bands);
    Keep(set, c.EqFaders);
    Keep(set, c.EqEdits);
    Keep(set, c.DiagramLabels);
    Keep(set, c.GateFaders);
    Keep(set, c.GateEdits);
    Keep(set, c.CompFaders);
    Keep(set, c.CompEdits);
    Keep(set, c.OverlayOn);
}

void EditorSet::Forget(const vcl::TComponent* component)
{
    if (m_intact && m_handedOver.count(component))
        m_intact = false;
}

namespace {

constexpr vcl::WORD ReturnKey = 13;

template <class Control>
void BindPlotMouse(TfmMain& w, Control* plot)
{
    plot->OnMouseDown = vcl::Method(&w, &TfmMain::fftDrawInAMouseDown);
    plot->OnMouseMove = vcl::Method(&w, &TfmMain::fftDrawInAMouseMove);
    plot->OnMouseUp = vcl::Method(&w, &TfmMain::fftDrawInAMouseUp);
}

// Return and leaving the box both take a typed entry.
template <class Entry>
void BindEntry(vcl::TWinControl* edit, Entry entry)
{
    edit->OnKeyDown = [entry](vcl::TObject* Sender, vcl::WORD& Key, vcl::TShiftState) {
        if (Key == ReturnKey)
            entry(Sender);
    };
    edit->OnExit = [entry](vcl::TObject* Sender) { entry(Sender); };
}

void NoWheel(vcl::TObject*, vcl::TShiftState, int, vcl::TPoint, bool& Handled)
{
    Handled = true;
}

} // namespace

void EditorSet::BindHandlers()
{
    TfmMain& w = m_window;
    BindPlotMouse(w, m_controls.GainInPlot);
    BindPlotMouse(w, m_controls.GainOutPlot);
    m_controls.Matrix->OnPaint = [&w](vcl::TObject*) { w.DrawMatrixLines(); };
    for (rz::TRzBmpButton* unit : m_controls.DelayUnits)
        unit->OnClick = vcl::Method(&w, &TfmMain::rzbUnit0Click);
    for (int ch = 0; ch < ChannelCount; ++ch) {
        BindChannel(ch);
        if (IsInput(ch))
            BindGate(ch);
        else
            BindComp(ch);
    }
}

void EditorSet::BindChannel(int ch)
{
    TfmMain& w = m_window;
    const ChannelControls& c = m_controls.Of(ch);
    BindPlotMouse(w, c.Plot);
    // Overlay toggles of this channel: on the Gain page and on the other channel plots of its side.
    for (int k = 0; k < PlotCount; ++k)
        if (vr::TVrPowerButton* toggle = c.OverlayOn[static_cast<std::size_t>(k)])
            toggle->OnClick = [&w, k](vcl::TObject* Sender) { w.vrbShowOverlayClick(Sender, k); };

    c.Gain->OnChange = vcl::Method(&w, &TfmMain::isGainInAChange);
    c.GainBackup->OnChange = vcl::Method(&w, &TfmMain::isGainBackupInAChange);
    c.Mute->OnClick = vcl::Method(&w, &TfmMain::rzbMuteInAClick);
    c.MuteBackup->OnClick = vcl::Method(&w, &TfmMain::rzbMuteBackupInAClick);
    c.Phase->OnClick = vcl::Method(&w, &TfmMain::rzbPhaseInAClick);
    c.PhaseBackup->OnClick = vcl::Method(&w, &TfmMain::rzbPhaseBackupInAClick);

    c.EqFaders[static_cast<std::size_t>(EqField::Freq)]->OnChange = vcl::Method(&w, &TfmMain::isEqFreqInAChange);
    c.EqFaders[static_cast<std::size_t>(EqField::Q)]->OnChange = vcl::Method(&w, &TfmMain::isEqBwInAChange);
    c.EqFaders[static_cast<std::size_t>(EqField::Gain)]->OnChange = vcl::Method(&w, &TfmMain::isEqGainInAChange);
    c.Peq->OnChange = vcl::Method(&w, &TfmMain::peqPeqInAChange);
    c.Peq->OnEditMouseDown = vcl::Method(&w, &TfmMain::peqPeqInAEditMouseDown);
    c.Peq->OnPeqTypeMouseWheel = NoWheel; // the wheel never changes a band's type
    for (int b = 0; b < BandCount(ch); ++b)
        c.Bands[static_cast<std::size_t>(b)]->OnClick = vcl::Method(&w, &TfmMain::rzbEq1InAClick);
    c.EqFaders[static_cast<std::size_t>(EqField::Freq)]->OnChange = vcl::Method(&w, &TfmMain::isEqFreqInAChange);
    c.EqEdits[static_cast<std::size_t>(EqField::Freq)]->OnKeyDown = vcl::Method(&w, &TfmMain::cvdEqFreqInAKeyDown);
    c.EqBypass->OnClick = vcl::Method(&w, &TfmMain::vrbEqBypassInAClick);
    c.EqShowAll->OnClick = vcl::Method(&w, &TfmMain::vrbEqShowAllInAClick);
    c.EqReset->OnClick = vcl::Method(&w, &TfmMain::vrbEqResetInAClick);
    c.ShowGain->OnClick = vcl::Method(&w, &TfmMain::rbShowGainInAClick);
    c.ShowPhase->OnClick = vcl::Method(&w, &TfmMain::rbShowPhaseInAClick);

    c.HighPass.Freq->OnChange = vcl::Method(&w, &TfmMain::isLowCutFreqInAChange);
    c.LowPass.Freq->OnChange = vcl::Method(&w, &TfmMain::isHighCutFreqInAChange);
    c.HighPass.Bypass->OnClick = vcl::Method(&w, &TfmMain::rzbLowCutBypassInAClick);
    c.LowPass.Bypass->OnClick = vcl::Method(&w, &TfmMain::rzbHighCutBypassInAClick);
    c.HighPass.Slope->OnChange = vcl::Method(&w, &TfmMain::rzcLowCutSlopInAChange);
    c.LowPass.Slope->OnChange = vcl::Method(&w, &TfmMain::rzcHighCutSlopInAChange);
    c.HighPass.Slope->OnMouseWheel = NoWheel; // the wheel never changes a slope
    c.LowPass.Slope->OnMouseWheel = NoWheel;

    c.Delay->OnChange = vcl::Method(&w, &TfmMain::isDelayInAChange);
    c.DelayLine->OnMouseDown = vcl::Method(&w, &TfmMain::lbDelayLineInAMouseDown);
    c.DelayLine->OnMouseMove = vcl::Method(&w, &TfmMain::lbDelayLineInAMouseMove);
    c.DelayLine->OnMouseUp = vcl::Method(&w, &TfmMain::lbDelayLineInAMouseUp);
    // The marker lies over the line's drag spot: the mouse passes through it to the line.
    c.DelayMarker->setAttribute(Qt::WA_TransparentForMouseEvents);
    c.DelayEdit->OnKeyDown = vcl::Method(&w, &TfmMain::cvdDelayInBKeyDown);
    c.DelayEdit->OnExit = vcl::Method(&w, &TfmMain::cvdDelayInAExit);

    // Block labels of the diagram: each jumps to the page that edits its block; the name label opens
    // the channel name dialog (bound by the layout).
    const struct { DiagramBlock block; void (TfmMain::*click)(vcl::TObject*); } blocks[] = {
        { DiagramBlock::Gain, &TfmMain::lbMatrixHpLpInAClick }, { DiagramBlock::HpLp, &TfmMain::lbMatrixHpLpInAClick },
        { DiagramBlock::Peq, &TfmMain::lbMatrixHpLpInAClick },  { DiagramBlock::Phase, &TfmMain::lbMatrixHpLpInAClick },
        { DiagramBlock::Mute, &TfmMain::lbMatrixHpLpInAClick }, { DiagramBlock::Xover, &TfmMain::lbMatrixHpLpInAClick },
        { DiagramBlock::Delay, &TfmMain::lbMatrixDelayInAClick }, { DiagramBlock::Comp, &TfmMain::lbMatrixCompOut1Click },
        { DiagramBlock::Gate, &TfmMain::lbMatrixGateInAClick },  { DiagramBlock::ChName, nullptr },
    };
    for (const auto& b : blocks)
        if (vcl::TControl* label = c.DiagramLabels[static_cast<std::size_t>(b.block)]) {
            if (b.click)
                label->OnClick = vcl::Method(&w, b.click);
            label->OnMouseMove = vcl::Method(&w, &TfmMain::lbMatrixChNameInAMouseMove);
            label->OnMouseLeave = vcl::Method(&w, &TfmMain::lbMatrixChNameInAMouseLeave);
        }
}

void EditorSet::BindGate(int ch)
{
    TfmMain& w = m_window;
    const ChannelControls& c = m_controls.Of(ch);
    void (TfmMain::*const faders[GateFieldCount])(vcl::TObject*) = {
        &TfmMain::isGateThresholdInAChange, &TfmMain::isGateAttackInAChange, &TfmMain::isGateReleaseInAChange,
        &TfmMain::isGateHoldInAChange
    };
    for (int field = 0; field < GateFieldCount; ++field) {
        c.GateFaders[static_cast<std::size_t>(field)]->OnChange = vcl::Method(&w, faders[field]);
        TCurvyEdit* edit = c.GateEdits[static_cast<std::size_t>(field)];
        BindEntry(edit, [&w, field](vcl::TObject* Sender) { w.cvdGateEntry(Sender, field); });
        edit->OnMouseDown = vcl::Method(&w, &TfmMain::lbGateInAMouseDown);
    }
    c.GateLabel->OnMouseDown = vcl::Method(&w, &TfmMain::lbGateInAMouseDown);
}

void EditorSet::BindComp(int ch)
{
    TfmMain& w = m_window;
    const ChannelControls& c = m_controls.Of(ch);
    void (TfmMain::*const faders[CompFaderCount])(vcl::TObject*) = {
        &TfmMain::isCompThresholdOut1Change, &TfmMain::isCompAttackOut1Change, &TfmMain::isCompReleaseOut1Change
    };
    for (int field = 0; field < CompFaderCount; ++field) {
        c.CompFaders[static_cast<std::size_t>(field)]->OnChange = vcl::Method(&w, faders[field]);
        c.CompFaders[static_cast<std::size_t>(field)]->OnMouseDown = vcl::Method(&w, &TfmMain::CompMouseDown);
    }
    c.CompLabel->OnMouseDown = vcl::Method(&w, &TfmMain::CompMouseDown);
    for (int field = 0; field < CompFieldCount; ++field) {
        TCurvyEdit* edit = c.CompEdits[static_cast<std::size_t>(field)];
        BindEntry(edit, [&w, field](vcl::TObject* Sender) { w.cvdCompEntry(Sender, field); });
        edit->OnMouseDown = vcl::Method(&w, &TfmMain::CompMouseDown);
    }
    // The up-downs report a step after it is taken; the new value is their position.
    for (vcl::TUpDown* ud : { c.CompRatio, c.CompKnee }) {
        const int field = static_cast<int>(ud == c.CompRatio ? CompField::Ratio : CompField::Knee);
        ud->OnClick = [&w, field, ud](vcl::TObject* Sender, vcl::TUDBtnType) { w.CompUpDownChange(Sender, field, ud->Position()); };
    }
    for (rz::TRzBmpButton* route : { c.RouteA, c.RouteB })
        route->OnClick = [&w, ch](vcl::TObject* Sender) { w.rzbAMatrixOutClick(Sender, ch); };
}

} // namespace editors
