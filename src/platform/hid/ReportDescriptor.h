#pragma once
// Report sizes and top-level usage of a HID report descriptor.

#include <cstdint>
#include <vector>

namespace hidraw
{

struct ReportLayout
{
    uint16_t usage = 0;
    uint16_t usagePage = 0;
    // Longest report of each type in bytes, the report-ID byte included (0 when the type has none).
    uint16_t inputLength = 0;
    uint16_t outputLength = 0;
    uint16_t featureLength = 0;
    uint16_t collections = 0;
    bool numbered = false;  // the device prefixes its reports with a report ID
};

// Walks the items of a descriptor; a truncated item ends the walk with what was read so far.
ReportLayout ParseReportDescriptor(const std::vector<uint8_t>& descriptor);

} // namespace hidraw
