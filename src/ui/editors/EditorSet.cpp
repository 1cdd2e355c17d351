// The block editors of the main window and the binding of their controls' events to them.

#include "ui/editors/EditorSet.h"

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

EditorSet::EditorSet(const EditorContext& context, const EditorControls& controls) : m_ctx(context), m_controls(controls)
{
    m_ctx.Set = this;
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

// The channel a control stands for (its Tag).
int TagOf(vcl::TObject* Sender)
{
    auto* c = dynamic_cast<vcl::TComponent*>(Sender);
    return c ? static_cast<int>(c->Tag()) : -1;
}

void HandCursor(vcl::TObject* Sender, vcl::TShiftState, int, int)
{
    if (auto* label = dynamic_cast<vcl::TControl*>(Sender))
        label->SetCursor(vcl::crHandPoint);
}

void DefaultCursor(vcl::TObject* Sender)
{
    if (auto* label = dynamic_cast<vcl::TControl*>(Sender))
        label->SetCursor(vcl::crDefault);
}

} // namespace

template <class F>
auto EditorSet::WhileIntact(F handler)
{
    return [this, handler](auto&&... args) {
        if (m_intact)
            handler(std::forward<decltype(args)>(args)...);
    };
}

void EditorSet::BindHandlers()
{
    for (auto* plot : { static_cast<vcl::TControl*>(m_controls.GainInPlot), static_cast<vcl::TControl*>(m_controls.GainOutPlot) }) {
        if (!plot)
            continue;
        plot->OnMouseDown = WhileIntact([this](vcl::TObject* Sender, vcl::TMouseButton Button, vcl::TShiftState, int X, int Y) {
            m_plotMouse.MouseDown(Sender, Button == vcl::TMouseButton::mbLeft, X, Y);
        });
        plot->OnMouseMove = WhileIntact([this](vcl::TObject* Sender, vcl::TShiftState, int X, int Y) { m_plotMouse.MouseMove(Sender, X, Y); });
        plot->OnMouseUp = WhileIntact([this](vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int, int) { m_plotMouse.MouseUp(Sender); });
    }
    if (m_controls.Matrix)
        m_controls.Matrix->OnPaint = WhileIntact([this](vcl::TObject*) { m_links.DrawMatrixLines(); });
    for (rz::TRzBmpButton* unit : m_controls.DelayUnits)
        if (unit)
            unit->OnClick = WhileIntact([this](vcl::TObject* Sender) { m_delay.UnitClick(Sender); });
    for (int ch = 0; ch < ChannelCount; ++ch) {
        BindChannel(ch);
        if (IsInput(ch) && m_controls.Of(ch).GateLabel)
            BindGate(ch);
        else if (!IsInput(ch) && m_controls.Of(ch).CompLabel)
            BindComp(ch);
    }
    BindTimers();
}

void EditorSet::BindTimers()
{
    const EditorTimers& t = m_ctx.Timers;
    const struct { vcl::TTimer* timer; std::function<void()> apply; } deferred[] = {
        { t.EqCurve, [this] { m_peq.ApplyPendingField(); } },
        { t.HpLpCurve, [this] { m_crossover.RedrawPending(); } },
        { t.CompDisp, [this] { m_comp.DrawPendingCurve(); } },
        { t.MouseEqCurve, [this] { m_plotMouse.ApplyPendingBand(); } },
    };
    for (const auto& d : deferred) {
        if (!d.timer)
            continue;
        vcl::TTimer* timer = d.timer;
        timer->OnTimer = [this, timer, apply = d.apply](vcl::TObject*) {
            timer->SetEnabled(false);
            if (m_intact)
                apply();
        };
    }
}

