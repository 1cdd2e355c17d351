// The controller's transfers against a device that answers late, twice, or every request twice:
// every step goes out once (a resend apart), each answer is taken once, and what the model or the
// device ends up holding is exactly what was sent or read.

#include "ControllerRig.h"

#include "controller/AckState.h"
#include "device/McsCodes.h"
#include "transport/LCommProc.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Fault = DeviceEmulator::Fault;
using Timer = DeviceControllerView::Timer;

// The requests with each resend (the same frame again, back to back) counted once.
std::vector<BytePacket> WithoutResends(const std::vector<BytePacket>& requests)
{
    std::vector<BytePacket> out;
    for (const auto& r : requests)
        if (out.empty() || out.back() != r)
            out.push_back(r);
    return out;
}

std::vector<std::uint8_t> CodesOf(const std::vector<BytePacket>& frames)
{
    std::vector<std::uint8_t> codes;
    for (const auto& f : frames)
        codes.push_back(f[5]);
    return codes;
}

std::vector<std::uint8_t> UploadCodes()
{
    std::vector<std::uint8_t> codes { 0x10, 0x13, 0x2C, 0x22, 0x14 };
    codes.insert(codes.end(), 30, 0x29);
    codes.insert(codes.end(), 15, 0x27);
    codes.push_back(0x12);
    return codes;
}

// The connect sequence ran to its end and the transport has nothing left in flight.
bool ConnectedAndQuiet(ControllerRig& rig)
{
    return ControllerRig::SpinUntil([&] {
        return rig.view.LinkReady > 0 && rig.emu.CountOf(MCS_CMD_KEEP_ALIVE) > 0 && rig.controller.Com()
               && !rig.controller.Com()->IsBusy();
    });
}

} // namespace

