// Channel names, the test signal, the channel copy and the other small dialogs against the emulator.
#include "FDialogsRig.h"

#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TListBox.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/VirtualKeys.h"
#include "ui/MainDialogActions.h"

using namespace dlgtest;
using seqtest::ModalAnswer;
using seqtest::SpinUntil;

namespace {

BytePacket NameFrame(int ch, const char* name)
{
    BytePacket out { static_cast<std::uint8_t>(ch) };
    std::string bytes(name);
    bytes.resize(8, '\0');
    out.insert(out.end(), bytes.begin(), bytes.end());
    return out;
}

} // namespace

TEST(FDialogsChannel, RenameSendsTheNamePaddedWithZeros)
{
    DialogRig r;
    ASSERT_TRUE(r.Online());
    struct Case
    {
        int ch;
        const char* label;
        QString shown; // the name on the main window, maybe with trailing blanks
        QString typed;
        const char* sent;
    } cases[] = {
        { 3, "Out2 :", QStringLiteral("Output2 "), QStringLiteral("Sub"), "Sub" },
        { 1, "InB :", QStringLiteral("Input2"), QStringLiteral("Overlong name"), "Overlong" },
        { 7, "Out6 :", QStringLiteral("x"), QStringLiteral("50%"), "50%" },
    };
    for (const auto& c : cases) {
        r.emu.ClearRecords();
        fmChannelName->SetChannel(c.ch);
        fmChannelName->SetNameText(c.shown);
        ModalAnswer rename(fmChannelName, [&](vcl::TForm&) {
            EXPECT_EQ(fmChannelName->edName->Text(), c.shown.trimmed());
            fmChannelName->edName->SetText(c.typed);
            vcl::WORD key = vcl::VK_RETURN;
            fmChannelName->edName->OnKeyDown(fmChannelName->edName, key, {});
        });
        fmChannelName->ShowModal();
        EXPECT_EQ(fmChannelName->lbChannel->Caption(), QString::fromLatin1(c.label));
        ASSERT_TRUE(r.Quiet());
        EXPECT_EQ(PayloadsOf(r.emu, 0x3D), std::vector<BytePacket> { NameFrame(c.ch, c.sent) }) << c.label;
        const auto stored = r.unit->GetChannelName(c.ch);
        const BytePacket frame = NameFrame(c.ch, c.sent);
        EXPECT_EQ(BytePacket(stored.begin(), stored.end()), BytePacket(frame.begin() + 1, frame.end()));
    }
}

TEST(FDialogsChannel, TheNameListSendsOnlyChangedNames)
{
    DialogRig r;
    ASSERT_TRUE(r.Online());
    QString edit; // the box to change on the next display, none for OK alone
    ModalAnswer list(fmChNameList, [&](vcl::TForm&) {
        if (!edit.isEmpty()) {
            auto* box = dynamic_cast<vcl::TEdit*>(fmChNameList->FindComponent(edit));
            ASSERT_NE(box, nullptr);
            box->SetText(QStringLiteral("Vocals"));
        }
        fmChNameList->btnOK->Click();
    });
    fmChNameList->ShowModal();
    ASSERT_TRUE(r.Quiet());
    EXPECT_EQ(r.emu.CountOf(0x3D), 0u);

    edit = QStringLiteral("edMatrixChNameInB");
    fmChNameList->ShowModal();
    ASSERT_TRUE(r.Quiet());
    EXPECT_EQ(PayloadsOf(r.emu, 0x3D), std::vector<BytePacket> { NameFrame(1, "Vocals") });
}

TEST(FDialogsChannel, TestSignalSendsModeAndFrequency)
{
    DialogRig r;
    ASSERT_TRUE(r.Online());
    using Frames = std::vector<BytePacket>;
    struct Case
    {
        const char* what;
        std::function<void()> act;
        Frames sent;
    } cases[] = {
        { "1KHz from analog: the radio's click and the list's own",
          [] { fmTest->cbSineFreq->SetItemIndex(17); fmTest->cbSineFreqSelect(fmTest->cbSineFreq); },
          { { 3, 17 }, { 3, 17 } } },
        { "2KHz with the sine already on",
          [] { fmTest->cbSineFreq->SetItemIndex(20); fmTest->cbSineFreqSelect(fmTest->cbSineFreq); },
          { { 3, 20 } } },
        { "pink noise while the list shows 100Hz",
          [] { fmTest->cbSineFreq->SetItemIndex(7); fmTest->rbPinkNoise->SetChecked(true); },
          { { 1, 7 } } },
    };
    fmTest->Show();
    for (const auto& c : cases) {
        r.emu.ClearRecords();
        c.act();
        ASSERT_TRUE(r.Quiet());
        EXPECT_EQ(PayloadsOf(r.emu, 0x39), c.sent) << c.what;
    }
    EXPECT_EQ(fmTest->Caption(), r.form->GetSidText(QStringLiteral("SID_TEST_TITLE")));
    fmTest->bnExit->Click();
    EXPECT_FALSE(fmTest->Visible());
}

