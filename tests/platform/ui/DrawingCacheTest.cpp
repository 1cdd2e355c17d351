// Kept pictures of drawings: laid back over any background, at scale 1 and 2, they give the very
// pixels the drawing gives, including drawings that blend with what lies below.

#include "platform/ui/CanvasTestSupport.h"

#include "platform/ui/DrawingCache.h"
#include "platform/ui/TCanvas.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <functional>
#include <memory>

using namespace vcl;
using canvastest::EnsureGuiApp;

namespace {

constexpr int kW = 40;
constexpr int kH = 30;

// Bands running past the area by one pixel at the right, as a band gradient's last band may.
void Bands(TCanvas& c, const TRect& area)
{
    for (int i = 0; i < 4; ++i) {
        c.Pen()->SetColor(RGB(40 * i, 200 - 40 * i, 90));
        c.Brush()->SetColor(RGB(40 * i, 200 - 40 * i, 90));
        c.Rectangle(area.Left + 4 * i, area.Top, area.Left + 4 * i + 5, area.Bottom);
    }
}

// A smoothed disc: its rim pixels mix with the background.
void SmoothDisc(TCanvas& c, const TRect& area)
{
    QPainter* p = c.Painter();
    QImage* image = c.Image();
    std::unique_ptr<QPainter> own;
    if (!p) {
        own = std::make_unique<QPainter>(image);
        p = own.get();
    }
    p->save();
    if (c.ClipRegion())
        p->setClipRegion(*c.ClipRegion(), Qt::IntersectClip);
    p->setRenderHint(QPainter::Antialiasing, true);
    p->setPen(Qt::NoPen);
    p->setBrush(QColor(250, 20, 20));
    p->drawEllipse(QRectF(area.Left + 0.3, area.Top + 0.3, area.Right - area.Left - 1.1, area.Bottom - area.Top - 1.3));
    p->restore();
}

// The drawing on a canvas of kW x kH at `scale` over `background`, at `area`, clipped to `clip`.
QImage Drawn(int scale, QColor background, const TRect& area, const QRect& clip,
             const std::function<void(TCanvas&, const TRect&)>& draw)
{
    QImage image(kW * scale, kH * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(background);
    QPainter painter(&image);
    TCanvas canvas;
    TCanvasPainterBinding binding(canvas, painter, TRect(0, 0, kW, kH));
    canvas.SetClipRegion(QRegion(clip));
    draw(canvas, area);
    return image;
}

TEST(DrawingCache, LaysBackTheDrawingsOwnPixelsOverAnyBackgroundAndClip)
{
    EnsureGuiApp();
    struct Case
    {
        const char* name;
        std::function<void(TCanvas&, const TRect&)> draw;
    };
    const Case cases[] = { { "bands past the area", Bands }, { "smoothed disc", SmoothDisc } };
    const QColor backgrounds[] = { QColor(10, 10, 200), QColor(240, 240, 0) };
    const TRect areas[] = { TRect(3, 4, 19, 20), TRect(17, 9, 33, 25) }; // same size, moved
    const QRect clips[] = { QRect(0, 0, kW, kH), QRect(10, 0, 12, kH) };
    for (const Case& c : cases) {
        DrawingCache cache(4);
        for (int scale : { 1, 2 })
            for (const QColor& background : backgrounds)
                for (const TRect& area : areas)
                    for (const QRect& clip : clips) {
                        const QImage direct = Drawn(scale, background, area, clip, c.draw);
                        const QImage kept = Drawn(scale, background, area, clip, [&](TCanvas& canvas, const TRect& r) {
                            cache.Draw(canvas, r, 1, DrawingKey().Add(1), c.draw);
                        });
                        EXPECT_EQ(kept, direct) << c.name << " at scale " << scale << ", area left " << area.Left
                                                << ", clip left " << clip.left();
                    }
    }
}

} // namespace
