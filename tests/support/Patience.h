#pragma once
// How long a test waits for a condition before it fails. Generous: a busy machine (a parallel build,
// sanitizers, two cores) may take many times the usual time for a step, and a test that passes never
// waits this long; only a test that fails does. Time-outs of the program under test are driven through
// its timers instead, so no test waits for one in real time to pass.

namespace patience {

constexpr int OuterLimitMs = 180000;

} // namespace patience
