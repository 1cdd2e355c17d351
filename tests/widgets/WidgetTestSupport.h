#pragma once
// Shared helpers of the widget tests: one application, rendering a control into pixels the test
// owns, and synthetic mouse, key and wheel input.

#include "platform/core/TColor.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TControl.h"

#include <QApplication>
#include <QTest>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace wtest {

inline vcl::TApplication& App()
{
    static int argc = 1;
    static char name[] = "test_widgets";
    static char* argv[] = { name, nullptr };
    static vcl::TApplication* app = new vcl::TApplication(argc, argv); // lives to the process's end
    return *app;
}

// The control's own painting (children left out), on a background of `fill`.
inline QImage Render(QWidget* w, QColor fill = QColor(1, 2, 3))
{
    QImage img(w->width(), w->height(), QImage::Format_RGB32);
    img.fill(fill);
    w->render(&img, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return img;
}

inline vcl::TColor Pixel(const QImage& img, int x, int y)
{
    return vcl::FromQColor(img.pixelColor(x, y));
}

inline void Mouse(QWidget* w, QEvent::Type type, int x, int y, Qt::MouseButton button = Qt::LeftButton)
{
    const QPointF local(x, y);
    const QPointF global = w->mapToGlobal(local);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, local, global, type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

inline void Press(QWidget* w, int x, int y) { Mouse(w, QEvent::MouseButtonPress, x, y); }
inline void Release(QWidget* w, int x, int y) { Mouse(w, QEvent::MouseButtonRelease, x, y); }
inline void Move(QWidget* w, int x, int y) { Mouse(w, QEvent::MouseMove, x, y); }
inline void ClickAt(QWidget* w, int x, int y)
{
    Press(w, x, y);
    Release(w, x, y);
}

inline void Key(QWidget* w, QEvent::Type type, int qtKey, const QString& text = QString())
{
    QKeyEvent e(type, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(w, &e);
}

inline void Wheel(QWidget* w, int delta)
{
    QWheelEvent e(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

// --- input through the window system: events enter at the top-level window and Qt routes them to
// the widget under the mouse or with the focus, with its grabs, masks and focus proxies. ---

// Shows a top-level window and waits until it is active.
inline bool ShowActive(QWidget* top)
{
    if (auto* control = dynamic_cast<vcl::TControl*>(top))
        control->SetVisible(true); // a form shown as the program shows it
    else
        top->show();
    top->activateWindow();
    return QTest::qWaitForWindowActive(top);
}

// (x, y) of `w` in its window's coordinates.
inline QPoint InWindow(QWidget* w, int x, int y)
{
    return w->mapTo(w->window(), QPoint(x, y));
}

inline void WinPress(QWidget* w, int x, int y)
{
    QTest::mousePress(w->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, InWindow(w, x, y));
}
inline void WinMove(QWidget* w, int x, int y)
{
    QTest::mouseMove(w->window()->windowHandle(), InWindow(w, x, y));
}
inline void WinRelease(QWidget* w, int x, int y)
{
    QTest::mouseRelease(w->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, InWindow(w, x, y));
}
inline void WinClick(QWidget* w, int x, int y)
{
    QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, InWindow(w, x, y));
}
// Typed text and keys go to whatever has the focus in `top`.
inline void WinType(QWidget* top, const QString& text)
{
    for (QChar ch : text)
        QTest::keyClick(top->windowHandle(), ch.toLatin1());
}
inline void WinKey(QWidget* top, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(top->windowHandle(), key, modifiers);
}

} // namespace wtest
