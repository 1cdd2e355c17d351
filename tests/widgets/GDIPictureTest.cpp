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

#include <cstring>

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

} // namespace
