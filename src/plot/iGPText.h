#pragma once
// Text routines of the plot library: flagged text (embossed when disabled), quarter-turn rotated
// text and multi-line measuring, all measured through the layer's text metrics.

#include "plot/iPlotTypes.h"

#include "platform/core/TColor.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace vcl {
class TCanvas;
}

// Draws Text into Rect with the text flags (iTextFlag) in the canvas font and returns the height of
// the text. With CalcRect nothing is drawn and Rect's right and bottom become the text's extent.
// Disabled text whose Color is not black is drawn embossed in two shades of clBtnFace.
int iDrawText(vcl::TCanvas* Canvas, const QString& Text, vcl::TRect& Rect, std::uint16_t Flags, bool Enabled = true,
              vcl::TColor Color = vcl::clBtnFace);

// Draws Text centred on Rect's centre turned by Rotation; TextRect becomes the rectangle it takes.
void iDrawRotatedText(vcl::TCanvas* Canvas, const QString& Text, const vcl::TRect& Rect, vcl::TRect& TextRect,
                      vcl::TColor Color, bool Enabled, TiAlignmentHorizontal Alignment, TiRotationAngle Rotation);

// The lines of Text: CR, LF or CR LF end a line, a final line break adds no empty line.
QStringList iSplitLines(const QString& Text);

int iTextWidthMultiLine(vcl::TCanvas* Canvas, const QString& Text);
int iTextHeightMultiLine(vcl::TCanvas* Canvas, const QString& Text);
int iTextHeightWrapped(vcl::TCanvas* Canvas, const QString& Text, int Width);
