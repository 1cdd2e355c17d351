// The link selection triangle (row clicks, Set, Exit) and the protocol document viewers.
#include "FDialogsRig.h"

#include "widgets/AdvOfficeImage.h"
#include "widgets/rtflabel.h"

#include <QTest>
#include <QWindow>

using namespace dlgtest;
using seqtest::ModalAnswer;

namespace {

// A user's click on a link button, through the dialog's window at the button's place.
void UserClick(int row, int col)
{
    auto* b = fmLinkSel->LinkButton(row, col);
    ASSERT_NE(b, nullptr) << row << "," << col;
    ASSERT_TRUE(b->isVisible() && b->Enabled()) << row << "," << col;
    const QPoint centre(b->width() / 2, b->height() / 2);
    QTest::mouseClick(fmLinkSel->windowHandle(), Qt::LeftButton, Qt::NoModifier, b->mapTo(fmLinkSel, centre));
    QApplication::processEvents();
}

bool Down(int row, int col)
{
    return fmLinkSel->LinkButton(row, col)->Down();
}

bool Enabled(int row, int col)
{
    return fmLinkSel->LinkButton(row, col)->Enabled();
}

} // namespace

TEST(FDialogsLink, FollowingALowerChannelFreesItsFollowers)
{
    DialogRig r;
    fmLinkSel->Show();
    EXPECT_EQ(fmLinkSel->LinkButtonName(5, 4), QStringLiteral("rzb4LinkOut3"));
    EXPECT_EQ(fmLinkSel->LinkButtonName(1, 0), QStringLiteral("rzbBLinkInA"));
    for (int ch = 0; ch < 8; ++ch)
        EXPECT_TRUE(Down(ch, ch)) << "every channel starts single";
    UserClick(5, 4); // Out4 follows Out3
    EXPECT_TRUE(Down(5, 4));
    EXPECT_FALSE(Down(5, 5));
    EXPECT_FALSE(Enabled(6, 5)) << "nobody may follow a follower";
    UserClick(4, 2); // Out3 follows Out1
    EXPECT_TRUE(Down(5, 5)) << "Out4 leads itself again";
    EXPECT_FALSE(Down(5, 4));
    for (int row = 5; row <= 7; ++row)
        EXPECT_FALSE(Enabled(row, 4)) << row;
    EXPECT_TRUE(Enabled(6, 5)) << "Out4's own column is open again";
    EXPECT_EQ(fmLinkSel->Changed, 1);
    UserClick(4, 4); // Out3 leads itself again: its column opens
    for (int row = 5; row <= 7; ++row)
        EXPECT_TRUE(Enabled(row, 4)) << row;
}

TEST(FDialogsLink, SetCopiesTheMasterThenStoresBothMasks)
{
    DialogRig r;
    ASSERT_TRUE(r.Online());
    ASSERT_EQ(r.unit->GetLink(2), 1);
    r.form->Show(); // the re-read gives the link button the focus
    ModalAnswer set(fmLinkSel, [](vcl::TForm&) {
        UserClick(3, 2); // Out2 follows Out1
        fmLinkSel->bnSet->Click();
    });
    fmLinkSel->ShowModal();
    ASSERT_TRUE(r.Quiet());
    // The masks travel in the link commands (the device's answer to the re-read is the emulator's own).
    // A frame written again right behind itself is a resend after a reply slowed by a loaded
    // machine; what counts is each command once, in order.
    std::vector<BytePacket> commands;
    for (const auto& f : r.emu.Requests())
        if ((f[5] == 0x2A || f[5] == 0x3B || f[5] == 0x22) && (commands.empty() || commands.back() != f))
            commands.push_back(f);
    std::vector<std::uint8_t> order;
    for (const auto& f : commands)
        order.push_back(f[5]);
    EXPECT_EQ(order, (std::vector<std::uint8_t> { 0x2A, 0x3B, 0x3B, 0x22 }));
    auto payloads = [&](std::uint8_t code) {
        std::vector<BytePacket> out;
        for (const auto& f : commands)
            if (f[5] == code)
                out.push_back(Payload(f));
        return out;
    };
    EXPECT_EQ(payloads(0x2A), (std::vector<BytePacket> { BytePacket { 2, 3 } }));
    EXPECT_EQ(payloads(0x3B), (std::vector<BytePacket> { BytePacket { 2, 3 }, BytePacket { 3, 0 } }));
    EXPECT_FALSE(fmLinkSel->Visible());
}

