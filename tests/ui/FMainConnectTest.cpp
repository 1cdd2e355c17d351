// The connect sequence against the emulator over loopback TCP: link, identity, lock status, the upload
// of the settings and level polling; refused units; the lock password; link loss and the search.
#include "FMainConnectTestRig.h"

#include "device/McsCodes.h"
#include "platform/ui/TEdit.h"
#include "widgets/RzBmpBtn.h"

#include <QElapsedTimer>

using namespace seqtest;

namespace {

std::vector<std::uint8_t> ExpectedUploadCodes()
{
    std::vector<std::uint8_t> codes { 0x10, 0x13, 0x2C, 0x22, 0x14 };
    codes.insert(codes.end(), 30, 0x29);
    codes.insert(codes.end(), 15, 0x27);
    codes.push_back(0x12);
    return codes;
}

} // namespace

TEST(FMainConnect, ConnectIdentifyUploadFifteenBlocksThenLevelPolling)
{
    Rig r;
    r.emu.SetPresetUsed(2, true);
    r.emu.SetPresetName(2, "Club Night");
    r.emu.SetCurrentPreset(3);
    for (std::size_t i = 0; i < 750; ++i)
        r.emu.SetProgramByte(i, static_cast<std::uint8_t>(i * 7 + 1));
    ModalAnswer progressShown(fmProcess, [](vcl::TForm& f) { (void)f; });

    ASSERT_TRUE(r.ConnectAndUpload());
    // Level requests follow every 300 ms.
    ASSERT_TRUE(SpinUntil([&] { return r.emu.CountOf(0x40) >= 2; }));
    const auto requests = r.emu.Requests();
    std::vector<std::uint8_t> want = ExpectedUploadCodes();
    ASSERT_GE(requests.size(), want.size());
    const auto codes = Codes(requests);
    EXPECT_EQ(std::vector<std::uint8_t>(codes.begin(), codes.begin() + long(want.size())), want);
    for (int n = 0; n < 30; ++n)
        EXPECT_EQ(requests[5 + n][6], n) << "name entry";
    for (int b = 0; b < 15; ++b)
        EXPECT_EQ(requests[35 + b][6], b) << "program block";

    EXPECT_TRUE(r.form->Controller.IsOnline());
    EXPECT_TRUE(r.form->Controller.IsLinked());
    EXPECT_FALSE(r.form->Controller.IsConnectPending());
    EXPECT_EQ(r.form->Controller.CurrentPreset(), 3);
    EXPECT_EQ(r.form->rzbMenuLink->Caption(), QStringLiteral("OnLine"));
    EXPECT_TRUE(r.form->rzbMenuLink->Enabled());
    EXPECT_TRUE(r.form->LinkButtonDown());
    EXPECT_EQ(r.form->lbShowIp->Caption(), QStringLiteral("IP : 127.0.0.1"));
    EXPECT_TRUE(r.unit->IsPresetUsed(2));
    EXPECT_FALSE(r.unit->IsPresetUsed(3));
    // The program's dump bytes 2..717 became the current image.
    for (std::size_t i : { std::size_t(2), std::size_t(100), std::size_t(717) })
        EXPECT_EQ(r.unit->GetImage()[i], r.emu.ProgramByte(i)) << i;
    EXPECT_EQ(fmProcess->StatusText(), QStringLiteral("Upload parameters now , please wait..."));
    EXPECT_EQ(LinkViews::SearchConnectResult(), 1);

    EXPECT_EQ(requests[51][5], 0x40);
    TestTransportHost::Spin(150);
    EXPECT_FALSE(fmProcess->Visible()) << "an upload that ended before the delayed display leaves no window open";
    EXPECT_EQ(r.emu.CountOf(0x12), 1u);
}

