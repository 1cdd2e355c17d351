#include "support/EmulatorLinks.h"

#include "platform/os/WaitFor.h"
#include "support/DeviceEmulator.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Sends the reply pieces with their delays; false when told to quit meanwhile.
bool SendChunks(int fd, const std::vector<EmulatorChunk>& chunks, vcl::TEvent& quit)
{
    for (const auto& c : chunks) {
        if (c.DelayMs && quit.WaitFor(c.DelayMs))
            return false;
        std::size_t done = 0;
        while (done < c.Bytes.size()) {
            const ssize_t n = ::write(fd, c.Bytes.data() + done, c.Bytes.size() - done);
            if (n > 0)
                done += static_cast<std::size_t>(n);
            else if (n < 0 && errno != EINTR && errno != EAGAIN)
                return true;
            else if (n < 0 && errno == EAGAIN) {
                pollfd p { fd, POLLOUT, 0 };
                ::poll(&p, 1, 50);
            }
        }
    }
    return true;
}

} // namespace

EmulatorTcpServer::EmulatorTcpServer(DeviceEmulator& device)
    : EmulatorTcpServer(device, "127.0.0.1", 0)
{
}

EmulatorTcpServer::EmulatorTcpServer(DeviceEmulator& device, const std::string& address, std::uint16_t port)
    : Device(device)
{
    sockaddr_in a {};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    if (::inet_pton(AF_INET, address.c_str(), &a.sin_addr) != 1) {
        Failure = "not an IPv4 address: " + address;
        return;
    }
    Listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int one = 1;
    ::setsockopt(Listener, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    if (Listener < 0 || ::bind(Listener, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(Listener, 4) != 0) {
        Failure = "cannot listen on " + address + ":" + std::to_string(port) + ": " + std::strerror(errno);
        if (Listener >= 0)
            ::close(Listener);
        Listener = -1;
        return;
    }
    socklen_t len = sizeof a;
    ::getsockname(Listener, reinterpret_cast<sockaddr*>(&a), &len);
    ListenPort = ntohs(a.sin_port);
    Thread = std::thread([this] { Run(); });
}

EmulatorTcpServer::~EmulatorTcpServer()
{
    Quit.SetEvent();
    if (Thread.joinable())
        Thread.join();
    if (Listener >= 0)
        ::close(Listener);
}

void EmulatorTcpServer::Run()
{
    for (;;) {
        const vcl::TWaitItem accept[] = { vcl::TWaitItem(Quit), vcl::TWaitItem::Readable(Listener) };
        if (vcl::WaitForAny(accept, vcl::TEvent::INFINITE) != 1)
            return;
        const int fd = ::accept4(Listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        int one = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        ClientUp = true;
        const vcl::TWaitItem items[] = { vcl::TWaitItem(Quit), vcl::TWaitItem(DropRequest), vcl::TWaitItem::Readable(fd) };
        for (;;) {
            const int r = vcl::WaitForAny(items, vcl::TEvent::INFINITE);
            if (r != 2)
                break;
            std::uint8_t buf[512];
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n <= 0)
                break;
            if (!SendChunks(fd, Device.Feed(buf, static_cast<std::size_t>(n)), Quit))
                break;
        }
        ClientUp = false;
        ::close(fd);
        if (Quit.IsSet())
            return;
    }
}

EmulatorPty::EmulatorPty(DeviceEmulator& device)
    : Device(device)
{
    Master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ::grantpt(Master);
    ::unlockpt(Master);
    Slave = ::ptsname(Master);
    Thread = std::thread([this] { Run(); });
}

EmulatorPty::~EmulatorPty()
{
    Quit.SetEvent();
    Thread.join();
    if (Master >= 0)
        ::close(Master);
}

void EmulatorPty::Run()
{
    const vcl::TWaitItem items[] = { vcl::TWaitItem(Quit), vcl::TWaitItem(HangUpRequest), vcl::TWaitItem::Readable(Master) };
    for (;;) {
        short flags = 0;
        const int r = vcl::WaitForAny(items, vcl::TEvent::INFINITE, &flags);
        if (r == 1) {
            ::close(Master);
            Master = -1;
            return;
        }
        if (r != 2)
            return;
        std::uint8_t buf[512];
        const ssize_t n = ::read(Master, buf, sizeof buf);
        if (n <= 0) {
            // No one has the terminal open yet (or it was closed): wait for the editor's side.
            if (Quit.WaitFor(5))
                return;
            continue;
        }
        if (!SendChunks(Master, Device.Feed(buf, static_cast<std::size_t>(n)), Quit))
            return;
    }
}
