#pragma once
// The main window's block editors, one per processing block, over the controls the layout handed over.

#include "ui/editors/CompEditor.h"
#include "ui/editors/CrossoverEditor.h"
#include "ui/editors/DelayEditor.h"
#include "ui/editors/EditorControls.h"
#include "ui/editors/GainStripEditor.h"
#include "ui/editors/GateEditor.h"
#include "ui/editors/LevelMeters.h"
#include "ui/editors/LinkEditor.h"
#include "ui/editors/ModelRefresh.h"
#include "ui/editors/OverlayEditor.h"
#include "ui/editors/PeqEditor.h"
#include "ui/editors/ResponsePlotMouse.h"

#include <unordered_set>

namespace vcl {
class TComponent;
}

namespace editors {

class EditorSet
{
public:
    EditorSet(TfmMain& window, const EditorControls& controls);
    EditorSet(const EditorSet&) = delete;
    EditorSet& operator=(const EditorSet&) = delete;

    // Binds every editing control's events to the window's handlers.
    void BindHandlers();

    // A component of the window is being freed; when it is one of the editors' controls, the editors
    // are no longer whole.
    void Forget(const vcl::TComponent* component);
    bool Intact() const { return m_intact; }

    const EditorControls& Controls() const { return m_controls; }
    GainStripEditor& GainStrip() { return m_gainStrip; }
    PeqEditor& Peq() { return m_peq; }
    CrossoverEditor& Crossover() { return m_crossover; }
    DelayEditor& Delay() { return m_delay; }
    CompEditor& Comp() { return m_comp; }
    GateEditor& Gate() { return m_gate; }
    LinkEditor& Links() { return m_links; }
    OverlayEditor& Overlays() { return m_overlays; }
    ResponsePlotMouse& PlotMouse() { return m_plotMouse; }
    LevelMeters& Meters() { return m_meters; }
    ModelRefresh& Refresh() { return m_refresh; }

private:
    void Remember(const ChannelControls& c);
    void BindChannel(int ch);
    void BindGate(int ch);
    void BindComp(int ch);

    TfmMain& m_window;
    EditorControls m_controls;
    std::unordered_set<const vcl::TComponent*> m_handedOver;
    bool m_intact { true };
    GainStripEditor m_gainStrip { m_window, m_controls };
    PeqEditor m_peq { m_window, m_controls };
    CrossoverEditor m_crossover { m_window, m_controls };
    DelayEditor m_delay { m_window, m_controls };
    CompEditor m_comp { m_window, m_controls };
    GateEditor m_gate { m_window, m_controls };
    LinkEditor m_links { m_window, m_controls };
    OverlayEditor m_overlays { m_window, m_controls };
    ResponsePlotMouse m_plotMouse { m_window, m_controls };
    LevelMeters m_meters { m_window, m_controls };
    ModelRefresh m_refresh { m_window, m_controls };
};

} // namespace editors
