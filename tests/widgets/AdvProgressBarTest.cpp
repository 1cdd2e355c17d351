// The progress bar: which position writes are stored and which paint, the percentage, the level
// colours, the block layout of the progress window's 431 x 41 bar, the other drawing options
// (vertical, smooth, stacked, level zones, the endless display), the animation timer and the form.

#include "widgets/AdvProgressBar.h"

#include "platform/core/PublishedProperties.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TForm.h"
#include "FormStreamSupport.h"
#include "WidgetTestSupport.h"

#include <gtest/gtest.h>

#include <QRect>

namespace {

struct Write
{
    int value;
    int stored;
    bool paints;
};

void RunWrites(TAdvProgressBar& bar, const std::vector<Write>& writes)
{
    for (const auto& w : writes) {
        const int before = bar.PositionPaints();
        bar.SetPosition(w.value);
        EXPECT_EQ(bar.Position(), w.stored) << "write " << w.value;
        EXPECT_EQ(bar.PositionPaints() - before, w.paints ? 1 : 0) << "write " << w.value;
    }
}

vcl::TColor At(vcl::TBitmap& bmp, int x, int y)
{
    return bmp.Canvas()->Pixels(x, y);
}

} // namespace

TEST(AdvProgressBar, PositionWritesClampAndPaintOncePerBlockOrPercentage)
{
    wtest::App();
    TAdvProgressBar bar(nullptr);
    bar.SetMax(250); // block size 2
    RunWrites(bar, { { 100, 100, true }, { 101, 101, false }, { 102, 102, true }, { 103, 103, false },
                     // out of range: the bound is stored without a paint
                     { 300, 250, false }, { -5, 0, false }, { 50, 50, true } });

    TAdvProgressBar flat(nullptr);
    flat.SetMax(0); // Max = Min: block size 0, every in-range write paints, nothing to show
    RunWrites(flat, { { 0, 0, true }, { 0, 0, true }, { 7, 0, false } });
    EXPECT_EQ(flat.Percentage(), 0);

    TAdvProgressBar small(nullptr); // 0..15 as the upload steps it: block size 0
    small.SetMax(15);
    RunWrites(small, { { 0, 0, true }, { 1, 1, true }, { 1, 1, true }, { 15, 15, true }, { 16, 15, false } });
}

TEST(AdvProgressBar, MaxIsStoredWithoutClampingThePosition)
{
    wtest::App();
    TAdvProgressBar bar(nullptr);
    bar.SetMax(100);
    bar.SetPosition(80);
    bar.SetMax(30);
    EXPECT_EQ(bar.Position(), 80);
    EXPECT_EQ(bar.Max(), 30);
    EXPECT_EQ(bar.Percentage(), 267);

    // Min is not subtracted from the value.
    bar.SetMin(50);
    bar.SetMax(150);
    bar.SetPosition(100);
    EXPECT_EQ(bar.Percentage(), 100);
    EXPECT_EQ(bar.PositionText(), QStringLiteral("100%"));
    bar.SetShowPercentage(false);
    EXPECT_EQ(bar.PositionText(), QStringLiteral("100"));

    // Halves round to even.
    TAdvProgressBar halves(nullptr);
    halves.SetMax(200);
    halves.SetPosition(1);
    EXPECT_EQ(halves.Percentage(), 0);
    halves.SetPosition(3);
    EXPECT_EQ(halves.Percentage(), 2);
}

