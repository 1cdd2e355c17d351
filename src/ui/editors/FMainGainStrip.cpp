// Gain, mute and polarity strip of every channel, on its own page and on the Gain page.

#include "ui/editors/EditorNames.h"

#include "device/LUnitControl.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"

using namespace editors;

namespace editors {

QString GainText(int pos)
{
    if (pos >= 0)
        return QString::asprintf("+%3.1fdB", static_cast<double>(static_cast<float>(pos) * 0.1f));
    const int d = -pos;
    const float db = d <= 200 ? static_cast<float>(d) * 0.1f : static_cast<float>(d - 200) * 0.5f + 20.0f;
    return QString::asprintf("-%3.1fdB", static_cast<double>(db));
}

QString HalfDbText(int pos)
{
    return QString::asprintf("%+1.1fdB", pos * 0.5);
}

} // namespace editors

void TfmMain::GainFaderChange(vcl::TObject* Sender, bool backup)
{
    if (SuppressSend)
        return;
    auto* fader = dynamic_cast<TAdvTrackBar*>(Sender);
    if (!fader)
        return;
    const int ch = static_cast<int>(fader->Tag());
    auto* edit = Find<TCurvyEdit>(this, QStringLiteral("cvdGain"), ch);
    auto* editBackup = Find<TCurvyEdit>(this, QStringLiteral("cvdGainBackup"), ch);
    auto* twin = Find<TAdvTrackBar>(this, backup ? QStringLiteral("isGain") : QStringLiteral("isGainBackup"), ch);
    if (!edit || !editBackup || !twin)
        return;
    const int pos = fader->Position();
    twin->SetPosition(pos);
    const QString text = GainText(pos);
    edit->SetText(text);
    editBackup->SetText(text);
    if (UnitControl)
        UnitControl->SetGain(ch, static_cast<std::uint16_t>(pos - fader->Min()));
    ShowGroupGain(ch, pos);
}

void TfmMain::isGainInAChange(vcl::TObject* Sender) { GainFaderChange(Sender, false); }
void TfmMain::isGainBackupInAChange(vcl::TObject* Sender) { GainFaderChange(Sender, true); }

void TfmMain::MuteClick(vcl::TObject* Sender, bool backup)
{
    auto* button = dynamic_cast<rz::TRzBmpButton*>(Sender);
    if (!button)
        return;
    const int ch = static_cast<int>(button->Tag());
    auto* twin = Find<rz::TRzBmpButton>(this, backup ? QStringLiteral("rzbMute") : QStringLiteral("rzbMuteBackup"), ch);
    if (!twin)
        return;
    const bool down = button->Down();
    twin->SetDown(down);
    if (UnitControl)
        UnitControl->SetMute(ch, down ? 1 : 0);
    ShowGroupMute(ch, down);
}

void TfmMain::rzbMuteInAClick(vcl::TObject* Sender) { MuteClick(Sender, false); }
void TfmMain::rzbMuteBackupInAClick(vcl::TObject* Sender) { MuteClick(Sender, true); }

void TfmMain::PhaseClick(vcl::TObject* Sender, bool backup)
{
    auto* button = dynamic_cast<rz::TRzBmpButton*>(Sender);
    if (!button)
        return;
    const int ch = static_cast<int>(button->Tag());
    auto* twin = Find<rz::TRzBmpButton>(this, backup ? QStringLiteral("rzbPhase") : QStringLiteral("rzbPhaseBackup"), ch);
    if (!twin)
        return;
    const bool down = button->Down();
    twin->SetDown(down);
    const QString caption = GetSidText(down ? QStringLiteral("SID_PHASE_ON") : QStringLiteral("SID_PHASE_OFF"));
    button->SetCaption(caption);
    twin->SetCaption(caption);
    if (UnitControl)
        UnitControl->SetPolarity(ch, down ? 1 : 0);
    ShowGroupPolarity(ch, down);
}

void TfmMain::rzbPhaseInAClick(vcl::TObject* Sender) { PhaseClick(Sender, false); }
void TfmMain::rzbPhaseBackupInAClick(vcl::TObject* Sender) { PhaseClick(Sender, true); }
