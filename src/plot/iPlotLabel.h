#pragma once
// A text label placed around the data view; label 0 of a plot is its title.

#include "plot/iPlotObjects.h"
#include "plot/iPlotTypes.h"

#include "platform/ui/TFont.h"

#include <memory>

namespace vcl {
class TBitmap;
class TImageList;
}

class TiPlotLabel : public TiPlotLayoutObject
{
public:
    TiPlotLabel(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
                vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
    ~TiPlotLabel() override;
    const vcl::TPropertyTable* PublishedProperties() const override;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value) { SetStringProperty(Value, FCaption, &TiPlotObject::DoChange); }
    TiAlignmentHorizontal Alignment() const { return FAlignment; }
    void SetAlignment(TiAlignmentHorizontal Value);
    // Margins in character heights.
    double MarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(double Value) { SetDoubleProperty(Value, FMarginLeft, &TiPlotObject::DoChange); }
    double MarginTop() const { return FMarginTop; }
    void SetMarginTop(double Value) { SetDoubleProperty(Value, FMarginTop, &TiPlotObject::DoChange); }
    double MarginRight() const { return FMarginRight; }
    void SetMarginRight(double Value) { SetDoubleProperty(Value, FMarginRight, &TiPlotObject::DoChange); }
    double MarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(double Value) { SetDoubleProperty(Value, FMarginBottom, &TiPlotObject::DoChange); }
    vcl::TFont* Font() const { return FFont.get(); }
    void SetFont(const vcl::TFont* Value);
    int ImageListIndex() const { return FImageListIndex; }
    void SetImageListIndex(int Value) { SetIntegerProperty(Value, FImageListIndex, &TiPlotObject::DoChange); }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { SetIntegerProperty(Value, FImageIndex, &TiPlotObject::DoChange); }

    // --- public ---
    // The picture shown instead of the caption (nullptr when none); writing copies it.
    vcl::TBitmap* Image() const { return FImage.get(); }
    void SetImage(vcl::TBitmap* Value);
    void ImageClear();
    // A bitmap loader error passes to the caller and keeps the previous picture.
    void ImageLoadFromFile(const QString& FileName);
    int RequiredWidth() const { return FRequiredWidth; }

    // Text height of the caption (all its lines) plus the top and bottom margins.
    int GetRequiredWidth(vcl::TCanvas* Canvas) override;
    void Draw(vcl::TCanvas* Canvas, vcl::TColor BackGroundColor) override;

private:
    void CalcMarginPixels(vcl::TCanvas* Canvas);
    const vcl::TImageList* SelectedImageList() const;
    int PictureLeft(int PictureWidth) const;
    void DrawCaption(vcl::TCanvas* Canvas);

    int FRequiredWidth { 0 };
    int FMarginTopPixels { 0 };
    int FMarginBottomPixels { 0 };
    int FMarginLeftPixels { 0 };
    int FMarginRightPixels { 0 };
    std::unique_ptr<vcl::TBitmap> FImage;
    QString FCaption;
    TiAlignmentHorizontal FAlignment { TiAlignmentHorizontal::iahCenter };
    double FMarginLeft { 0.0 };
    double FMarginTop { 0.0 };
    double FMarginRight { 0.0 };
    double FMarginBottom { 0.0 };
    std::unique_ptr<vcl::TFont> FFont;
    int FImageListIndex { -1 };
    int FImageIndex { 0 };
};
