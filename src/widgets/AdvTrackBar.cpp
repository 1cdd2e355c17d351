#include "widgets/AdvTrackBar.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/TTimer.h"
#include "platform/ui/TextMetrics.h"
#include "platform/ui/VirtualKeys.h"

#include <QFocusEvent>
#include <QMouseEvent>

#include <cstdlib>

using namespace vcl;

namespace {

constexpr TRect EmptyRect { -1, -1, -1, -1 };

} // namespace

// --- construction ---

TCustomTrackBar::TCustomTrackBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(Left(), Top(), 150, 26);
    SetTabStop(true);
    // The fader takes the focus itself on a press, after OnMouseDown has run.
    setFocusPolicy(Qt::TabFocus);
    SetColor(clNone);
    // The fader paints every pixel it owns itself (the parent's image when transparent).
    setAutoFillBackground(false);

    auto repaint = [this](TObject*) { Invalidate(); };
    FIBackGround = std::make_unique<TGDIPPicture>();
    FIBackGround->OnChange = repaint;
    FIBackGroundDisabled = std::make_unique<TGDIPPicture>();
    FIBackGroundDisabled->OnChange = repaint;

    FThumb = std::make_unique<TTrackBarThumb>(this);
    FThumb->OnChange = [this](TObject*) { AppearanceChanged(); };
    FSlider = CreateSlider();
    FSlider->OnChange = [this](TObject*) { AppearanceChanged(); };
    FTickMark = std::make_unique<TTrackBarTick>();
    FTickMark->OnChange = [this](TObject*) { TickChanged(); };

    FIRateActive = std::make_unique<TGDIPPicture>();
    FIRateActive->OnChange = repaint;
    FIRateInActive = std::make_unique<TGDIPPicture>();
    FIRateInActive->OnChange = repaint;

    FButtons = std::make_unique<TTrackBarButtons>(this);
    FButtons->OnChange = [this](TObject*) { AppearanceChanged(); };
    FTrackLabel = std::make_unique<TTrackBarLabel>();
    FTrackLabel->OnChange = [this](TObject*) { AppearanceChanged(); };

    FTrackHint = ShowHint();
    FTrackHintWnd = std::make_unique<TTrackHintWindow>();
}

TCustomTrackBar::~TCustomTrackBar()
{
    if (FImages)
        FImages->UnRegisterChanges(this);
    delete FRepeatTimer;
    FRepeatTimer = nullptr;
    BeforeDestruction();
}

std::unique_ptr<TTrackBarSlider> TCustomTrackBar::CreateSlider()
{
    return std::make_unique<TTrackBarSlider>(this);
}

void TCustomTrackBar::Loaded()
{
    TCustomControl::Loaded();
    UpdateTickTextHeight();
    FButtons->UpdateSizeFromPictures();
    FThumb->UpdateSizeFromPicture();
}

void TCustomTrackBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FImages && FImages
        && !ComponentState().Contains(TComponentStateItem::csDestroying)) {
        FImages = nullptr;
        Repaint();
    }
}

void TCustomTrackBar::SetTickImages(TCustomImageList* Value)
{
    if (Value == FImages)
        return;
    if (FImages) {
        FImages->UnRegisterChanges(this);
        FImages->RemoveFreeNotification(this);
    }
    FImages = Value;
    if (FImages) {
        FImages->RegisterChanges(this, [this] { Invalidate(); });
        FImages->FreeNotification(this);
    }
    Invalidate();
}

void TCustomTrackBar::Dispatch(TMessage& Message)
{
    TCustomControl::Dispatch(Message);
    if (Message.Msg == CM_ENABLEDCHANGED)
        Invalidate();
}

void TCustomTrackBar::focusInEvent(QFocusEvent* event)
{
    TCustomControl::focusInEvent(event);
    update();
}

void TCustomTrackBar::focusOutEvent(QFocusEvent* event)
{
    TCustomControl::focusOutEvent(event);
    update();
}

void TCustomTrackBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void TCustomTrackBar::AppearanceChanged()
{
    Invalidate();
}

void TCustomTrackBar::TickChanged()
{
    UpdateTickTextHeight();
    Invalidate();
}