TEST(AdvProgressBar, BlocksAndLevelColoursOnTheProgressWindowBar)
{
    wtest::App();
    TAdvProgressBar bar(nullptr);
    bar.SetBounds(0, 0, 431, 41);
    bar.SetShowPosition(false);
    bar.SetShowGradient(false);
    bar.SetRounded(false);
    bar.SetMax(100);
    vcl::TBitmap bmp;
    bmp.SetSize(431, 41);

    bar.SetPosition(40); // c = 429, n = 172: 19 blocks of 7 with gaps of 2, no last block
    bar.DrawTo(bmp);
    const vcl::TColor fill = bar.LevelColor(0);
    EXPECT_EQ(At(bmp, 0, 20), bar.BorderColor());
    EXPECT_EQ(At(bmp, 1, 20), bar.BackgroundColor());
    EXPECT_EQ(At(bmp, 2, 20), fill);
    EXPECT_EQ(At(bmp, 8, 20), fill);
    EXPECT_EQ(At(bmp, 9, 20), bar.BackgroundColor());
    EXPECT_EQ(At(bmp, 11, 20), fill);
    EXPECT_EQ(At(bmp, 164, 2), fill);
    EXPECT_EQ(At(bmp, 170, 38), fill);
    EXPECT_EQ(At(bmp, 164, 1), bar.BackgroundColor());
    EXPECT_EQ(At(bmp, 171, 20), bar.BackgroundColor());
    EXPECT_EQ(At(bmp, 175, 20), bar.BackgroundColor());

    struct Level
    {
        int position;
        int level;
    };
    for (const Level& l : { Level { 69, 0 }, Level { 70, 1 }, Level { 89, 1 }, Level { 90, 2 }, Level { 99, 2 },
                            Level { 100, 3 } }) {
        bar.SetPosition(l.position);
        bar.DrawTo(bmp);
        EXPECT_EQ(At(bmp, 4, 20), bar.LevelColor(l.level)) << l.position;
    }

    bar.SetPosition(0);
    bar.DrawTo(bmp);
    EXPECT_EQ(At(bmp, 4, 20), bar.BackgroundColor());
}

TEST(AdvProgressBar, GradientHalvesAndRoundedCorners)
{
    wtest::App();
    TAdvProgressBar bar(nullptr);
    bar.SetShowPosition(false);
    bar.SetMax(100);
    bar.SetPosition(50);
    vcl::TBitmap bmp;
    bmp.SetSize(431, 41);
    bar.DrawTo(bmp);
    // Corners outside the rounded frame keep the transparent mask colour.
    EXPECT_EQ(At(bmp, 0, 0), vcl::TColor(0xFF00FF));
    // The upper half runs from the light colour at the top to the level colour at the middle,
    // the lower half back to the light colour.
    EXPECT_EQ(At(bmp, 4, 2), bar.LevelColorTo(0));
    EXPECT_EQ(At(bmp, 4, 20), bar.LevelColor(0));
    EXPECT_NE(At(bmp, 4, 37), bar.LevelColor(0));
}

