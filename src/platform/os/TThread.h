#pragma once
// A worker thread on std::thread: started with a body, waited for with a time-out, always joined.

#include <functional>
#include <memory>
#include <thread>

namespace vcl {

class TThread
{
public:
    TThread() = default;
    // Joins a thread that is still running: tell the body to stop before this runs.
    ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    // Starts the body on a new thread; false when it was already started or no thread could be made.
    bool Start(std::function<void()> body);
    // Waits at most timeoutMs for the body to return; true (and joined) when it has, or was never started.
    bool WaitFor(unsigned timeoutMs);
    // Started, and the body has not returned yet.
    bool Running() const;
    // Hands a thread that did not stop in time to a keeper that joins it when it ends or at exit,
    // so this object can go. The body must own everything it still touches.
    void Abandon();

private:
    struct State;
    std::shared_ptr<State> St;
    std::thread Thread;
};

} // namespace vcl
