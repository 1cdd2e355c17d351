// The drawing routines: colour offsets, flagged and embossed text, multi-line measuring, rotated
// text, gradients, edges and paper sizes.

#include "PlotTestSupport.h"

#include "plot/iGPCanvas.h"
#include "plot/iGPGeometry.h"
#include "plot/iGPText.h"

#include "platform/ui/TBitmap.h"

#include <gtest/gtest.h>

#include <set>

using namespace vcl;

namespace {

class RoutinesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        bitmap.SetSize(120, 60);
        canvas()->Brush()->SetColor(clWhite);
        canvas()->FillRect(TRect(0, 0, 120, 60));
        canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
    }
    TCanvas* canvas() { return bitmap.Canvas(); }
    std::set<TColor> ColoursIn(const TRect& r)
    {
        std::set<TColor> colours;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                colours.insert(canvas()->Pixels(x, y));
        return colours;
    }

    TTextMetricsOverride metrics { ptest::Fixed() };
    TBitmap bitmap;
};

TEST_F(RoutinesTest, OffsetColorClampsEachChannelAfterResolvingSystemColours)
{
    struct Case { TColor color; int amount; bool lighten; TColor expected; };
    const Case cases[] = {
        { clWhite, 64, true, clWhite },
        { 0x000010, 32, false, clBlack },
        { 0x102030, 16, true, 0x203040 },
        { clBtnFace, 0, true, ColorToRGB(clBtnFace) },
    };
    for (const Case& c : cases)
        EXPECT_EQ(iOffsetColor(c.color, c.amount, c.lighten), c.expected) << std::hex << c.color;
}

TEST_F(RoutinesTest, MultiLineWidthAndHeightFollowTheLineBreaks)
{
    struct Case { const char* text; int width; int height; };
    const Case cases[] = {
        { "ab\r\nwxyz", 24, 20 }, // the second line is wider
        { "", 0, 0 },
        { "abc\r\n", 18, 10 }, // a final break adds no line
        { "a\rbb\ncc", 12, 30 },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(iTextWidthMultiLine(canvas(), c.text), c.width) << c.text;
        EXPECT_EQ(iTextHeightMultiLine(canvas(), c.text), c.height) << c.text;
    }
    EXPECT_EQ(iTextHeightWrapped(canvas(), "aa bb cc", 30), 20); // "aa bb" fits 30, "cc" wraps
}

TEST_F(RoutinesTest, DisabledTextIsEmbossedUnlessBlack)
{
    canvas()->Font()->SetColor(clBlack);
    TRect r(0, 0, 120, 20);
    iDrawText(canvas(), "IIII", r, iTextFlag::SingleLine, false, clBtnFace);
    const std::set<TColor> embossed = ColoursIn(TRect(0, 0, 40, 20));
    EXPECT_TRUE(embossed.count(iOffsetColor(clBtnFace, 64, true)));
    EXPECT_TRUE(embossed.count(iOffsetColor(clBtnFace, 32, false)));
    EXPECT_FALSE(embossed.count(clBlack));
    EXPECT_EQ(canvas()->Font()->Color(), clBlack); // restored

    TRect plain(0, 30, 120, 50);
    iDrawText(canvas(), "IIII", plain, iTextFlag::SingleLine, false, clBlack);
    const std::set<TColor> flat = ColoursIn(TRect(0, 30, 40, 50));
    EXPECT_TRUE(flat.count(clBlack));
    EXPECT_FALSE(flat.count(iOffsetColor(clBtnFace, 32, false)));
}

TEST_F(RoutinesTest, CalcRectMeasuresWithoutDrawing)
{
    TRect r(5, 5, 5, 5);
    EXPECT_EQ(iDrawText(canvas(), "abc\r\nde", r, iTextFlag::CalcRect), 20);
    EXPECT_EQ(r, TRect(5, 5, 23, 25));
    EXPECT_EQ(ColoursIn(TRect(0, 0, 120, 60)), std::set<TColor> { clWhite });
}