TEST(FMainConnect, RefusedIdentityShowsItsMessageThenTearsTheLinkDown)
{
    struct Case
    {
        const char* identity;
        const char* message;
    } cases[] = {
        { "ZQ8 V010", "Unit's Type Error !!" },
        { "ZQ", "Unit's Type Error !!" },
        { "ZQ9 V011", "Unit's Version Error !!" },
        { "ZQ9 V01", "Unit's Version Error !!" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.identity);
        Rig r;
        r.emu.SetIdentity(c.identity);
        QString shown;
        ModalAnswer info(fmInformation, [&](vcl::TForm& f) {
            shown = LinkViews::InformationText();
            EXPECT_FALSE(r.form->Controller.IsLinked()) << "the link is refused before the message";
            f.SetModalResult(vcl::mrOk);
        });
        r.form->ConnectNet();
        ASSERT_TRUE(SpinUntil([&] { return info.Count == 1 && !r.form->Controller.Net(); }));
        EXPECT_EQ(shown, QString::fromLatin1(c.message));
        // The search heard of the answering candidate before the identity was judged.
        EXPECT_EQ(LinkViews::SearchConnectResult(), 0) << "and of the link's end";
        const auto requests = r.emu.Requests();
        ASSERT_GE(requests.size(), 3u);
        EXPECT_EQ(requests[2], DeviceEmulator::RequestFrame(255, 0x11)) << "disconnect to address 255";
        EXPECT_EQ(r.emu.CountOf(0x2C), 0u);
        EXPECT_FALSE(r.form->Controller.IsOnline());
        EXPECT_EQ(r.form->lbShowIp->Caption(), QStringLiteral("Disconnected"));
        EXPECT_EQ(r.form->rzbMenuLink->Caption(), QStringLiteral("OffLine"));
        EXPECT_EQ(r.form->Caption(), QStringLiteral("ZQ9 DSP Processor Editor V1.01"));
    }
}

TEST(FMainConnect, LockedDeviceAsksThePasswordAndGoesOnOnceAccepted)
{
    Rig r;
    r.emu.SetLocked(true, "4711");
    QElapsedTimer sinceConnect;
    qint64 promptAfter = -1;
    // The user types the password and presses OK; the dialog waits for the verdict and goes on.
    ModalAnswer prompt(fmLockPassWord, [&](vcl::TForm&) {
        promptAfter = sinceConnect.elapsed();
        EXPECT_EQ(r.emu.CountOf(0x22), 0u) << "nothing goes on before the prompt";
        EXPECT_EQ(r.emu.CountOf(0x2D), 0u);
        fmLockPassWord->edName->SetText(QStringLiteral("4711"));
        fmLockPassWord->btnOK->Click();
    });

    sinceConnect.start();
    r.form->ConnectNet();
    ASSERT_TRUE(SpinUntil([&] { return r.form->tmInLevelDet->Enabled(); }));
    EXPECT_EQ(prompt.Count, 1);
    // The prompt's timer started after the connect began, so this bounds its delay from below.
    EXPECT_GE(promptAfter, 1000) << "the prompt waits a second";
    EXPECT_EQ(r.emu.CountOf(0x2D), 1u);
    EXPECT_EQ(r.emu.CountOf(0x27), 15u);
}

TEST(FMainConnect, AnAcknowledgeBeforeThePromptKeepsTheLockDialogClosed)
{
    Rig r;
    r.emu.SetLocked(true);
    ModalAnswer prompt(fmLockPassWord, [](vcl::TForm& f) { f.SetModalResult(vcl::mrCancel); });
    r.form->ConnectNet();
    ASSERT_TRUE(SpinUntil([&] { return r.form->Controller.PendingAck() == ACK_LOCK_PASSWORD; }));
    ASSERT_TRUE(r.form->tmLockPrompt->Enabled());
    // An acknowledge handed straight to the dispatch: no round trip races the prompt's second.
    r.form->OnReplyFrame(DeviceEmulator::ReplyFrame(1, MCS_REPLY_ACK, {}));
    EXPECT_EQ(r.form->Controller.PendingAck(), ACK_IDLE);
    ASSERT_TRUE(SpinUntil([&] { return !r.form->tmLockPrompt->Enabled(); }));
    TestTransportHost::Spin(100);
    EXPECT_EQ(prompt.Count, 0);
}

TEST(FMainConnect, SilentDeviceEndsTheLinkAndTheSearchDialogComesBack)
{
    Rig r(true);
    ASSERT_TRUE(r.ConnectAndUpload());
    int searchShown = 0;
    ModalAnswer search(fmNetwork, [&](vcl::TForm& f) {
        ++searchShown;
        EXPECT_FALSE(r.form->Controller.IsLinked());
        EXPECT_EQ(r.form->Controller.Net(), nullptr);
        f.SetModalResult(vcl::mrCancel);
    });
    r.emu.SetSilent(true);
    ASSERT_TRUE(SpinUntil([&] { return searchShown == 1; }, 60000));
    EXPECT_FALSE(r.form->Controller.IsOnline());
    EXPECT_FALSE(r.form->tmInLevelDet->Enabled());
    EXPECT_EQ(r.form->lbShowIp->Caption(), QStringLiteral("Disconnected"));
    EXPECT_TRUE(r.form->rzbMenuLink->Enabled());
    EXPECT_EQ(fmNetwork->ConnectResult, 0);
}

