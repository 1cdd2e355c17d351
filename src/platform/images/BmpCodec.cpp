#include "platform/images/BmpCodec.h"

#include "platform/core/Exception.h"
#include "platform/images/BmpRle.h"
#include "platform/images/PictureLimits.h"

#include <array>
#include <bit>
#include <vector>

namespace vcl {

namespace {

constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_RLE8 = 1;
constexpr std::uint32_t BI_RLE4 = 2;
constexpr std::uint32_t BI_BITFIELDS = 3;
constexpr std::uint32_t BI_ALPHABITFIELDS = 6;

[[noreturn]] void fail(const char* reason)
{
    throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid: %s"), reason);
}

// Little-endian reads that refuse to go past the end of the file.
class Bytes
{
public:
    explicit Bytes(std::span<const std::uint8_t> d) : m_d(d) {}
    std::size_t size() const { return m_d.size(); }
    const std::uint8_t* at(std::uint64_t offset, std::uint64_t count, const char* what) const
    {
        if (offset > m_d.size() || count > m_d.size() - offset)
            fail(what);
        return m_d.data() + offset;
    }
    std::uint16_t u16(std::uint64_t o) const
    {
        const std::uint8_t* p = at(o, 2, "truncated header");
        return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    }
    std::uint32_t u32(std::uint64_t o) const
    {
        const std::uint8_t* p = at(o, 4, "truncated header");
        return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8)
            | (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    }
    std::int32_t i32(std::uint64_t o) const { return static_cast<std::int32_t>(u32(o)); }

private:
    std::span<const std::uint8_t> m_d;
};

// One colour channel described by a bit mask, scaled to 8 bits.
struct Channel
{
    std::uint32_t mask { 0 };
    int shift { 0 };
    int bits { 0 };

    explicit Channel(std::uint32_t m = 0) : mask(m)
    {
        if (m) {
            shift = std::countr_zero(m);
            bits = std::popcount(m >> shift);
        }
    }
    int extract(std::uint32_t v, int absent) const
    {
        if (!mask)
            return absent;
        const std::uint32_t raw = (v & mask) >> shift;
        if (bits >= 8)
            return static_cast<int>(raw >> (bits - 8)) & 0xFF;
        const std::uint32_t max = (1u << bits) - 1;
        return static_cast<int>((raw * 255 + max / 2) / max);
    }
};

void putLE16(QByteArray& out, std::uint16_t v)
{
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
}

void putLE32(QByteArray& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

} // namespace

QImage BmpCodec::Decode(const QByteArray& data)
{
    return Decode(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                                static_cast<std::size_t>(data.size())));
}

QImage BmpCodec::Decode(std::span<const std::uint8_t> data)
{
    const Bytes b(data);
    if (data.size() < 14 + 12)
        fail("file too short");
    if (data[0] != 'B' || data[1] != 'M')
        fail("no bitmap signature");
    const std::uint32_t dataOffset = b.u32(10);
    const std::uint32_t headerSize = b.u32(14);
    const bool core = headerSize == 12;
    if (!(core || headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 64 || headerSize == 108
          || headerSize == 124))
        fail("unknown header size");
    b.at(14, headerSize, "truncated header");

    std::int64_t width = 0;
    std::int64_t height = 0;
    int bpp = 0;
    std::uint32_t compression = BI_RGB;
    std::uint32_t colorsUsed = 0;
    if (core) {
        width = b.u16(18);
        height = b.u16(20);
        bpp = b.u16(24);
    } else {
        width = b.i32(18);
        height = b.i32(22);
        bpp = b.u16(28);
        compression = b.u32(30);
        colorsUsed = b.u32(46);
        if (headerSize == 64 && compression >= 3)
            fail("unsupported compression");
    }
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (width <= 0 || height <= 0)
        fail("bad dimensions");
    if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels)
        fail("image too large");
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        fail("unsupported bit depth");

    // Colour masks.
    std::uint64_t paletteStart = 14 + headerSize;
    Channel red, green, blue, alpha;
    if (compression == BI_BITFIELDS || compression == BI_ALPHABITFIELDS) {
        if (bpp != 16 && bpp != 32)
            fail("bit fields need 16 or 32 bits per pixel");
        const std::uint64_t maskAt = 14 + 40; // after a 40-byte header, or inside a longer one
        red = Channel(b.u32(maskAt));
        green = Channel(b.u32(maskAt + 4));
        blue = Channel(b.u32(maskAt + 8));
        if (compression == BI_ALPHABITFIELDS || headerSize >= 56)
            alpha = Channel(b.u32(maskAt + 12));
        if (headerSize == 40)
            paletteStart += compression == BI_ALPHABITFIELDS ? 16 : 12;
    } else if (compression == BI_RGB) {
        if (bpp == 16) {
            red = Channel(0x7C00);
            green = Channel(0x03E0);
            blue = Channel(0x001F);
        } else if (bpp == 32) {
            red = Channel(0x00FF0000);
            green = Channel(0x0000FF00);
            blue = Channel(0x000000FF);
        }
    } else if (compression == BI_RLE8) {
        if (bpp != 8)
            fail("RLE8 needs 8 bits per pixel");
    } else if (compression == BI_RLE4) {
        if (bpp != 4)
            fail("RLE4 needs 4 bits per pixel");
    } else {
        fail("unsupported compression");
    }
    const bool rle = compression == BI_RLE8 || compression == BI_RLE4;
    if (rle && topDown)
        fail("compressed bitmaps cannot be top-down");

