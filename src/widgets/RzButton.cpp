#include "widgets/RzButton.h"

#include "platform/ui/EventGuard.h"
#include "platform/ui/ParentImage.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TQtHostControl.h"
#include "platform/ui/VirtualKeys.h"
#include "widgets/RzGrafx.h"

#include "platform/images/BmpCodec.h"

#include <QApplication>
#include <QBitmap>
#include <QMouseEvent>

#include <optional>
#include <vector>

namespace rz {

using namespace vcl;

// --- shared button plumbing ---

namespace {

struct TButtonRelease
{
    TMouseButton Button;
    TShiftState Shift;
    QPoint Pos;
};

// A left, right or middle button release in client coordinates; none for any other button.
std::optional<TButtonRelease> ReleaseOf(const QMouseEvent* event, QPoint clientOrigin)
{
    TMouseButton button = TMouseButton::mbLeft;
    if (!MouseButtonFrom(event->button(), button))
        return std::nullopt;
    return TButtonRelease { button, ShiftStateFrom(event->modifiers(), event->buttons()),
                            event->position().toPoint() - clientOrigin };
}

} // namespace

TRzButtonControl::TRzButtonControl(TComponent* AOwner) : TCustomControl(AOwner) {}

void TRzButtonControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (const auto r = ReleaseOf(event, ClientOrigin()))
        Guarded([&] { MouseUp(r->Button, r->Shift, r->Pos.x(), r->Pos.y()); }, this);
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
    case CM_DIALOGKEY:
        // Enter for the default (or focused) button, Esc for the cancel button.
        if (((Message.WParam == VK_RETURN && FActive) || (Message.WParam == VK_ESCAPE && FCancel)) && CanFocus()) {
            const bool keyed = !FDropDownOnEnter;
            const bool saved = FKeyWasPressed;
            FKeyWasPressed = keyed || saved;
            Click();
            FKeyWasPressed = saved;
            Message.Result = 1;
        }
        return;
    case CM_DIALOGCHAR:
        if (CanFocus() && IsAccelerator(static_cast<char16_t>(Message.WParam), Caption())) {
            Click();
            Message.Result = 1;
        }
        return;
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

// --- TRzShapeButton ---

const int ShapeBevelOffsets[3][2][13][2] = {
    { { { 1, -1 }, { 1, 0 }, { 1, 1 }, { 0, 1 }, { -1, 1 } }, { { -1, 0 }, { -1, -1 }, { 0, -1 } } },
    { { { 2, -2 }, { 2, -1 }, { 2, 0 }, { 2, 1 }, { 2, 2 }, { 1, 2 }, { 0, 2 }, { -1, 2 }, { -2, 2 } },
      { { -2, 1 }, { -2, 0 }, { -2, -1 }, { -2, -2 }, { -1, -2 }, { 0, -2 }, { 1, -2 } } },
    { { { 3, -3 }, { 3, -2 }, { 3, -1 }, { 3, 0 }, { 3, 1 }, { 3, 2 }, { 3, 3 }, { 2, 3 }, { 1, 3 }, { 0, 3 },
        { -1, 3 }, { -2, 3 }, { -3, 3 } },
      { { -3, 2 }, { -3, 1 }, { -3, 0 }, { -3, -1 }, { -3, -2 }, { -3, -3 }, { -2, -3 }, { -1, -3 }, { 0, -3 },
        { 1, -3 }, { 2, -3 } } },
};

namespace {

QRgb Rgb32(TColor c)
{
    const TColor rgb = ColorToRGB(c);
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

// Pixels of the edge ring: 0 where Current is still transparent but Source is opaque at one of
// the offsets back, 1 elsewhere.
QImage CreateEdgeMask(const QImage& Source, const QImage& Current, const int (*Offsets)[2], TColor Key)
{
    const QImage sm = CreateMonoMask(Source, Key), cm = CreateMonoMask(Current, Key);
    QImage em = cm.copy();
    const int w = em.width(), h = em.height();
    for (int k = 0; k < 13 && (Offsets[k][0] != 0 || Offsets[k][1] != 0); ++k) {
        const int dx = Offsets[k][0], dy = Offsets[k][1];
        for (int y = 0; y < h; ++y) {
            const int ty = y + dy;
            if (ty < 0 || ty >= h)
                continue;
            const uchar* src = sm.constScanLine(y);
            uchar* dst = em.scanLine(ty);
            for (int x = 0; x < w; ++x) {
                const int tx = x + dx;
                if (tx >= 0 && tx < w)
                    dst[tx] &= src[x];
            }
        }
    }
    for (int y = 0; y < h; ++y) {
        uchar* e = em.scanLine(y);
        const uchar* c = cm.constScanLine(y);
        for (int x = 0; x < w; ++x)
            e[x] = (e[x] | (c[x] ^ 1)) & 1;
    }
    return em;
}

} // namespace

QImage CreateMonoMask(const QImage& Bitmap, TColor Color)
{
    QImage mask(Bitmap.size(), QImage::Format_Grayscale8);
    const QImage src = Bitmap.convertToFormat(QImage::Format_RGB32);
    const QRgb key = Rgb32(Color) & 0xFFFFFFu;
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        uchar* out = mask.scanLine(y);
        for (int x = 0; x < src.width(); ++x)
            out[x] = (in[x] & 0xFFFFFFu) == key ? 1 : 0;
    }
    return mask;
}

TRzShapeButton::TRzShapeButton(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 80, 80);
    FBitmap.OnChange = [this](TObject*) { BitmapChanged(); };
}

