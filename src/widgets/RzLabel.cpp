#include "widgets/RzLabel.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TWinControl.h"
#include "platform/ui/TextMetrics.h"

#include <QFontMetrics>
#include <QImage>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace rz {

using namespace vcl;

namespace {

std::unique_ptr<TRzBlinkingControlsList> g_blinkList;

// Draws Text in the canvas font turned by AngleDeg (counter-clockwise) with the point Align names at (X, Y).
void DrawTurned(TCanvas& C, const QString& Text, int X, int Y, double AngleDeg, TColor Colour,
                unsigned Align = TA_CENTER | TA_BASELINE)
{
    TRotatedFont font = CreateRotatedFont(*C.Font(), 0);
    font.Escapement = static_cast<int>(std::lround(AngleDeg * 10));
    DrawRotatedText(C, Text, X, Y, font, Colour, Align);
}

} // namespace

// --- shared blink list ---

TRzBlinkingControlsList::TRzBlinkingControlsList()
{
    FTimer.SetInterval(FIntervalOff);
    FTimer.OnTimer = [this](TObject*) { TimerFired(); };
    FTimer.SetEnabled(true);
}

TRzBlinkingControlsList::~TRzBlinkingControlsList() = default;

TRzBlinkingControlsList* TRzBlinkingControlsList::Instance()
{
    return g_blinkList.get();
}

void TRzBlinkingControlsList::Add(TControl* Control)
{
    FControls.push_back(Control);
}

void TRzBlinkingControlsList::Remove(TControl* Control)
{
    std::erase(FControls, Control);
}

void TRzBlinkingControlsList::SetIntervalOff(unsigned Value)
{
    FIntervalOff = Value & 0xFFFF;
    if (FBlinkState == TBlinkState::bsOn)
        FTimer.SetInterval(FIntervalOff);
}

void TRzBlinkingControlsList::SetIntervalOn(unsigned Value)
{
    FIntervalOn = Value & 0xFFFF;
    if (FBlinkState == TBlinkState::bsOff && FTimer.Interval() != FIntervalOff)
        FTimer.SetInterval(FIntervalOn);
}

void TRzBlinkingControlsList::TimerFired()
{
    FBlinkState = FBlinkState == TBlinkState::bsOn ? TBlinkState::bsOff : TBlinkState::bsOn;
    FTimer.SetInterval(FBlinkState == TBlinkState::bsOn ? FIntervalOff : FIntervalOn);
    const std::vector<TControl*> controls = FControls;
    for (TControl* c : controls)
        if (c->Perform(UM_BLINK_QUERY) == 1)
            c->Perform(UM_BLINK_SHOW, FBlinkState == TBlinkState::bsOn ? 0 : 1);
}

// --- TRzLabel ---

TRzLabel::TRzLabel(TComponent* AOwner) : TLabel(AOwner)
{
    if (!g_blinkList)
        g_blinkList = std::make_unique<TRzBlinkingControlsList>();
    g_blinkList->Add(this);
    TLabel::SetLayout(TTextLayout::tlTop);
    SetColor(clBtnFace);
    SetParentColor(true);
    FFontColor = Font()->Color();
    FCurrentColor = FFontColor;
}

TRzLabel::~TRzLabel()
{
    if (g_blinkList) {
        g_blinkList->Remove(this);
        if (g_blinkList->Count() == 0)
            g_blinkList.reset();
    }
}

#define RZL_SET_INVALIDATE(Field, Value) \
    if ((Field) == (Value))              \
        return;                          \
    (Field) = (Value);                   \
    Invalidate()

#define RZL_SET_ADJUST(Field, Value) \
    if ((Field) == (Value))          \
        return;                      \
    (Field) = (Value);               \
    AdjustBounds();                  \
    Invalidate()

void TRzLabel::SetAngle(int Value)
{
    // Any negative angle lands in 0..359, not only those down to -360.
    Value %= 360;
    if (Value < 0)
        Value += 360;
    FAngle = Value;
    if (FAngle != 0 && FRotation == TRzLabelRotation::roNone)
        FRotation = TRzLabelRotation::roFlat;
    AdjustBounds();
    Repaint();
}

