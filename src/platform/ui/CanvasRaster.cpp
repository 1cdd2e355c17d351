#include "platform/ui/CanvasRaster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vcl::raster {

namespace {

// Floor of a / b for b > 0.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// floor((t * minor + major) / (2 * major)): where the run across the line starts, in device pixels
// from the first pixel's. Far-away lines, whose product would not fit 64 bits, take long doubles.
std::int64_t RunOffset(std::int64_t t, std::int64_t minor, std::int64_t major)
{
    std::int64_t sum = 0;
    if (!__builtin_mul_overflow(t, minor, &sum) && !__builtin_add_overflow(sum, major, &sum))
        return FloorDiv(sum, 2 * major);
    const long double value = (static_cast<long double>(t) * minor + major) / (2.0L * major);
    return static_cast<std::int64_t>(std::floor(value));
}

// Per-row extent of a round pen tip of the given width, relative to the pixel it is centred on.
struct TipRow
{
    int dy;
    int dx1;
    int dx2;
};

std::vector<TipRow> PenTip(int width)
{
    std::vector<TipRow> rows;
    const double centre = (width % 2 == 0) ? 0.5 : 0.0;
    const double r2 = (width / 2.0) * (width / 2.0) + 1e-9;
    for (int dy = -width; dy <= width; ++dy) {
        int lo = width + 1;
        int hi = -width - 1;
        for (int dx = -width; dx <= width; ++dx) {
            const double ex = dx - centre;
            const double ey = dy - centre;
            if (ex * ex + ey * ey <= r2) {
                lo = std::min(lo, dx);
                hi = std::max(hi, dx);
            }
        }
        if (lo <= hi)
            rows.push_back({ dy, lo, hi });
    }
    return rows;
}

// Index range [i0, i1] of steps along the major axis that can reach the limit (plus a margin).
bool MajorRange(std::int64_t start, int step, std::int64_t count, std::int64_t lo, std::int64_t hi,
                std::int64_t& i0, std::int64_t& i1)
{
    if (step > 0) {
        i0 = lo - start;
        i1 = hi - start;
    } else if (step < 0) {
        i0 = start - hi;
        i1 = start - lo;
    } else {
        if (start < lo || start > hi)
            return false;
        i0 = 0;
        i1 = count - 1;
    }
    i0 = std::max<std::int64_t>(i0, 0);
    i1 = std::min<std::int64_t>(i1, count - 1);
    return i0 <= i1;
}

// Walks the midpoint-rule pixels i = 0 .. count-1 of the line a -> b that lie near the limit.
template <typename Fn>
void WalkLine(QPoint a, QPoint b, std::int64_t count, const QRect& limit, int margin, Fn&& fn)
{
    const std::int64_t dx = std::int64_t(b.x()) - a.x();
    const std::int64_t dy = std::int64_t(b.y()) - a.y();
    const std::int64_t adx = dx < 0 ? -dx : dx;
    const std::int64_t ady = dy < 0 ? -dy : dy;
    const int sx = dx < 0 ? -1 : (dx > 0 ? 1 : 0);
    const int sy = dy < 0 ? -1 : (dy > 0 ? 1 : 0);
    const bool xMajor = adx >= ady;
    const std::int64_t major = xMajor ? adx : ady;
    const std::int64_t minor = xMajor ? ady : adx;
    std::int64_t i0 = 0;
    std::int64_t i1 = 0;
    const bool inRange = xMajor
        ? MajorRange(a.x(), sx, count, std::int64_t(limit.left()) - margin, std::int64_t(limit.right()) + margin, i0, i1)
        : MajorRange(a.y(), sy, count, std::int64_t(limit.top()) - margin, std::int64_t(limit.bottom()) + margin, i0, i1);
    if (!inRange)
        return;
    for (std::int64_t i = i0; i <= i1; ++i) {
        const std::int64_t m = major == 0 ? 0 : RunOffset(2 * i, minor, major);
        const std::int64_t x = a.x() + (xMajor ? sx * i : sx * m);
        const std::int64_t y = a.y() + (xMajor ? sy * m : sy * i);
        fn(i, x, y);
    }
}

} // namespace

