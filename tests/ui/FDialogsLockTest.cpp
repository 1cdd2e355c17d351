// The message window and the two panel-lock dialogs against the emulator: the password prompt's
// verdicts and time-out, and the lock setup's command and disconnection.
#include "FDialogsRig.h"

#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TTimer.h"

#include <QTest>
#include <QWindow>

using namespace dlgtest;
using seqtest::ModalAnswer;
using seqtest::SpinUntil;

TEST(FDialogsLock, TheMessageWindowShowsTheCallersTextUntilOk)
{
    DialogRig r;
    QString shown;
    ModalAnswer answer(fmInformation, [&](vcl::TForm&) {
        shown = fmInformation->lbMessage->Caption();
        EXPECT_EQ(fmInformation->Caption(), r.form->GetSidText(QStringLiteral("SID_INFO_TITLE")));
        fmInformation->btnOK->Click();
    });
    LinkViews::InformationShowModal(QStringLiteral("You Must Connect First !!"));
    EXPECT_EQ(answer.Count, 1);
    EXPECT_EQ(shown, QStringLiteral("You Must Connect First !!"));
    EXPECT_EQ(LinkViews::InformationText(), shown);
    EXPECT_FALSE(fmInformation->Visible());
}

TEST(FDialogsLock, AWrongPasswordAsksAgainTheRightOneGoesOn)
{
    DialogRig r;
    r.emu.SetLocked(true, "AB12");
    std::vector<QString> boxes;
    vcl::TMessageBoxSeam seam([&](const vcl::TMessageBoxRequest& m) {
        boxes.push_back(m.Text);
        return vcl::IDOK;
    });
    int tries = 0;
    ModalAnswer prompt(fmLockPassWord, [&](vcl::TForm&) {
        EXPECT_EQ(fmLockPassWord->edName->Text(), QStringLiteral("****"));
        fmLockPassWord->edName->SetText(QStringLiteral("xy12")); // typed in lower case
        EXPECT_EQ(fmLockPassWord->edName->Text(), QStringLiteral("XY12"));
        fmLockPassWord->btnOK->Click();
    });
    // After the wrong verdict the box is reset and the user types the right password.
    QTimer retry;
    QObject::connect(&retry, &QTimer::timeout, [&] {
        if (fmLockPassWord->Modal() && boxes.size() == 1 && tries == 0) {
            ++tries;
            EXPECT_EQ(fmLockPassWord->edName->Text(), QStringLiteral("****"));
            fmLockPassWord->edName->SetText(QStringLiteral("ab12"));
            vcl::WORD key = vcl::VK_RETURN;
            fmLockPassWord->edName->OnKeyDown(fmLockPassWord->edName, key, {});
        }
    });
    retry.start(5);
    r.form->ConnectNet();
    ASSERT_TRUE(SpinUntil([&] { return r.form->tmInLevelDet->Enabled(); }, 15000));
    EXPECT_EQ(prompt.Count, 1);
    EXPECT_EQ(boxes, std::vector<QString> { QStringLiteral("Password Error!!") });
    const auto submits = PayloadsOf(r.emu, 0x2D);
    ASSERT_EQ(submits.size(), 2u);
    EXPECT_EQ(submits[0], (BytePacket { 0, 'X', 'Y', '1', '2' }));
    EXPECT_EQ(submits[1], (BytePacket { 0, 'A', 'B', '1', '2' }));
    EXPECT_EQ(r.emu.CountOf(0x27), 15u) << "accepted: the settings are read";
    EXPECT_FALSE(fmLockPassWord->Visible());
}

TEST(FDialogsLock, NoVerdictEndsWithATimeOutAndTheConnectionClosed)
{
    DialogRig r;
    ASSERT_TRUE(r.Online());
    r.emu.SetSilent(true);
    std::vector<QString> boxes;
    vcl::TMessageBoxSeam seam([&](const vcl::TMessageBoxRequest& m) {
        boxes.push_back(m.Text);
        return vcl::IDOK;
    });
    ModalAnswer prompt(fmLockPassWord, [&](vcl::TForm&) { fmLockPassWord->btnOK->Click(); });
    fmLockPassWord->ShowModal();
    EXPECT_EQ(boxes, std::vector<QString> { QStringLiteral("Check Time Out!") });
    EXPECT_EQ(fmLockPassWord->CheckTicks, 31);
    EXPECT_FALSE(r.form->Controller.IsOnline());
    EXPECT_EQ(r.form->Controller.Net(), nullptr);
    EXPECT_FALSE(fmLockPassWord->tmCheck->Enabled());
}

TEST(FDialogsLock, CancelWhileWaitingStopsTheWait)
{
    DialogRig r;
    ASSERT_TRUE(r.Online());
    r.emu.SetSilent(true);
    int boxes = 0;
    vcl::TMessageBoxSeam seam([&](const vcl::TMessageBoxRequest&) { return ++boxes, vcl::IDOK; });
    ModalAnswer prompt(fmLockPassWord, [&](vcl::TForm&) {
        fmLockPassWord->btnOK->Click();
        fmLockPassWord->bnCancel->Click();
    });
    fmLockPassWord->ShowModal();
    TestTransportHost::Spin(3500);
    EXPECT_EQ(boxes, 0) << "no late time-out after Cancel";
    EXPECT_EQ(r.form->Controller.Net(), nullptr);
}

