#pragma once
// The published properties every control of the control libraries takes from the platform control:
// bounds, alignment, hint, cursor, tag and the own Visible and Enabled flags.

#include "platform/core/PublishedProperties.h"
#include "platform/ui/TControl.h"

namespace widgets {

// The table a control library's own table names as its parent.
const vcl::TPropertyTable* ControlPublishedProperties();

} // namespace widgets
