#include "widgets/AdvTrackBar.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/ParentImage.h"
#include "platform/ui/TCanvas.h"
#include "widgets/AdvTrackBarDraw.h"
#include "widgets/AdvTrackBarGloss.h"

#include <QPainterPath>
#include <QPolygon>
#include <QRegion>

#include <vector>

using namespace vcl;
using namespace advtrackbar;

namespace {

bool Set(TColor c)
{
    return c != clNone;
}

// A picture with bytes, measured for this draw.
bool Ready(TGDIPPicture* p)
{
    return p && !p->Empty() && p->GetImageSizes();
}

QRegion RoundedRegion(const TRect& r, int w, int h)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(r.Left, r.Top, r.Width(), r.Height()), w / 2.0, h / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}

QRegion PolygonRegion(const std::vector<TPoint>& pts)
{
    QPolygon poly;
    for (const TPoint& p : pts)
        poly << QPoint(p.X, p.Y);
    return QRegion(poly, Qt::OddEvenFill);
}

// Clip narrowed to `region` for the guard's lifetime.
class ClipTo
{
public:
    ClipTo(TCanvas& c, const QRegion& region) : m_saver(c)
    {
        const auto& old = c.ClipRegion();
        c.SetClipRegion(old ? old->intersected(region) : region);
    }

private:
    TCanvasSaver m_saver;
};

// Fill of a colour pair: a gradient when both are set, a plain fill of the first when only it is.
void FillPair(TCanvas& c, TColor c1, TColor c2, TGradientDirection dir, const TRect& r, int steps)
{
    if (r.IsEmpty())
        return;
    if (Set(c1) && Set(c2)) {
        DrawDirectionalGradient(c, c1, c2, dir, r, steps);
    } else if (Set(c1)) {
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
        c.Brush()->SetColor(c1);
        c.FillRect(r);
    }
}

TGradientDirection AsDirection(TGDIPGradient g)
{
    switch (g) {
    case TGDIPGradient::ggRadial:
        return TGradientDirection::gdHorizontal;
    case TGDIPGradient::ggVertical:
        return TGradientDirection::gdVertical;
    case TGDIPGradient::ggDiagonalForward:
        return TGradientDirection::gdHorizontalInOut;
    case TGDIPGradient::ggDiagonalBackward:
        return TGradientDirection::gdVerticalInOut;
    }
    return TGradientDirection::gdHorizontal;
}

void Line(TCanvas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

} // namespace

// --- paint ---

void TCustomTrackBar::Paint()
{
    TCanvas& c = *Canvas();
    if (FTransparent)
        CopyParentImage(this, c);
    DrawBackground();
    if (IsRatingMode()) {
        DrawRating();
        return;
    }
    DrawTrackLabel();
    DrawSlider();
    DrawTicks();
    DrawThumb();
    DrawButtons();
    if (Focused() && FShowFocus)
        DrawDottedFocusFrame(c, TRect(0, 0, Width() - 1, Height() - 1), clBlack);
}

void TCustomTrackBar::DrawBackground()
{
    TCanvas& c = *Canvas();
    TCanvasSaver saver(c);
    const bool enabled = Enabled();
    TGDIPPicture* pic = FIBackGround.get();
    if (!enabled && !FIBackGroundDisabled->Empty())
        pic = FIBackGroundDisabled.get();
    const TColor c1 = enabled ? Color() : FColorDisabled;
    const TColor c2 = enabled ? FColorTo : FColorDisabledTo;
    const TColor frame = enabled ? FBorderColor : FBorderColorDisabled;
    const TRect client = ClientRect();

    if (Ready(pic)) {
        if (FBackGroundStretched)
            c.StretchDraw(client, pic);
        else
            c.Draw(client.Left, client.Top, pic);
    } else if (!FTransparent && (Set(c1) || Set(c2))) {
        if (Set(c1) && Set(c2))
            DrawDirectionalGradient(c, c1, c2, FDirection, client, 80);
        else if (Set(c1)) {
            c.Brush()->SetColor(c1);
            c.FillRect(client);
        }
    }
    if (Set(frame) && FBorderWidth >= 1) {
        c.Pen()->SetColor(frame);
        c.Pen()->SetWidth(FBorderWidth);
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        c.Rectangle(client);
        c.Pen()->SetWidth(1);
    }
}

