#pragma once
// The byte layer shared by the USB and network transports: the worker thread, the send buffer it
// writes and writes again, the received blocks, the reply time-out and the resend limit.

#include "device/BytePacket.h"
#include "platform/os/TThread.h"
#include "transport/LPacketLinkCore.h"

#include <cstdint>
#include <memory>

class LTransportHost;

class LPacketLink
{
public:
    virtual ~LPacketLink();
    LPacketLink(const LPacketLink&) = delete;
    LPacketLink& operator=(const LPacketLink&) = delete;

    // Starts the worker; false when it runs already, was closed before, or cannot be started.
    bool Open();
    // Stops the worker, waiting at most 5000 ms; a worker still running then is reported with
    // COMM_STOP_TIMEOUT and left to end on its own, owning its state.
    virtual void Close();
    virtual void SendBytes(const std::uint8_t* data, unsigned count);
    virtual void SendPacket(const BytePacket& packet);
    // Bytes from the device (from the window's read handler); every byte reaches the frame cutter
    // once and in order, however many blocks arrive before the worker takes them.
    virtual void ReceiveBytes(const std::uint8_t* data, unsigned count);
    virtual void Notify(std::uint32_t code, std::uint32_t param);
    virtual void SetTimeout(unsigned ms);
    void SetMaxRetries(int count);

    bool IsRunning() const { return Core->Running; }
    unsigned GetTimeout() const { return Core->ReplyTimeout; }
    int GetMaxRetries() const { return Core->MaxRetries; }
    LLinkCore& GetCore() { return *Core; }

    static constexpr unsigned StopWaitMs = 5000;
    static constexpr unsigned KeepAliveReplyTimeout = 5000;

protected:
    LPacketLink(LTransportHost* owner, LPacketLinkCore::Route route);

    LTransportHost* Owner;
    std::shared_ptr<LPacketLinkCore> Core;

private:
    vcl::TThread Thread;
    bool Opened { false };
};
