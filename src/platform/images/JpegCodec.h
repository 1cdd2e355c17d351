#pragma once
// JPEG pictures through libjpeg.

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <span>

namespace vcl {

class JpegCodec
{
public:
    // Returns Format_RGB32 (grey, YCbCr, RGB and CMYK/YCCK files). Any corruption libjpeg
    // reports, premature end of data included, refuses the file with EInvalidGraphic
    // "JPEG image is not valid: <reason>", rather than showing a partly grey picture.
    static QImage Decode(std::span<const std::uint8_t> data);
    static QImage Decode(const QByteArray& data);
    // Baseline YCbCr at the given quality (1..100).
    static QByteArray Encode(const QImage& image, int quality = 90);
};

} // namespace vcl
