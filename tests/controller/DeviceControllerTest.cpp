// The device controller's sequences against the device emulator over a pseudo-terminal, with no
// window: connecting, refusing a foreign unit, store and recall, whole-unit upload and download, a
// link that breaks, replies that are short or from another device, and its network socket.

#include "ControllerRig.h"

#include "controller/AckState.h"
#include "device/McsCodes.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using Timer = DeviceControllerView::Timer;

TEST(DeviceController, ConnectSequenceFillsTheModelAndLeavesTheLinkPolling)
{
    ControllerRig rig;
    rig.emu.SetPresetUsed(2, true);
    rig.emu.SetPresetName(2, "Hall");
    rig.emu.SetCurrentPreset(3);
    ASSERT_TRUE(rig.Connect());

    EXPECT_TRUE(rig.controller.IsLinked());
    EXPECT_TRUE(rig.controller.IsOnline());
    EXPECT_EQ(rig.view.OnlineRoute, static_cast<int>(DeviceControllerView::Route::Com));
    EXPECT_EQ(rig.view.ConnectResult, 1);
    EXPECT_EQ(rig.controller.CurrentPreset(), 3);
    EXPECT_TRUE(rig.model.IsPresetUsed(2));
    EXPECT_FALSE(rig.model.IsPresetUsed(1));
    EXPECT_EQ(rig.emu.CountOf(MCS_CMD_READ_PRESET_NAME), 30u);
    EXPECT_EQ(rig.emu.CountOf(MCS_CMD_READ_PROGRAM_BLOCK), 15u);
    // The upload's progress ran to its end and closed; the window was refreshed once, sending nothing.
    EXPECT_EQ(rig.view.ProgressStatus, QStringLiteral("SID_UPLOAD_PARAMETER"));
    EXPECT_EQ(rig.view.Position, 15);
    EXPECT_EQ(rig.view.Max, 15);
    EXPECT_GE(rig.view.ProgressClosed, 1);
    EXPECT_EQ(rig.view.Refreshes, 1);
    EXPECT_TRUE(rig.view.IsRunning(Timer::LevelPoll));
    EXPECT_FALSE(rig.view.IsRunning(Timer::ChainWatch));
    EXPECT_EQ(rig.controller.PendingAck(), ACK_IDLE);
}

TEST(DeviceController, AForeignUnitOrVersionIsRefusedAndTheLinkEnds)
{
    const struct
    {
        const char* identity;
        const char* refusal;
    } cases[] = {
        { "ZQ8 V010", "SID_INFO_ERROR_UNIT" },
        { "ZQ", "SID_INFO_ERROR_UNIT" },
        { "ZQ9 V011", "SID_INFO_ERROR_VERSION" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.identity);
        ControllerRig rig;
        rig.emu.SetIdentity(c.identity);
        rig.controller.ConnectCom();
        ASSERT_TRUE(ControllerRig::SpinUntil([&] { return !rig.view.Refusal.isEmpty(); }));
        EXPECT_EQ(rig.view.Refusal, QString::fromLatin1(c.refusal));
        EXPECT_FALSE(rig.controller.IsLinked());
        EXPECT_FALSE(rig.controller.IsOnline());
        EXPECT_EQ(rig.view.OnlineRoute, -1);
        EXPECT_FALSE(rig.view.IsRunning(Timer::ChainWatch));
        // The device is told to let go (broadcast address) and nothing more is asked of it.
        ASSERT_TRUE(ControllerRig::SpinUntil([&] { return rig.emu.CountOf(MCS_CMD_DISCONNECT) == 1; }));
        const BytePacket last = rig.emu.Requests().back();
        EXPECT_EQ(last[3], 255);
        EXPECT_EQ(rig.emu.CountOf(MCS_CMD_READ_LOCK_STATUS), 0u);
    }
}

