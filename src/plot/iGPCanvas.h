#pragma once
// Colour and canvas routines of the plot library: colour offsets, focus rectangle, 3-D edges and
// gradient fills.

#include "plot/iPlotTypes.h"

#include "platform/core/TColor.h"

namespace vcl {
class TCanvas;
}

// Color's RGB (system colours resolved) with Amount added to (Lighten) or taken from each channel,
// each clamped to 0..255.
vcl::TColor iOffsetColor(vcl::TColor Color, int Amount, bool Lighten);

// An inverting dotted frame: drawing it twice removes it.
void iDrawFocusRect(vcl::TCanvas* Canvas, const vcl::TRect& Rect);

// Style 0 a sunken edge, 1 a raised edge, 2 a clBtnShadow outline filled with the current brush;
// other styles draw nothing.
void iDrawEdge(vcl::TCanvas* Canvas, const vcl::TRect& Rect, int Style);

void iDrawGradient(vcl::TCanvas* Canvas, const vcl::TRect& Rect, TiFillDirection Direction, vcl::TColor StartColor,
                   vcl::TColor StopColor);
