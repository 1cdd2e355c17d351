// Typing in the combo boxes: list search with its pause, completion of the edit field, text set
// from code, Backspace and Tab on Enter.
#include "WidgetTestSupport.h"

#include "widgets/RzCmboBx.h"

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
        combo = std::make_unique<TRzComboBox>(nullptr);
        for (const char* s : kSlopes)
            combo->Items()->Add(QString::fromLatin1(s));
        combo->OnChange = [this](TObject*) { ++changes; };
        combo->OnClick = [this](TObject*) { ++clicks; };
        combo->SetBeepOnInvalidKey(false);
        inner = combo->findChild<QComboBox*>();
    }

    void Type(QWidget* target, const QString& text)
    {
        for (QChar ch : text)
            wtest::Key(target, QEvent::KeyPress, Qt::Key_A + (ch.toUpper().unicode() - 'A'), QString(ch));
    }

    std::unique_ptr<TRzComboBox> combo;
    QComboBox* inner = nullptr;
    int changes = 0;
    int clicks = 0;
};

TEST_F(ComboSearchTest, EditFieldCompletesFromFirstPrefixMatch)
{
    Type(inner->lineEdit(), QStringLiteral("l"));
    EXPECT_EQ(combo->Text(), QStringLiteral("LK -12"));
    EXPECT_EQ(combo->ItemIndex(), 4);
    EXPECT_EQ(inner->lineEdit()->selectedText(), QStringLiteral("K -12"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 1);

    combo->SetText(QString());
    combo->ClearSearchString();
    combo->SetKeepSearchCase(true);
    Type(inner->lineEdit(), QStringLiteral("l"));
    EXPECT_EQ(combo->Text(), QStringLiteral("lK -12"));
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
    Type(inner, QStringLiteral("bl"));
    EXPECT_EQ(combo->ItemIndex(), 1); // "BL -6"
    EXPECT_EQ(combo->SearchString(), QStringLiteral("bl"));
    combo->SearchTimerFired(); // the pause
    Type(inner, QStringLiteral("l"));
    EXPECT_EQ(combo->ItemIndex(), 4); // a new search: "LK -12"

    const int before = changes;
    Type(inner, QStringLiteral("q")); // "lq" matches nothing: unchanged, silent
    EXPECT_EQ(combo->ItemIndex(), 4);
    EXPECT_EQ(changes, before);

    wtest::Key(inner, QEvent::KeyPress, Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(combo->ItemIndex(), 0); // the emptied search selects the first item
    EXPECT_EQ(changes, before + 1);
    EXPECT_TRUE(combo->SearchString().isEmpty());
}

TEST_F(ComboSearchTest, TabOnEnterKeepsEnterFromOnKeyPress)
{
    int presses = 0;
    combo->OnKeyPress = [&](TObject*, char16_t&) { ++presses; };
    combo->SetTabOnEnter(true);
    wtest::Key(inner->lineEdit(), QEvent::KeyPress, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(presses, 0);
    combo->SetTabOnEnter(false);
    wtest::Key(inner->lineEdit(), QEvent::KeyPress, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(presses, 1);
}

} // namespace
