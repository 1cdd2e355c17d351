#pragma once
// Edits the noise gate of the inputs and draws the selected input's transfer curve.

#include "ui/editors/BlockEditor.h"

namespace vcl {
class TObject;
}

namespace editors {

class GateEditor : public BlockEditor
{
public:
    GateEditor(EditorContext& context, EditorControls& controls) : BlockEditor(context, controls) {}

    void FaderChange(vcl::TObject* Sender, GateField field);
    void Entry(vcl::TObject* Sender, GateField field);
    void SetParam(int ch, GateField field, int value);
    // Draws input ch's curve, names it above the plot and heads its level panel; ch becomes selected.
    void DrawCurve(int ch);
    // Draws input ch's curve and names it above the plot, leaving the selection as it is.
    void DrawCurveOnly(int ch);
    void ShowGroupGate(int ch, GateField field, int value);

    // The input whose meter the Gate page's level panel follows.
    int Selected() const { return m_selected; }
    void Select(int ch) { m_selected = ch; }

private:
    void Head(int ch);

    int m_selected { 0 };
};

} // namespace editors
