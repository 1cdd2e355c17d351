#include "widgets/RzButton.h"

#include "platform/ui/EventGuard.h"
#include "platform/ui/ParentImage.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TQtHostControl.h"
#include "platform/ui/VirtualKeys.h"
#include "widgets/RzGrafx.h"

#include <QMouseEvent>

namespace rz {

using namespace vcl;

// --- shared button plumbing ---

TRzButtonControl::TRzButtonControl(TComponent* AOwner) : TCustomControl(AOwner) {}

void TRzButtonControl::mouseReleaseEvent(QMouseEvent* event)
{
    const Qt::MouseButton b = event->button();
    if (b != Qt::LeftButton && b != Qt::RightButton && b != Qt::MiddleButton)
        return;
    const TMouseButton button = b == Qt::RightButton ? TMouseButton::mbRight
                                : b == Qt::MiddleButton ? TMouseButton::mbMiddle
                                                        : TMouseButton::mbLeft;
    const QPoint p = event->position().toPoint() - ClientOrigin();
    const TShiftState shift = ShiftStateFrom(event->modifiers(), event->buttons());
    Guarded([&] { MouseUp(button, shift, p.x(), p.y()); }, this);
}

bool TRzButtonControl::TakeFocus()
{
    if (!Focused() && CanFocus() && TabStop())
        SetFocus();
    // A window that is not active cannot hold the focus; the press still counts there.
    return Focused() || !window()->isActiveWindow() || !TabStop();
}

TWinControl* ParentFormOf(TControl* Control)
{
    TControl* c = Control;
    while (c && c->Parent())
        c = c->Parent();
    return dynamic_cast<TForm*>(c);
}

void SetParentFormModalResult(TControl* Control, TModalResult Result)
{
    if (auto* form = dynamic_cast<TForm*>(ParentFormOf(Control)))
        form->SetModalResult(Result);
}

// --- TRzCustomButton ---

TRzCustomButton::TRzCustomButton(TComponent* AOwner) : TRzButtonControl(AOwner)
{
    SetBounds(0, 0, 115, 17);
    SetTabStop(true);
}

#define RZB_SET_INVALIDATE(Field, Value) \
    if ((Field) == (Value))              \
        return;                          \
    (Field) = (Value);                   \
    Invalidate()

void TRzCustomButton::SetAlignmentVertical(TAlignmentVertical Value) { RZB_SET_INVALIDATE(FAlignmentVertical, Value); }
void TRzCustomButton::SetHotTrackColor(TColor Value) { RZB_SET_INVALIDATE(FHotTrackColor, Value); }
void TRzCustomButton::SetHotTrackColorType(TRzHotTrackColorType Value) { RZB_SET_INVALIDATE(FHotTrackColorType, Value); }
void TRzCustomButton::SetHighlightColor(TColor Value) { RZB_SET_INVALIDATE(FHighlightColor, Value); }
void TRzCustomButton::SetLightTextStyle(bool Value) { RZB_SET_INVALIDATE(FLightTextStyle, Value); }
void TRzCustomButton::SetTextStyle(TTextStyle Value) { RZB_SET_INVALIDATE(FTextStyle, Value); }
void TRzCustomButton::SetTextHighlightColor(TColor Value) { RZB_SET_INVALIDATE(FTextHighlightColor, Value); }
void TRzCustomButton::SetTextShadowColor(TColor Value) { RZB_SET_INVALIDATE(FTextShadowColor, Value); }
void TRzCustomButton::SetTextShadowDepth(int Value) { RZB_SET_INVALIDATE(FTextShadowDepth, Value); }
void TRzCustomButton::SetHotTrack(bool Value) { RZB_SET_INVALIDATE(FHotTrack, Value); }
void TRzCustomButton::SetThemeAware(bool Value) { RZB_SET_INVALIDATE(FThemeAware, Value); }
void TRzCustomButton::SetTransparent(bool Value) { RZB_SET_INVALIDATE(FTransparent, Value); }

bool TRzCustomButton::IsThemed() const
{
    return FThemeAware && ThemesActive();
}

void TRzCustomButton::DrawCaption(TCanvas& Canvas, TRect R, unsigned Flags)
{
    Canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    Canvas.Font()->Assign(Font());
    TRect calc = R;
    const int h = DrawTextIn(Canvas, Caption(), calc, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_VCENTER | DT_CENTER);
    switch (FAlignmentVertical) {
    case TAlignmentVertical::avTop: R.Bottom = R.Top + h; break;
    case TAlignmentVertical::avCenter:
        R.Top = (R.Top + R.Bottom - h) / 2;
        R.Bottom = R.Top + h;
        break;
    case TAlignmentVertical::avBottom: R.Top = R.Bottom - h - 1; break;
    }
    auto copy = [&](int dx, int dy, TColor colour) {
        TRect moved(R.Left + dx, R.Top + dy, R.Right + dx, R.Bottom + dy);
        Canvas.Font()->SetColor(colour);
        DrawTextIn(Canvas, Caption(), moved, Flags);
    };
    if (Enabled()) {
        switch (FTextStyle) {
        case TTextStyle::tsRaised:
            if (!FLightTextStyle)
                copy(1, 1, FTextShadowColor);
            copy(-1, -1, FTextHighlightColor);
            break;
        case TTextStyle::tsRecessed:
            copy(1, 1, FTextHighlightColor);
            if (!FLightTextStyle)
                copy(-1, -1, FTextShadowColor);
            break;
        case TTextStyle::tsShadow:
            if (Flags & DT_RIGHT)
                copy(0, FTextShadowDepth, FTextShadowColor);
            else
                copy(FTextShadowDepth, FTextShadowDepth, FTextShadowColor);
            break;
        case TTextStyle::tsNormal: break;
        }
        Canvas.Font()->SetColor(Font()->Color());
        if (Flags & DT_RIGHT)
            R = TRect(R.Left - FTextShadowDepth, R.Top, R.Right - FTextShadowDepth, R.Bottom);
    } else {
        Canvas.Font()->SetColor(ColorsAreClose(Color(), clGrayText) ? cl3DDkShadow : clGrayText);
    }
    DrawTextIn(Canvas, Caption(), R, Flags);
    Canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
}

void TRzCustomButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TRzButtonControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || !Enabled())
        return;
    if (!TakeFocus())
        return;
    FShowDownVersion = true;
    FDragging = true;
    RefreshButton();
}

void TRzCustomButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TRzButtonControl::MouseMove(Shift, X, Y);
    if (!FDragging)
        return;
    const bool inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y < ClientHeight();
    if (inside != FShowDownVersion) {
        FShowDownVersion = inside;
        RefreshButton();
    }
}

void TRzCustomButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TRzButtonControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging || Button != TMouseButton::mbLeft)
        return;
    FDragging = false;
    FShowDownVersion = false;
    if (X >= 0 && X < ClientWidth() && Y >= 0 && Y < ClientHeight())
        ButtonClick();
    RefreshButton();
}

void TRzCustomButton::MouseEnter()
{
    FMouseOverButton = true;
    TRzButtonControl::MouseEnter();
    if (FHotTrack || IsThemed())
        Invalidate();
}

void TRzCustomButton::MouseLeave()
{
    FMouseOverButton = false;
    TRzButtonControl::MouseLeave();
    if (FHotTrack || IsThemed())
        Invalidate();
}

// --- TRzButton ---

TRzButton::TRzButton(TComponent* AOwner) : TRzCustomButton(AOwner)
{
    SetBounds(0, 0, 75, 25);
    SetColor(clBtnFace);
}

void TRzButton::SetAlignment(TAlignment Value) { RZB_SET_INVALIDATE(FAlignment, Value); }
void TRzButton::SetShowDownPattern(bool Value) { RZB_SET_INVALIDATE(FShowDownPattern, Value); }
void TRzButton::SetShowFocusRect(bool Value) { RZB_SET_INVALIDATE(FShowFocusRect, Value); }
void TRzButton::SetFrameColor(TColor Value) { RZB_SET_INVALIDATE(FFrameColor, Value); }

