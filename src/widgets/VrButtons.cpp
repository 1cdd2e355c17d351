#include "widgets/VrButtons.h"

#include "platform/ui/VirtualKeys.h"
#include "widgets/RzCommon.h"

#include <algorithm>

namespace vr {

using namespace vcl;

#define VR_SET_UPDATE(Field, Value) \
    if ((Field) == (Value))         \
        return;                     \
    (Field) = (Value);              \
    UpdateControl()

#define VR_SET_LAYOUT(Field, Value) \
    if ((Field) == (Value))         \
        return;                     \
    (Field) = (Value);              \
    CalcLayout(true)

// --- TVrPowerButton ---

TVrPowerButton::TVrPowerButton(TComponent* AOwner) : TVrCustomImageControl(AOwner)
{
    SetColor(clBtnFace);
    SetTabStop(false);
    SetCursor(VrHandPointCursor);
    FPalette.OnChange = [this](TObject*) { UpdateControl(); };
    SetBounds(0, 0, 125, 25);
}

void TVrPowerButton::SetActive(bool Value) { VR_SET_UPDATE(FActive, Value); }
void TVrPowerButton::SetLedWidth(int Value) { VR_SET_LAYOUT(FLedWidth, std::max(1, Value)); }
void TVrPowerButton::SetLedHeight(int Value) { VR_SET_LAYOUT(FLedHeight, std::max(1, Value)); }
void TVrPowerButton::SetBevelWidth(int Value) { VR_SET_UPDATE(FBevelWidth, std::clamp(Value, 0, 255)); }
void TVrPowerButton::SetHighlightColor(TColor Value) { VR_SET_UPDATE(FHighlightColor, Value); }
void TVrPowerButton::SetShadowColor(TColor Value) { VR_SET_UPDATE(FShadowColor, Value); }
void TVrPowerButton::SetOutlineColor(TColor Value) { VR_SET_UPDATE(FOutlineColor, Value); }
void TVrPowerButton::SetOutlineWidth(int Value) { VR_SET_UPDATE(FOutlineWidth, std::clamp(Value, 0, 255)); }
void TVrPowerButton::SetFocusColor(TColor Value) { VR_SET_UPDATE(FFocusColor, Value); }
void TVrPowerButton::SetSpacing(int Value) { VR_SET_LAYOUT(FSpacing, Value); }
void TVrPowerButton::SetMargin(int Value) { VR_SET_LAYOUT(FMargin, Value); }
void TVrPowerButton::SetLayout(TVrImageTextLayout Value) { VR_SET_LAYOUT(FLayout, Value); }

void TVrPowerButton::CalcLayout(bool Repaint)
{
    TBitmap probe;
    probe.SetSize(1, 1);
    probe.Canvas()->Font()->Assign(Font());
    const int inset = FBevelWidth + FOutlineWidth;
    const TRect client(inset, inset, Width() - inset, Height() - inset);
    const TVrImageTextLayoutResult r = VrCalcImageTextLayout(*probe.Canvas(), client, Caption(), FLayout, FMargin,
                                                             FSpacing, TPoint(FLedWidth, FLedHeight));
    FImageRect = TRect(r.ImagePos.X, r.ImagePos.Y, r.ImagePos.X + FLedWidth, r.ImagePos.Y + FLedHeight);
    FTextBounds = r.TextBounds;
    if (Repaint)
        UpdateControl();
}

void TVrPowerButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const bool resized = AWidth != Width() || AHeight != Height();
    TVrCustomImageControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (resized)
        CalcLayout(true);
}

void TVrPowerButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGCHAR) {
        // The accelerator works as the Space key does: toggle, then OnClick.
        if (Enabled() && rz::IsAccelerator(static_cast<char16_t>(Message.WParam), Caption())) {
            Toggle();
            FireClick();
            Message.Result = 1;
        }
        return;
    }
    TVrCustomImageControl::Dispatch(Message);
    switch (Message.Msg) {
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED: CalcLayout(true); break;
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED: UpdateControl(); break;
    default: break;
    }
}

