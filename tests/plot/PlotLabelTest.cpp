// The plot label: its thickness for the layout, and what it draws (a picture before the caption).

#include "DecorationTestSupport.h"

#include "plot/iPlotLabel.h"

using namespace vcl;

namespace {

class PlotLabelTest : public ptest::DecorationTest
{
protected:
    TiPlotLabel* Title() { return plot->Label(0); }
};

TEST_F(PlotLabelTest, RequiredWidthIsTextHeightPlusMarginsInHeightsOfZero)
{
    struct Case { QString caption; double top; double bottom; int expected; };
    const Case cases[] = {
        { QStringLiteral("Title"), 0.0, 0.0, 10 },
        { QStringLiteral("Title"), 0.5, 1.0, 25 },     // 0.5 x 10 and 1 x 10
        { QStringLiteral("Two\r\nLines"), 0.25, 0.0, 22 }, // 2.5 rounds to 2 (halves to even)
    };
    for (const Case& c : cases) {
        Title()->SetCaption(c.caption);
        Title()->SetMarginTop(c.top);
        Title()->SetMarginBottom(c.bottom);
        EXPECT_EQ(Title()->GetRequiredWidth(Canvas()), c.expected) << c.caption.toStdString();
    }
}

TEST_F(PlotLabelTest, PictureReplacesCaptionUntilCleared)
{
    TBitmap picture;
    picture.SetSize(4, 4);
    picture.Canvas()->Brush()->SetColor(clRed);
    picture.Canvas()->FillRect(TRect(0, 0, 4, 4));
    picture.Canvas()->SetPixels(0, 3, clLime); // bottom-left: the transparent colour
    TiPlotLabel* label = Title();
    label->SetCaption(QStringLiteral("MMMMMMMMMMMMMMMMMMMMMMMM"));
    label->SetDrawRect(TRect(10, 10, 110, 40));
    label->SetAlignment(TiAlignmentHorizontal::iahLeft);
    label->SetMarginLeft(1.0); // 6 pixels
    label->SetImage(&picture);
    label->Draw(Canvas(), clBlack);
    EXPECT_EQ(Pixel(16, 10), clRed);
    EXPECT_EQ(Pixel(16, 13), clBlack) << "the bottom-left colour is left out";
    EXPECT_EQ(Pixel(20, 10), clBlack);

    label->ImageClear();
    EXPECT_EQ(label->Image(), nullptr);
    Canvas()->FillRect(TRect(0, 0, 400, 300));
    label->Draw(Canvas(), clBlack);
    EXPECT_NE(Pixel(16, 10), clRed);
}

TEST_F(PlotLabelTest, InvisibleLabelDrawsNothing)
{
    TiPlotLabel* label = Title();
    label->SetVisible(false);
    label->SetCaption(QStringLiteral("WWWW"));
    label->SetDrawRect(TRect(0, 0, 200, 40));
    const QImage before = bitmap->Image().copy();
    label->Draw(Canvas(), clBlack);
    EXPECT_EQ(bitmap->Image(), before);
}

TEST_F(PlotLabelTest, MissingPictureFileKeepsThePreviousPicture)
{
    TBitmap picture;
    picture.SetSize(2, 2);
    Title()->SetImage(&picture);
    EXPECT_THROW(Title()->ImageLoadFromFile(QStringLiteral("/nonexistent/picture.bmp")), Exception);
    ASSERT_NE(Title()->Image(), nullptr);
    EXPECT_EQ(Title()->Image()->Width(), 2);
}

} // namespace
