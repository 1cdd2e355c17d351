#pragma once
// Grabs and drags the band and cut-off markers on the channel response plots.

#include "ui/editors/BlockEditor.h"

namespace vcl {
class TObject;
}

namespace editors {

class ResponsePlotMouse : public BlockEditor
{
public:
    ResponsePlotMouse(EditorContext& context, EditorControls& controls) : BlockEditor(context, controls) {}

    void MouseDown(vcl::TObject* Sender, bool leftButton, int x, int y);
    void MouseMove(vcl::TObject* Sender, int x, int y);
    void MouseUp(vcl::TObject* Sender);
    // Shows the band dragged last in its panel and on its plot.
    void ApplyPendingBand();

    // The marker slot being dragged (a band, or HighPassSlot / LowPassSlot); -1 when none.
    bool Dragging() const { return m_dragSlot != -1; }
    int DragSlot() const { return m_dragSlot; }
    void SetDragSlot(int slot) { m_dragSlot = slot; }

private:
    void DragBand(int ch, double f, double gain);
    void DragCut(int ch, double f);

    // The band drag waiting for the next tick.
    struct PendingBand
    {
        int Channel { 0 };
        int Band { 0 };
        float Freq { 0 };
        double Gain { 0 };
        float Q { 0 };
        int Type { 0 };
        bool Bypass { false };
    };

    int m_dragSlot { -1 };
    int m_lastX { 0 };
    int m_lastY { 0 };
    PendingBand m_pending;
};

} // namespace editors
