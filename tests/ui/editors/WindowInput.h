#pragma once
// Real mouse input on the main window: the window is shown and every press goes to its top-level
// window at the control's place, so Qt delivers it to whatever lies there, as for a user.

#include "platform/ui/TControl.h"
#include "ui/FMain.h"

#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace edtest {

// Shows the window once; later calls do nothing.
inline void ShowWindow(TfmMain& form)
{
    if (form.isVisible())
        return;
    form.Show();
    form.activateWindow();
    QApplication::processEvents();
}

// A left click at the control's centre (or at the given point of it), through the top-level window.
inline void ClickOnWindow(TfmMain& form, vcl::TControl* control, QPoint at = QPoint(-1, -1))
{
    ASSERT_NE(control, nullptr);
    ShowWindow(form);
    ASSERT_TRUE(control->isVisible()) << control->Name().toStdString() << " is not on screen";
    if (at.x() < 0)
        at = QPoint(control->width() / 2, control->height() / 2);
    QWindow* window = form.windowHandle();
    ASSERT_NE(window, nullptr);
    const QPoint pos = control->mapTo(&form, at);
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, pos);
    QApplication::processEvents();
}

// Keys typed on the top-level window: Qt hands them to whatever has the focus, as for a user.
inline void TypeOnWindow(TfmMain& form, const QString& text)
{
    QWindow* window = form.windowHandle();
    ASSERT_NE(window, nullptr);
    for (QChar c : text)
        QTest::keyClick(window, c.toLatin1());
    QApplication::processEvents();
}

inline void KeyOnWindow(TfmMain& form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWindow* window = form.windowHandle();
    ASSERT_NE(window, nullptr);
    QTest::keyClick(window, key, modifiers);
    QApplication::processEvents();
}

// The page shown by a click on its page button.
inline void ShowPageByClick(TfmMain& form, const QString& pageButton)
{
    ClickOnWindow(form, dynamic_cast<vcl::TControl*>(form.FindComponent(pageButton)));
}

} // namespace edtest
