#pragma once
// Pieces of the main window's layout built apart from the page builder: the overlay toggles, the
// magnitude/phase switches of the channel plots and the look every fader of the window shares.

#include "platform/core/TComponent.h"

#include <QString>
#include <QtGlobal>

class MainShellControls;
class TAdvTrackBar;
class TfmMain;

namespace vcl {
class TWinControl;
}
namespace editors {
struct EditorControls;
}

namespace layout {

// The window's control `name` as a T, looked up once its layout is built. A layout that lacks it, or
// made it of another kind, is a fault of the program: it stops, naming the control.
template <class T>
T* RequireControl(const vcl::TComponent& form, const QString& name)
{
    auto* control = dynamic_cast<T*>(form.FindComponent(name));
    if (!control)
        qFatal("main window layout: no control %s of the kind the window needs", qPrintable(name));
    return control;
}

// The group "rzgFftShowCh" + suffix on a channel plot's box (plot 0..7), or "rzgFftShowChIn" /
// "rzgFftShowChOut" on the Gain page (plot 8, 9), holding a power button per channel that plot can
// overlay, captioned with the channel and tagged with it. Only InA and Out1 on the Gain page start on.
void AddOverlayToggles(TfmMain& form, vcl::TWinControl* box, int plot, int left, int top);

// "rbShowGain" + suffix ("Mag", checked, yellow) and "rbShowPhase" + suffix ("Phase", silver) in a
// panel of their own, so checking one unchecks only its twin.
void AddViewSwitch(TfmMain& form, vcl::TWinControl* box, int ch, int left, int top);

// The settings every fader of the window shares: vertical, focus frame, no hint, no ticks, no
// buttons, no label, plain slider and pointer thumb with no background of its own.
void ApplyMainFaderLook(TAdvTrackBar& fader);

// The controls every block editor works on, each looked up once by its name; a missing one is fatal.
editors::EditorControls CollectEditorControls(const TfmMain& form);

// The controls the window's captions, page switch, menus and resizing work on, each looked up once by
// its name; a missing one is fatal.
void CollectShellControls(const TfmMain& form, MainShellControls& shell);

} // namespace layout
