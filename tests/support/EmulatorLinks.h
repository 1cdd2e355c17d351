#pragma once
// The emulator at the far end of a real byte channel: a loopback TCP listener or a pseudo-terminal.
// Each runs one thread that feeds the emulator and sends its timed replies.

#include "platform/os/TEvent.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

class DeviceEmulator;

class EmulatorTcpServer
{
public:
    // Listens on 127.0.0.1 at a free port and serves one client at a time.
    explicit EmulatorTcpServer(DeviceEmulator& device);
    // Listens on the given IPv4 address and port (0: a free one). When that fails, Listening() is
    // false, Error() says why and nothing is served.
    EmulatorTcpServer(DeviceEmulator& device, const std::string& address, std::uint16_t port);
    ~EmulatorTcpServer();
    bool Listening() const { return Listener >= 0; }
    const std::string& Error() const { return Failure; }
    std::uint16_t Port() const { return ListenPort; }
    bool HasClient() const { return ClientUp; }
    // Closes the current connection (the device goes away).
    void DropClient() { DropRequest.SetEvent(); }

private:
    void Run();
    DeviceEmulator& Device;
    int Listener { -1 };
    std::uint16_t ListenPort { 0 };
    std::string Failure;
    std::atomic<bool> ClientUp { false };
    vcl::TEvent Quit { true };
    vcl::TEvent DropRequest;
    std::thread Thread;
};

class EmulatorPty
{
public:
    explicit EmulatorPty(DeviceEmulator& device);
    ~EmulatorPty();
    // The terminal the editor opens, "/dev/pts/N".
    const std::string& SlavePath() const { return Slave; }
    // Closes the device end: the editor's side sees the line hang up.
    void HangUp() { HangUpRequest.SetEvent(); }

private:
    void Run();
    DeviceEmulator& Device;
    int Master { -1 };
    std::string Slave;
    vcl::TEvent Quit { true };
    vcl::TEvent HangUpRequest;
    std::thread Thread;
};
