#include "plot/iPlotAnnotation.h"

using namespace vcl;

TiPlotAnnotation::TiPlotAnnotation(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                   TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      FFont(std::make_unique<TFont>())
{
    FFont->SetColor(clWhite);
    FFont->OnChange = [this](TObject*) { DoChange(); };
}

TiPlotAnnotation::~TiPlotAnnotation() { FFont->OnChange = nullptr; }

void TiPlotAnnotation::SetBrushStyle(TBrushStyle Value)
{
    if (FBrushStyle == Value)
        return;
    FBrushStyle = Value;
    DoChange();
}

void TiPlotAnnotation::SetPenStyle(TPenStyle Value)
{
    if (FPenStyle == Value)
        return;
    FPenStyle = Value;
    DoChange();
}

void TiPlotAnnotation::SetReference(TiPlotReferenceType Value)
{
    if (FReference == Value)
        return;
    FReference = Value;
    DoChange();
}

void TiPlotAnnotation::SetIndividual(TiPlotReferenceIndividual Value, TiPlotReferenceIndividual& Field)
{
    if (Field == Value)
        return;
    Field = Value;
    DoChange();
}

void TiPlotAnnotation::SetFont(const TFont* Value)
{
    if (Value)
        FFont->Assign(const_cast<TFont*>(Value));
}
