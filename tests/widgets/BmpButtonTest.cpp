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

namespace {

// Bounding box of the pixels `hit` accepts.
template <typename Hit>
QRect Ink(const QImage& img, Hit hit)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (hit(img.pixelColor(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

// A 60 x 30 button with an 8 x 6 red glyph drawn at its own size: glyph and caption are placed along
// the layout's axis by Margin and Spacing (-1 = shared out evenly), centred across it.
TEST_F(BmpButtonTest, GlyphAndCaptionFollowLayoutMarginAndSpacing)
{
    TRzPanel panel(nullptr);
    panel.SetColor(clWhite);
    panel.SetBorderOuter(TFrameStyleEx::fsNone);
    panel.SetBounds(0, 0, 100, 100);
    const QString text = QStringLiteral("Ab");
    TBitmap measure;
    measure.SetSize(1, 1);
    measure.Canvas()->Font()->Assign(panel.Font());
    const int cw = measure.Canvas()->TextWidth(text), ch = measure.Canvas()->TextHeight(text);
    const int W = 60, H = 30, gw = 8, gh = 6;
    struct Case
    {
        TButtonLayout layout;
        int margin, spacing;
        bool caption;
        QPoint glyph;      // expected top-left of the glyph
        int captionStart;  // expected caption left (left/right) or top (top/bottom) edge
    };
    const Case cases[] = {
        { TButtonLayout::blGlyphLeft, -1, 4, false, { W / 2 - gw / 2, H / 2 - gh / 2 }, 0 },
        { TButtonLayout::blGlyphRight, 5, 4, false, { W - 5 - gw, H / 2 - gh / 2 }, 0 },
        { TButtonLayout::blGlyphTop, 2, 4, false, { W / 2 - gw / 2, 2 }, 0 },
        { TButtonLayout::blGlyphBottom, 3, 4, false, { W / 2 - gw / 2, H - 3 - gh }, 0 },
        { TButtonLayout::blGlyphRight, 4, 6, true, { W - 4 - gw, H / 2 - gh / 2 }, W - 4 - gw - 6 - cw },
        { TButtonLayout::blGlyphLeft, -1, -1, true, { (W - gw - cw) / 3, H / 2 - gh / 2 }, 2 * ((W - gw - cw) / 3) + gw },
        { TButtonLayout::blGlyphLeft, 3, -1, true, { 3, H / 2 - gh / 2 }, 3 + gw + ((W - 3 - gw) / 2 - cw / 2) },
        { TButtonLayout::blGlyphBottom, 2, 1, true, { W / 2 - gw / 2, H - 2 - gh }, H - 2 - gh - 1 - ch },
        { TButtonLayout::blGlyphTop, -1, 0, true, { W / 2 - gw / 2, H / 2 - (gh + ch) / 2 }, H / 2 - (gh + ch) / 2 + gh },
    };
    TBitmap glyph;
    glyph.SetSize(gw, gh);
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect(TRect(0, 0, gw, gh));
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "layout " << int(c.layout) << " margin " << c.margin << " spacing "
                                        << c.spacing << (c.caption ? " with caption" : ""));
        auto* b = new TRzBmpButton(&panel);
        b->SetParent(&panel);
        b->SetButtonSize(TBtnSize::bszNeither);
        b->SetBounds(0, 0, W, H);
        b->Bitmaps()->SetUp(&glyph);
        b->SetLayout(c.layout);
        b->SetMargin(c.margin);
        b->SetSpacing(c.spacing);
        b->Font()->SetColor(clBlack);
        if (c.caption)
            b->SetCaption(text);
        const QImage img = wtest::Render(b);
        EXPECT_EQ(Ink(img, [](QColor p) { return p == Qt::red; }), QRect(c.glyph, QSize(gw, gh)));
        if (c.caption) {
            const QRect ink = Ink(img, [](QColor p) { return p.red() < 160 && p.green() < 160; });
            const bool horizontal = c.layout == TButtonLayout::blGlyphLeft || c.layout == TButtonLayout::blGlyphRight;
            // The text is centred in its cell, which starts at the expected edge.
            const QRect cell = horizontal ? QRect(c.captionStart, H / 2 - ch / 2, cw, ch)
                                          : QRect(W / 2 - cw / 2, c.captionStart, cw, ch);
            EXPECT_TRUE(cell.adjusted(-1, -1, 1, 1).contains(ink)) << "ink " << ink.x() << "," << ink.y() << " "
                                                                   << ink.width() << "x" << ink.height();
            EXPECT_LE(std::abs(ink.center().x() - cell.center().x()), 2);
        }
        delete b;
    }
}

// Tiles start at the work rectangle's top-left corner, are cut at its right and bottom edges, and
// let the face show through their transparent pixels.
TEST_F(BmpButtonTest, TileToButtonRepeatsTheImageFromTheWorkCorner)
{
    TBitmap tile;
    tile.SetSize(6, 4);
    tile.Canvas()->Brush()->SetColor(clRed);
    tile.Canvas()->FillRect(TRect(0, 0, 6, 4));
    tile.Canvas()->SetPixels(0, 0, clBlue);  // marks each tile's corner
    tile.Canvas()->SetPixels(5, 3, clOlive); // the key colour
    for (TButtonBorder border : { TButtonBorder::bbNone, TButtonBorder::bbSingle }) {
        SCOPED_TRACE(int(border));
        TRzPanel panel(nullptr);
        panel.SetColor(clWhite);
        panel.SetBorderOuter(TFrameStyleEx::fsNone);
        panel.SetBounds(0, 0, 100, 100);
        auto* b = new TRzBmpButton(&panel);
        b->SetParent(&panel);
        b->SetColor(clWhite);
        b->SetButtonBorder(border);
        b->SetButtonSize(TBtnSize::bszTileToButton);
        b->SetBounds(0, 0, 21, 15);
        b->Bitmaps()->SetUp(&tile);
        const int inset = border == TButtonBorder::bbSingle ? 1 : 0;
        const QRect work(inset, inset, 21 - 2 * inset, 15 - 2 * inset);
        const QImage img = wtest::Render(b);
        int wrong = 0;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 21; ++x) {
                TColor expected = clBlack; // the single border
                if (work.contains(x, y)) {
                    const int tx = (x - work.left()) % 6, ty = (y - work.top()) % 4;
                    expected = tx == 0 && ty == 0 ? clBlue : tx == 5 && ty == 3 ? clWhite : clRed;
                }
                wrong += wtest::Pixel(img, x, y) != expected;
            }
        EXPECT_EQ(wrong, 0);
    }
}
