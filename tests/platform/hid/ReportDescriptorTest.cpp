// Report sizes from report descriptors, the report-ID byte counted in every length.

#include "platform/hid/ReportDescriptor.h"
#include "support/FakeHid.h"

#include <gtest/gtest.h>

using hidraw::ParseReportDescriptor;

namespace
{

TEST(ReportDescriptor, LengthsCountTheReportIdByte)
{
    struct Case
    {
        const char* what;
        std::vector<uint8_t> descriptor;
        uint16_t input, output, feature;
        bool numbered;
    } cases[] = {
        {"vendor 64/64 without IDs", fakehid::VendorDescriptor(64), 65, 65, 0, false},
        {"vendor 64/64 with ID 1", fakehid::VendorDescriptor(64, true), 65, 65, 0, true},
        {"vendor 8/8", fakehid::VendorDescriptor(8), 9, 9, 0, false},
        // Two input reports of 3 and 7 bytes under IDs 1 and 2, plus a 4-byte feature report.
        {"longest report wins",
         {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x75, 0x08, 0x85, 0x01, 0x95, 0x03, 0x81, 0x02, 0x85, 0x02, 0x95,
          0x07, 0x81, 0x02, 0x95, 0x04, 0xB1, 0x02, 0xC0},
         8, 0, 5, true},
        // 1-bit fields round up to whole bytes.
        {"bits round up", {0x75, 0x01, 0x95, 0x05, 0x81, 0x02}, 2, 0, 0, false},
        // Push/pop restore the report size and count.
        {"push and pop",
         {0x75, 0x08, 0x95, 0x02, 0xA4, 0x95, 0x10, 0x91, 0x02, 0xB4, 0x81, 0x02}, 3, 17, 0, false},
        {"empty", {}, 0, 0, 0, false},
        // A truncated item ends the walk with what was read.
        {"truncated", {0x75, 0x08, 0x95, 0x04, 0x81, 0x02, 0x96, 0x40}, 5, 0, 0, false},
        // Huge sizes and counts saturate at the longest length instead of wrapping round: these
        // three fields add up to 2^64 + 16 bits.
        {"sums saturate",
         {0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x02, 0x77, 0x00, 0x00, 0x00, 0x80, 0x95,
          0x04, 0x81, 0x02, 0x75, 0x0F, 0x95, 0x01, 0x81, 0x02},
         0xFFFF, 0, 0, false},
        {"one huge field", {0x77, 0x00, 0x00, 0x10, 0x00, 0x95, 0x01, 0x91, 0x02}, 0, 0xFFFF, 0, false},
        // A long item is skipped whole.
        {"long item", {0xFE, 0x02, 0x10, 0xAA, 0xBB, 0x75, 0x08, 0x95, 0x02, 0x81, 0x02}, 3, 0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto layout = ParseReportDescriptor(c.descriptor);
        EXPECT_EQ(layout.inputLength, c.input);
        EXPECT_EQ(layout.outputLength, c.output);
        EXPECT_EQ(layout.featureLength, c.feature);
        EXPECT_EQ(layout.numbered, c.numbered);
    }
}

TEST(ReportDescriptor, TopCollectionGivesUsageAndPage)
{
    const auto layout = ParseReportDescriptor(fakehid::VendorDescriptor(64));
    EXPECT_EQ(layout.usagePage, 0xFF00);
    EXPECT_EQ(layout.usage, 1);
    EXPECT_EQ(layout.collections, 1);
}

} // namespace
