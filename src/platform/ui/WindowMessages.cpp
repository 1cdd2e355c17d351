#include "platform/ui/WindowMessages.h"

#include "platform/ui/EventGuard.h"
#include "platform/ui/TWinControl.h"

#include <mutex>
#include <unordered_map>

namespace vcl {

namespace {

std::mutex g_tableMutex;
std::unordered_map<HWND, TWinControl*> g_table;
HWND g_nextHandle = 0x10000;

// Hands the message to its window if the window still exists; `handled` tells whether its handler
// ran to the end.
LRESULT Deliver(HWND handle, const TMessage& m, bool& handled)
{
    TWinControl* target = FindControl(handle);
    LRESULT result = 0;
    handled = false;
    if (target) {
        Guarded([&] {
            result = target->Perform(m.Msg, m.WParam, m.LParam);
            handled = true;
        });
    }
    return result;
}

} // namespace

HWND AllocateWindowHandle(TWinControl* control)
{
    std::lock_guard lock(g_tableMutex);
    HWND h = g_nextHandle++;
    g_table.emplace(h, control);
    return h;
}

void ReleaseWindowHandle(HWND handle)
{
    std::lock_guard lock(g_tableMutex);
    g_table.erase(handle);
}

TWinControl* FindControl(HWND handle)
{
    std::lock_guard lock(g_tableMutex);
    auto it = g_table.find(handle);
    return it == g_table.end() ? nullptr : it->second;
}

bool IsWindow(HWND handle)
{
    std::lock_guard lock(g_tableMutex);
    return g_table.count(handle) != 0;
}

bool PostMessage(HWND handle, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(handle))
        return false;
    const TMessage m { msg, wParam, lParam, 0 };
    return PostToUiThread([handle, m] {
        bool handled = false;
        Deliver(handle, m, handled);
    });
}

LRESULT SendMessage(HWND handle, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TCancelSignal never;
    return SendMessage(handle, msg, wParam, lParam, never, nullptr);
}

LRESULT SendMessage(HWND handle, UINT msg, WPARAM wParam, LPARAM lParam, const TCancelSignal& cancel,
                    bool* handled)
{
    if (handled)
        *handled = false;
    if (!IsUiThread() && !IsWindow(handle))
        return 0;
    const TMessage m { msg, wParam, lParam, 0 };
    LRESULT result = 0;
    bool done = false;
    // The call either runs while this thread waits or never runs, so it may write to these locals.
    if (!CallOnUiThread([&] { result = Deliver(handle, m, done); }, cancel))
        return 0;
    if (handled)
        *handled = done;
    return result;
}

} // namespace vcl
