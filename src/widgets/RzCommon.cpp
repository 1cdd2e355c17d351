#include "widgets/RzCommon.h"

#include "platform/core/Exception.h"
#include "platform/core/NumberUtils.h"
#include "platform/os/OsVersion.h"
#include "platform/ui/TBitmap.h"
#include "widgets/RzGrafx.h"

#include <QFontMetrics>
#include <QStringList>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace rz {

using namespace vcl;

namespace {

int RoundByte(double v)
{
    return RoundToInt(std::min(v, 1.0) * 255.0);
}

int g_scheme = -1;

struct TSchemeColors
{
    TColor Start, Stop, Frame;
};
constexpr TSchemeColors kSchemes[3] = {
    { RGB(227, 239, 255), RGB(153, 187, 234), RGB(87, 127, 191) },
    { RGB(255, 255, 237), RGB(184, 199, 146), RGB(127, 161, 119) },
    { RGB(249, 249, 255), RGB(189, 188, 208), RGB(159, 159, 177) },
};

void Line(TCanvas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

} // namespace

THsl RgbToHsl(TColor Color)
{
    const TColor c = ColorToRGB(Color);
    const double r = GetRValue(c) / 255.0, g = GetGValue(c) / 255.0, b = GetBValue(c) / 255.0;
    const double mx = std::max({ r, g, b }), mn = std::min({ r, g, b });
    const double l = (mx + mn) / 2.0;
    double h = 0.0, s = 0.0;
    if (mx != mn) {
        const double d = mx - mn;
        s = l < 0.5 ? d / (mx + mn) : d / (2.0 - mx - mn);
        if (r == mx)
            h = (g - b) / d;
        else if (g == mx)
            h = 2.0 + (b - r) / d;
        else
            h = 4.0 + (r - g) / d;
        h /= 6.0;
        if (h < 0.0)
            h += 1.0;
    }
    return { RoundToInt(h * 240.0), RoundToInt(s * 240.0), RoundToInt(l * 240.0) };
}

int HueOf(TColor Color)
{
    return RgbToHsl(Color).H;
}

TColor HslToRgb(int H, int S, int L)
{
    const double h = H / 239.0, s = S / 240.0, l = L / 240.0;
    const double v = l < 0.5 ? l * (1.0 + s) : l + s - l * s;
    if (v <= 0.0)
        return clBlack;
    const double m = 2.0 * l - v;
    const double sv = (v - m) / v;
    const double h6 = h * 6.0;
    const int sextant = static_cast<int>(h6);
    const double f = h6 - sextant;
    const double vsf = v * sv * f;
    const double mid1 = m + vsf, mid2 = v - vsf;
    double r, g, b;
    switch (sextant) {
    case 0: r = v; g = mid1; b = m; break;
    case 1: r = mid2; g = v; b = m; break;
    case 2: r = m; g = v; b = mid1; break;
    case 3: r = m; g = mid2; b = v; break;
    case 4: r = mid1; g = m; b = v; break;
    case 5: r = v; g = m; b = mid2; break;
    default: r = v; g = mid1; b = m; break;
    }
    return RGB(RoundByte(r), RoundByte(g), RoundByte(b));
}

TColor ShadeDarker(TColor Color, std::uint8_t Amount)
{
    const THsl c = RgbToHsl(Color);
    return HslToRgb(c.H, c.S, std::max(0, c.L - Amount));
}

TColor ShadeLighter(TColor Color, std::uint8_t Amount)
{
    const THsl c = RgbToHsl(Color);
    return HslToRgb(c.H, c.S, std::min(255, c.L + Amount));
}

TColor ShadeBy(TColor Color, int Adjustment)
{
    if (Adjustment < 0)
        return ShadeDarker(Color, static_cast<std::uint8_t>(-Adjustment & 0xFF));
    if (Adjustment > 0)
        return ShadeLighter(Color, static_cast<std::uint8_t>(Adjustment & 0xFF));
    return Color;
}

TColor MixColors(TColor Color1, TColor Color2, int Weight)
{
    const TColor a = ColorToRGB(Color1), b = ColorToRGB(Color2);
    const double w = Weight / 255.0;
    auto mix = [w](int x, int y) { return RoundToInt(x * w + y * (1.0 - w)); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

bool ColorsAreClose(TColor Color1, TColor Color2)
{
    const THsl a = RgbToHsl(Color1), b = RgbToHsl(Color2);
    return std::abs(a.H - b.H) < 20 && std::abs(a.L - b.L) < 60;
}

TColor ComplementColor(TColor Color, int Lightness)
{
    const int h = HueOf(Color);
    return HslToRgb(h < 120 ? h + 120 : h - 120, 240, Lightness);
}

bool ThemesActive()
{
    return false;
}

TColor ThemeElementColor(int Kind)
{
    (void)Kind;
    return clBtnFace;
}

// There is no desktop colour-scheme name on this platform: the default scheme.
int ReadXPColorScheme()
{
    return 0;
}

bool DisplayHasFullColor()
{
    return true;
}

int CurrentColorScheme()
{
    if (g_scheme < 0)
        g_scheme = ReadXPColorScheme();
    return g_scheme;
}

void RefreshColorScheme()
{
    g_scheme = ReadXPColorScheme();
}

TColorPair SchemeGradientColors(TRzGradientColorStyle Style)
{
    if (Style == TRzGradientColorStyle::gcsMSOffice && ThemesActive()) {
        const auto& s = kSchemes[CurrentColorScheme()];
        return { s.Start, s.Stop };
    }
    return { clWindow, ShadeDarker(clBtnFace, 10) };
}

TColor SchemeFrameColor(TRzGradientColorStyle Style)
{
    if (Style == TRzGradientColorStyle::gcsMSOffice && ThemesActive())
        return kSchemes[CurrentColorScheme()].Frame;
    return ShadeLighter(clBtnShadow, 30);
}

TBannerColors SchemeBannerColors(TRzGradientColorStyle Style)
{
    if (Style == TRzGradientColorStyle::gcsMSOffice && ThemesActive()) {
        const auto& s = kSchemes[CurrentColorScheme()];
        return { s.Start, s.Stop, s.Stop };
    }
    return { clWindow, ShadeDarker(clBtnFace, 20), ShadeDarker(clBtnFace, 40) };
}

// --- frames ---

TRect FrameSides(TCanvas& Canvas, TRect Rect, TColor ULColor, TColor LRColor, TSides Sides)
{
    const TRect r = Rect;
    if (ULColor != clNone) {
        Canvas.Pen()->SetColor(ULColor);
        if (Sides.Contains(TSide::sdLeft))
            Line(Canvas, r.Left, r.Top, r.Left, r.Bottom);
        if (Sides.Contains(TSide::sdTop))
            Line(Canvas, r.Left, r.Top, r.Right, r.Top);
    }
    if (LRColor != clNone) {
        Canvas.Pen()->SetColor(LRColor);
        if (Sides.Contains(TSide::sdRight))
            Line(Canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
        if (Sides.Contains(TSide::sdBottom))
            Line(Canvas, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
    }
    if (Sides.Contains(TSide::sdLeft))
        ++Rect.Left;
    if (Sides.Contains(TSide::sdTop))
        ++Rect.Top;
    if (Sides.Contains(TSide::sdRight))
        --Rect.Right;
    if (Sides.Contains(TSide::sdBottom))
        --Rect.Bottom;
    return Rect;
}

TRect FrameBevel(TCanvas& Canvas, TRect Rect, TColor ULColor, TColor LRColor, int Width, TSides Sides)
{
    Canvas.Pen()->SetWidth(1);
    for (int i = 0; i < Width; ++i)
        Rect = FrameSides(Canvas, Rect, ULColor, LRColor, Sides);
    return Rect;
}

namespace {

TRect TwoRings(TCanvas& c, TRect r, TColor ul1, TColor lr1, TColor ul2, TColor lr2, TSides sides)
{
    r = FrameSides(c, r, ul1, lr1, sides);
    return FrameSides(c, r, ul2, lr2, sides);
}

TRect Etched(TCanvas& c, TRect r, TColor c1, TColor c2, TSides s)
{
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    const bool left = s.Contains(TSide::sdLeft), top = s.Contains(TSide::sdTop);
    const bool right = s.Contains(TSide::sdRight), bottom = s.Contains(TSide::sdBottom);
    if (right)
        c.SetPixels(R - 1, T, c2);
    if (top && !right)
        c.SetPixels(R - 1, T, c1);
    if (bottom)
        c.SetPixels(L, B - 1, c2);
    if (left && !bottom)
        c.SetPixels(L, B - 1, c1);
    if (top && !left)
        c.SetPixels(L, T + 1, c2);
    if (left && !top)
        c.SetPixels(L + 1, T, c2);
    if (bottom && !right)
        c.SetPixels(R - 1, B - 2, c1);
    if (right && !bottom)
        c.SetPixels(R - 2, B - 1, c1);
    FrameSides(c, TRect(L + 1, T + 1, R, B), c2, c2, s);
    FrameSides(c, TRect(L, T, R - 1, B - 1), c1, c1, s);
    if (left)
        r.Left += 2;
    if (top)
        r.Top += 2;
    if (right)
        r.Right -= 2;
    if (bottom)
        r.Bottom -= 2;
    return r;
}

} // namespace

TRect FrameCtl3DSides(TCanvas& Canvas, TRect Rect, bool Lowered, TSides Sides)
{
    if (Lowered)
        return TwoRings(Canvas, Rect, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight, Sides);
    return TwoRings(Canvas, Rect, cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow, Sides);
}

TRect FrameButtonSides(TCanvas& Canvas, TRect Rect, bool Down, TSides Sides)
{
    if (Down)
        return TwoRings(Canvas, Rect, clBtnText, clBtnText, clBtnShadow, clBtnShadow, Sides);
    return TwoRings(Canvas, Rect, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow, Sides);
}

TRect FrameButton(TCanvas& Canvas, TRect Rect, bool Down)
{
    return FrameButtonSides(Canvas, Rect, Down, sdAllSides);
}

TRect FrameColorButtonSides(TCanvas& Canvas, TRect Rect, TColor Face, bool Lowered, TSides Sides)
{
    if (Lowered)
        return TwoRings(Canvas, Rect, ShadeDarker(Face, 100), ShadeDarker(Face, 100), ShadeDarker(Face, 50),
                        ShadeDarker(Face, 50), Sides);
    return TwoRings(Canvas, Rect, ShadeLighter(Face, 100), ShadeDarker(Face, 100), ShadeLighter(Face, 40),
                    ShadeDarker(Face, 50), Sides);
}

TRect FrameColorButton(TCanvas& Canvas, TRect Rect, TColor Face, bool Lowered)
{
    return FrameColorButtonSides(Canvas, Rect, Face, Lowered, sdAllSides);
}

TRect PaintFrameStyleSides(TCanvas& Canvas, TRect Rect, TFrameStyleEx Style, TSides Sides)
{
    using S = TFrameStyleEx;
    switch (Style) {
    case S::fsNone: return Rect;
    case S::fsFlat: return FrameSides(Canvas, Rect, cl3DDkShadow, cl3DDkShadow, Sides);
    case S::fsStatus: return FrameSides(Canvas, Rect, clBtnShadow, clBtnHighlight, Sides);
    case S::fsPopup: return FrameSides(Canvas, Rect, clBtnHighlight, clBtnShadow, Sides);
    case S::fsFlatBold: return FrameBevel(Canvas, Rect, clBtnShadow, clBtnShadow, 2, Sides);
    case S::fsLowered: return FrameCtl3DSides(Canvas, Rect, true, Sides);
    case S::fsRaised: return FrameCtl3DSides(Canvas, Rect, false, Sides);
    case S::fsButtonDown: return FrameButtonSides(Canvas, Rect, true, Sides);
    case S::fsButtonUp: return FrameButtonSides(Canvas, Rect, false, Sides);
    case S::fsGroove: return Etched(Canvas, Rect, clBtnShadow, clBtnHighlight, Sides);
    case S::fsBump: return Etched(Canvas, Rect, clBtnHighlight, clBtnShadow, Sides);
    case S::fsFlatRounded:
        // Outside the style table: drawn as the rounded flat frame in the flat frame colour.
        return FrameRounded(Canvas, Rect, cl3DDkShadow, Sides);
    }
    return Rect;
}

TRect PaintFrameStyle(TCanvas& Canvas, TRect Rect, TFrameStyleEx Style)
{
    return PaintFrameStyleSides(Canvas, Rect, Style, sdAllSides);
}

TRect PaintColorFrameStyleSides(TCanvas& Canvas, TRect Rect, TColor Face, TFrameStyleEx Style, TSides Sides)
{
    using S = TFrameStyleEx;
    auto d = [Face](int n) { return ShadeDarker(Face, static_cast<std::uint8_t>(n)); };
    auto l = [Face](int n) { return ShadeLighter(Face, static_cast<std::uint8_t>(n)); };
    switch (Style) {
    case S::fsNone: return Rect;
    case S::fsFlat: return FrameSides(Canvas, Rect, d(50), d(50), Sides);
    case S::fsStatus: return FrameSides(Canvas, Rect, d(50), l(100), Sides);
    case S::fsPopup: return FrameSides(Canvas, Rect, l(100), d(50), Sides);
    case S::fsFlatBold: return TwoRings(Canvas, Rect, d(50), d(50), d(50), d(50), Sides);
    case S::fsLowered: return TwoRings(Canvas, Rect, d(50), l(100), d(100), l(50), Sides);
    case S::fsRaised: return TwoRings(Canvas, Rect, l(50), d(100), l(100), d(50), Sides);
    case S::fsButtonDown: return FrameColorButtonSides(Canvas, Rect, Face, true, Sides);
    case S::fsButtonUp: return FrameColorButtonSides(Canvas, Rect, Face, false, Sides);
    case S::fsGroove: return Etched(Canvas, Rect, d(50), l(100), Sides);
    default: return Etched(Canvas, Rect, l(100), d(50), Sides);
    }
}

TRect PaintColorFrameStyle(TCanvas& Canvas, TRect Rect, TColor Face, TFrameStyleEx Style)
{
    return PaintColorFrameStyleSides(Canvas, Rect, Face, Style, sdAllSides);
}

TRect FrameRectLines(TCanvas& Canvas, TRect Rect, TColor Color)
{
    return FrameSides(Canvas, Rect, Color, Color, sdAllSides);
}

TRect FrameDottedRect(TCanvas& Canvas, TRect Rect)
{
    const int L = Rect.Left, T = Rect.Top, R = Rect.Right, B = Rect.Bottom;
    for (int y = T + 1; y < B - 1; y += 2) {
        Canvas.SetPixels(L, y, clBlack);
        Canvas.SetPixels(R - 1, y, clBlack);
    }
    for (int x = L + 1; x < R - 1; x += 2) {
        Canvas.SetPixels(x, T, clBlack);
        Canvas.SetPixels(x, B - 1, clBlack);
    }
    return TRect(L + 1, T + 1, R - 1, B - 1);
}

TRect FrameRounded(TCanvas& Canvas, TRect Rect, TColor Color, TSides Sides)
{
    const int L = Rect.Left, T = Rect.Top, R = Rect.Right, B = Rect.Bottom;
    const bool left = Sides.Contains(TSide::sdLeft), top = Sides.Contains(TSide::sdTop);
    const bool right = Sides.Contains(TSide::sdRight), bottom = Sides.Contains(TSide::sdBottom);
    Canvas.Pen()->SetColor(Color);
    const int y1 = T + (top ? 2 : 0), y2 = B - (bottom ? 2 : 0);
    const int x1 = L + (left ? 2 : 0), x2 = R - (right ? 2 : 0);
    if (left)
        Line(Canvas, L, y1, L, y2);
    if (top)
        Line(Canvas, x1, T, x2, T);
    if (right)
        Line(Canvas, R - 1, y1, R - 1, y2);
    if (bottom)
        Line(Canvas, x1, B - 1, x2, B - 1);
    if (left && top)
        Canvas.SetPixels(L + 1, T + 1, Color);
    if (top && right)
        Canvas.SetPixels(R - 2, T + 1, Color);
    if (right && bottom)
        Canvas.SetPixels(R - 2, B - 2, Color);
    if (bottom && left)
        Canvas.SetPixels(L + 1, B - 2, Color);
    if (left)
        Rect.Left += 2;
    if (top)
        Rect.Top += 2;
    if (right)
        Rect.Right -= 2;
    if (bottom)
        Rect.Bottom -= 2;
    return Rect;
}

int FrameStyleWidth(TFrameStyleEx Style, int BevelWidth)
{
    switch (Style) {
    case TFrameStyleEx::fsNone: return 0;
    case TFrameStyleEx::fsFlat: return 1;
    case TFrameStyleEx::fsStatus:
    case TFrameStyleEx::fsPopup: return BevelWidth;
    default: return 2;
    }
}

TRect FrameInnerRect(TRect Rect, TFrameStyleEx Outer, TFrameStyleEx Inner, int BevelWidth, TSides Sides,
                     int BorderWidth, bool IncludeBorderWidth)
{
    if (IncludeBorderWidth)
        Rect = TRect(Rect.Left + BorderWidth, Rect.Top + BorderWidth, Rect.Right - BorderWidth,
                     Rect.Bottom - BorderWidth);
    for (TFrameStyleEx style : { Outer, Inner }) {
        const int w = FrameStyleWidth(style, BevelWidth);
        if (Sides.Contains(TSide::sdLeft))
            Rect.Left += w;
        if (Sides.Contains(TSide::sdTop))
            Rect.Top += w;
        if (Sides.Contains(TSide::sdRight))
            Rect.Right -= w;
        if (Sides.Contains(TSide::sdBottom))
            Rect.Bottom -= w;
    }
    return Rect;
}

TRect PaintPanelFrame(TCanvas& Canvas, TRect Bounds, const TPanelFrameParams& P)
{
    using S = TFrameStyleEx;
    TRect r = Bounds;
    const TColor m = ShadeBy(P.FlatColor, P.FlatColorAdjustment);
    const TSides sides = P.Sides;
    auto ring = [&](TRect x, TColor c) { return FrameBevel(Canvas, x, c, c, 1, sides); };

    switch (P.Outer) {
    case S::fsFlat: r = FrameBevel(Canvas, r, m, m, 1, sides); break;
    case S::fsFlatBold: r = FrameBevel(Canvas, r, m, m, 2, sides); break;
    case S::fsFlatRounded: {
        const bool banded = P.BorderWidth > 0 || P.Inner != S::fsNone;
        if (!P.Transparent) {
            const TRect inner = ring(r, P.ParentColor);
            ring(inner, banded ? P.BorderColor : P.Color);
        } else if (banded) {
            ring(TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), P.BorderColor);
        }
        r = FrameRounded(Canvas, r, m, sides);
        break;
    }
    case S::fsPopup: r = FrameBevel(Canvas, r, P.BorderHighlight, P.BorderShadow, P.BevelWidth, sides); break;
    case S::fsStatus: r = FrameBevel(Canvas, r, P.BorderShadow, P.BorderHighlight, P.BevelWidth, sides); break;
    default: r = PaintFrameStyleSides(Canvas, r, P.Outer, sides); break;
    }

    if (P.BorderWidth > 0)
        r = FrameBevel(Canvas, r, P.BorderColor, P.BorderColor, P.BorderWidth, sides);

    switch (P.Inner) {
    case S::fsFlat:
        if (P.RoundedInnerFlat) {
            Canvas.Pen()->SetColor(m);
            Line(Canvas, r.Left, r.Top + 1, r.Left, r.Bottom - 1);
            Line(Canvas, r.Right - 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
            Line(Canvas, r.Left + 1, r.Top, r.Right - 1, r.Top);
            Line(Canvas, r.Left + 1, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
            r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        } else {
            r = FrameBevel(Canvas, r, m, m, 1, sides);
        }
        break;
    case S::fsFlatBold: r = FrameBevel(Canvas, r, m, m, 2, sides); break;
    case S::fsFlatRounded: {
        const TRect inner = ring(r, P.BorderColor);
        if (!P.Transparent)
            ring(inner, P.Color);
        r = FrameRounded(Canvas, r, m, sides);
        break;
    }
    case S::fsPopup: r = FrameBevel(Canvas, r, P.BorderHighlight, P.BorderShadow, P.BevelWidth, sides); break;
    case S::fsStatus: r = FrameBevel(Canvas, r, P.BorderShadow, P.BorderHighlight, P.BevelWidth, sides); break;
    default: r = PaintFrameStyleSides(Canvas, r, P.Inner, sides); break;
    }
    return r;
}

void PaintDropDownArrow(TCanvas& Canvas, TRect Rect, int Kind, bool Pressed, bool Enabled)
{
    (void)Pressed;
    const TColor saved = Canvas.Brush()->Color();
    const TBrushStyle savedStyle = Canvas.Brush()->Style();
    if (!Enabled)
        Canvas.Brush()->SetColor(clBtnShadow);
    else if (Kind == 1)
        Canvas.Brush()->SetColor(cl3DDkShadow); // the themed element's ink; no themes here
    else
        Canvas.Brush()->SetColor(ColorsAreClose(saved, clBlack) ? cl3DDkShadow : clBlack);
    Canvas.Pen()->SetStyle(TPenStyle::psClear);
    const int cx = Rect.Left + (Rect.Right - Rect.Left) / 2;
    const int h = Rect.Bottom - Rect.Top;
    const int cy = Rect.Top + h / 2 + (h % 2 == 0 ? 1 : 0);
    if (Kind == 1)
        Canvas.Polygon({ { cx, cy + 4 }, { cx - 4, cy - 1 }, { cx - 3, cy - 3 }, { cx, cy + 1 }, { cx + 3, cy - 3 },
                         { cx + 5, cy - 1 } });
    else
        Canvas.Polygon({ { cx, cy + 2 }, { cx - 3, cy - 2 }, { cx + 4, cy - 2 } });
    Canvas.Pen()->SetStyle(TPenStyle::psSolid);
    Canvas.Brush()->SetColor(saved);
    Canvas.Brush()->SetStyle(savedStyle);
}

void PaintGradientBorder(TCanvas& Canvas, TRect Rect, TGradientDirection Direction, TColor StartColor,
                         TColor StopColor)
{
    if (!DisplayHasFullColor())
        return;
    TCanvasSaver saver(Canvas);
    Canvas.ExcludeClipRect(TRect(Rect.Left + 2, Rect.Top + 2, Rect.Right - 2, Rect.Bottom - 2));
    FillGradient(Canvas, Rect, Direction, StartColor, StopColor, 1);
}

// --- text ---

namespace {

QString PrepareText(const QString& text, unsigned flags)
{
    QString t = (flags & DT_NOPREFIX) ? text : StripAccelerators(text);
    if (flags & DT_EXPANDTABS)
        t.replace(QLatin1Char('\t'), QStringLiteral("        "));
    return t;
}

// Cuts a line with "..." at its end or in the middle of a path to fit `width`.
QString Ellipsize(const TCanvas& c, const QString& line, int width, bool path)
{
    if (c.TextWidth(line) <= width)
        return line;
    const QString dots = QStringLiteral("...");
    if (path) {
        const int slash = line.lastIndexOf(QLatin1Char('\\')) >= 0 ? line.lastIndexOf(QLatin1Char('\\'))
                                                                   : line.lastIndexOf(QLatin1Char('/'));
        if (slash > 0) {
            const QString tail = line.mid(slash);
            for (int n = slash; n >= 0; --n) {
                const QString s = line.left(n) + dots + tail;
                if (c.TextWidth(s) <= width || n == 0)
                    return s;
            }
        }
    }
    for (int n = line.size(); n >= 0; --n) {
        const QString s = line.left(n) + dots;
        if (c.TextWidth(s) <= width || n == 0)
            return s;
    }
    return dots;
}

QStringList BreakLines(const TCanvas& c, const QString& text, int width, unsigned flags)
{
    QStringList out;
    const QStringList paragraphs = (flags & DT_SINGLELINE) ? QStringList { QString(text).replace('\n', ' ') }
                                                           : text.split(QLatin1Char('\n'));
    for (QString para : paragraphs) {
        para.remove(QLatin1Char('\r'));
        if (!(flags & DT_WORDBREAK) || (flags & DT_SINGLELINE)) {
            out << para;
            continue;
        }
        const QStringList words = para.split(QLatin1Char(' '));
        QString line;
        for (const QString& w : words) {
            const QString candidate = line.isEmpty() ? w : line + QLatin1Char(' ') + w;
            if (!line.isEmpty() && c.TextWidth(candidate) > width) {
                out << line;
                line = w;
            } else {
                line = candidate;
            }
        }
        out << line;
    }
    return out;
}

} // namespace

int DrawTextIn(TCanvas& Canvas, const QString& Text, TRect& Rect, unsigned Flags)
{
    const QString text = PrepareText(Text, Flags);
    const int width = Rect.Right - Rect.Left;
    QStringList lines = BreakLines(Canvas, text, width, Flags);
    const int lineHeight = Canvas.TextHeight(QStringLiteral("Yy"));
    if (Flags & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS))
        for (QString& l : lines)
            l = Ellipsize(Canvas, l, width, (Flags & DT_PATH_ELLIPSIS) != 0);
    const int height = lineHeight * static_cast<int>(lines.size());
    if (Flags & DT_CALCRECT) {
        int widest = 0;
        for (const QString& l : lines)
            widest = std::max(widest, Canvas.TextWidth(l));
        if (text.isEmpty())
            widest = 0;
        Rect.Right = Rect.Left + widest;
        Rect.Bottom = Rect.Top + height;
        return height;
    }
    int y = Rect.Top;
    if (Flags & DT_SINGLELINE) {
        if (Flags & DT_VCENTER)
            y = Rect.Top + (Rect.Bottom - Rect.Top - lineHeight) / 2;
        else if (Flags & DT_BOTTOM)
            y = Rect.Bottom - lineHeight;
    }
    TCanvasSaver saver(Canvas);
    if (!(Flags & DT_NOCLIP))
        Canvas.IntersectClipRect(Rect);
    for (const QString& l : lines) {
        const int w = Canvas.TextWidth(l);
        int x = Rect.Left;
        if (Flags & DT_CENTER)
            x = Rect.Left + (width - w) / 2;
        else if (Flags & DT_RIGHT)
            x = Rect.Right - w;
        Canvas.TextOut(x, y, l);
        y += lineHeight;
    }
    return height;
}

void DrawTextCentered(TCanvas& Canvas, const QString& Text, TRect Rect)
{
    DrawTextIn(Canvas, Text, Rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

QChar LastChar(const QString& Text)
{
    return Text.isEmpty() ? QChar() : Text.back();
}

QString StripAccelerators(const QString& Text)
{
    QString out;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        // A '&' goes unless another follows; then one stays and the next is examined in turn.
        if (Text[i] == QLatin1Char('&') && i + 1 < Text.size()) {
            if (Text[i + 1] == QLatin1Char('&'))
                out += QLatin1Char('&');
            continue;
        }
        out += Text[i];
    }
    return out;
}

QChar AcceleratorOf(const QString& Text)
{
    for (qsizetype i = 0; i + 1 < Text.size(); ++i) {
        if (Text[i] != QLatin1Char('&'))
            continue;
        if (Text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return Text[i + 1].toUpper();
    }
    return QChar();
}

bool IsAccelerator(char16_t Char, const QString& Caption)
{
    const QChar accel = AcceleratorOf(Caption);
    return !accel.isNull() && QChar(Char).toUpper() == accel;
}

TRotatedFont CreateRotatedFont(const vcl::TFont& Font, int Angle)
{
    TRotatedFont f;
    f.Height = Font.Height();
    f.Escapement = Angle * 10;
    f.Weight = Font.Style().Contains(vcl::TFontStyle::fsBold) ? 700 : 400;
    f.Italic = Font.Style().Contains(vcl::TFontStyle::fsItalic);
    f.Underline = Font.Style().Contains(vcl::TFontStyle::fsUnderline);
    f.StrikeOut = Font.Style().Contains(vcl::TFontStyle::fsStrikeOut);
    f.CharSet = Font.Charset();
    f.Pitch = TFontPitchKind::fpDefault; // the platform font has no pitch of its own
    f.FaceName = Font.Name();
    return f;
}

bool IsTrueTypeFont(const vcl::TFont&)
{
    return true;
}

namespace {

void FontOf(const TRotatedFont& R, vcl::TFont& f)
{
    f.SetName(R.FaceName);
    f.SetHeight(R.Height);
    vcl::TFontStyles style;
    if (R.Weight >= 600)
        style << vcl::TFontStyle::fsBold;
    if (R.Italic)
        style << vcl::TFontStyle::fsItalic;
    if (R.Underline)
        style << vcl::TFontStyle::fsUnderline;
    if (R.StrikeOut)
        style << vcl::TFontStyle::fsStrikeOut;
    f.SetStyle(style);
    f.SetCharset(R.CharSet);
}

constexpr TColor RotatedKey = vcl::RGB(1, 254, 3);

} // namespace

void DrawRotatedText(TCanvas& C, const QString& Text, int X, int Y, const TRotatedFont& Font, TColor Colour, unsigned Align)
{
    if (Text.isEmpty())
        return;
    vcl::TFont font;
    FontOf(Font, font);
    const QFontMetrics metrics(font.QtFont());
    const int w = metrics.horizontalAdvance(Text);
    const int ascent = metrics.ascent();
    const int anchorX = (Align & TA_CENTER) == TA_CENTER ? w / 2 : (Align & TA_RIGHT) ? w : 0;
    const int anchorY = (Align & TA_BASELINE) == TA_BASELINE ? ascent : 0;
    // The text is written with its anchor on the middle of a square big enough for any turn.
    const int side = 2 * (static_cast<int>(std::hypot(w, metrics.height())) + 2);
    vcl::TBitmap glyphs;
    glyphs.SetSize(side, side);
    TCanvas& g = *glyphs.Canvas();
    g.Brush()->SetColor(vcl::clBlack);
    g.FillRect(TRect(0, 0, side, side));
    g.Brush()->SetStyle(vcl::TBrushStyle::bsClear);
    g.Font()->Assign(&font);
    g.Font()->SetColor(vcl::clWhite);
    g.TextOut(side / 2 - anchorX, side / 2 - anchorY, Text);
    // Turned as a coverage mask, then cut back to whole pixels: thin strokes survive the turn.
    QImage img = glyphs.Image().convertToFormat(QImage::Format_ARGB32);
    img = img.transformed(QTransform().rotate(-Font.Escapement / 10.0), Qt::SmoothTransformation);
    const QRgb key = qRgb(vcl::GetRValue(RotatedKey), vcl::GetGValue(RotatedKey), vcl::GetBValue(RotatedKey));
    const TColor rgb = vcl::ColorToRGB(Colour);
    const QRgb ink = qRgb(vcl::GetRValue(rgb), vcl::GetGValue(rgb), vcl::GetBValue(rgb));
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = (qAlpha(line[x]) > 127 && qRed(line[x]) > 100) ? ink : key;
    }
    const int left = X - img.width() / 2, top = Y - img.height() / 2;
    C.StretchImage(TRect(left, top, left + img.width(), top + img.height()), img, TRect(0, 0, img.width(), img.height()),
                   vcl::SRCCOPY, RotatedKey);
}

// Platform 1 is the consumer line, 2 the NT line.
bool WindowsVersionIs(int Index)
{
    const vcl::TOsVersion& v = vcl::OsVersion();
    switch (Index) {
    case 0: return v.Platform == 1 && v.Major <= 4 && v.Minor == 0;
    case 1: return v.Platform == 2 && v.Major <= 4;
    case 2: return v.Platform == 1 && v.Major <= 4 && v.Minor == 10;
    case 3: return v.Platform == 1 && v.Major <= 4 && v.Minor == 90;
    case 4: return v.Platform == 2 && v.Major == 5 && v.Minor == 0;
    case 5: return v.Platform == 2 && v.Major == 5 && v.Minor == 1;
    case 6: return v.Platform == 2 && v.Major == 5 && v.Minor == 2;
    case 7: return v.Platform == 2 && v.Major == 6 && v.Minor == 0;
    case 8: return v.Platform == 2 && v.Major == 6 && v.Minor == 1;
    default: return false;
    }
}

bool WindowsVersionAtLeast(int Index)
{
    const vcl::TOsVersion& v = vcl::OsVersion();
    const bool any = v.Platform == 1 || v.Platform == 2;
    const bool nt = v.Platform == 2;
    switch (Index) {
    case 0: return any && v.Major > 3;
    case 1: return nt && v.Major > 3;
    case 2: return any && v.Major > 3 && v.Minor > 9;
    case 3: return any && ((v.Major >= 4 && v.Minor >= 90) || v.Major > 4);
    case 4: return nt && v.Major > 4;
    case 5: return nt && ((v.Major == 5 && v.Minor >= 1) || v.Major > 5);
    case 6: return nt && ((v.Major > 4 && v.Minor > 1) || v.Major > 5);
    case 7: return nt && v.Major > 5;
    case 8: return nt && v.Major > 5 && v.Minor > 0;
    default: return false;
    }
}

// --- form values ---

std::uint8_t TFormValueReader::Byte()
{
    if (m_pos >= m_data.size())
        throw vcl::EReadError(QStringLiteral("Stream read error"));
    return static_cast<std::uint8_t>(m_data[m_pos++]);
}

std::uint32_t TFormValueReader::Unsigned(int Bytes)
{
    std::uint32_t v = 0;
    for (int i = 0; i < Bytes; ++i)
        v |= static_cast<std::uint32_t>(Byte()) << (8 * i);
    return v;
}

QByteArray TFormValueReader::Bytes(qsizetype Count)
{
    if (Count < 0 || Count > m_data.size() - m_pos)
        throw vcl::EReadError(QStringLiteral("Stream read error"));
    const QByteArray out = m_data.mid(m_pos, Count);
    m_pos += Count;
    return out;
}

QString TFormValueReader::ShortString()
{
    return QString::fromLatin1(Bytes(Byte()));
}

TValueType TFormValueReader::ReadValue()
{
    const std::uint8_t v = Byte();
    if (v > static_cast<std::uint8_t>(TValueType::vaUTF8String))
        throw vcl::EReadError(QStringLiteral("Invalid property value"));
    return static_cast<TValueType>(v);
}

TValueType TFormValueReader::NextValue() const
{
    if (m_pos >= m_data.size())
        throw vcl::EReadError(QStringLiteral("Stream read error"));
    return static_cast<TValueType>(static_cast<std::uint8_t>(m_data[m_pos]));
}

bool TFormValueReader::ReadBoolean()
{
    const TValueType t = ReadValue();
    if (t != TValueType::vaTrue && t != TValueType::vaFalse)
        throw vcl::EReadError(QStringLiteral("Invalid property value"));
    return t == TValueType::vaTrue;
}

QString TFormValueReader::ReadIdent()
{
    switch (ReadValue()) {
    case TValueType::vaIdent: return ShortString();
    case TValueType::vaFalse: return QStringLiteral("False");
    case TValueType::vaTrue: return QStringLiteral("True");
    case TValueType::vaNil: return QStringLiteral("nil");
    case TValueType::vaNull: return QStringLiteral("Null");
    default: throw vcl::EReadError(QStringLiteral("Invalid property value"));
    }
}

int TFormValueReader::ReadInteger()
{
    switch (ReadValue()) {
    case TValueType::vaInt8: return static_cast<std::int8_t>(Byte());
    case TValueType::vaInt16: return static_cast<std::int16_t>(Unsigned(2));
    case TValueType::vaInt32: return static_cast<std::int32_t>(Unsigned(4));
    default: throw vcl::EReadError(QStringLiteral("Invalid property value"));
    }
}

QString TFormValueReader::ReadString()
{
    switch (ReadValue()) {
    case TValueType::vaString: return ShortString();
    case TValueType::vaLString: return QString::fromLatin1(Bytes(Unsigned(4)));
    case TValueType::vaUTF8String: return QString::fromUtf8(Bytes(Unsigned(4)));
    case TValueType::vaWString: {
        const QByteArray raw = Bytes(static_cast<qsizetype>(Unsigned(4)) * 2);
        QString text;
        for (qsizetype i = 0; i + 1 < raw.size(); i += 2)
            text += QChar(static_cast<char16_t>(static_cast<std::uint8_t>(raw[i]) | (static_cast<std::uint8_t>(raw[i + 1]) << 8)));
        return text;
    }
    default: throw vcl::EReadError(QStringLiteral("Invalid property value"));
    }
}

QStringList TFormValueReader::ReadSet()
{
    if (ReadValue() != TValueType::vaSet)
        throw vcl::EReadError(QStringLiteral("Invalid property value"));
    QStringList names;
    for (QString name = ShortString(); !name.isEmpty(); name = ShortString())
        names << name;
    return names;
}

TFrameStyleEx FrameStyleFromIdent(const QString& Ident, TFrameStyleEx Fallback)
{
    static const char* const names[] = { "fsNone", "fsFlat", "fsGroove", "fsBump", "fsLowered", "fsButtonDown",
                                         "fsRaised", "fsButtonUp", "fsStatus", "fsPopup", "fsFlatBold", "fsFlatRounded" };
    for (int i = 0; i < 12; ++i)
        if (Ident.compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0)
            return static_cast<TFrameStyleEx>(i);
    return Fallback;
}

} // namespace rz
