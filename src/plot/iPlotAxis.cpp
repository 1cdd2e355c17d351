#include "plot/iPlotAxis.h"

#include <algorithm>
#include <cmath>

using namespace vcl;

TiPlotAxis::TiPlotAxis(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                       TNotifyEvent AOnRename)
    : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename)),
      FLabelsFont(std::make_unique<TFont>()), FTitleFont(std::make_unique<TFont>())
{
    FLabelsFont->SetColor(clWhite);
    FTitleFont->SetName(QStringLiteral("Arial"));
    FTitleFont->SetSize(10);
    FTitleFont->SetStyle(TFontStyles { TFontStyle::fsBold });
    FTitleFont->SetColor(clWhite);
    FLabelsFont->OnChange = [this](TObject*) { DoChange(); };
    FTitleFont->OnChange = [this](TObject*) { DoChange(); };
}

TiPlotAxis::~TiPlotAxis()
{
    SettleOwed();
    FLabelsFont->OnChange = nullptr;
    FTitleFont->OnChange = nullptr;
}

void TiPlotAxis::SetMin(double Value)
{
    SettleOwed();
    if (std::isnan(Value))
        return;
    SetDoubleProperty(std::clamp(Value, -1e300, 1e300), FMin, &TiPlotObject::DoChange);
}

void TiPlotAxis::SetSpan(double Value)
{
    SettleOwed();
    if (std::isnan(Value))
        return;
    SetDoubleProperty(std::clamp(Value, 1e-300, 1e300), FSpan, &TiPlotObject::DoChange);
}

void TiPlotAxis::SetLabelsFont(const TFont* Value)
{
    if (Value)
        FLabelsFont->Assign(const_cast<TFont*>(Value));
}

void TiPlotAxis::SetTitleFont(const TFont* Value)
{
    if (Value)
        FTitleFont->Assign(const_cast<TFont*>(Value));
}
