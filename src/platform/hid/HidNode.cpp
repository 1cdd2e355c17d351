#include "platform/hid/HidNode.h"

#include "platform/hid/HidSysfs.h"
#include "platform/hid/ReportDescriptor.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace hidraw
{

int OpenNode(const std::string& path, NodeAccess access)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return -1;
    if (S_ISSOCK(st.st_mode)) {
        sockaddr_un addr {};
        if (path.size() >= sizeof addr.sun_path) {
            errno = ENAMETOOLONG;
            return -1;
        }
        int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return -1;
        addr.sun_family = AF_UNIX;
        std::memcpy(addr.sun_path, path.c_str(), path.size());
        if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
            int e = errno;
            close(fd);
            errno = e;
            return -1;
        }
        return fd;
    }
    int flags = O_CLOEXEC | O_NOCTTY;
    switch (access) {
    case NodeAccess::None: flags |= O_PATH; break;
    case NodeAccess::Read: flags |= O_RDONLY; break;
    case NodeAccess::Write: flags |= O_WRONLY; break;
    case NodeAccess::ReadWrite: flags |= O_RDWR; break;
    }
    return open(path.c_str(), flags);
}

void CloseNode(int fd)
{
    if (fd >= 0)
        close(fd);
}

bool NodeUsesReportIds(int fd)
{
    auto itf = FindByHandle(fd);
    return itf && ParseReportDescriptor(ReadReportDescriptor(*itf)).numbered;
}

ssize_t WriteReport(int fd, const uint8_t* report, size_t length)
{
    ssize_t n;
    do {
        n = write(fd, report, length);
    } while (n < 0 && errno == EINTR);
    return n;
}

ssize_t ReadReport(int fd, uint8_t* buffer, size_t length, bool numbered)
{
    if (length == 0)
        return 0;
    uint8_t* target = numbered ? buffer : buffer + 1;
    const size_t room = numbered ? length : length - 1;
    ssize_t n;
    do {
        n = read(fd, target, room);
    } while (n < 0 && errno == EINTR);
    if (n <= 0 || numbered)
        return n;
    buffer[0] = 0;
    return n + 1;
}

int WaitReadable(int fd, int timeoutMs)
{
    pollfd p {fd, POLLIN, 0};
    int r;
    do {
        r = poll(&p, 1, timeoutMs);
    } while (r < 0 && errno == EINTR);
    if (r < 0)
        return -1;
    if (r == 0)
        return 0;
    if (p.revents & POLLIN)
        return 1;
    errno = ENODEV;
    return -1;
}

} // namespace hidraw
