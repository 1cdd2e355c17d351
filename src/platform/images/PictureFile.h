#pragma once
// Picture loading by content (BMP, PNG or JPEG, whatever the file name says) and saving by format.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <span>

namespace vcl {

enum class TPictureFormat { pfUnknown, pfBmp, pfPng, pfJpeg };

class PictureFile
{
public:
    // Looks only at the leading signature bytes.
    static TPictureFormat Detect(std::span<const std::uint8_t> data);
    static TPictureFormat Detect(const QByteArray& data);
    // Format from a file extension (".bmp", ".png", ".jpg", ".jpeg"; any case).
    static TPictureFormat FormatOfFileName(const QString& fileName);

    // Decodes by signature; raises EInvalidGraphic for an unknown or corrupt picture.
    static QImage Decode(std::span<const std::uint8_t> data);
    static QImage Decode(const QByteArray& data);
    // Raises EFOpenError when the file cannot be read, EInvalidGraphic when it is no valid picture.
    static QImage Load(const QString& fileName);

    static QByteArray Encode(const QImage& image, TPictureFormat format);
    // Format from the extension; the file is replaced only once completely written. Raises
    // EInvalidGraphic for an unknown extension, EFCreateError when writing fails.
    static void Save(const QImage& image, const QString& fileName);
};

} // namespace vcl
