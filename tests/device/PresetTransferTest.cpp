#include "RecordingLinkHost.h"

#include "device/LUnitControl.h"
#include "device/McsCodes.h"
#include "device/SendMode.h"
#include "device/PresetListHost.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class RecordingLists : public PresetListHost
{
public:
    void SetRecallRowName(int row, const std::string& name) override { recall[row] = name; }
    void SetStoreRowName(int row, const std::string& name) override { store[row] = name; }
    std::map<int, std::string> recall, store;
};

// The 750-byte dump of an image whose header is {0xFF, 0x07} and whose gain of Out1 is 0x0123.
std::array<std::uint8_t, 750> SampleDump()
{
    std::array<std::uint8_t, 750> dump {};
    std::copy(DefaultPresetImage.begin(), DefaultPresetImage.end(), dump.begin());
    dump[0] = 0xFF;
    dump[1] = 0x07;
    dump[172 + 78] = 0x23;
    dump[172 + 79] = 0x01;
    return dump;
}

BytePacket Block(const std::array<std::uint8_t, 750>& dump, int b)
{
    BytePacket p {static_cast<std::uint8_t>(b)};
    p.insert(p.end(), dump.begin() + 50 * b, dump.begin() + 50 * b + 50);
    return p;
}

} // namespace

TEST(DumpDecoding, DecodesOnLastBlockAndKeepsHeader)
{
    LUnitControl unit;
    const auto dump = SampleDump();
    for (int b = 0; b < 14; ++b)
        ASSERT_TRUE(unit.OnPresetDumpBlock(Block(dump, b)));
    EXPECT_EQ(unit.GetImage(), DefaultPresetImage); // nothing decoded before block 14
    ASSERT_TRUE(unit.OnPresetDumpBlock(Block(dump, 14)));
    EXPECT_EQ(unit.GetGain(2), 0x0123);
    EXPECT_EQ(unit.GetImage()[0], 0);
    EXPECT_EQ(unit.GetImage()[1], 0);
}

TEST(DumpDecoding, RefusesBlocksOutsideTheBuffer)
{
    LUnitControl unit;
    const auto dump = SampleDump();
    BytePacket beyond = Block(dump, 0);
    beyond[0] = 15;
    EXPECT_FALSE(unit.OnPresetDumpBlock(beyond));
    beyond[0] = 0xFF;
    EXPECT_FALSE(unit.OnPresetDumpBlock(beyond));
    EXPECT_FALSE(unit.OnPresetDumpBlock({}));

    // A long block copies only its 50 bytes: block 13 must not spill into block 14.
    for (int b = 0; b < 15; ++b)
        unit.OnPresetDumpBlock(Block(dump, b));
    BytePacket longBlock = Block(dump, 13);
    longBlock.resize(200, 0xEE);
    EXPECT_TRUE(unit.OnPresetDumpBlock(longBlock));
    EXPECT_TRUE(unit.OnPresetDumpBlock(BytePacket {14, dump[700]})); // decodes what the buffer holds
    for (std::size_t i = 700; i < 718; ++i)
        EXPECT_NE(unit.GetImage()[i], 0xEE) << i;

}

TEST(DumpDecoding, StoredPresetSlotBeginsWithNumberAndDumpHeader)
{
    LUnitControl unit;
    const auto dump = SampleDump();
    for (int b = 0; b < 15; ++b)
        ASSERT_TRUE(unit.OnStoredPresetDumpBlock(7, Block(dump, b)));
    const StoredPreset& slot = unit.GetStoredPreset(7);
    EXPECT_EQ(slot.Number, 7);
    EXPECT_EQ(slot.Dump[0], 0xFF);
    EXPECT_EQ(slot.Dump[1], 0x07);
    EXPECT_EQ(unit.GetImage(), DefaultPresetImage);
    EXPECT_FALSE(unit.OnStoredPresetDumpBlock(31, Block(dump, 14)));
    EXPECT_FALSE(unit.OnStoredPresetDumpBlock(0, Block(dump, 14)));
}