void TVrPowerButton::DrawLed(TCanvas& C)
{
    const TColor colour = Enabled() ? FPalette.GetPaletteColor(FActive ? 1 : 0) : Color();
    TRect r = FImageRect;
    VrFrame3D(C, r, FShadowColor, FHighlightColor, 1);
    VrFrame3D(C, r, clBlack, clBlack, 1);
    C.Brush()->SetStyle(TBrushStyle::bsSolid);
    C.Brush()->SetColor(colour);
    C.FillRect(r);
}

void TVrPowerButton::Paint()
{
    ClearImage();
    TCanvas& c = *BitmapCanvas();
    TRect r(0, 0, Width(), Height());
    // The focus a window hands its control as it becomes active reports no enter: the outline
    // asks the window system too.
    const TColor outline = FFocused || Focused() ? FFocusColor : FOutlineColor;
    VrFrame3D(c, r, outline, outline, FOutlineWidth);
    if (FPressed) {
        r = TRect(0, 0, Width(), Height());
        VrFrame3D(c, r, FOutlineColor, FHighlightColor, FOutlineWidth);
        VrFrame3D(c, r, FShadowColor, FOutlineColor, FBevelWidth);
    } else {
        VrFrame3D(c, r, FHighlightColor, FShadowColor, FBevelWidth);
    }
    DrawLed(c);
    c.Font()->Assign(Font());
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    VrDrawCaption(c, Caption(), FTextBounds, Enabled());
    TVrCustomImageControl::Paint();
}

void TVrPowerButton::Toggle()
{
    SetActive(!FActive);
}

void TVrPowerButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == TMouseButton::mbLeft) {
        FDown = true;
        FPressed = true;
        UpdateControl();
        if (TabStop() && CanFocus())
            SetFocus();
    }
    TVrCustomImageControl::MouseDown(Button, Shift, X, Y);
}

// While the button holds the mouse the window system reports no leave or enter: the pointer's
// position decides whether the press still counts.
void TVrPowerButton::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FDown) {
        const bool inside = X >= 0 && Y >= 0 && X < Width() && Y < Height();
        if (inside != FPressed) {
            FPressed = inside;
            UpdateControl();
        }
    }
    TVrCustomImageControl::MouseMove(Shift, X, Y);
}

void TVrPowerButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FDown = false;
    const bool inside = X >= 0 && Y >= 0 && X < Width() && Y < Height();
    const bool wasPressed = FPressed && inside;
    if (FPressed && !inside) {
        FPressed = false;
        UpdateControl();
    }
    if (wasPressed) {
        FPressed = false;
        Toggle();
    }
    TVrCustomImageControl::MouseUp(Button, Shift, X, Y);
    if (wasPressed)
        FireClick();
}

void TVrPowerButton::MouseEnter()
{
    if (FDown) {
        FPressed = true;
        UpdateControl();
    }
    TVrCustomImageControl::MouseEnter();
}

void TVrPowerButton::MouseLeave()
{
    if (FDown) {
        FPressed = false;
        UpdateControl();
    }
    TVrCustomImageControl::MouseLeave();
}

void TVrPowerButton::KeyDown(WORD& Key, TShiftState Shift)
{
    TVrCustomImageControl::KeyDown(Key, Shift);
    if (Key == VK_SPACE) {
        FPressed = true;
        UpdateControl();
    }
}

void TVrPowerButton::KeyUp(WORD& Key, TShiftState Shift)
{
    const bool space = Key == VK_SPACE;
    TVrCustomImageControl::KeyUp(Key, Shift);
    if (space) {
        if (QWidget::mouseGrabber() == this)
            releaseMouse();
        FPressed = false;
        Toggle();
        FireClick();
    }
}

void TVrPowerButton::DoEnter()
{
    if (!FFocused) {
        FFocused = true;
        UpdateControl();
    }
    TVrCustomImageControl::DoEnter();
}

