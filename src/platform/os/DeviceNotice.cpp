#include "platform/os/DeviceNotice.h"

#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>

namespace vcl
{

DeviceNotice::DeviceNotice(const std::string& folder, std::function<void()> onChange, int debounceMs)
    : m_onChange(std::move(onChange))
{
    m_debounce.setSingleShot(true);
    m_debounce.setInterval(debounceMs);
    QObject::connect(&m_debounce, &QTimer::timeout, this, [this] {
        if (m_onChange)
            m_onChange();
    });
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0)
        return;
    // Attribute changes count too: udev sets a node's permissions after creating it.
    if (inotify_add_watch(m_fd, folder.c_str(), IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB) < 0) {
        close(m_fd);
        m_fd = -1;
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] { ReadEvents(); });
}

DeviceNotice::~DeviceNotice()
{
    m_notifier.reset();
    if (m_fd >= 0)
        close(m_fd);
}

void DeviceNotice::ReadEvents()
{
    alignas(inotify_event) char buffer[4096];
    bool relevant = false;
    for (;;) {
        ssize_t n = read(m_fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (ssize_t at = 0; at + ssize_t(sizeof(inotify_event)) <= n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
            if ((e->mask & IN_Q_OVERFLOW) || (e->len > 0 && std::strncmp(e->name, "hidraw", 6) == 0))
                relevant = true;
            at += ssize_t(sizeof(inotify_event)) + e->len;
        }
    }
    if (relevant)
        m_debounce.start();
}

} // namespace vcl
