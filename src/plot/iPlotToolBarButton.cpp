// One toolbar button: its picture (loaded from the program's resources on first draw), its raised,
// sunken or flat face, hover tracking and its hint.

#include "plot/iGPCanvas.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotDecorationHost.h"
#include "plot/iPlotToolBar.h"

#include "platform/core/Exception.h"
#include "platform/images/BmpCodec.h"
#include "platform/ui/TCanvas.h"
#include "platform/ui/TImageList.h"

#include <QFile>

using namespace vcl;

namespace {

QImage LoadResourcePicture(const QString& Name)
{
    QFile file(QStringLiteral(":/zq9/toolbar/%1.bmp").arg(Name));
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Resource %1 not found").arg(Name));
    return BmpCodec::Decode(file.readAll());
}

} // namespace

TiPlotToolBarButton::TiPlotToolBarButton(TWinControl* AOwner, TiPlotToolBar* AToolBar)
    : TiPlotButton(AOwner, nullptr, nullptr, nullptr, nullptr), FToolBar(AToolBar)
{
}

void TiPlotToolBarButton::LoadPicture()
{
    if (FImageIndex >= 0 || !FImageList)
        return;
    QImage picture = LoadResourcePicture(FImageName);
    if (picture.width() != FImageList->Width() || picture.height() != FImageList->Height())
        picture = picture.copy(0, 0, FImageList->Width(), FImageList->Height());
    FImageIndex = FImageList->Add(picture);
}

void TiPlotToolBarButton::Draw(TCanvas* Canvas, TColor)
{
    if (FStyle == TiPlotToolBarButtonStyle::iptbbsSpacer || !FVisible)
        return;
    LoadPicture();
    const TRect r = DrawRect();
    const bool pressed = FMouseDown || Down();
    int px = (r.Left + r.Right) / 2 - FImageList->Width() / 2;
    int py = (r.Top + r.Bottom) / 2 - FImageList->Height() / 2;
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    if (!FFlat) {
        if (pressed) {
            Canvas->Brush()->SetColor(0xEFEFEF);
            Canvas->FillRect(r);
            iDrawEdge(Canvas, r, 0);
            ++px;
            ++py;
        } else {
            iDrawEdge(Canvas, r, 1);
        }
    } else {
        if (pressed && !FMouseOver) {
            Canvas->Brush()->SetColor(0xEFEFEF);
            Canvas->FillRect(r);
        }
        if (FEnabled) {
            if (pressed) {
                DrawFlatEdge(Canvas, true);
                ++px;
                ++py;
            } else if (FMouseOver) {
                DrawFlatEdge(Canvas, false);
            }
        }
    }
    iplot::DrawListImage(Canvas, FImageList, FImageIndex, px, py, FEnabled, kToolBarPictureMask);
}

void TiPlotToolBarButton::DrawFlatEdge(TCanvas* Canvas, bool Lowered)
{
    const TRect r(Left(), Top(), Right() - 1, Bottom() - 1);
    const TColor first = Lowered ? clBtnShadow : clBtnHighlight;
    const TColor second = Lowered ? clBtnHighlight : clBtnShadow;
    Canvas->Pen()->SetStyle(TPenStyle::psSolid);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(first);
    Canvas->MoveTo(r.Left, r.Bottom);
    Canvas->LineTo(r.Left, r.Top);
    Canvas->LineTo(r.Right, r.Top);
    Canvas->Pen()->SetColor(second);
    Canvas->LineTo(r.Right, r.Bottom);
    Canvas->LineTo(r.Left, r.Bottom);
}

void TiPlotToolBarButton::iMouseMove(TiHintData& HintData, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                                     bool DblClickActive)
{
    if (!FMouseOver) {
        FMouseOver = true;
        if (FFlat)
            DoChange();
    }
    TiPlotButton::iMouseMove(HintData, Shift, X, Y, ScreenX, ScreenY, DblClickActive);
}

void TiPlotToolBarButton::DoMouseNotOver()
{
    FMouseOver = false;
    DoChange();
}

void TiPlotToolBarButton::DoMouseHint(const TiPlotMouseData&, TiHintData& HintData)
{
    if (FStyle == TiPlotToolBarButtonStyle::iptbbsSpacer)
        return;
    TiPlotComponent* plot = iplot::PlotOf(this);
    HintData.Text = TranslateString(FHint);
    TCanvas measure;
    if (plot)
        measure.Font()->Assign(plot->HintsFont());
    const TSize extent = measure.TextExtent(HintData.Text);
    HintData.Left = Left();
    HintData.Top = Bottom() + 3;
    HintData.Width = extent.cx + 4;
    HintData.Height = extent.cy + 4;
    HintData.Visible = true;
    if (plot && plot->OnToolBarCustomizeHint && !plot->IsLoading())
        plot->OnToolBarCustomizeHint(plot, FToolBar->Index(), FButtonType, HintData);
}