void TCustomTrackBar::UpdateTickTextHeight()
{
    FTextHeight = TextMetrics().TextExtent(*FTickMark->Font(), QStringLiteral("gh")).cy + 2 * FTickTextOffset;
}

QString TCustomTrackBar::Version() const
{
    return QStringLiteral("%1.%2.%3.%4").arg(1).arg(6).arg(3).arg(0);
}

// --- value ---

void TCustomTrackBar::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomTrackBar::SetPosition(int Value)
{
    if (Value == FPosition)
        return;
    if (Value < FMin)
        Value = FMin;
    else if (Value > FMax)
        Value = FMax;

    const int oldPosition = FPosition;
    TRect oldRect = GetThumbRect();
    FPosition = Value;
    TRect newRect = GetThumbRect();

    if (IsRatingMode()) {
        const int step = oldPosition <= FPosition ? 1 : -1;
        for (int v = oldPosition;; v += step) {
            InvalidateRect(GetRatingItemRect(v));
            if (v == FPosition)
                break;
        }
    } else {
        InflateRect(oldRect, 1, 1);
        InflateRect(newRect, 1, 1);
        InvalidateRect(oldRect);
        InvalidateRect(newRect);
        if (FSlider->ColorCompleted() != clNone || !FSlider->PictureCompleted()->Empty())
            InvalidateRect(GetSliderRect());
        if (FTickMark->ShowImageAtThumbOnly()) {
            const TRect t = GetTrackRect();
            for (const TRect& r : { newRect, oldRect }) {
                if (FOrientation == TTrackBarOrientation::trHorizontal)
                    InvalidateRect(TRect(r.Left, t.Top, r.Right, t.Bottom));
                else
                    InvalidateRect(TRect(t.Left, r.Top, t.Right, r.Bottom));
            }
        }
        InvalidateTrackLabel();
    }
    Change();
}

void TCustomTrackBar::SetMax(int Value)
{
    if (Value == FMax)
        return;
    FMax = Value;
    if (Value < FPosition)
        SetPosition(Value);
    Invalidate();
}

void TCustomTrackBar::SetMin(int Value)
{
    if (Value == FMin)
        return;
    FMin = Value;
    if (FPosition < Value)
        SetPosition(Value);
    Invalidate();
}

void TCustomTrackBar::SetOrientation(TTrackBarOrientation Value)
{
    if (Value == FOrientation)
        return;
    FOrientation = Value;
    if (!ComponentState().Contains(TComponentStateItem::csLoading))
        SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TCustomTrackBar::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    Invalidate();
}

void TCustomTrackBar::SetBackGroundStretched(bool Value)
{
    if (Value == FBackGroundStretched)
        return;
    FBackGroundStretched = Value;
    Invalidate();
}

void TCustomTrackBar::SetBorderColor(TColor Value)
{
    if (Value == FBorderColor)
        return;
    FBorderColor = Value;
    Invalidate();
}

void TCustomTrackBar::SetColorTo(TColor Value)
{
    if (Value == FColorTo)
        return;
    FColorTo = Value;
    Invalidate();
}

void TCustomTrackBar::SetDirection(TGradientDirection Value)
{
    if (Value == FDirection)
        return;
    FDirection = Value;
    Invalidate();
}

void TCustomTrackBar::SetBorderWidth(int Value)
{
    if (Value == FBorderWidth)
        return;
    FBorderWidth = Value;
    Invalidate();
}

bool TCustomTrackBar::AllowThumbPointerChange(TTrackBarThumb* AThumb, TThumbPointer& Value)
{
    (void)AThumb;
    (void)Value;
    return true;
}

void TCustomTrackBar::InvalidateRect(const TRect& r)
{
    if (!r.IsEmpty())
        update(r.Normalized().toQRect());
}

// --- geometry ---

TRect TCustomTrackBar::GetInnerRect() const
{
    const int d = FBorderWidth + FOffset;
    return TRect(d, d, Width() - d, Height() - d);
}

TRect TCustomTrackBar::GetMaxButtonRect() const
{
    TRect r = GetInnerRect();
    if (FOrientation == TTrackBarOrientation::trVertical)
        r.Bottom = r.Top + FButtons->Size();
    else
        r.Left = r.Right - FButtons->Size();
    return r;
}

