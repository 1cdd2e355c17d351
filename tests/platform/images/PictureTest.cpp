#include "platform/core/Exception.h"
#include "platform/images/BmpCodec.h"
#include "platform/images/JpegCodec.h"
#include "platform/images/PictureFile.h"
#include "platform/images/PngCodec.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

using namespace vcl;

namespace {

using Bytes = std::vector<std::uint8_t>;

QImage pattern(int w, int h, bool alpha)
{
    QImage img(w, h, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgba((x * 37) & 0xFF, (y * 53) & 0xFF, (x * y * 7) & 0xFF, alpha ? (x * 16 + y) & 0xFF : 255));
    return img;
}

// Smooth content that JPEG keeps close.
QImage gradient(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, 128));
    return img;
}

Bytes toBytes(const QByteArray& a) { return Bytes(a.begin(), a.end()); }

void le16(Bytes& b, std::size_t at, std::uint16_t v)
{
    b[at] = v & 0xFF;
    b[at + 1] = v >> 8;
}
void le32(Bytes& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] = (v >> (8 * i)) & 0xFF;
}

// A bitmap file assembled field by field: header of `headerSize` bytes, then masks (for a
// 40-byte header with bit fields), palette (BGR0 or BGR for the core header), pixel bytes.
Bytes bmp(int headerSize, int w, int h, int bpp, std::uint32_t compression, const std::vector<QRgb>& palette,
          const std::vector<std::uint32_t>& masks, const Bytes& pixels, std::uint32_t colorsUsed = 0)
{
    Bytes b(14 + static_cast<std::size_t>(headerSize), 0);
    b[0] = 'B';
    b[1] = 'M';
    le32(b, 14, static_cast<std::uint32_t>(headerSize));
    if (headerSize == 12) {
        le16(b, 18, static_cast<std::uint16_t>(w));
        le16(b, 20, static_cast<std::uint16_t>(h));
        le16(b, 22, 1);
        le16(b, 24, static_cast<std::uint16_t>(bpp));
    } else {
        le32(b, 18, static_cast<std::uint32_t>(w));
        le32(b, 22, static_cast<std::uint32_t>(h));
        le16(b, 26, 1);
        le16(b, 28, static_cast<std::uint16_t>(bpp));
        le32(b, 30, compression);
        le32(b, 46, colorsUsed);
        for (std::size_t i = 0; i < masks.size() && headerSize > 40; ++i)
            le32(b, 54 + 4 * i, masks[i]);
    }
    if (headerSize == 40)
        for (std::uint32_t m : masks) {
            b.resize(b.size() + 4);
            le32(b, b.size() - 4, m);
        }
    for (QRgb c : palette) {
        b.push_back(static_cast<std::uint8_t>(qBlue(c)));
        b.push_back(static_cast<std::uint8_t>(qGreen(c)));
        b.push_back(static_cast<std::uint8_t>(qRed(c)));
        if (headerSize != 12)
            b.push_back(0);
    }
    le32(b, 10, static_cast<std::uint32_t>(b.size()));
    b.insert(b.end(), pixels.begin(), pixels.end());
    le32(b, 2, static_cast<std::uint32_t>(b.size()));
    return b;
}

std::vector<QRgb> rows(const QImage& img)
{
    std::vector<QRgb> out;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            out.push_back(img.pixel(x, y));
    return out;
}

constexpr QRgb R = 0xFFFF0000, G = 0xFF00FF00, B = 0xFF0000FF, K = 0xFF000000, W = 0xFFFFFFFF;

// Decoding must either succeed or raise EInvalidGraphic; anything else (or a sanitizer report) fails.
bool decodesOrRefuses(const std::function<QImage(const Bytes&)>& decode, const Bytes& data)
{
    try {
        decode(data);
        return true;
    } catch (const EInvalidGraphic&) {
        return false;
    }
}

} // namespace

