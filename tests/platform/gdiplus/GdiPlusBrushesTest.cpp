// Brushes, pens, clipping, arcs, images, matrices and text of the flat drawing API, checked on
// the pixels of a bitmap image the test owns.

#include "platform/gdiplus/GdiPlus.h"
#include "platform/images/BmpCodec.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

using namespace gdiplus;

namespace {

void GuiApp()
{
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "test_platform_gdiplus";
        static char* argv[] = { name, nullptr };
        static QGuiApplication* app = new QGuiApplication(argc, argv);
        (void)app;
    }
}

class Gdip : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GuiApp();
        GdiplusStartupInput input;
        ASSERT_EQ(GdiplusStartup(&m_token, &input, nullptr), Status::Ok);
    }
    void TearDown() override { GdiplusShutdown(m_token); }

    // A bitmap of w x h opaque black pixels and a graphics on it.
    void Surface(int w, int h)
    {
        GpBitmap* b = nullptr;
        ASSERT_EQ(GdipCreateBitmapFromScan0(w, h, 0, PixelFormat32bppRGB, nullptr, &b), Status::Ok);
        bitmap.reset(b);
        GpGraphics* g = nullptr;
        ASSERT_EQ(GdipGetImageGraphicsContext(b, &g), Status::Ok);
        graphics.reset(g);
    }
    ARGB At(int x, int y)
    {
        ARGB c = 0;
        EXPECT_EQ(GdipBitmapGetPixel(bitmap.get(), x, y, &c), Status::Ok);
        return c;
    }
    static int Red(ARGB c) { return int((c >> 16) & 0xFF); }
    static int Blue(ARGB c) { return int(c & 0xFF); }

    ImagePtr bitmap;
    GraphicsPtr graphics;
    ULONG_PTR m_token { 0 };
};

TEST_F(Gdip, FillsFollowSmoothingModeAndClip)
{
    Surface(40, 20);
    GpSolidFill* b = nullptr;
    GdipCreateSolidFill(0xFFFF0000, &b);
    const BrushPtr red(b);
    // Without smoothing a rectangle covers whole pixels [x, x + w).
    GdipFillRectangle(graphics.get(), b, 2, 2, 10, 10);
    EXPECT_EQ(At(2, 2), 0xFFFF0000u);
    EXPECT_EQ(At(11, 11), 0xFFFF0000u);
    EXPECT_EQ(At(12, 11), 0xFF000000u);
    // With antialiasing pixel centres sit on integer coordinates: the edges are half covered.
    GdipSetSmoothingMode(graphics.get(), SmoothingMode::SmoothingModeAntiAlias);
    GdipFillRectangle(graphics.get(), b, 20, 2, 10, 10);
    EXPECT_NEAR(Red(At(20, 5)), 128, 3);
    EXPECT_EQ(At(25, 5), 0xFFFF0000u);
    EXPECT_NEAR(Red(At(30, 5)), 128, 3);
    SmoothingMode mode {};
    GdipGetSmoothingMode(graphics.get(), &mode);
    EXPECT_EQ(mode, SmoothingMode::SmoothingModeAntiAlias);
    GdipSetSmoothingMode(graphics.get(), SmoothingMode::SmoothingModeDefault);

    // An excluded clip rectangle is left alone, until the clip is reset.
    GpSolidFill* bb = nullptr;
    GdipCreateSolidFill(0xFF0000FF, &bb);
    const BrushPtr blue(bb);
    GdipSetClipRect(graphics.get(), 0, 0, 40, 20, CombineMode::CombineModeReplace);
    GdipSetClipRect(graphics.get(), 0, 0, 20, 20, CombineMode::CombineModeExclude);
    GdipFillRectangle(graphics.get(), bb, 0, 14, 40, 4);
    EXPECT_EQ(At(5, 15), 0xFF000000u);
    EXPECT_EQ(At(25, 15), 0xFF0000FFu);
    GdipResetClip(graphics.get());
    GdipFillRectangle(graphics.get(), bb, 0, 14, 40, 4);
    EXPECT_EQ(At(5, 15), 0xFF0000FFu);
}

