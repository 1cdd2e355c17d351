#include "platform/ui/DrawingCache.h"

#include <QPainter>
#include <QRegion>

#include <algorithm>

namespace vcl {

namespace {

constexpr int kLargestSide = 4096;

// True when every pixel is either left clear or fully covered: only such a picture lays back over
// any background exactly as the drawing itself would have come out.
bool WholePixelsOnly(const QImage& picture)
{
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            if (alpha != 0 && alpha != 255)
                return false;
        }
    }
    return true;
}

// The picture over the canvas with its top-left at (X, Y), source over, inside the canvas's clip;
// held at the canvas's scale, its device pixels land one to one.
void LayImage(TCanvas& Canvas, int X, int Y, const QImage& Picture)
{
    const QRect limit = Canvas.ClipRect().toQRect();
    const auto lay = [&](QPainter& painter) {
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        if (Canvas.ClipRegion())
            painter.setClipRegion(*Canvas.ClipRegion(), Qt::IntersectClip);
        painter.setClipRect(limit, Qt::IntersectClip);
        painter.drawImage(QPoint(X, Y), Picture);
    };
    if (QPainter* painter = Canvas.Painter()) {
        painter->save();
        lay(*painter);
        painter->restore();
    } else if (QImage* image = Canvas.Image()) {
        QPainter painter(image);
        lay(painter);
    }
    if (Canvas.OnChange)
        Canvas.OnChange(&Canvas);
}

} // namespace

DrawingKey& DrawingKey::Add(std::int64_t Value)
{
    m_bytes.append(reinterpret_cast<const char*>(&Value), sizeof Value);
    return *this;
}

DrawingKey& DrawingKey::Add(const QRegion& Region)
{
    Add(Region.rectCount());
    for (const QRect& r : Region)
        Add(r.x()).Add(r.y()).Add(r.width()).Add(r.height());
    return *this;
}

void DrawingCache::Draw(TCanvas& Canvas, const TRect& Area, int Margin, const DrawingKey& Key, const Drawing& Draw)
{
    const int w = Area.Right - Area.Left, h = Area.Bottom - Area.Top;
    if (w <= 0 || h <= 0 || Margin < 0 || w + 2 * Margin > kLargestSide || h + 2 * Margin > kLargestSide
        || Canvas.Pen()->Mode() != TPenMode::pmCopy || !Canvas.HandleAllocated()) {
        Draw(Canvas, Area);
        return;
    }
    DrawingKey full = Key;
    full.Add(w).Add(h).Add(Margin).Add(Canvas.DeviceScale());
    const TPen& pen = *Canvas.Pen();
    const TBrush& brush = *Canvas.Brush();
    full.Add(pen.Width()).Add(static_cast<int>(pen.Style())).Add(static_cast<int>(brush.Style()));
    const Entry& entry = Find(Canvas, Area, Margin, full.Bytes(), Draw);
    if (entry.Picture.isNull()) {
        Draw(Canvas, Area);
        return;
    }
    LayImage(Canvas, Area.Left - Margin, Area.Top - Margin, entry.Picture);
}

const DrawingCache::Entry& DrawingCache::Find(TCanvas& Canvas, const TRect& Area, int Margin, const QByteArray& Key,
                                              const Drawing& Draw)
{
    auto it = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.Key == Key; });
    if (it != m_entries.end()) {
        m_entries.splice(m_entries.begin(), m_entries, it);
        return m_entries.front();
    }
    const int scale = Canvas.DeviceScale();
    const int w = Area.Right - Area.Left + 2 * Margin, h = Area.Bottom - Area.Top + 2 * Margin;
    QImage picture(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::transparent);
    {
        TCanvas surface;
        surface.BindImage(&picture);
        surface.Pen()->Assign(Canvas.Pen());
        surface.Brush()->Assign(Canvas.Brush());
        Draw(surface, TRect(Margin, Margin, w - Margin, h - Margin));
    }
    if (!WholePixelsOnly(picture))
        picture = QImage();
    m_entries.push_front({ Key, std::move(picture) });
    if (m_entries.size() > m_capacity)
        m_entries.pop_back();
    return m_entries.front();
}

} // namespace vcl
