// The reply dispatch fed directly, with the emulator behind an open network transport answering what
// the window sends: the device-ID filter, the ACK steps, the level reply after a preset load, the
// password verdict and short replies.
#include "FMainConnectTestRig.h"
#include "support/DeviceControllerProbe.h"

using namespace seqtest;

namespace {

void Feed(Rig& r, std::uint8_t sender, std::uint8_t code, const BytePacket& payload = {})
{
    r.form->OnReplyFrame(DeviceEmulator::ReplyFrame(sender, code, payload));
}

// Connected and idle: the transport is open, nothing is in flight, no polling.
void Idle(Rig& r)
{
    ASSERT_TRUE(r.ConnectAndUpload());
    r.form->tmInLevelDet->SetEnabled(false);
    r.form->SetKeepAliveOff(true);
    TestTransportHost::Spin(50);
    r.emu.ClearRecords();
}

} // namespace

TEST(FMainReplies, AckStepsFollowTheRecordedState)
{
    struct Case
    {
        const char* name;
        int state;
        std::vector<std::uint8_t> codes; // what the chain started by one acknowledge sends
        int after;
    } cases[] = {
        { "store: store request, then its acknowledge ends it", ACK_STORE_PRESET, { 0x21, 0x12 }, ACK_IDLE },
        { "recall: the 15 program blocks", ACK_RECALL_PRESET, {}, ACK_IDLE },
        { "lock password: nothing", ACK_LOCK_PASSWORD, {}, ACK_IDLE },
        { "idle: nothing", ACK_IDLE, {}, ACK_IDLE },
        { "unknown value: nothing", 7, {}, ACK_IDLE },
    };
    cases[1].codes.assign(15, 0x27);
    cases[1].codes.push_back(0x12);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        Idle(r);
        DeviceControllerProbe(r.form->Controller).CurPresetNo() = 9;
        DeviceControllerProbe(r.form->Controller).AckState() = c.state;
        Feed(r, 1, MCS_REPLY_ACK);
        // The whole chain has come and gone; a chain that sends nothing gets time to show otherwise.
        if (c.codes.empty())
            TestTransportHost::Spin(300);
        else
            ASSERT_TRUE(SpinUntil([&] { return r.emu.RequestCount() >= c.codes.size(); }));
        ASSERT_TRUE(r.Quiet());
        const auto sent = r.emu.Requests();
        EXPECT_EQ(Codes(sent), c.codes);
        if (c.state == ACK_STORE_PRESET) {
            EXPECT_EQ(sent.at(0)[6], 9);
        }
        EXPECT_EQ(r.form->Controller.PendingAck(), c.after);
    }
}

TEST(FMainReplies, ForeignDeviceIdIsNotProcessedAndStartsTheCandidateDrop)
{
    Rig r;
    Idle(r);
    DeviceControllerProbe(r.form->Controller).AckState() = ACK_STORE_PRESET;
    Feed(r, 2, MCS_REPLY_ACK);
    Feed(r, 2, MCS_REPLY_IDENTITY, { 'Z', 'Q', '9' });
    EXPECT_TRUE(r.form->tmComScan->Enabled());
    EXPECT_EQ(r.form->Controller.PendingAck(), ACK_STORE_PRESET);
    EXPECT_TRUE(r.form->Controller.IsOnline());
    TestTransportHost::Spin(50);
    EXPECT_EQ(r.emu.RequestCount(), 0u);
    EXPECT_NE(r.form->Controller.Net(), nullptr) << "with the search dialog hidden nothing is closed";
}

TEST(FMainReplies, LevelReplyAfterAPresetLoadSendsOneKeepAlive)
{
    Rig r;
    Idle(r);
    DeviceControllerProbe(r.form->Controller).PostLoadState() = POST_LOAD_PENDING;
    Feed(r, 1, MCS_REPLY_LEVELS, BytePacket(37, 0));
    Feed(r, 1, MCS_REPLY_LEVELS, BytePacket(37, 0));
    ASSERT_TRUE(SpinUntil([&] { return r.emu.RequestCount() >= 1; }));
    ASSERT_TRUE(r.Quiet());
    EXPECT_EQ(Codes(r.emu.Requests()), std::vector<std::uint8_t> { 0x12 });
    EXPECT_EQ(r.form->Controller.PostLoad(), 0);
}

TEST(FMainReplies, PasswordVerdictOnlyForThePanelLock)
{
    Rig r;
    LinkViews::LockSetVerdict(255);
    Feed(r, 1, MCS_REPLY_PASSWORD_CHECK, { 2, 1 });
    EXPECT_EQ(LinkViews::LockVerdict(), 255);
    Feed(r, 1, MCS_REPLY_PASSWORD_CHECK, { 0, 1 });
    EXPECT_EQ(LinkViews::LockVerdict(), 1);
    Feed(r, 1, MCS_REPLY_PASSWORD_CHECK, { 0, 0 });
    EXPECT_EQ(LinkViews::LockVerdict(), 0);
}

