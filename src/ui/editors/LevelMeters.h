#pragma once
// Shows the device's level reply on every level meter and limiter lamp of the window.

#include "ui/editors/BlockEditor.h"

#include "device/BytePacket.h"

namespace editors {

class LevelMeters : public BlockEditor
{
public:
    LevelMeters(EditorContext& context, EditorControls& controls) : BlockEditor(context, controls) {}

    // A reply shorter than a level reply moves no meter.
    void Show(const BytePacket& payload);
    void Clear();
};

} // namespace editors