void TRzButton::SetDefault(bool Value)
{
    if (FDefault == Value)
        return;
    FDefault = Value;
    const bool active = Focused() || Value;
    if (active != FActive) {
        FActive = active;
        Invalidate();
    }
}

void TRzButton::SetAllowAllUp(bool Value)
{
    if (FAllowAllUp == Value)
        return;
    FAllowAllUp = Value;
    UpdateExclusive();
}

void TRzButton::SetGroupIndex(int Value)
{
    if (FGroupIndex == Value)
        return;
    FGroupIndex = Value;
    UpdateExclusive();
}

void TRzButton::SetDown(bool Value)
{
    if (FGroupIndex == 0)
        Value = false;
    if (Value == FDown)
        return;
    if (FDown && !FAllowAllUp && FGroupIndex != 0)
        return;
    FDown = Value;
    FState = Value ? TRzButtonState::bsExclusive : TRzButtonState::bsUp;
    Invalidate();
    if (Value)
        UpdateExclusive();
}

void TRzButton::SetHotTrack(bool Value)
{
    TRzCustomButton::SetHotTrack(Value);
    FTransparent = Value;
    Invalidate();
}

void TRzButton::UpdateExclusive()
{
    if (FGroupIndex == 0 || !Parent())
        return;
    TWinControl* parent = Parent();
    for (int i = 0; i < parent->ControlCount(); ++i)
        parent->Controls(i)->Perform(UM_RZBUTTON_GROUP, static_cast<WPARAM>(FGroupIndex),
                                     reinterpret_cast<LPARAM>(static_cast<TControl*>(this)));
}

void TRzButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case UM_RZBUTTON_GROUP: {
        auto* sender = dynamic_cast<TRzButton*>(reinterpret_cast<TControl*>(Message.LParam));
        if (static_cast<int>(Message.WParam) != FGroupIndex || !sender || sender == this)
            return;
        if (sender->Down() && FDown) {
            FDown = false;
            FState = TRzButtonState::bsUp;
            Invalidate();
        }
        FAllowAllUp = sender->AllowAllUp();
        return;
    }
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED: Invalidate(); break;
    case CM_TEXTCHANGED: Repaint(); break;
    default: break;
    }
    TRzCustomButton::Dispatch(Message);
}

void TRzButton::Click()
{
    SetParentFormModalResult(this, FModalResult);
    TRzCustomButton::Click();
}

void TRzButton::ButtonClick()
{
    if (FGroupIndex != 0)
        SetDown(!FDown);
    else
        RefreshButton();
    TFlagGuard clicking(FClicking);
    Click();
}

void TRzButton::KeyDown(WORD& Key, TShiftState Shift)
{
    if (Key == VK_SPACE && !Shift.Contains(TShiftStateItem::ssAlt)) {
        FKeyToggle = true;
        FShowDownVersion = true;
        RefreshButton();
    }
    TRzCustomButton::KeyDown(Key, Shift);
    if (Key == VK_RETURN && FActive && Shift == TShiftState {}) {
        TFlagGuard pressed(FKeyWasPressed);
        FKeyWasPressed = !FDropDownOnEnter;
        Click();
        Key = 0;
    } else if (Key == VK_ESCAPE && FCancel && Shift == TShiftState {}) {
        Click();
        Key = 0;
    }
}

void TRzButton::KeyUp(WORD& Key, TShiftState Shift)
{
    if (Key == VK_SPACE) {
        FShowDownVersion = false;
        if (FKeyToggle) {
            FKeyToggle = false;
            ButtonClick();
        }
        RefreshButton();
    }
    TRzCustomButton::KeyUp(Key, Shift);
}

void TRzButton::DoEnter()
{
    if (!FActive) {
        FActive = true;
        Invalidate();
    }
    Repaint();
    TRzCustomButton::DoEnter();
}

void TRzButton::DoExit()
{
    FActive = FDefault;
    FKeyToggle = false;
    FShowDownVersion = false;
    Invalidate();
    TRzCustomButton::DoExit();
}

bool TRzButton::LooksPressed() const
{
    if (FGroupIndex != 0)
        return FState == TRzButtonState::bsDown || FState == TRzButtonState::bsExclusive || FShowDownVersion;
    return FShowDownVersion;
}