namespace {

// A flat, square-cornered bar without text: every pixel is one of the colours the options choose.
void Plain(TAdvProgressBar& bar, int w, int h)
{
    bar.SetBounds(0, 0, w, h);
    bar.SetShowPosition(false);
    bar.SetShowGradient(false);
    bar.SetRounded(false);
}

void Drawn(const TAdvProgressBar& bar, vcl::TBitmap& bmp)
{
    bmp.SetSize(bar.Width(), bar.Height());
    bar.DrawTo(bmp);
}

struct Probe
{
    int x;
    int y;
    vcl::TColor colour;
};

void ExpectPixels(vcl::TBitmap& bmp, std::initializer_list<Probe> probes, const char* what)
{
    for (const Probe& p : probes)
        EXPECT_EQ(At(bmp, p.x, p.y), p.colour) << what << " at " << p.x << "," << p.y;
}

// The bounding box of the pixels in `colour`.
QRect Extent(vcl::TBitmap& bmp, vcl::TColor colour)
{
    QRect box;
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x)
            if (At(bmp, x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(AdvProgressBar, GradientBandsStopOneStepShortOfTheTargetColour)
{
    wtest::App();
    vcl::TBitmap bmp;
    bmp.SetSize(8, 8);
    // Red 0 -> 80 in 4 steps of 20 over 8 pixels: bands of 2, the last one 60.
    DrawGaugeGradient(*bmp.Canvas(), vcl::RGB(0, 0, 0), vcl::RGB(80, 0, 0), false, vcl::TRect(0, 0, 8, 8), 4);
    const int reds[] = { 0, 0, 20, 20, 40, 40, 60, 60 };
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(At(bmp, x, 5), vcl::RGB(reds[x], 0, 0)) << x;
    // Along y with the green channel, and 0 steps behaving as 1: the whole rectangle in the start colour.
    DrawGaugeGradient(*bmp.Canvas(), vcl::RGB(0, 100, 0), vcl::RGB(0, 0, 0), true, vcl::TRect(0, 0, 8, 4), 2);
    EXPECT_EQ(At(bmp, 3, 1), vcl::RGB(0, 100, 0));
    EXPECT_EQ(At(bmp, 3, 2), vcl::RGB(0, 50, 0));
    EXPECT_EQ(At(bmp, 3, 4), vcl::RGB(20, 0, 0)); // below the rectangle: untouched
    DrawGaugeGradient(*bmp.Canvas(), vcl::RGB(9, 9, 9), vcl::RGB(200, 0, 0), false, vcl::TRect(0, 0, 8, 8), 0);
    EXPECT_EQ(At(bmp, 7, 7), vcl::RGB(9, 9, 9));
}

TEST(AdvProgressBar, VerticalBarsFillUpwardFromTheBottom)
{
    wtest::App();
    TAdvProgressBar bar(nullptr);
    Plain(bar, 41, 120); // c = 118
    bar.SetOrientation(TGaugeOrientation::goVertical);
    const vcl::TColor fill = bar.LevelColor(0);
    const vcl::TColor bg = bar.BackgroundColor();

    // 40%: n = 47, five blocks of 7 upward from the bottom (rows 111..117, 102..108, ... 75..81).
    bar.SetPosition(40);
    vcl::TBitmap blocks;
    Drawn(bar, blocks);
    ExpectPixels(blocks, { { 20, 117, fill }, { 20, 111, fill }, { 20, 110, bg }, { 20, 109, bg }, { 20, 108, fill },
                           { 2, 105, fill }, { 38, 105, fill }, { 1, 105, bg }, { 39, 105, bg }, { 20, 100, bg }, { 20, 75, fill },
                           { 20, 74, bg }, { 20, 118, bg } },
                 "blocks");

    // Smooth: one bar from B - 2 up to B - round(p / 100 x c) = 120 - 47.
    bar.SetCompletionSmooth(true);
    vcl::TBitmap smooth;
    Drawn(bar, smooth);
    ExpectPixels(smooth, { { 20, 117, fill }, { 20, 110, fill }, { 20, 73, fill }, { 20, 72, bg } }, "smooth");
    bar.SetCompletionSmooth(false);

    // The gradient halves run across the bar: light at the left and right edges, level colour in the middle.
    bar.SetShowGradient(true);
    vcl::TBitmap gradient;
    Drawn(bar, gradient);
    EXPECT_EQ(At(gradient, 2, 115), bar.LevelColorTo(0));
    EXPECT_EQ(At(gradient, 20, 115), bar.LevelColor(0));
    EXPECT_EQ(At(gradient, 20, 113), At(gradient, 20, 116)); // the same colour all along a column's rows
}

TEST(AdvProgressBar, TextIsCentredAndTurnedOnAVerticalBar)
{
    wtest::App();
    TAdvProgressBar bar(nullptr);
    Plain(bar, 200, 41);
    bar.SetShowPosition(true);
    bar.SetPosition(0);
    vcl::TFont font;
    font.SetName(QStringLiteral("Verdana"));
    font.SetHeight(-13);
    font.SetColor(vcl::RGB(1, 2, 3));
    bar.SetFont(font);
    vcl::TBitmap across;
    Drawn(bar, across);
    const QRect flat = Extent(across, vcl::RGB(1, 2, 3));
    ASSERT_FALSE(flat.isEmpty());
    EXPECT_GT(flat.width(), flat.height());
    EXPECT_NEAR(flat.center().x(), 100, 3);

    bar.SetBounds(0, 0, 41, 200);
    bar.SetOrientation(TGaugeOrientation::goVertical);
    vcl::TBitmap up;
    Drawn(bar, up);
    const QRect turned = Extent(up, vcl::RGB(1, 2, 3));
    ASSERT_FALSE(turned.isEmpty());
    EXPECT_GT(turned.height(), turned.width());
    EXPECT_NEAR(turned.center().y(), 100, 3);
    EXPECT_NEAR(turned.center().x(), 20, 4);
}

TEST(AdvProgressBar, StackedSegmentsAndLevelZones)
{
    wtest::App();
    TAdvProgressBar bar(nullptr);
    Plain(bar, 202, 20); // c = 200: level 1 at 140, level 2 at 180
    bar.SetStacked(true);
    const vcl::TColor l0 = bar.LevelColor(0), l1 = bar.LevelColor(1), l2 = bar.LevelColor(2);
    const vcl::TColor bg = bar.BackgroundColor();

    struct Case
    {
        int position;
        std::initializer_list<Probe> probes;
    };
    const Case cases[] = {
        // Below Level1Perc only the first segment; segments span T + 1 .. B - 1.
        { 50, { { 2, 1, l0 }, { 99, 18, l0 }, { 100, 10, bg }, { 2, 0, bar.BorderColor() } } },
        { 95, { { 139, 10, l0 }, { 140, 10, l1 }, { 179, 10, l1 }, { 180, 10, l2 }, { 189, 10, l2 }, { 190, 10, bg } } },
        // At 100 the last segment fills the rest in the level-2 pair, never the level-3 one.
        { 100, { { 180, 10, l2 }, { 199, 10, l2 }, { 200, 10, bg } } },
    };
    for (const Case& c : cases) {
        bar.SetPosition(c.position);
        vcl::TBitmap bmp;
        Drawn(bar, bmp);
        ExpectPixels(bmp, c.probes, "stacked");
    }

    // Level zones behind an empty bar: zone 0 from L + 2, zone 1 left out (clNone), zone 2 to R - 2.
    bar.SetStacked(false);
    bar.SetPosition(0);
    bar.SetLevelBkColor(0, vcl::RGB(200, 0, 0));
    bar.SetLevelBkColor(2, vcl::RGB(0, 0, 200));
    vcl::TBitmap zones;
    Drawn(bar, zones);
    ExpectPixels(zones, { { 1, 10, bg }, { 2, 1, vcl::RGB(200, 0, 0) }, { 139, 18, vcl::RGB(200, 0, 0) },
                          { 140, 10, bg }, { 179, 10, bg }, { 180, 10, vcl::RGB(0, 0, 200) },
                          { 199, 10, vcl::RGB(0, 0, 200) }, { 200, 10, bg } },
                 "zones");
    // Blocks draw over the zones.
    bar.SetPosition(10);
    vcl::TBitmap over;
    Drawn(bar, over);
    ExpectPixels(over, { { 4, 10, l0 }, { 4, 1, vcl::RGB(200, 0, 0) } }, "blocks over zones");
}

TEST(AdvProgressBar, TextFollowsFormatOrFallsBackWhenItDoesNotFit)
{
    wtest::App();
    TAdvProgressBar bar(nullptr);
    bar.SetMax(250);
    bar.SetPosition(100);
    EXPECT_EQ(bar.PositionText(), QStringLiteral("40%"));
    bar.SetFormat(QStringLiteral("%d of %d"));
    EXPECT_EQ(bar.PositionText(), QStringLiteral("100 of 250"));
    bar.SetFormat(QStringLiteral("%d %d %d")); // one value too few: the plain text, no failure in a paint
    EXPECT_EQ(bar.PositionText(), QStringLiteral("40%"));
}

TEST(AdvProgressBar, EndlessDisplayBouncesInStepsOfFourAndShowsAWindow)
{
    wtest::App();
    TAdvProgressBar bar(nullptr);
    Plain(bar, 206, 20); // the window moves over R - L - 4 = 202 pixels
    bar.SetInfinite(true);
    EXPECT_FALSE(bar.InfiniteTimer()->Enabled()); // not animated
    EXPECT_EQ(bar.InfinitePos(), 0);

    // It starts at 0 moving down: the first tick keeps 0 and turns up.
    std::vector<int> seen;
    for (int i = 0; i < 28; ++i) {
        bar.InfiniteTimerTick();
        seen.push_back(bar.InfinitePos());
    }
    std::vector<int> expected { 0 };
    for (int v = 4; v <= 100; v += 4)
        expected.push_back(v);
    expected.push_back(96);
    expected.push_back(92);
    EXPECT_EQ(seen, expected);

    // At 50 (q = 101): the whole bar in the level-0 pair, blanked outside 91 .. 112.
    while (bar.InfinitePos() != 52)
        bar.InfiniteTimerTick();
    bar.InfiniteTimerTick(); // 48
    bar.InfiniteTimerTick(); // 44
    bar.SetInfinite(true);   // switching on again restarts at 0, still moving down:
    EXPECT_EQ(bar.InfinitePos(), 0);
    bar.InfiniteTimerTick(); // the first tick keeps 0 and turns up
    EXPECT_EQ(bar.InfinitePos(), 0);
    for (int i = 0; i < 13; ++i) // 4 .. 52
        bar.InfiniteTimerTick();
    ASSERT_EQ(bar.InfinitePos(), 52); // q = round(0.52 x 202) = 105: window 95 .. 116
    bar.SetPosition(0); // the endless display ignores the position
    vcl::TBitmap bmp;
    Drawn(bar, bmp);
    const vcl::TColor fill = bar.LevelColor(0);
    const vcl::TColor bg = bar.BackgroundColor();
    ExpectPixels(bmp, { { 50, 10, bg }, { 94, 10, bg }, { 97, 10, fill }, { 114, 10, fill }, { 118, 10, bg },
                        { 200, 10, bg } },
                 "window");
}

TEST(AdvProgressBar, TheOwnedTimerRunsOnlyWhenInfiniteAndAnimated)
{
    wtest::App();
    vcl::TForm form(nullptr);
    TAdvProgressBar* bar = new TAdvProgressBar(&form);
    bar->SetParent(&form);
    bar->SetInfiniteInterval(5);
    EXPECT_EQ(bar->InfiniteTimer()->Interval(), 5u);
    bar->SetAnimated(true);
    EXPECT_FALSE(bar->InfiniteTimer()->Enabled());
    bar->SetInfinite(true);
    EXPECT_TRUE(bar->InfiniteTimer()->Enabled());
    const int paints = bar->PositionPaints();
    // The timer's own ticks move the window and paint each time.
    QTRY_VERIFY_WITH_TIMEOUT(bar->InfinitePos() >= 8, 20000);
    EXPECT_GT(bar->PositionPaints() - paints, 2);
    bar->SetAnimated(false);
    EXPECT_FALSE(bar->InfiniteTimer()->Enabled());
    bar->SetAnimated(true);
    bar->SetInfinite(false);
    EXPECT_FALSE(bar->InfiniteTimer()->Enabled());
}

TEST(AdvProgressBar, FormKeepsChangedValuesAndAlwaysWritesTheProgressWindowsOnes)
{
    wtest::App();
    TAdvProgressBar plain(nullptr);
    const QByteArray defaults = wtest::WriteForm(plain);
    for (const char* name : { "Position", "Level0ColorTo", "Level1ColorTo", "Level2Color", "Level2ColorTo",
                              "Level3ColorTo", "Level1Perc", "Level2Perc", "ShowBorder", "Format", "Font.Name" })
        EXPECT_TRUE(wtest::Written(defaults, QString::fromLatin1(name))) << name;
    for (const char* name : { "Min", "Max", "Level0Color", "Level0BkColor", "Rounded", "Orientation", "Stacked",
                              "Steps", "Infinite", "InfiniteInterval", "Version" })
        EXPECT_FALSE(wtest::Written(defaults, QString::fromLatin1(name))) << name;

    TAdvProgressBar source(nullptr);
    source.SetMax(250);
    source.SetPosition(120);
    source.SetLevelColor(0, 0x123456);
    source.SetLevelBkColor(1, 0x00AA00);
    source.SetOrientation(TGaugeOrientation::goVertical);
    source.SetStacked(true);
    source.SetCompletionSmooth(true);
    source.SetSteps(3);
    source.SetFormat(QStringLiteral("%d/%d"));
    source.Font()->SetHeight(-13);
    source.SetInfiniteInterval(80);
    source.SetBounds(8, 9, 431, 41);
    TAdvProgressBar target(nullptr);
    wtest::ReadForm(wtest::WriteForm(source), target);
    EXPECT_EQ(target.Max(), 250);
    EXPECT_EQ(target.Position(), 120);
    EXPECT_EQ(target.LevelColor(0), vcl::TColor(0x123456));
    EXPECT_EQ(target.LevelBkColor(1), vcl::TColor(0x00AA00));
    EXPECT_EQ(target.Orientation(), TGaugeOrientation::goVertical);
    EXPECT_TRUE(target.Stacked());
    EXPECT_TRUE(target.CompletionSmooth());
    EXPECT_EQ(target.Steps(), 3);
    EXPECT_EQ(target.Format(), QStringLiteral("%d/%d"));
    EXPECT_EQ(target.Font()->Height(), -13);
    EXPECT_EQ(target.Font()->Name(), QStringLiteral("Verdana"));
    EXPECT_EQ(target.InfiniteInterval(), 80);
    EXPECT_EQ(target.BoundsRect(), vcl::TRect(8, 9, 439, 50));

    // Version reads the same whatever is written to it.
    const vcl::TPropertyInfo* version = vcl::FindPublishedProperty(target, QStringLiteral("Version"));
    ASSERT_NE(version, nullptr);
    vcl::SetPropText(target, *version, QStringLiteral("9.9"));
    EXPECT_EQ(vcl::GetPropText(target, *version), QStringLiteral("1.2.0.1"));
}