TRect TCustomTrackBar::GetMinButtonRect() const
{
    TRect r = GetInnerRect();
    if (FOrientation == TTrackBarOrientation::trVertical)
        r.Top = r.Bottom - FButtons->Size();
    else
        r.Right = r.Left + FButtons->Size();
    return r;
}

int TCustomTrackBar::GetThumbPointerOffset() const
{
    const int w = FThumb->Width();
    if (w <= 0)
        return 0;
    switch (FThumb->ThumbPointer()) {
    case TThumbPointer::tpLeft:
        return 0;
    case TThumbPointer::tpCenter:
        return w / 2;
    case TThumbPointer::tpRight:
        return w;
    }
    return 0;
}

namespace {

bool LabelOnTop(TLabelPosition p)
{
    return p == TLabelPosition::lpTopCenter || p == TLabelPosition::lpTopLeft || p == TLabelPosition::lpTopRight;
}
bool LabelLeft(TLabelPosition p)
{
    return p == TLabelPosition::lpTopLeft || p == TLabelPosition::lpBottomLeft;
}
bool LabelRight(TLabelPosition p)
{
    return p == TLabelPosition::lpTopRight || p == TLabelPosition::lpBottomRight;
}

} // namespace

TRect TCustomTrackBar::GetTrackLabelRect(bool Narrow) const
{
    if (!FTrackLabel->Visible())
        return EmptyRect;
    QString text = GetTrackLabelText();
    if (text.isEmpty() && HasTrackLabelTextHandler())
        text = QStringLiteral("Pos");
    const TSize ext = TextMetrics().TextExtent(*FTrackLabel->Font(), text);
    const int h = ext.cy;
    const int w = ext.cx;
    const bool vertical = FOrientation == TTrackBarOrientation::trVertical;
    const TRect inner = GetInnerRect();
    TRect r = inner;
    const TLabelPosition pos = FTrackLabel->Position();

    int nearSide;
    if (LabelOnTop(pos)) {
        nearSide = (vertical ? inner.Left : inner.Top) + FSlider->Offset();
    } else {
        const TRect tick = GetTickRectBottomRight();
        nearSide = (vertical ? tick.Right : tick.Bottom) + 1;
    }
    const int farSide = nearSide + h + FTrackLabel->Spacing();
    if (vertical) {
        r.Left = nearSide;
        r.Right = farSide;
    } else {
        r.Top = nearSide;
        r.Bottom = farSide;
    }
    if (!Narrow)
        return r;

    if (!vertical) {
        if (LabelLeft(pos)) {
            r.Right = r.Left + w + 5;
        } else if (LabelRight(pos)) {
            r.Left = r.Right - w - 5;
        } else {
            r.Left = r.Left + (r.Width() - w) / 2;
            r.Right = r.Left + w + 5;
        }
    } else {
        // Text reads upward: the rectangle runs from Top (below) to Bottom (above).
        if (LabelLeft(pos)) {
            r.Top = inner.Bottom;
            r.Bottom = r.Top - w - 5;
        } else if (LabelRight(pos)) {
            r.Bottom = inner.Top;
            r.Top = inner.Top + w + 5;
        } else {
            r.Top = inner.Bottom - (inner.Height() - w) / 2;
            r.Bottom = r.Top - w - 5;
        }
    }
    return r;
}

TRect TCustomTrackBar::GetTrackRect() const
{
    const bool vertical = FOrientation == TTrackBarOrientation::trVertical;
    TRect r = GetInnerRect();
    int shift = FSlider->Offset();
    if (FTrackLabel->Visible() && LabelOnTop(FTrackLabel->Position())) {
        const TRect l = GetTrackLabelRect(false);
        shift += (vertical ? l.Right - l.Left : l.Bottom - l.Top) + 1;
    }
    if (vertical)
        r.Left += shift;
    else
        r.Top += shift;
    if (FButtons->Visible()) {
        const TRect minR = GetMinButtonRect();
        const TRect maxR = GetMaxButtonRect();
        if (vertical) {
            r.Bottom = minR.Top - FButtons->Spacing();
            r.Top = maxR.Bottom + FButtons->Spacing();
        } else {
            r.Left = minR.Right + FButtons->Spacing();
            r.Right = maxR.Left - FButtons->Spacing();
        }
    }
    return r;
}