TEST(FDialogsChannel, TheTestSignalDialogShowsTheDeviceSourceAfterReading)
{
    DialogRig r;
    for (auto [at, value] : { std::pair { 708, 3 }, { 709, 0 }, { 710, 5 }, { 711, 0 } }) // sine, 50Hz
        r.emu.SetProgramByte(static_cast<std::size_t>(at), static_cast<std::uint8_t>(value));
    ASSERT_TRUE(r.ConnectAndUpload());
    EXPECT_TRUE(fmTest->rbSineWave->Checked());
    EXPECT_EQ(fmTest->cbSineFreq->ItemIndex(), 5);
    EXPECT_EQ(PayloadsOf(r.emu, 0x39), std::vector<BytePacket> {}) << "the refresh sends no work mode";
}

TEST(FDialogsChannel, CopyDialogCopiesOnTheSideOfItsButton)
{
    DialogRig r;
    // Offline the model copies: InA's gain reaches InB; equal channels copy nothing.
    r.unit->SetGain(0, 123);
    r.unit->SetGain(1, 7);
    r.unit->SetGain(2, 50);
    fmCopy->Show();
    fmCopy->cbOutSource->SetItemIndex(0);
    fmCopy->cbOutDestination->SetItemIndex(0);
    fmCopy->bnOutChCopy->Click();
    EXPECT_EQ(r.unit->GetGain(2), 50);
    fmCopy->bnInChCopy->Click();
    EXPECT_EQ(r.unit->GetGain(1), 123);
    EXPECT_TRUE(fmCopy->Visible()) << "stays open for further copies";

    // Online the device copies: source and destination bytes, then everything is read again.
    ASSERT_TRUE(r.Online());
    fmCopy->cbOutSource->SetItemIndex(1);
    fmCopy->cbOutDestination->SetItemIndex(4);
    fmCopy->bnOutChCopy->Click();
    ASSERT_TRUE(r.Quiet());
    EXPECT_EQ(PayloadsOf(r.emu, 0x2A), (std::vector<BytePacket> { BytePacket { 3, 6 } }));
    fmCopy->bnExit->Click();
    EXPECT_FALSE(fmCopy->Visible());
}

TEST(FDialogsChannel, SmallDialogsDoWhatTheirButtonsSay)
{
    DialogRig r;
    // PEQ reset: OK closes and leaves the channel set before showing (the reset itself needs the
    // channel's band editor on the main window).
    fmPeqRst->SetChannel(4);
    ModalAnswer reset(fmPeqRst, [](vcl::TForm&) { fmPeqRst->btnOK->Click(); });
    fmPeqRst->ShowModal();
    EXPECT_EQ(reset.Count, 1);
    EXPECT_FALSE(fmPeqRst->Visible());
    EXPECT_EQ(fmPeqRst->Channel, 4);

    // Quit: Cancel keeps the program running and leaves the answer false.
    ModalAnswer quit(fmExit, [](vcl::TForm&) { fmExit->btnCancel->Click(); });
    fmExit->ShowModal();
    EXPECT_FALSE(MainDialogActions::ExitConfirmed());
    EXPECT_EQ(fmExit->lbExit->Caption(), r.form->GetSidText(QStringLiteral("SID_EXIT_QUIT")));

    // Traffic list and memo: Clear empties them.
    fmHidData->hbHidData->Items()->Add(QStringLiteral("NET W 55 AA"));
    fmHidData->bnClear->Click();
    EXPECT_EQ(fmHidData->hbHidData->Count(), 0);
    EXPECT_EQ(fmHidData->Caption(), QStringLiteral("Hid Data"));
    fmMemo->bnClearMemo->Click();
    EXPECT_TRUE(fmMemo->Memo->Text().isEmpty());

    // About and factory default: OK closes; the factory reset runs only on OK.
    ModalAnswer about(fmAbout, [](vcl::TForm&) { fmAbout->btnOK->Click(); });
    fmAbout->ShowModal();
    EXPECT_EQ(about.Count, 1);
    ModalAnswer factory(fmFactory, [](vcl::TForm&) { fmFactory->bnCancel->Click(); });
    fmFactory->ShowModal();
    EXPECT_EQ(r.form->Controller.PendingAck(), ACK_IDLE);
}
