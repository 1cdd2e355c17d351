// Point lists: growth, the ring buffer, deleting from the front with each class's error text, the
// compact classes' rounding and computed X, the null list's marker bits, and the wrapped-ring cases
// that must stay inside the allocated records.

#include "plot/iPlotDataLists.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

struct ListKind
{
    const char* name;
    TiPlotDataStyle style;
    const char* deleteError;
};

const ListKind Kinds[] = {
    { "Null", TiPlotDataStyle::ipdsStandard, "Delete size out of Range" },
    { "Full", TiPlotDataStyle::ipdsFullFeature, "Delete Size Out Of Range" },
    { "Compact", TiPlotDataStyle::ipdsCompact, "Delete size out of Range" },
    { "CompactInterval", TiPlotDataStyle::ipdsCompactInterval, "Delete size out of Range" },
};

std::string Raised(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (const vcl::Exception& e) {
        return e.Message().toStdString();
    }
    return "(nothing raised)";
}

class EveryList : public ::testing::TestWithParam<ListKind>
{
protected:
    std::unique_ptr<TiPlotDataCustomList> list { iCreatePlotDataList(GetParam().style) };
    void AddXs(std::initializer_list<double> xs)
    {
        for (double x : xs)
            list->Add(x, x * 10, false, false);
    }
};

TEST_P(EveryList, GrowsByTheGrowthRule)
{
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(list->Capacity(), 0);
    std::vector<int> capacities;
    for (int i = 0; i < 118; ++i) {
        list->Add(i, i, false, false);
        if (capacities.empty() || capacities.back() != list->Capacity())
            capacities.push_back(list->Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int> { 4, 8, 12, 28, 44, 60, 76, 95, 118 }));
    EXPECT_EQ(list->MemoryUsed(), std::int64_t(118) * list->DataPointSize());
}