TEST(FDialogsLink, ShowsTheDeviceLinksAfterConnectingAndSetWithoutChangeSendsNothing)
{
    DialogRig r;
    // On the device InB follows InA and Out2, Out3 follow Out1.
    ASSERT_TRUE(r.Online({ 0b11, 0, 0b111, 0, 0, 8, 16, 32 }));
    EXPECT_TRUE(Down(1, 0)) << "InB follows InA";
    EXPECT_FALSE(Down(1, 1));
    EXPECT_TRUE(Down(3, 2));
    EXPECT_TRUE(Down(4, 2));
    for (int ch : { 0, 2, 5, 6, 7 })
        EXPECT_TRUE(Down(ch, ch)) << ch;
    {
        ModalAnswer set(fmLinkSel, [](vcl::TForm&) { fmLinkSel->bnSet->Click(); });
        fmLinkSel->ShowModal();
    }
    ASSERT_TRUE(r.Quiet());
    EXPECT_EQ(r.emu.RequestCount(), r.emu.CountOf(0x40)) << "only level polls: nothing unlinked";
    EXPECT_EQ(r.unit->GetLink(0), 0b11);
    EXPECT_EQ(r.unit->GetLink(2), 0b111);

    // Clicks on both sides, then Exit: every row comes back from the model's masks.
    {
        ModalAnswer exit(fmLinkSel, [](vcl::TForm&) {
            UserClick(1, 1);
            UserClick(7, 6);
            fmLinkSel->bnExit->Click();
        });
        fmLinkSel->ShowModal();
    }
    EXPECT_TRUE(Down(1, 0)) << "InB follows InA again";
    EXPECT_TRUE(Down(7, 7));
    EXPECT_FALSE(Down(7, 6));
    EXPECT_EQ(r.unit->GetLink(0), 0b11);

    // Closing by the title bar acts as Exit.
    {
        ModalAnswer titleBar(fmLinkSel, [](vcl::TForm&) {
            UserClick(6, 5);
            static_cast<QWidget*>(fmLinkSel)->close();
        });
        fmLinkSel->ShowModal();
    }
    EXPECT_FALSE(fmLinkSel->Visible());
    EXPECT_TRUE(Down(6, 6)) << "Out5 leads itself again";
    EXPECT_FALSE(Down(6, 5));
    ASSERT_TRUE(r.Quiet());
    EXPECT_EQ(r.emu.RequestCount(), r.emu.CountOf(0x40)) << "nothing stored";
}

TEST(FDialogsLink, MasksThatBreakTheRulesShowTheirChannelsSingle)
{
    DialogRig r;
    // InA claims InB, which claims itself too; Out2 names a lower channel; Out4 follows nobody.
    ASSERT_TRUE(r.Online({ 0b11, 0b10, 1, 0b11, 4, 0, 16, 32 }));
    EXPECT_TRUE(Down(1, 1)) << "InB leads itself";
    EXPECT_FALSE(Down(1, 0));
    EXPECT_TRUE(Down(3, 3)) << "Out2's mask holds Out1's bit: single";
    EXPECT_TRUE(Down(5, 5)) << "Out4 with mask 0 and no master: single";
    EXPECT_EQ(r.form->LinkMaskOf(5), 8);
    EXPECT_EQ(r.form->GroupMaskOf(0), 1);
}

TEST(FDialogsViewer, TheColumnStaysCentredAndScrollsWithinItsRange)
{
    DialogRig r;
    fmRs232CodeEnglish = new TfmRs232CodeEnglish(&r.app);
    fmRs232Code = new TfmRs232Code(&r.app);
    for (TRs232CodeViewer* v : { static_cast<TRs232CodeViewer*>(fmRs232CodeEnglish), static_cast<TRs232CodeViewer*>(fmRs232Code) }) {
        for (auto [width, left] : { std::pair { 1150, 250 }, std::pair { 700, 50 }, std::pair { 751, 50 }, std::pair { 760, 55 } }) {
            v->SetWidth(width);
            EXPECT_EQ(v->RTFLabel->Left(), left) << width;
            for (auto* image : v->AdvOfficeImages)
                EXPECT_EQ(image->Left(), left) << width;
        }
        v->SetBounds(0, 0, 755, 666);
        vcl::WORD key = vcl::VK_NEXT;
        v->FormKeyDown(v, key, {});
        EXPECT_EQ(v->VertPosition(), 666);
        for (int k = 0; k < 10; ++k) {
            key = vcl::VK_NEXT;
            v->FormKeyDown(v, key, {});
        }
        EXPECT_EQ(v->VertPosition(), v->VertRange()) << "stays at its maximum";
        key = vcl::VK_UP;
        v->FormKeyDown(v, key, {});
        EXPECT_EQ(v->VertPosition(), v->VertRange() - 30);
        key = vcl::VK_HOME;
        v->FormKeyDown(v, key, {});
        EXPECT_EQ(v->VertPosition(), v->VertRange() - 30) << "other keys do nothing";
        bool handled = false;
        v->FormMouseWheelUp(v, {}, {}, handled);
        EXPECT_EQ(v->VertPosition(), v->VertRange() - 60);
        EXPECT_EQ(v->RTFLabel->Top(), 24 - v->VertPosition());

        // A maximised viewer reopens at its normal size.
        v->Show();
        v->SetWindowState(vcl::TWindowState::wsMaximized);
        v->Close();
        EXPECT_EQ(v->WindowState(), vcl::TWindowState::wsNormal);
        EXPECT_EQ(v->Width(), 755);
        EXPECT_EQ(v->Height(), 666);
    }
    EXPECT_FALSE(fmRs232CodeEnglish->RTFLabel->RichText().isEmpty());
}
