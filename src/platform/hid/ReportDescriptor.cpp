#include "platform/hid/ReportDescriptor.h"

#include <algorithm>
#include <map>
#include <utility>

namespace hidraw
{

namespace
{

struct Globals
{
    uint32_t usagePage = 0;
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint32_t reportId = 0;
};

// Lengths are clamped to 0xFFFF bytes, so counting further bits would change nothing; stopping the
// sums there keeps a descriptor's huge sizes and counts from wrapping them round to small lengths.
constexpr uint64_t kMaxReportBits = uint64_t(0xFFFF) * 8;

void AddBits(uint64_t& total, uint32_t size, uint32_t count)
{
    const uint64_t bits = std::min<uint64_t>(uint64_t(size) * count, kMaxReportBits);
    total = std::min(total + bits, kMaxReportBits);
}

uint16_t ByteLength(const std::map<uint32_t, uint64_t>& bitsById)
{
    uint64_t longest = 0;
    for (const auto& [id, bits] : bitsById)
        longest = std::max(longest, bits);
    if (bitsById.empty())
        return 0;
    // Every report carries its report-ID byte, 0 when the device numbers none.
    return uint16_t(std::min<uint64_t>((longest + 7) / 8 + 1, 0xFFFF));
}

} // namespace

ReportLayout ParseReportDescriptor(const std::vector<uint8_t>& d)
{
    ReportLayout layout;
    Globals g;
    std::vector<Globals> stack;
    std::map<uint32_t, uint64_t> bits[3];  // input, output, feature
    uint32_t firstUsage = 0;
    bool haveUsage = false;
    bool topSeen = false;
    size_t i = 0;
    while (i < d.size()) {
        const uint8_t prefix = d[i];
        if (prefix == 0xFE) {  // long item: size, tag, data
            if (i + 1 >= d.size())
                break;
            i += 3 + d[i + 1];
            continue;
        }
        static constexpr size_t sizes[4] = {0, 1, 2, 4};
        const size_t size = sizes[prefix & 3];
        if (i + 1 + size > d.size())
            break;
        uint32_t value = 0;
        for (size_t k = 0; k < size; ++k)
            value |= uint32_t(d[i + 1 + k]) << (8 * k);
        const int type = (prefix >> 2) & 3;
        const int tag = prefix >> 4;
        i += 1 + size;
        if (type == 0) {  // main
            if (tag == 0x8 || tag == 0x9 || tag == 0xB) {
                const int kind = tag == 0x8 ? 0 : tag == 0x9 ? 1 : 2;
                AddBits(bits[kind][g.reportId], g.reportSize, g.reportCount);
            } else if (tag == 0xA) {
                if (layout.collections < 0xFFFF)
                    ++layout.collections;
                if (!topSeen) {
                    topSeen = true;
                    layout.usagePage = uint16_t(g.usagePage);
                    layout.usage = uint16_t(firstUsage);
                }
            }
            haveUsage = false;
            firstUsage = 0;
        } else if (type == 1) {  // global
            switch (tag) {
            case 0x0: g.usagePage = value; break;
            case 0x7: g.reportSize = value; break;
            case 0x8: g.reportId = value; layout.numbered = true; break;
            case 0x9: g.reportCount = value; break;
            case 0xA: stack.push_back(g); break;
            case 0xB:
                if (!stack.empty()) {
                    g = stack.back();
                    stack.pop_back();
                }
                break;
            default: break;
            }
        } else if (type == 2 && tag == 0x0 && !haveUsage) {  // first local usage
            firstUsage = size == 4 ? (value & 0xFFFF) : value;
            haveUsage = true;
        }
    }
    layout.inputLength = ByteLength(bits[0]);
    layout.outputLength = ByteLength(bits[1]);
    layout.featureLength = ByteLength(bits[2]);
    return layout;
}

} // namespace hidraw
