#pragma once
// Where a plot lands on a printed page: scaled to fit inside the margins, keeping its proportions,
// at the top-left corner of the printable area.

#include "platform/core/Types.h"

struct TiPrintPageGeometry
{
    int PaperWidthPixels { 0 };
    int PaperHeightPixels { 0 };
    int DpiX { 0 };
    int DpiY { 0 };
    int OffsetX { 0 }; // printable area's offset from the paper's corner
    int OffsetY { 0 };
    double MarginLeft { 1.0 }; // inches
    double MarginTop { 1.0 };
    double MarginRight { 1.0 };
    double MarginBottom { 1.0 };
};

// The smaller of the horizontal and vertical scales that fit Width x Height inside the margins.
double iPrintScale(const TiPrintPageGeometry& Page, int Width, int Height);
// The page rectangle in the printable area's coordinates.
vcl::TRect iPrintPageRect(const TiPrintPageGeometry& Page, int Width, int Height);
