#include "platform/ui/TCustomControl.h"

#include "platform/ui/EventGuard.h"

#include <QPainter>

namespace vcl {

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), m_canvas(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl()
{
    BeforeDestruction();
}

void TCustomControl::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter painter(this);
    painter.translate(ClientOrigin());
    TCanvasPainterBinding binding(*m_canvas, painter, ClientRect());
    Guarded([this] { Paint(); }, this);
}

} // namespace vcl
