// The two picture classes: form data, streams, measuring, drawing on canvases and surfaces,
// assignment and its events, URLs and file headers.

#include "WidgetTestSupport.h"

#include "platform/images/BmpCodec.h"
#include "platform/images/JpegCodec.h"
#include "platform/images/PngCodec.h"
#include "platform/ui/TBitmap.h"
#include "widgets/AdvGDIP.h"
#include "widgets/GDIPicture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

QImage Solid(int w, int h, QColor c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

// A 16 x 29 thumb: white background (its bottom-left pixel) with a red bar in the middle.
QByteArray ThumbBmp()
{
    QImage img = Solid(16, 29, Qt::white);
    for (int y = 5; y < 24; ++y)
        for (int x = 4; x < 12; ++x)
            img.setPixelColor(x, y, Qt::red);
    return vcl::BmpCodec::Encode(img, 24);
}

class Picture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wtest::App();
        canvas.SetSize(80, 60);
        canvas.Canvas()->Brush()->SetColor(vcl::clBlack);
        canvas.Canvas()->FillRect(vcl::TRect(0, 0, 80, 60));
    }
    vcl::TColor At(int x, int y) { return canvas.Canvas()->Pixels(x, y); }
    void Write(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    vcl::TBitmap canvas;
    QTemporaryDir dir;
};

TEST_F(Picture, FormDataOfNoBytesAndMeasuringOnDemand)
{
    TGDIPPicture plain;
    plain.ReadData(QByteArray());
    EXPECT_FALSE(plain.Empty()); // non-empty, yet nothing to measure or draw
    EXPECT_FALSE(plain.GetImageSizes());
    canvas.Canvas()->StretchDraw(vcl::TRect(0, 0, 10, 10), &plain);
    EXPECT_EQ(At(5, 5), vcl::clBlack);

    TAdvGDIPPicture adv;
    adv.ReadData(QByteArray());
    EXPECT_TRUE(adv.Empty());

    const QByteArray png = vcl::PngCodec::Encode(Solid(7, 5, Qt::blue));
    plain.ReadData(png);
    EXPECT_EQ(plain.Width(), 0); // not measured by reading the form
    EXPECT_TRUE(plain.GetImageSizes());
    EXPECT_EQ(plain.Width(), 7);
    EXPECT_EQ(plain.Height(), 5);
    adv.ReadData(png);
    EXPECT_EQ(adv.Width(), 7);

    // Bytes that do not decode still measure, as 0 x 0.
    plain.ReadData(QByteArray("garbage bytes"));
    EXPECT_TRUE(plain.GetImageSizes());
    EXPECT_EQ(plain.Width(), 0);
}

TEST_F(Picture, StreamsRoundTripTheFileUnchanged)
{
    const QByteArray png = vcl::PngCodec::Encode(Solid(3, 3, Qt::green));
    TAdvGDIPPicture a;
    a.LoadFromBytes(png);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    a.SaveToStream(&buffer);
    EXPECT_EQ(out, png);
    TGDIPPicture b;
    int changes = 0;
    b.OnChange = [&](vcl::TObject*) { ++changes; };
    QBuffer in(&out);
    in.open(QIODevice::ReadOnly);
    in.seek(2); // read from the first byte whatever the position
    b.LoadFromStream(&in);
    EXPECT_EQ(b.Data(), png);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(changes, 1);
    b.LoadFromStream(nullptr);
    EXPECT_EQ(changes, 1);
}

TEST_F(Picture, BitmapsDrawWithTheirBottomLeftColourLeftOut)
{
    TGDIPPicture thumb;
    thumb.ReadData(ThumbBmp());
    thumb.GetImageSizes();
    canvas.Canvas()->Draw(10, 10, &thumb);
    EXPECT_EQ(At(10, 10), vcl::clBlack); // white pixels stay out
    EXPECT_EQ(At(15, 20), vcl::clRed);
    EXPECT_EQ(At(21, 33), vcl::clRed);
    EXPECT_EQ(At(22, 33), vcl::clBlack);

    // On a graphics surface a transparent BMP keeps its size whatever the rectangle; a PNG scales.
    TAdvGDIPPicture adv;
    adv.LoadFromBytes(ThumbBmp());
    adv.SetTransparent(true);
    {
        TGPGraphics g(canvas.Canvas());
        adv.GDIPDraw(&g, vcl::TRect(40, 0, 80, 60));
    }
    EXPECT_EQ(At(40, 0), vcl::clBlack);
    EXPECT_EQ(At(44, 5), vcl::clRed);
    EXPECT_EQ(At(44, 29), vcl::clBlack); // beyond the natural height
    EXPECT_EQ(adv.PixelDepth(), 24);
    EXPECT_FALSE(adv.HasAlpha());

    TAdvGDIPPicture png;
    png.LoadFromBytes(vcl::PngCodec::Encode(Solid(2, 2, Qt::blue)));
    {
        TGPGraphics g(canvas.Canvas());
        png.GDIPDraw(&g, vcl::TRect(0, 40, 20, 60));
    }
    EXPECT_EQ(At(1, 41), vcl::clBlue);
    EXPECT_EQ(At(18, 58), vcl::clBlue);
}