TEST_F(Gdip, LinearGradientRunsAcrossItsRectangleAndTilesBeyond)
{
    Surface(10, 40);
    GpLineGradient* b = nullptr;
    const GpRectF r { 0, 0, 10, 20 };
    ASSERT_EQ(GdipCreateLineBrushFromRect(&r, 0xFFFF0000, 0xFF0000FF, LinearGradientMode::LinearGradientModeVertical,
                                          WrapMode::WrapModeTile, &b),
              Status::Ok);
    const BrushPtr brush(b);
    GdipFillRectangle(graphics.get(), b, 0, 0, 10, 40);
    EXPECT_GT(Red(At(5, 0)), 240);
    EXPECT_GT(Blue(At(5, 19)), 240);
    EXPECT_NEAR(Red(At(5, 10)), 128, 12);
    EXPECT_GT(Red(At(5, 20)), 240); // the second tile starts over
    // Gamma correction brightens the middle of a red-to-blue blend.
    GdipSetLineGammaCorrection(b, true);
    GdipFillRectangle(graphics.get(), b, 0, 0, 10, 20);
    EXPECT_GT(Red(At(5, 10)), 160);
    BrushType type {};
    GdipGetBrushType(b, &type);
    EXPECT_EQ(type, BrushType::BrushTypeLinearGradient);
}

TEST_F(Gdip, PathGradientPaintsFromCentreToOutlineAndNothingOutside)
{
    Surface(40, 40);
    GpPath* p = nullptr;
    GdipCreatePath(FillMode::FillModeAlternate, &p);
    const PathPtr path(p);
    GdipAddPathEllipse(p, 0, 0, 40, 40);
    GpPathGradient* b = nullptr;
    ASSERT_EQ(GdipCreatePathGradientFromPath(p, &b), Status::Ok);
    const BrushPtr brush(b);
    GdipSetPathGradientCenterColor(b, 0xFFFF0000);
    const ARGB blue = 0xFF0000FF;
    int count = 1;
    ASSERT_EQ(GdipSetPathGradientSurroundColorsWithCount(b, &blue, &count), Status::Ok);
    int tooMany = 1000;
    EXPECT_EQ(GdipSetPathGradientSurroundColorsWithCount(b, &blue, &tooMany), Status::InvalidParameter);
    GdipFillRectangle(graphics.get(), b, 0, 0, 40, 40);
    EXPECT_GT(Red(At(20, 20)), 230);
    EXPECT_GT(Blue(At(20, 1)), 200);
    EXPECT_EQ(At(1, 1), 0xFF000000u); // a corner outside the ellipse
    // A preset blend puts position 1 at the centre.
    const ARGB colours[3] = { 0xFF000000, 0xFF00FF00, 0xFF00FF00 };
    const REAL positions[3] = { 0, 0.5f, 1 };
    ASSERT_EQ(GdipSetPathGradientPresetBlend(b, colours, positions, 3), Status::Ok);
    GdipFillRectangle(graphics.get(), b, 0, 0, 40, 40);
    EXPECT_EQ(At(20, 20) & 0xFFFFFF, 0x00FF00u);
}

TEST_F(Gdip, HatchDashAndArcGeometry)
{
    Surface(32, 32);
    GpHatch* h = nullptr;
    ASSERT_EQ(GdipCreateHatchBrush(HatchStyle::HatchStyleHorizontal, 0xFFFFFFFF, 0xFF0000FF, &h), Status::Ok);
    const BrushPtr hatch(h);
    GdipFillRectangle(graphics.get(), h, 0, 0, 16, 16);
    EXPECT_EQ(At(3, 0), 0xFFFFFFFFu);
    EXPECT_EQ(At(3, 1), 0xFF0000FFu);
    EXPECT_EQ(At(3, 8), 0xFFFFFFFFu);

    GpPen* pen = nullptr;
    GdipCreatePen1(0xFFFF0000, 1, Unit::UnitWorld, &pen);
    const PenPtr owner(pen);
    GdipSetPenDashStyle(pen, DashStyle::DashStyleDash);
    GdipDrawLine(graphics.get(), pen, 0, 20, 32, 20);
    int on = 0;
    for (int x = 0; x < 32; ++x)
        on += At(x, 20) == 0xFFFF0000u ? 1 : 0;
    EXPECT_GT(on, 16);
    EXPECT_LT(on, 32);

    // A quarter arc from 0 to 90 degrees runs from the right end to the bottom end of the ellipse.
    GpPath* p = nullptr;
    GdipCreatePath(FillMode::FillModeAlternate, &p);
    const PathPtr path(p);
    GdipAddPathArc(p, 0, 0, 20, 10, 0, 90);
    int n = 0;
    GdipGetPointCount(p, &n);
    ASSERT_EQ(n, 4);
    GpPointF pts[4];
    GdipGetPathPoints(p, pts, 4);
    EXPECT_NEAR(pts[0].X, 20, 1e-4);
    EXPECT_NEAR(pts[0].Y, 5, 1e-4);
    EXPECT_NEAR(pts[3].X, 10, 1e-4);
    EXPECT_NEAR(pts[3].Y, 10, 1e-4);
}

