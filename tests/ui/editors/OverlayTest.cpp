// Overlay copies of other channels' totals: stale marks, lazy copies, toggles, hiding a follower's toggles.

#include "EditorRig.h"

#include "response/FilterCurve.h"

#include <gtest/gtest.h>

using namespace edtest;

TEST(EditorOverlays, StaleCopiesRefreshOnlyWhenThePageIsShown)
{
    EditorRig rig;
    rig.Form->OverlayStale = {};
    rig.Form->MarkCurveStale(3); // Out2
    for (int k = 2; k < 8; ++k)
        EXPECT_EQ(rig.Form->OverlayStale[static_cast<std::size_t>(k)], 1u << 3) << k;
    EXPECT_EQ(rig.Form->OverlayStale[9], 1u << 3);
    EXPECT_EQ(rig.Form->OverlayStale[0], 0u);

    rig.Curves[3]->Section(12)->curve.fill(4.5);
    rig.Form->RefreshChannelOverlays(2); // Out1's page: the stale copy of Out2 is taken, toggle off or not
    EXPECT_EQ(rig.Curves[2]->Section(19)->curve[100], 4.5);
    EXPECT_EQ(rig.Form->OverlayStale[2], 0u);

    auto* gainToggle = rig.Get<vr::TVrPowerButton>("vrbShow2Gain");
    gainToggle->SetActive(true);
    rig.Form->RefreshGainPageCurves();
    EXPECT_EQ(rig.Curves[9]->Section(3)->curve[100], 4.5);
    EXPECT_EQ(rig.Form->OverlayStale[9], 0u) << "the active toggle's copy was drawn";

    rig.Form->ShowOverlayButtons(4, false); // Out3 follows: its toggles go
    EXPECT_FALSE(rig.Get<vr::TVrPowerButton>("vrbShow3Gain")->Visible());
    for (const char* name : { "vrbShow3Out1", "vrbShow3Out2", "vrbShow3Out4", "vrbShow3Out6" }) {
        EXPECT_FALSE(rig.Get<vr::TVrPowerButton>(name)->Visible()) << name;
        EXPECT_FALSE(rig.Get<vr::TVrPowerButton>(name)->Active()) << name;
    }
}