namespace {

bool TicksTopLeft(const TTrackBarTick& t)
{
    return t.Style() != TTickStyle::tsNone
        && (t.Position() == TTickMark::tmTopLeft || t.Position() == TTickMark::tmBoth);
}
bool TicksBottomRight(const TTrackBarTick& t)
{
    return t.Style() != TTickStyle::tsNone
        && (t.Position() == TTickMark::tmBottomRight || t.Position() == TTickMark::tmBoth);
}

} // namespace

TRect TCustomTrackBar::GetTickRectTopLeft() const
{
    if (!TicksTopLeft(*FTickMark))
        return EmptyRect;
    const TRect t = GetTrackRect();
    const int a = GetThumbPointerOffset();
    const int txt = FTickMark->ShowText() ? FTextHeight : 0;
    if (FOrientation == TTrackBarOrientation::trVertical)
        return TRect(t.Left, t.Top + a, t.Left + txt + FTickMark->Size(), t.Bottom - a);
    return TRect(t.Left + a, t.Top, t.Right - a, t.Top + txt + FTickMark->Size());
}

TRect TCustomTrackBar::GetTickRectBottomRight() const
{
    if (!TicksBottomRight(*FTickMark))
        return EmptyRect;
    const bool vertical = FOrientation == TTrackBarOrientation::trVertical;
    const TRect t = GetTrackRect();
    const int a = GetThumbPointerOffset();
    const int txt = FTickMark->ShowText() ? FTextHeight : 0;
    int b;
    if (FSlider->Visible() && FSlider->Size() > 0) {
        const TRect s = GetSliderRect();
        b = (vertical ? s.Right : s.Bottom) - (FSlider->Border3D() ? 1 : 0) + FTickMark->Spacing();
    } else if (TicksTopLeft(*FTickMark)) {
        const TRect tl = GetTickRectTopLeft();
        b = (vertical ? tl.Right : tl.Bottom) + 2 * FTickMark->Spacing();
    } else {
        b = vertical ? t.Left : t.Top;
    }
    if (vertical)
        return TRect(b, t.Top + a, b + txt + FTickMark->Size(), t.Bottom - a);
    return TRect(t.Left + a, b, t.Right - a, b + txt + FTickMark->Size());
}

TRect TCustomTrackBar::GetSliderRect() const
{
    if (FSlider->Size() <= 0 || !FSlider->Visible())
        return EmptyRect;
    const bool vertical = FOrientation == TTrackBarOrientation::trVertical;
    TRect r = GetTrackRect();
    int nearSide = vertical ? r.Left : r.Top;
    if (TicksTopLeft(*FTickMark)) {
        const TRect tl = GetTickRectTopLeft();
        nearSide = (vertical ? tl.Right : tl.Bottom) + FTickMark->Spacing();
    }
    if (vertical) {
        r.Left = nearSide;
        r.Right = nearSide + FSlider->Size();
    } else {
        r.Top = nearSide;
        r.Bottom = nearSide + FSlider->Size();
    }
    return r;
}

int TCustomTrackBar::GetThumbLength() const
{
    return FThumb->Width();
}

TRect TCustomTrackBar::GetThumbRect() const
{
    return GetThumbRectAt(FPosition);
}