TEST_P(EveryList, FullRingBufferReplacesTheOldestPoint)
{
    list->SetRingBufferSize(3);
    AddXs({ 1, 2, 3 });
    EXPECT_EQ(list->Add(4, 40, false, false), 2);
    EXPECT_EQ(list->Count(), 3);
    EXPECT_EQ(list->RingBufferSize(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(list->GetX(i), i + 2.0);
        EXPECT_DOUBLE_EQ(list->GetY(i), (i + 2.0) * 10);
    }
}

TEST_P(EveryList, ClearReleasesTheArrayOnlyWithoutRingBuffer)
{
    AddXs({ 1, 2, 3, 4, 5 });
    list->Clear();
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(list->Capacity(), 0);
    list->SetRingBufferSize(3);
    AddXs({ 1, 2, 3, 4 });
    list->Clear();
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(list->Capacity(), 3);
}

TEST_P(EveryList, DeletePointsRemovesTheOldestAndRefusesBadSizes)
{
    AddXs({ 0, 1, 2, 3, 4 });
    list->DeletePoints(2);
    ASSERT_EQ(list->Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_DOUBLE_EQ(list->GetY(i), (i + 2) * 10.0);
    EXPECT_EQ(Raised([&] { list->DeletePoints(-1); }), GetParam().deleteError);
    EXPECT_EQ(Raised([&] { list->DeletePoints(4); }), GetParam().deleteError);
    EXPECT_EQ(list->Count(), 3);
    const bool wholeAllowed = GetParam().style == TiPlotDataStyle::ipdsCompactInterval;
    const std::string whole = Raised([&] { list->DeletePoints(3); });
    EXPECT_EQ(whole, wholeAllowed ? "(nothing raised)" : GetParam().deleteError);
    EXPECT_EQ(list->Count(), wholeAllowed ? 0 : 3);
}

TEST_P(EveryList, IndexAndCapacityErrors)
{
    AddXs({ 1 });
    EXPECT_EQ(Raised([&] { list->GetY(1); }), "Index out of Bounds");
    EXPECT_EQ(Raised([&] { list->GetY(-1); }), "Index out of Bounds");
    EXPECT_EQ(Raised([&] { list->SetY(1, 0); }), "Index out of Bounds");
    EXPECT_EQ(Raised([&] { list->SetCapacity(list->MaxDataPoints() + 1); }), "Exceed Maximum List Size");
    EXPECT_EQ(list->Count(), 1);
}

// A wrapped ring reached through DeletePoints, capacity changes and a capacity of 0 keeps every
// access inside its records (AddressSanitizer watches) and the oldest points go first.
TEST_P(EveryList, WrappedRingStaysInsideItsRecords)
{
    list->SetRingBufferSize(4);
    AddXs({ 1, 2, 3, 4, 5, 6 }); // holds 3 4 5 6, wrapped
    list->DeletePoints(1);
    ASSERT_EQ(list->Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_DOUBLE_EQ(list->GetY(i), (i + 4) * 10.0);

    list->Clear();
    AddXs({ 1, 2, 3, 4, 5, 6 }); // wrapped again
    list->SetCapacity(2);
    ASSERT_EQ(list->Count(), 2);
    EXPECT_DOUBLE_EQ(list->GetY(0), 30.0);
    EXPECT_DOUBLE_EQ(list->GetY(1), 40.0);
    list->Add(7, 70, false, false);
    EXPECT_DOUBLE_EQ(list->GetY(1), 70.0);

    list->SetCapacity(0);
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(list->Add(8, 80, false, false), 0);
    EXPECT_DOUBLE_EQ(list->GetY(0), 80.0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryList, ::testing::ValuesIn(Kinds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlotDataList, CompactIntervalComputesXFromTheFirstTwoPoints)
{
    TiPlotDataCompactIntervalList list;
    list.Add(10, 1, false, false);
    list.Add(12.5, 2, false, false);
    list.Add(99, 3, false, false);
    EXPECT_DOUBLE_EQ(list.GetX(0), 10);
    EXPECT_DOUBLE_EQ(list.GetX(1), 12.5);
    EXPECT_DOUBLE_EQ(list.GetX(2), 15);
    list.SetX(0, 0);
    EXPECT_DOUBLE_EQ(list.GetX(2), 5);
    EXPECT_EQ(Raised([&] { list.SetX(1, 0); }),
              "Data Style does not support setting individual X-Value with the exception of the first X-Value");
    list.Clear();
    EXPECT_DOUBLE_EQ(list.Interval(), -1);
}

TEST(PlotDataList, CompactListsRoundToSingleAndKeepNoGaps)
{
    for (TiPlotDataStyle style : { TiPlotDataStyle::ipdsCompact, TiPlotDataStyle::ipdsCompactInterval }) {
        auto list = iCreatePlotDataList(style);
        list->Add(0.1, 0.1, true, true);
        double x = 0, y = 0;
        bool empty = true, null = true;
        list->GetXYEmptyNull(0, x, y, empty, null);
        EXPECT_EQ(y, double(0.1f));
        EXPECT_FALSE(empty);
        EXPECT_FALSE(null);
        EXPECT_FALSE(list->GetNull(0));
    }
}

TEST(PlotDataList, NullListKeepsMarkerBitsPerPointAndTheRestFromTheDefaults)
{
    TiPlotDataNullList list;
    list.Stored.MarkerVisible = true;
    list.Stored.MarkerStyle = TiPlotMarkerStyle::ipmsTriangleLeft;
    list.Stored.TraceLineColor = 0x0000FF;
    list.Add(1, 1, false, true);
    list.Stored.MarkerVisible = false;
    list.Stored.MarkerStyle = TiPlotMarkerStyle::ipmsCross;
    list.Stored.TraceLineColor = 0x00FF00;
    list.Add(2, 2, true, false);

    EXPECT_TRUE(list.GetMarkerVisible(0));
    EXPECT_EQ(list.GetMarkerStyle(0), TiPlotMarkerStyle::ipmsTriangleLeft);
    EXPECT_TRUE(list.GetEmpty(0));
    EXPECT_FALSE(list.GetNull(0));
    EXPECT_FALSE(list.GetMarkerVisible(1));
    EXPECT_EQ(list.GetMarkerStyle(1), TiPlotMarkerStyle::ipmsCross);
    EXPECT_TRUE(list.GetNull(1));
    EXPECT_EQ(list.GetTraceLineColor(0), 0x00FF00); // follows the channel's current colour

    list.SetMarkerStyle(0, TiPlotMarkerStyle::ipmsCharacter);
    EXPECT_EQ(list.GetMarkerStyle(0), TiPlotMarkerStyle::ipmsCharacter);
    EXPECT_TRUE(list.GetMarkerVisible(0));
    EXPECT_TRUE(list.GetEmpty(0));
}

TEST(PlotDataList, FullListKeepsEveryAttributeFromWhenThePointWasAdded)
{
    TiPlotDataFullList list;
    list.Stored.TraceLineColor = 0x123456;
    list.Add(1, 1, false, false);
    list.Stored.TraceLineColor = 0;
    list.SetBarWidth(0, 2.5);
    EXPECT_EQ(list.GetTraceLineColor(0), 0x123456);
    EXPECT_DOUBLE_EQ(list.GetBarWidth(0), 2.5);
    EXPECT_TRUE(list.GetBarVisible(0));
}

} // namespace
