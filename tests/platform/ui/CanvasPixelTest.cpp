// GDI pixel rules of the canvas, asserted on the pixels of a bitmap.

#include "platform/ui/CanvasTestSupport.h"

#include "platform/ui/TCanvas.h"
#include "platform/ui/TextMetrics.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <functional>
#include <string>

using namespace vcl;
using canvastest::CountColour;
using canvastest::MakeBitmap;

namespace {

constexpr TColor kBack = 0x203040; // background the tests paint first
constexpr TColor kInk = 0x0000FF;
constexpr TColor kFill = 0x00FF00;

struct PixelCase
{
    const char* what;
    int x;
    int y;
    TColor expected;
};

void ExpectPixels(TCanvas& c, std::initializer_list<PixelCase> cases)
{
    for (const PixelCase& p : cases)
        EXPECT_EQ(c.Pixels(p.x, p.y), p.expected) << p.what << " at (" << p.x << "," << p.y << ")";
}

TCanvas& Prepared(TBitmap& b)
{
    TCanvas& c = *b.Canvas();
    c.Pen()->SetColor(kInk);
    c.Brush()->SetColor(kFill);
    return c;
}

} // namespace

TEST(CanvasFigures, RectangleFillRectEllipseExcludeRightAndBottomEdge)
{
    auto b = MakeBitmap(60, 40, kBack);
    TCanvas& c = Prepared(*b);
    c.Rectangle(10, 10, 20, 16);
    ExpectPixels(c, {
        { "rect top-left corner", 10, 10, kInk },
        { "rect right edge is column 19", 19, 12, kInk },
        { "rect bottom edge is row 15", 14, 15, kInk },
        { "rect column 20 untouched", 20, 12, kBack },
        { "rect row 16 untouched", 14, 16, kBack },
        { "rect interior brushed", 14, 12, kFill },
    });

    c.Brush()->SetColor(kInk);
    c.FillRect(Rect(30, 10, 35, 13));
    ExpectPixels(c, {
        { "fill first pixel", 30, 10, kInk },
        { "fill last pixel", 34, 12, kInk },
        { "fill right edge out", 35, 11, kBack },
        { "fill bottom edge out", 32, 13, kBack },
    });
    c.FillRect(Rect(45, 10, 40, 20)); // inverted: nothing
    EXPECT_EQ(CountColour(c, kInk, 40, 10, 46, 20), 0);

    c.Brush()->SetColor(kFill);
    c.Ellipse(10, 20, 30, 30); // 20 x 10, centre between columns 19/20 and rows 24/25
    ExpectPixels(c, {
        { "ellipse leftmost", 10, 24, kInk },
        { "ellipse rightmost is column 29", 29, 25, kInk },
        { "ellipse column 30 untouched", 30, 25, kBack },
        { "ellipse top row", 19, 20, kInk },
        { "ellipse bottom row is 29", 20, 29, kInk },
        { "ellipse row 30 untouched", 20, 30, kBack },
        { "ellipse corner outside", 10, 20, kBack },
        { "ellipse interior", 20, 25, kFill },
    });
    for (int y = 20; y < 30; ++y)
        EXPECT_EQ(c.Pixels(30, y), kBack) << "row " << y;
}

TEST(CanvasFigures, ClearPenFillsOnePixelShortAndClearBrushLeavesInterior)
{
    auto b = MakeBitmap(40, 30, kBack);
    TCanvas& c = Prepared(*b);
    c.Pen()->SetStyle(TPenStyle::psClear);
    c.Rectangle(5, 5, 15, 15);
    ExpectPixels(c, {
        { "interior from the corner", 5, 5, kFill },
        { "last column of a penless fill", 13, 13, kFill },
        { "column 14 left out", 14, 10, kBack },
        { "row 14 left out", 10, 14, kBack },
    });

    c.Pen()->SetStyle(TPenStyle::psSolid);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.Rectangle(20, 5, 30, 15);
    c.Ellipse(20, 16, 36, 28);
    EXPECT_EQ(c.Pixels(20, 5), kInk);
    EXPECT_EQ(CountColour(c, kBack, 21, 6, 29, 14), 8 * 8) << "rectangle interior untouched";
    EXPECT_EQ(CountColour(c, kFill, 20, 16, 36, 28), 0) << "ellipse interior untouched";
    EXPECT_EQ(c.Pixels(28, 22), kBack);

    // A colour given to a clear brush makes it solid again.
    c.Brush()->SetColor(kFill);
    EXPECT_EQ(c.Brush()->Style(), TBrushStyle::bsSolid);
}

