#pragma once
// What the refresh of the main window from the model writes into the dialogs that mirror it: the
// link selection and the test signal. A dialog that does not exist yet (during the window's creation)
// is skipped.

namespace RefreshDialogs {

// The link dialog's buttons of column ch from the mask.
void ShowChannelLinks(int ch, int mask);
// The link dialog's leaders and followers to the main window's toggles and page captions.
void ApplyLinks();
// The test-signal dialog's source (0 analog, 1 pink, 2 white, 3 sine with its frequency index).
void ShowWorkMode(int mode, int sineIndex);

} // namespace RefreshDialogs
