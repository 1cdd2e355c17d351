#include "support/FakeHid.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace fakehid
{

namespace
{

void WriteFile(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

} // namespace

Bytes VendorDescriptor(uint16_t dataBytes, bool numbered)
{
    Bytes d = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01};  // vendor page, usage 1, application
    if (numbered)
        d.insert(d.end(), {0x85, 0x01});  // report ID 1
    d.insert(d.end(), {0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08});  // 0..255, 8 bits
    d.insert(d.end(), {0x96, uint8_t(dataBytes & 0xFF), uint8_t(dataBytes >> 8), 0x09, 0x01, 0x81, 0x02});
    d.insert(d.end(), {0x96, uint8_t(dataBytes & 0xFF), uint8_t(dataBytes >> 8), 0x09, 0x01, 0x91, 0x02});
    d.push_back(0xC0);
    return d;
}

Device::Device(std::string node, std::string path, DeviceSpec spec)
    : m_node(std::move(node)), m_path(std::move(path)), m_spec(std::move(spec))
{
}

Device::~Device()
{
    Stop();
}

bool Device::Start()
{
    sockaddr_un addr {};
    if (m_path.size() >= sizeof addr.sun_path)
        return false;
    m_listen = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_listen < 0)
        return false;
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, m_path.c_str(), m_path.size());
    if (bind(m_listen, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || listen(m_listen, 8) != 0
        || pipe2(m_wake, O_CLOEXEC) != 0) {
        close(m_listen);
        m_listen = -1;
        return false;
    }
    m_thread = std::thread([this] { Run(); });
    return true;
}

void Device::Stop()
{
    if (m_thread.joinable()) {
        char c = 0;
        (void)!write(m_wake[1], &c, 1);
        m_thread.join();
    }
    std::lock_guard guard(m_mutex);
    for (int fd : m_clients)
        close(fd);
    m_clients.clear();
    for (int& fd : {std::ref(m_listen), std::ref(m_wake[0]), std::ref(m_wake[1])}) {
        if (fd >= 0)
            close(fd);
        fd = -1;
    }
}

void Device::Run()
{
    for (;;) {
        std::vector<pollfd> fds = {{m_wake[0], POLLIN, 0}, {m_listen, POLLIN, 0}};
        {
            std::lock_guard guard(m_mutex);
            for (int fd : m_clients)
                fds.push_back({fd, POLLIN, 0});
        }
        if (poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[0].revents)
            return;
        if (fds[1].revents & POLLIN) {
            std::lock_guard guard(m_mutex);
            AcceptPendingLocked();
        }
        for (size_t i = 2; i < fds.size(); ++i) {
            if (!fds[i].revents)
                continue;
            uint8_t buffer[4096];
            ssize_t n = recv(fds[i].fd, buffer, sizeof buffer, MSG_DONTWAIT);
            if (n <= 0) {
                if (n < 0 && (errno == EAGAIN || errno == EINTR))
                    continue;
                std::lock_guard guard(m_mutex);
                close(fds[i].fd);
                m_clients.erase(std::remove(m_clients.begin(), m_clients.end(), fds[i].fd), m_clients.end());
                continue;
            }
            Bytes report(buffer, buffer + n);
            std::function<Bytes(const Bytes&)> responder;
            {
                std::lock_guard guard(m_mutex);
                m_outputs.push_back(report);
                responder = m_responder;
                m_cond.notify_all();
            }
            // The driver drops a leading report ID 0 before the data goes on the wire.
            Bytes data = report;
            if (!m_spec.numbered && !data.empty() && data[0] == 0)
                data.erase(data.begin());
            if (responder)
                Answer(responder(data));
        }
    }
}

void Device::Answer(const Bytes& reply)
{
    size_t at = 0;
    while (at < reply.size()) {
        size_t length = m_spec.inputDataBytes;
        if (reply.size() - at >= 5 && reply[at] == 0x10 && reply[at + 1] == 0x02)
            length = size_t(reply[at + 4]) + 8;
        length = std::min({length, reply.size() - at, size_t(m_spec.inputDataBytes)});
        SendInput(Bytes(reply.begin() + long(at), reply.begin() + long(at + length)));
        at += length;
    }
}

void Device::SendInput(const Bytes& data)
{
    Bytes report;
    if (m_spec.numbered)
        report.push_back(1);
    report.insert(report.end(), data.begin(), data.end());
    report.resize((m_spec.numbered ? 1 : 0) + m_spec.inputDataBytes, 0);
    Broadcast(report);
}

