// PEQ band editing, the band parameter panel and the crossover filters.

#include "EditorRig.h"

#include "device/McsCodes.h"
#include "device/ValueGrids.h"

#include <gtest/gtest.h>

namespace editors {
QString EqFreqText(double f);
QString EqGainText(int p);
QString EqQText(int index);
}

using namespace edtest;

TEST(EditorPeq, PanelTexts)
{
    EXPECT_EQ(editors::EqFreqText(IndexToFreq(0)), " 19.7Hz");
    EXPECT_EQ(editors::EqFreqText(IndexToFreq(170)), "1.00KHz");
    EXPECT_EQ(editors::EqGainText(120), "+0.0dB");
    EXPECT_EQ(editors::EqGainText(119), "-0.1dB");
    EXPECT_EQ(editors::EqQText(35), "3.00");
}

TEST(EditorPeq, TypeChangesBringTheirQ)
{
    EditorRig rig;
    auto* peq = rig.Get<TMyPEQAllpass>("peqPeqOut2");
    peq->SetNowIndex(0);
    const struct { int type, qIn, qModel; } steps[] = {
        { 1, 50, 10 }, // Peak -> Low Shelf: 0.71
        { 2, 10, 10 }, // Low Shelf -> High Shelf: 0.71 again
        { 2, 80, 35 }, // a shelf keeps at most 3.0
        { 0, 10, 35 }, // back to Peak: the default band's Q
    };
    for (const auto& s : steps) {
        peq->SetEqParamValue(0, 1000.0, s.qIn, 3.0, s.type, false);
        const PeqBand band = rig.Model.GetPeq(3, 0);
        EXPECT_EQ(band.Type, s.type);
        EXPECT_EQ(band.Q, s.qModel) << "type " << s.type;
        EXPECT_EQ(rig.Get<TAdvTrackBar>("isEqBwOut2")->Position(), s.qModel);
    }
    const auto sent = rig.SentOf(MCS_CMD_PEQ);
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back().GetPayload(), (BytePacket { 3, 0, 150, 0, 170, 0, 35, 0, 0 }));
    EXPECT_TRUE(rig.Get<rz::TRzBmpButton>("rzbEq1Out2")->Down());
}

TEST(EditorPeq, BypassedBandSendsItsRealValuesAndDragSuspends)
{
    EditorRig rig;
    auto* peq = rig.Get<TMyPEQAllpass>("peqPeqInB");
    peq->SetNowIndex(2);
    peq->SetEqParamValue(2, 1000.0, 35, -6.0, 0, true);
    const auto sent = rig.SentOf(MCS_CMD_PEQ);
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back().GetPayload(), (BytePacket { 1, 2, 60, 0, 170, 0, 35, 0, 1 }));

    rig.Tap.Sent.clear();
    rig.Form->Editors().PlotMouse().SetDragSlot(2);
    peq->SetEqParamValue(2, 2000.0, 35, -3.0, 0, false);
    EXPECT_TRUE(rig.Tap.Sent.empty());
}

TEST(EditorPeq, PanelFaderAppliesThroughTheTimerAndNoBandMeansNothing)
{
    EditorRig rig;
    auto* peq = rig.Get<TMyPEQAllpass>("peqPeqInA");
    rig.Get<rz::TRzBmpButton>("rzbEq4InA")->Click();
    EXPECT_EQ(peq->GetNowIndex(), 3);
    EXPECT_TRUE(rig.Get<vcl::TControl>("lbFftParamInA")->Visible());
    rig.Get<TAdvTrackBar>("isEqGainInA")->SetPosition(150);
    EXPECT_EQ(rig.Get<TCurvyEdit>("cvdEqGainInA")->Text(), "+3.0dB");
    EXPECT_TRUE(rig.Form->tmEqCurve->Enabled());
    EXPECT_TRUE(rig.SentOf(MCS_CMD_PEQ).empty()) << "the fader alone stores nothing";
    rig.Form->tmEqCurve->OnTimer(rig.Form->tmEqCurve);
    EXPECT_FALSE(rig.Form->tmEqCurve->Enabled());
    EXPECT_EQ(rig.Model.GetPeq(0, 3).Gain, 150);
    ASSERT_FALSE(rig.SentOf(MCS_CMD_PEQ).empty());
    for (const LCmd& cmd : rig.SentOf(MCS_CMD_PEQ))
        EXPECT_EQ(cmd.GetPayload()[2], 150);

    rig.Form->Editors().Peq().DeselectBands();
    EXPECT_FALSE(rig.Get<rz::TRzBmpButton>("rzbEq4InA")->Down());
    EXPECT_FALSE(rig.Get<TAdvTrackBar>("isEqGainInA")->Enabled());
    rig.Tap.Sent.clear();
    rig.Form->Editors().Peq().Pending().Field = editors::EqField::Gain;
    rig.Form->Editors().Peq().Pending().Channel = 0;
    rig.Form->tmEqCurve->OnTimer(rig.Form->tmEqCurve);
    EXPECT_TRUE(rig.Tap.Sent.empty());

    rig.Form->Editors().Peq().SelectFirstBands();
    for (const char* name : { "rzbEq1InA", "rzbEq1Out6" })
        EXPECT_TRUE(rig.Get<rz::TRzBmpButton>(name)->Down()) << name;
    EXPECT_EQ(rig.Get<TMyPEQAllpass>("peqPeqOut6")->GetNowIndex(), 0);
    EXPECT_TRUE(rig.Tap.Sent.empty());
}

