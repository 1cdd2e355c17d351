// Gate editor and the refresh of every control from the model.

#include "EditorRig.h"
#include "plot/iXYPlot.h"

#include "device/Constants.h"
#include "ui/editors/EditorMath.h"

#include <gtest/gtest.h>
#include "support/DeviceControllerProbe.h"

using namespace edtest;

TEST(EditorGate, CurvePoints)
{
    const struct { int pos; double t; } cases[] = { { -180, -90.0 }, { 0, 0.0 }, { -41, -20.5 } };
    for (const auto& c : cases) {
        const auto g = editors::GateCurvePoints(c.pos);
        ASSERT_EQ(g.Curve.size(), 3u);
        EXPECT_EQ(g.Curve[0], (editors::XY { 20, 20 }));
        EXPECT_EQ(g.Curve[1], (editors::XY { c.t, c.t }));
        EXPECT_EQ(g.Curve[2], (editors::XY { c.t, -100 }));
        EXPECT_DOUBLE_EQ(g.Dot.first, c.t + 0.2);
        EXPECT_DOUBLE_EQ(g.Dot.second, c.t - 0.4);
    }
}

TEST(EditorGate, FadersStoreSelectAndDraw)
{
    EditorRig rig;
    const TiXYPlot* plot = rig.Get<TiXYPlot>("ipGate");
    rig.Get<vcl::TLabel>("lbHeadGateIn")->SetCaption("In A");
    rig.Get<TAdvTrackBar>("isGateThresholdInB")->SetPosition(-100);
    rig.Get<TAdvTrackBar>("isGateHoldInB")->SetPosition(40);
    EXPECT_EQ(rig.Form->Editors().Gate().Selected(), 1);
    EXPECT_EQ(rig.Get<TCurvyEdit>("cvdGateThresholdInB")->Text(), "-50.0dB");
    EXPECT_EQ(rig.Get<TCurvyEdit>("cvdGateHoldInB")->Text(), "41ms");
    EXPECT_EQ(rig.Model.GetInGate(1).Threshold, 80);
    EXPECT_EQ(rig.Model.GetInGate(1).Hold, 40);
    const std::vector<editors::XY> drawn = CurveOf(*plot);
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[1], (editors::XY { -50, -50 }));
    EXPECT_TRUE(rig.Get<vcl::TLabel>("lbGateName")->Caption().startsWith("In B  "));
    EXPECT_EQ(rig.Get<vcl::TLabel>("lbHeadGateIn")->Caption(), "In B"); // the threshold edit named it

    rig.Get<vcl::TLabel>("lbHeadGateIn")->SetCaption("In A");
    rig.Get<TAdvTrackBar>("isGateHoldInB")->SetPosition(50);
    EXPECT_EQ(rig.Get<vcl::TLabel>("lbHeadGateIn")->Caption(), "In A") << "hold leaves the head as it is";
}

TEST(EditorRefresh, WritesEveryControlAndSendsNothing)
{
    EditorRig rig;
    rig.Form->SuppressSend = true;
    rig.Model.SetGain(0, 0);
    rig.Model.SetGain(3, 400);
    rig.Model.SetHp(2, 170, 0);
    rig.Model.SetLp(2, 0, 3);
    CompParams comp = rig.Model.GetOutComp(4);
    comp.Ratio = 15;
    comp.Knee = 12;
    rig.Model.SetOutComp(4, comp);
    rig.Model.SetPolarity(7, 1);
    rig.Model.SetMatrix(5, 2);
    rig.Form->SuppressSend = false;
    rig.Get<rz::TRzComboBox>("rzcLowCutSlopOut1")->SetItemIndex(4);
    DeviceControllerProbe(rig.Form->Controller).CurPresetNo() = 7;
    auto* pst = rig.Get<vcl::TLabel>("lbPstNum");
    ASSERT_NE(pst, nullptr);

    rig.Form->RefreshAll();

    EXPECT_TRUE(rig.Tap.Sent.empty());
    EXPECT_FALSE(rig.Form->SuppressSend);
    EXPECT_EQ(pst->Caption(), "U07");
    EXPECT_EQ(rig.Get<TCurvyEdit>("cvdGainInA")->Text(), "-60.0dB");
    EXPECT_EQ(rig.Get<TCurvyEdit>("cvdGainBackupInA")->Text(), "-60.0dB");
    EXPECT_EQ(rig.Get<TCurvyEdit>("cvdGainOut2")->Text(), "+12.0dB");
    EXPECT_EQ(rig.Get<TCurvyEdit>("cvdLowCutFreqOut1")->Text(), "1.00KHz");
    EXPECT_EQ(rig.Get<TCurvyEdit>("cvdHighCutFreqOut1")->Text(), "19.7Hz");
    EXPECT_TRUE(rig.Get<rz::TRzBmpButton>("rzbLowCutBypassOut1")->Down());
    EXPECT_EQ(rig.Get<rz::TRzComboBox>("rzcLowCutSlopOut1")->ItemIndex(), 4) << "slope code 0 keeps the item";
    EXPECT_FALSE(rig.Get<rz::TRzBmpButton>("rzbHighCutBypassOut1")->Down());
    EXPECT_EQ(rig.Get<rz::TRzComboBox>("rzcHighCutSlopOut1")->ItemIndex(), 2);
    EXPECT_EQ(rig.Get<TCurvyEdit>("cvdCompRatioOut3")->Text(), "Limit");
    EXPECT_EQ(rig.Get<TCurvyEdit>("cvdCompKneeOut3")->Text(), "12dB");
    EXPECT_TRUE(rig.Get<rz::TRzBmpButton>("rzbPhaseBackupOut6")->Down());
    EXPECT_EQ(rig.Get<rz::TRzBmpButton>("rzbPhaseOut6")->Caption(), rig.Form->GetSidText("SID_PHASE_ON"));
    EXPECT_FALSE(rig.Get<rz::TRzBmpButton>("rzbAMatrixOut4")->Down());
    EXPECT_TRUE(rig.Get<rz::TRzBmpButton>("rzbBMatrixOut4")->Down());
}

TEST(EditorRefresh, MissingControlEndsItWithSendingAllowedAgain)
{
    EditorRig rig;
    delete rig.Get<TAdvTrackBar>("isGainBackupInB");
    rig.Form->RefreshAll();
    EXPECT_FALSE(rig.Form->SuppressSend);
    EXPECT_TRUE(rig.Tap.Sent.empty());
}
