// The highlight stamp: what it blends into a page equals drawing the translucent shapes there,
// however often they overlap and whatever lies under them.

#include "responseplot/HighlightStamp.h"

#include "platform/ui/TBitmap.h"

#include <QApplication>
#include <QPainter>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::uint32_t Grey30 = 0x1E808080u;

void EnsureGuiApp()
{
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "test_response";
        static char* argv[] = { name, nullptr };
        static QApplication* app = new QApplication(argc, argv);
        (void)app;
    }
}

// Colourful ground: every channel differs from pixel to pixel.
void PaintGround(vcl::TBitmap& page)
{
    page.SetSize(64, 40);
    QImage& image = *page.Canvas()->Image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7 + y) & 0xFF, (y * 13 + 3 * x) & 0xFF, (x * y) & 0xFF));
}

// Three overlapping translucent figures, as the painter draws them.
std::function<void(vcl::TCanvas&)> Figures(std::uint32_t argb)
{
    return [argb](vcl::TCanvas& canvas) {
        QPainter painter(canvas.Image());
        painter.setRenderHint(QPainter::Antialiasing, false);
        const QColor colour = QColor::fromRgba(argb);
        painter.fillRect(QRect(4, 4, 40, 20), colour);
        painter.fillRect(QRect(20, 10, 30, 25), colour);
        painter.setPen(colour);
        painter.drawLine(0, 39, 63, 0);
    };
}

HighlightStamp::Shape ShapeOf(int count)
{
    HighlightStamp::Shape shape;
    shape.count = count;
    shape.width = 64;
    shape.height = 40;
    return shape;
}

} // namespace

TEST(HighlightStamp, StampingEqualsDrawingOverAnyGroundAndRepeats)
{
    EnsureGuiApp();
    const std::vector<double> curve { 1.0, 2.0, 3.0 };
    HighlightStamp stamp(Grey30);
    stamp.Record(ShapeOf(3), curve.data(), Figures(Grey30));
    ASSERT_TRUE(stamp.Matches(ShapeOf(3), curve.data()));

    vcl::TBitmap drawn, stamped;
    PaintGround(drawn);
    PaintGround(stamped);
    for (int pass = 0; pass < 3; ++pass) {
        Figures(Grey30)(*drawn.Canvas());
        ASSERT_TRUE(stamp.Stamp(*stamped.Canvas()->Image()));
        ASSERT_EQ(drawn.Image(), stamped.Image()) << "pass " << pass;
    }
}

TEST(HighlightStamp, AnotherShapeOrCurveIsNoMatchAndAColouredInkIsNeverStamped)
{
    EnsureGuiApp();
    std::vector<double> curve { 1.0, 2.0, 3.0 };
    HighlightStamp stamp(Grey30);
    stamp.Record(ShapeOf(3), curve.data(), Figures(Grey30));
    EXPECT_FALSE(stamp.Matches(ShapeOf(2), curve.data()));
    HighlightStamp::Shape wider = ShapeOf(3);
    wider.width = 65;
    EXPECT_FALSE(stamp.Matches(wider, curve.data()));
    curve[2] = 3.5;
    EXPECT_FALSE(stamp.Matches(ShapeOf(3), curve.data()));

    // A page of another size is left alone.
    vcl::TBitmap other;
    other.SetSize(10, 10);
    EXPECT_FALSE(stamp.Stamp(*other.Canvas()->Image()));

    // Channels of a coloured ink blend apart: no stamp, the caller draws.
    HighlightStamp red(0x1EFF0000u);
    red.Record(ShapeOf(3), curve.data(), Figures(0x1EFF0000u));
    vcl::TBitmap page;
    PaintGround(page);
    EXPECT_FALSE(red.Stamp(*page.Canvas()->Image()));
}