// --- label ---

QString TCustomTrackBar::GetTrackLabelText() const
{
    QString text;
    try {
        text = vcl::Format(FTrackLabel->Format(), FPosition);
    } catch (...) {
        // A format that does not take one integer shows as it is rather than failing the paint.
        text = FTrackLabel->Format();
    }
    if (OnGetTrackLabelText)
        OnGetTrackLabelText(const_cast<TCustomTrackBar*>(this), FPosition, text);
    return text;
}

void TCustomTrackBar::DrawTrackLabel()
{
    if (!FTrackLabel->Visible())
        return;
    TCanvas& c = *Canvas();
    TCanvasSaver saver(c);
    const QString text = GetTrackLabelText();
    c.Font()->Assign(FTrackLabel->Font());
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    const TRect r = GetTrackLabelRect(true);
    if (FOrientation == TTrackBarOrientation::trVertical) {
        DrawTurnedText(c, r.Left + 3, r.Top, text, *FTrackLabel->Font(), -2700);
        return;
    }
    const TSize ext = c.TextExtent(text);
    int x = r.Left;
    switch (FTrackLabel->Position()) {
    case TLabelPosition::lpTopLeft:
    case TLabelPosition::lpBottomLeft:
        x = r.Left;
        break;
    case TLabelPosition::lpTopRight:
    case TLabelPosition::lpBottomRight:
        x = r.Right - ext.cx;
        break;
    default:
        x = r.Left + (r.Width() - ext.cx) / 2;
        break;
    }
    const bool top = FTrackLabel->Position() == TLabelPosition::lpTopCenter
        || FTrackLabel->Position() == TLabelPosition::lpTopLeft || FTrackLabel->Position() == TLabelPosition::lpTopRight;
    const int y = top ? r.Top + (r.Height() - ext.cy) / 2 : r.Bottom - ext.cy;
    c.TextRect(r, x, y, text);
}

void TCustomTrackBar::InvalidateTrackLabel()
{
    if (!FTrackLabel->Visible())
        return;
    TRect r = GetTrackLabelRect(!HasTrackLabelTextHandler()).Normalized();
    if (FOrientation == TTrackBarOrientation::trVertical)
        InflateRect(r, 0, 10);
    else
        InflateRect(r, 5, 0);
    InvalidateRect(r);
}

// --- slider ---