void TRzLabel::SetRotation(TRzLabelRotation Value)
{
    FRotation = Value;
    if (Value == TRzLabelRotation::roNone)
        FAngle = 0;
    else if (Value == TRzLabelRotation::roFlat) {
        FAngle = 0;
        FCenterPoint = TCenterPoint::cpCenter;
    }
    Invalidate();
}

void TRzLabel::SetBlinking(bool Value)
{
    if (FBlinking == Value)
        return;
    FBlinking = Value;
    if (!Value) {
        FBlinkState = TBlinkState::bsOff;
        FCurrentColor = Font()->Color();
        Repaint();
    }
}

void TRzLabel::SetBlinkColor(TColor Value) { RZL_SET_INVALIDATE(FBlinkColor, Value); }

unsigned TRzLabel::BlinkIntervalOff() const
{
    return g_blinkList ? g_blinkList->IntervalOff() : 500;
}

void TRzLabel::SetBlinkIntervalOff(unsigned Value)
{
    if (g_blinkList)
        g_blinkList->SetIntervalOff(Value);
}

unsigned TRzLabel::BlinkIntervalOn() const
{
    return g_blinkList ? g_blinkList->IntervalOn() : 500;
}

void TRzLabel::SetBlinkIntervalOn(unsigned Value)
{
    if (g_blinkList)
        g_blinkList->SetIntervalOn(Value);
}

void TRzLabel::SetBevelWidth(int Value) { RZL_SET_ADJUST(FBevelWidth, Value); }
void TRzLabel::SetBorderInner(TFrameStyleEx Value) { RZL_SET_ADJUST(FBorderInner, Value); }
void TRzLabel::SetBorderOuter(TFrameStyleEx Value) { RZL_SET_ADJUST(FBorderOuter, Value); }
void TRzLabel::SetBorderSides(TSides Value) { RZL_SET_ADJUST(FBorderSides, Value); }
void TRzLabel::SetBorderWidth(int Value) { RZL_SET_ADJUST(FBorderWidth, Value); }
void TRzLabel::SetBorderColor(TColor Value) { RZL_SET_INVALIDATE(FBorderColor, Value); }
void TRzLabel::SetBorderHighlight(TColor Value) { RZL_SET_INVALIDATE(FBorderHighlight, Value); }
void TRzLabel::SetBorderShadow(TColor Value) { RZL_SET_INVALIDATE(FBorderShadow, Value); }
void TRzLabel::SetFlatColor(TColor Value) { RZL_SET_INVALIDATE(FFlatColor, Value); }
void TRzLabel::SetFlatColorAdjustment(int Value) { RZL_SET_INVALIDATE(FFlatColorAdjustment, Value); }
void TRzLabel::SetCenterPoint(TCenterPoint Value) { RZL_SET_INVALIDATE(FCenterPoint, Value); }
void TRzLabel::SetFlyByColor(TColor Value) { RZL_SET_INVALIDATE(FFlyByColor, Value); }
void TRzLabel::SetLightTextStyle(bool Value) { RZL_SET_INVALIDATE(FLightTextStyle, Value); }
void TRzLabel::SetTextStyle(TTextStyle Value) { RZL_SET_INVALIDATE(FTextStyle, Value); }
void TRzLabel::SetHighlightColor(TColor Value) { RZL_SET_INVALIDATE(FHighlightColor, Value); }
void TRzLabel::SetShadowColor(TColor Value) { RZL_SET_INVALIDATE(FShadowColor, Value); }
void TRzLabel::SetShadowDepth(int Value) { RZL_SET_INVALIDATE(FShadowDepth, Value); }
void TRzLabel::SetTextMargin(int Value) { RZL_SET_INVALIDATE(FTextMargin, Value); }
void TRzLabel::SetShowAccelChar(bool Value) { RZL_SET_ADJUST(FShowAccelChar, Value); }

