#include "platform/ui/ParentImage.h"

#include "platform/ui/TWinControl.h"

#include <QImage>
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

// Background and the parent's own Paint only: its children (the control asking among them) stay out.
QImage RenderParent(TWinControl& parent, const QRect& area, int scale)
{
    QImage image(area.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(ToQColor(parent.Color()));
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
