#pragma once
// The glossy two-half fill and frame of the fader's shaped thumbs and its min/max buttons.

#include "platform/core/TColor.h"
#include "platform/core/Types.h"
#include "widgets/AdvTrackBarTypes.h"

#include <QRegion>

namespace vcl {
class TCanvas;
}

namespace advtrackbar {

// Fills R (clipped to Region) in two halves: upper C -> CTo, lower CMirrorTo -> CMirror, when all
// four colours are set; then outlines the shape in Highlight and, one pixel in, in Frame (either
// left out when clNone). Antialiased.
void DrawGlossShape(vcl::TCanvas& Canvas, const vcl::TRect& R, const QRegion& Region, TTrackButtonShape Shape,
                    vcl::TColor Highlight, vcl::TColor Frame, vcl::TColor C, vcl::TColor CTo, vcl::TColor CMirror,
                    vcl::TColor CMirrorTo, TGDIPGradient Gradient, TGDIPGradient GradientMirror,
                    TTrackBarOrientation Orientation);

} // namespace advtrackbar
