#include "RecordingLinkHost.h"

#include "device/LUnitControl.h"
#include "device/McsCodes.h"
#include "device/SendMode.h"

#include <gtest/gtest.h>

namespace {

std::string ImageHex(const LUnitControl& unit, std::size_t from, std::size_t count)
{
    const auto& img = unit.GetImage();
    return RecordingLinkHost::Hex(BytePacket(img.begin() + static_cast<std::ptrdiff_t>(from),
                                             img.begin() + static_cast<std::ptrdiff_t>(from + count)));
}

class ModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        unit.SetLinkHost(&host);
        unit.SetSender(&host);
    }

    RecordingLinkHost host;
    LUnitControl unit;
};

} // namespace

TEST(DefaultImage, BytesOfHeaderRecordsAndTail)
{
    const LUnitControl unit;
    EXPECT_EQ(unit.GetImage().size(), 718u);
    EXPECT_EQ(ImageHex(unit, 0, 16), "00 00 44 65 66 61 75 6C 74 20 50 72 65 73 65 74");
    // InA: name, gate, 8 bands, crossover, gain 0 (-60 dB), polarity, delay, link.
    EXPECT_EQ(ImageHex(unit, 16, 78),
              "49 6E 41 00 00 00 00 00 00 00 63 00 63 00 00 00 "
              "78 00 29 00 23 00 78 00 47 00 23 00 78 00 65 00 23 00 78 00 8C 00 23 00 "
              "78 00 AA 00 23 00 78 00 C8 00 23 00 78 00 F0 00 23 00 78 00 0E 01 23 00 "
              "00 00 2C 01 00 00 00 00 00 00 00 00 01 00");
    EXPECT_EQ(ImageHex(unit, 94, 8), "49 6E 42 00 00 00 00 00");
    EXPECT_EQ(ImageHex(unit, 94 + 76, 2), "02 00");
    // Out1: name, matrix, crossover, 9 bands, compressor, gain 280, polarity, delay, link.
    EXPECT_EQ(ImageHex(unit, 172, 86),
              "4F 75 74 31 00 00 00 00 01 00 00 00 2C 01 00 00 "
              "78 00 1F 00 23 00 78 00 3F 00 23 00 78 00 5F 00 23 00 78 00 7F 00 23 00 "
              "78 00 9E 00 23 00 78 00 BE 00 23 00 78 00 DE 00 23 00 78 00 FD 00 23 00 "
              "78 00 1D 01 23 00 00 00 31 00 F3 01 DC 00 18 01 00 00 00 00 01 00");
    EXPECT_EQ(ImageHex(unit, 602, 10), "4F 75 74 36 00 00 00 00 02 00"); // Out6 feeds from InB
    EXPECT_EQ(ImageHex(unit, 602 + 84, 2), "20 00");
    // Mute, band-bypass, test mode, sine, delay unit and EQ-bypass fields are all zero.
    for (std::size_t i = 688; i < 718; ++i)
        EXPECT_EQ(unit.GetImage()[i], 0) << i;
}

// Every channel's record: its own name, matrix feed and link bit; the rest as its side's first record.
TEST(DefaultImage, EveryChannelRecord)
{
    const LUnitControl unit;
    struct Row { int ch; const char* name; const char* matrix; const char* gain; const char* link; };
    const Row rows[] = {
        {0, "49 6E 41 00 00 00 00 00", "", "00 00", "01 00"},
        {1, "49 6E 42 00 00 00 00 00", "", "00 00", "02 00"},
        {2, "4F 75 74 31 00 00 00 00", "01 00", "18 01", "01 00"},
        {3, "4F 75 74 32 00 00 00 00", "02 00", "18 01", "02 00"},
        {4, "4F 75 74 33 00 00 00 00", "01 00", "18 01", "04 00"},
        {5, "4F 75 74 34 00 00 00 00", "02 00", "18 01", "08 00"},
        {6, "4F 75 74 35 00 00 00 00", "01 00", "18 01", "10 00"},
        {7, "4F 75 74 36 00 00 00 00", "02 00", "18 01", "20 00"},
    };
    for (const auto& r : rows) {
        const bool in = r.ch < 2;
        const std::size_t at = in ? 16 + 78 * static_cast<std::size_t>(r.ch) : 86 * static_cast<std::size_t>(r.ch);
        const std::size_t first = in ? 16 : 172;
        const std::size_t size = in ? 78 : 86;
        EXPECT_EQ(ImageHex(unit, at, 8), r.name) << r.ch;
        if (!in) {
            EXPECT_EQ(ImageHex(unit, at + 8, 2), r.matrix) << r.ch;
        }
        EXPECT_EQ(ImageHex(unit, at + (in ? 70 : 78), 2), r.gain) << r.ch;
        EXPECT_EQ(ImageHex(unit, at + size - 2, 2), r.link) << r.ch;
        const std::size_t from = in ? 8 : 10;
        EXPECT_EQ(ImageHex(unit, at + from, size - 2 - from), ImageHex(unit, first + from, size - 2 - from)) << r.ch;
    }
}

