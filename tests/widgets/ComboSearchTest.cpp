// Typing in the combo boxes as the window system delivers it (the focus on the combo, which hands
// keys to its edit field itself): list search with its pause, completion of the edit field, text
// set from code, Backspace, Tab on Enter, the typing limit and the list's own keys.
#include "WidgetTestSupport.h"

#include "platform/ui/TEdit.h"
#include "platform/ui/TForm.h"
#include "widgets/RzCmboBx.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace vcl;
using namespace rz;

namespace {

const char* const kSlopes[] = { "BW -6",  "BL -6",  "BW -12", "BL -12", "LK -12", "BW -18", "BL -18",
                                "BW -24", "BL -24", "LK -24", "BW -30", "BL -30", "BW -36", "BL -36",
                                "LK -36", "BW -42", "BL -42", "BW -48", "BL -48", "LK -48" };

class ComboSearchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wtest::App();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(50, 50, 300, 200);
        MakeCombo(TComboBoxStyle::csDropDown);
        other = new TEdit(form.get());
        other->SetParent(form.get());
        other->SetBounds(10, 100, 80, 21);
    }

    void MakeCombo(TComboBoxStyle style)
    {
        delete combo;
        combo = new TRzComboBox(form.get(), style);
        combo->SetParent(form.get());
        combo->SetBounds(10, 10, 80, 22);
        for (const char* s : kSlopes)
            combo->Items()->Add(QString::fromLatin1(s));
        combo->OnChange = [this](TObject*) { ++changes; };
        combo->OnClick = [this](TObject*) { ++clicks; };
        combo->SetBeepOnInvalidKey(false);
        inner = combo->findChild<QComboBox*>();
    }

    // Types through a list-only box: a search, its pause, a miss and Backspace.
    void ListSearch()
    {
        Focus();
        Type("bl");
        EXPECT_EQ(combo->ItemIndex(), 1); // "BL -6"
        EXPECT_EQ(combo->SearchString(), QStringLiteral("bl"));
        combo->SearchTimerFired(); // the pause
        Type("l");
        EXPECT_EQ(combo->ItemIndex(), 4); // a new search: "LK -12"

        const int before = changes;
        Type("q"); // "lq" matches nothing: unchanged, silent
        EXPECT_EQ(combo->ItemIndex(), 4);
        EXPECT_EQ(changes, before);

        wtest::WinKey(form.get(), Qt::Key_Backspace);
        EXPECT_EQ(combo->ItemIndex(), 0); // the emptied search selects the first item
        EXPECT_EQ(changes, before + 1);
        EXPECT_TRUE(combo->SearchString().isEmpty());
    }

    // Shows the form, puts the focus on the other control with a click and moves it to the
    // combo with Tab.
    void Focus()
    {
        ASSERT_TRUE(wtest::ShowActive(form.get()));
        wtest::WinClick(other, 5, 5);
        wtest::WinKey(form.get(), Qt::Key_Tab);
        ASSERT_TRUE(combo->Focused());
    }

    void Type(const QString& text) { wtest::WinType(form.get(), text); }

    std::unique_ptr<TForm> form;
    TRzComboBox* combo = nullptr;
    TEdit* other = nullptr;
    QComboBox* inner = nullptr;
    int changes = 0;
    int clicks = 0;
};

TEST_F(ComboSearchTest, TypingCompletesFromTheFirstPrefixMatchThroughTheFocusPath)
{
    int presses = 0, enters = 0, exits = 0, notInList = 0;
    combo->OnKeyPress = [&](TObject*, char16_t&) { ++presses; };
    combo->OnEnter = [&](TObject*) { ++enters; };
    combo->OnExit = [&](TObject*) { ++exits; };
    combo->OnNotInList = [&](TObject*) { ++notInList; };
    combo->SetFocusColor(clYellow);
    Focus();
    EXPECT_EQ(enters, 1);
    const int exitsBefore = exits;
    EXPECT_EQ(combo->Color(), clYellow); // the focus colour while focused

    Type("l");
    EXPECT_EQ(combo->Text(), QStringLiteral("LK -12"));
    EXPECT_EQ(combo->ItemIndex(), 4);
    EXPECT_EQ(inner->lineEdit()->selectedText(), QStringLiteral("K -12"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(presses, 1);

    Type("k -2"); // completes on: "LK -24"
    EXPECT_EQ(combo->Text(), QStringLiteral("LK -24"));
    EXPECT_EQ(combo->ItemIndex(), 9);
    wtest::WinKey(form.get(), Qt::Key_End);
    Type("x"); // no item: the edit takes the character
    EXPECT_EQ(combo->Text(), QStringLiteral("LK -24x"));
    EXPECT_EQ(combo->ItemIndex(), -1);

    wtest::WinClick(other, 5, 5);
    EXPECT_EQ(exits, exitsBefore + 1);
    EXPECT_EQ(notInList, 1);
    EXPECT_EQ(combo->Color(), clWindow);
    EXPECT_TRUE(combo->SearchString().isEmpty());
}

TEST_F(ComboSearchTest, KeepSearchCaseKeepsTheTypedLetters)
{
    combo->SetKeepSearchCase(true);
    Focus();
    Type("l");
    EXPECT_EQ(combo->Text(), QStringLiteral("lK -12"));
    wtest::WinKey(form.get(), Qt::Key_Backspace); // the search text empties: nothing chosen
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), QString());
}

