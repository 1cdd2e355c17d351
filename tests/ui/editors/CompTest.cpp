// Compressor editor: transfer curve, fader and up-down edits, typed entries; gate typed entries.

#include "EditorRig.h"

#include "device/McsCodes.h"
#include "plot/iXYPlot.h"
#include "ui/editors/EditorMath.h"

#include <gtest/gtest.h>

using namespace edtest;
using editors::XY;

TEST(EditorComp, CurvePoints)
{
    const struct { int pos, knee, ratio; std::vector<XY> points; } cases[] = {
        { -180, 12, 5, { { 20, -35 }, { -78, -84 }, { -102, -102 }, { -100, -100 } } },
        { -20, 4, 15, { { 20, -10 }, { -6, -10 }, { -14, -14 }, { -100, -100 } } }, // limiter: flat above the knee
        { -20, 0, 0, { { 20, 20 }, { -10, -10 }, { -10, -10 }, { -100, -100 } } },  // knee 0: the middle points meet
    };
    for (const auto& c : cases) {
        const auto g = editors::CompCurvePoints(c.pos, c.knee, c.ratio);
        ASSERT_EQ(g.Curve.size(), 4u);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_NEAR(g.Curve[i].first, c.points[i].first, 1e-4) << c.pos << " point " << i;
            EXPECT_NEAR(g.Curve[i].second, c.points[i].second, 1e-4) << c.pos << " point " << i;
        }
        EXPECT_NEAR(g.Dot.first, c.pos * 0.5 + 0.2, 1e-6);
    }
}

TEST(EditorComp, ParsedEntries)
{
    const struct { const char* text; bool ok; double value; } signedCases[] = {
        { "25", true, 20 }, { "-95", true, -90 }, { "-3.7dB", true, -3.7 }, { "3.4", true, 3 }, { "-0.3", true, 0 },
        { "3.5", true, 3.5 }, { "abc", false, 0 }, { "-", false, 0 }, { "4.", false, 0 }, { "3-", false, 0 },
        { ".4", false, 0 }, { "1+2", false, 0 }, { "99999999999999999999999.4", true, 20 },
        { "-99999999999999999999999.2", true, -90 },
    };
    for (const auto& c : signedCases) {
        double v = 0;
        EXPECT_EQ(editors::ParseSignedEntry(c.text, -90, 20, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        }
    }
    const struct { const char* text; int index; } ratioCases[] = {
        { "3", 7 }, { "1:3", 7 }, { "1:3.0", 7 }, { "2.2", 6 }, { "25", 15 }, { "0.5", 0 }, { "20.05", 15 },
        { "2:3", -1 }, { "4.", -1 }, { "x", -1 }, { "11:5", -1 },
    };
    for (const auto& c : ratioCases)
        EXPECT_EQ(editors::ParseRatioEntry(c.text), c.index) << c.text;
}

TEST(EditorComp, EditsStoreShowTheGroupAndDrawTheLastOutput)
{
    EditorRig rig;
    const TiXYPlot* plot = rig.Get<TiXYPlot>("ipComp");
    const std::vector<XY> before = CurveOf(*plot);
    rig.Get<TAdvTrackBar>("isCompAttackOut2")->SetPosition(49);
    rig.Get<TAdvTrackBar>("isCompThresholdOut3")->SetPosition(-20);
    rig.Get<TAdvTrackBar>("isCompReleaseOut4")->SetPosition(99);
    EXPECT_EQ(rig.Get<TCurvyEdit>("cvdCompAttackOut2")->Text(), " 50ms");
    EXPECT_EQ(rig.Get<TCurvyEdit>("cvdCompThresholdOut3")->Text(), "-10.0dB");
    EXPECT_EQ(rig.Model.GetOutComp(4).Threshold, 160);
    EXPECT_EQ(rig.Model.GetOutComp(5).Release, 99);
    EXPECT_EQ(rig.Form->Editors().Comp().Selected(), 5);
    EXPECT_EQ(CurveOf(*plot), before) << "the curve waits for the timer";
    rig.Form->tmCompDisp->OnTimer(rig.Form->tmCompDisp);
    EXPECT_EQ(rig.Get<vcl::TLabel>("lbHeadCompOut")->Caption(), "Out 4");
    EXPECT_TRUE(rig.Get<vcl::TLabel>("lbCompName")->Caption().startsWith("Out 4  "));
    EXPECT_EQ(CurveOf(*plot).size(), 4u);
    EXPECT_EQ(plot->Channel(1)->Count(), 1); // the dot

    auto* ratioBox = rig.Get<TCurvyEdit>("cvdCompRatioOut1");
    ratioBox->SetText("25");
    ratioBox->OnExit(ratioBox);
    EXPECT_EQ(ratioBox->Text(), "Limit");
    EXPECT_EQ(rig.Model.GetOutComp(2).Ratio, 15);
    ratioBox->SetText("2:3");
    ratioBox->OnExit(ratioBox);
    EXPECT_EQ(ratioBox->Text(), "Limit");

    const struct { const char* box; int field; const char* typed; const char* shown; } entries[] = {
        { "cvdCompThresholdOut1", 0, "25", "+20.0dB" }, { "cvdCompThresholdOut1", 0, "-3.7dB", "-3.5dB" },
        { "cvdCompThresholdOut1", 0, "x1", "-3.5dB" },  { "cvdCompKneeOut1", 4, "15", "12dB" },
        { "cvdCompKneeOut1", 4, "3", "3dB" },           { "cvdCompAttackOut1", 1, "100ms", "100ms" },
        { "cvdCompAttackOut1", 1, "0", "1ms" },
        { "cvdCompReleaseOut1", 2, "5000", "3000ms" },  { "cvdCompReleaseOut1", 2, "5.5", "3000ms" },
    };
    for (const auto& e : entries) {
        auto* box = rig.Get<TCurvyEdit>(e.box);
        box->SetText(e.typed);
        box->OnExit(box);
        EXPECT_EQ(box->Text(), e.shown) << e.box << " " << e.typed;
    }
    const CompParams out1 = rig.Model.GetOutComp(2);
    EXPECT_EQ(out1.Threshold, 173);
    EXPECT_EQ(out1.Knee, 3);
    EXPECT_EQ(out1.Attack, 0);
    EXPECT_EQ(out1.Release, 2999);
}

TEST(EditorGate, TypedEntries)
{
    EditorRig rig;
    const struct { const char* box; int field; const char* typed; const char* shown; } entries[] = {
        { "cvdGateThresholdInA", 0, "10", "+0.0dB" }, { "cvdGateHoldInA", 3, "5", "10ms" },
        { "cvdGateHoldInA", 3, "2000", "999ms" },     { "cvdGateHoldInA", 3, "abc", "999ms" },
    };
    for (const auto& e : entries) {
        auto* box = rig.Get<TCurvyEdit>(e.box);
        box->SetText(e.typed);
        box->OnExit(box);
        EXPECT_EQ(box->Text(), e.shown) << e.box << " " << e.typed;
    }
    EXPECT_EQ(rig.Model.GetInGate(0).Hold, 998);
    rig.Tap.Sent.clear();
    auto* box = rig.Get<TCurvyEdit>("cvdGateThresholdInA");
    box->SetText("10"); // already at 0 dB: the fader reports the clamped write, so it is stored again
    box->OnExit(box);
    EXPECT_FALSE(rig.SentOf(MCS_CMD_GATE).empty());
    EXPECT_EQ(rig.Model.GetInGate(0).Threshold, 180);
}
