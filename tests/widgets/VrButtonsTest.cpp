// The demo button under input that enters at the top-level window: its flat border under the
// mouse, the sunken face and shifted caption and background while held, hover and disabled fonts,
// the focus outline, Space, and its 3-D caption.
#include "WidgetTestSupport.h"

#include "platform/ui/TBitmap.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TForm.h"
#include "widgets/VrButtons.h"

#include <gtest/gtest.h>

using namespace vcl;
using namespace vr;

namespace {

QRect InkOf(const QImage& img, TColor colour)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (wtest::Pixel(img, x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

class VrDemoButtonTest : public ::testing::Test
{
protected:
    static constexpr int W = 90, H = 26, MidY = H / 2;

    void SetUp() override
    {
        wtest::App();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 320, 240);
        form->SetColor(clYellow);
        button = new TVrDemoButton(form.get());
        button->SetParent(form.get());
        button->SetBounds(20, 20, W, H);
        button->SetCaption(QStringLiteral("Go"));
        button->SetColor(clSilver);
        button->SetHighlightColor(clLime);
        button->SetShadowColor(clMaroon);
        button->SetOutlineColor(clNavy);
        button->SetTabStop(false);
        button->OnClick = [this](TObject*) { ++clicks; };
    }

    void Show() { ASSERT_TRUE(wtest::ShowActive(form.get())); }
    void Away() { QTest::mouseMove(form->windowHandle(), QPoint(300, 220)); }

    // The two-pixel bevel inside the one-pixel outline, read on the middle row.
    TColor BevelLeft(const QImage& img) { return wtest::Pixel(img, 1, MidY); }
    TColor BevelRight(const QImage& img) { return wtest::Pixel(img, W - 2, MidY); }

    std::unique_ptr<TForm> form;
    TVrDemoButton* button = nullptr;
    int clicks = 0;
};

TEST_F(VrDemoButtonTest, FlatButtonShowsItsBorderUnderTheMouseAndSinksWhileHeld)
{
    button->SetFlat(true);
    Show();
    Away();
    QImage img = wtest::Render(button);
    EXPECT_EQ(wtest::Pixel(img, 0, MidY), clNavy);
    EXPECT_EQ(BevelLeft(img), clSilver); // no border
    EXPECT_EQ(BevelRight(img), clSilver);
    EXPECT_FALSE(InkOf(img, clBlack).isEmpty()); // the leave font
    EXPECT_TRUE(InkOf(img, clRed).isEmpty());

    wtest::WinMove(button, 40, MidY);
    img = wtest::Render(button);
    EXPECT_EQ(BevelLeft(img), clLime);
    EXPECT_EQ(wtest::Pixel(img, 2, MidY), clLime);
    EXPECT_EQ(BevelRight(img), clMaroon);
    EXPECT_EQ(wtest::Pixel(img, W - 3, MidY), clMaroon);
    EXPECT_EQ(wtest::Pixel(img, 3, MidY), clSilver);
    const QRect hovered = InkOf(img, clRed); // the enter font
    EXPECT_FALSE(hovered.isEmpty());
    EXPECT_TRUE(InkOf(img, clBlack).isEmpty());

    wtest::WinPress(button, 40, MidY);
    EXPECT_TRUE(button->Down());
    img = wtest::Render(button);
    EXPECT_EQ(BevelLeft(img), clMaroon); // sunken
    EXPECT_EQ(BevelRight(img), clLime);
    EXPECT_EQ(InkOf(img, clRed), hovered.translated(1, 1));

    wtest::WinMove(button, 150, 100); // dragged off: raised again, nothing on release
    EXPECT_FALSE(button->Down());
    EXPECT_NE(BevelLeft(wtest::Render(button)), clMaroon);
    wtest::WinRelease(button, 150, 100);
    EXPECT_EQ(clicks, 0);

    wtest::WinMove(button, 40, MidY);
    wtest::WinClick(button, 40, MidY);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(BevelLeft(wtest::Render(button)), clLime);
}

// The background bitmap is tiled from the corner, one pixel further down and right while held.
TEST_F(VrDemoButtonTest, BackgroundTilesMoveWithTheHeldFace)
{
    TBitmap tile;
    tile.SetSize(4, 4);
    tile.Canvas()->Brush()->SetColor(clAqua);
    tile.Canvas()->FillRect(TRect(0, 0, 4, 4));
    tile.Canvas()->SetPixels(0, 0, clFuchsia);
    button->SetBitmap(&tile);
    Show();
    QImage img = wtest::Render(button);
    for (const QPoint p : { QPoint(4, 4), QPoint(8, 8), QPoint(12, 20) })
        EXPECT_EQ(wtest::Pixel(img, p.x(), p.y()), clFuchsia) << p.x() << "," << p.y();
    wtest::WinPress(button, 40, MidY);
    img = wtest::Render(button);
    for (const QPoint p : { QPoint(5, 5), QPoint(9, 9), QPoint(13, 21) })
        EXPECT_EQ(wtest::Pixel(img, p.x(), p.y()), clFuchsia) << p.x() << "," << p.y();
    EXPECT_EQ(wtest::Pixel(img, 4, 4), clAqua);
    wtest::WinRelease(button, 40, MidY);
    EXPECT_EQ(clicks, 1);
}

TEST_F(VrDemoButtonTest, FocusOutlineSpaceClickAndDisabledCaption)
{
    button->SetTabStop(true);
    button->SetFocusColor(clBlue);
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(20, 100, 80, 21);
    Show();
    // The first control in tab order has the focus from the window's activation on.
    ASSERT_TRUE(button->Focused());
    EXPECT_EQ(wtest::Pixel(wtest::Render(button), 0, MidY), clBlue);
    wtest::WinClick(button, 40, MidY);
    ASSERT_TRUE(button->Focused());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(wtest::Pixel(wtest::Render(button), 0, MidY), clBlue);

    QTest::keyPress(form->windowHandle(), Qt::Key_Space);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(clicks, 1);
    QTest::keyRelease(form->windowHandle(), Qt::Key_Space);
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(clicks, 2);
    wtest::WinClick(edit, 5, 5);
    EXPECT_EQ(wtest::Pixel(wtest::Render(button), 0, MidY), clNavy);

    button->SetDisabledTextColor(clGreen);
    button->SetEnabled(false);
    wtest::WinMove(button, 40, MidY);
    const QImage img = wtest::Render(button);
    EXPECT_FALSE(InkOf(img, clGreen).isEmpty());
    EXPECT_TRUE(InkOf(img, clRed).isEmpty()); // no hover font while disabled
}

// A shadowed caption: the same glyphs in the shadow colour, ShadowDepth down and right.
TEST_F(VrDemoButtonTest, ShadowedCaptionLiesDepthPixelsDownRight)
{
    button->Font3D()->SetStyle(TVrFont3DStyle::f3dShadow);
    button->Font3D()->SetShadowColor(clTeal);
    button->Font3D()->SetShadowDepth(2);
    button->SetCaption(QStringLiteral("I"));
    Show();
    const QImage img = wtest::Render(button);
    const QRect text = InkOf(img, clBlack), shadow = InkOf(img, clTeal);
    ASSERT_FALSE(text.isEmpty());
    ASSERT_FALSE(shadow.isEmpty());
    EXPECT_EQ(shadow.topLeft(), text.topLeft() + QPoint(2, 2));
    EXPECT_EQ(shadow.bottomRight(), text.bottomRight() + QPoint(2, 2));
}

} // namespace

namespace {

// The power button given the focus by its window's activation shows the focus outline too.
TEST(VrPowerButtonTest, FocusFromTheWindowsActivationShowsTheOutline)
{
    wtest::App();
    TForm form(nullptr);
    form.SetBounds(100, 100, 200, 100);
    auto* power = new TVrPowerButton(&form);
    power->SetParent(&form);
    power->SetBounds(10, 10, 60, 20);
    power->SetTabStop(true);
    power->SetOutlineColor(clNavy);
    power->SetFocusColor(clBlue);
    ASSERT_TRUE(wtest::ShowActive(&form));
    ASSERT_TRUE(power->Focused());
    EXPECT_EQ(wtest::Pixel(wtest::Render(power), 0, 10), clBlue);
}

} // namespace
