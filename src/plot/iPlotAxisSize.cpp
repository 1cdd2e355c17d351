// The axis's thickness across the data view and the room its labels need beyond the scale's ends.

#include "plot/iPlotAxis.h"

#include "plot/iGPText.h"
#include "platform/ui/TCanvas.h"

#include <cmath>

using namespace vcl;

namespace {

int Rounded(double Value) { return static_cast<int>(std::nearbyint(Value)); }

bool Rotated(TiRotationAngle Angle) { return Angle == TiRotationAngle::ira090 || Angle == TiRotationAngle::ira270; }

} // namespace

int TiPlotAxis::GetRequiredWidth(TCanvas* Canvas)
{
    int title = 0;
    if (FTitleShow)
    {
        Canvas->Font()->Assign(FTitleFont.get());
        const int h = iTextHeightMultiLine(Canvas, FTitle);
        const int a = FTitleRotated ? iTextWidthMultiLine(Canvas, FTitle) : h;
        title = Rounded(h * FTitleMargin + a);
    }
    const int ticks = FScaleLinesShow ? std::max({ 0, FMajorLength, FMinorLength }) : 0;
    int labelsMargin = 0;
    int extent = 0;
    if (FLabelsVisible)
    {
        Canvas->Font()->Assign(FLabelsFont.get());
        labelsMargin = Rounded(iTextHeightMultiLine(Canvas, QStringLiteral("A")) * FLabelsMargin);
        if (IsVert() != Rotated(FLabelsRotation))
            extent = GetMaxLabelWidth(Canvas, FLabelsFont.get());
        else
        {
            Canvas->Font()->Assign(FLabelsFont.get());
            extent = iTextHeightMultiLine(Canvas, GetLabelText(FMin));
        }
    }
    FTitleOffset = ticks + FInnerMargin + labelsMargin + extent;
    FRequiredWidth = FInnerMargin + FOuterMargin + ticks + labelsMargin + extent + title;
    return FRequiredWidth;
}

int TiPlotAxis::GetRequiredEndMargin(TCanvas* Canvas)
{
    if (!FLabelsVisible)
        return 0;
    Canvas->Font()->Assign(FLabelsFont.get());
    if (IsVert() != Rotated(FLabelsRotation))
        return iTextHeightMultiLine(Canvas, QStringLiteral("XYZ")) / 2;
    return GetMaxLabelWidth(Canvas, FLabelsFont.get()) / 2;
}