    // Palette; an index beyond it reads as black.
    BmpPalette palette;
    palette.fill(qRgb(0, 0, 0));
    if (bpp <= 8) {
        const std::uint32_t maxColors = 1u << bpp;
        const std::uint32_t count = (colorsUsed == 0 || colorsUsed > maxColors) ? maxColors : colorsUsed;
        const int entrySize = core ? 3 : 4;
        const std::uint8_t* p = b.at(paletteStart, std::uint64_t(count) * entrySize, "truncated palette");
        for (std::uint32_t i = 0; i < count; ++i)
            palette[i] = qRgb(p[i * entrySize + 2], p[i * entrySize + 1], p[i * entrySize]);
    }

    // Where the pixels start and how many there must be is known from the header alone: check it
    // before the picture is allocated, so a short file cannot make us reserve and fill a large one.
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    const std::uint64_t stride = ((std::uint64_t(width) * static_cast<std::uint64_t>(bpp) + 31) / 32) * 4;
    const std::uint8_t* pixels = rle ? b.at(dataOffset, 2, "truncated pixel data")
                                     : b.at(dataOffset, stride * static_cast<std::uint64_t>(height), "truncated pixel data");

    QImage image(w, h, alpha.mask != 0 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        throw EOutOfMemory(QStringLiteral("Out of memory"));
    if (rle) {
        DecodeBmpRle(data.subspan(dataOffset), compression == BI_RLE8, palette, image);
        return image;
    }

    for (int r = 0; r < h; ++r) {
        const std::uint8_t* src = pixels + stride * static_cast<std::uint64_t>(r);
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(topDown ? r : h - 1 - r));
        for (int x = 0; x < w; ++x) {
            switch (bpp) {
            case 1:
                dst[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
                break;
            case 4:
                dst[x] = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
                break;
            case 8:
                dst[x] = palette[src[x]];
                break;
            case 24:
                dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
                break;
            case 16:
            case 32: {
                std::uint32_t v = 0;
                if (bpp == 16)
                    v = static_cast<std::uint32_t>(src[2 * x] | (src[2 * x + 1] << 8));
                else
                    v = static_cast<std::uint32_t>(src[4 * x]) | (static_cast<std::uint32_t>(src[4 * x + 1]) << 8)
                        | (static_cast<std::uint32_t>(src[4 * x + 2]) << 16) | (static_cast<std::uint32_t>(src[4 * x + 3]) << 24);
                dst[x] = qRgba(red.extract(v, 0), green.extract(v, 0), blue.extract(v, 0), alpha.extract(v, 255));
                break;
            }
            }
        }
    }
    return image;
}

QByteArray BmpCodec::Encode(const QImage& source, int bitsPerPixel)
{
    if (source.isNull())
        throw EInvalidGraphic(QStringLiteral("Cannot save an empty bitmap"));
    if (bitsPerPixel != 24 && bitsPerPixel != 32)
        throw EInvalidGraphic(QStringLiteral("Bitmap depth %d cannot be written"), bitsPerPixel);
    const bool withAlpha = bitsPerPixel == 32;
    const QImage image = source.convertToFormat(withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    const std::uint32_t stride = ((static_cast<std::uint32_t>(w) * static_cast<std::uint32_t>(bitsPerPixel) + 31) / 32) * 4;
    const std::uint32_t headerSize = withAlpha ? 108 : 40;
    const std::uint32_t offset = 14 + headerSize;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(h);
    constexpr std::uint32_t pixelsPerMetre = 3780; // 96 DPI

    QByteArray out;
    out.reserve(static_cast<qsizetype>(offset + imageSize));
    out.append("BM");
    putLE32(out, offset + imageSize);
    putLE32(out, 0);
    putLE32(out, offset);
    putLE32(out, headerSize);
    putLE32(out, static_cast<std::uint32_t>(w));
    putLE32(out, static_cast<std::uint32_t>(h)); // bottom-up
    putLE16(out, 1);
    putLE16(out, static_cast<std::uint16_t>(bitsPerPixel));
    putLE32(out, withAlpha ? BI_BITFIELDS : BI_RGB);
    putLE32(out, imageSize);
    putLE32(out, pixelsPerMetre);
    putLE32(out, pixelsPerMetre);
    putLE32(out, 0);
    putLE32(out, 0);
    if (withAlpha) {
        putLE32(out, 0x00FF0000);
        putLE32(out, 0x0000FF00);
        putLE32(out, 0x000000FF);
        putLE32(out, 0xFF000000);
        putLE32(out, 0x73524742); // 'sRGB'
        out.append(QByteArray(36 + 12, '\0')); // end points and gamma, unused for sRGB
    }
    for (int r = h - 1; r >= 0; --r) {
        const auto* src = reinterpret_cast<const QRgb*>(image.constScanLine(r));
        const qsizetype rowStart = out.size();
        for (int x = 0; x < w; ++x) {
            out.append(static_cast<char>(qBlue(src[x])));
            out.append(static_cast<char>(qGreen(src[x])));
            out.append(static_cast<char>(qRed(src[x])));
            if (withAlpha)
                out.append(static_cast<char>(qAlpha(src[x])));
        }
        while (out.size() - rowStart < static_cast<qsizetype>(stride))
            out.append('\0');
    }
    return out;
}

} // namespace vcl
