// The property editors' own controls driven as a user drives them (real mouse and keys on the
// top-level window): silent program writes, user changes reaching the form once, Disable blanking.

#include "EditorTestSupport.h"

#include "plot/iEditorBasicComponents.h"

#include "platform/core/Exception.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

struct Counts
{
    int change { 0 };
    int changeUser { 0 };
    int click { 0 };
    int update { 0 };
};

class EditorWidgetsTest : public ptest::EditorFormTest
{
protected:
    EditorWidgetsTest() : ptest::EditorFormTest(400, 300) {}

    QWindow* Window() const { return form->windowHandle(); }
    // A point of a control in the window's coordinates.
    static QPoint In(TControl* control, int X, int Y) { return QPoint(control->Left() + X, control->Top() + Y); }
    void Key(Qt::Key key)
    {
        QTest::keyClick(Window(), key);
        ptest::Settle();
    }
    void Type(const QString& text)
    {
        for (const QChar c : text)
            QTest::keyClick(Window(), c.toLatin1());
        ptest::Settle();
    }

    Counts counts;
};

TEST_F(EditorWidgetsTest, CheckBoxTellsProgramWritesFromUserClicksAndSpace)
{
    auto* box = new TiComponentEditorCheckBox(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 120, 20);
    box->OnChange = [&](TObject*) { ++counts.change; };
    box->OnChangeUser = [&](TObject*) { ++counts.changeUser; };
    box->OnClick = [&](TObject*) { ++counts.click; };
    Show();

    box->SetAsBoolean(true);
    EXPECT_TRUE(box->AsBoolean());
    EXPECT_EQ(counts.change, 1);
    EXPECT_EQ(counts.changeUser + counts.click + form->userChanges, 0);

    QTest::mouseClick(Window(), Qt::LeftButton, {}, In(box, 5, 10));
    ptest::Settle();
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(counts.change, 2);
    EXPECT_EQ(counts.changeUser, 1);
    EXPECT_EQ(counts.click, 1);
    EXPECT_EQ(form->userChanges, 1);

    ASSERT_TRUE(box->Focused());
    Key(Qt::Key_Space);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(counts.changeUser, 2);
    EXPECT_EQ(form->userChanges, 2);

    // A release outside the box cancels the click.
    QTest::mousePress(Window(), Qt::LeftButton, {}, In(box, 5, 10));
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, In(box, 200, 100));
    ptest::Settle();
    EXPECT_TRUE(box->Checked());

    box->Disable();
    EXPECT_FALSE(box->Checked());
    EXPECT_FALSE(box->Enabled());
    EXPECT_EQ(form->userChanges, 2);
}

TEST_F(EditorWidgetsTest, CheckBoxRefusedEditKeepsItsState)
{
    auto* box = new TiCheckBox(form);
    box->SetParent(form);
    int changes = 0;
    box->OnChange = [&](TObject*) { ++changes; };
    box->OnRequestEdit = [](TObject*, const QString& name, bool& CanEdit) { CanEdit = name != "Checked"; };
    box->SetChecked(true);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(changes, 0);
}

TEST_F(EditorWidgetsTest, CheckBoxTextOnTheLeftKeepsItsRightEdgeWhenTheCaptionGrows)
{
    TTextMetricsOverride metrics(ptest::Fixed());
    auto* box = new TiCheckBox(form);
    box->SetParent(form);
    box->SetAlignment(TLeftRight::taLeftJustify);
    box->SetBounds(100, 10, 97, 17);
    box->SetCaption(QStringLiteral("Grid"));
    const int right = box->Left() + box->Width();
    box->SetCaption(QStringLiteral("Grid lines shown"));
    EXPECT_EQ(box->Width(), 16 * 6 + 20);
    EXPECT_EQ(box->Left() + box->Width(), right);
    EXPECT_EQ(box->Height(), 14);
}

