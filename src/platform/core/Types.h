#pragma once
// Integer geometry of the class library: points, sizes and rectangles whose right and bottom
// edges lie outside the area (GDI's convention).

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vcl {

struct TPoint
{
    int X { 0 };
    int Y { 0 };

    constexpr TPoint() = default;
    constexpr TPoint(int x, int y) : X(x), Y(y) {}
    constexpr bool operator==(const TPoint&) const = default;
    constexpr TPoint operator+(TPoint o) const { return { X + o.X, Y + o.Y }; }
    constexpr TPoint operator-(TPoint o) const { return { X - o.X, Y - o.Y }; }
    QPoint toQPoint() const { return { X, Y }; }
    static TPoint fromQPoint(const QPoint& p) { return { p.x(), p.y() }; }
};

struct TSize
{
    int cx { 0 };
    int cy { 0 };

    constexpr TSize() = default;
    constexpr TSize(int w, int h) : cx(w), cy(h) {}
    constexpr bool operator==(const TSize&) const = default;
    constexpr int Width() const { return cx; }
    constexpr int Height() const { return cy; }
    QSize toQSize() const { return { cx, cy }; }
};

struct TRect
{
    int Left { 0 };
    int Top { 0 };
    int Right { 0 };
    int Bottom { 0 };

    constexpr TRect() = default;
    constexpr TRect(int l, int t, int r, int b) : Left(l), Top(t), Right(r), Bottom(b) {}
    constexpr TRect(TPoint topLeft, TPoint bottomRight)
        : Left(topLeft.X), Top(topLeft.Y), Right(bottomRight.X), Bottom(bottomRight.Y) {}
    constexpr bool operator==(const TRect&) const = default;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr TPoint TopLeft() const { return { Left, Top }; }
    constexpr TPoint BottomRight() const { return { Right, Bottom }; }
    constexpr TSize Size() const { return { Width(), Height() }; }
    // Truncates toward zero, as integer halving does.
    constexpr TPoint CenterPoint() const { return { Left + (Right - Left) / 2, Top + (Bottom - Top) / 2 }; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    // Left/Top inside, Right/Bottom outside.
    constexpr bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    constexpr TRect Normalized() const
    {
        return { Left < Right ? Left : Right, Top < Bottom ? Top : Bottom, Left < Right ? Right : Left,
                 Top < Bottom ? Bottom : Top };
    }

    // The same pixels as a QRect (whose right() is the last pixel inside).
    QRect toQRect() const { return QRect(Left, Top, Width(), Height()); }
    static TRect fromQRect(const QRect& r) { return { r.left(), r.top(), r.left() + r.width(), r.top() + r.height() }; }
};

constexpr TPoint Point(int x, int y) { return { x, y }; }
constexpr TRect Rect(int left, int top, int right, int bottom) { return { left, top, right, bottom }; }
constexpr TRect Bounds(int left, int top, int width, int height) { return { left, top, left + width, top + height }; }

constexpr bool PtInRect(const TRect& r, TPoint p) { return r.Contains(p); }
constexpr bool IsRectEmpty(const TRect& r) { return r.IsEmpty(); }
constexpr bool EqualRect(const TRect& a, const TRect& b) { return a == b; }
constexpr TPoint CenterPoint(const TRect& r) { return r.CenterPoint(); }

// The common part of a and b; an empty result is (0,0,0,0) and returns false.
bool IntersectRect(TRect& dest, const TRect& a, const TRect& b);
// The smallest rectangle holding both; empty inputs are ignored; false when the result is empty.
bool UnionRect(TRect& dest, const TRect& a, const TRect& b);
bool InflateRect(TRect& r, int dx, int dy);
bool OffsetRect(TRect& r, int dx, int dy);

} // namespace vcl
