// Drawing of the progress gauge: frame, level zones, blocks or bar or stacked segments, the window of
// the endless display and the text, horizontal or vertical.

#include "widgets/AdvProgressBar.h"

#include "platform/core/Exception.h"
#include "platform/core/NumberUtils.h"
#include "widgets/AdvTrackBarDraw.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr vcl::TColor MaskColor = 0xFF00FF; // corners outside the rounded frame, drawn transparent
constexpr int BlockLength = 7;
constexpr int BlockGap = 2;

int RoundInt(double v)
{
    return vcl::RoundToInt(v);
}

void Fill(vcl::TCanvas& canvas, const vcl::TRect& r, vcl::TColor colour)
{
    canvas.Brush()->SetStyle(vcl::TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(colour);
    canvas.FillRect(r);
}

// Maps spans along the bar (0 at its start) and across it to rectangles: left to right for a
// horizontal bar, bottom to top for a vertical one.
struct BarAxis
{
    vcl::TRect R;
    bool vertical;

    // The span [from, to) measured from the start edge (L or B), across [inset, size - inset).
    vcl::TRect Span(int from, int to, int inset) const
    {
        if (vertical)
            return vcl::TRect(R.Left + inset, R.Bottom - to, R.Right - inset, R.Bottom - from);
        return vcl::TRect(R.Left + from, R.Top + inset, R.Left + to, R.Bottom - inset);
    }
};

struct Pair
{
    vcl::TColor a;
    vcl::TColor b;
};

// A block or bar: two halves across it, each a gradient between the light colour at the edge and the
// level colour at the middle; or the level colour flat.
void DrawBlock(vcl::TCanvas& canvas, const vcl::TRect& r, Pair pair, const TGaugeSettings& s)
{
    if (r.Right <= r.Left || r.Bottom <= r.Top)
        return;
    if (!s.ShowGradient) {
        Fill(canvas, r, pair.a);
        return;
    }
    if (s.Orientation == TGaugeOrientation::goVertical) {
        const int mid = r.Left + (r.Right - r.Left) / 2;
        DrawGaugeGradient(canvas, pair.b, pair.a, false, vcl::TRect(r.Left, r.Top, mid, r.Bottom), s.Steps);
        DrawGaugeGradient(canvas, pair.a, pair.b, false, vcl::TRect(mid, r.Top, r.Right, r.Bottom), s.Steps);
    } else {
        const int mid = r.Top + (r.Bottom - r.Top) / 2;
        DrawGaugeGradient(canvas, pair.b, pair.a, true, vcl::TRect(r.Left, r.Top, r.Right, mid), s.Steps);
        DrawGaugeGradient(canvas, pair.a, pair.b, true, vcl::TRect(r.Left, mid, r.Right, r.Bottom), s.Steps);
    }
}

Pair LevelPair(const TGaugeSettings& s, int level)
{
    switch (level) {
    case 0: return { s.Level0Color, s.Level0ColorTo };
    case 1: return { s.Level1Color, s.Level1ColorTo };
    case 2: return { s.Level2Color, s.Level2ColorTo };
    default: return { s.Level3Color, s.Level3ColorTo };
    }
}

void DrawLevelBackgrounds(vcl::TCanvas& canvas, const BarAxis& axis, int c, int level1, int level2,
                          const TGaugeSettings& s)
{
    if (s.Level0BkColor == vcl::clNone && s.Level1BkColor == vcl::clNone && s.Level2BkColor == vcl::clNone)
        return;
    const int z0 = RoundInt(level1 / 100.0 * c);
    const int z1 = RoundInt(c * (level2 - level1) / 100.0);
    const int z2 = c - z0 - z1;
    const struct { int from; int to; vcl::TColor colour; } zones[] = {
        { 2, z0, s.Level0BkColor }, { z0, z0 + z1, s.Level1BkColor }, { z0 + z1, z0 + z1 + z2, s.Level2BkColor } };
    for (const auto& z : zones)
        if (z.colour != vcl::clNone)
            Fill(canvas, axis.Span(z.from, z.to, 1), z.colour);
}

// Blocks 7 long with gaps of 2 over n pixels from the start; the last one shorter.
void DrawBlocks(vcl::TCanvas& canvas, const BarAxis& axis, int c, int n, Pair pair, const TGaugeSettings& s)
{
    auto block = [&](int from, int length) {
        const int to = std::min(from + length, c); // never past the far inner edge
        DrawBlock(canvas, axis.Span(from, to, 2), pair, s);
    };
    if (n <= 9) {
        if (n > 1)
            block(2, n - 1);
        return;
    }
    int end = 2 + BlockLength;
    block(2, BlockLength);
    for (int i = 0; i < n / 9 - 1; ++i) {
        block(end + BlockGap, BlockLength);
        end += BlockGap + BlockLength;
    }
    if (n % 9 > 2)
        block(end + BlockGap, n % 9 - 1);
}

void DrawStacked(vcl::TCanvas& canvas, const BarAxis& axis, int c, int p, int level1, int level2,
                 const TGaugeSettings& s)
{
    auto segment = [&](int from, int length, int level) {
        DrawBlock(canvas, axis.Span(from, std::min(from + length, c), 1), LevelPair(s, level), s);
    };
    const int s0 = RoundInt(std::min(p, level1) / 100.0 * c);
    segment(2, s0 - 2, 0);
    if (p < level1)
        return;
    const int s1 = RoundInt(c * (std::min(p, level2) - level1) / 100.0);
    segment(s0, s1, 1);
    if (p < level2)
        return;
    const int s2 = p == 100 ? c - s0 - s1 : RoundInt(c * (p - level2) / 100.0);
    segment(s0 + s1, s2, 2);
}

// Paints the bar outside a 22-pixel window around the infinite position in the background colour.
void DrawInfiniteWindow(vcl::TCanvas& canvas, const vcl::TRect& R, bool vertical, const TGaugeSettings& s)
{
    const int length = vertical ? R.Bottom - R.Top : R.Right - R.Left;
    const int q = length <= 4 ? 0 : RoundInt(s.InfinitePos / 100.0 * (length - 4));
    canvas.Pen()->SetColor(s.BackgroundColor);
    canvas.Brush()->SetStyle(vcl::TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(s.BackgroundColor);
    if (vertical) {
        canvas.Rectangle(R.Left + 1, R.Top + 2, R.Right - 1, std::max(R.Top + 2, R.Top + q - 10));
        canvas.Rectangle(R.Left + 2, std::min(R.Bottom - 2, R.Top + q + 12), R.Right - 2, R.Bottom - 2);
    } else {
        canvas.Rectangle(R.Left + 2, R.Top + 1, std::max(R.Left + 2, R.Left + q - 10), R.Bottom - 1);
        canvas.Rectangle(std::min(R.Right - 2, R.Left + q + 12), R.Top + 2, R.Right - 2, R.Bottom - 2);
    }
}

void DrawText(vcl::TCanvas& canvas, const vcl::TRect& R, bool vertical, const TGaugeSettings& s, int p)
{
    canvas.Brush()->SetStyle(vcl::TBrushStyle::bsClear);
    canvas.Font()->Assign(const_cast<vcl::TFont*>(&s.Font));
    const QString text = GaugeText(s, p);
    const int tw = canvas.TextWidth(text);
    const int th = canvas.TextHeight(text);
    if (vertical) {
        const int x = R.Left + (R.Right - R.Left) / 2 - th / 2;
        const int y = R.Top + (R.Bottom - R.Top) / 2 + tw / 2;
        advtrackbar::DrawTurnedText(canvas, x, y, text, s.Font, 900);
    } else {
        canvas.TextOut(R.Left + (R.Right - R.Left) / 2 - tw / 2, R.Top + (R.Bottom - R.Top) / 2 - th / 2, text);
    }
}

} // namespace

void DrawGaugeGradient(vcl::TCanvas& Canvas, vcl::TColor from, vcl::TColor to, bool alongY, const vcl::TRect& Rect,
                       int Steps)
{
    const int steps = Steps <= 0 ? 1 : Steps;
    const vcl::TColor f = vcl::ColorToRGB(from);
    const vcl::TColor t = vcl::ColorToRGB(to);
    auto channel = [](vcl::TColor c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
    double diff[3];
    for (int k = 0; k < 3; ++k)
        diff[k] = double(channel(t, 8 * k) - channel(f, 8 * k)) / steps;
    const int start = alongY ? Rect.Top : Rect.Left;
    const int end = alongY ? Rect.Bottom : Rect.Right;
    const double band = double(end - start) / steps;
    for (int i = 0; i < steps; ++i) {
        int rgb[3];
        for (int k = 0; k < 3; ++k)
            rgb[k] = std::clamp(channel(f, 8 * k) + RoundInt(i * diff[k]), 0, 255);
        const vcl::TColor c = vcl::RGB(rgb[0], rgb[1], rgb[2]);
        const int s = start + RoundInt(i * band);
        const int e = std::min(s + static_cast<int>(band) + 1, end);
        Canvas.Pen()->SetStyle(vcl::TPenStyle::psSolid);
        Canvas.Pen()->SetColor(c);
        Fill(Canvas, alongY ? vcl::TRect(Rect.Left, s, Rect.Right, e) : vcl::TRect(s, Rect.Top, e, Rect.Bottom), c);
    }
}

QString GaugeText(const TGaugeSettings& s, int p)
{
    if (!s.Format.isEmpty()) {
        try {
            return vcl::Format(s.Format, s.Value, s.Max);
        } catch (const vcl::EConvertError&) {
            // A format that does not fit two integers shows the plain text rather than fail a paint.
        }
    }
    return s.ShowPercentage ? QString::number(p) + QLatin1Char('%') : QString::number(s.Value);
}

void DrawGauge(vcl::TCanvas& canvas, const vcl::TRect& R, const TGaugeSettings& s)
{
    const bool vertical = s.Orientation == TGaugeOrientation::goVertical;
    const BarAxis axis { R, vertical };
    const int c = (vertical ? R.Bottom - R.Top : R.Right - R.Left) - 2;
    int p = s.Position;
    int level1 = s.Level1Perc;
    int level2 = s.Level2Perc;

    canvas.Pen()->SetStyle(vcl::TPenStyle::psSolid);
    canvas.Pen()->SetWidth(1);
    canvas.Brush()->SetStyle(vcl::TBrushStyle::bsSolid);
    if (s.Rounded) {
        canvas.Pen()->SetColor(MaskColor);
        canvas.Brush()->SetColor(MaskColor);
        canvas.Rectangle(R);
    }
    if (s.Infinite) {
        p = 100;
        level1 = level2 = 101;
    }
    canvas.Brush()->SetColor(s.BackgroundColor);
    canvas.Pen()->SetColor(s.ShowBorder ? s.BorderColor : s.BackgroundColor);
    if (s.Rounded)
        canvas.RoundRect(R.Left, R.Top, R.Right, R.Bottom, 6, 6);
    else
        canvas.Rectangle(R);

    DrawLevelBackgrounds(canvas, axis, c, level1, level2, s);

    if (p > 0 && c > 0) {
        if (s.Stacked) {
            DrawStacked(canvas, axis, c, p, level1, level2, s);
        } else {
            const int level = p < level1 ? 0 : p < level2 ? 1 : p < 100 ? 2 : 3;
            const Pair pair = LevelPair(s, level);
            if (s.CompletionSmooth)
                DrawBlock(canvas, axis.Span(2, std::min(RoundInt(p / 100.0 * c), c), 2), pair, s);
            else
                DrawBlocks(canvas, axis, c, std::min(RoundInt(double(std::int64_t(p) * c) / 100.0), c), pair, s);
        }
    }
    if (s.Infinite)
        DrawInfiniteWindow(canvas, R, vertical, s);
    if (s.ShowPosition)
        DrawText(canvas, R, vertical, s, p);
}
