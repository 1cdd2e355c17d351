// The fill description: notification rules, body halves, opacities, the thin-area border, picture
// placement, ini sections and the clipboard.

#include "WidgetTestSupport.h"

#include "platform/core/Exception.h"
#include "platform/images/PngCodec.h"
#include "platform/ui/TBitmap.h"
#include "widgets/GDIPFill.h"

#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

#include <gtest/gtest.h>

namespace {

class Fill : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wtest::App();
        bitmap.SetSize(60, 40);
        bitmap.Canvas()->Brush()->SetColor(vcl::clBlack);
        bitmap.Canvas()->FillRect(vcl::TRect(0, 0, 60, 40));
        fill.OnChange = [this](vcl::TObject*) { ++changes; };
    }
    vcl::TColor At(int x, int y) { return bitmap.Canvas()->Pixels(x, y); }
    TGPRectF Paint(const TGPRectF& r, std::uint8_t opacity = 255)
    {
        TGPGraphics g(bitmap.Canvas());
        return fill.Fill(&g, r, 255, opacity);
    }
    // A solid body of one colour, no border.
    void Solid(vcl::TColor c)
    {
        fill.SetGradientType(TAdvGradientType::gtSolid);
        fill.SetColor(c);
    }

    vcl::TBitmap bitmap;
    TGDIPFill fill;
    int changes { 0 };
};

TEST_F(Fill, SettersNotifyOnlyOnChangeAndNotInsideAnUpdate)
{
    EXPECT_EQ(fill.Color(), 0xC0C0C0);
    EXPECT_EQ(fill.GradientType(), TAdvGradientType::gtVertical);
    EXPECT_EQ(fill.RoundingType(), TFillRoundingType::rtBoth);
    EXPECT_EQ(fill.PictureWidth(), 50);
    fill.SetColor(0xC0C0C0);
    fill.SetBorderWidth(1);
    EXPECT_EQ(changes, 0);
    fill.SetColor(vcl::clRed);
    fill.SetRounding(4);
    EXPECT_EQ(changes, 2);
    fill.BeginUpdate();
    fill.SetColor(vcl::clBlue);
    fill.EndUpdate();
    fill.EndUpdate(); // unpaired: harmless
    EXPECT_EQ(changes, 2);
    fill.SetAngle(30);
    EXPECT_EQ(changes, 3);
    // A picture change notifies through the fill.
    fill.Picture()->LoadFromBytes(vcl::PngCodec::Encode(QImage(2, 2, QImage::Format_RGB32)));
    EXPECT_EQ(changes, 4);

    TGDIPFill copy;
    int copyChanges = 0;
    copy.OnChange = [&](vcl::TObject*) { ++copyChanges; };
    fill.Focus = true;
    copy.Assign(&fill);
    EXPECT_EQ(copyChanges, 1);
    EXPECT_EQ(copy.Color(), vcl::clBlue);
    EXPECT_EQ(copy.Angle(), 30);
    EXPECT_EQ(copy.Picture()->Data(), fill.Picture()->Data());
    EXPECT_FALSE(copy.Focus);
}

TEST_F(Fill, MirrorColourHalvesTheBodyWithTwoOverlappingRows)
{
    Solid(vcl::clRed);
    fill.SetColorMirror(vcl::clBlue);
    fill.SetGradientMirrorType(TAdvGradientType::gtSolid);
    Paint(TGPRectF { 0, 0, 10, 24 });
    EXPECT_EQ(At(5, 0), vcl::clRed);
    EXPECT_EQ(At(5, 10), vcl::clRed);
    EXPECT_EQ(At(5, 11), vcl::clBlue); // the lower half starts at y + h/2 - 1
    EXPECT_EQ(At(5, 23), vcl::clBlue);
    EXPECT_EQ(At(5, 24), vcl::clBlack);
    // Without a mirror colour the body is one piece.
    fill.SetColorMirror(vcl::clNone);
    Paint(TGPRectF { 20, 0, 10, 24 });
    EXPECT_EQ(At(25, 20), vcl::clRed);
}

