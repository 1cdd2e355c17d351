#include "plot/iRadioGroup.h"

#include "plot/iGPCanvas.h"
#include "plot/iGPText.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/TCanvas.h"
#include "platform/ui/VirtualKeys.h"

#include <array>
#include <cmath>

using namespace vcl;

namespace {

// One pixel line of a round button's bezel, offsets from the button's centre (D, B).
struct BezelLine
{
    TColor color;
    int x1, y1, x2, y2;
};

constexpr std::array<BezelLine, 29> kBezel { {
    { cl3DDkShadow, -4, -2, -4, 2 },   { cl3DDkShadow, -3, 2, -3, 3 },    { cl3DDkShadow, -3, -3, -3, -5 },
    { cl3DDkShadow, -3, -4, -1, -4 },  { cl3DDkShadow, -1, -5, 3, -5 },   { cl3DDkShadow, 3, -4, 5, -4 },
    { clBtnShadow, -5, -2, -5, 2 },    { clBtnShadow, -4, 2, -4, 4 },     { clBtnShadow, -4, -3, -4, -5 },
    { clBtnShadow, -3, -5, -1, -5 },   { clBtnShadow, -1, -6, 3, -6 },    { clBtnShadow, 3, -5, 5, -5 },
    { clBtnFace, 6, -3, 6, -5 },       { clBtnFace, 6, 2, 6, 6 },         { clBtnFace, 5, -2, 5, 2 },
    { clBtnFace, 4, -3, 4, -2 },       { clBtnFace, 4, 2, 4, 4 },         { clBtnFace, 5, 4, 5, 6 },
    { clBtnFace, -5, 5, -1, 5 },       { clBtnFace, 3, 5, 5, 5 },         { clBtnFace, -1, 4, 3, 4 },
    { clBtnFace, 3, 3, 4, 3 },         { clBtnFace, -3, 3, -1, 3 },       { clBtnHighlight, 5, -3, 5, -5 },
    { clBtnHighlight, 6, -2, 6, 2 },   { clBtnHighlight, 5, 2, 5, 4 },    { clBtnHighlight, 3, 4, 5, 4 },
    { clBtnHighlight, -1, 5, 3, 5 },   { clBtnHighlight, -3, 4, -1, 4 },
} };

void Line(TCanvas* Canvas, TColor Color, int X1, int Y1, int X2, int Y2)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->MoveTo(X1, Y1);
    Canvas->LineTo(X2, Y2);
}

} // namespace

TiRadioGroup::TiRadioGroup(TComponent* AOwner)
    : TiCustomComponent(AOwner), FFont(std::make_unique<TFont>()), FItems(std::make_unique<TStringList>())
{
    FFont->OnChange = [this](TObject*) { ClampItemIndex(); };
    FItems->OnChange = [this](TObject*) { ClampItemIndex(); };
    SetTabStop(true);
    SetBounds(Left(), Top(), 97, 17);
    SetTransparent(true);
}

TiRadioGroup::~TiRadioGroup()
{
    FFont->OnChange = nullptr;
    FItems->OnChange = nullptr;
}

void TiRadioGroup::SetCaption(const QString& Value)
{
    if (FCaption == Value)
        return;
    FCaption = Value;
    InvalidateChange();
}

void TiRadioGroup::SetItemIndex(int Value)
{
    Value = std::clamp(Value, -1, FItems->Count() - 1);
    if (Value == FItemIndex)
        return;
    FItemIndex = Value;
    FMouseDownIndex = Value;
    InvalidateChange();
    DoChange();
}

void TiRadioGroup::SetColumns(int Value)
{
    if (Value < 1 || Value == FColumns)
        return;
    FColumns = Value;
    InvalidateChange();
}

void TiRadioGroup::ClampItemIndex()
{
    FItemIndex = std::clamp(FItemIndex, -1, FItems->Count() - 1);
    InvalidateChange();
}

