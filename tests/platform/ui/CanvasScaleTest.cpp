// Drawing at a device pixel ratio of 2: the same figures as at 1, where the doubled picture has
// them, but finer (slopes, curves and text step in device pixels), and bitmaps that keep their
// pixel sizes wherever they are read.

#include "platform/ui/CanvasTestSupport.h"

#include "platform/ui/ParentImage.h"
#include "platform/ui/TCanvas.h"
#include "platform/ui/TCustomControl.h"
#include "platform/ui/TForm.h"
#include "platform/images/BmpCodec.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QTest>
#include <QTemporaryDir>

#include <functional>

using namespace vcl;
using canvastest::EnsureGuiApp;
using canvastest::MakeBitmap;

namespace {

constexpr TColor kBack = 0x203040;
constexpr int kW = 64;
constexpr int kH = 48;
constexpr QRgb kBackRgb = 0xFF403020; // kBack as a QRgb

using Scene = std::function<void(TCanvas&)>;

// Every kind of figure, pen and brush the controls use.
void FullScene(TCanvas& c)
{
    c.Brush()->SetColor(kBack);
    c.FillRect(Rect(0, 0, kW, kH));
    c.Pen()->SetColor(clYellow);
    c.Brush()->SetColor(clBlue);
    c.Rectangle(2, 2, 30, 20);
    c.MoveTo(0, 0);
    c.LineTo(63, 47);
    c.Polyline({ { 5, 44 }, { 20, 30 }, { 40, 41 }, { 62, 33 } });
    c.Ellipse(10, 10, 50, 40);
    c.Pen()->SetStyle(TPenStyle::psDot);
    c.MoveTo(0, 45);
    c.LineTo(63, 30);
    c.Pen()->SetStyle(TPenStyle::psSolid);
    c.Pen()->SetWidth(3);
    c.MoveTo(5, 40);
    c.LineTo(60, 5);
    c.Pen()->SetWidth(2);
    c.Arc(34, 4, 60, 28, 60, 4, 34, 4);
    c.Pen()->SetWidth(1);
    c.Brush()->SetStyle(TBrushStyle::bsDiagCross);
    c.Polygon({ { 40, 2 }, { 62, 2 }, { 52, 25 } });
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Pie(2, 24, 22, 44, 22, 34, 12, 24);
    c.RoundRect(44, 30, 62, 46, 8, 8);
    c.SetPixels(63, 47, clWhite);
}

// Only edges along rows and columns: drawn at 2 it must be exactly the doubled picture.
void SquareScene(TCanvas& c)
{
    c.Brush()->SetColor(kBack);
    c.FillRect(Rect(0, 0, kW, kH));
    c.Pen()->SetColor(clRed);
    c.Brush()->SetColor(clLime);
    c.Rectangle(3, 4, 40, 30);
    c.Pen()->SetMode(TPenMode::pmXor);
    c.Pen()->SetColor(clWhite);
    c.MoveTo(1, 10);
    c.LineTo(60, 10);
    c.MoveTo(20, 1);
    c.LineTo(20, 46);
    c.Pen()->SetMode(TPenMode::pmCopy);
    c.Brush()->SetStyle(TBrushStyle::bsCross);
    c.Brush()->SetColor(clBlue);
    c.FillRect(Rect(42, 20, 60, 44));
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.IntersectClipRect(Rect(0, 0, 50, 40));
    c.FillRect(Rect(45, 35, 64, 48));
    c.SetClipRegion(std::nullopt);
    c.SetPixels(0, 47, clFuchsia);
}

QImage Plain(QImage image)
{
    image = image.convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

QImage AtScale1(const Scene& scene)
{
    auto bitmap = MakeBitmap(kW, kH, kBack);
    scene(*bitmap->Canvas());
    return Plain(bitmap->Image());
}

QImage OnScale2Bitmap(const Scene& scene)
{
    EnsureGuiApp();
    TBitmap bitmap;
    bitmap.SetDeviceScale(2);
    bitmap.SetSize(kW, kH);
    scene(*bitmap.Canvas());
    EXPECT_EQ(bitmap.Width(), kW);
    EXPECT_EQ(bitmap.Image().width(), 2 * kW);
    return Plain(bitmap.Image());
}

QImage OnScale2Painter(const Scene& scene)
{
    EnsureGuiApp();
    QImage target(2 * kW, 2 * kH, QImage::Format_RGB32);
    target.setDevicePixelRatio(2);
    target.fill(Qt::black);
    {
        QPainter painter(&target);
        TCanvas canvas;
        TCanvasPainterBinding binding(canvas, painter, Rect(0, 0, kW, kH));
        EXPECT_EQ(canvas.DeviceScale(), 2);
        scene(canvas);
    }
    return Plain(target);
}

QImage Doubled(const QImage& image)
{
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

int Differing(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += (a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF) ? 1 : 0;
    return n;
}

// Device pixels of `image` showing something other than the background that have no such pixel of
// `near` within `reach` device pixels: zero when every mark of one lies by a mark of the other.
int StrayMarks(const QImage& image, const QImage& near, int reach)
{
    int stray = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) | 0xFF000000u) == kBackRgb)
                continue;
            bool found = false;
            for (int v = std::max(0, y - reach); v <= std::min(near.height() - 1, y + reach) && !found; ++v)
                for (int u = std::max(0, x - reach); u <= std::min(near.width() - 1, x + reach) && !found; ++u)
                    found = (near.pixel(u, v) | 0xFF000000u) != kBackRgb;
            stray += found ? 0 : 1;
        }
    return stray;
}