TEST(DumpDecoding, FlagsInfoAndNames)
{
    LUnitControl unit;
    RecordingLists lists;
    unit.SetPresetListHost(&lists);

    BytePacket flags(30, 0x00);
    flags[0] = 0xFF;
    flags[1] = 0x01;
    flags[29] = 0xFF;
    ASSERT_TRUE(unit.SetPresetUsedFlags(flags));
    EXPECT_TRUE(unit.IsPresetUsed(0));
    EXPECT_FALSE(unit.IsPresetUsed(1));
    EXPECT_TRUE(unit.IsPresetUsed(29));
    EXPECT_FALSE(unit.SetPresetUsedFlags(BytePacket(29, 0x00))); // short: unchanged
    EXPECT_TRUE(unit.IsPresetUsed(0));

    BytePacket info(20);
    for (std::size_t i = 0; i < info.size(); ++i)
        info[i] = static_cast<std::uint8_t>(i + 1);
    ASSERT_TRUE(unit.OnDeviceInfo(info));
    EXPECT_EQ(unit.GetDeviceInfo()[17], 18);
    EXPECT_FALSE(unit.OnDeviceInfo(BytePacket(5, 0xAA)));
    EXPECT_EQ(unit.GetDeviceInfo()[0], 1);

    unit.ResetPresetNames();
    EXPECT_EQ(lists.recall.size(), 30u);
    EXPECT_EQ(lists.recall[30], "Default Preset");
    EXPECT_EQ(lists.store[0], "Default Preset");
    EXPECT_EQ(lists.store.count(30), 0u);

    BytePacket name {4, 'M', 'i', 'x'};
    name.resize(15, 0);
    ASSERT_TRUE(unit.OnPresetNameReply(5, name));
    EXPECT_EQ(lists.recall[5], "Mix           ");
    EXPECT_EQ(lists.store[4], "Mix           ");
    // Entry 30 (row 31) names no list row; a short payload names nothing.
    EXPECT_FALSE(unit.OnPresetNameReply(31, name));
    EXPECT_EQ(lists.store.count(30), 0u);
    EXPECT_FALSE(unit.OnPresetNameReply(6, BytePacket {5, 'A'}));
    EXPECT_EQ(lists.recall[6], "Default Preset");
}

