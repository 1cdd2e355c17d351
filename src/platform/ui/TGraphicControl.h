#pragma once
// A control without a window handle or focus that paints itself on its parent's surface.

#include "platform/ui/TCanvas.h"
#include "platform/ui/TControl.h"

#include <memory>

namespace vcl {

class TGraphicControl : public TControl
{
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;

    TCanvas* Canvas() const { return m_canvas.get(); }

protected:
    // Runs inside paintEvent with Canvas in client coordinates; nothing is filled beforehand.
    virtual void Paint() {}
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<TCanvas> m_canvas;
};

} // namespace vcl