class RadioGroupTest : public EditorWidgetsTest
{
protected:
    void SetUp() override
    {
        EditorWidgetsTest::SetUp();
        group = new TiComponentEditorRadioGroup(form);
        group->SetParent(form);
        group->SetBounds(20, 20, 200, 100);
        for (const char* item : { "Zero", "One", "Two", "Three", "Four" })
            group->Items()->Add(QString::fromLatin1(item));
        group->SetColumns(2);
        group->OnChange = [&](TObject*) { ++counts.change; };
        group->OnChangeUser = [&](TObject*) { ++counts.changeUser; };
        group->OnClick = [&](TObject*) { ++counts.click; };
    }
    // Centres with 10-pixel text: three rows 29 apart from y 24, columns 93 apart from x 14.
    QPoint ItemCentre(int column, int row) const { return In(group, 14 + 93 * column, 24 + 29 * row); }

    TTextMetricsOverride metrics { ptest::Fixed() };
    TiComponentEditorRadioGroup* group { nullptr };
};

TEST_F(RadioGroupTest, FiveItemsInTwoColumnsFillTheFirstColumnFirst)
{
    Show();
    struct Case
    {
        int column, row, index;
    };
    for (const Case c : { Case { 0, 0, 0 }, Case { 0, 2, 2 }, Case { 1, 0, 3 }, Case { 1, 1, 4 } }) {
        QTest::mouseClick(Window(), Qt::LeftButton, {}, ItemCentre(c.column, c.row));
        ptest::Settle();
        EXPECT_EQ(group->ItemIndex(), c.index) << "column " << c.column << " row " << c.row;
    }
    EXPECT_EQ(counts.change, 4);
    EXPECT_EQ(counts.changeUser, 4);
    EXPECT_EQ(counts.click, 4);
    EXPECT_EQ(form->userChanges, 4);
}

TEST_F(RadioGroupTest, ReleaseOffTheItemsSelectsNothing)
{
    Show();
    QTest::mousePress(Window(), Qt::LeftButton, {}, ItemCentre(0, 1));
    QTest::mouseMove(Window(), ItemCentre(1, 1));
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, In(group, 250, 24));
    ptest::Settle();
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_EQ(counts.change, 0);
}

TEST_F(RadioGroupTest, ArrowsWrapAroundWithoutCountingAsTheUsersChoice)
{
    Show();
    group->SetAsInteger(4);
    EXPECT_EQ(counts.change, 0);
    group->SetFocus();
    ptest::Settle();
    Key(Qt::Key_Down);
    EXPECT_EQ(group->ItemIndex(), 0);
    Key(Qt::Key_Up);
    EXPECT_EQ(group->ItemIndex(), 4);
    Key(Qt::Key_Space);
    EXPECT_EQ(group->ItemIndex(), 4);
    EXPECT_EQ(counts.change, 2);
    EXPECT_EQ(counts.changeUser, 0);
    EXPECT_EQ(form->userChanges, 0);
}

TEST_F(RadioGroupTest, PaintsTheDotOfTheSelectedItemOnly)
{
    group->SetItemIndex(4);
    const QImage image = group->PaintToImage();
    const auto dot = [&](int column, int row) {
        return image.pixelColor(14 + 93 * column + 1, 24 + 29 * row) == QColor(Qt::black);
    };
    EXPECT_TRUE(dot(1, 1));
    EXPECT_FALSE(dot(0, 0));
    EXPECT_FALSE(dot(1, 0));
}

TEST_F(EditorWidgetsTest, CheckBoxDrawsItsTickOnlyWhenChecked)
{
    auto* box = new TiCheckBox(form);
    box->SetParent(form);
    box->SetAutoSize(false);
    box->SetBounds(0, 0, 97, 17);
    // The tick's lowest stroke passes (5, cy + 2) of the box at the left.
    const int cy = 17 / 2;
    EXPECT_NE(box->PaintToImage().pixelColor(5, cy + 2), QColor(Qt::black));
    box->SetChecked(true);
    EXPECT_EQ(box->PaintToImage().pixelColor(5, cy + 2), QColor(Qt::black));
}

TEST_F(RadioGroupTest, ItemIndexIsKeptInsideTheItems)
{
    group->SetItemIndex(10);
    EXPECT_EQ(group->ItemIndex(), 4);
    EXPECT_EQ(counts.change, 1);
    group->Items()->Clear();
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_EQ(counts.change, 1);
    group->SetColumns(0);
    EXPECT_EQ(group->Columns(), 2);
}

