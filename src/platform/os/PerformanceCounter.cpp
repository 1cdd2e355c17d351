#include "platform/os/PerformanceCounter.h"

#include <ctime>

namespace vcl {

std::int64_t QueryPerformanceCounter()
{
    timespec ts {};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

std::int64_t QueryPerformanceFrequency()
{
    return 1000000000;
}

} // namespace vcl
