#pragma once
// The request layer on a transport's byte layer: one frame in flight, the others queued (replace or
// append), and the idle keep-alive poll. Runs on the user-interface thread.

#include "device/BytePacket.h"
#include "device/LCmd.h"
#include "device/McsCodes.h"
#include "device/SendMode.h"

#include <QTimer>

#include <memory>
#include <utility>

template <class ByteLayer>
class LRequestLayer : public ByteLayer
{
public:
    ~LRequestLayer() override { PollTimer.reset(); }

    // Starts the idle poll, then the byte layer (with the byte layer's own arguments, if any).
    template <class... Args>
    bool Open(Args&&... args)
    {
        PollTimer = std::make_unique<QTimer>();
        PollTimer->setInterval(PollInterval);
        QObject::connect(PollTimer.get(), &QTimer::timeout, [this] { KeepAliveTimer(); });
        PollTimer->start();
        return ByteLayer::Open(std::forward<Args>(args)...);
    }

    // Stops the poll, drops every waiting frame, stops the worker.
    void Close() override
    {
        if (PollTimer)
            PollTimer->stop();
        this->Core->ClearQueue();
        ByteLayer::Close();
        PollTimer.reset();
    }

    void SendBytes(const std::uint8_t* data, unsigned count) override
    {
        SendQueued(BytePacket(data, data + count), SEND_REPLACE);
    }
    void SendPacket(const BytePacket& packet) override { SendQueued(packet, SEND_REPLACE); }
    void SetTimeout(unsigned ms) override { ByteLayer::SetTimeout(ms); }

    // Sends the frame at once when nothing is in flight, else queues it by the mode. Nothing
    // happens while the worker is not running.
    void SendQueued(const BytePacket& frame, int mode)
    {
        if (!this->Core->Running)
            return;
        if (PollTimer)
            PollTimer->start(); // the next poll comes a full interval after this send
        this->Core->SendQueued(frame, mode);
    }

    void SetKeepAliveOff(bool off) { this->Core->KeepAliveOff = off; }
    void SetDeviceId(int id) { this->Core->DeviceId = id; }
    int GetDeviceId() const { return this->Core->DeviceId; }

    bool IsBusy() const { return this->Core->IsBusy(); }
    std::vector<BytePacket> QueueSnapshot() const { return this->Core->QueueSnapshot(); }

    static constexpr int PollInterval = 2000;

protected:
    using ByteLayer::ByteLayer;

private:
    // Idle poll: nothing in flight or waiting and the poll allowed: a keep-alive request goes out.
    void KeepAliveTimer()
    {
        if (!this->Core->KeepAliveDue())
            return;
        this->Core->ReplyTimeout = ByteLayer::KeepAliveReplyTimeout;
        const LCmd keepAlive(static_cast<std::uint8_t>(this->Core->DeviceId & 0xFF), MCS_CMD_KEEP_ALIVE);
        SendQueued(keepAlive.ToBytes(true), SEND_REPLACE);
    }

    std::unique_ptr<QTimer> PollTimer;
};