TRect TCustomTrackBar::GetThumbRectAt(int Value) const
{
    const bool vertical = FOrientation == TTrackBarOrientation::trVertical;
    const TRect t = GetTrackRect();
    const int size = FThumb->Size();

    int start;
    if (FSlider->Visible() && FSlider->Size() > 0) {
        const TRect s = GetSliderRect();
        const int sNear = vertical ? s.Left : s.Top;
        const int sFar = vertical ? s.Right : s.Bottom;
        start = sNear + (sFar - sNear) / 2 - size / 2;
    } else if (FTickMark->Style() == TTickStyle::tsNone) {
        start = vertical ? t.Left : t.Top;
    } else if (FTickMark->Position() == TTickMark::tmBottomRight) {
        const TRect br = GetTickRectBottomRight();
        start = vertical ? br.Left : br.Top;
    } else {
        const TRect tl = GetTickRectTopLeft();
        start = (vertical ? tl.Left : tl.Top) + FTickMark->Spacing() - size / 2;
    }

    const int len = GetThumbLength();
    const int span = (vertical ? t.Height() : t.Width()) - len;
    int k = 0;
    if (FMax != FMin)
        k = RoundToInt(static_cast<double>(span) * (static_cast<double>(Value) - FMin)
                       / (static_cast<double>(FMax) - FMin));

    TRect r;
    if (vertical) {
        r.Left = start;
        r.Right = start + size;
        r.Bottom = t.Bottom - k;
        r.Top = r.Bottom - FThumb->Width();
    } else {
        r.Top = start;
        r.Bottom = start + size;
        r.Left = t.Left + k;
        r.Right = r.Left + FThumb->Width();
    }
    if (FThumb->Shape() == TThumbShape::tsLine && FThumb->Picture()->Empty()) {
        const TRect inner = GetInnerRect();
        if (vertical) {
            r.Left = inner.Left;
            r.Right = Width() - FBorderWidth;
        } else {
            r.Top = inner.Top;
            r.Bottom = Height() - FBorderWidth;
        }
    }
    return r;
}

int TCustomTrackBar::PixelToValue(int Offset) const
{
    const TRect t = GetTrackRect();
    const int span = (FOrientation == TTrackBarOrientation::trVertical ? t.Height() : t.Width()) - GetThumbLength();
    // A track exactly as long as the thumb has no pixel scale: the value stays where it is.
    if (span == 0)
        return FPosition;
    int value = RoundToInt(static_cast<double>(Offset) / span * (static_cast<double>(FMax) - FMin) + FMin);
    if (value > FMax)
        value = FMax;
    if (value < FMin)
        value = FMin;
    if (!IsValidPosition(value))
        value = FPosition;
    return value;
}

// --- interaction ---

bool TCustomTrackBar::ThumbHit(int X, int Y) const
{
    return GetThumbRect().Normalized().Contains(TPoint(X, Y));
}

bool TCustomTrackBar::RepeatTimerActive() const
{
    return FRepeatTimer && FRepeatTimer->Enabled();
}

void TCustomTrackBar::StartRepeatTimer()
{
    if (!FRepeatTimer) {
        FRepeatTimer = new TTimer(this);
        FRepeatTimer->SetEnabled(false);
    }
    FRepeatTimer->OnTimer = [this](TObject* Sender) { RepeatTimerTick(Sender); };
    FRepeatTimer->SetEnabled(false);
    FRepeatTimer->SetInterval(static_cast<unsigned>(std::max(0, FButtons->InitRepeatPause())));
    FRepeatTimer->SetEnabled(true);
}

void TCustomTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (!Focused() && CanFocus())
        SetFocus();
    FCaptured = true;

    const bool vertical = FOrientation == TTrackBarOrientation::trVertical;
    const TRect t = GetTrackRect();
    TRect area = t;
    InflateRect(area, 4, 4);
    const TPoint pt(X, Y);
    bool onMin = false;
    bool onMax = false;
    if (FButtons->Visible()) {
        onMin = GetMinButtonRect().Contains(pt);
        onMax = GetMaxButtonRect().Contains(pt);
    }
    const bool inThumb = ThumbHit(X, Y);
    const bool rating = IsRatingMode();

    if (!rating && Button == TMouseButton::mbLeft && !inThumb && FMoveOnClick != TMoveOnClick::mcStep && !onMin
        && !onMax) {
        const int offset = vertical ? t.Bottom - GetThumbLength() - Y : X - t.Left - GetThumbPointerOffset();
        SetPosition(PixelToValue(offset));
        if (FMoveOnClick == TMoveOnClick::mcMoveSlide) {
            FThumbDown = true;
            FSliding = true;
        }
        return;
    }
    if (Button != TMouseButton::mbLeft || rating)
        return;

    if (!inThumb) {
        if (area.Contains(pt) && AllowSliderClick()) {
            FSliderButtonDown = true;
            FSliderDownPt = pt;
            StepTowardClick();
            StartRepeatTimer();
        } else if (FButtons->Visible()) {
            if (onMin && !FMinButtonDown) {
                FMinButtonDown = true;
                InvalidateRect(GetMinButtonRect());
                if (FButtons->RepeatClick())
                    StartRepeatTimer();
            }
            if (onMax && !FMaxButtonDown) {
                FMaxButtonDown = true;
                InvalidateRect(GetMaxButtonRect());
                if (FButtons->RepeatClick())
                    StartRepeatTimer();
            }
        }
    } else if (AllowThumbDrag()) {
        FSliding = true;
        FThumbDown = true;
        const TRect r = GetThumbRect();
        InvalidateRect(r);
        FThumbCenterOffsetX = X - r.Left - r.Width() / 2;
        FThumbCenterOffsetY = Y - r.Top - r.Height() / 2;
    }
}

