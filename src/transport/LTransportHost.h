#pragma once
// What a transport needs of the window that owns it: frame delivery, failure notices, writes, traces.

#include "device/BytePacket.h"

#include <cstdint>

namespace vcl {
class TCancelSignal;
}

// Failure codes of UM_COMM_EVENT.
inline constexpr std::uint32_t COMM_NO_REPLY = 0;
inline constexpr std::uint32_t COMM_LINE_ERROR = 1;
inline constexpr std::uint32_t COMM_STOP_TIMEOUT = 5;
inline constexpr std::uint32_t COMM_WAIT_FAILED = 6;

class LTransportHost
{
public:
    virtual ~LTransportHost() = default;

    // The device ID; a transport reads it once, at construction, as its keep-alive address.
    virtual int GetDeviceId() const = 0;

    // Worker thread: hands one complete frame to the window (message UM_RX_FRAME, UM_RX_FRAME_STRAY for
    // one that answers no request in flight, or UM_RX_FRAME_OTHER from a serial port not at 115200 baud) with the round-trip milliseconds, and waits until the
    // window has handled it. Returns false without waiting further once `cancel` is signalled; the
    // frame is then handled either completely or not at all, and never after this returns.
    virtual bool DeliverFrame(unsigned message, const BytePacket& frame, std::uint32_t elapsedMs,
                              const vcl::TCancelSignal& cancel) = 0;
    // Any thread: posts UM_COMM_EVENT with a failure code and its parameter.
    virtual void PostCommEvent(std::uint32_t code, std::uint32_t param) = 0;
    // The same, naming the transport that reports (its nonzero source number), so a notice that
    // arrives after that transport was closed can be told apart.
    virtual void PostCommEventFrom(std::uint32_t source, std::uint32_t code, std::uint32_t param)
    {
        (void)source;
        PostCommEvent(code, param);
    }

    // Worker thread: put one frame on the wire (one output report; one socket write). Must not block
    // on the user-interface thread.
    virtual void UsbWrite(const std::uint8_t* data, unsigned count) {}
    virtual void NetWrite(const std::uint8_t* data, unsigned count) {}
    // Any thread: the serial transport's traffic traces.
    virtual void TraceComWrite(const std::uint8_t* data, unsigned count) {}
    virtual void TraceComRead(const std::uint8_t* data, unsigned count) {}
    // Any thread: a frame that answered no request in flight was passed over (route "COM", "USB", "NET").
    virtual void TraceIgnoredFrame(const char* route, const std::uint8_t* data, unsigned count) {}

protected:
    LTransportHost() = default;
    LTransportHost(const LTransportHost&) = default;
    LTransportHost& operator=(const LTransportHost&) = default;
};
