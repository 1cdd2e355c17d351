#pragma once
// A text or shape annotation on the plot, with its pen, brush, font and reference frame.

#include "plot/iPlotObjects.h"
#include "plot/iPlotTypes.h"

#include "platform/ui/TFont.h"
#include "platform/ui/TGraphics.h"

#include <memory>

class TiPlotAnnotation : public TiPlotManagerObject
{
public:
    TiPlotAnnotation(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
                     vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
    ~TiPlotAnnotation() override;
    const vcl::TPropertyTable* PublishedProperties() const override;

    vcl::TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(vcl::TBrushStyle Value);
    vcl::TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(vcl::TColor Value) { SetColorProperty(Value, FBrushColor, &TiPlotObject::DoChange); }
    vcl::TPenStyle PenStyle() const { return FPenStyle; }
    void SetPenStyle(vcl::TPenStyle Value);
    vcl::TColor PenColor() const { return FPenColor; }
    void SetPenColor(vcl::TColor Value) { SetColorProperty(Value, FPenColor, &TiPlotObject::DoChange); }
    int PenWidth() const { return FPenWidth; }
    void SetPenWidth(int Value) { SetIntegerProperty(Value, FPenWidth, &TiPlotObject::DoChange); }
    TiPlotReferenceType Reference() const { return FReference; }
    void SetReference(TiPlotReferenceType Value);
    TiPlotReferenceIndividual ReferencePositionX() const { return FReferencePositionX; }
    void SetReferencePositionX(TiPlotReferenceIndividual Value) { SetIndividual(Value, FReferencePositionX); }
    TiPlotReferenceIndividual ReferencePositionY() const { return FReferencePositionY; }
    void SetReferencePositionY(TiPlotReferenceIndividual Value) { SetIndividual(Value, FReferencePositionY); }
    TiPlotReferenceIndividual ReferenceSizeX() const { return FReferenceSizeX; }
    void SetReferenceSizeX(TiPlotReferenceIndividual Value) { SetIndividual(Value, FReferenceSizeX); }
    TiPlotReferenceIndividual ReferenceSizeY() const { return FReferenceSizeY; }
    void SetReferenceSizeY(TiPlotReferenceIndividual Value) { SetIndividual(Value, FReferenceSizeY); }
    vcl::TFont* Font() const { return FFont.get(); }
    void SetFont(const vcl::TFont* Value);

private:
    void SetIndividual(TiPlotReferenceIndividual Value, TiPlotReferenceIndividual& Field);

    vcl::TBrushStyle FBrushStyle { vcl::TBrushStyle::bsSolid };
    vcl::TColor FBrushColor { vcl::clWhite };
    vcl::TPenStyle FPenStyle { vcl::TPenStyle::psSolid };
    vcl::TColor FPenColor { vcl::clWhite };
    int FPenWidth { 1 };
    TiPlotReferenceType FReference { TiPlotReferenceType::iprtDataView };
    TiPlotReferenceIndividual FReferencePositionX { TiPlotReferenceIndividual::ipriAuto };
    TiPlotReferenceIndividual FReferencePositionY { TiPlotReferenceIndividual::ipriAuto };
    TiPlotReferenceIndividual FReferenceSizeX { TiPlotReferenceIndividual::ipriAuto };
    TiPlotReferenceIndividual FReferenceSizeY { TiPlotReferenceIndividual::ipriAuto };
    std::unique_ptr<vcl::TFont> FFont;
};