void TCustomTrackBar::DrawSlider()
{
    if (IsRatingMode() || FSlider->Size() <= 0 || !FSlider->Visible())
        return;
    TCanvas& c = *Canvas();
    TCanvasSaver saver(c);
    const bool enabled = Enabled();
    TGDIPPicture* pic = FSlider->Picture();
    if (!enabled && !FSlider->PictureDisabled()->Empty())
        pic = FSlider->PictureDisabled();
    TGDIPPicture* compPic = FSlider->PictureCompleted();
    if (!enabled && !FSlider->PictureCompletedDisabled()->Empty())
        compPic = FSlider->PictureCompletedDisabled();
    const TColor frame = enabled ? FSlider->BorderColor() : FSlider->BorderColorDisabled();
    const TColor c1 = enabled ? FSlider->Color() : FSlider->ColorDisabled();
    const TColor c2 = enabled ? FSlider->ColorTo() : FSlider->ColorDisabledTo();
    const TColor cc1 = enabled ? FSlider->ColorCompleted() : FSlider->ColorCompletedDisabled();
    const TColor cc2 = enabled ? FSlider->ColorCompletedTo() : FSlider->ColorCompletedDisabledTo();
    const bool vertical = FOrientation == TTrackBarOrientation::trVertical;
    const TRect s = GetSliderRect();

    TRect rest = s;
    TRect completed(0, 0, 0, 0);
    if (Set(cc1) || !compPic->Empty()) {
        if (FPosition <= FMin) {
            rest = s;
        } else if (FPosition >= FMax) {
            completed = s;
            rest = TRect(0, 0, 0, 0);
        } else {
            const TRect t = GetThumbRect();
            if (!vertical) {
                const int centre = t.Left + FThumb->Width() / 2;
                completed = TRect(s.Left, s.Top, centre, s.Bottom);
                rest = TRect(centre - 1, s.Top, s.Right, s.Bottom);
            } else {
                const int centre = t.Top + FThumb->Width() / 2;
                completed = TRect(s.Left, centre, s.Right, s.Bottom);
                rest = TRect(s.Left, s.Top, s.Right, centre + 1);
            }
        }
    }

    const bool hasPicture = Ready(pic);
    {
        TCanvasSaver clipSaver(c);
        if (FSlider->Rounded() && !hasPicture)
            c.SetClipRegion(RoundedRegion(s, 7, 7));
        if (!hasPicture) {
            FillPair(c, cc1, cc2, FSlider->Direction(), completed, FSlider->Steps());
            FillPair(c, c1, c2, FSlider->Direction(), rest, FSlider->Steps());
        } else {
            auto drawInto = [&](TGDIPPicture* p, const TRect& part) {
                if (!Ready(p) || part.IsEmpty() || part.Left <= 0 || part.Right <= 0)
                    return;
                if (FSlider->PictureStretched()) {
                    c.StretchDraw(part, p);
                } else {
                    ClipTo clip(c, QRegion(part.toQRect()));
                    c.Draw(s.Left, s.Top, p);
                }
            };
            drawInto(compPic, completed);
            drawInto(pic, rest);
        }
    }

    if (!Set(frame))
        return;
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    if (FSlider->Rounded()) {
        c.Pen()->SetColor(frame);
        c.RoundRect(s.Left, s.Top, s.Right, s.Bottom, 7, 7);
        if (FSlider->Border3D()) {
            c.Pen()->SetColor(clWhite);
            c.RoundRect(s.Left + 1, s.Top + 1, s.Right - 1, s.Bottom - 1, 7, 7);
        }
    } else if (FSlider->Border3D()) {
        DrawSunkenFrame(c, s, true, frame, BlendColors(frame, clWhite, 10));
    } else {
        c.Pen()->SetColor(frame);
        c.Rectangle(s);
    }
}

// --- ticks ---

