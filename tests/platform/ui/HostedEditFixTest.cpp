// Controls hosting a Qt editor: the typing limit leaves program texts whole, button presses in the
// editor reach the control's mouse handlers, and each key reaches the key handlers exactly once.
#include "ApplicationTestEnv.h"

#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/VirtualKeys.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

class HostedEditFixTest : public ::testing::Test
{
protected:
    void SetUp() override { uitest::App(); }

    static QWidget* Editor(TWinControl* c) { return c->focusProxy() ? c->focusProxy() : c; }

    static void Key(QWidget* target, int qtKey, const QString& text = {})
    {
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
        QApplication::sendEvent(target, &release);
    }

    static void Mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent e(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held, modifiers);
        QApplication::sendEvent(target, &e);
    }
};

TEST_F(HostedEditFixTest, TypingLimitLeavesProgramTextsWhole)
{
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    edit->SetMaxLength(7);
    edit->SetText(QStringLiteral("20.16KHz"));
    EXPECT_EQ(edit->Text(), QStringLiteral("20.16KHz"));

    // Setting the limit after the text does not cut it either.
    edit->SetMaxLength(3);
    EXPECT_EQ(edit->Text(), QStringLiteral("20.16KHz"));
    edit->SetMaxLength(7);

    // The user cannot make the long text longer, but can shorten it, down to the limit and below.
    Key(Editor(edit), Qt::Key_End);
    Key(Editor(edit), Qt::Key_1, QStringLiteral("1"));
    EXPECT_EQ(edit->Text(), QStringLiteral("20.16KHz"));
    Key(Editor(edit), Qt::Key_Backspace);
    EXPECT_EQ(edit->Text(), QStringLiteral("20.16KH"));
    Key(Editor(edit), Qt::Key_2, QStringLiteral("2"));
    EXPECT_EQ(edit->Text(), QStringLiteral("20.16KH"));
    Key(Editor(edit), Qt::Key_Backspace);
    Key(Editor(edit), Qt::Key_Backspace);
    Key(Editor(edit), Qt::Key_3, QStringLiteral("3"));
    EXPECT_EQ(edit->Text(), QStringLiteral("20.163"));

    // Typed text stops at the limit.
    edit->Clear();
    for (const char* c : { "1", "2", "3", "4", "5", "6", "7", "8", "9" })
        Key(Editor(edit), Qt::Key_0 + (c[0] - '0'), QString::fromLatin1(c));
    EXPECT_EQ(edit->Text(), QStringLiteral("1234567"));

    // No limit: typing is free.
    edit->SetMaxLength(0);
    Key(Editor(edit), Qt::Key_8, QStringLiteral("8"));
    EXPECT_EQ(edit->Text(), QStringLiteral("12345678"));
}

struct MouseRecord
{
    int downs = 0;
    int ups = 0;
    TMouseButton button {};
    TShiftState shift;
    int x = -1;
    int y = -1;
    int selLengthSeen = -1;
};

TEST_F(HostedEditFixTest, ButtonPressInTheEditorReachesMouseHandlersOnceAfterTheEditor)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(10, 20, 120, 24);
    edit->SetText(QStringLiteral("12345"));
    edit->SetSelStart(0);
    MouseRecord r;
    edit->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState s, int x, int y) {
        ++r.downs;
        r.button = b;
        r.shift = s;
        r.x = x;
        r.y = y;
        r.selLengthSeen = edit->SelLength();
    };
    edit->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++r.ups; };

    QWidget* inner = Editor(edit);
    ASSERT_NE(inner, edit);
    Mouse(inner, QEvent::MouseButtonPress, QPoint(110, 7), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(r.downs, 1);
    EXPECT_EQ(r.button, TMouseButton::mbLeft);
    EXPECT_TRUE(r.shift.Contains(TShiftStateItem::ssShift));
    EXPECT_TRUE(r.shift.Contains(TShiftStateItem::ssLeft));
    EXPECT_EQ(r.x, 110);
    EXPECT_EQ(r.y, 7);
    // The editor acted on the press before the handler ran: the shift-click right of the text
    // selected all of it.
    EXPECT_EQ(r.selLengthSeen, 5);
    Mouse(inner, QEvent::MouseButtonRelease, QPoint(110, 7), Qt::LeftButton);
    EXPECT_EQ(r.ups, 1);

    Mouse(inner, QEvent::MouseButtonPress, QPoint(3, 4), Qt::RightButton);
    EXPECT_EQ(r.downs, 2);
    EXPECT_EQ(r.button, TMouseButton::mbRight);
    EXPECT_FALSE(r.shift.Contains(TShiftStateItem::ssShift));
    EXPECT_EQ(r.x, 3);
    Mouse(inner, QEvent::MouseButtonRelease, QPoint(3, 4), Qt::RightButton);

    Mouse(inner, QEvent::MouseButtonDblClick, QPoint(5, 5), Qt::LeftButton);
    EXPECT_EQ(r.downs, 3);
    EXPECT_TRUE(r.shift.Contains(TShiftStateItem::ssDouble));
    Mouse(inner, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton);

    // A button the library does not know is not reported.
    Mouse(inner, QEvent::MouseButtonPress, QPoint(5, 5), Qt::BackButton);
    EXPECT_EQ(r.downs, 3);
}