TEST_F(Gdip, ImagesFromBytesKnowTheirFormatAndColourKeysLeavePixelsOut)
{
    QImage img(4, 3, QImage::Format_RGB32);
    img.fill(QColor(0, 255, 0));
    img.setPixelColor(0, 2, QColor(255, 0, 255));
    const QByteArray bmp = vcl::BmpCodec::Encode(img, 24);
    GpImage* i = nullptr;
    ASSERT_EQ(GdipLoadImageFromBytes(bmp, &i), Status::Ok);
    const ImagePtr image(i);
    unsigned w = 0, h = 0;
    GdipGetImageWidth(i, &w);
    GdipGetImageHeight(i, &h);
    EXPECT_EQ(w, 4u);
    EXPECT_EQ(h, 3u);
    GUID format;
    GdipGetImageRawFormat(i, &format);
    EXPECT_TRUE(format == ImageFormatBMP);
    PixelFormat pf = 0;
    GdipGetImagePixelFormat(i, &pf);
    EXPECT_EQ(pf, PixelFormat24bppRGB);

    GpImage* bad = nullptr;
    EXPECT_EQ(GdipLoadImageFromBytes(QByteArray("not a picture"), &bad), Status::UnknownImageFormat);
    EXPECT_EQ(bad, nullptr);

    Surface(8, 8);
    GpImageAttributes* a = nullptr;
    GdipCreateImageAttributes(&a);
    GdipSetImageAttributesColorKeys(a, ColorAdjustType::ColorAdjustTypeDefault, true, 0xFFFF00FF, 0xFFFF00FF);
    ASSERT_EQ(GdipDrawImageRectRect(graphics.get(), i, 1, 1, 4, 3, 0, 0, 4, 3, Unit::UnitPixel, a), Status::Ok);
    GdipDisposeImageAttributes(a);
    EXPECT_EQ(At(1, 1), 0xFF00FF00u);
    EXPECT_EQ(At(1, 3), 0xFF000000u); // the keyed pixel
}