void SpanSet::Add(std::int64_t y, std::int64_t x1, std::int64_t x2)
{
    if (y < m_limit.top() || y > m_limit.bottom())
        return;
    x1 = std::max<std::int64_t>(x1, m_limit.left());
    x2 = std::min<std::int64_t>(x2, m_limit.right());
    if (x1 > x2)
        return;
    m_spans.push_back({ int(y), int(x1), int(x2) });
}

std::vector<Span> SpanSet::Merged() const
{
    std::vector<Span> spans = m_spans;
    std::sort(spans.begin(), spans.end(),
              [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.x1 < b.x1; });
    std::vector<Span> out;
    out.reserve(spans.size());
    for (const Span& s : spans) {
        if (!out.empty() && out.back().y == s.y && std::int64_t(s.x1) <= std::int64_t(out.back().x2) + 1)
            out.back().x2 = std::max(out.back().x2, s.x2);
        else
            out.push_back(s);
    }
    return out;
}

int DashPattern::Length() const
{
    int total = 0;
    for (int r : runs)
        total += r;
    return total;
}

bool DashPattern::IsOn(std::int64_t index) const
{
    const int length = Length();
    if (length <= 0)
        return true;
    std::int64_t pos = index % length;
    if (pos < 0)
        pos += length;
    bool on = true;
    for (int r : runs) {
        if (pos < r)
            return on;
        pos -= r;
        on = !on;
    }
    return on;
}

void AddThinLine(SpanSet& ink, SpanSet* gaps, QPoint a, QPoint b, bool includeLast, const DashPattern& dash,
                 std::int64_t& phase)
{
    const std::int64_t adx = std::abs(std::int64_t(b.x()) - a.x());
    const std::int64_t ady = std::abs(std::int64_t(b.y()) - a.y());
    const std::int64_t major = std::max(adx, ady);
    const std::int64_t count = major + (includeLast ? 1 : 0);
    const std::int64_t first = phase;
    phase += major;
    if (count <= 0)
        return;
    const bool solid = dash.runs.empty();
    WalkLine(a, b, count, ink.Limit(), 1, [&](std::int64_t i, std::int64_t x, std::int64_t y) {
        if (solid || dash.IsOn(first + i))
            ink.AddPixel(x, y);
        else if (gaps)
            gaps->AddPixel(x, y);
    });
}

void AddWideLine(SpanSet& ink, QPoint a, QPoint b, int width)
{
    static thread_local int cachedWidth = -1;
    static thread_local std::vector<TipRow> tip;
    if (cachedWidth != width) {
        tip = PenTip(width);
        cachedWidth = width;
    }
    const std::int64_t major =
        std::max(std::abs(std::int64_t(b.x()) - a.x()), std::abs(std::int64_t(b.y()) - a.y()));
    WalkLine(a, b, major + 1, ink.Limit(), width + 1, [&](std::int64_t, std::int64_t x, std::int64_t y) {
        for (const TipRow& row : tip)
            ink.Add(y + row.dy, x + row.dx1, x + row.dx2);
    });
}

namespace {

// Held far beyond any surface, so that scaled coordinates stay within int.
int HoldDevice(std::int64_t v)
{
    constexpr std::int64_t far = std::int64_t(1) << 30;
    return int(std::clamp(v, -far, far));
}

} // namespace

