#include "plot/iCheckBox.h"

#include "plot/iGPCanvas.h"
#include "plot/iGPText.h"

#include "platform/ui/TBitmap.h"
#include "platform/ui/TCanvas.h"
#include "platform/ui/VirtualKeys.h"

#include <algorithm>

using namespace vcl;

TiCheckBox::TiCheckBox(TComponent* AOwner) : TiCustomComponent(AOwner), FFont(std::make_unique<TFont>())
{
    FFont->OnChange = [this](TObject*) {
        AdjustAutoSize();
        InvalidateChange();
    };
    SetTabStop(true);
    SetBounds(Left(), Top(), 97, 17);
    SetTransparent(true);
}

TiCheckBox::~TiCheckBox()
{
    FFont->OnChange = nullptr;
}

void TiCheckBox::SetChecked(bool Value)
{
    if (FChecked == Value)
        return;
    bool CanEdit = true;
    if (OnRequestEdit)
        OnRequestEdit(this, QStringLiteral("Checked"), CanEdit);
    if (!CanEdit)
        return;
    FChecked = Value;
    InvalidateChange();
    DoChange();
}

void TiCheckBox::SetCaption(const QString& Value)
{
    if (FCaption == Value)
        return;
    FCaption = Value;
    AdjustAutoSize();
    InvalidateChange();
}

void TiCheckBox::SetAutoSize(bool Value)
{
    FAutoSize = Value;
    AdjustAutoSize();
    InvalidateChange();
}

void TiCheckBox::SetAlignment(TLeftRight Value)
{
    FAlignment = Value;
    InvalidateChange();
}

void TiCheckBox::DoChange()
{
    if (IsLoading())
        return;
    if (OnChangeProtected)
        OnChangeProtected(this, QStringLiteral("Checked"));
    if (OnChange)
        OnChange(this);
    if (FUserGenerated && OnChangeUser)
        OnChangeUser(this);
}

void TiCheckBox::ToggleByUser()
{
    const bool previous = FUserGenerated;
    FUserGenerated = true;
    try {
        SetChecked(!FChecked);
    } catch (...) {
        FUserGenerated = previous;
        throw;
    }
    FUserGenerated = previous;
}

void TiCheckBox::Loaded()
{
    TiCustomComponent::Loaded();
    AdjustAutoSize();
}

void TiCheckBox::AdjustAutoSize()
{
    if (!FAutoSize || IsLoading() || FDoingAutoSize)
        return;
    FDoingAutoSize = true;
    TBitmap scratch;
    scratch.Canvas()->Font()->Assign(FFont.get());
    const TSize extent = scratch.Canvas()->TextExtent(FCaption);
    const int W = extent.cx + 20;
    int newLeft = Left();
    int newWidth = Width();
    if (FAlignment == TLeftRight::taLeftJustify) {
        if (W != Width()) {
            newLeft += Width() - W;
            newWidth = W;
        }
    } else {
        newWidth = W;
    }
    SetBounds(newLeft, Top(), newWidth, extent.cy + 4);
    FDoingAutoSize = false;
}

void TiCheckBox::iPaintTo(TCanvas* Canvas)
{
    DrawBackGround(Canvas, BackGroundColor());
    Canvas->Font()->Assign(FFont.get());
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    const TSize extent = Canvas->TextExtent(FCaption);
    const int tw = extent.cx;
    const int th = extent.cy;
    const int cy = Height() / 2;
    const int textTop = cy - th / 2 - 1;
    const int textBottom = textTop + th;

    TRect boxRect;
    TRect textRect;
    if (FAlignment == TLeftRight::taLeftJustify) {
        boxRect = TRect(Width() - 13, cy - 7, Width(), cy + 6);
        textRect = TRect(1, textTop, tw + 1, textBottom);
    } else {
        boxRect = TRect(0, cy - 7, 13, cy + 6);
        textRect = TRect(18, textTop, tw + 18, textBottom);
    }

    const bool pressed = FMouseDown || FKeyDown;
    Canvas->Brush()->SetColor(pressed || !Enabled() ? BackGroundColor() : clWhite);
    Canvas->FillRect(boxRect);
    iDrawEdge(Canvas, boxRect, 0);

    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    TRect drawRect = textRect;
    iDrawText(Canvas, FCaption, drawRect, iTextFlag::Left | iTextFlag::VCenter | iTextFlag::SingleLine, Enabled(),
              BackGroundColor());

    if (FChecked) {
        Canvas->Pen()->SetStyle(TPenStyle::psSolid);
        Canvas->Pen()->SetWidth(1);
        Canvas->Pen()->SetColor(clBlack);
        const int L = boxRect.Left;
        for (int lift = 0; lift < 3; ++lift)
            Canvas->Polyline({ TPoint(L + 3, cy - lift), TPoint(L + 5, cy + 2 - lift), TPoint(L + 10, cy - 3 - lift) });
    }

    if (HasFocus()) {
        TRect focus(std::max(0, textRect.Left - 1), std::max(0, textRect.Top - 1),
                    std::min(Width() - 1, textRect.Right + 1), std::min(Height() - 1, textRect.Bottom + 2));
        Canvas->Font()->SetColor(clWhite);
        Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
        Canvas->Brush()->SetColor(clBlack);
        iDrawFocusRect(Canvas, focus);
    }
}

void TiCheckBox::iSetFocus()
{
    TiCustomComponent::iSetFocus();
    InvalidateNow();
}

void TiCheckBox::iKillFocus()
{
    FMouseDown = false;
    FKeyDown = false;
    InvalidateChange();
    TiCustomComponent::iKillFocus();
}

void TiCheckBox::iKeyDown(WORD& Key, TShiftState)
{
    if (Key != VK_SPACE)
        return;
    FMouseDown = false;
    FKeyDown = true;
    InvalidateChange();
}

void TiCheckBox::iKeyUp(WORD& Key, TShiftState)
{
    if (Key == VK_SPACE && FKeyDown) {
        FKeyDown = false;
        InvalidateChange();
        ToggleByUser();
    }
    FKeyDown = false;
}

void TiCheckBox::iMouseDown(TMouseButton Button, TShiftState, int, int)
{
    if (Button != TMouseButton::mbLeft)
        return;
    SetFocus();
    FMouseDown = true;
    InvalidateChange();
}

void TiCheckBox::iMouseUp(TMouseButton, TShiftState, int X, int Y)
{
    if (!FMouseDown)
        return;
    InvalidateChange();
    FMouseDown = false;
    if (X >= 0 && X < Width() && Y >= 0 && Y < Height())
        ToggleByUser();
}
