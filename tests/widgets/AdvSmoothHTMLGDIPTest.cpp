// The markup engine on a real GDI+ surface.

#include "widgets/AdvSmoothHTMLGDIP.h"
#include "widgets/WidgetTestSupport.h"

#include <gtest/gtest.h>

using namespace vcl;

namespace {

TEST(AdvSmoothHTMLGDIP, SplashLineIsDrawnWhiteInsideItsMeasuredBox)
{
    wtest::App();
    TGPBitmap bitmap(400, 60, gdiplus::PixelFormat32bppARGB);
    TGPGraphics g(&bitmap);
    g.Clear(PackARGB(255, 0, 0, 0));
    TFont font;
    font.SetName(QStringLiteral("Tahoma"));
    font.SetHeight(-11);
    const QString text = QStringLiteral("<FONT size=\"20\" color=\"clWhite\">Loading Program....</FONT><br>");
    THTMLDrawOptions o;
    o.LineSpacing = 2;
    o.MeasureOnly = true;
    THTMLDrawResult measured;
    HTMLDrawGDIP(&g, font, text, TRect(0, 0, 400, 60), o, measured, nullptr, {});
    EXPECT_GT(measured.XSize, 150);
    EXPECT_GT(measured.YSize, 20);
    EXPECT_LT(measured.YSize, 50);

    o.MeasureOnly = false;
    THTMLDrawResult drawn;
    HTMLDrawGDIP(&g, font, text, TRect(10, 5, 410, 65), o, drawn, nullptr, {});
    EXPECT_EQ(drawn.YSize, measured.YSize);
    QImage pixels;
    bitmap.GetHBITMAP(0, pixels);
    int white = 0, outside = 0;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x) {
            const QColor c = pixels.pixelColor(x, y);
            if (c.red() > 200 && c.green() > 200 && c.blue() > 200) {
                // The measure leaves out a few pixels of the last glyph, as the text call's width does.
                const bool inBox = x >= 10 && x < 10 + measured.XSize + 4 && y >= 5 && y < 5 + measured.YSize;
                (inBox ? white : outside)++;
            }
        }
    EXPECT_GT(white, 100);
    EXPECT_EQ(outside, 0);
    if (qEnvironmentVariableIsSet("ZQ9_SPLASH_PNG"))
        pixels.save(QStringLiteral("/tmp/splash_html.png"));
}

} // namespace