class EditTest : public EditorWidgetsTest
{
protected:
    void SetUp() override
    {
        EditorWidgetsTest::SetUp();
        edit = new TiComponentEditorEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 100, 21);
        edit->OnChange = [&](TObject*) { ++counts.change; };
        edit->OnUpdate = [&](TObject*) { ++counts.update; };
    }
    void Retype(const QString& text)
    {
        edit->SetFocus();
        ptest::Settle();
        edit->SelectAll();
        Type(text);
    }
    TiComponentEditorEdit* edit { nullptr };
};

TEST_F(EditTest, ProgramWritesAreSilentAndEnterCommitsTheUsersText)
{
    Show();
    edit->SetAsInteger(5);
    EXPECT_EQ(edit->Text(), "5");
    EXPECT_EQ(counts.change + counts.update + form->userChanges, 0);

    Retype(QStringLiteral("6"));
    EXPECT_EQ(counts.update, 0);
    Key(Qt::Key_Return);
    EXPECT_EQ(edit->AsInteger(), 6);
    EXPECT_EQ(counts.update, 1);
    EXPECT_EQ(form->userChanges, 1);
    // Enter again: nothing new to commit.
    Key(Qt::Key_Return);
    EXPECT_EQ(counts.update, 1);
    EXPECT_EQ(form->userChanges, 1);
}

TEST_F(EditTest, EscapeRestoresTheCommittedText)
{
    Show();
    edit->SetAsInteger(5);
    Retype(QStringLiteral("77"));
    Key(Qt::Key_Escape);
    EXPECT_EQ(edit->Text(), "5");
    EXPECT_EQ(counts.update, 0);
    EXPECT_EQ(form->userChanges, 0);
}

TEST_F(EditTest, LeavingTheEditCommitsIt)
{
    auto* other = new TiComponentEditorEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 50, 100, 21);
    Show();
    Retype(QStringLiteral("12.5"));
    QTest::mouseClick(Window(), Qt::LeftButton, {}, In(other, 5, 5));
    ptest::Settle();
    EXPECT_EQ(counts.update, 1);
    EXPECT_DOUBLE_EQ(edit->AsFloat(), 12.5);
}

TEST_F(EditTest, TextThatIsNoNumberReadsAsZero)
{
    struct Case
    {
        const char* text;
        int asInteger;
        double asFloat;
    };
    for (const Case c : { Case { "abc", 0, 0.0 }, Case { "", 0, 0.0 }, Case { " 42 ", 42, 42.0 }, Case { "2.5", 0, 2.5 },
                          Case { "1e999", 0, 0.0 } }) {
        edit->SetAsString(QString::fromLatin1(c.text));
        EXPECT_EQ(edit->AsInteger(), c.asInteger) << c.text;
        EXPECT_DOUBLE_EQ(edit->AsFloat(), c.asFloat) << c.text;
    }
    edit->SetAsString(QStringLiteral("abc"));
    EXPECT_THROW(edit->AsDateTime(), EConvertError);
    edit->SetAsDateTime(45000.5);
    EXPECT_DOUBLE_EQ(edit->AsDateTime(), 45000.5);
}

TEST_F(EditTest, DisableBlanksSilentlyAndGreys)
{
    edit->SetAsInteger(5);
    edit->Disable();
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(edit->Color(), clBtnFace);
    EXPECT_EQ(counts.change, 0);
    edit->Enable();
    EXPECT_EQ(edit->Color(), clWindow);
}

class SpinnerTest : public EditTest
{
protected:
    void SetUp() override
    {
        EditTest::SetUp();
        spin = new TiUpDown(form);
        spin->SetParent(form);
        spin->SetAssociate(edit);
    }
    QPoint Up() const { return In(spin, 7, 3); }
    QPoint Down() const { return In(spin, 7, 18); }
    TiUpDown* spin { nullptr };
};

