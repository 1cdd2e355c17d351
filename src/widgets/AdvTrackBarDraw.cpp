#include "widgets/AdvTrackBarDraw.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/DrawingCache.h"
#include "platform/ui/TCanvas.h"
#include "platform/ui/TFont.h"
#include "platform/ui/TextMetrics.h"

#include <algorithm>

#include <QImage>
#include <QPainter>
#include <QTransform>

using namespace vcl;

namespace advtrackbar {

namespace {

void DrawBands(TCanvas& Canvas, TColor C1, TColor C2, bool Horizontal, const TRect& R, int Count)
{
    if (Count <= 0)
        Count = 1;
    C1 = ColorToRGB(C1);
    C2 = ColorToRGB(C2);
    const int length = Horizontal ? R.Right - 1 - R.Left : R.Bottom - 1 - R.Top;
    const double d = static_cast<double>(length) / Count;
    const int r1 = GetRValue(C1), g1 = GetGValue(C1), b1 = GetBValue(C1);
    const int dr = GetRValue(C2) - r1, dg = GetGValue(C2) - g1, db = GetBValue(C2) - b1;
    const int band = RoundToInt(d);
    for (int i = 0; i < Count; ++i) {
        const TColor c = RGB(r1 + RoundToInt(static_cast<double>(i) * dr / Count),
                             g1 + RoundToInt(static_cast<double>(i) * dg / Count),
                             b1 + RoundToInt(static_cast<double>(i) * db / Count));
        Canvas.Pen()->SetColor(c);
        Canvas.Brush()->SetColor(c);
        const int from = RoundToInt(i * d);
        if (Horizontal)
            Canvas.Rectangle(R.Left + from, R.Top, R.Left + from + band + 1, R.Bottom);
        else
            Canvas.Rectangle(R.Left, R.Top + from, R.Right, R.Top + from + band + 1);
    }
}

} // namespace

void DrawBandGradient(TCanvas& Canvas, TColor C1, TColor C2, bool Horizontal, const TRect& R, int Count)
{
    // The last band may end a pixel past R.
    constexpr int overshoot = 2;
    static DrawingCache pictures(64);
    DrawingKey key;
    key.Add(ColorToRGB(C1)).Add(ColorToRGB(C2)).Add(Horizontal).Add(Count);
    pictures.Draw(Canvas, R, overshoot, key, [&](TCanvas& c, const TRect& area) {
        DrawBands(c, C1, C2, Horizontal, area, Count);
    });
    // The canvas keeps the last band's colour in pen and brush, as drawing the bands leaves it.
    const int count = std::max(1, Count);
    const TColor from = ColorToRGB(C1), to = ColorToRGB(C2);
    const auto last = [count](int a, int b) { return a + RoundToInt(static_cast<double>(count - 1) * (b - a) / count); };
    const TColor c = RGB(last(GetRValue(from), GetRValue(to)), last(GetGValue(from), GetGValue(to)),
                         last(GetBValue(from), GetBValue(to)));
    Canvas.Pen()->SetColor(c);
    Canvas.Brush()->SetColor(c);
}

void DrawDirectionalGradient(TCanvas& Canvas, TColor C1, TColor C2, TGradientDirection Direction, const TRect& R,
                             int Count)
{
    switch (Direction) {
    case TGradientDirection::gdHorizontal:
        DrawBandGradient(Canvas, C1, C2, true, R, Count);
        break;
    case TGradientDirection::gdVertical:
        DrawBandGradient(Canvas, C1, C2, false, R, Count);
        break;
    case TGradientDirection::gdHorizontalInOut: {
        const int mid = R.Left + R.Width() / 2;
        DrawBandGradient(Canvas, C1, C2, true, TRect(R.Left, R.Top, mid, R.Bottom), Count);
        DrawBandGradient(Canvas, C2, C1, true, TRect(mid - 1, R.Top, R.Right, R.Bottom), Count);
        break;
    }
    case TGradientDirection::gdVerticalInOut: {
        const int mid = R.Top + R.Height() / 2;
        DrawBandGradient(Canvas, C1, C2, false, TRect(R.Left, R.Top, R.Right, mid), Count);
        DrawBandGradient(Canvas, C2, C1, false, TRect(R.Left, mid - 1, R.Right, R.Bottom), Count);
        break;
    }
    }
}

TColor BlendColors(TColor A, TColor B, int Percent)
{
    if (Percent >= 100)
        return A;
    if (Percent <= 0)
        return B;
    A = ColorToRGB(A);
    B = ColorToRGB(B);
    const double p = Percent / 100.0;
    auto mix = [p](int a, int b) { return RoundToInt(p * a + (1.0 - p) * b); };
    return RGB(mix(GetRValue(A), GetRValue(B)), mix(GetGValue(A), GetGValue(B)), mix(GetBValue(A), GetBValue(B)));
}

namespace {

void Line(TCanvas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

} // namespace

void DrawSunkenFrame(TCanvas& Canvas, const TRect& R, bool FirstIsX, TColor X, TColor Y)
{
    const int L = R.Left, T = R.Top, Rt = R.Right, B = R.Bottom;
    Canvas.Pen()->SetColor(FirstIsX ? X : Y);
    if (B - T > 2)
        Line(Canvas, L, T, L, B);
    Line(Canvas, L, T, Rt, T);
    Line(Canvas, Rt - 2, T, Rt - 2, B - 2);
    Line(Canvas, Rt - 2, B - 2, L, B - 2);
    Canvas.Pen()->SetColor(FirstIsX ? Y : X);
    Line(Canvas, L + 1, B - 1, Rt - 1, B - 1);
    Line(Canvas, Rt - 1, B - 1, Rt - 1, T - 1);
    Line(Canvas, L + 1, B - 1, L + 1, T + 1);
    Line(Canvas, L + 1, T + 1, Rt - 2, T + 1);
}

TSize MeasureText(const TFont& Font, const QString& Text)
{
    return TextMetrics().TextExtent(Font, Text);
}

void DrawDottedFocusFrame(TCanvas& Canvas, const TRect& R, TColor Color)
{
    int phase = 0;
    auto walk = [&](int x, int y, int dx, int dy, int steps) {
        for (int i = 0; i < steps; ++i, x += dx, y += dy, ++phase)
            if ((phase & 1) == 0)
                Canvas.SetPixels(x, y, Color);
    };
    const int w = R.Right - R.Left;
    const int h = R.Bottom - R.Top;
    if (w < 0 || h < 0)
        return;
    walk(R.Left, R.Top, 1, 0, w);       // top
    walk(R.Right, R.Top, 0, 1, h);      // right
    walk(R.Right, R.Bottom, -1, 0, w);  // bottom
    walk(R.Left, R.Bottom, 0, -1, h);   // left
}

std::uint32_t ColorToGdipArgb(TColor Color)
{
    const TColor c = ColorToRGB(Color);
    return (0xFFu << 24) | (static_cast<std::uint32_t>(GetRValue(c)) << 16)
        | (static_cast<std::uint32_t>(GetGValue(c)) << 8) | static_cast<std::uint32_t>(GetBValue(c));
}

void DrawTurnedText(TCanvas& Canvas, int X, int Y, const QString& Text, const TFont& Font, int Escapement)
{
    const TSize ext = TextMetrics().TextExtent(Font, Text);
    if (Text.isEmpty() || ext.cx <= 0 || ext.cy <= 0)
        return;
    QImage cell(ext.cx, ext.cy, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    {
        QPainter p(&cell);
        p.setFont(Font.QtFont());
        p.setPen(ToQColor(Font.Color()));
        p.drawText(QRect(0, 0, ext.cx, ext.cy), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Text);
    }
    const int e = ((Escapement % 3600) + 3600) % 3600;
    QImage turned = cell;
    int left = X;
    int top = Y;
    if (e == 900) { // reads upward
        turned = cell.transformed(QTransform().rotate(-90));
        top = Y - ext.cx;
    } else if (e == 2700) { // reads downward
        turned = cell.transformed(QTransform().rotate(90));
        left = X - ext.cy;
    } else if (e == 1800) {
        turned = cell.transformed(QTransform().rotate(180));
        left = X - ext.cx;
        top = Y - ext.cy;
    }
    const TColor colour = Font.Color();
    for (int y = 0; y < turned.height(); ++y)
        for (int x = 0; x < turned.width(); ++x)
            if (qAlpha(turned.pixel(x, y)) >= 128)
                Canvas.SetPixels(left + x, top + y, colour);
}

} // namespace advtrackbar
