// Hands the window its own controls: every control its captions, page switch, menus and resizing work
// on is looked up once, here, after the layout is built. A name the layout lacks stops the program at
// once with that name.

#include "ui/FMain.h"
#include "ui/FMainLayoutNames.h"
#include "ui/FMainLayoutParts.h"
#include "ui/MainShellControls.h"

#include "controls/MyPEQAllpass.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMenus.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/RzBmpBtn.h"

namespace {

using CaptionKind = CaptionStep::Kind;

// A caption row: the control's name without the channel suffix, and its key (none: a polarity
// button).
struct NameKey { const char* name; const char* key; };

const NameKey PresetRow[] = {
    { "lPreset", "SID_PRESET" }, { "lAddress", "SID_ADDRESS" }, { "bStore", "SID_BT_STORE" }, { "bRecall", "SID_BT_RECALL" },
};
const NameKey FixedLabels[] = {
    { "lbGainInput", "SID_IN" },        { "lbGainOutput", "SID_OUT" },     { "lbDelayInput", "SID_IN" },
    { "lbDelayOutput", "SID_OUT" },     { "lbDelayUnit", "SID_DELAY_UNIT" }, { "lbFftDelayIn", "SID_IN_DELAY" },
    { "lbFftDelayOut", "SID_OUT_DELAY" }, { "rzbUnit0", "SID_UNIT_MS" },    { "rzbUnit1", "SID_UNIT_M" },
    { "rzbUnit2", "SID_UNIT_FT" },      { "lbFftGainIn", "SID_IN" },       { "lbFftGainOut", "SID_OUT" },
};

// The rows every channel page shares, up to the high-cut bypass.
const NameKey ChannelRowsHead[] = {
    { "lbFftParam", "SID_PARAM_KEY" }, { "lbGain", "SID_GAIN" }, { "rzbMute", "SID_MUTE" }, { "rzbPhase", nullptr },
    { "lbEqParam", "SID_EQ_PARAM" },   { "lbEqFreq", "SID_EQ_FREQ" }, { "lbEqBw", "SID_EQ_BW" },
    { "lbEqGain", "SID_EQ_GAIN" },     { "lbEq", "SID_EQ_PARAM_TITLE" }, { "lbLowCutFreq", "SID_HPF" },
    { "lbLowCutSlop", "SID_HLP_SLOP" }, { "rzbLowCutBypass", "SID_HLP_BYPASS" }, { "lbHighCutFreq", "SID_LPF" },
    { "lbHighCutSlop", "SID_HLP_SLOP" }, { "rzbHighCutBypass", "SID_HLP_BYPASS" },
};
const NameKey GateRows[] = {
    { "lbGateThreshold", "SID_COMP_THRESHOLD" }, { "lbGateAttack", "SID_COMP_ATTACK" },
    { "lbGateRelease", "SID_COMP_RELEASE" },     { "lbGateHold", "SID_GATE_HOLD" },
};
const NameKey EqButtons[] = {
    { "vrbEqShowAll", "SID_SHOW_ALL_EQ" }, { "vrbEqReset", "SID_RESET_EQ" }, { "vrbEqBypass", "SID_BYPASS_EQ" },
};
const NameKey CompRows[] = {
    { "lbCompRatio", "SID_COMP_RATIO" },     { "lbCompThreshold", "SID_COMP_THRESHOLD" },
    { "lbCompAttack", "SID_COMP_ATTACK" },   { "lbCompRelease", "SID_COMP_RELEASE" },
    { "lbCompKnee", "SID_COMP_KNEE" },       { "lbFftParam", "SID_PARAM_KEY" },
};

class ShellCollector
{
public:
    ShellCollector(const TfmMain& form, MainShellControls& shell) : m_form(form), m_shell(shell) {}

    template <class T>
    void Take(T*& slot, const QString& name) const
    {
        slot = layout::RequireControl<T>(m_form, name);
        m_shell.Keep(slot);
    }

    void Channel(int ch) const;
    void Pages() const;
    void Pieces() const;
    void Menus() const;
    void Captions() const;

private:
    void Diagram(MainShellControls::Channel& c, int ch) const;

