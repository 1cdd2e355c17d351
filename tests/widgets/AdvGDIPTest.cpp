// The GDI+ wrapper classes: the status rule, the text routines, the font bridge, the gradient-area
// painter and the path-gradient colour rules.

#include "WidgetTestSupport.h"

#include "platform/core/TColor.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TFont.h"
#include "widgets/AdvGDIP.h"

#include <gtest/gtest.h>

namespace {

class AdvGDIP : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wtest::App();
        bitmap.SetSize(60, 40);
        bitmap.Canvas()->Brush()->SetColor(vcl::clBlack);
        bitmap.Canvas()->FillRect(vcl::TRect(0, 0, 60, 40));
    }
    vcl::TColor At(int x, int y) { return bitmap.Canvas()->Pixels(x, y); }
    vcl::TBitmap bitmap;
};

TEST_F(AdvGDIP, LastStatusKeepsTheLatestFailureAndIsResetByReadingIt)
{
    TGPGraphics g(bitmap.Canvas());
    EXPECT_EQ(g.lastResult, Status::Ok);
    EXPECT_EQ(g.DrawPath(nullptr, nullptr), Status::InvalidParameter);
    TGPSolidBrush brush(0xFFFF0000);
    EXPECT_EQ(g.FillRectangle(&brush, 0.0f, 0.0f, 5.0f, 5.0f), Status::Ok);
    EXPECT_EQ(At(2, 2), vcl::clRed);
    EXPECT_EQ(g.GetLastStatus(), Status::InvalidParameter); // the success did not overwrite it
    EXPECT_EQ(g.GetLastStatus(), Status::Ok);

    TGPBrush plain;
    EXPECT_EQ(plain.lastResult, Status::NotImplemented);
    TGPGraphics none(static_cast<TGPImage*>(nullptr));
    EXPECT_EQ(none.nativeGraphics, nullptr);
    EXPECT_EQ(none.lastResult, Status::Ok);
}

TEST_F(AdvGDIP, DrawTextMeasuresATrailingSpaceAsAnIAndSubtractsTheSizeCorrection)
{
    TGPGraphics g(bitmap.Canvas());
    vcl::TFont font;
    font.SetName(QStringLiteral("Arial"));
    for (const auto& [size, correction] : { std::pair { 8, 2 }, std::pair { 14, 6 } }) {
        font.SetSize(size);
        std::unique_ptr<TGPFont> gp(g.MakeFont(&font));
        TGPRectF box;
        g.MeasureString(QStringLiteral("abi"), -1, gp.get(), TGPRectF { 5, 5, 1000, 100 }, box);
        vcl::TRect r(5, 5, 100, 105);
        const int height = g.DrawText(QStringLiteral("ab "), 3, r, &font, DT_CALCRECT, vcl::clNone);
        EXPECT_EQ(r.Right, 5 + vcl::RoundToInt(box.Width - correction)) << size;
        EXPECT_EQ(height, vcl::RoundToInt(box.Height)) << size;
    }
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < 40; ++y)
            ASSERT_EQ(At(x, y), vcl::clBlack); // measuring draws nothing

    // Without the flag and without a background it only draws, keeping the rectangle.
    font.SetColor(vcl::clWhite);
    vcl::TRect given(2, 2, 50, 30);
    EXPECT_EQ(g.DrawText(QStringLiteral("Hi"), -1, given, &font, 0, vcl::clNone), 28);
    EXPECT_EQ(given.Right, 50);
    int lit = 0;
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < 40; ++y)
            lit += vcl::GetRValue(At(x, y)) > 128 ? 1 : 0;
    EXPECT_GT(lit, 5);
}

TEST_F(AdvGDIP, MakeFontFallsBackToArialKeepingSizeAndStyle)
{
    TGPGraphics g(bitmap.Canvas());
    vcl::TFont unknown;
    unknown.SetName(QStringLiteral("Surely No Such Face"));
    unknown.SetSize(11);
    unknown.SetStyle(vcl::TFontStyles { vcl::TFontStyle::fsBold, vcl::TFontStyle::fsItalic, vcl::TFontStyle::fsStrikeOut });
    vcl::TFont arial;
    arial.Assign(&unknown);
    arial.SetName(QStringLiteral("Arial"));
    std::unique_ptr<TGPFont> font(g.MakeFont(&unknown));
    ASSERT_EQ(font->lastResult, Status::Ok);
    float size = 0;
    int style = 0;
    gdiplus::GdipGetFontSize(font->nativeFont, &size);
    gdiplus::GdipGetFontStyle(font->nativeFont, &style);
    EXPECT_EQ(size, 11.0f);
    EXPECT_EQ(style, gdiplus::FontStyleBold | gdiplus::FontStyleItalic); // strike-out is not carried
    EXPECT_EQ(g.TextWidth(QStringLiteral("Wide text"), &unknown), g.TextWidth(QStringLiteral("Wide text"), &arial));
    EXPECT_EQ(TGPFontFamily::GenericSansSerif(), TGPFontFamily::GenericSansSerif());
}

