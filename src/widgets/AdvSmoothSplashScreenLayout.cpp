#include "widgets/AdvSmoothSplashScreenLayout.h"

#include "platform/core/NumberUtils.h"

using namespace vcl;

TRect SplashInnerRect(int width, int height, bool hasBorder, int borderWidth)
{
    TRect r(0, 0, width - 1, height - 1);
    if (hasBorder) {
        const int h = (borderWidth + 1) / 2;
        r = TRect(r.Left + h, r.Top + h, r.Right - h, r.Bottom - h);
    }
    return r;
}

TRect ProgramTextArea(const TRect& inner, int shadowOffset, bool hasShadow, int rounding)
{
    const int s = hasShadow ? shadowOffset : 0;
    TRect area(inner.Left, inner.Top, inner.Right - inner.Left - s, inner.Bottom - inner.Top - s);
    const int shrink = rounding / 2;
    area = TRect(area.Left + shrink, area.Top + shrink, area.Right - shrink, area.Bottom - shrink);
    area.Right -= 5;
    return area;
}

TProgramTextPlaces PlaceProgramTexts(const TRect& area, const TProgramTextSlot& name, const TProgramTextSlot& version,
                                     const TProgramTextSlot& copyRight)
{
    constexpr int g = 1; // horizontal gap
    constexpr int v = 3; // vertical gap
    const int L = area.Left, T = area.Top, R = area.Right, B = area.Bottom;
    const int nw = name.Size.cx, nh = name.Size.cy;
    const int vw = version.Size.cx, vh = version.Size.cy;
    const int cw = copyRight.Size.cx, ch = copyRight.Size.cy;
    auto centred = [&](int width) { return L + (R - L - width) / 2; };
    const auto nl = name.Location, vl = version.Location, cl = copyRight.Location;
    using enum TItemLocation;

    TProgramTextPlaces p;
    switch (nl) {
    case ilTopLeft: p.Name = { L, T }; break;
    case ilTopCenter: p.Name = { centred(nw), T }; break;
    case ilTopRight:
        p.Name = { R - nw, T };
        if (vl == ilTopRight && vw > 0)
            p.Name.X -= vw + g;
        break;
    case ilBottomLeft:
        p.Name = { L, B - nh };
        if (cl == ilBottomLeft && ch > 0)
            p.Name.Y -= ch + v;
        break;
    case ilBottomCenter:
        p.Name = { centred(nw), B - nh };
        if (cl == ilBottomCenter)
            p.Name.Y = B - nh - ch - v - vh;
        break;
    case ilBottomRight:
        p.Name = { R - nw, B - nh };
        if (vl == ilBottomRight && vw > 0)
            p.Name.X -= vw + g;
        if (cl == ilBottomRight && ch > 0)
            p.Name.Y -= ch + v;
        break;
    case ilCustom: p.Name = name.Custom; break;
    }

    switch (vl) {
    case ilTopLeft:
        p.Version = { L, T };
        if (nl == ilTopLeft && nw >= 1)
            p.Version = { L + nw + g, T + (nh - vh) / 2 };
        break;
    case ilTopCenter: p.Version = { centred(vw), nl == ilTopCenter ? T + nh + vh : T }; break;
    case ilTopRight: p.Version = { R - vw, T }; break;
    case ilBottomLeft:
        p.Version = nl == ilBottomLeft && nw > 0 ? TPoint(L + nw + g, B - nh) : TPoint(L, B - vh);
        if (cl == ilBottomLeft && ch > 0)
            p.Version.Y -= ch + v;
        break;
    case ilBottomCenter:
        p.Version = { centred(vw), nh > 0 ? B - nh : B - vh };
        if (cl == ilBottomCenter && ch > 0)
            p.Version.Y -= ch + v;
        break;
    case ilBottomRight:
        p.Version = { R - vw, nh > 0 ? B - nh : B - vh };
        if (cl == ilBottomRight && ch > 0)
            p.Version.Y -= ch + v;
        break;
    case ilCustom: p.Version = version.Custom; break;
    }

    // A copyright at the top goes below a name, else a version, at the same location.
    auto belowTopTexts = [&](int y) {
        if (nl == cl && nh > 0)
            return y + nh + v;
        if (vl == cl && vh > 0)
            return y + vh + v;
        return y;
    };
    switch (cl) {
    case ilTopLeft: p.CopyRight = { L, belowTopTexts(T) }; break;
    case ilTopCenter: p.CopyRight = { centred(cw), belowTopTexts(T) }; break;
    case ilTopRight: p.CopyRight = { R - cw, belowTopTexts(T) }; break;
    case ilBottomLeft: p.CopyRight = { L, B - ch }; break;
    case ilBottomCenter: p.CopyRight = { centred(cw), B - ch }; break;
    case ilBottomRight: p.CopyRight = { R - cw, B - ch }; break;
    case ilCustom: p.CopyRight = copyRight.Custom; break;
    }
    return p;
}

