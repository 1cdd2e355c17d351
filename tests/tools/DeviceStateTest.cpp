// What the emulated device keeps: edits sent by the editor's own model land in its program as they
// land in the model, presets are stored, recalled, downloaded and reset, and the whole of it survives
// being written out and read back.

#include "device/CM_MCS.h"
#include "device/LCmd.h"
#include "device/LUnitControl.h"
#include "device/CommandSender.h"
#include "device/LinkHost.h"
#include "device/McsCodes.h"
#include "device/PresetImage.h"
#include "support/DeviceEmulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace {

// The model's road to the device: every command it sends goes to the emulator, which must acknowledge it.
class EmulatorHost : public LinkHost, public CommandSender
{
public:
    explicit EmulatorHost(DeviceEmulator& device) : Device(device) {}
    void SendCommand(const LCmd& cmd, int, bool framed) override
    {
        const BytePacket reply = Device.FeedAll(cmd.ToBytes(framed));
        EXPECT_EQ(reply, DeviceEmulator::ReplyFrame(1, MCS_REPLY_ACK, {})) << "code " << int(cmd.ToBytes(true)[5]);
    }
    int GetDeviceId() const override { return 1; }
    bool IsSendSuppressed() const override { return false; }
    void MarkCurveStale(int) override {}

private:
    DeviceEmulator& Device;
};

BytePacket Ask(DeviceEmulator& d, std::uint8_t code, const BytePacket& payload = {})
{
    const BytePacket f = d.FeedAll(DeviceEmulator::RequestFrame(1, code, payload));
    return f.size() < 9 ? BytePacket {} : BytePacket(f.begin() + 6, f.end() - 3);
}

// The 750 bytes that 15 block reads of the given kind return.
BytePacket ReadDump(DeviceEmulator& d, std::uint8_t code)
{
    BytePacket dump;
    for (std::uint8_t b = 0; b < 15; ++b) {
        const BytePacket block = Ask(d, code, { b });
        dump.insert(dump.end(), block.begin() + 1, block.end());
    }
    return dump;
}

// Image bytes 2..717: what the editor takes from a program read.
bool SameSettings(const BytePacket& dump, const PresetImage& image)
{
    return dump.size() == 750 && std::equal(image.begin() + 2, image.end(), dump.begin() + 2);
}

std::string Printable(const BytePacket& dump, const PresetImage& image)
{
    for (std::size_t i = 2; i < image.size() && i < dump.size(); ++i)
        if (dump[i] != image[i])
            return "first difference at byte " + std::to_string(i) + ": device " + std::to_string(dump[i]) + ", model "
                   + std::to_string(image[i]);
    return "same";
}

} // namespace

