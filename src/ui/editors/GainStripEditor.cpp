// Gain, mute and polarity strip of every channel, on its own page and on the Gain page.

#include "ui/editors/GainStripEditor.h"

#include "platform/core/SoftAssert.h"
#include "ui/editors/EditorText.h"

#include "device/LUnitControl.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"

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

void GainStripEditor::FaderChange(vcl::TObject* Sender, bool backup)
{
    if (m_ctx.SuppressSend)
        return;
    auto* fader = dynamic_cast<TAdvTrackBar*>(Sender);
    const int ch = ChannelOf(fader);
    if (!ZQ9_EXPECT(IsChannel(ch)))
        return;
    const ChannelControls& c = Of(ch);
    const int pos = fader->Position();
    {
        // The twin only shows the value: its own change handler must not send the edit again.
        SuppressGuard guard(m_ctx.SuppressSend);
        (backup ? c.Gain : c.GainBackup)->SetPosition(pos);
    }
    const QString text = GainText(pos);
    c.GainEdit->SetText(text);
    c.GainBackupEdit->SetText(text);
    if (Model())
        Model()->SetGain(ch, static_cast<std::uint16_t>(pos - fader->Min()));
    ShowGroupGain(ch, pos);
}

void GainStripEditor::MuteClick(vcl::TObject* Sender, bool backup)
{
    auto* button = dynamic_cast<rz::TRzBmpButton*>(Sender);
    const int ch = button ? static_cast<int>(button->Tag()) : -1;
    if (!ZQ9_EXPECT(IsChannel(ch)))
        return;
    const bool down = button->Down();
    (backup ? Of(ch).Mute : Of(ch).MuteBackup)->SetDown(down);
    if (Model())
        Model()->SetMute(ch, down ? 1 : 0);
    ShowGroupMute(ch, down);
}

void GainStripEditor::PhaseClick(vcl::TObject* Sender, bool backup)
{
    auto* button = dynamic_cast<rz::TRzBmpButton*>(Sender);
    const int ch = button ? static_cast<int>(button->Tag()) : -1;
    if (!ZQ9_EXPECT(IsChannel(ch)))
        return;
    rz::TRzBmpButton* twin = backup ? Of(ch).Phase : Of(ch).PhaseBackup;
    const bool down = button->Down();
    twin->SetDown(down);
    const QString caption = PhaseCaption(down);
    button->SetCaption(caption);
    twin->SetCaption(caption);
    if (Model())
        Model()->SetPolarity(ch, down ? 1 : 0);
    ShowGroupPolarity(ch, down);
}

QString GainStripEditor::PhaseCaption(bool on) const
{
    return m_ctx.Window.Text(on ? QStringLiteral("SID_PHASE_ON") : QStringLiteral("SID_PHASE_OFF"));
}

void GainStripEditor::ShowGroupGain(int ch, int pos)
{
    SuppressGuard guard(m_ctx.SuppressSend);
    const QString text = GainText(pos);
    ForEachGroupMember(Model(), ch, [&](int m) {
        const ChannelControls& c = Of(m);
        c.GainEdit->SetText(text);
        c.GainBackupEdit->SetText(text);
        c.Gain->SetPosition(pos);
        c.GainBackup->SetPosition(pos);
    });
}

void GainStripEditor::ShowGroupMute(int ch, bool on)
{
    ForEachGroupMember(Model(), ch, [&](int m) {
        Of(m).Mute->SetDown(on);
        Of(m).MuteBackup->SetDown(on);
    });
}

void GainStripEditor::ShowGroupPolarity(int ch, bool on)
{
    const QString caption = PhaseCaption(on);
    ForEachGroupMember(Model(), ch, [&](int m) {
        const ChannelControls& c = Of(m);
        c.Phase->SetDown(on);
        c.PhaseBackup->SetDown(on);
        c.Phase->SetCaption(caption);
        c.PhaseBackup->SetCaption(caption);
    });
}

} // namespace editors
