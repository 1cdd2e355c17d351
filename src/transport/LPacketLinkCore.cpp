#include "transport/LPacketLinkCore.h"

#include "platform/os/WaitFor.h"
#include "transport/LTransportHost.h"

namespace {
constexpr std::uint8_t GiveUpAtOnceCommand = 0x05;
constexpr int SilentLimit = 3;
} // namespace

LPacketLinkCore::LPacketLinkCore(LTransportHost* host, Route route)
    : LLinkCore(host)
    , Via(route)
{
}

void LPacketLinkCore::Write(const std::uint8_t* data, std::size_t count)
{
    if (Via == Route::Usb)
        Host->UsbWrite(data, static_cast<unsigned>(count));
    else
        Host->NetWrite(data, static_cast<unsigned>(count));
}

void LPacketLinkCore::WorkerThread()
{
    int silent = 0;
    const vcl::TWaitItem items[] = { vcl::TWaitItem(ReceiveEvent), vcl::TWaitItem(SendEvent), vcl::TWaitItem(QuitEvent) };
    while (!StopRequested()) {
        const int r = vcl::WaitForAny(items, ReplyTimeout.load());
        if (r == 0) {
            const auto bytes = TakeReceived();
            vcl::TCriticalSectionLock io(Lock);
            for (std::uint8_t b : bytes) {
                if (StopRequested())
                    break;
                OnByte(b);
            }
        } else if (r == 1) {
            RetryCount = 0; // the silent count goes on: only a resend resets it
            WriteRequest();
        } else if (r == vcl::WAIT_TIMEOUT) {
            if (!Awaiting)
                continue;
            if (RetryCount < MaxRetries) {
                silent = 0;
                WriteSendBuffer();
                ++RetryCount;
            } else if (silent > SilentLimit || SendBufferByte(5) == GiveUpAtOnceCommand) {
                // Still unanswered: the count goes on, with nothing left to write, and reports again
                // until a frame comes back or the window closes the transport.
                RetryCount = 0;
                const std::uint8_t address = SendBufferByte(3);
                ClearSendBufferByte0();
                Notify(COMM_NO_REPLY, address);
            } else {
                ++silent;
            }
        } else {
            break; // the stop, or a failed wait: ends without a notice
        }
    }
    Running = false;
}