    const TfmMain& m_form;
    MainShellControls& m_shell;
};

void ShellCollector::Channel(int ch) const
{
    MainShellControls::Channel& c = m_shell.Channels[static_cast<std::size_t>(ch)];
    const QString sfx = layout::ChannelSuffix(ch);
    Take(c.Plot, QStringLiteral("fftDraw") + sfx);
    Take(c.Title, QStringLiteral("lbFftChannel") + sfx);
    Take(c.StripName, QStringLiteral("lbGainName") + sfx);
    Take(c.LevelPanel, QStringLiteral("plLevel") + sfx);
    Take(c.NameLabel, QStringLiteral("lbMatrixChName") + sfx);
    Take(c.Peq, QStringLiteral("peqPeq") + sfx);
    Take(c.Delay, QStringLiteral("isDelay") + sfx);
    Take(c.DelayMarker, QStringLiteral("imDelay") + sfx);
    Take(c.DelayLine, QStringLiteral("lbDelayLine") + sfx);
    Take(c.DelayTime, QStringLiteral("lbFftDelayTime") + sfx);
    Take(c.DelayName, QStringLiteral("lbFftDelayName") + sfx);
    Take(c.MatrixRow, QStringLiteral("plMatrix") + sfx);
    Diagram(c, ch);
}

// The block labels of a row, left to right; an output's two routing buttons.
void ShellCollector::Diagram(MainShellControls::Channel& c, int ch) const
{
    static const char* const inBlocks[] = { "ChName", "Gain", "HpLp", "Gate", "Peq", "Phase", "Delay" };
    static const char* const outBlocks[] = { "ChName", "Gain", "Comp", "Mute", "Peq", "Phase", "Xover", "Delay" };
    const bool input = editors::IsInput(ch);
    const QString sfx = layout::ChannelSuffix(ch);
    const auto* names = input ? inBlocks : outBlocks;
    c.Blocks.assign(input ? std::size(inBlocks) : std::size(outBlocks), nullptr);
    for (std::size_t k = 0; k < c.Blocks.size(); ++k)
        Take(c.Blocks[k], QStringLiteral("lbMatrix") + QString::fromLatin1(names[k]) + sfx);
    if (!input) {
        Take(c.Routes[0], QStringLiteral("rzbAMatrix") + sfx);
        Take(c.Routes[1], QStringLiteral("rzbBMatrix") + sfx);
    }
}

void ShellCollector::Pages() const
{
    for (std::size_t p = 0; p < m_shell.PageButtons.size(); ++p) {
        const int page = static_cast<int>(p);
        Take(m_shell.PageButtons[p], layout::PageButtonName(page));
        Take(m_shell.PageUppers[p], QStringLiteral("rzgFft") + layout::PageBoxSuffix(page));
        Take(m_shell.PageLowers[p], QStringLiteral("rzgParam") + layout::PageBoxSuffix(page));
    }
}

void ShellCollector::Pieces() const
{
    Take(m_shell.MainArea, QStringLiteral("rzgMain"));
    Take(m_shell.FunctionBar, QStringLiteral("rzgFunction"));
    Take(m_shell.PresetBar, QStringLiteral("rzgPreset"));
    Take(m_shell.IdLabel, QStringLiteral("lbShowIdNumber"));
    Take(m_shell.GainInPlot, QStringLiteral("fftDrawGainIn"));
    Take(m_shell.GainOutPlot, QStringLiteral("fftDrawGainOut"));
    Take(m_shell.DelayInPanel, QStringLiteral("plDelayIn"));
    Take(m_shell.DelayOutPanel, QStringLiteral("plDelayOut"));
    Take(m_shell.Matrix, QStringLiteral("pbMatrix"));
    Take(m_shell.CompPlot, QStringLiteral("ipComp"));
    Take(m_shell.CompName, QStringLiteral("lbCompName"));
    Take(m_shell.CompHead, QStringLiteral("lbHeadCompOut"));
    Take(m_shell.CompMeter, QStringLiteral("pbLevelCompOut"));
    Take(m_shell.CompLamp, QStringLiteral("pbLimitCompOut"));
    Take(m_shell.GatePlot, QStringLiteral("ipGate"));
    Take(m_shell.GateName, QStringLiteral("lbGateName"));
    Take(m_shell.GateHead, QStringLiteral("lbHeadGateIn"));
    Take(m_shell.GateMeter, QStringLiteral("pbLevelGateIn"));
    for (std::size_t k = 0; k < m_shell.CompScale.size(); ++k) {
        Take(m_shell.CompScale[k], QStringLiteral("lbScaleComp") + QString::number(k + 1));
        Take(m_shell.GateScale[k], QStringLiteral("lbScaleGate") + QString::number(k + 1));
    }
}

void ShellCollector::Menus() const
{
    m_shell.MenuCaptions.resize(std::size(layout::MenuTexts));
    for (std::size_t i = 0; i < m_shell.MenuCaptions.size(); ++i) {
        m_shell.MenuCaptions[i].Key = layout::MenuTexts[i].key;
        Take(m_shell.MenuCaptions[i].Item, QString::fromLatin1(layout::MenuTexts[i].item));
    }
    Take(m_shell.Connected, QStringLiteral("Connected"));
    Take(m_shell.NetworkSetup, QStringLiteral("NetworkSetup"));
    static const char* const languages[] = { "ChineseSimplified", "ChineseTraditional", "English" };
    for (std::size_t i = 0; i < m_shell.LanguageItems.size(); ++i)
        Take(m_shell.LanguageItems[i], QString::fromLatin1(languages[i]));
}

// The captions in the order the window writes them.
void ShellCollector::Captions() const
{
    struct Planned { CaptionKind kind; QString name; const char* key; };
    std::vector<Planned> plan;
    auto rows = [&plan](const auto& table, const QString& sfx) {
        for (const NameKey& r : table)
            plan.push_back({ r.key ? CaptionKind::Text : CaptionKind::Phase, QString::fromLatin1(r.name) + sfx, r.key });
    };
    rows(PresetRow, QString());
    for (int ch = 0; ch < layout::ChannelCount; ++ch)
        plan.push_back({ CaptionKind::Text, QStringLiteral("rzbMuteBackup") + layout::ChannelSuffix(ch), "SID_MUTE" });
    for (int ch = 0; ch < layout::ChannelCount; ++ch)
        plan.push_back({ CaptionKind::Phase, QStringLiteral("rzbPhaseBackup") + layout::ChannelSuffix(ch), nullptr });
    rows(FixedLabels, QString());
    for (int ch = 0; ch < layout::ChannelCount; ++ch) {
        const QString sfx = layout::ChannelSuffix(ch);
        rows(ChannelRowsHead, sfx);
        if (editors::IsInput(ch))
            rows(GateRows, sfx);
        rows(EqButtons, sfx);
        if (!editors::IsInput(ch))
            rows(CompRows, sfx);
        plan.push_back({ CaptionKind::BandEditor, QStringLiteral("peqPeq") + sfx, nullptr });
        if (ch == 1)
            plan.push_back({ CaptionKind::GateName, QStringLiteral("lbGateName"), nullptr });
    }
    plan.push_back({ CaptionKind::CompName, QStringLiteral("lbCompName"), nullptr });

    m_shell.Captions.resize(plan.size());
    for (std::size_t i = 0; i < plan.size(); ++i) {
        CaptionStep& step = m_shell.Captions[i];
        step.What = plan[i].kind;
        step.Key = plan[i].key;
        if (step.What == CaptionKind::Phase)
            Take(step.Button, plan[i].name);
        else if (step.What == CaptionKind::BandEditor)
            Take(step.BandEditor, plan[i].name);
        else
            Take(step.Control, plan[i].name);
    }
}

} // namespace

namespace layout {

void CollectShellControls(const TfmMain& form, MainShellControls& shell)
{
    const ShellCollector take(form, shell);
    for (int ch = 0; ch < ChannelCount; ++ch)
        take.Channel(ch);
    take.Pages();
    take.Pieces();
    take.Menus();
    take.Captions();
}

} // namespace layout
