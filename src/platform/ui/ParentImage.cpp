#include "platform/ui/ParentImage.h"

#include "platform/ui/TWinControl.h"

#include <QImage>
#include <QRegion>

namespace vcl {

void CopyParentImage(TControl* Control, TCanvas& Canvas)
{
    if (!Control || !Control->Parent())
        return;
    TWinControl* parent = Control->Parent();
    // Both rectangles in the parent widget's coordinates.
    const QRect self(Control->pos(), QSize(Control->Width(), Control->Height()));
    const QRect client = parent->ClientRect().toQRect().translated(parent->ClientOrigin());
    const QRect area = self.intersected(client);
    if (area.isEmpty())
        return;
    // At the canvas's scale, so that what shows through stays as sharp as the parent draws it.
    const int scale = Canvas.DeviceScale();
    QImage image(area.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(ToQColor(parent->Color()));
    // Background and the parent's own Paint only: its children (this control among them) stay out.
    parent->render(&image, QPoint(0, 0), QRegion(area), QWidget::DrawWindowBackground);
    const QPoint at = area.topLeft() - self.topLeft();
    Canvas.StretchImage(TRect(at.x(), at.y(), at.x() + area.width(), at.y() + area.height()), image,
                        TRect(0, 0, area.width(), area.height()), SRCCOPY);
}

} // namespace vcl