TEST_F(Picture, AssignFiresChangeThenClearAndCopiesByKind)
{
    TGDIPPicture p;
    p.LoadFromBytes(vcl::PngCodec::Encode(Solid(9, 4, Qt::red)));
    QStringList events;
    p.OnChange = [&](vcl::TObject*) { events << QStringLiteral("change"); };
    p.OnClear = [&](vcl::TObject*) { events << QStringLiteral("clear"); };
    p.Assign(nullptr);
    EXPECT_EQ(events, (QStringList { QStringLiteral("change"), QStringLiteral("clear") }));
    EXPECT_TRUE(p.Empty());
    EXPECT_EQ(p.Width(), 9); // size kept

    vcl::TBitmap bmp;
    bmp.SetSize(5, 6);
    p.Assign(&bmp);
    EXPECT_FALSE(p.Empty());
    EXPECT_EQ(p.Width(), 5);
    EXPECT_TRUE(p.Data().startsWith("BM"));

    // The plain picture takes no other picture class; the GDI+ picture takes anything graphic.
    TAdvGDIPPicture adv;
    adv.LoadFromBytes(vcl::PngCodec::Encode(Solid(2, 3, Qt::red)));
    p.Assign(&adv);
    EXPECT_TRUE(p.Empty());
    TAdvGDIPPicture other;
    other.Assign(&p);
    EXPECT_FALSE(other.Empty());
    EXPECT_TRUE(other.Data().startsWith("BM"));
}

TEST_F(Picture, UrlsAndFileHeaders)
{
    const QImage img = Solid(33, 21, Qt::red);
    const QString jpeg = dir.filePath(QStringLiteral("page.JpEg"));
    Write(jpeg, vcl::JpegCodec::Encode(img));
    TAdvGDIPPicture adv;
    int clears = 0;
    adv.OnClear = [&](vcl::TObject*) { ++clears; };
    adv.LoadFromURL(QStringLiteral("file://") + jpeg);
    EXPECT_FALSE(adv.Empty());
    EXPECT_EQ(clears, 1);
    EXPECT_EQ(adv.Width(), 33);
    EXPECT_EQ(adv.Height(), 21);

    const QString tif = dir.filePath(QStringLiteral("page.tif"));
    Write(tif, vcl::PngCodec::Encode(img));
    EXPECT_FALSE(adv.GetImageSizesFromFileName(tif));
    EXPECT_EQ(adv.Width(), 0);

    for (const QString& path : { QStringLiteral("page.png"), QStringLiteral("page.bmp") }) {
        const QString file = dir.filePath(path);
        Write(file, path.endsWith(QLatin1String("png")) ? vcl::PngCodec::Encode(img) : vcl::BmpCodec::Encode(img, 24));
        EXPECT_EQ(gdippicture::ImageSizeFromFileHeader(file).cx, 33) << path.toStdString();
        EXPECT_EQ(gdippicture::ImageSizeFromFileHeader(file).cy, 21) << path.toStdString();
    }

    // A top-down bitmap stores a negative height; a JPEG segment claiming a length below 2 ends the walk.
    QByteArray topDown = vcl::BmpCodec::Encode(img, 24);
    const qint32 negative = -21;
    std::memcpy(topDown.data() + 22, &negative, 4);
    const QString flipped = dir.filePath(QStringLiteral("flipped.bmp"));
    Write(flipped, topDown);
    EXPECT_EQ(gdippicture::ImageSizeFromFileHeader(flipped).cy, 21);
    const QString broken = dir.filePath(QStringLiteral("broken.jpg"));
    Write(broken, QByteArray::fromHex("FFD8FFE00000FFC0001108001500210301"));
    EXPECT_EQ(gdippicture::ImageSizeFromFileHeader(broken).cx, 0);

    TGDIPPicture plain;
    for (const QString& url : { QStringLiteral("FILE://"), QStringLiteral("http://x/y.png"), QStringLiteral("RES://") })
        plain.LoadFromURL(url);
    EXPECT_TRUE(plain.Empty());
    plain.LoadFromURL(QStringLiteral("res://NoSuchResource"));
    EXPECT_TRUE(plain.Empty());
    EXPECT_THROW(plain.LoadFromResourceID(4711), EResNotFound);

    // A file that cannot be read leaves the picture empty, quietly.
    plain.LoadFromFile(dir.filePath(QStringLiteral("missing.png")));
    EXPECT_TRUE(plain.Empty());
}