TEST_F(HostedEditFixTest, ButtonPressInAScrollingEditorReachesOnMouseDown)
{
    TForm form(nullptr);
    auto* memo = new TMemo(&form);
    memo->SetParent(&form);
    memo->SetBounds(0, 0, 150, 80);
    int downs = 0;
    QPoint at;
    memo->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        ++downs;
        at = QPoint(x, y);
    };
    auto* area = qobject_cast<QAbstractScrollArea*>(Editor(memo));
    ASSERT_NE(area, nullptr);
    QWidget* viewport = area->viewport();
    Mouse(viewport, QEvent::MouseButtonPress, QPoint(12, 9), Qt::LeftButton);
    Mouse(viewport, QEvent::MouseButtonRelease, QPoint(12, 9), Qt::LeftButton);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(at, viewport->mapTo(memo, QPoint(12, 9)));
}

struct KeyCounts
{
    int downs = 0;
    int presses = 0;
    int ups = 0;
};

void CountKeys(TWinControl* c, KeyCounts& n)
{
    c->OnKeyDown = [&n](TObject*, WORD&, TShiftState) { ++n.downs; };
    c->OnKeyPress = [&n](TObject*, char16_t&) { ++n.presses; };
    c->OnKeyUp = [&n](TObject*, WORD&, TShiftState) { ++n.ups; };
}

TEST_F(HostedEditFixTest, EachKeyReachesTheKeyHandlersOnce)
{
    struct Case
    {
        int qtKey;
        const char* text;
        int presses; // characters the key carries
    };
    const Case cases[] = {
        { Qt::Key_Return, "\r", 1 }, { Qt::Key_Enter, "\r", 1 }, { Qt::Key_Escape, "\x1b", 1 },
        { Qt::Key_A, "a", 1 },       { Qt::Key_Up, "", 0 },      { Qt::Key_F2, "", 0 },
    };
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    auto* combo = new TComboBox(&form);
    combo->SetParent(&form);
    combo->Items()->Add(QStringLiteral("one"));
    combo->Items()->Add(QStringLiteral("two"));
    KeyCounts parentCounts;
    CountKeys(&form, parentCounts);
    for (TWinControl* control : { static_cast<TWinControl*>(edit), static_cast<TWinControl*>(combo) }) {
        for (const Case& c : cases) {
            KeyCounts n;
            CountKeys(control, n);
            Key(Editor(control), c.qtKey, QString::fromLatin1(c.text));
            EXPECT_EQ(n.downs, 1) << control->metaObject()->className() << " key " << c.qtKey;
            EXPECT_EQ(n.presses, c.presses) << control->metaObject()->className() << " key " << c.qtKey;
            EXPECT_EQ(n.ups, 1) << control->metaObject()->className() << " key " << c.qtKey;
        }
    }
    // The keys stay with the control that had them.
    EXPECT_EQ(parentCounts.downs, 0);
    EXPECT_EQ(parentCounts.ups, 0);
}

TEST_F(HostedEditFixTest, KeyEatenByAHandlerNeverReachesTheEditor)
{
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    int presses = 0;
    edit->OnKeyPress = [&](TObject*, char16_t& k) {
        ++presses;
        if (k == u'x')
            k = 0;
    };
    Key(Editor(edit), Qt::Key_X, QStringLiteral("x"));
    Key(Editor(edit), Qt::Key_Y, QStringLiteral("y"));
    EXPECT_EQ(edit->Text(), QStringLiteral("y"));
    EXPECT_EQ(presses, 2);
}

} // namespace
