// What users hit, driven by mouse clicks on the main window itself: the crossover bypasses, the PEQ
// reset, the magnitude/phase views, the overlay toggles, the Gain page following an edit, the
// compressor page's output names and the model keeping each band's bypass.

#include "EditorRig.h"
#include "WindowInput.h"

#include "platform/ui/TRadioButton.h"
#include "response/FilterCurve.h"
#include "ui/FMainConnectTestRig.h"
#include "ui/FPeqRst.h"

#include <gtest/gtest.h>

using namespace edtest;

namespace {

vcl::TControl* Control(EditorRig& rig, const char* name)
{
    return rig.Get<vcl::TControl>(QString::fromLatin1(name));
}

} // namespace

TEST(WindowInput, BothCrossoverBypassesStayDownAndFollowTheModel)
{
    EditorRig rig;
    {
        // InA with both filters working (the default program bypasses them), shown by a refresh.
        editors::SuppressGuard quiet(rig.Form->SuppressSend);
        rig.Model.SetHp(0, 10, 4);
        rig.Model.SetLp(0, 280, 4);
    }
    rig.Form->RefreshAll();
    ShowPageByClick(*rig.Form, QStringLiteral("rzbMenuInA"));
    auto* hp = rig.Get<rz::TRzBmpButton>(QStringLiteral("rzbLowCutBypassInA"));
    auto* lp = rig.Get<rz::TRzBmpButton>(QStringLiteral("rzbHighCutBypassInA"));
    ClickOnWindow(*rig.Form, hp);
    ClickOnWindow(*rig.Form, lp);
    EXPECT_TRUE(hp->Down());
    EXPECT_TRUE(lp->Down()) << "pressing one bypass leaves the other down";
    EXPECT_EQ(rig.Model.GetHpLp(0).HpSlope, 0);
    EXPECT_EQ(rig.Model.GetHpLp(0).LpSlope, 0);
    ClickOnWindow(*rig.Form, Control(rig, "rzbEq3InA"));
    EXPECT_TRUE(hp->Down() && lp->Down()) << "a band button releases no bypass";
    ClickOnWindow(*rig.Form, lp);
    EXPECT_FALSE(lp->Down());
    EXPECT_TRUE(hp->Down());
    EXPECT_NE(rig.Model.GetHpLp(0).LpSlope, 0);

    // A recall of a bypassed low-pass on Out2 shows its button down, the high-pass button up.
    {
        editors::SuppressGuard quiet(rig.Form->SuppressSend);
        rig.Model.SetLp(3, 100, 0);
        rig.Model.SetHp(3, 10, 4);
    }
    rig.Form->RefreshAll();
    EXPECT_TRUE(rig.Get<rz::TRzBmpButton>(QStringLiteral("rzbHighCutBypassOut2"))->Down());
    EXPECT_FALSE(rig.Get<rz::TRzBmpButton>(QStringLiteral("rzbLowCutBypassOut2"))->Down());
}

TEST(WindowInput, EqResetAsksThenResetsEveryBandInTheModel)
{
    EditorRig rig;
    fmPeqRst = new TfmPeqRst(rig.Form);
    {
        editors::SuppressGuard quiet(rig.Form->SuppressSend);
        for (int b = 0; b < 9; ++b)
            rig.Model.SetPeq(3, b, PeqBand { 150, 50, 30, 1 }, false);
    }
    rig.Form->RefreshAll();
    rig.Tap.Sent.clear();
    ShowPageByClick(*rig.Form, QStringLiteral("rzbMenuOut2"));
    {
        seqtest::ModalAnswer ok(fmPeqRst, [](vcl::TForm&) { fmPeqRst->btnOK->Click(); });
        ClickOnWindow(*rig.Form, Control(rig, "vrbEqResetOut2"));
        EXPECT_EQ(ok.Count, 1) << "the reset question was shown";
    }
    EXPECT_EQ(fmPeqRst->Channel, 3);
    for (int b = 0; b < 9; ++b) {
        const PeqBand now = rig.Model.GetPeq(3, b), def = rig.Model.GetDefaultPeq(3, b);
        EXPECT_TRUE(now.Freq == def.Freq && now.Gain == def.Gain && now.Q == def.Q && now.Type == def.Type) << b;
        EXPECT_FALSE(rig.Model.IsPeqBandBypassed(3, b)) << b;
    }
    EXPECT_GE(rig.SentOf(0x33).size(), 9u) << "every band went to the device";
    fmMain = nullptr;
}

TEST(WindowInput, TheModelRecordsEachBandBypass)
{
    EditorRig rig;
    ShowPageByClick(*rig.Form, QStringLiteral("rzbMenuOut1"));
    auto* peq = rig.Get<TMyPEQAllpass>(QStringLiteral("peqPeqOut1"));
    ClickOnWindow(*rig.Form, Control(rig, "rzbEq4Out1"));
    peq->SetBypassValue(3, true);
    EXPECT_TRUE(rig.Model.IsPeqBandBypassed(2, 3));
    peq->SetBypassValue(3, false);
    EXPECT_FALSE(rig.Model.IsPeqBandBypassed(2, 3));
}

