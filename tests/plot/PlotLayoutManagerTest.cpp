// The layout manager: ZOrder stacking on insertion and removal, merging of non-overlapping spans,
// the four side lists and their keys, and re-stacking when the axes swap sides.

#include "PlotTestSupport.h"

#include "plot/iGPPropertyList.h"
#include "plot/iPlotMasterManager.h"

#include "platform/ui/TPanel.h"

#include <gtest/gtest.h>

#include <memory>

using namespace vcl;

namespace {

class PlotLayoutManagerTest : public ptest::MasterManagerTest
{
protected:
    TiPlotLayoutManager* layout() const { return master->LayoutManager(); }
    TiPlotXAxis* xAxis(int i) const { return master->XAxisManager()->Item(i); }
    QString Keys(const TiLayoutSideList& list) const
    {
        QStringList keys;
        for (int i = 0; i < list.Count(); ++i)
            keys << list.Strings(i) + u':' + list.Objects(i)->Name();
        return keys.join(u' ');
    }

};

TEST_F(PlotLayoutManagerTest, OverlappingNewcomerTakesTheOutermostRow)
{
    master->AddXAxis();
    EXPECT_EQ(xAxis(0)->ZOrder(), 0);
    EXPECT_EQ(layout()->DataViewHorz()->ZOrder(), 1); // row 0 was free
    master->AddXAxis();
    EXPECT_EQ(xAxis(1)->ZOrder(), 0);
    EXPECT_EQ(xAxis(0)->ZOrder(), 1);
    EXPECT_EQ(layout()->DataViewHorz()->ZOrder(), 2);
    EXPECT_EQ(layout()->DataViewVert()->ZOrder(), 1); // the other axis of stacking is untouched
    EXPECT_EQ(Keys(layout()->BottomList()), QStringLiteral("000000:X-Axis 2 001000:X-Axis 1"));
    EXPECT_EQ(layout()->BottomUniqueCount(), 2);
}

TEST_F(PlotLayoutManagerTest, DisjointSpansShareARow)
{
    layout()->SetEnabled(false);
    master->AddXAxis();
    xAxis(0)->SetStartPercent(60);
    layout()->SetEnabled(true);
    const int toolbar = master->AddToolBar();
    TiPlotToolBar* bar = master->ToolBarManager()->Item(toolbar);
    // The toolbar came in at 0..100 and was stacked; a second one at 0..50 merges with the axis.
    layout()->RemoveZOrder(bar);
    bar->SetStopPercent(50);
    bar->SetZOrder(5);
    layout()->InsertZOrder(bar, 0, TiInsertDirection::iidMerge);
    EXPECT_EQ(bar->ZOrder(), 0);
    EXPECT_EQ(xAxis(0)->ZOrder(), 0);
    EXPECT_EQ(Keys(layout()->BottomList()), QStringLiteral("000000:Toolbar 1 000060:X-Axis 1"));
    EXPECT_EQ(layout()->BottomUniqueCount(), 1);
}

TEST_F(PlotLayoutManagerTest, RemovalClosesTheGapUnlessTheRowIsShared)
{
    layout()->SetEnabled(false);
    for (int i = 0; i < 3; ++i)
        master->AddXAxis();
    xAxis(0)->SetZOrder(0);
    xAxis(1)->SetZOrder(0);
    xAxis(2)->SetZOrder(1);
    layout()->DataViewHorz()->SetZOrder(2);
    layout()->SetEnabled(true);

    TiPlotObject::Free(xAxis(1)); // shares 0 with X-Axis 1: nothing moves
    EXPECT_EQ(xAxis(1)->ZOrder(), 1);
    EXPECT_EQ(layout()->DataViewHorz()->ZOrder(), 2);

    TiPlotObject::Free(xAxis(0)); // alone at 0: the rest moves in, placeholder included
    EXPECT_EQ(xAxis(0)->ZOrder(), 0);
    EXPECT_EQ(layout()->DataViewHorz()->ZOrder(), 1);
}

TEST_F(PlotLayoutManagerTest, InsertAboveMovesOnlyThePeersBeyond)
{
    layout()->SetEnabled(false);
    for (int i = 0; i < 3; ++i)
        master->AddXAxis();
    xAxis(0)->SetZOrder(1);
    xAxis(1)->SetZOrder(2);
    layout()->DataViewHorz()->SetZOrder(5);
    layout()->SetEnabled(true);
    layout()->InsertZOrder(xAxis(2), 1, TiInsertDirection::iidAbove);
    EXPECT_EQ(xAxis(0)->ZOrder(), 1);
    EXPECT_EQ(xAxis(1)->ZOrder(), 3);
    EXPECT_EQ(xAxis(2)->ZOrder(), 2);
}

TEST_F(PlotLayoutManagerTest, SidesFollowThePlaceholdersAndEqualKeysPutTheLaterFirst)
{
    layout()->SetEnabled(false);
    master->AddXAxis();
    master->AddYAxis();
    master->AddLegend();
    master->AddLabel();
    master->AddToolBar();
    xAxis(0)->SetZOrder(1); // equal to the placeholder: bottom side
    master->LegendManager()->Item(0)->SetZOrder(2);
    master->LabelManager()->Item(0)->SetZOrder(2);
    master->ToolBarManager()->Item(0)->SetZOrder(2);
    layout()->SetEnabled(true);
    EXPECT_EQ(Keys(layout()->BottomList()), QStringLiteral("001000:X-Axis 1"));
    EXPECT_FALSE(xAxis(0)->ReverseSide());
    EXPECT_EQ(Keys(layout()->LeftList()), QStringLiteral("000000:Y-Axis 1"));
    EXPECT_EQ(Keys(layout()->RightList()), QStringLiteral("002000:Legend 1"));
    EXPECT_TRUE(master->LegendManager()->Item(0)->ReverseSide());
    EXPECT_EQ(Keys(layout()->TopList()), QStringLiteral("002000:Toolbar 1 002000:Label 1"));
    EXPECT_EQ(layout()->TopUniqueCount(), 1);
    master->ToolBarManager()->Item(0)->SetVisible(false);
    EXPECT_EQ(layout()->VisibleCount(layout()->TopList()), 1);
}

TEST_F(PlotLayoutManagerTest, ZOrdersOutsideThreeDigitsRebuildWithoutRaising)
{
    master->AddXAxis();
    master->AddXAxis();
    iSetPropertyFromText(xAxis(0), QStringLiteral("ZOrder"), QStringLiteral("-7"), u'.'); // as a file sets it
    iSetPropertyFromText(xAxis(1), QStringLiteral("ZOrder"), QStringLiteral("1500"), u'.');
    ASSERT_EQ(xAxis(0)->ZOrder(), -7);
    EXPECT_EQ(Keys(layout()->BottomList()), QStringLiteral("000000:X-Axis 1"));
    EXPECT_EQ(Keys(layout()->TopList()), QStringLiteral("999000:X-Axis 2"));
    EXPECT_EQ(layout()->TopUniqueCount(), 1);
    TiPlotObject::Free(xAxis(0));
    EXPECT_EQ(xAxis(0)->ZOrder(), 1499);
}

TEST_F(PlotLayoutManagerTest, ReversedAxesChangeSidesAndStackAgain)
{
    master->AddXAxis();
    master->AddYAxis();
    master->SetXYAxesReverse(true);
    EXPECT_FALSE(xAxis(0)->Horizontal());
    EXPECT_TRUE(master->YAxisManager()->Item(0)->Horizontal());
    EXPECT_EQ(Keys(layout()->LeftList()), QStringLiteral("000000:X-Axis 1"));
    EXPECT_EQ(Keys(layout()->BottomList()), QStringLiteral("000000:Y-Axis 1"));
}

} // namespace
