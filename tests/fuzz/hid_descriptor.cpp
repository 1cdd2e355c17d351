// HID report descriptors as a device hands them over. Lengths only ever grow as items are added,
// so every leading part of a descriptor gives lengths no longer than the whole (a sum that wraps
// round breaks this), and each length stays within a report the layer can allocate.

#include "FuzzSupport.h"
#include "platform/hid/ReportDescriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> whole(data, data + size);
    const hidraw::ReportLayout all = hidraw::ParseReportDescriptor(whole);
    for (const std::size_t cut : { size / 2, size > 0 ? size - 1 : 0 }) {
        const std::vector<std::uint8_t> part(data, data + cut);
        const hidraw::ReportLayout some = hidraw::ParseReportDescriptor(part);
        fuzz::Require(some.inputLength <= all.inputLength, "input length grows with the descriptor");
        fuzz::Require(some.outputLength <= all.outputLength, "output length grows with the descriptor");
        fuzz::Require(some.featureLength <= all.featureLength, "feature length grows with the descriptor");
        fuzz::Require(some.collections <= all.collections, "collections grow with the descriptor");
    }
    return 0;
}
