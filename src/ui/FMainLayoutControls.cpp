// Hands the block editors their controls: every control an editor works on is looked up once, here,
// after the layout is built. A name the layout lacks stops the program at once with that name.

#include "ui/FMain.h"
#include "ui/FMainLayoutNames.h"
#include "ui/FMainLayoutParts.h"
#include "ui/editors/EditorControls.h"

#include "controls/LProgressBar.h"
#include "controls/MyPEQAllpass.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPaintBox.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/TUpDown.h"
#include "plot/iXYPlot.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzCmboBx.h"
#include "widgets/VrButtons.h"

namespace {

using namespace editors;

class Collector
{
public:
    explicit Collector(const TfmMain& form) : m_form(form) {}

    template <class T>
    void Take(T*& slot, const QString& name) const
    {
        slot = layout::RequireControl<T>(m_form, name);
    }

    void Channel(ChannelControls& c, int ch) const;
    void Cut(CutControls& c, const QString& side, const QString& sfx) const;
    void Gate(ChannelControls& c, const QString& sfx) const;
    void Comp(ChannelControls& c, const QString& sfx) const;
    void Overlays(ChannelControls& c, int ch) const;
    void Diagram(ChannelControls& c, int ch) const;

private:
    const TfmMain& m_form;
};

void Collector::Channel(ChannelControls& c, int ch) const
{
    const QString sfx = layout::ChannelSuffix(ch);
    Take(c.Gain, QStringLiteral("isGain") + sfx);
    Take(c.GainBackup, QStringLiteral("isGainBackup") + sfx);
    Take(c.GainEdit, QStringLiteral("cvdGain") + sfx);
    Take(c.GainBackupEdit, QStringLiteral("cvdGainBackup") + sfx);
    Take(c.Mute, QStringLiteral("rzbMute") + sfx);
    Take(c.MuteBackup, QStringLiteral("rzbMuteBackup") + sfx);
    Take(c.Phase, QStringLiteral("rzbPhase") + sfx);
    Take(c.PhaseBackup, QStringLiteral("rzbPhaseBackup") + sfx);

    Take(c.Plot, QStringLiteral("fftDraw") + sfx);
    Take(c.PlotBox, QStringLiteral("rzgFft") + sfx);
    Take(c.BandHelp, QStringLiteral("lbFftParam") + sfx);
    Take(c.ShowGain, QStringLiteral("rbShowGain") + sfx);
    Take(c.ShowPhase, QStringLiteral("rbShowPhase") + sfx);
    Take(c.PageButton, QStringLiteral("rzbMenu") + sfx);

    Take(c.Peq, QStringLiteral("peqPeq") + sfx);
    for (int b = 0; b < BandCount(ch); ++b)
        Take(c.Bands[static_cast<std::size_t>(b)], QStringLiteral("rzbEq") + QString::number(b + 1) + sfx);
    const char* const eqFields[EqFieldCount] = { "Freq", "Bw", "Gain" };
    for (int i = 0; i < EqFieldCount; ++i) {
        Take(c.EqFaders[static_cast<std::size_t>(i)], QStringLiteral("isEq") + QString::fromLatin1(eqFields[i]) + sfx);
        Take(c.EqEdits[static_cast<std::size_t>(i)], QStringLiteral("cvdEq") + QString::fromLatin1(eqFields[i]) + sfx);
    }
    Take(c.EqShowAll, QStringLiteral("vrbEqShowAll") + sfx);
    Take(c.EqReset, QStringLiteral("vrbEqReset") + sfx);
    Take(c.EqBypass, QStringLiteral("vrbEqBypass") + sfx);

    Cut(c.HighPass, QStringLiteral("LowCut"), sfx);
    Cut(c.LowPass, QStringLiteral("HighCut"), sfx);

    Take(c.Delay, QStringLiteral("isDelay") + sfx);
    Take(c.DelayEdit, QStringLiteral("cvdDelay") + sfx);
    Take(c.DelayMarker, QStringLiteral("imDelay") + sfx);
    Take(c.DelayLine, QStringLiteral("lbDelayLine") + sfx);
    Take(c.DelayTime, QStringLiteral("lbFftDelayTime") + sfx);

    Take(c.NameLabel, QStringLiteral("lbMatrixChName") + sfx);
    Diagram(c, ch);

    Take(c.Level, QStringLiteral("pbLevel") + sfx);
    Take(c.LevelBackup, QStringLiteral("pbLevelBackup") + sfx);
    if (IsInput(ch))
        Gate(c, sfx);
    else
        Comp(c, sfx);
    Overlays(c, ch);
}

void Collector::Cut(CutControls& c, const QString& side, const QString& sfx) const
{
    Take(c.Freq, QStringLiteral("is") + side + QStringLiteral("Freq") + sfx);
    Take(c.FreqEdit, QStringLiteral("cvd") + side + QStringLiteral("Freq") + sfx);
    Take(c.Slope, QStringLiteral("rzc") + side + QStringLiteral("Slop") + sfx);
    Take(c.Bypass, QStringLiteral("rzb") + side + QStringLiteral("Bypass") + sfx);
}

void Collector::Gate(ChannelControls& c, const QString& sfx) const
{
    const char* const fields[GateFieldCount] = { "Threshold", "Attack", "Release", "Hold" };
    for (int i = 0; i < GateFieldCount; ++i) {
        Take(c.GateFaders[static_cast<std::size_t>(i)], QStringLiteral("isGate") + QString::fromLatin1(fields[i]) + sfx);
        Take(c.GateEdits[static_cast<std::size_t>(i)], QStringLiteral("cvdGate") + QString::fromLatin1(fields[i]) + sfx);
    }
    Take(c.GateLabel, QStringLiteral("lbGate") + sfx);
    Take(c.LevelGate, QStringLiteral("pbLevelGate") + sfx);
}

void Collector::Comp(ChannelControls& c, const QString& sfx) const
{
    const char* const fields[CompFieldCount] = { "Threshold", "Attack", "Release", "Ratio", "Knee" };
    for (int i = 0; i < CompFieldCount; ++i) {
        if (i < CompFaderCount)
            Take(c.CompFaders[static_cast<std::size_t>(i)], QStringLiteral("isComp") + QString::fromLatin1(fields[i]) + sfx);
        Take(c.CompEdits[static_cast<std::size_t>(i)], QStringLiteral("cvdComp") + QString::fromLatin1(fields[i]) + sfx);
    }
    Take(c.CompRatio, QStringLiteral("udCompRatio") + sfx);
    Take(c.CompKnee, QStringLiteral("udCompKnee") + sfx);
    Take(c.CompLabel, QStringLiteral("lbComp") + sfx);
    Take(c.RouteA, QStringLiteral("rzbAMatrix") + sfx);
    Take(c.RouteB, QStringLiteral("rzbBMatrix") + sfx);
    Take(c.LevelComp, QStringLiteral("pbLevelComp") + sfx);
    Take(c.Limit, QStringLiteral("pbLimit") + sfx);
    Take(c.LimitBackup, QStringLiteral("pbLimitBackup") + sfx);
    Take(c.LimitComp, QStringLiteral("pbLimitComp") + sfx);
}

// "vrbShow" + the shown channel's letter + the plot's suffix ("Gain" on the Gain page).
void Collector::Overlays(ChannelControls& c, int ch) const
{
    const QString stem = QStringLiteral("vrbShow") + (IsInput(ch) ? QChar(u'A' + ch) : QChar(u'1' + (ch - FirstOutput)));
    Take(c.OverlayOn[static_cast<std::size_t>(GainPlotOf(ch))], stem + QStringLiteral("Gain"));
    for (int k = SideFirst(ch); k <= SideLast(ch); ++k)
        if (k != ch)
            Take(c.OverlayOn[static_cast<std::size_t>(k)], stem + layout::ChannelSuffix(k));
}

void Collector::Diagram(ChannelControls& c, int ch) const
{
    static const struct { DiagramBlock block; const char* name; bool input, output; } blocks[] = {
        { DiagramBlock::Gain, "Gain", true, true },    { DiagramBlock::HpLp, "HpLp", true, false },
        { DiagramBlock::Peq, "Peq", true, true },      { DiagramBlock::Phase, "Phase", true, true },
        { DiagramBlock::Mute, "Mute", false, true },   { DiagramBlock::Xover, "Xover", false, true },
        { DiagramBlock::Delay, "Delay", true, true },  { DiagramBlock::Comp, "Comp", false, true },
        { DiagramBlock::Gate, "Gate", true, false },   { DiagramBlock::ChName, "ChName", true, true },
    };
    for (const auto& b : blocks)
        if (IsInput(ch) ? b.input : b.output)
            Take(c.DiagramLabels[static_cast<std::size_t>(b.block)],
                 QStringLiteral("lbMatrix") + QString::fromLatin1(b.name) + layout::ChannelSuffix(ch));
}

} // namespace

