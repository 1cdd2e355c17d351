#include "platform/os/TSerialPort.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace vcl {

namespace {

struct SpeedEntry
{
    std::uint32_t Baud;
    speed_t Speed;
};

constexpr SpeedEntry Speeds[] = {
    { 50, B50 },       { 75, B75 },         { 110, B110 },       { 134, B134 },       { 150, B150 },
    { 200, B200 },     { 300, B300 },       { 600, B600 },       { 1200, B1200 },     { 1800, B1800 },
    { 2400, B2400 },   { 4800, B4800 },     { 9600, B9600 },     { 19200, B19200 },   { 38400, B38400 },
    { 57600, B57600 }, { 115200, B115200 }, { 230400, B230400 }, { 460800, B460800 }, { 921600, B921600 },
};

} // namespace

TSerialPort::~TSerialPort()
{
    Close();
}

unsigned TSerialPort::SpeedFor(std::uint32_t baud)
{
    for (const auto& e : Speeds)
        if (e.Baud == baud)
            return e.Speed;
    return 0;
}

bool TSerialPort::Open(const std::string& path)
{
    Close();
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    termios tio {};
    if (::tcgetattr(fd, &tio) != 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    Fd = fd;
    DevicePath = path;
    return true;
}

bool TSerialPort::Configure(const TSerialSettings& s)
{
    if (Fd < 0)
        return false;
    const speed_t speed = SpeedFor(s.BaudRate);
    if (speed == 0 || s.ByteSize < 5 || s.ByteSize > 8 || s.Parity > 4 || s.StopBits > 2)
        return false;
    termios tio {};
    if (::tcgetattr(Fd, &tio) != 0)
        return false;

    tio.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF
                                          | IXANY | IMAXBEL | IUCLC | INPCK | IGNPAR);
    tio.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    tio.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHOE | ECHOK | ECHONL | ICANON | ISIG | IEXTEN);

    static constexpr tcflag_t sizes[] = { CS5, CS6, CS7, CS8 };
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB);
    tio.c_cflag |= sizes[s.ByteSize - 5] | CREAD | CLOCAL;
    switch (s.Parity) {
    case 1: tio.c_cflag |= PARENB | PARODD; break;
    case 2: tio.c_cflag |= PARENB; break;
    case 3: tio.c_cflag |= PARENB | PARODD | CMSPAR; break;
    case 4: tio.c_cflag |= PARENB | CMSPAR; break;
    default: break;
    }
    if (s.StopBits != 0)
        tio.c_cflag |= CSTOPB;
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0)
        return false;
    return ::tcsetattr(Fd, TCSANOW, &tio) == 0;
}

void TSerialPort::Close()
{
    if (Fd < 0)
        return;
    ::flock(Fd, LOCK_UN);
    ::close(Fd);
    Fd = -1;
    DevicePath.clear();
}

int TSerialPort::BytesWaiting() const
{
    int n = 0;
    if (Fd < 0 || ::ioctl(Fd, FIONREAD, &n) != 0)
        return -1;
    return n;
}

ssize_t TSerialPort::Read(std::uint8_t* buffer, std::size_t size)
{
    if (Fd < 0)
        return -1;
    for (;;) {
        const ssize_t n = ::read(Fd, buffer, size);
        if (n >= 0)
            return n;
        if (errno == EINTR)
            continue;
        return errno == EAGAIN ? 0 : -1;
    }
}

bool TSerialPort::Write(const std::uint8_t* data, std::size_t size, unsigned timeoutMs)
{
    if (Fd < 0)
        return false;
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(Fd, data + done, size - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            return false;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd p { Fd, POLLOUT, 0 };
        if (::poll(&p, 1, static_cast<int>(left)) < 0 && errno != EINTR)
            return false;
    }
    return true;
}

void TSerialPort::Purge()
{
    if (Fd >= 0)
        ::tcflush(Fd, TCIOFLUSH);
}

std::uint32_t TSerialPort::GetBaudRate() const
{
    termios tio {};
    if (Fd < 0 || ::tcgetattr(Fd, &tio) != 0)
        return 0;
    const speed_t speed = ::cfgetospeed(&tio);
    for (const auto& e : Speeds)
        if (e.Speed == speed)
            return e.Baud;
    return 0;
}

} // namespace vcl
