#include "widgets/RzGrafx.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace rz {

using namespace vcl;

void DrawBitmapTransparent(TCanvas& Canvas, TBitmap& Bitmap, TRect DestRect, TRect SourceRect,
                           TColor TransparentColor)
{
    if (Bitmap.Empty())
        return;
    // clNone draws every pixel: it must not become a key colour that takes out real pixels.
    std::optional<TColor> key;
    if (TransparentColor != clNone)
        key = ColorToRGB(TransparentColor);
    Canvas.StretchImage(DestRect, Bitmap.Image(), SourceRect, SRCCOPY, key);
}

void DrawBitmapSized(TCanvas& Canvas, TBitmap& Bitmap, TRect DestRect, TRect SourceRect, TColor TransparentColor)
{
    DrawBitmapTransparent(Canvas, Bitmap, DestRect, SourceRect, TransparentColor);
}

void DrawBitmapStretched(TCanvas& Canvas, TBitmap& Bitmap, TRect DestRect, TColor TransparentColor)
{
    DrawBitmapTransparent(Canvas, Bitmap, DestRect, TRect(0, 0, Bitmap.Width(), Bitmap.Height()), TransparentColor);
}

void DrawBitmapTiled(TCanvas& Canvas, TBitmap& Bitmap, TRect DestRect, TColor TransparentColor)
{
    const int bw = Bitmap.Width(), bh = Bitmap.Height();
    if (bw <= 0 || bh <= 0)
        return;
    for (int row = DestRect.Top; row < DestRect.Bottom; row += bh)
        for (int col = DestRect.Left; col < DestRect.Right; col += bw) {
            const int w = std::min(bw, DestRect.Right - col), h = std::min(bh, DestRect.Bottom - row);
            DrawBitmapTransparent(Canvas, Bitmap, TRect(col, row, col + w, row + h), TRect(0, 0, w, h),
                                  TransparentColor);
        }
}

namespace {

// Three colour channels held as 16.16 fixed point, stepping toward a target in `steps` steps.
struct TRamp
{
    std::int64_t acc[3] {};
    std::int64_t inc[3] {};