TEST(WindowInput, PhaseViewIsReachedAndLeftByItsButtons)
{
    EditorRig rig;
    ShowPageByClick(*rig.Form, QStringLiteral("rzbMenuOut2"));
    auto* plot = rig.Get<LMyFFTDrawPhase>(QStringLiteral("fftDrawOut2"));
    auto* mag = rig.Get<vcl::TRadioButton>(QStringLiteral("rbShowGainOut2"));
    auto* phase = rig.Get<vcl::TRadioButton>(QStringLiteral("rbShowPhaseOut2"));
    rig.Form->OverlayStale = {};
    ClickOnWindow(*rig.Form, phase);
    EXPECT_EQ(rig.Curves[3]->GetPhaseMode(), 1);
    EXPECT_TRUE(phase->Checked());
    EXPECT_FALSE(mag->Checked());
    EXPECT_EQ(phase->Font()->Color(), 0x00FFFFu);
    EXPECT_EQ(mag->Font()->Color(), 0xC0C0C0u);
    EXPECT_EQ(plot->YLabel(), QString());
    EXPECT_EQ(plot->NumHorzGrid(), 7);
    EXPECT_NE(rig.Form->OverlayStale[2] & (1u << 3), 0u) << "Out1's copy of Out2 is stale";
    EXPECT_EQ(rig.Curves[2]->GetPhaseMode(), 0) << "each plot keeps its own view";
    ClickOnWindow(*rig.Form, mag);
    EXPECT_EQ(rig.Curves[3]->GetPhaseMode(), 0);
    EXPECT_EQ(plot->YLabel(), QStringLiteral("dB"));
    EXPECT_EQ(plot->NumHorzGrid(), 11);
    EXPECT_EQ(plot->YMin(), -18.0);
    EXPECT_EQ(plot->YMax(), 18.0);
}

TEST(WindowInput, TheGainPageAndChannelOverlaysFollowAnEdit)
{
    EditorRig rig;
    rig.Form->RefreshAll();
    ShowPageByClick(*rig.Form, QStringLiteral("rzbMenuInA"));
    ClickOnWindow(*rig.Form, Control(rig, "rzbLowCutBypassInA"));
    ClickOnWindow(*rig.Form, Control(rig, "rzbHighCutBypassInA"));
    rig.Form->tmHpLpCurve->SetEnabled(false);
    rig.Form->tmHpLpCurve->OnTimer(rig.Form->tmHpLpCurve);
    const auto& total = rig.Curves[0]->Section(12)->curve;
    EXPECT_NE(rig.Curves[8]->Section(0)->curve, total) << "the Gain page copy waits for its page";
    ShowPageByClick(*rig.Form, QStringLiteral("rzbMenuGain"));
    EXPECT_EQ(rig.Form->CurPage, 10);
    EXPECT_EQ(rig.Curves[8]->Section(0)->curve, total) << "the Gain page shows InA's new total";

    // On InB's page, InA's overlay comes from InA's total once its toggle is switched on.
    ShowPageByClick(*rig.Form, QStringLiteral("rzbMenuInB"));
    EXPECT_EQ(rig.Curves[1]->Section(18)->curve, total);
    auto* toggle = rig.Get<vr::TVrPowerButton>(QStringLiteral("vrbShowAInB"));
    ClickOnWindow(*rig.Form, toggle);
    EXPECT_TRUE(toggle->Active());
    EXPECT_EQ(rig.Form->OverlayStale[1] & 1u, 0u);
}

TEST(WindowInput, PressOnAnOutputNameOfTheCompressorPageShowsThatOutput)
{
    EditorRig rig;
    ShowPageByClick(*rig.Form, QStringLiteral("rzbMenuComp"));
    rig.Get<TAdvTrackBar>("isCompThresholdOut4")->SetPosition(-40);
    rig.Form->tmCompDisp->SetEnabled(false);
    ClickOnWindow(*rig.Form, Control(rig, "lbCompOut1"));
    EXPECT_EQ(rig.Get<vcl::TLabel>("lbHeadCompOut")->Caption(), "Out 1");
    ClickOnWindow(*rig.Form, Control(rig, "lbCompOut4"));
    EXPECT_EQ(rig.Get<vcl::TLabel>("lbHeadCompOut")->Caption(), "Out 4");
    EXPECT_TRUE(rig.Get<vcl::TLabel>("lbCompName")->Caption().startsWith("Out 4  "));
    EXPECT_EQ(rig.Form->Editors().Comp().Selected(), 5);
    EXPECT_DOUBLE_EQ(CurveOf(*rig.Get<TiXYPlot>("ipComp"))[2].first, -20.0) << "Out4's threshold knee point";
}