TEST(CanvasScale, EdgesAlongRowsAndColumnsAreTheDoubledPicture)
{
    const QImage doubled = Doubled(AtScale1(SquareScene));
    EXPECT_EQ(Differing(OnScale2Bitmap(SquareScene), doubled), 0);
    EXPECT_EQ(Differing(OnScale2Painter(SquareScene), doubled), 0);
}

TEST(CanvasScale, SlopesAndCurvesKeepTheirPlaceAndGainDetail)
{
    const QImage doubled = Doubled(AtScale1(FullScene));
    const QImage sharp = OnScale2Bitmap(FullScene);
    // Every mark lies within one pixel (two device pixels) of where the doubled picture has one,
    // and the other way round.
    EXPECT_EQ(StrayMarks(sharp, doubled, 2), 0);
    EXPECT_EQ(StrayMarks(doubled, sharp, 2), 0);
    // Not the doubled picture: a diagonal steps in device pixels.
    EXPECT_GT(Differing(sharp, doubled), 100);
    int halfSteps = 0; // 2 x 2 blocks whose device pixels are not all alike
    for (int y = 0; y < sharp.height(); y += 2)
        for (int x = 0; x < sharp.width(); x += 2) {
            const QRgb p = sharp.pixel(x, y);
            halfSteps += (sharp.pixel(x + 1, y) != p || sharp.pixel(x, y + 1) != p || sharp.pixel(x + 1, y + 1) != p) ? 1 : 0;
        }
    EXPECT_GT(halfSteps, 100);
    // A painter at 2 (a control's paint on a high-density screen) draws what a bitmap at 2 draws.
    EXPECT_EQ(Differing(OnScale2Painter(FullScene), sharp), 0);
}

