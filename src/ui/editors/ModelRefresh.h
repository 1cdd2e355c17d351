#pragma once
// Writes every control of the main window from the model in one pass, sending nothing.

#include "ui/editors/BlockEditor.h"

class LUnitControl;

namespace editors {

class ModelRefresh : public BlockEditor
{
public:
    ModelRefresh(EditorContext& context, EditorControls& controls) : BlockEditor(context, controls) {}

    void RefreshAll();

private:
    void RefreshInput(const LUnitControl& model, int ch);
    void RefreshOutput(const LUnitControl& model, int ch);
    // Gain, polarity, delay, links, mute and the EQ-bypass text, shared by inputs and outputs.
    void RefreshCommon(const LUnitControl& model, int ch);
    void RefreshPageWide(const LUnitControl& model);
};

} // namespace editors