std::vector<TRect> LayoutListLines(const TRect& rect, int space, const std::vector<int>& heights)
{
    std::vector<TRect> rects;
    rects.reserve(heights.size());
    int bottom = rect.Top;
    for (std::size_t i = 0; i < heights.size(); ++i) {
        const int top = i == 0 ? rect.Top : bottom + space;
        rects.emplace_back(rect.Left, top, rect.Right, top + heights[i]);
        bottom = top + heights[i];
    }
    if (rects.empty())
        return rects;

    int excess = rects.back().Bottom - rect.Bottom;
    if (excess > 0) {
        std::size_t first = rects.size() - 1;
        for (std::size_t i = 0; i + 1 < rects.size(); ++i) {
            excess -= rects[i].Height() + space;
            rects[i].Top = -1;
            rects[i].Bottom = -1;
            if (excess <= 0) {
                first = i + 1;
                break;
            }
        }
        const int shift = rects[first].Top - rect.Top;
        for (std::size_t i = first; i < rects.size(); ++i) {
            rects[i].Top -= shift;
            rects[i].Bottom -= shift;
        }
    }
    return rects;
}

TSplashRectF TopLayerRect(const TSplashRectF& a, TAlign align, int left, int top, int width, int height)
{
    switch (align) {
    case TAlign::alTop: return { a.X, a.Y, a.Width - a.X, double(height) };
    case TAlign::alBottom: return { a.X, a.Y + a.Height - height, a.Width - a.X, double(height) };
    case TAlign::alLeft: return { a.X, a.Y, double(width), a.Height };
    case TAlign::alRight: return { a.Width - width, a.Y, double(width), a.Height };
    case TAlign::alClient: return { a.X, a.Y, a.Width - a.X, a.Height };
    case TAlign::alCustom: return { a.X + left, a.Y + top, double(width), double(height) };
    case TAlign::alNone: break;
    }
    return {};
}

TPoint TopLayerTextPosition(const TSplashRectF& layer, TAdvSmoothSplashScreenLocation location, TSize text,
                            int customLeft, int customTop)
{
    using enum TAdvSmoothSplashScreenLocation;
    if (location == cpCustom)
        return { customLeft, customTop };
    const int w = RoundToInt(layer.Width);
    const int h = RoundToInt(layer.Height);
    int dx = 0;
    int dy = 0;
    switch (location) {
    case cpTopCenter:
    case cpCenterCenter:
    case cpBottomCenter: dx = (w - text.cx) / 2; break;
    case cpTopRight:
    case cpCenterRight:
    case cpBottomRight: dx = w - text.cx; break;
    default: break;
    }
    switch (location) {
    case cpCenterLeft:
    case cpCenterCenter:
    case cpCenterRight: dy = (h - text.cy) / 2; break;
    case cpBottomLeft:
    case cpBottomCenter:
    case cpBottomRight: dy = h - text.cy; break;
    default: break;
    }
    return { RoundToInt(layer.X) + dx, RoundToInt(layer.Y) + dy };
}
