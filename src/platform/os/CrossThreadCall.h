#pragma once
// Calls run on the thread of the application's event loop: queued, or waited for with a wait a
// stopping worker can abandon.

#include <functional>
#include <memory>

namespace vcl {

namespace detail {
struct CallSync;
}

// A sticky "stop waiting" flag a worker hands to CallOnUiThread; Cancel is safe from any thread and
// wakes every call that waits on it. A transport cancels it before it joins its worker.
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
    friend bool CallOnUiThread(std::function<void()> call, const TCancelSignal& cancel);
    std::shared_ptr<detail::CallSync> m_sync;
};

// True on the thread that runs the application's event loop.
bool IsUiThread();

// Queues `call` for the event loop's thread; from any thread. False when there is no application.
// A call still queued when the loop is torn down never runs.
bool PostToUiThread(std::function<void()> call);

// Runs `call` on the event loop's thread and returns once it has run; on that thread it runs at once.
// From another thread the wait also ends when `cancel` is signalled: a call not yet taken up is then
// withdrawn and never runs (so data it points to may go away); a call already running is waited for.
// True when the call ran. `call` must not throw.
bool CallOnUiThread(std::function<void()> call, const TCancelSignal& cancel);

} // namespace vcl
