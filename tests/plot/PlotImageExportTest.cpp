// Images of a plot: bitmap, JPEG, PNG and vector files and byte arrays at the control's size, the
// encoder settings they carry and the compression checks made before anything is written.

#include "PlotFileTestSupport.h"

#include "plot/iXYPlot.h"

#include "platform/images/BmpCodec.h"
#include "platform/images/JpegCodec.h"
#include "platform/images/PngCodec.h"
#include "platform/ui/TJPEGImage.h"
#include "platform/ui/TMetafile.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

using ptest::ReadAll;

QByteArray BytesOf(const TVariant& Array)
{
    QByteArray bytes;
    for (int i = Array.LowBound(1); i <= Array.HighBound(1); ++i)
        bytes.append(char(Array.Element({ i }).AsInteger()));
    return bytes;
}

// True when the JPEG holds a progressive frame header (SOF2) rather than a baseline one.
bool IsProgressiveJpeg(const QByteArray& Bytes)
{
    return Bytes.contains(QByteArray("\xFF\xC2", 2)) && !Bytes.contains(QByteArray("\xFF\xC0", 2));
}

class PlotImageExportTest : public ptest::PlotFileTest
{
protected:
    void SetUp() override
    {
        ptest::PlotFileTest::SetUp();
        form->SetBounds(0, 0, 800, 400);
        plot->SetBounds(0, 0, 620, 230);
        plot->SetBackGroundColor(clNavy);
    }
};

TEST_F(PlotImageExportTest, EveryFileFormatHasTheControlsSizeAndSignature)
{
    struct Case
    {
        const char* name;
        std::function<void(const QString&)> save;
        QByteArray signature;
        std::function<QImage(const QByteArray&)> decode;
    };
    const std::vector<Case> cases {
        { "plot.bmp", [&](const QString& f) { plot->SaveImageToBitmap(f); }, "BM",
          [](const QByteArray& b) { return BmpCodec::Decode(b); } },
        { "plot.png", [&](const QString& f) { plot->SaveImageToPNG(f, 9); }, "\x89PNG\r\n\x1a\n",
          [](const QByteArray& b) { return PngCodec::Decode(b); } },
        { "plot0.png", [&](const QString& f) { plot->SaveImageToPNG(f, 0); }, "\x89PNG\r\n\x1a\n",
          [](const QByteArray& b) { return PngCodec::Decode(b); } },
        { "plot1.jpg", [&](const QString& f) { plot->SaveImageToJPEG(f, 1, false); }, "\xFF\xD8\xFF",
          [](const QByteArray& b) { return JpegCodec::Decode(b); } },
        { "plot100.jpg", [&](const QString& f) { plot->SaveImageToJPEG(f, 100, true); }, "\xFF\xD8\xFF",
          [](const QByteArray& b) { return JpegCodec::Decode(b); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.save(Path(c.name));
        const QByteArray bytes = ReadAll(Path(c.name));
        ASSERT_TRUE(bytes.startsWith(c.signature));
        const QImage image = c.decode(bytes);
        EXPECT_EQ(image.size(), QSize(620, 230));
        // The background colour reaches the file (navy: 0x000080), inside the border.
        const QRgb mid = image.pixel(310, 115);
        EXPECT_NEAR(qBlue(mid), 0x80, 24); // quality 1 JPEG is coarse
        EXPECT_NEAR(qRed(mid), 0, 24);
    }
    // The zlib level is the one asked for: stored data is far larger than packed data.
    EXPECT_GT(ReadAll(Path("plot0.png")).size(), 4 * ReadAll(Path("plot.png")).size());
    EXPECT_TRUE(IsProgressiveJpeg(ReadAll(Path("plot100.jpg"))));
    EXPECT_FALSE(IsProgressiveJpeg(ReadAll(Path("plot1.jpg"))));
}

TEST_F(PlotImageExportTest, CompressionOutOfRangeRaisesBeforeAnyFileIsWritten)
{
    struct Case
    {
        const char* name;
        std::function<void()> call;
        const char* message;
    };
    const QString file = Path("refused.img");
    const std::vector<Case> cases {
        { "jpeg 0", [&] { plot->SaveImageToJPEG(file, 0, false); }, "Compression must be in the range of 1-100" },
        { "jpeg 101", [&] { plot->SaveImageToJPEG(file, 101, true); }, "Compression must be in the range of 1-100" },
        { "png -1", [&] { plot->SaveImageToPNG(file, -1); }, "Compression must be in the range of 0-9" },
        { "png 10", [&] { plot->SaveImageToPNG(file, 10); }, "Compression must be in the range of 0-9" },
        { "bytes jpeg", [&] { plot->GetBytesJPEG(0, false); }, "Compression must be in the range of 1-100" },
        { "bytes png", [&] { plot->GetBytesPNG(10); }, "Compression must be in the range of 0-9" },
        { "jpeg image", [&] { plot->GetJPEGImage(101, false); }, "Compression must be in the range of 1-100" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.call();
            ADD_FAILURE() << "no exception";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), QString::fromLatin1(c.message));
        }
        EXPECT_FALSE(QFile::exists(file));
    }
}

