// What the fader paints: the main window's picture thumb on its sunken slider bar, disabled
// pictures and colours, the focus frame, backgrounds, the completed part of the slider, hidden
// thumbs at the ends, and the shaped thumb without a picture.
#include "AdvTrackBarTestSupport.h"

#include "platform/ui/TForm.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

using namespace vcl;
using namespace fadertest;

namespace {

class AdvTrackBarPaintTest : public ::testing::Test
{
protected:
    void SetUp() override { wtest::App(); }
};

constexpr TColor kThumb = 0x00336699;

TEST_F(AdvTrackBarPaintTest, GainFaderShowsItsThumbPictureOnTheSunkenSlider)
{
    // On a yellow form: the transparent fader shows the parent's image where it paints nothing.
    TForm form(nullptr);
    form.SetColor(clYellow);
    auto& f = *new TAdvTrackBar(&form);
    f.SetParent(&form);
    SetUpGainFader(f, kThumb);
    f.SetBounds(30, 20, 26, 155);
    const QImage img = wtest::Render(&f);
    if (const char* dir = std::getenv("ZQ9_FADER_PNG"))
        img.scaled(img.width() * 4, img.height() * 4).save(QString::fromLocal8Bit(dir) + "/fader.png");
    // Thumb (6, 39, 22, 68) at position 0.
    EXPECT_EQ(wtest::Pixel(img, 6, 39), kThumb);
    EXPECT_EQ(wtest::Pixel(img, 21, 67), kThumb);
    EXPECT_EQ(wtest::Pixel(img, 22, 50), clYellow);
    EXPECT_EQ(wtest::Pixel(img, 6, 67), clYellow); // the bitmap's key colour is transparent
    EXPECT_EQ(wtest::Pixel(img, 14, 38), 0xF6F6F6);
    // Slider (13, 3, 16, 152): medium grey outer column, the rest near white.
    EXPECT_EQ(wtest::Pixel(img, 13, 100), clMedGray);
    EXPECT_EQ(wtest::Pixel(img, 14, 100), 0xF6F6F6);
    EXPECT_EQ(wtest::Pixel(img, 15, 100), 0xF6F6F6);
    EXPECT_EQ(wtest::Pixel(img, 2, 2), clYellow);
    EXPECT_EQ(wtest::Pixel(img, 20, 100), clYellow);
}

TEST_F(AdvTrackBarPaintTest, DisabledFadersUseTheDisabledPictureWhereThereIsOne)
{
    TAdvTrackBar withPicture(nullptr);
    SetUpGainFader(withPicture, kThumb);
    LoadSolidPicture(withPicture.Thumb()->PictureDisabled(), 16, 29, clGray);
    withPicture.SetEnabled(false);
    QImage img = wtest::Render(&withPicture);
    EXPECT_EQ(wtest::Pixel(img, 10, 50), clGray);

    TAdvTrackBar without(nullptr);
    SetUpGainFader(without, kThumb);
    without.SetEnabled(false);
    img = wtest::Render(&without);
    EXPECT_EQ(wtest::Pixel(img, 10, 50), kThumb);
    // The slider takes its disabled colours: a black frame.
    EXPECT_EQ(wtest::Pixel(img, 13, 100), clBlack);
    EXPECT_EQ(wtest::Pixel(img, 15, 100), 0xE6E6E6);
}

TEST_F(AdvTrackBarPaintTest, HotAndPressedPicturesFollowTheMouse)
{
    TAdvTrackBar f(nullptr);
    SetUpGainFader(f, kThumb);
    LoadSolidPicture(f.Thumb()->PictureHot(), 16, 29, clLime);
    LoadSolidPicture(f.Thumb()->PictureDown(), 16, 29, clRed);
    wtest::Move(&f, 10, 50);
    EXPECT_EQ(wtest::Pixel(wtest::Render(&f), 10, 50), clLime);
    wtest::Press(&f, 10, 50);
    EXPECT_EQ(wtest::Pixel(wtest::Render(&f), 10, 50), clRed);
    wtest::Release(&f, 10, 50);
    EXPECT_EQ(wtest::Pixel(wtest::Render(&f), 10, 50), clLime);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&f, &leave);
    EXPECT_EQ(wtest::Pixel(wtest::Render(&f), 10, 50), kThumb);
}

