#include "platform/ui/ParentImage.h"

#include "platform/ui/EventGuard.h"
#include "platform/ui/TCustomControl.h"
#include "platform/ui/TWinControl.h"

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <iterator>
#include <vector>

namespace vcl {

namespace {

// A parent's image over its whole client area, drawn once in a paint pass for all its children.
struct CachedParentImage
{
    const TWinControl* Parent;
    int Scale;
    QRect Client;
    QImage Image;
};

struct PassState
{
    int Depth { 0 };
    std::vector<CachedParentImage> Images;
};

PassState& Pass()
{
    static PassState state;
    return state;
}

bool PlainBrush(const QBrush& brush)
{
    return brush.style() == Qt::SolidPattern || brush.style() == Qt::NoBrush;
}

// Reaches the paint routine of a control, which only its paint event calls otherwise.
class OwnPicture : public TCustomControl
{
public:
    using TCustomControl::Paint;
};

// The parent drawn straight into `image` as Qt's rendering with the window background draws it:
// the window brush unless an opaque own fill covers it, the own fill, then its Paint. Qt's rendering
// first walks every descendant of the parent to lay it out, which in a page of many controls costs
// far more than the drawing. False, drawing nothing, for a parent that needs that walk, paints its
// background some other way, shows a focus mark, or is a window (a window may paint more than Paint).
bool PaintParentDirectly(TWinControl& parent, QImage& image, const QRect& area)
{
    auto* painted = dynamic_cast<TCustomControl*>(&parent);
    if (!painted || parent.isWindow() || !parent.isVisible() || parent.hasFocus()
        || parent.testAttribute(Qt::WA_PendingResizeEvent) || parent.testAttribute(Qt::WA_PendingMoveEvent)
        || parent.testAttribute(Qt::WA_StyledBackground) || parent.testAttribute(Qt::WA_OpaquePaintEvent)
        || parent.testAttribute(Qt::WA_NoSystemBackground))
        return false;
    const QBrush window = parent.palette().brush(QPalette::Window);
    const QBrush own = parent.palette().brush(parent.backgroundRole());
    if (!PlainBrush(window) || !PlainBrush(own))
        return false;
    QPainter painter(&image);
    painter.translate(-area.topLeft());
    if (!(parent.autoFillBackground() && own.isOpaque())) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(area, window);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (parent.autoFillBackground())
        painter.fillRect(area, own);
    // As the paint event binds the canvas.
    const TControl::TPaintScope painting;
    painter.translate(parent.ClientOrigin());
    TCanvasPainterBinding binding(*painted->Canvas(), painter, parent.ClientRect());
    void (TCustomControl::*paint)() = &OwnPicture::Paint;
    Guarded([&] { (painted->*paint)(); }, painted);
    return true;
}

// Background and the parent's own Paint only: its children (the control asking among them) stay out.
QImage RenderParent(TWinControl& parent, const QRect& area, int scale)
{
    QImage image(area.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(ToQColor(parent.Color()));
    if (!PaintParentDirectly(parent, image, area))
        parent.render(&image, QPoint(0, 0), QRegion(area), QWidget::DrawWindowBackground);
    return image;
}

// The parent's image under `area` (inside `client`): within a paint pass cut from the image of the
// whole client area that the pass's first child drew, elsewhere drawn for this area alone.
QImage ParentImageOf(TWinControl& parent, const QRect& client, const QRect& area, int scale)
{
    PassState& pass = Pass();
    if (pass.Depth == 0)
        return RenderParent(parent, area, scale);
    auto it = std::find_if(pass.Images.begin(), pass.Images.end(), [&](const CachedParentImage& c) {
        return c.Parent == &parent && c.Scale == scale && c.Client == client;
    });
    if (it == pass.Images.end()) {
        QImage whole = RenderParent(parent, client, scale);
        pass.Images.push_back({ &parent, scale, client, std::move(whole) });
        it = std::prev(pass.Images.end());
    }
    QImage part = it->Image.copy(QRect((area.topLeft() - client.topLeft()) * scale, area.size() * scale));
    part.setDevicePixelRatio(scale);
    return part;
}

} // namespace

ParentImagePass::ParentImagePass()
{
    ++Pass().Depth;
}

ParentImagePass::~ParentImagePass()
{
    if (--Pass().Depth == 0)
        Pass().Images.clear();
}

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
    const QImage image = ParentImageOf(*parent, client, area, scale);
    const QPoint at = area.topLeft() - self.topLeft();
    Canvas.StretchImage(TRect(at.x(), at.y(), at.x() + area.width(), at.y() + area.height()), image,
                        TRect(0, 0, area.width(), area.height()), SRCCOPY);
}

} // namespace vcl
