#include "widgets/RzPanel.h"

#include "platform/ui/ParentImage.h"
#include "platform/ui/TextMetrics.h"
#include "widgets/RzGrafx.h"

namespace rz {

using namespace vcl;

// --- TRzCustomPanel ---

TRzCustomPanel::TRzCustomPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 41);
}

TRzCustomPanel::~TRzCustomPanel() = default;

#define RZ_SET_INVALIDATE(Field, Value) \
    if ((Field) == (Value))             \
        return;                         \
    (Field) = (Value);                  \
    Invalidate()

#define RZ_SET_REALIGN(Field, Value) \
    if ((Field) == (Value))          \
        return;                      \
    (Field) = (Value);               \
    RealignAndInvalidate()

void TRzCustomPanel::RealignAndInvalidate()
{
    Realign();
    Invalidate();
}

void TRzCustomPanel::SetAlignmentVertical(TAlignmentVertical Value) { RZ_SET_INVALIDATE(FAlignmentVertical, Value); }
void TRzCustomPanel::SetAlignment(TAlignment Value) { RZ_SET_INVALIDATE(FAlignment, Value); }
void TRzCustomPanel::SetBorderInner(TFrameStyleEx Value) { RZ_SET_REALIGN(FBorderInner, Value); }
void TRzCustomPanel::SetBorderOuter(TFrameStyleEx Value) { RZ_SET_REALIGN(FBorderOuter, Value); }
void TRzCustomPanel::SetBorderSides(TSides Value) { RZ_SET_REALIGN(FBorderSides, Value); }
void TRzCustomPanel::SetBorderWidth(int Value) { RZ_SET_REALIGN(FBorderWidth, Value); }
void TRzCustomPanel::SetBevelWidth(int Value) { RZ_SET_REALIGN(FBevelWidth, Value); }
void TRzCustomPanel::SetBorderColor(TColor Value) { RZ_SET_INVALIDATE(FBorderColor, Value); }
void TRzCustomPanel::SetBorderHighlight(TColor Value) { RZ_SET_INVALIDATE(FBorderHighlight, Value); }
void TRzCustomPanel::SetBorderShadow(TColor Value) { RZ_SET_INVALIDATE(FBorderShadow, Value); }
void TRzCustomPanel::SetFlatColor(TColor Value) { RZ_SET_INVALIDATE(FFlatColor, Value); }
void TRzCustomPanel::SetFlatColorAdjustment(int Value) { RZ_SET_INVALIDATE(FFlatColorAdjustment, Value); }
void TRzCustomPanel::SetPaintClientArea(bool Value) { RZ_SET_INVALIDATE(FPaintClientArea, Value); }
void TRzCustomPanel::SetVisualStyle(TRzVisualStyle Value) { RZ_SET_INVALIDATE(FVisualStyle, Value); }
void TRzCustomPanel::SetGradientColorStyle(TRzGradientColorStyle Value) { RZ_SET_INVALIDATE(FGradientColorStyle, Value); }
void TRzCustomPanel::SetGridColor(TColor Value) { RZ_SET_INVALIDATE(FGridColor, Value); }
void TRzCustomPanel::SetGridStyle(TGridStyle Value) { RZ_SET_INVALIDATE(FGridStyle, Value); }
void TRzCustomPanel::SetGridXSize(int Value) { RZ_SET_INVALIDATE(FGridXSize, Value & 0xFFFF); }
void TRzCustomPanel::SetGridYSize(int Value) { RZ_SET_INVALIDATE(FGridYSize, Value & 0xFFFF); }
void TRzCustomPanel::SetShowGrid(bool Value) { RZ_SET_INVALIDATE(FShowGrid, Value); }
void TRzCustomPanel::SetTextMargin(int Value) { RZ_SET_INVALIDATE(FTextMargin, Value); }
void TRzCustomPanel::SetTextMarginVertical(int Value) { RZ_SET_INVALIDATE(FTextMarginVertical, Value); }
void TRzCustomPanel::SetWordWrap(bool Value) { RZ_SET_INVALIDATE(FWordWrap, Value); }

void TRzCustomPanel::SetGridSize(int X, int Y)
{
    SetGridXSize(X);
    SetGridYSize(Y);
}