TEST_F(Fill, CornersFollowRoundingAndAMissingSecondColourMakesTheBodySolid)
{
    fill.SetColor(vcl::clRed);
    fill.SetColorTo(vcl::clNone); // vertical gradient without an end colour: solid
    fill.SetRoundingType(TFillRoundingType::rtBoth);
    Paint(TGPRectF { 0, 0, 20, 20 }); // rounding 0: square whatever the type
    EXPECT_EQ(At(0, 0), vcl::clRed);
    EXPECT_EQ(At(19, 19), vcl::clRed);
    EXPECT_EQ(At(10, 10), vcl::clRed);
    fill.SetRounding(6);
    fill.SetRoundingType(TFillRoundingType::rtTop);
    Paint(TGPRectF { 30, 0, 20, 20 });
    EXPECT_EQ(At(30, 0), vcl::clBlack);  // rounded top-left
    EXPECT_EQ(At(49, 0), vcl::clBlack);  // rounded top-right
    // Square bottom corners (the path is filled with antialiasing: edge pixels are half covered).
    EXPECT_EQ(At(31, 18), vcl::clRed);
    EXPECT_EQ(At(48, 18), vcl::clRed);
    EXPECT_EQ(At(31, 1), vcl::clBlack);
}

TEST_F(Fill, OpacityArgumentsBorderAndThinAreas)
{
    Solid(vcl::clWhite);
    fill.SetOpacity(10);
    Paint(TGPRectF { 0, 0, 10, 10 }, 128); // below 255: the argument wins
    EXPECT_NEAR(vcl::GetRValue(At(5, 5)), 128, 2);
    Paint(TGPRectF { 20, 0, 10, 10 }, 255); // 255: the property
    EXPECT_NEAR(vcl::GetRValue(At(25, 5)), 10, 2);

    // No body colour: nothing filled, the border still drawn.
    fill.SetColor(vcl::clNone);
    fill.SetBorderColor(vcl::clLime);
    Paint(TGPRectF { 40, 0, 10, 10 });
    EXPECT_EQ(At(45, 5), vcl::clBlack);
    EXPECT_EQ(At(40, 5), vcl::clLime);

    // A one-pixel-high area is only the border line.
    fill.SetColor(vcl::clRed);
    Paint(TGPRectF { 0, 30, 50, 1 });
    EXPECT_EQ(At(10, 30), vcl::clLime);
    EXPECT_EQ(At(10, 31), vcl::clBlack);
}

TEST_F(Fill, ShadowTakesItsShareAndFocusRectIsInsetByTheBorder)
{
    Solid(vcl::clRed);
    fill.SetShadowOffset(4);
    fill.SetBorderWidth(2);
    const TGPRectF left = Paint(TGPRectF { 0, 0, 40, 30 });
    EXPECT_EQ(left.Width, 36.0f);
    EXPECT_EQ(left.Height, 26.0f);
    EXPECT_EQ(fill.FocusRect.X, 2.0f);
    EXPECT_EQ(fill.FocusRect.Width, 32.0f);
    EXPECT_NE(At(38, 28), vcl::clBlack); // shadow
    EXPECT_EQ(At(20, 15), vcl::clRed);
    fill.SetShadowType(TShadowType::stSurround);
    const TGPRectF inner = Paint(TGPRectF { 0, 0, 40, 30 });
    EXPECT_EQ(inner.X, 4.0f);
    EXPECT_EQ(inner.Height, 22.0f);
}

