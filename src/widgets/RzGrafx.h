#pragma once
// Free drawing routines of the panel and button controls: bitmaps with a transparent colour
// (own size, stretched, tiled) and two-colour gradients in ten directions.

#include "platform/ui/TBitmap.h"
#include "widgets/RzCommon.h"

namespace rz {

// SourceRect of Bitmap into DestRect (stretched when the sizes differ); destination pixels stay
// where the stretched source has TransparentColor.
void DrawBitmapTransparent(TCanvas& Canvas, vcl::TBitmap& Bitmap, TRect DestRect, TRect SourceRect,
                           TColor TransparentColor);
void DrawBitmapSized(TCanvas& Canvas, vcl::TBitmap& Bitmap, TRect DestRect, TRect SourceRect,
                     TColor TransparentColor);
void DrawBitmapStretched(TCanvas& Canvas, vcl::TBitmap& Bitmap, TRect DestRect, TColor TransparentColor);
// Whole tiles from DestRect's top-left; the last column and row are cut at its edges.
void DrawBitmapTiled(TCanvas& Canvas, vcl::TBitmap& Bitmap, TRect DestRect, TColor TransparentColor);

void FillGradient(TCanvas& Canvas, TRect Rect, TGradientDirection Direction, TColor StartColor, TColor StopColor,
                  int Step);
void DrawGradientBands(TCanvas& Canvas, TRect Rect, TGradientDirection Direction, TColor StartColor,
                       TColor StopColor, int Step);

} // namespace rz