TEST(CanvasLines, LineToLeavesOutTheLastPixel)
{
    struct LineCase
    {
        const char* what;
        TPoint from, to;
        TPoint lastDrawn;
        int pixels;
    };
    const LineCase cases[] = {
        { "horizontal", { 2, 5 }, { 12, 5 }, { 11, 5 }, 10 },
        { "horizontal leftward", { 12, 7 }, { 2, 7 }, { 3, 7 }, 10 },
        { "vertical", { 20, 2 }, { 20, 12 }, { 20, 11 }, 10 },
        { "diagonal", { 2, 14 }, { 12, 24 }, { 11, 23 }, 10 },
        { "diagonal upward", { 30, 24 }, { 40, 14 }, { 39, 15 }, 10 },
        { "shallow", { 2, 30 }, { 22, 34 }, { 21, 34 }, 20 },
    };
    for (const LineCase& lc : cases) {
        auto b = MakeBitmap(50, 40, kBack);
        TCanvas& c = Prepared(*b);
        c.MoveTo(lc.from.X, lc.from.Y);
        c.LineTo(lc.to.X, lc.to.Y);
        EXPECT_EQ(c.Pixels(lc.from.X, lc.from.Y), kInk) << lc.what << ": first pixel";
        EXPECT_EQ(c.Pixels(lc.lastDrawn.X, lc.lastDrawn.Y), kInk) << lc.what << ": pixel before the end";
        EXPECT_EQ(c.Pixels(lc.to.X, lc.to.Y), kBack) << lc.what << ": end pixel left out";
        EXPECT_EQ(CountColour(c, kInk, 0, 0, 50, 40), lc.pixels) << lc.what;
        EXPECT_EQ(c.PenPos(), lc.to) << lc.what;
    }
}

TEST(CanvasLines, PolylineJoinsDrawEachPixelOnceAndLeaveOutTheEnd)
{
    auto b = MakeBitmap(30, 30, kBack);
    TCanvas& c = Prepared(*b);
    c.Pen()->SetMode(TPenMode::pmXor);
    c.Polyline({ { 2, 2 }, { 12, 2 }, { 12, 12 } });
    // XOR shows a pixel drawn twice as background: the corner must be ink.
    EXPECT_EQ(c.Pixels(12, 2), kBack ^ kInk);
    EXPECT_EQ(c.Pixels(12, 11), kBack ^ kInk);
    EXPECT_EQ(c.Pixels(12, 12), kBack);
    EXPECT_EQ(CountColour(c, kBack ^ kInk, 0, 0, 30, 30), 20);
}

TEST(CanvasLines, RowAndColumnLinesMatchTheGeneralWalkUnderClipAndXor)
{
    // LineTo and two-point polylines along a row or a column take a shortcut; PolyPolyline walks every
    // line pixel by pixel. Both must leave the same pixels, also clipped by a region with a hole.
    struct Straight
    {
        const char* what;
        TPoint from, to;
    };
    const Straight cases[] = {
        { "rightward", { 1, 5 }, { 38, 5 } },      { "leftward", { 38, 9 }, { -7, 9 } },
        { "downward", { 6, -3 }, { 6, 31 } },      { "upward", { 19, 29 }, { 19, 2 } },
        { "no length", { 8, 8 }, { 8, 8 } },       { "one pixel", { 3, 20 }, { 4, 20 } },
        { "off the surface", { -20, 50 }, { 60, 50 } }, { "through the hole", { 0, 15 }, { 40, 15 } },
    };
    QRegion clip(2, 0, 34, 30);
    clip -= QRegion(12, 12, 6, 6);
    for (const Straight& sc : cases) {
        auto shortcut = MakeBitmap(40, 30, kBack);
        auto walked = MakeBitmap(40, 30, kBack);
        for (TBitmap* b : { shortcut.get(), walked.get() }) {
            TCanvas& c = Prepared(*b);
            c.Pen()->SetMode(TPenMode::pmXor);
            c.SetClipRegion(clip);
        }
        TCanvas& s = *shortcut->Canvas();
        s.MoveTo(sc.from.X, sc.from.Y);
        s.LineTo(sc.to.X, sc.to.Y);
        s.Polyline({ TPoint(sc.from.X, sc.from.Y + 1), TPoint(sc.to.X, sc.to.Y + 1) });
        walked->Canvas()->PolyPolyline({ sc.from, sc.to }, { 2 });
        walked->Canvas()->PolyPolyline({ TPoint(sc.from.X, sc.from.Y + 1), TPoint(sc.to.X, sc.to.Y + 1) }, { 2 });
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(s.Pixels(x, y), walked->Canvas()->Pixels(x, y)) << sc.what << " at (" << x << "," << y << ")";
        EXPECT_EQ(s.PenPos(), sc.to) << sc.what;
    }
}

