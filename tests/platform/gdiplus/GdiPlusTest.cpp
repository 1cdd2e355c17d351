// The flat drawing API: start-up tokens, cardinal spline control points, figure joining, and the
// pixels of translucent fills and outlines on a bitmap.

#include "platform/gdiplus/GdiPlus.h"
#include "platform/ui/TBitmap.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace gdiplus;

namespace {

void EnsureGuiApp()
{
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "test_platform_gdiplus";
        static char* argv[] = { name, nullptr };
        static QGuiApplication* app = new QGuiApplication(argc, argv);
        (void)app;
    }
}

// One start-up for the test's length.
class Session
{
public:
    Session() { EXPECT_EQ(GdiplusStartup(&m_token, &m_input, nullptr), Status::Ok); }
    ~Session() { GdiplusShutdown(m_token); }

private:
    GdiplusStartupInput m_input;
    ULONG_PTR m_token { 0 };
};

std::unique_ptr<vcl::TBitmap> BlackBitmap(int w, int h)
{
    EnsureGuiApp();
    auto b = std::make_unique<vcl::TBitmap>();
    b->SetSize(w, h);
    b->Canvas()->Brush()->SetColor(vcl::clBlack);
    b->Canvas()->FillRect(vcl::Rect(0, 0, w, h));
    return b;
}

std::vector<GpPointF> PointsOf(GpPath* path)
{
    int n = 0;
    EXPECT_EQ(GdipGetPointCount(path, &n), Status::Ok);
    std::vector<GpPointF> points(static_cast<std::size_t>(n));
    EXPECT_EQ(GdipGetPathPoints(path, points.data(), n), Status::Ok);
    return points;
}

std::vector<std::uint8_t> TypesOf(GpPath* path)
{
    int n = 0;
    GdipGetPointCount(path, &n);
    std::vector<std::uint8_t> types(static_cast<std::size_t>(n));
    EXPECT_EQ(GdipGetPathTypes(path, types.data(), n), Status::Ok);
    return types;
}

} // namespace

TEST(GdiPlusStartup, EachStartUpHasItsOwnTokenAndTheLibraryStopsWithTheLast)
{
    const int before = GdiplusLiveTokens();
    GdiplusStartupInput input;
    ULONG_PTR a = 0, b = 0;
    ASSERT_EQ(GdiplusStartup(&a, &input, nullptr), Status::Ok);
    ASSERT_EQ(GdiplusStartup(&b, &input, nullptr), Status::Ok);
    EXPECT_NE(a, b);
    EXPECT_EQ(GdiplusLiveTokens(), before + 2);
    GdiplusShutdown(a);
    GdiplusShutdown(a); // twice is harmless
    GpPath* path = nullptr;
    EXPECT_EQ(GdipCreatePath(FillMode::FillModeAlternate, &path), Status::Ok);
    GdipDeletePath(path);
    GdiplusShutdown(b);
    EXPECT_EQ(GdiplusLiveTokens(), before);
    if (before == 0) {
        EXPECT_EQ(GdipCreatePath(FillMode::FillModeAlternate, &path), Status::GdiplusNotInitialized);
    }

    input.GdiplusVersion = 2;
    ULONG_PTR c = 0;
    EXPECT_EQ(GdiplusStartup(&c, &input, nullptr), Status::UnsupportedGdiplusVersion);
}

