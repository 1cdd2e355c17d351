#include "platform/ui/TCustomControl.h"

#include "platform/ui/EventGuard.h"

#include <QFocusEvent>
#include <QPainter>
#include <QPen>

namespace vcl {

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), m_canvas(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl()
{
    BeforeDestruction();
}

void TCustomControl::paintEvent(QPaintEvent* event)
{
    (void)event;
    TPaintScope painting;
    QPainter painter(this);
    painter.translate(ClientOrigin());
    {
        TCanvasPainterBinding binding(*m_canvas, painter, ClientRect());
        Guarded([this] { Paint(); }, this);
    }
    if (m_keyboardFocus && hasFocus() && (focusPolicy() & Qt::TabFocus))
        DrawFocusMark(painter);
}

void TCustomControl::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    m_keyboardFocus = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    TWinControl::focusInEvent(event);
}

// A dotted frame just inside the control, light and dark dots in turn, so that it shows on any face.
void TCustomControl::DrawFocusMark(QPainter& painter) const
{
    const QRect r = rect().adjusted(2, 2, -3, -3);
    if (r.width() < 2 || r.height() < 2)
        return;
    painter.resetTransform();
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    painter.drawRect(r);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.drawRect(r);
}

} // namespace vcl