TEST(FMainConnect, LinkButtonWhileOnlineDisconnectsThreeHundredMsLater)
{
    Rig r;
    ASSERT_TRUE(r.ConnectAndUpload());
    r.form->rzbMenuLink->Click();
    EXPECT_FALSE(r.form->rzbMenuLink->Enabled());
    EXPECT_TRUE(r.form->Controller.IsOnline());
    ASSERT_TRUE(SpinUntil([&] { return !r.form->Controller.IsOnline(); }));
    EXPECT_EQ(r.form->Controller.Net(), nullptr);
    EXPECT_TRUE(r.form->rzbMenuLink->Enabled());
    EXPECT_FALSE(r.form->LinkButtonDown());
}

TEST(FMainConnect, AShortReplyToAnyUploadRequestEndsInALostLinkAndTheSearchComesBack)
{
    const struct
    {
        std::uint8_t request;
        std::size_t keep; // payload bytes left in the reply
    } cases[] = { { 0x2C, 0 }, { 0x22, 0 }, { 0x14, 0 }, { 0x29, 1 }, { 0x27, 10 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.request));
        Rig r(true);
        std::vector<QString> boxes;
        bool watching = false;
        vcl::TMessageBoxSeam seam([&](const vcl::TMessageBoxRequest& m) {
            boxes.push_back(m.Text);
            // The transfer now waits for a step that never comes. Its stall watch kept the program's
            // interval until here (a shorter one could run out in a slow step) and runs out at once.
            watching = r.form->tmChainWatch->Enabled();
            if (watching)
                r.form->tmChainWatch->SetInterval(1);
            return vcl::IDOK;
        });
        int searchShown = 0;
        ModalAnswer search(fmNetwork, [&](vcl::TForm& f) {
            ++searchShown;
            f.SetModalResult(vcl::mrCancel);
        });
        ModalAnswer progress(fmProcess, [](vcl::TForm&) {});
        r.emu.ShortenNextReplyTo(c.request, c.keep);
        r.form->ConnectNet();
        ASSERT_TRUE(SpinUntil([&] { return searchShown == 1; }));
        EXPECT_EQ(boxes.size(), 1u) << "the short reply is reported";
        EXPECT_TRUE(watching) << "the transfer still waited for its next step";
        EXPECT_FALSE(r.form->Controller.IsLinked());
        EXPECT_EQ(r.form->Controller.Net(), nullptr);
        EXPECT_FALSE(fmProcess->Visible()) << "no progress window is left waiting";
        EXPECT_TRUE(r.form->rzbMenuLink->Enabled());
        EXPECT_EQ(r.form->lbShowIp->Caption(), QStringLiteral("Disconnected"));
    }
}

TEST(FMainConnect, ALateNoticeOfAClosedTransportLeavesTheNextLinkAlone)
{
    Rig r;
    ASSERT_TRUE(r.ConnectAndUpload());
    const std::uint32_t first = r.form->OpenTransportSource();
    ASSERT_NE(first, 0u);
    r.form->Disconnect();
    r.form->PrepareNetwork();
    ASSERT_TRUE(SpinUntil([&] { return r.server.HasClient() && r.form->Controller.NetworkLink().ClientSocket().Connected(); }));
    ASSERT_TRUE(r.ConnectAndUpload());
    ASSERT_NE(r.form->OpenTransportSource(), first);

    r.form->TransportHost()->PostCommEventFrom(first, COMM_NO_REPLY, 1);
    r.form->TransportHost()->PostCommEventFrom(first, COMM_STOP_TIMEOUT, 0);
    TestTransportHost::Spin(100);
    EXPECT_TRUE(r.form->Controller.IsOnline());
    EXPECT_NE(r.form->Controller.Net(), nullptr);

    r.form->TransportHost()->PostCommEventFrom(r.form->OpenTransportSource(), COMM_NO_REPLY, 1);
    EXPECT_TRUE(SpinUntil([&] { return !r.form->Controller.IsLinked() && r.form->Controller.Net() == nullptr; })) << "the open one's notice counts";
}