TEST(CanvasLines, PenWidthsZeroAndOneAreOnePixelThreeIsThree)
{
    struct WidthCase
    {
        int width;
        int rows;
    };
    for (const WidthCase wc : { WidthCase { 0, 1 }, WidthCase { 1, 1 }, WidthCase { 3, 3 } }) {
        auto b = MakeBitmap(40, 21, kBack);
        TCanvas& c = Prepared(*b);
        c.Pen()->SetWidth(wc.width);
        c.MoveTo(5, 10);
        c.LineTo(35, 10);
        int rows = 0;
        for (int y = 0; y < 21; ++y)
            rows += c.Pixels(20, y) == kInk ? 1 : 0;
        EXPECT_EQ(rows, wc.rows) << "width " << wc.width;
        EXPECT_EQ(c.Pixels(20, 10), kInk) << "width " << wc.width << " centred on the line";
    }
}

TEST(CanvasFigures, WidePenFramesCentreOnTheEdgeUnlessInsideFrame)
{
    struct FrameCase
    {
        TPenStyle style;
        int firstInk;
        int firstFill;
    };
    // Rectangle(10, 10, 30, 30) with a 3-pixel pen, looking along row 20 from the left.
    for (const FrameCase fc : { FrameCase { TPenStyle::psSolid, 9, 12 }, FrameCase { TPenStyle::psInsideFrame, 10, 13 } }) {
        auto b = MakeBitmap(40, 40, kBack);
        TCanvas& c = Prepared(*b);
        c.Pen()->SetWidth(3);
        c.Pen()->SetStyle(fc.style);
        c.Rectangle(10, 10, 30, 30);
        EXPECT_EQ(c.Pixels(fc.firstInk - 1, 20), kBack) << int(fc.style);
        EXPECT_EQ(c.Pixels(fc.firstInk, 20), kInk) << int(fc.style);
        EXPECT_EQ(c.Pixels(fc.firstFill - 1, 20), kInk) << int(fc.style);
        EXPECT_EQ(c.Pixels(fc.firstFill, 20), kFill) << int(fc.style);
    }
}

TEST(CanvasLines, DashAndDotPatternsAndTheirBackground)
{
    struct DashCase
    {
        TPenStyle style;
        int firstRun;
        int firstGap;
    };
    for (const DashCase dc : { DashCase { TPenStyle::psDash, 18, 6 }, DashCase { TPenStyle::psDot, 3, 3 },
                               DashCase { TPenStyle::psDashDot, 9, 6 }, DashCase { TPenStyle::psDashDotDot, 9, 3 } }) {
        for (const bool opaque : { false, true }) {
            auto b = MakeBitmap(110, 5, kBack);
            TCanvas& c = Prepared(*b);
            c.Pen()->SetStyle(dc.style);
            c.Brush()->SetStyle(opaque ? TBrushStyle::bsSolid : TBrushStyle::bsClear);
            c.MoveTo(0, 2);
            c.LineTo(100, 2);
            const TColor gapColour = opaque ? kFill : kBack;
            int x = 0;
            while (x < 100 && c.Pixels(x, 2) == kInk)
                ++x;
            EXPECT_EQ(x, dc.firstRun) << int(dc.style);
            int gap = 0;
            while (x < 100 && c.Pixels(x, 2) == gapColour)
                ++x, ++gap;
            EXPECT_EQ(gap, dc.firstGap) << int(dc.style) << (opaque ? " opaque" : " transparent");
            EXPECT_EQ(CountColour(c, kInk, 0, 2, 100, 3) + CountColour(c, gapColour, 0, 2, 100, 3), 100);
        }
    }
    // A wide dashed pen draws solid.
    auto b = MakeBitmap(110, 5, kBack);
    TCanvas& c = Prepared(*b);
    c.Pen()->SetStyle(TPenStyle::psDash);
    c.Pen()->SetWidth(2);
    c.MoveTo(0, 2);
    c.LineTo(100, 2);
    EXPECT_EQ(CountColour(c, kInk, 0, 2, 101, 3), 101);
}