TRect TRzButton::GetCaptionRect() const
{
    TRect r(5, 5, Width() - 5, Height() - 5);
    if (!HotTrack() && !IsThemed() && LooksPressed())
        r = TRect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
    return r;
}

void TRzButton::PaintCaption()
{
    unsigned flags = DT_WORDBREAK | DT_EXPANDTABS;
    flags |= FAlignment == TAlignment::taLeftJustify  ? DT_LEFT
             : FAlignment == TAlignment::taRightJustify ? DT_RIGHT
                                                        : DT_CENTER;
    DrawCaption(*Canvas(), GetCaptionRect(), flags);
}

void TRzButton::CreateDownPattern(TBitmap& Bitmap) const
{
    Bitmap.SetSize(8, 8);
    const TColor face = Color();
    const TColor dots = ColorToRGB(face) == clSilver ? clGray : clSilver;
    Bitmap.Canvas()->Brush()->SetColor(face);
    Bitmap.Canvas()->FillRect(TRect(0, 0, 8, 8));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if ((x & 1) == (y & 1))
                Bitmap.Canvas()->SetPixels(x, y, dots);
}

void TRzButton::Paint()
{
    TCanvas& c = *Canvas();
    const bool flatFace = HotTrack() || IsThemed();
    TRect r = flatFace ? TRect(3, 3, Width() - 3, Height() - 3) : TRect(4, 4, Width() - 4, Height() - 4);
    const bool groupDown = FGroupIndex != 0 && (FState == TRzButtonState::bsDown || FState == TRzButtonState::bsExclusive);
    if (groupDown || FShowDownVersion)
        r = TRect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
    TRect b(0, 0, Width(), Height());
    c.Pen()->SetWidth(1);
    c.Pen()->SetStyle(TPenStyle::psSolid);
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    if (FTransparent)
        CopyParentImage(this, c);
    if (HotTrack())
        PaintHotTrack(c, b);
    else
        PaintClassic(c, b);
    if (FGroupIndex != 0 && FState == TRzButtonState::bsExclusive && FShowDownPattern) {
        TBitmap pattern;
        CreateDownPattern(pattern);
        const TRect fill = HotTrack() ? TRect(2, 2, Width() - 2, Height() - 2) : TRect(2, 2, Width() - 2, Height() - 2);
        DrawBitmapTiled(c, pattern, fill, clNone);
    }
    c.Font()->Assign(Font());
    c.Brush()->SetColor(Color());
    PaintCaption();
    if (Focused() && FShowFocusRect)
        FrameDottedRect(c, r);
}

void TRzButton::PaintClassic(TCanvas& C, TRect B)
{
    if (FGroupIndex == 0 && (((FActive || Focused()) && !FShowDownVersion) || FClicking))
        B = FrameRectLines(C, B, clWindowFrame);
    const bool groupDown = FGroupIndex != 0 && FDown;
    if (Color() == clBtnFace) {
        if (FGroupIndex != 0)
            B = PaintFrameStyle(C, B, groupDown ? TFrameStyleEx::fsLowered : TFrameStyleEx::fsButtonUp);
        else if (FShowDownVersion)
            B = FrameSides(C, B, clBtnShadow, clBtnShadow, sdAllSides); // the pushed system face
        else
            B = FrameButton(C, B, false);
    } else if (FGroupIndex == 0) {
        B = FrameColorButton(C, B, Color(), FShowDownVersion);
    } else if (groupDown) {
        B = PaintColorFrameStyle(C, B, Color(), TFrameStyleEx::fsLowered);
    } else {
        B = FrameColorButton(C, B, Color(), false);
    }
    C.Brush()->SetColor(Color());
    C.FillRect(B);
}

