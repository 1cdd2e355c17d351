#include "platform/os/TEvent.h"

#include "platform/os/WaitFor.h"

#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace vcl {

TEvent::TEvent(bool manualReset, bool initialState)
    : Fd(::eventfd(initialState ? 1u : 0u, EFD_NONBLOCK | EFD_CLOEXEC))
    , Manual(manualReset)
{
}

TEvent::~TEvent()
{
    if (Fd >= 0)
        ::close(Fd);
}

void TEvent::SetEvent()
{
    if (Fd < 0)
        return;
    const std::uint64_t one = 1;
    // A full counter (never reached in practice) still leaves the event set, which is all that matters.
    while (::write(Fd, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

void TEvent::ResetEvent()
{
    if (Fd < 0)
        return;
    std::uint64_t value = 0;
    while (::read(Fd, &value, sizeof value) < 0 && errno == EINTR) {
    }
}

bool TEvent::TryConsume()
{
    if (Fd < 0)
        return false;
    if (Manual)
        return IsSet();
    std::uint64_t value = 0;
    for (;;) {
        if (::read(Fd, &value, sizeof value) == static_cast<ssize_t>(sizeof value))
            return true;
        if (errno != EINTR)
            return false; // EAGAIN: not set, or another waiter took it
    }
}

bool TEvent::IsSet() const
{
    if (Fd < 0)
        return false;
    pollfd p { Fd, POLLIN, 0 };
    return ::poll(&p, 1, 0) > 0 && (p.revents & POLLIN);
}

bool TEvent::WaitFor(unsigned timeoutMs)
{
    TWaitItem item(*this);
    return WaitForAny({ &item, 1 }, timeoutMs) == 0;
}

} // namespace vcl
