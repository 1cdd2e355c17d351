// The plot legend: how entries wrap into rows and columns, when the scroll arrows show and what
// they scroll, the room an empty legend takes, and the line samples.

#include "DecorationTestSupport.h"

#include "plot/iPlotChannel.h"
#include "plot/iPlotLegend.h"

using namespace vcl;

namespace {

class PlotLegendTest : public ptest::DecorationTest
{
protected:
    void SetUp() override
    {
        DecorationTest::SetUp();
        legend = plot->Legend(0);
    }
    // Channels "Channel 1" .. "Channel <count>".
    void MakeChannels(int count)
    {
        while (plot->ChannelCount() < count)
            plot->AddChannel();
    }
    void Click(TiPlotButton* button)
    {
        const TRect r = button->DrawRect();
        button->iMouseDown(TMouseButton::mbLeft, TShiftState(), r.Left + 2, r.Top + 2, 0, 0, nullptr);
        button->iMouseUp(TMouseButton::mbLeft, TShiftState(), r.Left + 2, r.Top + 2, 0, 0, false, nullptr);
    }
    TiPlotLegend* legend { nullptr };
};

// Fixed metrics: "0" is 6 x 10; margins of 1 give 6 left and right, 10 top and bottom; rows are
// 10 high plus Round(2.5) = 2 pixels of spacing; an entry is the 16-pixel line cell, 3 pixels of
// spacing and the widest title ("Channel 12", 60 pixels): 79 pixels.
TEST_F(PlotLegendTest, VerticalLegendShowsWhatFitsAndScrollsWithTheArrows)
{
    MakeChannels(12);
    legend->SetDrawRect(TRect(0, 0, 150, 70)); // items area 50 high: 4 rows
    EXPECT_EQ(legend->GetRequiredWidth(Canvas()), 79 + 12 + 25);
    EXPECT_EQ(legend->ItemWidth(), 79);
    EXPECT_EQ(legend->ActualWrapColCount(), 1);
    EXPECT_EQ(legend->ViewStopIndex(), 3);
    EXPECT_TRUE(legend->UpButton()->Visible());
    EXPECT_TRUE(legend->DownButton()->Visible());
    EXPECT_FALSE(legend->UpButton()->Enabled());
    EXPECT_EQ(legend->UpButton()->DrawRect(), TRect(127, 10, 144, 27));
    EXPECT_EQ(legend->DownButton()->DrawRect(), TRect(127, 43, 144, 60));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(legend->Item(i).ATop, 10 + 12 * i);
        EXPECT_EQ(legend->Item(i).ALeft, 6);
    }

    Click(legend->DownButton());
    legend->GetRequiredWidth(Canvas());
    EXPECT_EQ(legend->ViewStartIndex(), 1);
    EXPECT_EQ(legend->ViewStopIndex(), 4);
    EXPECT_TRUE(legend->UpButton()->Enabled());
    EXPECT_EQ(legend->Item(1).ATop, 10);
}

TEST_F(PlotLegendTest, DisabledLegendShowsNoArrowsAndDoesNotScroll)
{
    MakeChannels(12);
    legend->SetDrawRect(TRect(0, 0, 150, 70));
    legend->SetEnabled(false);
    legend->SetViewStartIndex(5);
    EXPECT_EQ(legend->GetRequiredWidth(Canvas()), 79 + 12);
    EXPECT_FALSE(legend->UpButton()->Visible());
    EXPECT_FALSE(legend->DownButton()->Visible());
    EXPECT_EQ(legend->ViewStartIndex(), 0);
    legend->GetRequiredWidth(Canvas());
    EXPECT_EQ(legend->ViewStopIndex(), 3);
}

TEST_F(PlotLegendTest, HorizontalLegendUsesThreeRowsWhenEntriesDoNotFit)
{
    MakeChannels(12);
    legend->SetHorizontal(true);
    legend->SetWrapRowAutoCountEnabled(false);
    legend->SetWrapRowDesiredCount(2);
    legend->SetWrapColDesiredCount(2);
    legend->SetDrawRect(TRect(0, 0, 300, 200));
    // Height: 10 + 3 rows x 12 - 2 + 10.
    EXPECT_EQ(legend->GetRequiredWidth(Canvas()), 54);
    EXPECT_EQ(legend->ViewStopIndex(), 5);
}