namespace layout {

editors::EditorControls CollectEditorControls(const TfmMain& form)
{
    const Collector take(form);
    editors::EditorControls all;
    for (int ch = 0; ch < ChannelCount; ++ch)
        take.Channel(all.Of(ch), ch);
    for (int p = 0; p < PageCount; ++p)
        take.Take(all.PageButtons[static_cast<std::size_t>(p)], PageButtonName(p));
    take.Take(all.GainInPlot, QStringLiteral("fftDrawGainIn"));
    take.Take(all.GainOutPlot, QStringLiteral("fftDrawGainOut"));
    take.Take(all.CompPlot, QStringLiteral("ipComp"));
    take.Take(all.CompName, QStringLiteral("lbCompName"));
    take.Take(all.CompHead, QStringLiteral("lbHeadCompOut"));
    take.Take(all.LevelCompOut, QStringLiteral("pbLevelCompOut"));
    take.Take(all.LimitCompOut, QStringLiteral("pbLimitCompOut"));
    take.Take(all.GatePlot, QStringLiteral("ipGate"));
    take.Take(all.GateName, QStringLiteral("lbGateName"));
    take.Take(all.GateHead, QStringLiteral("lbHeadGateIn"));
    take.Take(all.LevelGateIn, QStringLiteral("pbLevelGateIn"));
    take.Take(all.Matrix, QStringLiteral("pbMatrix"));
    for (int u = 0; u < editors::DelayUnitCount; ++u)
        take.Take(all.DelayUnits[static_cast<std::size_t>(u)], QStringLiteral("rzbUnit") + QString::number(u));
    return all;
}

} // namespace layout
