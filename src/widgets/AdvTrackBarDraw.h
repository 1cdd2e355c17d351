#pragma once
// Canvas drawing routines of the fader: band gradients, colour blending, frames, text helpers.

#include "platform/core/TColor.h"
#include "platform/core/Types.h"
#include "widgets/AdvTrackBarTypes.h"

#include <QString>

namespace vcl {
class TCanvas;
class TFont;
}

namespace advtrackbar {

// `Count` bands (0 taken as 1) from C1 to C2, left to right when Horizontal, else top to bottom.
void DrawBandGradient(vcl::TCanvas& Canvas, vcl::TColor C1, vcl::TColor C2, bool Horizontal, const vcl::TRect& R,
                      int Count);
// Band gradient in one of the four directions; the in-out kinds run C1 -> C2 -> C1.
void DrawDirectionalGradient(vcl::TCanvas& Canvas, vcl::TColor C1, vcl::TColor C2, TGradientDirection Direction,
                             const vcl::TRect& R, int Count);
// Percent of A mixed with the rest of B, per channel, rounded half to even.
vcl::TColor BlendColors(vcl::TColor A, vcl::TColor B, int Percent);
void DrawSunkenFrame(vcl::TCanvas& Canvas, const vcl::TRect& R, bool FirstIsX, vcl::TColor X, vcl::TColor Y);
vcl::TSize MeasureText(const vcl::TFont& Font, const QString& Text);
// Every other pixel along top, right, bottom and left edge of R (Right and Bottom drawn on).
void DrawDottedFocusFrame(vcl::TCanvas& Canvas, const vcl::TRect& R, vcl::TColor Color);
// Opaque ARGB of a colour (system colours resolved).
std::uint32_t ColorToGdipArgb(vcl::TColor Color);
// One line of text in Font, turned by Escapement tenths of a degree counter-clockwise (0, 900,
// -900/2700, -2700/900); (X, Y) is the top-left of the text cell before turning.
void DrawTurnedText(vcl::TCanvas& Canvas, int X, int Y, const QString& Text, const vcl::TFont& Font, int Escapement);

} // namespace advtrackbar