void EditorSet::BindChannel(int ch)
{
    // A block whose controls the window lacks is left unbound.
    const ChannelControls& c = m_controls.Of(ch);
    if (c.Plot) {
        c.Plot->OnMouseDown = WhileIntact([this](vcl::TObject* Sender, vcl::TMouseButton Button, vcl::TShiftState, int X, int Y) {
            m_plotMouse.MouseDown(Sender, Button == vcl::TMouseButton::mbLeft, X, Y);
        });
        c.Plot->OnMouseMove = WhileIntact([this](vcl::TObject* Sender, vcl::TShiftState, int X, int Y) { m_plotMouse.MouseMove(Sender, X, Y); });
        c.Plot->OnMouseUp = WhileIntact([this](vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int, int) { m_plotMouse.MouseUp(Sender); });
    }
    // Overlay toggles of this channel: on the Gain page and on the other channel plots of its side.
    for (int k = 0; k < PlotCount; ++k)
        if (vr::TVrPowerButton* toggle = c.OverlayOn[static_cast<std::size_t>(k)])
            toggle->OnClick = WhileIntact([this, k](vcl::TObject* Sender) { m_overlays.ToggleClick(Sender, k); });

    for (const bool backup : { false, true }) {
        if (!c.Gain)
            break;
        (backup ? c.GainBackup : c.Gain)->OnChange = WhileIntact([this, backup](vcl::TObject* Sender) { m_gainStrip.FaderChange(Sender, backup); });
        (backup ? c.MuteBackup : c.Mute)->OnClick = WhileIntact([this, backup](vcl::TObject* Sender) { m_gainStrip.MuteClick(Sender, backup); });
        (backup ? c.PhaseBackup : c.Phase)->OnClick = WhileIntact([this, backup](vcl::TObject* Sender) { m_gainStrip.PhaseClick(Sender, backup); });
    }

    if (c.Peq)
        BindPeq(c, ch);

    const struct { const CutControls& cut; CutSide side; } cuts[] = { { c.HighPass, CutSide::HighPass }, { c.LowPass, CutSide::LowPass } };
    for (const auto& [cut, side] : cuts) {
        if (!cut.Freq)
            continue;
        const CutSide s = side;
        cut.Freq->OnChange = WhileIntact([this, s](vcl::TObject* Sender) { m_crossover.FreqChange(Sender, s); });
        cut.Bypass->OnClick = WhileIntact([this, s](vcl::TObject* Sender) { m_crossover.SlopeChange(Sender, s); });
        cut.Slope->OnChange = WhileIntact([this, s](vcl::TObject* Sender) { m_crossover.SlopeChange(Sender, s); });
        cut.Slope->OnMouseWheel = NoWheel; // the wheel never changes a slope
    }

    if (c.Delay)
        BindDelay(c);

    // Block labels of the diagram: each jumps to the page that edits its block (the channel's own page
    // for the blocks a channel page holds); the name label opens the channel name dialog (bound by the
    // layout).
    const struct { DiagramBlock block; int page; } blocks[] = {
        { DiagramBlock::Gain, -1 }, { DiagramBlock::HpLp, -1 },   { DiagramBlock::Peq, -1 },
        { DiagramBlock::Phase, -1 }, { DiagramBlock::Mute, -1 },  { DiagramBlock::Xover, -1 },
        { DiagramBlock::Delay, DelayPage }, { DiagramBlock::Comp, CompPage }, { DiagramBlock::Gate, GatePage },
        { DiagramBlock::ChName, -2 },
    };
    for (const auto& b : blocks)
        if (vcl::TControl* label = c.DiagramLabels[static_cast<std::size_t>(b.block)]) {
            const int page = b.page;
            if (page != -2)
                label->OnClick = WhileIntact([this, page](vcl::TObject* Sender) {
                    if (page >= 0)
                        m_links.OpenPageFromDiagram(page);
                    else if (dynamic_cast<vcl::TComponent*>(Sender))
                        m_links.OpenPageFromDiagram(TagOf(Sender));
                });
            label->OnMouseMove = HandCursor;
            label->OnMouseLeave = DefaultCursor;
        }
}

void EditorSet::BindDelay(const ChannelControls& c)
{
    c.Delay->OnChange = WhileIntact([this](vcl::TObject* Sender) { m_delay.FaderChange(Sender); });
    c.DelayLine->OnMouseDown = WhileIntact([this](vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int X, int Y) { m_delay.LineMouseDown(Sender, X, Y); });
    c.DelayLine->OnMouseMove = WhileIntact([this](vcl::TObject* Sender, vcl::TShiftState, int X, int Y) { m_delay.LineMouseMove(Sender, X, Y); });
    c.DelayLine->OnMouseUp = WhileIntact([this](vcl::TObject*, vcl::TMouseButton, vcl::TShiftState, int, int) { m_delay.LineMouseUp(); });
    // The marker lies over the line's drag spot: the mouse passes through it to the line.
    c.DelayMarker->setAttribute(Qt::WA_TransparentForMouseEvents);
    c.DelayEdit->OnKeyDown = WhileIntact([this](vcl::TObject* Sender, vcl::WORD& Key, vcl::TShiftState) {
        if (Key == ReturnKey)
            m_delay.Entry(Sender);
    });
    c.DelayEdit->OnExit = WhileIntact([this](vcl::TObject* Sender) { m_delay.Entry(Sender); });
}