TRzShapeButton::~TRzShapeButton() = default;

#define RZS_SET_REBUILD(Field, Value) \
    if ((Field) == (Value))           \
        return;                       \
    (Field) = (Value);                \
    BitmapChanged()

void TRzShapeButton::SetBevelWidth(int Value) { RZS_SET_REBUILD(FBevelWidth, std::clamp(Value, 0, 2)); }
void TRzShapeButton::SetBevelHighlightColor(TColor Value) { RZS_SET_REBUILD(FBevelHighlightColor, Value); }
void TRzShapeButton::SetBevelShadowColor(TColor Value) { RZS_SET_REBUILD(FBevelShadowColor, Value); }
void TRzShapeButton::SetBorderStyle(TRzBorderStyle Value) { RZS_SET_REBUILD(FBorderStyle, Value); }
void TRzShapeButton::SetBorderColor(TColor Value) { RZS_SET_REBUILD(FBorderColor, Value); }

void TRzShapeButton::SetAutoSize(bool Value)
{
    if (FAutoSize == Value)
        return;
    FAutoSize = Value;
    UpdateAutoSize();
}

void TRzShapeButton::SetPreciseClick(bool Value)
{
    if (FPreciseClick == Value)
        return;
    FPreciseClick = Value;
    ApplyHitMask();
}

void TRzShapeButton::SetCaptionPosition(TRzCaptionPosition Value)
{
    if (FCaptionPosition == Value)
        return;
    FCaptionPosition = Value;
    Invalidate();
}

void TRzShapeButton::SetCaptionXY(int X, int Y)
{
    if (X == FCaptionX && Y == FCaptionY)
        return;
    FCaptionX = X;
    FCaptionY = Y;
    FCaptionPosition = TRzCaptionPosition::cpXY;
    Invalidate();
}

void TRzShapeButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (FAutoSize && !ComponentState().Contains(TComponentStateItem::csLoading) && !FBitmap.Empty()) {
        AWidth = FBitmap.Width() + 4;
        AHeight = FBitmap.Height() + 4;
    }
    TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TRzShapeButton::UpdateAutoSize()
{
    SetBounds(Left(), Top(), Width(), Height());
}

TColor TRzShapeButton::TransparentKey() const
{
    return ColorToRGB(FBitmap.TransparentColor());
}

TColor TRzShapeButton::GetBevelColor(TRzButtonState State, bool TopLeft) const
{
    TColor highlight = FBevelHighlightColor;
    if (ColorToRGB(highlight) == TransparentKey())
        highlight = ShadeDarker(highlight, 1);
    const bool useHighlight = (State == TRzButtonState::bsUp) == TopLeft;
    return useHighlight ? highlight : FBevelShadowColor;
}

void TRzShapeButton::BuildButtonImage(TRzButtonState State, TBitmap& Dest)
{
    const TColor key = TransparentKey();
    const QImage source = FBitmap.Image().convertToFormat(QImage::Format_RGB32);
    QImage dest = source.copy();
    const int n = FBevelWidth + (FBorderStyle == TRzBorderStyle::bsSingle ? 1 : 0);
    for (int ring = 1; ring <= n; ++ring) {
        const QImage current = dest.copy();
        for (int side = 0; side < 2; ++side) {
            if (State == TRzButtonState::bsDown && ring == n && side == 0)
                continue;
            const QImage mask = CreateEdgeMask(source, current, ShapeBevelOffsets[ring - 1][side], key);
            const TColor colour = FBorderStyle == TRzBorderStyle::bsSingle && ring == n
                                      ? FBorderColor
                                      : GetBevelColor(State, side == 1);
            const QRgb paint = Rgb32(colour);
            for (int y = 0; y < dest.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(dest.scanLine(y));
                const uchar* m = mask.constScanLine(y);
                for (int x = 0; x < dest.width(); ++x)
                    if (m[x] == 0)
                        line[x] = paint;
            }
        }
    }
    Dest.SetImage(dest);
}

