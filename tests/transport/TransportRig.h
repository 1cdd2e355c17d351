#pragma once
// Small helpers shared by the transport tests: the Qt application, frames and a wait on the Qt loop.

#include "support/Patience.h"
#include "support/DeviceEmulator.h"
#include "support/TestTransportHost.h"

#include <QObject>
#include <QTimer>

#include <memory>

struct AppGuard
{
    AppGuard() { TestTransportHost::EnsureApp(); }
};

inline BytePacket Req(std::uint8_t code, BytePacket payload = {}, std::uint8_t id = 1)
{
    return DeviceEmulator::RequestFrame(id, code, payload);
}

inline BytePacket Gain(int channel, int value)
{
    return Req(0x34, { static_cast<std::uint8_t>(channel), static_cast<std::uint8_t>(value & 0xFF),
                       static_cast<std::uint8_t>(value >> 8) });
}

inline bool SpinUntil(const std::function<bool()>& pred, int ms = patience::OuterLimitMs)
{
    return TestTransportHost::SpinUntil(pred, ms);
}

// Plays the emulator's timed reply pieces back into a transport on the Qt thread; a transport gone
// by then gets nothing.
template <class Transport>
void PlayBack(QObject* context, const std::unique_ptr<Transport>* link, const std::vector<EmulatorChunk>& chunks)
{
    int at = 0;
    for (const auto& c : chunks) {
        at += static_cast<int>(c.DelayMs);
        QTimer::singleShot(at, context, [link, bytes = c.Bytes] {
            if (*link)
                (*link)->ReceiveBytes(bytes.data(), static_cast<unsigned>(bytes.size()));
        });
    }
}