TEST_F(Fill, PicturePlacementTablesAndCustomPosition)
{
    using P = TFillPicturePosition;
    struct Case
    {
        P position;
        vcl::TRect expected;
    };
    // Area (10, 20)-(110, 70), picture 20 x 10, custom point (3, 4).
    const Case cases[] = {
        { P::ppTopLeft, vcl::TRect(10, 20, 30, 30) },      { P::ppTopCenter, vcl::TRect(50, 20, 70, 30) },
        { P::ppTopRight, vcl::TRect(90, 20, 110, 30) },    { P::ppBottomLeft, vcl::TRect(10, 60, 30, 70) },
        { P::ppBottomCenter, vcl::TRect(50, 60, 70, 70) }, { P::ppBottomRight, vcl::TRect(90, 60, 110, 70) },
        { P::ppCenterLeft, vcl::TRect(10, 40, 30, 50) },   { P::ppCenterCenter, vcl::TRect(50, 40, 70, 50) },
        { P::ppCenterRight, vcl::TRect(90, 40, 110, 50) }, { P::ppCustom, vcl::TRect(3, 4, 23, 14) },
        { P::ppStretched, vcl::TRect(10, 20, 110, 70) },
    };
    for (const Case& c : cases) {
        const vcl::TRect r = PlacedPictureRect(10, 20, 110, 70, 20, 10, c.position, 3, 4, false, TPictureMode::pmStretch);
        EXPECT_EQ(r, c.expected) << int(c.position);
    }
    // Aspect ratio: a small picture keeps its size in pmNormal and grows to touch two edges in pmStretch.
    EXPECT_EQ(PlacedPictureRect(10, 20, 110, 70, 20, 10, P::ppStretched, 0, 0, true, TPictureMode::pmNormal),
              vcl::TRect(50, 40, 70, 50));
    EXPECT_EQ(PlacedPictureRect(10, 20, 110, 70, 20, 10, P::ppStretched, 0, 0, true, TPictureMode::pmStretch),
              vcl::TRect(10, 20, 110, 70));
    EXPECT_EQ(FitPictureToRect(40, 10, 100, 100, TPictureMode::pmStretch).Height, 25.0);
    EXPECT_EQ(FitPictureToRect(0, 10, 100, 100, TPictureMode::pmStretch).Width, 0.0);

    // ppCustom is relative to the surface, not to the area.
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::blue);
    fill.Picture()->LoadFromBytes(vcl::PngCodec::Encode(img));
    fill.SetPicturePosition(P::ppCustom);
    fill.SetPictureLeft(2);
    fill.SetPictureTop(3);
    fill.SetColor(vcl::clNone);
    Paint(TGPRectF { 30, 20, 20, 20 });
    EXPECT_EQ(At(2, 3), vcl::clBlue);
    EXPECT_EQ(At(5, 6), vcl::clBlue);
    EXPECT_EQ(At(6, 7), vcl::clBlack);
}

TEST_F(Fill, IniSectionsRoundTripAndRejectBadHex)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("fill.ini"));
    fill.SetColor(vcl::clRed);
    fill.SetColorMirror(vcl::clBtnFace);
    fill.SetGradientType(TAdvGradientType::gtHatch);
    fill.SetHatchStyle(HatchStyle::HatchStyleDiagonalCross);
    fill.SetPictureSize(TFillPictureSize::psCustom);
    fill.SetOpacityMirrorTo(7);
    fill.Picture()->LoadFromBytes(vcl::PngCodec::Encode(QImage(3, 2, QImage::Format_RGB32)));
    fill.SaveToFile(file, QStringLiteral("Body"));

    TFillIniFile ini(file);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Body"), QStringLiteral("ColorMirror"), 0), vcl::clBtnFace);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Body"), QStringLiteral("PictureSize"), 0),
              fill.Picture()->Data().size() * 2);
    EXPECT_EQ(ini.ReadString(QStringLiteral("Body"), QStringLiteral("Picture"), QString()),
              QString::fromLatin1(fill.Picture()->Data().toHex().toUpper()));

    TGDIPFill loaded;
    int notes = 0;
    loaded.OnChange = [&](vcl::TObject*) { ++notes; };
    loaded.LoadFromFile(file, QStringLiteral("Body"));
    EXPECT_EQ(notes, 1);
    EXPECT_EQ(loaded.Color(), vcl::clRed);
    EXPECT_EQ(loaded.GetHatchStyle(), HatchStyle::HatchStyleDiagonalCross);
    EXPECT_EQ(loaded.OpacityMirrorTo(), 7);
    EXPECT_EQ(loaded.PictureSize(), TFillPictureSize::psCustom);
    EXPECT_EQ(loaded.Picture()->Data(), fill.Picture()->Data());
    EXPECT_EQ(loaded.Picture()->Width(), 3);

    // A picture text that is not hex: the keys before it are in, no notification.
    auto bad = TFillIniFile::FromText(QStringLiteral("[S]\nAngle=45\nGlow=7\nPictureSize=4\nPicture=0G12\n"));
    TGDIPFill target;
    int targetNotes = 0;
    target.OnChange = [&](vcl::TObject*) { ++targetNotes; };
    try {
        target.LoadFromFile(*bad, QStringLiteral("S"));
        ADD_FAILURE() << "no error";
    } catch (const vcl::EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("No Hex-Number"));
    }
    EXPECT_EQ(target.Angle(), 45);
    EXPECT_EQ(target.Glow(), TGlowMode::gmNone); // an ordinal outside the enumeration is not taken
    EXPECT_EQ(targetNotes, 0);
}