TEST(PresetLoader, SendsEveryParameterInOrder)
{
    RecordingLinkHost host;
    host.suppressed = true; // the loader sends regardless
    LUnitControl source;
    source.SetPeq(7, 8, PeqBand {100, 200, 50, 2}, false);
    BytePacket body = source.PresetToBytes();
    body.erase(body.begin(), body.begin() + 16);
    body[692 + 2 * 7 - 2] = 0x00; // band-bypass mask of Out6: band 8
    body[692 + 2 * 7 - 2 + 1] = 0x01;
    body[690 - 2] = 0x04;            // Out3 muted
    body[86 * 3 + 80 - 2] = 0x05;    // Out2 polarity: any non-zero value goes out as 1

    LUnitControl unit;
    unit.SetLinkHost(&host);
    unit.SetSender(&host);
    unit.SetEqBypassMask(2, 0x0015);
    ASSERT_TRUE(unit.LoadPresetAndSend(body));
    ASSERT_EQ(host.sent.size(), 149u);
    EXPECT_EQ(host.sent.front().command, MCS_CMD_PRESETNAME);
    EXPECT_EQ(host.sent.front().payload, "44 65 66 61 75 6C 74 20 50 72 65 73 65 74");
    EXPECT_EQ(host.sent[1].command, MCS_CMD_CHANNEL_NAME);
    EXPECT_EQ(host.sent[1].payload, "00 49 6E 41 00 00 00 00 00");
    const std::uint8_t inputOrder[] = {0x3D, 0x3E, 0x32, 0x31, 0x34, 0x36, 0x38, 0x3B};
    const std::uint8_t outputOrder[] = {0x3D, 0x3A, 0x32, 0x31, 0x30, 0x34, 0x36, 0x38, 0x3B};
    std::size_t i = 1;
    for (int ch = 0; ch < 2; ++ch)
        for (std::uint8_t code : inputOrder)
            EXPECT_EQ(host.sent[i++].command, code) << i;
    for (int ch = 2; ch < 8; ++ch)
        for (std::uint8_t code : outputOrder)
            EXPECT_EQ(host.sent[i++].command, code) << i;
    for (int ch = 0; ch < 8; ++ch)
        EXPECT_EQ(host.sent[i++].command, MCS_CMD_MUTE);
    for (; i < 149; ++i)
        EXPECT_EQ(host.sent[i].command, MCS_CMD_PEQ);
    EXPECT_EQ(host.sent.back().payload, "07 08 64 00 C8 00 32 02 01");
    EXPECT_EQ(host.sent[17 + 9 + 6].payload, "03 01");
    EXPECT_EQ(host.sent[71 + 3].payload, "03 00");
    EXPECT_EQ(host.sent[71 + 4].payload, "04 01");
    EXPECT_EQ(host.sent[71 + 8].payload, "00 00 78 00 29 00 23 00 00"); // InA band 0, not bypassed
    for (const auto& s : host.sent)
        EXPECT_EQ(s.mode, SEND_APPEND);
    EXPECT_EQ(unit.GetPeq(7, 8), (PeqBand {100, 200, 50, 2}));
    EXPECT_EQ(unit.GetEqBypassMask(2), 0x0015); // bytes 708..717 untouched
}

TEST(PresetLoader, RefusesShortBodyAndSendsNothing)
{
    RecordingLinkHost host;
    LUnitControl unit;
    unit.SetLinkHost(&host);
    unit.SetSender(&host);
    EXPECT_FALSE(unit.LoadPresetAndSend(BytePacket(705, 0x11)));
    EXPECT_TRUE(host.sent.empty());
    EXPECT_EQ(unit.GetImage(), DefaultPresetImage);
}

TEST(ChannelCopy, CopiesSettingsButKeepsIdentityOfDestination)
{
    LUnitControl unit;
    unit.SetPeq(2, 4, PeqBand {200, 100, 90, 3}, false);
    unit.SetOutComp(2, CompParams {5, 3, 10, 20, 30});
    unit.SetMatrix(2, 3);
    unit.SetMute(2, 1);
    unit.SetEqBypassMask(2, 0x0001);
    unit.SetDelay(2, 480);
    unit.CopyChannel(2, 3);
    EXPECT_EQ(unit.GetPeq(3, 4), (PeqBand {200, 100, 90, 3}));
    EXPECT_EQ(unit.GetOutComp(3), (CompParams {5, 3, 10, 20, 30}));
    EXPECT_EQ(unit.GetDelay(3), 480);
    EXPECT_TRUE(unit.IsMute(3));
    EXPECT_EQ(unit.GetEqBypassMask(3), 0x0003);
    EXPECT_EQ(unit.GetChannelName(3)[3], '2');
    EXPECT_EQ(unit.GetMatrix(3), 2);
    EXPECT_EQ(unit.GetLink(3), 2);

    unit.SetInGate(1, GateParams {1, 2, 3, 4});
    unit.CopyChannel(1, 0);
    EXPECT_EQ(unit.GetInGate(0), (GateParams {1, 2, 3, 4}));
    EXPECT_EQ(unit.GetLink(0), 1);

    const PresetImage before = unit.GetImage();
    unit.CopyChannel(0, 2); // across sides: nothing
    unit.CopyChannel(2, 9);
    EXPECT_EQ(unit.GetImage(), before);
}