TEST_F(PlotImageExportTest, ByteArraysHoldWholeFilesFromIndexZero)
{
    const TVariant jpeg = plot->GetBytesJPEG(80, false);
    ASSERT_EQ(jpeg.DimCount(), 1);
    EXPECT_EQ(jpeg.LowBound(1), 0);
    const QByteArray jpegBytes = BytesOf(jpeg);
    EXPECT_TRUE(jpegBytes.startsWith("\xFF\xD8"));
    EXPECT_TRUE(jpegBytes.endsWith("\xFF\xD9"));
    EXPECT_EQ(JpegCodec::Decode(jpegBytes).size(), QSize(620, 230));

    const TVariant png = plot->GetBytesPNG(6);
    EXPECT_EQ(png.LowBound(1), 0);
    EXPECT_EQ(PngCodec::Decode(BytesOf(png)).size(), QSize(620, 230));

    const auto picture = plot->GetJPEGImage(100, true);
    EXPECT_EQ(picture->Width(), 620);
    EXPECT_EQ(picture->Height(), 230);
    EXPECT_TRUE(IsProgressiveJpeg(picture->Bytes()));
}

TEST_F(PlotImageExportTest, VectorPictureIsWrittenAsSvgUnderTheGivenName)
{
    const QString file = Path("plot.emf");
    plot->SaveImageToMetaFile(file);
    const QByteArray svg = ReadAll(file);
    ASSERT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 620 230\""));
    EXPECT_TRUE(svg.contains("<title>Zarvik</title>"));
    // Drawn by a viewer, the file is the plot at full size: its far corner holds the plot's own
    // drawing, not the empty page around a shrunken copy.
    QSvgRenderer viewer(svg);
    QImage viewed(620, 230, QImage::Format_RGB32);
    viewed.fill(Qt::white);
    {
        QPainter painter(&viewed);
        viewer.render(&painter);
    }
    const QImage painted = plot->PaintToImage();
    for (const QPoint p : { QPoint(600, 120), QPoint(310, 220), QPoint(500, 200) })
        EXPECT_EQ(viewed.pixel(p) & 0xFFFFFF, painted.pixel(p) & 0xFFFFFF) << p.x() << "," << p.y();

    // Replayed, the recording is the same drawing as the bitmap.
    TMetafile metafile;
    plot->PaintToMetafile(metafile, QStringLiteral("iPlot"));
    EXPECT_EQ(metafile.Width(), 620);
    EXPECT_EQ(metafile.Height(), 230);
    const QImage replay = metafile.ToImage();
    const QImage bitmap = plot->PaintToImage();
    for (const QPoint p : { QPoint(310, 115), QPoint(1, 1), QPoint(618, 228), QPoint(5, 200) })
        EXPECT_EQ(replay.pixel(p) & 0xFFFFFF, bitmap.pixel(p) & 0xFFFFFF) << p.x() << "," << p.y();
}

} // namespace
