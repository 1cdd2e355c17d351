#pragma once
// A fake HID root for tests: a sysfs tree with hidraw entries, and a SOCK_SEQPACKET socket per
// device standing in for /dev/hidrawN, which answers output reports through a byte-stream handler.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace fakehid
{

using Bytes = std::vector<uint8_t>;

// A vendor-defined report descriptor: one input and one output report of dataBytes bytes each,
// optionally numbered with report ID 1.
Bytes VendorDescriptor(uint16_t dataBytes, bool numbered = false);

struct DeviceSpec
{
    uint16_t vendor = 0x0168;
    uint16_t product = 0x0821;
    uint16_t version = 0x0100;
    std::string name = "ZQ9 DSP";
    std::string manufacturer = "ZQ9";
    std::string productName = "ZQ9 DSP Processor";
    std::string serial = "0001";
    Bytes descriptor = VendorDescriptor(64);
    uint16_t inputDataBytes = 64;  // data bytes of one input report (report ID not counted)
    bool numbered = false;
};

// One plugged fake device; lives until its root unplugs it.
class Device
{
public:
    ~Device();

    // Called on the device's own thread with each output report's data (the report-ID byte
    // already taken off, as the driver does for ID 0); the bytes returned go back as input
    // reports, one frame per report (frames found by the 0x10 0x02 header and length byte).
    void SetResponder(std::function<Bytes(const Bytes&)> responder);
    // Sends one input report carrying data (padded with zeros to the report size).
    void SendInput(const Bytes& data);
    // Sends report as it is, without padding (a short report).
    void SendRawInput(const Bytes& report) { Broadcast(report); }
    // Every output report as written to the node, report-ID byte included.
    std::vector<Bytes> Outputs() const;
    bool WaitForOutputs(size_t count, int timeoutMs) const;
    const std::string& NodeName() const { return m_node; }
    const std::string& NodePath() const { return m_path; }

private:
    friend class Root;
    Device(std::string node, std::string path, DeviceSpec spec);
    bool Start();
    void Stop();
    void Run();
    void Broadcast(const Bytes& report);
    // Takes every connection waiting on the node into the list of open handles; m_mutex held.
    void AcceptPendingLocked();
    void Answer(const Bytes& reply);

    std::string m_node;
    std::string m_path;
    DeviceSpec m_spec;
    int m_listen = -1;
    int m_wake[2] = {-1, -1};
    std::thread m_thread;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_cond;
    std::vector<int> m_clients;
    std::vector<Bytes> m_outputs;
    std::function<Bytes(const Bytes&)> m_responder;
};

class Root
{
public:
    // Makes a fresh tree under a temporary folder and points $ZQ9_HID_ROOT at it.
    Root();
    // Unplugs every device, removes the tree and clears $ZQ9_HID_ROOT.
    ~Root();

    const std::string& Path() const { return m_path; }
    // Adds a device: sysfs entry first, then its node socket. Null when the socket cannot be made.
    Device* Plug(const DeviceSpec& spec = {});
    // Removes a device: its connections end, then its sysfs entry and node go.
    void Unplug(Device* device);
    // Adds a sysfs entry whose node cannot be opened (no socket behind it).
    void PlugDead(const DeviceSpec& spec = {});

private:
    std::string MakeEntry(const DeviceSpec& spec, std::string& node);

    std::string m_path;
    int m_nextNode = 0;
    int m_nextInstance = 1;
    std::vector<std::unique_ptr<Device>> m_devices;
};

} // namespace fakehid