void TRzLabel::SetCondenseCaption(TCondenseCaption Value)
{
    if (FCondenseCaption == Value)
        return;
    FCondenseCaption = Value;
    if (Value != TCondenseCaption::ccNone)
        SetAutoSize(false);
    Invalidate();
}

void TRzLabel::SetFlyByEnabled(bool Value)
{
    if (FFlyByEnabled == Value)
        return;
    FFlyByEnabled = Value;
    if (!Value && FMouseOver)
        Font()->SetColor(FOrigColor);
}

void TRzLabel::SetAutoSize(bool Value)
{
    TLabel::SetAutoSize(Value);
    AdjustBounds();
}

void TRzLabel::SetAlignment(TAlignment Value)
{
    TLabel::SetAlignment(Value);
    AdjustBounds();
}

void TRzLabel::SetWordWrap(bool Value)
{
    TLabel::SetWordWrap(Value);
    AdjustBounds();
}

TRect TRzLabel::AdjustRectForBorders(TRect Rect, bool IncludeBorderWidth) const
{
    return FrameInnerRect(Rect, FBorderOuter, FBorderInner, FBevelWidth, FBorderSides, FBorderWidth,
                          IncludeBorderWidth);
}

void TRzLabel::ShowBlinkState(bool On)
{
    if (On) {
        FBlinkState = TBlinkState::bsOn;
        FCurrentColor = FBlinkColor;
    } else {
        FBlinkState = TBlinkState::bsOff;
        FCurrentColor = Font()->Color();
    }
    Repaint();
}

unsigned TRzLabel::TextFlags() const
{
    unsigned flags = DT_EXPANDTABS;
    flags |= Alignment() == TAlignment::taLeftJustify  ? DT_LEFT
             : Alignment() == TAlignment::taRightJustify ? DT_RIGHT
                                                         : DT_CENTER;
    if (WordWrap())
        flags |= DT_WORDBREAK;
    if (!FShowAccelChar)
        flags |= DT_NOPREFIX;
    if (FCondenseCaption == TCondenseCaption::ccAtEnd)
        flags |= DT_END_ELLIPSIS;
    else if (FCondenseCaption == TCondenseCaption::ccWithinPath)
        flags |= DT_PATH_ELLIPSIS;
    return flags;
}

TRect TRzLabel::AdjustTextRect(TRect R) const
{
    int dw = 0, dh = 0;
    auto add = [&](int n) {
        if (FBorderSides.Contains(TSide::sdLeft))
            dw += n;
        if (FBorderSides.Contains(TSide::sdRight))
            dw += n;
        if (FBorderSides.Contains(TSide::sdTop))
            dh += n;
        if (FBorderSides.Contains(TSide::sdBottom))
            dh += n;
    };
    add(FrameStyleWidth(FBorderOuter, FBevelWidth));
    add(FBorderWidth);
    add(FrameStyleWidth(FBorderInner, FBevelWidth));
    int w = R.Width() + dw + 2 * FTextMargin, h = R.Height() + dh + 2 * FTextMargin;
    if (FRotation == TRzLabelRotation::roNone && FTextStyle == TTextStyle::tsShadow) {
        w += FShadowDepth;
        h += FShadowDepth;
    }
    if (FRotation == TRzLabelRotation::roFlat && FAngle != 0 && FAngle != 180) {
        if (FTextStyle == TTextStyle::tsShadow) {
            w += FShadowDepth / 2;
            h += FShadowDepth / 2;
        }
        double a = (FAngle % 90) * std::numbers::pi / 180.0;
        if (FAngle == 90 || FAngle == 270)
            a += std::numbers::pi / 2;
        const int w2 = RoundToInt(std::abs(std::cos(a) * w + std::sin(a) * h));
        const int h2 = RoundToInt(std::abs(std::sin(a) * w + std::cos(a) * h));
        w = w2;
        h = h2;
    }
    return TRect(R.Left, R.Top, R.Left + w, R.Top + h);
}