void TRzCustomPanel::SetGradientColorStart(TColor Value)
{
    if (FGradientColorStart == Value)
        return;
    FGradientColorStart = Value;
    Invalidate();
    InvalidateTransparentChildren();
}

void TRzCustomPanel::SetGradientColorStop(TColor Value)
{
    if (FGradientColorStop == Value)
        return;
    FGradientColorStop = Value;
    Invalidate();
    InvalidateTransparentChildren();
}

void TRzCustomPanel::SetGradientDirection(TGradientDirection Value)
{
    if (FGradientDirection == Value)
        return;
    FGradientDirection = Value;
    Invalidate();
    InvalidateTransparentChildren();
}

void TRzCustomPanel::InvalidateTransparentChildren()
{
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (auto* p = dynamic_cast<TRzCustomPanel*>(c); p && p->Transparent())
            p->Invalidate();
        else if (auto* l = dynamic_cast<TLabel*>(c); l && l->Transparent())
            l->Invalidate();
    }
}

void TRzCustomPanel::SetTransparent(bool Value)
{
    if (FTransparent == Value)
        return;
    FTransparent = Value;
    // A transparent panel leaves its background to the parent's image.
    setAutoFillBackground(!Value);
    Invalidate();
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->Invalidate();
}

void TRzCustomPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (Align() == TAlign::alBottom && AHeight != Height() && ATop == Top())
        ATop = Top() + Height() - AHeight;
    if (Align() == TAlign::alRight && AWidth != Width() && ALeft == Left())
        ALeft = Left() + Width() - AWidth;
    const bool resized = AWidth != Width() || AHeight != Height();
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (resized && FDockManager)
        FDockManager->ResetBounds();
}

TRect TRzCustomPanel::AdjustRectForBorders(TRect Rect, bool IncludeBorderWidth) const
{
    return FrameInnerRect(Rect, FBorderOuter, FBorderInner, FBevelWidth, FBorderSides, FBorderWidth,
                          IncludeBorderWidth);
}

void TRzCustomPanel::AdjustClientRect(TRect& Rect) const
{
    Rect = AdjustRectForBorders(Rect, true);
}

TColorPair TRzCustomPanel::GetGradientColors() const
{
    if (FGradientColorStyle == TRzGradientColorStyle::gcsCustom)
        return { FGradientColorStart, FGradientColorStop };
    return SchemeGradientColors(FGradientColorStyle);
}

std::pair<TColor, int> TRzCustomPanel::GetFlatFrameColor() const
{
    if (FVisualStyle == TRzVisualStyle::vsGradient && FGradientColorStyle != TRzGradientColorStyle::gcsCustom)
        return { SchemeFrameColor(FGradientColorStyle), 0 };
    return { FFlatColor, FFlatColorAdjustment };
}

TColor TRzCustomPanel::ParentColorValue() const
{
    return Parent() ? Parent()->Color() : Color();
}

void TRzCustomPanel::EraseBackground()
{
    if (FTransparent && FPaintClientArea)
        CopyParentImage(this, *Canvas());
}

void TRzCustomPanel::Paint()
{
    EraseBackground();
    PaintPanel();
    if (FDockManager)
        FDockManager->PaintSite(*Canvas());
}

TRzPanelDockManager* TRzCustomPanel::DockManager()
{
    if (!FDockManager && FDockSite && FUseDockManager)
        FDockManager = std::make_unique<TRzPanelDockManager>(*this);
    return FDockManager.get();
}

