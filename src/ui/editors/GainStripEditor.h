#pragma once
// Edits gain, mute and polarity of every channel, on its own page and on the Gain page.

#include "ui/editors/BlockEditor.h"

namespace vcl {
class TObject;
}

namespace editors {

class GainStripEditor : public BlockEditor
{
public:
    GainStripEditor(EditorContext& context, EditorControls& controls) : BlockEditor(context, controls) {}

    // A gain fader moved (backup: the Gain page's): its twin and both boxes follow, the model stores.
    void FaderChange(vcl::TObject* Sender, bool backup);
    void MuteClick(vcl::TObject* Sender, bool backup);
    void PhaseClick(vcl::TObject* Sender, bool backup);

    // One edit shown on every member of ch's link group, sending nothing.
    void ShowGroupGain(int ch, int pos);
    void ShowGroupMute(int ch, bool on);
    void ShowGroupPolarity(int ch, bool on);

private:
    QString PhaseCaption(bool on) const;
};

} // namespace editors