TEST_F(Fill, ClipboardCopiesEveryStoredProperty)
{
    fill.SetColor(0x123456);
    fill.SetShadowType(TShadowType::stBottom);
    fill.SetPictureAspectRatio(true);
    fill.SaveToClipBoard();
    TGDIPFill pasted;
    pasted.LoadFromClipBoard();
    EXPECT_EQ(pasted.Color(), 0x123456);
    EXPECT_EQ(pasted.ShadowType(), TShadowType::stBottom);
    EXPECT_TRUE(pasted.PictureAspectRatio());
}

namespace {

int Grey(vcl::TColor c)
{
    return (vcl::GetRValue(c) + vcl::GetGValue(c) + vcl::GetBValue(c)) / 3;
}

// How far a colour is from another, per channel at most.
int Distance(vcl::TColor a, vcl::TColor b)
{
    return std::max({ std::abs(int(vcl::GetRValue(a)) - int(vcl::GetRValue(b))),
                      std::abs(int(vcl::GetGValue(a)) - int(vcl::GetGValue(b))),
                      std::abs(int(vcl::GetBValue(a)) - int(vcl::GetBValue(b))) });
}

} // namespace

TEST_F(Fill, RadialBodiesRunFromTheCentreColourToTheRim)
{
    bitmap.SetSize(80, 60);
    struct Case {
        const char* what;
        vcl::TColor color, colorTo, mirror, mirrorTo;
        std::uint8_t opacityTo;
        // Area (10, 10, 40, 40): top centre, bottom-left corner, bottom centre.
        vcl::TColor topCentre, bottomCorner, bottomCentre;
    };
    const vcl::TColor none = vcl::clNone;
    const Case cases[] = {
        // The top form: ColorTo at the middle of the top edge, Color at the rim and outside the ellipse.
        { "one piece", vcl::clRed, vcl::clBlue, none, none, 255, vcl::clBlue, vcl::clRed, vcl::clRed },
        { "no second colour", vcl::clRed, none, none, none, 255, vcl::clRed, vcl::clRed, vcl::clRed },
        { "transparent centre", vcl::clRed, vcl::clBlue, none, none, 0, vcl::clRed, vcl::clRed, vcl::clRed },
        { "no colour", none, vcl::clBlue, none, none, 255, vcl::clBlack, vcl::clBlack, vcl::clBlack },
        // Halved: the lower half's bottom form has ColorMirror at the middle of the bottom edge and
        // ColorMirrorTo at its rim.
        { "halves", vcl::clRed, vcl::clBlue, vcl::clLime, vcl::clYellow, 255, vcl::clBlue, vcl::clYellow,
          vcl::clLime },
    };
    for (const Case& c : cases) {
        SetUp();
        bitmap.SetSize(80, 60);
        bitmap.Canvas()->FillRect(vcl::TRect(0, 0, 80, 60));
        fill.SetGradientType(TAdvGradientType::gtRadial);
        fill.SetGradientMirrorType(TAdvGradientType::gtRadial);
        fill.SetColor(c.color);
        fill.SetColorTo(c.colorTo);
        fill.SetColorMirror(c.mirror);
        fill.SetColorMirrorTo(c.mirrorTo);
        fill.SetOpacityTo(c.opacityTo);
        Paint(TGPRectF { 10, 10, 40, 40 });
        EXPECT_LT(Distance(At(30, 10), c.topCentre), 40) << c.what;
        EXPECT_LT(Distance(At(10, 49), c.bottomCorner), 40) << c.what;
        EXPECT_LT(Distance(At(30, 49), c.bottomCentre), 40) << c.what;
        EXPECT_EQ(At(9, 30), vcl::clBlack) << c.what;
        EXPECT_EQ(At(30, 50), vcl::clBlack) << c.what;
    }
    // The colours blend between centre and rim: halfway down the one-piece body both are present.
    fill.SetColorMirror(vcl::clNone);
    fill.SetOpacityTo(255);
    fill.SetColor(vcl::clRed);
    fill.SetColorTo(vcl::clBlue);
    Paint(TGPRectF { 10, 10, 40, 40 });
    const vcl::TColor mid = At(30, 25);
    EXPECT_GT(vcl::GetRValue(mid), 40);
    EXPECT_GT(vcl::GetBValue(mid), 40);
}