TEST_F(RoutinesTest, RotatedTextTakesItsTurnedRectangle)
{
    struct Case { TiRotationAngle angle; TRect expected; };
    // "abcd" is 24 x 10; the centre of (0, 0, 100, 50) is (50, 25).
    const Case cases[] = {
        { TiRotationAngle::ira000, TRect(38, 20, 62, 30) },
        { TiRotationAngle::ira090, TRect(45, 13, 55, 37) },
        { TiRotationAngle::ira180, TRect(38, 20, 62, 30) },
        { TiRotationAngle::ira270, TRect(45, 13, 55, 37) },
    };
    for (const Case& c : cases) {
        SetUp();
        canvas()->Font()->SetColor(clBlack);
        TRect textRect;
        iDrawRotatedText(canvas(), "abcd", TRect(0, 0, 100, 50), textRect, clBlack, true,
                         TiAlignmentHorizontal::iahCenter, c.angle);
        EXPECT_EQ(textRect, c.expected) << int(c.angle);
        std::set<TColor> ink = ColoursIn(textRect);
        ink.erase(clWhite);
        EXPECT_FALSE(ink.empty()) << int(c.angle); // something was drawn inside
    }
}

TEST_F(RoutinesTest, VerticalGradientRunsFromStartToStopOneLinePerRow)
{
    TBitmap b;
    b.SetSize(100, 50);
    iDrawGradient(b.Canvas(), TRect(0, 0, 100, 50), TiFillDirection::ifdTopBottom, clRed, clBlue);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(b.Canvas()->Pixels(99, 49), clBlue);
    std::set<TColor> rows;
    for (int y = 0; y < 50; ++y) {
        EXPECT_EQ(b.Canvas()->Pixels(0, y), b.Canvas()->Pixels(99, y)) << y;
        rows.insert(b.Canvas()->Pixels(50, y));
    }
    EXPECT_EQ(rows.size(), 50u);

    iDrawGradient(b.Canvas(), TRect(0, 0, 100, 50), TiFillDirection::ifdBottomTop, clRed, clBlue);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clBlue);
    TBitmap line; // a single step takes the start colour
    line.SetSize(10, 1);
    iDrawGradient(line.Canvas(), TRect(0, 0, 10, 1), TiFillDirection::ifdTopBottom, clRed, clBlue);
    EXPECT_EQ(line.Canvas()->Pixels(5, 0), clRed);
}

TEST_F(RoutinesTest, EdgeStylesAndOutline)
{
    iDrawEdge(canvas(), TRect(0, 0, 20, 20), 1); // raised
    EXPECT_EQ(canvas()->Pixels(0, 0), ColorToRGB(cl3DLight));
    EXPECT_EQ(canvas()->Pixels(19, 19), ColorToRGB(cl3DDkShadow));
    canvas()->Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas()->Brush()->SetColor(clRed);
    iDrawEdge(canvas(), TRect(30, 0, 50, 20), 2);
    EXPECT_EQ(canvas()->Pixels(30, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(canvas()->Pixels(40, 10), clRed);
    iDrawEdge(canvas(), TRect(60, 0, 80, 20), 7); // nothing
    EXPECT_EQ(canvas()->Pixels(60, 0), clWhite);
}

TEST_F(RoutinesTest, PaperSizes)
{
    struct Case { int code; double width; double height; };
    const Case cases[] = {
        { 1, 8.5, 11 }, { 3, 11, 17 }, { 4, 17, 11 }, { 9, 210 / 25.4, 297 / 25.4 },
        { 48, 8.5, 11 }, { 68, 322 / 25.4, 445 / 25.4 }, { 0, 8.5, 11 }, { 200, 8.5, 11 },
    };
    for (const Case& c : cases) {
        double w = 0, h = 0;
        iGetPaperSizeInches(c.code, w, h);
        EXPECT_NEAR(w, c.width, 1e-9) << c.code;
        EXPECT_NEAR(h, c.height, 1e-9) << c.code;
    }
}

TEST_F(RoutinesTest, OrientedGeometrySwapsWhenReversed)
{
    EXPECT_EQ(iRectFromPoints(10, 40, 5, 2), TRect(5, 2, 10, 40));
    EXPECT_EQ(iOrientedRect(true, 10, 40, 5, 2), TRect(2, 5, 40, 10));
    EXPECT_EQ(iOrientedPoint(true, 3, 4), TPoint(4, 3));
    EXPECT_EQ(iOrientedPoint2(false, 3, 4), TPoint(3, 4));
}

} // namespace