void TCustomTrackBar::StepTowardClick()
{
    const bool vertical = FOrientation == TTrackBarOrientation::trVertical;
    const TRect t = GetTrackRect();
    const int len = GetThumbLength();
    const int p = GetThumbPointerOffset();
    const int trackLength = vertical ? t.Height() : t.Width();
    const double scale = FMax == FMin ? 0.0 : static_cast<double>(trackLength - len) / (static_cast<double>(FMax) - FMin);
    const int q = RoundToInt((static_cast<double>(FPosition) - FMin) * scale);

    int e;
    int target;
    if (!vertical) {
        e = t.Left + q;
        const int c = FSliderDownPt.X;
        target = e > c ? c - p : c;
    } else {
        e = t.Bottom - q;
        const int c = FSliderDownPt.Y;
        target = e > c ? c : c + p;
    }
    if (std::abs(target - e) < scale)
        return;
    if (!vertical)
        SetPosition(target < e ? FPosition - FPageSize : FPosition + FPageSize);
    else
        SetPosition(target < e ? FPosition + FPageSize : FPosition - FPageSize);
}

void TCustomTrackBar::RepeatTimerTick(TObject* Sender)
{
    (void)Sender;
    if (!FRepeatTimer)
        return;
    FRepeatTimer->SetInterval(static_cast<unsigned>(std::max(0, FButtons->RepeatPause())));
    if (!FCaptured)
        return;
    try {
        if (FSliderButtonDown)
            StepTowardClick();
        else if (FMinButtonDown)
            StepDown();
        else if (FMaxButtonDown)
            StepUp();
        else
            FRepeatTimer->SetEnabled(false);
    } catch (...) {
        FRepeatTimer->SetEnabled(false);
        throw;
    }
}

void TCustomTrackBar::StepDown()
{
    if (FPosition > FMin)
        SetPosition(FPosition - FButtons->Step());
}

void TCustomTrackBar::StepUp()
{
    if (FPosition < FMax)
        SetPosition(FPosition + FButtons->Step());
}

void TCustomTrackBar::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (IsRatingMode())
        return;

    const bool vertical = FOrientation == TTrackBarOrientation::trVertical;
    if (FSliding) {
        const TRect t = GetTrackRect();
        const int len = GetThumbLength();
        const int offset = vertical ? t.Bottom - len + len / 2 + FThumbCenterOffsetY - Y
                                    : X - t.Left - FThumbCenterOffsetX - len / 2;
        const int value = PixelToValue(offset);
        if (value != FPosition && FTrackHint && value != FHintTickIndex) {
            FHintTickIndex = value;
            QString text = IntToStr(value);
            if (OnGetTrackHint)
                OnGetTrackHint(this, value, text);
            FTrackHintWnd->SetColor(clInfoBk);
            const TPoint cursor = ClientToScreen(TPoint(X, Y));
            FTrackHintWnd->ActivateHint(TRect(cursor.X + 10, cursor.Y, cursor.X + 10, cursor.Y), text);
            FTrackHintShow = true;
        }
        FSliderButtonDown = false;
        SetPosition(value);
        return;
    }

    const TPoint pt(X, Y);
    if (FButtons->Visible()) {
        const TRect minR = GetMinButtonRect();
        const bool inMin = minR.Contains(pt);
        if (inMin && !FMinButtonHot) {
            FMinButtonHot = true;
            InvalidateRect(minR);
        } else if (!inMin && FMinButtonHot) {
            FMinButtonHot = false;
            FMinButtonDown = false;
            InvalidateRect(minR);
        }
        const TRect maxR = GetMaxButtonRect();
        const bool inMax = maxR.Contains(pt);
        if (inMax && !FMaxButtonHot) {
            FMaxButtonHot = true;
            InvalidateRect(maxR);
        } else if (!inMax && FMaxButtonHot) {
            FMaxButtonHot = false;
            FMaxButtonDown = false;
            InvalidateRect(maxR);
        }
    }
    if (ThumbHit(X, Y) && AllowThumbDrag()) {
        if (!FThumbHot) {
            FThumbHot = true;
            InvalidateRect(GetThumbRect());
        }
    } else if (FThumbHot) {
        FThumbHot = false;
        FThumbDown = false;
        InvalidateRect(GetThumbRect());
    }
}

void TCustomTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (FRepeatTimer)
        FRepeatTimer->SetEnabled(false);
    FSliderButtonDown = false;
    FCaptured = false;

    if (IsRatingMode() && Button == TMouseButton::mbLeft) {
        const int v = RatingValueAt(X, Y);
        if (v >= 0) {
            SetPosition(v);
        } else {
            const TRect first = GetRatingItemRect(FMin + 1);
            if (!first.IsEmpty() && X >= first.Left - 4 && X < first.Left && Y >= first.Top && Y < first.Bottom)
                SetPosition(FMin);
        }
    } else if (Button == TMouseButton::mbLeft) {
        if (FTrackHintShow) {
            FTrackHintWnd->ReleaseHandle();
            FTrackHintShow = false;
        }
        FSliding = false;
        if (FThumbDown) {
            FThumbDown = false;
            if (!ThumbHit(X, Y))
                FThumbHot = false;
            InvalidateRect(GetThumbRect());
        }
        if (FButtons->Visible()) {
            const TPoint pt(X, Y);
            if (GetMinButtonRect().Contains(pt) && FMinButtonDown) {
                FMinButtonDown = false;
                InvalidateRect(GetMinButtonRect());
                StepDown();
            }
            if (GetMaxButtonRect().Contains(pt) && FMaxButtonDown) {
                FMaxButtonDown = false;
                InvalidateRect(GetMaxButtonRect());
                StepUp();
            }
        }
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomTrackBar::MouseLeave()
{
    TCustomControl::MouseLeave();
    if (FMinButtonHot || FMinButtonDown) {
        FMinButtonHot = false;
        FMinButtonDown = false;
        InvalidateRect(GetMinButtonRect());
    }
    if (FMaxButtonHot || FMaxButtonDown) {
        FMaxButtonHot = false;
        FMaxButtonDown = false;
        InvalidateRect(GetMaxButtonRect());
    }
    if ((FThumbHot || FThumbDown) && !FSliding) {
        FThumbHot = false;
        FThumbDown = false;
        InvalidateRect(GetThumbRect());
    }
}

void TCustomTrackBar::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0 || Shift.Contains(TShiftStateItem::ssShift))
        return;
    const bool vertical = FOrientation == TTrackBarOrientation::trVertical;
    switch (Key) {
    case VK_PRIOR:
        SetPosition(FPosition + FPageSize);
        break;
    case VK_NEXT:
        SetPosition(FPosition - FPageSize);
        break;
    case VK_END:
        SetPosition(vertical ? GetMinimum() : GetMaximum());
        break;
    case VK_HOME:
        SetPosition(vertical ? GetMaximum() : GetMinimum());
        break;
    case VK_LEFT:
    case VK_DOWN:
        if (FPosition > FMin)
            SetPosition(FPosition - 1);
        break;
    case VK_UP:
    case VK_RIGHT:
        if (FPosition < FMax)
            SetPosition(FPosition + 1);
        break;
    default:
        break;
    }
}

bool TCustomTrackBar::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos))
        return true;
    if (WheelDelta < 0) {
        if (FPosition > FMin)
            SetPosition(FPosition - 1);
    } else if (WheelDelta > 0) {
        if (FPosition < FMax)
            SetPosition(FPosition + 1);
    }
    return true;
}