TEST_F(AdvTrackBarPaintTest, FocusedFaderDrawsADottedFrameAlongItsEdges)
{
    TForm form(nullptr);
    form.SetColor(clYellow);
    auto* f = new TAdvTrackBar(&form);
    f->SetParent(&form);
    SetUpGainFader(*f, kThumb);
    form.Show();
    form.activateWindow();
    QApplication::processEvents();
    f->SetFocus();
    ASSERT_TRUE(f->Focused());
    const QImage img = wtest::Render(f);
    EXPECT_EQ(wtest::Pixel(img, 0, 0), clBlack);
    EXPECT_NE(wtest::Pixel(img, 1, 0), clBlack);
    EXPECT_EQ(wtest::Pixel(img, 2, 0), clBlack);
    EXPECT_EQ(wtest::Pixel(img, 25, 1), clBlack); // right edge on the last column
    EXPECT_EQ(wtest::Pixel(img, 0, 154) == clBlack || wtest::Pixel(img, 1, 154) == clBlack, true);

    f->SetShowFocus(false);
    EXPECT_EQ(wtest::Pixel(wtest::Render(f), 0, 0), clYellow);
}

TEST_F(AdvTrackBarPaintTest, OpaqueBackgroundsAndTheirFrame)
{
    TAdvTrackBar f(nullptr);
    f.Slider()->SetVisible(false);
    f.TickMark()->SetStyle(TTickStyle::tsNone);
    f.Thumb()->SetSize(0);
    f.SetTransparent(false);
    f.SetColor(clRed);
    QImage img = wtest::Render(&f);
    EXPECT_EQ(wtest::Pixel(img, 0, 0), clRed);
    EXPECT_EQ(wtest::Pixel(img, 149, 25), clRed);

    f.SetColorTo(clBlue);
    img = wtest::Render(&f);
    EXPECT_EQ(wtest::Pixel(img, 0, 10), clRed);
    const TColor right = wtest::Pixel(img, 148, 10);
    EXPECT_GT(GetBValue(right), 240);
    EXPECT_LT(GetRValue(right), 15);

    f.SetBorderColor(clLime);
    img = wtest::Render(&f);
    EXPECT_EQ(wtest::Pixel(img, 0, 10), clLime);
    EXPECT_EQ(wtest::Pixel(img, 149, 10), clLime);
    EXPECT_NE(wtest::Pixel(img, 1, 10), clLime);
}

TEST_F(AdvTrackBarPaintTest, CompletedPartAndHiddenThumbAtTheEnds)
{
    TAdvTrackBar f(nullptr);
    f.Slider()->SetSize(8);
    f.Slider()->SetBorderColor(clNone);
    f.Slider()->SetColor(clWhite);
    f.Slider()->SetColorTo(clNone);
    f.Slider()->SetColorCompleted(clRed);
    f.Thumb()->SetShowAtMinMax(false);
    f.SetPosition(5);
    // Slider (3, 13, 147, 21); thumb at 5: (70, 10, 80, 25), centre 75.
    QImage img = wtest::Render(&f);
    EXPECT_EQ(wtest::Pixel(img, 10, 17), clRed);
    EXPECT_EQ(wtest::Pixel(img, 140, 17), clWhite);
    const TColor empty = wtest::Pixel(img, 1, 1);
    EXPECT_NE(wtest::Pixel(img, 75, 12), empty); // the thumb is drawn

    f.SetPosition(0);
    img = wtest::Render(&f);
    EXPECT_EQ(wtest::Pixel(img, 10, 17), clWhite); // nothing completed at Min
    EXPECT_EQ(wtest::Pixel(img, 8, 10), empty);    // no thumb at Min
}

} // namespace

