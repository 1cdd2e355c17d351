#pragma once
// Geometry of the splash content: where the program texts, the list lines, the top layers and
// the progress bar's parts go. Plain numbers in, rectangles and points out.

#include "platform/core/Types.h"
#include "platform/ui/TControl.h"

#include <vector>

enum class TItemLocation { ilTopLeft, ilTopCenter, ilTopRight, ilBottomLeft, ilBottomCenter, ilBottomRight, ilCustom };

enum class TAdvSmoothSplashScreenLocation {
    cpTopLeft,
    cpTopCenter,
    cpTopRight,
    cpCenterLeft,
    cpCenterCenter,
    cpCenterRight,
    cpBottomLeft,
    cpBottomCenter,
    cpBottomRight,
    cpCustom
};

// A floating-point rectangle as x, y, width, height.
struct TSplashRectF
{
    double X { 0 };
    double Y { 0 };
    double Width { 0 };
    double Height { 0 };
    bool operator==(const TSplashRectF&) const = default;
};

// One program text to place: its location, its measured size and its custom position.
struct TProgramTextSlot
{
    TItemLocation Location { TItemLocation::ilTopLeft };
    vcl::TSize Size;
    vcl::TPoint Custom;
};

struct TProgramTextPlaces
{
    vcl::TPoint Name;
    vcl::TPoint Version;
    vcl::TPoint CopyRight;
};

// The window's inner rectangle (0, 0, width - 1, height - 1), shrunk by the border's half width
// when the border has a colour.
vcl::TRect SplashInnerRect(int width, int height, bool hasBorder, int borderWidth);

// The area the program texts are placed in, from the inner rectangle.
vcl::TRect ProgramTextArea(const vcl::TRect& inner, int shadowOffset, bool hasShadow, int rounding);

// Name, version and copyright placed by their locations within area; texts at the same location
// make room for each other.
TProgramTextPlaces PlaceProgramTexts(const vcl::TRect& area, const TProgramTextSlot& name,
                                     const TProgramTextSlot& version, const TProgramTextSlot& copyRight);

// Display rectangles of list lines of the given heights, stacked from rect.Top with space between;
// when they overflow rect.Bottom the oldest lines get top and bottom -1 and the rest move up so
// that the first shown line starts at rect.Top. The last line is always shown.
std::vector<vcl::TRect> LayoutListLines(const vcl::TRect& rect, int space, const std::vector<int>& heights);

// A top layer's rectangle inside the area by its alignment.
TSplashRectF TopLayerRect(const TSplashRectF& area, vcl::TAlign align, int left, int top, int width, int height);

// The top-left corner of a top layer's text of the given size inside the layer's rectangle.
vcl::TPoint TopLayerTextPosition(const TSplashRectF& layer, TAdvSmoothSplashScreenLocation location,
                                 vcl::TSize text, int customLeft, int customTop);