void TRzCustomPanel::PaintPanel()
{
    TCanvas& c = *Canvas();
    TRect bounds = GetPaintBounds();
    const auto [flatColor, flatAdjust] = GetFlatFrameColor();
    TPanelFrameParams p;
    p.Outer = FBorderOuter;
    p.Inner = FBorderInner;
    p.BorderWidth = FBorderWidth;
    p.Sides = FBorderSides;
    p.BevelWidth = FBevelWidth;
    p.BorderColor = FBorderColor;
    p.BorderHighlight = FBorderHighlight;
    p.BorderShadow = FBorderShadow;
    p.FlatColor = flatColor;
    p.FlatColorAdjustment = flatAdjust;
    p.Color = Color();
    p.ParentColor = ParentColorValue();
    p.Transparent = FTransparent;
    p.RoundedInnerFlat = false;
    bounds = PaintPanelFrame(c, bounds, p);

    if (!FTransparent && FPaintClientArea) {
        const bool rounded = (FBorderOuter == TFrameStyleEx::fsFlatRounded && FBorderInner == TFrameStyleEx::fsNone
                              && FBorderWidth == 0)
                             || FBorderInner == TFrameStyleEx::fsFlatRounded;
        TRect fill = bounds;
        if (rounded) {
            if (FBorderSides.Contains(TSide::sdLeft))
                --fill.Left;
            if (FBorderSides.Contains(TSide::sdTop))
                --fill.Top;
            if (FBorderSides.Contains(TSide::sdRight))
                ++fill.Right;
            if (FBorderSides.Contains(TSide::sdBottom))
                ++fill.Bottom;
        }
        if (FVisualStyle == TRzVisualStyle::vsGradient) {
            const TColorPair g = GetGradientColors();
            FillGradient(c, fill, FGradientDirection, g.Start, g.Stop, 1);
        } else {
            c.Brush()->SetStyle(TBrushStyle::bsSolid);
            c.Brush()->SetColor(Color());
            c.FillRect(fill);
        }
        if (rounded) {
            const TColor corner = ShadeBy(flatColor, flatAdjust);
            const bool l = FBorderSides.Contains(TSide::sdLeft), t = FBorderSides.Contains(TSide::sdTop);
            const bool r = FBorderSides.Contains(TSide::sdRight), b = FBorderSides.Contains(TSide::sdBottom);
            if (l && t)
                c.SetPixels(fill.Left, fill.Top, corner);
            if (t && r)
                c.SetPixels(fill.Right - 1, fill.Top, corner);
            if (r && b)
                c.SetPixels(fill.Right - 1, fill.Bottom - 1, corner);
            if (b && l)
                c.SetPixels(fill.Left, fill.Bottom - 1, corner);
        }
    }
    if (FShowGrid)
        DrawGrid(bounds);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    DrawCaption(bounds);
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    if (OnPaint)
        OnPaint(this);
}

void TRzCustomPanel::DrawCaption(TRect Rect)
{
    const QString caption = Caption();
    if (caption.isEmpty())
        return;
    TCanvas& c = *Canvas();
    c.Font()->Assign(Font());
    TRect r(Rect.Left + FTextMargin, Rect.Top + FTextMarginVertical, Rect.Right - FTextMargin,
            Rect.Bottom - FTextMarginVertical);
    unsigned flags = DT_EXPANDTABS | DT_VCENTER;
    if (FWordWrap)
        flags |= DT_WORDBREAK;
    flags |= FAlignment == TAlignment::taLeftJustify ? DT_LEFT
             : FAlignment == TAlignment::taRightJustify ? DT_RIGHT
                                                        : DT_CENTER;
    TRect calc = r;
    const int h = DrawTextIn(c, caption, calc, flags | DT_CALCRECT);
    switch (FAlignmentVertical) {
    case TAlignmentVertical::avTop: r.Bottom = std::min(r.Bottom, r.Top + h); break;
    case TAlignmentVertical::avCenter:
        r.Top = (r.Top + r.Bottom - h) / 2;
        r.Bottom = std::min(r.Bottom, r.Top + h);
        break;
    case TAlignmentVertical::avBottom: r.Top = std::max(r.Top, r.Bottom - h - 1); break;
    }
    if (!Enabled())
        c.Font()->SetColor(clGrayText);
    DrawTextIn(c, caption, r, flags);
}

