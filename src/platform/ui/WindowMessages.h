#pragma once
// Window handles and message delivery between threads: post, send, and a send a stopping worker can abandon
// (carried by the cross-thread calls of the OS layer).

#include "platform/os/CrossThreadCall.h"
#include "platform/ui/Messages.h"

namespace vcl {

class TWinControl;

// Handle table: a handle names a live window or nothing. Allocate and release on the UI thread.
HWND AllocateWindowHandle(TWinControl* control);
void ReleaseWindowHandle(HWND handle);
TWinControl* FindControl(HWND handle); // UI thread only; nullptr for a destroyed window
bool IsWindow(HWND handle);           // any thread

// Queues the message for the UI thread; false when the window does not exist. From any thread.
// A message whose window is destroyed before it is handled is dropped.
bool PostMessage(HWND handle, UINT msg, WPARAM wParam, LPARAM lParam);

// Delivers the message and returns its result. On the UI thread the window handles it at once;
// from another thread the caller blocks until the UI thread has handled it. 0 for a missing window.
LRESULT SendMessage(HWND handle, UINT msg, WPARAM wParam, LPARAM lParam);

// As above, but from a worker thread the wait also ends when `cancel` is signalled: a message not
// yet taken up by the UI thread is then withdrawn and never handled (so data it points to may go
// away), and 0 is returned. A handler already running is waited for. `handled` (optional) tells
// whether the window handled the message.
LRESULT SendMessage(HWND handle, UINT msg, WPARAM wParam, LPARAM lParam, const TCancelSignal& cancel,
                    bool* handled = nullptr);

} // namespace vcl
