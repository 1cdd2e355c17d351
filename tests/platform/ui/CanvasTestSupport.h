#pragma once
// Shared helpers of the canvas, font and bitmap tests: a GUI application for font access and
// a bitmap filled with one colour whose pixels the tests own.

#include "platform/ui/TBitmap.h"

#include <QApplication>

#include <memory>

namespace canvastest {

// Fonts need a GUI application; one is made on first use unless the program already has one.
inline void EnsureGuiApp()
{
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "test_platform_ui";
        static char* argv[] = { name, nullptr };
        static QApplication* app = new QApplication(argc, argv); // lives to the process's end
        (void)app;
    }
}

inline std::unique_ptr<vcl::TBitmap> MakeBitmap(int w, int h, vcl::TColor background)
{
    EnsureGuiApp();
    auto bitmap = std::make_unique<vcl::TBitmap>();
    bitmap->SetSize(w, h);
    bitmap->Canvas()->Brush()->SetColor(background);
    bitmap->Canvas()->FillRect(vcl::Rect(0, 0, w, h));
    return bitmap;
}

// Number of pixels of the given colour inside [x0, x1) x [y0, y1).
inline int CountColour(vcl::TCanvas& c, vcl::TColor colour, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            n += c.Pixels(x, y) == colour ? 1 : 0;
    return n;
}

} // namespace canvastest