void TCustomTrackBar::DrawTicks()
{
    if (IsRatingMode() || FTickMark->Size() <= 0 || FTickMark->Style() != TTickStyle::tsAuto)
        return;
    TCanvas& c = *Canvas();
    TCanvasSaver saver(c);
    const bool vertical = FOrientation == TTrackBarOrientation::trVertical;
    const TTickMark side = FTickMark->Position();
    const bool topLeft = side == TTickMark::tmTopLeft || side == TTickMark::tmBoth;
    const bool bottomRight = side == TTickMark::tmBottomRight || side == TTickMark::tmBoth;
    const TRect tl = GetTickRectTopLeft();
    const TRect br = GetTickRectBottomRight();

    const int extent = std::max(Width(), Height());
    const TRect& startRect = side == TTickMark::tmTopLeft ? tl : br;
    const int cap = (extent - 2 * (vertical ? startRect.Top : startRect.Left)) / 2;
    const int last = (OnDrawTick || FTickMark->ShowText() || FMax < cap) ? FMax : cap;

    const TRect t = GetTrackRect();
    const int trackLength = vertical ? t.Height() : t.Width();
    const double scale =
        last == FMin ? 0.0 : static_cast<double>(trackLength - FThumb->Width()) / (static_cast<double>(last) - FMin);
    const int textBand = FTickMark->ShowText() ? FTextHeight : 0;
    const bool enabled = Enabled();

    int previous = 0;
    bool first = true;
    for (int v = FMin; v <= last; ++v) {
        const int k = SaturateToInt((static_cast<double>(v) - FMin) * scale);
        if (!OnDrawTick && !first && !(k > previous + 1))
            continue;
        first = false;
        previous = k;
        for (int pass = 0; pass < 2; ++pass) {
            const bool isTopLeft = pass == 0;
            if ((isTopLeft && !topLeft) || (!isTopLeft && !bottomRight))
                continue;
            const TRect& r = isTopLeft ? tl : br;
            int length = FTickMark->Size();
            TColor color = enabled ? FTickMark->Color() : FTickMark->ColorDisabled();
            TColor textColor = FTickMark->Font()->Color();
            QString text;
            if (FTickMark->ShowText()) {
                text = IntToStr(v);
                if (OnGetTickMarkText)
                    OnGetTickMarkText(this, v, text);
            }
            bool defaultDraw = true;
            TPoint location;
            if (vertical)
                location = isTopLeft ? TPoint(r.Left, r.Bottom - k) : TPoint(r.Right - length, r.Bottom - k);
            else
                location = TPoint(r.Left + k, r.Top);
            if (OnDrawTick)
                OnDrawTick(this, &c, location, v, isTopLeft ? TTickMark::tmTopLeft : TTickMark::tmBottomRight, length,
                           color, textColor, text, defaultDraw);
            if (FTickMark->ShowImageAtThumbOnly() && v != FPosition)
                defaultDraw = false;
            if (FTickMark->ShowImageAtSteps() > 1 && v % FTickMark->ShowImageAtSteps() != 0)
                defaultDraw = false;
            if (!defaultDraw)
                continue;

            if (FImages && FImages->Count() > 0) {
                // The picture is centred where the line would be.
                const int index = v >= 0 && v < FImages->Count() ? v : 0;
                int cx;
                int cy;
                if (vertical) {
                    cy = r.Bottom - k;
                    cx = (isTopLeft ? r.Left + textBand : r.Right - textBand - length) + length / 2;
                } else {
                    cx = r.Left + k;
                    cy = (isTopLeft ? r.Top + textBand : r.Bottom - textBand - length) + length / 2;
                }
                FImages->Draw(c, cx - FImages->Width() / 2, cy - FImages->Height() / 2, index, enabled);
            } else if (vertical) {
                // The line touches the outer edge of its tick rectangle; the text band lies beyond it.
                c.Pen()->SetColor(color);
                const int y = r.Bottom - k;
                const int x0 = isTopLeft ? r.Left + textBand : r.Right - textBand - length;
                Line(c, x0, y, x0 + length, y);
                if (FTickMark->Line3D()) {
                    c.Pen()->SetColor(BlendColors(color, clWhite, 10));
                    Line(c, x0, y - 1, x0 + length, y - 1);
                }
            } else {
                c.Pen()->SetColor(color);
                const int x = r.Left + k;
                const int y0 = isTopLeft ? r.Top + textBand : r.Bottom - textBand - length;
                Line(c, x, y0, x, y0 + length);
                if (FTickMark->Line3D()) {
                    c.Pen()->SetColor(BlendColors(color, clWhite, 10));
                    Line(c, x + 1, y0, x + 1, y0 + length);
                }
            }
            if (!text.isEmpty()) {
                c.Font()->Assign(FTickMark->Font());
                c.Font()->SetColor(textColor);
                c.Brush()->SetStyle(TBrushStyle::bsClear);
                const TSize ext = c.TextExtent(text);
                if (vertical) {
                    const int y = r.Bottom - k;
                    if (FTickMark->RotateFontVert()) {
                        if (isTopLeft)
                            DrawTurnedText(c, r.Left + textBand - FTickTextOffset - ext.cy, y + ext.cx / 2, text,
                                           *c.Font(), -2700);
                        else
                            DrawTurnedText(c, r.Right - textBand + FTickTextOffset + ext.cy, y - ext.cx / 2, text,
                                           *c.Font(), -900);
                    } else if (isTopLeft) {
                        c.TextOut(r.Left + textBand - FTickTextOffset - ext.cx, y - ext.cy / 2, text);
                    } else {
                        c.TextOut(r.Right - textBand + FTickTextOffset, y - ext.cy / 2, text);
                    }
                } else {
                    const int x = r.Left + k - ext.cx / 2;
                    if (isTopLeft)
                        c.TextOut(x, r.Top + textBand - FTickTextOffset - ext.cy, text);
                    else
                        c.TextOut(x, r.Bottom - textBand + FTickTextOffset, text);
                }
            }
        }
    }
}

// --- thumb ---

void TCustomTrackBar::DrawThumb()
{
    DrawThumbAt(FThumb.get(), GetThumbRect(), FPosition, FThumbDown, FThumbHot);
}

