#pragma once
// The colours of the window skin, shared by the picture generator and the windows, and the contrast
// rule every text is chosen by: at least 4.5:1 between a text and what lies behind it.

#include <cmath>
#include <cstdint>

namespace skin {

struct Rgb
{
    std::uint8_t r, g, b;
};

// Behind the controls.
inline constexpr Rgb FormBack { 24, 28, 36 };
inline constexpr Rgb BarBack { 36, 42, 54 };
inline constexpr Rgb UpperBack { 30, 35, 45 };
inline constexpr Rgb LowerBack { 40, 46, 60 };
inline constexpr Rgb RowBack { 44, 52, 68 };

// Texts: headings and values, and the quieter captions.
inline constexpr Rgb Text { 232, 236, 242 };
inline constexpr Rgb Caption { 176, 186, 200 };

// Value boxes: a dark field with light text, so the current band's green stays readable too.
inline constexpr Rgb FieldBack { 14, 18, 24 };
inline constexpr Rgb FieldText { 236, 240, 245 };
inline constexpr Rgb FieldBorder { 96, 108, 130 };

// A band's bypass switch: a light face with dark text, so both its states (this face, or the light
// red the band editor gives a bypassed band) read.
inline constexpr Rgb SwitchBack { 196, 202, 212 };
inline constexpr Rgb SwitchText { 16, 18, 22 };

// Button faces, top and bottom of their gradient.
inline constexpr Rgb FaceTop { 78, 86, 104 };
inline constexpr Rgb FaceBottom { 54, 60, 74 };
inline constexpr Rgb FaceBorder { 120, 130, 150 };
inline constexpr Rgb HotTop { 96, 106, 128 };
inline constexpr Rgb HotBottom { 66, 74, 92 };
inline constexpr Rgb PressedTop { 40, 45, 56 };
inline constexpr Rgb PressedBottom { 52, 58, 72 };
inline constexpr Rgb DisabledFace { 58, 62, 70 };
inline constexpr Rgb LedOff { 28, 32, 40 };

// A latched button lights up: a fill and a bright lamp strip.
struct LitColours
{
    Rgb top, bottom, lamp;
};
inline constexpr LitColours LitGreen { { 0, 122, 64 }, { 0, 98, 52 }, { 90, 255, 150 } };
inline constexpr LitColours LitRed { { 178, 36, 36 }, { 140, 24, 24 }, { 255, 110, 110 } };
inline constexpr LitColours LitAmber { { 150, 88, 0 }, { 118, 68, 0 }, { 255, 196, 60 } };
inline constexpr LitColours LitBlue { { 30, 96, 188 }, { 20, 72, 148 }, { 120, 190, 255 } };
// The shown page's button: deep enough that both page captions (white, and green for the shown
// page) read on it.
inline constexpr LitColours PageLit { { 20, 62, 152 }, { 12, 42, 114 }, { 120, 190, 255 } };

// Pixels of a face in this colour are not drawn (the parent shows through).
inline constexpr Rgb Transparent { 0, 128, 128 };

// Level meters: unlit segments stay dark, lit ones bright (top zone, middle zone, bottom zone).
inline constexpr Rgb MeterUnlit[3] = { { 70, 16, 16 }, { 64, 56, 10 }, { 12, 54, 24 } };
inline constexpr Rgb MeterLit[3] = { { 255, 48, 48 }, { 255, 214, 0 }, { 48, 230, 96 } };

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
inline double Luminance(Rgb c)
{
    auto linear = [](std::uint8_t v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

// 1 (same) to 21 (black on white), whichever is lighter.
inline double Contrast(Rgb a, Rgb b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::fmax(la, lb) + 0.05) / (std::fmin(la, lb) + 0.05);
}

inline constexpr double ReadableContrast = 4.5;

// The colour a text keeps on a face: its own when readable there, else the skin's light text.
inline Rgb ReadableOn(Rgb text, Rgb back)
{
    return Contrast(text, back) >= ReadableContrast ? text : Text;
}

// A coloured text (a channel's or a band's) made readable on back: mixed toward white, or toward
// black on a light back, only as far as needed, so its hue stays recognisable.
inline Rgb Legible(Rgb c, Rgb back)
{
    const bool darkBack = Luminance(back) < 0.18;
    for (int k = 0; k <= 20; ++k) {
        const double t = k / 20.0;
        auto mix = [t, darkBack](std::uint8_t v) {
            const double target = darkBack ? 255.0 : 0.0;
            return static_cast<std::uint8_t>(std::lround(v + (target - v) * t));
        };
        const Rgb m { mix(c.r), mix(c.g), mix(c.b) };
        if (Contrast(m, back) >= ReadableContrast)
            return m;
    }
    return darkBack ? Text : Rgb { 0, 0, 0 };
}

} // namespace skin