    TRamp(TColor from, TColor to, std::int64_t steps)
    {
        const int a[3] = { GetRValue(from), GetGValue(from), GetBValue(from) };
        const int b[3] = { GetRValue(to), GetGValue(to), GetBValue(to) };
        for (int i = 0; i < 3; ++i) {
            acc[i] = std::int64_t(a[i]) << 16;
            inc[i] = steps > 0 ? (std::int64_t(b[i] - a[i]) * 65536) / steps : 0;
        }
    }
    TColor Color() const
    {
        auto ch = [](std::int64_t v) { return int(std::clamp<std::int64_t>(v >> 16, 0, 255)); };
        return RGB(ch(acc[0]), ch(acc[1]), ch(acc[2]));
    }
    void Next()
    {
        for (int i = 0; i < 3; ++i)
            acc[i] += inc[i];
    }
};

// One ramp over lines [first, last] with `nearColor` at `first` and `farColor` at `last`, walked
// from the far end; fills runs of equal colour as one band through `fill(from, to, colour)`.
template <typename Fill>
void RampLines(int first, int last, TColor nearColor, TColor farColor, int steps, Fill fill)
{
    if (last < first)
        return;
    TRamp ramp(farColor, nearColor, steps);
    int bandEnd = last;
    TColor bandColor = ramp.Color();
    for (int line = last; line >= first; --line) {
        const TColor c = ramp.Color();
        if (c != bandColor) {
            fill(line + 1, bandEnd, bandColor);
            bandEnd = line;
            bandColor = c;
        }
        ramp.Next();
    }
    fill(first, bandEnd, bandColor);
}

void LinearBands(TCanvas& c, int w, int h, bool rows, bool center, TColor start, TColor stop)
{
    c.Pen()->SetStyle(TPenStyle::psClear);
    auto fill = [&](int from, int to, TColor colour) {
        c.Brush()->SetColor(colour);
        c.FillRect(rows ? TRect(0, from, w, to + 1) : TRect(from, 0, to + 1, h));
    };
    const int size = rows ? h : w;
    if (!center) {
        RampLines(0, size - 1, start, stop, size, fill);
        return;
    }
    const int m = size / 2;
    RampLines(0, m, start, stop, m + 1, fill);
    RampLines(m + 1, size - 1, stop, start, size - 1 - m, fill);
}

void BoxBands(TCanvas& c, int w, int h, int ix, int iy, TColor start, TColor stop)
{
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    if (start == stop || w < 5 || h <= 4) {
        c.Brush()->SetColor(start);
        c.FillRect(TRect(0, 0, w + 1, h + 1));
        return;
    }
    const int hw = (w - 1) >> 1, hh = (h - 1) >> 1;
    const int ax = hw - ix, ay = hh - iy;
    const int steps = std::max(ax, ay) + 1;
    TRamp ramp(stop, start, steps);
    std::int64_t x = std::int64_t(ax) << 16, y = std::int64_t(ay) << 16;
    const std::int64_t dx = (std::int64_t(ax) << 16) / steps, dy = (std::int64_t(ay) << 16) / steps;
    int px = ax, py = ay;
    c.Brush()->SetColor(ramp.Color());
    c.FillRect(TRect(ax, ay, hw + 1, hh + 1));
    while (x >= 0 || y >= 0) {
        x -= dx;
        y -= dy;
        ramp.Next();
        const int nx = std::max(0, int(x >> 16)), ny = std::max(0, int(y >> 16));
        if (x < 0 && y < 0) {
            c.Brush()->SetColor(ramp.Color());
            c.FillRect(TRect(0, 0, hw + 1, py));
            c.FillRect(TRect(0, 0, px, hh + 1));
            break;
        }
        c.Brush()->SetColor(ramp.Color());
        if (ny < py)
            c.FillRect(TRect(nx, ny, hw + 1, py));
        if (nx < px)
            c.FillRect(TRect(nx, ny, px, hh + 1));
        px = nx;
        py = ny;
        if (dx == 0 && dy == 0)
            break;
    }
}

// The painted top-left quarter, (w + 1) / 2 by (h + 1) / 2 with the middle column and row of odd
// sizes, mirrored pixel for pixel: upside down into the bottom rows, then the left half
// right-to-left into the right columns. A stretched copy would shift the mirrored half by a
// pixel and leave a seam across the middle.
void MirrorQuarter(TCanvas& c, int w, int h)
{
    const int quarterWidth = (w + 1) >> 1, hw = w >> 1, hh = h >> 1;
    c.SetCopyMode(SRCCOPY);
    c.CopyRect(TRect(0, h, quarterWidth, h - hh), c, TRect(0, 0, quarterWidth, hh));
    c.CopyRect(TRect(w, 0, w - hw, h), c, TRect(0, 0, hw, h));
}

void DiagonalBands(QImage& img, int w, int h, bool down, TColor start, TColor stop)
{
    const int n = int(std::sqrt(double(w) * w + double(h) * h)) + 1;
    const int half = std::max(1, n >> 1);
    // The sweep runs from the start corner; colours go from the sweep's first colour onward.
    const TColor first = down ? stop : start, last = down ? start : stop;
    std::vector<TColor> colours;
    TRamp ramp(first, last, n);
    for (int k = 0; k <= 2 * half + 1; ++k) {
        colours.push_back(ramp.Color());
        ramp.Next();
    }
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double sx = down ? double(w - x) / w : double(x) / w;
            const double s = sx + double(h - y) / h;
            const int k = std::clamp(int(s * half), 0, int(colours.size()) - 1);
            const TColor col = colours[size_t(k)];
            line[x] = 0xFF000000u | (unsigned(GetRValue(col)) << 16) | (unsigned(GetGValue(col)) << 8)
                      | unsigned(GetBValue(col));
        }
    }
}

} // namespace

