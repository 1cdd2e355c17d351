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
    void SizeChanged() override;
    void ColorChanged() override;
    // Guard for programmatic changes whose Qt signals must not reach the user-edit handlers.
    bool m_syncing { false };

private:
    QWidget* m_inner { nullptr };
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
