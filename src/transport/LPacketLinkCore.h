#pragma once
// The worker of the USB and network transports: received blocks are handed in, frames go out
// through the owner window's write.

#include "transport/LLinkCore.h"

class LPacketLinkCore : public LLinkCore
{
public:
    enum class Route { Usb, Net };
    LPacketLinkCore(LTransportHost* host, Route route);

    // Worker thread: waits on received bytes, a hand-over and the stop, in that order of precedence,
    // at most the reply time-out; resends and gives up on time-outs.
    void WorkerThread() override;

    // Resends made for the request in flight (worker; read by tests after the worker ended).
    std::atomic<int> RetryCount { 0 };

protected:
    void Write(const std::uint8_t* data, std::size_t count) override;
    const char* RouteName() const override { return Via == Route::Usb ? "USB" : "NET"; }

private:
    Route Via;
};
