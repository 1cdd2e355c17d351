#include "widgets/AdvTrackBar.h"

using namespace vcl;

namespace {

struct FiveColors
{
    TColor Color, ColorTo, ColorMirror, ColorMirrorTo, BorderColor;
};

struct StyleRow
{
    TStylePreset Style;
    FiveColors Thumb;
    FiveColors Buttons;
    int Family;
    TColor SliderFrame;
};

constexpr TColor N = clNone;

// Buttons equal to the thumb unless named; the newer looks differ only in the mirror colours.
constexpr StyleRow kStyles[] = {
    { TStylePreset::tsOffice2003Blue, { 0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B },
      { 0xFEECDD, 0xF9DBC4, 0xFEECDD, 0xE2A981, 0x9C613B }, 1, 0xC29674 },
    { TStylePreset::tsOffice2003Silver, { 0xEDD4C0, 0xE6D8D8, 0xEDD4C0, 0xC8B2B3, 0x927476 },
      { 0xEDD4C0, 0xE6D8D8, 0xEDD4C0, 0xC8B2B3, 0x927476 }, 1, 0x927476 },
    { TStylePreset::tsOffice2003Olive, { 0xCFF0EA, 0xCFF0EA, 0xCFF0EA, 0x8CC0B1, 0x8CC0B1 },
      { 0xCFF0EA, 0xCFF0EA, 0xCFF0EA, 0x8CC0B1, 0x8CC0B1 }, 1, 0x8CC0B1 },
    { TStylePreset::tsOffice2003Classic, { 0xFFFFFF, 0xC9D1D5, 0xFFFFFF, 0xC9D1D5, 0x000000 },
      { 0xFFFFFF, 0xC9D1D5, 0xFFFFFF, 0xC9D1D5, 0x000000 }, 2, 0x927476 },
    { TStylePreset::tsOffice2007Luna, { 0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B },
      { 0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B }, 2, 0xC29674 },
    { TStylePreset::tsOffice2007Obsidian, { 0xDFDED6, 0xE4E2DB, 0xD7D5CE, 0xE7E5E0, 0xC0BCB2 },
      { 0xDFDED6, 0xE4E2DB, 0xD7D5CE, 0xE7E5E0, 0xC0BCB2 }, 2, 0xC0BCB2 },
    { TStylePreset::tsWindowsXP, { 0xFFFFFF, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC },
      { 0xFFFFFF, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC }, 3, 0x927476 },
    { TStylePreset::tsWhidbey, { 0xFFFFFF, 0xDFEDF0, 0xDFEDF0, 0xDFEDF0, 0x99A8AC },
      { 0xFFFFFF, 0xDFEDF0, 0xDFEDF0, 0xDFEDF0, 0x99A8AC }, 1, 0x927476 },
    { TStylePreset::tsOffice2007Silver, { 0xF3F3F1, 0xF5F5F3, 0xEEEAE7, 0xF8F7F6, 0xCCCAC9 },
      { 0xF3F3F1, 0xF5F5F3, 0xEEEAE7, 0xF8F7F6, 0xCCCAC9 }, 2, 0xCCCAC9 },
    { TStylePreset::tsWindowsVista, { 0xFFFDF9, 0xFDF0D7, N, N, 0xFEDF9A }, { 0xFFFDF9, 0xFDF0D7, 0xFFFDF9, 0xFDF0D7, 0xFEDF9A },
      4, 0xFEDF9A },
    { TStylePreset::tsWindows7, { 0xFCEBDC, 0xFCDBC1, N, N, 0xCEA27D }, { 0xFCEBDC, 0xFCDBC1, 0xFCEBDC, 0xFCDBC1, 0xCEA27D },
      5, 0xCEA27D },
    { TStylePreset::tsTerminal, { clBtnFace, clBtnFace, N, N, 0x000000 },
      { clBtnFace, clBtnFace, clBtnFace, clBtnFace, 0x000000 }, 6, 0x000000 },
    { TStylePreset::tsOffice2010Blue, { 0xFEFCF9, 0xEAD9CD, N, N, 0x998373 },
      { 0xFEFCF9, 0xEAD9CD, 0xEAD9CD, 0xEAD9CD, 0x998373 }, 7, 0x998373 },
    { TStylePreset::tsOffice2010Silver, { 0xFDFCFA, 0xFDFCFA, N, N, 0x94897F },
      { 0xFDFCFA, 0xFDFCFA, 0xFDFCFA, 0xFDFCFA, 0x94897F }, 7, 0x94897F },
    { TStylePreset::tsOffice2010Black, { 0xC9C9C9, 0x808080, N, N, 0x262626 },
      { 0xC9C9C9, 0x808080, 0x808080, 0x808080, 0x262626 }, 7, 0x262626 },
};

struct Family
{
    FiveColors Hot, Down;
};

constexpr FiveColors kDown1 { 0x76AFF1, 0x4190F3, 0x0E72F1, 0x4C9FFD, 0x45667B };
// Families 1..7 (index 0 unused).
constexpr Family kFamilies[] = {
    { {}, {} },
    { { 0xCCF4FF, 0xACECFF, 0x59DAFF, 0x91D0FF, 0x99CEDB }, kDown1 },
    { { 0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x99CEDB }, kDown1 },
    { { 0xEFD3C6, 0xEFD3C6, 0xEFD3C6, 0xEFD3C6, clHighlight }, { 0xB59284, 0xB59284, 0xB59284, 0xB59284, clHighlight } },
    { { 0xFFFDF9, 0xFFFAF0, N, N, 0xFEDF9A }, { 0xFEF9F0, 0xFDF0D7, N, N, 0xFEDF9A } },
    { { 0xFDFBFA, 0xFDF3EB, N, N, 0xE3B28D }, { 0xFCEBDC, 0xFCDBC1, N, N, 0xCEA27D } },
    { { 0xC0C0C0, 0xC0C0C0, N, N, 0x000000 }, { clHighlight, clHighlight, N, N, 0x000000 } },
    { { 0xDFF7FD, 0x79DFFB, 0x79DFFB, 0xDFF7FD, 0x34C2F0 }, { 0x65C7F5, 0x8AE4FF, 0x8AE4FF, 0x65C7F5, 0x2C78C2 } },
};

} // namespace

