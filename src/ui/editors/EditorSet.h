#pragma once
// The main window's block editors, one per processing block, over the controls the layout handed over.

#include "ui/editors/CompEditor.h"
#include "ui/editors/CrossoverEditor.h"
#include "ui/editors/EditorContext.h"
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

class LUnitControl;

namespace vcl {
class TComponent;
}

namespace editors {

class EditorSet
{
public:
    EditorSet(const EditorContext& context, const EditorControls& controls);
    EditorSet(const EditorSet&) = delete;
    EditorSet& operator=(const EditorSet&) = delete;

    // Binds every editing control's events, and the timers of the deferred redraws, to the editors.
    void BindHandlers();
    // The model the editors edit, once the window made it.
    void SetModel(LUnitControl* model) { m_ctx.Model = model; }

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
    void BindPeq(const ChannelControls& c, int ch);
    void BindDelay(const ChannelControls& c);
    void BindGate(int ch);
    void BindComp(int ch);
    void BindTimers();
    // The handler wrapped so that it does nothing once a control the editors were handed is gone.
    template <class F>
    auto WhileIntact(F handler);

    EditorContext m_ctx;
    EditorControls m_controls;
    std::unordered_set<const vcl::TComponent*> m_handedOver;
    bool m_intact { true };
    GainStripEditor m_gainStrip { m_ctx, m_controls };
    PeqEditor m_peq { m_ctx, m_controls };
    CrossoverEditor m_crossover { m_ctx, m_controls };
    DelayEditor m_delay { m_ctx, m_controls };
    CompEditor m_comp { m_ctx, m_controls };
    GateEditor m_gate { m_ctx, m_controls };
    LinkEditor m_links { m_ctx, m_controls };
    OverlayEditor m_overlays { m_ctx, m_controls };
    ResponsePlotMouse m_plotMouse { m_ctx, m_controls };
    LevelMeters m_meters { m_ctx, m_controls };
    ModelRefresh m_refresh { m_ctx, m_controls };
};

} // namespace editors
