// Standard controls: which changes raise events, list and text mirrors, up-down stepping, menus,
// keys through a previewing form and the dialog seams.
#include "ApplicationTestEnv.h"

#include "platform/ui/TButton.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TListBox.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TMenus.h"
#include "platform/ui/TOpenDialog.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/TUpDown.h"
#include "platform/ui/VirtualKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

class StdCtrlsTest : public ::testing::Test
{
protected:
    void SetUp() override { uitest::App(); }

    static void Type(TWinControl* c, int qtKey, const QString& text)
    {
        QWidget* target = c->focusProxy() ? c->focusProxy() : c;
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
        QApplication::sendEvent(target, &release);
    }
};

TEST_F(StdCtrlsTest, EditChangeAndKeysThroughPreviewingForm)
{
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    edit->SetText(QStringLiteral("12")); // the program's change raises it too
    EXPECT_EQ(changes, 1);

    std::vector<QString> order;
    form.SetKeyPreview(true);
    form.OnKeyPress = [&](TObject*, char16_t& k) {
        order.push_back("form");
        if (k == u'x')
            k = 0; // eaten before the edit sees it
    };
    edit->OnKeyPress = [&](TObject*, char16_t&) { order.push_back("edit"); };
    Type(edit, Qt::Key_3, QStringLiteral("3"));
    Type(edit, Qt::Key_X, QStringLiteral("x"));
    EXPECT_EQ(edit->Text(), QStringLiteral("123"));
    EXPECT_EQ(changes, 2);
    const std::vector<QString> expected { "form", "edit", "form" };
    EXPECT_EQ(order, expected);
}

TEST_F(StdCtrlsTest, EnterClicksDefaultButtonAndEndsModalDialog)
{
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    auto* ok = new TButton(&form);
    ok->SetParent(&form);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    int clicks = 0;
    ok->OnClick = [&](TObject*) { ++clicks; };
    QTimer::singleShot(0, [&] { Type(edit, Qt::Key_Return, QStringLiteral("\r")); });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(clicks, 1);
}

TEST_F(StdCtrlsTest, CheckAndRadioRaiseClickOnRealChangesOnly)
{
    TForm form(nullptr);
    auto* box = new TCheckBox(&form);
    box->SetParent(&form);
    int boxClicks = 0;
    box->OnClick = [&](TObject*) { ++boxClicks; };
    box->SetChecked(true);
    box->SetChecked(true);
    EXPECT_EQ(boxClicks, 1);

    TRadioButton* radios[3];
    int radioClicks = 0;
    for (auto*& r : radios) {
        r = new TRadioButton(&form);
        r->SetParent(&form);
        r->OnClick = [&](TObject*) { ++radioClicks; };
    }
    radios[0]->SetChecked(true);
    radios[2]->SetChecked(true);
    EXPECT_FALSE(radios[0]->Checked());
    EXPECT_TRUE(radios[2]->Checked());
    EXPECT_EQ(radioClicks, 2);
}

