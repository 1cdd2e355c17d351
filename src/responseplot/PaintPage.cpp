#include "responseplot/PaintPage.h"

#include <algorithm>

TPaintPage::TPaintPage()
{
    gdiplus::GdiplusStartup(&Token, &StartupInput, nullptr);
}

TPaintPage::~TPaintPage()
{
    gdiplus::GdiplusShutdown(Token);
}

void TPaintPage::SetPlace(int left, int top, int right, int bottom)
{
    const int w = std::max(0, right - left);
    const int h = std::max(0, bottom - top);
    if (Bitmap.Width() != w || Bitmap.Height() != h)
        Bitmap.SetSize(w, h);
    Area = vcl::Rect(0, 0, w, h);
    Place = vcl::Rect(left, top, right, bottom);
}

void TPaintPage::Clear(vcl::TColor colour)
{
    vcl::TBrush* brush = Bitmap.Canvas()->Brush();
    brush->SetStyle(vcl::TBrushStyle::bsSolid);
    brush->SetColor(colour);
    Bitmap.Canvas()->FillRect(Area);
}

void TPaintPage::SetFont(const vcl::TFont* font)
{
    Bitmap.Canvas()->Font()->Assign(const_cast<vcl::TFont*>(font));
}
