#include "platform/images/PngCodec.h"

#include "platform/core/Exception.h"
#include "platform/images/PictureLimits.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace vcl {

namespace {

[[noreturn]] void fail(const png_image& image)
{
    const QString reason = image.message[0] ? QString::fromLatin1(image.message) : QStringLiteral("unreadable data");
    throw EInvalidGraphic(QStringLiteral("PNG image is not valid: %s"), reason);
}

// Frees libpng's state on every exit path.
struct ImageGuard
{
    png_image& image;
    ~ImageGuard() { png_image_free(&image); }
};

} // namespace

QImage PngCodec::Decode(const QByteArray& data)
{
    return Decode(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                                static_cast<std::size_t>(data.size())));
}

QImage PngCodec::Decode(std::span<const std::uint8_t> data)
{
    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    ImageGuard guard { image };
    if (data.size() < 8 || png_sig_cmp(data.data(), 0, 8) != 0)
        throw EInvalidGraphic(QStringLiteral("PNG image is not valid: %s"), QStringLiteral("no PNG signature"));
    if (!png_image_begin_read_from_memory(&image, data.data(), data.size()))
        fail(image);
    const std::int64_t w = image.width;
    const std::int64_t h = image.height;
    if (w <= 0 || h <= 0 || w > kMaxPictureSide || h > kMaxPictureSide || w * h > kMaxPicturePixels)
        throw EInvalidGraphic(QStringLiteral("PNG image is not valid: %s"), QStringLiteral("image too large"));
    // Deflate expands data at most 1032-fold and every pixel takes at least one bit, so a file too
    // short to hold the pixels it declares is refused before the picture is allocated.
    constexpr std::uint64_t kMostDeflateExpansion = 1032;
    if (std::uint64_t(data.size()) * kMostDeflateExpansion < (std::uint64_t(w) * std::uint64_t(h) + 7) / 8)
        throw EInvalidGraphic(QStringLiteral("PNG image is not valid: %s"), QStringLiteral("truncated image data"));

    const bool hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    image.format = hasAlpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    QImage out(static_cast<int>(w), static_cast<int>(h), hasAlpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    if (out.isNull())
        throw EOutOfMemory(QStringLiteral("Out of memory"));
    if (!png_image_finish_read(&image, nullptr, out.bits(), static_cast<png_int_32>(out.bytesPerLine()), nullptr))
        fail(image);
    return out.convertToFormat(hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

QByteArray PngCodec::Encode(const QImage& source)
{
    if (source.isNull())
        throw EInvalidGraphic(QStringLiteral("Cannot save an empty PNG image"));
    const bool hasAlpha = source.hasAlphaChannel();
    const QImage pixels = source.convertToFormat(hasAlpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);

    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(pixels.width());
    image.height = static_cast<png_uint_32>(pixels.height());
    image.format = hasAlpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    ImageGuard guard { image };
    const auto stride = static_cast<png_int_32>(pixels.bytesPerLine());
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels.constBits(), stride, nullptr))
        fail(image);
    QByteArray out(static_cast<qsizetype>(size), Qt::Uninitialized);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, pixels.constBits(), stride, nullptr))
        fail(image);
    out.resize(static_cast<qsizetype>(size));
    return out;
}

} // namespace vcl

namespace vcl {

namespace {

// libpng reports write errors through a long jump back to the setjmp below; the writer keeps only
// trivially destructible locals between the two, and the output lives in a heap object.
struct PngWriteTarget
{
    QByteArray bytes;
    char message[200] {};
};

extern "C" void onPngWrite(png_structp png, png_bytep data, png_size_t length)
{
    auto* target = static_cast<PngWriteTarget*>(png_get_io_ptr(png));
    target->bytes.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
}

extern "C" void onPngFlush(png_structp) {}

extern "C" void onPngError(png_structp png, png_const_charp message)
{
    auto* target = static_cast<PngWriteTarget*>(png_get_error_ptr(png));
    std::snprintf(target->message, sizeof target->message, "%s", message ? message : "write failed");
    png_longjmp(png, 1);
}

extern "C" void onPngWarning(png_structp, png_const_charp) {}

// Writes rows of `pixels` (RGB888 or RGBA8888); false when libpng failed.
bool writePng(const QImage& pixels, bool hasAlpha, int level, PngWriteTarget& target)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &target, onPngError, onPngWarning);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &target, onPngWrite, onPngFlush);
    png_set_compression_level(png, level);
    png_set_IHDR(png, info, static_cast<png_uint_32>(pixels.width()), static_cast<png_uint_32>(pixels.height()), 8,
                 hasAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < pixels.height(); ++y)
        png_write_row(png, const_cast<png_bytep>(pixels.constScanLine(y)));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

QByteArray PngCodec::Encode(const QImage& source, int compressionLevel)
{
    if (source.isNull())
        throw EInvalidGraphic(QStringLiteral("Cannot save an empty PNG image"));
    const bool hasAlpha = source.hasAlphaChannel();
    const QImage pixels = source.convertToFormat(hasAlpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    auto target = std::make_unique<PngWriteTarget>();
    if (!writePng(pixels, hasAlpha, std::clamp(compressionLevel, 0, 9), *target))
        throw EInvalidGraphic(QStringLiteral("PNG image could not be written: %s"), QString::fromLatin1(target->message));
    return std::move(target->bytes);
}

} // namespace vcl