TEST(MisbehavingDevice, LateOrRepeatedRepliesDuringTheConnectUploadTakeEveryNameAndBlockOnce)
{
    struct Case
    {
        const char* what;
        std::function<void(DeviceEmulator&)> arm;
    } cases[] = {
        // Past the 1000 ms time-out: the resend goes out and both copies are answered.
        { "a late name reply", [](DeviceEmulator& e) { e.ArmFault(Fault::Late, MCS_CMD_READ_PRESET_NAME, 5, 1400); } },
        { "a late program block", [](DeviceEmulator& e) { e.ArmFault(Fault::Late, MCS_CMD_READ_PROGRAM_BLOCK, 7, 1400); } },
        { "a name answered twice", [](DeviceEmulator& e) { e.ArmFault(Fault::Twice, MCS_CMD_READ_PRESET_NAME, 5, 30); } },
        { "a block answered twice", [](DeviceEmulator& e) { e.ArmFault(Fault::Twice, MCS_CMD_READ_PROGRAM_BLOCK, 3, 30); } },
        { "every request answered twice",
          [](DeviceEmulator& e) {
              for (int i = 0; i < 80; ++i)
                  e.ArmFault(Fault::Twice, 0, 0, 0);
          } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ControllerRig rig;
        for (std::size_t i = 0; i < DeviceEmulator::DumpSize; ++i)
            rig.emu.SetProgramByte(i, static_cast<std::uint8_t>(i * 13 + 5));
        c.arm(rig.emu);
        rig.controller.ConnectCom();
        ASSERT_TRUE(ConnectedAndQuiet(rig));

        const auto requests = rig.emu.Requests();
        const auto once = WithoutResends(requests);
        const auto want = UploadCodes();
        ASSERT_GE(once.size(), want.size());
        EXPECT_EQ(CodesOf(std::vector<BytePacket>(once.begin(), once.begin() + long(want.size()))), want);
        for (int n = 0; n < 30; ++n)
            EXPECT_EQ(once[5 + n][6], n) << "name entry";
        for (int b = 0; b < 15; ++b)
            EXPECT_EQ(once[35 + b][6], b) << "program block";
        const auto closing = std::find_if(requests.begin(), requests.end(), [](const BytePacket& r) { return r[5] == 0x12; });
        EXPECT_LE(closing - requests.begin() + 1, long(want.size()) + 1) << "no request goes out twice but for one resend";
        // Each block landed at its own place in the current settings.
        for (std::size_t i = 2; i < 718; ++i)
            ASSERT_EQ(rig.model.GetImage()[i], rig.emu.ProgramByte(i)) << "dump byte " << i;
        EXPECT_GE(rig.controller.Com()->GetCore().IgnoredFrames.load(), 1u) << "the extra reply was passed over";
        EXPECT_GE(rig.controller.DroppedReplyCount(), 1u);
        EXPECT_TRUE(rig.controller.IsOnline());
    }
}

TEST(MisbehavingDevice, LateOrRepeatedBlockRepliesDuringADownloadWriteEveryBlockOnceInOrder)
{
    struct Case
    {
        const char* what;
        Fault fault;
        std::uint8_t code;
        int skip;
        unsigned ms;
    } cases[] = {
        { "a late block reply", Fault::Late, MCS_CMD_DOWNLOAD, 3, 700 },
        { "a block answered twice", Fault::Twice, MCS_CMD_DOWNLOAD, 3, 30 },
        { "the last block of the first record answered twice", Fault::Twice, MCS_CMD_DOWNLOAD, 14, 30 },
        { "the erase acknowledged twice", Fault::Twice, MCS_CMD_FACTORY_RESET, 0, 30 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ControllerRig rig;
        rig.controller.ConnectCom();
        ASSERT_TRUE(ConnectedAndQuiet(rig));
        UnitFileContents file;
        for (int k : { 1, 4 }) {
            auto& record = file.Records[static_cast<std::size_t>(k)];
            record[0] = static_cast<std::uint8_t>(k + 1);
            record[1] = 0xFF;
            for (std::size_t i = 2; i < UnitRecordSize - 2; ++i)
                record[i] = static_cast<std::uint8_t>(i * 7 + k);
        }
        // What the device must receive: each used record's 15 blocks, in order, with its own data.
        std::vector<BytePacket> want;
        for (int k : { 1, 4 }) {
            const auto& record = file.Records[static_cast<std::size_t>(k)];
            for (std::uint8_t b = 0; b < 15; ++b) {
                BytePacket p { b, static_cast<std::uint8_t>(k) };
                for (std::size_t j = 0; j < 50; ++j) {
                    const std::size_t at = 1 + 50u * b + j;
                    p.push_back(at < 718 ? record[at] : 0);
                }
                want.push_back(DeviceEmulator::RequestFrame(1, MCS_CMD_DOWNLOAD, p));
            }
        }
        rig.emu.ArmFault(c.fault, c.code, c.skip, c.ms);
        rig.emu.ClearRecords();
        rig.controller.DownloadUnit(file);
        rig.controller.SetReplyTimeout(400); // the late reply comes after the resend
        ASSERT_TRUE(ControllerRig::SpinUntil([&] { return rig.view.IsRunning(Timer::Disconnect); }));
        ASSERT_TRUE(ControllerRig::SpinUntil([&] { return rig.emu.CountOf(MCS_CMD_MCU_RESET) == 1; }));

        std::vector<BytePacket> blocks;
        for (const auto& r : WithoutResends(rig.emu.Requests()))
            if (r[5] == MCS_CMD_DOWNLOAD)
                blocks.push_back(r);
        ASSERT_EQ(blocks.size(), want.size());
        for (std::size_t i = 0; i < want.size(); ++i)
            EXPECT_EQ(blocks[i], want[i]) << "block " << i % 15 << " of record " << (i < 15 ? 2 : 5);
        EXPECT_EQ(rig.emu.CountOf(MCS_CMD_FACTORY_RESET), 1u);
        EXPECT_EQ(rig.emu.CountOf(MCS_CMD_WRITE_EEPROM), 1u);
        const auto requests = rig.emu.Requests();
        const auto steps = std::count_if(requests.begin(), requests.end(), [](const BytePacket& r) { return r[5] != 0x12; });
        EXPECT_LE(steps, long(3 + want.size() + 1)) << "no request goes out twice but for one resend";
        EXPECT_TRUE(rig.view.InputEnabled);
    }
}