TEST(Bmp, RoundTrip24And32)
{
    const QImage opaque = pattern(13, 7, false); // odd width: row padding
    const QImage fromBmp24 = BmpCodec::Decode(BmpCodec::Encode(opaque, 24));
    EXPECT_EQ(fromBmp24.format(), QImage::Format_RGB32);
    EXPECT_EQ(rows(fromBmp24), rows(opaque));

    const QImage alpha = pattern(5, 9, true);
    const QImage fromBmp32 = BmpCodec::Decode(BmpCodec::Encode(alpha, 32));
    EXPECT_EQ(fromBmp32.format(), QImage::Format_ARGB32);
    EXPECT_EQ(rows(fromBmp32), rows(alpha));
    EXPECT_THROW(BmpCodec::Encode(QImage(), 24), EInvalidGraphic);
    EXPECT_THROW(BmpCodec::Encode(opaque, 8), EInvalidGraphic);
}

TEST(Bmp, ReadsEveryLayout)
{
    const struct {
        const char* name;
        Bytes file;
        std::vector<QRgb> expected; // top row first
    } cases[] = {
        // 3x2, 1 bit, bottom-up: file rows are bottom first, each padded to 4 bytes.
        { "1-bit", bmp(40, 3, 2, 1, 0, { K, W }, {}, { 0b10100000, 0, 0, 0, 0b01000000, 0, 0, 0 }), { K, W, K, W, K, W } },
        { "4-bit", bmp(40, 3, 1, 4, 0, { K, R, G, B }, {}, { 0x12, 0x30, 0, 0 }, 4), { R, G, B } },
        // Index 5 lies beyond the 2 used colours: black.
        { "8-bit short palette", bmp(40, 3, 1, 8, 0, { R, G }, {}, { 1, 0, 5, 0 }, 2), { G, R, K } },
        { "core header", bmp(12, 2, 1, 8, 0, std::vector<QRgb>(256, B), {}, { 0, 0, 0, 0 }), { B, B } },
        { "24-bit top-down", bmp(40, 1, -2, 24, 0, {}, {}, { 0, 0, 255, 0, 0, 255, 0, 0 }), { R, G } },
        { "16-bit 555", bmp(40, 2, 1, 16, 0, {}, {}, { 0x00, 0x7C, 0x1F, 0x00 }), { R, B } },
        { "16-bit 565 bit fields", bmp(40, 1, 1, 16, 3, {}, { 0xF800, 0x07E0, 0x001F }, { 0xE0, 0x07, 0, 0 }), { G } },
        { "32-bit V5 alpha", bmp(124, 1, 1, 32, 3, {}, { 0xFF0000, 0xFF00, 0xFF, 0xFF000000 }, { 0, 0, 255, 0x80 }), { 0x80FF0000 } },
        { "32-bit plain ignores the 4th byte", bmp(40, 1, 1, 32, 0, {}, {}, { 255, 0, 0, 0x00 }), { B } },
        // RLE8, 4x2: bottom row "run of 4 x index 1", then top row "absolute 1,2,1" + 1 skipped pixel.
        { "RLE8", bmp(40, 4, 2, 8, 1, { K, R, G }, {}, { 4, 1, 0, 0, 0, 3, 1, 2, 1, 0, 0, 1 }, 3), { R, G, R, K, R, R, R, R } },
        // RLE4, 3x1: run of 3 alternating 1,2.
        { "RLE4", bmp(40, 3, 1, 4, 2, { K, R, G }, {}, { 3, 0x12, 0, 1 }, 3), { R, G, R } },
        // RLE8 delta: skip 1 right and 1 up from the bottom-left, then one pixel.
        { "RLE8 delta", bmp(40, 2, 2, 8, 1, { K, R }, {}, { 0, 2, 1, 1, 1, 1, 0, 1 }, 2), { K, R, K, K } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QImage img;
        ASSERT_NO_THROW(img = BmpCodec::Decode(c.file));
        EXPECT_EQ(rows(img), c.expected);
    }
}

TEST(Bmp, RefusesCorruptHeaders)
{
    const Bytes good = bmp(40, 2, 2, 24, 0, {}, {}, Bytes(16, 0x55));
    ASSERT_NO_THROW(BmpCodec::Decode(good));
    const struct {
        const char* name;
        std::function<void(Bytes&)> corrupt;
    } cases[] = {
        { "signature", [](Bytes& b) { b[0] = 'X'; } },
        { "header size", [](Bytes& b) { le32(b, 14, 41); } },
        { "zero width", [](Bytes& b) { le32(b, 18, 0); } },
        { "negative width", [](Bytes& b) { le32(b, 18, 0xFFFFFFFF); } },
        { "zero height", [](Bytes& b) { le32(b, 22, 0); } },
        { "most negative height", [](Bytes& b) { le32(b, 22, 0x80000000); } },
        { "huge dimensions", [](Bytes& b) { le32(b, 18, 30000); le32(b, 22, 30000); } },
        { "wide beyond the data", [](Bytes& b) { le32(b, 18, 1000); } },
        { "bit depth", [](Bytes& b) { le16(b, 28, 7); } },
        { "compression", [](Bytes& b) { le32(b, 30, 4); } },
        { "bit fields on 24 bits", [](Bytes& b) { le32(b, 30, 3); } },
        { "RLE on 24 bits", [](Bytes& b) { le32(b, 30, 1); } },
        { "offset past the end", [](Bytes& b) { le32(b, 10, 0xFFFFFFF0); } },
        { "offset inside the last row", [](Bytes& b) { le32(b, 10, static_cast<std::uint32_t>(b.size() - 4)); } },
        { "palette past the end", [](Bytes& b) { le16(b, 28, 8); le32(b, 46, 256); } },
    };
    for (const auto& c : cases) {
        Bytes b = good;
        c.corrupt(b);
        EXPECT_THROW(BmpCodec::Decode(b), EInvalidGraphic) << c.name;
    }
    try {
        BmpCodec::Decode(Bytes { 'B', 'M', 0 });
        FAIL();
    } catch (const EInvalidGraphic& e) {
        EXPECT_TRUE(e.Message().startsWith("Bitmap image is not valid")) << e.Message().toStdString();
    }
}

// Run-length pixels must stay inside the picture: every run, absolute run and jump that would
// leave it refuses the file, and codes that end early are a truncated file.
TEST(Bmp, RunLengthCodesStayInsideThePicture)
{
    const struct {
        const char* name;
        int w, h, bpp;
        std::uint32_t compression;
        Bytes codes;
    } refused[] = {
        { "codes end before the picture", 4, 2, 8, 1, { 4, 0, 0, 0 } },
        { "absolute run past the data", 4, 1, 8, 1, { 0, 9, 1, 2 } },
        { "run past the row end", 2, 1, 8, 1, { 200, 0, 0, 1 } },
        { "run one pixel too long", 4, 1, 8, 1, { 3, 0, 2, 0, 0, 1 } },
        { "absolute run past the row end", 2, 1, 8, 1, { 0, 3, 0, 0, 0, 0, 0, 1 } },
        { "RLE4 run past the row end", 3, 1, 4, 2, { 4, 0x12, 0, 1 } },
        { "RLE4 absolute run past the row end", 2, 1, 4, 2, { 0, 3, 0x12, 0x30, 0, 1 } },
        { "jump past the row end", 4, 2, 8, 1, { 0, 2, 5, 0, 0, 1 } },
        { "jump past the last row", 4, 2, 8, 1, { 0, 2, 0, 3, 0, 1 } },
    };
    for (const auto& c : refused) {
        const std::uint32_t colours = c.bpp == 8 ? 256 : 16;
        EXPECT_THROW(BmpCodec::Decode(bmp(40, c.w, c.h, c.bpp, c.compression, std::vector<QRgb>(colours, R), {}, c.codes, colours)),
                     EInvalidGraphic)
            << c.name;
    }
    // Runs that end exactly at the row end, and an end-of-line after the last row, are fine.
    const QImage exact = BmpCodec::Decode(bmp(40, 3, 2, 8, 1, { K, R, G }, {}, { 3, 1, 0, 0, 3, 2, 0, 0, 0, 1 }, 3));
    EXPECT_EQ(rows(exact), (std::vector<QRgb> { G, G, G, R, R, R }));
}

// A 1 x 1 picture followed by 8.5 million full 255-pixel runs (over 2^31 pixels): the column used
// to grow until it wrapped negative and the write landed before the row. The first run already
// leaves the row.
TEST(Bmp, EndlessRunsOnATinyPictureAreRefused)
{
    Bytes codes;
    codes.reserve(2 * 8'500'000 + 2);
    for (int i = 0; i < 8'500'000; ++i) {
        codes.push_back(255);
        codes.push_back(0);
    }
    codes.insert(codes.end(), { 0, 1 });
    const Bytes file = bmp(40, 1, 1, 8, 1, { R }, {}, codes, 1);
    EXPECT_THROW(BmpCodec::Decode(file), EInvalidGraphic);
}

// A 136-byte file that declares a 26116 x 2050 RLE4 picture with its pixels beyond the end: refused
// from the header before anything of the picture's size is reserved.
TEST(Bmp, PixelOffsetIsCheckedBeforeThePictureIsAllocated)
{
    struct Case {
        const char* name;
        std::uint32_t compression;
        int bpp;
    } cases[] = { { "RLE4", 2, 4 }, { "RLE8", 1, 8 }, { "uncompressed", 0, 24 } };
    for (const auto& c : cases) {
        const std::uint32_t colours = c.bpp <= 8 ? 1 : 0;
        Bytes file = bmp(40, 26116, 2050, c.bpp, c.compression, std::vector<QRgb>(colours, R), {}, {}, colours);
        ASSERT_LE(file.size(), 136u);
        file.resize(136, 0);
        le32(file, 10, 136);
        try {
            BmpCodec::Decode(file);
            ADD_FAILURE() << c.name << ": decoded";
        } catch (const EInvalidGraphic& e) {
            EXPECT_TRUE(e.Message().contains("truncated pixel data")) << c.name << ": " << e.Message().toStdString();
        }
    }
}

TEST(Png, RoundTripOpaqueAndAlpha)
{
    const QImage opaque = pattern(17, 5, false);
    const QImage a = PngCodec::Decode(PngCodec::Encode(opaque));
    EXPECT_EQ(a.format(), QImage::Format_RGB32);
    EXPECT_EQ(rows(a), rows(opaque));
    const QImage alpha = pattern(6, 11, true);
    const QImage b = PngCodec::Decode(PngCodec::Encode(alpha));
    EXPECT_EQ(b.format(), QImage::Format_ARGB32);
    EXPECT_EQ(rows(b), rows(alpha));
}

// A small PNG whose header declares 32768 x 2048 pixels cannot hold them even at deflate's
// highest ratio: refused as truncated before the picture is allocated.
TEST(Png, HeaderLargerThanTheDataIsRefused)
{
    Bytes file = toBytes(PngCodec::Encode(pattern(2, 2, false)));
    const auto be32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
    };
    be32(16, 32768); // IHDR width and height, then the chunk's check sum again
    be32(20, 2048);
    be32(29, static_cast<std::uint32_t>(crc32(0, file.data() + 12, 17)));
    try {
        PngCodec::Decode(file);
        FAIL() << "decoded";
    } catch (const EInvalidGraphic& e) {
        EXPECT_TRUE(e.Message().contains("truncated image data")) << e.Message().toStdString();
    }
}