TEST_F(Gdip, MatricesComposeInTheirOrder)
{
    GpMatrix* m = nullptr;
    GdipCreateMatrix(&m);
    GdipTranslateMatrix(m, 10, 0, MatrixOrder::MatrixOrderAppend);
    GdipScaleMatrix(m, 2, 2, MatrixOrder::MatrixOrderAppend); // translate first, then scale
    GpPointF p { 1, 1 };
    GdipTransformMatrixPoints(m, &p, 1);
    EXPECT_FLOAT_EQ(p.X, 22);
    EXPECT_FLOAT_EQ(p.Y, 2);
    GdipInvertMatrix(m);
    GdipTransformMatrixPoints(m, &p, 1);
    EXPECT_NEAR(p.X, 1, 1e-5);
    GdipSetMatrixElements(m, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(GdipInvertMatrix(m), Status::InvalidParameter);
    GdipDeleteMatrix(m);
}

TEST_F(Gdip, TextIsMeasuredWithMarginsAndDrawnInsideItsBox)
{
    Surface(120, 40);
    GpFontFamily* fam = nullptr;
    ASSERT_EQ(GdipCreateFontFamilyFromName(QStringLiteral("Arial"), nullptr, &fam), Status::Ok);
    GpFontFamily* missing = nullptr;
    EXPECT_EQ(GdipCreateFontFamilyFromName(QStringLiteral("No Such Face 123"), nullptr, &missing),
              Status::FontFamilyNotFound);
    EXPECT_EQ(missing, nullptr);
    GpFont* font = nullptr;
    ASSERT_EQ(GdipCreateFont(fam, 12, FontStyleRegular, Unit::UnitPixel, &font), Status::Ok);
    const GpRectF layout { 0, 0, 1000, 1000 };
    GpRectF small {}, large {};
    GdipMeasureString(graphics.get(), QStringLiteral("W"), -1, font, &layout, nullptr, &small, nullptr, nullptr);
    GdipMeasureString(graphics.get(), QStringLiteral("WWWW"), -1, font, &layout, nullptr, &large, nullptr, nullptr);
    EXPECT_GT(large.Width, small.Width * 2);
    EXPECT_GT(small.Width, 12 / 3.0f); // a sixth of an em on either side
    GpSolidFill* b = nullptr;
    GdipCreateSolidFill(0xFFFFFFFF, &b);
    const GpRectF box { 60, 0, 60, 40 };
    GpStringFormat* f = nullptr;
    GdipCreateStringFormat(0, 0, &f);
    GdipSetStringFormatAlign(f, StringAlignment::StringAlignmentCenter);
    GdipSetStringFormatLineAlign(f, StringAlignment::StringAlignmentCenter);
    ASSERT_EQ(GdipDrawString(graphics.get(), QStringLiteral("Hi"), -1, font, &box, f, b), Status::Ok);
    int inside = 0, outside = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            (x >= 60 ? inside : outside) += (At(x, y) & 0xFF) > 100 ? 1 : 0;
    EXPECT_GT(inside, 5);
    EXPECT_EQ(outside, 0);
    GdipDeleteStringFormat(f);
    GdipDeleteBrush(b);
    GdipDeleteFont(font);
    GdipDeleteFontFamily(fam);
}

TEST(GdipOff, CallsWithoutStartUpAnswerNotInitialized)
{
    ASSERT_EQ(GdiplusLiveTokens(), 0);
    GpBitmap* b = nullptr;
    EXPECT_EQ(GdipCreateBitmapFromScan0(4, 4, 0, PixelFormat32bppARGB, nullptr, &b), Status::GdiplusNotInitialized);
    GpHatch* h = nullptr;
    EXPECT_EQ(GdipCreateHatchBrush(HatchStyle::HatchStyleCross, 0, 0, &h), Status::GdiplusNotInitialized);
    EXPECT_EQ(GdipAlloc(16), nullptr);
}

} // namespace

TEST_F(Gdip, WritingIntoALoadedPictureLeavesTheNextLoadOfTheSameBytesAsDecoded)
{
    QImage img(3, 2, QImage::Format_RGB32);
    img.fill(QColor(0, 0, 255));
    const QByteArray bmp = vcl::BmpCodec::Encode(img, 24);
    GpImage* first = nullptr;
    ASSERT_EQ(GdipLoadImageFromBytes(bmp, &first), Status::Ok);
    const ImagePtr written(first);
    ASSERT_EQ(GdipBitmapSetPixel(first, 0, 0, 0xFFFF0000u), Status::Ok);
    GpGraphics* g = nullptr;
    ASSERT_EQ(GdipGetImageGraphicsContext(first, &g), Status::Ok);
    const GraphicsPtr onFirst(g);
    GpSolidFill* brush = nullptr;
    ASSERT_EQ(GdipCreateSolidFill(0xFF00FF00u, &brush), Status::Ok);
    ASSERT_EQ(GdipFillRectangle(g, brush, 1, 0, 2, 2), Status::Ok);
    GdipDeleteBrush(brush);

    // The same bytes again, and other bytes of the same size in between and after.
    for (const QColor other : { QColor(255, 255, 0), QColor(0, 0, 255) }) {
        QImage changed(3, 2, QImage::Format_RGB32);
        changed.fill(other);
        GpImage* again = nullptr;
        ASSERT_EQ(GdipLoadImageFromBytes(bmp, &again), Status::Ok);
        const ImagePtr fresh(again);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) {
                ARGB c = 0;
                ASSERT_EQ(GdipBitmapGetPixel(again, x, y, &c), Status::Ok);
                EXPECT_EQ(c, 0xFF0000FFu) << x << "," << y;
            }
        GpImage* third = nullptr;
        ASSERT_EQ(GdipLoadImageFromBytes(vcl::BmpCodec::Encode(changed, 24), &third), Status::Ok);
        const ImagePtr otherImage(third);
        ARGB c = 0;
        ASSERT_EQ(GdipBitmapGetPixel(third, 2, 1, &c), Status::Ok);
        EXPECT_EQ(c, 0xFF000000u | (ARGB(other.red()) << 16) | (ARGB(other.green()) << 8) | ARGB(other.blue()));
    }
}
