// The preset lists and the name dialog: row names, the row choice, OK and Cancel, and the model's names.
#include "FDialogsRig.h"

#include "device/PresetListHost.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/VirtualKeys.h"
#include "ui/ValueListGrid.h"

#include <QTableWidget>
#include <QTest>

using namespace dlgtest;
using seqtest::ModalAnswer;
using seqtest::SpinUntil;

namespace {

std::string Bytes14(const char* s)
{
    std::string out(s);
    out.resize(14, ' ');
    return out;
}

} // namespace

TEST(FDialogsPreset, ChoosingARowFillsTheNameDialog)
{
    DialogRig r;
    fmRecallPreset->SetRowName(5, Bytes14("Club  "));
    struct Case
    {
        TPresetListForm* list;
        int gridRow;
        const char* title;
        bool storeMode;
        const char* name;
        int index;
    } cases[] = {
        { fmRecallPreset, 6, "U05 : ", false, "Club", 5 },
        { fmRecallPreset, 1, "F00 : ", false, "Default Preset", 0 },
        { fmStorePreset, 1, "U01 : ", true, "Default Preset", 0 },
        { fmStorePreset, 30, "U30 : ", true, "Default Preset", 29 },
    };
    for (const auto& c : cases) {
        c.list->Show();
        c.list->vledPresetName->SelectCell(1, c.gridRow);
        EXPECT_TRUE(fmStoreName->Visible()) << c.title;
        EXPECT_EQ(fmStoreName->lTitle->Caption(), QString::fromLatin1(c.title));
        EXPECT_EQ(fmStoreName->edName->Text(), QString::fromLatin1(c.name)) << c.title;
        EXPECT_EQ(fmStoreName->edName->Enabled(), c.storeMode) << c.title;
        EXPECT_EQ(fmStoreName->StoreMode, c.storeMode);
        EXPECT_EQ(fmStoreName->PresetIndex, c.index);
        // Cancel leaves the list open for another choice.
        fmStoreName->bnCancel->Click();
        EXPECT_FALSE(fmStoreName->Visible());
        EXPECT_TRUE(c.list->Visible());
        c.list->bnCancel->Click();
        EXPECT_FALSE(c.list->Visible());
    }
}

TEST(FDialogsPreset, StoreOkPadsCutsAndNamesBothListsOnline)
{
    DialogRig r;
    ASSERT_TRUE(r.Online());
    struct Case
    {
        QString typed;
        std::string stored;
    } cases[] = {
        { QStringLiteral("Live"), Bytes14("Live") },
        { QStringLiteral("A name far too long"), "A name far too" },
        { QStringLiteral("50% dry"), Bytes14("50% dry") },
        { QStringLiteral("Caf\u00e9"), Bytes14("Caf\xe9") },
    };
    int row = 0;
    for (const auto& c : cases) {
        fmStorePreset->Show();
        fmStorePreset->vledPresetName->SelectCell(1, row + 1);
        fmStoreName->edName->SetText(c.typed);
        fmStoreName->btnOK->Click();
        EXPECT_FALSE(fmStoreName->Visible());
        EXPECT_FALSE(fmStorePreset->Visible());
        EXPECT_EQ(fmStorePreset->RowName(row), c.stored);
        EXPECT_EQ(fmRecallPreset->RowName(row + 1), c.stored);
        EXPECT_EQ(fmRecallPreset->RowName(row), row == 0 ? Bytes14("Default Preset") : cases[row - 1].stored);
        ++row;
    }
    EXPECT_TRUE(SpinUntil([&] { return PayloadsOf(r.emu, 0x21).size() == 4u; })) << "each name was stored";
}

