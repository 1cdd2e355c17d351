#include "responseplot/HighlightStamp.h"

#include "platform/ui/TBitmap.h"

#include <QPainter>

#include <cstring>

namespace {

constexpr std::uint32_t Black = 0xFF000000u;

} // namespace

HighlightStamp::HighlightStamp(std::uint32_t argb) : m_argb(argb) {}

void HighlightStamp::LearnBlend(std::uint32_t argb)
{
    // One blend of the colour into every grey level, done by the painter that draws the path.
    QImage ramp(256, 1, QImage::Format_RGB32);
    for (int v = 0; v < 256; ++v)
        ramp.setPixel(v, 0, qRgb(v, v, v));
    {
        QPainter painter(&ramp);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(ramp.rect(), QColor::fromRgba(argb));
    }
    for (int v = 0; v < 256; ++v) {
        m_blend[0][static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(v);
        m_blend[1][static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(qRed(ramp.pixel(v, 0)));
    }
    // Channels blend alike only for a grey colour; any other is never stamped.
    const bool grey = qRed(argb) == qGreen(argb) && qGreen(argb) == qBlue(argb);
    for (int v = 0; v < 256 && grey; ++v) {
        const QRgb p = ramp.pixel(v, 0);
        if (qGreen(p) != qRed(p) || qBlue(p) != qRed(p))
            m_blend[1][static_cast<std::size_t>(v)] = 0;
    }
    for (int n = 2; n <= MaxBlends; ++n)
        for (std::size_t v = 0; v < 256; ++v)
            m_blend[static_cast<std::size_t>(n)][v] = m_blend[1][m_blend[static_cast<std::size_t>(n - 1)][v]];
    for (int n = 0; n <= MaxBlends; ++n) {
        const std::uint32_t c = m_blend[static_cast<std::size_t>(n)][0];
        m_fromBlack[static_cast<std::size_t>(n)] = grey ? (Black | (c << 16) | (c << 8) | c) : 0;
    }
}

int HighlightStamp::BlendsOf(std::uint32_t pixel) const
{
    for (int n = 1; n <= MaxBlends; ++n) {
        if (m_fromBlack[static_cast<std::size_t>(n)] == pixel)
            return n;
        if (m_fromBlack[static_cast<std::size_t>(n)] == m_fromBlack[static_cast<std::size_t>(n - 1)])
            break; // the colour has stopped changing: the count is no longer readable
    }
    return -1;
}

bool HighlightStamp::Matches(const Shape& shape, const double* curve) const
{
    return m_recorded && shape == m_shape && static_cast<int>(m_curve.size()) == shape.count
        && std::memcmp(m_curve.data(), curve, m_curve.size() * sizeof(double)) == 0;
}

void HighlightStamp::Record(const Shape& shape, const double* curve, const std::function<void(vcl::TCanvas&)>& draw)
{
    m_recorded = true;
    m_usable = false;
    m_shape = shape;
    m_curve.assign(curve, curve + shape.count);
    m_runs.clear();
    if (!m_learnt) {
        LearnBlend(m_argb);
        m_learnt = true;
    }
    if (shape.width <= 0 || shape.height <= 0 || m_fromBlack[1] == 0)
        return;
    vcl::TBitmap mask;
    mask.SetSize(shape.width, shape.height);
    mask.Canvas()->Brush()->SetStyle(vcl::TBrushStyle::bsSolid);
    mask.Canvas()->Brush()->SetColor(vcl::clBlack);
    mask.Canvas()->FillRect(vcl::Rect(0, 0, shape.width, shape.height));
    draw(*mask.Canvas());
    const QImage& pixels = mask.Image();
    const int width = pixels.width();
    const int height = pixels.height();
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(pixels.constScanLine(y));
        int x = 0;
        while (x < width) {
            if (row[x] == Black) {
                ++x;
                continue;
            }
            const int blends = BlendsOf(row[x]);
            if (blends < 0)
                return; // not a plain count of blends: draw the path instead
            const int start = x;
            while (x < width && row[x] == row[start])
                ++x;
            m_runs.push_back({ y, start, x - 1, blends });
        }
    }
    m_usable = true;
}

bool HighlightStamp::Stamp(QImage& page) const
{
    if (!m_usable || page.format() != QImage::Format_RGB32 || page.width() != m_shape.width
        || page.height() != m_shape.height)
        return false;
    uchar* bits = page.bits();
    const qsizetype stride = page.bytesPerLine();
    for (const Run& run : m_runs) {
        const Table& t = m_blend[static_cast<std::size_t>(run.blends)];
        auto* row = reinterpret_cast<std::uint32_t*>(bits + stride * run.y);
        for (int x = run.x1; x <= run.x2; ++x) {
            const std::uint32_t p = row[x];
            row[x] = Black | (std::uint32_t(t[(p >> 16) & 0xFF]) << 16) | (std::uint32_t(t[(p >> 8) & 0xFF]) << 8)
                | t[p & 0xFF];
        }
    }
    return true;
}
