#pragma once
// The selected band's translucent highlight, drawn once into a blank mask and then stamped onto the
// plot page by every overlay pass: each pixel the outline and the fill touch, with the number of
// times the colour blends into it. Stamping gives the pixels drawing the path gives, at a fraction
// of the cost; a drawing whose mask cannot be read back that way is not stamped.

#include "platform/core/Types.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace vcl {
class TCanvas;
}

class HighlightStamp
{
public:
    // Everything besides the curve that decides the highlight's pixels.
    struct Shape
    {
        int count { 0 };
        bool outlineClosing { false };
        int width { 0 };
        int height { 0 };
        double xMin { 0 }, xMax { 0 }, yMin { 0 }, yMax { 0 };
        int closing { 0 };
        bool rising { false };
        float x10 { 0 }, x20000 { 0 }, y0 { 0 }, yTop { 0 }, yBottom { 0 };
        bool operator==(const Shape&) const = default;
    };

    // The translucent colour as 0xAARRGGBB; every blend of it is learnt from the painter itself.
    explicit HighlightStamp(std::uint32_t argb);

    // True when the stamp was recorded for this shape and curve (count values).
    bool Matches(const Shape& shape, const double* curve) const;
    // Runs draw on a blank canvas of the shape's size and keeps what it touched.
    void Record(const Shape& shape, const double* curve, const std::function<void(vcl::TCanvas&)>& draw);
    // Blends the kept pixels into the page; false (and nothing done) when there is no usable stamp.
    bool Stamp(QImage& page) const;

private:
    static constexpr int MaxBlends = 12;
    struct Run
    {
        int y;
        int x1;
        int x2;
        int blends;
    };
    using Table = std::array<std::uint8_t, 256>;

    void LearnBlend(std::uint32_t argb);
    // Blends of the colour into black, in order: what a mask pixel blended n times holds.
    int BlendsOf(std::uint32_t pixel) const;

    std::uint32_t m_argb;
    bool m_learnt { false };
    std::array<Table, MaxBlends + 1> m_blend {}; // m_blend[n][v]: channel v after n blends
    std::array<std::uint32_t, MaxBlends + 1> m_fromBlack {};
    Shape m_shape;
    std::vector<double> m_curve;
    std::vector<Run> m_runs;
    bool m_recorded { false };
    bool m_usable { false };
};