TEST(DefaultImage, AccessorsReadTheirFields)
{
    LUnitControl unit;
    EXPECT_EQ(unit.GetGain(0), 0);
    EXPECT_EQ(unit.GetGain(2), 280);
    EXPECT_EQ(unit.GetPeq(2, 8), (PeqBand {120, 285, 35, 0}));
    EXPECT_EQ(unit.GetOutComp(7), (CompParams {0, 0, 49, 499, 220}));
    EXPECT_EQ(unit.GetInGate(1), (GateParams {0, 99, 99, 0}));
    EXPECT_EQ(unit.GetHpLp(5), (HpLpParams {0, 300, 0, 0}));
    EXPECT_EQ(unit.GetMatrix(3), 2);
    EXPECT_EQ(unit.GetLink(7), 0x20);

    // Out1's mute is bit 0 of the output mask; Out4's EQ bypass is bit 3 of the output mask.
    unit.SetEqBypassMask(5, 0x0008);
    EXPECT_EQ(unit.GetEqBypassMask(5), 0x0008);
    EXPECT_EQ(unit.GetEqBypassMask(0), 0);
    unit.SetMute(2, 1);
    EXPECT_TRUE(unit.IsMute(2));
    EXPECT_FALSE(unit.IsMute(4));
    EXPECT_EQ(ImageHex(unit, 690, 2), "01 00");

    unit.SetPeq(1, 3, PeqBand {10, 20, 30, 4}, false);
    EXPECT_EQ(unit.GetDefaultPeq(1, 3), (PeqBand {120, 140, 35, 0}));

    // Out of range reads as zero, writes are ignored.
    EXPECT_EQ(unit.GetGain(8), 0);
    EXPECT_EQ(unit.GetPeq(0, 8), PeqBand {});
    const PresetImage before = unit.GetImage();
    unit.SetPeq(0, 8, PeqBand {1, 2, 3, 4}, false);
    unit.SetGain(-1, 5);
    unit.SetOutComp(1, CompParams {});
    EXPECT_EQ(unit.GetImage(), before);
}

TEST_F(ModelTest, UnlinkedSetterStoresOneChannelAndSendsReplace)
{
    unit.SetGain(3, 300);
    EXPECT_EQ(unit.GetGain(3), 300);
    EXPECT_EQ(unit.GetGain(2), 280);
    EXPECT_EQ(unit.GetGain(4), 280);
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.sent[0].command, MCS_CMD_GAIN);
    EXPECT_EQ(host.sent[0].payload, "03 2C 01");
    EXPECT_EQ(host.sent[0].mode, SEND_REPLACE);
}

TEST_F(ModelTest, LeaderEditStoresIntoGroupAndSendsOnlyForLeader)
{
    host.suppressed = true;
    unit.SetLink(2, 0x0007);
    unit.SetLink(3, 0);
    unit.SetLink(4, 0);
    host.suppressed = false;
    ASSERT_TRUE(host.sent.empty());

    unit.SetDelay(2, 96);
    for (int ch : {2, 3, 4})
        EXPECT_EQ(unit.GetDelay(ch), 96) << ch;
    EXPECT_EQ(unit.GetDelay(5), 0);
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.sent[0].payload, "02 60 00");

    // A follower's edit stores nothing but is still sent.
    unit.SetDelay(3, 192);
    EXPECT_EQ(unit.GetDelay(3), 96);
    ASSERT_EQ(host.sent.size(), 2u);
    EXPECT_EQ(host.sent[1].payload, "03 C0 00");

    // Whole records and bits propagate too.
    unit.SetOutComp(2, CompParams {15, 6, 0, 9, 180});
    EXPECT_EQ(unit.GetOutComp(4), (CompParams {15, 6, 0, 9, 180}));
    unit.SetPolarity(2, 7);
    EXPECT_TRUE(unit.GetPolarity(4));
    EXPECT_EQ(host.sent.back().payload, "02 01");
    unit.SetMute(2, 1);
    EXPECT_EQ(ImageHex(unit, 690, 2), "07 00");
    unit.SetMute(2, 0);
    EXPECT_EQ(ImageHex(unit, 690, 2), "00 00");
}

