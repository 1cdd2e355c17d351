// The progress bar: which position writes are stored and which paint, the percentage, the level
// colours and the block layout of the progress window's 431 x 41 bar.

#include "widgets/AdvProgressBar.h"

#include "platform/ui/TBitmap.h"
#include "WidgetTestSupport.h"

#include <gtest/gtest.h>

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