void TRzCustomPanel::DrawGrid(TRect Rect)
{
    TCanvas& c = *Canvas();
    const int cols = FGridXSize > 0 ? (Rect.Right - Rect.Left) / FGridXSize : 0;
    const int rows = FGridYSize > 0 ? (Rect.Bottom - Rect.Top) / FGridYSize : 0;
    c.Pen()->SetColor(FGridColor);
    c.Pen()->SetStyle(TPenStyle::psSolid);
    switch (FGridStyle) {
    case TGridStyle::gsDots:
        for (int i = 1; i <= cols; ++i)
            for (int j = 1; j <= rows; ++j)
                c.SetPixels(Rect.Left + i * FGridXSize - 1, Rect.Top + j * FGridYSize - 1, FGridColor);
        break;
    case TGridStyle::gsSolidLines:
        for (int i = 1; i <= cols; ++i) {
            const int x = Rect.Left + i * FGridXSize - 1;
            c.MoveTo(x, Rect.Top);
            c.LineTo(x, Rect.Bottom);
        }
        for (int j = 1; j <= rows; ++j) {
            const int y = Rect.Top + j * FGridYSize - 1;
            c.MoveTo(Rect.Left, y);
            c.LineTo(Rect.Right, y);
        }
        break;
    case TGridStyle::gsDottedLines:
        for (int i = 1; i <= cols; ++i) {
            const int x = Rect.Left + i * FGridXSize - 1;
            for (int y = Rect.Top + 1; y < Rect.Bottom; y += 2)
                c.SetPixels(x, y, FGridColor);
        }
        for (int j = 1; j <= rows; ++j) {
            const int y = Rect.Top + j * FGridYSize - 1;
            for (int x = Rect.Left + 1; x < Rect.Right; x += 2)
                c.SetPixels(x, y, FGridColor);
        }
        break;
    }
}

void TRzCustomPanel::EnabledChanged()
{
    if (!Enabled()) {
        FEnabledList.clear();
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* child = Controls(i);
            FEnabledList.emplace_back(child, child->Enabled());
            child->SetEnabled(false);
        }
    } else {
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* child = Controls(i);
            bool enable = true;
            for (const auto& [who, was] : FEnabledList)
                if (who == child)
                    enable = was;
            if (enable)
                child->SetEnabled(true);
        }
    }
    Invalidate();
}

void TRzCustomPanel::Dispatch(TMessage& Message)
{
    TCustomControl::Dispatch(Message);
    switch (Message.Msg) {
    case CM_ENABLEDCHANGED: EnabledChanged(); break;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED: Invalidate(); break;
    default: break;
    }
}

// --- TRzPanel ---

TRzPanel::TRzPanel(TComponent* AOwner) : TRzCustomPanel(AOwner) {}

// --- TRzCustomGroupBox ---

TRzCustomGroupBox::TRzCustomGroupBox(TComponent* AOwner)
    : TRzCustomPanel(AOwner), FCaptionFont(std::make_unique<TFont>())
{
    SetBorderOuter(TFrameStyleEx::fsNone);
    SetBorderInner(TFrameStyleEx::fsNone);
    SetAlignment(TAlignment::taLeftJustify);
    SetAlignmentVertical(TAlignmentVertical::avTop);
    SetHeight(105);
    FCaptionFont->Assign(Font());
    FCaptionFont->OnChange = [this](TObject*) {
        if (FCopyingFont)
            return;
        FCaptionFontChanged = true;
        Invalidate();
    };
}

TRzCustomGroupBox::~TRzCustomGroupBox() = default;

void TRzCustomGroupBox::SetGroupStyle(TGroupBoxStyle Value)
{
    RZ_SET_REALIGN(FGroupStyle, Value);
}

void TRzCustomGroupBox::SetBannerHeight(int Value)
{
    RZ_SET_REALIGN(FBannerHeight, Value);
}

void TRzCustomGroupBox::SetCaptionFont(const TFont* Value)
{
    if (Value)
        FCaptionFont->Assign(const_cast<TFont*>(Value));
}

void TRzCustomGroupBox::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGCHAR) {
        // The caption's accelerator moves the focus to the first child that can take it.
        if (CanFocus() && IsAccelerator(static_cast<char16_t>(Message.WParam), Caption())) {
            TWinControl* first = nullptr;
            for (int i = 0; i < ControlCount(); ++i)
                if (auto* w = dynamic_cast<TWinControl*>(Controls(i)); w && w->CanFocus()
                                                                        && (!first || w->TabOrder() < first->TabOrder()))
                    first = w;
            if (first)
                first->SetFocus();
            Message.Result = 1;
        }
        return;
    }
    if (Message.Msg == CM_FONTCHANGED && !FCaptionFontChanged) {
        FCopyingFont = true;
        FCaptionFont->Assign(Font());
        FCopyingFont = false;
    }
    TRzCustomPanel::Dispatch(Message);
}

