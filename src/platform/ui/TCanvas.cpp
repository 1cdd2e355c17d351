#include "platform/ui/TCanvas.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/CanvasRaster.h"
#include "platform/ui/TextMetrics.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vcl {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

std::uint32_t ToRgb(TColor color)
{
    const TColor c = ColorToRGB(color);
    return kOpaque | (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) | std::uint32_t(GetBValue(c));
}

TColor FromRgb(QRgb rgb)
{
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// The pen's binary raster operation on 24-bit colours.
std::uint32_t Rop2(TPenMode mode, std::uint32_t p, std::uint32_t d)
{
    std::uint32_t r = 0;
    switch (mode) {
    case TPenMode::pmBlack: r = 0; break;
    case TPenMode::pmNotMerge: r = ~(p | d); break;
    case TPenMode::pmMaskNotPen: r = ~p & d; break;
    case TPenMode::pmNotCopy: r = ~p; break;
    case TPenMode::pmMaskPenNot: r = p & ~d; break;
    case TPenMode::pmNot: r = ~d; break;
    case TPenMode::pmXor: r = p ^ d; break;
    case TPenMode::pmNotMask: r = ~(p & d); break;
    case TPenMode::pmMask: r = p & d; break;
    case TPenMode::pmNotXor: r = ~(p ^ d); break;
    case TPenMode::pmNop: r = d; break;
    case TPenMode::pmMergeNotPen: r = ~p | d; break;
    case TPenMode::pmCopy: r = p; break;
    case TPenMode::pmMergePenNot: r = p | ~d; break;
    case TPenMode::pmMerge: r = p | d; break;
    case TPenMode::pmWhite: r = 0xFFFFFF; break;
    }
    return (r & 0xFFFFFFu) | kOpaque;
}

// Any ternary raster operation: bit (p s d) of the code's third byte is the result for those inputs.
std::uint32_t Rop3(TCopyMode rop, std::uint32_t p, std::uint32_t s, std::uint32_t d)
{
    const unsigned code = (std::uint32_t(rop) >> 16) & 0xFFu;
    std::uint32_t r = 0;
    for (unsigned k = 0; k < 8; ++k) {
        if (code & (1u << k))
            r |= ((k & 4) ? p : ~p) & ((k & 2) ? s : ~s) & ((k & 1) ? d : ~d);
    }
    return (r & 0xFFFFFFu) | kOpaque;
}

QPainter::CompositionMode PenComposition(TPenMode mode)
{
    switch (mode) {
    case TPenMode::pmNotMerge: return QPainter::RasterOp_NotSourceAndNotDestination;
    case TPenMode::pmMaskNotPen: return QPainter::RasterOp_NotSourceAndDestination;
    case TPenMode::pmNotCopy: return QPainter::RasterOp_NotSource;
    case TPenMode::pmMaskPenNot: return QPainter::RasterOp_SourceAndNotDestination;
    case TPenMode::pmNot: return QPainter::RasterOp_NotDestination;
    case TPenMode::pmXor: return QPainter::RasterOp_SourceXorDestination;
    case TPenMode::pmNotMask: return QPainter::RasterOp_NotSourceOrNotDestination;
    case TPenMode::pmMask: return QPainter::RasterOp_SourceAndDestination;
    case TPenMode::pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    case TPenMode::pmMergeNotPen: return QPainter::RasterOp_NotSourceOrDestination;
    case TPenMode::pmMergePenNot: return QPainter::RasterOp_SourceOrNotDestination;
    case TPenMode::pmMerge: return QPainter::RasterOp_SourceOrDestination;
    default: return QPainter::CompositionMode_Source;
    }
}

QPainter::CompositionMode CopyComposition(TCopyMode rop)
{
    switch ((std::uint32_t(rop) >> 16) & 0xFFu) {
    case 0x66: return QPainter::RasterOp_SourceXorDestination;
    case 0x88: return QPainter::RasterOp_SourceAndDestination;
    case 0xEE: return QPainter::RasterOp_SourceOrDestination;
    case 0x33: return QPainter::RasterOp_NotSource;
    case 0xBB: return QPainter::RasterOp_NotSourceOrDestination;
    case 0x44: return QPainter::RasterOp_SourceAndNotDestination;
    case 0x11: return QPainter::RasterOp_NotSourceAndNotDestination;
    case 0x22: return QPainter::RasterOp_NotSourceAndDestination;
    case 0x55: return QPainter::RasterOp_NotDestination;
    case 0x00: return QPainter::RasterOp_ClearDestination;
    case 0xFF: return QPainter::RasterOp_SetDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

// Hatch lines of an 8 x 8 brush aligned to the canvas origin.
bool HatchInk(TBrushStyle style, int x, int y)
{
    const int hx = x & 7;
    const int hy = y & 7;
    switch (style) {
    case TBrushStyle::bsHorizontal: return hy == 0;
    case TBrushStyle::bsVertical: return hx == 0;
    case TBrushStyle::bsFDiagonal: return ((x - y) & 7) == 0;
    case TBrushStyle::bsBDiagonal: return ((x + y) & 7) == 0;
    case TBrushStyle::bsCross: return hx == 0 || hy == 0;
    case TBrushStyle::bsDiagCross: return ((x - y) & 7) == 0 || ((x + y) & 7) == 0;
    default: return true;
    }
}

raster::DashPattern DashOf(TPenStyle style)
{
    switch (style) {
    case TPenStyle::psDash: return { { 18, 6 } };
    case TPenStyle::psDot: return { { 3, 3 } };
    case TPenStyle::psDashDot: return { { 9, 6, 3, 6 } };
    case TPenStyle::psDashDotDot: return { { 9, 3, 3, 3, 3, 3 } };
    default: return {};
    }
}

raster::Box NormalBox(int x1, int y1, int x2, int y2)
{
    return { std::min<std::int64_t>(x1, x2), std::min<std::int64_t>(y1, y2), std::max<std::int64_t>(x1, x2),
             std::max<std::int64_t>(y1, y2) };
}

QPoint Q(TPoint p)
{
    return { p.X, p.Y };
}

// A rectangle (right and bottom outside) as a QRect whose edge arithmetic cannot overflow: the
// edges are held to a range far beyond any surface, which changes no pixel that can be drawn.
QRect SafeRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
{
    const auto hold = [](std::int64_t v) {
        constexpr std::int64_t far = std::int64_t(1) << 28;
        return static_cast<int>(v < -far ? -far : v > far ? far : v);
    };
    const int l = hold(left);
    const int t = hold(top);
    const int r = hold(right);
    const int b = hold(bottom);
    if (r <= l || b <= t)
        return {};
    return QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}

QRect SafeRect(const TRect& rect)
{
    const TRect n = rect.Normalized();
    return SafeRect(n.Left, n.Top, n.Right, n.Bottom);
}

// Device pixels per pixel for a device pixel ratio: whole ratios only (a fractional one is left to
// the painter's own scaling), at most 4.
int WholeScale(qreal ratio)
{
    const int whole = int(std::lround(ratio));
    if (whole < 2 || std::abs(ratio - whole) > 1e-6)
        return 1;
    return std::min(whole, 4);
}

// The painter's device pixels per unit, where its own transform only moves (a painter that scales,
// as a print preview's does, keeps drawing as at scale 1). Read from the transform the painter
// applies, so that a widget rendered into a picture of another ratio draws at that picture's.
int PainterScale(const QPainter& painter)
{
    const QTransform world = painter.worldTransform();
    const QTransform device = painter.deviceTransform();
    if (world.type() > QTransform::TxTranslate || device.type() > QTransform::TxScale || device.m11() != device.m22())
        return 1;
    return WholeScale(device.m11());
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

raster::Box Scaled(const raster::Box& box, std::int64_t s)
{
    return { box.l * s, box.t * s, box.r * s, box.b * s };
}

} // namespace

// What the pen draws with right now.
struct TCanvas::PenShape
{
    bool visible;
    int width;
    raster::DashPattern dash;
    bool insideFrame;
};

TCanvas::TCanvas() = default;
TCanvas::~TCanvas() = default;

bool TCanvas::HandleAllocated() const
{
    return m_painter != nullptr || (m_image != nullptr && !m_image->isNull());
}

int TCanvas::DeviceScale() const
{
    if (m_painter)
        return m_painterScale;
    if (m_image && !m_image->isNull())
        return WholeScale(m_image->devicePixelRatio());
    return 1;
}

QRect TCanvas::ToDevice(const QRect& rect) const
{
    const int s = DeviceScale();
    if (s == 1 || rect.isEmpty())
        return rect;
    return QRect(rect.left() * s, rect.top() * s, rect.width() * s, rect.height() * s);
}

QRect TCanvas::DeviceLimit() const
{
    return ToDevice(DrawLimit());
}

void TCanvas::EmitPixelRect(const QRect& rect, TColor color, TPenMode mode)
{
    if (DeviceScale() == 1) {
        EmitRect(rect, color, mode);
        return;
    }
    EmitRect(ToDevice(rect & DrawLimit()), color, mode);
}

void TCanvas::Changed()
{
    if (OnChange)
        OnChange(this);
}

TCanvas::PenShape TCanvas::CurrentPen() const
{
    PenShape shape;
    shape.visible = m_pen.Style() != TPenStyle::psClear && m_pen.Mode() != TPenMode::pmNop;
    shape.width = std::max(1, m_pen.Width());
    shape.dash = shape.width == 1 ? DashOf(m_pen.Style()) : raster::DashPattern {};
    shape.insideFrame = m_pen.Style() == TPenStyle::psInsideFrame;
    return shape;
}

QRect TCanvas::Surface() const
{
    if (m_painter)
        return m_painterBounds;
    if (m_image && !m_image->isNull()) {
        const int s = DeviceScale();
        return s == 1 ? m_image->rect() : QRect(0, 0, m_image->width() / s, m_image->height() / s);
    }
    return {};
}

QRect TCanvas::DrawLimit() const
{
    const QRect surface = Surface();
    return m_clip ? (m_clip->boundingRect() & surface) : surface;
}

std::vector<QRect> TCanvas::ClipRects() const
{
    const QRect surface = Surface();
    std::vector<QRect> rects;
    if (surface.isEmpty())
        return rects;
    if (!m_clip) {
        rects.push_back(ToDevice(surface));
        return rects;
    }
    for (const QRect& r : *m_clip) {
        const QRect part = r & surface;
        if (!part.isEmpty())
            rects.push_back(ToDevice(part));
    }
    return rects;
}

// --- pixel output: every figure ends here, clipped ---

void TCanvas::EmitRects(const std::vector<QRect>& rects, TColor color, TPenMode mode)
{
    if (rects.empty() || mode == TPenMode::pmNop)
        return;
    const std::vector<QRect> clips = ClipRects();
    const std::uint32_t pen = ToRgb(color);
    if (m_painter) {
        std::uint32_t fill = pen;
        if (mode == TPenMode::pmBlack)
            fill = kOpaque;
        else if (mode == TPenMode::pmWhite)
            fill = 0xFFFFFFFFu;
        const QColor colour = QColor::fromRgb(fill);
        m_painter->save();
        if (const int s = DeviceScale(); s > 1) {
            // Device pixels: a world unit of 1 / s lands each rectangle on whole device pixels.
            QTransform device = m_painter->worldTransform();
            device.scale(1.0 / s, 1.0 / s);
            m_painter->setWorldTransform(device);
        }
        m_painter->setCompositionMode(PenComposition(mode));
        for (const QRect& rect : rects)
            for (const QRect& clip : clips) {
                const QRect part = rect & clip;
                if (!part.isEmpty())
                    m_painter->fillRect(part, colour);
            }
        m_painter->restore();
        return;
    }
    uchar* bits = m_image->bits(); // detached once here, not per row
    const qsizetype stride = m_image->bytesPerLine();
    for (const QRect& rect : rects)
        for (const QRect& clip : clips) {
            const QRect part = rect & clip;
            for (int y = part.top(); y <= part.bottom(); ++y) {
                auto* line = reinterpret_cast<std::uint32_t*>(bits + stride * y);
                if (mode == TPenMode::pmCopy) {
                    std::fill(line + part.left(), line + part.right() + 1, pen);
                    continue;
                }
                for (int x = part.left(); x <= part.right(); ++x)
                    line[x] = Rop2(mode, pen, line[x]);
            }
        }
}

void TCanvas::EmitRect(const QRect& rect, TColor color, TPenMode mode)
{
    if (!rect.isEmpty())
        EmitRects({ rect }, color, mode);
}

void TCanvas::EmitSpans(const std::vector<raster::Span>& spans, TColor color, TPenMode mode)
{
    if (!m_painter && (!m_clip || m_clip->rectCount() == 1) && m_image && !m_image->isNull()
        && mode != TPenMode::pmNop) {
        // Inside one rectangle (the surface, or a clip of one rectangle on it) the spans are cut
        // to it and written straight into the image.
        const std::uint32_t pen = ToRgb(color);
        const QRect surface = m_clip ? ToDevice(m_clip->boundingRect() & Surface()) : m_image->rect();
        uchar* bits = m_image->bits();
        const qsizetype stride = m_image->bytesPerLine();
        for (const raster::Span& sp : spans) {
            const int x1 = std::max(sp.x1, surface.left());
            const int x2 = std::min(sp.x2, surface.right());
            if (sp.y < surface.top() || sp.y > surface.bottom() || x1 > x2)
                continue;
            auto* line = reinterpret_cast<std::uint32_t*>(bits + stride * sp.y);
            if (mode == TPenMode::pmCopy) {
                std::fill(line + x1, line + x2 + 1, pen);
                continue;
            }
            for (int x = x1; x <= x2; ++x)
                line[x] = Rop2(mode, pen, line[x]);
        }
        return;
    }
    std::vector<QRect> rects;
    rects.reserve(spans.size());
    for (const raster::Span& s : spans)
        rects.emplace_back(QPoint(s.x1, s.y), QPoint(s.x2, s.y));
    EmitRects(rects, color, mode);
}

void TCanvas::EmitHatched(const std::vector<raster::Span>& spans, TColor color, TBrushStyle style, TPenMode mode)
{
    // The pattern keeps its pixels: at a larger scale each is a block of device pixels.
    const int scale = DeviceScale();
    const auto ink = [&](int x, int y) {
        return scale == 1 ? HatchInk(style, x, y) : HatchInk(style, int(FloorDiv(x, scale)), int(FloorDiv(y, scale)));
    };
    std::vector<QRect> rects;
    for (const raster::Span& s : spans) {
        int x = s.x1;
        while (x <= s.x2) {
            while (x <= s.x2 && !ink(x, s.y))
                ++x;
            const int start = x;
            while (x <= s.x2 && ink(x, s.y))
                ++x;
            if (start < x)
                rects.emplace_back(QPoint(start, s.y), QPoint(x - 1, s.y));
        }
    }
    EmitRects(rects, color, mode);
}

void TCanvas::EmitBrush(const std::vector<raster::Span>& spans, TPenMode mode)
{
    switch (m_brush.Style()) {
    case TBrushStyle::bsClear: return;
    case TBrushStyle::bsSolid: EmitSpans(spans, m_brush.Color(), mode); return;
    default: EmitHatched(spans, m_brush.Color(), m_brush.Style(), mode); return;
    }
}

// --- lines ---

namespace {

// Grid lines and frames are mostly one-pixel solid lines along a row or a column: their pixels form
// one rectangle, filled at once instead of walked pixel by pixel. False for any other line; true with
// an empty rectangle for a line of no length or one wholly outside the limit.
bool StraightRun(TPoint from, TPoint to, const QRect& limit, QRect& run)
{
    if (from.X != to.X && from.Y != to.Y)
        return false;
    auto runOf = [](std::int64_t a, std::int64_t b, std::int64_t& lo, std::int64_t& hi) {
        // From a towards b, b itself left out.
        lo = a < b ? a : b + 1;
        hi = a < b ? b - 1 : a;
    };
    std::int64_t l = from.X, r = from.X, t = from.Y, b = from.Y;
    if (from.Y == to.Y)
        runOf(from.X, to.X, l, r);
    else
        runOf(from.Y, to.Y, t, b);
    l = std::max<std::int64_t>(l, limit.left());
    r = std::min<std::int64_t>(r, limit.right());
    t = std::max<std::int64_t>(t, limit.top());
    b = std::min<std::int64_t>(b, limit.bottom());
    run = (l <= r && t <= b) ? QRect(QPoint(int(l), int(t)), QPoint(int(r), int(b))) : QRect();
    return true;
}

} // namespace

void TCanvas::MoveTo(int X, int Y)
{
    m_penPos = { X, Y };
    m_dashPhase = 0;
}

void TCanvas::LineTo(int X, int Y)
{
    const PenShape pen = CurrentPen();
    const TPoint from = m_penPos;
    m_penPos = { X, Y };
    if (!pen.visible || !HandleAllocated()) {
        m_dashPhase += std::max(std::abs(std::int64_t(X) - from.X), std::abs(std::int64_t(Y) - from.Y));
        return;
    }
    QRect run;
    if (pen.width == 1 && pen.dash.runs.empty() && StraightRun(from, { X, Y }, DrawLimit(), run)) {
        EmitPixelRect(run, m_pen.Color(), m_pen.Mode());
        m_dashPhase += std::max(std::abs(std::int64_t(X) - from.X), std::abs(std::int64_t(Y) - from.Y));
        Changed();
        return;
    }
    const QRect limit = DeviceLimit();
    const int scale = DeviceScale();
    raster::SpanSet ink(limit);
    raster::SpanSet gaps(limit);
    if (pen.width == 1) {
        const bool opaque = m_brush.Style() == TBrushStyle::bsSolid;
        raster::AddScaledThinLine(ink, opaque ? &gaps : nullptr, Q(from), QPoint(X, Y), false, pen.dash, m_dashPhase,
                                  scale);
    } else {
        raster::AddScaledWideLine(ink, Q(from), QPoint(X, Y), pen.width, scale);
    }
    EmitSpans(gaps.Merged(), m_brush.Color(), m_pen.Mode());
    EmitSpans(ink.Merged(), m_pen.Color(), m_pen.Mode());
    Changed();
}

void TCanvas::AddPolyline(raster::SpanSet& ink, raster::SpanSet& gaps, const TPoint* points, std::size_t n,
                          bool closed, std::int64_t& phase) const
{
    const PenShape pen = CurrentPen();
    const int scale = DeviceScale();
    const bool opaque = m_brush.Style() == TBrushStyle::bsSolid;
    const size_t segments = closed ? n : n - 1;
    for (size_t i = 0; i < segments; ++i) {
        const QPoint a = Q(points[i]);
        const QPoint b = Q(points[(i + 1) % n]);
        if (pen.width == 1)
            raster::AddScaledThinLine(ink, opaque ? &gaps : nullptr, a, b, false, pen.dash, phase, scale);
        else
            raster::AddScaledWideLine(ink, a, b, pen.width, scale);
    }
}

void TCanvas::EmitStroke(const raster::SpanSet& ink, const raster::SpanSet& gaps)
{
    const TPenMode mode = m_pen.Mode();
    // Copying, merging or masking the same colour twice gives what once gives.
    const bool idempotent = mode == TPenMode::pmCopy || mode == TPenMode::pmBlack || mode == TPenMode::pmWhite
        || mode == TPenMode::pmMerge || mode == TPenMode::pmMask || mode == TPenMode::pmNop;
    if (idempotent && gaps.IsEmpty()) {
        EmitSpans(ink.Unmerged(), m_pen.Color(), mode);
        return;
    }
    EmitSpans(gaps.Merged(), m_brush.Color(), mode);
    EmitSpans(ink.Merged(), m_pen.Color(), mode);
}

void TCanvas::ThinPolyline(const std::vector<TPoint>& points, bool closed, std::int64_t& phase)
{
    const QRect limit = DeviceLimit();
    raster::SpanSet ink(limit);
    raster::SpanSet gaps(limit);
    AddPolyline(ink, gaps, points.data(), points.size(), closed, phase);
    EmitStroke(ink, gaps);
}

void TCanvas::PolyPolyline(const std::vector<TPoint>& Points, const std::vector<int>& Counts)
{
    if (!CurrentPen().visible || !HandleAllocated())
        return;
    const QRect limit = DeviceLimit();
    raster::SpanSet ink(limit);
    raster::SpanSet gaps(limit);
    ink.Reserve(Points.size() * 4);
    std::size_t first = 0;
    for (const int count : Counts) {
        const std::size_t n = std::min<std::size_t>(std::max(count, 0), Points.size() - first);
        if (n >= 2) {
            std::int64_t phase = 0;
            AddPolyline(ink, gaps, Points.data() + first, n, false, phase);
        }
        first += n;
    }
    EmitStroke(ink, gaps);
    Changed();
}

void TCanvas::Polyline(const std::vector<TPoint>& Points)
{
    if (Points.size() < 2 || !HandleAllocated())
        return;
    const PenShape pen = CurrentPen();
    if (!pen.visible)
        return;
    QRect run;
    if (Points.size() == 2 && pen.width == 1 && pen.dash.runs.empty()
        && StraightRun(Points[0], Points[1], DrawLimit(), run)) {
        EmitPixelRect(run, m_pen.Color(), m_pen.Mode());
        Changed();
        return;
    }
    std::int64_t phase = 0;
    ThinPolyline(Points, false, phase);
    Changed();
}

void TCanvas::Polygon(const std::vector<TPoint>& Points)
{
    if (Points.size() < 2 || !HandleAllocated())
        return;
    raster::SpanSet inside(DeviceLimit());
    std::vector<QPoint> qpoints;
    qpoints.reserve(Points.size());
    for (const TPoint& p : Points)
        qpoints.push_back(Q(p));
    raster::AddPolygon(inside, qpoints, DeviceScale());
    EmitBrush(inside.Merged(), m_pen.Mode());
    if (CurrentPen().visible) {
        std::int64_t phase = 0;
        ThinPolyline(Points, true, phase);
    }
    Changed();
}

// --- closed figures ---

void TCanvas::DrawFigure(int X1, int Y1, int X2, int Y2, std::int64_t cw, std::int64_t ch, bool fullEllipse)
{
    if (!HandleAllocated())
        return;
    const PenShape pen = CurrentPen();
    const raster::Box box = NormalBox(X1, Y1, X2, Y2);
    const QRect limit = DeviceLimit();
    // The figure is laid out in pixels and drawn in device pixels.
    const std::int64_t s = DeviceScale();
    if (!pen.visible) {
        // Without a pen the interior ends one pixel short on the right and at the bottom.
        const raster::Box inner { box.l, box.t, box.r - 1, box.b - 1 };
        raster::SpanSet fill(limit);
        raster::AddRoundRect(fill, Scaled(inner, s), s * (fullEllipse ? inner.r - inner.l : cw),
                             s * (fullEllipse ? inner.b - inner.t : ch));
        EmitBrush(fill.Merged(), m_pen.Mode());
        Changed();
        return;
    }
    const int w = pen.width;
    raster::Box outer = box;
    if (!pen.insideFrame && w > 1)
        outer = { box.l - (w - 1) / 2, box.t - (w - 1) / 2, box.r + w / 2, box.b + w / 2 };
    if (fullEllipse) {
        cw = outer.r - outer.l;
        ch = outer.b - outer.t;
    }
    const raster::Box inner { outer.l + w, outer.t + w, outer.r - w, outer.b - w };
    raster::SpanSet fill(limit);
    raster::AddRoundRect(fill, Scaled(inner, s), s * std::max<std::int64_t>(cw - 2 * w, 0),
                         s * std::max<std::int64_t>(ch - 2 * w, 0));
    EmitBrush(fill.Merged(), m_pen.Mode());

    if (!pen.dash.runs.empty() && cw == 0 && ch == 0) {
        // A styled frame is walked as a closed line, so the pattern runs around it.
        const int l = int(std::clamp<std::int64_t>(box.l, INT32_MIN / 2, INT32_MAX / 2));
        const int t = int(std::clamp<std::int64_t>(box.t, INT32_MIN / 2, INT32_MAX / 2));
        const int r = int(std::clamp<std::int64_t>(box.r - 1, INT32_MIN / 2, INT32_MAX / 2));
        const int b = int(std::clamp<std::int64_t>(box.b - 1, INT32_MIN / 2, INT32_MAX / 2));
        if (r >= l && b >= t) {
            std::int64_t phase = 0;
            ThinPolyline({ { l, t }, { r, t }, { r, b }, { l, b } }, true, phase);
        }
        Changed();
        return;
    }
    raster::SpanSet frame(limit);
    raster::AddRoundRectFrame(frame, Scaled(outer, s), s * cw, s * ch, int(s * w));
    const std::vector<raster::Span> spans = frame.Merged();
    if (pen.dash.runs.empty()) {
        EmitSpans(spans, m_pen.Color(), m_pen.Mode());
    } else {
        // Curved styled frames: the pattern position follows the angle around the centre (in
        // device pixels here, the perimeter in pixels).
        const double cx = s * (outer.l + outer.r) / 2.0;
        const double cy = s * (outer.t + outer.b) / 2.0;
        const double a = (outer.r - outer.l) / 2.0;
        const double bb = (outer.b - outer.t) / 2.0;
        const double perimeter = 3.14159265358979 * (3 * (a + bb) - std::sqrt((3 * a + bb) * (a + 3 * bb)));
        const bool opaque = m_brush.Style() == TBrushStyle::bsSolid;
        std::vector<raster::Span> on;
        std::vector<raster::Span> off;
        for (const raster::Span& s : spans) {
            for (int x = s.x1; x <= s.x2; ++x) {
                double angle = std::atan2(-(s.y + 0.5 - cy), x + 0.5 - cx);
                if (angle < 0)
                    angle += 2 * 3.14159265358979;
                const auto pos = std::int64_t(angle / (2 * 3.14159265358979) * perimeter);
                (pen.dash.IsOn(pos) ? on : off).push_back({ s.y, x, x });
            }
        }
        if (opaque)
            EmitSpans(off, m_brush.Color(), m_pen.Mode());
        EmitSpans(on, m_pen.Color(), m_pen.Mode());
    }
    Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2)
{
    DrawFigure(X1, Y1, X2, Y2, 0, 0, false);
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2)
{
    DrawFigure(X1, Y1, X2, Y2, 0, 0, true);
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3)
{
    DrawFigure(X1, Y1, X2, Y2, std::abs(std::int64_t(X3)), std::abs(std::int64_t(Y3)), false);
}

void TCanvas::DrawArcOrPie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4, bool pie)
{
    if (!HandleAllocated())
        return;
    const PenShape pen = CurrentPen();
    const raster::Box box = NormalBox(X1, Y1, X2, Y2);
    if (box.r - box.l < 1 || box.b - box.t < 1)
        return;
    const QRect limit = DeviceLimit();
    const std::int64_t s = DeviceScale();
    const double cx = (box.l + box.r) / 2.0;
    const double cy = (box.t + box.b) / 2.0;
    const double start = std::atan2(-(Y3 - cy), X3 - cx);
    const double end = std::atan2(-(Y4 - cy), X4 - cx);
    // The sector sorts device pixels.
    const raster::Sector sector(cx * s, cy * s, start, end);
    auto filtered = [&](const std::vector<raster::Span>& spans) {
        std::vector<raster::Span> out;
        for (const raster::Span& s : spans) {
            int x = s.x1;
            while (x <= s.x2) {
                while (x <= s.x2 && !sector.Contains(x, s.y))
                    ++x;
                const int from = x;
                while (x <= s.x2 && sector.Contains(x, s.y))
                    ++x;
                if (from < x)
                    out.push_back({ s.y, from, x - 1 });
            }
        }
        return out;
    };
    const std::int64_t w = pen.visible ? pen.width : 0;
    if (pie) {
        const raster::Box inner { box.l + w, box.t + w, box.r - w, box.b - w };
        raster::SpanSet fill(limit);
        raster::AddRoundRect(fill, Scaled(inner, s), s * (inner.r - inner.l), s * (inner.b - inner.t));
        EmitBrush(filtered(fill.Merged()), m_pen.Mode());
    }
    if (pen.visible) {
        raster::SpanSet ink(limit);
        raster::SpanSet frame(limit);
        raster::AddRoundRectFrame(frame, Scaled(box, s), s * (box.r - box.l), s * (box.b - box.t), int(s * pen.width));
        for (const raster::Span& s : filtered(frame.Merged()))
            ink.Add(s.y, s.x1, s.x2);
        if (pie) {
            // The two radii from the centre to where the radials meet the ellipse.
            const double a = (box.r - box.l) / 2.0;
            const double b = (box.b - box.t) / 2.0;
            const QPoint centre(SaturateToInt(cx), SaturateToInt(cy));
            for (const QPoint dir : { QPoint(X3, Y3), QPoint(X4, Y4) }) {
                const double dx = dir.x() - cx;
                const double dy = dir.y() - cy;
                const double norm = std::sqrt((dx / a) * (dx / a) + (dy / b) * (dy / b));
                if (norm <= 0)
                    continue;
                const QPoint rim(SaturateToInt(cx + dx / norm), SaturateToInt(cy + dy / norm));
                std::int64_t phase = 0;
                if (pen.width == 1)
                    raster::AddScaledThinLine(ink, nullptr, centre, rim, true, {}, phase, int(s));
                else
                    raster::AddScaledWideLine(ink, centre, rim, pen.width, int(s));
            }
        }
        EmitSpans(ink.Merged(), m_pen.Color(), m_pen.Mode());
    }
    Changed();
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4)
{
    DrawArcOrPie(X1, Y1, X2, Y2, X3, Y3, X4, Y4, false);
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4)
{
    DrawArcOrPie(X1, Y1, X2, Y2, X3, Y3, X4, Y4, true);
}

void TCanvas::FillRect(const TRect& Rect)
{
    if (!HandleAllocated() || Rect.Right <= Rect.Left || Rect.Bottom <= Rect.Top)
        return;
    if (m_brush.Style() == TBrushStyle::bsSolid) {
        EmitPixelRect(SafeRect(Rect), m_brush.Color(), TPenMode::pmCopy);
    } else if (m_brush.Style() != TBrushStyle::bsClear) {
        const QRect limit = DeviceLimit();
        const std::int64_t s = DeviceScale();
        raster::SpanSet area(limit);
        for (std::int64_t y = std::max<std::int64_t>(s * Rect.Top, limit.top()); y < s * Rect.Bottom && y <= limit.bottom();
             ++y)
            area.Add(y, s * Rect.Left, s * std::int64_t(Rect.Right) - 1);
        EmitHatched(area.Merged(), m_brush.Color(), m_brush.Style(), TPenMode::pmCopy);
    }
    Changed();
}

// --- text ---

template <typename Fn>
void TCanvas::WithPainter(Fn&& fn)
{
    if (m_painter) {
        m_painter->save();
        m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        if (m_clip)
            m_painter->setClipRegion(*m_clip, Qt::IntersectClip);
        fn(*m_painter);
        m_painter->restore();
        return;
    }
    if (!m_image || m_image->isNull())
        return;
    QPainter painter(m_image);
    if (m_clip)
        painter.setClipRegion(*m_clip);
    fn(painter);
}

TSize TCanvas::TextExtent(const QString& Text) const
{
    return TextMetrics().TextExtent(m_font, Text);
}

void TCanvas::DrawTextCell(int X, int Y, const TSize& extent, const QString& Text)
{
    // Glyphs may overhang their cell a little; a cell that stays off the drawing area even with
    // that margin draws nothing, which also keeps coordinates near the int limits out of the painter.
    const std::int64_t margin = std::max(0, extent.cy) + 1;
    const QRect reach = SafeRect(std::int64_t(X) - margin, std::int64_t(Y) - margin,
                                 std::int64_t(X) + std::max(0, extent.cx) + margin,
                                 std::int64_t(Y) + std::max(0, extent.cy) + margin);
    if (!reach.intersects(DrawLimit()))
        return;
    const QFont& font = DrawingFont();
    const QColor colour = QColor::fromRgb(ToRgb(m_font.Color()));
    WithPainter([&](QPainter& painter) {
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(QPointF(X, double(Y) + QFontMetrics(font).ascent()), Text);
    });
}

const QFont& TCanvas::DrawingFont()
{
    DrawingFontMemo& memo = m_drawingFont;
    if (!memo.made || memo.height != m_font.Height() || memo.style != m_font.Style().Bits()
        || memo.name != m_font.Name()) {
        memo.made = true;
        memo.name = m_font.Name();
        memo.height = m_font.Height();
        memo.style = m_font.Style().Bits();
        memo.font = m_font.QtFont();
    }
    return memo.font;
}

void TCanvas::TextOut(int X, int Y, const QString& Text)
{
    const TSize extent = TextExtent(Text);
    if (HandleAllocated() && !Text.isEmpty()) {
        if (m_brush.Style() == TBrushStyle::bsSolid)
            EmitPixelRect(SafeRect(X, Y, std::int64_t(X) + extent.cx, std::int64_t(Y) + extent.cy), m_brush.Color(),
                          TPenMode::pmCopy);
        DrawTextCell(X, Y, extent, Text);
        Changed();
    }
    MoveTo(SaturateToInt(double(X) + extent.cx), Y);
}

void TCanvas::TextRect(const TRect& Rect, int X, int Y, const QString& Text)
{
    if (!HandleAllocated())
        return;
    const std::optional<QRegion> saved = m_clip;
    const TPoint pos = m_penPos;
    IntersectClipRect(Rect);
    if (m_brush.Style() == TBrushStyle::bsSolid)
        EmitPixelRect(SafeRect(Rect), m_brush.Color(), TPenMode::pmCopy);
    if (!Text.isEmpty())
        DrawTextCell(X, Y, TextExtent(Text), Text);
    m_clip = saved;
    m_penPos = pos;
    Changed();
}

// --- pixels and pictures ---

TColor TCanvas::Pixels(int X, int Y) const
{
    if (m_painter || !m_image || !Surface().contains(X, Y))
        return CLR_INVALID;
    if (m_clip && !m_clip->contains(QPoint(X, Y)))
        return CLR_INVALID;
    const int s = DeviceScale();
    return FromRgb(m_image->pixel(X * s, Y * s));
}

void TCanvas::SetPixels(int X, int Y, TColor Color)
{
    EmitPixelRect(SafeRect(X, Y, std::int64_t(X) + 1, std::int64_t(Y) + 1), Color, TPenMode::pmCopy);
    Changed();
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic)
{
    if (!Graphic || Graphic->Empty())
        return;
    Graphic->Draw(*this, Bounds(X, Y, Graphic->Width(), Graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic)
{
    if (!Graphic || Graphic->Empty())
        return;
    Graphic->Draw(*this, Rect);
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas& Canvas, const TRect& Source)
{
    if (!Canvas.m_image || Canvas.m_image->isNull())
        return;
    if (&Canvas != this) {
        StretchImage(Dest, *Canvas.m_image, Source, m_copyMode);
        return;
    }
    // A copy first, so that a canvas may copy onto itself with overlapping rectangles.
    const QImage source = Canvas.m_image->copy();
    StretchImage(Dest, source, Source, m_copyMode);
}

bool TCanvas::CopyRows(const TRect& Dest, const QImage& Image, const TRect& Source)
{
    // Only a plain copy of the same size, the right way round, from inside an RGB32 picture held at
    // the surface's scale (or, on a painter, at scale 1: the painter then enlarges it as it is).
    const int scale = DeviceScale();
    const int sourceScale = WholeScale(Image.devicePixelRatio());
    if (sourceScale != scale && !(m_painter && sourceScale == 1))
        return false;
    constexpr std::int64_t far = std::int64_t(1) << 28;
    const auto near = [](std::int64_t v) { return v > -far && v < far; };
    if (Image.format() != QImage::Format_RGB32 || !near(Dest.Left) || !near(Dest.Top) || !near(Dest.Right)
        || !near(Dest.Bottom) || Dest.Right - Dest.Left != Source.Right - Source.Left
        || Dest.Bottom - Dest.Top != Source.Bottom - Source.Top || Source.Right <= Source.Left
        || Source.Bottom <= Source.Top || Source.Left < 0 || Source.Top < 0
        || Source.Right > Image.width() / sourceScale || Source.Bottom > Image.height() / sourceScale)
        return false;
    const QRect target(QPoint(Dest.Left, Dest.Top), QPoint(Dest.Right - 1, Dest.Bottom - 1));
    const int dx = Source.Left - Dest.Left;
    const int dy = Source.Top - Dest.Top;
    if (m_painter) {
        m_painter->save();
        if (m_clip)
            m_painter->setClipRegion(*m_clip, Qt::IntersectClip);
        m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
        const QRect part = target & DrawLimit();
        if (!part.isEmpty() && sourceScale == 1) {
            m_painter->drawImage(part.topLeft(), Image, part.translated(dx, dy));
        } else if (!part.isEmpty()) {
            const QRect from = part.translated(dx, dy);
            m_painter->drawImage(QRectF(part), Image,
                                 QRectF(from.left() * scale, from.top() * scale, from.width() * scale,
                                        from.height() * scale));
        }
        m_painter->restore();
        return true;
    }
    const QRect deviceTarget = ToDevice(target);
    const int ddx = dx * scale;
    const int ddy = dy * scale;
    for (const QRect& clip : ClipRects()) {
        const QRect part = clip & deviceTarget;
        for (int y = part.top(); y <= part.bottom(); ++y) {
            const auto* in = reinterpret_cast<const std::uint32_t*>(Image.constScanLine(y + ddy)) + ddx;
            auto* out = reinterpret_cast<std::uint32_t*>(m_image->scanLine(y));
            for (int x = part.left(); x <= part.right(); ++x)
                out[x] = in[x] | kOpaque;
        }
    }
    return true;
}

void TCanvas::StretchImage(const TRect& Dest, const QImage& Image, const TRect& Source, TCopyMode Rop,
                           std::optional<TColor> TransparentKey)
{
    if (!HandleAllocated() || Image.isNull())
        return;
    if (Rop == SRCCOPY && !TransparentKey && (m_painter || m_image != &Image) && CopyRows(Dest, Image, Source)) {
        Changed();
        return;
    }
    const std::int64_t dw = std::int64_t(Dest.Right) - Dest.Left;
    const std::int64_t dh = std::int64_t(Dest.Bottom) - Dest.Top;
    const std::int64_t sw = std::int64_t(Source.Right) - Source.Left;
    const std::int64_t sh = std::int64_t(Source.Bottom) - Source.Top;
    if (dw == 0 || dh == 0 || sw == 0 || sh == 0)
        return;
    const bool mirrorX = (dw < 0) != (sw < 0);
    const bool mirrorY = (dh < 0) != (sh < 0);
    const std::int64_t adw = std::abs(dw);
    const std::int64_t adh = std::abs(dh);
    const std::int64_t asw = std::abs(sw);
    const std::int64_t ash = std::abs(sh);
    const std::int64_t dl = std::min<std::int64_t>(Dest.Left, Dest.Right);
    const std::int64_t dt = std::min<std::int64_t>(Dest.Top, Dest.Bottom);
    const std::int64_t sl = std::min<std::int64_t>(Source.Left, Source.Right);
    const std::int64_t st = std::min<std::int64_t>(Source.Top, Source.Bottom);

    // Sampled in device pixels of both pictures: the destination's (ds per pixel) and the source's
    // (ss per pixel, as its device pixel ratio says); each takes the source pixel under its centre.
    const std::int64_t ds = DeviceScale();
    const std::int64_t ss = WholeScale(Image.devicePixelRatio());
    const std::int64_t dsw = ds * adw;
    const std::int64_t dsh = ds * adh;
    // Only the destination pixels that can show are sampled.
    const QRect limit = DeviceLimit();
    const std::int64_t x0 = std::max<std::int64_t>(ds * dl, limit.left());
    const std::int64_t x1 = std::min<std::int64_t>(ds * dl + dsw - 1, limit.right());
    const std::int64_t y0 = std::max<std::int64_t>(ds * dt, limit.top());
    const std::int64_t y1 = std::min<std::int64_t>(ds * dt + dsh - 1, limit.bottom());
    if (x0 > x1 || y0 > y1)
        return;
    const QImage src = Image.convertToFormat(QImage::Format_RGB32);
    const std::uint32_t key = TransparentKey ? ToRgb(*TransparentKey) : 0;
    QImage patch(int(x1 - x0 + 1), int(y1 - y0 + 1), QImage::Format_ARGB32);
    patch.fill(Qt::transparent);
    for (std::int64_t y = y0; y <= y1; ++y) {
        std::int64_t i = y - ds * dt;
        if (mirrorY)
            i = dsh - 1 - i;
        const std::int64_t sy = ss * st + (2 * i + 1) * ss * ash / (2 * dsh);
        if (sy < 0 || sy >= src.height())
            continue;
        const auto* in = reinterpret_cast<const std::uint32_t*>(src.constScanLine(int(sy)));
        auto* out = reinterpret_cast<std::uint32_t*>(patch.scanLine(int(y - y0)));
        for (std::int64_t x = x0; x <= x1; ++x) {
            std::int64_t j = x - ds * dl;
            if (mirrorX)
                j = dsw - 1 - j;
            const std::int64_t sx = ss * sl + (2 * j + 1) * ss * asw / (2 * dsw);
            if (sx < 0 || sx >= src.width())
                continue;
            const std::uint32_t pixel = in[sx] | kOpaque;
            if (TransparentKey && pixel == key)
                continue;
            out[x - x0] = pixel;
        }
    }
    const QPoint origin { int(x0), int(y0) };
    if (m_painter) {
        m_painter->save();
        if (m_clip)
            m_painter->setClipRegion(*m_clip, Qt::IntersectClip);
        m_painter->setCompositionMode(CopyComposition(Rop));
        // The patch starts on a whole pixel: device pixels land one to one.
        patch.setDevicePixelRatio(double(ds));
        m_painter->drawImage(QPoint(int(x0 / ds), int(y0 / ds)), patch);
        m_painter->restore();
    } else {
        const std::uint32_t pattern = ToRgb(m_brush.Color());
        for (const QRect& clip : ClipRects()) {
            const QRect part = clip & QRect(origin, patch.size());
            for (int y = part.top(); y <= part.bottom(); ++y) {
                const auto* in = reinterpret_cast<const std::uint32_t*>(patch.constScanLine(y - origin.y()));
                auto* out = reinterpret_cast<std::uint32_t*>(m_image->scanLine(y));
                for (int x = part.left(); x <= part.right(); ++x) {
                    const std::uint32_t s = in[x - origin.x()];
                    if ((s & kOpaque) == 0)
                        continue;
                    out[x] = Rop3(Rop, pattern, s, out[x]);
                }
            }
        }
    }
    Changed();
}

// --- clipping ---

TRect TCanvas::ClipRect() const
{
    const QRect limit = DrawLimit();
    return limit.isEmpty() ? TRect() : TRect::fromQRect(limit);
}

void TCanvas::IntersectClipRect(const TRect& Rect)
{
    const QRegion region(SafeRect(Rect));
    m_clip = m_clip ? (*m_clip & region) : (QRegion(Surface()) & region);
}

void TCanvas::ExcludeClipRect(const TRect& Rect)
{
    const QRegion region(SafeRect(Rect));
    m_clip = (m_clip ? *m_clip : QRegion(Surface())) - region;
}

void TCanvas::SetClipRegion(const std::optional<QRegion>& Region)
{
    m_clip = Region;
}

void TCanvas::BindImage(QImage* Image)
{
    m_image = Image;
    m_painter = nullptr;
}

// --- binding and saving ---

TCanvasPainterBinding::TCanvasPainterBinding(TCanvas& Canvas, QPainter& Painter, const TRect& Bounds)
    : m_canvas(Canvas), m_image(Canvas.m_image), m_painter(Canvas.m_painter), m_bounds(Canvas.m_painterBounds),
      m_scale(Canvas.m_painterScale), m_clip(Canvas.m_clip)
{
    Canvas.m_painter = &Painter;
    Canvas.m_painterBounds = SafeRect(Bounds);
    Canvas.m_painterScale = PainterScale(Painter);
    Canvas.m_clip.reset();
}

TCanvasPainterBinding::~TCanvasPainterBinding()
{
    m_canvas.m_image = m_image;
    m_canvas.m_painter = m_painter;
    m_canvas.m_painterBounds = m_bounds;
    m_canvas.m_painterScale = m_scale;
    m_canvas.m_clip = m_clip;
}

TCanvasSaver::TCanvasSaver(TCanvas& Canvas)
    : m_canvas(Canvas), m_copyMode(Canvas.CopyMode()), m_penPos(Canvas.PenPos()), m_clip(Canvas.ClipRegion())
{
    m_pen.Assign(Canvas.Pen());
    m_brush.Assign(Canvas.Brush());
    m_font.Assign(Canvas.Font());
}

TCanvasSaver::~TCanvasSaver()
{
    m_canvas.Pen()->Assign(&m_pen);
    m_canvas.Brush()->Assign(&m_brush);
    m_canvas.Font()->Assign(&m_font);
    m_canvas.SetCopyMode(m_copyMode);
    m_canvas.MoveTo(m_penPos.X, m_penPos.Y);
    m_canvas.SetClipRegion(m_clip);
}

} // namespace vcl