TEST_F(ComboSearchTest, TextFromCodeSelectsTheCompletedItem)
{
    combo->SetText(QStringLiteral("BW -1"));
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(inner->lineEdit()->selectedText(), QStringLiteral("2"));
    EXPECT_EQ(changes, 0);

    TRzComboBox other(nullptr);
    for (const char* s : kSlopes)
        other.Items()->Add(QString::fromLatin1(s));
    other.ForceText(QStringLiteral("BW -1"));
    EXPECT_EQ(other.Text(), QStringLiteral("BW -1"));
    EXPECT_EQ(other.ItemIndex(), -1);
    EXPECT_FALSE(other.findChild<QLineEdit*>()->hasSelectedText());
}

TEST_F(ComboSearchTest, ListSearchWithPauseBackspaceAndMisses)
{
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    ListSearch();
}

TEST_F(ComboSearchTest, ABoxBornListOnlyIsTheBoxSetToItAfterConstruction)
{
    MakeCombo(TComboBoxStyle::csDropDownList);
    EXPECT_EQ(combo->Style(), TComboBoxStyle::csDropDownList);
    ASSERT_NE(inner, nullptr);
    EXPECT_FALSE(inner->isEditable());
    EXPECT_EQ(inner->lineEdit(), nullptr);
    EXPECT_EQ(inner->completer(), nullptr);
    combo->SetText(QStringLiteral("BW -24"));
    EXPECT_EQ(combo->ItemIndex(), 7);
    ListSearch();
    // Made editable later, it completes nothing by itself, as a box set to list-only first would not.
    combo->SetStyle(TComboBoxStyle::csDropDown);
    ASSERT_NE(inner->lineEdit(), nullptr);
    EXPECT_EQ(inner->completer(), nullptr);
}

TEST_F(ComboSearchTest, TabOnEnterMovesTheFocusInsteadOfReachingOnKeyPress)
{
    int presses = 0;
    combo->OnKeyPress = [&](TObject*, char16_t&) { ++presses; };
    combo->SetTabOnEnter(true);
    Focus();
    wtest::WinKey(form.get(), Qt::Key_Return);
    EXPECT_EQ(presses, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return other->Focused(); }));
}

TEST_F(ComboSearchTest, TypingStopsAtMaxLengthUnlessTextIsSelected)
{
    combo->Items()->Clear();
    combo->SetMaxLength(3);
    Focus();
    Type("wxyz");
    EXPECT_EQ(combo->Text(), QStringLiteral("wxy"));
    inner->lineEdit()->selectAll();
    Type("q");
    EXPECT_EQ(combo->Text(), QStringLiteral("q"));
}

TEST_F(ComboSearchTest, TheListOpensWithAutoDropDownAndReportsItsEnds)
{
    int drops = 0, closes = 0, cancels = 0, oks = 0;
    combo->OnDropDown = [&](TObject*) { ++drops; };
    combo->OnCloseUp = [&](TObject*) { ++closes; };
    combo->OnSelEndCancel = [&](TObject*) { ++cancels; };
    combo->OnSelEndOk = [&](TObject*) { ++oks; };
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->SetAutoDropDown(true);
    Focus();
    Type("b");
    ASSERT_TRUE(combo->DroppedDown());
    EXPECT_EQ(drops, 1);
    // The list is as wide as its widest item with a scroll bar (20 items, 8 shown) plus 8.
    const QFontMetrics metrics(combo->Font()->QtFont());
    int widest = 0;
    for (const char* s : kSlopes)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(s)));
    EXPECT_EQ(combo->ActualDropDownWidth(), std::max(widest + combo->ButtonWidth() + 8, combo->Width()));
    EXPECT_EQ(inner->view()->window()->width(), combo->ActualDropDownWidth());

    QTest::keyClick(inner->view(), Qt::Key_Escape);
    ASSERT_FALSE(combo->DroppedDown());
    EXPECT_TRUE(QTest::qWaitFor([&] { return cancels == 1; }));
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(oks, 0);

    combo->SetDropDownWidth(250);
    combo->SetDroppedDown(true);
    EXPECT_EQ(combo->ActualDropDownWidth(), 250);
    QTest::keyClick(inner->view(), Qt::Key_Down);
    QTest::keyClick(inner->view(), Qt::Key_Return);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(oks, 1);
    QTest::qWait(1);
    EXPECT_EQ(cancels, 1); // a pick is no cancel
}

} // namespace