TEST_F(PlotLegendTest, LegendWithoutEntriesTakesNoRoomAndDrawsNothing)
{
    plot->Channel(0)->SetVisibleInLegend(false);
    legend->SetBackGroundTransparent(false);
    legend->SetDrawRect(TRect(0, 0, 150, 70));
    EXPECT_EQ(legend->GetRequiredWidth(Canvas()), 0);
    legend->SetHorizontal(true);
    EXPECT_EQ(legend->GetRequiredWidth(Canvas()), 0);
    const QImage before = bitmap->Image().copy();
    legend->Draw(Canvas(), clBlack);
    EXPECT_EQ(bitmap->Image(), before);
}

TEST_F(PlotLegendTest, WrapCountsBelowOneAreTakenAsOne)
{
    using Setter = void (TiPlotLegend::*)(int);
    using Getter = int (TiPlotLegend::*)() const;
    const std::pair<Setter, Getter> counts[] = {
        { &TiPlotLegend::SetWrapColDesiredCount, &TiPlotLegend::WrapColDesiredCount },
        { &TiPlotLegend::SetWrapRowDesiredCount, &TiPlotLegend::WrapRowDesiredCount },
        { &TiPlotLegend::SetWrapColAutoCountMax, &TiPlotLegend::WrapColAutoCountMax },
        { &TiPlotLegend::SetWrapRowAutoCountMax, &TiPlotLegend::WrapRowAutoCountMax },
    };
    TiPlotLegend* target = legend;
    for (const auto& count : counts) {
        for (int value : { 0, -4 }) {
            (target->*count.first)(value);
            EXPECT_EQ((target->*count.second)(), 1);
        }
    }
    MakeChannels(3);
    legend->SetWrapColAutoCountEnabled(true);
    legend->SetDrawRect(TRect(0, 0, 300, 200));
    EXPECT_GT(legend->GetRequiredWidth(Canvas()), 0);
}

TEST_F(PlotLegendTest, LineSampleIsDashedBySegmentsOnlyAtThirteenPixels)
{
    TiPlotChannelCustom* channel = plot->Channel(0);
    channel->SetColor(clRed);
    channel->SetTraceLineStyle(TiPlotLineStyle::iplsDot);
    legend->SetLineColumnHeight(0);
    legend->SetDrawRect(TRect(0, 0, 150, 70));
    legend->Draw(Canvas(), clBlack);
    const int y = 10 + 5; // the entry's top plus half of "0"
    std::vector<int> lit;
    for (int x = 6; x < 6 + 16; ++x)
        if (Pixel(x, y) == clRed)
            lit.push_back(x - 6);
    EXPECT_EQ(lit, (std::vector<int> { 0, 1, 4, 5, 8, 9 }));

    legend->SetLineColumnWidth(14);
    Canvas()->FillRect(TRect(0, 0, 400, 300));
    legend->Draw(Canvas(), clBlack);
    int count = 0;
    for (int x = 6; x < 6 + 14; ++x)
        count += Pixel(x, y) == clRed;
    EXPECT_GT(count, 0);
    EXPECT_LT(count, 14) << "a dotted pen line";
}

TEST_F(PlotLegendTest, EntryTitleCellBecomesTheChannelsLegendRectangle)
{
    legend->SetDrawRect(TRect(0, 0, 150, 70));
    legend->Draw(Canvas(), clBlack);
    // "Channel 1": 54 wide, after the line cell and spacing.
    EXPECT_EQ(plot->Channel(0)->LegendRect(), TRect(6 + 19, 10, 6 + 19 + 55, 20));
    EXPECT_EQ(legend->GetMouseOverObject(30, 15), plot->Channel(0));
}

} // namespace
