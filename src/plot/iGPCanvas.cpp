#include "plot/iGPCanvas.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/TCanvas.h"

#include <algorithm>

using namespace vcl;

namespace {

int Channel(TColor c, int shift) { return (c >> shift) & 0xFF; }

TColor Rgb(int r, int g, int b) { return TColor(r | (g << 8) | (b << 16)); }

void HLine(TCanvas* canvas, int x1, int x2, int y, TColor color)
{
    canvas->Brush()->SetColor(color);
    canvas->FillRect(TRect(x1, y, x2, y + 1));
}

void VLine(TCanvas* canvas, int x, int y1, int y2, TColor color)
{
    canvas->Brush()->SetColor(color);
    canvas->FillRect(TRect(x, y1, x + 1, y2));
}

// One ring of a 3-D edge: top and left in `light`, bottom and right in `dark`.
void EdgeRing(TCanvas* canvas, const TRect& r, TColor topLeft, TColor bottomRight)
{
    if (r.Right - r.Left <= 0 || r.Bottom - r.Top <= 0)
        return;
    HLine(canvas, r.Left, r.Right - 1, r.Top, topLeft);
    VLine(canvas, r.Left, r.Top, r.Bottom - 1, topLeft);
    HLine(canvas, r.Left, r.Right, r.Bottom - 1, bottomRight);
    VLine(canvas, r.Right - 1, r.Top, r.Bottom, bottomRight);
}

// Blend factor h = k / c of one gradient step; a gradient of a single step takes the start colour.
double Blend(int k, int c) { return c > 0 ? double(k) / double(c) : 0.0; }

TColor StepColor(TColor start, TColor stop, double h, bool backwards)
{
    const TColor from = backwards ? stop : start;
    const TColor to = backwards ? start : stop;
    auto mix = [&](int shift) {
        return RoundToInt(h * Channel(to, shift) + (1.0 - h) * Channel(from, shift));
    };
    return Rgb(mix(0), mix(8), mix(16));
}

} // namespace

TColor iOffsetColor(TColor Color, int Amount, bool Lighten)
{
    const TColor rgb = ColorToRGB(Color);
    const int delta = Lighten ? Amount : -Amount;
    auto channel = [&](int shift) { return std::clamp(Channel(rgb, shift) + delta, 0, 255); };
    return Rgb(channel(0), channel(8), channel(16));
}

void iDrawFocusRect(TCanvas* Canvas, const TRect& Rect)
{
    if (Rect.Right - Rect.Left <= 0 || Rect.Bottom - Rect.Top <= 0)
        return;
    TCanvasSaver saver(*Canvas);
    Canvas->Pen()->SetColor(clBlack);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(TPenStyle::psDot);
    Canvas->Pen()->SetMode(TPenMode::pmNot);
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    Canvas->Polyline({ TPoint(Rect.Left, Rect.Top), TPoint(Rect.Right - 1, Rect.Top),
                       TPoint(Rect.Right - 1, Rect.Bottom - 1), TPoint(Rect.Left, Rect.Bottom - 1),
                       TPoint(Rect.Left, Rect.Top) });
}

void iDrawEdge(TCanvas* Canvas, const TRect& Rect, int Style)
{
    const TRect inner(Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1);
    switch (Style) {
    case 0: {
        TCanvasSaver saver(*Canvas);
        Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
        EdgeRing(Canvas, Rect, clBtnShadow, clBtnHighlight);
        EdgeRing(Canvas, inner, cl3DDkShadow, cl3DLight);
        return;
    }
    case 1: {
        TCanvasSaver saver(*Canvas);
        Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
        EdgeRing(Canvas, Rect, cl3DLight, cl3DDkShadow);
        EdgeRing(Canvas, inner, clBtnHighlight, clBtnShadow);
        return;
    }
    case 2:
        Canvas->Pen()->SetStyle(TPenStyle::psSolid);
        Canvas->Pen()->SetColor(clBtnShadow);
        Canvas->Polygon({ TPoint(Rect.Left, Rect.Top), TPoint(Rect.Right - 1, Rect.Top),
                          TPoint(Rect.Right - 1, Rect.Bottom - 1), TPoint(Rect.Left, Rect.Bottom - 1) });
        return;
    default:
        return;
    }
}