// Offline a store does nothing, so neither list may show the typed name as if it had been stored.
TEST(FDialogsPreset, StoreTypedOfflineLeavesBothListsAsTheyWere)
{
    DialogRig r;
    r.form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(r.form));
    const std::string storeBefore = fmStorePreset->ListBytes();
    const std::string recallBefore = fmRecallPreset->ListBytes();
    bool named = false;
    ModalAnswer pick(fmStorePreset, [&](vcl::TForm&) {
        auto* grid = fmStorePreset->vledPresetName->findChild<QTableWidget*>();
        ASSERT_NE(grid, nullptr);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->visualItemRect(grid->item(2, 1)).center());
        ASSERT_TRUE(SpinUntil([] { return fmStoreName->Visible() && fmStoreName->edName->hasFocus(); }));
        for (char c : { 'G', 'i', 'g' })
            QTest::keyClick(fmStoreName->windowHandle(), c);
        QTest::keyClick(fmStoreName->windowHandle(), Qt::Key_Return);
        named = fmStoreName->edName->Text().startsWith(QStringLiteral("Gig"));
    });
    auto* store = dynamic_cast<vcl::TControl*>(r.form->FindComponent(QStringLiteral("bStore")));
    ASSERT_NE(store, nullptr);
    QTest::mouseClick(r.form->windowHandle(), Qt::LeftButton, Qt::NoModifier, store->mapTo(r.form, QPoint(20, 10)));
    ASSERT_TRUE(SpinUntil([&] { return pick.Count == 1 && !fmStorePreset->Visible() && !fmStoreName->Visible(); }));
    EXPECT_TRUE(named) << "the typed name reached the name box";
    EXPECT_EQ(fmStorePreset->ListBytes(), storeBefore);
    EXPECT_EQ(fmRecallPreset->ListBytes(), recallBefore);
    EXPECT_EQ(r.emu.RequestCount(), 0u);
}

TEST(FDialogsPreset, RowNamesKeepTheListLayout)
{
    DialogRig r;
    // What the model writes: names of every length land as 14 bytes; rows outside the list change nothing.
    PresetListDialogs().SetRecallRowName(30, "Short");
    PresetListDialogs().SetStoreRowName(0, "Exactly14Bytes");
    PresetListDialogs().SetStoreRowName(30, "Nowhere");
    PresetListDialogs().SetRecallRowName(-1, "Nowhere");
    EXPECT_EQ(fmRecallPreset->RowName(30), Bytes14("Short"));
    EXPECT_EQ(fmStorePreset->RowName(0), "Exactly14Bytes");
    const std::string recall = fmRecallPreset->ListBytes();
    const std::string store = fmStorePreset->ListBytes();
    ASSERT_EQ(recall.size(), 31u * 27u);
    ASSERT_EQ(store.size(), 30u * 27u);
    EXPECT_EQ(recall.substr(0, 27), "     F00=  Default Preset\r\n");
    EXPECT_EQ(recall.substr(27 * 30, 27), "     U30=  Short         \r\n");
    EXPECT_EQ(store.substr(0, 27), "     U01=  Exactly14Bytes\r\n");
    EXPECT_EQ(fmRecallPreset->vledPresetName->Value(30), QStringLiteral("  Short         "));
}

TEST(FDialogsPreset, TheModelsNameRepliesReachBothLists)
{
    DialogRig r;
    r.emu.SetPresetUsed(2, true);
    r.emu.SetPresetName(2, "Stage Left");
    ASSERT_TRUE(r.ConnectAndUpload());
    EXPECT_EQ(fmRecallPreset->RowName(3), Bytes14("Stage Left"));
    EXPECT_EQ(fmStorePreset->RowName(2), Bytes14("Stage Left"));
}

TEST(FDialogsPreset, EnterInTheNameBoxRecallsThePresetOnline)
{
    DialogRig r;
    ASSERT_TRUE(r.Online());
    ModalAnswer list(fmRecallPreset, [](vcl::TForm&) {
        fmRecallPreset->vledPresetName->SelectCell(0, 6);
        vcl::WORD key = vcl::VK_RETURN;
        fmStoreName->edName->OnKeyDown(fmStoreName->edName, key, {});
    });
    fmRecallPreset->ShowModal();
    ASSERT_TRUE(r.Quiet());
    EXPECT_EQ(list.Count, 1);
    EXPECT_FALSE(fmRecallPreset->Visible());
    EXPECT_FALSE(fmStoreName->Visible());
    const auto recalls = PayloadsOf(r.emu, 0x20);
    ASSERT_EQ(recalls.size(), 1u);
    EXPECT_EQ(recalls[0], BytePacket { 5 });
    EXPECT_EQ(r.form->Controller.CurrentPreset(), 5);
}