void TRzLabel::AdjustBounds()
{
    if (!AutoSize())
        return;
    TRect r = AdjustRectForBorders(TRect(0, 0, Width(), Height()), true);
    r = TRect(0, 0, r.Width(), r.Height());
    TBitmap probe;
    probe.SetSize(1, 1);
    probe.Canvas()->Font()->Assign(Font());
    QString text = Caption();
    if (text.isEmpty())
        text = QStringLiteral(" ");
    DrawTextIn(*probe.Canvas(), text, r, (TextFlags() & ~(DT_CENTER | DT_RIGHT)) | DT_CALCRECT);
    r = AdjustTextRect(r);
    int left = Left();
    if (Alignment() == TAlignment::taRightJustify)
        left = Left() + Width() - r.Right;
    SetBounds(left, Top(), r.Right, r.Bottom);
}

void TRzLabel::Paint()
{
    TCanvas& c = *Canvas();
    TPanelFrameParams p;
    p.Outer = FBorderOuter;
    p.Inner = FBorderInner;
    p.BorderWidth = FBorderWidth;
    p.Sides = FBorderSides;
    p.BevelWidth = FBevelWidth;
    p.BorderColor = FBorderColor;
    p.BorderHighlight = FBorderHighlight;
    p.BorderShadow = FBorderShadow;
    p.FlatColor = FFlatColor;
    p.FlatColorAdjustment = FFlatColorAdjustment;
    p.Color = Color();
    p.ParentColor = Parent() ? Parent()->Color() : Color();
    p.Transparent = Transparent();
    const TRect inner = PaintPanelFrame(c, TRect(0, 0, Width(), Height()), p);
    if (!Transparent()) {
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
        c.Brush()->SetColor(Color());
        c.FillRect(inner);
    }
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.Font()->Assign(Font());
    if (FRotation == TRzLabelRotation::roCurve) {
        DrawCurved(c);
        return;
    }
    TRect r = AdjustRectForBorders(TRect(0, 0, Width(), Height()), true);
    r = TRect(r.Left + FTextMargin, r.Top + FTextMargin, r.Right - FTextMargin, r.Bottom - FTextMargin);
    if (FRotation == TRzLabelRotation::roFlat && FAngle != 0)
        DrawFlatRotated(c, r);
    else
        DrawStraightText(c, r, TextFlags());
}

void TRzLabel::DrawStraightText(TCanvas& C, TRect R, unsigned Flags)
{
    const QString text = Caption();
    if (Layout() != TTextLayout::tlTop) {
        TRect calc = R;
        DrawTextIn(C, text, calc, Flags | DT_CALCRECT);
        const int free = R.Height() - calc.Height();
        R.Top += Layout() == TTextLayout::tlCenter ? free / 2 : free;
    }
    if (FTextStyle == TTextStyle::tsShadow) {
        if (Alignment() == TAlignment::taRightJustify)
            R = TRect(R.Left - FShadowDepth, R.Top, R.Right - FShadowDepth, R.Bottom);
        if (Layout() == TTextLayout::tlBottom)
            R = TRect(R.Left, R.Top - FShadowDepth, R.Right, R.Bottom - FShadowDepth);
    }
    auto at = [&](int dx, int dy, TColor colour) {
        TRect moved(R.Left + dx, R.Top + dy, R.Right + dx, R.Bottom + dy);
        C.Font()->SetColor(colour);
        DrawTextIn(C, text, moved, Flags);
    };
    if (!Enabled()) {
        at(0, 0, clGrayText);
        return;
    }
    switch (FTextStyle) {
    case TTextStyle::tsRaised:
        if (!FLightTextStyle)
            at(1, 1, FShadowColor);
        at(-1, -1, FHighlightColor);
        break;
    case TTextStyle::tsRecessed:
        at(1, 1, FHighlightColor);
        if (!FLightTextStyle)
            at(-1, -1, FShadowColor);
        break;
    case TTextStyle::tsShadow: at(FShadowDepth, FShadowDepth, FShadowColor); break;
    case TTextStyle::tsNormal: break;
    }
    at(0, 0, FCurrentColor);
}

