// The push button's hot-tracking face under real mouse moves on its window: rounded corners that
// show the parent, the plain face, the hot ring under the mouse in either colour type, the pressed
// fill, the default/focused ring, and the disabled face.
#include "WidgetTestSupport.h"

#include "platform/ui/TEdit.h"
#include "platform/ui/TForm.h"
#include "widgets/RzButton.h"
#include "widgets/RzCommon.h"

#include <gtest/gtest.h>

using namespace vcl;
using namespace rz;

namespace {

// Counts the paints a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

bool Near(TColor a, TColor b, int tolerance)
{
    a = ColorToRGB(a);
    b = ColorToRGB(b);
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance
           && std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

class HotTrackTest : public ::testing::Test
{
protected:
    static constexpr int W = 80, H = 26;
    static constexpr int MidX = W / 2, MidY = H / 2;

    void SetUp() override
    {
        wtest::App();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 320, 240);
        form->SetColor(clYellow);
        edit = new TEdit(form.get()); // first in tab order: the button starts unfocused
        edit->SetParent(form.get());
        edit->SetBounds(20, 120, 80, 21);
        button = new TRzButton(form.get());
        button->SetParent(form.get());
        button->SetBounds(20, 20, W, H);
        button->SetThemeAware(false);
        button->SetHotTrack(true);
        button->SetHotTrackColor(clRed);
    }

    void Show()
    {
        ASSERT_TRUE(wtest::ShowActive(form.get()));
        ASSERT_TRUE(edit->Focused());
        Away();
    }
    void Away() { QTest::mouseMove(form->windowHandle(), QPoint(300, 220)); }
    TColor At(int x, int y) { return wtest::Pixel(wtest::Render(button), x, y); }

    // The face between the rings: Color lightened by 30 at the top row, two lines at the bottom.
    void ExpectPlainFace(const QImage& img)
    {
        EXPECT_EQ(wtest::Pixel(img, MidX, 2), ColorToRGB(ShadeLighter(clBtnFace, 30)));
        EXPECT_EQ(wtest::Pixel(img, MidX, H - 4), ColorToRGB(ShadeDarker(clBtnFace, 20)));
        EXPECT_EQ(wtest::Pixel(img, MidX, H - 3), ColorToRGB(ShadeDarker(clBtnFace, 30)));
        EXPECT_EQ(wtest::Pixel(img, 2, MidY), wtest::Pixel(img, MidX, MidY)); // no ring at the sides
    }

    std::unique_ptr<TForm> form;
    TEdit* edit = nullptr;
    TRzButton* button = nullptr;
};

TEST_F(HotTrackTest, CornersRingAndFaceFollowTheMouse)
{
    Show();
    QImage img = wtest::Render(button);
    // Rounded corner ring in the parent's colour, the parent's picture in the corners themselves.
    EXPECT_EQ(wtest::Pixel(img, 0, 0), clYellow);
    EXPECT_EQ(wtest::Pixel(img, W - 1, H - 1), clYellow);
    EXPECT_EQ(wtest::Pixel(img, 0, MidY), ShadeDarker(clYellow, 20));
    EXPECT_EQ(wtest::Pixel(img, MidX, 0), ShadeDarker(clYellow, 20));
    EXPECT_EQ(wtest::Pixel(img, W - 1, MidY), ShadeLighter(clYellow, 20));
    EXPECT_EQ(wtest::Pixel(img, 1, 1), ShadeDarker(clYellow, 20));
    EXPECT_EQ(wtest::Pixel(img, W - 2, H - 2), ShadeLighter(clYellow, 20));
    EXPECT_EQ(wtest::Pixel(img, 1, MidY), ColorToRGB(cl3DDkShadow)); // the inner frame
    ExpectPlainFace(img);
    const QImage plain = img;

    // The mouse comes in: the button repaints with a ring from a whitened hot colour at the top
    // to the hot colour at the bottom.
    PaintCounter counter(button);
    wtest::WinMove(button, MidX, MidY);
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > 0; }));
    img = wtest::Render(button);
    EXPECT_EQ(wtest::Pixel(img, MidX, 2), MixColors(clWhite, clRed, 190));
    EXPECT_EQ(wtest::Pixel(img, 2, MidY), wtest::Pixel(img, 3, MidY)); // two pixels wide
    EXPECT_NE(wtest::Pixel(img, 2, MidY), wtest::Pixel(img, MidX, MidY));
    EXPECT_TRUE(Near(wtest::Pixel(img, MidX, H - 3), clRed, 12));
    EXPECT_EQ(wtest::Pixel(img, MidX, 4), wtest::Pixel(plain, MidX, 4)); // the face goes on inside the ring

    // Held down: the face is filled with Color darkened by 10, rings gone.
    wtest::WinPress(button, MidX, MidY);
    img = wtest::Render(button);
    for (const QPoint p : { QPoint(MidX, 2), QPoint(2, MidY), QPoint(MidX, MidY), QPoint(MidX, H - 3) })
        EXPECT_EQ(wtest::Pixel(img, p.x(), p.y()), ColorToRGB(ShadeDarker(clBtnFace, 10))) << p.x() << "," << p.y();
    wtest::WinRelease(button, MidX, MidY);

    // The mouse leaves; the focused button (the click focused it) shows the highlight ring.
    const int before = counter.paints;
    Away();
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > before; }));
    ASSERT_TRUE(button->Focused());
    TColor h = clHighlight;
    if (ColorsAreClose(h, clBtnFace))
        h = ShadeDarker(h, 30);
    const TColor l = ShadeLighter(clBtnFace, 30);
    img = wtest::Render(button);
    EXPECT_EQ(wtest::Pixel(img, MidX, 2), MixColors(h, l, 60));
    EXPECT_TRUE(Near(wtest::Pixel(img, MidX, H - 3), MixColors(h, l, 160), 12));

    // Focus elsewhere: the plain face again.
    wtest::WinClick(edit, 5, 5);
    ExpectPlainFace(wtest::Render(button));
}

// The complementary ring: the hot colour's hue turned by 120 at saturation 240 and luminance 180,
// darkened by 30 toward the bottom.
TEST_F(HotTrackTest, ComplementRingTurnsTheHue)
{
    button->SetHotTrackColorType(TRzHotTrackColorType::htctComplement);
    Show();
    wtest::WinMove(button, MidX, MidY);
    const TColor k = HslToRgb((HueOf(clRed) + 120) % 240, 240, 180);
    const QImage img = wtest::Render(button);
    EXPECT_EQ(wtest::Pixel(img, MidX, 2), k);
    EXPECT_TRUE(Near(wtest::Pixel(img, MidX, H - 3), ShadeDarker(k, 30), 12));
}

TEST_F(HotTrackTest, DisabledFaceUsesTheParentsColourAndAPaleFrame)
{
    button->SetEnabled(false);
    Show();
    wtest::WinMove(button, MidX, MidY);
    const QImage img = wtest::Render(button);
    EXPECT_EQ(wtest::Pixel(img, 0, MidY), clYellow);
    EXPECT_EQ(wtest::Pixel(img, W - 1, MidY), clYellow);
    EXPECT_EQ(wtest::Pixel(img, 1, MidY), ColorToRGB(ShadeLighter(clBtnShadow, 30)));
    for (const QPoint p : { QPoint(MidX, 2), QPoint(2, MidY), QPoint(MidX, H - 3) })
        EXPECT_EQ(wtest::Pixel(img, p.x(), p.y()), ColorToRGB(clBtnFace)) << p.x() << "," << p.y();
}

} // namespace