TEST_F(ModelTest, InputLinkAndMuteMask)
{
    host.suppressed = true;
    unit.SetLink(0, 0x0003);
    host.suppressed = false;
    unit.SetMute(0, 1);
    EXPECT_TRUE(unit.IsMute(0));
    EXPECT_TRUE(unit.IsMute(1));
    EXPECT_EQ(host.sent.back().payload, "00 01");
    unit.SetInGate(0, GateParams {4, 49, 19, 100});
    EXPECT_EQ(unit.GetInGate(1), (GateParams {4, 49, 19, 100}));
    EXPECT_EQ(host.sent.back().payload, "00 04 00 31 00 13 00 64 00");
}

TEST_F(ModelTest, CurveSettersMarkStaleEvenWhenSuppressedAndKeepBypassMask)
{
    host.suppressed = true;
    unit.SetPeq(4, 2, PeqBand {130, 150, 20, 1}, true);
    EXPECT_EQ(unit.GetPeq(4, 2), (PeqBand {130, 150, 20, 1}));
    EXPECT_FALSE(unit.IsPeqBandBypassed(4, 2));
    EXPECT_TRUE(host.sent.empty());
    EXPECT_EQ(host.stale, (std::vector<int> {4}));

    host.suppressed = false;
    unit.SetPeq(4, 2, PeqBand {130, 150, 20, 1}, true);
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.sent[0].payload, "04 02 82 00 96 00 14 01 01");

    unit.SetHp(5, HpLpParams {50, 999, 8, 9});
    unit.SetLp(5, HpLpParams {999, 250, 9, 12});
    EXPECT_EQ(unit.GetHpLp(5), (HpLpParams {50, 250, 8, 12}));
    EXPECT_EQ(host.sent[1].command, MCS_CMD_HIGH_PASS);
    EXPECT_EQ(host.sent[1].payload, "05 32 00 08");
    EXPECT_EQ(host.sent[2].command, MCS_CMD_LOW_PASS);
    EXPECT_EQ(host.sent[2].payload, "05 FA 00 0C");
    EXPECT_EQ(host.stale, (std::vector<int> {4, 4, 5, 5}));
}

TEST_F(ModelTest, NonPropagatingSettersAndTheirModes)
{
    unit.SetLink(2, 0x0107);
    EXPECT_EQ(unit.GetLink(2), 0x0107);
    unit.SetMatrix(3, 0x0103);
    EXPECT_EQ(unit.GetMatrix(3), 0x0103);
    unit.SetDelayUnit(2);
    EXPECT_EQ(unit.GetDelayUnit(), 2);
    unit.SetChannelName(6, ChannelNameBytes {'B', 'a', 's', 's', 0, 0, 0, 0});
    EXPECT_EQ(unit.GetChannelName(6)[0], 'B');

    ASSERT_EQ(host.sent.size(), 4u);
    EXPECT_EQ(host.sent[0].command, MCS_CMD_CHANNEL_LINK);
    EXPECT_EQ(host.sent[0].payload, "02 07");
    EXPECT_EQ(host.sent[0].mode, SEND_APPEND);
    EXPECT_EQ(host.sent[1].payload, "03 03");
    EXPECT_EQ(host.sent[1].mode, SEND_REPLACE);
    EXPECT_EQ(host.sent[2].payload, "02");
    EXPECT_EQ(host.sent[2].mode, SEND_REPLACE);
    EXPECT_EQ(host.sent[3].payload, "06 42 61 73 73 00 00 00 00");
    EXPECT_EQ(host.sent[3].mode, SEND_APPEND);

    // The device ID becomes the frame's address.
    host.deviceId = 7;
    unit.SetGain(2, 1);
    EXPECT_EQ(host.sent.back().frame[3], 7);
}