TEST(CanvasBrush, HatchPatternsLeaveTheirGapsUntouched)
{
    struct HatchCase
    {
        TBrushStyle style;
        std::function<bool(int, int)> ink;
    };
    const HatchCase cases[] = {
        { TBrushStyle::bsHorizontal, [](int, int y) { return y % 8 == 0; } },
        { TBrushStyle::bsVertical, [](int x, int) { return x % 8 == 0; } },
        { TBrushStyle::bsCross, [](int x, int y) { return x % 8 == 0 || y % 8 == 0; } },
        { TBrushStyle::bsFDiagonal, [](int x, int y) { return (x - y + 64) % 8 == 0; } },
        { TBrushStyle::bsBDiagonal, [](int x, int y) { return (x + y) % 8 == 0; } },
    };
    for (const HatchCase& hc : cases) {
        auto b = MakeBitmap(24, 24, kBack);
        TCanvas& c = Prepared(*b);
        c.Brush()->SetStyle(hc.style);
        c.FillRect(Rect(0, 0, 24, 24));
        int wrong = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x)
                wrong += c.Pixels(x, y) != (hc.ink(x, y) ? kFill : kBack) ? 1 : 0;
        EXPECT_EQ(wrong, 0) << "style " << int(hc.style);
    }
}

TEST(CanvasRasterOps, XorAndNotPensRestoreWhenDrawnTwice)
{
    for (const TPenMode mode : { TPenMode::pmXor, TPenMode::pmNot }) {
        auto b = MakeBitmap(40, 40, kBack);
        TCanvas& c = Prepared(*b);
        c.SetPixels(7, 7, 0x123456);
        const QImage before = b->Image().copy();
        c.Pen()->SetMode(mode);
        for (int pass = 0; pass < 2; ++pass) {
            c.MoveTo(1, 1);
            c.LineTo(30, 20);
            c.Pen()->SetWidth(3);
            c.MoveTo(1, 30);
            c.LineTo(35, 30);
            c.Pen()->SetWidth(1);
            c.Rectangle(5, 5, 25, 15);
            if (pass == 0) {
                EXPECT_NE(b->Image(), before) << "mode " << int(mode) << " drew nothing";
            }
        }
        EXPECT_EQ(b->Image(), before) << "mode " << int(mode);
    }
    auto b = MakeBitmap(10, 10, kBack);
    TCanvas& c = Prepared(*b);
    c.Pen()->SetMode(TPenMode::pmNot);
    c.MoveTo(0, 0);
    c.LineTo(5, 0);
    EXPECT_EQ(c.Pixels(0, 0), ~kBack & 0xFFFFFF);
}

