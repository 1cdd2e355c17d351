#pragma once
// The network client socket and its glue to the network transport: frames the transport writes
// (from its worker) go out on the socket, every byte that arrives goes to the transport, and the
// socket's progress and traffic are shown through the controller's view.

#include "device/BytePacket.h"
#include "platform/os/TClientSocket.h"
#include "transport/LNetSocketGlue.h"

#include <cstdint>
#include <functional>
#include <string>

class DeviceControllerView;
class LPacketLink;

class NetworkSocketLink
{
public:
    // Make on the user-interface thread; `transport` names the open network transport, or null.
    NetworkSocketLink(DeviceControllerView& view, std::function<LPacketLink*()> transport);
    ~NetworkSocketLink();
    NetworkSocketLink(const NetworkSocketLink&) = delete;
    NetworkSocketLink& operator=(const NetworkSocketLink&) = delete;

    // Any thread (the transport's worker): queues one frame for the socket; returns at once.
    void Write(const std::uint8_t* data, unsigned count) { Glue.Write(data, count); }
    const BytePacket& LastFrame() const { return Glue.LastFrame(); }

    // Where the next connection goes; a connection already made is left alone.
    void SetEndpoint(const std::string& address, int port);
    // Connects to the endpoint; an active socket is left alone.
    void Open() { Socket.SetActive(true); }
    void Close() { Socket.SetActive(false); }
    // Drops any connection and connects to `address` at the same port.
    void Redial(const std::string& address);
    const vcl::TClientSocket& ClientSocket() const { return Socket; }

    // The socket's events.
    void OnConnecting();
    void OnConnect();
    void OnRead() { Glue.OnRead(); }
    // A failed or broken connection shows itself through the missing replies, never a message.
    static void OnError(int& errorCode) { errorCode = 0; }

private:
    DeviceControllerView& View;
    vcl::TClientSocket Socket; // outlives the glue
    LNetSocketGlue Glue;
};
