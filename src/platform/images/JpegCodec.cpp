#include "platform/images/JpegCodec.h"

#include "platform/core/Exception.h"
#include "platform/images/PictureLimits.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace vcl {

namespace {

// libjpeg reports errors by calling error_exit, which must not return: it jumps back to the
// setjmp of the function that runs the library. Those functions keep only trivially
// destructible locals, so the jump skips no destructor.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void onJpegError(j_common_ptr cinfo)
{
    auto* mgr = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, mgr->message);
    std::longjmp(mgr->jump, 1);
}

// Warnings (corrupt data, premature end) are treated as errors; trace messages are ignored.
extern "C" void onJpegMessage(j_common_ptr cinfo, int level)
{
    if (level < 0)
        onJpegError(cinfo);
}

enum class Step { Ok, Failed, TooLarge, TooShort, NoMemory };

// Huffman coding spends at least one bit on every 8 x 8 block of every component, so a file with
// fewer bits than blocks cannot hold the picture it declares: it is refused before anything of the
// picture's size is allocated. Arithmetic coding has no such floor.
bool holdsEveryBlock(const jpeg_decompress_struct& cinfo, std::size_t size)
{
    if (cinfo.arith_code)
        return true;
    std::uint64_t blocks = 0;
    for (int c = 0; c < cinfo.num_components; ++c)
        blocks += std::uint64_t(cinfo.comp_info[c].width_in_blocks) * cinfo.comp_info[c].height_in_blocks;
    return std::uint64_t(size) * 8 >= blocks;
}

// Decodes into `out`, which the caller owns. Returns Ok, or the failure with mgr.message set.
Step decodeInto(const std::uint8_t* data, std::size_t size, ErrorManager& mgr, QImage& out)
{
    jpeg_decompress_struct cinfo;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&mgr.base);
    mgr.base.error_exit = onJpegError;
    mgr.base.emit_message = onJpegMessage;
    mgr.message[0] = '\0';
    if (setjmp(mgr.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return Step::Failed;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    const std::int64_t w = cinfo.image_width;
    const std::int64_t h = cinfo.image_height;
    if (w <= 0 || h <= 0 || w > kMaxPictureSide || h > kMaxPictureSide || w * h > kMaxPicturePixels) {
        jpeg_destroy_decompress(&cinfo);
        return Step::TooLarge;
    }
    if (!holdsEveryBlock(cinfo, size)) {
        jpeg_destroy_decompress(&cinfo);
        return Step::TooShort;
    }
    jpeg_start_decompress(&cinfo);
    out = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height), QImage::Format_RGB32);
    if (out.isNull()) {
        jpeg_destroy_decompress(&cinfo);
        return Step::NoMemory;
    }
    // The row buffer belongs to libjpeg's pool and goes with jpeg_destroy_decompress.
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                cinfo.output_width * static_cast<JDIMENSION>(cinfo.output_components), 1);
    const bool adobeInverted = cmyk && cinfo.saw_Adobe_marker;
    while (cinfo.output_scanline < cinfo.output_height) {
        const JDIMENSION y = cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, row, 1);
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(static_cast<int>(y)));
        const JSAMPLE* src = row[0];
        for (JDIMENSION x = 0; x < cinfo.output_width; ++x) {
            if (cmyk) {
                int c = src[4 * x], m = src[4 * x + 1], yy = src[4 * x + 2], k = src[4 * x + 3];
                if (!adobeInverted) {
                    c = 255 - c;
                    m = 255 - m;
                    yy = 255 - yy;
                    k = 255 - k;
                }
                dst[x] = qRgb(c * k / 255, m * k / 255, yy * k / 255);
            } else {
                dst[x] = qRgb(src[3 * x], src[3 * x + 1], src[3 * x + 2]);
            }
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return Step::Ok;
}

// Encodes `rgb` (Format_RGB888); *buffer is malloc'd by libjpeg and freed by the caller.
J_DCT_METHOD dctOf(TJpegDctMethod method)
{
    switch (method) {
    case TJpegDctMethod::jdmFastInteger:
        return JDCT_IFAST;
    case TJpegDctMethod::jdmFloat:
        return JDCT_FLOAT;
    case TJpegDctMethod::jdmSlowInteger:
        break;
    }
    return JDCT_ISLOW;
}

bool encodeFrom(const QImage& rgb, const TJpegEncodeOptions& options, ErrorManager& mgr, unsigned char** buffer,
                unsigned long* size)
{
    jpeg_compress_struct cinfo;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&mgr.base);
    mgr.base.error_exit = onJpegError;
    mgr.message[0] = '\0';
    if (setjmp(mgr.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, buffer, size);
    cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, options.Quality, TRUE);
    cinfo.dct_method = dctOf(options.DctMethod);
    if (options.Progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

QImage JpegCodec::Decode(const QByteArray& data)
{
    return Decode(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                                static_cast<std::size_t>(data.size())));
}

QImage JpegCodec::Decode(std::span<const std::uint8_t> data)
{
    const QString prefix = QStringLiteral("JPEG image is not valid: %s");
    if (data.size() < 4 || data[0] != 0xFF || data[1] != 0xD8)
        throw EInvalidGraphic(prefix, QStringLiteral("no JPEG start marker"));
    ErrorManager mgr;
    QImage out;
    switch (decodeInto(data.data(), data.size(), mgr, out)) {
    case Step::Ok:
        return out;
    case Step::TooLarge:
        throw EInvalidGraphic(prefix, QStringLiteral("image too large"));
    case Step::TooShort:
        throw EInvalidGraphic(prefix, QStringLiteral("truncated image data"));
    case Step::NoMemory:
        throw EOutOfMemory(QStringLiteral("Out of memory"));
    case Step::Failed:
        break;
    }
    throw EInvalidGraphic(prefix, QString::fromLatin1(mgr.message));
}

QByteArray JpegCodec::Encode(const QImage& image, int quality)
{
    TJpegEncodeOptions options;
    options.Quality = quality;
    return Encode(image, options);
}

QByteArray JpegCodec::Encode(const QImage& image, const TJpegEncodeOptions& requested)
{
    TJpegEncodeOptions options = requested;
    options.Quality = std::clamp(options.Quality, 1, 100);
    if (image.isNull())
        throw EInvalidGraphic(QStringLiteral("Cannot save an empty JPEG image"));
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    ErrorManager mgr;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = encodeFrom(rgb, options, mgr, &buffer, &size);
    QByteArray out;
    if (ok)
        out = QByteArray(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    if (!ok)
        throw EInvalidGraphic(QStringLiteral("JPEG image could not be written: %s"), QString::fromLatin1(mgr.message));
    return out;
}

} // namespace vcl
