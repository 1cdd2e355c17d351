#pragma once
// Keeps the response plots' overlays of the other channels' totals and their magnitude or phase view.

#include "ui/editors/BlockEditor.h"

namespace vcl {
class TObject;
}

namespace editors {

class OverlayEditor : public BlockEditor
{
public:
    OverlayEditor(EditorContext& context, EditorControls& controls) : BlockEditor(context, controls) {}

    // Copies every channel's total onto its Gain-page plot and redraws the stale copies shown there.
    void RefreshGainPageCurves();
    // Brings the stale overlays of channel plot `page` up to date.
    void RefreshChannelOverlays(int page);
    // An overlay toggle on plot `plot` (its Tag the channel it shows) was clicked.
    void ToggleClick(vcl::TObject* Sender, int plot);
    // Shows or hides the toggles that overlay ch elsewhere; hiding also takes its copies away.
    void ShowButtons(int ch, bool show);
    // A view switch of a channel plot: the phase view, or back to the magnitude.
    void SwitchView(vcl::TObject* Sender, bool phase);

private:
    bool CopyTotal(int from, int to, int section) const;
    void UpdatePlot(int plot) const;
};

} // namespace editors
