// The combo options a form may set, driven through the window as the user drives them: the letter
// case of typed text, closing the list on a keyboard choice, and the cue text of an empty edit field.
// Each case runs on the platform combo and on the panels' combo (with and without its own completion).
#include "WidgetTestSupport.h"

#include "platform/ui/TEdit.h"
#include "platform/ui/TForm.h"
#include "widgets/RzCmboBx.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScreen>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace vcl;
using namespace rz;

namespace {

enum class Kind { Platform, Rz, RzNoCompletion };

const char* KindName(Kind k)
{
    switch (k) {
    case Kind::Platform: return "platform combo";
    case Kind::Rz: return "Rz combo";
    case Kind::RzNoCompletion: return "Rz combo without completion";
    }
    return "";
}

class ComboOptionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wtest::App();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(50, 50, 300, 200);
        other = new TEdit(form.get());
        other->SetParent(form.get());
        other->SetBounds(10, 100, 80, 21);
    }

    // A fresh box of that kind and style holding "BW -6", "LK -12", "bl -6", the focus on the other
    // control.
    void Make(Kind kind, TComboBoxStyle style)
    {
        delete combo;
        changes = 0;
        pressed.clear();
        if (kind == Kind::Platform) {
            combo = new TComboBox(form.get(), style);
            combo->OnChange = [this](TObject*) { ++changes; };
        } else {
            rz = new TRzComboBox(form.get(), style);
            rz->OnChange = [this](TObject*) { ++changes; };
            rz->SetAutoComplete(kind == Kind::Rz);
            rz->SetBeepOnInvalidKey(false);
            combo = rz;
        }
        if (kind == Kind::Platform)
            rz = nullptr;
        combo->SetParent(form.get());
        combo->SetBounds(10, 10, 100, 22);
        for (const char* s : { "BW -6", "LK -12", "bl -6" })
            combo->Items()->Add(QString::fromLatin1(s));
        combo->OnKeyPress = [this](TObject*, char16_t& k) { pressed += QChar(k); };
        inner = combo->findChild<QComboBox*>();
        ASSERT_TRUE(wtest::ShowActive(form.get()));
        wtest::WinClick(other, 5, 5);
    }

    // Tab from the other control, as the user moves there.
    void FocusCombo()
    {
        wtest::WinClick(other, 5, 5);
        wtest::WinKey(form.get(), Qt::Key_Tab);
        ASSERT_TRUE(combo->Focused());
    }

    bool Dropped() const { return inner->view()->isVisible(); }

    // The box as the screen shows it, once the window has painted it.
    QImage Seen() const
    {
        combo->repaint();
        const QPoint origin = combo->mapToGlobal(QPoint());
        return combo->screen()
            ->grabWindow(0, origin.x(), origin.y(), combo->width(), combo->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    std::unique_ptr<TForm> form;
    TComboBox* combo = nullptr;
    TRzComboBox* rz = nullptr;
    TEdit* other = nullptr;
    QComboBox* inner = nullptr;
    int changes = 0;
    QString pressed;
};

TEST_F(ComboOptionsTest, TypedLettersTakeTheCaseAndHandlersSeeThemAsTyped)
{
    struct Case
    {
        Kind kind;
        TComboBoxStyle style;
        TEditCharCase charCase;
        bool keepSearchCase;
        const char* typed;
        const char* text;
    };
    using S = TComboBoxStyle;
    using C = TEditCharCase;
    const Case cases[] = {
        { Kind::Platform, S::csDropDown, C::ecUpperCase, false, "xy1", "XY1" },
        { Kind::Platform, S::csSimple, C::ecLowerCase, false, "XyZ", "xyz" },
        { Kind::Platform, S::csDropDown, C::ecNormal, false, "xY", "xY" },
        { Kind::RzNoCompletion, S::csDropDown, C::ecUpperCase, false, "bw", "BW" },
        { Kind::RzNoCompletion, S::csSimple, C::ecLowerCase, false, "QR", "qr" },
        // Completion: the typed part in the box's case, the rest as the item has it.
        { Kind::Rz, S::csDropDown, C::ecUpperCase, true, "l", "LK -12" },
        { Kind::Rz, S::csDropDown, C::ecLowerCase, true, "B", "bW -6" },
        { Kind::Rz, S::csDropDown, C::ecNormal, true, "l", "lK -12" },
        { Kind::Rz, S::csDropDown, C::ecUpperCase, false, "xq", "XQ" }, // no item: typed text only
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(KindName(c.kind)) + " typing " + c.typed);
        Make(c.kind, c.style);
        if (rz)
            rz->SetKeepSearchCase(c.keepSearchCase);
        combo->SetCharCase(c.charCase);
        FocusCombo();
        wtest::WinType(form.get(), QString::fromLatin1(c.typed));
        EXPECT_EQ(combo->Text(), QString::fromLatin1(c.text));
        EXPECT_EQ(pressed, QString::fromLatin1(c.typed));
        EXPECT_GT(changes, 0);
    }
}

