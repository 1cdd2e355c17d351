// Link groups: the group of a channel, one edit shown on every member, link masks, channel copy.

#include "ui/editors/EditorNames.h"
#include "ui/editors/LinkRules.h"

#include "device/CM_MCS.h"
#include "device/Constants.h"
#include "device/LUnitControl.h"
#include "device/McsCodes.h"
#include "device/SendMode.h"
#include "controller/AckState.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"

#include "platform/ui/TControl.h"
#include "platform/ui/TUpDown.h"

using namespace editors;

namespace {

int SideFirst(int ch) { return ch < 2 ? 0 : 2; }
int SideCount(int ch) { return ch < 2 ? 2 : 6; }

// Every member of the group, in ascending ChannelIndex.
template <class F>
bool ForEachMember(const TfmMain& form, int ch, F&& each)
{
    const int mask = form.GroupMaskOf(ch);
    const int first = SideFirst(ch);
    for (int b = 0; b < SideCount(ch); ++b)
        if (mask & (1 << b))
            if (!each(first + b))
                return false;
    return true;
}

} // namespace

int TfmMain::GroupMaskOf(int ch) const
{
    if (!UnitControl || ch < 0 || ch > 7)
        return 0;
    LinkMasks raw {};
    for (int c = 0; c < 8; ++c)
        raw[static_cast<std::size_t>(c)] = UnitControl->GetLink(c);
    return ValidLinkMask(raw, LinkLeader(raw, ch));
}

void TfmMain::ShowGroupGain(int ch, int pos)
{
    SuppressGuard guard(*this);
    const QString text = GainText(pos);
    ForEachMember(*this, ch, [&](int m) {
        auto* e1 = Find<TCurvyEdit>(this, QStringLiteral("cvdGain"), m);
        auto* e2 = Find<TCurvyEdit>(this, QStringLiteral("cvdGainBackup"), m);
        auto* f1 = Find<TAdvTrackBar>(this, QStringLiteral("isGain"), m);
        auto* f2 = Find<TAdvTrackBar>(this, QStringLiteral("isGainBackup"), m);
        if (!e1 || !e2 || !f1 || !f2)
            return false;
        e1->SetText(text);
        e2->SetText(text);
        f1->SetPosition(pos);
        f2->SetPosition(pos);
        return true;
    });
}

void TfmMain::ShowGroupMute(int ch, bool on)
{
    ForEachMember(*this, ch, [&](int m) {
        auto* b1 = Find<rz::TRzBmpButton>(this, QStringLiteral("rzbMute"), m);
        auto* b2 = Find<rz::TRzBmpButton>(this, QStringLiteral("rzbMuteBackup"), m);
        if (!b1 || !b2)
            return false;
        b1->SetDown(on);
        b2->SetDown(on);
        return true;
    });
}

void TfmMain::ShowGroupPolarity(int ch, bool on)
{
    const QString caption = GetSidText(on ? QStringLiteral("SID_PHASE_ON") : QStringLiteral("SID_PHASE_OFF"));
    ForEachMember(*this, ch, [&](int m) {
        auto* b1 = Find<rz::TRzBmpButton>(this, QStringLiteral("rzbPhase"), m);
        auto* b2 = Find<rz::TRzBmpButton>(this, QStringLiteral("rzbPhaseBackup"), m);
        if (!b1 || !b2)
            return false;
        b1->SetDown(on);
        b2->SetDown(on);
        b1->SetCaption(caption);
        b2->SetCaption(caption);
        return true;
    });
}