TEST(CanvasScale, OnePixelLineKeepsItsEndsAndThickness)
{
    const Scene line = [](TCanvas& c) {
        c.Brush()->SetColor(kBack);
        c.FillRect(Rect(0, 0, kW, kH));
        c.Pen()->SetColor(clWhite);
        c.MoveTo(4, 4);
        c.LineTo(44, 24); // the last pixel (44, 24) is left out
    };
    const QImage sharp = OnScale2Bitmap(line);
    const auto ink = [&](int x, int y) { return (sharp.pixel(x, y) | 0xFF000000u) != kBackRgb; };
    EXPECT_TRUE(ink(8, 8) && ink(9, 9)) << "the first pixel is covered";
    EXPECT_FALSE(ink(88, 48) || ink(89, 49)) << "the last pixel stays out";
    for (int x = 8; x < 88; ++x) {
        int thickness = 0;
        for (int y = 0; y < sharp.height(); ++y)
            thickness += ink(x, y) ? 1 : 0;
        ASSERT_EQ(thickness, 2) << "one pixel thick in device column " << x;
    }
}

TEST(CanvasScale, TextIsDrawnAtDeviceResolution)
{
    const Scene text = [](TCanvas& c) {
        c.Brush()->SetColor(kBack);
        c.FillRect(Rect(0, 0, kW, kH));
        c.Font()->SetName(QStringLiteral("Arial"));
        c.Font()->SetSize(10);
        c.Font()->SetColor(clWhite);
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        c.TextOut(4, 4, QStringLiteral("Sw8"));
    };
    const QImage doubled = Doubled(AtScale1(text));
    const QImage sharp = OnScale2Bitmap(text);
    EXPECT_GT(Differing(sharp, doubled), 20);
    EXPECT_EQ(StrayMarks(sharp, doubled, 3), 0) << "the glyphs stand where they stand at 1";
}

TEST(CanvasScale, BitmapKeepsItsPixelSizesWhereverItIsRead)
{
    EnsureGuiApp();
    TBitmap sharp;
    sharp.SetDeviceScale(2);
    sharp.SetSize(20, 10);
    TCanvas& c = *sharp.Canvas();
    c.Brush()->SetColor(clNavy);
    c.FillRect(Rect(0, 0, 20, 10));
    c.Brush()->SetColor(clRed);
    c.FillRect(Rect(5, 2, 8, 6));
    EXPECT_EQ(c.ClipRect(), Rect(0, 0, 20, 10));
    EXPECT_EQ(c.Pixels(5, 2), clRed);
    EXPECT_EQ(c.Pixels(8, 2), clNavy);
    EXPECT_EQ(c.Pixels(20, 0), CLR_INVALID);

    // Drawn on a canvas at 1, it is its own size again.
    auto plain = MakeBitmap(30, 12, clBlack);
    plain->Canvas()->Draw(1, 1, &sharp);
    EXPECT_EQ(plain->Canvas()->Pixels(6, 3), clRed);
    EXPECT_EQ(plain->Canvas()->Pixels(8, 3), clRed);
    EXPECT_EQ(plain->Canvas()->Pixels(9, 3), clNavy);
    EXPECT_EQ(plain->Canvas()->Pixels(21, 3), clBlack);

    // Copied between bitmaps at 2, device pixels go across one to one.
    TBitmap other;
    other.SetDeviceScale(2);
    other.SetSize(20, 10);
    other.Canvas()->CopyRect(Rect(0, 0, 20, 10), c, Rect(0, 0, 20, 10));
    EXPECT_EQ(Differing(other.Image(), sharp.Image()), 0);

    // Saved, it is Width x Height; a copy keeps the scale.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("buffer.bmp"));
    sharp.SaveToFile(path);
    TBitmap loaded;
    loaded.LoadFromFile(path);
    EXPECT_EQ(loaded.Width(), 20);
    EXPECT_EQ(loaded.Height(), 10);
    EXPECT_EQ(loaded.DeviceScale(), 1);
    EXPECT_EQ(loaded.Canvas()->Pixels(5, 2), clRed);
    TBitmap copy;
    copy.Assign(&sharp);
    EXPECT_EQ(copy.Width(), 20);
    EXPECT_EQ(copy.DeviceScale(), 2);

    // Going back to 1 keeps the picture at its size.
    sharp.SetDeviceScale(1);
    EXPECT_EQ(sharp.Image().size(), QSize(20, 10));
    EXPECT_EQ(sharp.Canvas()->Pixels(7, 5), clRed);
}

