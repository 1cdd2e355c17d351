#pragma once
// Runs calls posted from any thread on the thread that created the queue, in order, from its event loop.

#include "platform/os/TEvent.h"

#include <deque>
#include <functional>
#include <memory>
#include <mutex>

class QSocketNotifier;

namespace vcl {

class TThreadCallQueue
{
public:
    // Create on the thread whose Qt event loop is to run the calls.
    TThreadCallQueue();
    ~TThreadCallQueue();
    TThreadCallQueue(const TThreadCallQueue&) = delete;
    TThreadCallQueue& operator=(const TThreadCallQueue&) = delete;

    // From any thread; never blocks on the owning thread. Calls still queued when the queue goes are dropped.
    void Post(std::function<void()> call);
    // Runs what is queued now (the owning thread only); the event loop does this by itself.
    void Drain();

private:
    std::mutex M;
    std::deque<std::function<void()>> Calls;
    TEvent Wake;
    std::unique_ptr<QSocketNotifier> Notifier;
};

} // namespace vcl
