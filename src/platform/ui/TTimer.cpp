#include "platform/ui/TTimer.h"

#include "platform/ui/EventGuard.h"

namespace vcl {

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Fire(); });
    UpdateTimer();
}

TTimer::~TTimer()
{
    m_timer.stop();
    BeforeDestruction();
}

void TTimer::SetEnabled(bool value)
{
    if (value == m_enabled)
        return;
    m_enabled = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned value)
{
    if (value == m_interval)
        return;
    m_interval = value;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    m_timer.stop();
    if (m_enabled && m_interval != 0)
        m_timer.start(static_cast<int>(std::min<unsigned>(m_interval, 0x7FFFFFFF)));
}

void TTimer::Fire()
{
    if (!m_enabled)
        return;
    Guarded([this] {
        if (OnTimer)
            OnTimer(this);
    }, this);
}

} // namespace vcl