TEST(DeviceController, StoreNamesAndKeepsThePresetAndRecallReadsItBack)
{
    ControllerRig rig;
    ASSERT_TRUE(rig.Connect());

    rig.controller.StorePreset(4, QStringLiteral("Stage"));
    EXPECT_FALSE(rig.view.IsRunning(Timer::LevelPoll)); // no level replies in between
    EXPECT_EQ(rig.view.Stored, std::make_pair(5, QStringLiteral("Stage")));
    EXPECT_EQ(rig.view.Max, 2);
    ASSERT_TRUE(ControllerRig::SpinUntil([&] { return rig.view.IsRunning(Timer::LevelPoll); }));
    EXPECT_EQ(rig.emu.CountOf(MCS_CMD_PRESETNAME), 1u);
    EXPECT_EQ(rig.emu.CountOf(MCS_CMD_STORE_PRESET), 1u);
    EXPECT_EQ(rig.view.Position, 2);
    EXPECT_EQ(rig.controller.CurrentPreset(), 5);
    EXPECT_TRUE(rig.model.IsPresetUsed(4));
    EXPECT_EQ(rig.controller.PendingAck(), ACK_IDLE);
    EXPECT_FALSE(rig.view.IsRunning(Timer::ChainWatch));

    const std::size_t blocksBefore = rig.emu.CountOf(MCS_CMD_READ_PROGRAM_BLOCK);
    rig.controller.RecallPreset(5);
    EXPECT_EQ(rig.view.ProgressStatus, QStringLiteral("SID_LOAD_PRESET"));
    ASSERT_TRUE(ControllerRig::SpinUntil([&] { return rig.view.LinkReady == 2; }));
    EXPECT_EQ(rig.emu.CountOf(MCS_CMD_RECALL_PRESET), 1u);
    EXPECT_EQ(rig.emu.CountOf(MCS_CMD_READ_PROGRAM_BLOCK), blocksBefore + 15);
    EXPECT_EQ(rig.view.Refreshes, 2);
    EXPECT_TRUE(rig.view.IsRunning(Timer::LevelPoll));
}

TEST(DeviceController, OfflineStoreAndRecallLeaveNoStateForTheNextLink)
{
    ControllerRig rig;
    rig.controller.StorePreset(0, QStringLiteral("X"));
    rig.controller.RecallPreset(1);
    EXPECT_EQ(rig.controller.PendingAck(), ACK_IDLE);
    EXPECT_EQ(rig.view.ProgressShown, 0);
}

TEST(DeviceController, UnitUploadReadsEveryStoredPresetThenAsksForTheFile)
{
    ControllerRig rig;
    rig.emu.SetPresetUsed(0, true);
    rig.emu.SetPresetUsed(2, true);
    ASSERT_TRUE(rig.Connect());

    rig.controller.UploadUnit();
    EXPECT_EQ(rig.view.Max, 2);
    ASSERT_TRUE(ControllerRig::SpinUntil([&] { return rig.view.IsRunning(Timer::UnitSave); }));
    EXPECT_EQ(rig.emu.CountOf(MCS_CMD_SELECT_PRESET), 2u);
    EXPECT_EQ(rig.emu.CountOf(MCS_CMD_READ_PRESET_BLOCK), 30u);
    EXPECT_FALSE(rig.view.IsRunning(Timer::LevelPoll)) << "the file step resumes the polls";
    EXPECT_FALSE(rig.view.IsRunning(Timer::ChainWatch));
    EXPECT_EQ(rig.controller.PendingAck(), ACK_IDLE);
}

TEST(DeviceController, UnitUploadWithNothingStoredOrOfflineOnlyTellsTheUser)
{
    ControllerRig rig;
    rig.controller.UploadUnit();
    ASSERT_TRUE(rig.Connect());
    rig.controller.UploadUnit();
    EXPECT_EQ(rig.view.Information, QStringList({ QStringLiteral("SID_INFO_CON_FIRST"), QStringLiteral("SID_INFO_NO_SAVE_EXIST") }));
    EXPECT_EQ(rig.emu.CountOf(MCS_CMD_SELECT_PRESET), 0u);
}

TEST(DeviceController, UnitDownloadWritesEachStoredRecordAndRestartsTheDevice)
{
    ControllerRig rig;
    ASSERT_TRUE(rig.Connect());
    UnitFileContents file;
    for (int k : { 0, 2 }) {
        file.Records[k][0] = static_cast<std::uint8_t>(k + 1);
        file.Records[k][1] = 0xFF;
        file.Records[k][717] = 0x5A;
    }

    rig.controller.DownloadUnit(file);
    EXPECT_FALSE(rig.view.InputEnabled);
    EXPECT_EQ(rig.view.Max, 2);
    ASSERT_TRUE(ControllerRig::SpinUntil([&] { return rig.view.IsRunning(Timer::Disconnect); }));
    EXPECT_EQ(rig.emu.CountOf(MCS_CMD_FACTORY_RESET), 1u);
    EXPECT_EQ(rig.emu.CountOf(MCS_CMD_WRITE_EEPROM), 1u);
    EXPECT_EQ(rig.emu.CountOf(MCS_CMD_DOWNLOAD), 30u);
    ASSERT_TRUE(ControllerRig::SpinUntil([&] { return rig.emu.CountOf(MCS_CMD_MCU_RESET) == 1; }));
    // Record 3's last block carries its last dump byte and zeros beyond the record.
    BytePacket lastBlock;
    for (const BytePacket& r : rig.emu.Requests())
        if (r[5] == MCS_CMD_DOWNLOAD)
            lastBlock = BytePacket(r.begin() + 6, r.begin() + 6 + (r[4] - 1));
    ASSERT_GE(lastBlock.size(), 52u);
    EXPECT_EQ(lastBlock[0], 14);
    EXPECT_EQ(lastBlock[1], 2);
    EXPECT_EQ(lastBlock[2 + 16], 0x5A); // record byte 717: 51 + 50 * 13 + 16
    EXPECT_EQ(lastBlock[2 + 17], 0);
    EXPECT_TRUE(rig.view.InputEnabled);
    EXPECT_FALSE(rig.view.IsRunning(Timer::ChainWatch));
}

