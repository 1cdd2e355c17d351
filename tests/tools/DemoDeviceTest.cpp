#include "DemoDevice.h"
#include "EmulatorOptions.h"

#include "device/Constants.h"
#include "device/McsCodes.h"
#include "device/PresetImage.h"
#include "support/DeviceEmulator.h"
#include "ui/editors/EditorMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// The payload of the one reply frame in bytes.
BytePacket PayloadOf(const BytePacket& frame)
{
    if (frame.size() < 9)
        return {};
    return BytePacket(frame.begin() + 6, frame.end() - 3);
}

BytePacket Ask(DeviceEmulator& d, std::uint8_t id, std::uint8_t code, const BytePacket& payload = {})
{
    return d.FeedAll(DeviceEmulator::RequestFrame(id, code, payload));
}

} // namespace

TEST(DemoDevice, AnswersWithTheGivenIdIdentityAndStoredPresets)
{
    EmulatorOptions o;
    o.DeviceId = 9;
    o.Identity = "ZQ9 V011";
    o.Presets = { { 2, "Stage" }, { 5, "Foyer" } };
    DeviceEmulator d;
    PrepareDemoDevice(d, o);

    EXPECT_TRUE(Ask(d, 1, MCS_CMD_IDENTITY).empty()) << "answers only its own ID";
    const BytePacket identity = Ask(d, 9, MCS_CMD_IDENTITY);
    ASSERT_GE(identity.size(), 9u);
    EXPECT_EQ(identity[2], 9);
    const BytePacket text = PayloadOf(identity);
    EXPECT_EQ(std::string(text.begin(), text.end()), "ZQ9 V011");

    const BytePacket flags = PayloadOf(Ask(d, 9, MCS_CMD_READ_PRESET_FLAGS));
    ASSERT_EQ(flags.size(), 30u);
    for (std::size_t i = 0; i < 30; ++i)
        EXPECT_EQ(flags[i], (i == 1 || i == 4) ? 0xFF : 0x00) << "preset " << i + 1;
    const BytePacket name = PayloadOf(Ask(d, 9, MCS_CMD_READ_PRESET_NAME, { 4 }));
    EXPECT_EQ(std::string(name.begin() + 1, name.end()), "Foyer         ");
    EXPECT_EQ(PayloadOf(Ask(d, 9, MCS_CMD_GET_PRESET_NO)), BytePacket { 0 });
    EXPECT_EQ(d.RequestCount(), 5u) << "setting up leaves no requests of its own in the records";
}

TEST(DemoDevice, CurrentSettingsAreTheDefaultPreset)
{
    DeviceEmulator d;
    PrepareDemoDevice(d, EmulatorOptions {});
    BytePacket dump;
    for (std::uint8_t b = 0; b < 15; ++b) {
        const BytePacket block = PayloadOf(Ask(d, 1, MCS_CMD_READ_PROGRAM_BLOCK, { b }));
        ASSERT_EQ(block.size(), 51u);
        ASSERT_EQ(block[0], b);
        dump.insert(dump.end(), block.begin() + 1, block.end());
    }
    EXPECT_TRUE(std::equal(DefaultPresetImage.begin(), DefaultPresetImage.end(), dump.begin()));
}

TEST(DemoDevice, LevelsMoveTheEditorsMetersWithinTheirRange)
{
    int lowest = 99, highest = -1;
    for (int step = 0; step < 100; ++step) {
        const BytePacket levels = DemoLevels(step * 0.1);
        ASSERT_EQ(levels.size(), 37u);
        EXPECT_EQ(levels[36], 0) << "no limiter lamp";
        for (int k : { 0, 1 }) {
            const int lit = editors::LevelSegments(editors::DecodeLevel(levels, k), InLevelThresholds);
            lowest = std::min(lowest, lit);
            highest = std::max(highest, lit);
        }
        for (int k = 4; k < 10; ++k) {
            const float level = editors::DecodeLevel(levels, k);
            EXPECT_TRUE(std::isfinite(level) && level > 0.0f && level <= 1.0f) << k;
        }
    }
    EXPECT_GT(lowest, 0);
    EXPECT_LT(highest, 9);
    EXPECT_GE(highest - lowest, 3) << "the meters visibly move";
}