TEST(FDialogsPreset, EnterOnTheNameDialogOfTheRecallListRecallsOnce)
{
    DialogRig r;
    ASSERT_TRUE(r.Online());
    r.form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(r.form));
    bool okHadFocus = false;
    ModalAnswer pick(fmRecallPreset, [&](vcl::TForm&) {
        auto* grid = fmRecallPreset->vledPresetName->findChild<QTableWidget*>();
        ASSERT_NE(grid, nullptr);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->visualItemRect(grid->item(5, 1)).center());
        // The name box is closed when recalling: the keyboard is on the OK button.
        ASSERT_TRUE(SpinUntil([] { return fmStoreName->Visible() && fmStoreName->btnOK->hasFocus(); }));
        okHadFocus = true;
        QTest::keyClick(fmStoreName->windowHandle(), Qt::Key_Return);
    });
    auto* recall = dynamic_cast<vcl::TControl*>(r.form->FindComponent(QStringLiteral("bRecall")));
    ASSERT_NE(recall, nullptr);
    QTest::mouseClick(r.form->windowHandle(), Qt::LeftButton, Qt::NoModifier, recall->mapTo(r.form, QPoint(20, 10)));
    ASSERT_TRUE(SpinUntil([&] { return pick.Count == 1 && !fmRecallPreset->Visible() && !fmStoreName->Visible(); }));
    ASSERT_TRUE(r.Quiet());
    EXPECT_TRUE(okHadFocus);
    const auto recalls = PayloadsOf(r.emu, 0x20);
    ASSERT_EQ(recalls.size(), 1u) << "one Enter, one recall";
    EXPECT_EQ(recalls[0], BytePacket { 5 });
}

TEST(FDialogsPreset, TextsComeFromTheKeys)
{
    DialogRig r;
    fmStorePreset->Show();
    EXPECT_EQ(fmStorePreset->Caption(), r.form->GetSidText(QStringLiteral("SID_SAVE_PRESET")));
    EXPECT_EQ(fmStorePreset->lPresetSelect->Caption(), r.form->GetSidText(QStringLiteral("SID_SAVE_PRESET")));
    EXPECT_EQ(fmStorePreset->vledPresetName->TitleCaptions(),
              QStringList({ r.form->GetSidText(QStringLiteral("SID_PST_NUM")), r.form->GetSidText(QStringLiteral("SID_PST_NAME")) }));
    fmStorePreset->Hide();
}

TEST(FDialogsPreset, OpeningAListWaitsForTheUsersRowThenAsksTheName)
{
    DialogRig r;
    r.form->Show();
    auto clickOn = [](vcl::TControl* c, QPoint at) {
        QWidget* top = c->window();
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, c->mapTo(top, at));
    };
    for (TPresetListForm* list : { static_cast<TPresetListForm*>(fmStorePreset), static_cast<TPresetListForm*>(fmRecallPreset) }) {
        bool askedAtOnce = true;
        int askedIndex = -1;
        ModalAnswer pick(list, [&](vcl::TForm&) {
            // Shown and focused, no row picked yet: no name dialog.
            list->vledPresetName->SetFocus();
            QApplication::processEvents();
            askedAtOnce = fmStoreName->Visible();
            // A click on the row of U03 asks for its name.
            auto* grid = list->vledPresetName->findChild<QTableWidget*>();
            ASSERT_NE(grid, nullptr);
            const QRect cell = grid->visualItemRect(grid->item(3, 1));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
            QApplication::processEvents();
            if (fmStoreName->Visible())
                askedIndex = fmStoreName->PresetIndex;
            fmStoreName->bnCancel->Click();
            list->bnCancel->Click();
        });
        clickOn(dynamic_cast<vcl::TControl*>(r.form->FindComponent(list == fmStorePreset ? QStringLiteral("bStore")
                                                                                          : QStringLiteral("bRecall"))),
                QPoint(20, 10));
        ASSERT_TRUE(SpinUntil([&] { return pick.Count == 1 && !list->Visible(); }));
        EXPECT_FALSE(askedAtOnce) << "the list opened without asking for a name";
        EXPECT_EQ(askedIndex, 3) << "the clicked row's name was asked for";
    }
}
