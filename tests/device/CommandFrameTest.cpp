#include "device/CM_MCS.h"
#include "device/LCmd.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Hex(const BytePacket& bytes)
{
    std::ostringstream out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char buf[4];
        std::snprintf(buf, sizeof buf, "%02X", bytes[i]);
        out << (i ? " " : "") << buf;
    }
    return out.str();
}

BytePacket FromHex(const std::string& text)
{
    BytePacket out;
    std::istringstream in(text);
    std::string tok;
    while (in >> tok)
        out.push_back(static_cast<std::uint8_t>(std::stoul(tok, nullptr, 16)));
    return out;
}

template <std::size_t N> std::array<std::uint8_t, N> Text(const char* s)
{
    std::array<std::uint8_t, N> a {};
    for (std::size_t i = 0; i < N && s[i]; ++i)
        a[i] = static_cast<std::uint8_t>(s[i]);
    return a;
}

struct FrameCase
{
    const char* name;
    std::function<std::unique_ptr<LCmd>()> make;
    const char* frame;
};

} // namespace

// Every request class at device ID 1, with the exact bytes the device expects.
TEST(CommandFrames, EveryCommandClassRendersItsExactFrame)
{
    const std::uint8_t eeprom[] = {0xAA, 0xBB, 0xCC, 0xDD};
    const std::uint8_t block[] = {0x10, 0x03};
    const std::vector<FrameCase> cases = {
        {"MCU_RESET", [] { return std::make_unique<CM_MCS_MCU_RESET>(1); }, "10 02 00 01 01 04 10 03 05"},
        {"DELAYUNIT", [] { return std::make_unique<CM_MCS_DELAYUNIT>(1, 2); }, "10 02 00 01 02 15 02 10 03 15"},
        {"READ_EEPROM", [] { return std::make_unique<CM_MCS_READ_EEPROM>(1, 0, 18); },
         "10 02 00 01 04 19 00 00 12 10 03 0F"},
        {"WRITE_EEPROM", [&] { return std::make_unique<CM_MCS_WRITE_EEPROM>(1, 1, 3, eeprom); },
         "10 02 00 01 07 1A 01 00 03 AA BB CC 10 03 C2"},
        // Block number before record index; payload bytes 0x10 0x03 stand unescaped.
        {"DOWNLOAD", [&] { return std::make_unique<CM_MCS_DOWNLOAD>(1, 29, 14, 2, block); },
         "10 02 00 01 05 25 0E 1D 10 03 10 03 20"},
        {"PRESETNAME", [] { return std::make_unique<CM_MCS_PRESETNAME>(1, Text<14>("Default Preset")); },
         "10 02 00 01 0F 26 44 65 66 61 75 6C 74 20 50 72 65 73 65 74 10 03 67"},
        // A short password is zero-padded to four characters.
        {"PASS_SUBMIT", [] { return std::make_unique<CM_MCS_PASS_SUBMIT>(1, 0, "12"); },
         "10 02 00 01 06 2D 00 31 32 00 00 10 03 28"},
        {"SET_LOCK", [] { return std::make_unique<CM_MCS_SET_LOCK>(1, "432199"); },
         "10 02 00 01 05 2F 34 33 32 31 10 03 2E"},
        {"COMP", [] { return std::make_unique<CM_MCS_COMP>(1, 2, CompParams {15, 12, 49, 499, 220}); },
         "10 02 00 01 0A 30 02 0F 0C 31 00 F3 01 DC 00 10 03 24"},
        {"LOW_PASS", [] { return std::make_unique<CM_MCS_LOW_PASS>(1, 3, 300, 20); },
         "10 02 00 01 05 31 03 2C 01 14 10 03 0E"},
        {"HIGH_PASS", [] { return std::make_unique<CM_MCS_HIGH_PASS>(1, 3, 300, 20); },
         "10 02 00 01 05 32 03 2C 01 14 10 03 0D"},
        {"PEQ", [] { return std::make_unique<CM_MCS_PEQ>(1, 7, 8, PeqBand {240, 285, 100, 6}, true); },
         "10 02 00 01 0A 33 07 08 F0 00 1D 01 64 06 01 10 03 B9"},
        {"GAIN", [] { return std::make_unique<CM_MCS_GAIN>(1, 2, 280); }, "10 02 00 01 04 34 02 18 01 10 03 2B"},
        {"MUTE", [] { return std::make_unique<CM_MCS_MUTE>(1, 1, 1); }, "10 02 00 01 03 35 01 01 10 03 36"},
        {"POLARITY", [] { return std::make_unique<CM_MCS_POLARITY>(1, 4, 5); }, "10 02 00 01 03 36 04 01 10 03 30"},
        {"DELAY", [] { return std::make_unique<CM_MCS_DELAY>(1, 5, 65280); }, "10 02 00 01 04 38 05 00 FF 10 03 C6"},
        {"WORK_MODE", [] { return std::make_unique<CM_MCS_WORK_MODE>(1, 3, 30); },
         "10 02 00 01 03 39 03 1E 10 03 27"},
        {"MATRIX", [] { return std::make_unique<CM_MCS_MATRIX>(1, 7, 0x0103); }, "10 02 00 01 03 3A 07 03 10 03 3D"},
        {"CHANNEL_NAME", [] { return std::make_unique<CM_MCS_CHANNEL_NAME>(1, 0, Text<8>("InA")); },
         "10 02 00 01 0A 3D 00 49 6E 41 00 00 00 00 00 10 03 51"},
        {"GATE", [] { return std::make_unique<CM_MCS_GATE>(1, 1, GateParams {0, 99, 99, 180}); },
         "10 02 00 01 0A 3E 01 00 00 63 00 63 00 B4 00 10 03 81"},
        {"CMD connect", [] { return std::make_unique<CM_MCS_CMD>(1, 0x10); }, "10 02 00 01 01 10 10 03 11"},
        {"CMD keep-alive", [] { return std::make_unique<LCmd>(1, 0x12); }, "10 02 00 01 01 12 10 03 13"},
        {"CMD recall", [] { return std::make_unique<CM_MCS_CMD>(1, 0x20, 30); }, "10 02 00 01 02 20 1E 10 03 3C"},
        {"CMD link", [] { return std::make_unique<CM_MCS_CMD>(1, 0x3B, 3, 0x0024); },
         "10 02 00 01 03 3B 03 24 10 03 1F"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Hex(c.make()->ToBytes(true)), c.frame) << c.name;
}

TEST(CommandFrames, PolarityNormalisesAndBarePayloadRendering)
{
    EXPECT_EQ(Hex(CM_MCS_POLARITY(1, 2, 0).ToBytes(false)), "02 00");
    EXPECT_EQ(Hex(CM_MCS_GAIN(1, 2, 280).ToBytes(false)), "02 18 01");
    EXPECT_TRUE(CM_MCS_MCU_RESET(1).ToBytes(false).empty());
    // The address is the receiver's byte; the sender's byte stays 0.
    const BytePacket f = CM_MCS_CMD(0x1FE, 0x11).ToBytes(true);
    EXPECT_EQ(f[2], 0x00);
    EXPECT_EQ(f[3], 0xFE);
}

TEST(CommandFrames, OverlongPayloadIsRefused)
{
    std::vector<std::uint8_t> data(300, 0x55);
    EXPECT_EQ(CM_MCS_DOWNLOAD(1, 0, 0, 252, data).ToBytes(true).size(), 254u + 9u);
    EXPECT_TRUE(CM_MCS_DOWNLOAD(1, 0, 0, 253, data).ToBytes(true).empty());
    EXPECT_TRUE(CM_MCS_DOWNLOAD(1, 0, 0, 0xFFFFFFFFu, data).ToBytes(true).empty());
    // Data shorter than the count is padded, never read past.
    EXPECT_EQ(Hex(CM_MCS_WRITE_EEPROM(1, 1, 200, std::span<const std::uint8_t>()).ToBytes(false)).size(),
              (203u * 3u) - 1u);
}

TEST(ReceivedFrame, ParsesAddressCodeAndPayload)
{
    struct Case
    {
        const char* bytes;
        int address;
        int command;
        const char* payload;
    };
    const Case cases[] = {
        {"10 02 01 00 04 24 0E AA BB 10 03 00", 1, 0x24, "0E AA BB"}, // wrong check byte is not examined
        {"10 02 00 01 01 01 10 03 11", 0, 0x01, ""},                   // device ID only in byte 3
        {"10 02 01 00 02 14 07 10 04 00", 0, 0x10, "07"},              // misplaced closing bytes: foreign
        {"10 02 01 00 00 01 10 03 00", 1, 0x01, ""},                   // length byte 0: no payload
        {"10 02 01 00 00 10 03 12", 1, 0x10, ""},                       // length byte 0 cut to 8 bytes
        {"10 02 01 00 FF 24 01 02 10 03 00", 1, 0x24, "01 02"},         // length beyond the bytes: cut
        {"11 02 01 00 FF 24 01 02 10 03 00", 0, 0x11, "01 02 10 03 00"}, // foreign: cut at the last byte
        {"10 02 01", 0, 0x10, ""},                                      // too short to be a frame
        {"", 0, 0x00, ""},
    };
    for (const auto& c : cases) {
        const BytePacket raw = FromHex(c.bytes);
        const LCmd cmd(raw, true);
        EXPECT_EQ(cmd.GetAddress(), c.address) << c.bytes;
        EXPECT_EQ(cmd.GetCommand(), c.command) << c.bytes;
        EXPECT_EQ(Hex(cmd.GetPayload()), c.payload) << c.bytes;
    }
}

TEST(ReceivedFrame, RoundTripsARenderedCommand)
{
    const CM_MCS_PEQ sent(9, 3, 2, PeqBand {97, 170, 16, 1}, false);
    const LCmd back(sent.ToBytes(true), true);
    EXPECT_EQ(back.GetAddress(), 0); // byte 2 is the sender, 0 for the computer
    EXPECT_EQ(back.GetCommand(), 0x33);
    EXPECT_EQ(back.GetPayload(), sent.GetPayload());
}