void TiRadioGroup::DoChange()
{
    if (IsLoading())
        return;
    if (OnChangeProtected)
        OnChangeProtected(this, QStringLiteral("ItemIndex"));
    if (OnChange)
        OnChange(this);
    if (FUserGenerated && OnChangeUser)
        OnChangeUser(this);
}

void TiRadioGroup::UpdateLayout(TCanvas* Canvas)
{
    const int count = FItems->Count();
    FMaxRows = std::max(1, count / FColumns + (count % FColumns != 0 ? 1 : 0));
    const int th = Canvas->TextHeight(QStringLiteral("ABC"));
    FItemsRowSpacing = (Height() - th - th / 4) / FMaxRows;
    FItemsRowStart = RoundToInt(th + FItemsRowSpacing / 2);
    FItemsColStart = 14;
    FItemsColSpacing = (Width() - 14) / FColumns;
}

int TiRadioGroup::IndexAtPoint(int X, int Y) const
{
    if (FItemsRowSpacing == 0)
        return -1;
    const int row = RoundToInt((Y - FItemsRowStart) / FItemsRowSpacing);
    if (FColumns == 1)
        return row;
    if (FItemsColSpacing == 0)
        return -1;
    return static_cast<int>(std::trunc((X - FItemsColStart + 6) / FItemsColSpacing)) * FMaxRows + row;
}

void TiRadioGroup::iPaintTo(TCanvas* Canvas)
{
    DrawBackGround(Canvas, BackGroundColor());
    Canvas->Font()->Assign(FFont.get());
    UpdateLayout(Canvas);
    const int th = Canvas->TextHeight(QStringLiteral("ABC"));
    const int aw = Canvas->TextWidth(QStringLiteral("A"));
    const int W = Width();
    const int H = Height();
    const int h = th / 2;

    Canvas->Pen()->SetStyle(TPenStyle::psSolid);
    Canvas->Pen()->SetWidth(1);
    Line(Canvas, clBtnHighlight, 1, h + 1, W - 2, h + 1);
    Line(Canvas, clBtnHighlight, 1, h + 1, 1, H - 1);
    Canvas->Pen()->SetColor(clBtnShadow);
    Canvas->Polyline({ TPoint(0, h), TPoint(W - 2, h), TPoint(W - 2, H - 2), TPoint(0, H - 2), TPoint(0, h) });
    Line(Canvas, clBtnHighlight, W - 1, h + 1, W - 1, H - 1);
    Line(Canvas, clBtnHighlight, W - 1, H - 1, 0, H - 1);

    const TSize captionSize = Canvas->TextExtent(FCaption);
    TRect captionRect(aw, 0, aw + captionSize.cx, captionSize.cy);
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas->Brush()->SetColor(clWindow);
    Canvas->FillRect(captionRect);
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    iDrawText(Canvas, FCaption, captionRect, iTextFlag::Left | iTextFlag::VCenter | iTextFlag::SingleLine, Enabled(),
              BackGroundColor());

    for (int i = 0; i < FItems->Count(); ++i) {
        const int row = i % FMaxRows;
        const int column = i / FMaxRows;
        const int D = FItemsColStart + RoundToInt(column * FItemsColSpacing);
        const int B = FItemsRowStart + RoundToInt(row * FItemsRowSpacing);
        DrawItem(Canvas, i, D, B, th);
    }
}

