#pragma once
// Windows bitmap files: reads 1, 4, 8, 16, 24 and 32 bits per pixel (uncompressed, bit fields,
// RLE4 and RLE8; bottom-up and top-down) and writes 24 or 32 bits per pixel.

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <span>

namespace vcl {

class BmpCodec
{
public:
    // Returns Format_RGB32, or Format_ARGB32 when the header declares an alpha mask. Raises
    // EInvalidGraphic "Bitmap image is not valid: <reason>" for a corrupt or truncated file.
    static QImage Decode(std::span<const std::uint8_t> data);
    static QImage Decode(const QByteArray& data);

    // 24 bits: BITMAPINFOHEADER, bottom-up. 32 bits: BITMAPV4HEADER with an alpha mask, so
    // alpha survives a round trip. Raises EInvalidGraphic for a null image or another depth.
    static QByteArray Encode(const QImage& image, int bitsPerPixel = 24);
};

} // namespace vcl
