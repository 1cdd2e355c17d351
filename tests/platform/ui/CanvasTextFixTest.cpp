// Text output at coordinates near the int limits: no overflow, nothing drawn off the surface, and
// text partly on the surface still drawn.
#include "CanvasTestSupport.h"

#include "platform/ui/TCanvas.h"

#include <gtest/gtest.h>

#include <climits>

using namespace vcl;

namespace {

void UseOpaqueText(TCanvas& c)
{
    c.Font()->SetName(QStringLiteral("Arial"));
    c.Font()->SetSize(12);
    c.Font()->SetColor(clBlack);
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(clYellow);
}

TEST(CanvasTextFix, TextFarOffTheSurfaceDrawsNothing)
{
    const QString text = QStringLiteral("20.16KHz wide text");
    const TPoint far[] = { { INT_MAX, 5 },       { 5, INT_MAX },           { INT_MAX, INT_MAX },
                           { INT_MAX - 3, 0 },   { 0, INT_MAX - 3 },       { INT_MIN, 5 },
                           { 5, INT_MIN },       { INT_MIN, INT_MIN },     { INT_MAX - 10, INT_MIN + 1 } };
    for (const TPoint p : far) {
        auto b = canvastest::MakeBitmap(60, 30, clWhite);
        TCanvas& c = *b->Canvas();
        UseOpaqueText(c);
        c.TextOut(p.X, p.Y, text);
        EXPECT_EQ(canvastest::CountColour(c, clWhite, 0, 0, 60, 30), 60 * 30) << p.X << "," << p.Y;
        EXPECT_EQ(c.PenPos().Y, p.Y);
        EXPECT_GE(c.PenPos().X, p.X); // saturates instead of wrapping

        c.TextRect(Rect(p.X, p.Y, INT_MAX, INT_MAX), p.X, p.Y, text);
        c.TextRect(Rect(0, 0, 60, 30), p.X, p.Y, text);
        c.TextRect(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), p.X, p.Y, text);
        // The last rectangle covers the surface: its background is filled, no text is drawn.
        EXPECT_EQ(canvastest::CountColour(c, clYellow, 0, 0, 60, 30), 60 * 30) << p.X << "," << p.Y;
    }
}

TEST(CanvasTextFix, TextPartlyOnTheSurfaceIsStillDrawnAndClipped)
{
    auto b = canvastest::MakeBitmap(60, 30, clWhite);
    TCanvas& c = *b->Canvas();
    UseOpaqueText(c);
    const QString text = QStringLiteral("HHHHHHHH");
    const TSize cell = c.TextExtent(text);
    ASSERT_GT(cell.cx, 20);
    c.TextOut(60 - cell.cx / 2, 2, text);
    EXPECT_GT(canvastest::CountColour(c, clBlack, 30, 0, 60, 30), 0);
    EXPECT_EQ(canvastest::CountColour(c, clBlack, 0, 0, 60 - cell.cx / 2, 30), 0);

    auto r = canvastest::MakeBitmap(60, 30, clWhite);
    TCanvas& rc = *r->Canvas();
    UseOpaqueText(rc);
    rc.TextRect(Rect(10, 0, 40, INT_MAX), -cell.cx / 2, 2, text);
    EXPECT_GT(canvastest::CountColour(rc, clBlack, 10, 0, 40, 30), 0);
    EXPECT_EQ(canvastest::CountColour(rc, clBlack, 0, 0, 10, 30), 0);
    EXPECT_EQ(canvastest::CountColour(rc, clBlack, 40, 0, 60, 30), 0);
    EXPECT_EQ(canvastest::CountColour(rc, clYellow, 40, 0, 60, 30), 0);
}

TEST(CanvasTextFix, PixelsAndFillsAtTheIntLimitsStayOff)
{
    auto b = canvastest::MakeBitmap(20, 20, clWhite);
    TCanvas& c = *b->Canvas();
    c.SetPixels(INT_MAX, INT_MAX, clRed);
    c.SetPixels(INT_MAX, 3, clRed);
    c.Brush()->SetColor(clRed);
    c.FillRect(Rect(INT_MIN, INT_MIN, INT_MAX, 5));
    EXPECT_EQ(canvastest::CountColour(c, clRed, 0, 0, 20, 20), 20 * 5);
}

} // namespace
