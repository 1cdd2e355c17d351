#pragma once
// Base of the standard controls that host one Qt editor filling the control: keys, focus,
// font and colour reach the editor; events go through the control's handlers.

#include "platform/ui/TWinControl.h"

namespace vcl {

class TQtHostControl : public TWinControl
{
public:
    explicit TQtHostControl(TComponent* AOwner);
    ~TQtHostControl() override;

protected:
    // Takes the editor as a child that always fills the control.
    void Host(QWidget* inner);
    QWidget* Inner() const { return m_inner; }
    QWidget* FocusWidget() override { return m_inner ? m_inner : this; }
    bool WantsChars() const override { return true; }
    void SizeChanged() override;
    void ColorChanged() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Guard for programmatic changes whose Qt signals must not reach the user-edit handlers.
    bool m_syncing { false };

private:
    // A button press or release on the editor: the editor takes it first, then the control reports it.
    bool FilterInnerMouse(QWidget* widget, QMouseEvent* event);

    QWidget* m_inner { nullptr };
    QWidget* m_viewport { nullptr }; // the part of a scrolling editor that gets its mouse events
    bool m_innerMouse { false };      // a button event is on its way through the editor
    bool m_innerMouseBubbled { false }; // ... and the editor left it to this control, which reported it
};

// Sets a flag for its lifetime and restores the previous value on every exit path.
class TFlagGuard
{
public:
    explicit TFlagGuard(bool& flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~TFlagGuard() { m_flag = m_old; }
    TFlagGuard(const TFlagGuard&) = delete;
    TFlagGuard& operator=(const TFlagGuard&) = delete;

private:
    bool& m_flag;
    bool m_old;
};

} // namespace vcl
