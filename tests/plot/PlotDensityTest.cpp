// The plot shown on a screen of device pixel ratio 2: its off-screen picture is as fine as the
// screen, so the curve steps in device pixels where the picture of ratio 1 has it.

#include "MainWindowPlots.h"
#include "PlotTestSupport.h"

#include "platform/ui/TForm.h"
#include "support/RenderedAtRatio.h"

#include <gtest/gtest.h>

#include <QImage>

using namespace vcl;

namespace {

bool Lit(QRgb p)
{
    return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200; // the white curve
}

TEST(PlotDensity, CurveIsDrawnAtTheScreensDensityInItsPlace)
{
    ptest::App();
    TForm form(nullptr);
    auto* plot = new TiXYPlot(&form);
    plot->SetParent(&form);
    plot->SetBounds(0, 0, 320, 220);
    ptest::SeedCompressorPlot(*plot);

    const QImage single = RenderedAtRatio(*plot, 1);
    const QImage sharp = RenderedAtRatio(*plot, 2);
    // Every lit device pixel lies within a pixel of a lit pixel of the picture at 1, and every lit
    // pixel there is covered.
    int stray = 0;
    int lit = 0;
    for (int y = 0; y < sharp.height(); ++y)
        for (int x = 0; x < sharp.width(); ++x) {
            if (!Lit(sharp.pixel(x, y)))
                continue;
            ++lit;
            bool near = false;
            for (int v = std::max(0, y / 2 - 1); v <= std::min(single.height() - 1, y / 2 + 1) && !near; ++v)
                for (int u = std::max(0, x / 2 - 1); u <= std::min(single.width() - 1, x / 2 + 1) && !near; ++u)
                    near = Lit(single.pixel(u, v));
            stray += near ? 0 : 1;
        }
    EXPECT_GT(lit, 200);
    EXPECT_EQ(stray, 0);
    for (int y = 0; y < single.height(); ++y)
        for (int x = 0; x < single.width(); ++x)
            if (Lit(single.pixel(x, y))) {
                bool covered = false;
                for (int v = std::max(0, 2 * y - 2); v <= std::min(sharp.height() - 1, 2 * y + 3) && !covered; ++v)
                    for (int u = std::max(0, 2 * x - 2); u <= std::min(sharp.width() - 1, 2 * x + 3) && !covered; ++u)
                        covered = Lit(sharp.pixel(u, v));
                ASSERT_TRUE(covered) << x << "," << y;
            }
    // Not the doubled picture: a slope steps by single device pixels.
    int halfSteps = 0;
    for (int y = 0; y + 1 < sharp.height(); y += 2)
        for (int x = 0; x + 1 < sharp.width(); x += 2) {
            const bool a = Lit(sharp.pixel(x, y));
            halfSteps += (Lit(sharp.pixel(x + 1, y)) != a || Lit(sharp.pixel(x, y + 1)) != a
                          || Lit(sharp.pixel(x + 1, y + 1)) != a)
                ? 1
                : 0;
        }
    EXPECT_GT(halfSteps, 50);
}

} // namespace