TEST(GdiPlusPath, CardinalSplineControlPointsLieATensionThirdOfTheNeighbourChordAway)
{
    Session s;
    GpPath* p = nullptr;
    ASSERT_EQ(GdipCreatePath(FillMode::FillModeAlternate, &p), Status::Ok);
    const PathPtr path(p);
    const GpPoint pts[] = { { 0, 0 }, { 12, 12 }, { 24, 0 } };
    ASSERT_EQ(GdipAddPathCurveI(p, pts, 3), Status::Ok);
    const auto got = PointsOf(p);
    // start, then (c1, c2, end) per segment; tension 0.5 gives 1/6 of the chord between neighbours.
    const std::vector<GpPointF> want = { { 0, 0 }, { 2, 2 }, { 8, 12 }, { 12, 12 }, { 16, 12 }, { 22, 2 }, { 24, 0 } };
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_FLOAT_EQ(got[i].X, want[i].X) << i;
        EXPECT_FLOAT_EQ(got[i].Y, want[i].Y) << i;
    }
    EXPECT_EQ(TypesOf(p), (std::vector<std::uint8_t> { 0, 3, 3, 3, 3, 3, 3 }));

    // A line added to the open figure is joined to it from the curve's end.
    ASSERT_EQ(GdipAddPathLine(p, 30, 5, 40, 5), Status::Ok);
    const auto types = TypesOf(p);
    EXPECT_EQ(types[7], PathPointTypeLine);
    EXPECT_EQ(types[8], PathPointTypeLine);
    // A closed figure is not joined: the next element starts a new one.
    GdipClosePathFigure(p);
    GdipAddPathLine(p, 0, 30, 10, 30);
    EXPECT_EQ(TypesOf(p)[9], PathPointTypeStart);

    EXPECT_EQ(GdipAddPathCurveI(p, pts, 1), Status::InvalidParameter);
    EXPECT_EQ(GdipAddPathLine(p, 0, 0, std::numeric_limits<float>::quiet_NaN(), 1), Status::InvalidParameter);
    std::vector<GpPointF> small(2);
    EXPECT_EQ(GdipGetPathPoints(p, small.data(), 2), Status::InsufficientBuffer);
}

TEST(GdiPlusDraw, TranslucentFillBlendsAlternateFillLeavesOverlapsAndOutlinesStayOpen)
{
    Session s;
    auto bitmap = BlackBitmap(60, 40);
    GpGraphics* g = nullptr;
    ASSERT_EQ(GdipCreateFromCanvas(bitmap->Canvas(), &g), Status::Ok);
    const GraphicsPtr graphics(g);
    const ARGB grey = MakeARGB(30, 128, 128, 128);

    // Two overlapping squares as one open figure each: the alternate rule leaves their overlap empty.
    GpPath* p = nullptr;
    GdipCreatePath(FillMode::FillModeAlternate, &p);
    const PathPtr path(p);
    GdipAddPathLine(p, 0, 0, 20, 0);
    GdipAddPathLine(p, 20, 0, 20, 20);
    GdipAddPathLine(p, 20, 20, 0, 20);
    GdipClosePathFigure(p);
    GdipAddPathLine(p, 10, 10, 30, 10);
    GdipAddPathLine(p, 30, 10, 30, 30);
    GdipAddPathLine(p, 30, 30, 10, 30);
    GpSolidFill* b = nullptr;
    ASSERT_EQ(GdipCreateSolidFill(grey, &b), Status::Ok);
    const BrushPtr brush(b);
    ASSERT_EQ(GdipFillPath(g, b, p), Status::Ok);

    const vcl::TCanvas& c = *bitmap->Canvas();
    const vcl::TColor once = c.Pixels(5, 5);
    EXPECT_NEAR(vcl::GetRValue(once), 128 * 30 / 255.0, 1.0);
    EXPECT_EQ(vcl::GetRValue(once), vcl::GetBValue(once));
    EXPECT_EQ(c.Pixels(25, 25), once);    // the second square, closed for the fill
    EXPECT_EQ(c.Pixels(15, 15), vcl::clBlack); // overlap
    EXPECT_EQ(c.Pixels(45, 5), vcl::clBlack);  // outside

    // An open "V" outlined: its two strokes are drawn, the missing closing edge is not.
    auto vbitmap = BlackBitmap(60, 40);
    GpGraphics* vg = nullptr;
    GdipCreateFromCanvas(vbitmap->Canvas(), &vg);
    const GraphicsPtr vgraphics(vg);
    GpPath* vp = nullptr;
    GdipCreatePath(FillMode::FillModeAlternate, &vp);
    const PathPtr vpath(vp);
    GdipAddPathLine(vp, 10, 5, 20, 30);
    GdipAddPathLine(vp, 20, 30, 30, 5);
    GpPen* pen = nullptr;
    ASSERT_EQ(GdipCreatePen1(MakeARGB(255, 255, 0, 0), 1.0f, Unit::UnitWorld, &pen), Status::Ok);
    const PenPtr penOwner(pen);
    ASSERT_EQ(GdipDrawPath(vg, pen, vp), Status::Ok);
    int red = 0;
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < 40; ++y)
            red += vbitmap->Canvas()->Pixels(x, y) == vcl::clRed ? 1 : 0;
    EXPECT_GT(red, 40);
    for (int x = 12; x < 28; ++x)
        EXPECT_EQ(vbitmap->Canvas()->Pixels(x, 5), vcl::clBlack) << x; // no closing edge along y = 5
}
