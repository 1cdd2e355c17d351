#pragma once
// Edits the compressor/limiter of the outputs and draws the selected output's transfer curve.

#include "ui/editors/BlockEditor.h"

namespace vcl {
class TObject;
}

namespace editors {

class CompEditor : public BlockEditor
{
public:
    CompEditor(EditorContext& context, EditorControls& controls) : BlockEditor(context, controls) {}

    void FaderChange(vcl::TObject* Sender, CompField field);
    // A ratio or knee up-down now at position v.
    void UpDownChange(vcl::TObject* Sender, CompField field, int v);
    void Entry(vcl::TObject* Sender, CompField field);
    // Stores one field of output ch; a threshold also moves its fader, quietly.
    void SetParam(int ch, CompField field, int value);
    // Draws output ch's curve and makes it the selected output.
    void DrawCurve(int ch);
    // Draws the curve of the output whose fader or up-down moved last.
    void DrawPendingCurve() { DrawCurve(m_dispChannel); }
    void ShowGroupComp(int ch, CompField field, int value);

    // The output the Comp page shows and whose meters its level panel follows.
    int Selected() const { return m_selected; }
    void Select(int ch) { m_selected = ch; }

private:
    void TouchChannel(int ch, CompField field, int value);

    int m_selected { FirstOutput };
    int m_dispChannel { FirstOutput };
};

} // namespace editors
