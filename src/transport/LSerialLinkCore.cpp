#include "transport/LSerialLinkCore.h"

#include "platform/os/WaitFor.h"
#include "transport/TransportMessages.h"
#include "transport/LTransportHost.h"

#include <algorithm>
#include <poll.h>

namespace {
constexpr std::uint32_t DeliveryBaud = 115200;
constexpr unsigned MaxWriteWaitMs = 1000;
} // namespace

LSerialLinkCore::LSerialLinkCore(LTransportHost* host)
    : LLinkCore(host)
{
}

void LSerialLinkCore::Write(const std::uint8_t* data, std::size_t count)
{
    Port.Write(data, count, std::min(ReplyTimeout.load(), MaxWriteWaitMs));
}

void LSerialLinkCore::TraceHandOver(const std::uint8_t* data, std::size_t count)
{
    Host->TraceComWrite(data, static_cast<unsigned>(count));
}

void LSerialLinkCore::TraceFrame(const BytePacket& frame)
{
    Host->TraceComRead(frame.data(), static_cast<unsigned>(frame.size()));
}

unsigned LSerialLinkCore::DeliveryMessage() const
{
    return Port.GetBaudRate() == DeliveryBaud ? UM_RX_FRAME : UM_RX_FRAME_OTHER;
}

bool LSerialLinkCore::ReadPort(short pollFlags)
{
    vcl::TCriticalSectionLock io(Lock);
    for (;;) {
        std::uint8_t buffer[256];
        const ssize_t n = Port.Read(buffer, sizeof buffer);
        if (n < 0)
            return false;
        if (n == 0)
            return !(pollFlags & (POLLHUP | POLLERR)); // nothing left; a hung-up line stays silent
        pollFlags = 0; // bytes came: the line still works
        for (ssize_t i = 0; i < n; ++i) {
            if (StopRequested())
                return true;
            OnByte(buffer[i]);
        }
    }
}

void LSerialLinkCore::WorkerThread()
{
    const vcl::TWaitItem items[] = { vcl::TWaitItem::Readable(Port.Handle()), vcl::TWaitItem(SendEvent),
                                     vcl::TWaitItem(QuitEvent) };
    while (!StopRequested()) {
        short flags = 0;
        const int r = vcl::WaitForAny(items, ReplyTimeout.load(), &flags);
        if (r == 0) {
            if (!ReadPort(flags)) {
                Notify(COMM_LINE_ERROR, SendBufferByte(2));
                break;
            }
        } else if (r == 1) {
            RetryCount = 0;
            WriteRequest();
        } else if (r == 2) {
            break;
        } else if (r == vcl::WAIT_TIMEOUT) {
            if (!Awaiting)
                continue;
            if (ExtraResends > 0) {
                --ExtraResends;
                WriteSendBuffer();
            } else if (RetryCount < MaxRetries) {
                WriteSendBuffer();
                ++RetryCount;
            } else {
                // Still unanswered: later time-outs go on by the same rules, writing nothing.
                RetryCount = 0;
                const std::uint8_t address = SendBufferByte(3);
                ClearSendBufferByte0();
                Notify(COMM_NO_REPLY, address);
            }
        } else {
            Notify(COMM_WAIT_FAILED, SendBufferByte(3));
            break;
        }
    }
    Running = false;
}