void TCustomTrackBar::DrawThumbAt(TTrackBarThumb* AThumb, const TRect& R, int Value, bool Pressed, bool Hot)
{
    if (IsRatingMode() || AThumb->Size() < 1)
        return;
    if (!AThumb->ShowAtMinMax() && (Value == FMin || Value == FMax))
        return;
    TGDIPPicture* pic = AThumb->Picture();
    TColor border = AThumb->BorderColor(), c1 = AThumb->Color(), c2 = AThumb->ColorTo(),
           m1 = AThumb->ColorMirror(), m2 = AThumb->ColorMirrorTo();
    if (Pressed) {
        border = AThumb->BorderColorDown();
        c1 = AThumb->ColorDown();
        c2 = AThumb->ColorDownTo();
        m1 = AThumb->ColorMirrorDown();
        m2 = AThumb->ColorMirrorDownTo();
        if (!AThumb->PictureDown()->Empty())
            pic = AThumb->PictureDown();
    } else if (Hot) {
        border = AThumb->BorderColorHot();
        c1 = AThumb->ColorHot();
        c2 = AThumb->ColorHotTo();
        m1 = AThumb->ColorMirrorHot();
        m2 = AThumb->ColorMirrorHotTo();
        if (!AThumb->PictureHot()->Empty())
            pic = AThumb->PictureHot();
    }
    if (!Enabled()) {
        border = AThumb->BorderColorDisabled();
        c1 = AThumb->ColorDisabled();
        c2 = AThumb->ColorDisabledTo();
        m1 = AThumb->ColorMirrorDisabled();
        m2 = AThumb->ColorMirrorDisabledTo();
        if (!AThumb->PictureDisabled()->Empty())
            pic = AThumb->PictureDisabled();
    }
    if (!pic->Empty()) {
        if (Ready(pic))
            Canvas()->Draw(R.Left, R.Top, pic);
        return;
    }
    DrawShapedThumb(AThumb, R, border, c1, c2, m1, m2);
}

