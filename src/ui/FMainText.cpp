// The main window's text look-up by SID_ key, the captions of its own controls and the language menu.

#include "ui/FMain.h"

#include "controls/MyPEQAllpass.h"
#include "platform/ui/TMenus.h"
#include "ui/FMainLayoutNames.h"
#include "ui/QtDialogLanguage.h"
#include "ui/SidTables.h"
#include "ui/Skin.h"
#include "ui/editors/EditorSet.h"
#include "widgets/RzBmpBtn.h"

namespace {

struct NameKey { const char* name; const char* key; };

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

QString Key(const char* key)
{
    return QString::fromLatin1(key);
}

} // namespace

QString TfmMain::GetSidText(const QString& key) const
{
    // "ChineseBIG5" has no table of its own; it and an unset language read the English one.
    const QStringList& table = Language == QLatin1String("ChineseGB") ? SidTables::Simplified() : SidTables::English();
    return SidTables::Lookup(table, key);
}

// Longer than most: the captions are written in the fixed order of the window's text rows (a missing
// row ends the pass there), and the order is easiest to check kept in one function.
void TfmMain::ApplyLanguage()
{
    UseQtDialogLanguage(Language == QLatin1String("ChineseGB"));
    // Captions in a fixed order; a control that is missing ends the walk there.
    auto caption = [this](const QString& name, const QString& key) {
        auto* c = dynamic_cast<vcl::TControl*>(FindComponent(name));
        if (!c)
            return false;
        c->SetCaption(GetSidText(key));
        return true;
    };
    auto phase = [this](const QString& name) {
        auto* b = dynamic_cast<rz::TRzBmpButton*>(FindComponent(name));
        if (!b)
            return false;
        b->SetCaption(GetSidText(b->Down() ? QStringLiteral("SID_PHASE_ON") : QStringLiteral("SID_PHASE_OFF")));
        return true;
    };
    auto rows = [&](const NameKey* first, const NameKey* last, const QString& sfx) {
        for (const NameKey* r = first; r != last; ++r) {
            const QString name = QString::fromLatin1(r->name) + sfx;
            if (!(r->key ? caption(name, Key(r->key)) : phase(name)))
                return false;
        }
        return true;
    };
    auto bandEditor = [this](const QString& sfx) {
        auto* peq = dynamic_cast<TMyPEQAllpass*>(FindComponent(QStringLiteral("peqPeq") + sfx));
        if (!peq)
            return false;
        for (int t = 0; t < 7; ++t)
            peq->SetEqTypeString(GetSidText(QStringLiteral("SID_EQ_TYPE%1").arg(t)), t);
        peq->SetBypassString(GetSidText(QStringLiteral("SID_EQ_BYPASS")));
        peq->ChangeLanguage();
        return true;
    };

    for (const layout::MenuText& m : layout::MenuTexts) {
        auto* item = dynamic_cast<vcl::TMenuItem*>(FindComponent(QString::fromLatin1(m.item)));
        if (!item)
            return;
        item->SetCaption(GetSidText(Key(m.key)));
    }
    auto* connected = dynamic_cast<vcl::TMenuItem*>(FindComponent(QStringLiteral("Connected")));
    if (!connected)
        return;
    connected->SetCaption(GetSidText(Controller.IsOnline() ? QStringLiteral("SID_DISCONNECT") : QStringLiteral("SID_CONNECT")));

    if (!rzbMenuLink)
        return;
    rzbMenuLink->SetCaption(GetSidText(Controller.IsOnline() ? QStringLiteral("SID_ONLINE") : QStringLiteral("SID_OFFLINE")));
    skin::ShowLinkState(*rzbMenuLink, Controller.IsOnline());

    if (!caption(QStringLiteral("lPreset"), QStringLiteral("SID_PRESET"))
        || !caption(QStringLiteral("lAddress"), QStringLiteral("SID_ADDRESS"))
        || !caption(QStringLiteral("bStore"), QStringLiteral("SID_BT_STORE"))
        || !caption(QStringLiteral("bRecall"), QStringLiteral("SID_BT_RECALL")))
        return;

    for (int ch = 0; ch < layout::ChannelCount; ++ch) {
        if (!caption(QStringLiteral("rzbMuteBackup") + layout::ChannelSuffix(ch), QStringLiteral("SID_MUTE")))
            return;
    }
    for (int ch = 0; ch < layout::ChannelCount; ++ch) {
        if (!phase(QStringLiteral("rzbPhaseBackup") + layout::ChannelSuffix(ch)))
            return;
    }
    for (const NameKey& f : FixedLabels) {
        if (!caption(QString::fromLatin1(f.name), Key(f.key)))
            return;
    }

    for (int ch = 0; ch < 2; ++ch) {
        const QString sfx = layout::ChannelSuffix(ch);
        if (!rows(std::begin(ChannelRowsHead), std::end(ChannelRowsHead), sfx)
            || !rows(std::begin(GateRows), std::end(GateRows), sfx)
            || !rows(std::begin(EqButtons), std::end(EqButtons), sfx) || !bandEditor(sfx))
            return;
    }
    auto* gateName = dynamic_cast<vcl::TControl*>(FindComponent(QStringLiteral("lbGateName")));
    if (!gateName)
        return;
    gateName->SetCaption(QStringLiteral("In ") + QChar(u'A' + Editors().Gate().Selected()) + QStringLiteral("  ")
                         + GetSidText(QStringLiteral("SID_GATE")));

    for (int ch = 2; ch < layout::ChannelCount; ++ch) {
        const QString sfx = layout::ChannelSuffix(ch);
        if (!rows(std::begin(ChannelRowsHead), std::end(ChannelRowsHead), sfx)
            || !rows(std::begin(EqButtons), std::end(EqButtons), sfx)
            || !rows(std::begin(CompRows), std::end(CompRows), sfx) || !bandEditor(sfx))
            return;
    }
    auto* compName = dynamic_cast<vcl::TControl*>(FindComponent(QStringLiteral("lbCompName")));
    if (!compName)
        return;
    compName->SetCaption(QStringLiteral("Out ") + QString::number(Editors().Comp().Selected() - 1) + QStringLiteral("  ")
                         + GetSidText(QStringLiteral("SID_COMP")));
}

void TfmMain::ChineseSimplifiedClick(vcl::TObject* Sender)
{
    auto* item = dynamic_cast<vcl::TMenuItem*>(Sender);
    if (!item)
        return;
    auto* peq = dynamic_cast<vcl::TControl*>(FindComponent(QStringLiteral("peqPeqInA")));
    static const char* const names[] = { "ChineseGB", "ChineseBIG5", "English" };
    static const char* const items[] = { "ChineseSimplified", "ChineseTraditional", "English" };
    const auto tag = item->Tag();
    if (tag < 0 || tag > 2) {
        ApplyLanguage();
        if (peq)
            peq->Invalidate();
        return;
    }
    Language = QString::fromLatin1(names[tag]);
    if (item->Checked())
        return;
    for (int i = 0; i < 3; ++i) {
        if (auto* other = dynamic_cast<vcl::TMenuItem*>(FindComponent(QString::fromLatin1(items[i]))))
            other->SetChecked(i == tag);
    }
    ApplyLanguage();
    if (peq)
        peq->Invalidate();
}

void TfmMain::EnglishClick(vcl::TObject* Sender)
{
    ChineseSimplifiedClick(Sender);
}
