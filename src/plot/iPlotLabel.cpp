#include "plot/iPlotLabel.h"

#include "plot/iGPText.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotDecorationHost.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TCanvas.h"

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

void TiPlotLabel::SetImage(TBitmap* Value)
{
    if (!Value) {
        FImage.reset();
    } else {
        if (!FImage)
            FImage = std::make_unique<TBitmap>();
        FImage->Assign(Value);
    }
    DoChange();
}

void TiPlotLabel::ImageClear()
{
    if (!FImage)
        return;
    SetImage(nullptr);
}

void TiPlotLabel::ImageLoadFromFile(const QString& FileName)
{
    TBitmap loaded;
    loaded.LoadFromFile(FileName);
    SetImage(&loaded);
}

void TiPlotLabel::CalcMarginPixels(TCanvas* Canvas)
{
    Canvas->Font()->Assign(FFont.get());
    const int w0 = iTextWidthMultiLine(Canvas, QStringLiteral("0"));
    const int h0 = iTextHeightMultiLine(Canvas, QStringLiteral("0"));
    FMarginTopPixels = RoundToInt(h0 * FMarginTop);
    FMarginBottomPixels = RoundToInt(h0 * FMarginBottom);
    FMarginLeftPixels = RoundToInt(w0 * FMarginLeft);
    FMarginRightPixels = RoundToInt(w0 * FMarginRight);
}

int TiPlotLabel::GetRequiredWidth(TCanvas* Canvas)
{
    CalcMarginPixels(Canvas);
    FRequiredWidth = iTextHeightMultiLine(Canvas, FCaption) + FMarginTopPixels + FMarginBottomPixels;
    return FRequiredWidth;
}

const TImageList* TiPlotLabel::SelectedImageList() const
{
    const TiPlotComponent* plot = iplot::PlotOf(this);
    if (!plot || FImageListIndex < 0 || FImageListIndex > 2)
        return nullptr;
    return plot->ImageList(FImageListIndex);
}

int TiPlotLabel::PictureLeft(int PictureWidth) const
{
    switch (FAlignment) {
    case TiAlignmentHorizontal::iahLeft:
        return FLeft + FMarginLeftPixels;
    case TiAlignmentHorizontal::iahRight:
        return FRight - FMarginRightPixels - PictureWidth;
    case TiAlignmentHorizontal::iahCenter:
        break;
    }
    return (FLeft + FRight) / 2 - PictureWidth / 2;
}

void TiPlotLabel::Draw(TCanvas* Canvas, TColor)
{
    if (!FVisible)
        return;
    CalcMarginPixels(Canvas);
    const TImageList* list = SelectedImageList();
    if (FImage && !FImage->Empty()) {
        FImage->SetTransparentMode(TTransparentMode::tmAuto);
        FImage->SetTransparent(true);
        Canvas->Draw(PictureLeft(FImage->Width()), FTop + FMarginTopPixels, FImage.get());
    } else if (list && FImageIndex >= 0 && FImageIndex < list->Count()) {
        iplot::DrawListImage(Canvas, list, FImageIndex, PictureLeft(list->Width()), FTop + FMarginTopPixels, FEnabled,
                             clNone);
    } else {
        DrawCaption(Canvas);
    }
}

void TiPlotLabel::DrawCaption(TCanvas* Canvas)
{
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    Canvas->Font()->Assign(FFont.get());
    if (FHorizontal) {
        TRect r(FLeft + FMarginLeftPixels, FTop + FMarginTopPixels, FRight - FMarginRightPixels,
                FBottom - FMarginBottomPixels);
        std::uint16_t flags = iTextFlag::VCenter;
        switch (FAlignment) {
        case TiAlignmentHorizontal::iahCenter: flags |= iTextFlag::Center; break;
        case TiAlignmentHorizontal::iahLeft: flags |= iTextFlag::Left; break;
        case TiAlignmentHorizontal::iahRight: flags |= iTextFlag::Right; break;
        }
        iDrawText(Canvas, FCaption, r, flags);
        return;
    }
    const int w = iTextWidthMultiLine(Canvas, FCaption);
    int centreY = (FTop + FBottom) / 2;
    if (FAlignment == TiAlignmentHorizontal::iahLeft)
        centreY = FBottom - w / 2 - FMarginLeftPixels;
    else if (FAlignment == TiAlignmentHorizontal::iahRight)
        centreY = FTop + w / 2 + FMarginRightPixels;
    const TRect r(FLeft + FMarginTopPixels, centreY, FRight - FMarginBottomPixels, centreY);
    TRect textRect;
    iDrawRotatedText(Canvas, FCaption, r, textRect, FFont->Color(), true, TiAlignmentHorizontal::iahCenter,
                     TiRotationAngle::ira090);
}
