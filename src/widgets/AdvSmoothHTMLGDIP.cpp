#include "widgets/AdvSmoothHTMLGDIP.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>

using namespace vcl;

namespace {

QImage SystemIcon(const QString& path, bool large)
{
    static QFileIconProvider provider;
    const QIcon icon = provider.icon(QFileInfo(path));
    if (icon.isNull())
        return {};
    const int side = large ? 32 : 16;
    return icon.pixmap(side, side).toImage();
}

} // namespace

THTMLGDIPSurface::THTMLGDIPSurface(TGPGraphics* graphics, IHTMLImageList* images, THTMLPictureFinder findPicture)
    : m_graphics(graphics), m_images(images), m_findPicture(std::move(findPicture))
{
}

int THTMLGDIPSurface::TextHeight(const TFont& font, const QString& text)
{
    return m_graphics->TextHeight(text, &font);
}

int THTMLGDIPSurface::DrawText(const QString& text, TRect& rect, const TFont& font, bool calc, TColor bkColor)
{
    return m_graphics->DrawText(text, static_cast<int>(text.size()), rect, &font, calc ? DT_CALCRECT : 0, bkColor);
}

void THTMLGDIPSurface::FillRect(const TRect& rect, TColor color)
{
    TGPSolidBrush brush(OpaqueGPColor(color));
    m_graphics->FillRectangle(&brush, GPRectF(rect));
}

void THTMLGDIPSurface::FillEllipse(const TRect& rect, TColor color)
{
    TGPSolidBrush brush(OpaqueGPColor(color));
    m_graphics->FillEllipse(&brush, GPRectF(rect));
}

void THTMLGDIPSurface::DrawLine(int x1, int y1, int x2, int y2, TColor color)
{
    TGPPen pen(OpaqueGPColor(color), 1);
    m_graphics->DrawLine(&pen, x1, y1, x2, y2);
}

TSize THTMLGDIPSurface::ImageListImageSize(int index)
{
    if (!m_images || index < 0 || index >= m_images->Count())
        return {};
    return { m_images->Width(), m_images->Height() };
}

void THTMLGDIPSurface::DrawImageListImage(int index, int x, int y)
{
    if (ImageListImageSize(index).cx > 0)
        DrawQImage(m_images->Image(index), x, y);
}

TAdvGDIPPicture* THTMLGDIPSurface::Find(const QString& name)
{
    TAdvGDIPPicture* picture = m_findPicture ? m_findPicture(name) : nullptr;
    return picture && !picture->Empty() ? picture : nullptr;
}

TSize THTMLGDIPSurface::ContainerPictureSize(const QString& name)
{
    TAdvGDIPPicture* picture = Find(name);
    if (!picture)
        return {};
    if (picture->Width() <= 0 || picture->Height() <= 0)
        picture->GetImageSizes();
    return { picture->Width(), picture->Height() };
}

void THTMLGDIPSurface::DrawContainerPicture(const QString& name, const TRect& dest)
{
    if (TAdvGDIPPicture* picture = Find(name))
        picture->GDIPDraw(m_graphics, GPRectF(dest));
}

TSize THTMLGDIPSurface::SystemIconSize(const QString& path, bool large)
{
    const QImage icon = SystemIcon(path, large);
    return icon.isNull() ? TSize() : TSize(icon.width(), icon.height());
}

void THTMLGDIPSurface::DrawSystemIcon(const QString& path, bool large, int x, int y)
{
    const QImage icon = SystemIcon(path, large);
    if (!icon.isNull())
        DrawQImage(icon, x, y);
}

void THTMLGDIPSurface::DrawQImage(const QImage& image, int x, int y)
{
    if (image.isNull())
        return;
    gdiplus::GpBitmap* native = nullptr;
    if (gdiplus::GdipCreateBitmapFromQImage(image, &native) != Status::Ok || !native)
        return;
    TGPBitmap bitmap(native);
    m_graphics->DrawImage(&bitmap, x, y);
}

bool HTMLDrawGDIP(TGPGraphics* graphics, const TFont& font, const QString& text, const TRect& rect,
                  const THTMLDrawOptions& options, THTMLDrawResult& result, IHTMLImageList* images,
                  const THTMLPictureFinder& findPicture)
{
    if (!graphics)
        return false;
    THTMLGDIPSurface surface(graphics, images, findPicture);
    return HTMLDraw(surface, font, text, rect, options, result);
}