// The same for JPEG: a small file whose frame header declares 32768 x 2048 pixels holds fewer
// bits than the picture has blocks.
TEST(Jpeg, HeaderLargerThanTheDataIsRefused)
{
    Bytes file = toBytes(JpegCodec::Encode(gradient(16, 16)));
    std::size_t frame = 2;
    while (frame + 9 < file.size() && !(file[frame] == 0xFF && file[frame + 1] == 0xC0))
        ++frame;
    ASSERT_LT(frame + 9, file.size());
    file[frame + 5] = 0x08; // height 2048
    file[frame + 6] = 0x00;
    file[frame + 7] = 0x80; // width 32768
    file[frame + 8] = 0x00;
    try {
        JpegCodec::Decode(file);
        FAIL() << "decoded";
    } catch (const EInvalidGraphic& e) {
        EXPECT_TRUE(e.Message().contains("truncated image data")) << e.Message().toStdString();
    }
}

TEST(Jpeg, RoundTripStaysClose)
{
    const QImage src = gradient(40, 24);
    const QByteArray file = JpegCodec::Encode(src, 95);
    EXPECT_EQ(PictureFile::Detect(file), TPictureFormat::pfJpeg);
    const QImage back = JpegCodec::Decode(file);
    ASSERT_EQ(back.size(), src.size());
    EXPECT_EQ(back.format(), QImage::Format_RGB32);
    int worst = 0;
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const QRgb p = src.pixel(x, y), q = back.pixel(x, y);
            worst = std::max({ worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q)) });
        }
    EXPECT_LE(worst, 12);
    // Grey input comes back as RGB32 too.
    const QImage grey = JpegCodec::Decode(JpegCodec::Encode(src.convertToFormat(QImage::Format_Grayscale8)));
    EXPECT_EQ(grey.format(), QImage::Format_RGB32);
}

