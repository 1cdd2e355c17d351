#pragma once
// Waiting on several events and descriptors at once, with a time-out and a fixed order of precedence.

#include <span>

namespace vcl {

class TEvent;

// One thing to wait for: an event (cleared when reported, if auto-reset) or a readable descriptor.
class TWaitItem
{
public:
    explicit TWaitItem(TEvent& event) : Event(&event) {}
    static TWaitItem Readable(int fd) { return TWaitItem(fd); }

    TEvent* GetEvent() const { return Event; }
    int GetFd() const { return Fd; }

private:
    explicit TWaitItem(int fd) : Fd(fd) {}
    TEvent* Event { nullptr };
    int Fd { -1 };
};

inline constexpr int WAIT_TIMEOUT = -1;
inline constexpr int WAIT_FAILED = -2;

// Waits at most timeoutMs (TEvent::INFINITE for ever) until one item fires and returns its index; when
// several are ready the lowest index wins and only that one is consumed. A descriptor also fires on
// hang-up or error; its poll flags go to *fdEvents when given. Returns WAIT_TIMEOUT or WAIT_FAILED.
int WaitForAny(std::span<const TWaitItem> items, unsigned timeoutMs, short* fdEvents = nullptr);

} // namespace vcl
