#include "widgets/RzBmpBtn.h"

#include "platform/ui/ParentImage.h"
#include "platform/ui/VirtualKeys.h"
#include "widgets/RzGrafx.h"

#include <QImage>

namespace rz {

using namespace vcl;

namespace {

// The down pattern shared by every bitmap button while any exists.
int g_liveButtons = 0;
std::unique_ptr<TBitmap> g_downPattern;

TBitmap& DownPattern()
{
    if (!g_downPattern) {
        g_downPattern = std::make_unique<TBitmap>();
        g_downPattern->SetSize(8, 8);
        TCanvas& c = *g_downPattern->Canvas();
        c.Brush()->SetColor(clBtnFace);
        c.FillRect(TRect(0, 0, 8, 8));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                if ((x & 1) == (y & 1))
                    c.SetPixels(x, y, clWhite);
    }
    return *g_downPattern;
}

bool Present(TBitmap* b)
{
    return b && !b->Empty();
}

} // namespace

// --- TRzButtonBitmaps ---

TRzButtonBitmaps::TRzButtonBitmaps()
{
    for (TBitmap* b : { &FUp, &FUpAndFocused, &FDisabled, &FDown, &FStayDown, &FHot })
        b->OnChange = [this](TObject*) { Changed(); };
}

void TRzButtonBitmaps::SetTransparentColor(TColor Value)
{
    if (FTransparentColor == Value)
        return;
    FTransparentColor = Value;
    Changed();
}

void TRzButtonBitmaps::Changed()
{
    if (OnChange)
        OnChange(this);
}

// --- TRzBmpButton ---

TRzBmpButton::TRzBmpButton(TComponent* AOwner)
    : TRzButtonControl(AOwner), FBitmaps(std::make_unique<TRzButtonBitmaps>())
{
    ++g_liveButtons;
    FBitmaps->OnChange = [this](TObject*) { BitmapsChanged(); };
    SetColor(clBtnFace);
    SetTabStop(true);
    // The face is composed in full on every paint: no background erase.
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetBounds(0, 0, 80, 30);
}

TRzBmpButton::~TRzBmpButton()
{
    if (--g_liveButtons == 0)
        g_downPattern.reset();
}

#define RZBB_SET_INVALIDATE(Field, Value) \
    if ((Field) == (Value))               \
        return;                           \
    (Field) = (Value);                    \
    Invalidate()

void TRzBmpButton::SetCaptionDownOffset(int Value) { RZBB_SET_INVALIDATE(FCaptionDownOffset, Value); }
void TRzBmpButton::SetLayout(TButtonLayout Value) { RZBB_SET_INVALIDATE(FLayout, Value); }
void TRzBmpButton::SetSpacing(int Value) { RZBB_SET_INVALIDATE(FSpacing, Value); }
void TRzBmpButton::SetShowFocus(bool Value) { RZBB_SET_INVALIDATE(FShowFocus, Value); }
void TRzBmpButton::SetShowDownPattern(bool Value) { RZBB_SET_INVALIDATE(FShowDownPattern, Value); }

void TRzBmpButton::SetMargin(int Value)
{
    if (Value < -1)
        return;
    RZBB_SET_INVALIDATE(FMargin, Value);
}

void TRzBmpButton::SetButtonStyle(TButtonStyle Value)
{
    if (FButtonStyle == Value)
        return;
    FButtonStyle = Value;
    ApplySizeRule();
    Invalidate();
}

void TRzBmpButton::SetButtonBorder(TButtonBorder Value)
{
    if (FButtonBorder == Value)
        return;
    FButtonBorder = Value;
    ApplySizeRule();
    Invalidate();
}

void TRzBmpButton::SetButtonSize(TBtnSize Value)
{
    if (FButtonSize == Value)
        return;
    FButtonSize = Value;
    ApplySizeRule();
    Invalidate();
}

void TRzBmpButton::SetGroupIndex(int Value)
{
    if (FGroupIndex == Value)
        return;
    FGroupIndex = Value;
    BroadcastGroup();
}

void TRzBmpButton::SetAllowAllUp(bool Value)
{
    if (FAllowAllUp == Value)
        return;
    FAllowAllUp = Value;
    BroadcastGroup();
}

void TRzBmpButton::SetDown(bool Value)
{
    if (FGroupIndex == 0)
        Value = false;
    if (Value == FDown)
        return;
    if (FDown && !FAllowAllUp)
        return;
    FDown = Value;
    FState = Value ? TRzButtonState::bsExclusive : TRzButtonState::bsUp;
    Invalidate();
    if (Value)
        BroadcastGroup();
}

void TRzBmpButton::BroadcastGroup()
{
    if (FGroupIndex == 0 || !Parent()) {
        FState = TRzButtonState::bsUp;
        return;
    }
    TWinControl* parent = Parent();
    for (int i = 0; i < parent->ControlCount(); ++i)
        parent->Controls(i)->Perform(UM_BMPBUTTON_GROUP, static_cast<WPARAM>(FGroupIndex),
                                     reinterpret_cast<LPARAM>(static_cast<TControl*>(this)));
}

void TRzBmpButton::Click()
{
    SetParentFormModalResult(this, FModalResult);
    TRzButtonControl::Click();
}

bool TRzBmpButton::NewStyle() const
{
    // The platform draws new-style controls.
    return FButtonStyle == TButtonStyle::bsNew || FButtonStyle == TButtonStyle::bsAutoDetect;
}

int TRzBmpButton::BorderWidthOfStyle() const
{
    switch (FButtonBorder) {
    case TButtonBorder::bbNone: return 0;
    case TButtonBorder::bbSingle: return 1;
    case TButtonBorder::bbButton: return NewStyle() ? 2 : 3;
    }
    return 0;
}

void TRzBmpButton::ApplySizeRule()
{
    if (FSizing || ComponentState().Contains(TComponentStateItem::csLoading) || FButtonSize == TBtnSize::bszNeither
        || FBitmaps->Up()->Empty())
        return;
    if (FButtonSize == TBtnSize::bszButtonToBitmap) {
        const int b = BorderWidthOfStyle();
        const int w = FBitmaps->Up()->Width() + 2 * b, h = FBitmaps->Up()->Height() + 2 * b;
        if (w != Width() || h != Height()) {
            FSizing = true;
            SetBounds(Left(), Top(), w, h);
            FSizing = false;
        }
    }
    Invalidate();
}

void TRzBmpButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const bool resized = AWidth != Width() || AHeight != Height();
    TRzButtonControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (resized)
        ApplySizeRule();
}