void Device::AcceptPendingLocked()
{
    for (;;) {
        int fd = accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            return;
        m_clients.push_back(fd);
    }
}

void Device::Broadcast(const Bytes& report)
{
    std::lock_guard guard(m_mutex);
    // A handle opened a moment ago may still wait in the listen queue; it is open all the same.
    AcceptPendingLocked();
    // Like hidraw, every open handle gets its own copy; a handle that never reads drops reports.
    for (int fd : m_clients)
        send(fd, report.data(), report.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
}

void Device::SetResponder(std::function<Bytes(const Bytes&)> responder)
{
    std::lock_guard guard(m_mutex);
    m_responder = std::move(responder);
}

std::vector<Bytes> Device::Outputs() const
{
    std::lock_guard guard(m_mutex);
    return m_outputs;
}

bool Device::WaitForOutputs(size_t count, int timeoutMs) const
{
    std::unique_lock lock(m_mutex);
    return m_cond.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return m_outputs.size() >= count; });
}

Root::Root()
{
    char pattern[] = "/tmp/zq9hid.XXXXXX";
    const char* dir = mkdtemp(pattern);
    m_path = dir ? dir : "/tmp/zq9hid.fallback";
    fs::create_directories(m_path + "/dev");
    fs::create_directories(m_path + "/sys/class/hidraw");
    fs::create_directories(m_path + "/sys/devices");
    setenv("ZQ9_HID_ROOT", m_path.c_str(), 1);
}

Root::~Root()
{
    while (!m_devices.empty())
        Unplug(m_devices.back().get());
    std::error_code ec;
    fs::remove_all(m_path, ec);
    unsetenv("ZQ9_HID_ROOT");
}

std::string Root::MakeEntry(const DeviceSpec& spec, std::string& node)
{
    node = "hidraw" + std::to_string(m_nextNode++);
    char instance[64];
    std::snprintf(instance, sizeof instance, "0003:%04X:%04X.%04X", spec.vendor, spec.product, m_nextInstance++);
    const fs::path usb = fs::path(m_path) / "sys/devices" / ("usb-" + std::string(instance));
    const fs::path hid = usb / instance;
    fs::create_directories(hid);
    WriteFile(usb / "manufacturer", spec.manufacturer + "\n");
    WriteFile(usb / "product", spec.productName + "\n");
    WriteFile(usb / "serial", spec.serial + "\n");
    char version[16];
    std::snprintf(version, sizeof version, "%04x\n", spec.version);
    WriteFile(usb / "bcdDevice", version);
    char id[64];
    std::snprintf(id, sizeof id, "HID_ID=0003:%08X:%08X\n", spec.vendor, spec.product);
    WriteFile(hid / "uevent", "DRIVER=hid-generic\n" + std::string(id) + "HID_NAME=" + spec.name
                                  + "\nHID_PHYS=usb-fake/input0\nHID_UNIQ=" + spec.serial + "\n");
    WriteFile(hid / "report_descriptor", std::string(spec.descriptor.begin(), spec.descriptor.end()));
    const fs::path entry = fs::path(m_path) / "sys/class/hidraw" / node;
    fs::create_directories(entry);
    WriteFile(entry / "uevent", "MAJOR=240\nMINOR=0\nDEVNAME=" + node + "\n");
    fs::create_symlink(hid, entry / "device");
    return (fs::path(m_path) / "dev" / node).string();
}

Device* Root::Plug(const DeviceSpec& spec)
{
    std::string node;
    std::string path = MakeEntry(spec, node);
    std::unique_ptr<Device> device(new Device(node, path, spec));
    if (!device->Start())
        return nullptr;
    m_devices.push_back(std::move(device));
    return m_devices.back().get();
}

void Root::PlugDead(const DeviceSpec& spec)
{
    std::string node;
    MakeEntry(spec, node);
}

void Root::Unplug(Device* device)
{
    auto it = std::find_if(m_devices.begin(), m_devices.end(), [&](const auto& d) { return d.get() == device; });
    if (it == m_devices.end())
        return;
    device->Stop();
    std::error_code ec;
    const fs::path entry = fs::path(m_path) / "sys/class/hidraw" / device->NodeName();
    const fs::path hid = fs::read_symlink(entry / "device", ec);
    fs::remove_all(entry, ec);
    if (!hid.empty())
        fs::remove_all(hid.parent_path(), ec);
    fs::remove(device->NodePath(), ec);
    m_devices.erase(it);
}

} // namespace fakehid
