#pragma once
// Edits the PEQ bands of every channel: the band editor, the band buttons, the band parameter panel
// with its deferred apply, the band view and reset buttons and the EQ bypass.

#include "ui/editors/BlockEditor.h"

class Plot;

namespace vcl {
class TObject;
}

namespace editors {

// Sets band b's section of a curve set from the band's values; a bypassed band is flat.
void SetBandSection(Plot& curves, int b, bool bypass, double g, double f, double q, int t);

class PeqEditor : public BlockEditor
{
public:
    PeqEditor(EditorContext& context, EditorControls& controls) : BlockEditor(context, controls) {}

    // The band editor changed its current band: curve, marker, model and the band panel follow.
    void BandChange(vcl::TObject* Sender);
    void BandEditMouseDown(vcl::TObject* Sender);
    void BandButtonClick(vcl::TObject* Sender);
    // A band panel fader moved: its box shows the value; the band takes it on the next tick.
    void FieldChange(vcl::TObject* Sender, EqField field);
    // Applies the last panel fader move to the current band.
    void ApplyPendingField();
    // The frequency box's arrow and plus/minus keys step the band panel's faders.
    void FreqEditKeyDown(vcl::TObject* Sender, int key);
    void ShowAllClick(vcl::TObject* Sender);
    void ResetClick(vcl::TObject* Sender);
    void BypassClick(vcl::TObject* Sender);

    void ShowBandParams(int ch, bool enabled, double freqHz, double gainDb, double q);
    void FocusFreqEdit(int ch);
    void DeselectBands();
    void SelectFirstBands();
    // Rebuilds channel ch's PEQ, high-pass and low-pass curves from its band editor and the model.
    void BuildChannelCurves(int ch);
    void ResetChannel(int ch);

    // The panel fader move waiting for the next tick, as the tests and the timer see it.
    struct PendingField
    {
        EqField Field { EqField::Freq };
        int Channel { 0 };
        float Freq { 0 };
        float Q { 0 };
        double Gain { 0 };
    };
    PendingField& Pending() { return m_pending; }

private:
    // Marker, shading and total of band b, as a selection shows them.
    void ShowSelectedBand(int ch, int b, double g, double q, int t);

    PendingField m_pending;
};

} // namespace editors