TEST_F(Fill, HatchBodiesRepeatTheirEightPixelCell)
{
    bitmap.SetSize(64, 64);
    using H = HatchStyle;
    struct Case {
        const char* what;
        TAdvGradientType upper, lower;
        H style, mirrorStyle;
        vcl::TColor colorTo;
        int upperRed, lowerGreen; // foreground pixels in each 32 x 16 half
        bool fullRows;            // the foreground comes in whole rows
    };
    using G = TAdvGradientType;
    const Case cases[] = {
        { "horizontal", G::gtHatch, G::gtSolid, H::HatchStyleHorizontal, H::HatchStyleVertical, vcl::clBlue, 64, 0, true },
        { "vertical", G::gtHatch, G::gtSolid, H::HatchStyleVertical, H::HatchStyleHorizontal, vcl::clBlue, 64, 0, false },
        { "cross", G::gtHatch, G::gtSolid, H::HatchStyleCross, H::HatchStyleHorizontal, vcl::clBlue, 120, 0, false },
        { "forward diagonal", G::gtHatch, G::gtSolid, H::HatchStyleForwardDiagonal, H::HatchStyleHorizontal,
          vcl::clBlue, 64, 0, false },
        { "diagonal cross", G::gtHatch, G::gtSolid, H::HatchStyleDiagonalCross, H::HatchStyleHorizontal, vcl::clBlue,
          128, 0, false },
        // No background colour: solid.
        { "solid", G::gtHatch, G::gtSolid, H::HatchStyleCross, H::HatchStyleHorizontal, vcl::clNone, 512, 0, false },
        // A hatched lower half uses the mirror style and colours.
        { "mirror", G::gtSolid, G::gtHatch, H::HatchStyleCross, H::HatchStyleVertical, vcl::clBlue, 512, 64,
          false },
    };
    for (const Case& c : cases) {
        SetUp();
        bitmap.SetSize(64, 64);
        bitmap.Canvas()->FillRect(vcl::TRect(0, 0, 64, 64));
        fill.SetGradientType(c.upper);
        fill.SetGradientMirrorType(c.lower);
        fill.SetHatchStyle(c.style);
        fill.SetHatchStyleMirror(c.mirrorStyle);
        fill.SetColor(vcl::clRed);
        fill.SetColorTo(c.colorTo);
        fill.SetColorMirror(vcl::clLime);
        fill.SetColorMirrorTo(vcl::clYellow);
        // 32 x 34 so that the halves are 32 x 18 overlapping by 2 rows: rows 8..25 and 24..41.
        Paint(TGPRectF { 8, 8, 32, 34 });
        int red = 0, green = 0, other = 0;
        std::set<int> redRows;
        for (int y = 8; y < 24; ++y)
            for (int x = 8; x < 40; ++x) {
                const vcl::TColor p = At(x, y);
                red += p == vcl::clRed ? 1 : 0;
                if (p == vcl::clRed)
                    redRows.insert(y);
                other += p != vcl::clRed && p != vcl::clBlue && p != vcl::clLime && p != vcl::clYellow ? 1 : 0;
            }
        for (int y = 26; y < 42; ++y)
            for (int x = 8; x < 40; ++x)
                green += At(x, y) == vcl::clLime ? 1 : 0;
        // A hatched body is one piece: the mirror colours show only under a hatched lower half.
        EXPECT_EQ(red, c.upperRed) << c.what;
        EXPECT_EQ(green, c.lowerGreen) << c.what;
        EXPECT_EQ(other, 0) << c.what;
        if (c.fullRows) {
            for (int y : redRows)
                for (int x = 8; x < 40; ++x)
                    EXPECT_EQ(At(x, y), vcl::clRed) << c.what << " " << x << "," << y;
        }
        EXPECT_EQ(At(7, 20), vcl::clBlack) << c.what;
        EXPECT_EQ(At(40, 20), vcl::clBlack) << c.what;
    }
}

