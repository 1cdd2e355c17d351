// The splash progress bar: its description's notices, geometry and value text, and the control's
// position, animation and glow.

#include "widgets/AdvSmoothSplashScreenProgress.h"
#include "widgets/WidgetTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vcl;

namespace {

TEST(AdvSmoothSplashProgress, SettersNotifyOnlyOnChangeStepNeverVisibleAlways)
{
    TGDIPSplashProgress p;
    int changes = 0;
    p.OnChange = [&](TObject* s) {
        EXPECT_EQ(s, &p);
        ++changes;
    };
    EXPECT_EQ(p.Left(), 50);
    EXPECT_EQ(p.Top(), 100);
    EXPECT_EQ(p.Width(), 300);
    EXPECT_EQ(p.Height(), 17);
    EXPECT_EQ(p.ValueFormat(), QStringLiteral("%.0f%%"));
    EXPECT_FALSE(p.Visible());

    p.SetLeft(50);
    p.SetMaximum(100);
    EXPECT_EQ(changes, 0);
    p.SetLeft(160);
    p.SetMaximum(200);
    EXPECT_EQ(changes, 2);
    p.SetStep(5);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(p.Step(), 5);
    p.SetVisible(false);
    EXPECT_EQ(changes, 3);
    p.ProgressFill()->SetColor(clWhite);
    p.Font()->SetColor(clRed);
    EXPECT_EQ(changes, 5);

    TGDIPSplashProgress copy;
    int copyChanges = 0;
    copy.OnChange = [&](TObject*) { ++copyChanges; };
    p.SetGlowAnimation(true);
    p.SetProgressAnimation(true);
    copy.Assign(&p);
    EXPECT_EQ(copyChanges, 1);
    EXPECT_EQ(copy.Left(), 160);
    EXPECT_EQ(copy.Maximum(), 200);
    EXPECT_EQ(copy.Step(), 5);
    EXPECT_TRUE(copy.GlowAnimation());
    EXPECT_TRUE(copy.ProgressAnimation());
    EXPECT_EQ(copy.ProgressFill()->Color(), clWhite);
    EXPECT_EQ(copy.Font()->Color(), clRed);
}

TEST(AdvSmoothSplashProgress, FilledPartFollowsTheRangeAndTheBorders)
{
    TGDIPSplashProgress p;
    const TRect r(0, 0, 101, 21);
    auto eq = [](const TGPRectF& a, TGPRectF b) {
        return a.X == b.X && a.Y == b.Y && a.Width == b.Width && a.Height == b.Height;
    };
    EXPECT_TRUE(eq(p.GetInsideRectF(r), { 0, 0, 100, 20 }));
    EXPECT_TRUE(eq(p.CalculateProgressRectangle(r, 0, 100, 50), { 0, 0, 50, 20 }));
    EXPECT_TRUE(eq(p.CalculateProgressRectangle(r, 0, 100, 150), { 0, 0, 100, 20 }));
    EXPECT_EQ(p.CalculateProgressRectangle(r, 100, 100, 50).Width, 0);
    EXPECT_EQ(p.CalculateProgressRectangle(r, 100, 0, 50).Width, 0);

    p.BackGroundFill()->SetBorderColor(clGray); // width 1: one pixel in from each side
    EXPECT_TRUE(eq(p.GetInsideRectF(r), { 1, 1, 98, 18 }));
    p.ProgressFill()->SetBorderColor(clBlack);
    p.ProgressFill()->SetBorderWidth(2);
    EXPECT_TRUE(eq(p.CalculateProgressRectangle(r, 0, 100, 50), { 2, 2, 48, 16 }));
    p.ProgressFill()->SetBorderWidth(0); // no border width: no border room
    EXPECT_TRUE(eq(p.CalculateProgressRectangle(r, 0, 100, 50), { 1, 1, 49, 18 }));
}

TEST(AdvSmoothSplashProgress, ValueText)
{
    TGDIPSplashProgress p;
    struct Case
    {
        TGDIPProgressValueType type;
        double min, max, pos;
        const char* text;
    };
    const Case cases[] = {
        { TGDIPProgressValueType::vtPercentage, 0, 200, 50, "25%" },
        { TGDIPProgressValueType::vtPercentage, 0, 100, 150, "100%" },
        { TGDIPProgressValueType::vtPercentage, 50, 50, 50, "50%" }, // empty range: the maximum
        { TGDIPProgressValueType::vtAbsolute, 0, 100, 42.4, "42%" },
        { TGDIPProgressValueType::vtAbsolute, 0, 100, -5, "0%" },
    };
    for (const auto& c : cases) {
        p.SetValueType(c.type);
        EXPECT_EQ(p.ValueText(c.min, c.max, c.pos), QString::fromLatin1(c.text)) << c.text;
    }
    p.SetValueFormat(QStringLiteral("%s"));
    EXPECT_EQ(p.ValueText(0, 100, 1), QString());
}

struct SplashProgressBarTest : ::testing::Test
{
    SplashProgressBarTest()
    {
        wtest::App();
        bar = std::make_unique<TAdvSplashProgressBar>(nullptr);
        bar->AnimationTimer()->SetEnabled(false); // ticks are driven by hand
        bar->OnPositionChanged = [this](TObject* s, double v) {
            EXPECT_EQ(s, bar.get());
            events.push_back(v);
        };
    }
    std::unique_ptr<TAdvSplashProgressBar> bar;
    std::vector<double> events;
};

TEST_F(SplashProgressBarTest, PositionIsClampedAndReported)
{
    EXPECT_EQ(bar->Width(), 150);
    EXPECT_EQ(bar->Height(), 17);
    bar->SetPosition(40);
    bar->SetPosition(140);
    bar->Next();
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_EQ(events, (std::vector<double> { 40, 100, 100 }));

    events.clear();
    bar->SetMaximum(60); // moves the position without a report
    EXPECT_EQ(bar->Position(), 60);
    bar->SetMinimum(80);
    EXPECT_EQ(bar->Position(), 80);
    EXPECT_TRUE(events.empty());
    bar->GoToStart();
    bar->Previous(5);
    EXPECT_EQ(bar->Position(), 80);
}

TEST_F(SplashProgressBarTest, AnimationCoversAFifteenthOfTheRestPerTick)
{
    bar->SetProgressAnimation(true);
    events.clear();
    bar->SetPosition(100);
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(bar->AnimationInProgress());
    bar->AnimationTick();
    EXPECT_NEAR(bar->Position(), 100.0 / 15, 1e-9);
    bar->AnimationTick();
    EXPECT_NEAR(bar->Position(), 100.0 / 15 + (100 - 100.0 / 15) / 15, 1e-9);
    for (int i = 0; i < 2000 && bar->AnimationInProgress(); ++i)
        bar->AnimationTick();
    EXPECT_FALSE(bar->AnimationInProgress());
    for (int i = 0; i < 500; ++i)
        bar->AnimationTick();
    EXPECT_EQ(bar->Position(), 100);
    const std::size_t before = events.size();
    bar->AnimationTick(); // at rest it still reports every tick
    EXPECT_EQ(events.size(), before + 1);
    EXPECT_EQ(events.back(), 100);
}

TEST_F(SplashProgressBarTest, GlowMovesOnlyAboveTheMinimum)
{
    bar->SetGlowAnimation(true);
    bar->AnimationTick();
    EXPECT_EQ(bar->GlowPos(), -40); // position at the minimum
    bar->SetPosition(50);
    bar->AnimationTick();
    EXPECT_EQ(bar->GlowPos(), -37);
    EXPECT_EQ(bar->GlowCount(), 3010);
    for (int i = 0; i < 100; ++i)
        bar->AnimationTick();
    // Past the filled part (74 px of a 149 px bar) it rests at -40 and counts again from 0.
    EXPECT_EQ(bar->GlowPos(), -40);
    EXPECT_LT(bar->GlowCount(), 1500);
}

TEST_F(SplashProgressBarTest, AppearanceGivesBoundsRangeAndPosition)
{
    TGDIPSplashProgress p;
    p.SetLeft(160);
    p.SetTop(220);
    p.SetHeight(12);
    p.SetMaximum(50);
    p.SetPosition(30);
    p.SetVisible(true);
    bar->SetAppearance(&p);
    EXPECT_EQ(bar->BoundsRect(), TRect(160, 220, 460, 232));
    EXPECT_EQ(bar->Maximum(), 50);
    EXPECT_EQ(bar->Position(), 30);
    EXPECT_TRUE(bar->Visible());
}

TEST_F(SplashProgressBarTest, StylePresetsColourBothFills)
{
    bar->SetComponentStyle(TStylePreset::tsOffice2007Luna);
    TGDIPFill* bg = bar->Appearance()->BackGroundFill();
    TGDIPFill* pf = bar->Appearance()->ProgressFill();
    EXPECT_EQ(bg->Color(), 0xFFD2AF);
    EXPECT_EQ(bg->BorderColor(), 0xC0C0C0);
    EXPECT_EQ(pf->ColorMirror(), 0xFFD1AD);
    EXPECT_EQ(pf->BorderColor(), 0xFFD1AD);
    EXPECT_EQ(pf->GradientMirrorType(), TAdvGradientType::gtVertical);
    bar->SetComponentStyle(TStylePreset::tsCustom);
    EXPECT_EQ(bg->Color(), 0xFFD2AF);
    bar->SetComponentStyle(TStylePreset::tsOffice2010Black);
    EXPECT_EQ(bg->BorderColor(), 0xD7D7D6);
    EXPECT_EQ(pf->ColorTo(), clNone);
    EXPECT_EQ(pf->ColorMirror(), clNone);
}

TEST_F(SplashProgressBarTest, PaintsTheFilledPartInTheProgressColour)
{
    TGDIPSplashProgress p;
    p.SetWidth(200);
    p.SetHeight(20);
    p.SetVisible(true);
    p.SetPosition(50);
    p.BackGroundFill()->SetColor(clBlack);
    p.BackGroundFill()->SetColorTo(clBlack);
    p.ProgressFill()->SetColor(clRed);
    p.ProgressFill()->SetColorTo(clRed);
    bar->SetAppearance(&p);
    const QImage img = wtest::Render(bar.get());
    const QColor filled = img.pixelColor(50, 10);
    const QColor empty = img.pixelColor(150, 10);
    EXPECT_GT(filled.red(), 200);
    EXPECT_LT(filled.green(), 80);
    EXPECT_LT(empty.red(), 60);
}

} // namespace
