// Plain same-size copies between canvases, onto bitmaps and painters, through clip regions, onto
// the copying canvas itself and from partly outside the source; and several polylines in one pass.

#include "CanvasTestSupport.h"

#include "platform/ui/TCanvas.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace vcl;
using canvastest::MakeBitmap;

namespace {

// A source whose every pixel differs: (x, y) holds x * 16 + y in red and 200 - x in blue.
std::unique_ptr<TBitmap> Numbered(int w, int h)
{
    auto b = MakeBitmap(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b->Canvas()->SetPixels(x, y, RGB((x * 16 + y) & 0xFF, 7, (200 - x) & 0xFF));
    return b;
}

// What a copy of Source to Dest gives, worked out pixel by pixel: the source pixel that lands
// there, where it is inside the source and the clip; the old pixel elsewhere.
QImage Expected(const QImage& before, const QImage& source, const TRect& dest, const TRect& src, const QRegion& clip)
{
    QImage out = before.copy();
    for (int y = dest.Top; y < dest.Bottom; ++y)
        for (int x = dest.Left; x < dest.Right; ++x) {
            const int sx = src.Left + (x - dest.Left);
            const int sy = src.Top + (y - dest.Top);
            if (!out.rect().contains(x, y) || !clip.contains(QPoint(x, y)) || !source.rect().contains(sx, sy))
                continue;
            out.setPixel(x, y, source.pixel(sx, sy) | 0xFF000000u);
        }
    return out;
}

} // namespace

TEST(CanvasCopy, SameSizeCopiesLandPixelForPixel)
{
    auto source = Numbered(12, 9);
    const QRegion everywhere(0, 0, 30, 20);
    const QRegion holed = QRegion(0, 0, 30, 20) - QRegion(8, 5, 4, 4);
    struct Case
    {
        const char* name;
        TRect dest;
        TRect src;
        QRegion clip;
    };
    const Case cases[] = {
        { "inside", Rect(3, 2, 15, 11), Rect(0, 0, 12, 9), everywhere },
        { "part of the source", Rect(10, 10, 14, 13), Rect(5, 4, 9, 7), everywhere },
        { "over the edge of the target", Rect(24, 15, 36, 24), Rect(0, 0, 12, 9), everywhere },
        { "left of the target", Rect(-5, -3, 7, 6), Rect(0, 0, 12, 9), everywhere },
        { "through a clip with a hole", Rect(3, 2, 15, 11), Rect(0, 0, 12, 9), holed },
        { "partly outside the source", Rect(3, 2, 15, 11), Rect(4, 3, 16, 12), everywhere },
    };
    for (const Case& c : cases) {
        auto target = MakeBitmap(30, 20, 0x123456);
        const QImage before = target->Image().copy();
        if (c.clip != everywhere)
            target->Canvas()->SetClipRegion(c.clip);
        target->Canvas()->CopyRect(c.dest, *source->Canvas(), c.src);
        EXPECT_EQ(target->Image(), Expected(before, source->Image(), c.dest, c.src, c.clip)) << c.name;

        // The same copy onto a painter, as in a control's paint.
        QImage screen = before.copy();
        {
            QPainter painter(&screen);
            TCanvas canvas;
            TCanvasPainterBinding binding(canvas, painter, Rect(0, 0, 30, 20));
            if (c.clip != everywhere)
                canvas.SetClipRegion(c.clip);
            canvas.CopyRect(c.dest, *source->Canvas(), c.src);
        }
        EXPECT_EQ(screen, Expected(before, source->Image(), c.dest, c.src, c.clip)) << c.name << " on a painter";
    }
}

TEST(CanvasCopy, ACanvasCopiesOntoItselfFromItsOldPixels)
{
    auto b = Numbered(12, 9);
    const QImage before = b->Image().copy();
    b->Canvas()->CopyRect(Rect(2, 1, 12, 9), *b->Canvas(), Rect(0, 0, 10, 8));
    EXPECT_EQ(b->Image(), Expected(before, before, Rect(2, 1, 12, 9), Rect(0, 0, 10, 8), QRegion(0, 0, 12, 9)));
}

TEST(CanvasCopy, PolylinesInOnePassDrawWhatEachDrawsAlone)
{
    const std::vector<TPoint> points { { 2, 2 }, { 20, 9 }, { 5, 17 }, { 5, 17 }, { 5, 17 },
                                       { 9, 9 }, { 1, 1 }, { 28, 3 } };
    const std::vector<int> counts { 3, 2, 1, 2 };
    for (const int width : { 1, 2, 3 }) {
        auto together = MakeBitmap(30, 20, 0);
        auto apart = MakeBitmap(30, 20, 0);
        for (TCanvas* c : { together->Canvas(), apart->Canvas() }) {
            c->Pen()->SetColor(0x00FFFF);
            c->Pen()->SetWidth(width);
        }
        together->Canvas()->PolyPolyline(points, counts);
        apart->Canvas()->Polyline({ points[0], points[1], points[2] });
        apart->Canvas()->Polyline({ points[3], points[4] });
        apart->Canvas()->Polyline({ points[6], points[7] }); // the single point draws nothing
        EXPECT_EQ(together->Image(), apart->Image()) << "width " << width;
        EXPECT_EQ(together->Canvas()->PenPos().X, 0) << "the pen position stays";
    }
}