void AddScaledThinLine(SpanSet& ink, SpanSet* gaps, QPoint a, QPoint b, bool includeLast, const DashPattern& dash,
                       std::int64_t& phase, int scale)
{
    if (scale <= 1) {
        AddThinLine(ink, gaps, a, b, includeLast, dash, phase);
        return;
    }
    const std::int64_t dx = std::int64_t(b.x()) - a.x();
    const std::int64_t dy = std::int64_t(b.y()) - a.y();
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const std::int64_t dMajor = xMajor ? dx : dy;
    const std::int64_t dMinor = xMajor ? dy : dx;
    const std::int64_t major = std::abs(dMajor);
    const std::int64_t minor = std::abs(dMinor);
    const std::int64_t count = major + (includeLast ? 1 : 0);
    const std::int64_t first = phase;
    phase += major;
    if (count <= 0)
        return;
    const std::int64_t s = scale;
    const int step = dMajor < 0 ? -1 : 1;
    const int minorSign = dMinor < 0 ? -1 : 1;
    const std::int64_t aMajor = xMajor ? a.x() : a.y();
    const std::int64_t aMinor = xMajor ? a.y() : a.x();
    // Device pixels along the major axis, from the near edge of the first pixel onwards.
    const std::int64_t base = step > 0 ? s * aMajor : s * aMajor + s - 1;
    const QRect& limit = ink.Limit();
    const std::int64_t lo = std::int64_t(xMajor ? limit.left() : limit.top()) - 1;
    const std::int64_t hi = std::int64_t(xMajor ? limit.right() : limit.bottom()) + 1;
    std::int64_t j0 = step > 0 ? lo - base : base - hi;
    std::int64_t j1 = step > 0 ? hi - base : base - lo;
    j0 = std::max<std::int64_t>(j0, 0);
    j1 = std::min<std::int64_t>(j1, count * s - 1);
    const bool solid = dash.runs.empty();
    for (std::int64_t j = j0; j <= j1; ++j) {
        const std::int64_t along = base + step * j;
        // The run of `s` device pixels across the line, centred on the line through the pixel centres.
        const std::int64_t offset = major == 0 ? 0 : RunOffset(2 * j + 1 - s, minor, major);
        const std::int64_t from = s * aMinor + minorSign * offset;
        SpanSet* target = (solid || dash.IsOn(first + j / s)) ? &ink : gaps;
        if (!target)
            continue;
        if (xMajor) {
            for (std::int64_t k = 0; k < s; ++k)
                target->AddPixel(along, from + k);
        } else {
            target->Add(along, from, from + s - 1);
        }
    }
}

void AddScaledWideLine(SpanSet& ink, QPoint a, QPoint b, int width, int scale)
{
    if (scale <= 1) {
        AddWideLine(ink, a, b, width);
        return;
    }
    // The tip keeps its centre: a pixel's centre for odd widths, its bottom-right corner for even
    // ones; in device pixels that is the pixel whose tip of the scaled width is centred there.
    const std::int64_t s = scale;
    const std::int64_t deviceWidth = s * width;
    const std::int64_t centreTwice = width % 2 != 0 ? 1 : 2;
    const std::int64_t tipTwice = deviceWidth % 2 == 0 ? 1 : 0;
    const auto device = [&](int v) { return HoldDevice((s * (2 * std::int64_t(v) + centreTwice) - 1 - tipTwice) / 2); };
    AddWideLine(ink, QPoint(device(a.x()), device(a.y())), QPoint(device(b.x()), device(b.y())), int(deviceWidth));
}

bool RoundRectRow(const Box& box, std::int64_t cw, std::int64_t ch, std::int64_t y, std::int64_t& x1,
                  std::int64_t& x2)
{
    if (box.r <= box.l || box.b <= box.t || y < box.t || y >= box.b)
        return false;
    cw = std::clamp<std::int64_t>(cw, 0, box.r - box.l);
    ch = std::clamp<std::int64_t>(ch, 0, box.b - box.t);
    double left = double(box.l);
    double right = double(box.r);
    if (cw > 0 && ch > 0) {
        const double hw = cw / 2.0;
        const double hh = ch / 2.0;
        const double yc = double(y) + 0.5;
        double d = 0.0;
        if (yc < double(box.t) + hh)
            d = (double(box.t) + hh - yc) / hh;
        else if (yc > double(box.b) - hh)
            d = (yc - (double(box.b) - hh)) / hh;
        if (d > 1.0)
            return false;
        if (d > 0.0) {
            const double s = std::sqrt(1.0 - d * d);
            left = double(box.l) + hw - hw * s;
            right = double(box.r) - hw + hw * s;
        }
    }
    x1 = std::int64_t(std::ceil(left - 0.5));
    x2 = std::int64_t(std::floor(right - 0.5));
    return x1 <= x2;
}

