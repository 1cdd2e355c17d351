#pragma once
// A component that raises OnTimer every Interval milliseconds while Enabled, on the UI thread.

#include "platform/core/Events.h"
#include "platform/core/TComponent.h"

#include <QTimer>

namespace vcl {

class TTimer : public TComponent
{
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool Enabled() const { return m_enabled; }
    // Enabling a running timer keeps its expiry; disabling stops it.
    void SetEnabled(bool value);
    unsigned Interval() const { return m_interval; }
    // A different interval restarts a running timer; 0 stops it while it stays Enabled.
    void SetInterval(unsigned value);

    TNotifyEvent OnTimer;

private:
    void UpdateTimer();
    void Fire();

    bool m_enabled { true };
    unsigned m_interval { 1000 };
    QTimer m_timer;
};

} // namespace vcl