// A bitmap of three colours: white background (its bottom-left pixel), a red bar and a blue block.
QByteArray ThreeColourBmp()
{
    QImage img = Solid(12, 10, Qt::white);
    for (int y = 2; y < 8; ++y)
        for (int x = 1; x < 4; ++x) {
            img.setPixelColor(x, y, Qt::red);
            img.setPixelColor(x + 6, y, Qt::blue);
        }
    return vcl::BmpCodec::Encode(img, 24);
}

TEST_F(Picture, TransparentBitmapsLeaveOutTheKeyColourOfTheirMode)
{
    struct Case {
        const char* what;
        bool transparent;
        vcl::TTransparentMode mode;
        vcl::TColor fixed;
        bool white, red, blue; // drawn or left out
    };
    using M = vcl::TTransparentMode;
    const Case cases[] = {
        { "auto: the bottom-left colour", true, M::tmAuto, vcl::clBlue, false, true, true },
        { "fixed blue", true, M::tmFixed, vcl::clBlue, true, true, false },
        { "fixed white (the default)", true, M::tmFixed, vcl::clWhite, false, true, true },
        { "fixed, a colour it lacks", true, M::tmFixed, vcl::clLime, true, true, true },
        { "not transparent", false, M::tmFixed, vcl::clBlue, true, true, true },
    };
    for (const Case& c : cases) {
        for (const bool floatRect : { false, true }) {
            SetUp();
            TAdvGDIPPicture p;
            p.LoadFromBytes(ThreeColourBmp());
            p.SetTransparent(c.transparent);
            p.SetBitmapTransparentMode(c.mode);
            p.SetBitmapTransparentColor(c.fixed);
            {
                TGPGraphics g(canvas.Canvas());
                // The floating-point rectangle scales a transparent bitmap to 24 x 20; the integer one
                // keeps it at its own size. A picture that is not transparent is scaled by both.
                if (floatRect)
                    p.GDIPDraw(&g, TGPRectF { 10, 10, 24, 20 });
                else
                    p.GDIPDraw(&g, c.transparent ? vcl::TRect(10, 10, 60, 50) : vcl::TRect(10, 10, 22, 20));
            }
            const int s = floatRect ? 2 : 1;
            auto at = [&](int x, int y) { return At(10 + s * x + s / 2, 10 + s * y + s / 2); };
            const std::string what = std::string(c.what) + (floatRect ? ", float rectangle" : "");
            EXPECT_EQ(at(5, 5), c.white ? vcl::clWhite : vcl::clBlack) << what;
            EXPECT_EQ(at(2, 4), c.red ? vcl::clRed : vcl::clBlack) << what;
            EXPECT_EQ(at(8, 4), c.blue ? vcl::clBlue : vcl::clBlack) << what;
            EXPECT_EQ(At(10 + 12 * s + 1, 10 + 5 * s), vcl::clBlack) << what; // nothing beyond its size
        }
    }
}

TEST_F(Picture, TextureFillsTileThePictureOverTheShapeOnly)
{
    // A 2 x 2 tile of four colours, tiled from the surface's origin.
    QImage tile(2, 2, QImage::Format_RGB32);
    tile.setPixelColor(0, 0, Qt::red);
    tile.setPixelColor(1, 0, Qt::green);
    tile.setPixelColor(0, 1, Qt::blue);
    tile.setPixelColor(1, 1, Qt::white);
    const vcl::TColor colours[2][2] = { { vcl::clRed, vcl::clLime }, { vcl::clBlue, vcl::clWhite } };
    TAdvGDIPPicture p;
    p.LoadFromBytes(vcl::PngCodec::Encode(tile));
    {
        TGPGraphics g(canvas.Canvas());
        p.FillRect(&g, TGPRectF { 3, 5, 9, 6 });
    }
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool inside = x >= 3 && x < 12 && y >= 5 && y < 11;
            EXPECT_EQ(At(x, y), inside ? colours[y % 2][x % 2] : vcl::clBlack) << x << "," << y;
        }

    // A path: only its inside is filled.
    {
        TGPGraphics g(canvas.Canvas());
        TGPGraphicsPath ellipse;
        ellipse.AddEllipse(30.0f, 10.0f, 40.0f, 40.0f);
        p.FillPath(&g, &ellipse);
    }
    EXPECT_EQ(At(50, 30), colours[0][0]);
    EXPECT_EQ(At(51, 31), colours[1][1]);
    EXPECT_EQ(At(31, 11), vcl::clBlack); // the bounding box's corner lies outside the ellipse
    EXPECT_EQ(At(68, 48), vcl::clBlack);

    // Bytes that do not decode, or no bytes, fill nothing.
    TAdvGDIPPicture broken;
    broken.LoadFromBytes(QByteArray("not an image"));
    TAdvGDIPPicture empty;
    {
        TGPGraphics g(canvas.Canvas());
        broken.FillRect(&g, TGPRectF { 0, 40, 20, 20 });
        empty.FillRect(&g, TGPRectF { 0, 40, 20, 20 });
    }
    EXPECT_EQ(At(5, 45), vcl::clBlack);
}

