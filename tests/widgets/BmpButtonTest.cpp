// The bitmap button: latching groups, SetDown rules, modal result, clicks by mouse, Space and
// double click, the sizing rule, and the disabled face.
#include "WidgetTestSupport.h"

#include "platform/ui/TForm.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzPanel.h"

#include <gtest/gtest.h>

using namespace vcl;
using namespace rz;

namespace {

class BmpButtonTest : public ::testing::Test
{
protected:
    void SetUp() override { wtest::App(); }

    static TRzBmpButton* Make(TWinControl* parent, int group = 0)
    {
        auto* b = new TRzBmpButton(parent);
        b->SetParent(parent);
        b->SetButtonSize(TBtnSize::bszStretchToButton);
        b->SetBounds(0, 0, 40, 20);
        b->SetGroupIndex(group);
        return b;
    }
};

TEST_F(BmpButtonTest, GroupLatchesOneButton)
{
    TRzPanel panel(nullptr);
    TRzBmpButton* a = Make(&panel, 1);
    TRzBmpButton* b = Make(&panel, 1);
    TRzBmpButton* other = Make(&panel, 2);
    other->SetDown(true);
    int aClicks = 0;
    a->OnClick = [&](TObject*) { ++aClicks; };
    wtest::ClickAt(a, 5, 5);
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(a->State(), TRzButtonState::bsExclusive);
    wtest::ClickAt(b, 5, 5);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(other->Down()); // another group is left alone
    wtest::ClickAt(b, 5, 5);    // a down button without AllowAllUp stays down
    EXPECT_TRUE(b->Down());
    b->SetDown(false);
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(aClicks, 1);

    a->SetAllowAllUp(true); // handed to the whole group
    EXPECT_TRUE(b->AllowAllUp());
    wtest::ClickAt(b, 5, 5);
    EXPECT_FALSE(b->Down());
    a->SetDown(true);
    EXPECT_TRUE(a->Down());
    EXPECT_FALSE(b->Down());
}

TEST_F(BmpButtonTest, SetDownWithoutGroupStaysUp)
{
    TRzPanel panel(nullptr);
    TRzBmpButton* a = Make(&panel, 0);
    a->SetDown(true);
    EXPECT_FALSE(a->Down());
}

TEST_F(BmpButtonTest, ClickWritesModalResultFirstAndPressOutsideDoesNotClick)
{
    TForm form(nullptr);
    form.SetModalResult(mrOk);
    TRzBmpButton* a = Make(&form);
    int clicks = 0;
    TModalResult seen = -1;
    a->OnClick = [&](TObject*) {
        ++clicks;
        seen = form.ModalResult();
        form.SetModalResult(mrYes); // the handler may still choose another result
    };
    a->Click();
    EXPECT_EQ(seen, 0);
    EXPECT_EQ(form.ModalResult(), mrYes);

    wtest::Press(a, 5, 5);
    EXPECT_EQ(a->State(), TRzButtonState::bsDown);
    wtest::Move(a, 40, 5); // the right edge is outside
    EXPECT_EQ(a->State(), TRzButtonState::bsUp);
    wtest::Release(a, 40, 5);
    EXPECT_EQ(clicks, 1);
}

TEST_F(BmpButtonTest, SpaceThenAnyKeyReleaseClicksOnceAndDoubleClickClicksTwice)
{
    TRzPanel panel(nullptr);
    TRzBmpButton* a = Make(&panel);
    int clicks = 0, dbl = 0;
    a->OnClick = [&](TObject*) { ++clicks; };
    a->OnDblClick = [&](TObject*) { ++dbl; };
    wtest::Key(a, QEvent::KeyPress, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(a->State(), TRzButtonState::bsDown);
    wtest::Key(a, QEvent::KeyRelease, Qt::Key_A, QStringLiteral("a"));
    wtest::Key(a, QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(clicks, 1);

    wtest::Press(a, 5, 5);
    wtest::Release(a, 5, 5);
    wtest::Mouse(a, QEvent::MouseButtonDblClick, 5, 5);
    wtest::Release(a, 5, 5);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(dbl, 0);
}

TEST_F(BmpButtonTest, ButtonToBitmapSizesToUpImagePlusBorder)
{
    TRzPanel panel(nullptr);
    auto* a = new TRzBmpButton(&panel);
    a->SetParent(&panel);
    a->SetButtonBorder(TButtonBorder::bbSingle);
    TBitmap up;
    up.SetSize(30, 12);
    a->Bitmaps()->SetUp(&up);
    EXPECT_EQ(a->Width(), 32);
    EXPECT_EQ(a->Height(), 14);
}

TEST_F(BmpButtonTest, FacesByStateWithTransparentColour)
{
    TRzPanel panel(nullptr);
    panel.SetColor(clYellow);
    panel.SetBorderOuter(TFrameStyleEx::fsNone);
    panel.SetBounds(0, 0, 100, 100);
    TRzBmpButton* a = Make(&panel, 1);
    a->SetAllowAllUp(true);
    auto face = [](TBitmap& b, TColor c) {
        b.SetSize(4, 4);
        b.Canvas()->Brush()->SetColor(c);
        b.Canvas()->FillRect(TRect(0, 0, 4, 4));
        b.Canvas()->SetPixels(0, 0, clOlive); // transparent corner
    };
    TBitmap up, down, stay;
    face(up, clRed);
    face(down, clBlue);
    face(stay, clLime);
    a->Bitmaps()->SetUp(&up);
    a->Bitmaps()->SetDown(&down);
    a->Bitmaps()->SetStayDown(&stay);
    QImage img = wtest::Render(a);
    EXPECT_EQ(wtest::Pixel(img, 20, 10), clRed);
    EXPECT_EQ(wtest::Pixel(img, 0, 0), clYellow); // the parent shows through
    a->SetDown(true);
    img = wtest::Render(a);
    EXPECT_EQ(wtest::Pixel(img, 20, 10), clLime);

    // Disabled without a Disabled face: the embossed Up image over the button face.
    TBitmap glyph;
    glyph.SetSize(4, 4);
    glyph.Canvas()->Brush()->SetColor(clWhite);
    glyph.Canvas()->FillRect(TRect(0, 0, 4, 4));
    glyph.Canvas()->SetPixels(1, 1, clBlack);
    TBitmap embossed;
    TRzBmpButton::CreateDisabledImage(glyph, embossed);
    EXPECT_EQ(embossed.Canvas()->Pixels(1, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(embossed.Canvas()->Pixels(2, 2), clWhite);
    EXPECT_EQ(embossed.Canvas()->Pixels(3, 0), ColorToRGB(clBtnFace));
}

TEST_F(BmpButtonTest, DisabledCaptionIsWhiteAndGray)
{
    TRzPanel panel(nullptr);
    TRzBmpButton* a = Make(&panel);
    a->SetColor(clNavy);
    a->SetButtonBorder(TButtonBorder::bbSingle);
    a->SetCaption(QStringLiteral("Mute"));
    a->SetEnabled(false);
    const QImage img = wtest::Render(a);
    int white = 0, gray = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            white += wtest::Pixel(img, x, y) == clWhite;
            gray += wtest::Pixel(img, x, y) == RGB(128, 128, 128);
        }
    EXPECT_GT(white, 0);
    EXPECT_GT(gray, 0);
    EXPECT_EQ(a->State(), TRzButtonState::bsDisabled);
}

} // namespace

TEST_F(BmpButtonTest, LatchedButtonWithABorderShowsTheWhiteDotsOfItsDownPattern)
{
    for (TButtonBorder border : { TButtonBorder::bbSingle, TButtonBorder::bbButton }) {
        TRzPanel panel(nullptr);
        panel.SetBounds(0, 0, 100, 100);
        TRzBmpButton* a = Make(&panel, 1);
        a->SetButtonSize(TBtnSize::bszNeither);
        a->SetButtonBorder(border);
        a->SetBounds(0, 0, 40, 20);
        a->SetDown(true);
        ASSERT_EQ(a->State(), TRzButtonState::bsExclusive);
        const QImage img = wtest::Render(a);
        int white = 0, face = 0;
        for (int y = 6; y < 14; ++y)
            for (int x = 10; x < 30; ++x) {
                white += wtest::Pixel(img, x, y) == clWhite;
                face += wtest::Pixel(img, x, y) == ColorToRGB(clBtnFace);
            }
        EXPECT_EQ(white, 80) << static_cast<int>(border); // every pixel of equal parity
        EXPECT_EQ(face, 80);
    }
}
