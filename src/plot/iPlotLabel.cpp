#include "plot/iPlotLabel.h"

using namespace vcl;

TiPlotLabel::TiPlotLabel(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                         TNotifyEvent AOnRename)
    : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename)),
      FFont(std::make_unique<TFont>())
{
    FHorizontal = true;
    FFont->SetName(QStringLiteral("Arial"));
    FFont->SetSize(14);
    FFont->SetStyle(TFontStyles { TFontStyle::fsBold });
    FFont->SetColor(clWhite);
    FFont->OnChange = [this](TObject*) { DoChange(); };
}

TiPlotLabel::~TiPlotLabel() { FFont->OnChange = nullptr; }

void TiPlotLabel::SetAlignment(TiAlignmentHorizontal Value)
{
    if (FAlignment == Value)
        return;
    FAlignment = Value;
    DoChange();
}

void TiPlotLabel::SetFont(const TFont* Value)
{
    if (Value)
        FFont->Assign(const_cast<TFont*>(Value));
}