void TRzBmpButton::Loaded()
{
    TRzButtonControl::Loaded();
    ApplySizeRule();
}

void TRzBmpButton::BitmapsChanged()
{
    if (FButtonSize == TBtnSize::bszButtonToBitmap)
        ApplySizeRule();
    Invalidate();
}

void TRzBmpButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_DIALOGCHAR:
        if (Enabled() && IsAccelerator(static_cast<char16_t>(Message.WParam), Caption())) {
            Click();
            Message.Result = 1;
        }
        return;
    case UM_BMPBUTTON_GROUP: {
        auto* sender = dynamic_cast<TRzBmpButton*>(reinterpret_cast<TControl*>(Message.LParam));
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
    case CM_TEXTCHANGED:
    case CM_COLORCHANGED: Invalidate(); break;
    default: break;
    }
    TRzButtonControl::Dispatch(Message);
}

// --- input ---

void TRzBmpButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TRzButtonControl::MouseDown(Button, Shift, X, Y);
    const bool focused = Enabled() && TakeFocus();
    if (Button == TMouseButton::mbLeft && Enabled() && focused) {
        if (!FDown) {
            FState = TRzButtonState::bsDown;
            Repaint();
        }
        FDragging = true;
    }
    // The second press of a double click: OnDblClick only for a latched button.
    if (Shift.Contains(TShiftStateItem::ssDouble) && FDown && OnDblClick)
        OnDblClick(this);
}

void TRzBmpButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TRzButtonControl::MouseMove(Shift, X, Y);
    if (!FDragging)
        return;
    const bool inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y < ClientHeight();
    const TRzButtonState state = FDown ? TRzButtonState::bsExclusive
                                 : inside ? TRzButtonState::bsDown
                                          : TRzButtonState::bsUp;
    if (state != FState) {
        FState = state;
        Repaint();
    }
}

void TRzBmpButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TRzButtonControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging)
        return;
    FDragging = false;
    const bool clicked = X >= 0 && X < ClientWidth() && Y >= 0 && Y < ClientHeight();
    if (FGroupIndex == 0)
        FState = TRzButtonState::bsUp;
    else
        BroadcastGroup();
    ReleaseRule(clicked);
}

void TRzBmpButton::ReleaseRule(bool Clicked)
{
    if (FGroupIndex == 0) {
        FState = TRzButtonState::bsUp;
        Repaint();
    } else if (Clicked) {
        SetDown(!FDown);
        if (FDown)
            FState = TRzButtonState::bsExclusive;
        else
            FState = TRzButtonState::bsUp;
        Invalidate();
    } else if (FDown) {
        FState = TRzButtonState::bsExclusive;
        Repaint();
    }
    if (Clicked)
        Click();
}

void TRzBmpButton::KeyDown(WORD& Key, TShiftState Shift)
{
    TRzButtonControl::KeyDown(Key, Shift);
    if (Key == VK_RETURN) {
        Click();
        Key = 0; // used: the form's default button must not take the same Enter again
    } else if (Key == VK_SPACE && Enabled()) {
        if (!FDown) {
            FState = TRzButtonState::bsDown;
            Repaint();
        }
        FDragging = true;
    }
}

void TRzBmpButton::KeyUp(WORD& Key, TShiftState Shift)
{
    TRzButtonControl::KeyUp(Key, Shift);
    if (!FDragging)
        return;
    FDragging = false;
    FState = TRzButtonState::bsUp;
    ReleaseRule(true);
}

void TRzBmpButton::DoEnter()
{
    IsFocused = true;
    Invalidate();
    TRzButtonControl::DoEnter();
}

void TRzBmpButton::DoExit()
{
    IsFocused = false;
    Invalidate();
    TRzButtonControl::DoExit();
}

void TRzBmpButton::MouseEnter()
{
    FMouseOverButton = true;
    if (Present(FBitmaps->Hot()))
        Invalidate();
    TRzButtonControl::MouseEnter();
}

void TRzBmpButton::MouseLeave()
{
    FMouseOverButton = false;
    if (Present(FBitmaps->Hot()))
        Invalidate();
    TRzButtonControl::MouseLeave();
}

// --- painting ---

void TRzBmpButton::CreateDisabledImage(TBitmap& Up, TBitmap& Result)
{
    const int w = Up.Width(), h = Up.Height();
    Result.SetSize(w, h);
    const QImage src = Up.Image().convertToFormat(QImage::Format_RGB32);
    auto ink = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && (src.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu;
    };
    TCanvas& c = *Result.Canvas();
    const TColor face = ColorToRGB(clBtnFace), shadow = ColorToRGB(clBtnShadow);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            c.SetPixels(x, y, ink(x, y) ? shadow : ink(x - 1, y - 1) ? clWhite : face);
}

void TRzBmpButton::Paint()
{
    TBitmap face;
    face.SetDeviceScale(Canvas()->DeviceScale()); // as fine as the screen: the caption stays sharp
    face.SetSize(std::max(1, Width()), std::max(1, Height()));
    ComposeFace(*face.Canvas());
    Canvas()->StretchImage(TRect(0, 0, face.Width(), face.Height()), face.Image(),
                           TRect(0, 0, face.Width(), face.Height()), SRCCOPY);
}

