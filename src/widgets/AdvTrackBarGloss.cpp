#include "widgets/AdvTrackBarGloss.h"

#include "platform/ui/TCanvas.h"
#include "widgets/AdvGDIP.h"
#include "widgets/AdvTrackBarDraw.h"

#include <algorithm>

using namespace vcl;

namespace advtrackbar {

namespace {

bool Set(TColor c)
{
    return c != clNone;
}

TGPRectF RectF(float x, float y, float w, float h)
{
    TGPRectF r;
    r.X = x;
    r.Y = y;
    r.Width = w;
    r.Height = h;
    return r;
}

void FillGlossHalf(TGPGraphics& g, const TGPRectF& half, TColor c1, bool upper, TGDIPGradient kind, TColor c2)
{
    if (half.Width <= 0 || half.Height <= 0)
        return;
    const ARGB a1 = ColorToGdipArgb(c1);
    const ARGB a2 = ColorToGdipArgb(c2);
    if (kind == TGDIPGradient::ggRadial) {
        TGPSolidBrush solid(upper ? a1 : a2);
        g.FillRectangle(&solid, half);
        // An ellipse centred on the middle of the half's outer edge.
        const float cx = half.X + half.Width / 2;
        const float cy = upper ? half.Y : half.Y + half.Height;
        TGPGraphicsPath path;
        path.AddEllipse(cx - half.Width, cy - half.Height, half.Width * 2, half.Height * 2);
        TGPPathGradientBrush brush(&path);
        brush.SetCenterColor(upper ? a2 : a1);
        TGPPointF centre;
        centre.X = cx;
        centre.Y = cy;
        brush.SetCenterPoint(centre);
        const ARGB surround = upper ? a1 : a2;
        int count = 1;
        brush.SetSurroundColors(&surround, count);
        g.FillRectangle(&brush, half);
        return;
    }
    const LinearGradientMode mode = kind == TGDIPGradient::ggVertical ? LinearGradientMode::LinearGradientModeVertical
        : kind == TGDIPGradient::ggDiagonalForward ? LinearGradientMode::LinearGradientModeForwardDiagonal
                                                   : LinearGradientMode::LinearGradientModeBackwardDiagonal;
    // One pixel larger than the half, so the tiled gradient never wraps into it.
    TGPLinearGradientBrush brush(RectF(half.X, half.Y - 1, half.Width, half.Height + 2), a1, a2, mode);
    g.FillRectangle(&brush, half);
}

void DrawGlossFrame(TGPGraphics& g, const TRect& R, TTrackButtonShape Shape, TColor Highlight, TColor Frame)
{
    if (Shape == TTrackButtonShape::bsRound) {
        const int d = std::min(R.Width(), R.Height());
        const float x = R.Left + (R.Width() - d) / 2;
        const float y = R.Top + (R.Height() - d) / 2;
        if (Set(Highlight)) {
            TGPPen pen(ColorToGdipArgb(Highlight));
            g.DrawEllipse(&pen, x, y, static_cast<float>(d - 1), static_cast<float>(d - 1));
        }
        if (Set(Frame)) {
            TGPPen pen(ColorToGdipArgb(Frame));
            g.DrawEllipse(&pen, x + 1, y + 1, static_cast<float>(d - 3), static_cast<float>(d - 3));
        }
        return;
    }
    const TGPRectF r = RectF(R.Left, R.Top, R.Width() - 1, R.Height() - 1);
    if (Set(Highlight)) {
        TGPPen pen(ColorToGdipArgb(Highlight));
        g.DrawRectangle(&pen, r);
    }
    if (Set(Frame)) {
        TGPPen pen(ColorToGdipArgb(Frame));
        g.DrawRectangle(&pen, r);
    }
}

} // namespace

void DrawGlossShape(TCanvas& Canvas, const TRect& R, const QRegion& Region, TTrackButtonShape Shape, TColor Highlight,
                    TColor Frame, TColor C, TColor CTo, TColor CMirror, TColor CMirrorTo, TGDIPGradient Gradient,
                    TGDIPGradient GradientMirror, TTrackBarOrientation Orientation)
{
    (void)Orientation;
    TGPGraphics g(&Canvas);
    g.SetSmoothingMode(SmoothingMode::SmoothingModeAntiAlias);
    if (Set(C) && Set(CTo) && Set(CMirror) && Set(CMirrorTo)) {
        TGPGraphicsPath clipPath;
        for (const QRect& q : Region)
            clipPath.AddRectangle(RectF(q.x(), q.y(), q.width(), q.height()));
        TGPRegion clip(&clipPath);
        g.SetClip(&clip);
        const float middle = R.Top + R.Height() / 2;
        FillGlossHalf(g, RectF(R.Left, middle - 1, R.Width(), R.Bottom - (middle - 1)), CMirrorTo, false,
                      GradientMirror, CMirror);
        FillGlossHalf(g, RectF(R.Left, R.Top, R.Width(), middle + 1 - R.Top), C, true, Gradient, CTo);
        g.ResetClip();
    }
    DrawGlossFrame(g, R, Shape, Highlight, Frame);
}

} // namespace advtrackbar
