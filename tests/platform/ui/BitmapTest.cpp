// Bitmap sizing, copying, change notices and transparent drawing.

#include "platform/ui/CanvasTestSupport.h"

#include "platform/core/Exception.h"
#include "platform/ui/TBitmap.h"

#include <gtest/gtest.h>

using namespace vcl;
using canvastest::CountColour;
using canvastest::MakeBitmap;

TEST(Bitmap, ResizeKeepsTopLeftPixelsAndWhitensNewArea)
{
    auto b = MakeBitmap(4, 3, clRed);
    b->SetSize(6, 2);
    EXPECT_EQ(b->Width(), 6);
    EXPECT_EQ(b->Height(), 2);
    EXPECT_EQ(b->Canvas()->Pixels(3, 1), clRed);
    EXPECT_EQ(b->Canvas()->Pixels(4, 0), clWhite);
    b->SetWidth(-3);
    EXPECT_TRUE(b->Empty());
    b->Canvas()->Rectangle(0, 0, 5, 5); // drawing on an empty bitmap does nothing
    EXPECT_FALSE(b->Canvas()->HandleAllocated());
}

TEST(Bitmap, AssignIsADeepCopyAndDrawingNotifiesChange)
{
    auto a = MakeBitmap(3, 3, clBlue);
    a->SetTransparentColor(clBlue);
    TBitmap b;
    b.Assign(a.get());
    a->Canvas()->SetPixels(0, 0, clRed);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clBlue);
    EXPECT_EQ(b.TransparentMode(), TTransparentMode::tmFixed);

    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    b.Canvas()->MoveTo(0, 0);
    b.Canvas()->LineTo(2, 2);
    EXPECT_EQ(changes, 1);
    b.Assign(nullptr);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(changes, 2);
    TFont font;
    EXPECT_THROW(b.Assign(&font), EConvertError);
}

TEST(Bitmap, TransparentDrawLeavesKeyPixelsAndStretchDrawScales)
{
    auto sprite = MakeBitmap(4, 4, clOlive);
    sprite->Canvas()->SetPixels(1, 1, clRed);
    sprite->Canvas()->SetPixels(0, 3, clLime); // bottom-left: the automatic key
    EXPECT_EQ(sprite->TransparentColor(), clLime);
    sprite->SetTransparentColor(clOlive);
    sprite->SetTransparent(true);

    auto target = MakeBitmap(20, 20, clWhite);
    target->Canvas()->Draw(2, 2, sprite.get());
    EXPECT_EQ(target->Canvas()->Pixels(3, 3), clRed);
    EXPECT_EQ(target->Canvas()->Pixels(2, 5), clLime);
    EXPECT_EQ(CountColour(*target->Canvas(), clOlive, 0, 0, 20, 20), 0);

    sprite->SetTransparent(false);
    target->Canvas()->StretchDraw(Rect(10, 10, 18, 18), sprite.get());
    EXPECT_EQ(CountColour(*target->Canvas(), clOlive, 10, 10, 18, 18), 64 - 8);
    EXPECT_EQ(target->Canvas()->Pixels(12, 12), clRed);
    EXPECT_EQ(target->Canvas()->Pixels(13, 13), clRed);
    EXPECT_EQ(target->Canvas()->Pixels(18, 18), clWhite);
}
