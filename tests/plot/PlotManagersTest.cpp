// Object managers under a master manager: default names, kind defaults, the channel colour
// sequence, look-ups by index and name and their errors, and removal notifications.

#include "PlotTestSupport.h"

#include "plot/iPlotMasterManager.h"

#include "platform/ui/TPanel.h"

#include <gtest/gtest.h>

#include <memory>

using namespace vcl;

namespace {

class PlotManagersTest : public ptest::MasterManagerTest
{
protected:
    TiPlotChannelManager* channels() const { return master->ChannelManager(); }

};

TEST_F(PlotManagersTest, NextNameIsOneAboveTheLargestNumberedName)
{
    struct Case { std::vector<const char*> names; const char* next; };
    const Case cases[] = {
        { {}, "Channel 1" },
        { { "Channel 1", "Channel 7" }, "Channel 8" },
        { { "channel 2", "Channel10" }, "Channel 11" },
        { { "My channel", "Channel X", "Channel 3b" }, "Channel 1" },
        { { "Channel 2147483647" }, "Channel 2147483648" },
        { { "Channel 99999999999999999999999", "Channel 4" }, "Channel 5" },
        { { "Channel -3", "Channel +2" }, "Channel 3" },
    };
    for (const Case& c : cases) {
        master->ChannelManager()->Clear();
        for (const char* name : c.names)
            channels()->Item(master->AddChannel())->SetName(QString::fromLatin1(name));
        EXPECT_EQ(channels()->GetNextName(), QString::fromLatin1(c.next)) << c.next;
    }
}

TEST_F(PlotManagersTest, NewChannelsTakeThePaletteInOrderThenTheLeastUsed)
{
    const std::vector<TColor>& palette = iChannelPalette();
    ASSERT_EQ(palette.size(), 30u);
    for (std::size_t i = 0; i < palette.size(); ++i)
        EXPECT_EQ(channels()->Item(master->AddChannel())->Color(), palette[i]) << i;
    // Every colour used once and the new channel starts red: yellow is next.
    EXPECT_EQ(channels()->Item(master->AddChannel())->Color(), 0x00FFFF);

    channels()->Clear();
    master->AddChannel();
    const int second = master->AddChannel();
    channels()->Item(second)->SetColor(0x123456); // outside the palette: not counted
    EXPECT_EQ(channels()->Item(master->AddChannel())->Color(), 0x00FFFF);
}

TEST_F(PlotManagersTest, NewObjectsGetNamesAndKindDefaults)
{
    master->AddXAxis();
    master->AddYAxis();
    master->AddDataView();
    const int channel = master->AddChannel();
    const int cursor = master->AddDataCursor();
    const int limit = master->AddLimit();
    const int label = master->AddLabel();
    const int annotation = master->AddAnnotation();

    EXPECT_EQ(master->XAxisManager()->Item(0)->Title(), QStringLiteral("X-Axis 1"));
    EXPECT_EQ(master->YAxisManager()->Item(0)->Title(), QStringLiteral("Y-Axis 1"));
    TiPlotChannelCustom* ch = channels()->Item(channel);
    EXPECT_EQ(ch->TitleText(), QStringLiteral("Channel 1"));
    EXPECT_EQ(ch->XAxisName(), QStringLiteral("X-Axis 1"));
    EXPECT_EQ(ch->YAxisName(), QStringLiteral("Y-Axis 1"));
    EXPECT_EQ(master->DataViewManager()->Item(0)->GridXAxisName(), QStringLiteral("X-Axis 1"));
    EXPECT_EQ(master->DataCursorManager()->Item(cursor)->ChannelName(), QStringLiteral("Channel 1"));
    EXPECT_EQ(master->DataCursorManager()->Item(cursor)->DataView(), master->DataViewManager()->Item(0));
    EXPECT_EQ(master->LimitManager()->Item(limit)->YAxisName(), QStringLiteral("Y-Axis 1"));
    EXPECT_EQ(master->LabelManager()->Item(label)->Caption(), QStringLiteral("Label 1"));
    EXPECT_EQ(master->AnnotationManager()->Item(annotation)->Name(), QString()); // stays unnamed
    EXPECT_EQ(master->ObjectManager()->Count(), 8 + 2); // with the two data-view placeholders

    master->XAxisManager()->Item(0)->SetName(QStringLiteral("Time")); // references follow a rename
    EXPECT_EQ(ch->XAxisName(), QStringLiteral("Time"));
    EXPECT_EQ(master->DataViewManager()->Item(0)->GridXAxisName(), QStringLiteral("Time"));
}

TEST_F(PlotManagersTest, LookUpsIgnoreCaseAndAnswerNoneOrRaise)
{
    master->AddXAxis();
    master->AddXAxis();
    TiPlotXAxisManager* axes = master->XAxisManager();
    EXPECT_EQ(axes->GetObjectByName(QStringLiteral("x-axis 2")), axes->Item(1));
    EXPECT_EQ(axes->GetIndexByName(QStringLiteral("X-AXIS 1")), 0);
    EXPECT_EQ(axes->GetObjectByName(QStringLiteral("X-Axis 3")), nullptr);
    EXPECT_EQ(axes->GetIndexByName(QStringLiteral("X-Axis 3")), -1);
    for (int bad : { -1, 2 }) {
        try {
            axes->Item(bad);
            ADD_FAILURE() << bad;
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("List index out of bounds (%1)").arg(bad));
        }
    }
    EXPECT_THROW(master->YAxisManager()->Item(0), EListError);
    try {
        master->ObjectManager()->CreateObject();
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Object Manager does not support creation of objects"));
    }
}