void TRzBmpButton::ComposeFace(TCanvas& C)
{
    // State repair.
    if (!Enabled()) {
        FState = TRzButtonState::bsDisabled;
        FDragging = false;
    } else if (FState == TRzButtonState::bsDisabled) {
        FState = FDown ? TRzButtonState::bsDown : TRzButtonState::bsUp;
    }
    TRect work(0, 0, Width(), Height());
    C.Brush()->SetStyle(TBrushStyle::bsSolid);
    C.Brush()->SetColor(Color());
    C.FillRect(work);
    const bool pressed = FState == TRzButtonState::bsDown || FState == TRzButtonState::bsExclusive;
    switch (FButtonBorder) {
    case TButtonBorder::bbNone:
        // What lies behind shows through the transparent pixels. (No pause after the copy: a
        // window of such buttons would otherwise repaint in steps.)
        CopyParentImage(this, C);
        break;
    case TButtonBorder::bbSingle:
        FrameRectLines(C, work, clBlack);
        work = TRect(work.Left + 1, work.Top + 1, work.Right - 1, work.Bottom - 1);
        break;
    case TButtonBorder::bbButton: {
        const int bevel = NewStyle() ? 1 : 2;
        TRect r = work;
        if (IsFocused && FShowFocus)
            r = FrameRectLines(C, r, clBlack);
        r = pressed ? FrameBevel(C, r, clBtnShadow, clBtnShadow, bevel, sdAllSides)
                    : FrameBevel(C, r, clBtnHighlight, clBtnShadow, bevel, sdAllSides);
        work = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        break;
    }
    }
    if (FState == TRzButtonState::bsExclusive && FButtonBorder != TButtonBorder::bbNone) {
        const int bevel = NewStyle() ? 1 : 2;
        const int cut = NewStyle() ? 2 : 1;
        const TRect fill(work.Left - bevel, work.Top - bevel, work.Right - cut + bevel, work.Bottom - cut + bevel);
        if (FShowDownPattern)
            DrawBitmapTiled(C, DownPattern(), fill, clNone);
        else {
            C.Brush()->SetColor(Color());
            C.FillRect(fill);
        }
    }

    // Image choice.
    TBitmap* image = nullptr;
    TBitmap embossed;
    TRzButtonBitmaps& b = *FBitmaps;
    if (!Present(b.Up())) {
        if (FState == TRzButtonState::bsDisabled && Present(b.Disabled()))
            image = b.Disabled();
    } else {
        switch (FState) {
        case TRzButtonState::bsUp:
            if (FMouseOverButton && Present(b.Hot()))
                image = b.Hot();
            else if (IsFocused && FShowFocus && Present(b.UpAndFocused()))
                image = b.UpAndFocused();
            else
                image = b.Up();
            break;
        case TRzButtonState::bsDisabled:
            if (Present(b.Disabled()))
                image = b.Disabled();
            else {
                CreateDisabledImage(*b.Up(), embossed);
                image = &embossed;
            }
            break;
        case TRzButtonState::bsDown: image = Present(b.Down()) ? b.Down() : b.Up(); break;
        case TRzButtonState::bsExclusive:
            image = Present(b.StayDown()) ? b.StayDown() : Present(b.Down()) ? b.Down() : b.Up();
            break;
        }
    }

    // Layout of image and caption.
    const int W = work.Width(), H = work.Height();
    int gw = 0, gh = 0;
    if (FButtonSize == TBtnSize::bszNeither && image) {
        gw = image->Width();
        gh = image->Height();
    }
    C.Font()->Assign(Font());
    const QString caption = Caption();
    TRect extent(0, 0, W, 0);
    if (!caption.isEmpty())
        DrawTextIn(C, caption, extent, DT_CALCRECT | DT_SINGLELINE);
    else
        extent = TRect(0, 0, 0, 0);
    const int cw = extent.Width(), ch = extent.Height();
    TPoint glyphPos, textPos;
    const bool horizontal = FLayout == TButtonLayout::blGlyphLeft || FLayout == TButtonLayout::blGlyphRight;
    if (horizontal) {
        glyphPos.Y = H / 2 - gh / 2;
        textPos.Y = H / 2 - ch / 2;
    } else {
        glyphPos.X = W / 2 - gw / 2;
        textPos.X = W / 2 - cw / 2;
    }
    int spacing = FSpacing, margin = FMargin;
    if (cw == 0 || gw == 0)
        spacing = 0;
    const int client = horizontal ? W : H, gsize = horizontal ? gw : gh, csize = horizontal ? cw : ch;
    if (margin == -1 && spacing == -1) {
        margin = (client - gsize - csize) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = client / 2 - (gsize + spacing + csize) / 2;
    } else if (spacing == -1) {
        spacing = (client - margin - gsize) / 2 - csize / 2;
    }
    int g = 0, t = 0;
    if (FLayout == TButtonLayout::blGlyphLeft || FLayout == TButtonLayout::blGlyphTop) {
        g = margin;
        t = g + gsize + spacing;
    } else {
        g = client - margin - gsize;
        t = g - spacing - csize;
    }
    (horizontal ? glyphPos.X : glyphPos.Y) = g;
    (horizontal ? textPos.X : textPos.Y) = t;
    TRect captionRect(textPos.X + work.Left, textPos.Y + work.Top, textPos.X + work.Left + cw,
                      textPos.Y + work.Top + ch);
    TRect imageRect = work;
    if (gw != 0 || gh != 0)
        imageRect = TRect(glyphPos.X + work.Left, glyphPos.Y + work.Top, glyphPos.X + work.Left + gw,
                          glyphPos.Y + work.Top + gh);

    if (image) {
        const TColor key = b.TransparentColor();
        switch (FButtonSize) {
        case TBtnSize::bszNeither:
            DrawBitmapTransparent(C, *image, imageRect, TRect(0, 0, image->Width(), image->Height()), key);
            break;
        case TBtnSize::bszButtonToBitmap:
            DrawBitmapSized(C, *image, work, TRect(0, 0, image->Width(), image->Height()), key);
            break;
        case TBtnSize::bszStretchToButton: DrawBitmapStretched(C, *image, work, key); break;
        case TBtnSize::bszTileToButton: DrawBitmapTiled(C, *image, work, key); break;
        }
    }

    if (caption.isEmpty())
        return;
    C.Brush()->SetStyle(TBrushStyle::bsClear);
    const unsigned flags = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
    if (FState == TRzButtonState::bsDisabled) {
        TRect shifted(captionRect.Left + 1, captionRect.Top + 1, captionRect.Right + 1, captionRect.Bottom + 1);
        C.Font()->SetColor(clWhite);
        DrawTextIn(C, caption, shifted, flags);
        C.Font()->SetColor(RGB(128, 128, 128));
        DrawTextIn(C, caption, captionRect, flags);
    } else {
        if (pressed)
            captionRect = TRect(captionRect.Left + FCaptionDownOffset, captionRect.Top + FCaptionDownOffset,
                                captionRect.Right + FCaptionDownOffset, captionRect.Bottom + FCaptionDownOffset);
        DrawTextIn(C, caption, captionRect, flags);
    }
    if (IsFocused && FShowFocus) {
        C.Brush()->SetStyle(TBrushStyle::bsSolid);
        C.Brush()->SetColor(clBtnFace);
        FrameDottedRect(C, TRect(captionRect.Left - 2, captionRect.Top - 2, captionRect.Right + 2, captionRect.Bottom + 2));
    }
}

} // namespace rz