TEST_F(AdvGDIP, GradientAreaStylesFillAndOutline)
{
    TGPGraphics g(bitmap.Canvas());
    TGradientAreaParams p;
    p.Graphics = &g;
    p.Rect = TGPRectF { 10, 10, 20, 20 };
    p.StartColor = vcl::clRed;
    p.EndColor = vcl::clBlue;
    p.BorderColor = vcl::clLime;
    // Radial and path styles fill nothing but still draw the border.
    for (TAdvGradientType t : { TAdvGradientType::gtRadial, TAdvGradientType::gtPath }) {
        p.GradientType = t;
        FillGradientArea(p);
        EXPECT_EQ(At(20, 20), vcl::clBlack);
        EXPECT_EQ(At(10, 20), vcl::clLime);
        EXPECT_EQ(At(30, 20), vcl::clLime);
    }
    // Vertical: start colour at the top, end colour at the bottom, over one pixel more each side.
    p.BorderColor = vcl::clNone;
    p.GradientType = TAdvGradientType::gtVertical;
    FillGradientArea(p);
    EXPECT_GT(vcl::GetRValue(At(20, 10)), 240);
    EXPECT_GT(vcl::GetRValue(At(20, 10)), 3 * vcl::GetBValue(At(20, 10)));
    EXPECT_GT(vcl::GetBValue(At(20, 29)), 240);
    EXPECT_GT(vcl::GetBValue(At(20, 29)), 3 * vcl::GetRValue(At(20, 29)));
    EXPECT_EQ(At(20, 31), vcl::clBlack);
    // Mirror flag: a line of the start colour along the top.
    p.StartColor = vcl::clWhite;
    p.Mirror = true;
    FillGradientArea(p);
    EXPECT_EQ(At(20, 10), vcl::clWhite);
    // Solid with an opacity blends over what is there.
    p.GradientType = TAdvGradientType::gtSolid;
    p.StartOpacity = 128;
    p.Rect = TGPRectF { 40, 0, 10, 10 };
    FillGradientArea(p);
    EXPECT_NEAR(vcl::GetGValue(At(45, 5)), 128, 2);
}

TEST_F(AdvGDIP, PathGradientSurroundColoursFollowThePointCount)
{
    TGPGraphicsPath path;
    path.AddRectangle(TGPRectF { 0, 0, 10, 10 });
    TGPPathGradientBrush brush(&path);
    ASSERT_EQ(brush.lastResult, Status::Ok);
    EXPECT_EQ(brush.GetPointCount(), 4);
    ARGB colours[4] = { 0xFF010101, 0xFF020202, 0xFF030303, 0xFF040404 };
    int count = 4;
    EXPECT_EQ(brush.SetSurroundColors(colours, count), Status::Ok);
    ARGB back[4] = {};
    int room = 4;
    EXPECT_EQ(brush.GetSurroundColors(back, room), Status::Ok);
    EXPECT_EQ(room, 4);
    EXPECT_EQ(back[2], 0xFF030303u);
    int small = 2;
    EXPECT_EQ(brush.GetSurroundColors(back, small), Status::InsufficientBuffer);
    int many = 5;
    EXPECT_EQ(brush.SetSurroundColors(colours, many), Status::InvalidParameter);
    // The field keeps that failure: the centre colour calls report it too.
    ARGB centre = 0;
    EXPECT_EQ(brush.GetCenterColor(centre), Status::InvalidParameter);
}

TEST_F(AdvGDIP, ColourAndMatrixHelpers)
{
    EXPECT_EQ(AlphaGPColor(0x80, vcl::clRed), 0x80FF0000u);
    EXPECT_EQ(OpaqueGPColor(0x00123456), 0xFF563412u);
    EXPECT_EQ(OpaqueGPColor(vcl::clBtnFace), OpaqueGPColor(vcl::ColorToRGB(vcl::clBtnFace)));
    EXPECT_EQ(ARGBRed(0x11223344), 0x22);

    for (MatrixOrder order : { MatrixOrder::MatrixOrderPrepend, MatrixOrder::MatrixOrderAppend }) {
        TGPMatrix m;
        m.RotateAt(90, TGPPointF { 10, 10 }, order);
        TGPPointF p { 20, 10 };
        m.TransformPoints(&p);
        EXPECT_NEAR(p.X, 10, 1e-4);
        EXPECT_NEAR(p.Y, 20, 1e-4);
    }
    TGPMatrix singular(0, 0, 0, 0, 0, 0);
    EXPECT_EQ(singular.Invert(), Status::InvalidParameter);
    EXPECT_EQ(singular.Clone(), nullptr); // the earlier failure is still in the field
    TGPMatrix fine(1, 0, 0, 1, 3, 4);
    std::unique_ptr<TGPMatrix> copy(fine.Clone());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->OffsetY(), 4.0f);
}

} // namespace

TEST_F(AdvGDIP, AdjustedPaletteRunsEveryEntryThroughTheAttributes)
{
    TGPImageAttributes attributes;
    gdiplus::ColorPalette palette;
    palette.Entries = { 0xFF102030, 0xFFFF0000, 0x80FFFFFF };
    // Without adjustments the entries stay.
    EXPECT_EQ(attributes.GetAdjustedPalette(&palette, ColorAdjustType::ColorAdjustTypeDefault), Status::Ok);
    EXPECT_EQ(palette.Entries, (std::vector<ARGB> { 0xFF102030, 0xFFFF0000, 0x80FFFFFF }));

    // A remap table and a colour key act on the entries as on pixels.
    const ColorMap red { 0xFFFF0000, 0xFF00FF00 };
    attributes.SetRemapTable(1, &red);
    attributes.SetColorKey(0xFF101010, 0xFF202030);
    EXPECT_EQ(attributes.GetAdjustedPalette(&palette, ColorAdjustType::ColorAdjustTypeDefault), Status::Ok);
    EXPECT_EQ(palette.Entries[1], 0xFF00FF00u);
    EXPECT_EQ(palette.Entries[0] >> 24, 0u); // keyed out: transparent
    EXPECT_EQ(palette.Entries[2], 0x80FFFFFFu);

    // No palette: the failure is kept for GetLastStatus.
    EXPECT_EQ(attributes.GetAdjustedPalette(nullptr, ColorAdjustType::ColorAdjustTypeDefault),
              Status::InvalidParameter);
    EXPECT_EQ(attributes.GetLastStatus(), Status::InvalidParameter);
}