namespace {

// Shows the hourglass for the life of the guard and then what was shown before.
class THourglassCursor
{
public:
    THourglassCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~THourglassCursor() { QApplication::restoreOverrideCursor(); }
    THourglassCursor(const THourglassCursor&) = delete;
    THourglassCursor& operator=(const THourglassCursor&) = delete;
};

} // namespace

void TRzShapeButton::BitmapChanged()
{
    UpdateAutoSize();
    if (ComponentState().Contains(TComponentStateItem::csLoading))
        return;
    if (FBitmap.Empty()) {
        FBitmapUp.Assign(nullptr);
        FBitmapDown.Assign(nullptr);
        FHitTestMask = QImage();
    } else {
        const THourglassCursor busy; // up to six mask passes per image
        BuildButtonImage(TRzButtonState::bsUp, FBitmapUp);
        BuildButtonImage(TRzButtonState::bsDown, FBitmapDown);
        FHitTestMask = CreateMonoMask(FBitmapUp.Image(), TransparentKey());
    }
    ApplyHitMask();
    Invalidate();
}

void TRzShapeButton::Loaded()
{
    TGraphicControl::Loaded();
    if (FBitmap.Empty())
        return;
    // Clickable where either the source or the stored up image is opaque.
    const QImage a = CreateMonoMask(FBitmap.Image(), TransparentKey());
    QImage mask = a.copy();
    if (!FBitmapUp.Empty() && FBitmapUp.Image().size() == a.size()) {
        const QImage b = CreateMonoMask(FBitmapUp.Image(), TransparentKey());
        for (int y = 0; y < mask.height(); ++y) {
            uchar* m = mask.scanLine(y);
            const uchar* bb = b.constScanLine(y);
            for (int x = 0; x < mask.width(); ++x)
                m[x] &= bb[x];
        }
    }
    FHitTestMask = mask;
    ApplyHitMask();
}

// The window system routes the mouse past the transparent pixels of a precise button.
void TRzShapeButton::ApplyHitMask()
{
    if (!FPreciseClick || FHitTestMask.isNull()) {
        clearMask();
        return;
    }
    // Bit 1 is color1, the pixels the region keeps: the clickable (opaque) ones.
    QImage bits(FHitTestMask.size(), QImage::Format_MonoLSB);
    bits.setColorCount(2);
    bits.setColor(0, QColor(Qt::color0).rgb());
    bits.setColor(1, QColor(Qt::color1).rgb());
    bits.fill(0);
    for (int y = 0; y < FHitTestMask.height(); ++y) {
        const uchar* m = FHitTestMask.constScanLine(y);
        for (int x = 0; x < FHitTestMask.width(); ++x)
            if (m[x] == 0)
                bits.setPixel(x, y, 1);
    }
    setMask(QRegion(QBitmap::fromImage(bits)));
}

bool TRzShapeButton::PtInMask(int X, int Y) const
{
    if (FHitTestMask.isNull())
        return true;
    if (X < 0 || Y < 0 || X >= FHitTestMask.width() || Y >= FHitTestMask.height())
        return false;
    return FHitTestMask.constScanLine(Y)[X] == 0;
}

bool TRzShapeButton::Inside(int X, int Y) const
{
    if (FPreciseClick)
        return PtInMask(X, Y);
    return X >= 0 && X < Width() && Y >= 0 && Y < Height();
}

namespace {

void PutLE(QByteArray& out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// A 32-bit bottom-up bitmap file with the plain 40-byte information header, as the form stores
// the built images: 54 + 4 x width x height bytes.
QByteArray EncodeFormBitmap32(const QImage& image)
{
    const QImage src = image.convertToFormat(QImage::Format_RGB32);
    const std::uint32_t w = static_cast<std::uint32_t>(src.width()), h = static_cast<std::uint32_t>(src.height());
    const std::uint32_t pixels = w * h * 4;
    QByteArray out;
    out.reserve(static_cast<qsizetype>(54 + pixels));
    out.append("BM", 2);
    PutLE(out, 54 + pixels, 4);
    PutLE(out, 0, 4);
    PutLE(out, 54, 4);
    PutLE(out, 40, 4);
    PutLE(out, w, 4);
    PutLE(out, h, 4);
    PutLE(out, 1, 2);
    PutLE(out, 32, 2);
    PutLE(out, 0, 4); // uncompressed
    PutLE(out, pixels, 4);
    PutLE(out, 3780, 4); // 96 dots per inch
    PutLE(out, 3780, 4);
    PutLE(out, 0, 4);
    PutLE(out, 0, 4);
    for (int y = src.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            out.append(static_cast<char>(qBlue(line[x])));
            out.append(static_cast<char>(qGreen(line[x])));
            out.append(static_cast<char>(qRed(line[x])));
            out.append('\0');
        }
    }
    return out;
}

} // namespace

