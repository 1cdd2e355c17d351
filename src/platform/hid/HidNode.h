#pragma once
// Opens, reads and writes a HID device node (a hidraw character device or a stand-in socket).

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/types.h>

namespace hidraw
{

enum class NodeAccess { None, Read, Write, ReadWrite };

// Returns a file descriptor or -1 with errno set. None opens for attribute queries only.
int OpenNode(const std::string& path, NodeAccess access);
void CloseNode(int fd);

// Whether the device behind fd prefixes its reports with a report ID (from its report descriptor).
bool NodeUsesReportIds(int fd);

// Writes one report whose first byte is the report ID; the node takes it as it comes (the driver
// drops an ID of 0 for a device without numbered reports). Returns bytes written or -1.
ssize_t WriteReport(int fd, const uint8_t* report, size_t length);

// Reads one report into buffer with the report ID in byte 0: for a device without numbered
// reports, a 0 is put in front of what the node delivers. Returns bytes in buffer, 0 at end of
// stream, or -1 with errno set.
ssize_t ReadReport(int fd, uint8_t* buffer, size_t length, bool numbered);

// Waits at most timeoutMs for the node to become readable: 1 readable, 0 time-out, -1 error or
// hang-up (the device is gone).
int WaitReadable(int fd, int timeoutMs);

} // namespace hidraw
