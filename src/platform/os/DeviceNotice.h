#pragma once
// Watches a device folder and reports, debounced, that hidraw device nodes came or went.

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace vcl
{

class DeviceNotice : public QObject
{
public:
    // onChange runs on the thread that owns this object, once per burst of changes, debounceMs
    // after the last change of the burst.
    DeviceNotice(const std::string& folder, std::function<void()> onChange, int debounceMs = 150);
    ~DeviceNotice() override;

    bool Active() const { return m_fd >= 0; }

private:
    void ReadEvents();

    int m_fd { -1 };
    std::function<void()> m_onChange;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QTimer m_debounce;
};

} // namespace vcl