TEST(FMainReplies, ShortRepliesAreDroppedWholeAndReportedOnceTheirHandlingReturned)
{
    Rig r;
    Idle(r);
    std::vector<QString> boxes;
    vcl::TMessageBoxSeam seam([&](const vcl::TMessageBoxRequest& m) { return boxes.push_back(m.Text), vcl::IDOK; });
    const int preset = r.form->Controller.CurrentPreset();
    const struct
    {
        std::uint8_t code;
        BytePacket payload;
    } shortReplies[] = {
        { MCS_REPLY_LOCK_STATUS, { 0, 0, 0, 0, 0 } },
        { MCS_REPLY_PRESET_NO, {} },
        { MCS_REPLY_PASSWORD_CHECK, { 0 } },
        { MCS_REPLY_PRESET_FLAGS, BytePacket(29, 0xFF) },
        { MCS_REPLY_PRESET_NAME, { 3, 'A' } },
        { MCS_REPLY_PROGRAM_BLOCK, BytePacket(50, 0) },
        { MCS_REPLY_EEPROM_DATA, BytePacket(17, 0) },
    };
    for (const auto& c : shortReplies) {
        SCOPED_TRACE(int(c.code));
        EXPECT_NO_THROW(Feed(r, 1, c.code, c.payload));
        EXPECT_TRUE(boxes.empty()) << "no message inside the reply's handling";
    }
    ASSERT_TRUE(SpinUntil([&] { return boxes.size() == std::size(shortReplies); }));
    EXPECT_TRUE(boxes.front().startsWith(QStringLiteral("Reply too short"))) << boxes.front().toStdString();
    EXPECT_EQ(r.form->Controller.CurrentPreset(), preset);
    EXPECT_EQ(r.form->Controller.PendingAck(), ACK_IDLE);
    EXPECT_FALSE(r.unit->IsPresetUsed(0)) << "short flags are not taken";
    TestTransportHost::Spin(100);
    EXPECT_EQ(r.emu.RequestCount(), 0u) << "no step followed a dropped reply";

    // Delivered by the transport as the answer to its request: reported, and the transport goes on
    // with the next request.
    r.emu.ShortenNextReplyTo(0x29, 0);
    r.form->SendCommand(CM_MCS_CMD(1, 0x29, 0), SEND_APPEND, true);
    r.form->SendCommand(CM_MCS_CMD(1, 0x35, 1), SEND_APPEND, true);
    ASSERT_TRUE(SpinUntil([&] { return boxes.size() == std::size(shortReplies) + 1; }));
    ASSERT_TRUE(r.Quiet());
    EXPECT_EQ(Codes(r.emu.Requests()), (std::vector<std::uint8_t> { 0x29, 0x35 }));
}

TEST(FMainReplies, BothCopiesOfAResentRequestAnsweredInOneReadLoseNoQueuedCommand)
{
    Rig r;
    Idle(r);
    r.form->SetReplyTimeout(60000);
    r.emu.SetReplyDelay(100); // the commands below are queued behind the first
    r.emu.DuplicateNextReply();
    r.form->SendCommand(CM_MCS_CMD(1, 0x12), SEND_APPEND, true);
    r.form->SendCommand(CM_MCS_CMD(1, 0x3B, 2, 3), SEND_APPEND, true);
    r.form->SendCommand(CM_MCS_CMD(1, 0x3B, 3, 0), SEND_APPEND, true);
    ASSERT_TRUE(SpinUntil([&] { return r.emu.RequestCount() >= 3; }));
    ASSERT_TRUE(r.Quiet());
    const auto sent = r.emu.Requests();
    ASSERT_EQ(Codes(sent), (std::vector<std::uint8_t> { 0x12, 0x3B, 0x3B }));
    EXPECT_EQ(sent[1][6], 2);
    EXPECT_EQ(sent[2][6], 3);
}

TEST(FMainReplies, NameAndBlockRepliesAtTheEndMoveToTheNextStep)
{
    Rig r;
    Idle(r);
    BytePacket name(15, ' ');
    name[0] = 29;
    Feed(r, 1, MCS_REPLY_PRESET_NAME, name);
    ASSERT_TRUE(SpinUntil([&] { return r.emu.RequestCount() >= 1; }));
    EXPECT_EQ(r.emu.Requests()[0], DeviceEmulator::RequestFrame(1, 0x27, { 0 })) << "after entry 29 the program follows";
    ASSERT_TRUE(SpinUntil([&] { return r.emu.CountOf(0x12) == 1; }));
    r.emu.ClearRecords();
    name[0] = 31;
    Feed(r, 1, MCS_REPLY_PRESET_NAME, name);
    BytePacket block(51, 0);
    block[0] = 13;
    Feed(r, 1, MCS_REPLY_PROGRAM_BLOCK, block);
    ASSERT_TRUE(SpinUntil([&] { return r.emu.CountOf(0x12) == 1; }));
    TestTransportHost::Spin(100);
    // The read's end starts the level polls again; they may come at any time after it.
    std::vector<BytePacket> steps;
    for (const auto& f : r.emu.Requests())
        if (f[5] != 0x40)
            steps.push_back(f);
    EXPECT_EQ(Codes(steps), (std::vector<std::uint8_t> { 0x27, 0x12 }));
    EXPECT_EQ(steps.at(0)[6], 14);
}

TEST(FMainReplies, AProgressDisplayStillWaitingForItsDelayIsDroppedWhenTheLinkBreaks)
{
    Rig r(true);
    Idle(r);
    ModalAnswer progress(fmProcess, [](vcl::TForm& f) { f.SetModalResult(vcl::mrCancel); });
    r.emu.SetSilent(true); // the upload goes no further
    Feed(r, 1, MCS_REPLY_PRESET_FLAGS, BytePacket(30, 0)); // arms the display 100 ms later
    ASSERT_TRUE(r.form->tmProcessShow->Enabled());
    LinkViews::SearchOnLinkBroken(); // the link fails before the display is due
    TestTransportHost::Spin(400);
    EXPECT_EQ(progress.Count, 0) << "no progress window opens for a transfer that has ended";
}