TEST(CanvasRasterOps, CopyRectModes)
{
    constexpr TColor src = 0x0F0F33;
    constexpr TColor dst = 0x3355F0;
    struct CopyCase
    {
        const char* name;
        TCopyMode mode;
        TColor expected;
    };
    const CopyCase cases[] = {
        { "SRCCOPY", SRCCOPY, src },
        { "SRCINVERT", SRCINVERT, src ^ dst },
        { "SRCAND", SRCAND, src & dst },
        { "SRCPAINT", SRCPAINT, src | dst },
        { "NOTSRCCOPY", NOTSRCCOPY, ~src & 0xFFFFFF },
        { "MERGEPAINT", MERGEPAINT, (~src | dst) & 0xFFFFFF },
        { "DSTINVERT", DSTINVERT, ~dst & 0xFFFFFF },
        { "BLACKNESS", BLACKNESS, 0 },
        { "WHITENESS", WHITENESS, 0xFFFFFF },
    };
    auto source = MakeBitmap(8, 8, src);
    for (const CopyCase& cc : cases) {
        auto b = MakeBitmap(20, 20, dst);
        TCanvas& c = *b->Canvas();
        c.SetCopyMode(cc.mode);
        c.CopyRect(Rect(4, 4, 12, 12), *source->Canvas(), Rect(0, 0, 8, 8));
        EXPECT_EQ(c.Pixels(4, 4), cc.expected) << cc.name;
        EXPECT_EQ(c.Pixels(11, 11), cc.expected) << cc.name;
        EXPECT_EQ(c.Pixels(12, 12), dst) << cc.name << ": outside the destination";
    }
    // SRCINVERT twice restores the destination.
    auto b = MakeBitmap(20, 20, dst);
    const QImage before = b->Image().copy();
    b->Canvas()->SetCopyMode(SRCINVERT);
    b->Canvas()->CopyRect(Rect(2, 2, 10, 10), *source->Canvas(), Rect(0, 0, 8, 8));
    b->Canvas()->CopyRect(Rect(2, 2, 10, 10), *source->Canvas(), Rect(0, 0, 8, 8));
    EXPECT_EQ(b->Image(), before);
}

TEST(CanvasRasterOps, StretchAndMirror)
{
    auto source = MakeBitmap(2, 1, 0x0000FF);
    source->Canvas()->SetPixels(1, 0, 0x00FF00);
    auto b = MakeBitmap(10, 4, kBack);
    TCanvas& c = *b->Canvas();
    c.CopyRect(Rect(0, 0, 4, 2), *source->Canvas(), Rect(0, 0, 2, 1));
    ExpectPixels(c, { { "left half", 1, 1, 0x0000FF }, { "right half", 2, 0, 0x00FF00 }, { "outside", 4, 0, kBack } });
    c.CopyRect(Rect(8, 2, 4, 4), *source->Canvas(), Rect(0, 0, 2, 1)); // mirrored horizontally
    ExpectPixels(c, { { "mirrored left", 4, 2, 0x00FF00 }, { "mirrored right", 7, 3, 0x0000FF } });
}

TEST(CanvasClip, SaverRestoresClipAndTools)
{
    auto b = MakeBitmap(30, 30, kBack);
    TCanvas& c = Prepared(*b);
    {
        TCanvasSaver saver(c);
        c.IntersectClipRect(Rect(10, 10, 20, 20));
        c.Brush()->SetColor(kInk);
        c.Pen()->SetWidth(4);
        EXPECT_EQ(c.ClipRect(), Rect(10, 10, 20, 20));
        c.FillRect(Rect(0, 0, 30, 30));
        c.MoveTo(0, 25);
        c.LineTo(30, 5); // crosses the clip box
        c.Font()->SetColor(kInk);
        c.TextOut(0, 12, QStringLiteral("Clip"));
        EXPECT_EQ(c.Pixels(5, 5), CLR_INVALID) << "outside the clip reads as invalid";
    }
    EXPECT_EQ(CountColour(c, kInk, 10, 10, 20, 20), 100);
    EXPECT_EQ(CountColour(c, kBack, 0, 0, 30, 30), 900 - 100) << "nothing outside the clip";
    EXPECT_EQ(c.ClipRect(), Rect(0, 0, 30, 30));
    EXPECT_EQ(c.Brush()->Color(), kFill);
    EXPECT_EQ(c.Pen()->Width(), 1);
    c.ExcludeClipRect(Rect(0, 0, 15, 30));
    c.FillRect(Rect(0, 0, 30, 30));
    EXPECT_EQ(c.Pixels(14, 0), CLR_INVALID);
    EXPECT_EQ(CountColour(c, kFill, 15, 0, 30, 30), 15 * 30);
    c.SetClipRegion(std::nullopt);
    EXPECT_EQ(c.Pixels(14, 0), kBack);
}

TEST(CanvasPixels, ReadWriteAndBounds)
{
    auto b = MakeBitmap(5, 5, kBack);
    TCanvas& c = *b->Canvas();
    c.SetPixels(4, 4, 0x010203);
    c.SetPixels(5, 5, 0x010203); // outside: ignored
    EXPECT_EQ(c.Pixels(4, 4), 0x010203);
    EXPECT_EQ(c.Pixels(5, 4), CLR_INVALID);
    EXPECT_EQ(c.Pixels(-1, 0), CLR_INVALID);
    c.SetPixels(0, 0, clWhite);
    EXPECT_EQ(c.Pixels(0, 0), 0xFFFFFF);
}