TEST_F(StdCtrlsTest, ComboAndListKeepItemsAndIndexWithoutEvents)
{
    TForm form(nullptr);
    auto* combo = new TComboBox(&form);
    combo->SetParent(&form);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    for (const char* s : { "Analog", "Pink", "White", "Sine" })
        combo->Items()->Add(QString::fromLatin1(s));
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetItemIndex(2);
    EXPECT_EQ(combo->Text(), QStringLiteral("White"));
    combo->SetText(QStringLiteral("Sine"));
    EXPECT_EQ(combo->ItemIndex(), 3);
    combo->SetItemIndex(9); // out of range: none
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(changes, 0);

    auto* list = new TListBox(&form);
    list->SetParent(&form);
    list->Items()->Add(QStringLiteral("a"));
    list->Items()->Add(QStringLiteral("b"));
    list->SetItemIndex(1);
    list->Items()->Add(QStringLiteral("c"));
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(list->Count(), 3);
    list->Items()->Clear();
    EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(StdCtrlsTest, MemoLinesAndTextMirrorEachOther)
{
    TForm form(nullptr);
    auto* memo = new TMemo(&form);
    memo->SetParent(&form);
    int changes = 0;
    memo->OnChange = [&](TObject*) { ++changes; };
    memo->Lines()->Add(QStringLiteral("SID_OPEN"));
    memo->Lines()->Add(QStringLiteral("Open"));
    EXPECT_EQ(memo->Text(), QStringLiteral("SID_OPEN\r\nOpen"));
    memo->SetText(QStringLiteral("x\r\ny\r\nz"));
    ASSERT_EQ(memo->Lines()->Count(), 3);
    EXPECT_EQ(memo->Lines()->Strings(2), QStringLiteral("z"));
    EXPECT_GE(changes, 3);
}

TEST_F(StdCtrlsTest, UpDownClampsStepsWrapsAndWritesAssociate)
{
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    auto* ud = new TUpDown(&form);
    ud->SetMin(-5);
    ud->SetMax(2000);
    ud->SetAssociate(edit);
    ud->SetPosition(1234);
    EXPECT_EQ(edit->Text(), QStringLiteral("1,234"));
    ud->SetPosition(5000);
    EXPECT_EQ(ud->Position(), 2000);
    ud->Step(TUDBtnType::btNext); // at the top without Wrap: stays
    EXPECT_EQ(ud->Position(), 2000);
    ud->SetWrap(true);
    ud->Step(TUDBtnType::btNext);
    EXPECT_EQ(ud->Position(), -5);
    EXPECT_EQ(edit->Text(), QStringLiteral("-5"));
    ud->OnChanging = [](TObject*, bool& allow) { allow = false; };
    ud->Step(TUDBtnType::btNext);
    EXPECT_EQ(ud->Position(), -5);
    delete edit; // the up-down forgets its associate
    EXPECT_EQ(ud->Associate(), nullptr);
    ud->SetPosition(1);
}

TEST_F(StdCtrlsTest, MenuClickRadioGroupsAndMenuBarAboveClientArea)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* menu = new TMainMenu(&form);
    auto* language = new TMenuItem(&form);
    language->SetCaption(QStringLiteral("Language"));
    menu->Items()->Add(language);
    TMenuItem* items[2];
    int clicks = 0;
    for (auto*& item : items) {
        item = new TMenuItem(&form);
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
        item->OnClick = [&](TObject*) { ++clicks; };
        language->Add(item);
    }
    items[1]->SetChecked(true);
    items[0]->SetChecked(true);
    EXPECT_FALSE(items[1]->Checked());
    items[1]->Action()->trigger(); // the user's choice: OnClick, Checked stays the item's
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(items[1]->Checked());

    auto* child = new TEdit(&form);
    child->SetParent(&form);
    child->SetAlign(TAlign::alClient);
    form.SetMenu(menu);
    const int bar = form.ClientOrigin().y();
    EXPECT_GT(bar, 0);
    EXPECT_EQ(form.ClientHeight(), 200 - bar);
    EXPECT_EQ(child->Height(), 200 - bar);
    EXPECT_EQ(child->geometry().top(), bar);
}

TEST_F(StdCtrlsTest, MenuLineIsASeparatorWithoutText)
{
    TForm form(nullptr);
    auto* menu = new TMainMenu(&form);
    auto* file = new TMenuItem(&form);
    file->SetCaption(QStringLiteral("File"));
    menu->Items()->Add(file);
    auto* line = new TMenuItem(&form);
    line->SetCaption(QStringLiteral("-"));
    file->Add(line);
    form.SetMenu(menu);
    EXPECT_TRUE(line->IsLine());
    EXPECT_TRUE(line->Action()->isSeparator());
    EXPECT_TRUE(line->Action()->text().isEmpty()); // some styles would draw "-" as a heading
    line->SetCaption(QStringLiteral("Save"));
    EXPECT_FALSE(line->Action()->isSeparator());
    EXPECT_EQ(line->Action()->text(), QStringLiteral("&Save")); // with its automatic accelerator
}

TEST_F(StdCtrlsTest, FileDialogSeamSeesTheRequestAndCancelKeepsName)
{
    TSaveDialog save(nullptr);
    save.SetFilter(QStringLiteral("*.prs|*.prs"));
    save.SetOptions(save.Options() << TOpenOption::ofOverwritePrompt);
    save.SetFileName(QStringLiteral("old"));
    TFileDialogRequest seen;
    {
        TFileDialogSeam seam([&](const TFileDialogRequest& r) -> std::optional<QString> {
            seen = r;
            return std::nullopt;
        });
        EXPECT_FALSE(save.Execute());
    }
    EXPECT_TRUE(seen.Save);
    EXPECT_TRUE(seen.Options.Contains(TOpenOption::ofOverwritePrompt));
    EXPECT_EQ(seen.Filter, QStringLiteral("*.prs|*.prs"));
    EXPECT_EQ(save.FileName(), QStringLiteral("old"));
    {
        TFileDialogSeam seam([](const TFileDialogRequest&) { return std::optional<QString>(QStringLiteral("/tmp/a.prs")); });
        EXPECT_TRUE(save.Execute());
    }
    EXPECT_EQ(save.FileName(), QStringLiteral("/tmp/a.prs"));
    EXPECT_EQ(QtNameFilters(QStringLiteral("Unit|*.unt|All|*.*;*.x")),
              (QStringList { QStringLiteral("Unit (*.unt)"), QStringLiteral("All (*.* *.x)") }));

    uitest::MessageBoxRecorder boxes(IDNO);
    EXPECT_EQ(MessageDlg(QStringLiteral("Sure?"), TMsgDlgType::mtConfirmation, { TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo }),
              mrNo);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].Flags, MB_YESNO | MB_ICONQUESTION);
}

} // namespace