TEST_F(PlotManagersTest, RemovalLeavesEveryListAndForeignObjectsChangeNothing)
{
    const int index = master->AddChannel();
    TiPlotChannelCustom* channel = channels()->Item(index);
    int changes = 0;
    channels()->OnChange = [&](TObject*) { ++changes; };
    TiXYPlotChannel stranger(owner.get(), [](TObject*) {}, [](TObject*) {}, [](TObject*) {}, [](TObject*) {});
    channels()->NotificationRemove(&stranger);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(channels()->Count(), 1);

    const int objectsBefore = master->ObjectManager()->Count();
    TiPlotObject::Free(channel);
    EXPECT_EQ(channels()->Count(), 0);
    EXPECT_EQ(master->ObjectManager()->Count(), objectsBefore - 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(PlotManagersTest, ManagersInsistOnOwnerAndCallbacks)
{
    const TNotifyEvent ok = [](TObject*) {};
    try {
        TiPlotLabelManager manager(nullptr, ok, ok, ok, ok);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Owner must be Assigned"));
    }
    try {
        TiPlotLabelManager manager(owner.get(), ok, ok, ok, nullptr);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("AOnRename event handler can not be null"));
    }
}

TEST_F(PlotManagersTest, SettingsReachEveryObject)
{
    master->AddChannel();
    master->AddXAxis();
    master->AddLegend();
    int repaints = 0;
    master->OnInvalidateNow = [&](TObject*) { ++repaints; };
    master->SetUserCanEditObjects(false);
    master->SetXYAxesReverse(true);
    for (TiPlotObject* o : { static_cast<TiPlotObject*>(channels()->Item(0)),
                             static_cast<TiPlotObject*>(master->XAxisManager()->Item(0)),
                             static_cast<TiPlotObject*>(master->LegendManager()->Item(0)) }) {
        EXPECT_FALSE(o->UserCanEdit());
        EXPECT_TRUE(o->XYAxesReversed());
    }
    EXPECT_EQ(repaints, 1);
    EXPECT_FALSE(master->XAxisManager()->Item(0)->Horizontal()); // an X axis stands upright now
    master->AddYAxis();
    EXPECT_TRUE(master->YAxisManager()->Item(0)->Horizontal());
    EXPECT_FALSE(master->YAxisManager()->Item(0)->UserCanEdit());
}

} // namespace