void TfmMain::ShowGroupComp(int ch, int field, int value)
{
    if (ch < 2)
        return;
    SuppressGuard guard(*this);
    ForEachMember(*this, ch, [&](int m) {
        switch (field) {
        case 0: {
            auto* f = Find<TAdvTrackBar>(this, QStringLiteral("isCompThreshold"), m);
            auto* e = Find<TCurvyEdit>(this, QStringLiteral("cvdCompThreshold"), m);
            if (!f || !e)
                return false;
            f->SetPosition(value);
            e->SetText(HalfDbText(value));
            return true;
        }
        case 1:
        case 2: {
            const QString q = field == 1 ? QStringLiteral("Attack") : QStringLiteral("Release");
            auto* f = Find<TAdvTrackBar>(this, QStringLiteral("isComp") + q, m);
            auto* e = Find<TCurvyEdit>(this, QStringLiteral("cvdComp") + q, m);
            if (!f || !e)
                return false;
            f->SetPosition(value);
            e->SetText(QString::asprintf("%3dms", value + 1));
            return true;
        }
        case 3:
        case 4: {
            if (m == ch) // the edited channel's own handler wrote its box
                return true;
            const QString q = field == 3 ? QStringLiteral("Ratio") : QStringLiteral("Knee");
            auto* ud = Find<vcl::TUpDown>(this, QStringLiteral("udComp") + q, m);
            auto* e = Find<TCurvyEdit>(this, QStringLiteral("cvdComp") + q, m);
            if (!ud || !e)
                return false;
            ud->SetPosition(value);
            if (field == 3)
                e->SetText(value == 15 ? QStringLiteral("Limit")
                                       : QStringLiteral("1:") + QString::fromStdString(CompRatioLabels[static_cast<std::size_t>(value & 15)]));
            else
                e->SetText(QString::asprintf("%ddB", value));
            return true;
        }
        default:
            return true;
        }
    });
}

void TfmMain::ShowGroupGate(int ch, int field, int value)
{
    if (ch > 1)
        return;
    static const char* const names[] = { "Threshold", "Attack", "Release", "Hold" };
    if (field < 0 || field > 3)
        return;
    SuppressGuard guard(*this);
    const QString q = QString::fromLatin1(names[field]);
    const QString text = field == 0 ? HalfDbText(value) : QString::asprintf("%dms", value + 1);
    ForEachMember(*this, ch, [&](int m) {
        auto* f = Find<TAdvTrackBar>(this, QStringLiteral("isGate") + q, m);
        auto* e = Find<TCurvyEdit>(this, QStringLiteral("cvdGate") + q, m);
        if (!f || !e)
            return false;
        f->SetPosition(value);
        e->SetText(text);
        return true;
    });
}

void TfmMain::SetLinkMask(int ch, int mask)
{
    if (UnitControl)
        UnitControl->SetLink(ch, static_cast<std::uint16_t>(mask));
}

void TfmMain::SetMenuCaption(int master, int ch)
{
    auto* button = Find<vcl::TControl>(this, QStringLiteral("rzbMenu"), ch);
    if (!button)
        return;
    if (master == ch)
        button->SetCaption(ChannelSuffix(ch));
    else
        button->SetCaption(QString(ChannelLetter(ch)) + QLatin1Char('=') + ChannelLetter(master));
}

void TfmMain::CopyChannel(int src, int dst, bool reread)
{
    // A copy joins two different channels of one side; anything else is refused.
    if (src == dst || !UnitControl || src < 0 || src > 7 || dst < 0 || dst > 7 || (src < 2) != (dst < 2))
        return;
    if (Linked) {
        if (reread)
            AckState = ACK_REREAD;
        SendCommand(CM_MCS_CMD(DeviceId, MCS_CMD_COPY_CHANNEL, src, dst), SEND_APPEND, true);
        return;
    }
    const int mask = GroupMaskOf(dst);
    const int first = SideFirst(dst);
    for (int b = 0; b < SideCount(dst); ++b)
        if (mask & (1 << b))
            UnitControl->CopyChannel(src, first + b);
    if (reread)
        RefreshAll();
}

void TfmMain::RereadAfterLink()
{
    if (Linked) {
        Controller.StartReread();
        // A hidden or disabled window cannot take the focus; the re-read goes on regardless.
        if (rzbMenuLink && rzbMenuLink->CanFocus())
            rzbMenuLink->SetFocus();
        return;
    }
    RefreshAll();
}