bool TRzShapeButton::WriteBitmapUp(QByteArray& Data) const
{
    if (FBitmapUp.Empty())
        return false;
    Data = EncodeFormBitmap32(FBitmapUp.Image());
    return true;
}

bool TRzShapeButton::WriteBitmapDown(QByteArray& Data) const
{
    if (FBitmapDown.Empty())
        return false;
    Data = EncodeFormBitmap32(FBitmapDown.Image());
    return true;
}

void TRzShapeButton::ReadBitmapUp(const QByteArray& Data)
{
    FBitmapUp.SetImage(BmpCodec::Decode(Data));
}

void TRzShapeButton::ReadBitmapDown(const QByteArray& Data)
{
    FBitmapDown.SetImage(BmpCodec::Decode(Data));
}

void TRzShapeButton::Paint()
{
    if (FState == TRzButtonState::bsDisabled || FState == TRzButtonState::bsExclusive)
        FState = TRzButtonState::bsUp;
    TBitmap& image = FState == TRzButtonState::bsUp ? FBitmapUp : FBitmapDown;
    TCanvas& c = *Canvas();
    if (!image.Empty()) {
        const int at = FState == TRzButtonState::bsDown ? 1 : 0;
        c.StretchImage(TRect(at, at, at + image.Width(), at + image.Height()), image.Image(),
                       TRect(0, 0, image.Width(), image.Height()), SRCCOPY, TransparentKey());
    }
    if (!Caption().isEmpty()) {
        c.Font()->Assign(Font());
        DrawButtonCaption(c, Caption(), FState, CalcCaptionRect(c, Caption()));
    }
}

TRect TRzShapeButton::CalcCaptionRect(TCanvas& Canvas, const QString& Text)
{
    if (FCaptionPosition == TRzCaptionPosition::cpCentered)
        return TRect(0, 0, Width(), Height());
    TRect r(0, 0, Width(), 0);
    DrawTextIn(Canvas, Text, r, DT_CALCRECT | DT_SINGLELINE);
    return TRect(FCaptionX, FCaptionY, FCaptionX + r.Width(), FCaptionY + r.Height());
}

void TRzShapeButton::DrawButtonCaption(TCanvas& Canvas, const QString& Text, TRzButtonState State, TRect Rect)
{
    Canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    if (State == TRzButtonState::bsDown)
        Rect = TRect(Rect.Left + 1, Rect.Top + 1, Rect.Right + 1, Rect.Bottom + 1);
    DrawTextIn(Canvas, Text, Rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void TRzShapeButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || !Enabled())
        return;
    if (!FPreciseClick || PtInMask(X, Y)) {
        FState = TRzButtonState::bsDown;
        Repaint();
    }
    FDragging = true;
}

void TRzShapeButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    const bool inMask = PtInMask(X, Y);
    if (FPreciseShowHint && !inMask) {
        if (!FPrevShowHintSaved) {
            FPrevShowHint = ShowHint();
            FPrevShowHintSaved = true;
            SetShowHint(false);
        }
    } else if (FPreciseClick && !inMask) {
        if (!FPrevCursorSaved) {
            FPrevCursor = Cursor();
            FPrevCursorSaved = true;
            SetCursor(crDefault);
        }
    } else {
        if (FPrevShowHintSaved) {
            SetShowHint(FPrevShowHint);
            FPrevShowHintSaved = false;
        }
        if (FPrevCursorSaved) {
            SetCursor(FPrevCursor);
            FPrevCursorSaved = false;
        }
    }
    if (FDragging) {
        const TRzButtonState state = Inside(X, Y) ? TRzButtonState::bsDown : TRzButtonState::bsUp;
        if (state != FState) {
            FState = state;
            Repaint();
        }
    }
}

void TRzShapeButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging)
        return;
    FDragging = false;
    if (FState == TRzButtonState::bsDown) {
        FState = TRzButtonState::bsUp;
        Repaint();
    }
    if (Inside(X, Y))
        Click();
}

// The press/release pair reaches MouseDown/MouseUp only: the shape decides when it was clicked.
void TRzShapeButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (const auto r = ReleaseOf(event, ClientOrigin()))
        Guarded([&] { MouseUp(r->Button, r->Shift, r->Pos.x(), r->Pos.y()); }, this);
}

void TRzShapeButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGCHAR) {
        if (Enabled() && IsAccelerator(static_cast<char16_t>(Message.WParam), Caption())) {
            Click();
            Message.Result = 1;
        }
        return;
    }
    if (Message.Msg == CM_FONTCHANGED || Message.Msg == CM_TEXTCHANGED)
        Invalidate();
    TGraphicControl::Dispatch(Message);
}

} // namespace rz