TEST(CanvasScale, FractionalRatiosDrawAsAtOne)
{
    EnsureGuiApp();
    QImage target(96, 72, QImage::Format_RGB32);
    target.setDevicePixelRatio(1.5);
    QPainter painter(&target);
    TCanvas canvas;
    TCanvasPainterBinding binding(canvas, painter, Rect(0, 0, kW, kH));
    EXPECT_EQ(canvas.DeviceScale(), 1);
}


TEST(CanvasScale, FarAwayFiguresDrawOnlyWhatShows)
{
    constexpr int far = 2147483000;
    const Scene scene = [](TCanvas& c) {
        c.Brush()->SetColor(kBack);
        c.FillRect(Rect(0, 0, kW, kH));
        c.Pen()->SetColor(clWhite);
        c.Brush()->SetColor(clRed);
        c.MoveTo(-far, -far / 3);
        c.LineTo(far, far / 3 + 7);
        c.Pen()->SetWidth(3);
        c.MoveTo(-far, far);
        c.LineTo(far, -far + 40);
        c.Pen()->SetWidth(1);
        c.Polygon({ { -far, -far }, { far, 10 }, { -far, far } });
        c.Ellipse(-far, -far, far, far);
        c.Rectangle(-far, 20, far, far);
        c.Pie(-far, -far, far, far, 0, -far, -far, 0);
    };
    const QImage doubled = Doubled(AtScale1(scene));
    const QImage sharp = OnScale2Bitmap(scene);
    EXPECT_EQ(StrayMarks(sharp, doubled, 3), 0);
    EXPECT_EQ(StrayMarks(doubled, sharp, 3), 0);
}

// A control painting through its own paint event, rendered as a screen of ratio 2 shows it.
class Drawn : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;
    int scaleSeen = 0;

protected:
    void Paint() override
    {
        scaleSeen = Canvas()->DeviceScale();
        FullScene(*Canvas());
    }
};

TEST(CanvasScale, ControlPaintsAtTheRatioOfWhatShowsIt)
{
    EnsureGuiApp();
    TForm form(nullptr);
    auto* control = new Drawn(&form);
    control->SetParent(&form);
    control->SetBounds(0, 0, kW, kH);

    QImage screen(2 * kW, 2 * kH, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2);
    control->render(&screen);
    EXPECT_EQ(control->scaleSeen, 2);
    EXPECT_EQ(Differing(Plain(screen), OnScale2Bitmap(FullScene)), 0);

    QImage plain(kW, kH, QImage::Format_RGB32);
    control->render(&plain);
    EXPECT_EQ(control->scaleSeen, 1);
    EXPECT_EQ(Differing(Plain(plain), AtScale1(FullScene)), 0);
}


// A control that shows its parent's picture through itself, as the see-through buttons and panels do.
class SeeThrough : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        ++paints;
        CopyParentImage(this, *Canvas());
    }

public:
    int paints = 0;
};

TEST(CanvasScale, ParentImageIsAsSharpAsTheParent)
{
    EnsureGuiApp();
    TForm form(nullptr);
    auto* backdrop = new Drawn(&form);
    backdrop->SetParent(&form);
    backdrop->SetBounds(0, 0, kW, kH);
    auto* glass = new SeeThrough(&form);
    glass->SetParent(backdrop);
    glass->SetBounds(8, 6, 40, 30);

    QImage screen(2 * kW, 2 * kH, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2);
    backdrop->render(&screen);
    const QImage shown = Plain(screen);
    const QImage expected = OnScale2Bitmap(FullScene);
    EXPECT_EQ(Differing(shown, expected), 0) << "the glass shows exactly what lies under it";
}