void TCustomTrackBar::DrawShapedThumb(TTrackBarThumb* AThumb, const TRect& R, TColor Border, TColor C, TColor CTo,
                                      TColor CMirror, TColor CMirrorTo)
{
    TCanvas& c = *Canvas();
    TCanvasSaver saver(c);
    const bool vertical = FOrientation == TTrackBarOrientation::trVertical;
    const TTickMark side = FTickMark->Position();
    const bool tipTopLeft = side == TTickMark::tmTopLeft || side == TTickMark::tmBoth;
    const bool tipBottomRight = side == TTickMark::tmBottomRight || side == TTickMark::tmBoth;
    const bool office = AThumb->Style() == TThumbStyle::tstOffice2007;

    // The shape's outline as a polygon (or a rounded rectangle), and its fill.
    std::vector<TPoint> poly;
    QRegion region;
    int corner = 0;
    // A rectangle with a pointed end toward the ticks, the tip half as deep as the thumb is long.
    auto pointer = [&](const TRect& B) {
        std::vector<TPoint> p;
        const int tip = (vertical ? B.Height() : B.Width()) / 2;
        if (vertical) {
            const int l = tipTopLeft ? B.Left + tip : B.Left;
            const int r = tipBottomRight ? B.Right - 1 - tip : B.Right - 1;
            const int mid = B.Top + (B.Height() - 1) / 2;
            p = { TPoint(l, B.Top), TPoint(r, B.Top) };
            if (tipBottomRight)
                p.push_back(TPoint(B.Right - 1, mid));
            p.push_back(TPoint(r, B.Bottom - 1));
            p.push_back(TPoint(l, B.Bottom - 1));
            if (tipTopLeft)
                p.push_back(TPoint(B.Left, mid));
        } else {
            const int t = tipTopLeft ? B.Top + tip : B.Top;
            const int b = tipBottomRight ? B.Bottom - 1 - tip : B.Bottom - 1;
            const int mid = B.Left + (B.Width() - 1) / 2;
            p = { TPoint(B.Left, t) };
            if (tipTopLeft)
                p.push_back(TPoint(mid, B.Top));
            p.push_back(TPoint(B.Right - 1, t));
            p.push_back(TPoint(B.Right - 1, b));
            if (tipBottomRight)
                p.push_back(TPoint(mid, B.Bottom - 1));
            p.push_back(TPoint(B.Left, b));
        }
        return p;
    };
    auto outline = [&](std::vector<TPoint> p, TColor colour) {
        p.push_back(p.front());
        c.Pen()->SetColor(colour);
        c.Polyline(p);
    };
    switch (AThumb->Shape()) {
    case TThumbShape::tsPointer:
        poly = pointer(R);
        break;
    case TThumbShape::tsRectangle:
        corner = 1;
        break;
    case TThumbShape::tsRoundRect:
        corner = 8;
        break;
    case TThumbShape::tsRound:
        corner = AThumb->Size() / 2;
        break;
    case TThumbShape::tsLine:
        break;
    case TThumbShape::tsPointerLeftUp:
    case TThumbShape::tsPointerRightUp:
    case TThumbShape::tsTriangle:
    case TThumbShape::tsTriangleLeft:
    case TThumbShape::tsTriangleRight: {
        const bool towardFar = tipBottomRight && !tipTopLeft;
        if (vertical) {
            const int mid = R.Top + (R.Height() - 1) / 2;
            if (towardFar)
                poly = { TPoint(R.Left, R.Top), TPoint(R.Right - 1, mid), TPoint(R.Left, R.Bottom - 1) };
            else
                poly = { TPoint(R.Right - 1, R.Top), TPoint(R.Left, mid), TPoint(R.Right - 1, R.Bottom - 1) };
        } else {
            const int mid = R.Left + (R.Width() - 1) / 2;
            if (towardFar)
                poly = { TPoint(R.Left, R.Top), TPoint(R.Right - 1, R.Top), TPoint(mid, R.Bottom - 1) };
            else
                poly = { TPoint(R.Left, R.Bottom - 1), TPoint(R.Right - 1, R.Bottom - 1), TPoint(mid, R.Top) };
        }
        if (AThumb->Shape() == TThumbShape::tsPointerLeftUp || AThumb->Shape() == TThumbShape::tsPointerRightUp) {
            // A square body with the pointed end toward the ticks.
            poly.insert(poly.begin() + 1, poly.front());
        }
        break;
    }
    }

    if (AThumb->Shape() == TThumbShape::tsLine) {
        if (!office)
            return;
        const int mid = vertical ? R.Top + R.Height() / 2 : R.Left + R.Width() / 2;
        const TColor lines[4] = { CTo, C, BlendColors(C, clWhite, 60), BlendColors(C, clWhite, 10) };
        for (int i = 0; i < 4; ++i) {
            if (!Set(lines[i]))
                continue;
            c.Pen()->SetColor(lines[i]);
            if (vertical)
                Line(c, R.Left, mid - 2 + i, R.Right, mid - 2 + i);
            else
                Line(c, mid - 2 + i, R.Top, mid - 2 + i, R.Bottom);
        }
        return;
    }

    if (!poly.empty())
        region = PolygonRegion(poly);
    else
        region = RoundedRegion(R, corner * 2, corner * 2);

    // Fill.
    if (Set(C) && Set(CTo) && Set(CMirror) && Set(CMirrorTo)) {
        DrawGlossShape(c, R, region, TTrackButtonShape::bsRectangle, clNone, clNone, C, CTo, CMirror, CMirrorTo,
                       AThumb->Gradient(), AThumb->GradientMirror(), FOrientation);
    } else if (Set(C) && Set(CTo)) {
        ClipTo clip(c, region);
        DrawDirectionalGradient(c, C, CTo, AsDirection(AThumb->Gradient()), R, AThumb->Steps());
    } else if (Set(C)) {
        ClipTo clip(c, region);
        c.Brush()->SetColor(C);
        c.FillRect(R);
    }

    // Outline and grip.
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    if (!poly.empty()) {
        if (!Set(Border))
            return;
        if (AThumb->Shape() == TThumbShape::tsPointer) {
            // Nested outlines: the frame with a white highlight inside it (and outside it in the
            // custom style), and a grip line across the middle.
            TRect inner = R;
            InflateRect(inner, -1, -1);
            if (!office)
                outline(poly, clWhite);
            outline(office ? poly : pointer(inner), Border);
            TRect inner2 = office ? inner : R;
            if (!office)
                InflateRect(inner2, -2, -2);
            outline(pointer(inner2), clWhite);
            c.Pen()->SetColor(Border);
            if (vertical)
                Line(c, R.Left + 3, R.Top + R.Height() / 2, R.Right - 3, R.Top + R.Height() / 2);
            else
                Line(c, R.Left + R.Width() / 2, R.Top + 3, R.Left + R.Width() / 2, R.Bottom - 3);
        } else {
            outline(poly, Border);
        }
        return;
    }
    const int cs = corner * 2;
    if (AThumb->Shape() == TThumbShape::tsRound && office) {
        if (Set(Border)) {
            const TPoint m = R.CenterPoint();
            c.Pen()->SetColor(Border);
            c.Brush()->SetColor(Border);
            c.Ellipse(m.X - 2, m.Y - 2, m.X + 2, m.Y + 2);
        }
        return;
    }
    c.Pen()->SetColor(clWhite);
    c.RoundRect(R.Left, R.Top, R.Right, R.Bottom, cs, cs);
    if (Set(Border)) {
        c.Pen()->SetColor(Border);
        c.RoundRect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1, cs, cs);
    }
    if (AThumb->Shape() == TThumbShape::tsRectangle) {
        c.Pen()->SetColor(clWhite);
        c.Rectangle(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2);
    }
    if (AThumb->Shape() != TThumbShape::tsRound && Set(Border)) {
        const int grip = AThumb->Size() / 2 - 2;
        c.Pen()->SetColor(Border);
        if (vertical) {
            const int y = R.Top + R.Height() / 2;
            const int x = R.Left + (R.Width() - grip) / 2;
            Line(c, x, y, x + grip, y);
        } else {
            const int x = R.Left + R.Width() / 2;
            const int y = R.Top + (R.Height() - grip) / 2;
            Line(c, x, y, x, y + grip);
        }
    }
}