void TRzCustomGroupBox::AdjustClientRect(TRect& Rect) const
{
    TRzCustomPanel::AdjustClientRect(Rect);
    const int h = TextMetrics().TextExtent(*Font(), QStringLiteral("Yy")).cy;
    auto shrink = [&Rect](int n) { Rect = TRect(Rect.Left + n, Rect.Top + n, Rect.Right - n, Rect.Bottom - n); };
    switch (FGroupStyle) {
    case TGroupBoxStyle::gsCustom:
        if (!Caption().isEmpty())
            Rect.Top += h;
        shrink(2);
        break;
    case TGroupBoxStyle::gsTopLine: Rect.Top += h; break;
    case TGroupBoxStyle::gsBanner: Rect.Top += FBannerHeight != 0 ? FBannerHeight : h + 8; break;
    case TGroupBoxStyle::gsUnderline: Rect.Top += h + 4; break;
    case TGroupBoxStyle::gsStandard:
    case TGroupBoxStyle::gsFlat: {
        const int a = h / 2 - 1;
        Rect.Top += a < BorderWidth() ? a : h - BorderWidth();
        shrink(FGroupStyle == TGroupBoxStyle::gsStandard ? 2 : 1);
        break;
    }
    }
}

void TRzCustomGroupBox::Paint()
{
    TCanvas& c = *Canvas();
    c.Font()->Assign(FCaptionFont.get());
    if (FGroupStyle == TGroupBoxStyle::gsCustom) {
        EraseBackground();
        PaintPanel();
    } else {
        PaintStyled();
    }
    c.Font()->Assign(Font());
}

