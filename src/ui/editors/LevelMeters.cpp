// Level meters and limiter lamps from the device's level reply.

#include "ui/editors/LevelMeters.h"

#include "ui/editors/EditorMath.h"
#include "ui/editors/EditorSet.h"

#include "controls/LProgressBar.h"
#include "device/Constants.h"
#include "platform/ui/TUpDown.h"

#include <bit>
#include <cstdint>

namespace editors {

// Level k of the reply: a single-precision amplitude whose low byte is not sent.
float DecodeLevel(const BytePacket& payload, int k)
{
    const std::size_t i = 3 * static_cast<std::size_t>(k);
    const std::uint32_t bits = (std::uint32_t { payload[i + 1] } << 24) | (std::uint32_t { payload[i] } << 16)
                               | (std::uint32_t { payload[i + 2] } << 8);
    return std::bit_cast<float>(bits);
}

namespace {

// A level reply: twelve levels of three bytes, then the outputs' limiter bits.
constexpr std::size_t LevelReplySize = 37;
constexpr std::size_t LimiterByte = 36;

// The reply's level slot of a channel: the inputs first, the outputs after two slots not shown.
int LevelSlot(int ch) { return IsInput(ch) ? ch : ch + 2; }

} // namespace

void LevelMeters::Show(const BytePacket& payload)
{
    if (payload.size() < LevelReplySize)
        return;
    const int limitMask = payload[LimiterByte];
    const int gateInput = Editors().Gate().Selected();
    const int compOutput = Editors().Comp().Selected();
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const ChannelControls& c = Of(ch);
        const float level = DecodeLevel(payload, LevelSlot(ch));
        if (IsInput(ch)) {
            const int n = LevelSegments(level, InLevelThresholds);
            c.LevelBackup->SetPosition(n);
            c.Level->SetPosition(n);
            c.LevelGate->SetPosition(n);
            if (ch == gateInput)
                m_controls.LevelGateIn->SetPosition(n);
            continue;
        }
        const int n = LevelSegments(level, OutLevelThresholds);
        c.LevelComp->SetPosition(n);
        c.LevelBackup->SetPosition(n);
        c.Level->SetPosition(n);
        const int lamp = (limitMask & (1 << SideBitNo(ch))) && c.CompRatio->Position() != 0 ? 1 : 0;
        c.LimitComp->SetPosition(lamp);
        c.LimitBackup->SetPosition(lamp);
        if (ch == compOutput) {
            m_controls.LimitCompOut->SetPosition(lamp);
            m_controls.LevelCompOut->SetPosition(n);
        }
    }
}

void LevelMeters::Clear()
{
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const ChannelControls& c = Of(ch);
        for (LProgressBar* bar : { c.Level, c.LevelBackup, c.LevelGate, c.LevelComp, c.Limit, c.LimitBackup, c.LimitComp })
            if (bar)
                bar->SetPosition(0);
    }
    for (LProgressBar* bar : { m_controls.LevelCompOut, m_controls.LimitCompOut, m_controls.LevelGateIn })
        bar->SetPosition(0);
}

} // namespace editors