TEST(DeviceState, EveryEditOfTheModelLandsInTheDevicesProgramAsInTheModel)
{
    struct Case
    {
        const char* name;
        std::function<void(LUnitControl&)> edit;
    } cases[] = {
        { "gain and delay", [](LUnitControl& m) { m.SetGain(0, 150), m.SetDelay(5, 4321); } },
        { "gain through a link", [](LUnitControl& m) { m.SetLink(2, 0b000111), m.SetGain(2, 77); } },
        { "PEQ band, bypassed", [](LUnitControl& m) { m.SetPeqBandBypassed(3, 8, true), m.SetPeq(3, 8, { 100, 200, 40, 2 }, true); } },
        { "crossovers", [](LUnitControl& m) { m.SetHp(1, 31, 7), m.SetLp(7, 250, 12); } },
        { "gate and compressor", [](LUnitControl& m) { m.SetInGate(1, { 3, 4, 5, 6 }), m.SetOutComp(6, { 4, 2, 10, 20, 30 }); } },
        { "mute and polarity", [](LUnitControl& m) { m.SetMute(1, 1), m.SetMute(7, 1), m.SetPolarity(4, 1); } },
        { "matrix, names, delay unit",
          [](LUnitControl& m) {
              m.SetMatrix(3, 3);
              m.SetChannelName(2, { 'L', 'e', 'f', 't' });
              m.SetDelayUnit(2);
          } },
        { "a whole preset file",
          [](LUnitControl& m) {
              using namespace PresetLayout;
              PresetImage other = DefaultPresetImage;
              for (int ch = 0; ch < ChannelCount; ++ch) {
                  const std::size_t r = ChannelRecord(ch);
                  le::Write16(other, r + (IsInput(ch) ? InGain : OutGain), 100u + unsigned(ch));
                  le::Write16(other, r + (IsInput(ch) ? InDelay : OutDelay), 1000u * unsigned(ch));
                  le::Write16(other, r + (IsInput(ch) ? InPeq : OutPeq) + 6, 90u + unsigned(ch)); // band 2's gain
                  other[r + (IsInput(ch) ? InHpLp : OutHpLp) + 4] = static_cast<std::uint8_t>(ch + 1);
                  other[r + 1] = static_cast<std::uint8_t>('a' + ch);
              }
              other[OutMuteMask] = 0b100101;
              other[BandBypassMasks + 4] = 0b11;
              m.LoadPresetAndSend(std::span(other).subspan(2, 706));
          } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeviceEmulator device;
        device.SetState(DeviceState {}); // factory settings, as the model starts
        EmulatorHost host(device);
        LUnitControl model;
        model.SetLinkHost(&host);
        model.SetSender(&host);
        c.edit(model);
        const BytePacket program = ReadDump(device, MCS_CMD_READ_PROGRAM_BLOCK);
        EXPECT_TRUE(SameSettings(program, model.GetImage())) << Printable(program, model.GetImage());
    }
}

TEST(DeviceState, PresetsAreStoredRecalledDownloadedAndResetToTheFactoryOnes)
{
    DeviceEmulator d;
    d.SetState(DeviceState {});
    const DeviceState::Dump factory = DeviceState::FactoryProgram();

    // Store the program with a name and an edit as preset 4; a later edit is undone by recalling it.
    const std::string name = "Hall Left     ";
    Ask(d, MCS_CMD_GAIN, { 3, 0x34, 0x01 });
    Ask(d, MCS_CMD_PRESETNAME, BytePacket(name.begin(), name.end()));
    Ask(d, MCS_CMD_STORE_PRESET, { 4 });
    const BytePacket stored = ReadDump(d, MCS_CMD_READ_PROGRAM_BLOCK);
    Ask(d, MCS_CMD_GAIN, { 3, 0x00, 0x00 });
    EXPECT_EQ(Ask(d, MCS_CMD_READ_PRESET_FLAGS)[3], 0xFF);
    BytePacket nameReply { 3 };
    nameReply.insert(nameReply.end(), name.begin(), name.end());
    EXPECT_EQ(Ask(d, MCS_CMD_READ_PRESET_NAME, { 3 }), nameReply);
    Ask(d, MCS_CMD_RECALL_PRESET, { 4 });
    EXPECT_EQ(ReadDump(d, MCS_CMD_READ_PROGRAM_BLOCK), stored);
    EXPECT_EQ(Ask(d, MCS_CMD_GET_PRESET_NO), BytePacket { 4 });
    Ask(d, MCS_CMD_SELECT_PRESET, { 4 });
    EXPECT_EQ(ReadDump(d, MCS_CMD_READ_PRESET_BLOCK), stored);

    // An empty slot changes nothing; preset 0 is the factory preset.
    Ask(d, MCS_CMD_RECALL_PRESET, { 9 });
    EXPECT_EQ(ReadDump(d, MCS_CMD_READ_PROGRAM_BLOCK), stored);
    Ask(d, MCS_CMD_RECALL_PRESET, { 0 });
    EXPECT_EQ(ReadDump(d, MCS_CMD_READ_PROGRAM_BLOCK), BytePacket(factory.begin(), factory.end()));
    EXPECT_EQ(Ask(d, MCS_CMD_GET_PRESET_NO), BytePacket { 0 });

    // A download writes a record block by block; its first byte tells whether it holds data.
    for (std::uint8_t b = 0; b < 15; ++b) {
        BytePacket block { b, 19 };
        block.insert(block.end(), stored.begin() + 50 * b, stored.begin() + 50 * (b + 1));
        EXPECT_EQ(Ask(d, MCS_CMD_DOWNLOAD, block), BytePacket { b });
    }
    EXPECT_EQ(Ask(d, MCS_CMD_READ_PRESET_FLAGS)[19], 0xFF);
    Ask(d, MCS_CMD_SELECT_PRESET, { 20 });
    EXPECT_EQ(ReadDump(d, MCS_CMD_READ_PRESET_BLOCK), stored);

    // The factory reset empties every preset and brings the factory program back.
    Ask(d, MCS_CMD_RECALL_PRESET, { 4 });
    Ask(d, MCS_CMD_FACTORY_RESET);
    EXPECT_EQ(Ask(d, MCS_CMD_READ_PRESET_FLAGS), BytePacket(30, 0));
    EXPECT_EQ(ReadDump(d, MCS_CMD_READ_PROGRAM_BLOCK), BytePacket(factory.begin(), factory.end()));
    EXPECT_EQ(Ask(d, MCS_CMD_GET_PRESET_NO), BytePacket { 0 });
}

TEST(DeviceState, WrittenOutAndReadBackItIsTheSameDeviceAndDamagedTextIsRefused)
{
    DeviceEmulator d;
    Ask(d, MCS_CMD_DELAY, { 6, 0x10, 0x27 });
    Ask(d, MCS_CMD_STORE_PRESET, { 30 });
    Ask(d, MCS_CMD_WRITE_EEPROM, { 1, 0, 2, 0x55, 0x66 });
    const DeviceState kept = d.State();
    const std::string text = kept.Save();
    const auto back = DeviceState::Load(text);
    ASSERT_TRUE(back);
    EXPECT_TRUE(*back == kept);

    const std::string damaged[] = {
        "",
        text.substr(0, text.size() / 2),                         // cut short
        "zq9-device-state 2" + text.substr(text.find('\n')),     // another format
        std::string(text).replace(text.find("program ") + 8, 2, "zz"), // not hexadecimal
    };
    for (const auto& t : damaged)
        EXPECT_FALSE(DeviceState::Load(t)) << t.substr(0, 40);
}