TEST(FDialogsLock, EscOrTheTitleBarOnThePromptActsAsCancel)
{
    const std::pair<const char*, std::function<void()>> ways[] = {
        { "Esc", [] { QTest::keyClick(fmLockPassWord->windowHandle(), Qt::Key_Escape); } },
        { "title bar", [] { static_cast<QWidget*>(fmLockPassWord)->close(); } },
    };
    for (const auto& [way, leave] : ways) {
        DialogRig r;
        r.emu.SetLocked(true, "AB12");
        ModalAnswer prompt(fmLockPassWord, [&](vcl::TForm&) {
            fmLockPassWord->btnOK->Click(); // a wait for the verdict runs
            leave();
        });
        r.form->ConnectNet();
        ASSERT_TRUE(SpinUntil([&] { return prompt.Count == 1 && !fmLockPassWord->Visible(); })) << way;
        EXPECT_EQ(r.form->Controller.Net(), nullptr) << way << ": the connection is dropped";
        EXPECT_FALSE(r.form->Controller.IsOnline()) << way;
        EXPECT_FALSE(fmLockPassWord->tmCheck->Enabled()) << way << ": no late verdict check";
        EXPECT_EQ(r.emu.CountOf(0x27), 0u) << way << ": no settings read";
    }
}

TEST(FDialogsLock, TheProgressWindowIgnoresEsc)
{
    DialogRig r;
    ASSERT_TRUE(r.Online());
    bool stayed = false;
    ModalAnswer progress(fmProcess, [&](vcl::TForm&) {
        QTest::keyClick(fmProcess->windowHandle(), Qt::Key_Escape);
        QApplication::processEvents();
        stayed = fmProcess->Visible() && fmProcess->ModalResult() == vcl::mrNone;
    });
    r.form->RecallPreset(1); // returns when the recall has read the device and closed the window
    EXPECT_EQ(progress.Count, 1);
    EXPECT_TRUE(stayed);
    EXPECT_EQ(r.emu.CountOf(0x27), 15u) << "the recall went on to its end";
}

TEST(FDialogsLock, LockSetupSendsThePasswordThenDisconnects)
{
    DialogRig r;
    ASSERT_TRUE(r.Online());
    ModalAnswer setup(fmLockSetup, [&](vcl::TForm&) {
        EXPECT_EQ(fmLockSetup->edName->Text(), QStringLiteral("5862"));
        EXPECT_EQ(fmLockSetup->edName->SelLength(), 4);
        fmLockSetup->edName->SetText(QStringLiteral("q7"));
        fmLockSetup->btnOK->Click();
    });
    fmLockSetup->ShowModal();
    ASSERT_TRUE(SpinUntil([&] { return r.emu.CountOf(0x2F) == 1; }) || r.emu.CountOf(0x2F) == 1);
    EXPECT_EQ(PayloadsOf(r.emu, 0x2F).at(0), (BytePacket { 'Q', '7', 0, 0 }));
    EXPECT_FALSE(r.form->Controller.IsOnline());
    EXPECT_FALSE(fmLockSetup->Visible());
}

TEST(FDialogsLock, CancelOnThePromptLeavesASearchThatCanFindTheDeviceAgain)
{
    DialogRig r;
    fmNetwork = new TfmNetwork(&r.app);
    r.emu.SetLocked(true, "AB12");
    ModalAnswer prompt(fmLockPassWord, [&](vcl::TForm&) { fmLockPassWord->bnCancel->Click(); });
    r.form->rzbMenuLink->Click(); // the search runs until it finds the device and closes
    ASSERT_TRUE(SpinUntil([&] { return prompt.Count == 1 && r.form->Controller.Net() == nullptr; }));
    EXPECT_FALSE(r.form->Controller.IsOnline());
    EXPECT_EQ(fmNetwork->ConnectResult, 0) << "nothing is connected";
    EXPECT_TRUE(r.form->rzbMenuLink->Enabled());

    // The next search meets a device that does not answer at first: it must say so and stay open,
    // not close as if it had found one; started again, it finds the device, now unlocked.
    r.emu.SetLocked(false);
    r.emu.SetSilent(true);
    bool sawNoDevice = false;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (!sawNoDevice && fmNetwork->Modal() && fmNetwork->btnOK->Enabled()
            && fmNetwork->lblScan->Caption() == DialogText("SID_NO_DEVICE")) {
            sawNoDevice = true;
            r.emu.SetSilent(false);
            fmNetwork->btnOK->Click();
        }
    });
    user.start(5);
    r.form->rzbMenuLink->Click();
    EXPECT_TRUE(sawNoDevice);
    ASSERT_TRUE(SpinUntil([&] { return r.form->Controller.IsOnline() && r.form->tmInLevelDet->Enabled(); }));
    EXPECT_EQ(prompt.Count, 1);
    EXPECT_TRUE(r.form->rzbMenuLink->Enabled());
}