void FillGradient(TCanvas& Canvas, TRect Rect, TGradientDirection Direction, TColor StartColor, TColor StopColor,
                  int Step)
{
    const int w = std::abs(Rect.Right - Rect.Left), h = std::abs(Rect.Bottom - Rect.Top);
    if (w == 0 || h == 0)
        return;
    if (Direction == TGradientDirection::gdHorizontalEnd || Direction == TGradientDirection::gdVerticalEnd) {
        // Two-colour rectangle gradient: top to bottom (horizontal bands) or left to right.
        const TColor a = ColorToRGB(StartColor), b = ColorToRGB(StopColor);
        const bool rows = Direction == TGradientDirection::gdHorizontalEnd;
        const int size = rows ? h : w;
        TCanvasSaver saver(Canvas);
        Canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        for (int i = 0; i < size; ++i) {
            auto lerp = [&](int x, int y) { return x + (y - x) * i / size; };
            Canvas.Brush()->SetColor(RGB(lerp(GetRValue(a), GetRValue(b)), lerp(GetGValue(a), GetGValue(b)),
                                         lerp(GetBValue(a), GetBValue(b))));
            const int l = std::min(Rect.Left, Rect.Right), t = std::min(Rect.Top, Rect.Bottom);
            Canvas.FillRect(rows ? TRect(l, t + i, l + w, t + i + 1) : TRect(l + i, t, l + i + 1, t + h));
        }
        return;
    }
    DrawGradientBands(Canvas, Rect, Direction, StartColor, StopColor, Step);
}

void DrawGradientBands(TCanvas& Canvas, TRect Rect, TGradientDirection Direction, TColor StartColor,
                       TColor StopColor, int Step)
{
    (void)Step; // every run of equal colour is one band; the minimum run only merges further
    const int w = std::abs(Rect.Right - Rect.Left), h = std::abs(Rect.Bottom - Rect.Top);
    if (w == 0 || h == 0)
        return;
    const TColor start = ColorToRGB(StartColor), stop = ColorToRGB(StopColor);
    TBitmap scratch;
    scratch.SetSize(w, h);
    TCanvas& c = *scratch.Canvas();
    c.Pen()->SetStyle(TPenStyle::psClear);
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    using D = TGradientDirection;
    switch (Direction) {
    case D::gdDiagonalUp:
    case D::gdDiagonalDown:
        if (start == stop) {
            c.Brush()->SetColor(start);
            c.FillRect(TRect(0, 0, w, h));
        } else {
            QImage img(w, h, QImage::Format_RGB32);
            DiagonalBands(img, w, h, Direction == D::gdDiagonalDown, start, stop);
            scratch.SetImage(img);
        }
        break;
    case D::gdHorizontalEnd: LinearBands(c, w, h, true, false, start, stop); break;
    case D::gdHorizontalCenter: LinearBands(c, w, h, true, true, start, stop); break;
    case D::gdVerticalEnd: LinearBands(c, w, h, false, false, start, stop); break;
    case D::gdVerticalCenter: LinearBands(c, w, h, false, true, start, stop); break;
    case D::gdHorizontalBox:
    case D::gdVerticalBox:
    case D::gdSquareBox:
    case D::gdBigSquareBox: {
        const bool prefill = Direction == D::gdHorizontalBox || Direction == D::gdSquareBox;
        if (prefill) {
            c.Brush()->SetColor(start);
            c.FillRect(TRect(0, 0, w, h));
        }
        const int ix = (Direction == D::gdHorizontalBox || Direction == D::gdBigSquareBox) ? (w >> 2) : 0;
        const int iy = (Direction == D::gdVerticalBox || Direction == D::gdBigSquareBox) ? (h >> 2) : 0;
        BoxBands(c, w, h, ix, iy, start, stop);
        if (!(start == stop || w < 5 || h <= 4))
            MirrorQuarter(c, w, h);
        break;
    }
    }
    Canvas.StretchImage(TRect(Rect.Left, Rect.Top, Rect.Left + w, Rect.Top + h), scratch.Image(), TRect(0, 0, w, h),
                        SRCCOPY);
}

} // namespace rz
