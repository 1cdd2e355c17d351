#pragma once
// The main-window operations the dialogs call, in one place: each forwards to the main window's own
// operation where it exists and otherwise does the model-level part itself, so a dialog never needs
// to know which of the main window's parts are built.

#include "device/CM_MCS.h"

#include <cstdint>

namespace MainDialogActions {

// Shows the name on the main window, stores it in the model and sends it (unless suppressed).
void SetChannelName(int ch, const ChannelNameBytes& name);
ChannelNameBytes GetChannelName(int ch);
// Copies a's settings into b (nothing when a == b): online the device copies and everything is
// read again; offline the model copies and the window is refreshed.
void CopyChannel(int a, int b, bool reread);
int LinkMaskOf(int ch);
void SetLinkMask(int ch, int mask);
void SetMenuCaption(int master, int ch);
void ShowOverlayButtons(int ch, bool shown);
void RereadAfterLink();
// Performs a click on the Gain page button and leaves it down.
void ShowGainPage();
// Every PEQ band of ch back to its default.
void ResetChannelPeq(int ch);
// The quit dialog's answer; true also asks the main window to close.
void ConfirmExit(bool confirmed);
bool ExitConfirmed();

} // namespace MainDialogActions