// The five framed styles, drawn classically (no visual styles on this platform).
void TRzCustomGroupBox::PaintStyled()
{
    TCanvas& c = *Canvas();
    TCanvasSaver saver(c);
    c.Font()->Assign(FCaptionFont.get());
    const int h = c.TextHeight(QStringLiteral("Pp"));
    const QString caption = Caption();
    const int W = Width(), H = Height();
    TRect q;
    if (!caption.isEmpty()) {
        const TSize ext = c.TextExtent(StripAccelerators(caption));
        const int cx = ext.cx, cy = ext.cy;
        const bool rtl = Alignment() == TAlignment::taRightJustify;
        switch (FGroupStyle) {
        case TGroupBoxStyle::gsStandard:
        case TGroupBoxStyle::gsFlat: q = rtl ? TRect(W - cx - 8, 0, W - 8, cy) : TRect(8, 0, cx + 8, cy); break;
        case TGroupBoxStyle::gsTopLine: q = rtl ? TRect(W - cx - 4, 0, W - 4, cy) : TRect(0, 0, cx + 4, cy); break;
        case TGroupBoxStyle::gsBanner: q = TRect(0, 0, W, FBannerHeight != 0 ? FBannerHeight : cy + 6); break;
        case TGroupBoxStyle::gsUnderline: q = TRect(0, 0, W, cy + 2); break;
        case TGroupBoxStyle::gsCustom: break;
        }
    }
    const TRect f(0, h / 2 - 1, W, H);
    if (Transparent()) {
        EraseBackground();
        if (FGroupStyle != TGroupBoxStyle::gsBanner && !q.IsEmpty())
            c.ExcludeClipRect(q);
    } else {
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
        c.Brush()->SetColor(Color());
        c.FillRect(TRect(0, 0, W, H));
    }
    const auto [flatColor, flatAdjust] = GetFlatFrameColor();
    const TColor m = ShadeBy(flatColor, flatAdjust);
    c.Pen()->SetStyle(TPenStyle::psSolid);
    c.Pen()->SetWidth(1);
    auto line = [&c](int x1, int y1, int x2, int y2) {
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
    };
    const TSides top { TSide::sdTop };
    switch (FGroupStyle) {
    case TGroupBoxStyle::gsStandard:
        if (BorderOuter() == TFrameStyleEx::fsNone)
            PaintFrameStyleSides(c, f, TFrameStyleEx::fsGroove, sdAllSides);
        else if (BorderOuter() == TFrameStyleEx::fsFlat)
            FrameRectLines(c, f, m);
        else if (BorderOuter() == TFrameStyleEx::fsFlatBold)
            FrameBevel(c, f, m, m, 2, sdAllSides);
        else
            PaintFrameStyleSides(c, f, BorderOuter(), sdAllSides);
        break;
    case TGroupBoxStyle::gsTopLine:
        if (BorderOuter() == TFrameStyleEx::fsNone)
            PaintFrameStyleSides(c, f, TFrameStyleEx::fsGroove, top);
        else if (BorderOuter() == TFrameStyleEx::fsFlat || BorderOuter() == TFrameStyleEx::fsFlatBold) {
            c.Pen()->SetColor(m);
            line(f.Left + 2, f.Top, f.Right - 2, f.Top);
            if (BorderOuter() == TFrameStyleEx::fsFlatBold)
                line(f.Left + 2, f.Top + 1, f.Right - 2, f.Top + 1);
        } else
            PaintFrameStyleSides(c, f, BorderOuter(), top);
        break;
    case TGroupBoxStyle::gsFlat:
        FrameRounded(c, f, m, sdAllSides);
        break;
    case TGroupBoxStyle::gsBanner: {
        TColor start, stop, lineColor;
        if (GradientColorStyle() == TRzGradientColorStyle::gcsCustom) {
            start = GradientColorStart();
            stop = GradientColorStop();
            lineColor = m;
        } else {
            const TBannerColors b = SchemeBannerColors(GradientColorStyle());
            start = b.Start;
            stop = b.Stop;
            lineColor = b.Line;
        }
        if (!q.IsEmpty()) {
            c.Pen()->SetColor(lineColor);
            line(q.Left, q.Top + 1, q.Left, q.Bottom - 1);
            line(q.Right - 1, q.Top + 1, q.Right - 1, q.Bottom - 1);
            line(q.Left + 1, q.Top, q.Right - 1, q.Top);
            line(q.Left + 1, q.Bottom - 1, q.Right - 1, q.Bottom - 1);
            q = TRect(q.Left + 1, q.Top + 1, q.Right - 1, q.Bottom - 1);
            FillGradient(c, q, TGradientDirection::gdHorizontalEnd, start, stop, 1);
        }
        break;
    }
    case TGroupBoxStyle::gsUnderline:
        if (!q.IsEmpty()) {
            c.Pen()->SetColor(m);
            line(q.Left, q.Bottom, q.Right, q.Bottom);
        }
        break;
    case TGroupBoxStyle::gsCustom: break;
    }
    if (caption.isEmpty())
        return;
    if (!Transparent() && FGroupStyle != TGroupBoxStyle::gsBanner) {
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
        c.Brush()->SetColor(Color());
        c.FillRect(q);
    }
    if (FGroupStyle == TGroupBoxStyle::gsBanner)
        q = TRect(q.Left + 4, q.Top + 1, q.Right - 4, q.Bottom - 1);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    if (!Enabled())
        c.Font()->SetColor(clGrayText);
    c.SetClipRegion(std::nullopt);
    const unsigned align = Alignment() == TAlignment::taLeftJustify  ? DT_LEFT
                           : Alignment() == TAlignment::taRightJustify ? DT_RIGHT
                                                                       : DT_CENTER;
    DrawTextIn(c, caption, q, DT_SINGLELINE | DT_VCENTER | align);
}

// --- TRzGroupBox ---

TRzGroupBox::TRzGroupBox(TComponent* AOwner) : TRzCustomGroupBox(AOwner) {}

void TRzCustomPanel::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove)
        FFrameController.Forget(AComponent);
}

void TRzCustomPanel::ApplyFrameController()
{
    const TRzFrameController* fc = FFrameController.Get();
    if (!fc || !fc->FrameVisible())
        return;
    if (auto* box = dynamic_cast<TRzCustomGroupBox*>(this); box && box->GroupStyle() != TGroupBoxStyle::gsCustom)
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
