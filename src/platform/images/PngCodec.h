#pragma once
// PNG pictures through libpng.

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <span>

namespace vcl {

class PngCodec
{
public:
    // Returns Format_RGB32 for opaque pictures, Format_ARGB32 when the file has alpha or a
    // transparent colour. Raises EInvalidGraphic "PNG image is not valid: <reason>".
    static QImage Decode(std::span<const std::uint8_t> data);
    static QImage Decode(const QByteArray& data);
    // 8-bit RGB, or RGBA when the image has an alpha channel.
    static QByteArray Encode(const QImage& image);
    // The same with the deflate level given (0 stores, 9 packs hardest; clamped to 0..9).
    static QByteArray Encode(const QImage& image, int compressionLevel);
};

} // namespace vcl
