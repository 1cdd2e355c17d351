// The window skin: its pictures are present and usable as faces, every caption colour reads on the
// faces it is drawn on, and a latched face stands apart from the up face.
#include "ui/Skin.h"

#include "controls/PeqBandEditor.h"
#include "platform/ui/TBitmap.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace skin;

namespace {

double Distance(Rgb a, Rgb b)
{
    return std::hypot(double(a.r) - b.r, double(a.g) - b.g, double(a.b) - b.b);
}

const char* const ButtonFaces[] = { "face-up", "face-hot", "face-pressed", "face-lit-green", "face-lit-red",
                                    "face-lit-amber", "face-lit-blue" };
const char* const PageFaces[] = { "page-up", "page-hot", "page-pressed", "page-lit" };

} // namespace

TEST(Skin, FacesHaveTransparentCornersAndAnOpaqueBody)
{
    const QRgb key = qRgb(Transparent.r, Transparent.g, Transparent.b);
    std::vector<const char*> all(std::begin(ButtonFaces), std::end(ButtonFaces));
    all.insert(all.end(), std::begin(PageFaces), std::end(PageFaces));
    all.push_back("face-disabled");
    for (const char* name : all) {
        const QImage& img = Picture(name).Image();
        ASSERT_FALSE(img.isNull()) << name;
        EXPECT_EQ(img.pixel(0, 0) | 0xFF000000u, key) << name;
        EXPECT_EQ(img.pixel(img.width() - 1, img.height() - 1) | 0xFF000000u, key) << name;
        EXPECT_NE(img.pixel(img.width() / 2, img.height() / 2) | 0xFF000000u, key) << name;
    }
    EXPECT_TRUE(Picture("no-such-face").Empty());
    EXPECT_TRUE(PictureFile("no-such-face").isEmpty());
}

TEST(Skin, StartUpPictureHasTheSplashSize)
{
    const QImage& img = Picture("splash").Image();
    EXPECT_EQ(img.size(), QSize(620, 350));
}

TEST(Skin, CaptionsReadOnEveryFaceTheyAreDrawnOn)
{
    const Rgb white { 255, 255, 255 }, green { 0, 255, 0 };
    for (const char* face : ButtonFaces)
        EXPECT_GE(Contrast(white, FaceColour(face)), ReadableContrast) << face;
    // Page captions: white, and green on the shown page's button.
    for (const char* face : PageFaces) {
        EXPECT_GE(Contrast(white, FaceColour(face)), ReadableContrast) << face;
        EXPECT_GE(Contrast(green, FaceColour(face)), ReadableContrast) << face;
    }
    EXPECT_GE(Contrast(Caption, LowerBack), ReadableContrast);
    EXPECT_GE(Contrast(Caption, UpperBack), ReadableContrast);
    EXPECT_GE(Contrast(FieldText, FieldBack), ReadableContrast);
    EXPECT_GE(Contrast(Rgb { 0, 176, 0 }, FieldBack), ReadableContrast); // the current band's values
    EXPECT_GE(Contrast(SwitchText, SwitchBack), ReadableContrast);
    EXPECT_GE(Contrast(SwitchText, RgbOf(PeqBandEditor::BypassedColor)), ReadableContrast);
}

TEST(Skin, LatchedFacesLightUpAgainstTheUpFace)
{
    const Rgb up = FaceColour("face-up");
    for (const char* lit : { "face-lit-green", "face-lit-red", "face-lit-amber", "face-lit-blue" })
        EXPECT_GT(Distance(FaceColour(lit), up), 80.0) << lit;
    EXPECT_GT(Distance(FaceColour("page-lit"), FaceColour("page-up")), 60.0);
    // An unlit meter segment is plainly darker than a lit one.
    for (int z = 0; z < 3; ++z)
        EXPECT_GT(Luminance(MeterLit[z]), 5 * Luminance(MeterUnlit[z]) + 0.1) << z;
}

TEST(Skin, ColouredCaptionsBecomeReadableAndKeepTheirHue)
{
    struct Case { Rgb colour; Rgb back; };
    const Case cases[] = {
        { { 128, 0, 128 }, LowerBack },   // InA purple
        { { 0, 0, 255 }, UpperBack },     // Out4 blue
        { { 255, 255, 0 }, { 240, 240, 240 } }, // yellow on a light dialog
        { { 0, 255, 0 }, RowBack },       // already readable: unchanged
    };
    for (const Case& c : cases) {
        const Rgb m = Legible(c.colour, c.back);
        EXPECT_GE(Contrast(m, c.back), ReadableContrast);
        // The strongest primary stays the strongest.
        auto strongest = [](Rgb x) { return x.r >= x.g && x.r >= x.b ? 0 : x.g >= x.b ? 1 : 2; };
        EXPECT_EQ(strongest(m), strongest(c.colour));
    }
    EXPECT_EQ(Legible({ 0, 255, 0 }, RowBack).g, 255);
}
