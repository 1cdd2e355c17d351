#pragma once
// Joins the network transport to a client socket: worker writes go to the socket on the
// user-interface thread, every received byte goes to the transport, and both directions are traced.

#include "device/BytePacket.h"
#include "platform/os/TThreadCallQueue.h"
#include "transport/LFrameCutter.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vcl {
class TClientSocket;
}
class LPacketLink;

class LNetSocketGlue
{
public:
    // Make on the user-interface thread; the socket must outlive the glue.
    explicit LNetSocketGlue(vcl::TClientSocket& socket);
    ~LNetSocketGlue();

    // The open network transport, or null (asked on the user-interface thread).
    std::function<LPacketLink*()> Transport;
    // Trace lines ("NET W ...", "NET R ...", "NET RW ..."), on the user-interface thread.
    std::function<void(const std::string& line)> Trace;

    // Any thread (the worker): queues one frame for the socket; returns at once.
    void Write(const std::uint8_t* data, unsigned count);
    // The socket's read event: takes every byte that arrived, in blocks of at most 100. With the
    // network transport open a block goes to it when it has more than 5 bytes or may belong to a
    // frame (one is being collected, or it holds a 0x10); otherwise the last frame is sent again.
    void OnRead();

    const BytePacket& LastFrame() const { return NetLastFrame; }

    static std::string HexLine(const char* prefix, const std::uint8_t* data, std::size_t count);

private:
    void SendNow(const BytePacket& frame);

    vcl::TClientSocket& Socket;
    // True when a block of n bytes cannot be part of a frame the transport is collecting.
    bool StrayShortRead(const std::uint8_t* data, int n) const;

    BytePacket NetLastFrame; // user-interface thread only
    // Follows the bytes handed to the open transport, so a short read can be told apart from a piece
    // of a frame without asking the worker. Starts afresh with each transport.
    LFrameCutter Follow;
    const LPacketLink* Followed { nullptr };
    // Calls queued from the worker; alive while the glue lives, so none runs after it is gone.
    std::unique_ptr<vcl::TThreadCallQueue> UiCalls;
};
