// The channel plot shown on a screen of device pixel ratio 2: the picture of ratio 1 in the same
// place, but with curves and text drawn at device resolution instead of doubled.

#include "PlotScene.h"
#include "support/RenderedAtRatio.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

bool Dark(QRgb p)
{
    return qRed(p) + qGreen(p) + qBlue(p) < 60;
}

// Bright device pixels of `image` with no bright pixel of `near` within `reach`.
int StrayMarks(const QImage& image, const QImage& near, int reach)
{
    int stray = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (Dark(image.pixel(x, y)))
                continue;
            bool found = false;
            for (int v = std::max(0, y - reach); v <= std::min(near.height() - 1, y + reach) && !found; ++v)
                for (int u = std::max(0, x - reach); u <= std::min(near.width() - 1, x + reach) && !found; ++u)
                    found = !Dark(near.pixel(u, v));
            stray += found ? 0 : 1;
        }
    return stray;
}

TEST(PlotDensity, RatioTwoKeepsTheGeometryAndDrawsFiner)
{
    scene::ChannelPlot s;
    const QImage single = RenderedAtRatio(s.ctl, 1);
    const QImage doubled = single.scaled(single.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage sharp = RenderedAtRatio(s.ctl, 2);
    ASSERT_EQ(sharp.size(), doubled.size());
    EXPECT_EQ(s.ctl.ScreenImage().Width(), 1070) << "sizes stay in pixels";
    EXPECT_EQ(s.ctl.ScreenImage().DeviceScale(), 2);

    // Everything lies within a pixel and a half of where the doubled picture has it.
    EXPECT_EQ(StrayMarks(sharp, doubled, 3), 0);
    EXPECT_EQ(StrayMarks(doubled, sharp, 3), 0);
    // Finer: 2 x 2 blocks that are not one colour exist only in the sharp picture.
    int mixed = 0;
    for (int y = 0; y < sharp.height(); y += 2)
        for (int x = 0; x < sharp.width(); x += 2) {
            const QRgb p = sharp.pixel(x, y);
            mixed += (sharp.pixel(x + 1, y) != p || sharp.pixel(x, y + 1) != p || sharp.pixel(x + 1, y + 1) != p) ? 1 : 0;
        }
    EXPECT_GT(mixed, 2000);

    // Back on a screen of ratio 1 the picture is the one it was.
    EXPECT_EQ(RenderedAtRatio(s.ctl, 1), single);
}

} // namespace
