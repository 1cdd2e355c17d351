#pragma once
// What every block editor of the main window starts from: its context (model, curve sets, sender,
// suppress flag) and the controls the layout handed over.

#include "ui/editors/EditorContext.h"
#include "ui/editors/EditorControls.h"
#include "platform/core/TComponent.h"

#include <QString>

class LUnitControl;

namespace editors {

class EditorSet;

class BlockEditor
{
public:
    BlockEditor(const BlockEditor&) = delete;
    BlockEditor& operator=(const BlockEditor&) = delete;

protected:
    BlockEditor(EditorContext& context, EditorControls& controls) : m_ctx(context), m_controls(controls) {}
    ~BlockEditor() = default;

    ChannelControls& Of(int ch) const { return m_controls.Of(ch); }
    // The other editors of the window.
    EditorSet& Editors() const { return *m_ctx.Set; }
    LUnitControl* Model() const { return m_ctx.Model; }

    EditorContext& m_ctx;
    EditorControls& m_controls;
};

// The channel a control stands for (its Tag); -1 for a sender that is no control.
inline int ChannelOf(vcl::TObject* Sender)
{
    auto* c = dynamic_cast<vcl::TComponent*>(Sender);
    return c ? static_cast<int>(c->Tag()) : -1;
}

// The side mask of ch's link group in the model; 0 without a model or for no channel.
int GroupMaskOf(const LUnitControl* model, int ch);

// Calls each(m) for every member m of ch's link group, in ascending channel order.
template <class F>
void ForEachGroupMember(const LUnitControl* model, int ch, F&& each)
{
    const int mask = GroupMaskOf(model, ch);
    for (int b = 0; b < SideCount(ch); ++b)
        if (mask & (1 << b))
            each(SideFirst(ch) + b);
}

} // namespace editors
