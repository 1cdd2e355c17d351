// Repaints of a shown XY plot under its frame-rate limit: adds held back by the limit are painted
// once the frame period has passed, without another request; an update block holds them to its end.

#include "PlotTestSupport.h"

#include "plot/iXYPlot.h"

#include <gtest/gtest.h>

using namespace vcl;

namespace {

class PlotRepaintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 600, 300);
        plot = new TiXYPlot(form);
        plot->SetParent(form);
        plot->OnPaint = [this](TObject*, TCanvas*) { ++paints; };
        form->Show();
        clock.AdvanceMs(100);
        ASSERT_TRUE(ptest::WaitFor([this] { return paints > 0; }));
        ptest::Settle();
        paints = 0;
    }
    void TearDown() override { delete form; }

    void AddBurst(int count)
    {
        for (int i = 0; i < count; ++i)
            plot->Channel(0)->AddXY(i, i % 7);
    }

    ptest::ManualClock clock;
    TForm* form { nullptr };
    TiXYPlot* plot { nullptr };
    int paints { 0 };
};

TEST_F(PlotRepaintTest, AddsRightAfterAPaintWaitForTheFramePeriodThenPaintOnce)
{
    clock.AdvanceMs(100);
    AddBurst(10);
    ptest::Settle();
    ASSERT_EQ(paints, 1);

    clock.AdvanceMs(4); // well inside 1/60 s of that paint
    AddBurst(1000);
    ptest::Settle();
    EXPECT_EQ(paints, 1);
    EXPECT_TRUE(plot->NeedsRepaint());

    clock.AdvanceMs(20); // the period has passed: the held-back repaint comes without another request
    EXPECT_TRUE(ptest::WaitFor([this] { return paints == 2; }));
    ptest::Settle();
    EXPECT_EQ(paints, 2);
    EXPECT_FALSE(plot->NeedsRepaint());
}

TEST_F(PlotRepaintTest, AChangeAfterTheMergedBurstsPaintGetsItsOwnPaint)
{
    clock.AdvanceMs(100);
    AddBurst(1000);
    ptest::Settle();
    ASSERT_EQ(paints, 1);

    clock.AdvanceMs(100);
    plot->Channel(0)->AddXY(1000, 3);
    ptest::Settle();
    EXPECT_EQ(paints, 2);
    EXPECT_FALSE(plot->NeedsRepaint());
}

TEST_F(PlotRepaintTest, UpdateBlockHoldsTheRepaintUntilItEnds)
{
    clock.AdvanceMs(100);
    plot->BeginUpdate();
    AddBurst(1000);
    ptest::Settle();
    EXPECT_EQ(paints, 0);
    plot->EndUpdate();
    ptest::Settle();
    EXPECT_EQ(paints, 1);
}

} // namespace