void TRzButton::PaintHotTrack(TCanvas& C, TRect B)
{
    const TColor parentColor = Parent() ? Parent()->Color() : clBtnFace;
    auto line = [&C](int x1, int y1, int x2, int y2) {
        C.MoveTo(x1, y1);
        C.LineTo(x2, y2);
    };
    const bool enabled = Enabled();
    // Rounded corner ring in the parent's colour.
    const TColor dark = enabled ? ShadeDarker(parentColor, 20) : parentColor;
    const TColor light = enabled ? ShadeLighter(parentColor, 20) : parentColor;
    C.Pen()->SetColor(dark);
    line(B.Left, B.Top + 2, B.Left, B.Bottom - 2);
    line(B.Left + 2, B.Top, B.Right - 2, B.Top);
    C.Pen()->SetColor(light);
    line(B.Right - 1, B.Top + 2, B.Right - 1, B.Bottom - 2);
    line(B.Left + 2, B.Bottom - 1, B.Right - 2, B.Bottom - 1);
    C.SetPixels(B.Left + 1, B.Top + 1, dark);
    C.SetPixels(B.Right - 2, B.Top + 1, dark);
    C.SetPixels(B.Left + 1, B.Bottom - 2, dark);
    C.SetPixels(B.Right - 2, B.Bottom - 2, light);
    B = TRect(B.Left + 1, B.Top + 1, B.Right - 1, B.Bottom - 1);
    // Inner frame without its corner pixels.
    const TColor frame = enabled ? FFrameColor
                         : Color() == clBtnFace ? ShadeLighter(clBtnShadow, 30)
                                                : ShadeDarker(Color(), 80);
    C.Pen()->SetColor(frame);
    line(B.Left, B.Top + 1, B.Left, B.Bottom - 1);
    line(B.Right - 1, B.Top + 1, B.Right - 1, B.Bottom - 1);
    line(B.Left + 1, B.Top, B.Right - 1, B.Top);
    line(B.Left + 1, B.Bottom - 1, B.Right - 1, B.Bottom - 1);
    B = TRect(B.Left + 1, B.Top + 1, B.Right - 1, B.Bottom - 1);
    C.Brush()->SetStyle(TBrushStyle::bsSolid);
    if (!enabled) {
        C.Brush()->SetColor(Color());
        C.FillRect(B);
        return;
    }
    auto hotFace = [&](TRect f) {
        C.Pen()->SetColor(ShadeDarker(Color(), 20));
        line(f.Left, f.Bottom - 2, f.Right, f.Bottom - 2);
        C.Pen()->SetColor(ShadeDarker(Color(), 30));
        line(f.Left, f.Bottom - 1, f.Right, f.Bottom - 1);
        f.Bottom -= 2;
        if (DisplayHasFullColor())
            FillGradient(C, f, TGradientDirection::gdHorizontalEnd, ShadeLighter(Color(), 30), ShadeDarker(Color(), 10), 1);
        else {
            C.Brush()->SetColor(Color());
            C.FillRect(f);
        }
    };
    auto ring = [&](TRect f, TColor top, TColor bottom) {
        if (!DisplayHasFullColor())
            return;
        PaintGradientBorder(C, f, TGradientDirection::gdHorizontalEnd, top, bottom);
    };
    const bool pressed = (FGroupIndex != 0 && (FState == TRzButtonState::bsDown || FState == TRzButtonState::bsExclusive))
                         || FShowDownVersion;
    if (pressed) {
        C.Brush()->SetColor(ShadeDarker(Color(), 10));
        C.FillRect(B);
    } else if (FMouseOverButton) {
        hotFace(B);
        if (HotTrackColorType() == TRzHotTrackColorType::htctActual)
            ring(B, MixColors(clWhite, HotTrackColor(), 190), HotTrackColor());
        else {
            const TColor k = HslToRgb((HueOf(HotTrackColor()) + 120) % 240, 240, 180);
            ring(B, k, ShadeDarker(k, 30));
        }
    } else if (FGroupIndex != 0 || !(FActive || Focused())) {
        hotFace(B);
    } else {
        hotFace(B);
        TColor h = HighlightColor();
        if (ColorsAreClose(h, clBtnFace))
            h = ShadeDarker(h, 30);
        const TColor l = ShadeLighter(Color(), 30);
        ring(B, MixColors(h, l, 60), MixColors(h, l, 160));
    }
}

} // namespace rz
