#pragma once
// The published properties every control of the control libraries takes from the platform control:
// bounds, alignment, hint, cursor, tag and the own Visible and Enabled flags.

#include "platform/core/PublishedProperties.h"
#include "platform/ui/TControl.h"

#include <functional>

namespace vcl { class TComponent; class TFiler; class TStrings; }

namespace widgets {

// The table a control library's own table names as its parent.
const vcl::TPropertyTable* ControlPublishedProperties();

// The element names the tables share: the frame styles, the sides of a frame, the alignments.
#define ZQ9_FRAME_STYLES                                                                                        \
    { "fsNone", "fsFlat", "fsGroove", "fsBump", "fsLowered", "fsButtonDown", "fsRaised", "fsButtonUp", "fsStatus", \
      "fsPopup", "fsFlatBold", "fsFlatRounded" }
#define ZQ9_SIDES { "sdLeft", "sdTop", "sdRight", "sdBottom" }
#define ZQ9_FRAME_CONTROLLER_PROPERTIES                                                                      \
    { "fcpColor", "fcpFocusColor", "fcpDisabledColor", "fcpReadOnlyColor", "fcpReadOnlyColorOnFocus",           \
      "fcpParentColor", "fcpFlatButtonColor", "fcpFlatButtons", "fcpFrameColor", "fcpFrameHotColor",            \
      "fcpFrameHotTrack", "fcpFrameHotStyle", "fcpFrameSides", "fcpFrameStyle", "fcpFrameVisible",              \
      "fcpFramingPreference", "fcpAll" }

// A string list as a defined property: a list of strings, written only when it holds any; reading
// replaces what the list held.
void DefineStrings(vcl::TFiler& Filer, const QString& Name, vcl::TStrings& Strings);
// A reference to another component as a defined property: the component's name, written when there
// is a named one. Reading "nil" clears the reference; any other name is looked up once the whole form
// has been read (the component may come later), among the components of Self's owner and then of
// Self, and Set gets what is found (nullptr when nothing of that name is there).
void DefineReference(vcl::TFiler& Filer, const QString& Name, vcl::TComponent& Self, vcl::TComponent* Current,
                     std::function<void(vcl::TComponent*)> Set);
// Reads and drops the value of a property older forms carried.
void DefineObsolete(vcl::TFiler& Filer, const QString& Name);

} // namespace widgets
