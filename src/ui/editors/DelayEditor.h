#pragma once
// Edits the delay of every channel: fader, typed entry, the marker on its dash line, the display unit.

#include "ui/editors/BlockEditor.h"

namespace vcl {
class TObject;
}

namespace editors {

class DelayEditor : public BlockEditor
{
public:
    DelayEditor(EditorContext& context, EditorControls& controls) : BlockEditor(context, controls) {}

    void FaderChange(vcl::TObject* Sender);
    // A typed delay in the current unit onto the fader; the box then shows the fader's value.
    void Entry(vcl::TObject* Sender);
    // A unit button: every channel's delay is shown in that unit, and the model keeps it.
    void UnitClick(vcl::TObject* Sender);
    void LineMouseDown(vcl::TObject* Sender, int x, int y);
    void LineMouseMove(vcl::TObject* Sender, int x, int y);
    void LineMouseUp();
    void PlaceLine(int ch);
    void ShowGroupDelay(int ch, int samples, int markerLeft);

    // 1 while the marker is being dragged, else 0.
    int DragState() const { return m_drag; }

private:
    int Unit() const;

    int m_drag { 0 };
};

} // namespace editors
