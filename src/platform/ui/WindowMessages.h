#pragma once
// Window handles and message delivery between threads: post, send, and a send a stopping worker can abandon.

#include "platform/ui/Messages.h"

#include <memory>

namespace vcl {

class TWinControl;

namespace detail {
struct SendSync;
}

// A sticky "stop waiting" flag a worker hands to SendMessage; Cancel is safe from any thread and
// wakes every send that waits on it. A transport cancels it before it joins its worker.
class TCancelSignal
{
public:
    TCancelSignal();
    ~TCancelSignal();
    TCancelSignal(const TCancelSignal&) = delete;
    TCancelSignal& operator=(const TCancelSignal&) = delete;

    void Cancel();
    void Reset();
    bool IsCancelled() const;

private:
    friend LRESULT SendMessage(HWND, UINT, WPARAM, LPARAM, const TCancelSignal&, bool*);
    std::shared_ptr<detail::SendSync> m_sync;
};

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

// True on the thread that runs the application's event loop.
bool IsUiThread();

} // namespace vcl
