#include "transport/hid/HidUsbReport.h"

#include "transport/hid/TJvHidDevice.h"

#include <algorithm>

namespace HidUsbReport
{

std::vector<uint8_t> BuildOutputReport(const uint8_t* frame, unsigned count, unsigned outputLength)
{
    if (outputLength < count + 1)
        return {};
    std::vector<uint8_t> report(outputLength, 0);
    std::copy(frame, frame + count, report.begin() + 1);
    return report;
}

unsigned FrameBytes(const uint8_t* data, unsigned size)
{
    unsigned count = size > 4 ? std::min(size, unsigned(data[4]) + 8) : size;
    return std::min(count, MaxReceiveBlock);
}

bool WriteFrame(TJvHidDevice* device, const uint8_t* frame, unsigned count)
{
    if (!device)
        return false;
    const std::vector<uint8_t> report = BuildOutputReport(frame, count, device->GetCaps().OutputReportByteLength);
    if (report.empty())
        return false;
    uint32_t written = 0;
    return device->WriteFile(report.data(), uint32_t(report.size()), written) && written == report.size();
}

} // namespace HidUsbReport