TEST(EditorCrossover, SlopeBypassAndFrequency)
{
    EditorRig rig;
    {
        // Out1's low-pass works at slope 20 (the default program bypasses it), shown by a refresh.
        editors::SuppressGuard quiet(rig.Form->SuppressSend);
        rig.Model.SetLp(2, 280, 20);
    }
    rig.Form->RefreshAll();
    auto* bypass = rig.Get<rz::TRzBmpButton>("rzbLowCutBypassOut1");
    auto* slope = rig.Get<rz::TRzComboBox>("rzcLowCutSlopOut1");
    bypass->SetDown(true);
    bypass->Click();
    slope->SetItemIndex(7);
    slope->OnChange(slope);
    auto sent = rig.SentOf(MCS_CMD_HIGH_PASS);
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back().GetPayload()[3], 0) << "bypassed: slope code 0";
    bypass->SetDown(false);
    bypass->Click();
    EXPECT_EQ(rig.SentOf(MCS_CMD_HIGH_PASS).back().GetPayload()[3], 8);
    EXPECT_EQ(rig.Model.GetHpLp(2).HpSlope, 8);

    rig.Get<TAdvTrackBar>("isHighCutFreqOut1")->SetPosition(0);
    rig.Get<TAdvTrackBar>("isHighCutFreqOut1")->SetPosition(300);
    EXPECT_EQ(rig.Get<TCurvyEdit>("cvdHighCutFreqOut1")->Text(), "20.16KHz");
    ASSERT_FALSE(rig.SentOf(MCS_CMD_LOW_PASS).empty());
    EXPECT_EQ(rig.SentOf(MCS_CMD_LOW_PASS).back().GetPayload(), (BytePacket { 2, 44, 1, 20 }));
    EXPECT_TRUE(rig.Form->tmHpLpCurve->Enabled());
    rig.Form->tmHpLpCurve->OnTimer(rig.Form->tmHpLpCurve);
    EXPECT_FALSE(rig.Form->tmHpLpCurve->Enabled());

    rig.Tap.Sent.clear();
    rig.Form->SuppressSend = true;
    slope->SetItemIndex(2);
    slope->OnChange(slope);
    rig.Get<TAdvTrackBar>("isLowCutFreqOut1")->SetPosition(100);
    rig.Form->SuppressSend = false;
    EXPECT_TRUE(rig.Tap.Sent.empty());
    EXPECT_EQ(rig.Model.GetHpLp(2).HpSlope, 8);
    EXPECT_EQ(rig.Model.GetHpLp(2).HpFreq, 0);
}

TEST(EditorPeq, KeysStepThePanelAndResetRestoresTheDefaults)
{
    EditorRig rig;
    rig.Get<rz::TRzBmpButton>("rzbEq2Out3")->Click();
    auto* box = rig.Get<TCurvyEdit>("cvdEqFreqOut3");
    auto* gain = rig.Get<TAdvTrackBar>("isEqGainOut3");
    const int before = gain->Position();
    vcl::WORD up = 38;
    box->OnKeyDown(box, up, {});
    EXPECT_EQ(gain->Position(), before + 1);
    vcl::WORD shift = 16;
    box->OnKeyDown(box, shift, {});
    EXPECT_EQ(gain->Position(), before + 1);
    rig.Form->tmEqCurve->OnTimer(rig.Form->tmEqCurve);
    EXPECT_EQ(rig.Model.GetPeq(4, 1).Gain, before + 1);

    rig.Form->ResetChannelPeq(4);
    auto* peq = rig.Get<TMyPEQAllpass>("peqPeqOut3");
    EXPECT_EQ(peq->GetNowIndex(), 0);
    for (int b = 0; b < 9; ++b)
        EXPECT_DOUBLE_EQ(peq->GetGainValue(b), 0.0) << b;
    EXPECT_EQ(rig.Model.GetPeq(4, 0).Gain, rig.Model.GetDefaultPeq(4, 0).Gain);
}
