#pragma once
// The one service that draws what lies behind a control: its parent's background and own painting
// (not the parent's other children) under the control's bounds, without invalidating the parent.

#include "platform/ui/TCanvas.h"

namespace vcl {

class TControl;

// Paints the parent's image under `Control` into `Canvas`, whose (0, 0) is the control's top-left
// corner; only the part inside the parent's client area is drawn. Nothing without a parent.
void CopyParentImage(TControl* Control, TCanvas& Canvas);

// Held by a window for one paint pass of its controls, in which no parent changes: every child of a
// parent then takes what lies behind it from one image of the parent, drawn for the first child.
class ParentImagePass
{
public:
    ParentImagePass();
    ~ParentImagePass();
    ParentImagePass(const ParentImagePass&) = delete;
    ParentImagePass& operator=(const ParentImagePass&) = delete;
};

} // namespace vcl
