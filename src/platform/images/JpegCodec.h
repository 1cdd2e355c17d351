#pragma once
// JPEG pictures through libjpeg.

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <span>

namespace vcl {

// The discrete cosine transform libjpeg encodes with: slow and exact, fast, or floating point.
enum class TJpegDctMethod { jdmSlowInteger, jdmFastInteger, jdmFloat };

struct TJpegEncodeOptions
{
    int Quality { 90 }; // 1..100
    bool Progressive { false };
    TJpegDctMethod DctMethod { TJpegDctMethod::jdmSlowInteger };
};

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
    // 24-bit YCbCr with the given quality (clamped to 1..100), scan order and transform.
    static QByteArray Encode(const QImage& image, const TJpegEncodeOptions& options);
};

} // namespace vcl