TEST(CanvasFigures, PolygonArcPieRoundRect)
{
    auto b = MakeBitmap(80, 40, kBack);
    TCanvas& c = Prepared(*b);
    c.Pen()->SetStyle(TPenStyle::psClear);
    c.Polygon({ { 0, 0 }, { 10, 0 }, { 10, 10 }, { 0, 10 } });
    EXPECT_EQ(CountColour(c, kFill, 0, 0, 12, 12), 100) << "penless square covers [0,10) x [0,10)";
    c.Pen()->SetStyle(TPenStyle::psSolid);
    c.Polygon({ { 20, 0 }, { 30, 0 }, { 30, 10 }, { 20, 10 } });
    ExpectPixels(c, { { "outline takes the far vertex", 30, 10, kInk }, { "interior", 25, 5, kFill } });

    // Pie: the upper-right quarter of a circle, counter-clockwise from east to north.
    c.Pie(40, 0, 60, 20, 60, 10, 50, 0);
    ExpectPixels(c, { { "inside the quarter", 54, 5, kFill }, { "lower-left quarter untouched", 45, 15, kBack } });
    c.Arc(40, 20, 60, 40, 40, 30, 60, 30); // lower half, west to east counter-clockwise
    EXPECT_EQ(CountColour(c, kInk, 40, 31, 60, 40) > 0, true);
    EXPECT_EQ(CountColour(c, kInk, 40, 20, 60, 29), 0);

    c.RoundRect(62, 2, 78, 18, 8, 8);
    ExpectPixels(c, { { "rounded corner cut", 62, 2, kBack }, { "straight edge", 62, 10, kInk }, { "interior", 70, 10, kFill } });
}

TEST(CanvasFigures, FarAwayCoordinatesAreClippedNotWalked)
{
    auto b = MakeBitmap(20, 20, kBack);
    TCanvas& c = Prepared(*b);
    c.MoveTo(-2000000000, 10);
    c.LineTo(2000000000, 10);
    EXPECT_EQ(CountColour(c, kInk, 0, 10, 20, 11), 20);
    c.Ellipse(-2000000000, -2000000000, 2000000000, 2000000000);
    c.Rectangle(-2147483647, -5, 2147483647, 5);
    c.Polygon({ { -2000000000, 15 }, { 2000000000, 15 }, { 0, 2000000000 } });
    SUCCEED();
}

TEST(CanvasText, TextOutAnchorsTheCellAtTheTopLeft)
{
    canvastest::EnsureGuiApp();
    for (const bool opaque : { true, false }) {
        auto b = MakeBitmap(120, 60, clWhite);
        TCanvas& c = *b->Canvas();
        c.Font()->SetName(QStringLiteral("Arial"));
        c.Font()->SetSize(14);
        c.Font()->SetColor(clBlack);
        c.Brush()->SetColor(clYellow);
        if (!opaque)
            c.Brush()->SetStyle(TBrushStyle::bsClear);
        const TSize cell = c.TextExtent(QStringLiteral("HgW"));
        ASSERT_GT(cell.cx, 10);
        ASSERT_GT(cell.cy, 10);
        c.TextOut(20, 15, QStringLiteral("HgW"));
        EXPECT_EQ(c.PenPos(), Point(20 + cell.cx, 15));
        int ink = 0;
        int yellow = 0;
        int whiteInCell = 0;
        int touchedAboveOrLeft = 0;
        int minY = 1000;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 120; ++x) {
                const TColor p = c.Pixels(x, y);
                const bool inCell = x >= 20 && y >= 15 && x < 20 + cell.cx && y < 15 + cell.cy;
                if (p == clBlack) {
                    ++ink;
                    minY = std::min(minY, y);
                }
                yellow += p == clYellow ? 1 : 0;
                whiteInCell += inCell && p == clWhite ? 1 : 0;
                touchedAboveOrLeft += (x < 20 || y < 15) && p != clWhite ? 1 : 0;
            }
        EXPECT_GT(ink, 20);
        EXPECT_EQ(touchedAboveOrLeft, 0) << "the ink starts at or right/below the anchor";
        EXPECT_LT(minY, 15 + cell.cy / 2) << "the cap of H sits in the upper half of the cell";
        if (opaque) {
            EXPECT_EQ(whiteInCell, 0) << "opaque: the whole cell is painted";
            EXPECT_GT(yellow, 0);
        } else {
            EXPECT_EQ(yellow, 0) << "transparent: the background is left alone";
            EXPECT_GT(whiteInCell, 0);
        }
    }
}

