#pragma once
// Device frames as HID reports: each frame goes out as one output report, each input report
// carries one frame.

#include <cstdint>
#include <vector>

class TJvHidDevice;

namespace HidUsbReport
{

// The largest block the USB transport takes from one input report.
constexpr unsigned MaxReceiveBlock = 128;

// Report ID 0, the frame, then zeros up to outputLength bytes; empty when the frame does not fit.
std::vector<uint8_t> BuildOutputReport(const uint8_t* frame, unsigned count, unsigned outputLength);

// How many of an input report's data bytes belong to its frame: byte 4 + 8, but never more than
// arrived, nor more than the transport takes at once.
unsigned FrameBytes(const uint8_t* data, unsigned size);

// Writes the frame to the device as one output report of the device's output length. Writes
// nothing (false) without a device, or when the frame does not fit the report. Any thread.
bool WriteFrame(TJvHidDevice* device, const uint8_t* frame, unsigned count);

} // namespace HidUsbReport