// Rotated text turned about the client centre, clipped to R.
// The anchor of flat-rotated text: the right angles lay the text out from the frame's edges by the
// label's alignment, any other angle centres it on the client centre.
void TRzLabel::DrawFlatRotated(TCanvas& C, TRect R)
{
    TCanvasSaver saver(C);
    C.IntersectClipRect(R);
    const QString text = StripAccelerators(Caption());
    const int e = FTextStyle == TTextStyle::tsShadow ? FShadowDepth / 2 : 0;
    const int h = C.TextHeight(QStringLiteral("Pp"));
    const double q = h / 4.0;
    const double a = (FAngle + 90) * std::numbers::pi / 180.0;
    const int textWidth = C.TextWidth(text);
    const int w = textWidth + e;
    const int hs = h + e;
    const TAlignment align = Alignment();
    const bool centred = align == TAlignment::taCenter;
    const bool right = align == TAlignment::taRightJustify;
    int x = Width() / 2;
    int y = Height() / 2;
    unsigned anchor = TA_LEFT | TA_BASELINE;
    switch (FAngle) {
    case 0:
    case 360:
        anchor = centred ? (TA_CENTER | TA_TOP) : (TA_LEFT | TA_TOP);
        if (!centred)
            x = right ? R.Right - textWidth - 2 * e : R.Left + e;
        y -= hs / 2;
        break;
    case 90:
        x -= RoundToInt(std::cos(a) * q);
        y = centred ? R.Bottom - (R.Bottom - w) / 2 : right ? R.Top + w + e : R.Bottom - e;
        break;
    case 180:
        x = centred ? R.Right - (R.Right - w) / 2 : right ? R.Left + w : R.Right - e;
        y -= hs / 4;
        break;
    case 270:
        x -= RoundToInt(std::cos(a) * q);
        y = centred ? (R.Bottom - w) / 2 : right ? R.Bottom - w - e : R.Top + e;
        break;
    default:
        x -= RoundToInt(std::cos(a) * q);
        y += RoundToInt(std::sin(a) * q);
        anchor = TA_CENTER | TA_BASELINE;
        break;
    }
    auto out = [&](int dx, int dy, TColor colour) { DrawTurned(C, text, x + dx, y + dy, FAngle, colour, anchor); };
    if (!Enabled()) {
        out(0, 0, clGrayText);
        return;
    }
    switch (FTextStyle) {
    case TTextStyle::tsRaised:
        if (!FLightTextStyle)
            out(1, 1, FShadowColor);
        out(-1, -1, FHighlightColor);
        break;
    case TTextStyle::tsRecessed:
        out(1, 1, FHighlightColor);
        if (!FLightTextStyle)
            out(-1, -1, FShadowColor);
        break;
    case TTextStyle::tsShadow:
        out(e, e, FShadowColor);
        out(-e, -e, FCurrentColor);
        return;
    case TTextStyle::tsNormal: break;
    }
    out(0, 0, FCurrentColor);
}