TEST(CanvasText, TextRectClipsAndFillsTheRectangle)
{
    canvastest::EnsureGuiApp();
    auto b = MakeBitmap(100, 40, clWhite);
    TCanvas& c = *b->Canvas();
    c.Font()->SetColor(clBlack);
    c.Font()->SetSize(20);
    c.Brush()->SetColor(clYellow);
    c.TextRect(Rect(10, 10, 30, 30), 12, 5, QStringLiteral("WWWW"));
    EXPECT_EQ(CountColour(c, clWhite, 0, 0, 100, 40), 100 * 40 - 400);
    EXPECT_EQ(CountColour(c, clBlack, 10, 10, 30, 30) > 0, true);
    EXPECT_EQ(c.ClipRect(), Rect(0, 0, 100, 40)) << "clip restored";
}

namespace {

// Every character is 7 x 13: lets layouts be checked without font files.
class FixedMetrics : public ITextMetrics
{
public:
    TSize TextExtent(const TFont&, const QString& text) const override { return { 7 * int(text.size()), 13 }; }
};

} // namespace

TEST(CanvasText, FixedMetricsCanBePluggedForTheirLifetime)
{
    TCanvas c;
    {
        TTextMetricsOverride fixed(std::make_shared<FixedMetrics>());
        EXPECT_EQ(c.TextWidth(QStringLiteral("abcd")), 28);
        EXPECT_EQ(c.TextHeight(QStringLiteral("x")), 13);
        EXPECT_EQ(c.TextExtent(QString()), TSize(0, 13));
    }
    canvastest::EnsureGuiApp();
    EXPECT_NE(c.TextWidth(QStringLiteral("abcd")), 28);
}

TEST(CanvasPainter, PainterAndBitmapGiveTheSamePixels)
{
    auto scene = [](TCanvas& c) {
        c.Brush()->SetColor(kBack);
        c.FillRect(Rect(0, 0, 64, 48));
        c.Pen()->SetColor(kInk);
        c.Brush()->SetColor(kFill);
        c.Rectangle(2, 2, 30, 20);
        c.Ellipse(10, 10, 50, 40);
        c.Pen()->SetStyle(TPenStyle::psDot);
        c.MoveTo(0, 45);
        c.LineTo(63, 30);
        c.Pen()->SetStyle(TPenStyle::psSolid);
        c.Pen()->SetMode(TPenMode::pmXor);
        c.Pen()->SetWidth(3);
        c.MoveTo(5, 40);
        c.LineTo(60, 5);
        c.Pen()->SetMode(TPenMode::pmCopy);
        c.Pen()->SetWidth(1);
        c.Brush()->SetStyle(TBrushStyle::bsDiagCross);
        c.Polygon({ { 40, 2 }, { 62, 2 }, { 52, 25 } });
        c.SetPixels(63, 47, clWhite);
    };
    auto bitmap = MakeBitmap(64, 48, kBack);
    scene(*bitmap->Canvas());

    QImage target(64, 48, QImage::Format_RGB32);
    target.fill(Qt::black);
    {
        QPainter painter(&target);
        TCanvas canvas;
        TCanvasPainterBinding binding(canvas, painter, Rect(0, 0, 64, 48));
        EXPECT_TRUE(canvas.HandleAllocated());
        scene(canvas);
        EXPECT_EQ(canvas.Pixels(1, 1), CLR_INVALID) << "a painter cannot be read";
    }
    int differ = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            differ += (target.pixel(x, y) & 0xFFFFFF) != (bitmap->Image().pixel(x, y) & 0xFFFFFF) ? 1 : 0;
    EXPECT_EQ(differ, 0);
}