void TiRadioGroup::DrawItem(TCanvas* Canvas, int Index, int D, int B, int)
{
    const bool pressed = (FMouseDown || FKeyDown) && FMouseDownIndex == Index;
    const TColor face = pressed ? clBtnFace : clWhite;
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas->Brush()->SetColor(face);
    Canvas->Pen()->SetColor(face);
    Canvas->Rectangle(D - 3, B - 4, D + 5, B + 4);
    for (const BezelLine& line : kBezel)
        Line(Canvas, line.color, D + line.x1, B + line.y1, D + line.x2, B + line.y2);

    const QString text = FItems->Strings(Index);
    const TSize extent = Canvas->TextExtent(text);
    TRect textRect(D + 12, B - extent.cy / 2, D + 12 + extent.cx, B + extent.cy / 2);
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    Canvas->Font()->SetColor(FFont->Color());
    TRect drawRect = textRect;
    iDrawText(Canvas, text, drawRect, iTextFlag::Left | iTextFlag::VCenter | iTextFlag::SingleLine | iTextFlag::NoClip,
              Enabled(), BackGroundColor());

    if (FItemIndex == Index) {
        Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
        Canvas->Brush()->SetColor(clBlack);
        Canvas->Pen()->SetColor(clBlack);
        Canvas->Ellipse(D - 1, B - 2, D + 3, B + 2);
    }

    const bool focusHere = pressed || (!FMouseDown && FItemIndex == Index);
    if (HasFocus() && focusHere) {
        Canvas->Font()->SetColor(clWhite);
        Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
        Canvas->Brush()->SetColor(clBlack);
        iDrawFocusRect(Canvas, TRect(textRect.Left - 1, textRect.Top - 1, textRect.Right + 1, textRect.Bottom + 3));
    }
}

void TiRadioGroup::iSetFocus()
{
    TiCustomComponent::iSetFocus();
    InvalidateNow();
}

void TiRadioGroup::iKillFocus()
{
    FMouseDown = false;
    FKeyDown = false;
    InvalidateChange();
    TiCustomComponent::iKillFocus();
}

void TiRadioGroup::iWantSpecialKey(WORD& CharCode, LRESULT& Result)
{
    if (CharCode >= VK_LEFT && CharCode <= VK_DOWN)
        Result = 1;
}

void TiRadioGroup::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key != 0)
        RelayUser([&] { iKeyDown(Key, Shift); });
}

void TiRadioGroup::KeyUp(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyUp(Key, Shift);
    if (Key != 0)
        RelayUser([&] { iKeyUp(Key, Shift); });
}

void TiRadioGroup::iKeyDown(WORD& Key, TShiftState)
{
    FKeyDown = true;
    const int count = FItems->Count();
    const bool forward = Key == VK_RIGHT || Key == VK_DOWN;
    const bool backward = Key == VK_LEFT || Key == VK_UP;
    if ((forward || backward) && count > 0) {
        // Stepping with the arrows is not reported as the user's own choice.
        const bool previous = FUserGenerated;
        FUserGenerated = false;
        int next = forward ? FItemIndex + 1 : FItemIndex - 1;
        if (next >= count)
            next = 0;
        if (next < 0)
            next = count - 1;
        try {
            SetItemIndex(next);
        } catch (...) {
            FUserGenerated = previous;
            throw;
        }
        FUserGenerated = previous;
        Key = 0;
        return;
    }
    InvalidateChange();
}

void TiRadioGroup::iKeyUp(WORD&, TShiftState)
{
    FKeyDown = false;
    InvalidateChange();
}

void TiRadioGroup::iMouseDown(TMouseButton Button, TShiftState, int X, int Y)
{
    if (Button != TMouseButton::mbLeft)
        return;
    SetFocus();
    FMouseDown = true;
    FMouseDownIndex = IndexAtPoint(X, Y);
    InvalidateChange();
}

void TiRadioGroup::iMouseMove(TShiftState, int X, int Y)
{
    if (!FMouseDown)
        return;
    FMouseDownIndex = IndexAtPoint(X, Y);
    InvalidateChange();
}

void TiRadioGroup::iMouseUp(TMouseButton, TShiftState, int X, int Y)
{
    if (!FMouseDown)
        return;
    InvalidateChange();
    FMouseDown = false;
    if (FMouseDownIndex >= 0 && FMouseDownIndex < FItems->Count() && IndexAtPoint(X, Y) == FMouseDownIndex)
        SetItemIndex(FMouseDownIndex);
}
