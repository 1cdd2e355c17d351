// The fader's appearance objects (store-if-different, sizes from pictures, Assign), the style
// presets and the rating mode.
#include "AdvTrackBarTestSupport.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

using namespace vcl;
using namespace fadertest;

namespace {

class AdvTrackBarAppearanceTest : public ::testing::Test
{
protected:
    void SetUp() override { wtest::App(); }
};

TEST_F(AdvTrackBarAppearanceTest, SettersNotifyOnlyForDifferentValuesAndQuietOnesNever)
{
    TAdvTrackBar f(nullptr);
    int thumbChanges = 0;
    int buttonChanges = 0;
    f.Thumb()->OnChange = [&](TObject*) { ++thumbChanges; };
    f.Buttons()->OnChange = [&](TObject*) { ++buttonChanges; };
    f.Thumb()->SetColor(0xEEDBC8); // the start value
    EXPECT_EQ(thumbChanges, 0);
    f.Thumb()->SetColor(0x123456);
    EXPECT_EQ(thumbChanges, 1);
    f.Thumb()->SetColorMirrorHot(0x111111);
    f.Thumb()->SetColorMirrorDownTo(0x222222);
    EXPECT_EQ(thumbChanges, 1);
    EXPECT_EQ(f.Thumb()->ColorMirrorHot(), 0x111111);
    f.Buttons()->SetRepeatPause(50);
    f.Buttons()->SetStep(3);
    f.Buttons()->SetColorMirror(0x333333);
    EXPECT_EQ(buttonChanges, 0);
    f.Buttons()->SetSpacing(5);
    EXPECT_EQ(buttonChanges, 1);
}

TEST_F(AdvTrackBarAppearanceTest, PicturesDecideThumbSliderAndButtonSizes)
{
    {
        TAdvTrackBar f(nullptr); // horizontal
        LoadSolidPicture(f.Thumb()->Picture(), 20, 10, clRed);
        EXPECT_EQ(f.Thumb()->Size(), 10);
        EXPECT_EQ(f.Thumb()->Width(), 20);
        f.Thumb()->SetWidth(40);
        EXPECT_EQ(f.Thumb()->Width(), 20);
        f.Thumb()->SetPicture(nullptr);
        f.Thumb()->SetWidth(40);
        EXPECT_EQ(f.Thumb()->Width(), 40);
    }
    {
        TAdvTrackBar f(nullptr);
        f.SetOrientation(TTrackBarOrientation::trVertical);
        LoadSolidPicture(f.Thumb()->Picture(), 16, 29, clRed);
        EXPECT_EQ(f.Thumb()->Size(), 16);
        EXPECT_EQ(f.Thumb()->Width(), 29);
        LoadSolidPicture(f.Slider()->Picture(), 6, 40, clRed);
        EXPECT_EQ(f.Slider()->Size(), 6);
        EXPECT_EQ(f.Slider()->BorderColor(), clNone);
        LoadSolidPicture(f.Buttons()->MaxPicture(), 12, 18, clRed);
        EXPECT_EQ(f.Buttons()->Size(), 18);
        f.Buttons()->SetSize(30); // ignored while a picture sets it
        EXPECT_EQ(f.Buttons()->Size(), 18);
    }
}

TEST_F(AdvTrackBarAppearanceTest, AssignCopiesSameKindsOnly)
{
    TAdvTrackBar a(nullptr);
    TAdvTrackBar b(nullptr);
    a.Thumb()->SetColor(0x010203);
    a.Thumb()->SetWidth(12);
    a.Thumb()->SetShowAtMinMax(false);
    b.SetThumb(a.Thumb());
    EXPECT_EQ(b.Thumb()->Color(), 0x010203);
    EXPECT_EQ(b.Thumb()->Width(), 12);
    EXPECT_TRUE(b.Thumb()->ShowAtMinMax()); // not copied

    a.Slider()->SetSize(7);
    a.Slider()->SetDirection(TGradientDirection::gdVertical);
    b.SetSlider(a.Slider());
    EXPECT_EQ(b.Slider()->Size(), 7);
    EXPECT_EQ(b.Slider()->Direction(), TGradientDirection::gdHorizontal); // not copied

    b.Thumb()->Assign(a.Slider()); // ignored
    EXPECT_EQ(b.Thumb()->Width(), 12);
    EXPECT_THROW(b.Slider()->Assign(a.Thumb()), EConvertError);
    EXPECT_THROW(b.TickMark()->Assign(a.Thumb()), EConvertError);
}

TEST_F(AdvTrackBarAppearanceTest, TickFontChangesRecomputeTheTextHeight)
{
    TAdvTrackBar f(nullptr);
    f.TickMark()->SetShowText(true);
    f.TickMark()->SetPosition(TTickMark::tmTopLeft);
    const int before = f.GetTickRectTopLeft().Height();
    f.TickMark()->Font()->SetHeight(-30);
    const int after = f.GetTickRectTopLeft().Height();
    EXPECT_GT(after, before + 10);
}

TEST_F(AdvTrackBarAppearanceTest, StylePresetsClearPicturesAndSetColours)
{
    TAdvTrackBar f(nullptr);
    LoadSolidPicture(f.Thumb()->Picture(), 10, 10, clRed);
    LoadSolidPicture(f.Thumb()->PictureHot(), 10, 10, clRed);
    LoadSolidPicture(f.Slider()->Picture(), 10, 10, clRed);
    LoadSolidPicture(f.TickMark()->Picture(), 10, 10, clRed);
    f.Thumb()->SetShape(TThumbShape::tsRound);
    f.Slider()->SetOffset(3);
    f.TickMark()->SetPosition(TTickMark::tmBoth);
    const TColor before = f.Thumb()->Color();

    IComponentStyle& style = f;
    style.SetComponentStyle(TStylePreset::tsCustom);
    EXPECT_TRUE(f.Thumb()->Picture()->Empty());
    EXPECT_TRUE(f.Thumb()->PictureHot()->Empty());
    EXPECT_TRUE(f.Slider()->Picture()->Empty());
    EXPECT_TRUE(f.TickMark()->Picture()->Empty());
    EXPECT_EQ(f.Thumb()->Shape(), TThumbShape::tsPointer);
    EXPECT_EQ(f.Slider()->Offset(), 10);
    EXPECT_EQ(f.TickMark()->Position(), TTickMark::tmBottomRight);
    EXPECT_EQ(f.Thumb()->Color(), before);

    style.SetComponentStyle(TStylePreset::tsOffice2003Blue);
    EXPECT_EQ(f.Thumb()->Color(), 0xEEDBC8);
    EXPECT_EQ(f.Thumb()->BorderColor(), 0xE0B99B);
    EXPECT_EQ(f.Buttons()->Color(), 0xFEECDD);
    EXPECT_EQ(f.Buttons()->ColorMirrorTo(), 0xE2A981);
    EXPECT_EQ(f.Thumb()->ColorHot(), 0xCCF4FF);
    EXPECT_EQ(f.Thumb()->ColorMirrorHotTo(), 0x91D0FF);
    EXPECT_EQ(f.Thumb()->BorderColorDown(), 0x45667B);
    EXPECT_EQ(f.Thumb()->GradientMirror(), TGDIPGradient::ggVertical);
    EXPECT_EQ(f.Slider()->BorderColor(), 0xC29674);
    EXPECT_EQ(f.TickMark()->Color(), 0xC29674);

    style.SetComponentStyle(TStylePreset::tsOffice2010Black);
    EXPECT_EQ(f.Thumb()->ColorMirror(), clNone);
    EXPECT_EQ(f.Buttons()->ColorMirror(), 0x808080);
    EXPECT_EQ(f.Thumb()->ColorDown(), 0x65C7F5);
    EXPECT_EQ(f.Slider()->BorderColor(), 0x262626);

    style.SetComponentStyle(TStylePreset::tsWindowsXP);
    EXPECT_EQ(f.Thumb()->BorderColorHot(), clHighlight);
    EXPECT_EQ(f.Buttons()->ColorMirrorDown(), 0xB59284);
}

TEST_F(AdvTrackBarAppearanceTest, RatingModeLaysOutItemsAndClicksSetTheValue)
{
    TAdvTrackBar f(nullptr);
    f.SetMax(5);
    f.SetPosition(3);
    LoadSolidPicture(f.RateActive(), 12, 10, clRed);
    EXPECT_FALSE(f.IsRatingMode()); // one picture only: an ordinary fader
    LoadSolidPicture(f.RateInActive(), 12, 10, clBlue);
    ASSERT_TRUE(f.IsRatingMode());

    const TRect t = f.GetTrackRect();
    EXPECT_EQ(f.GetRatingItemRect(0), TRect(-1, -1, -1, -1));
    EXPECT_EQ(f.GetRatingItemRect(1), TRect(t.Left, t.Top, t.Left + 12, t.Top + 10));
    EXPECT_EQ(f.GetRatingItemRect(5), TRect(t.Left + 48, t.Top, t.Left + 60, t.Top + 10));
    EXPECT_EQ(f.RatingValueAt(t.Left + 50, t.Top + 2), 5);
    EXPECT_EQ(f.RatingValueAt(t.Left - 2, t.Top + 2), -1);

    int changes = 0;
    f.OnChange = [&](TObject*) { ++changes; };
    wtest::ClickAt(&f, t.Left + 50, t.Top + 2);
    EXPECT_EQ(f.Position(), 5);
    wtest::ClickAt(&f, t.Left - 2, t.Top + 2); // just left of the first item: clears
    EXPECT_EQ(f.Position(), 0);
    EXPECT_EQ(changes, 2);
    wtest::Mouse(&f, QEvent::MouseMove, t.Left + 30, t.Top + 2, Qt::LeftButton); // moves do nothing
    EXPECT_EQ(f.Position(), 0);

    // A narrow track wraps the items onto further rows.
    f.SetBounds(0, 0, 40, 60);
    const TRect n = f.GetTrackRect();
    EXPECT_EQ(f.GetRatingItemRect(4), TRect(n.Left + 12, n.Top + 10, n.Left + 24, n.Top + 20));
}

} // namespace
