#pragma once
// Finds HID interfaces in sysfs and maps an open device node back to its sysfs entry.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace hidraw
{

// The root every sysfs and device path is taken under: $ZQ9_HID_ROOT, or empty for the real system.
std::string Root();

struct Interface
{
    std::string nodeName;    // "hidraw0"
    std::string classDir;    // <root>/sys/class/hidraw/hidraw0
    std::string deviceDir;   // classDir/device
    std::string instance;    // name of the HID device the entry points at, e.g. "0003:0168:0821.0004"
    std::string devicePath;  // <root>/dev/hidraw0
    uint16_t bus = 0;
    uint16_t vendor = 0;
    uint16_t product = 0;
    uint16_t version = 0;
    std::string name;        // HID_NAME
    std::string uniq;        // HID_UNIQ
    std::string phys;        // HID_PHYS
    std::string driver;      // DRIVER
    std::string manufacturer;
    std::string productName;
    std::string serial;
};

// Present interfaces in node-number order.
std::vector<Interface> Enumerate();
std::optional<Interface> FindByNodeName(const std::string& nodeName);
// The interface an open device node (character device or stand-in socket) belongs to.
std::optional<Interface> FindByHandle(int fd);

std::vector<uint8_t> ReadReportDescriptor(const Interface& itf);
bool ReadTextFile(const std::string& path, std::string& text);

} // namespace hidraw