void AddRoundRect(SpanSet& set, const Box& box, std::int64_t cw, std::int64_t ch)
{
    const std::int64_t y0 = std::max<std::int64_t>(box.t, set.Limit().top());
    const std::int64_t y1 = std::min<std::int64_t>(box.b - 1, set.Limit().bottom());
    for (std::int64_t y = y0; y <= y1; ++y) {
        std::int64_t x1 = 0;
        std::int64_t x2 = 0;
        if (RoundRectRow(box, cw, ch, y, x1, x2))
            set.Add(y, x1, x2);
    }
}

void AddRoundRectFrame(SpanSet& set, const Box& box, std::int64_t cw, std::int64_t ch, int width)
{
    const Box inner { box.l + width, box.t + width, box.r - width, box.b - width };
    const std::int64_t icw = std::max<std::int64_t>(cw - 2 * width, 0);
    const std::int64_t ich = std::max<std::int64_t>(ch - 2 * width, 0);
    const std::int64_t y0 = std::max<std::int64_t>(box.t, set.Limit().top());
    const std::int64_t y1 = std::min<std::int64_t>(box.b - 1, set.Limit().bottom());
    for (std::int64_t y = y0; y <= y1; ++y) {
        std::int64_t o1 = 0;
        std::int64_t o2 = 0;
        if (!RoundRectRow(box, cw, ch, y, o1, o2))
            continue;
        std::int64_t i1 = 0;
        std::int64_t i2 = 0;
        if (RoundRectRow(inner, icw, ich, y, i1, i2) && i1 > o1 && i2 < o2) {
            set.Add(y, o1, i1 - 1);
            set.Add(y, i2 + 1, o2);
        } else {
            set.Add(y, o1, o2);
        }
    }
}

void AddPolygon(SpanSet& set, const std::vector<QPoint>& points, int scale)
{
    if (points.size() < 3)
        return;
    std::int64_t minY = points.front().y();
    std::int64_t maxY = minY;
    for (const QPoint& p : points) {
        minY = std::min<std::int64_t>(minY, p.y());
        maxY = std::max<std::int64_t>(maxY, p.y());
    }
    const double k = scale;
    const std::int64_t y0 = std::max<std::int64_t>(minY * scale, set.Limit().top());
    const std::int64_t y1 = std::min<std::int64_t>(maxY * scale, set.Limit().bottom());
    std::vector<double> xs;
    for (std::int64_t y = y0; y <= y1; ++y) {
        const double yc = double(y) + 0.5;
        xs.clear();
        for (size_t i = 0; i < points.size(); ++i) {
            const QPoint& p = points[i];
            const QPoint& q = points[(i + 1) % points.size()];
            const double px = p.x() * k;
            const double py = p.y() * k;
            const double qx = q.x() * k;
            const double qy = q.y() * k;
            if ((py < yc) != (qy < yc))
                xs.push_back(px + (yc - py) * (qx - px) / (qy - py));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t i = 0; i + 1 < xs.size(); i += 2) {
            const std::int64_t a = std::int64_t(std::ceil(xs[i] - 0.5));
            const std::int64_t b = std::int64_t(std::ceil(xs[i + 1] - 0.5)) - 1;
            set.Add(y, a, b);
        }
    }
}

Sector::Sector(double cx, double cy, double startAngle, double endAngle)
    : m_cx(cx), m_cy(cy), m_start(startAngle)
{
    constexpr double twoPi = 2.0 * std::numbers::pi;
    double sweep = std::fmod(endAngle - startAngle, twoPi);
    if (sweep <= 1e-12)
        sweep += twoPi;
    m_sweep = sweep;
}

bool Sector::Contains(int x, int y) const
{
    constexpr double twoPi = 2.0 * std::numbers::pi;
    const double angle = std::atan2(-(y + 0.5 - m_cy), x + 0.5 - m_cx);
    double rel = std::fmod(angle - m_start, twoPi);
    if (rel < 0)
        rel += twoPi;
    return rel <= m_sweep;
}

} // namespace vcl::raster
