#pragma once
// A windowed control that paints itself: override Paint and draw on Canvas.

#include "platform/ui/TCanvas.h"
#include "platform/ui/TWinControl.h"

#include <memory>

namespace vcl {

class TCustomControl : public TWinControl
{
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;

    // Bound to the widget's painter while Paint runs; a bitmap-less canvas otherwise.
    TCanvas* Canvas() const { return m_canvas.get(); }

protected:
    // Runs inside paintEvent with Canvas in client coordinates; the background (Color) is
    // already filled.
    virtual void Paint() {}
    void paintEvent(QPaintEvent* event) override;
    // Drawn over Paint's picture while the control has the focus that the keyboard gave it (Tab,
    // Shift+Tab or an accelerator); a click gives no mark, as on Windows until keys are used.
    void DrawFocusMark(QPainter& painter) const;
    void focusInEvent(QFocusEvent* event) override;

private:
    std::unique_ptr<TCanvas> m_canvas;
    bool m_keyboardFocus { false };
};

} // namespace vcl
