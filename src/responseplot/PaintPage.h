#pragma once
// One off-screen page of a response plot control: a bitmap, where it goes on the control, and
// its own drawing-library start-up.

#include "platform/core/Types.h"
#include "platform/gdiplus/GdiPlus.h"
#include "platform/ui/TBitmap.h"

class TPaintPage
{
public:
    TPaintPage();
    ~TPaintPage();
    TPaintPage(const TPaintPage&) = delete;
    TPaintPage& operator=(const TPaintPage&) = delete;

    // The bitmap takes the size right - left by bottom - top (nothing below 0).
    void SetPlace(int left, int top, int right, int bottom);
    // Fills Area with a solid brush of that colour.
    void Clear(vcl::TColor colour);
    void SetFont(const vcl::TFont* font);

    vcl::TCanvas* Canvas() { return Bitmap.Canvas(); }

    gdiplus::GdiplusStartupInput StartupInput;
    gdiplus::ULONG_PTR Token { 0 };
    vcl::TBitmap Bitmap;
    vcl::TRect Place;
    vcl::TRect Area;
};