// A backdrop that counts its paints, under see-through controls: one inside, one crossing its edge.
class CountedBackdrop : public Drawn
{
public:
    using Drawn::Drawn;
    int paints = 0;
    TColor mark = clRed; // a patch under the first see-through control

protected:
    void Paint() override
    {
        ++paints;
        Drawn::Paint();
        Canvas()->Brush()->SetColor(mark);
        Canvas()->FillRect(TRect(10, 10, 20, 20));
    }
};

struct GlassScene
{
    GlassScene()
    {
        backdrop->SetParent(&form);
        backdrop->SetBounds(0, 0, kW, kH);
        for (auto* g : glass)
            g->SetParent(backdrop);
        glass[0]->SetBounds(8, 6, 20, 30);
        glass[1]->SetBounds(kW - 12, kH - 20, 30, 30);
    }
    QImage Rendered(int scale)
    {
        QImage screen(scale * kW, scale * kH, QImage::Format_RGB32);
        screen.setDevicePixelRatio(scale);
        backdrop->render(&screen);
        return Plain(screen);
    }
    TForm form { nullptr };
    CountedBackdrop* backdrop { new CountedBackdrop(&form) };
    SeeThrough* glass[2] { new SeeThrough(&form), new SeeThrough(&form) };
};

// In a window's paint pass the controls share one picture of their parent; what they show is the same.
TEST(CanvasScale, ParentImageSharedInAPaintPassIsTheSame)
{
    EnsureGuiApp();
    for (const int scale : { 1, 2 }) {
        GlassScene scene;
        const QImage alone = scene.Rendered(scale);
        QImage shared;
        {
            const ParentImagePass pass;
            shared = scene.Rendered(scale);
        }
        EXPECT_EQ(Differing(shared, alone), 0) << "scale " << scale;
        // A later pass draws the parent anew.
        scene.backdrop->mark = clLime;
        const QImage changed = scene.Rendered(scale);
        ASSERT_GT(Differing(changed, alone), 0);
        {
            const ParentImagePass pass;
            shared = scene.Rendered(scale);
        }
        EXPECT_EQ(Differing(shared, changed), 0) << "scale " << scale;
    }
}

// On a shown window the parent is drawn straight, not through Qt's rendering: what shows through is
// still exactly what Qt renders of the parent alone, its background colour included.
TEST(CanvasScale, ParentImageOnAShownWindowIsWhatQtRendersOfTheParent)
{
    EnsureGuiApp();
    for (const int scale : { 1, 2 }) {
        GlassScene scene;
        scene.backdrop->SetColor(0x00408020);
        scene.form.SetBounds(0, 0, 2 * kW, 2 * kH);
        scene.form.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&scene.form));
        QImage parent(scale * kW, scale * kH, QImage::Format_RGB32);
        parent.setDevicePixelRatio(scale);
        parent.fill(Qt::black);
        scene.backdrop->render(&parent, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        SeeThrough* glass = scene.glass[0];
        QImage through(scale * glass->width(), scale * glass->height(), QImage::Format_RGB32);
        through.setDevicePixelRatio(scale);
        through.fill(Qt::black);
        glass->render(&through, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        const QImage under = Plain(parent).copy(scale * glass->x(), scale * glass->y(), through.width(), through.height());
        EXPECT_EQ(Differing(Plain(through), under), 0) << "scale " << scale;
    }
}

TEST(CanvasScale, WindowPaintPassDrawsTheParentOnceForAllItsSeeThroughControls)
{
    EnsureGuiApp();
    GlassScene scene;
    scene.form.SetBounds(0, 0, 2 * kW, 2 * kH);
    scene.form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&scene.form));
    QCoreApplication::processEvents();
    scene.backdrop->paints = 0;
    for (auto* g : scene.glass) {
        g->paints = 0;
        g->Invalidate();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return scene.glass[0]->paints > 0 && scene.glass[1]->paints > 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(scene.backdrop->paints, 1) << "one picture of the backdrop for both controls";
}

} // namespace
