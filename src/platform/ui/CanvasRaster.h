#pragma once
// Turns figures into pixel spans with GDI's rules (exclusive right/bottom edges, lines without their
// last pixel, one-pixel cosmetic pens, dash patterns), independent of where the pixels go.

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <vector>

namespace vcl::raster {

// A run of pixels on one row, both ends included.
struct Span
{
    int y;
    int x1;
    int x2;
};

// A figure's box in device pixels: [l, r) x [t, b); 64-bit so that far-away figures cannot overflow.
struct Box
{
    std::int64_t l, t, r, b;
};

// Collects spans and merges them, so that a figure touches each pixel once (an XOR pen then
// inverts a pixel once, however many strokes of the figure cover it).
class SpanSet
{
public:
    explicit SpanSet(const QRect& limit) : m_limit(limit) {}

    // Clipped to the limit; far-away coordinates are welcome.
    void Add(std::int64_t y, std::int64_t x1, std::int64_t x2);
    void AddPixel(std::int64_t x, std::int64_t y) { Add(y, x, x); }
    bool IsEmpty() const { return m_spans.empty(); }
    const QRect& Limit() const { return m_limit; }
    // Sorted by row then column, overlapping and touching runs joined.
    std::vector<Span> Merged() const;
    // As added: enough where drawing a pixel twice gives what drawing it once does.
    const std::vector<Span>& Unmerged() const { return m_spans; }
    void Reserve(std::size_t count) { m_spans.reserve(count); }

private:
    QRect m_limit;
    std::vector<Span> m_spans;
};

// Dash pattern of a cosmetic pen: alternating on/off run lengths; empty means solid.
struct DashPattern
{
    std::vector<int> runs;
    int Length() const;
    bool IsOn(std::int64_t index) const;
};

// Pixels of a one-pixel line from a to b by the midpoint rule; the last pixel is left out unless
// includeLast. `phase` is the dash position of the first pixel; it is advanced by the line's length.
// On pixels go to `ink`, off pixels of a dashed pen to `gaps` (when given).
void AddThinLine(SpanSet& ink, SpanSet* gaps, QPoint a, QPoint b, bool includeLast, const DashPattern& dash,
                 std::int64_t& phase);

// A round-capped line of the given width (> 1), both end points included.
void AddWideLine(SpanSet& ink, QPoint a, QPoint b, int width);

// The same lines on a surface of `scale` device pixels per pixel: the end points, width, dash runs and
// phase stay in pixels, the spans come out in device pixels. A one-pixel line is `scale` device
// pixels thick and walks at device resolution, so a slope steps finely while every pixel the line
// covers at scale 1 lies within one pixel of it. Scale 1 gives exactly AddThinLine / AddWideLine.
void AddScaledThinLine(SpanSet& ink, SpanSet* gaps, QPoint a, QPoint b, bool includeLast, const DashPattern& dash,
                       std::int64_t& phase, int scale);
void AddScaledWideLine(SpanSet& ink, QPoint a, QPoint b, int width, int scale);

// Row extent of a rounded rectangle with corner ellipse cw x ch inside box [l, r) x [t, b)
// (an ellipse when cw, ch are the box size, a rectangle when they are 0). False when the row misses.
bool RoundRectRow(const Box& box, std::int64_t cw, std::int64_t ch, std::int64_t y, std::int64_t& x1,
                  std::int64_t& x2);

// The filled interior of a rounded rectangle / ellipse.
void AddRoundRect(SpanSet& set, const Box& box, std::int64_t cw, std::int64_t ch);
// The outline band of the given width: the figure minus the figure shrunk by width on every side.
void AddRoundRectFrame(SpanSet& set, const Box& box, std::int64_t cw, std::int64_t ch, int width);

// The interior of a polygon under the alternate (even-odd) rule, sampled at pixel centres. With a
// scale, the points are in pixels and the spans in device pixels of `scale` per pixel.
void AddPolygon(SpanSet& set, const std::vector<QPoint>& points, int scale = 1);

// Angular sector test for arcs and pies: true when pixel (x, y) lies on the counter-clockwise
// sweep from `start` to `end` (radians, y up) around centre (cx, cy).
class Sector
{
public:
    Sector(double cx, double cy, double startAngle, double endAngle);
    bool Contains(int x, int y) const;

private:
    double m_cx, m_cy, m_start, m_sweep;
};

} // namespace vcl::raster
