#pragma once
// The serial ports of this machine under "COMn" names, read from sysfs at each call.

#include <optional>
#include <string>
#include <vector>

namespace vcl {

struct TSerialPortEntry
{
    std::string Name; // "COM1", "COM2", ...
    std::string Path; // the device node, "/dev/ttyUSB0"
    int Number { 0 };
};

// Every serial device with a driver behind it, consoles and ports of unknown type left out, numbered
// COM1, COM2, ... in a stable order: on-board ports (ttyS) by their number, then the others by driver
// name and number. ZQ9_SERIAL_PORTS ("COM3=/dev/pts/4;COM7=/dev/pts/5") replaces the list.
std::vector<TSerialPortEntry> ListSerialPorts();

// The device node for "COMn" or "\\.\COMn", empty when the list has no such port.
std::string SerialPortPath(const std::string& name);

// Test seams: read sysfs below another root ("" for the real one); replace the list outright.
void SetSerialSysfsRoot(const std::string& root);
void SetSerialPortOverride(std::optional<std::vector<TSerialPortEntry>> ports);

} // namespace vcl