TEST(Pictures, TruncatedFilesAreRefused)
{
    const struct {
        const char* name;
        Bytes file;
        std::function<QImage(const Bytes&)> decode;
        std::size_t tolerated; // trailing bytes that may go missing (PNG's end chunk)
    } cases[] = {
        { "bmp", toBytes(BmpCodec::Encode(pattern(9, 4, false), 24)), [](const Bytes& d) { return BmpCodec::Decode(d); }, 0 },
        { "png", toBytes(PngCodec::Encode(pattern(9, 4, true))), [](const Bytes& d) { return PngCodec::Decode(d); }, 12 },
        { "jpeg", toBytes(JpegCodec::Encode(gradient(16, 16))), [](const Bytes& d) { return JpegCodec::Decode(d); }, 0 },
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(decodesOrRefuses(c.decode, c.file)) << c.name;
        for (std::size_t n = 0; n + c.tolerated < c.file.size(); ++n) {
            const Bytes cut(c.file.begin(), c.file.begin() + static_cast<std::ptrdiff_t>(n));
            EXPECT_FALSE(decodesOrRefuses(c.decode, cut)) << c.name << " cut at " << n;
        }
    }
}

TEST(Pictures, DamagedBytesNeverEscapeAsAnythingButARefusal)
{
    const struct {
        const char* name;
        Bytes file;
        std::function<QImage(const Bytes&)> decode;
    } cases[] = {
        { "bmp", toBytes(BmpCodec::Encode(pattern(9, 4, false), 24)), [](const Bytes& d) { return BmpCodec::Decode(d); } },
        { "bmp8", bmp(40, 3, 1, 8, 0, { R, G }, {}, { 1, 0, 5, 0 }, 2), [](const Bytes& d) { return BmpCodec::Decode(d); } },
        { "rle8", bmp(40, 4, 2, 8, 1, { K, R, G }, {}, { 4, 1, 0, 0, 0, 3, 1, 2, 1, 0, 0, 1 }, 3), [](const Bytes& d) { return BmpCodec::Decode(d); } },
        { "png", toBytes(PngCodec::Encode(pattern(9, 4, true))), [](const Bytes& d) { return PngCodec::Decode(d); } },
        { "jpeg", toBytes(JpegCodec::Encode(gradient(16, 16))), [](const Bytes& d) { return JpegCodec::Decode(d); } },
    };
    std::mt19937 rng(12345);
    for (const auto& c : cases) {
        for (int round = 0; round < 300; ++round) {
            Bytes b = c.file;
            const int flips = 1 + static_cast<int>(rng() % 4);
            for (int f = 0; f < flips; ++f)
                b[rng() % b.size()] = static_cast<std::uint8_t>(rng());
            try {
                c.decode(b);
            } catch (const EInvalidGraphic&) {
            } catch (const std::exception& e) {
                ADD_FAILURE() << c.name << ": unexpected " << e.what();
            }
        }
    }
}

TEST(Pictures, DecodeByContentAndSaveByExtension)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QImage src = pattern(8, 8, false);
    for (const char* name : { "a.bmp", "b.PNG", "c.jpg" }) {
        const QString path = dir.filePath(name);
        PictureFile::Save(src, path);
        const QImage back = PictureFile::Load(path);
        EXPECT_EQ(back.size(), src.size()) << name;
    }
    // A PNG under a .bmp name still loads: the content decides.
    QFile f(dir.filePath("png-named.bmp"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(PngCodec::Encode(src));
    f.close();
    EXPECT_EQ(rows(PictureFile::Load(f.fileName())), rows(src));

    EXPECT_THROW(PictureFile::Decode(QByteArray("GIF89a....")), EInvalidGraphic);
    EXPECT_THROW(PictureFile::Decode(QByteArray()), EInvalidGraphic);
    EXPECT_THROW(PictureFile::Load(dir.filePath("missing.png")), EFOpenError);
    EXPECT_THROW(PictureFile::Save(src, dir.filePath("x.gif")), EInvalidGraphic);
    EXPECT_THROW(PictureFile::Save(src, dir.filePath("no/dir/x.png")), EFCreateError);
}
