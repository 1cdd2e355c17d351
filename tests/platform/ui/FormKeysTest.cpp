// The keyboard conventions forms rely on, pressed on the form's own window: Esc and Enter that the
// focused control leaves click the form's cancel and default controls, the menu bar opens on F10 and
// on Alt with a caption's accelerator (given automatically when a caption has none), and a control
// that has the focus shows a mark.

#include "ApplicationTestEnv.h"

#include "platform/ui/TEdit.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TMenus.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/VirtualKeys.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

struct KeysForm
{
    KeysForm()
    {
        form.SetBounds(100, 100, 320, 200);
        edit->SetParent(&form);
        edit->SetBounds(10, 10, 120, 22);
        for (TPanel* p : { ok, cancel }) {
            p->SetParent(&form);
            p->SetTabStop(true);
        }
        ok->SetBounds(10, 60, 80, 28);
        cancel->SetBounds(100, 60, 80, 28);
        ok->OnClick = [this](TObject*) { ++okClicks; };
        cancel->OnClick = [this](TObject*) { ++cancelClicks; };
        form.SetDefaultControl(ok);
        form.SetCancelControl(cancel);
        form.Show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.windowHandle()));
        edit->SetFocus();
        QApplication::processEvents();
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(form.windowHandle(), key, modifiers);
        QApplication::processEvents();
    }

    TApplication& app { uitest::App() }; // first: the form needs it
    TForm form { nullptr };
    TEdit* edit { new TEdit(&form) };
    TPanel* ok { new TPanel(&form) };
    TPanel* cancel { new TPanel(&form) };
    int okClicks { 0 };
    int cancelClicks { 0 };
};

} // namespace

TEST(FormKeys, EscAndEnterClickTheCancelAndDefaultControls)
{
    KeysForm f;
    f.Press(Qt::Key_Escape);
    EXPECT_EQ(f.cancelClicks, 1);
    f.Press(Qt::Key_Return);
    EXPECT_EQ(f.okClicks, 1);

    // An edit that uses Enter itself keeps it from the default control.
    f.edit->OnKeyDown = [](TObject*, WORD& key, TShiftState) {
        if (key == VK_RETURN)
            key = 0;
    };
    f.Press(Qt::Key_Return);
    EXPECT_EQ(f.okClicks, 1);

    // Hidden or disabled, a control takes no key.
    f.cancel->SetVisible(false);
    f.Press(Qt::Key_Escape);
    f.cancel->SetVisible(true);
    f.cancel->SetEnabled(false);
    f.Press(Qt::Key_Escape);
    EXPECT_EQ(f.cancelClicks, 1);
    EXPECT_EQ(f.okClicks, 1);
}

TEST(FormKeys, MenuOpensOnF10AndOnAltWithItsAccelerator)
{
    KeysForm f;
    auto* menu = new TMainMenu(&f.form);
    auto add = [&](TMenuItem* parent, const char* caption) {
        auto* it = new TMenuItem(&f.form);
        it->SetCaption(QString::fromLatin1(caption));
        parent->Add(it);
        return it;
    };
    TMenuItem* file = add(menu->Items(), "File");
    add(file, "Open");
    TMenuItem* fit = add(menu->Items(), "Fit");
    add(fit, "All");
    TMenuItem* help = add(menu->Items(), "&Help");
    add(help, "About");
    TMenuItem* hint = add(menu->Items(), "Hints");
    add(hint, "On");
    f.form.SetMenu(menu);
    QApplication::processEvents();

    // Captions stay as set; the shown texts carry the first free letter.
    EXPECT_EQ(file->Caption(), QStringLiteral("File"));
    const struct { TMenuItem* item; const char* shown; } texts[] = {
        { file, "&File" }, { fit, "F&it" }, { help, "&Help" }, { hint, "Hi&nts" },
    };
    for (const auto& t : texts)
        EXPECT_EQ(t.item->Action()->text(), QString::fromLatin1(t.shown));

    auto* bar = f.form.findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const struct { Qt::Key key; Qt::KeyboardModifiers modifiers; TMenuItem* opens; } keys[] = {
        { Qt::Key_F10, Qt::NoModifier, file },
        { Qt::Key_F, Qt::AltModifier, file },
        { Qt::Key_I, Qt::AltModifier, fit },
        { Qt::Key_H, Qt::AltModifier, help },
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(k.opens->Caption().toStdString());
        f.edit->SetFocus();
        f.Press(k.key, k.modifiers);
        ASSERT_TRUE(uitest::SpinUntil([&] { return bar->activeAction() == k.opens->Action(); }));
        QMenu* popup = k.opens->Action()->menu();
        ASSERT_NE(popup, nullptr);
        ASSERT_TRUE(uitest::SpinUntil([&] { return popup->isVisible(); }));
        QTest::keyClick(popup, Qt::Key_Escape);
        ASSERT_TRUE(uitest::SpinUntil([&] { return !popup->isVisible(); }));
        QTest::keyClick(bar, Qt::Key_Escape);
        QApplication::processEvents();
    }
    EXPECT_EQ(f.cancelClicks, 0) << "Esc in the menu is the menu's";
}

TEST(FormKeys, TabMovesTheFocusWithAVisibleMark)
{
    KeysForm f;
    const QImage unfocused = f.ok->grab().toImage();
    f.Press(Qt::Key_Tab);
    ASSERT_TRUE(uitest::SpinUntil([&] { return f.ok->hasFocus(); }));
    const QImage focused = f.ok->grab().toImage();
    ASSERT_EQ(focused.size(), unfocused.size());
    int changed = 0;
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x)
            changed += focused.pixel(x, y) != unfocused.pixel(x, y) ? 1 : 0;
    EXPECT_GT(changed, f.ok->Width()) << "a frame of dots around the focused control";
    f.Press(Qt::Key_Tab);
    ASSERT_TRUE(uitest::SpinUntil([&] { return f.cancel->hasFocus(); }));
    EXPECT_EQ(f.ok->grab().toImage(), unfocused) << "the mark goes with the focus";

    // A click gives the focus without the mark.
    QTest::mouseClick(f.form.windowHandle(), Qt::LeftButton, Qt::NoModifier, f.ok->mapTo(&f.form, QPoint(5, 5)));
    QApplication::processEvents();
    ASSERT_TRUE(uitest::SpinUntil([&] { return f.ok->hasFocus(); }));
    EXPECT_EQ(f.ok->grab().toImage(), unfocused);
}