void TRzLabel::DrawCurved(TCanvas& C)
{
    const int W = Width(), H = Height(), bw = FBorderWidth, b = 2 * FBorderWidth;
    int cx = W / 2, cy = H / 2, rx = W / 2 - b, ry = H / 2 - b;
    switch (FCenterPoint) {
    case TCenterPoint::cpUpperLeft: cx = bw; cy = bw; rx = W - b; ry = H - b; break;
    case TCenterPoint::cpUpperCenter: cy = bw; ry = H - b; break;
    case TCenterPoint::cpUpperRight: cx = W - bw; cy = bw; rx = W - b; ry = H - b; break;
    case TCenterPoint::cpLeftCenter: cx = bw; rx = W - b; break;
    case TCenterPoint::cpCenter: break;
    case TCenterPoint::cpRightCenter: cx = W - bw; rx = W - b; break;
    case TCenterPoint::cpLowerLeft: cx = bw; cy = H - bw; rx = W - b; ry = H - b; break;
    case TCenterPoint::cpLowerCenter: cy = H - bw; ry = H - b; break;
    case TCenterPoint::cpLowerRight: cx = W - bw; cy = H - bw; rx = W - b; ry = H - b; break;
    }
    if (rx <= 0)
        return;
    const int h = C.TextHeight(QStringLiteral("Yy"));
    const double step = (C.TextWidth(QStringLiteral("w")) + 2.0) / rx;
    double theta = FAngle * std::numbers::pi / 180.0;
    for (const QChar ch : StripAccelerators(Caption())) {
        const int x = cx - RoundToInt((rx - h) * std::sin(theta));
        const int y = cy - RoundToInt((ry - h) * std::cos(theta));
        const double deg = theta * 180.0 / std::numbers::pi;
        const QString s(ch);
        if (!Enabled()) {
            DrawTurned(C, s, x + 1, y + 1, deg, clBtnHighlight);
            DrawTurned(C, s, x, y, deg, clBtnShadow);
        } else {
            switch (FTextStyle) {
            case TTextStyle::tsRaised:
                if (!FLightTextStyle)
                    DrawTurned(C, s, x + 1, y + 1, deg, FShadowColor);
                DrawTurned(C, s, x - 1, y - 1, deg, FHighlightColor);
                break;
            case TTextStyle::tsRecessed:
                DrawTurned(C, s, x + 1, y + 1, deg, FHighlightColor);
                if (!FLightTextStyle)
                    DrawTurned(C, s, x - 1, y - 1, deg, FShadowColor);
                break;
            case TTextStyle::tsShadow:
                DrawTurned(C, s, x + FShadowDepth, y + FShadowDepth, deg, FShadowColor);
                break;
            case TTextStyle::tsNormal: break;
            }
            DrawTurned(C, s, x, y, deg, FCurrentColor);
        }
        theta -= step;
    }
}

void TRzLabel::MouseEnter()
{
    FMouseOver = true;
    if (FFlyByEnabled) {
        FOrigColor = Font()->Color();
        Font()->SetColor(FFlyByColor);
    }
    TLabel::MouseEnter();
}

void TRzLabel::MouseLeave()
{
    FMouseOver = false;
    if (FFlyByEnabled)
        Font()->SetColor(FOrigColor);
    TLabel::MouseLeave();
}

void TRzLabel::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case UM_BLINK_QUERY: Message.Result = FBlinking ? 1 : 0; return;
    case UM_BLINK_SHOW: ShowBlinkState(Message.WParam != 0); return;
    case CM_FONTCHANGED:
        if (!FBlinking)
            FCurrentColor = Font()->Color();
        AdjustBounds();
        Invalidate();
        TGraphicControl::Dispatch(Message); // the label's own sizing replaces the base class's
        return;
    case CM_TEXTCHANGED:
        AdjustBounds();
        Repaint();
        TGraphicControl::Dispatch(Message);
        return;
    default: TLabel::Dispatch(Message); return;
    }
}

void TRzLabel::Notification(TComponent* AComponent, TOperation Operation)
{
    TLabel::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove)
        FFrameController.Forget(AComponent);
}

void TRzLabel::ApplyFrameController()
{
    const TRzFrameController* fc = FFrameController.Get();
    if (!fc || !fc->FrameVisible())
        return;
    const TRzFrameControllerNotifications n = FFrameController.Notifications;
    using P = TRzFrameControllerProperty;
    if (n.Contains(P::fcpFrameStyle))
        FBorderOuter = fc->FrameStyle();
    if (n.Contains(P::fcpFrameSides))
        FBorderSides = fc->FrameSides();
    if (n.Contains(P::fcpFrameColor)) {
        FFlatColor = fc->FrameColor();
        FFlatColorAdjustment = 0;
    }
    if (n.Contains(P::fcpColor))
        SetColor(fc->Color());
    if (n.Contains(P::fcpParentColor))
        SetParentColor(fc->ParentColor());
    if (n.Contains(P::fcpColor)) {
        FBorderHighlight = ShadeLighter(Color(), 100);
        FBorderShadow = ShadeDarker(Color(), 50);
    }
    Invalidate();
}

} // namespace rz