void EditorSet::BindPeq(const ChannelControls& c, int ch)
{
    for (int i = 0; i < EqFieldCount; ++i) {
        const auto field = static_cast<EqField>(i);
        if (TAdvTrackBar* fader = c.EqFaders[static_cast<std::size_t>(i)])
            fader->OnChange = WhileIntact([this, field](vcl::TObject* Sender) { m_peq.FieldChange(Sender, field); });
    }
    c.Peq->OnChange = WhileIntact([this](vcl::TObject* Sender) { m_peq.BandChange(Sender); });
    c.Peq->OnEditMouseDown = WhileIntact([this](vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int, int) { m_peq.BandEditMouseDown(Sender); });
    c.Peq->OnPeqTypeMouseWheel = NoWheel; // the wheel never changes a band's type
    for (int b = 0; b < BandCount(ch); ++b)
        if (rz::TRzBmpButton* band = c.Bands[static_cast<std::size_t>(b)])
            band->OnClick = WhileIntact([this](vcl::TObject* Sender) { m_peq.BandButtonClick(Sender); });
    if (TCurvyEdit* freq = c.EqEdits[static_cast<std::size_t>(EqField::Freq)])
        freq->OnKeyDown = WhileIntact([this](vcl::TObject* Sender, vcl::WORD& Key, vcl::TShiftState) { m_peq.FreqEditKeyDown(Sender, Key); });
    const auto bindClick = [this](vcl::TControl* control, auto handler) {
        if (control)
            control->OnClick = WhileIntact(handler);
    };
    bindClick(c.EqBypass, [this](vcl::TObject* Sender) { m_peq.BypassClick(Sender); });
    bindClick(c.EqShowAll, [this](vcl::TObject* Sender) { m_peq.ShowAllClick(Sender); });
    bindClick(c.EqReset, [this](vcl::TObject* Sender) { m_peq.ResetClick(Sender); });
    bindClick(c.ShowGain, [this](vcl::TObject* Sender) { m_overlays.SwitchView(Sender, false); });
    bindClick(c.ShowPhase, [this](vcl::TObject* Sender) { m_overlays.SwitchView(Sender, true); });
}

void EditorSet::BindGate(int ch)
{
    const ChannelControls& c = m_controls.Of(ch);
    const auto drawCurve = WhileIntact([this](vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int, int) {
        if (dynamic_cast<vcl::TComponent*>(Sender))
            m_gate.DrawCurve(TagOf(Sender));
    });
    for (int i = 0; i < GateFieldCount; ++i) {
        const auto field = static_cast<GateField>(i);
        c.GateFaders[static_cast<std::size_t>(i)]->OnChange = WhileIntact([this, field](vcl::TObject* Sender) { m_gate.FaderChange(Sender, field); });
        TCurvyEdit* edit = c.GateEdits[static_cast<std::size_t>(i)];
        BindEntry(edit, WhileIntact([this, field](vcl::TObject* Sender) { m_gate.Entry(Sender, field); }));
        edit->OnMouseDown = drawCurve;
    }
    c.GateLabel->OnMouseDown = drawCurve;
}

void EditorSet::BindComp(int ch)
{
    const ChannelControls& c = m_controls.Of(ch);
    const auto drawCurve = WhileIntact([this](vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int, int) {
        if (dynamic_cast<vcl::TComponent*>(Sender))
            m_comp.DrawCurve(TagOf(Sender));
    });
    for (int i = 0; i < CompFaderCount; ++i) {
        const auto field = static_cast<CompField>(i);
        c.CompFaders[static_cast<std::size_t>(i)]->OnChange = WhileIntact([this, field](vcl::TObject* Sender) { m_comp.FaderChange(Sender, field); });
        c.CompFaders[static_cast<std::size_t>(i)]->OnMouseDown = drawCurve;
    }
    c.CompLabel->OnMouseDown = drawCurve;
    for (int i = 0; i < CompFieldCount; ++i) {
        const auto field = static_cast<CompField>(i);
        TCurvyEdit* edit = c.CompEdits[static_cast<std::size_t>(i)];
        BindEntry(edit, WhileIntact([this, field](vcl::TObject* Sender) { m_comp.Entry(Sender, field); }));
        edit->OnMouseDown = drawCurve;
    }
    // The up-downs report a step after it is taken; the new value is their position.
    for (vcl::TUpDown* ud : { c.CompRatio, c.CompKnee }) {
        const CompField field = ud == c.CompRatio ? CompField::Ratio : CompField::Knee;
        ud->OnClick = WhileIntact([this, field, ud](vcl::TObject* Sender, vcl::TUDBtnType) { m_comp.UpDownChange(Sender, field, ud->Position()); });
    }
    for (rz::TRzBmpButton* route : { c.RouteA, c.RouteB })
        route->OnClick = WhileIntact([this, ch](vcl::TObject* Sender) { m_links.RouteClick(Sender, ch); });
}

} // namespace editors
