#pragma once
// The serial transport's worker state: the open port, which the worker reads and writes itself.

#include "platform/os/TSerialPort.h"
#include "transport/LLinkCore.h"

class LSerialLinkCore : public LLinkCore
{
public:
    explicit LSerialLinkCore(LTransportHost* host);

    // Worker thread: waits on the port, a hand-over and the stop, in that order of precedence, at
    // most the reply time-out; reads what arrived, writes, resends and gives up.
    void WorkerThread() override;

    vcl::TSerialPort Port; // set up by the user-interface thread (under Lock) before the worker starts
    std::atomic<int> ExtraResends { 0 };

    // Resends made for the request in flight: one counter for every serial transport of the program.
    static inline std::atomic<std::int8_t> RetryCount { 0 };

protected:
    void Write(const std::uint8_t* data, std::size_t count) override;
    void TraceHandOver(const std::uint8_t* data, std::size_t count) override;
    unsigned DeliveryMessage() const override;
    void TraceFrame(const BytePacket& frame) override;
    const char* RouteName() const override { return "COM"; }

private:
    // Reads every byte waiting into the frame cutter, under Lock; false when the line has failed.
    bool ReadPort(short pollFlags);
};