TEST_F(Fill, GlowModesDrawOutlineSheensAndRadialLightInsideTheArea)
{
    struct Case {
        TGlowMode mode;
        bool outline, sheen, radial;
    };
    const Case cases[] = {
        { TGlowMode::gmNone, false, false, false },
        { TGlowMode::gmGradient, true, true, false },
        { TGlowMode::gmRadial, false, false, true },
        { TGlowMode::gmRadialGradient, true, true, true },
    };
    for (const Case& c : cases) {
        SetUp();
        bitmap.SetSize(120, 80);
        bitmap.Canvas()->FillRect(vcl::TRect(0, 0, 120, 80));
        // A black body 80 x 40 at (20, 20): inner rectangle (21, 21, 78, 38).
        Solid(vcl::clBlack);
        fill.SetGlow(c.mode);
        fill.SetGlowGradientColor(vcl::clWhite);
        fill.SetGlowRadialColor(vcl::clWhite);
        Paint(TGPRectF { 20, 20, 80, 40 });
        const int mode = int(c.mode);
        auto lit = [&](int x, int y) { return Grey(At(x, y)) > 30; };
        EXPECT_EQ(lit(21, 40), c.outline) << mode;             // the inner outline's left edge
        EXPECT_EQ(lit(25, 22), c.sheen) << mode;               // the upper left corner triangle
        EXPECT_EQ(lit(60, 59), c.sheen || c.radial) << mode;   // the lower sheen, or the light's centre
        EXPECT_EQ(lit(60, 42), c.radial) << mode;              // halfway down the middle: only the light
        EXPECT_FALSE(lit(25, 40)) << mode;                     // left of the light, inside the outline
        if (c.sheen) {
            // The upper sheen fades downwards, the lower one upwards.
            EXPECT_GT(Grey(At(25, 22)), Grey(At(27, 24)) + 10) << mode;
            EXPECT_GT(Grey(At(60, 58)), Grey(At(60, 54)) + 10) << mode;
        }
        if (c.radial) {
            // Brightest at the middle of the bottom edge, at most the colour's alpha of 150.
            EXPECT_GT(Grey(At(60, 58)), Grey(At(60, 30))) << mode;
            EXPECT_LE(Grey(At(60, 45)), 155) << mode;
        }
        // Nothing outside the area, though the light's ellipse reaches far below it.
        for (const auto& [x, y] : { std::pair { 60, 61 }, std::pair { 60, 70 }, std::pair { 19, 40 }, std::pair { 60, 19 } })
            EXPECT_EQ(At(x, y), vcl::clBlack) << mode << " at " << x << "," << y;
    }
}

} // namespace
