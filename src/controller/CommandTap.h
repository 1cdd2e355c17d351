#pragma once
// A seam on the device send path: while a seam lives, its handler sees every command handed to the
// device, with its send mode, before the open transport (if any) takes it. Tests watch the
// program's traffic through it without a device.

#include <functional>

class LCmd;

using TCommandTapHandler = std::function<void(const LCmd& cmd, int mode)>;

class TCommandTapSeam
{
public:
    explicit TCommandTapSeam(TCommandTapHandler handler);
    ~TCommandTapSeam();
    TCommandTapSeam(const TCommandTapSeam&) = delete;
    TCommandTapSeam& operator=(const TCommandTapSeam&) = delete;

private:
    TCommandTapHandler m_previous;
};

namespace CommandTap {
// Hands the command to the installed handler; nothing when none is installed.
void Notify(const LCmd& cmd, int mode);
}
