#include "plot/iPlotLegend.h"

#include "plot/iGPCanvas.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotDecorationHost.h"

#include "platform/ui/TCanvas.h"

using namespace vcl;

void TiPlotLegendButton::Draw(TCanvas* Canvas, TColor)
{
    if (!FVisible)
        return;
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas->Brush()->SetColor(clBtnFace);
    Canvas->FillRect(DrawRect());
    iDrawEdge(Canvas, DrawRect(), FMouseDown ? 0 : 1);
}

TiPlotLegend::TiPlotLegend(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                           TNotifyEvent AOnRename)
    : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)),
      FFont(std::make_unique<TFont>()),
      FSelectedItemFont(std::make_unique<TFont>()),
      FColumnTitlesFont(std::make_unique<TFont>())
{
    FHorizontal = false;
    FFont->SetColor(clWhite);
    FSelectedItemFont->SetColor(clBlack);
    FColumnTitlesFont->SetColor(0xFFFF00);
    FColumnTitlesFont->SetStyle(TFontStyles { TFontStyle::fsBold });
    for (TFont* font : { FFont.get(), FSelectedItemFont.get(), FColumnTitlesFont.get() })
        font->OnChange = [this](TObject*) { DoChange(); };
    FUpButton = MakeButton(true);
    FDownButton = MakeButton(false);
}

TiPlotLegend::~TiPlotLegend()
{
    for (TFont* font : { FFont.get(), FSelectedItemFont.get(), FColumnTitlesFont.get() })
        font->OnChange = nullptr;
}

std::unique_ptr<TiPlotLegendButton> TiPlotLegend::MakeButton(bool Up)
{
    auto button = std::make_unique<TiPlotLegendButton>(FOwner, nullptr, nullptr, nullptr, nullptr);
    button->SetTimerEnabled(true);
    button->SetVisible(false);
    button->OnClick = [this, Up](TObject*) { Up ? ScrollUp() : ScrollDown(); };
    button->OnInvalidate = [this](TObject*) { InvalidateNow(); };
    return button;
}

void TiPlotLegend::AssignFont(TFont* Target, const TFont* Value)
{
    if (Value)
        Target->Assign(const_cast<TFont*>(Value));
}

void TiPlotLegend::SetChannelNameColorStyle(TiPlotLegendChannelNameColorStyle Value)
{
    if (FChannelNameColorStyle == Value)
        return;
    FChannelNameColorStyle = Value;
    DoChange();
}

void TiPlotLegend::ScrollUp()
{
    if (FItemViewStartIndex > 0)
        --FItemViewStartIndex;
    InvalidateNow();
}

void TiPlotLegend::ScrollDown()
{
    if (FItemViewStartIndex < ItemCount() - 1)
        ++FItemViewStartIndex;
    InvalidateNow();
}

TiPlotObject* TiPlotLegend::GetMouseOverObject(int X, int Y)
{
    TiPlotObject* result = TiPlotLayoutObject::GetMouseOverObject(X, Y);
    const TPoint point(X, Y);
    if (FUpButton->Visible() && FUpButton->DrawRect().Contains(point))
        return FUpButton.get();
    if (FDownButton->Visible() && FDownButton->DrawRect().Contains(point))
        return FDownButton.get();
    for (const TiPlotLegendItem& item : FItems)
        if (item.Channel->VisibleInLegend() && item.Channel->LegendRect().Contains(point))
            return item.Channel;
    return result;
}

TCursor TiPlotLegend::GetMouseCursor(TPoint Point)
{
    TCursor cursor = TiPlotLayoutObject::GetMouseCursor(Point);
    if (TiPlotComponent* plot = iplot::PlotOf(this); plot && plot->OnGetMouseCursorLegend)
        plot->OnGetMouseCursorLegend(plot, iplot::IndexIn(plot->Master()->LegendManager(), this), cursor);
    return cursor;
}

void TiPlotLegend::DoMouseUp(const TiPlotMouseData& MouseData)
{
    if (FMouseDown && DrawRect().Contains(TPoint(MouseData.X, MouseData.Y)))
        iplot::ObjectClick(this, MouseData.DblClickActive);
}

void TiPlotLegend::NotificationSetFocus(TiPlotObject* AObject)
{
    if (AObject != this && AObject && AObject->UserSelected())
        SetUserSelected(false);
}

void TiPlotLegend::AddMenuItems(TPopupMenu* PopupMenu)
{
    TiPlotLayoutObject::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
}
