// Colour arithmetic, frame painters, gradients, bitmap blits and the panel's frame, grid, caption
// and child-enabling rules, checked on pixels the tests own.
#include "WidgetTestSupport.h"

#include "platform/ui/TBitmap.h"
#include "widgets/RzCommon.h"
#include "widgets/RzGrafx.h"
#include "widgets/RzPanel.h"

#include <gtest/gtest.h>

using namespace vcl;
using namespace rz;

namespace {

class DrawingTest : public ::testing::Test
{
protected:
    void SetUp() override { wtest::App(); }

    static std::unique_ptr<TBitmap> Surface(int w, int h, TColor fill)
    {
        auto b = std::make_unique<TBitmap>();
        b->SetSize(w, h);
        b->Canvas()->Brush()->SetColor(fill);
        b->Canvas()->FillRect(TRect(0, 0, w, h));
        return b;
    }
};

TEST_F(DrawingTest, HslShadesAndMixes)
{
    const THsl red = RgbToHsl(clRed);
    EXPECT_EQ(red.H, 0);
    EXPECT_EQ(red.S, 240);
    EXPECT_EQ(red.L, 120);
    const THsl white = RgbToHsl(clWhite);
    EXPECT_EQ(white.L, 240);
    EXPECT_EQ(white.S, 0);
    EXPECT_EQ(HslToRgb(0, 0, 240), clWhite);
    EXPECT_EQ(HslToRgb(0, 240, 120), clRed);
    for (TColor c : { clRed, clTeal, clBtnFace, clBlack })
        EXPECT_EQ(ShadeLighter(c, 255), clWhite);
    EXPECT_EQ(ShadeDarker(clBlack, 50), clBlack);
    EXPECT_EQ(ShadeBy(clBtnFace, 0), clBtnFace); // still the system colour
    EXPECT_EQ(ShadeBy(clWhite, -240), clBlack);
    EXPECT_EQ(ShadeBy(clGray, 256), clGray); // only the low byte of the amount counts
    EXPECT_EQ(MixColors(clWhite, clBlack, 255), clWhite);
    EXPECT_EQ(MixColors(clWhite, clBlack, 0), clBlack);
    EXPECT_TRUE(ColorsAreClose(clBtnFace, clSilver));
    EXPECT_FALSE(ColorsAreClose(clRed, clBlue));
}

TEST_F(DrawingTest, StripAcceleratorsAndAcceleratorOf)
{
    const struct
    {
        const char* in;
        const char* out;
    } cases[] = { { "&&A", "&A" }, { "&File", "File" }, { "Save &", "Save &" }, { "a&&&b", "a&&b" }, { "", "" } };
    for (const auto& c : cases)
        EXPECT_EQ(StripAccelerators(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
    EXPECT_EQ(AcceleratorOf(QStringLiteral("&Open")), QChar('O'));
    EXPECT_EQ(AcceleratorOf(QStringLiteral("A&&B")), QChar());
}

TEST_F(DrawingTest, FrameSidesShrinkEvenWhenNothingIsDrawn)
{
    auto b = Surface(10, 10, clWhite);
    const TRect r = FrameSides(*b->Canvas(), TRect(0, 0, 10, 10), clNone, clNone, sdAllSides);
    EXPECT_EQ(r, TRect(1, 1, 9, 9));
    EXPECT_EQ(b->Canvas()->Pixels(0, 0), clWhite);
    TPanelFrameParams none;
    EXPECT_EQ(PaintPanelFrame(*b->Canvas(), TRect(0, 0, 10, 10), none), TRect(0, 0, 10, 10));
    EXPECT_EQ(b->Canvas()->Pixels(0, 0), clWhite);
}

// Panel frames on a 20 x 16 panel: colours at the outer and second rings.
TEST_F(DrawingTest, PanelFrameColoursPerStyle)
{
    const TColor flat = ShadeBy(clBtnShadow, 30);
    const struct
    {
        TFrameStyleEx outer;
        int x, y;
        TColor expected;
    } cases[] = {
        { TFrameStyleEx::fsFlat, 0, 0, flat },
        { TFrameStyleEx::fsFlat, 19, 15, flat },
        { TFrameStyleEx::fsFlatBold, 1, 1, flat },
        { TFrameStyleEx::fsRaised, 0, 0, cl3DLight },
        { TFrameStyleEx::fsRaised, 19, 15, cl3DDkShadow },
        { TFrameStyleEx::fsRaised, 1, 1, clBtnHighlight },
        { TFrameStyleEx::fsRaised, 18, 14, clBtnShadow },
        { TFrameStyleEx::fsLowered, 0, 0, clBtnShadow },
        { TFrameStyleEx::fsLowered, 1, 1, cl3DDkShadow },
        { TFrameStyleEx::fsButtonUp, 0, 0, clBtnHighlight },
        { TFrameStyleEx::fsButtonDown, 0, 5, clBtnText },
        { TFrameStyleEx::fsStatus, 0, 5, clBtnShadow },
        { TFrameStyleEx::fsPopup, 19, 5, clBtnShadow },
        { TFrameStyleEx::fsGroove, 0, 5, clBtnShadow },
        { TFrameStyleEx::fsGroove, 1, 5, clBtnHighlight },
        { TFrameStyleEx::fsBump, 0, 5, clBtnHighlight },
        { TFrameStyleEx::fsFlatRounded, 0, 0, clYellow }, // corner hidden in the parent's colour
        { TFrameStyleEx::fsFlatRounded, 0, 5, flat },
        { TFrameStyleEx::fsFlatRounded, 1, 1, flat },
        { TFrameStyleEx::fsNone, 0, 0, clYellow },
    };
    for (const auto& c : cases) {
        TRzPanel parent(nullptr);
        parent.SetColor(clYellow);
        parent.SetBounds(0, 0, 40, 40);
        auto* p = new TRzPanel(&parent);
        p->SetParent(&parent);
        p->SetBounds(0, 0, 20, 16);
        p->SetColor(clYellow);
        p->SetBorderOuter(c.outer);
        const QImage img = wtest::Render(p);
        EXPECT_EQ(wtest::Pixel(img, c.x, c.y), ColorToRGB(c.expected))
            << "style " << int(c.outer) << " at " << c.x << "," << c.y;
    }
}

TEST_F(DrawingTest, PanelBorderBandAndClientArea)
{
    TRzPanel p(nullptr);
    p.SetBounds(0, 0, 30, 30);
    p.SetBorderOuter(TFrameStyleEx::fsFlat);
    p.SetBorderInner(TFrameStyleEx::fsRaised);
    p.SetBorderWidth(3);
    p.SetBorderColor(clRed);
    p.SetColor(clWhite);
    const QImage img = wtest::Render(&p);
    EXPECT_EQ(wtest::Pixel(img, 1, 10), clRed);
    EXPECT_EQ(wtest::Pixel(img, 3, 10), clRed);
    EXPECT_EQ(wtest::Pixel(img, 4, 10), ColorToRGB(cl3DLight));
    EXPECT_EQ(wtest::Pixel(img, 15, 15), clWhite);
    auto* child = new TRzPanel(&p);
    child->SetParent(&p);
    child->SetAlign(TAlign::alClient);
    EXPECT_EQ(child->BoundsRect(), TRect(6, 6, 24, 24)); // 1 + 3 + 2 on each side
}

TEST_F(DrawingTest, PanelGridAndCaption)
{
    TRzPanel p(nullptr);
    p.SetBounds(0, 0, 32, 24);
    p.SetBorderOuter(TFrameStyleEx::fsNone);
    p.SetColor(clWhite);
    p.SetShowGrid(true);
    p.SetGridColor(clBlue);
    p.SetGridStyle(TGridStyle::gsSolidLines);
    p.SetGridXSize(0);
    QImage img = wtest::Render(&p);
    EXPECT_EQ(wtest::Pixel(img, 7, 3), clWhite); // no vertical lines for size 0
    EXPECT_EQ(wtest::Pixel(img, 3, 7), clBlue);
    p.SetGridXSize(8);
    p.SetGridStyle(TGridStyle::gsDots);
    img = wtest::Render(&p);
    EXPECT_EQ(wtest::Pixel(img, 7, 7), clBlue);
    EXPECT_EQ(wtest::Pixel(img, 7, 6), clWhite);

    p.SetShowGrid(false);
    p.SetCaption(QStringLiteral("Hg"));
    p.Font()->SetColor(clBlack);
    p.SetEnabled(false);
    img = wtest::Render(&p);
    int gray = 0, black = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 32; ++x) {
            gray += wtest::Pixel(img, x, y) == ColorToRGB(clGrayText);
            black += wtest::Pixel(img, x, y) == clBlack;
        }
    EXPECT_GT(gray, 0);
    EXPECT_EQ(black, 0);
}

TEST_F(DrawingTest, DisablingPanelRestoresChildrenAsTheyWere)
{
    TRzPanel p(nullptr);
    std::vector<TRzPanel*> kids;
    for (int i = 0; i < 3; ++i) {
        kids.push_back(new TRzPanel(&p));
        kids.back()->SetParent(&p);
    }
    kids[1]->SetEnabled(false);
    p.SetEnabled(false);
    for (auto* k : kids)
        EXPECT_FALSE(k->Enabled());
    p.SetEnabled(true);
    EXPECT_TRUE(kids[0]->Enabled());
    EXPECT_FALSE(kids[1]->Enabled());
    EXPECT_TRUE(kids[2]->Enabled());
}

TEST_F(DrawingTest, GradientsAndBitmapBlits)
{
    auto b = Surface(40, 20, clWhite);
    TCanvas& c = *b->Canvas();
    FillGradient(c, TRect(5, 0, 5, 20), TGradientDirection::gdHorizontalEnd, clRed, clBlue, 1);
    EXPECT_EQ(c.Pixels(5, 5), clWhite);
    FillGradient(c, TRect(0, 0, 40, 20), TGradientDirection::gdSquareBox, clLime, clLime, 1);
    EXPECT_EQ(c.Pixels(0, 0), clLime);
    EXPECT_EQ(c.Pixels(20, 10), clLime);
    EXPECT_EQ(c.Pixels(39, 19), clLime);
    FillGradient(c, TRect(0, 0, 40, 20), TGradientDirection::gdHorizontalEnd, clBlack, clWhite, 1);
    EXPECT_EQ(c.Pixels(10, 0), clBlack);
    EXPECT_GT(GetRValue(c.Pixels(10, 19)), 230);
    FillGradient(c, TRect(0, 0, 40, 20), TGradientDirection::gdDiagonalUp, clBlack, clWhite, 1);
    EXPECT_LT(GetRValue(c.Pixels(0, 19)), 20);
    EXPECT_GT(GetRValue(c.Pixels(39, 0)), 230);
    FillGradient(c, TRect(0, 0, 40, 20), TGradientDirection::gdSquareBox, clBlack, clWhite, 1);
    EXPECT_LT(GetRValue(c.Pixels(0, 0)), 20);      // start at the edges
    EXPECT_GT(GetRValue(c.Pixels(19, 9)), 200);    // stop toward the centre
    EXPECT_LT(GetRValue(c.Pixels(39, 19)), 20);    // mirrored quarters

    // A 1.5-tile wide area: one whole tile and a half one; black as key stays transparent.
    auto tile = Surface(4, 4, clRed);
    tile->Canvas()->SetPixels(1, 1, clBlack);
    auto dest = Surface(10, 4, clWhite);
    DrawBitmapTiled(*dest->Canvas(), *tile, TRect(0, 0, 6, 4), clBlack);
    EXPECT_EQ(dest->Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(dest->Canvas()->Pixels(1, 1), clWhite);
    EXPECT_EQ(dest->Canvas()->Pixels(5, 3), clRed);
    EXPECT_EQ(dest->Canvas()->Pixels(5, 1), clWhite); // the second tile's key pixel
    EXPECT_EQ(dest->Canvas()->Pixels(6, 0), clWhite);
}

TEST_F(DrawingTest, GroupBoxStyles)
{
    TRzPanel parent(nullptr);
    parent.SetColor(clWhite);
    parent.SetBounds(0, 0, 200, 200);
    auto* g = new TRzGroupBox(&parent);
    g->SetParent(&parent);
    g->SetBounds(0, 0, 120, 60);
    g->SetColor(clWhite);
    g->SetCaption(QStringLiteral("Group"));
    g->SetGroupStyle(TGroupBoxStyle::gsStandard);
    const int h = g->Canvas()->TextHeight(QStringLiteral("Pp"));
    const int top = h / 2 - 1;
    QImage img = wtest::Render(g);
    EXPECT_EQ(wtest::Pixel(img, 4, top), ColorToRGB(clBtnShadow));       // etched line left of the caption
    EXPECT_EQ(wtest::Pixel(img, 4, top + 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(wtest::Pixel(img, 10, top), clWhite);                       // interrupted under the text
    EXPECT_EQ(wtest::Pixel(img, 0, 40), ColorToRGB(clBtnShadow));

    g->SetGroupStyle(TGroupBoxStyle::gsBanner);
    img = wtest::Render(g);
    const int cy = g->Canvas()->TextHeight(QStringLiteral("Group"));
    EXPECT_EQ(wtest::Pixel(img, 5, cy + 5), ShadeDarker(clBtnFace, 40)); // bottom line of the band
    EXPECT_EQ(wtest::Pixel(img, 5, cy + 7), clWhite);

    g->SetGroupStyle(TGroupBoxStyle::gsTopLine);
    g->Font()->SetColor(clBlack);
    g->CaptionFont()->SetColor(clBlack);
    g->SetEnabled(false);
    img = wtest::Render(g);
    int gray = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < 60; ++x)
            gray += wtest::Pixel(img, x, y) == ColorToRGB(clGrayText);
    EXPECT_GT(gray, 0);
}

} // namespace
