#pragma once
// Edits the crossover filters of every channel: the high-pass ("LowCut") and the low-pass ("HighCut").

#include "ui/editors/BlockEditor.h"

namespace vcl {
class TObject;
}

namespace editors {

// Which filter of a channel an edit is for.
enum class CutSide { LowPass, HighPass };

class CrossoverEditor : public BlockEditor
{
public:
    CrossoverEditor(EditorContext& context, EditorControls& controls) : BlockEditor(context, controls) {}

    // A cut-off fader moved: its box shows the frequency, the model stores, the curve follows.
    void FreqChange(vcl::TObject* Sender, CutSide side);
    // A slope choice or a bypass changed: the curve is redrawn at once and the model stores.
    void SlopeChange(vcl::TObject* Sender, CutSide side);
    // Redraws one filter on the next tick (slope code: 0 bypassed, else the slope choice + 1).
    void DeferRedraw(int ch, CutSide side, int slopeCode, double freqHz);
    // The redraw deferred last.
    void RedrawPending();

    // The redraw waiting for the next tick.
    struct PendingCut
    {
        CutSide Side { CutSide::LowPass };
        int Channel { 0 };
        float Freq { 0 };
        int Slope { 0 };
    };
    const PendingCut& Pending() const { return m_pending; }

private:
    void Redraw(int ch, CutSide side, int slopeCode, double freqHz);

    PendingCut m_pending;
};

// The controls of one filter of a channel.
inline const CutControls& CutOf(const ChannelControls& c, CutSide side)
{
    return side == CutSide::HighPass ? c.HighPass : c.LowPass;
}

} // namespace editors
