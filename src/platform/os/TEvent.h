#pragma once
// A waitable event on an eventfd: set by any thread, cleared by the wait that reports it (auto-reset)
// or only by ResetEvent (manual reset).

namespace vcl {

class TEvent
{
public:
    explicit TEvent(bool manualReset = false, bool initialState = false);
    ~TEvent();
    TEvent(const TEvent&) = delete;
    TEvent& operator=(const TEvent&) = delete;

    // False when the descriptor could not be created; such an event never fires.
    bool Valid() const { return Fd >= 0; }
    bool ManualReset() const { return Manual; }
    // The descriptor is readable while the event is set.
    int Handle() const { return Fd; }

    void SetEvent();
    void ResetEvent();
    // True when the event was set; an auto-reset event is cleared by this, and only one caller wins.
    bool TryConsume();
    // Waits at most timeoutMs (INFINITE waits for ever); true when the event fired.
    bool WaitFor(unsigned timeoutMs);
    // Tests without clearing.
    bool IsSet() const;

    static constexpr unsigned INFINITE = 0xFFFFFFFFu;

private:
    int Fd { -1 };
    bool Manual { false };
};

} // namespace vcl