// --- buttons ---

void TCustomTrackBar::DrawButtons()
{
    if (IsRatingMode() || !FButtons->Visible())
        return;
    DrawMinButton();
    DrawMaxButton();
}

void TCustomTrackBar::DrawMinButton()
{
    DrawButton(false);
}

void TCustomTrackBar::DrawMaxButton()
{
    DrawButton(true);
}

void TCustomTrackBar::DrawButton(bool IsMax)
{
    TCanvas& c = *Canvas();
    TCanvasSaver saver(c);
    const TTrackBarButtons& b = *FButtons;
    const bool down = IsMax ? FMaxButtonDown : FMinButtonDown;
    const bool hot = IsMax ? FMaxButtonHot : FMinButtonHot;
    const bool vertical = FOrientation == TTrackBarOrientation::trVertical;
    const TRect r = IsMax ? GetMaxButtonRect() : GetMinButtonRect();

    TGDIPPicture* pic = IsMax ? b.MaxPicture() : b.MinPicture();
    TColor border = b.BorderColor(), c1 = b.Color(), c2 = b.ColorTo(), m1 = b.ColorMirror(), m2 = b.ColorMirrorTo();
    if (down) {
        border = b.BorderColorDown();
        c1 = b.ColorDown();
        c2 = b.ColorDownTo();
        m1 = b.ColorMirrorDown();
        m2 = b.ColorMirrorDownTo();
        pic = IsMax ? b.MaxPictureDown() : b.MinPictureDown();
    } else if (hot) {
        border = b.BorderColorHot();
        c1 = b.ColorHot();
        c2 = b.ColorHotTo();
        m1 = b.ColorMirrorHot();
        m2 = b.ColorMirrorHotTo();
        pic = IsMax ? b.MaxPictureHot() : b.MinPictureHot();
    }

    if (Ready(pic)) {
        if (!vertical) {
            ClipTo clip(c, QRegion(r.toQRect()));
            c.Draw(r.Left, r.Top, pic);
        } else if (IsMax && pic->Height() > b.Size()) {
            c.Draw(r.Left, r.Bottom - pic->Width(), pic);
        } else {
            c.Draw(r.Left, r.Top, pic);
        }
        return;
    }

    // The shape: a circle of the button's size centred across the track, or the whole rectangle.
    TRect shape = r;
    if (b.Shape() == TTrackButtonShape::bsRound) {
        const int size = b.Size();
        if (vertical) {
            shape.Left = r.Left + (r.Width() - size) / 2;
            shape.Right = shape.Left + size;
        } else {
            shape.Top = r.Top + (r.Height() - size) / 2;
            shape.Bottom = shape.Top + size;
        }
    }
    const QRegion region = b.Shape() == TTrackButtonShape::bsRound
        ? QRegion(shape.toQRect(), QRegion::Ellipse)
        : QRegion(shape.toQRect());
    DrawGlossShape(c, shape, region, b.Shape(), BlendColors(border, clWhite, 30), border, c1, c2, m1, m2,
                   b.Gradient(), b.GradientMirror(), FOrientation);

    // Glyph: a minus bar (min) or a plus (max), about half the button long and 3 pixels thick.
    const TPoint m = shape.CenterPoint();
    const int half = std::max(1, b.Size() / 4);
    auto bar = [&](bool alongX) {
        const TRect g = alongX ? TRect(m.X - half, m.Y - 1, m.X + half + 1, m.Y + 2)
                               : TRect(m.X - 1, m.Y - half, m.X + 2, m.Y + half + 1);
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
        c.Brush()->SetColor(Set(c1) ? c1 : clWhite);
        c.Pen()->SetColor(Set(border) ? border : c.Brush()->Color());
        c.Rectangle(g.Left - 1, g.Top - 1, g.Right + 1, g.Bottom + 1);
    };
    const bool minusAlongX = !(vertical && b.RotateText());
    if (IsMax) {
        bar(true);
        bar(false);
    } else {
        bar(minusAlongX);
    }
}