TEST(DeviceController, ABrokenLinkEndsItButANoticeOfAClosedTransportDoesNot)
{
    ControllerRig rig;
    ASSERT_TRUE(rig.Connect());
    const std::uint32_t closed = rig.controller.OpenTransportSource() + 1000;
    rig.controller.OnCommEvent(closed, 0);
    EXPECT_TRUE(rig.controller.IsLinked());
    EXPECT_EQ(rig.view.Offline, 0);

    rig.emu.SetSilent(true);
    rig.controller.PollLevels();
    ASSERT_TRUE(ControllerRig::SpinUntil([&] { return rig.view.Offline == 1; }));
    EXPECT_FALSE(rig.controller.IsLinked());
    EXPECT_FALSE(rig.controller.IsOnline());
    EXPECT_FALSE(rig.controller.HasTransport());
    EXPECT_EQ(rig.view.SearchShown, 1);
    EXPECT_FALSE(rig.view.IsRunning(Timer::LevelPoll));
    EXPECT_FALSE(rig.view.IsRunning(Timer::ChainWatch));
}

TEST(DeviceController, ShortRepliesAreDroppedWholeAndOtherDevicesRepliesRestartTheScan)
{
    ControllerRig rig;
    rig.controller.OnReplyFrame(DeviceEmulator::ReplyFrame(1, MCS_REPLY_LOCK_STATUS, { 0, 0 }));
    rig.controller.OnReplyFrame(DeviceEmulator::ReplyFrame(1, MCS_REPLY_PRESET_NO, {}));
    EXPECT_EQ(rig.view.ShortReplies,
              QStringList({ QStringLiteral("Reply too short: byte 5 of 2"), QStringLiteral("Reply too short: byte 0 of 0") }));
    EXPECT_EQ(rig.controller.PendingAck(), ACK_IDLE);
    EXPECT_TRUE(rig.view.Running.empty());

    rig.controller.OnReplyFrame(DeviceEmulator::ReplyFrame(7, MCS_REPLY_PRESET_NO, { 9 }));
    EXPECT_EQ(rig.controller.CurrentPreset(), 0);
    EXPECT_TRUE(rig.view.IsRunning(Timer::CandidateScan));
}

TEST(DeviceController, ItsNetworkSocketReportsThroughTheViewAndClosesWithTheNetworkLink)
{
    ControllerRig rig;
    EmulatorTcpServer server { rig.emu };
    NetworkSocketLink& net = rig.controller.NetworkLink();
    net.SetEndpoint("127.0.0.1", server.Port());
    net.Open();
    ASSERT_TRUE(rig.SpinUntil([&] { return server.HasClient() && net.ClientSocket().Connected(); }));
    EXPECT_EQ(rig.view.ScanStatus, QStringList({ QStringLiteral("Network Connecting"), QStringLiteral("Connecting IP:127.0.0.1") }));

    // A write from another thread returns at once; the frame is traced once it is on the socket.
    const std::uint8_t frame[] = { 0x10, 0x02, 0x01, 0x05, 0x00, 0x10, 0x03, 0x00, 0x00 };
    std::thread([&] { net.Write(frame, sizeof frame); }).join();
    ASSERT_TRUE(rig.SpinUntil([&] { return !rig.view.NetTraces.empty(); }));
    EXPECT_EQ(rig.view.NetTraces.front(), "NET W 10 02 01 05 00 10 03 00 ");
    EXPECT_EQ(net.LastFrame(), BytePacket(frame, frame + sizeof frame));

    rig.controller.ConnectNet();
    ASSERT_NE(rig.controller.Net(), nullptr);
    rig.controller.Disconnect();
    EXPECT_FALSE(net.ClientSocket().GetActive());
}

} // namespace
