#include "plot/iUpdateClock.h"

#include <chrono>

namespace {

double SteadyDays()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count() / 86400.0;
}

std::function<double()>& CurrentClock()
{
    static std::function<double()> clock = SteadyDays;
    return clock;
}

} // namespace

double iUpdateClockNow() { return CurrentClock()(); }

TiUpdateClockOverride::TiUpdateClockOverride(std::function<double()> now) : m_previous(CurrentClock())
{
    CurrentClock() = std::move(now);
}

TiUpdateClockOverride::~TiUpdateClockOverride() { CurrentClock() = std::move(m_previous); }
