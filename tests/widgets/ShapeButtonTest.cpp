// The shape button: built bevel rings, plain copies without bevel, and clicks only on the shape.
#include "WidgetTestSupport.h"

#include "widgets/RzButton.h"

#include <gtest/gtest.h>

using namespace vcl;
using namespace rz;

namespace {

class ShapeButtonTest : public ::testing::Test
{
protected:
    void SetUp() override { wtest::App(); }

    // A red 10 x 10 square at (5, 5) on teal, the transparent colour (bottom-left pixel).
    static void Square(TBitmap& b)
    {
        b.SetSize(20, 20);
        b.Canvas()->Brush()->SetColor(clTeal);
        b.Canvas()->FillRect(TRect(0, 0, 20, 20));
        b.Canvas()->Brush()->SetColor(clRed);
        b.Canvas()->FillRect(TRect(5, 5, 15, 15));
    }
};

TEST_F(ShapeButtonTest, RingsOfUpAndDownImages)
{
    TRzShapeButton s(nullptr);
    s.SetBevelHighlightColor(clYellow);
    s.SetBevelShadowColor(clNavy);
    s.SetBorderColor(clBlack);
    TBitmap src;
    Square(src);
    s.SetBitmap(&src);
    EXPECT_EQ(s.Width(), 24);
    EXPECT_EQ(s.Height(), 24);
    const struct
    {
        bool up;
        int x;
        TColor expected;
    } cases[] = {
        { true, 4, clYellow }, { true, 15, clNavy }, { true, 3, clYellow }, { true, 16, clNavy },
        { true, 2, clBlack },  { true, 17, clBlack }, { true, 1, clTeal },  { true, 10, clRed },
        { false, 4, clNavy },  { false, 15, clYellow }, { false, 2, clBlack }, { false, 17, clTeal },
    };
    for (const auto& c : cases) {
        TBitmap* img = c.up ? s.BitmapUp() : s.BitmapDown();
        EXPECT_EQ(img->Canvas()->Pixels(c.x, 8), c.expected) << (c.up ? "up " : "down ") << c.x;
    }

    s.SetBevelWidth(5);
    EXPECT_EQ(s.BevelWidth(), 2);
    s.SetBevelWidth(0);
    s.SetBorderStyle(TRzBorderStyle::bsNone);
    EXPECT_EQ(s.BitmapUp()->Image(), src.Image());
    EXPECT_EQ(s.BitmapDown()->Image(), src.Image());
    QByteArray data;
    EXPECT_TRUE(s.WriteBitmapUp(data));
    EXPECT_TRUE(data.startsWith("BM"));
}

TEST_F(ShapeButtonTest, ClicksOnlyOnTheShapeWhenPrecise)
{
    TRzShapeButton s(nullptr);
    TBitmap src;
    Square(src);
    s.SetBitmap(&src);
    int clicks = 0;
    s.OnClick = [&](TObject*) { ++clicks; };
    wtest::ClickAt(&s, 1, 1); // transparent pixel
    EXPECT_EQ(clicks, 0);
    wtest::ClickAt(&s, 10, 10);
    EXPECT_EQ(clicks, 1);
    s.SetPreciseClick(false);
    wtest::ClickAt(&s, 1, 1);
    EXPECT_EQ(clicks, 2);
    wtest::Press(&s, 1, 1);
    wtest::Release(&s, 1, s.Height()); // the row below the client area is outside
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(s.PtInMask(1, 1));
    EXPECT_TRUE(s.PtInMask(10, 10));
    EXPECT_FALSE(s.PtInMask(100, 100));
}

} // namespace
