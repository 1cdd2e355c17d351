#include "platform/os/WaitFor.h"

#include "platform/os/TEvent.h"

#include <cerrno>
#include <chrono>
#include <poll.h>
#include <vector>

namespace vcl {

int WaitForAny(std::span<const TWaitItem> items, unsigned timeoutMs, short* fdEvents)
{
    using Clock = std::chrono::steady_clock;
    const bool forever = timeoutMs == TEvent::INFINITE;
    const auto deadline = Clock::now() + std::chrono::milliseconds(forever ? 0 : timeoutMs);

    std::vector<pollfd> fds(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int fd = items[i].GetEvent() ? items[i].GetEvent()->Handle() : items[i].GetFd();
        if (fd < 0)
            return WAIT_FAILED;
        fds[i] = { fd, POLLIN, 0 };
    }

    for (;;) {
        int wait = -1;
        if (!forever) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            wait = left > 0 ? static_cast<int>(left) : 0;
        }
        const int n = ::poll(fds.data(), fds.size(), wait);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return WAIT_FAILED;
        }
        if (n > 0) {
            for (std::size_t i = 0; i < items.size(); ++i) {
                if (fds[i].revents == 0)
                    continue;
                if (TEvent* e = items[i].GetEvent()) {
                    if (fds[i].revents & (POLLERR | POLLNVAL))
                        return WAIT_FAILED;
                    if (e->TryConsume())
                        return static_cast<int>(i);
                    continue; // another waiter took it
                }
                if (fds[i].revents & POLLNVAL)
                    return WAIT_FAILED;
                if (fdEvents)
                    *fdEvents = fds[i].revents;
                return static_cast<int>(i);
            }
        }
        if (!forever && Clock::now() >= deadline)
            return WAIT_TIMEOUT;
    }
}

} // namespace vcl
