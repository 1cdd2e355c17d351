#pragma once
// The serial byte layer: opens and sets up the port, and runs the worker that reads and writes it.

#include "device/BytePacket.h"
#include "platform/os/TThread.h"
#include "transport/LSerialLinkCore.h"

#include <cstdint>
#include <memory>
#include <string>

class LTransportHost;

class LComm
{
public:
    virtual ~LComm();
    LComm(const LComm&) = delete;
    LComm& operator=(const LComm&) = delete;

    // Opens "COMn" (through the port list) at the given speed and framing (parity 0 none, stop bits 0
    // one) and starts the worker. False for a port outside 1..98, a rate outside 1200..128000 or one
    // the line cannot take, a missing or busy port, or a worker already running.
    bool Open(int portNo, std::uint32_t baudRate, std::uint8_t byteSize, std::uint8_t parity, std::uint8_t stopBits);
    // Stops the worker (at most 5000 ms; COMM_STOP_TIMEOUT if it goes on) and closes the port.
    virtual void Close();
    virtual void SendBytes(const std::uint8_t* data, unsigned count);
    virtual void SendPacket(const BytePacket& packet);
    virtual void Notify(std::uint32_t code, std::uint32_t param);
    virtual void SetTimeout(unsigned ms);
    void SetMaxRetries(int count);
    // Resends granted beyond the resend limit, each at one time-out, not counted.
    void SetExtraResends(int count);

    bool IsRunning() const { return Core->Running; }
    unsigned GetTimeout() const { return Core->ReplyTimeout; }
    int GetMaxRetries() const { return Core->MaxRetries; }
    LLinkCore& GetCore() { return *Core; }

    // The system name of a port: "COM9", "\\.\COM10".
    static std::string PortName(int portNo);

    static constexpr unsigned StopWaitMs = 5000;
    static constexpr unsigned KeepAliveReplyTimeout = 2000;

protected:
    explicit LComm(LTransportHost* owner);

    LTransportHost* Owner;
    std::shared_ptr<LSerialLinkCore> Core;

private:
    void CloseHandles();
    void StopWorker(bool notify);

    vcl::TThread Thread;
    bool Opened { false };
    bool Abandoned { false };
};