TEST_F(SpinnerTest, SitsBesideItsEditAndStepsWithinItsLimits)
{
    EXPECT_EQ(spin->Left(), 110);
    EXPECT_EQ(spin->Top(), 10);
    EXPECT_EQ(spin->Height(), 21);
    spin->SetMax(23);
    spin->SetAsInteger(23);
    EXPECT_EQ(counts.update, 0);
    Show();
    QTest::mouseClick(Window(), Qt::LeftButton, {}, Up());
    ptest::Settle();
    EXPECT_EQ(edit->AsInteger(), 23);
    QTest::mouseClick(Window(), Qt::LeftButton, {}, Down());
    ptest::Settle();
    EXPECT_EQ(edit->AsInteger(), 22);
    EXPECT_EQ(counts.update, 1);
    EXPECT_GT(form->userChanges, 0);

    spin->SetMax(0);
    spin->SetAsInteger(-5);
    QTest::mouseClick(Window(), Qt::LeftButton, {}, Down());
    ptest::Settle();
    EXPECT_EQ(edit->AsInteger(), -6);
}

TEST_F(SpinnerTest, HoldingAButtonRepeatsUntilRelease)
{
    spin->SetMax(0);
    Show();
    QTest::mousePress(Window(), Qt::LeftButton, {}, Up());
    EXPECT_EQ(edit->AsInteger(), 1);
    ASSERT_TRUE(ptest::WaitFor([&] { return edit->AsInteger() >= 4; }));
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, Up());
    EXPECT_FALSE(spin->Repeating());
}

TEST_F(SpinnerTest, ForgetsAnEditThatIsFreed)
{
    delete edit;
    edit = nullptr;
    EXPECT_EQ(spin->Associate(), nullptr);
    EXPECT_EQ(spin->AsInteger(), 0);
}

TEST_F(EditorWidgetsTest, ComboReportsTheUsersPickAndDisablesSilently)
{
    auto* combo = new TiComponentEditorComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 120, 21);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    for (const char* item : { "Solid", "Dash", "Dot" })
        combo->Items()->Add(QString::fromLatin1(item));
    combo->OnChange = [&](TObject*) { ++counts.change; };
    combo->OnClick = [&](TObject*) { ++counts.click; };
    Show();
    combo->SetAsInteger(0);
    EXPECT_EQ(counts.change + form->userChanges, 0);
    combo->SetFocus();
    ptest::Settle();
    Key(Qt::Key_Down);
    EXPECT_EQ(combo->AsInteger(), 1);
    EXPECT_EQ(counts.change, 1);
    EXPECT_EQ(counts.click, 0);
    EXPECT_EQ(form->userChanges, 1);

    combo->Disable();
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    EXPECT_EQ(combo->Color(), clBtnFace);
    EXPECT_EQ(counts.change, 1);
}

TEST_F(EditorWidgetsTest, ListKeepsItsSelectionWhenItemsGoAndMovesTheSelectedItem)
{
    auto* list = new TiComponentEditorListBox(form);
    list->SetParent(form);
    list->SetBounds(10, 10, 120, 200);
    int moves = 0;
    list->OnItemMove = [&](TObject*) { ++moves; };
    auto* kept = new TComponent(nullptr);
    for (const char* item : { "Channel 1", "Channel 2", "Channel 3" })
        list->Items()->AddObject(QString::fromLatin1(item), new TComponent(nullptr));
    list->Items()->AddObject(QStringLiteral("Channel 4"), kept);

    list->SetItemIndex(0);
    list->DropSelectedAt(10000);
    EXPECT_EQ(list->Items()->Strings(3), "Channel 1");
    EXPECT_EQ(list->ItemIndex(), 3);
    EXPECT_EQ(moves, 1);

    list->DeleteSelectedObject(); // the last: the selection moves to the new last item
    EXPECT_EQ(list->Count(), 3);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(list->Items()->Strings(2), "Channel 4");

    list->SetItemIndex(0);
    list->DeleteObjectIndex(kept);
    EXPECT_EQ(list->Count(), 2);
    EXPECT_EQ(list->ItemIndex(), 0);
    delete kept;
    while (list->Count() > 0)
        list->DeleteSelectedObject();
    EXPECT_EQ(list->ItemIndex(), -1);
}

} // namespace