namespace {

// Left to right, the colours of the clusters of pixels in any of `colours` (one entry per run of
// columns holding such a pixel).
std::vector<TColor> ClustersAlongX(const QImage& img, const std::vector<TColor>& colours)
{
    std::vector<TColor> runs;
    bool inRun = false;
    for (int x = 0; x < img.width(); ++x) {
        std::optional<TColor> found;
        for (int y = 0; y < img.height() && !found; ++y) {
            const TColor p = wtest::Pixel(img, x, y);
            if (std::find(colours.begin(), colours.end(), p) != colours.end())
                found = p;
        }
        if (found && !inRun)
            runs.push_back(*found);
        inRun = found.has_value();
    }
    return runs;
}

class PaintCounter : public QObject
{
public:
    int paints { 0 };
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

TEST_F(AdvTrackBarPaintTest, TickImagesReplaceTheLinesAndFollowTheirList)
{
    TForm form(nullptr);
    auto* f = new TAdvTrackBar(&form);
    f->SetParent(&form);
    f->Slider()->SetVisible(false);
    f->Thumb()->SetSize(0);
    f->SetMin(0);
    f->SetMax(4);
    auto* images = new TCustomImageList(&form, 5, 5);
    const TColor colours[] = { clRed, clLime, clBlue };
    for (TColor c : colours) {
        QImage img(5, 5, QImage::Format_ARGB32);
        img.fill(ToQColor(c));
        images->Add(img);
    }
    const std::vector<TColor> rgb { clRed, clLime, clBlue };
    EXPECT_TRUE(ClustersAlongX(wtest::Render(f), rgb).empty()); // lines only

    f->SetTickImages(images);
    // Image v at value v; values 3 and 4 are past the list and take image 0.
    EXPECT_EQ(ClustersAlongX(wtest::Render(f), rgb),
              (std::vector<TColor> { clRed, clLime, clBlue, clRed, clRed }));

    // Disabled: the same pictures greyed.
    f->SetEnabled(false);
    const QImage grey = wtest::Render(f);
    EXPECT_TRUE(ClustersAlongX(grey, rgb).empty());
    const TColor greyRed = RGB((qGray(255, 0, 0) + 255) / 2, (qGray(255, 0, 0) + 255) / 2, (qGray(255, 0, 0) + 255) / 2);
    EXPECT_EQ(ClustersAlongX(grey, { greyRed }).size(), 3u);
    f->SetEnabled(true);

    // A change of the list repaints the fader.
    form.Show();
    QApplication::processEvents();
    PaintCounter counter;
    f->installEventFilter(&counter);
    images->Clear();
    QTRY_VERIFY_WITH_TIMEOUT(counter.paints > 0, 20000);
    f->removeEventFilter(&counter);
    EXPECT_TRUE(ClustersAlongX(wtest::Render(f), rgb).empty()); // an empty list: lines again

    // Freeing the list clears the reference.
    delete images;
    EXPECT_EQ(f->TickImages(), nullptr);
    wtest::Render(f);
}

namespace {

// The fader's own painting at a device pixel ratio of `scale`.
QImage RenderAt(QWidget& w, int scale)
{
    QImage img(w.width() * scale, w.height() * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(QColor(1, 2, 3));
    w.render(&img, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return img;
}

QImage Part(const QImage& img, const TRect& r)
{
    const int s = static_cast<int>(img.devicePixelRatio());
    return img.copy(r.Left * s, r.Top * s, r.Width() * s, r.Height() * s);
}

} // namespace

// Knob and slider bands come from kept pictures: a change of anything they show (size, colours, state,
// scale) shows the new picture, and changing back shows the old one again. Each case draws in colours
// of its own, so the state it shows first is drawn, not kept; the second shows whether it was told apart.
TEST_F(AdvTrackBarPaintTest, KeptKnobAndBandPicturesFollowEveryChangeOfWhatTheyShow)
{
    struct Case
    {
        const char* name;
        bool knob; // else the slider's bands
        std::function<void(TAdvTrackBar&, bool)> set;
        int scale[2];
    };
    const Case cases[] = {
        { "knob colour", true, [](TAdvTrackBar& f, bool b) { f.Thumb()->SetColor(b ? 0x2040C0 : 0x2040A0); }, { 1, 1 } },
        { "knob mirror colour", true,
          [](TAdvTrackBar& f, bool b) { f.Thumb()->SetColorMirror(b ? 0x10C010 : 0x10A010); }, { 1, 1 } },
        { "knob size", true, [](TAdvTrackBar& f, bool b) { f.Thumb()->SetSize(b ? 20 : 16); }, { 1, 1 } },
        { "knob pressed", true,
          [](TAdvTrackBar& f, bool b) {
              const TRect t = f.GetThumbRect();
              const int x = (t.Left + t.Right) / 2, y = (t.Top + t.Bottom) / 2;
              if (b)
                  wtest::Press(&f, x, y);
              else
                  wtest::Release(&f, x, y);
          },
          { 1, 1 } },
        { "knob disabled", true, [](TAdvTrackBar& f, bool b) { f.SetEnabled(!b); }, { 1, 1 } },
        { "knob scale", true, [](TAdvTrackBar&, bool) {}, { 2, 1 } },
        { "band colour", false, [](TAdvTrackBar& f, bool b) { f.Slider()->SetColorTo(b ? 0x3050F0 : 0x3050D0); }, { 1, 1 } },
        { "band length", false, [](TAdvTrackBar& f, bool b) { f.SetBounds(0, 0, b ? 170 : 150, 30); }, { 1, 1 } },
    };
    int k = 0;
    for (const Case& c : cases) {
        // Colours no other case uses: the first picture of each state is drawn, not kept.
        ++k;
        TAdvTrackBar f(nullptr);
        f.SetBounds(0, 0, 150, 30);
        f.SetPosition(5);
        TTrackBarThumb& t = *f.Thumb();
        t.SetShape(TThumbShape::tsRoundRect);
        t.SetGradient(TGDIPGradient::ggVertical);
        t.SetGradientMirror(TGDIPGradient::ggRadial);
        t.SetColor(RGB(200, 10 * k, 40));
        t.SetColorTo(RGB(90, 10 * k, 140));
        t.SetColorMirror(RGB(30, 10 * k, 220));
        t.SetColorMirrorTo(RGB(250, 10 * k, 0));
        t.SetColorDown(RGB(10 * k, 0, 0));
        t.SetColorDownTo(RGB(10 * k, 90, 0));
        t.SetColorMirrorDown(RGB(10 * k, 0, 90));
        t.SetColorMirrorDownTo(RGB(10 * k, 90, 90));
        t.SetColorDisabled(RGB(10 * k, 120, 120));
        t.SetColorDisabledTo(RGB(10 * k, 10, 120));
        t.SetColorMirrorDisabled(RGB(10 * k, 120, 10));
        t.SetColorMirrorDisabledTo(RGB(10 * k, 200, 200));
        f.Slider()->SetSize(8);
        f.Slider()->SetColor(RGB(10 * k, 250, 250));
        f.Slider()->SetColorTo(RGB(0, 10 * k, 0));
        QImage first[2], again[2];
        TRect area[2];
        for (int round = 0; round < 2; ++round)
            for (int state : { 1, 0 }) {
                c.set(f, state == 1);
                area[state] = c.knob ? f.GetThumbRect() : f.GetSliderRect();
                (round == 0 ? first : again)[state] = Part(RenderAt(f, c.scale[state]), area[state]);
            }
        if (c.scale[0] == c.scale[1]) {
            EXPECT_NE(first[1], first[0]) << c.name;
        } else {
            // Finer than the picture at 1 doubled: the gloss has detail in device pixels.
            EXPECT_NE(first[0], first[1].scaled(first[1].size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation))
                << c.name;
        }
        EXPECT_EQ(again[0], first[0]) << c.name;
        EXPECT_EQ(again[1], first[1]) << c.name;
    }
}