// --- rating mode ---

bool TCustomTrackBar::IsRatingMode() const
{
    return !FIRateActive->Empty() && !FIRateInActive->Empty();
}

TSize TCustomTrackBar::GetRatingItemSize() const
{
    int w = 0;
    int h = 0;
    for (TGDIPPicture* p : { FIRateActive.get(), FIRateInActive.get() }) {
        if (Ready(p)) {
            w = std::max(w, p->Width());
            h = std::max(h, p->Height());
        }
    }
    return TSize(w, h);
}

TRect TCustomTrackBar::GetRatingItemRect(int Value) const
{
    constexpr TRect none { -1, -1, -1, -1 };
    if (!IsRatingMode() || Value <= FMin || Value > FMax)
        return none;
    const TSize item = GetRatingItemSize();
    if (item.cx <= 0 || item.cy <= 0)
        return none;
    // Rows of items from the track's top-left corner; a row holds as many as fit (at least one).
    const TRect t = GetTrackRect();
    const int perRow = std::max(1, t.Width() / item.cx);
    const int index = Value - FMin - 1;
    const int x = t.Left + (index % perRow) * item.cx;
    const long long y = t.Top + static_cast<long long>(index / perRow) * item.cy;
    if (y > t.Bottom)
        return none;
    return TRect(x, static_cast<int>(y), x + item.cx, static_cast<int>(y) + item.cy);
}

int TCustomTrackBar::RatingValueAt(int X, int Y) const
{
    for (int v = FMin + 1; v <= FMax; ++v) {
        const TRect r = GetRatingItemRect(v);
        if (r.IsEmpty() && r.Left == -1)
            return -1;
        if (r.Contains(TPoint(X, Y)))
            return v;
    }
    return -1;
}

void TCustomTrackBar::DrawRatingItem(int Value)
{
    if (Value <= FMin)
        return;
    const TRect r = GetRatingItemRect(Value);
    if (r.Left <= 0 || r.Bottom <= 0)
        return;
    TGDIPPicture* p = FPosition < Value ? FIRateInActive.get() : FIRateActive.get();
    if (Ready(p))
        Canvas()->Draw(r.Left, r.Top, p);
}

void TCustomTrackBar::DrawRating()
{
    for (int v = FMin + 1; v <= FMax; ++v)
        DrawRatingItem(v);
}
