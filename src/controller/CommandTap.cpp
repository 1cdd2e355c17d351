#include "controller/CommandTap.h"

#include <utility>

namespace {

TCommandTapHandler& Current()
{
    static TCommandTapHandler handler;
    return handler;
}

} // namespace

TCommandTapSeam::TCommandTapSeam(TCommandTapHandler handler) : m_previous(std::exchange(Current(), std::move(handler))) {}

TCommandTapSeam::~TCommandTapSeam()
{
    Current() = std::move(m_previous);
}

void CommandTap::Notify(const LCmd& cmd, int mode)
{
    if (Current())
        Current()(cmd, mode);
}