void TVrPowerButton::DoExit()
{
    if (FFocused) {
        FFocused = false;
        UpdateControl();
    }
    TVrCustomImageControl::DoExit();
}

// --- TVrDemoButton ---

TVrDemoButton::TVrDemoButton(TComponent* AOwner) : TVrCustomImageControl(AOwner)
{
    SetColor(clBtnFace);
    for (TFont* f : { &FFontEnter, &FFontLeave }) {
        f->SetName(QStringLiteral("Arial"));
        f->SetSize(12);
        f->SetStyle(TFontStyles { TFontStyle::fsBold });
    }
    FFontEnter.SetColor(clRed);
    FFontLeave.SetColor(clBlack);
    FFontEnter.OnChange = [this](TObject*) { UpdateControl(); };
    FFontLeave.OnChange = [this](TObject*) { UpdateControl(); };
    FBitmap.OnChange = [this](TObject*) { UpdateControl(); };
    FFont3D.OnChange = [this](TObject*) { UpdateControl(); };
    SetBounds(0, 0, 150, 25);
}

void TVrDemoButton::SetBevelWidth(int Value) { VR_SET_UPDATE(FBevelWidth, std::clamp(Value, 0, 255)); }
void TVrDemoButton::SetOutlineWidth(int Value) { VR_SET_UPDATE(FOutlineWidth, Value); }
void TVrDemoButton::SetOutlineColor(TColor Value) { VR_SET_UPDATE(FOutlineColor, Value); }
void TVrDemoButton::SetShadowColor(TColor Value) { VR_SET_UPDATE(FShadowColor, Value); }
void TVrDemoButton::SetHighlightColor(TColor Value) { VR_SET_UPDATE(FHighlightColor, Value); }
void TVrDemoButton::SetFocusColor(TColor Value) { VR_SET_UPDATE(FFocusColor, Value); }
void TVrDemoButton::SetTextAlignment(TVrTextAlignment Value) { VR_SET_UPDATE(FTextAlignment, Value); }
void TVrDemoButton::SetDisabledTextColor(TColor Value) { VR_SET_UPDATE(FDisabledTextColor, Value); }
void TVrDemoButton::SetFlat(bool Value) { VR_SET_UPDATE(FFlat, Value); }

void TVrDemoButton::Paint()
{
    ClearImage();
    TCanvas& c = *BitmapCanvas();
    TRect r(0, 0, Width(), Height());
    if (FDownState)
        r = TRect(1, 1, Width() + 1, Height() + 1);
    if (!FBitmap.Empty())
        VrTileBitmap(c, r, FBitmap);
    r = TRect(0, 0, Width(), Height());
    // The focus a window hands its control as it becomes active reports no enter: the outline
    // asks the window system too.
    const TColor outline = FFocused || Focused() ? FFocusColor : FOutlineColor;
    VrFrame3D(c, r, outline, outline, FOutlineWidth);
    if (FDownState)
        VrFrame3D(c, r, FShadowColor, FHighlightColor, FBevelWidth);
    else if (!FFlat || FHasMouse)
        VrFrame3D(c, r, FHighlightColor, FShadowColor, FBevelWidth);
    else
        r = TRect(r.Left + FBevelWidth, r.Top + FBevelWidth, r.Right - FBevelWidth, r.Bottom - FBevelWidth);
    c.Font()->Assign(FHasMouse && Enabled() ? &FFontEnter : &FFontLeave);
    if (!Enabled())
        c.Font()->SetColor(FDisabledTextColor);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    if (FDownState)
        r = TRect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
    unsigned flags = rz::DT_SINGLELINE;
    switch (FTextAlignment) {
    case TVrTextAlignment::vtaLeft: flags |= rz::DT_LEFT | rz::DT_VCENTER; break;
    case TVrTextAlignment::vtaCenter: flags |= rz::DT_CENTER | rz::DT_VCENTER; break;
    case TVrTextAlignment::vtaRight: flags |= rz::DT_RIGHT | rz::DT_VCENTER; break;
    case TVrTextAlignment::vtaTopLeft: flags |= rz::DT_LEFT | rz::DT_TOP; break;
    case TVrTextAlignment::vtaTop: flags |= rz::DT_CENTER | rz::DT_TOP; break;
    case TVrTextAlignment::vtaTopRight: flags |= rz::DT_RIGHT | rz::DT_TOP; break;
    case TVrTextAlignment::vtaBottomLeft: flags |= rz::DT_LEFT | rz::DT_BOTTOM; break;
    case TVrTextAlignment::vtaBottom: flags |= rz::DT_CENTER | rz::DT_BOTTOM; break;
    case TVrTextAlignment::vtaBottomRight: flags |= rz::DT_RIGHT | rz::DT_BOTTOM; break;
    }
    FFont3D.Paint(c, r, flags, Caption());
    TVrCustomImageControl::Paint();
}