void iDrawGradient(TCanvas* Canvas, const TRect& Rect, TiFillDirection Direction, TColor StartColor, TColor StopColor)
{
    using D = TiFillDirection;
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    const int W = Rect.Right - Rect.Left;
    const int H = Rect.Bottom - Rect.Top;
    const int M = std::max(Rect.Right, Rect.Bottom);
    const bool backwards = Direction == D::ifdBottomTop || Direction == D::ifdRightLeft
        || Direction == D::ifdBottomRightTopLeft || Direction == D::ifdTopRightBottomLeft
        || Direction == D::ifdRectangleIn || Direction == D::ifdCircleIn;
    int steps = 0;
    int penWidth = 1;
    switch (Direction) {
    case D::ifdTopBottom: case D::ifdBottomTop: steps = H - 1; break;
    case D::ifdLeftRight: case D::ifdRightLeft: steps = W - 1; break;
    case D::ifdTopLeftBottomRight: case D::ifdBottomRightTopLeft:
    case D::ifdBottomLeftTopRight: case D::ifdTopRightBottomLeft: steps = 2 * M - 2; break;
    case D::ifdRectangleOut: case D::ifdRectangleIn: steps = (M - 1) / 3; penWidth = 2; break;
    case D::ifdCircleOut: case D::ifdCircleIn: steps = (M - 1) / 8; penWidth = 16; break;
    }
    Canvas->Pen()->SetStyle(TPenStyle::psSolid);
    Canvas->Pen()->SetWidth(penWidth);
    const double halfW = (Rect.Right - 1) / 2.0;
    const double halfH = (Rect.Bottom - 1) / 2.0;
    for (int k = 0; k <= steps; ++k) {
        const double h = Blend(k, steps);
        Canvas->Pen()->SetColor(StepColor(StartColor, StopColor, h, backwards));
        switch (Direction) {
        case D::ifdTopBottom: case D::ifdBottomTop:
            Canvas->Polyline({ TPoint(Rect.Left, Rect.Top + k), TPoint(Rect.Right, Rect.Top + k) });
            break;
        case D::ifdLeftRight: case D::ifdRightLeft:
            Canvas->Polyline({ TPoint(Rect.Left + k, Rect.Top), TPoint(Rect.Left + k, Rect.Bottom) });
            break;
        case D::ifdTopLeftBottomRight: case D::ifdBottomRightTopLeft:
            Canvas->Polyline({ TPoint(RoundToInt(2 * h * (Rect.Right - 1)) - 1, 0),
                               TPoint(-1, RoundToInt(2 * h * (Rect.Bottom - 1))) });
            break;
        case D::ifdBottomLeftTopRight: case D::ifdTopRightBottomLeft:
            Canvas->Polyline({ TPoint(0, (Rect.Bottom - 1) - RoundToInt(2 * h * (Rect.Bottom - 1))),
                               TPoint(RoundToInt(2 * h * (Rect.Right - 1)), Rect.Bottom - 1) });
            break;
        case D::ifdRectangleOut: case D::ifdRectangleIn: {
            const int l = RoundToInt(halfW - h * halfW), r = RoundToInt(halfW + h * halfW);
            const int t = RoundToInt(halfH - h * halfH), b = RoundToInt(halfH + h * halfH);
            Canvas->Polyline({ TPoint(l, t), TPoint(r, t), TPoint(r, b), TPoint(l, b), TPoint(l, t) });
            break;
        }
        case D::ifdCircleOut: case D::ifdCircleIn: {
            const double rx = 1.414 * h * halfW, ry = 1.414 * h * halfH;
            Canvas->Ellipse(RoundToInt(halfW - rx), RoundToInt(halfH - ry), RoundToInt(halfW + rx),
                            RoundToInt(halfH + ry));
            break;
        }
        }
    }
    if (Direction == D::ifdRectangleOut)
        Canvas->SetPixels(Rect.Left + W / 2 - 1, Rect.Top + H / 2 - 1, ColorToRGB(StartColor));
    else if (Direction == D::ifdRectangleIn)
        Canvas->SetPixels(Rect.Left + W / 2 - 1, Rect.Top + H / 2 - 1, ColorToRGB(StopColor));
}