TEST_F(ComboOptionsTest, SettingTheCaseConvertsTheEditTextButNeverTheItems)
{
    struct Case
    {
        Kind kind;
        TComboBoxStyle style;
        TEditCharCase charCase;
        const char* text;
        int itemIndex;
    };
    using S = TComboBoxStyle;
    using C = TEditCharCase;
    const Case cases[] = {
        { Kind::Platform, S::csDropDown, C::ecUpperCase, "BL -6", -1 },
        { Kind::Rz, S::csDropDown, C::ecUpperCase, "BL -6", -1 },
        { Kind::Rz, S::csSimple, C::ecLowerCase, "bl -6", 2 }, // already in that case
        { Kind::Rz, S::csDropDownList, C::ecUpperCase, "bl -6", 2 }, // no edit field: nothing to convert
        { Kind::Platform, S::csDropDownList, C::ecUpperCase, "bl -6", 2 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(KindName(c.kind));
        Make(c.kind, c.style);
        combo->SetItemIndex(2);
        combo->SetCharCase(c.charCase);
        EXPECT_EQ(combo->CharCase(), c.charCase);
        EXPECT_EQ(combo->Text(), QString::fromLatin1(c.text));
        EXPECT_EQ(combo->ItemIndex(), c.itemIndex);
        EXPECT_EQ(combo->Items()->Strings(2), QStringLiteral("bl -6"));
        EXPECT_EQ(changes, 0);
    }
}

TEST_F(ComboOptionsTest, AutoCloseUpTakesAKeyboardChoiceAtOnce)
{
    struct Case
    {
        Kind kind;
        TComboBoxStyle style;
        bool autoCloseUp;
    };
    using S = TComboBoxStyle;
    const Case cases[] = {
        { Kind::Platform, S::csDropDownList, true },  { Kind::Platform, S::csDropDown, true },
        { Kind::Rz, S::csDropDownList, true },        { Kind::Rz, S::csDropDown, true },
        { Kind::Platform, S::csDropDownList, false }, { Kind::Rz, S::csDropDown, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(KindName(c.kind)) + (c.autoCloseUp ? " closing" : " staying open"));
        Make(c.kind, c.style);
        int oks = 0;
        if (rz)
            rz->OnSelEndOk = [&](TObject*) { ++oks; };
        combo->SetAutoCloseUp(c.autoCloseUp);
        combo->SetItemIndex(0);
        FocusCombo();
        wtest::WinKey(form.get(), Qt::Key_F4);
        ASSERT_TRUE(Dropped());

        wtest::WinKey(form.get(), Qt::Key_Down);
        if (c.autoCloseUp) {
            EXPECT_FALSE(Dropped());
            EXPECT_EQ(combo->ItemIndex(), 1);
            EXPECT_EQ(combo->Text(), QStringLiteral("LK -12"));
            EXPECT_EQ(changes, 1);
            EXPECT_EQ(oks, rz ? 1 : 0);
            continue;
        }
        // The platform's way: the list stays open on its moved highlight until Enter chooses it.
        EXPECT_TRUE(Dropped());
        EXPECT_EQ(combo->ItemIndex(), 0);
        EXPECT_EQ(changes, 0);
        wtest::WinKey(form.get(), Qt::Key_Down);
        wtest::WinKey(form.get(), Qt::Key_Return);
        EXPECT_FALSE(Dropped());
        EXPECT_EQ(combo->ItemIndex(), 2);
        EXPECT_EQ(changes, 1);
    }
}

TEST_F(ComboOptionsTest, AutoCloseUpLeavesTheListOpenAtItsEndsAndUnderTheMouse)
{
    Make(Kind::Rz, TComboBoxStyle::csDropDownList);
    combo->SetAutoCloseUp(true);
    combo->SetItemIndex(2);
    FocusCombo();
    wtest::WinKey(form.get(), Qt::Key_F4);
    ASSERT_TRUE(Dropped());
    wtest::WinKey(form.get(), Qt::Key_End); // already on the last item: nothing chosen
    EXPECT_TRUE(Dropped());
    QAbstractItemView* view = inner->view();
    const QRect first = view->visualRect(view->model()->index(0, 0));
    wtest::WinMove(view->viewport(), first.center().x(), first.center().y()); // the highlight follows
    EXPECT_TRUE(Dropped());
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(changes, 0);
    wtest::WinKey(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(Dropped());
}

TEST_F(ComboOptionsTest, TextHintShowsGreyInAnEmptyEditFieldOnly)
{
    for (Kind kind : { Kind::Platform, Kind::Rz }) {
        for (TComboBoxStyle style : { TComboBoxStyle::csDropDown, TComboBoxStyle::csSimple, TComboBoxStyle::csDropDownList }) {
            SCOPED_TRACE(std::string(KindName(kind)) + " style " + std::to_string(int(style)));
            Make(kind, style);
            const QImage plain = Seen();
            combo->SetTextHint(QStringLiteral("Slope"));
            EXPECT_EQ(combo->TextHint(), QStringLiteral("Slope"));
            const QImage hinted = Seen();
            if (style == TComboBoxStyle::csDropDownList) {
                EXPECT_EQ(hinted, plain);
                continue;
            }
            // The cue is drawn, in grey: its darkest pixel is far from the black of typed text.
            ASSERT_EQ(hinted.size(), plain.size());
            int darkest = 255;
            for (int y = 0; y < plain.height(); ++y)
                for (int x = 0; x < plain.width(); ++x)
                    if (hinted.pixel(x, y) != plain.pixel(x, y))
                        darkest = std::min(darkest, qGray(hinted.pixel(x, y)));
            EXPECT_LT(darkest, 200);
            EXPECT_GT(darkest, 60);

            // Typed text hides it.
            FocusCombo();
            wtest::WinType(form.get(), QStringLiteral("q"));
            wtest::WinClick(other, 5, 5);
            const QImage typed = Seen();
            combo->SetTextHint(QString());
            EXPECT_EQ(Seen(), typed);
        }
    }
}

TEST_F(ComboOptionsTest, AStyleSetAgainReportsEachTypedKeyOnce)
{
    for (Kind kind : { Kind::Platform, Kind::RzNoCompletion }) {
        SCOPED_TRACE(KindName(kind));
        Make(kind, TComboBoxStyle::csDropDown);
        combo->SetAutoComplete(false);
        combo->SetStyle(TComboBoxStyle::csDropDown); // as a form that names the style does
        combo->SetTextHint(QStringLiteral("Slope"));
        FocusCombo();
        wtest::WinType(form.get(), QStringLiteral("q"));
        EXPECT_EQ(combo->Text(), QStringLiteral("q"));
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(pressed, QStringLiteral("q"));
    }
}

TEST_F(ComboOptionsTest, ABoxFreedWithTheFocusReportsNoChoice)
{
    // Its edit field names an item that is not the chosen one: losing the focus makes the hosted
    // combo choose that item, which must not reach a control already on its way out.
    Make(Kind::Platform, TComboBoxStyle::csDropDown);
    combo->SetAutoComplete(false);
    FocusCombo();
    wtest::WinType(form.get(), QStringLiteral("bl -6"));
    ASSERT_EQ(combo->ItemIndex(), -1);
    const int before = changes;
    delete combo;
    combo = nullptr;
    EXPECT_EQ(changes, before);
}

} // namespace