void TVrDemoButton::PressAt(int X, int Y)
{
    if (!TRect(0, 0, Width(), Height()).Contains(TPoint(X, Y)))
        return;
    FPressedState = true;
    FDownState = true;
    if (isVisible())
        grabMouse();
    if (TabStop() && CanFocus())
        SetFocus();
    UpdateControl();
}

void TVrDemoButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TVrCustomImageControl::MouseDown(Button, Shift, X, Y);
    if (Button == TMouseButton::mbLeft)
        PressAt(X, Y);
}

void TVrDemoButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TVrCustomImageControl::MouseMove(Shift, X, Y);
    if (!FPressedState)
        return;
    const bool inside = TRect(0, 0, Width(), Height()).Contains(TPoint(X, Y));
    if (inside != FDownState) {
        FDownState = inside;
        UpdateControl();
    }
}

void TVrDemoButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == TMouseButton::mbLeft) {
        if (QWidget::mouseGrabber() == this)
            releaseMouse();
        if (FPressedState && FDownState) {
            FPressedState = false;
            FDownState = false;
            UpdateControl();
            FireClick();
        } else {
            FPressedState = false;
            FDownState = false;
        }
    }
    TVrCustomImageControl::MouseUp(Button, Shift, X, Y);
}

void TVrDemoButton::MouseEnter()
{
    TVrCustomImageControl::MouseEnter();
    FHasMouse = true;
    UpdateControl();
}

void TVrDemoButton::MouseLeave()
{
    TVrCustomImageControl::MouseLeave();
    FHasMouse = false;
    UpdateControl();
}

void TVrDemoButton::KeyDown(WORD& Key, TShiftState Shift)
{
    TVrCustomImageControl::KeyDown(Key, Shift);
    if (Key == VK_SPACE && !FDownState)
        PressAt(0, 0);
}

void TVrDemoButton::KeyUp(WORD& Key, TShiftState Shift)
{
    const bool space = Key == VK_SPACE;
    TVrCustomImageControl::KeyUp(Key, Shift);
    if (!space)
        return;
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
    if (FPressedState && FDownState) {
        FDownState = false;
        UpdateControl();
        FireClick();
    }
    FPressedState = false;
}

void TVrDemoButton::DoEnter()
{
    if (!FFocused) {
        FFocused = true;
        UpdateControl();
    }
    TVrCustomImageControl::DoEnter();
}

void TVrDemoButton::DoExit()
{
    if (FFocused) {
        FFocused = false;
        UpdateControl();
    }
    TVrCustomImageControl::DoExit();
}

void TVrDemoButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGCHAR) {
        if (Enabled() && rz::IsAccelerator(static_cast<char16_t>(Message.WParam), Caption())) {
            FireClick();
            Message.Result = 1;
        }
        return;
    }
    TVrCustomImageControl::Dispatch(Message);
    if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_ENABLEDCHANGED)
        UpdateControl();
}

} // namespace vr