void TCustomTrackBar::SetComponentStyle(TStylePreset AStyle)
{
    FSlider->SetOffset(10);
    FSlider->SetPicture(nullptr);
    FSlider->SetPictureDisabled(nullptr);
    FSlider->SetPictureCompleted(nullptr);
    FSlider->SetPictureCompletedDisabled(nullptr);
    FSlider->SetPictureStretched(false);
    FTickMark->SetPicture(nullptr);
    FTickMark->SetPictureDisabled(nullptr);
    FTickMark->SetPosition(TTickMark::tmBottomRight);
    FThumb->SetPicture(nullptr);
    FThumb->SetPictureHot(nullptr);
    FThumb->SetPictureDown(nullptr);
    FThumb->SetPictureDisabled(nullptr);
    FThumb->SetShape(TThumbShape::tsPointer);
    FButtons->SetSpacing(2);

    const StyleRow* row = nullptr;
    for (const StyleRow& r : kStyles)
        if (r.Style == AStyle)
            row = &r;
    if (!row) {
        Invalidate();
        return;
    }
    const Family& fam = kFamilies[row->Family];

    TTrackBarThumb& t = *FThumb;
    t.SetColor(row->Thumb.Color);
    t.SetColorTo(row->Thumb.ColorTo);
    t.SetColorMirror(row->Thumb.ColorMirror);
    t.SetColorMirrorTo(row->Thumb.ColorMirrorTo);
    t.SetBorderColor(row->Thumb.BorderColor);
    t.SetColorHot(fam.Hot.Color);
    t.SetColorHotTo(fam.Hot.ColorTo);
    t.SetColorMirrorHot(fam.Hot.ColorMirror);
    t.SetColorMirrorHotTo(fam.Hot.ColorMirrorTo);
    t.SetBorderColorHot(fam.Hot.BorderColor);
    t.SetColorDown(fam.Down.Color);
    t.SetColorDownTo(fam.Down.ColorTo);
    t.SetColorMirrorDown(fam.Down.ColorMirror);
    t.SetColorMirrorDownTo(fam.Down.ColorMirrorTo);
    t.SetBorderColorDown(fam.Down.BorderColor);
    t.SetGradient(TGDIPGradient::ggVertical);
    t.SetGradientMirror(TGDIPGradient::ggVertical);

    TTrackBarButtons& b = *FButtons;
    b.SetColor(row->Buttons.Color);
    b.SetColorTo(row->Buttons.ColorTo);
    b.SetColorMirror(row->Buttons.ColorMirror);
    b.SetColorMirrorTo(row->Buttons.ColorMirrorTo);
    b.SetBorderColor(row->Buttons.BorderColor);
    b.SetColorHot(fam.Hot.Color);
    b.SetColorHotTo(fam.Hot.ColorTo);
    b.SetColorMirrorHot(fam.Hot.ColorMirror);
    b.SetColorMirrorHotTo(fam.Hot.ColorMirrorTo);
    b.SetBorderColorHot(fam.Hot.BorderColor);
    b.SetColorDown(fam.Down.Color);
    b.SetColorDownTo(fam.Down.ColorTo);
    b.SetColorMirrorDown(fam.Down.ColorMirror);
    b.SetColorMirrorDownTo(fam.Down.ColorMirrorTo);
    b.SetBorderColorDown(fam.Down.BorderColor);
    b.SetGradient(TGDIPGradient::ggVertical);
    b.SetGradientMirror(TGDIPGradient::ggVertical);

    FSlider->SetBorderColor(row->SliderFrame);
    FTickMark->SetColor(row->SliderFrame);
    Invalidate();
}
