#include "responseplot/PlotPageCache.h"

#include <cstring>

bool PlotPageCache::Restore(const std::vector<double>& fingerprint, vcl::TCanvas& canvas) const
{
    QImage* image = canvas.Image();
    if (!m_valid || image == nullptr || canvas.ClipRegion() || fingerprint != m_fingerprint
        || image->size() != m_pixels.size() || image->format() != m_pixels.format())
        return false;
    uchar* bits = image->bits();
    for (int y = 0; y < m_pixels.height(); ++y)
        std::memcpy(bits + image->bytesPerLine() * y, m_pixels.constScanLine(y),
                    static_cast<std::size_t>(m_pixels.width()) * 4);
    canvas.Pen()->Assign(const_cast<vcl::TPen*>(&m_pen));
    canvas.Brush()->Assign(const_cast<vcl::TBrush*>(&m_brush));
    canvas.MoveTo(m_penPos.X, m_penPos.Y);
    return true;
}

void PlotPageCache::Keep(const std::vector<double>& fingerprint, vcl::TCanvas& canvas)
{
    m_valid = false;
    const QImage* image = canvas.Image();
    if (image == nullptr || image->isNull() || canvas.ClipRegion() || image->format() != QImage::Format_RGB32)
        return;
    m_fingerprint = fingerprint;
    m_pixels = image->copy();
    m_pen.Assign(canvas.Pen());
    m_brush.Assign(canvas.Brush());
    m_penPos = canvas.PenPos();
    m_valid = true;
}
