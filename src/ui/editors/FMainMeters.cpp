// Level meters and limiter lamps from the device's level reply.

#include "ui/editors/EditorMath.h"
#include "ui/editors/EditorNames.h"

#include "controls/LProgressBar.h"
#include "device/Constants.h"
#include "platform/ui/TUpDown.h"

#include <bit>
#include <cmath>
#include <cstdint>

using namespace editors;

namespace editors {

// Level k of the reply: a single-precision amplitude whose low byte is not sent.
float DecodeLevel(const BytePacket& payload, int k)
{
    const std::size_t i = static_cast<std::size_t>(3 * k);
    const std::uint32_t bits = (std::uint32_t { payload[i + 1] } << 24) | (std::uint32_t { payload[i] } << 16)
                               | (std::uint32_t { payload[i + 2] } << 8);
    return std::bit_cast<float>(bits);
}


} // namespace editors

void TfmMain::OnLevelReply(const BytePacket& payload)
{
    // A short reply is not a level reply: it must not move any meter.
    if (payload.size() < 37)
        return;
    const int limitMask = payload[36];
    auto setMeter = [this](const QString& name, int n) {
        auto* bar = Find<LProgressBar>(this, name);
        if (!bar)
            return false;
        bar->SetPosition(n);
        return true;
    };
    for (int ch = 0; ch < 8; ++ch) {
        const int k = ch < 2 ? ch : ch + 2;
        const QString sfx = ChannelSuffix(ch);
        const float level = DecodeLevel(payload, k);
        if (ch < 2) {
            const int n = LevelSegments(level, InLevelThresholds);
            if (!setMeter(QStringLiteral("pbLevelBackup") + sfx, n) || !setMeter(QStringLiteral("pbLevel") + sfx, n)
                || !setMeter(QStringLiteral("pbLevelGate") + sfx, n))
                return;
            if (ch == GateChannel && !setMeter(QStringLiteral("pbLevelGateIn"), n))
                return;
            continue;
        }
        const int n = LevelSegments(level, OutLevelThresholds);
        if (!setMeter(QStringLiteral("pbLevelComp") + sfx, n) || !setMeter(QStringLiteral("pbLevelBackup") + sfx, n)
            || !setMeter(QStringLiteral("pbLevel") + sfx, n))
            return;
        auto* ratio = Find<vcl::TUpDown>(this, QStringLiteral("udCompRatio"), ch);
        if (!ratio)
            return;
        const int lamp = (limitMask & (1 << (ch - 2))) && ratio->Position() != 0 ? 1 : 0;
        if (!setMeter(QStringLiteral("pbLimitComp") + sfx, lamp) || !setMeter(QStringLiteral("pbLimitBackup") + sfx, lamp))
            return;
        if (ch == CompChannel
            && (!setMeter(QStringLiteral("pbLimitCompOut"), lamp) || !setMeter(QStringLiteral("pbLevelCompOut"), n)))
            return;
    }
}

void TfmMain::ClearMeters()
{
    auto clear = [this](const QString& name) {
        auto* bar = Find<LProgressBar>(this, name);
        if (bar)
            bar->SetPosition(0);
        return bar != nullptr;
    };
    for (int ch = 0; ch < 2; ++ch)
        for (const char* q : { "pbLevel", "pbLevelBackup", "pbLevelGate" })
            if (!clear(QString::fromLatin1(q) + ChannelSuffix(ch)))
                return;
    for (int ch = 2; ch < 8; ++ch)
        for (const char* q : { "pbLevel", "pbLevelBackup", "pbLevelComp", "pbLimit", "pbLimitBackup", "pbLimitComp" })
            if (!clear(QString::fromLatin1(q) + ChannelSuffix(ch)))
                return;
    for (const char* q : { "pbLevelCompOut", "pbLimitCompOut", "pbLevelGateIn" })
        if (!clear(QString::fromLatin1(q)))
            return;
}