namespace {

QByteArray Le16(int v)
{
    return QByteArray(1, char(v & 0xFF)) + QByteArray(1, char((v >> 8) & 0xFF));
}

QByteArray Le32(std::int64_t v)
{
    return Le16(int(v & 0xFFFF)) + Le16(int((v >> 16) & 0xFFFF));
}

// A TIFF header and one directory at `offset` with (tag, value) entries; a big-endian ("MM")
// header holds its directory offset big-endian.
QByteArray Tiff(const char* order, std::uint32_t offset, const std::vector<std::pair<int, std::int64_t>>& entries)
{
    QByteArray where = Le32(offset);
    if (order[0] == 'M')
        std::reverse(where.begin(), where.end());
    QByteArray d = QByteArray(order, 2) + Le16(42) + where;
    d.append(QByteArray(int(offset) - d.size(), '\0'));
    d += Le16(int(entries.size()));
    for (const auto& [tag, value] : entries)
        d += Le16(tag) + Le16(4) + Le32(1) + Le32(value);
    return d + Le32(0);
}

// A GIF with a logical screen of 100 x 100, an optional colour table, extra bytes, then an image.
QByteArray Gif(int flags, const QByteArray& between, int w, int h)
{
    QByteArray d = QByteArray("GIF89a") + Le16(100) + Le16(100) + QByteArray(1, char(flags)) + QByteArray(2, '\0');
    if (flags & 0x80)
        d.append(QByteArray(3 * (1 << ((flags & 7) + 1)), ','));
    d += between;
    d += QByteArray(1, ',') + Le16(0) + Le16(0) + Le16(w) + Le16(h) + QByteArray(1, '\0');
    return d + QByteArray("\x02\x02\x44\x01\x00\x3B", 6);
}

} // namespace

TEST_F(Picture, TiffAndGifHeadersGiveTheImageSize)
{
    const QByteArray graphicControl = QByteArray::fromHex("21F90400000000");
    struct Case {
        const char* name;
        QByteArray bytes;
        int w, h;
    };
    const Case cases[] = {
        { "plain.tiff", Tiff("II", 8, { { 254, 0 }, { 256, 300 }, { 257, 200 } }), 300, 200 },
        { "far.TIFF", Tiff("II", 40, { { 257, 21 }, { 256, 37 } }), 37, 21 },
        { "negative.tiff", Tiff("II", 8, { { 256, -300 }, { 257, -7 } }), 300, 7 },
        { "wide.tiff", Tiff("II", 8, { { 256, 0x12345 }, { 257, 9 } }), 0x2345, 9 },
        { "nowidth.tiff", Tiff("II", 8, { { 257, 21 } }), 0, 0 },
        // Read as little-endian whatever the byte order says: the directory offset lies past the end.
        { "motorola.tiff", Tiff("MM", 8, { { 256, 300 }, { 257, 200 } }), 0, 0 },
        { "short.tiff", QByteArray("II*\0", 4), 0, 0 },
        { "plain.gif", Gif(0x00, QByteArray(), 37, 21), 37, 21 },
        { "table.GIF", Gif(0x81, graphicControl, 40, 30), 40, 30 },
        // A full 256-colour table of separator bytes is skipped, not read as the image.
        { "bigtable.gif", Gif(0x87, QByteArray(), 5, 6), 5, 6 },
        { "notgif.gif", QByteArray("PNG89a") + Gif(0, QByteArray(), 5, 6).mid(6), 0, 0 },
        { "cut.gif", Gif(0x00, QByteArray(), 37, 21).left(16), 0, 0 },
        { "tiff.tif", Tiff("II", 8, { { 256, 300 }, { 257, 200 } }), 0, 0 },
    };
    for (const Case& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        Write(path, c.bytes);
        const vcl::TSize size = gdippicture::ImageSizeFromFileHeader(path);
        EXPECT_EQ(size.cx, c.w) << c.name;
        EXPECT_EQ(size.cy, c.h) << c.name;
    }

    // Loading such a file measures it from its header.
    TAdvGDIPPicture adv;
    adv.LoadFromFile(dir.filePath(QStringLiteral("table.GIF")));
    EXPECT_FALSE(adv.Empty());
    EXPECT_EQ(adv.Width(), 40);
    EXPECT_EQ(adv.Height(), 30);
}

} // namespace
