#pragma once
// The clock of the repaint limit: days on a monotonic clock, so that setting the wall clock back
// never stops repaints. Tests replace it for the life of a TiUpdateClockOverride.

#include <functional>

// Days since an arbitrary fixed point; never decreases.
double iUpdateClockNow();

class TiUpdateClockOverride
{
public:
    explicit TiUpdateClockOverride(std::function<double()> now);
    ~TiUpdateClockOverride();
    TiUpdateClockOverride(const TiUpdateClockOverride&) = delete;
    TiUpdateClockOverride& operator=(const TiUpdateClockOverride&) = delete;

private:
    std::function<double()> m_previous;
};
