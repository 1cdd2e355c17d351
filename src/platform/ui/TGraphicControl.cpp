#include "platform/ui/TGraphicControl.h"

#include "platform/ui/EventGuard.h"

#include <QPainter>

namespace vcl {

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), m_canvas(std::make_unique<TCanvas>())
{
    setAutoFillBackground(false);
}

TGraphicControl::~TGraphicControl()
{
    BeforeDestruction();
}

void TGraphicControl::paintEvent(QPaintEvent* event)
{
    (void)event;
    TPaintScope painting;
    QPainter painter(this);
    TCanvasPainterBinding binding(*m_canvas, painter, ClientRect());
    Guarded([this] { Paint(); }, this);
}

} // namespace vcl
