// Level reply decoding, meters, limiter lamps and their clearing.

#include "EditorRig.h"

#include "device/Constants.h"
#include "ui/editors/EditorMath.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>

using namespace edtest;

namespace {

// Puts a level into the reply the way the device sends it (low byte of the float dropped).
void PutLevel(BytePacket& p, int k, float level)
{
    const auto bits = std::bit_cast<std::uint32_t>(level);
    p[3 * k] = static_cast<std::uint8_t>(bits >> 16);
    p[3 * k + 1] = static_cast<std::uint8_t>(bits >> 24);
    p[3 * k + 2] = static_cast<std::uint8_t>(bits >> 8);
}

} // namespace

TEST(EditorMeters, SegmentsAgainstThresholds)
{
    const struct { float level; int in, out; } cases[] = {
        { 0.0f, 0, 0 }, { -1.0f, 0, 0 }, { std::nanf(""), 0, 0 }, { 1.0f, 8, 7 }, { 1.01f, 9, 8 },
        { 0.0006f, 1, 1 }, // about -64.4 dB
    };
    for (const auto& c : cases) {
        EXPECT_EQ(editors::LevelSegments(c.level, InLevelThresholds), c.in) << c.level;
        EXPECT_EQ(editors::LevelSegments(c.level, OutLevelThresholds), c.out) << c.level;
    }
}

TEST(EditorMeters, ReplyLightsEveryPageAndLampsNeedARatio)
{
    EditorRig rig;
    BytePacket p(37, 0);
    PutLevel(p, 0, 1.0f);  // InA
    PutLevel(p, 1, 2.0f);  // InB
    PutLevel(p, 2, 2.0f);  // not shown
    PutLevel(p, 4, 2.0f);  // Out1
    PutLevel(p, 9, 0.0006f); // Out6
    p[36] = 0b100001;      // limiters of Out1 and Out6
    rig.Get<vcl::TUpDown>("udCompRatioOut6")->SetPosition(3);
    rig.Form->Editors().Gate().Select(1);
    rig.Form->Editors().Comp().Select(7);
    rig.Form->OnLevelReply(p);
    for (const char* name : { "pbLevelInA", "pbLevelBackupInA", "pbLevelGateInA" })
        EXPECT_EQ(rig.Get<LProgressBar>(name)->Position(), 8) << name;
    EXPECT_EQ(rig.Get<LProgressBar>("pbLevelGateInB")->Position(), 9);
    EXPECT_EQ(rig.Get<LProgressBar>("pbLevelGateIn")->Position(), 9);
    for (const char* name : { "pbLevelOut1", "pbLevelBackupOut1", "pbLevelCompOut1" })
        EXPECT_EQ(rig.Get<LProgressBar>(name)->Position(), 8) << name;
    EXPECT_EQ(rig.Get<LProgressBar>("pbLevelOut2")->Position(), 0);
    EXPECT_EQ(rig.Get<LProgressBar>("pbLimitCompOut1")->Position(), 0) << "ratio at its first step";
    EXPECT_EQ(rig.Get<LProgressBar>("pbLimitBackupOut6")->Position(), 1);
    EXPECT_EQ(rig.Get<LProgressBar>("pbLimitCompOut")->Position(), 1);
    EXPECT_EQ(rig.Get<LProgressBar>("pbLevelCompOut")->Position(), 1);

    rig.Form->Editors().Comp().Select(2); // the selected-output panel follows from the next reply on
    rig.Form->OnLevelReply(p);
    EXPECT_EQ(rig.Get<LProgressBar>("pbLevelCompOut")->Position(), 8);

    BytePacket shortReply(36, 0);
    rig.Form->OnLevelReply(shortReply);
    EXPECT_EQ(rig.Get<LProgressBar>("pbLevelInA")->Position(), 8) << "a short reply moves nothing";

    rig.Form->ClearMeters();
    for (const char* name : { "pbLevelInA", "pbLevelGateInB", "pbLevelCompOut1", "pbLimitBackupOut6", "pbLevelCompOut",
                              "pbLimitCompOut", "pbLevelGateIn" })
        EXPECT_EQ(rig.Get<LProgressBar>(name)->Position(), 0) << name;
}
