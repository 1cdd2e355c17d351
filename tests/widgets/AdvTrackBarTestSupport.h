#pragma once
// Fixtures of the fader tests: pictures from bitmaps, and a fader set up as the main window's gain fader.

#include "WidgetTestSupport.h"

#include "platform/ui/TBitmap.h"
#include "widgets/AdvTrackBar.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>

namespace fadertest {

// A picture holding a w x h BMP of one colour; its bottom-left pixel is fuchsia, the colour a
// bitmap picture leaves transparent.
inline void LoadSolidPicture(TGDIPPicture* pic, int w, int h, vcl::TColor color)
{
    static QTemporaryDir dir;
    static int counter = 0;
    vcl::TBitmap bmp;
    bmp.SetPixelFormat(vcl::TPixelFormat::pf24bit);
    bmp.SetSize(w, h);
    QImage img = bmp.Image();
    img.fill(vcl::ToQColor(color));
    img.setPixelColor(0, h - 1, vcl::ToQColor(vcl::clFuchsia));
    bmp.SetImage(img);
    const QString path = dir.filePath(QStringLiteral("pic%1.bmp").arg(++counter));
    bmp.SaveToFile(path);
    pic->LoadFromFile(path);
}

// The main window's input gain fader: vertical, 26 x 155, -280..120, page 6, a 16 x 29 thumb bitmap.
inline void SetUpGainFader(TCustomTrackBar& f, vcl::TColor thumbColor = 0x00336699)
{
    f.SetOrientation(TTrackBarOrientation::trVertical);
    f.SetBounds(0, 0, 26, 155);
    f.SetShowFocus(true);
    f.SetTrackHint(false);
    f.SetMax(120);
    f.SetMin(-280);
    f.SetPageSize(6);
    f.SetBorderColor(vcl::clNone);
    TTrackBarSlider& s = *f.Slider();
    s.SetSize(3);
    s.SetColor(vcl::clWhite);
    s.SetColorTo(vcl::clBlack);
    s.SetBorderColor(vcl::clMedGray);
    s.SetColorDisabled(vcl::clBlack);
    s.SetColorDisabledTo(vcl::clBlack);
    s.SetBorderColorDisabled(vcl::clBlack);
    f.TickMark()->SetStyle(TTickStyle::tsNone);
    LoadSolidPicture(f.Thumb()->Picture(), 16, 29, thumbColor);
}

} // namespace fadertest
